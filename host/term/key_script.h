// Key scripts: the keys a headless run types, written as text.
//
// Format (one file, UTF-8):
//   - plain text is typed as it stands, character by character ("Kowalski",
//     "ąę" types the Polish letters);
//   - a token in angle brackets is one key: <Enter> <Esc> <Tab> <S-Tab>
//     <BS> <Space> <F1>..<F12> <S-F1>..<S-F12> (Shift) <C-F1>.. (Ctrl)
//     <A-F1>.. (Alt) <Up> <Down> <Left> <Right> <PgUp> <PgDn> <Home> <End>
//     <Ins> <Del> <C-Left> <C-Right> <C-Home> <C-End> <C-PgUp> <C-PgDn>
//     <C-A>..<C-Z> (Ctrl+letter) <A-A>..<A-Z> (Alt+letter) <lt> (a '<');
//     token names are case-insensitive;
//   - <dump> is not a key: it writes the current screen to the dump file;
//   - line ends (LF, CR) are ignored, so a script may be split into lines;
//     type <Enter> for the Enter key.
// A '<' that does not start a known token is an error, reported with its
// line number, so a misspelt key never types text by accident.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skolvarin::term {

struct ScriptStep {
  enum Kind { Key, Dump } kind = Key;
  int key = 0;
  bool operator==(const ScriptStep&) const = default;
};

// Parses a script.  On error returns false and sets `error` (Polish).
bool parse_key_script(std::string_view script, std::vector<ScriptStep>& steps, std::string& error);

// Key code of a token name without its brackets ("S-F2" -> 0x5500), or -1.
int key_from_name(std::string_view name);
// Name of a key for messages and dumps ("F2", "C-C", "ą"); never empty.
std::string key_name(int key);

}  // namespace skolvarin::term
