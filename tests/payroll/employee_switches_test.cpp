// An employee's law switches in a month: the birth date a PESEL carries,
// the age and the 26th birthday, what a switch means under the law of the
// month, and the combinations the switch window refuses.
#include "payroll/employee_switches.h"

#include <gtest/gtest.h>

namespace skolvarin::payroll {
namespace {

TEST(EmployeeSwitches, PeselCarriesTheCenturyInTheMonth) {
  struct Row {
    const char* pesel;
    int year, month, day;  // 0: no date
  } rows[] = {
      {"85031212346", 1985, 3, 12},  // 1900s: month as it is
      {"02251512343", 2002, 5, 15},  // 2000s: month + 20
      {"00410112345", 2100, 1, 1},   // 2100s: month + 40
      {"10721212345", 2210, 12, 12}, // 2200s: month + 60
      {"99921212345", 1899, 12, 12}, // 1800s: month + 80
      {" 85031212346 ", 1985, 3, 12},
      {"00222912345", 2000, 2, 29},  // 2000 is a leap year
      {"01222912345", 0, 0, 0},      // 2001 is not
      {"85131212346", 0, 0, 0},      // month 13 is no century
      {"8503121234", 0, 0, 0},       // ten digits
      {"85O31212346", 0, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.pesel);
    const auto d = birth_date_from_pesel(r.pesel);
    if (r.year == 0) {
      EXPECT_FALSE(d.has_value());
    } else {
      ASSERT_TRUE(d.has_value());
      EXPECT_EQ(*d, (Date{r.year, r.month, r.day}));
    }
  }
  // The typed birth date goes before the PESEL's.
  PersonForLaw p;
  p.pesel = "85031212346";
  p.birth = {1986, 4, 1};
  EXPECT_EQ(*birth_date_of(p), (Date{1986, 4, 1}));
}

TEST(EmployeeSwitches, YouthReliefUpToAndIncludingThe26thBirthday) {
  PersonForLaw young;
  young.pesel = "00251512345";  // 15 May 2000: 26 on 15 May 2026
  const LawSwitches none;
  struct Row {
    Date on;
    char exemption;
    int age;
  } rows[] = {
      {{2026, 4, 30}, 'M', 25}, {{2026, 5, 14}, 'M', 25}, {{2026, 5, 15}, 'M', 26},
      {{2026, 5, 16}, ' ', 26}, {{2026, 6, 10}, ' ', 26},
      {{2019, 7, 31}, ' ', 19},  // before August 2019 there is no youth relief
      {{2019, 8, 1}, 'M', 19},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(to_iso(r.on));
    const EmployeeLaw e = employee_law(none, young, r.on);
    EXPECT_EQ(e.exemption, r.exemption);
    EXPECT_EQ(e.age, r.age);
  }
  LawSwitches waived;
  waived.youth_waived = true;
  EXPECT_EQ(employee_law(waived, young, {2026, 4, 30}).exemption, ' ');
  // Born on 29 February: 26 on 28 February of a common year.
  PersonForLaw leap;
  leap.birth = {2000, 2, 29};
  EXPECT_EQ(employee_law(none, leap, {2026, 2, 28}).age, 26);
  EXPECT_EQ(employee_law(none, leap, {2026, 2, 28}).exemption, 'M');
  EXPECT_EQ(employee_law(none, leap, {2026, 3, 1}).exemption, ' ');
  EXPECT_EQ(employee_law(none, leap, {2026, 2, 27}).age, 25);
  // No birth date at all: no youth relief, age unknown.
  const EmployeeLaw unknown = employee_law(none, PersonForLaw{}, {2026, 3, 1});
  EXPECT_EQ(unknown.exemption, ' ');
  EXPECT_EQ(unknown.age, -1);
}

TEST(EmployeeSwitches, SwitchesFollowTheLawOfTheMonth) {
  PersonForLaw p;
  p.pesel = "60031212346";
  p.sex = 'M';
  p.pit2 = 'T';
  p.raised_costs = 'T';
  LawSwitches s;
  s.ppk = true;
  s.ppk_from = {2024, 3, 1};
  s.ppk_to = {2026, 7, 1};
  s.ppk_employer_extra = 1;
  s.exemption = 'S';
  s.pit2_payers = 2;
  struct Row {
    Date on;
    bool ppk;
    char exemption;
  } rows[] = {
      {{2021, 12, 31}, false, ' '},  // before PPK membership; no senior relief before 2022
      {{2024, 2, 29}, false, 'S'},
      {{2024, 3, 1}, true, 'S'},
      {{2026, 6, 30}, true, 'S'},
      {{2026, 7, 1}, false, 'S'},  // resigned from 1 July
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(to_iso(r.on));
    const EmployeeLaw e = employee_law(s, p, r.on);
    EXPECT_EQ(e.ppk, r.ppk);
    EXPECT_DOUBLE_EQ(e.ppk_employer_extra, r.ppk ? 1.0 : 0.0);
    EXPECT_EQ(e.exemption, r.exemption);
    EXPECT_TRUE(e.raised_costs);
    EXPECT_EQ(e.pit2_payers, 2);
  }
  // PPK before July 2019 is not in force, whatever the switch says.
  s.ppk_from = {};
  EXPECT_FALSE(employee_law(s, p, {2019, 6, 30}).ppk);
  // Without PIT-2 there are no payers to split between.
  p.pit2 = 'N';
  const EmployeeLaw e = employee_law(s, p, {2026, 3, 1});
  EXPECT_FALSE(e.pit2);
  EXPECT_EQ(e.pit2_payers, 0);
  EmployeeForNewRecord rec;
  EmployeeForPay pay;
  e.apply(rec);
  e.apply(pay);
  EXPECT_EQ(rec.ULG, 'N');
  EXPECT_EQ(pay.CKU, 'T');
  EXPECT_EQ(pay.exemption, 'S');
  EXPECT_TRUE(pay.ppk);
}

TEST(EmployeeSwitches, ImpossibleCombinationsAreRefused) {
  const Date today{2026, 3, 10};
  PersonForLaw woman61, man61, old, young;
  woman61.pesel = man61.pesel = "65031212346";  // 61 in 2026
  woman61.sex = 'K';
  man61.sex = 'M';
  old.birth = {1955, 6, 1};  // 70 in June 2025
  young.pesel = "02251512343";
  auto sw = [](auto change) {
    LawSwitches s;
    change(s);
    return s;
  };
  struct Row {
    const char* what;
    LawSwitches s;
    PersonForLaw p;
    const char* problem;  // part of the reason; "" accepted
  } rows[] = {
      {"defaults", {}, young, ""},
      {"low rate without PPK", sw([](LawSwitches& s) { s.ppk_low = true; }), young, "tylko dla uczestnika PPK"},
      {"extra without PPK", sw([](LawSwitches& s) { s.ppk_employer_extra = 1; }), young, "tylko dla uczestnika PPK"},
      {"employee extra 2.01", sw([](LawSwitches& s) { s.ppk = true; s.ppk_employee_extra = 2.01; }), young,
       "od 0 do 2 %"},
      {"employer extra 2.5", sw([](LawSwitches& s) { s.ppk = true; s.ppk_employer_extra = 2.5; }), young, ""},
      {"employer extra 2.51", sw([](LawSwitches& s) { s.ppk = true; s.ppk_employer_extra = 2.51; }), young,
       "od 0 do 2,5 %"},
      {"resigned before joining",
       sw([](LawSwitches& s) { s.ppk = true; s.ppk_from = {2025, 5, 1}; s.ppk_to = {2025, 4, 1}; }), young,
       "wcześniejsza"},
      {"PPK at 70", sw([](LawSwitches& s) { s.ppk = true; }), old, "70 lat"},
      {"PPK joined at 69", sw([](LawSwitches& s) { s.ppk = true; s.ppk_from = {2025, 5, 31}; }), old, ""},
      {"four payers", sw([](LawSwitches& s) { s.pit2_payers = 4; }), young, "1, 2 lub 3"},
      {"senior woman of 61", sw([](LawSwitches& s) { s.exemption = 'S'; }), woman61, ""},
      {"senior man of 61", sw([](LawSwitches& s) { s.exemption = 'S'; }), man61, "65 lat"},
      {"senior without a birth date", sw([](LawSwitches& s) { s.exemption = 'S'; }), PersonForLaw{}, "PESEL"},
      {"unknown exemption", sw([](LawSwitches& s) { s.exemption = 'X'; }), young, "P - powrót"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const std::string got = law_switches_problem(r.s, r.p, today);
    if (*r.problem == 0) {
      EXPECT_EQ(got, "");
    } else {
      EXPECT_NE(got.find(r.problem), std::string::npos) << got;
    }
  }
  PersonForLaw no_pit2 = young;
  no_pit2.pit2 = 'N';
  EXPECT_NE(law_switches_problem(sw([](LawSwitches& s) { s.pit2_payers = 2; }), no_pit2, today).find("PIT-2"),
            std::string::npos);
}

}  // namespace
}  // namespace skolvarin::payroll
