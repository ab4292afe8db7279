// The cash book register (" Kasa "): cash receipts (KP), payments (KW) and
// bank-statement items of the firm's accounts, numbered per cash desk,
// type, account type and year, with their vouchers, the summary per
// account and the printed list.
#pragma once

namespace skolvarin::cash {

// The entries of one source document (another register's record).
struct CashSource {
  int kind = 0;        // TYZ
  int year = 0;        // ROK
  long record = 0;     // REK
  int start_item = 0;  // 0 receipts, 1 payments, 2 statements: where the menu starts
};

// Runs the register.  With `source` the list shows only that document's
// entries and their total, and " Filtry ", " Szukaj ", " Suma " and
// " Tabulogram " are not offered; `open_self` opens the cash book (and the
// contractors) for the run; `view_only` leaves only " Zakończ ".
// Returns 0, -1 when a table cannot be opened.
int cash_book_register(const CashSource* source, bool open_self, bool view_only);

}  // namespace skolvarin::cash
