// The host's register services as the module sees them: the browse (a
// scrolling list of one table with a local menu bar), its edit form over a
// screen template, filters, search, validation helpers, choosers, input
// windows with widgets and the user rights.
//
// How a register uses them (every register of the module is built so):
//
//   ScrollDefinition scroll;  ResetScrollDefinition(&scroll, 80);
//   DefineScrollColumn(&scroll, f_kod, 0, "kod", t_kod);     // tied to a tag
//   DefineScrollColumn(&scroll, f_naz, 0, "nazwa");
//   EditCtrlDefinition edits; ResetEditCtrlDefinition(&edits);
//   EditControl* c = DefineEditCtrl(&edits, 0, 20, f_kod, EDIT_UPPER);
//   c->valid = valid_empty_get;
//   int menu = DefineMainMenuWindow();
//   MenuDefineItem(" Dopisz ", 6310, 'd', -1, browse_dopisz, nullptr);  ...
//   BROWSE* b = nullptr;
//   if (allocate_browse(&b, data, t_kod, &scroll, menu) == 0) {
//     b->title_id = 20115; b->edit_controls = &edits; b->form_template = tpl67;
//     b->form_rows = 3; b->hot_key = my_hot_keys; ...
//     zrob_browse(b, 3, 3, 0);
//     free_browse(b);
//   }
//   w4close(menu);
//
// Conventions kept by every call here:
//  - Text in and out is UTF-8.  Screen templates are read from the module's
//    resources (EnvFindRcs) and converted from Mazovia by the host.
//  - Rows and columns of form controls count from 0 inside the form
//    (template rows are 78 characters wide).
//  - Record numbers and row counts are `long`: a list holds 100,000 rows and
//    more.
//  - Key values are the PC key codes of host/api/screen_api.h.  The closing
//    key of a form or window is 15360 (F2, "Zapisz") for accept and 27 (Esc)
//    for leave.
//  - Definitions (ScrollDefinition and the others) are plain values owned by
//    the register (usually members of its frame); the host keeps pointers to
//    them while the browse runs, so they must outlive zrob_browse.
//  - Menu-item handlers (browse_dopisz, browse_modyfikuj, browse_skasuj,
//    browse_drukuj) act on the browse running innermost; outside a browse
//    they do nothing and return -1.
//  - No call throws.  Without a screen (batch commands, unit tests of module
//    code) windows are not shown: forms and windows answer 27 at once,
//    questions answer 27, messages go to the host's error sink.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/api/context.h"
#include "host/api/db_api.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"

struct BROWSE;
struct EditControl;


// A chooser (F4 on a field, or a filter's picker): may show a list or a
// window and put the chosen value into ctrl->buffer.  Returns 0 when a value
// was chosen, 27 when the user left without choosing.
using ChooserFunction = std::function<int(EditControl* ctrl)>;
// A validation function: 0 accepts the value, -1 refuses it (the cursor
// stays in the field; the function tells the user why, usually with Uwaga).
// It may change other fields of the record through their FIELD4 handles;
// the form shows those changes at once.
using ValidFunction = std::function<int(EditControl* ctrl)>;
// Row checks of filters and coded-field lists: 45 when the current record
// passes (is shown), 40 when it does not.
inline constexpr int ROW_PASSES = 45;
inline constexpr int ROW_FAILS = 40;

// ================================================================ definitions

// List columns.  width is the total width of the list (60 or 80).
struct ScrollColumn {
  FIELD4* field = nullptr;
  int flags = 0;           // reserved, 0
  std::string header;      // shown over the column
  TAG4* tag = nullptr;     // choosing the column orders the list by this tag
  int width = 0;           // characters; 0: the field's width (at least the header's)
  // Text shown instead of the field's value (e.g. a type's name for its
  // code); called with the record loaded.  Empty: the field's text.
  std::function<std::string()> show;
};
struct ScrollDefinition {
  int width = 80;
  std::vector<ScrollColumn> columns;
};
int ResetScrollDefinition(ScrollDefinition* def, int width = 80);
// Adds a column: the field, flags 0, its header and optionally the tag the
// list is ordered by when the user chooses the column (Tab moves between the
// tied columns).  Returns the column (valid until the next Define or Reset).
ScrollColumn* DefineScrollColumn(ScrollDefinition* def, FIELD4* field, int flags, const char* header,
                                 TAG4* tag = nullptr);

// Text controls: read-only values shown in the form (and in the list's
// information panel when the form is not open).
struct TextControl {
  int row = 0, col = 0;
  FIELD4* field = nullptr;
  int flags = 0;
  std::string picture;     // as for edit controls; empty: the field's text
  // Text shown instead of the field's (e.g. a type's name for its digit);
  // given the field's text as lists show it.
  std::function<std::string(const std::string& text)> show;
};
struct TextCtrlDefinition {
  std::vector<TextControl> controls;
};
int ResetTextCtrlDefinition(TextCtrlDefinition* def);
TextControl* DefineTextCtrl(TextCtrlDefinition* def, int row, int col, FIELD4* field, int flags);

// Edit control flags.
inline constexpr int EDIT_SHOW_ONLY = 1;  // shown in the form, never entered
inline constexpr int EDIT_UPPER = 32;     // typed letters become upper case (Polish too)
inline constexpr int EDIT_REPLACE = 64;   // the first typed character replaces the whole value
                                          // (96 = both)

// One editable field of the form.  The register sets chooser, chooser_mode,
// valid and picture after DefineEditCtrl; the host fills buffer and len
// while the form runs.
//
// Pictures:
//   "9999999999"   digits only, one per 9 (a blank is allowed too);
//   "99999.99"     a number: digits, a sign, and the decimal point (',' is
//                  typed as '.'); stored rounded to the field's decimals;
//   "999-9999", "99-999"  digits with the literal characters kept in place
//                  (the cursor jumps over them; the text is stored with them);
//   "DD-MM/YY", "DD-MM-CCYY"  a date of a D field, day, month, year (YY is
//                  20YY below 80, else 19YY); a blank date is allowed unless
//                  the validation says otherwise; an impossible date is
//                  refused with a warning before the validation runs.
//   empty          free text of the field's width (N fields: a number).
struct EditControl {
  int row = 0, col = 0;
  FIELD4* field = nullptr;
  int flags = 0;
  ChooserFunction chooser;   // F4 (also Enter on a field that has only a chooser mode 1)
  int chooser_mode = 0;      // 1: the field is filled only through its chooser
  ValidFunction valid;       // run when the cursor leaves the field forwards and on F2
  std::string picture;
  // Text shown instead of the edited one (e.g. a type's name for its
  // digit), given the edited text; meant for a field filled only through
  // its chooser (chooser_mode 1).
  std::function<std::string(const std::string& text)> show;
  // Keys typed in this field, before the form uses them: returns the key the
  // form goes on with (the same key, or another one such as Enter to end the
  // field) or 0 when the key was used up here.  It may set `buffer`; the
  // field then shows and keeps that value.  Empty: keys go to the field.
  std::function<int(EditControl* ctrl, int key)> key_filter;
  // A warning about a value the form keeps although it is wrong (a tax
  // number that fails its check while the check is switched off), given
  // the edited text: the field shows in the warning colour and the text
  // stands on the form's hint line.  Empty text or no function: no mark.
  std::function<std::string(const std::string& text)> mark;
  // Set by the host while the form runs:
  std::string buffer;        // the value as edited (UTF-8, padded to len)
  int len = 0;               // width of the value in characters
  BROWSE* browse = nullptr;  // the browse whose form holds the control
  void* user = nullptr;      // free for the register
};
struct EditCtrlDefinition {
  std::vector<std::unique_ptr<EditControl>> controls;
};
int ResetEditCtrlDefinition(EditCtrlDefinition* def);
// Adds a control at (row, col) of the form for `field`.  Rows past the first
// page's row count belong to the second page (row - first page rows).  The
// pointer stays valid until the definition is reset or destroyed.
EditControl* DefineEditCtrl(EditCtrlDefinition* def, int row, int col, FIELD4* field, int flags);

// ================================================================ filters

// Kinds of filters.
inline constexpr int FILTER_DATE = 1;     // option 0 or 4: lower bound "od"; 2 or 6: upper bound "do"
inline constexpr int FILTER_MARK = 2;     // a mark or flag: option 8 (the field equals `value`)
                                          // or 24 (equals `value`, a blank field counts as it)
inline constexpr int FILTER_TEXT = 3;     // option 1: the field starts with the text
                                          // (case-insensitive); 0: equals it (trimmed)
inline constexpr int FILTER_CHOICE = 4;   // one of `choices` (stored as its index + 1 in N fields,
                                          // its first character in C fields)
inline constexpr int FILTER_NUMBER = 5;   // a number with `picture` ("99999"): the field equals it
inline constexpr int FILTER_VALUE = 6;    // a value chosen with `picker`: the field equals it (trimmed)
inline constexpr int FILTER_CHOICE2 = 7;  // as 4, the list shown as a pop-up " WYBIERZ "

// Extras of a filter by kind (designated initialisers: {.picker = ...}).
struct FilterExtras {
  ChooserFunction picker{};       // kinds 3 and 6 (F4 in the filters window)
  int picker_mode = 0;          // 1: the value only through the picker
  ValidFunction valid{};          // kind 3: checks the typed value (refused: stays in the field)
  // Kind 3: decides instead of the text match; gets the field and the
  // filter's value, returns ROW_PASSES or ROW_FAILS.
  std::function<int(FIELD4* field, const std::string& value)> compare{};
  std::vector<std::string> choices{};  // kinds 4 and 7
  std::string picture{};               // kind 5 (and the date picture of kind 1: "DD-MM-CCYY" default)
  std::string value{};                 // kind 2: the mark the field must hold
};

struct Filter {
  FIELD4* field = nullptr;
  std::string label;        // in the filters window, with leader dots: "waluta........."
  std::string short_label;  // in the status line (" waluta:"), may be empty
  int kind = 0, option = 0;
  FilterExtras extras;
  // The filter's value as the user set it; empty: the filter is off.
  // Dates as "YYYYMMDD", choices as the chosen index + 1 ("3"), marks "T".
  std::string value;
};
struct FiltersDefinition {
  std::vector<std::unique_ptr<Filter>> filters;
  std::string key;           // name under which the values are kept (SaveFilters)
};
int ResetFiltersDefinition(FiltersDefinition* def);
// Adds a filter; the pointer stays valid until Reset/FreeFilters.
Filter* DefineFilter(FiltersDefinition* def, FIELD4* field, const char* label, const char* short_label,
                     int kind, int option, FilterExtras extras = {});
// The filters window: one row per filter; Enter/Tab move, F4 opens a
// picker or a choice list, Space toggles a mark, Del clears a value,
// F2 accepts, Esc leaves with the values as they were.  Returns 15360
// when accepted, 27 when left.  Accepted values are kept (SaveFilters) when
// the definition has a key.
int OpenFiltersWindow(FiltersDefinition* def);
// The filter function of the browse and of filtered scans (an X4FilterFn):
// `filters` is a FiltersDefinition*; the record must be loaded.  r4keep
// when the record passes every filter that is on, r4ignore otherwise.
int FilterFunction(void* filters);
// 1 when at least one filter is on.
int FiltersActive(const FiltersDefinition* def);
// The filter status line: the short labels with their values of the
// filters that are on (" waluta:EUR od:01-01-2024"); "" when none is.
std::string FilterStatusLine(const FiltersDefinition* def);
// Clears every value (filters off).
void ClearFilters(FiltersDefinition* def);
// Frees the filters (the definition is empty afterwards).
void FreeFilters(FiltersDefinition* def);
// Stored filters: the values are kept under def->key, per firm and user, in
// the file <firm directory>/filtry/<key>_<user number>.flt (UTF-8 lines
// "<position> <kind> <value>" of the filters that are on), so a register
// opened again, in this run or the next, finds its filters as the user left
// them.  The firm and user are those of the context of the filters' table;
// a definition without fields is kept in memory for the run only.
void SaveFilters(const FiltersDefinition* def);
// Takes the kept values of def->key (every filter not kept is off); 1 when
// there were some, 0 when none were ever kept (the values stay as they are).
int LoadFilters(FiltersDefinition* def);

// ================================================================ browse

// Add/modify mode of BROWSE::mode.
inline constexpr int BROWSE_IDLE = 0;
inline constexpr int BROWSE_ADD = 1;
inline constexpr int BROWSE_MODIFY = 2;

// The browse control block: allocated by allocate_browse, filled by the
// register, run by zrob_browse, freed by free_browse.  Members the host sets
// are marked so; the rest belong to the register.
struct BrowseState;  // the host's own state of a running browse
struct BROWSE {
  // Window title: message id (module 1..999 or host 20000..), or text when
  // title is not empty.
  int title_id = 0;
  std::string title;
  // Title of the printed list; when both are unset the window title is used.
  int print_title_id = 0;
  std::string print_title;

  TextCtrlDefinition* text_controls = nullptr;
  EditCtrlDefinition* edit_controls = nullptr;
  TabuDefinition* print_columns = nullptr;

  // The form: its template (78-column rows) and row count; a second page
  // for registers with a two-page form (PgDn / PgUp move between pages).
  TemplateIdFunction form_template = nullptr;
  int form_rows = 0;
  TemplateIdFunction form_template2 = nullptr;
  int form_rows2 = 0;
  // A form of more pages (employees: four, payroll parameters: five): each
  // page's template and row count, in order; control rows count on from one
  // page to the next (a control of page 3 has row = rows of pages 1 and 2 +
  // its row on page 3).  When set, it takes the place of form_template(2)
  // in the form.  PgDn and PgUp move one page, Down from the last field of
  // a page and Up from the first go on to the next or previous page, and
  // nothing wraps from the last page to the first.
  struct FormPage {
    TemplateIdFunction form_template = nullptr;
    int rows = 0;
    int template_first = 0;  // the page's first row in its template (pages may share one)
  };
  std::vector<FormPage> form_pages;

  // Hooks; each returns 0 to go on, non-zero to stop the step.
  // New record: run on the blank record buffer of a record being added (fill
  // start values through the field handles).
  std::function<int(BROWSE* b)> new_record;
  // Record numbering: run for a new record before the form opens and again
  // just before it is appended (sets its number field to d4reccount + 1).
  std::function<int(BROWSE* b)> numbering;
  // Before edit: run on the loaded record before its form opens (repairs
  // empty or out-of-range fields).  Non-zero: the form does not open.
  std::function<int(BROWSE* b)> before_edit;
  // Keys of the list the host does not handle itself (navigation, the menu
  // bar, Esc are the host's; then the hot-key handler).  Returns 0 when it
  // handled the key, non-zero when the host may use it (F2 "Podgląd").
  std::function<int(BROWSE* b, int key)> list_key;
  // After save: run with the saved record loaded (mode still set).
  std::function<int(BROWSE* b)> after_save;
  // Hot keys of the list: usually a call of hot_keys (below).  Returns 0
  // when the key was used, otherwise the key (passed on).
  std::function<int(int key)> hot_key;

  // Filters: the host's FilterFunction and the frame's filters.  The list
  // shows only the rows that pass; the status line shows the filters on.
  X4FilterFn filter_function = nullptr;
  FiltersDefinition* filters = nullptr;

  // Record stamp (INF, 32 characters): on every write the host stores the
  // user's name, the date (ctx->today) and the time of day in it.
  FIELD4* stamp = nullptr;

  // Add/modify mode: set by the host while the form runs (BROWSE_ADD,
  // BROWSE_MODIFY), BROWSE_IDLE otherwise.  Validation functions pass it on
  // to ValidUniqueTag.
  int mode = BROWSE_IDLE;

  // Row callbacks, called with each displayed row's record loaded:
  // row_mark gives a one-character mark shown left of the row (0: none);
  // row_attr gives the row's attribute role (screen_api w4attr roles; -1:
  // the default).
  std::function<int(BROWSE* b)> row_mark;
  std::function<int(BROWSE* b)> row_attr;

  // Read-only state ("Podgląd"): adding, modifying and deleting are refused
  // with a message; the form opens for viewing only.
  bool read_only = false;
  // Picker state: Enter on a row chooses it and ends the browse (zrob_browse
  // then returns 15360 with the chosen record current).  Set by browse_picker.
  bool picker = false;

  // The local menu item highlighted at the start (0-based); -1: the modify
  // item, as usual.
  int start_item = -1;

  // Free for the register (its frame).
  void* user = nullptr;

  // Set by allocate_browse:
  HostContext* ctx = nullptr;
  DATA4* data = nullptr;
  TAG4* tag = nullptr;          // current order (changes with the ordering column)
  ScrollDefinition* scroll = nullptr;
  int menu_window = -1;
  std::unique_ptr<BrowseState> state;

  BROWSE();
  ~BROWSE();
};

// Allocates the block for `data` listed in `tag` order with the columns of
// `scroll` and the local menu bar `menu_window` (from DefineMainMenuWindow;
// may be -1 for no menu).  0 on success and *out set; -1 for a null table or
// definition (nothing allocated).
int allocate_browse(BROWSE** out, DATA4* data, TAG4* tag, ScrollDefinition* scroll, int menu_window);
// Runs the list until the user leaves (Esc).  rows1/rows2: the form's rows
// (taken when form_rows is 0); flag 0 starts on the first row, -1 on the
// last, 1 on the table's current record when it is shown (a pick list
// opened on the record the calling form holds), else on the first row.  The screen:
//   row 1      the local menu bar (Left/Right move the highlight, Enter or
//              a hot letter chooses an item; the highlight starts on the
//              item whose handler is browse_modyfikuj, so Enter edits the
//              current row);
//   below      the list window titled with the window title, the column
//              headers, the rows (current row highlighted), and in its
//              bottom border the filter status line and "rekord N z M";
//   panel      when the register has text controls: the rows of the form's
//              template that hold them, with the current record's values
//              (read-only), in a frame under the list;
//   help lines the keys of the list: "Ins-Dopisz  F5-Zmień  Del-Usuń
//              F2-Podgląd  Alt+I-Kto zmienił  Esc-Wyjście" (those that
//              apply) and above it the moving keys, the menu and Tab.
// Keys: Up/Down, PgUp/PgDn, Home/End (first/last row), Ctrl+PgUp/Ctrl+PgDn
// (the same), Tab/Shift+Tab (next / previous ordering column), then the
// hot-key handler, then the list key handler, then F2 (the form read-only).
// An empty list shows "Brak danych" and refuses modify/delete with the
// host's warning.  Returns 27 when left, 15360 when a picker chose a row,
// -1 for a bad block.
int zrob_browse(BROWSE* b, int rows1, int rows2, int flag);
// Frees the block (restores the table's tag).
void free_browse(BROWSE* b);
// The browse running innermost (nullptr outside one).
BROWSE* current_browse();

// Refreshes the innermost browse.  (0, 0): rereads the rows around the
// current record (after filters changed or records were written); (1, rec):
// positions on record rec; (2, 0) the first row; (3, 0) the last row;
// (4, 0) ends the browse as Esc does (after the running handler returns).
int browse_call(int what, long arg);

// Local menu handlers (MenuHandler; the code is the item's code):
// append a record and open its form (nothing is appended when the form is
// left with Esc);
int browse_dopisz(int code);
// edit the current record in the form;
int browse_modyfikuj(int code);
// delete the current record after the question "Czy usunąć bieżący zapis ?"
// (with code 1; with code 0 without asking);
int browse_skasuj(int code);
// print the list with the print columns (prn_tab_rap on the rows that pass
// the filters, in the list's order).
int browse_drukuj(int code);

// The hot-key handler's helper: maps keys to local menu items by menu id.
//   Ins -> add item (add_id), F5 -> modify item (modify_id),
//   Del -> delete item (delete_id); Alt+I shows the record stamp of `stamp`
//   (who wrote the current record, and when).
// An id 0 means the register has no such item: the key is swallowed with
// nothing done (a delete code of 27 does the same).  The item's handler is
// called with the code given here.  Returns 0 when the key was used (even
// swallowed), else the key.
int hot_keys(int key, int add_code, int add_id, int modify_code, int modify_id, int delete_code,
             int delete_id, FIELD4* stamp);


// Search on the list's top row: shows `prompt` ("Szukaj nazwy -") and reads
// an upper-case text of up to `width` characters; Enter selects `tag`,
// positions the list on the first key starting with the text (or the next
// one) and redraws.  Returns 0 when positioned, 27 on Esc.
int browse_szukaj(const char* prompt, int width, TAG4* tag);

// A register opened as a picker from another form: saves the selected window
// and the cursor, hides the cursor, runs `register_main` with the next
// browse in the picker state, restores both.  Returns 0 and the chosen
// record number in *recno (the register's table is then positioned on it),
// or 27 when nothing was chosen.
int browse_picker(int (*register_main)(), long* recno);

// ================================================================ forms outside a browse

// Runs an edit form over a template for the current record of `data` with
// the given controls, as the browse does for modify (mode BROWSE_MODIFY) or
// for a record prepared with d4append_start (BROWSE_ADD).  Writing (lock,
// stamp, write) is the caller's: on 15360 the record buffer holds the
// accepted values.  Returns 15360 (F2) or 27.
int browse_form(BROWSE* b, int mode);

// The record stamp the host writes into INF on every browse write (user
// name, date and time of day), for records a register writes itself.
std::string record_stamp(const HostContext* ctx);

// ================================================================ validation helpers

// The value being edited as the field would store it (its picture applied):
// "YYYYMMDD" (8 blanks when empty) for a date, the number's text for a
// number, the text for a character field.  0, or -1 when the value does not
// parse (then *stored is empty).
int EditCtrlStored(EditControl* ctrl, std::string* stored);
// Not empty (blanks only count as empty): warning "Pole nie może być puste !".
int valid_empty_get(EditControl* ctrl);
// A date that is filled and exists (picture date or YYYYMMDD buffer).
int test_daty_niepustej(EditControl* ctrl);
// A positive amount: warning 50134.
int valid_wart_dodat(EditControl* ctrl);
// Letters A..Z and blanks only: warning 20046.
int valid_letters(EditControl* ctrl);
// Unique key: seeks `key` on `tag` of `data` (record position, buffer and
// pending edits of `data` are kept).  In BROWSE_MODIFY mode the record being
// modified (the current record) is not its own duplicate.  Returns 1 and
// shows message_id (a warning; 0 shows nothing) when another record holds
// the key, 0 when it is free, -1 on a bad argument.
int ValidUniqueTag(DATA4* data, TAG4* tag, const char* key, int mode, int message_id);
// The first `len` characters of `buffer` as a text (UTF-8), in one of eight
// rotating buffers of the host.
const char* QuickStr(const char* buffer, int len);

// ================================================================ choosers

// T/N chooser for an edit control: a pop-up " TAK " / " NIE "; the buffer
// gets "T" or "N".  0 or 27.
int wybierz_tak_nie(EditControl* ctrl);
// The " WYBIERZ " pop-up list: returns the chosen index (0-based), or -1 on
// Esc.  `current` is highlighted first.
int wybierz_z_listy(const std::vector<std::string>& items, int current, const char* title = " WYBIERZ ");
// A list window of the host's own screens (firm catalogue, users): `count`
// rows of `width` columns, row i drawn by `row(i)`, `empty` shown when there
// is none; Up, Down, Home, End, PgUp and PgDn move the highlight, every
// other key goes to `on_key` with the highlighted row (which it may move);
// the list ends when on_key returns false.  `help` is the key help line.
void run_row_list(const char* title, const char* help, int width, int current, const std::function<int()>& count,
                  const std::function<std::string(int)>& row, const std::function<bool(int key, int& cur)>& on_key,
                  const std::string& empty = {});
// A chooser that offers `items` and puts the chosen item's first character
// into the control's buffer (or its index + 1 for an N field).
ChooserFunction lista_wyboru(std::vector<std::string> items);

// Coded-field chooser: a pop-up list over a table.
struct CodedFieldChoice {
  DATA4* data = nullptr;
  TAG4* tag = nullptr;               // order of the list, and the seek of the start value
  FIELD4* code = nullptr;            // the value taken
  std::vector<FIELD4*> shown;        // columns of the list (code first when empty)
  std::string title;
  // Row check: ROW_PASSES shows the record, ROW_FAILS hides it.
  std::function<int()> row_check;
};
// Shows the list positioned on `value` (the key sought on the tag); Enter
// chooses: `value` gets the code field's trimmed text and the table stays
// on the chosen record.  Returns 0 chosen, 27 on Esc, -1 when no record
// passes (warning "Brak danych do wyboru").
int pole_kodowane_fun(const CodedFieldChoice& choice, std::string& value);

// ================================================================ windows and widgets

// An input window (DefineWprowadzWindow) or a choice window
// (DefineWyboruWindow) of `rows` x `cols` inner cells, centred, titled.
// Returns the window handle or -1.
int DefineWprowadzWindow(int rows, int cols, const char* title);
int DefineWyboruWindow(int rows, int cols, const char* title);

// Widget kinds.
inline constexpr int WIDGET_TEXT = 0;    // free text (picture optional)
inline constexpr int WIDGET_NUMBER = 1;  // a number (picture "99999" or "99999.99")
inline constexpr int WIDGET_DATE = 2;    // a date (picture "DD-MM-CCYY" default), value "YYYYMMDD"
inline constexpr int WIDGET_YESNO = 3;   // T/N (Space toggles, F4 chooses)
inline constexpr int WIDGET_CHOICE = 4;  // one of `choices` (value: index + 1)
inline constexpr int WIDGET_LABEL = 5;   // text shown only
inline constexpr int WIDGET_SECRET = 6;  // free text shown as '*' (passwords)

struct Widget {
  int row = 0, col = 0;       // of the label; the value follows it
  std::string label;
  int width = 10;             // of the value
  int kind = WIDGET_TEXT;
  std::string picture;
  std::vector<std::string> choices;
  ChooserFunction chooser;
  ValidFunction valid;        // gets an EditControl whose buffer is the value
  std::string value;          // UTF-8, trimmed
};
struct WidgetSet {
  std::vector<std::unique_ptr<Widget>> widgets;
};
int ResetWigetsDefinition(WidgetSet* set);
Widget* DefineWigetEx(WidgetSet* set, int row, int col, const char* label, int width, int kind,
                      const char* picture = "");
long WigetAsLong(const Widget* w);
double WigetAsDouble(const Widget* w);
int WigetSetString(Widget* w, const char* value);
void FreeWigets(WidgetSet* set);
// Shows the window with its widgets and edits them (Enter/Tab/arrows move,
// F4 chooser or choice list, Space toggles T/N, F2 accept, Esc leave asking
// nothing).  Returns the closing key: 15360 (F2) accepted, 27 left; after
// Esc every widget keeps the value it had before.  The window stays
// defined (w4close).
int ActivateWindow(int window, WidgetSet* set);

// ================================================================ user rights

// Rights are numbers (a register's menu id is its right).  The table is
// <common directory>/uprawnienia.cfg, lines "UŻYTKOWNIK=prawo,prawo,...":
// the rights DENIED to that user number; "*" denies all.  A user without a
// line (and the default single user) has every right.
// 1 allowed, 0 denied.
int pass_tab_test(HostContext* ctx, int right);
// As pass_tab_test, telling the user "Brak uprawnień do tej funkcji !" when denied.
int pass_tab_test_and_inform(HostContext* ctx, int right);
// Grants (allowed 1) or denies (0) a right to the current user and writes
// the table.  0, or -1 when the table cannot be written.
int set_pass_inf(HostContext* ctx, int right, int allowed);

// ================================================================ memory

// Zeroed memory for the module's frames (nullptr when refused); free_mem
// takes nullptr.  New code keeps frames as values or unique_ptr instead.
void* take_mem(std::size_t size);
void free_mem(void* block);
