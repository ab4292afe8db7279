#include <gtest/gtest.h>

#include "host/api/identifiers.h"

namespace skolvarin {
namespace {

struct Case {
  const char* text;
  bool valid;
};

// Published example numbers (the ZUS office's NIP, the IBAN example of the
// Polish account standard) and numbers whose check digit was worked out by
// hand; each invalid one differs from a valid one in one digit.
TEST(Identifiers, EachCheckAcceptsGoodAndRefusesOneDigitOff) {
  for (Case c : {Case{"5260250274", true}, {"PL 526-025-02-74", true}, {"5260250275", false}, {"526025027", false},
                 {"52602502AB", false}})
    EXPECT_EQ(nip_valid(c.text), c.valid) << c.text;
  for (Case c : {Case{"123456785", true}, {"123456786", false}, {"12345678512347", true},
                 {"12345678512348", false}, {"12345678", false}})
    EXPECT_EQ(regon_valid(c.text), c.valid) << c.text;
  for (Case c : {Case{"44051401359", true}, {"44051401358", false}, {"4405140135", false}})
    EXPECT_EQ(pesel_valid(c.text), c.valid) << c.text;
  for (Case c : {Case{"PL61 1090 1014 0000 0712 1981 2874", true}, {"61109010140000071219812874", true},
                 {"61109010140000071219812875", false}, {"6110901014000007121981287", false}})
    EXPECT_EQ(nrb_valid(c.text), c.valid) << c.text;
}

TEST(Identifiers, ProblemsNameWhatIsWrongAndIgnoreBlank) {
  EXPECT_EQ(nip_problem(""), "");
  EXPECT_EQ(nip_problem("5260250274"), "");
  EXPECT_EQ(nip_problem("123"), "NIP musi mieć 10 cyfr");
  EXPECT_EQ(nip_problem("5260250275"), "błędna cyfra kontrolna NIP");
  EXPECT_EQ(regon_problem("1234567"), "REGON musi mieć 9 lub 14 cyfr");
  EXPECT_EQ(pesel_problem("4405x401359"), "PESEL może zawierać tylko cyfry");
  EXPECT_EQ(nrb_problem("61109010140000071219812875"), "błędna cyfra kontrolna numeru rachunku");
}

}  // namespace
}  // namespace skolvarin
