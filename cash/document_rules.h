// The internal documents' rules that need no table and no screen: the type
// and column lists of the firm's bookkeeping form, the right-aligned
// document number and its uniqueness key, the column a new position starts
// in, the position value, and what a booking writes into the book (the
// column sums, the status and the description).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cash/ledger_rules.h"

namespace skolvarin::cash {

// The bookkeeping form (main option 24): 1 the tax book, anything else the
// lump-sum revenue register.
inline bool keeps_tax_book(int form) { return form == 1; }

// "1. WEWNĘTRZNY" ... "7. ZWIĘKSZENIA PRZYCHODÓW" with the tax book, the
// first four with the lump-sum register.
std::vector<std::string> document_type_names(int form);
// The type's name without its number ("KSIĘGOWY"); "" outside 1..7.
std::string document_type_name(int type);
// Types 5 to 7 correct costs or revenues.
bool is_correction(int type);

// The column codes of a position: the book's six columns, or the seven
// lump-sum revenue categories.
std::vector<std::string> position_column_names(int form);

// The number as stored: trimmed, then aligned to the right of the
// 10-character field (characters, not bytes).  A longer text is cut to 10.
inline constexpr int kNumberWidth = 10;
std::string align_number(std::string_view number);
// The uniqueness key "STR(TYP,1,0)+UPPER(NUM)" of a type and number.
std::string document_key(int type, std::string_view number);

// The column code of a new position: 5 in a type 7 document, else 1.
int new_position_column(int type);

// quantity × price; false (and value untouched) above 99999999999.
inline constexpr double kMaxPositionValue = 99999999999.0;
bool position_value(double quantity, double price, double& value);

// One position as the booking sees it.
struct PositionAmount {
  int column = 0;  // RYT
  double value = 0.0;
};
struct DocumentSums {
  double total = 0.0;
  std::array<double, 8> by_column{};  // index = column code 1..7
  // Positions (by index) whose column the booking must ask for: with the
  // tax book codes outside 1..6.
  std::vector<size_t> unassigned;
};
DocumentSums document_sums(int form, const std::vector<PositionAmount>& positions);

// The column the booking writes into a position whose code was asked for:
// the chosen one, or 4 "INNE" when the choice was cancelled (0).
int chosen_column(int choice);

// The book's amounts (PSP POP ZAK UBO WYN INN) of the sums: column 1 to
// ZAK, 2 UBO, 3 WYN, 4 INN, 5 PSP, 6 POP.
BookAmounts book_amounts_of(const DocumentSums& sums);
// The lump-sum revenue amounts, categories 1..7 in order.
std::array<double, 7> lump_sum_amounts_of(const DocumentSums& sums);

// The entry's status: "K" for the corrections, blank for the others.
char booking_status(int type);

// A text split over two lines of `width` characters (at a blank when one
// is near the end of the first line).
std::array<std::string, 2> split_lines(std::string_view text, size_t width);

}  // namespace skolvarin::cash
