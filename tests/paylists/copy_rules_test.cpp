// Copying a list to a new month: the target proposed when the source month
// is left, the checks of the window in their order, and which components
// travel with the copy.
#include <gtest/gtest.h>

#include "payroll/list_rules.h"

using namespace skolvarin::payroll;

TEST(CopyLists, DecemberProposesJanuaryOfTheNextYearOtherMonthsTheNextMonth) {
  CopyRequest dec{2016, 12, 1};
  propose_copy_target(dec);
  EXPECT_EQ(dec.to_year, 2017);
  EXPECT_EQ(dec.to_month, 1);
  EXPECT_EQ(dec.to_list, 1);
  CopyRequest may{2017, 5, 0};
  propose_copy_target(may);
  EXPECT_EQ(may.to_year, 2017);
  EXPECT_EQ(may.to_month, 6);
  EXPECT_EQ(may.to_list, 1);  // all lists of a month go to list 1 unless told
}

TEST(CopyLists, ChecksInTheirOrder) {
  struct Case {
    CopyRequest r;
    bool source, target;
    int message;
    std::string text;
  };
  const Case cases[] = {
      {{2016, 12, 1, 2017, 1, 1}, true, false, 0, ""},
      {{2016, 13, 1, 2017, 1, 1}, true, false, 50137, ""},
      {{2016, 12, 1, 2017, 1, 1}, false, false, 0, "Brak listy do skopiowania !"},
      {{2016, 12, 1, 2018, 1, 1}, true, false, 0, "Zły rok !"},
      {{2016, 11, 1, 2015, 12, 1}, true, false, 0, "Zły rok !"},
      {{2016, 5, 1, 2016, 5, 2}, true, false, 50137, ""},   // same year, not later
      {{2016, 5, 1, 2016, 4, 1}, true, false, 50137, ""},
      {{2016, 5, 1, 2017, 4, 1}, true, false, 0, ""},       // the next year may take an earlier month
      {{2016, 5, 1, 2016, 6, 1}, true, true, 0, "Lista o podanym numerze już istnieje !"},
  };
  for (const Case& c : cases) {
    const CopyProblem p = check_copy(c.r, c.source, c.target);
    EXPECT_EQ(p.message, c.message) << c.r.from_month << " -> " << c.r.to_year << "-" << c.r.to_month;
    EXPECT_EQ(p.text, c.text) << c.r.from_month << " -> " << c.r.to_year << "-" << c.r.to_month;
  }
}

TEST(CopyLists, ComponentsCopiedByCodeOrFixedAndRunningBenefitsOnly) {
  auto comp = [](const char* code, char sta, skolvarin::Date ddo) {
    PayComponent c;
    c.KGS = code;
    c.STA = sta;
    c.DDO = ddo;
    return c;
  };
  const skolvarin::Date month_end{2016, 12, 31}, mid{2016, 12, 15};
  EXPECT_TRUE(copied_component(comp("D11", 'N', month_end)));
  EXPECT_TRUE(copied_component(comp("P903", 'N', month_end)));
  EXPECT_TRUE(copied_component(comp("D100", 'T', month_end)));   // fixed
  EXPECT_FALSE(copied_component(comp("D100", 'N', month_end)));
  EXPECT_FALSE(copied_component(comp("S331", 'N', month_end)));  // sick pay is not carried
  EXPECT_TRUE(copied_component(comp("S311", 'N', month_end)));
  EXPECT_FALSE(copied_component(comp("S311", 'N', mid)));        // ended inside its month
  EXPECT_FALSE(copied_component(comp("P121", 'T', mid)));
  EXPECT_TRUE(copied_component(comp("D11", 'N', mid)));          // only the running benefits end
}
