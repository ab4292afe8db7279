// Rules of the notes register (debit, credit and interest notes) as plain
// functions: the kinds, the numbering by type and prefix, the uniqueness of
// a number, and the interest of an interest note.
//
// Numbering: a new note takes the prefix and suffix of the latest note of
// its type (by date, then by record number) and that note's number + 1;
// the first note of a type is number 1 with a blank prefix and suffix.  A
// changed prefix takes the highest number of that type and prefix + 1 (1
// when there is none) and that note's suffix.  Type + prefix + number is
// unique.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "host/api/calendar.h"
#include "interest/interest_calc.h"

namespace skolvarin::interest {

inline constexpr int kNoteDebit = 1, kNoteCredit = 2, kNoteInterest = 3;
inline constexpr int kMessageNumberTaken = 20077;

// "NOTA OBCIĄŻENIOWA", "NOTA UZNANIOWA", "NOTA ODSETKOWA"; "" for another type.
const char* note_title(int type);
// The list offered when a note is added: "1. OBCIĄŻENIOWA" ...
std::span<const char* const> note_type_choices();

struct NoteNumber {
  std::string prefix;
  long number = 1;
  std::string suffix;
};

// "PRE/NUM/POS" as the lists and prints show a number (blank parts kept
// out: "12", "FV/12", "FV/12/2026").
std::string note_number_text(std::string_view prefix, long number, std::string_view suffix);

// The interest of an interest note: the statutory interest of the amount
// due from the invoice's payment term to the date interest is counted to,
// kept with two decimals, and the days of delay.
struct NoteInterest {
  double interest = 0;
  int days = 0;
};
NoteInterest note_interest(const InterestResult& r);

}  // namespace skolvarin::interest
