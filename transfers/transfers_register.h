// The bank transfers register (" Przelewy ", "Ewidencja przelewów") over
// W3PLEW<rr>.DBF of the working year, and the transfer form other
// registers open prefilled (payroll lists, contracts, ZUS declarations).
#pragma once

#include <string>

namespace skolvarin::transfers {

// What a calling register hands to a new transfer.
struct TransferPrefill {
  int type = 1;                    // 1 ordinary, 2 ZUS, 3 tax
  double amount = 0.0;
  std::string date;                // YYYYMMDD; empty: today
  std::string title1, title2;
  int beneficiary_kind = 0;        // 1..7; 0 keeps the type's default
  std::string beneficiary_code;    // looked up in the kind's register
  int account_type = 1;            // the firm's account the transfer is paid from (TYB)
  std::string period, symbol;      // ZUS and tax: instead of the defaults
};

// Opens the transfer form on a new transfer filled from `prefill` (the
// transfer table and the party registers are opened when not open).  A
// zero amount is refused with message 121 before the form opens.  0 saved,
// 1 the user left, -1 failure.
int open_prefilled_transfer(const TransferPrefill& prefill);

// A pay transfer of one employee (payroll lists): ordinary, beneficiary
// the employee (kind 4, code = the employee's record number), title
// "PŁACE", paid from the account type the payroll settings name.
int pay_transfer(long employee, double amount, int account_type);

}  // namespace skolvarin::transfers
