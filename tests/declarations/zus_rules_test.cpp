// The declaration set of a month: persons from pay records and contracts,
// the reports each person gets, and the DRA sums against figures worked out
// by hand from the month's pay records.
#include <gtest/gtest.h>

#include "declarations/kedu_writer.h"
#include "declarations/zus_set.h"
#include "host/api/rounding.h"
#include "tests/declarations/zus_fixture.h"

using namespace skolvarin;
using namespace skolvarin::declarations;

namespace {

const ZusPerson* find(const ZusSet& set, const std::string& surname) {
  for (const ZusPerson& p : set.persons)
    if (p.surname == surname) return &p;
  return nullptr;
}

TEST(ZusSet, MonthWithThreeEmployeesAndTwoContracts) {
  ZusSources s = zus_test::october_2013();
  ZusBuild built = build_persons(s.employees, s.pays, s.contracts, 10);
  // The work contract without contributions is reported and left out.
  ASSERT_EQ(built.persons.size(), 4u);
  ASSERT_EQ(built.contracts_without_contributions.size(), 1u);
  EXPECT_EQ(built.contracts_without_contributions[0], "Ewa Dąbrowska");
  EXPECT_TRUE(built.mixed_codes.empty());

  ZusSet set = zus_test::october_2013_set();
  const ZusPerson* nowak = find(set, "Nowak");
  const ZusPerson* zielinski = find(set, "Zieliński");
  ASSERT_TRUE(nowak && zielinski);
  // September's pay of Kowalski stays out of October.
  EXPECT_TRUE(same_grosz(find(set, "Kowalski")->perp, 3000.00));
  // Sick pay and sickness benefit become the two RSA rows; the pay
  // component without a ZUS code does not.
  ASSERT_EQ(nowak->benefits.size(), 2u);
  EXPECT_EQ(nowak->benefits[0].code, "331");
  EXPECT_EQ(nowak->benefits[1].days, 15);
  EXPECT_EQ(nowak->benefits[1].ktu, "011000");
  // The contractor: contract amounts in the U columns, identity card.
  EXPECT_TRUE(same_grosz(zielinski->peru, 1000.00));
  EXPECT_TRUE(same_grosz(zielinski->perp, 0));
  EXPECT_EQ(zielinski->id_kind, "1");
  EXPECT_EQ(zielinski->id_number, "ABC123456");
  EXPECT_EQ(zielinski->ktu, "041100");

  EXPECT_EQ(set.header.persons, 4);
  EXPECT_EQ(set.header.rca, 1);  // one document of each kind
  EXPECT_EQ(set.header.rsa, 1);
  EXPECT_EQ(set.header.rza, 0);

  DraSums s2 = dra_sums(set);
  EXPECT_NEAR(s2.fte, 2.5, 1e-9);
  EXPECT_TRUE(same_grosz(s2.pension_insured, 683.20));
  EXPECT_TRUE(same_grosz(s2.disability_insured, 105.00));
  EXPECT_TRUE(same_grosz(s2.pension_payer, 683.20));
  EXPECT_TRUE(same_grosz(s2.disability_payer, 455.00));
  EXPECT_TRUE(same_grosz(s2.sickness_insured, 147.00));
  EXPECT_TRUE(same_grosz(s2.sickness_payer, 0));
  EXPECT_TRUE(same_grosz(s2.accident_payer, 135.10));
  EXPECT_TRUE(same_grosz(s2.health, 599.83));
  EXPECT_TRUE(same_grosz(s2.labour_fund, 171.50));
  EXPECT_TRUE(same_grosz(s2.guaranteed_fund, 7.00));
  EXPECT_TRUE(same_grosz(s2.benefits_sickness, 400.00));  // 313 only: 331 is the payer's own pay

  DraPositions d = dra_positions(s2, 0);
  EXPECT_TRUE(same_grosz(d.iv[37], 2208.50));
  // The declaration equals the persons: 957.00 + 638.00 + 319.00 + 294.50.
  double persons = 0;
  for (const ZusPerson& p : set.persons) persons += social_total(p);
  EXPECT_TRUE(same_grosz(d.iv[37], persons));
  EXPECT_TRUE(same_grosz(d.iv[3], d.iv[1] + d.iv[2]));
  EXPECT_TRUE(same_grosz(d.v[5], 400.00));
  EXPECT_TRUE(same_grosz(d.vi[2], 1808.50));
  EXPECT_TRUE(same_grosz(d.vi[1], 0));
  EXPECT_TRUE(same_grosz(d.vii[5], 599.83));
  // The payer's fee on paid benefits (0.1 %) joins the deductions.
  EXPECT_TRUE(same_grosz(dra_positions(s2, 0.1).v[2], 0.40));
}

TEST(ZusSet, ReportRules) {
  struct Case {
    const char* what;
    std::string ktu, rzt, kuw;
    double perp, peru, pszp, pszu, pszw;
    bool rca_main, health_only, rca_parental, rza_main, rza_parental;
  } cases[] = {
      {"employee", "011000", "", "", 3000, 0, 2588.7, 0, 0, true, false, false, false, false},
      {"employee with health alone", "011000", "", "", 0, 0, 500, 0, 0, true, true, false, false, false},
      {"mandate with health alone", "041100", "", "", 0, 0, 0, 887.4, 0, false, false, false, true, false},
      {"self-employed, report kind N", "057000", "N", "", 0, 0, 500, 0, 0, true, true, false, false, false},
      {"self-employed, other kind", "057000", "", "", 0, 0, 500, 0, 0, false, false, false, true, false},
      {"mandate without bases", "041100", "", "", 0, 0, 0, 0, 0, true, false, false, false, false},
      {"board member 22", "224200", "", "", 0, 2000, 0, 0, 0, true, false, false, false, false},
      {"parental leave", "011000", "", "121100", 0, 0, 0, 0, 400, false, false, true, false, true},
  };
  for (const Case& c : cases) {
    ZusPerson p;
    p.ktu = c.ktu, p.rzt = c.rzt, p.kuw = c.kuw;
    p.perp = c.perp, p.peru = c.peru, p.pszp = c.pszp, p.pszu = c.pszu, p.pszw = c.pszw;
    ZusReports r = reports_of(p);
    EXPECT_EQ(r.rca_main, c.rca_main) << c.what;
    EXPECT_EQ(r.rca_health_only, c.health_only) << c.what;
    EXPECT_EQ(r.rca_parental, c.rca_parental) << c.what;
    EXPECT_EQ(r.rza_main, c.rza_main) << c.what;
    EXPECT_EQ(r.rza_parental, c.rza_parental) << c.what;
  }
}

TEST(ZusSet, SicknessAccidentAndHealthFollowTheCodeLists) {
  ZusSet set;
  ZusPerson self, collaborator;
  self.ktu = "057000", self.kcup = 50, self.kwpp = 20, self.kzup = 100;
  collaborator.ktu = "051100", collaborator.kcup = 30, collaborator.kwpp = 10, collaborator.kzup = 70,
  collaborator.kzuu = 5;
  set.persons = {self, collaborator};
  DraSums s = dra_sums(set);
  EXPECT_TRUE(same_grosz(s.sickness_insured, 50));
  EXPECT_TRUE(same_grosz(s.sickness_payer, 30));
  EXPECT_TRUE(same_grosz(s.accident_insured, 20));
  EXPECT_TRUE(same_grosz(s.accident_payer, 10));
  EXPECT_TRUE(same_grosz(s.health, 100));
  EXPECT_TRUE(same_grosz(s.health_05, 70));  // the contracts' part is not counted for these codes
  EXPECT_TRUE(is_collaborator_code("051100"));
  EXPECT_FALSE(is_collaborator_code("057000"));
}

TEST(ZusSet, DeductionsAboveTheContributionsAreToBeReturned) {
  DraSums s;
  s.pension_insured = 100, s.benefits_sickness = 250, s.kwz = 10;
  DraPositions d = dra_positions(s, 0);
  EXPECT_TRUE(same_grosz(d.vi[1], 160));
  EXPECT_TRUE(same_grosz(d.vi[2], 0));
}

TEST(ZusSet, KeduVersionByPeriod) {
  struct {
    int year, month, number;
    KeduVersion v;
  } cases[] = {
      {2009, 1, 1, KeduVersion::V3},  {2013, 10, 1, KeduVersion::V3},   {2013, 11, 1, KeduVersion::V4},
      {2016, 2, 3, KeduVersion::V4},  {2016, 3, 1, KeduVersion::V4},    {2016, 3, 2, KeduVersion::V4_3},
      {2016, 12, 2, KeduVersion::V4_3}, {2017, 1, 1, KeduVersion::V4_3}, {2018, 12, 1, KeduVersion::V4_3},
      {2019, 1, 1, KeduVersion::V5},  {2025, 6, 2, KeduVersion::V5},
  };
  for (const auto& c : cases)
    EXPECT_EQ(kedu_version(c.year, c.month, c.number), c.v) << c.year << "-" << c.month << " nr " << c.number;
  EXPECT_EQ(kedu_file_name(2017, 3, 1), "ZUS 2017-03_01 pracownicy.xml");
}

}  // namespace

namespace {

TEST(ZusSet, OwnerJoinedAsAPerson) {
  ZusOwnerRow o;
  o.surname = "Właściciel", o.first_name = "Adam", o.pesel = "44051401359", o.ktu = "057000";
  o.wer = 2859.00, o.wch = 2859.00, o.wzd = 3554.93, o.keu = 558.06, o.kru = 228.72, o.kcu = 70.05;
  o.nsp = 319.94, o.kwp = 47.75, o.sfp = 70.05;
  ZusPerson p = owner_person(o);
  EXPECT_EQ(p.id_kind, "P");
  EXPECT_EQ(p.id_number, "44051401359");
  ZusSet set;
  set.persons = {p};
  DraSums s = dra_sums(set);
  // A self-employed person pays sickness and accident himself.
  EXPECT_TRUE(same_grosz(s.sickness_insured, 70.05));
  EXPECT_TRUE(same_grosz(s.accident_insured, 47.75));
  EXPECT_TRUE(same_grosz(s.health, 319.94));
  EXPECT_TRUE(same_grosz(s.labour_fund, 70.05));
  EXPECT_TRUE(reports_of(p).rca_main);
}

}  // namespace
