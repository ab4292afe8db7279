// Bad expressions give a Polish message and never a crash.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "host/db/expression.h"
#include "sample_table.h"

namespace skolvarin::db {
namespace {

const testing::SampleTable& table() {
  static const testing::SampleTable t{{"NAZ", FieldType::Character, 10}, {"KOD", FieldType::Numeric, 5},
                                      {"KWO", FieldType::Numeric, 11, 2}, {"DAT", FieldType::Date, 8},
                                      {"AKT", FieldType::Logical, 1}};
  return t;
}

TEST(ExpressionErrors, BadExpressionsGivePolishMessages) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "Puste wyrażenie"},
      {"   ", "Puste wyrażenie"},
      {"XYZ", "Nieznane pole: XYZ (znak 1)"},
      {"UPPER(NAZ)+NAZWA", "Nieznane pole: NAZWA (znak 12)"},
      {"FOO(NAZ)", "Nieznana funkcja: FOO (znak 1)"},
      {"STR(NAZ)", "Niezgodne typy danych w wyrażeniu (znak 5)"},
      {"NAZ+KOD", "Niezgodne typy danych w wyrażeniu (znak 4)"},
      {".NOT. KOD", "Niezgodne typy danych w wyrażeniu (znak 1)"},
      {"KOD .AND. AKT", "Niezgodne typy danych w wyrażeniu (znak 5)"},
      {"DTOS(KOD)", "Niezgodne typy danych w wyrażeniu (znak 6)"},
      {"NAZ = 5", "Niezgodne typy danych w wyrażeniu (znak 5)"},
      {"UPPER(NAZ", "Brak nawiasu zamykającego (znak 1)"},
      {"(KOD+1", "Brak nawiasu zamykającego (znak 1)"},
      {"STR(KOD,KOD)", "Argument funkcji STR musi być stałą liczbą (znak 9)"},
      {"STR(KOD,300)", "Zła długość w funkcji STR (znak 9)"},
      {"STR(KOD,5,0,1)", "Zła liczba argumentów funkcji STR (znak 1)"},
      {"RECNO(1)", "Zła liczba argumentów funkcji RECNO (znak 1)"},
      {"UPPER()", "Zła liczba argumentów funkcji UPPER (znak 1)"},
      {"'abc", "Niezamknięty tekst w cudzysłowie (znak 1)"},
      {"'ż' + \"ź", "Niezamknięty tekst w cudzysłowie (znak 7)"},
      {"NAZ @ 1", "Niedozwolony znak w wyrażeniu (znak 5)"},
      {"KOD .XOR. 1", "Niedozwolony znak w wyrażeniu (znak 5)"},
      {"KOD <", "Niepełne wyrażenie: brak argumentu na końcu"},
      {"KOD 1", "Błąd składni wyrażenia (znak 5)"},
      {"STR(KOD,5,0))", "Błąd składni wyrażenia (znak 13)"},
      {"UPPER(NAZ)+", "Niepełne wyrażenie: brak argumentu na końcu"},
  };
  for (const auto& [text, message] : cases) {
    std::string error;
    auto e = Expression::compile(text, table().fields, error);
    EXPECT_FALSE(e) << text;
    EXPECT_EQ(error, message) << text;
  }
}

TEST(ExpressionErrors, DeepNestingIsRefusedNotOverflowed) {
  for (const std::string& open : {std::string("("), std::string("-"), std::string(".NOT."),
                                  std::string("UPPER("), std::string("2^")}) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += open;
    std::string error;
    EXPECT_FALSE(Expression::compile(text + "1", table().fields, error)) << open;
    EXPECT_FALSE(error.empty());
  }
  std::string error;
  std::string wide = "NAZ";
  for (int i = 0; i < 1000; ++i) wide += "+NAZ";
  EXPECT_FALSE(Expression::compile(wide, table().fields, error));
  EXPECT_EQ(error, "Wynik wyrażenia jest za długi (ponad 4096 znaków)");
}

// Random strings, from expression-like pieces and from raw bytes: compile
// either succeeds, and then evaluating gives keys of the declared length, or
// fails with a message.
TEST(ExpressionErrors, RandomTextNeverCrashes) {
  const char* pieces[] = {"NAZ", "KOD", "KWO", "DAT", "AKT", "UPPER", "STR", "DTOS", "RECNO", "DELETED",
                          "MONTH", "YEAR", "SUBSTR", "IIF", "VAL", "(", ")", ",", "+", "-", "*", "/",
                          "^", "=", "#", "<>", "<", ">=", "$", ".NOT.", ".AND.", ".OR.", ".T.", "'ż'",
                          "\"a", "1", "5", "0", "2.5", " ", "[x]", "==", "!", ".", "\xC5", "\xFF"};
  std::mt19937 rng(2024);
  const std::string rec = table().record({{"NAZ", "Śliwa"}, {"KOD", "12"}, {"KWO", "-3.5"}, {"DAT", "20240229"}});
  int compiled = 0;
  for (int i = 0; i < 6000; ++i) {
    std::string text;
    const int n = 1 + rng() % 12;
    for (int k = 0; k < n; ++k) {
      if (i % 3 == 0) {
        text.push_back(static_cast<char>(rng()));
      } else {
        text += pieces[rng() % std::size(pieces)];
      }
    }
    std::string error;
    auto e = Expression::compile(text, table().fields, error);
    if (e) {
      ++compiled;
      EXPECT_TRUE(error.empty());
      const RecordView r = table().view(rec, 3);
      EXPECT_EQ(e->key(r).size(), static_cast<size_t>(e->key_length())) << text;
      e->test(r);
      e->text_value(r);
      e->seek_key("ab");
      e->seek_key(1.5);
    } else {
      EXPECT_FALSE(error.empty()) << text;
    }
  }
  EXPECT_GT(compiled, 100);  // the generator does reach valid expressions
}

}  // namespace
}  // namespace skolvarin::db
