// Change of firm (Shift+F3 at menu level).
//
// Does nothing while any table is open.  Otherwise the current directory is
// remembered and the user picks a firm of the firm catalogue W3KATA.DBF
// (host's coded-field list, in name order, opened on the current firm).
// The list shows the firms he may enter: every firm when his rights allow
// right 2, else those the firm access table W3KAPA.DBF grants him (a record
// with WM = the firm's record number and JK = the current user).  The firm's
// directory KAT (relative to the firms' directory or absolute, a '/'
// appended when missing) becomes the firm directory; the firm's name is
// read from its firm data table into the host context and written centred
// on row 0 of the title window.  When no firm is taken the remembered
// directory and the previous firm's path parts come back.  The host's log
// gets text 145 (firm without a directory), 130 (directory refused) or 194
// (directory changed).
#pragma once

#include <string>
#include <string_view>

#include "host/api/context.h"

namespace skolvarin::frame {

// Returns 1 when the firm was changed, else 0.
int change_firm(HostContext* ctx);

// The catalogue's KAT value as the directory handed to the host: trimmed,
// a backslash read as '/', a '/' appended when missing; "" for a blank value.
std::string firm_directory_from_kat(std::string_view kat);

// Splits a firm directory into the four parts the context keeps: drive
// (empty on this system), directory path with its trailing '/', last name
// and the extension of the last name with its dot (".01", or "").
void split_firm_path(const std::string& dir, std::string& drive, std::string& path,
                     std::string& name, std::string& ext);

// The title line: both name lines joined by one blank, trimmed, cut to
// `width` characters.
std::string firm_title(std::string_view name1, std::string_view name2, int width);

// A firm's short name as the catalogue's tag "UPPER(NAZ)" keys it: ASCII
// and Polish letters in capitals, everything else as it is.
std::string catalogue_key(std::string_view name);

}  // namespace skolvarin::frame
