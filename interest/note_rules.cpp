#include "interest/note_rules.h"

#include <array>

#include "host/api/rounding.h"

namespace skolvarin::interest {

namespace {

constexpr std::array<const char*, 3> kChoices = {"1. OBCIĄŻENIOWA", "2. UZNANIOWA", "3. ODSETKOWA"};

std::string trimmed(std::string_view s) {
  size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
  return b == std::string_view::npos ? std::string() : std::string(s.substr(b, e - b + 1));
}

}  // namespace

const char* note_title(int type) {
  switch (type) {
    case kNoteDebit: return "NOTA OBCIĄŻENIOWA";
    case kNoteCredit: return "NOTA UZNANIOWA";
    case kNoteInterest: return "NOTA ODSETKOWA";
    default: return "";
  }
}

std::span<const char* const> note_type_choices() { return kChoices; }

std::string note_number_text(std::string_view prefix, long number, std::string_view suffix) {
  std::string p = trimmed(prefix), s = trimmed(suffix);
  std::string out = p.empty() ? "" : p + "/";
  out += std::to_string(number);
  if (!s.empty()) out += "/" + s;
  return out;
}

NoteInterest note_interest(const InterestResult& r) { return {R(r.statutory_interest, 2), r.days}; }

}  // namespace skolvarin::interest
