// An employee's law switches through the real program: the " Przepisy "
// window refuses impossible combinations and keeps what it saves in
// W3PRAX, and the stored switches give the pay chain its month's inputs.
#include <gtest/gtest.h>

#include "../dictionaries/e2e_support.h"
#include "payroll/component_sums.h"
#include "payroll/employee_switches.h"
#include "payroll/pay_chain.h"

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;

namespace skolvarin::payroll {
namespace {

// The stored row as the window wrote it (tabela --csv texts).
LawSwitches stored_switches(const std::map<std::string, std::string>& row) {
  LawSwitches s;
  s.ppk = row.at("PPK") == "T";
  std::string from = row.at("PPO");
  std::erase(from, '-');
  from_dbf(from.empty() ? "        " : from, s.ppk_from);
  s.ppk_low = row.at("PPN") == "T";
  s.ppk_employee_extra = std::stod(row.at("PPE"));
  s.ppk_employer_extra = std::stod(row.at("PPF"));
  s.youth_waived = row.at("UMS") == "N";
  s.exemption = row.at("ZWK").empty() ? ' ' : row.at("ZWK")[0];
  s.pit2_payers = std::stoi(row.at("PLT"));
  return s;
}

TEST(EmployeeLawEndToEnd, SwitchesRoundTripThroughTheWindowAndDriveThePayChain) {
  DataDir dir("przepisy");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // A man born on 12 March 1985 (PESEL on the ninth field after the first name).
  auto run = dir.keys(
      "ppdNowak<Enter>Jan<Enter><Enter><Enter><Enter><Enter><Enter><Enter><Enter><Enter>85031212346<F2>"
      "pN<Enter><Enter><Enter>T<F2><dump><Enter><Esc>"                              // 0: low rate without PPK
      "p<Down><Down><Down><Down><Down><Down><Down><Space><Down><Down><Down><Enter>"  // senior at 41
      "<F2><dump><Enter><Esc>"                                                      // 1: refused
      "pT<Enter>01012025<Enter><Enter><Enter><Enter><Enter>N<F2>"                   // PPK from 2025, no youth relief
      "p<dump><Esc><Esc><Esc><Esc>",                                                // 2: opened again
      "2026-03-10");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "tylko dla uczestnika PPK")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "od 60 lat (kobiety) lub 65 lat")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "uczestnik PPK (T/N)?.......................T")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "w PPK od dnia..............................01-01-2025")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "stosować ulgę dla młodych do 26 lat (T/N)?.N")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "wiek w latach: 40 (ur. 12-03-1985)")) << dump(run.screens[2]);

  auto rows = dir.records("W3PRAX.DBF");
  ASSERT_EQ(rows.size(), 1u);  // the refused attempts wrote nothing
  EXPECT_EQ(rows[0].at("REK"), "1");
  LawSwitches s = stored_switches(rows[0]);
  EXPECT_TRUE(s.ppk);
  EXPECT_FALSE(s.ppk_low);
  EXPECT_EQ(s.exemption, ' ');
  EXPECT_TRUE(s.youth_waived);
  EXPECT_EQ(s.ppk_from, (Date{2025, 1, 1}));

  // 4 666.00 in March 2025 with PPK 2 % + 1.5 %: net 3 408.60 (published);
  // in December 2024 he was not in PPK yet.
  PersonForLaw person;
  person.pesel = "85031212346";
  EXPECT_FALSE(employee_law(s, person, {2024, 12, 10}).ppk);
  const EmployeeLaw law = employee_law(s, person, {2025, 3, 10});
  EmployeeForPay emp;
  emp.KTU = "011000";
  EmployeeForNewRecord nr;
  nr.KTU = emp.KTU;
  law.apply(emp);
  law.apply(nr);
  const PayrollParameters p;
  const NewRecordTax tax = new_record_tax(nr, p, 2025, 3, {}, {});
  PayAmounts rec;
  rec.POS = tax.POS;
  rec.ODL = tax.ODL;
  ComponentSums sums;
  classify_component({"D11", 'T', 'T', 4666.00}, sums);
  run_pay_chain(sums, emp, p, ZusSettings{}, {}, ListMonth{2025, 3, false}, rec);
  EXPECT_DOUBLE_EQ(rec.PPU, 93.32);
  EXPECT_DOUBLE_EQ(rec.PPP, 69.99);
  EXPECT_DOUBLE_EQ(rec.WYP, 3408.60);
}

}  // namespace
}  // namespace skolvarin::payroll

namespace {

TEST(EmployeesEndToEnd, NotesShowInTheListPanel) {
  DataDir dir("uwagi");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  std::string to_notes;
  for (int i = 0; i < 19; ++i) to_notes += "<Down>";
  auto run = dir.keys("ppdNowak<Enter>Jan<PgDn><PgDn>" + to_notes +
                      "Pierwsza uwaga o pracowniku<Enter>Druga uwaga<F2><dump><Esc><Esc><Esc>");
  ASSERT_EQ(run.screens.size(), 1u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "│Pierwsza uwaga o pracowniku ")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "│Druga uwaga ")) << dump(run.screens[0]);
}

}  // namespace
