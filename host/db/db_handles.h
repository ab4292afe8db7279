// What the opaque handles of host/api/db_api.h are: an open table with its
// record buffer, position, tags and locks (DATA4), its fields (FIELD4) and
// tags (TAG4), and the record-buffer steps the call files share.  The
// layout being defined and the session of a context are in db_session.h.
//
// Invariants of DATA4:
//  - record.size() == table->record_length(); record[0] is ' ' or '*';
//  - recno in 1..reccount when positioned on a record; reccount + 1 (eof)
//    otherwise, with a blank buffer unless an append is being prepared;
//  - changed is true only while the buffer differs from what was read or
//    written last; it is written before any move;
//  - every TAG4's index holds the keys of the file as of
//    table->change_counter() (a differing counter rebuilds them).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/api/context.h"
#include "host/api/db_api.h"
#include "host/db/db_session.h"
#include "host/db/dbf_table.h"
#include "host/db/tag_index.h"

struct FIELD4 {
  DATA4* data = nullptr;
  int index = 0;      // into data->table->fields()
  std::string text;   // f4ptr / f4str buffer
  const skolvarin::db::FieldDesc& desc() const;
  char* bytes() const;
};

struct TAG4 {
  DATA4* data = nullptr;
  std::unique_ptr<skolvarin::db::TagIndex> index;
};

struct DATA4 {
  HostContext* ctx = nullptr;
  std::string alias;
  std::unique_ptr<skolvarin::db::Table> table;
  std::vector<std::unique_ptr<FIELD4>> fields;
  std::vector<std::unique_ptr<TAG4>> tags;
  TAG4* selected = nullptr;
  std::vector<char> record;
  long recno = 0;
  bool eof = true, bof = true;
  bool changed = false;
  bool append_pending = false;
  // Binding of handles (ResetDbfActivation / ActivateField / ActivateTag).
  std::vector<std::string> activation_fields;
  size_t next_field = 0, next_tag = 0, tag_base = 0;

  skolvarin::db::RecordView view() const {
    return {table->fields(), record.data(), recno};
  }
};

inline const skolvarin::db::FieldDesc& FIELD4::desc() const { return data->table->fields()[static_cast<size_t>(index)]; }
inline char* FIELD4::bytes() const { return data->record.data() + desc().offset; }

namespace skolvarin::db {

// The record-buffer and tag steps shared by the call files (db_records.cpp).
DATA4* make_handle(HostContext* ctx, const std::string& alias, std::unique_ptr<Table> table);
int build_tags(DATA4* d, const std::vector<TagDefinition>& tags);
int rebuild_tags(DATA4* d);
// Writes a changed record (before a move); 0 or an error.
int leave_record(DATA4* d);
// Re-reads the header; rebuilds the tags when someone else changed the file.
int sync_table(DATA4* d);
int load_record(DATA4* d, long recno, bool sequential);
void go_eof(DATA4* d);
void blank_record(DATA4* d);
int write_current(DATA4* d, long recno);
int append_current(DATA4* d);
void drop_handle(DATA4* d);  // unlocks, removes from its session (deletes d)

}  // namespace skolvarin::db
