// Change of firm (Shift+F3 at menu level).
//
// Does nothing while any table is open.  Otherwise the current directory is
// remembered and the user picks a firm in the firm catalogue screen
// (firm_catalogue_screen below: W3KATA.DBF in short-name order, opened on
// the current firm).
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

#include "data/firm_data_table.h"
#include "host/api/context.h"

namespace skolvarin::frame {

// Returns 1 when the firm was changed, else 0.
int change_firm(HostContext* ctx);

// The firm catalogue screen: the firms the user may open (all with right 2,
// else those of the firm access table), opened on the current firm; Enter
// chooses (true, `chosen` filled), Esc leaves (false).  A user with right 2
// also adds (Ins) and modifies (F3) a firm in its form (name, NIP, REGON,
// address, tax office with an F4 list, kind of books, payer data, bank
// account, directory; checked as `skolvarin firma` checks them) and
// deletes (Del, after a question) a firm without data.
bool firm_catalogue_screen(HostContext* ctx, data::FirmRecord& chosen);

// The firm at start of a run, after the login: when `asked` and the user
// may open more than one firm, the catalogue screen lets him choose; a
// firm he may not open is replaced by the first he may.  0 the firm stays,
// 1 changed, -1 the user may open no firm.
int start_firm(HostContext* ctx, bool asked);

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

// The title line with the working year: "<firm>  rok 2026", the firm's
// name cut so that the year always shows; no year part when year <= 0.
std::string title_line(std::string_view name1, std::string_view name2, int year, int width);

// Writes the title line of the context's firm and working year centred on
// row 0 of the title window.
void show_title(HostContext* ctx);

// A firm's short name as the catalogue's tag "UPPER(NAZ)" keys it: ASCII
// and Polish letters in capitals, everything else as it is.
std::string catalogue_key(std::string_view name);

}  // namespace skolvarin::frame
