// The entries of the firm's book of a year as plain values, for the batch
// command and for checks: read straight from W3DANE<rr>.DBF of the firm's
// directory in month-and-ordinal order.
#pragma once

#include <string>
#include <vector>

#include "cash/ledger_rules.h"
#include "host/api/context.h"

namespace skolvarin::cash {

struct BookEntry {
  long ordinal = 0;
  std::string date;         // "YYYYMMDD"
  std::string document;
  std::string name;         // NA1 (and NA2 after a blank when filled)
  std::string description;  // OP1 and OP2
  BookAmounts amounts{};
  int source = 0;
  int list_number = 0;
  char status = ' ';
  long record = 0;          // REC
};

// Reads the book of `year` of ctx's firm; `month` 1..12 keeps only that
// month (0 all).  A year without a book gives no entries and true; false
// with a Polish `error` when the table cannot be read.
bool read_book(HostContext* ctx, int year, int month, std::vector<BookEntry>& out, std::string& error);

// Column totals of the entries.
BookAmounts book_totals(const std::vector<BookEntry>& entries);

}  // namespace skolvarin::cash
