// The frame of one running dictionary register and the steps every one of
// them takes: save the selected window, build the local menu and the
// definitions, allocate the browse, fill its block, run it, free it, close
// the menu and select the saved window again.
//
// A frame lives on the stack of its register's main function for exactly
// one run; the definitions it holds outlive the browse that points at them.
// Menu handlers are plain functions, so each register keeps a pointer to
// its running frame (set for the run, cleared after it).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/module_state.h"
#include "host/api/browse_api.h"

namespace skolvarin::dictionaries {

// Key letters of the local menu items.
inline constexpr signed char kKeyAdd = 'd', kKeyModify = 'm', kKeyDelete = 'u', kKeyFilters = 'f',
                             kKeyPrint = 'r', kKeySearch = 's', kKeyLabels = 'n';

struct RegisterFrame {
  int menu_window = -1;
  int search_menu = -1;   // submenu slot of " Szukaj "
  bool has_filters = false;
  FiltersDefinition filters;
  ScrollDefinition scroll;
  TextCtrlDefinition texts;
  EditCtrlDefinition edits;
  TabuDefinition print_columns;
};

// Runs the register on `table` listed by `tag`: `build` defines the local
// menu items and the definitions (the menu window is already defined and
// is the last one), `fill` sets the browse block.  Returns 0.
int run_register(RegisterFrame& frame, DATA4* table, TAG4* tag, int rows1, int rows2, int flag,
                 const std::function<void(RegisterFrame&)>& build,
                 const std::function<void(BROWSE*)>& fill);

// The open table of the catalogue entry `file` ("W3KONT.DBF").
data::TableHandles& table(std::string_view file);

// Template-id function of a module resource.
TemplateIdFunction template_id(int id);

// Upper case of a UTF-8 text (ASCII and Polish letters), as UPPER() keys it.
std::string upper(std::string_view text);

// A validation that refuses a value already held by another record:
// `key` builds the tag's key from the record buffer; `message` is the
// warning shown.
ValidFunction unique_value(DATA4* data, TAG4* tag, int message, std::function<std::string()> key);
// Not empty and unique.
ValidFunction not_empty_and_unique(DATA4* data, TAG4* tag, int message, std::function<std::string()> key);

// The padded text of a field (the key part of a character field).
std::string padded(FIELD4* field);

// The list's current record is one the user can see (not an empty list).
bool list_has_current(BROWSE* b);

}  // namespace skolvarin::dictionaries
