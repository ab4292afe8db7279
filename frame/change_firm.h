// Change of firm (Shift+F3 at menu level).
//
// Does nothing while any table is open.  Otherwise the user picks a firm
// of the firm catalogue W3KATA.DBF that he may enter (firm access
// W3KAPA.DBF: a record with WM = the firm's record number and JK = the
// current user); its directory KAT becomes the firm directory, the firm's
// name is read from its firm data table into the host context and written
// centred on the title window.  When no firm is taken the previous
// directory comes back.  The host's log gets text 145 (firm without a
// directory), 130 (directory refused) or 194 (directory changed).
#pragma once

#include <string>
#include <string_view>

#include "host/api/context.h"

namespace skolvarin::frame {

// Returns 1 when the firm was changed, else 0.
int change_firm(HostContext* ctx);

// The catalogue's KAT value as a directory: trimmed, '/' appended when
// missing; "" for a blank value.
std::string firm_directory_from_kat(std::string_view kat);

// Splits a firm directory into the four parts the context keeps: drive
// (empty on this system), directory path with its trailing '/', last name
// and extension of the last name.
void split_firm_path(const std::string& dir, std::string& drive, std::string& path,
                     std::string& name, std::string& ext);

// The title line: both name lines joined by one blank, trimmed, cut to
// `width` characters.
std::string firm_title(std::string_view name1, std::string_view name2, int width);

}  // namespace skolvarin::frame
