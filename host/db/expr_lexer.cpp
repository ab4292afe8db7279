// Splitting dBASE expression text into tokens.
#include "host/db/expr_lexer.h"

namespace skolvarin::db {
namespace {

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

}  // namespace

Token Lexer::next() {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' ||
                                 text_[pos_] == '\n'))
    ++pos_;
  Token t;
  t.pos = pos_;
  if (pos_ >= text_.size()) return t;
  const char c = text_[pos_];
  const char c1 = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';

  if (is_letter(c)) {
    while (pos_ < text_.size() && (is_letter(text_[pos_]) || is_digit(text_[pos_])))
      t.text.push_back(upper(text_[pos_++]));
    t.kind = Tok::Name;
    return t;
  }
  if (is_digit(c) || (c == '.' && is_digit(c1))) {
    // Decimal digits read exactly: mantissa / 10^decimals.
    double mantissa = 0;
    double scale = 1;
    while (pos_ < text_.size() && is_digit(text_[pos_])) mantissa = mantissa * 10 + (text_[pos_++] - '0');
    if (pos_ < text_.size() && text_[pos_] == '.' &&
        !(pos_ + 1 < text_.size() && is_letter(text_[pos_ + 1]))) {
      ++pos_;
      while (pos_ < text_.size() && is_digit(text_[pos_])) {
        mantissa = mantissa * 10 + (text_[pos_++] - '0');
        scale *= 10;
      }
    }
    t.kind = Tok::Number;
    t.number = mantissa / scale;
    return t;
  }
  if (c == '"' || c == '\'' || c == '[') {
    const char close = c == '[' ? ']' : c;
    const size_t end = text_.find(close, pos_ + 1);
    if (end == std::string_view::npos) {
      t.kind = Tok::Error;
      return t;
    }
    t.kind = Tok::String;
    t.text = std::string(text_.substr(pos_ + 1, end - pos_ - 1));
    pos_ = end + 1;
    return t;
  }
  if (c == '.') {
    size_t p = pos_ + 1;
    std::string word;
    while (p < text_.size() && is_letter(text_[p]) && word.size() < 4) word.push_back(upper(text_[p++]));
    if (p < text_.size() && text_[p] == '.') {
      Tok k = Tok::Error;
      if (word == "NOT") k = Tok::Not;
      else if (word == "AND") k = Tok::And;
      else if (word == "OR") k = Tok::Or;
      else if (word == "T" || word == "Y") k = Tok::True;
      else if (word == "F" || word == "N") k = Tok::False;
      if (k != Tok::Error) {
        t.kind = k;
        pos_ = p + 1;
        return t;
      }
    }
    t.kind = Tok::Error;
    return t;
  }
  auto one = [&](Tok k, size_t len) {
    t.kind = k;
    pos_ += len;
    return t;
  };
  switch (c) {
    case '(': return one(Tok::LParen, 1);
    case ')': return one(Tok::RParen, 1);
    case ',': return one(Tok::Comma, 1);
    case '+': return one(Tok::Plus, 1);
    case '-': return one(Tok::Minus, 1);
    case '*': return c1 == '*' ? one(Tok::Power, 2) : one(Tok::Star, 1);
    case '/': return one(Tok::Slash, 1);
    case '^': return one(Tok::Power, 1);
    case '%': return one(Tok::Percent, 1);
    case '$': return one(Tok::Contains, 1);
    case '#': return one(Tok::NotEq, 1);
    case '=': return c1 == '=' ? one(Tok::ExactEq, 2) : one(Tok::Eq, 1);
    case '!': return c1 == '=' ? one(Tok::NotEq, 2) : one(Tok::Not, 1);
    case '<':
      if (c1 == '>') return one(Tok::NotEq, 2);
      return c1 == '=' ? one(Tok::LessEq, 2) : one(Tok::Less, 1);
    case '>': return c1 == '=' ? one(Tok::GreaterEq, 2) : one(Tok::Greater, 1);
    default: break;
  }
  t.kind = Tok::Error;
  return t;
}

}  // namespace skolvarin::db
