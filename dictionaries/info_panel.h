// An information panel laid out by a screen template of its own: the rows
// of the template shown under the list, with the current record's values
// written over them at their places.
//
// The host shows a register's text controls under the list; these take
// rows below the form (`first_row` = the form's row count or more), so the
// form itself never shows them.  The panel has at most 6 rows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/api/browse_api.h"

namespace skolvarin::dictionaries {

struct PanelValue {
  int row = 0, col = 0, width = 0;     // place in the panel template
  std::function<std::string()> text;  // the current record's value
};

// The template's rows (UTF-8, 78 characters each; at most `rows`).
std::vector<std::string> panel_template_rows(int template_id, int rows);

// `row` with `value` written over it from character `col`, cut or padded to
// `width` characters.
std::string write_over(std::string row, int col, int width, const std::string& value);

// Defines one text control per template row (on `field`, any field of the
// register's table) at first_row + r, column 0, showing the row with its
// values.
void define_info_panel(TextCtrlDefinition* texts, FIELD4* field, int first_row, int template_id,
                       std::vector<PanelValue> values);

}  // namespace skolvarin::dictionaries
