// The settlements' table W3ROZL.DBF as the owning registers reach it: one
// entry per source document, keyed by its source kind, year and record
// number (the same link the cash entries carry), created or brought up to
// date with the gross amount of the document and the amount paid by the
// cash entries linked to it.  The cash book calls
// refresh_settlement_payments after it wrote or changed a linked entry; the
// book postings (the internal documents' booking) call update_settlement.
#pragma once

#include <string>
#include <vector>

#include "cash/settlement_rules.h"

namespace skolvarin::cash {

struct SettlementSource {
  int kind = 0;        // TYZ (cash_rules.h source kinds; 3 the book)
  int year = 0;        // ROK
  long record = 0;     // REK
  std::string document;    // DOK
  std::string issue_date;  // DAW "YYYYMMDD"; a new entry's payment term starts equal to it
  std::string title;       // TYT
  std::string contractor_code, name1, name2, postal_code, town, street;
  char type = kPayable;    // TYP
  double gross = 0.0;      // KWO
};

// The amounts of the cash entries linked to a source (as the cash book
// keeps them).  Empty when the cash book cannot be opened.
std::vector<double> linked_cash_amounts(int kind, int year, long record);

// Creates the source's entry or rewrites it (payment term and title a user
// changed stay), with ZAP and ROL from the linked cash entries.  0, or -1
// when the table cannot be opened or written (the host has told the user).
int update_settlement(const SettlementSource& source);

// The paid amount and status of an existing entry taken again from the
// linked cash entries; 0 also when the source has no entry.
int refresh_settlement_payments(int kind, int year, long record);

// The record number of the source's entry, 0 when there is none.
long find_settlement(int kind, int year, long record);

}  // namespace skolvarin::cash
