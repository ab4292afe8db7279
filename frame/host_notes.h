// The host's notes editor as the module calls it (Shift+F2).
//
// edytuj_i_drukuj_notes opens a full-screen editor on the note of one
// module and working year, kept in the current firm's directory, lets the
// user edit it and saves it on F2; F9 prints it (the host's preview, F2
// there writes the PDF and text files into the firm's print folder).
// `title` is shown in the frame ("kartoteki", "płace"), `prefix` names the
// note's file with the year ("KAN" and 2024: KAN2024.TXT), `topic` is the
// editor's help topic.
// Returns 0, or -1 when the note could not be read or written (the user has
// been told).
#pragma once

#include "host/api/context.h"

int edytuj_i_drukuj_notes(HostContext* ctx, const char* title, const char* prefix, int topic,
                          int year);
