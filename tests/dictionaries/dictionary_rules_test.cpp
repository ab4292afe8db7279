// Field rules of the dictionaries, case by case.  Valid and invalid NIPs and
// PESELs were checked with python-stdnum beforehand.
#include <gtest/gtest.h>

#include "dictionaries/dictionary_rules.h"

namespace d = skolvarin::dictionaries;

TEST(DictionaryRules, ContractorTaxNumberSetsTheVatFlag) {
  struct Case {
    const char* text;
    bool nip_on, pesel_on;
    char czv;
    int warning;
  } cases[] = {
      {"5260250274", true, true, 'T', 0},       // valid NIP
      {"PL5260250274", true, true, 'T', 0},     // with the country prefix
      {"526-025-02-74", true, true, 'T', 0},    // with dashes
      {"5260250275", true, true, 0, 20153},     // wrong check digit, not a PESEL
      {"44051401359", true, true, 'N', 0},      // a PESEL, not a NIP
      {"44051401358", true, true, 0, 20153},    // neither
      {"44051401358", true, false, 'N', 0},     // PESEL check off: passes as PESEL
      {"5260250275", false, true, 'T', 0},      // NIP check off: every NIP valid
      {"1234", true, true, 'N', 0},             // shorter than 5
      {"   12  ", true, true, 'N', 0},          // trimmed first
      {"", true, true, 'N', 0},
      {"DE123456789", true, true, 0, 0},        // foreign number: not tested
      {"ABCDEFG", true, true, 0, 0},
  };
  for (const Case& c : cases) {
    d::NipFieldVerdict v = d::nip_field_verdict(c.text, c.nip_on, c.pesel_on);
    EXPECT_EQ(v.czv, c.czv) << c.text;
    EXPECT_EQ(v.warning, c.warning) << c.text;
  }
}

TEST(DictionaryRules, RepairBeforeEditFillsBlanksAndFollowsTheNip) {
  d::ContractorFlags blank{0, ' ', ' ', 0, ' '};
  d::ContractorFlags r = d::repair_before_edit(blank, "5260250274", true);
  EXPECT_EQ(r.tyc, 'A');
  EXPECT_EQ(r.tko, 1);
  EXPECT_EQ(r.czv, 'T');
  EXPECT_EQ(r.typ, 0);  // the type is not repaired
  r = d::repair_before_edit({3, 'A', 'T', 4, 'C'}, "5260250275", true);
  EXPECT_EQ(r.czv, 'N');
  EXPECT_EQ(r.tko, 4);
  EXPECT_EQ(r.tyc, 'C');
  r = d::repair_before_edit({3, 'A', 'T', -2, 'B'}, "5260250275", false);
  EXPECT_EQ(r.czv, 'T');  // check off: a bad NIP is not noticed
  EXPECT_EQ(r.tko, 1);
}

TEST(DictionaryRules, NewContractorStartValues) {
  d::ContractorFlags f = d::new_contractor_flags();
  EXPECT_EQ(f.typ, 3);
  EXPECT_EQ(f.sta, 'A');
  EXPECT_EQ(f.czv, 'T');
  EXPECT_EQ(f.tko, 1);
  EXPECT_EQ(f.tyc, 'A');
}

TEST(DictionaryRules, TogglesAreTheirOwnInverse) {
  EXPECT_EQ(d::toggle_mark(' '), '*');
  EXPECT_EQ(d::toggle_mark('*'), ' ');
  EXPECT_EQ(d::toggle_status('A'), 'N');
  EXPECT_EQ(d::toggle_status('N'), 'A');
  EXPECT_EQ(d::toggle_vat('T'), 'N');
  EXPECT_EQ(d::toggle_vat(' '), 'N');  // empty counts as T
  EXPECT_EQ(d::toggle_vat('N'), 'T');
  for (char c : {' ', '*'}) EXPECT_EQ(d::toggle_mark(d::toggle_mark(c)), c);
}

TEST(DictionaryRules, ChoicesAndFilters) {
  EXPECT_EQ(d::tyc_from_key('b'), 'B');
  EXPECT_EQ(d::tyc_from_key('C'), 'C');
  EXPECT_EQ(d::tyc_from_key('d'), 0);
  EXPECT_EQ(d::tyc_from_key('1'), 0);
  EXPECT_TRUE(d::vat_filter_matches('T', ' '));
  EXPECT_TRUE(d::vat_filter_matches('T', 'T'));
  EXPECT_FALSE(d::vat_filter_matches('T', 'N'));
  EXPECT_FALSE(d::vat_filter_matches('N', ' '));
  EXPECT_TRUE(d::vat_filter_matches('N', 'N'));
  EXPECT_STREQ(d::contractor_type_name(3), "3. DOST/NAB");
  EXPECT_STREQ(d::contractor_type_name(0), "           ");
  EXPECT_STREQ(d::contractor_type_name(9), "           ");
  EXPECT_STREQ(d::expense_type_name(6), "6. ZAKUP PRODUK. ");
  EXPECT_EQ(d::next_own_number(0), 1);
  EXPECT_EQ(d::next_own_number(415), 416);
}

TEST(DictionaryRules, CurrencyCodes) {
  EXPECT_TRUE(d::letters_only("EUR"));
  EXPECT_TRUE(d::letters_only("US "));
  EXPECT_TRUE(d::letters_only(""));
  EXPECT_FALSE(d::letters_only("EU1"));
  EXPECT_FALSE(d::letters_only("eur"));
  EXPECT_FALSE(d::letters_only("E-R"));
  EXPECT_EQ(d::classify_currency("   "), d::CurrencyCheck::Empty);
  EXPECT_EQ(d::classify_currency("PLN"), d::CurrencyCheck::AcceptedAtOnce);
  EXPECT_EQ(d::classify_currency("EUR"), d::CurrencyCheck::NeedsLookup);
  EXPECT_EQ(d::classify_currency("PL "), d::CurrencyCheck::NeedsLookup);
}

TEST(DictionaryRules, SearchTextIsUpperCaseAndCut) {
  EXPECT_EQ(d::search_text("kowalski", 35), "KOWALSKI");
  EXPECT_EQ(d::search_text("żółć", 35), "ŻÓŁĆ");
  EXPECT_EQ(d::search_text("łódź sp", 3), "ŁÓD");
}
