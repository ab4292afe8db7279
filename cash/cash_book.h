// The cash book's table W3KASA.DBF as every register reaches it: the opener
// that counts its users, the next number of an entry under its cash desk,
// type, account type and year, the current cash-desk code, and the write
// of one cash entry for another register (the cash step of a posting).
#pragma once

#include <string>

#include "data/module_state.h"

namespace skolvarin::cash {

// Opens W3KASA.DBF, or counts one more user when it is already open.
// 0, or the host's failure code (the host has told the user).
int open_cash_book();
// One user less; the last one closes the table.
void close_cash_book();
// Users counted now (0 when closed).
int cash_book_users();
// The table's handles (open only between open_cash_book and the last close).
data::TableHandles& cash_table();

// The current cash-desk code (the EWIDENCJE settings' key 34), 4 characters
// at most; set_cash_desk stores a new one in the settings.  0 or -1.
std::string cash_desk();
int set_cash_desk(const std::string& code);

// The number a new entry gets: 1 + the highest number stored under the
// desk, type, account type and year (1 when there is none).  The table's
// position and selected tag are kept.
long next_cash_number(const std::string& desk, char type, int account_type, int year);
// 1 when another record than `own_record` holds that number.
bool cash_number_taken(const std::string& desk, char type, int account_type, int year, long number,
                       long own_record);

// One cash entry written for another register.
struct CashEntryRequest {
  char type = '1';           // '1' receipt, '2' payment, '3' statement item
  int account_type = 0;      // statements only; 0 otherwise
  std::string date;          // "YYYYMMDD"
  double amount = 0.0;       // signed as the cash book keeps it
  std::string document;      // source document number
  std::string title;
  std::string contractor_code, name1, name2, postal_code, town, street;
  int source_kind = 0;       // TYZ
  int source_year = 0;       // ROK
  long source_record = 0;    // REK
};
// Fills a blank record from the request (TKA, WAL "PLN", KUR and KUZ 1,
// PRE the current desk, NUM the next number), stamps and appends it, and
// tells the user with the host's information 20170.  0, or -1 when the
// table cannot be opened or written.  `number` gets the entry's number.
int write_cash_entry(const CashEntryRequest& request, long* number = nullptr, bool inform = true);

}  // namespace skolvarin::cash
