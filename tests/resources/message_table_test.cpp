// The built-in message table: its binary format, its contents against the
// readable source, and its refusal of damaged tables.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/text/mazovia.h"
#include "resources/module_resources.h"
#include "resources/resource_format.h"

namespace res = skolvarin::resources;

namespace {

std::string read_source(const char* rel) {
  std::ifstream in(std::string(SKOLVARIN_SOURCE_DIR) + "/" + rel, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::uint8_t> built_table() {
  auto span = res::module_resource(res::kMessageTableId);
  return {span.begin(), span.end()};
}

}  // namespace

TEST(Resources, MessageTableHoldsIds1To290AscendingWithItsSize) {
  auto table = built_table();
  ASSERT_GE(table.size(), 2u);
  EXPECT_EQ(table[0] | (table[1] << 8), static_cast<int>(table.size()));
  std::vector<res::Message> messages;
  std::string error;
  ASSERT_TRUE(res::decode_message_table(table, messages, error)) << error;
  ASSERT_EQ(messages.size(), 290u);
  for (size_t i = 0; i < messages.size(); ++i) {
    EXPECT_EQ(messages[i].id, static_cast<int>(i) + 1);
    EXPECT_FALSE(messages[i].text.empty()) << messages[i].id;
  }
}

TEST(Resources, MessageTableRoundTripsThroughBinaryFormat) {
  auto table = built_table();
  std::vector<res::Message> decoded;
  std::string error;
  ASSERT_TRUE(res::decode_message_table(table, decoded, error)) << error;
  std::vector<std::uint8_t> again;
  ASSERT_TRUE(res::encode_message_table(decoded, again, error)) << error;
  EXPECT_EQ(again, table);

  // Every text decodes back from Mazovia to exactly the source's UTF-8.
  std::vector<res::Message> source;
  ASSERT_TRUE(res::parse_message_source(read_source("resources/messages.txt"), source, error)) << error;
  ASSERT_EQ(source.size(), decoded.size());
  for (size_t i = 0; i < source.size(); ++i) {
    EXPECT_EQ(source[i].id, decoded[i].id);
    EXPECT_EQ(skolvarin::text::mazovia_to_utf8(decoded[i].text), source[i].text) << source[i].id;
  }
}

TEST(Resources, TextsKeepTheirBlanksAndPlaceholders) {
  struct Case {
    int id;
    const char* text;
  } cases[] = {
      {1, "Adres zamieszkania pracownika musi być zagraniczny!"},
      {45, " Czy generować raport ZUS ?"},
      {103, "Ewidencja kodów dla deklaracji ZUS"},
      {120, " Korekcja pozycji amortyzacji ! "},
      {129, "Lista płac nr %d, %s %d,  %s"},
      {172, "Różne kody tytu'u ubezpieczenia w pensjach dla liczonego pracownika !"},
      {210, "Wypełnij ilość godzin w m-cu w parametrach płacowych dla roku %d !"},
      {253, "samochód osobowy rejestracja do 31.12.1992"},
      {284, "inny pojazd do 3,5 t, motorower"},
      {288, "Wybierz 'R' lub 'D'"},
      {290, "Dni wolne od pracy"},
  };
  for (const Case& c : cases) {
    auto text = res::module_message(c.id);
    ASSERT_TRUE(text.has_value()) << c.id;
    EXPECT_EQ(skolvarin::text::mazovia_to_utf8(*text), c.text) << c.id;
  }
}

TEST(Resources, PolishLettersAreStoredInMazovia) {
  auto polish = res::module_message(2);  // "Amortyzację już dopisano !"
  ASSERT_TRUE(polish);
  // 'ę' is 0x91 and 'ż' 0xA7 in Mazovia.
  EXPECT_EQ(static_cast<unsigned char>((*polish)[10]), 0x91);
  EXPECT_EQ(static_cast<unsigned char>((*polish)[14]), 0xA7);
}

TEST(Resources, FindMessageAnswersOnlyForStoredIds) {
  auto table = built_table();
  for (int id : {0, 291, 1000, 19999, 20000, 65535})
    EXPECT_FALSE(res::find_message(table, id).has_value()) << id;
  EXPECT_TRUE(res::find_message(table, 1).has_value());
  EXPECT_TRUE(res::find_message(table, 290).has_value());
}

TEST(Resources, DamagedTablesAreRefused) {
  std::vector<res::Message> two{{1, "ab"}, {2, "c"}};
  std::vector<std::uint8_t> good;
  std::string error;
  ASSERT_TRUE(res::encode_message_table(two, good, error));
  ASSERT_EQ(good, (std::vector<std::uint8_t>{11, 0, 1, 0, 'a', 'b', 0, 2, 0, 'c', 0}));

  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"size field too big", {12, 0, 1, 0, 'a', 'b', 0, 2, 0, 'c', 0}},
      {"cut before the last NUL", {10, 0, 1, 0, 'a', 'b', 0, 2, 0, 'c'}},
      {"cut inside an id", {8, 0, 1, 0, 'a', 'b', 0, 2}},
      {"ids not ascending", {11, 0, 2, 0, 'a', 'b', 0, 1, 0, 'c', 0}},
      {"repeated id", {11, 0, 1, 0, 'a', 'b', 0, 1, 0, 'c', 0}},
  };
  std::vector<res::Message> out;
  for (const Case& c : cases) {
    EXPECT_FALSE(res::decode_message_table(c.bytes, out, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
  EXPECT_FALSE(res::find_message(cases[2].bytes, 2).has_value());
}

TEST(Resources, EncoderRefusesWhatTheFormatCannotHold) {
  std::string error;
  std::vector<std::uint8_t> out;
  std::vector<res::Message> unordered{{5, "a"}, {4, "b"}};
  EXPECT_FALSE(res::encode_message_table(unordered, out, error));
  std::vector<res::Message> with_nul{{1, std::string("a\0b", 3)}};
  EXPECT_FALSE(res::encode_message_table(with_nul, out, error));
  std::vector<res::Message> too_big{{1, std::string(70000, 'x')}};
  EXPECT_FALSE(res::encode_message_table(too_big, out, error));
}

TEST(Resources, MessageSourceReadsEscapesAndRefusesBadLines) {
  std::vector<res::Message> out;
  std::string error;
  ASSERT_TRUE(res::parse_message_source("# komentarz\n1\t a\\nb \n2\tc\\\\d\n", out, error)) << error;
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].text, " a\nb ");
  EXPECT_EQ(out[1].text, "c\\d");
  for (const char* bad : {"1 bez tabulatora\n", "x\ttekst\n", "2\ta\n1\tb\n", "1\ta\\t\n", "1\ta\\\n"})
    EXPECT_FALSE(res::parse_message_source(bad, out, error)) << bad;
}
