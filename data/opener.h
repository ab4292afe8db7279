// The generic register opener: opens any catalogue table with its layout in
// its place and binds the module's handles.
//
// Steps, in this order: define the layout (every field, then every tag);
// SaveDir; change to the table's place (firm: none, shared: SwitchDir 3,
// common: ChangeDir with the purpose code); open_dbf; RestoreDir (whatever
// happened); bind the data, field and tag handles in definition order;
// select the default tag; release the definition (always).
//
// A failed open leaves the table's handles cleared and returns the host's
// non-zero code; the host has already told the user.  The module adds no
// message of its own.
#pragma once

#include <string>

#include "data/catalogue.h"
#include "host/api/context.h"
#include "host/api/db_api.h"

namespace skolvarin::data {

struct OpenRequest {
  int tag_option = 0;   // passed to GetTagsInfo
  int year = 0;         // per-year tables: 0 means the working year
  int default_tag = 1;  // tag selected after the open (1-based); 0 none
};

// Opens `entry`; 0 on success.
int open_table(HostContext* ctx, const CatalogueEntry& entry, const OpenRequest& request = {});
int open_table(HostContext* ctx, const char* file, const OpenRequest& request = {});

// The on-disk name the table is opened under: the per-year buffer filled by
// SetDbfYear with `year`, the main-options format filled with the context's
// identifier (at most 13 characters), or the fixed name.
std::string table_file_name(HostContext* ctx, const CatalogueEntry& entry, int year);

// Defines the entry's layout as the host's current definition (fields, then
// tags).  Returns 0 or the first failing call's code.
int define_layout(HostContext* ctx, const Layout& layout);

// SaveDir, then change to the entry's place.  On failure the saved
// directory is restored at once and the code returned.
int enter_place(HostContext* ctx, const CatalogueEntry& entry);

}  // namespace skolvarin::data
