// The host's full-screen text editor for a document the module fills in
// before printing it (the editor of the notes, working on a text instead of
// a file).
#pragma once

#include <string>

#include "host/api/context.h"

// Edits `text` (UTF-8 lines ending in '\n') in a window titled `title`:
// arrows, Home, End, PgUp and PgDn move, typing inserts, Enter splits a
// line, Backspace and Del join or delete.  F2 takes the edited lines back
// into `text` and returns 15360; Esc leaves `text` as it was and returns
// 27.  Without a screen it returns 27 at once.
int edytuj_tekst(HostContext* ctx, const char* title, std::string& text);
