// The bank import file of domestic transfers in the Elixir-0 layout that
// Polish banks take from bookkeeping programs: one order a line (CR LF),
// sixteen comma-separated fields, texts in double quotes, long texts as up
// to four lines of 35 characters joined by '|', code page Windows-1250.
//
//   field  meaning
//    1     message type: 110 (transfer order)
//    2     date of execution, YYYYMMDD
//    3     amount in grosze (no separators)
//    4     the ordering bank's sort number (digits 3..10 of its NRB)
//    5     0
//    6     ordering account (NRB, 26 digits)
//    7     beneficiary account (NRB)
//    8     ordering party's name and address (up to 4 x 35)
//    9     beneficiary's name and address (up to 4 x 35)
//   10     0
//   11     the beneficiary bank's sort number
//   12     title; ZUS: NIP|type of second id|second id|payment type|
//          declaration (year, month, number)|decision number;
//          tax office: /TI/<id type><id>/OKR/<period>/SFP/<form symbol>/TXT/<obligation>
//   13     "" (empty)
//   14     "" (empty)
//   15     classification: "51" ordinary, "71" ZUS and tax office
//   16     "" (client-bank information)
#pragma once

#include <string>
#include <vector>

namespace skolvarin::transfers {

struct TransferOrder {
  long record = 0;           // the transfer's record number (for the refusal list)
  std::string date;          // YYYYMMDD
  int type = 1;              // 1 ordinary, 2 ZUS, 3 tax
  double amount = 0.0;
  std::string payer_account, payee_account;
  std::string payer_name1, payer_name2, payer_address1, payer_address2;
  std::string payee_name1, payee_name2, payee_address1, payee_address2;
  std::string title1, title2;
  std::string nip, id_type, id_number;  // NIP, IDD, NRD
  std::string payment_type, period, symbol, obligation;  // TWP, DEK, SYP, IZO
};

// One order as an Elixir-0 line (UTF-8, no line end).
std::string elixir_line(const TransferOrder& order);

// The title field's text of a ZUS or tax transfer (before the 35-character
// cut); the two title lines for an ordinary transfer.
std::string zus_title(const TransferOrder& order);
std::string tax_title(const TransferOrder& order);

// Why an order cannot go into the file ("" when it can): no or a bad
// account number on either side, an amount not above zero.
std::string refusal(const TransferOrder& order);

struct ElixirFile {
  std::string bytes;                  // Windows-1250, CR LF line ends
  int written = 0;
  std::vector<std::string> refused;   // one Polish line per order left out
};
ElixirFile elixir_file(const std::vector<TransferOrder>& orders);

// UTF-8 to Windows-1250 (Polish letters kept; other characters outside
// ASCII become '?').
std::string to_windows1250(const std::string& utf8);

}  // namespace skolvarin::transfers
