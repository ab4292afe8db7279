// The compiled form of a dBASE expression: a tree of typed nodes in one
// vector, children before parents, evaluated by a switch per node.
//
// Invariants (kept by the parser, relied on by the evaluator):
//  - every Character and Date node has a fixed `length` (Date: 8), and
//    evaluating it writes exactly that many bytes, Mazovia text;
//  - a node's children have smaller indices; `root` is the last node;
//  - each node that needs scratch space owns [scratch, scratch + its need)
//    of ExprProgram::scratch, disjoint from every other node's region, so
//    nested evaluation never overwrites a buffer still in use;
//  - field nodes hold the offset and width of the field in the record the
//    expression was compiled for.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/db/record_view.h"

namespace skolvarin::db {

enum class ValueType : uint8_t { Character, Numeric, Date, Logical };

enum class Op : uint8_t {
  // Character (and Date: DateField, DateIif)
  CharField, CharLiteral, Concat, ConcatTrim, Upper, Lower, Str, Dtos, Substr, CharIif,
  DateField,
  // Numeric
  NumField, NumLiteral, Recno, Month, Year, Day, Val, Neg, Add, Sub, Mul, Div, Mod, Pow,
  Abs, Int, Round, NumIif,
  // Logical
  LogField, LogLiteral, Deleted, Not, And, Or, Compare, Contains, LogIif,
};

enum class Cmp : uint8_t { Eq, ExactEq, NotEq, Less, Greater, LessEq, GreaterEq };

struct ExprNode {
  Op op{};
  ValueType type{};
  Cmp cmp{};           // Compare
  int length = 0;      // bytes of a Character / Date value
  int a = -1, b = -1, c = -1;  // children
  int offset = 0;      // field offset in the record; Substr: start (0-based)
  int width = 0;       // field width; Str: result width
  int decimals = 0;    // Str / Round: decimals
  int scratch = 0;     // start of this node's scratch region
  double number = 0;   // NumLiteral
  std::string literal; // CharLiteral, Mazovia bytes
};

struct ExprProgram {
  std::string source;
  std::vector<ExprNode> nodes;
  int root = -1;
  size_t scratch_size = 0;
  mutable std::vector<char> scratch;

  const ExprNode& top() const { return nodes[root]; }
  ValueType type() const { return top().type; }

  // Evaluation of node n over one record (record bytes as in RecordView;
  // a null record reads as all blanks).
  void eval_text(int n, const RecordView& r, char* out) const;  // Character / Date
  double eval_number(int n, const RecordView& r) const;
  bool eval_logical(int n, const RecordView& r) const;
};

// Builds the program; nullptr and a Polish message on a bad expression.
std::unique_ptr<ExprProgram> parse_expression(std::string_view text, std::span<const FieldDesc> fields,
                                              std::string& error);

// Reads a dBASE numeric text (blanks, sign, digits, decimal point); stops at
// the first other character; blank text is 0.
double parse_dbase_number(const char* p, size_t n);

// STR(value, width, decimals) into out[0..width): right-aligned, rounded half
// away from zero; a value that does not fit is width asterisks.
void format_str(double value, int width, int decimals, char* out);

}  // namespace skolvarin::db
