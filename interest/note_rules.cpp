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

bool later(const NoteKey& a, const NoteKey& b) {
  long da = day_number(a.date), db = day_number(b.date);
  return da != db ? da > db : a.recno > b.recno;
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

NoteNumber next_note_number(std::span<const NoteKey> notes, int type) {
  const NoteKey* last = nullptr;
  for (const NoteKey& n : notes)
    if (n.type == type && (!last || later(n, *last))) last = &n;
  if (!last) return {};
  return {trimmed(last->prefix), last->number + 1, trimmed(last->suffix)};
}

NoteNumber number_for_prefix(std::span<const NoteKey> notes, int type, std::string_view prefix) {
  std::string p = trimmed(prefix);
  const NoteKey* top = nullptr;
  for (const NoteKey& n : notes)
    if (n.type == type && trimmed(n.prefix) == p && (!top || n.number > top->number)) top = &n;
  if (!top) return {p, 1, ""};
  return {p, top->number + 1, trimmed(top->suffix)};
}

bool note_number_taken(std::span<const NoteKey> notes, int type, std::string_view prefix, long number,
                       long self) {
  std::string p = trimmed(prefix);
  for (const NoteKey& n : notes)
    if (n.recno != self && n.type == type && n.number == number && trimmed(n.prefix) == p) return true;
  return false;
}

std::string note_number_text(std::string_view prefix, long number, std::string_view suffix) {
  std::string p = trimmed(prefix), s = trimmed(suffix);
  std::string out = p.empty() ? "" : p + "/";
  out += std::to_string(number);
  if (!s.empty()) out += "/" + s;
  return out;
}

NoteInterest note_interest(const InterestResult& r) { return {R(r.statutory_interest, 2), r.days}; }

}  // namespace skolvarin::interest
