// Tokens of a dBASE expression.
//
// The lexer reads UTF-8 expression text; names are upper-cased ASCII, string
// literals keep their UTF-8 text.  Dot words (.NOT. .AND. .OR. .T. .F.) are
// recognised in any letter case.  A character that starts no token gives an
// Error token at its position; the lexer never reads past the text.
#pragma once

#include <string>
#include <string_view>

namespace skolvarin::db {

enum class Tok {
  End, Error, Name, Number, String, True, False,
  LParen, RParen, Comma,
  Plus, Minus, Star, Slash, Power, Percent,
  Eq, ExactEq, NotEq, Less, Greater, LessEq, GreaterEq, Contains,
  Not, And, Or,
};

struct Token {
  Tok kind = Tok::End;
  size_t pos = 0;      // byte offset in the text
  std::string text;    // Name: upper-cased name; String: the literal's text
  double number = 0;   // Number
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}
  Token next();

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace skolvarin::db
