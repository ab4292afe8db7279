// Compiled dBASE expressions: the index tag keys and filters of the tables.
//
// An Expression is compiled once from its text against a table's fields and
// then evaluated per record.  Supported: field names; character, numeric and
// logical literals ("..", '..', [..], 12.5, .T.); + - * / % ^ on numbers,
// + and - on character values (concatenation); comparisons = == # <> != < >
// <= >= and $; .NOT. .AND. .OR. (and !); parentheses; the functions UPPER
// LOWER STR DTOS RECNO DELETED MONTH YEAR DAY SUBSTR LEFT RIGHT VAL ABS INT
// ROUND IIF, in any letter case and with blanks before the parenthesis
// ("UPPER (NA1)").  String literals are UTF-8 in the text, Mazovia in values.
//
// Semantics, as dBASE gives them:
//  - STR(n[,w[,d]]): width w (default 10, 1..255) and d decimals (default 0,
//    0..15) must be numeric constants; the value is rounded half away from
//    zero (skolvarin::R) and right-aligned; a result that does not fit in w
//    is w asterisks ("***"), which is what dBASE gives; zero never shows a
//    minus sign.  STR of a blank numeric field is 0.
//  - DTOS of a blank date is 8 blanks; MONTH, YEAR, DAY of a blank date are 0.
//  - Character "=" and "#"/"<>" compare as SET EXACT OFF: "=" is true when
//    the left value begins with the right one; "==" compares both without
//    trailing blanks; < > <= >= compare in Polish order with the shorter
//    value taken as blank padded.  "a $ b" is true when b contains a.
//  - Numbers are equal when they agree to 9 significant digits; division
//    by zero gives 0 (keys never hold infinities).
//  - a - b on character values moves the trailing blanks of a to the end.
//  - Function names may be cut to their first four letters (SUBS, DELE).
//  - SUBSTR, LEFT and RIGHT take constant positions, so lengths stay fixed;
//    IIF pads the shorter character branch with blanks.
//  - Messages: "Nieznane pole: X (znak 5)", "Niezgodne typy danych w
//    wyrażeniu (znak 5)", "Brak nawiasu zamykającego (znak 1)", ... with the
//    1-based character position in the expression text.
//
// Invariants:
//  - every character value has a fixed length known at compile time, so
//    key() returns exactly key_length() bytes for every record;
//  - key() bytes compare with memcmp in the order a bookkeeper expects:
//    Character: each Mazovia byte mapped to its Polish collation rank
//      (host/text/collation.h), same length as the text, so a prefix of the
//      text gives a prefix of the key;
//    Numeric: 8 bytes, the value's double encoded so that byte order is
//      numeric order (-5 < -0.5 < 0 < 2 < 10);
//    Date: the 8 bytes "YYYYMMDD", blank dates as 8 blanks (first);
//    Logical: one byte, 'F' before 'T'.
//  - compile() never throws and never crashes on any text; a bad expression
//    gives nullptr and a Polish message.
//  - evaluation allocates nothing beyond the result string; an Expression
//    keeps scratch buffers, so one object must not be evaluated from two
//    threads at once.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "host/db/record_view.h"

namespace skolvarin::db {

enum class KeyKind { Character, Numeric, Date, Logical };

struct ExprProgram;  // the compiled form (host/db/expr_program.h)

class Expression {
 public:
  // nullptr + Polish error text on a bad expression.
  static std::unique_ptr<Expression> compile(std::string_view text,
                                             std::span<const FieldDesc> fields,
                                             std::string& error);
  ~Expression();
  Expression(const Expression&) = delete;
  Expression& operator=(const Expression&) = delete;

  KeyKind kind() const;
  int key_length() const;                       // bytes of every key() result
  std::string key(const RecordView& r) const;   // sortable key bytes
  void key(const RecordView& r, std::string& out) const;  // same, into out (reuses its memory)
  bool test(const RecordView& r) const;         // logical value, for filter expressions

  // Key bytes (possibly a prefix) for a character or date seek value given
  // in UTF-8.  Character keys: the value in Mazovia mapped to collation ranks,
  // cut to key_length() (not padded: a shorter value seeks a prefix).  Date
  // keys: "YYYYMMDD" (also accepted: "YYYY-MM-DD", "YYYY.MM.DD").  Numeric
  // keys: the text read as a number.
  std::string seek_key(std::string_view utf8) const;
  // Key bytes for a numeric seek (numeric keys; other kinds get the number
  // as text, as seek_key(text) would).
  std::string seek_key(double value) const;

  // The value of a character expression as UTF-8 text (not collated), or the
  // value of any other kind formatted as dBASE shows it.  For display and
  // tests.
  std::string text_value(const RecordView& r) const;
  // The value of a numeric expression (0 for other kinds).
  double number(const RecordView& r) const;

  // The expression text as compiled.
  const std::string& source() const;

 private:
  explicit Expression(std::unique_ptr<ExprProgram> program);
  std::unique_ptr<ExprProgram> program_;
};

// Encoding of numeric keys, shared with the index layer.
std::string encode_number_key(double value);
double decode_number_key(std::string_view key8);

}  // namespace skolvarin::db
