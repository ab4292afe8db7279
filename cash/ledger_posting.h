// The posting service: writes one entry of the firm's book of revenue and
// expenses (the host's W3DANE<rr>.DBF of the entry's year), or replaces an
// entry written before, from a posting record the calling register fills.
// Callers are the registers that book their results: documents, fixed
// assets, payroll lists and contracts.
//
// A call, interactive: the proposed entry is shown in the form
// "KSIĘGOWANIE" (day, document, names, description, account, amounts, paid
// flag, column 15, remarks); F2 or Enter and the answer "yes" to "Czy
// zapisać pozycję w księdze ?" write it.  After a new entry of documents,
// payroll or contracts the payment may be recorded in the cash book.
// Non-interactive calls write what the record says without a form or a
// question (batch work; a closed month still refuses).
//
// Replacing: an `existing` record number names the entry written before;
// both its month and the new month must be open in the host's month table;
// the stored ordinal is kept.
#pragma once

#include <array>
#include <string>

#include "cash/ledger_rules.h"

namespace skolvarin::cash {

// A description line starting with this byte leaves the field as it is.
inline constexpr char kKeepField = '\x01';

struct PostingRecord {
  long ordinal = 0;              // out: LPO of the entry
  std::string entry_date;        // in: "YYYYMMDD" proposed by the caller
  std::string posting_date;      // out: "YYYYMMDD" written
  int source = 0;                // in: ZRK (1..8)
  int list_number = 0;           // in: NLP (payroll list number, else 0)
  long existing = 0;             // in: REC of an entry to replace, 0 new; out: REC written
  int year = 0, month = 0, day = 0;  // working values taken from the entry date
  bool written = false;          // out
  bool open_accounts = false;    // in: look the account number up in the accounts register
  char status = ' ';             // in: ANU (' ', 'K', 'A')
  std::string document;          // in: NUM
  std::array<std::string, 4> names;  // in: NA1..NA4
  std::string town, street1, street2;  // in: MIA, UL1, UL2
  std::string column15;          // in: K15
  std::string description1, description2;  // in: OP1, OP2 (kKeepField: unchanged)
  BookAmounts amounts{};         // in: PSP POP ZAK UBO WYN INN
  long day_number = 0;           // in: REL
  // The lump-sum twin: the revenue amounts of the seven categories (USL PRO
  // HAN UIN WZA NIE, and RE2 for the agricultural products, which have no
  // column of their own; RAZ is their sum), used by post_to_lump_sum.
  std::array<double, 7> lump_sum{};
  // For the cash entry of the cash step: the contractor.
  std::string contractor_code, postal_code;
};

// Results of post_to_book.
inline constexpr int kPosted = 0, kLeft = 1, kFailed = -1;

// Writes the entry.  0 written, 1 the user left without saving, -1 failure
// (the book or the accounts register could not be opened, a closed month,
// a failed write: the user has been told).
int post_to_book(PostingRecord& record, bool non_interactive = false);

// The twin for firms keeping the lump-sum revenue register (W3RYCZ<rr>):
// the same record, its document, date and the lump-sum revenue amounts;
// no form (the entry is written as given after the same month check).
int post_to_lump_sum(PostingRecord& record);

}  // namespace skolvarin::cash
