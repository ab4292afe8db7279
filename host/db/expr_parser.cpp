// Compiling dBASE expression text into an ExprProgram: recursive descent
// with dBASE precedence (lowest first): .OR.; .AND.; .NOT.; comparisons;
// + -; * / %; ^ **; unary + -; literals, fields, calls and parentheses.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "host/db/expr_lexer.h"
#include "host/db/expr_program.h"
#include "host/text/mazovia.h"

namespace skolvarin::db {
namespace {

constexpr int kMaxLength = 4096;        // bytes of any character value
constexpr int kMaxDepth = 100;          // nesting of parentheses and operators
constexpr size_t kMaxNodes = 2000;
constexpr size_t kMaxScratch = 1 << 20;

struct Arg {
  int node;
  size_t pos;
};

class Parser {
 public:
  Parser(std::string_view text, std::span<const FieldDesc> fields, std::string& error)
      : text_(text), fields_(fields), error_(error), lex_(text) {}

  std::unique_ptr<ExprProgram> run() {
    prog_ = std::make_unique<ExprProgram>();
    prog_->source = std::string(text_);
    advance();
    if (tok_.kind == Tok::End) {
      fail_plain("Puste wyrażenie");
      return nullptr;
    }
    const int root = or_expr();
    if (root < 0) return nullptr;
    if (tok_.kind != Tok::End) {
      syntax_error();
      return nullptr;
    }
    prog_->root = root;
    prog_->scratch.assign(prog_->scratch_size, ' ');
    return std::move(prog_);
  }

 private:
  // --- errors -------------------------------------------------------------
  std::string where(size_t pos) const {
    return " (znak " + std::to_string(text::utf8_length(text_.substr(0, pos)) + 1) + ")";
  }
  int fail_plain(std::string msg) {
    if (!failed_) error_ = std::move(msg);
    failed_ = true;
    return -1;
  }
  int fail(const std::string& msg, size_t pos) { return fail_plain(msg + where(pos)); }
  int syntax_error() {
    if (tok_.kind == Tok::End) return fail_plain("Niepełne wyrażenie: brak argumentu na końcu");
    if (tok_.kind == Tok::Error) {
      const char c = text_[tok_.pos];
      if (c == '"' || c == '\'' || c == '[') return fail("Niezamknięty tekst w cudzysłowie", tok_.pos);
      return fail("Niedozwolony znak w wyrażeniu", tok_.pos);
    }
    return fail("Błąd składni wyrażenia", tok_.pos);
  }
  int type_error(size_t pos) { return fail("Niezgodne typy danych w wyrażeniu", pos); }

  // --- tokens and nodes ---------------------------------------------------
  void advance() { tok_ = lex_.next(); }
  bool accept(Tok k) {
    if (tok_.kind != k) return false;
    advance();
    return true;
  }

  const ExprNode& node(int i) const { return prog_->nodes[i]; }
  ValueType type(int i) const { return prog_->nodes[i].type; }
  bool is_text(int i) const { return type(i) == ValueType::Character; }

  int add(ExprNode n, size_t scratch_need = 0) {
    if (prog_->nodes.size() >= kMaxNodes || prog_->scratch_size + scratch_need > kMaxScratch)
      return fail_plain("Wyrażenie jest zbyt złożone");
    if ((n.type == ValueType::Character || n.type == ValueType::Date) && n.length > kMaxLength)
      return fail_plain("Wynik wyrażenia jest za długi (ponad " + std::to_string(kMaxLength) + " znaków)");
    n.scratch = static_cast<int>(prog_->scratch_size);
    prog_->scratch_size += scratch_need;
    prog_->nodes.push_back(std::move(n));
    return static_cast<int>(prog_->nodes.size()) - 1;
  }
  int make(Op op, ValueType t, int a = -1, int b = -1, int c = -1, int length = 0) {
    ExprNode n;
    n.op = op, n.type = t, n.a = a, n.b = b, n.c = c, n.length = length;
    return add(std::move(n));
  }

  struct Depth {
    explicit Depth(int& d) : d_(d) { ++d_; }
    ~Depth() { --d_; }
    int& d_;
  };

  // --- grammar ------------------------------------------------------------
  int or_expr() {
    Depth guard(depth_);
    if (depth_ > kMaxDepth) return fail_plain("Wyrażenie jest zbyt złożone");
    int left = and_expr();
    while (left >= 0 && tok_.kind == Tok::Or) {
      const size_t pos = tok_.pos;
      advance();
      const int right = and_expr();
      if (right < 0) return -1;
      if (type(left) != ValueType::Logical || type(right) != ValueType::Logical) return type_error(pos);
      left = make(Op::Or, ValueType::Logical, left, right);
    }
    return left;
  }

  int and_expr() {
    int left = not_expr();
    while (left >= 0 && tok_.kind == Tok::And) {
      const size_t pos = tok_.pos;
      advance();
      const int right = not_expr();
      if (right < 0) return -1;
      if (type(left) != ValueType::Logical || type(right) != ValueType::Logical) return type_error(pos);
      left = make(Op::And, ValueType::Logical, left, right);
    }
    return left;
  }

  int not_expr() {
    if (tok_.kind == Tok::Not) {
      Depth guard(depth_);
      if (depth_ > kMaxDepth) return fail_plain("Wyrażenie jest zbyt złożone");
      const size_t pos = tok_.pos;
      advance();
      const int operand = not_expr();
      if (operand < 0) return -1;
      if (type(operand) != ValueType::Logical) return type_error(pos);
      return make(Op::Not, ValueType::Logical, operand);
    }
    return comparison();
  }

  int comparison() {
    const int left = additive();
    if (left < 0) return -1;
    Cmp cmp;
    switch (tok_.kind) {
      case Tok::Eq: cmp = Cmp::Eq; break;
      case Tok::ExactEq: cmp = Cmp::ExactEq; break;
      case Tok::NotEq: cmp = Cmp::NotEq; break;
      case Tok::Less: cmp = Cmp::Less; break;
      case Tok::Greater: cmp = Cmp::Greater; break;
      case Tok::LessEq: cmp = Cmp::LessEq; break;
      case Tok::GreaterEq: cmp = Cmp::GreaterEq; break;
      case Tok::Contains: {
        const size_t pos = tok_.pos;
        advance();
        const int right = additive();
        if (right < 0) return -1;
        if (!is_text(left) || !is_text(right)) return type_error(pos);
        ExprNode n;
        n.op = Op::Contains, n.type = ValueType::Logical, n.a = left, n.b = right;
        return add(std::move(n), node(left).length + node(right).length);
      }
      default: return left;
    }
    const size_t pos = tok_.pos;
    advance();
    const int right = additive();
    if (right < 0) return -1;
    if (type(left) != type(right)) return type_error(pos);
    ExprNode n;
    n.op = Op::Compare, n.type = ValueType::Logical, n.cmp = cmp, n.a = left, n.b = right;
    size_t need = 0;
    if (type(left) == ValueType::Character || type(left) == ValueType::Date)
      need = node(left).length + node(right).length;
    return add(std::move(n), need);
  }

  int additive() {
    int left = multiplicative();
    while (left >= 0 && (tok_.kind == Tok::Plus || tok_.kind == Tok::Minus)) {
      const bool plus = tok_.kind == Tok::Plus;
      const size_t pos = tok_.pos;
      advance();
      const int right = multiplicative();
      if (right < 0) return -1;
      if (type(left) == ValueType::Numeric && type(right) == ValueType::Numeric) {
        left = make(plus ? Op::Add : Op::Sub, ValueType::Numeric, left, right);
      } else if (is_text(left) && is_text(right)) {
        left = make(plus ? Op::Concat : Op::ConcatTrim, ValueType::Character, left, right, -1,
                    node(left).length + node(right).length);
      } else {
        return type_error(pos);
      }
    }
    return left;
  }

  int multiplicative() {
    int left = power();
    while (left >= 0 && (tok_.kind == Tok::Star || tok_.kind == Tok::Slash || tok_.kind == Tok::Percent)) {
      const Op op = tok_.kind == Tok::Star ? Op::Mul : tok_.kind == Tok::Slash ? Op::Div : Op::Mod;
      const size_t pos = tok_.pos;
      advance();
      const int right = power();
      if (right < 0) return -1;
      if (type(left) != ValueType::Numeric || type(right) != ValueType::Numeric) return type_error(pos);
      left = make(op, ValueType::Numeric, left, right);
    }
    return left;
  }

  int power() {
    const int base = unary();
    if (base < 0 || tok_.kind != Tok::Power) return base;
    Depth guard(depth_);
    if (depth_ > kMaxDepth) return fail_plain("Wyrażenie jest zbyt złożone");
    const size_t pos = tok_.pos;
    advance();
    const int exponent = power();
    if (exponent < 0) return -1;
    if (type(base) != ValueType::Numeric || type(exponent) != ValueType::Numeric) return type_error(pos);
    return make(Op::Pow, ValueType::Numeric, base, exponent);
  }

  int unary() {
    if (tok_.kind == Tok::Minus || tok_.kind == Tok::Plus) {
      Depth guard(depth_);
      if (depth_ > kMaxDepth) return fail_plain("Wyrażenie jest zbyt złożone");
      const bool minus = tok_.kind == Tok::Minus;
      const size_t pos = tok_.pos;
      advance();
      const int operand = unary();
      if (operand < 0) return -1;
      if (type(operand) != ValueType::Numeric) return type_error(pos);
      if (!minus) return operand;
      if (node(operand).op == Op::NumLiteral) {  // fold: -5 is a literal
        prog_->nodes[operand].number = -node(operand).number;
        return operand;
      }
      return make(Op::Neg, ValueType::Numeric, operand);
    }
    return primary();
  }

  int primary() {
    const Token t = tok_;
    switch (t.kind) {
      case Tok::Number: {
        advance();
        ExprNode n;
        n.op = Op::NumLiteral, n.type = ValueType::Numeric, n.number = t.number;
        return add(std::move(n));
      }
      case Tok::String: {
        advance();
        ExprNode n;
        n.op = Op::CharLiteral, n.type = ValueType::Character;
        n.literal = text::utf8_to_mazovia(t.text);
        n.length = static_cast<int>(n.literal.size());
        return add(std::move(n));
      }
      case Tok::True:
      case Tok::False: {
        advance();
        ExprNode n;
        n.op = Op::LogLiteral, n.type = ValueType::Logical, n.number = t.kind == Tok::True ? 1 : 0;
        return add(std::move(n));
      }
      case Tok::LParen: {
        advance();
        const int inner = or_expr();
        if (inner < 0) return -1;
        if (!accept(Tok::RParen)) {
          if (tok_.kind == Tok::End) return fail("Brak nawiasu zamykającego", t.pos);
          return syntax_error();
        }
        return inner;
      }
      case Tok::Name: {
        advance();
        if (tok_.kind == Tok::LParen) return call(t);
        return field(t);
      }
      default: return syntax_error();
    }
  }

  int field(const Token& t) {
    for (const FieldDesc& f : fields_) {
      if (!same_name(f.name, t.text)) continue;
      ExprNode n;
      n.offset = f.offset, n.width = f.width, n.decimals = f.decimals;
      switch (f.type) {
        case FieldType::Character: n.op = Op::CharField, n.type = ValueType::Character, n.length = f.width; break;
        case FieldType::Numeric: n.op = Op::NumField, n.type = ValueType::Numeric; break;
        case FieldType::Date: n.op = Op::DateField, n.type = ValueType::Date, n.length = 8; break;
        case FieldType::Logical: n.op = Op::LogField, n.type = ValueType::Logical; break;
      }
      if (f.width < 0 || f.offset < 0) return fail("Zły opis pola " + t.text, t.pos);
      return add(std::move(n));
    }
    return fail("Nieznane pole: " + t.text, t.pos);
  }

  static bool same_name(std::string_view field, std::string_view upper_name) {
    if (field.size() != upper_name.size()) return false;
    for (size_t i = 0; i < field.size(); ++i) {
      char c = field[i];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      if (c != upper_name[i]) return false;
    }
    return true;
  }

  // A whole-number constant argument (a numeric literal).
  bool constant(int n, int& out) const {
    if (node(n).op != Op::NumLiteral) return false;
    const double v = node(n).number;
    if (!(v >= -100000 && v <= 100000)) return false;
    out = static_cast<int>(std::lround(v));
    return true;
  }

  // dBASE accepts a function name cut to its first four letters.
  static bool is_function(const std::string& name, std::string_view full) {
    if (name == full) return true;
    return name.size() >= 4 && name.size() < full.size() && full.substr(0, name.size()) == name;
  }

  int call(const Token& name) {
    advance();  // (
    std::vector<Arg> args;
    if (tok_.kind != Tok::RParen) {
      for (;;) {
        const size_t pos = tok_.pos;
        const int a = or_expr();
        if (a < 0) return -1;
        args.push_back({a, pos});
        if (!accept(Tok::Comma)) break;
      }
    }
    if (!accept(Tok::RParen)) {
      if (tok_.kind == Tok::End) return fail("Brak nawiasu zamykającego", name.pos);
      return syntax_error();
    }
    return function(name, args);
  }

  int function(const Token& name, const std::vector<Arg>& args) {
    const std::string& f = name.text;
    auto count_error = [&] { return fail("Zła liczba argumentów funkcji " + f, name.pos); };
    auto arg_is = [&](size_t i, ValueType t) { return i < args.size() && type(args[i].node) == t; };
    auto arg_type_error = [&](size_t i) { return type_error(i < args.size() ? args[i].pos : name.pos); };
    auto need = [&](size_t lo, size_t hi) { return args.size() >= lo && args.size() <= hi; };
    auto const_error = [&](size_t i) {
      return fail("Argument funkcji " + f + " musi być stałą liczbą", args[i].pos);
    };

    if (is_function(f, "UPPER") || is_function(f, "LOWER")) {
      if (!need(1, 1)) return count_error();
      if (!arg_is(0, ValueType::Character)) return arg_type_error(0);
      return make(f[0] == 'U' ? Op::Upper : Op::Lower, ValueType::Character, args[0].node, -1, -1,
                  node(args[0].node).length);
    }
    if (is_function(f, "STR")) {
      if (!need(1, 3)) return count_error();
      if (!arg_is(0, ValueType::Numeric)) return arg_type_error(0);
      int width = 10, decimals = 0;
      if (args.size() > 1 && !constant(args[1].node, width)) return const_error(1);
      if (args.size() > 2 && !constant(args[2].node, decimals)) return const_error(2);
      if (width < 1 || width > 255) return fail("Zła długość w funkcji STR", args[1].pos);
      if (decimals < 0 || decimals > 15) return fail("Zła liczba miejsc po przecinku w funkcji STR", args[2].pos);
      ExprNode n;
      n.op = Op::Str, n.type = ValueType::Character, n.a = args[0].node;
      n.length = n.width = width, n.decimals = decimals;
      return add(std::move(n));
    }
    if (is_function(f, "DTOS")) {
      if (!need(1, 1)) return count_error();
      if (!arg_is(0, ValueType::Date)) return arg_type_error(0);
      return make(Op::Dtos, ValueType::Character, args[0].node, -1, -1, 8);
    }
    if (is_function(f, "RECNO") || is_function(f, "DELETED")) {
      if (!args.empty()) return count_error();
      return f[0] == 'R' ? make(Op::Recno, ValueType::Numeric) : make(Op::Deleted, ValueType::Logical);
    }
    if (is_function(f, "MONTH") || f == "YEAR" || f == "DAY") {
      if (!need(1, 1)) return count_error();
      if (!arg_is(0, ValueType::Date)) return arg_type_error(0);
      ExprNode n;
      n.op = f[0] == 'M' ? Op::Month : f[0] == 'Y' ? Op::Year : Op::Day;
      n.type = ValueType::Numeric, n.a = args[0].node;
      return add(std::move(n), 8);
    }
    if (is_function(f, "SUBSTR") || f == "LEFT" || is_function(f, "RIGHT")) {
      const bool substr = f[0] == 'S';
      if (!(substr ? need(2, 3) : need(2, 2))) return count_error();
      if (!arg_is(0, ValueType::Character)) return arg_type_error(0);
      const int full = node(args[0].node).length;
      int start = 1, count = full;
      if (substr) {
        if (!constant(args[1].node, start)) return const_error(1);
        if (args.size() > 2 && !constant(args[2].node, count)) return const_error(2);
        if (start < 1) start = 1;
      } else {
        if (!constant(args[1].node, count)) return const_error(1);
      }
      if (count < 0) count = 0;
      if (f[0] == 'R') start = full - std::min(count, full) + 1;
      if (start > full + 1) start = full + 1;
      count = std::min(count, full - (start - 1));
      ExprNode n;
      n.op = Op::Substr, n.type = ValueType::Character, n.a = args[0].node;
      n.offset = start - 1, n.length = count;
      return add(std::move(n), full);
    }
    if (f == "VAL") {
      if (!need(1, 1)) return count_error();
      if (!arg_is(0, ValueType::Character)) return arg_type_error(0);
      ExprNode n;
      n.op = Op::Val, n.type = ValueType::Numeric, n.a = args[0].node;
      return add(std::move(n), node(args[0].node).length);
    }
    if (f == "ABS" || f == "INT") {
      if (!need(1, 1)) return count_error();
      if (!arg_is(0, ValueType::Numeric)) return arg_type_error(0);
      return make(f == "ABS" ? Op::Abs : Op::Int, ValueType::Numeric, args[0].node);
    }
    if (is_function(f, "ROUND")) {
      if (!need(2, 2)) return count_error();
      if (!arg_is(0, ValueType::Numeric)) return arg_type_error(0);
      int decimals = 0;
      if (!constant(args[1].node, decimals) || decimals < -15 || decimals > 15) return const_error(1);
      ExprNode n;
      n.op = Op::Round, n.type = ValueType::Numeric, n.a = args[0].node, n.decimals = decimals;
      return add(std::move(n));
    }
    if (f == "IIF") {
      if (!need(3, 3)) return count_error();
      if (!arg_is(0, ValueType::Logical)) return arg_type_error(0);
      const ValueType t = type(args[1].node);
      if (type(args[2].node) != t) return arg_type_error(2);
      static constexpr std::array<Op, 4> kIif = {Op::CharIif, Op::NumIif, Op::CharIif, Op::LogIif};
      const int length = std::max(node(args[1].node).length, node(args[2].node).length);
      return make(kIif[static_cast<int>(t)], t, args[0].node, args[1].node, args[2].node, length);
    }
    return fail("Nieznana funkcja: " + f, name.pos);
  }

  std::string_view text_;
  std::span<const FieldDesc> fields_;
  std::string& error_;
  Lexer lex_;
  Token tok_;
  std::unique_ptr<ExprProgram> prog_;
  int depth_ = 0;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<ExprProgram> parse_expression(std::string_view text, std::span<const FieldDesc> fields,
                                              std::string& error) {
  error.clear();
  Parser p(text, fields, error);
  auto prog = p.run();
  if (!prog && error.empty()) error = "Błąd w wyrażeniu";
  return prog;
}

}  // namespace skolvarin::db
