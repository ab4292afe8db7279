// The host's print calls as the module sees them: the printout being
// written (pages of text lines), print pages filled from the module's
// templates, the printed list of a register, the preview window with its
// "print" key, and amounts in words.
//
// One printout is written at a time:
//
//   init_prn(ctx, "UMOWA", "Umowa zlecenia");        // or open_tmp_edit_file
//   PrintBuffer *work = nullptr, *page = nullptr;
//   print_alloc(&work, &page, 7320, tpl18, 120);      // template 18, rows of 120
//   MemPrintFieldFmt(work, 3, 10, f_naz, 30, PRINT_LEFT);
//   MemPrintDoubleFmt(work, 12, 40, kwota, 14, 2, PRINT_THOUSANDS);
//   print_lines(work, 120, 0, 60);                    // rows 0..60 of the page
//   print_free(&work, &page);
//   deinit_prn(1);                                    // preview; F2 prints
//
// Printing a printout ("publishing") writes a PDF and a UTF-8 text file into
// the firm's print folder and sends the PDF to the configured printer
// (host/print/print_output.h).  Conventions: text is UTF-8 (templates are
// converted from Mazovia); rows and columns count from 0; calls return 0 for
// success and -1 for failure (with a message), the preview returns the key
// that closed it: 15360 (F2, printed) or 27 (left, nothing printed).  No call
// throws.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/api/context.h"
#include "host/api/db_api.h"

// A template id function: takes nothing and returns the resource id of a
// screen form or print page (the module has one per resource).
using TemplateIdFunction = int (*)();

// ================================================================ printed list columns

// Print columns of the printed list (prn_tab_rap, browse_drukuj).
inline constexpr int TABU_SUM = 1;          // the column is totalled (with carry-over per page)
inline constexpr int TABU_RIGHT = 2;        // right-aligned (numbers are right-aligned anyway)
inline constexpr int TABU_FIELD_WIDTH = 4;  // as wide as the field (or the header's longer line)
struct TabuColumn {
  std::string header;        // '\n' or '|' splits it over the two header lines;
                             // a header wider than the column is wrapped at a blank
  int flags = 0;
  FIELD4* field = nullptr;
  int attributes = TABU_FIELD_WIDTH;
  int order = 0;             // position in the print (ascending; 0: definition order)
  int width = 0;             // characters when not TABU_FIELD_WIDTH
  std::function<std::string()> show;  // text instead of the field's (record loaded)
};
struct TabuDefinition {
  std::vector<TabuColumn> columns;
};
int ResetTabuDefinition(TabuDefinition* def);
TabuColumn* DefineTabuColumn(TabuDefinition* def, const char* header, int flags, FIELD4* field,
                             int attributes, int order);

// ================================================================ the printout

// Starts a printout: `code` names its files ("LISTA"), `title` is shown in
// the preview and the PDF.  A printout left open is dropped first.  0 or -1.
int init_prn(HostContext* ctx, const char* code = "WYDRUK", const char* title = "");
// Ends the printout.  preview 1: the preview window (edytuj_i_drukuj), F2
// prints; preview 0: printed at once; preview -1: dropped.  Returns 15360
// when printed, 27 when not, -1 on failure (no printout, or the files could
// not be written: the user has been told).
int deinit_prn(int preview = 1);
// 1 while a printout is open.
int prn_active();
// Starts a new page of the printout.
int drukuj_form_feed();
// `lines` blank lines at the top of the current page.
int drukuj_top_margin(int lines);
// Appends one line (UTF-8, no line end) to the current page.
int print_line(const char* text);

// ================================================================ pages from templates

// A print page filled from a template (a working copy or the clean original).
struct PrintBuffer;
// Fills both buffers from the module resource of `template_id` (size bytes,
// the page's size as the module knows it; a resource of another size is
// taken as it is).  A resource with CR LF line ends is read line by line;
// otherwise it is cut into rows of `width` characters (0: 78 for screen
// forms, or size / rows when that divides evenly is the caller's job).
// Mazovia is converted to UTF-8.  0, or -1 when the resource is missing.
int print_alloc(PrintBuffer** work, PrintBuffer** original, int size, TemplateIdFunction template_id,
                int width = 0);
// As print_alloc from text already in memory (UTF-8 rows of `width`).
int print_alloc_text(PrintBuffer** work, PrintBuffer** original, const std::string& text, int width);
// Copies the original back into the working copy (before the next record).
int print_restore(PrintBuffer* work, const PrintBuffer* original);
// Frees both buffers and sets the pointers to nullptr.
void print_free(PrintBuffer** work, PrintBuffer** original);
// Rows and width of a buffer.
int print_rows(const PrintBuffer* b);
int print_width(const PrintBuffer* b);
// One row of a buffer (UTF-8, trailing blanks kept).
std::string print_row(const PrintBuffer* b, int row);

// Alignment flags of the MemPrint calls.
inline constexpr int PRINT_LEFT = 0;
inline constexpr int PRINT_RIGHT = 1;
inline constexpr int PRINT_CENTRE = 2;
inline constexpr int PRINT_THOUSANDS = 4;   // amounts: blanks between thousands
inline constexpr int PRINT_BLANK_ZERO = 8;  // amounts: nothing for 0
// Writes a field's value into `width` characters at (row, col): C fields
// trimmed, N fields as their number (decimals of the field, Polish comma),
// D fields as DD-MM-YYYY, L fields as one character.  width 0: the field's
// width.  Text past the page's edge is cut.  0 or -1.
int MemPrintFieldFmt(PrintBuffer* b, int row, int col, FIELD4* field, int width, int flags);
// The same with a text.
int MemPrintStringFmt(PrintBuffer* b, int row, int col, const char* text, int width, int flags);
// An amount with `decimals` decimals (comma), right-aligned in `width`
// unless flags say otherwise.
int MemPrintDoubleFmt(PrintBuffer* b, int row, int col, double value, int width, int decimals,
                      int flags);
// Appends rows first..last (inclusive, clamped) of the buffer, each cut to
// `width` characters, to the current page of the printout.  0, or -1
// without a printout.
int print_lines(const PrintBuffer* b, int width, int first, int last);

// ================================================================ printed list

// The printed list of a register: the print columns over the records of
// `data` in its selected tag's order that pass `filter` (may be nullptr),
// with headers over two lines, page breaks with page numbers, the firm's
// name, today's date and the filter status line under the title; summed
// columns carry their totals.  Shows the preview (F2 prints).  Returns
// 15360 when printed, 27 when not, -1 on failure.  The table's position is
// kept.
int prn_tab_rap(HostContext* ctx, DATA4* data, const TabuDefinition* columns, const char* title,
                X4FilterFn filter, void* filter_arg, const char* subtitle = "");

// ================================================================ preview

// Preview files: a printout written page by page and shown afterwards.
// open_tmp_edit_file starts it (as init_prn); write_page_edit_file appends a
// text whose lines end with '\n' (a '\f' starts a new page);
// close_tmp_edit_file ends the writing and keeps the printout for the
// preview.  0 or -1.
int open_tmp_edit_file(HostContext* ctx, const char* code, const char* title);
int write_page_edit_file(const char* text);
int close_tmp_edit_file();
// The preview: the printout in a scrollable window (arrows, PgUp/PgDn,
// Home/End, Left/Right for wide pages); F2 prints it (files and printer),
// Esc leaves.  The printout is dropped afterwards.  Returns 15360 (printed)
// or 27; -1 without a printout.
int edytuj_i_drukuj(const char* title = nullptr);
// As edytuj_i_drukuj, but the files are always kept in the print folder
// (the archive), also when the user leaves with Esc; F2 also sends the PDF
// to the printer.
int edytuj_i_drukuj_archiwum(const char* title = nullptr);
// Where the last printout's files went ("" before any).
const char* last_print_pdf();

// The number of copies set in the host's printer settings (kopie=N of
// drukarka.cfg); 1 when none is set.
int print_copies(HostContext* ctx);

// ================================================================ amounts in words

// The amount in full words ("sto dwadzieścia trzy złote czterdzieści pięć
// groszy") into out (size bytes, cut at a character, always terminated).
// Returns the length of the whole text in bytes (0 for an amount out of
// range).
int slownie(double amount, char* out, int size);
// The short form of transfer forms ("jed dwa trz 45/100").
int slownie_3(double amount, char* out, int size);
// The amount in words cut into lines of `width` characters, written into
// `b` from (row, col) downwards, at most `max_lines` rows.  Returns the
// number of rows written.
int pisz_slownie(PrintBuffer* b, int row, int col, double amount, int width, int max_lines);

// ================================================================ notes

// The notes editor (Shift+F2): a full-screen editor on the note of one
// module and working year, kept in the current firm's directory; F2 saves
// it, F9 prints it (the preview, where F2 writes the PDF and text files into
// the firm's print folder).  `title` is shown in the frame ("kartoteki",
// "płace"), `prefix` names the note's file with the year ("KAN" and 2024:
// KAN2024.TXT), `topic` is the editor's help topic.  Returns 0, or -1 when
// the note could not be read or written (the user has been told).
int edytuj_i_drukuj_notes(HostContext* ctx, const char* title, const char* prefix, int topic,
                          int year);
