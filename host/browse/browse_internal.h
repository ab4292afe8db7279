// Pieces shared by the browse area's files: messages drawn by the host
// itself, the text of a field for lists and prints, the record buffer saved
// and restored around moves made while a form is open, the record stamp,
// screen templates from the module's resources, and the innermost browse.
#pragma once

#include <string>
#include <vector>

#include "host/api/browse_api.h"
#include "host/db/db_handles.h"

namespace skolvarin::host { class Screen; }

namespace skolvarin::browse {

host::Screen* screen();

// A warning / information box with the host's own text (no message id).
void warn(const std::string& text);
void inform(const std::string& text);
// A T/N question; true for yes.
bool ask(const std::string& text);
// True once the keys have run out (a key script ended, the terminal
// closed): the Esc read from then on was pressed by nobody.
bool input_ended();

// A field's value as lists and prints show it: C trimmed on the right, N
// trimmed on the left, D as DD-MM-YYYY (blank when empty), L one character.
std::string field_display(FIELD4* field);

// Dates have one look per kind of place: in a form and in the list's panel
// every date, edited or only shown, looks as the form's edited dates do
// (the picture of its first date field that has one, "DD-MM-CCYY" when
// none has); list columns and printed lists show "DD-MM-YYYY".  A blank
// date is blank wherever it is only shown.
std::string form_date_picture(const BROWSE* b);
// A text control's value as a form or the list's panel shows it.
std::string text_control_value(const TextControl& t, const std::string& date_picture);

// The record buffer and position of a table, taken before a move made while
// a form holds edits in the buffer, and put back afterwards without
// writing anything.
struct RecordSnapshot {
  std::vector<char> record;
  long recno = 0;
  bool eof = true, bof = true, changed = false, append_pending = false;
  TAG4* selected = nullptr;
};
RecordSnapshot take_snapshot(DATA4* data);
void put_snapshot(DATA4* data, const RecordSnapshot& s);

// The stamp text of a write: user, date (ctx->today), time of day.
std::string stamp_text(const HostContext* ctx);

// Rows of a screen template (78 characters each, UTF-8); `rows` rows, blank
// rows when the resource is missing or shorter.
std::vector<std::string> template_rows(TemplateIdFunction fn, int rows);

// The title of a browse (text or message id).
std::string browse_title(const BROWSE* b);
std::string print_title(const BROWSE* b);

// Browses running, innermost last.
std::vector<BROWSE*>& running_browses();

// The form of a browse (form.cpp): mode BROWSE_ADD / BROWSE_MODIFY edits the
// record buffer and on F2 commits it (lock, stamp, write); `read_only` shows
// it.  Returns 15360 when saved (or closed from a read-only view with F2),
// 27 when left.
int run_form(BROWSE* b, int mode, bool commit, bool read_only);

// Does the loaded record pass filter f?  (A filter that is off passes all.)
bool filter_passes(const Filter& f);

// Drawing of one screen row of text (utf8) at (row, col) of the selected
// window with the attribute role.
void put_text(int row, int col, const std::string& utf8, int role);

// Reads a line of text on a row of the selected window: prompt, then an
// edit field of `width` characters.  Enter: true and `value` set; Esc: false.
bool read_line(int row, int col, const std::string& prompt, int width, bool upper, std::string& value);

}  // namespace skolvarin::browse
