// Edit pictures: how a field's value is shown in a form, which characters
// each position takes, and how the edited text goes back into the field.
//
//   "9999999999"   digit positions (a blank is allowed too);
//   "99999.99"     a number (digits, sign, decimal point; ',' typed as '.');
//   "999-9999"     digit positions with literal characters kept in place;
//   "DD-MM/YY", "DD-MM-CCYY"  a date (D, M, Y, C digit positions);
//   'A' a letter, 'X' any character, '!' any character in upper case;
//   ""             free text of the field's width (N: a number, L: T/N).
//
// Invariants: shown text always has exactly width() characters; literal
// positions always hold their literal; parse_edit never changes anything
// when it refuses (it returns false with a Polish reason).
#pragma once

#include <string>
#include <string_view>

namespace skolvarin::browse {

enum class PictureKind { Free, Mask, Number, Date, Logical };

class Picture {
 public:
  // field_type 'C', 'N', 'D' or 'L'; field_width and decimals of the field.
  Picture(std::string_view picture, char field_type, int field_width, int decimals);

  PictureKind kind() const { return kind_; }
  int width() const { return static_cast<int>(mask_.size()); }
  // True when position `pos` is a literal the cursor jumps over.
  bool literal(int pos) const;
  // The character that position `pos` takes for a typed `ch` (upper-cased or
  // ',' turned into '.'), or 0 when the position refuses it.
  char32_t accept(int pos, char32_t ch) const;
  // The edit text of a field's stored text (f4str: C text, N digits, D
  // "YYYYMMDD", L one character).
  std::u32string shown(std::string_view stored) const;
  // The stored text for f4assign from an edit text: C text (with its
  // literals), N number text, D "YYYYMMDD" or blanks.  False with a reason
  // for an impossible date or a malformed number.
  bool parse(const std::u32string& edit, std::string& stored, std::string& error) const;
  // A blank edit text (literals in place).
  std::u32string blank() const;

 private:
  PictureKind kind_ = PictureKind::Free;
  std::u32string mask_;   // one character per position ('X' for free text)
  char type_ = 'C';
  int decimals_ = 0;
  bool upper_all_ = false;
};

// Dates of two-digit pictures: YY below 80 is 20YY, else 19YY.
int century_year(int yy);

}  // namespace skolvarin::browse
