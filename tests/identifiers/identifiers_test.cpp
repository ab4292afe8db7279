#include "dictionaries/identifiers.h"

#include <gtest/gtest.h>

namespace skolvarin::dictionaries {
namespace {

struct Case {
  const char* text;
  bool valid;
  int warning;
};

// 526-104-08-28: 6·5+5·2+7·6+2·1+3·0+4·4+5·0+6·8+7·2 = 162, 162 mod 11 = 8.
TEST(Identifiers, NipCheck) {
  const Case cases[] = {
      {"5261040828", true, 0},
      {"526-104-08-28", true, 0},
      {"526 104 08 28", true, 0},
      {"PL5261040828", true, 0},
      {"PL 526-104-08-28", true, 0},
      {"5261040828   ", true, 0},          // blank-padded field
      {"5261040829", false, kWarnNipInvalid},
      {"PL5261040827", false, kWarnNipInvalid},
      {"526104082", false, kWarnNipLength},
      {"52610408280", false, kWarnNipLength},
      {"PL", false, kWarnNipLength},
      {"526/104/08/28", false, kWarnNipInvalid},
      {"52610408X8", false, kWarnNipInvalid},
      {"", true, 0},
      {"          ", true, 0},
      {"DE123456789", true, 0},            // foreign number: not tested
      {"PA1234", true, 0},                 // 'P' without 'L': not tested
      {"abc", true, 0},
      // 1000000000: weighted sum 6, check digit must be 6.
      {"1000000006", true, 0},
      // 0000000190: 6·1+7·9 = 69, 69 mod 11 = 3.
      {"0000000193", true, 0},
  };
  for (const Case& c : cases) {
    IdentifierCheck r = check_nip(c.text);
    EXPECT_EQ(r.valid, c.valid) << '"' << c.text << '"';
    EXPECT_EQ(r.warning, c.warning) << '"' << c.text << '"';
  }
}

TEST(Identifiers, NipWhoseSumGivesTenIsNeverValid) {
  // 0,0,0,0,0,0,0,0,3: 7·3 = 21, 21 mod 11 = 10: no check digit fits.
  for (char last = '0'; last <= '9'; ++last) {
    std::string nip = std::string("000000003") + last;
    EXPECT_FALSE(check_nip(nip).valid) << nip;
  }
}

TEST(Identifiers, ChecksSwitchedOffAcceptEverything) {
  EXPECT_TRUE(check_nip("5261040829", false).valid);
  EXPECT_TRUE(check_nip("xyz-!!", false).valid);
  EXPECT_TRUE(check_pesel("12345", false).valid);
  EXPECT_TRUE(check_pesel("abc", false).valid);
}

// 44051401359: 4+12+0+45+1+12+0+9+3+15 = 101, c = 10 - 1 = 9 = d11.
TEST(Identifiers, PeselCheck) {
  const Case cases[] = {
      {"44051401359", true, 0},
      {"44051401358", false, kWarnPeselInvalid},
      {"4405140135", false, kWarnPeselLength},
      {"440514013590", false, kWarnPeselLength},
      {"44051 401359", true, 0},
      {"44051-401359", false, kWarnPeselInvalid},
      {"4405140135A", false, kWarnPeselInvalid},
      {"", true, 0},
      {"           ", true, 0},
      // Birth date not checked: month 13 passes when the check digit fits.
      // 0,2,1,3,0,1,0,0,0,0: 0+6+7+27+0+3 = 43 → c = 7.
      {"02130100007", true, 0},
  };
  for (const Case& c : cases) {
    IdentifierCheck r = check_pesel(c.text);
    EXPECT_EQ(r.valid, c.valid) << '"' << c.text << '"';
    EXPECT_EQ(r.warning, c.warning) << '"' << c.text << '"';
  }
}

TEST(Identifiers, PeselWhoseSumEndsInZeroNeedsLastDigitZero) {
  // 1,0,0,1,0,0,0,0,0,0: 1 + 9 = 10, s mod 10 = 0, c = 10.
  EXPECT_TRUE(check_pesel("10010000000").valid);
  for (char last = '1'; last <= '9'; ++last) {
    std::string p = std::string("1001000000") + last;
    EXPECT_FALSE(check_pesel(p).valid) << p;
  }
}

TEST(Identifiers, ContractorVatFlagFollowsTheTaxNumber) {
  EXPECT_EQ(contractor_vat_flag("526-104-08-28", true, true), 'T');
  EXPECT_EQ(contractor_vat_flag("PL5261040828", true, true), 'T');
  EXPECT_EQ(contractor_vat_flag("44051401359", true, true), 'N');   // a PESEL
  EXPECT_EQ(contractor_vat_flag("1234", true, true), 'N');          // too short
  EXPECT_EQ(contractor_vat_flag("5261040829", true, true), 0);      // neither: warning 20153
  EXPECT_EQ(contractor_vat_flag("ATU12345678", true, true), 0);     // foreign: left as typed
  EXPECT_EQ(contractor_vat_flag("5261040829", false, true), 'T');   // NIP check off
}

}  // namespace
}  // namespace skolvarin::dictionaries
