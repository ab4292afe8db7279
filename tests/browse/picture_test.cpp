// Edit pictures and the line editor: what each picture shows for a stored
// value, which keys it takes, and what goes back into the field.
#include <gtest/gtest.h>

#include "host/text/utf8.h"
#include "host/api/screen_api.h"
#include "host/browse/edit_line.h"
#include "host/browse/picture.h"
#include "host/print/page_template.h"

namespace {

using skolvarin::browse::EditLine;
using skolvarin::browse::Picture;
using skolvarin::text::utf8_encode;
using skolvarin::text::utf8_decode;
namespace k = skolvarin::keys;

struct ShowCase {
  const char* picture;
  char type;
  int width, decimals;
  const char* stored;
  const char* shown;
};

TEST(Picture, ShowsStoredValues) {
  const ShowCase cases[] = {
      {"DD-MM/YY", 'D', 8, 0, "20240517", "17-05/24"},
      {"DD-MM-CCYY", 'D', 8, 0, "19991231", "31-12-1999"},
      {"DD-MM/YY", 'D', 8, 0, "        ", "  -  /  "},
      {"99999.99", 'N', 10, 2, "   1234.50", " 1234.50"},
      {"", 'N', 10, 2, "     -3.10", "     -3.10"},
      {"999-9999", 'C', 8, 0, "123-4567", "123-4567"},
      {"999-9999", 'C', 8, 0, "1234567", "123-4567"},
      {"99-999", 'C', 6, 0, "00-950", "00-950"},
      {"9999999999", 'N', 10, 0, "      1234", "      1234"},
      {"", 'C', 5, 0, "Łódź", "Łódź "},
  };
  for (const auto& c : cases) {
    Picture p(c.picture, c.type, c.width, c.decimals);
    EXPECT_EQ(utf8_encode(p.shown(c.stored)), c.shown) << c.picture << " " << c.stored;
  }
}

struct ParseCase {
  const char* picture;
  char type;
  int width, decimals;
  const char* edit;
  bool ok;
  const char* stored;
};

TEST(Picture, ParsesEditsBackOrRefusesThem) {
  const ParseCase cases[] = {
      {"DD-MM/YY", 'D', 8, 0, "29-02/24", true, "20240229"},
      {"DD-MM/YY", 'D', 8, 0, "29-02/23", false, ""},      // no such day
      {"DD-MM/YY", 'D', 8, 0, "01-01/85", true, "19850101"},  // 85 is 1985
      {"DD-MM-CCYY", 'D', 8, 0, "31-04-2024", false, ""},
      {"DD-MM-CCYY", 'D', 8, 0, "  -  -    ", true, "        "},
      {"99999.99", 'N', 10, 2, "  12,5  ", true, "12.5"},
      {"99999.99", 'N', 10, 2, "1.234   ", false, ""},      // three decimals
      {"99999.99", 'N', 10, 2, "1-2     ", false, ""},
      {"999-9999", 'C', 8, 0, "   -    ", true, ""},         // only literals: empty
      {"999-9999", 'C', 8, 0, "501-0001", true, "501-0001"},
  };
  for (const auto& c : cases) {
    Picture p(c.picture, c.type, c.width, c.decimals);
    std::string stored, error;
    bool ok = p.parse(utf8_decode(c.edit), stored, error);
    EXPECT_EQ(ok, c.ok) << c.picture << " '" << c.edit << "'";
    if (ok) EXPECT_EQ(stored, c.stored) << c.picture << " '" << c.edit << "'";
    else EXPECT_FALSE(error.empty());
  }
}

std::string typed(const char* picture, char type, int width, const std::vector<int>& keys, bool upper = false) {
  Picture p(picture, type, width, 2);
  EditLine line(p, p.blank(), upper, false);
  for (int key : keys) line.key(key);
  return line.utf8();
}

TEST(Picture, KeysFollowThePicture) {
  // Digits only: letters are refused, literals are jumped over.
  EXPECT_EQ(typed("999-9999", 'C', 8, {'1', 'a', '2', '3', '4', '5', '6', '7'}), "123-4567");
  EXPECT_EQ(typed("99-999", 'C', 6, {'0', '0', '9', '5', '0'}), "00-950");
  // A date types straight through its separators.
  EXPECT_EQ(typed("DD-MM/YY", 'D', 8, {'1', '7', '0', '5', '2', '4'}), "17-05/24");
  // ',' becomes the decimal point of a number.
  EXPECT_EQ(typed("99999.99", 'N', 10, {'1', '2', ',', '5'}), "12.5    ");
  // Upper case of Polish letters in an upper-case field.
  EXPECT_EQ(typed("", 'C', 6, {0x142, 0xF3, 'd', 0x17A}, true), "ŁÓDŹ  ");
  // Backspace in a mask blanks the position before the cursor.
  EXPECT_EQ(typed("999-9999", 'C', 8, {'1', '2', '3', '4', k::Backspace, k::Backspace}), "12 -    ");
  // A full field refuses further characters.
  EXPECT_EQ(typed("", 'C', 3, {'A', 'B', 'C', 'D'}), "ABC");
}

TEST(Picture, ReplaceFirstClearsTheOldValue) {
  Picture p("", 'C', 6, 0);
  EditLine line(p, utf8_decode("STARY "), false, true);
  line.key('N');
  line.key('O');
  EXPECT_EQ(line.utf8(), "NO    ");
  EXPECT_TRUE(line.changed());
}

}  // namespace
