// The firm's book of revenue and expenses ("księga przychodów i rozchodów")
// as the host keeps it: one table per year, W3DANE<rr>.DBF in the firm's
// directory, written by the module's posting service and shown by the
// host's read-only book browse; and the month table that closes months of
// the book for changes.
//
// Month table: <firm directory>/ksiega_miesiace.txt, one closed month a line
// as "RRRR-MM"; a month not listed is open.  Lines that are not a month are
// kept as they are when the table is written back.
#pragma once

#include "host/api/context.h"

// 1 when `month` of `year` is open for changes in the book of ctx's firm,
// 0 when it is closed (or the month is not 1..12).
int book_month_open(HostContext* ctx, int year, int month);
// Closes (closed 1) or opens (0) a month.  0, or -1 when the table cannot
// be written (the user has been told) or the month is not 1..12.
int book_set_month_closed(HostContext* ctx, int year, int month, int closed);

// The read-only browse of the book of `year` (0: the module's working year,
// else today's year) of ctx's firm: the book's columns, filters by month
// and by source, the printed list, and " Miesiące " closing and opening the
// months.  Returns 0, -1 when the book cannot be opened.
int book_browse(HostContext* ctx, int year);
