// Pay under the law of its month: published gross-to-net check values
// through the calculator and through the pay chain, the reverse mode, the
// yearly threshold and the contribution cap, and the law table itself.
#include "payroll/law.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "payroll/calculator.h"
#include "payroll/component_sums.h"
#include "payroll/pay_chain.h"

namespace skolvarin::payroll {
namespace {

std::vector<std::string> csv_fields(const std::string& line) {
  std::vector<std::string> out(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    else if (c == ',' && !quoted) out.emplace_back();
    else out.back() += c;
  }
  return out;
}

std::vector<std::vector<std::string>> reference_rows(const std::string& file) {
  std::ifstream in(std::string(SKOLVARIN_SOURCE_DIR) + "/data/reference/" + file);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) rows.push_back(csv_fields(line));
  return rows;
}

struct Check {
  std::string period;
  int year = 0, month = 1;
  double gross = 0;
  bool raised = false, pit2 = true, ppk = false;
  double pension = 0, disability = 0, sickness = 0, health = 0, tax_base = 0, advance = 0, ppk_employee = 0;
  double net = 0, employer_cost = 0;
};

// The rows of the check table; a period of several years ("2023-2026")
// gives one case per year, a month range its first month.
std::vector<Check> check_values() {
  std::vector<Check> out;
  for (const auto& f : reference_rows("kontrolne_brutto_netto.csv")) {
    Check c;
    c.period = f[0];
    c.gross = std::stod(f[1]);
    c.raised = std::stod(f[2]) > 250;
    c.pit2 = f[3] == "T";
    c.ppk = f[4] == "T";
    double* lines[] = {&c.pension, &c.disability, &c.sickness, &c.health, &c.tax_base, &c.advance,
                       &c.ppk_employee, &c.net, &c.employer_cost};
    for (int i = 0; i < 9; ++i) *lines[i] = std::stod(f[5 + i]);
    const int first = std::stoi(f[0].substr(0, 4));
    int last = first;
    if (f[0].size() >= 7 && f[0][4] == '-') {
      const int n = std::stoi(f[0].substr(5, 4));
      if (n > 12) {
        last = n;
      } else {
        c.month = n;
      }
    }
    for (int y = first; y <= last; ++y) {
      c.year = y;
      out.push_back(c);
    }
  }
  return out;
}

Breakdown calc(double amount, CalcMode mode, const CalcLawOptions& o, CalcKind kind = CalcKind::Pay) {
  PayrollParameters p;
  ZusSettings z;
  const CalculatorState s = calculator_defaults(kind, p, z, o);
  const CalcResult r = calculate(amount, mode, s, p, z);
  EXPECT_TRUE(r.ok());
  return r.b;
}

ComponentSums base_pay(double gross) {
  ComponentSums s;
  classify_component({"D11", 'T', 'T', gross}, s);
  return s;
}

struct Chained {
  PayAmounts rec;
  YearToDate after;
};

// One month of the pay chain with the record's tax fields as a new record gets them.
Chained chain_month(double gross, int year, int month, const EmployeeForPay& e, const YearToDate& ytd,
                    int pit2_payers = 1) {
  const PayrollParameters p;
  EmployeeForNewRecord n;
  n.KTU = e.KTU;
  n.ULG = pit2_payers > 0 ? 'T' : 'N';
  n.pit2_payers = pit2_payers;
  const NewRecordTax t = new_record_tax(n, p, year, month, ytd, {});
  Chained c;
  c.rec.POS = t.POS;
  c.rec.ODL = t.ODL;
  run_pay_chain(base_pay(gross), e, p, ZusSettings{}, ytd, ListMonth{year, month, false}, c.rec);
  c.after = ytd;
  c.after.tax_base += c.rec.POP;
  c.after.pension_base += c.rec.PER;
  c.after.advance_due += c.rec.NPO;
  c.after.exempt_income += c.rec.ZWL;
  c.after.earlier_records = true;
  return c;
}

EmployeeForPay employee() {
  EmployeeForPay e;
  e.KTU = "011000";
  return e;
}

TEST(Law, EveryCheckValueThroughCalculatorAndChain) {
  const std::vector<Check> checks = check_values();
  ASSERT_GE(checks.size(), 16u);
  for (const Check& c : checks) {
    SCOPED_TRACE(c.period + " in " + std::to_string(c.year));
    const Breakdown b = calc(c.gross, CalcMode::Gross, {c.year, c.month, c.raised, c.pit2, c.ppk, false});
    EXPECT_DOUBLE_EQ(b.pension_employee, c.pension);
    EXPECT_DOUBLE_EQ(b.disability_employee, c.disability);
    EXPECT_DOUBLE_EQ(b.sickness, c.sickness);
    EXPECT_DOUBLE_EQ(b.health, c.health);
    EXPECT_DOUBLE_EQ(b.advance, c.advance);
    EXPECT_DOUBLE_EQ(b.ppk_employee, c.ppk_employee);
    EXPECT_DOUBLE_EQ(b.net, c.net);
    EXPECT_DOUBLE_EQ(b.total_cost, c.employer_cost);

    EmployeeForPay e = employee();
    e.CKU = c.raised ? 'T' : 'N';
    e.ppk = c.ppk;
    const PayAmounts r = chain_month(c.gross, c.year, c.month, e, {}, c.pit2 ? 1 : 0).rec;
    EXPECT_DOUBLE_EQ(r.KEU, c.pension);
    EXPECT_DOUBLE_EQ(r.KZU, c.health);
    EXPECT_DOUBLE_EQ(r.POP, c.tax_base);
    EXPECT_DOUBLE_EQ(r.NPO, c.advance);
    EXPECT_DOUBLE_EQ(r.PPU, c.ppk_employee);
    EXPECT_DOUBLE_EQ(r.WYP, c.net);
  }
}

// Published nets of the minimum wage that the check table does not carry.
TEST(Law, PublishedMinimumWageNets) {
  struct Row {
    int year, month;
    double gross, net;
  } rows[] = {
      {2022, 1, 3010.00, 2363.56},  // gofin: valid for the whole of 2022, PIT-2, basic costs
      {2022, 7, 3010.00, 2363.56},
      {2020, 5, 2600.00, 1920.62},
      {2021, 5, 2800.00, 2061.67},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.year) + "-" + std::to_string(r.month));
    EXPECT_DOUBLE_EQ(calc(r.gross, CalcMode::Gross, {r.year, r.month}).net, r.net);
    EXPECT_DOUBLE_EQ(chain_month(r.gross, r.year, r.month, employee(), {}).rec.WYP, r.net);
  }
}

TEST(Law, NetBackToGrossUnderTodaysLaw) {
  const Breakdown b = calc(3605.85, CalcMode::Net, {2026, 6});
  EXPECT_DOUBLE_EQ(b.gross, 4806.00);
  EXPECT_DOUBLE_EQ(b.total_cost, 5790.28);
  // The employer's cost back to the gross, with PPK on both sides (2025).
  EXPECT_DOUBLE_EQ(calc(5691.59, CalcMode::Cost, {2025, 3, false, true, true}).gross, 4666.00);
}

TEST(Law, SecondBracketFromTheMonthThatCrossesTheThreshold) {
  // 25 000.00 a month in 2026: contributions 2440.00 + 375.00 + 612.50,
  // tax base R(21 572.50 - 250) = 21 323 a month; five months make 106 615,
  // June crosses 120 000: 13 385 at 12 % and 7 938 at 32 %.
  YearToDate ytd;
  Chained june;
  for (int m = 1; m <= 12; ++m) {
    Chained c = chain_month(25000, 2026, m, employee(), ytd);
    if (m < 6) {
      EXPECT_DOUBLE_EQ(c.rec.POD, 2558.76) << m;  // 21 323 × 12 %
    }
    if (m == 6) june = c;
    if (m == 7) {
      EXPECT_DOUBLE_EQ(c.rec.POS, 32);
      EXPECT_DOUBLE_EQ(c.rec.POD, 6823.36);  // 21 323 × 32 %
      EXPECT_DOUBLE_EQ(c.rec.ODL, 300);      // the reducing amount stays from 2022
    }
    if (m == 12) {
      // 11 × 25 000 = 275 000 of the 282 600 cap: December pays on 7 600 only.
      EXPECT_DOUBLE_EQ(c.rec.PER, 7600.00);
      EXPECT_DOUBLE_EQ(c.rec.KEU, 741.76);
      EXPECT_DOUBLE_EQ(c.rec.KRU, 114.00);
      EXPECT_DOUBLE_EQ(c.rec.KEP, 741.76);
      EXPECT_DOUBLE_EQ(c.rec.KRP, 494.00);
      EXPECT_DOUBLE_EQ(c.rec.KCU, 612.50);  // sickness has no cap
    }
    ytd = c.after;
  }
  EXPECT_DOUBLE_EQ(june.rec.POP, 21323);
  EXPECT_DOUBLE_EQ(june.rec.POD, 4146.36);  // 1 606.20 + 2 540.16
  EXPECT_DOUBLE_EQ(june.rec.NPO, 3846);
}

TEST(Law, ExemptionsAndSplitReducingAmount) {
  // Under 26 in 2026, 4 806.00: no costs, no advance; the health
  // contribution stays 373.24 (the 2021-rules advance, 3897 × 17 % - 43.76
  // = 618.73, is above it): net 4 147.09 - 373.24.
  EmployeeForPay young = employee();
  young.exemption = 'M';
  Chained c = chain_month(4806, 2026, 3, young, {});
  EXPECT_DOUBLE_EQ(c.rec.ZWL, 4806.00);
  EXPECT_DOUBLE_EQ(c.rec.KUZ, 0);
  EXPECT_DOUBLE_EQ(c.rec.NPO, 0);
  EXPECT_DOUBLE_EQ(c.rec.WYP, 3773.85);
  EXPECT_DOUBLE_EQ(calc(4806, CalcMode::Gross, {2026, 3, false, true, false, true}).net, 3773.85);
  // 2 000.00 left of the 85 528 limit: 2 806.00 taxable, contributions
  // 658.91 × 2806/4806 = 384.71, income 2806 - 250 - 384.71 = 2171.29.
  YearToDate ytd;
  ytd.exempt_income = 83528;
  ytd.earlier_records = true;
  c = chain_month(4806, 2026, 11, young, ytd);
  EXPECT_DOUBLE_EQ(c.rec.ZWL, 2000.00);
  EXPECT_DOUBLE_EQ(c.rec.DOP, 2171.29);
  EXPECT_DOUBLE_EQ(c.rec.NPO, 0);  // 2171 × 12 % = 260.52 < 300
  // Before August 2019 there is no exemption.
  EXPECT_DOUBLE_EQ(chain_month(2250, 2019, 7, young, {}).rec.ZWL, 0);
  // PPK at the low rate only while the pay is not above 1.2 × the minimum
  // wage (5 599.20 in 2025): 0.5 % of 4 666.00 = 23.33; of 6 000.00 it is 2 %.
  EmployeeForPay low = employee();
  low.ppk = true;
  low.ppk_low = true;
  low.ppk_employer_extra = 1;  // 2.5 % of 4 666.00 = 116.65
  EXPECT_DOUBLE_EQ(chain_month(4666, 2025, 3, low, {}).rec.PPU, 23.33);
  EXPECT_DOUBLE_EQ(chain_month(4666, 2025, 3, low, {}).rec.PPP, 116.65);
  EXPECT_DOUBLE_EQ(chain_month(6000, 2025, 3, low, {}).rec.PPU, 120.00);
  // PIT-2 split between two payers in 2026: 150.00 a month; 467.64 - 150 -> 318.
  EXPECT_DOUBLE_EQ(chain_month(4806, 2026, 3, employee(), {}, 2).rec.NPO, 318);
}

TEST(Law, MiddleClassReliefAndTheJanuary2022Guard) {
  // 6 000.00 in February 2022: contributions 585.60 + 90.00 + 147.00,
  // S = 5177.40; relief (6000 × 6.68 % - 380.50) / 0.17 = 119.41;
  // base R(5177.40 - 250 - 119.41) = 4808 × 17 % = 817.36 - 425 = 392.36 -> 392.
  // 2021 rules: R(4927.40) = 4927 × 17 % - 43.76 = 793.83, less 7.75 % of
  // 5177.40 = 401.25: 392.58 -> 393; the lower one, 392, is collected.
  Chained c = chain_month(6000, 2022, 2, employee(), {});
  EXPECT_DOUBLE_EQ(c.rec.UKS, 119.41);
  EXPECT_DOUBLE_EQ(c.rec.POP, 4808);
  EXPECT_DOUBLE_EQ(c.rec.NPO, 392);
  // 4 000.00: no relief; 2022 rules: base R(3451.60 - 250) = 3202
  // × 17 % = 544.34 - 425 = 119.34 -> 119; 2021 rules 544.34 - 43.76 -
  // 267.50 = 233.08 -> 233: 119 stands.  Without PIT-2 the guard binds:
  // 544.34 -> 544 against 544.34 - 267.50 = 276.84 -> 277.
  EXPECT_DOUBLE_EQ(chain_month(4000, 2022, 2, employee(), {}).rec.NPO, 119);
  EXPECT_DOUBLE_EQ(chain_month(4000, 2022, 2, employee(), {}, 0).rec.NPO, 277);
  EXPECT_DOUBLE_EQ(calc(4000, CalcMode::Gross, {2022, 2, false, false}).advance, 277);
  // July 2022 has neither: 3202 × 12 % = 384.24 -> 384 without PIT-2.
  EXPECT_DOUBLE_EQ(chain_month(4000, 2022, 7, employee(), {}, 0).rec.NPO, 384);
}

int year_of(const std::string& date) { return std::stoi(date.substr(0, 4)); }
int month_of(const std::string& date) { return std::stoi(date.substr(5, 2)); }

// The compiled rows say what the reference files say, from the month each
// file's row starts.
TEST(Law, CompiledRowsAgreeWithTheReferenceFiles) {
  int checked = 0;
  for (const auto& f : reference_rows("minimalne_wynagrodzenie.csv")) {
    if (year_of(f[0]) < 2009) continue;
    EXPECT_DOUBLE_EQ(law_on(year_of(f[0]), month_of(f[0])).minimum_wage, std::stod(f[1])) << f[0];
    ++checked;
  }
  for (const auto& f : reference_rows("minimalna_stawka_godzinowa.csv")) {
    EXPECT_DOUBLE_EQ(law_on(year_of(f[0]), month_of(f[0])).minimum_hourly_rate, std::stod(f[1])) << f[0];
    ++checked;
  }
  for (const auto& f : reference_rows("ograniczenie_rocznej_podstawy_skladek.csv")) {
    EXPECT_DOUBLE_EQ(law_on(std::stoi(f[0]), 6).contrib.yearly_pension_cap, std::stod(f[2])) << f[0];
    ++checked;
  }
  for (const auto& f : reference_rows("pit_zaliczki_parametry.csv")) {
    for (const std::string& date : {f[0], f[1]}) {
      const Law l = law_on(year_of(date), month_of(date));
      EXPECT_DOUBLE_EQ(l.tax.rate, std::stod(f[2])) << date;
      EXPECT_DOUBLE_EQ(l.tax.rate2, std::stod(f[3])) << date;
      EXPECT_DOUBLE_EQ(l.tax.threshold, std::stod(f[4])) << date;
      EXPECT_DOUBLE_EQ(l.tax.reduction_12, std::stod(f[5])) << date;
      EXPECT_DOUBLE_EQ(l.tax.reduction_24, f[6].empty() ? 0 : std::stod(f[6])) << date;
      EXPECT_DOUBLE_EQ(l.tax.reduction_36, f[7].empty() ? 0 : std::stod(f[7])) << date;
      EXPECT_DOUBLE_EQ(l.tax.health_deductible, std::stod(f[8])) << date;
      EXPECT_EQ(!l.middle_class.empty(), f[9] == "T") << date;
      ++checked;
    }
  }
  EXPECT_GE(checked, 60);
}

TEST(Law, RowsWithoutAReferenceFileCheck) {
  // Default accident rate by contribution year (April to March).
  const std::pair<int, double> accident[] = {{2012 * 12 + 2, 1.80}, {2013 * 12 + 5, 1.93}, {2018 * 12 + 2, 1.80},
                                             {2018 * 12 + 3, 1.67}, {2026 * 12 + 11, 1.67}};
  for (const auto& [at, rate] : accident)
    EXPECT_DOUBLE_EQ(law_on(at / 12, at % 12 + 1).contrib.accident_default, rate) << at / 12;
  EXPECT_DOUBLE_EQ(law_on(2019, 9).costs.basic, 111.25);
  EXPECT_DOUBLE_EQ(law_on(2019, 10).costs.basic, 250.00);
  EXPECT_DOUBLE_EQ(law_on(2023, 1).reduction_for(3), 100);
  EXPECT_FALSE(law_on(2019, 6).ppk.in_force);
  EXPECT_TRUE(law_on(2019, 7).ppk.in_force);

  // A figure the user changed stands; the ones left as given follow the month.
  PayrollParameters p = statutory_parameters(2019);
  EXPECT_DOUBLE_EQ(p.tax_rate, 17);
  p.minimum_pay = 2300;
  ZusSettings z;
  z.accident_rate = 2.10;
  apply_month_law(p, z, 2019, 5);
  EXPECT_DOUBLE_EQ(p.tax_rate, 18);
  EXPECT_DOUBLE_EQ(p.monthly_costs, 111.25);
  EXPECT_DOUBLE_EQ(p.minimum_pay, 2300);
  EXPECT_DOUBLE_EQ(z.accident_rate, 2.10);
  // Before 2018 the stored block alone counts.
  PayrollParameters old;
  apply_month_law(old, z, 2013, 5);
  EXPECT_DOUBLE_EQ(old.yearly_pension_cap, 121650);
}

}  // namespace
}  // namespace skolvarin::payroll
