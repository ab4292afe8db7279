// Rules of the payroll registers as plain values: component codes and their
// switches, the sex a first name gives, the allowances against hand-worked
// figures, the dependent pay fields, the import's checks and the fund's
// totals.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <vector>

#include "host/api/rounding.h"
#include "payroll/component_rules.h"
#include "payroll/employee_rules.h"
#include "payroll/fund_rules.h"
#include "payroll/component_catalogue.h"
#include "payroll/standard_components.h"

#include <map>

namespace skolvarin::payroll {
namespace {

TEST(PayComponentRules, CodesAndTheSwitchesTheyBring) {
  EXPECT_EQ(component_code_error("X123"), kMsgBadComponentType);
  EXPECT_EQ(component_code_error(""), kMsgBadComponentType);
  for (const char* ok : {"D11", "S313", "P900", "N111", "d12"}) EXPECT_EQ(component_code_error(ok), 0) << ok;
  ComponentSwitches set{"N", "N", "T", "N", "N"};
  ComponentSwitches absence = switches_after_code("N111", set);
  EXPECT_EQ(absence.pod + absence.zus + absence.obn + absence.sre, "");
  EXPECT_EQ(absence.usu, "T");
  // A code whose switches are set keeps them; a blank one gets T, T, N, T.
  ComponentSwitches kept = switches_after_code("D11", set);
  EXPECT_EQ(kept.pod + kept.zus + kept.obn + kept.sre + kept.usu, "NNTNT");
  ComponentSwitches filled = switches_after_code("S313", ComponentSwitches{});
  EXPECT_EQ(filled.pod + filled.zus + filled.obn + filled.sre + filled.usu, "TTNTT");
}

TEST(EmployeeRules, SexFromTheLastLetterOfTheFirstName) {
  struct Case { const char* name; char sex; };
  for (Case c : {Case{"Anna", 'K'}, Case{"KUBA", 'K'}, Case{"", 'K'}, Case{"Jan", 'M'}, Case{"Zofia ", 'K'},
                 Case{"Michał", 'M'}})
    EXPECT_EQ(sex_from_first_name(c.name), c.sex) << c.name;
  EXPECT_EQ(normalized_sex("m"), 'M');
  EXPECT_EQ(normalized_sex("X"), 'K');
}

TEST(EmployeeRules, FamilyAndNursingAllowances) {
  PayrollParameters p;  // 48.00, 64.00, 68.00 and 153.00
  struct Case { int persons; double amount; };
  // 5 persons: 2 x 48 + 64 + 2 x 68 = 296.
  for (Case c : {Case{0, 0}, Case{1, 48}, Case{2, 96}, Case{3, 160}, Case{4, 228}, Case{5, 296}})
    EXPECT_TRUE(same_grosz(family_allowance(c.persons, p), c.amount)) << c.persons;
  EXPECT_TRUE(same_grosz(nursing_allowance(2, p), 306));
}

TEST(EmployeeRules, DependentPayFields) {
  PayFieldsEnabled hourly = pay_fields_enabled('T', 'T', 'N', 'N');
  EXPECT_TRUE(hourly.hourly_rate);
  EXPECT_FALSE(hourly.base_pay);
  EXPECT_TRUE(hourly.fp_exemption_date);
  EXPECT_FALSE(hourly.fgsp_exemption_date);
  PayFieldsEnabled minimum = pay_fields_enabled('N', 'N', 'T', 'T');
  EXPECT_FALSE(minimum.base_pay);
  EXPECT_FALSE(minimum.hourly_rate);
  EXPECT_FALSE(minimum.fp_exemption_date);
  EXPECT_TRUE(pay_fields_enabled('N', 'T', 'T', 'N').base_pay);
}

TEST(EmployeeRules, FieldChecksFollowTheirSwitches) {
  IdentifierSwitches on{true, true}, off{false, false};
  EXPECT_EQ(check_employee_field(EmployeeField::Pesel, "44051401358", on).message, 20092);
  EXPECT_TRUE(check_employee_field(EmployeeField::Pesel, "44051401358", off).ok());
  EXPECT_TRUE(check_employee_field(EmployeeField::Pesel, "44051401359", on).ok());
  EXPECT_EQ(check_employee_field(EmployeeField::Pesel, "4405140135", on).message, 20091);
  EXPECT_TRUE(check_employee_field(EmployeeField::Nip, "DE123456789", on).ok());  // foreign: unchecked
  EXPECT_EQ(check_employee_field(EmployeeField::Nip, "PL1234567890", on).message, 20090);
  EXPECT_FALSE(check_employee_field(EmployeeField::WorkTime, "3/2", on).ok());
  EXPECT_TRUE(check_employee_field(EmployeeField::WorkTime, "1/2", on).ok());
  EXPECT_FALSE(check_employee_field(EmployeeField::InsuranceTitle, "0110", on).ok());
  EXPECT_FALSE(check_employee_field(EmployeeField::Surname, "  ", on).ok());
  // With the checks off a wrong number is kept, but marked.
  EXPECT_EQ(identifier_mark(EmployeeField::Pesel, "44051401358"), "Błędny PESEL - sprawdź numer");
  EXPECT_EQ(identifier_mark(EmployeeField::Pesel, "44051401359"), "");
  EXPECT_EQ(identifier_mark(EmployeeField::Pesel, "           "), "");
  EXPECT_EQ(identifier_mark(EmployeeField::Nip, "PL1234567890"), "Błędny NIP - sprawdź numer");
}

TEST(EmployeeRules, ImportRowIsCheckedAndConverted) {
  EmployeeInput in;
  in.surname = "Nowak";
  in.first_name = "Anna";
  in.pesel = "44051401359";
  in.hired = "2026-03-01";
  in.tax_office = "1471";
  in.title_code = "011000";
  in.pay_kind = "G";
  in.pay = "31,50";
  in.work_time = "1/2";
  EmployeeRecordValues v;
  auto known = [](int code) { return code == 1471; };
  EXPECT_TRUE(check_employee_input(in, {true, true}, known, v).empty());
  EXPECT_EQ(v.hired, "20260301");
  EXPECT_TRUE(v.hourly);
  EXPECT_TRUE(same_grosz(v.pay, 31.50));
  EXPECT_EQ(v.wy2, 2);
  EXPECT_EQ(v.sex, 'K');
  in.tax_office = "9999";
  in.hired = "31-02-2026";
  in.pesel = "44051401358";
  auto problems = check_employee_input(in, {true, true}, known, v);
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_NE(problems[0].find("pesel"), std::string::npos);
}

TEST(SocialFundTotals, TypeDecidesWhichAmountCounts) {
  std::vector<FundEntry> all = {{1, 1000.10, 5}, {1, 250.25, 0}, {2, 7, 300.00}, {2, 0, 120.40}};
  FundTotals t = fund_totals(all);
  EXPECT_EQ(t.count_in, 2);
  EXPECT_EQ(t.count_out, 2);
  EXPECT_TRUE(same_grosz(t.sum_in, 1250.35));
  EXPECT_TRUE(same_grosz(t.sum_out, 420.40));
  EXPECT_TRUE(same_grosz(t.balance(), 829.95));
  std::vector<FundEntry> out_only = {{2, 0, 300.00}, {2, 0, 120.40}};
  FundTotals o = fund_totals(out_only);
  EXPECT_EQ(o.count_in, 0);
  EXPECT_TRUE(same_grosz(o.balance(), -420.40));
}

}  // namespace
}  // namespace skolvarin::payroll

namespace skolvarin::payroll {
namespace {

TEST(StandardComponents, EveryCatalogueCodeOnceWithANameAndItsSwitches) {
  std::map<std::string, int> seen;
  for (const auto& c : standard_components()) {
    ++seen[std::string(c.code)];
    EXPECT_FALSE(c.name1.empty()) << c.code;
    EXPECT_LE(c.name1.size(), 35u * 2) << c.code;  // 35 characters, Polish letters take two bytes
    EXPECT_TRUE(c.zus.empty() || c.zus == c.code.substr(1)) << c.code;
  }
  size_t expected = 0;
  for (auto list : {component_catalogue(), absence_catalogue()})
    for (std::string_view code : list) {
      ++expected;
      EXPECT_EQ(seen[std::string(code)], 1) << code;
    }
  EXPECT_EQ(seen.size(), expected);
  EXPECT_EQ(expected, 89u + 25u);
  // Absences carry no switches; family allowance untaxed; base pay full.
  EXPECT_STREQ(standard_switches("N313").pod, "");
  EXPECT_STREQ(standard_switches("S500").pod, "N");
  ComponentSwitchSet base = standard_switches("D11");
  EXPECT_EQ(std::string(base.pod) + base.zus + base.obn + base.sre + base.usu, "TTNTT");
  ComponentSwitchSet sick = standard_switches("S313");
  EXPECT_EQ(std::string(sick.pod) + sick.zus, "TN");
}

}  // namespace
}  // namespace skolvarin::payroll

namespace skolvarin::payroll {
namespace {

// Every benefit, absence and deduction with a listed ZUS code is named as
// the code list names it.
TEST(StandardComponents, ZusCodedComponentsCarryTheCodeListNames) {
  std::ifstream in(std::string(SKOLVARIN_SOURCE_DIR) + "/data/reference/kody_swiadczen_przerw.csv");
  ASSERT_TRUE(in.good());
  std::string line;
  std::getline(in, line);
  int rows = 0, checked = 0;
  while (std::getline(in, line)) {
    std::vector<std::string> f(1);
    for (char c : line) {
      if (c == ',') f.emplace_back();
      else f.back() += c;
    }
    ASSERT_GE(f.size(), 4u) << line;
    ++rows;
    for (const auto& c : standard_components()) {
      if (c.zus != f[0] || c.code == "P140") continue;
      SCOPED_TRACE(std::string(c.code));
      ++checked;
      if (c.code[0] == 'P') {
        EXPECT_EQ(c.name1, "potrącenie za okres:");
        EXPECT_EQ(c.name2, f[3]);
      } else {
        EXPECT_EQ(c.name1, f[1]);
        EXPECT_EQ(c.name2, f[2]);
      }
    }
  }
  EXPECT_EQ(rows, 43);
  EXPECT_EQ(checked, 79);  // every S, N and P component with one of these codes
}

}  // namespace
}  // namespace skolvarin::payroll
