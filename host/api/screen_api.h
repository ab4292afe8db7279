// The host's screen, key, menu and message calls, as the module sees them.
//
// These are the calls of the host's windowing layer that the module uses to
// draw its menus, read keys and tell the user things.  They work on the screen
// of the current run (full-screen or headless); without a screen (batch
// commands, unit tests of module code) they stay safe: messages go to the
// host's error sink, questions answer 27 (no) and key reads answer Esc.
//
// Conventions kept by every call here:
//  - Text in and out is UTF-8.  Labels carry their blanks as given.
//  - Window handles are small non-negative integers; a negative handle
//    means "no window" (definition failed).  Window rows and columns count
//    from 0 inside the window's border.
//  - Key values are PC extended key codes (host/api/keys.h).
//  - Message ids: 1..999 are looked up in the module's message table
//    (resource 1, registered with EnvAddRcsObj); 20000 and up (and 50000 and
//    up) are the host's own Polish texts.  Any other id has no text.
//  - No call throws.
#pragma once

#include <cstddef>

#include "host/api/context.h"
#include "host/api/keys.h"


// ---------------------------------------------------------------- windows
// A window is a framed rectangle of the screen with its own contents; the
// windows shown form a stack, and hiding or closing one restores what was
// under it.  Calls without a window argument work on the selected window.

// Screen size of the run (80 x 25 at least).
int w4screen_rows();
int w4screen_cols();
// Defines a hidden window over screen rows row1..row2 and columns
// col1..col2 (both ends included; the border, when there is one, takes the
// outer ring).  Returns its handle, or -1 when the rectangle does not fit.
int w4define(int row1, int col1, int row2, int col2);
// Border: 0 none, 1 single line, 2 double line (default single).
void w4border(int window, int style);
// Title shown centred in the top border.
void w4title(int window, const char* text);
// w4select(-1) returns the selected window and changes nothing; any other
// handle selects that window and returns the previously selected one.
int w4select(int window);
// Shows the window on top of the stack (0), or -1 for a bad handle.
int w4activate(int window);
// Hides the window, restoring what was under it; it keeps its contents.
int w4deactivate(int window);
// Hides and frees the window.  The handle may be reused afterwards.
int w4close(int window);
// Clears the selected window from row `from_row` to its last row.
void w4clear(int from_row);
// Writes text at row, column of the selected window, cut at its right edge.
void w4write(int row, int col, const char* text);
// Writes text centred on a row of the selected window, cut to its width.
void w4centre(int row, const char* text);
// Attribute used by the next writes in the selected window (see Attr roles
// in host/term/cell.h: 0 normal, 1 highlighted, 2 title, 3 hot letter,
// 4 warning, 5 input field, 6 dim).
void w4attr(int role);
// Inner size of the selected window.
int w4width();
int w4height();
// Places the cursor in the selected window; (-1, -1) hides it.
void w4cursor(int row, int col);

// ---------------------------------------------------------------- keys
// Reads one key; blocks until there is one.  Keys bound with g4set_key_to
// are handled here (their handler runs) and not returned.
int g4char();
// Drops every key waiting to be read.
void clr_key_buf();
// 1 when a key is waiting to be read, else 0.
int KeyPressed();
// Reads keys until one of `keys[0..count-1]` or Esc comes; returns it.
int WaitFor(const int* keys, int count);
// A hot key handler gets the key that called it; its result is ignored.
using HostKeyHandler = int (*)(int key);
// Binds `key` to `handler` (nullptr unbinds).  Returns 0.
int g4set_key_to(int key, HostKeyHandler handler);
// The key-reader routine the menus use to read keys; nullptr restores the
// plain g4char.
using HostKeyReader = int (*)();
void n4char_routine(HostKeyReader reader);

// ---------------------------------------------------------------- menus
// A menu item's handler gets the item's code; the host calls it when the
// item is chosen.  Its result is ignored.
using MenuHandler = int (*)(int code);

// Defines a menu window; its items follow with MenuDefineItem.  A menu is
// vertical (a pull-down) until n4lotus turns it into a horizontal bar.
// row, col: its top-left corner, or -1, -1 to let the host place it (a bar
// goes on the screen's second row, a pull-down under the item that opens
// it).  Returns the window handle or -1.
int DefineMenuWindow(int row, int col);
// Defines a register's local menu: a horizontal bar placed by the host
// (row 1, full width).  Returns the window handle or -1.
int DefineMainMenuWindow();
// Adds an item to the menu window defined last.
//   label: text with its blanks (" Dopisz ");
//   menu_id: the item's help topic number;
//   key: key byte: the low 7 bits are the item's hot letter (lower case);
//        bit 7 is kept and has no effect on how the item works;
//   code: passed to the handler (-1 when the item has none);
//   handler: called when the item is chosen, or nullptr;
//   submenu: address of a slot that holds (or will hold) the window handle
//        of the item's pull-down, or nullptr.  The slot is read when the
//        item is chosen, so it may be filled after this call.
// Returns the item's index in its menu, or -1 (no menu window defined).
int MenuDefineItem(const char* label, int menu_id, signed char key, int code,
                   MenuHandler handler, int* submenu);
// Makes the menu window a horizontal bar.  Returns 0 or -1.
int n4lotus(int window);
// Runs the menu until something happens:
//   - the user chooses an item with a handler: its pull-downs close, the
//     handler runs, and n4activate returns 47 (call it again to go on);
//   - the user presses Esc on the menu itself: returns 27;
//   - bad window: returns -1.
// Arrows move (Left/Right on a bar, Up/Down in a pull-down; Down or Enter on
// a bar item opens its pull-down, Left/Right in a pull-down opened from a bar
// move to the neighbour's pull-down), Home/End jump, the hot letter chooses
// an item, Enter chooses the highlighted one, Esc closes one pull-down level.
// remember: 1 starts on the item chosen last time, 0 on `start_item`;
// reserved: pass 0; redraw: 1 draws the menu before reading keys.
int n4activate(int window, int remember, int start_item, int reserved, int redraw);

// ---------------------------------------------------------------- messages
// Message boxes: show the text of message `id` and wait for Enter or Esc;
// they return the key that closed the box.
int Uwaga(int id);        // warning
int Informacja(int id);   // information
int Alarm(int id);        // alarm (an error the user must see)
// Question (answer T/N): returns 13 for yes (T, Enter), 27 for no (N, Esc).
int Pytanie(int id);
// General message window.  style = kind | flags:
//   kind (style & 7): 0 plain, 1 information, 2 warning, 3 alarm, 4 error;
//   8: question (returns 13 yes / 27 no or Esc, like Pytanie);
//   16: `text` on a line of its own under the message (otherwise it follows
//       the message after one blank).
// `text` may be nullptr; id 0 shows `text` alone; `reserved` must be 0.
// Returns the closing key.
int MessageWindow(int style, int id, const char* text, int reserved);
// Text of a message id (UTF-8); "" when the id has no text.  The pointer
// stays valid for the rest of the run.
const char* RcQStr(int id);
// printf-style formatting into one of 16 rotating buffers of the host; the
// result stays valid until 16 further calls.
const char* PrintfQStr(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Appends a line to the host's log: the host's log text number `id` (for
// example 145 "firm without a directory") used as a printf format with the
// arguments.  Log texts are the host's own and separate from message ids.
void ErrLogMessage(int id, ...);

// Wait window for long work: shows the text of message `id` with a progress
// bar.  Step gives the work done so far out of `total` (total <= 0 shows a
// turning mark instead).  Only one wait window is open at a time.
void WaitWindowOpen(int id);
void WaitWindowStep(long done, long total);
void WaitWindowClose();

// ---------------------------------------------------------------- help line
// The function-key help line (last screen row), e.g. "F2-Zapisz  Esc-Wyjście".
// set_fun_help shows a new line and remembers the previous one;
// remove_fun_help brings the previous back.
void set_fun_help(const char* text);
void remove_fun_help();
// An extra hint line shown above the function-key line; same stack rules.
void add_help_line(const char* text);
void remove_help_line();

// ---------------------------------------------------------------- resources
// A module resource: the bytes of a resource as stored (Mazovia text for
// messages and templates).  size 0 means "no such resource".
struct RcsBytes {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};
// The module's resource function: the host calls it with a resource id and
// gets that resource's bytes; the bytes must stay valid while the module is
// loaded.
using RcsFunction = RcsBytes (*)(int resource_id);
// Kind 3: the module's messages and templates (resource 1 is the message
// table).  Registering reads and checks the message table at once; returns 0,
// or -1 (and an error through the host's error sink) when resource 1 is
// missing or damaged.  A later registration replaces the earlier one.
int EnvAddRcsObj(HostContext* ctx, RcsFunction resources, int kind);
// Bytes of a registered module resource (size 0 when there is none).
RcsBytes EnvFindRcs(int resource_id);
// Host strings by name: "A:" gives the directory the host uses for
// removable-media exports (the data directory's "eksport/").  Unknown names
// give "".
const char* EnvFindString(const char* name);
