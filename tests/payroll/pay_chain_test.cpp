// The pay computation chain against published gross-to-net figures and
// hand-computed edge cases.
#include "payroll/pay_chain.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/api/rounding.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

ComponentSums base_pay(double gross) {
  ComponentSums s;
  classify_component({"D11", 'T', 'T', gross}, s);
  return s;
}

EmployeeForPay employee() {
  EmployeeForPay e;
  e.KTU = "011000";
  e.KUZ = 0;
  return e;
}

PayAmounts run(const ComponentSums& s, const EmployeeForPay& e, const PayrollParameters& p, int year, int month,
               const YearToDate& ytd = {}, PayAmounts rec = {}, ChainStep from = ChainStep::Gross,
               bool fep = false) {
  if (from == ChainStep::Gross) {
    rec.POS = title_is(e.KTU, "0920") ? 0 : p.tax_rate;
    rec.ODL = p.monthly_reduction;
  }
  run_pay_chain(s, e, p, ZusSettings{}, ytd, ListMonth{year, month, fep}, rec, from);
  return rec;
}

// Parameters of the years with published net minimum pay.  Costs and
// reducing amount as the published tables state them; tax rate of the
// year's scale (18 % to 2018, 17 % in 2020 and 2021); minimum pay and
// yearly cap of the year.
PayrollParameters params_of(int year) {
  PayrollParameters p;
  switch (year) {
    case 2016: p.minimum_pay = 1850; p.yearly_pension_cap = 121650; break;
    case 2017: p.minimum_pay = 2000; p.yearly_pension_cap = 127890; break;
    case 2018: p.minimum_pay = 2100; p.yearly_pension_cap = 133290; break;
    case 2020:
    case 2021:
      p.monthly_costs = 250;
      p.monthly_costs_raised = 300;
      p.monthly_reduction = 43.76;
      p.tax_rate = 17;
      p.minimum_pay = year == 2020 ? 2600 : 2800;
      p.yearly_pension_cap = year == 2020 ? 156810 : 157770;
      break;
  }
  return p;
}

TEST(PayChain, PublishedBreakdownOf2017LineByLine) {
  // 2000.00 gross, basic costs, PIT-2: the published breakdown.
  PayAmounts r = run(base_pay(2000), employee(), params_of(2017), 2017, 1);
  EXPECT_DOUBLE_EQ(r.BRP, 2000.00);
  EXPECT_DOUBLE_EQ(r.KEU, 195.20);
  EXPECT_DOUBLE_EQ(r.KRU, 30.00);
  EXPECT_DOUBLE_EQ(r.KCU, 49.00);
  EXPECT_DOUBLE_EQ(r.PSZ, 1725.80);
  EXPECT_DOUBLE_EQ(r.KZU, 155.32);
  EXPECT_DOUBLE_EQ(r.OBP, 133.75);
  EXPECT_DOUBLE_EQ(r.KUZ, 111.25);
  EXPECT_DOUBLE_EQ(r.POP, 1615);
  EXPECT_DOUBLE_EQ(r.POD, 290.70);          // 1615 * 18 %; published 244.37 after the 46.33
  EXPECT_DOUBLE_EQ(r.POD - r.ODL, 244.37);
  EXPECT_DOUBLE_EQ(r.NPO, 111);
  EXPECT_DOUBLE_EQ(r.ODZ, 111);
  EXPECT_DOUBLE_EQ(r.ZAZ, 1459.48);
  EXPECT_DOUBLE_EQ(r.WYP, 1459.48);
  EXPECT_DOUBLE_EQ(r.SCO, 1459.48);
  // Employer side: 9.76 %, 6.50 %, accident 1.80 %, FP 2.45 %, FGŚP 0.10 % of 2000.
  EXPECT_DOUBLE_EQ(r.KEP, 195.20);
  EXPECT_DOUBLE_EQ(r.KRP, 130.00);
  EXPECT_DOUBLE_EQ(r.KWP, 36.00);
  EXPECT_DOUBLE_EQ(r.FPP, 49.00);
  EXPECT_DOUBLE_EQ(r.FGP, 2.00);
  EXPECT_DOUBLE_EQ(r.PER, 2000.00);
  EXPECT_DOUBLE_EQ(r.PCW, 2000.00);
  EXPECT_DOUBLE_EQ(r.PSW, 2000.00);
}

TEST(PayChain, PublishedBreakdownOf2015Parts) {
  // 1750.00 gross (2015, default parameters): published contributions,
  // health base, health and its deductible part, tax base 1399.
  PayAmounts r = run(base_pay(1750), employee(), PayrollParameters{}, 2015, 1);
  EXPECT_DOUBLE_EQ(r.KEU, 170.80);
  EXPECT_DOUBLE_EQ(r.KRU, 26.25);
  EXPECT_DOUBLE_EQ(r.KCU, 42.88);
  EXPECT_DOUBLE_EQ(r.PSZ, 1510.07);
  EXPECT_DOUBLE_EQ(r.KZU, 135.91);
  EXPECT_DOUBLE_EQ(r.OBP, 117.03);
  EXPECT_DOUBLE_EQ(r.POP, 1399);
  EXPECT_DOUBLE_EQ(r.NPO, 88);
  EXPECT_DOUBLE_EQ(r.ZAZ, 1286.16);
}

// Every row of the published net minimum pay table up to 2021 (2022 follows
// other health rules) through the chain with the parameters of its year.
TEST(PayChain, PublishedNetMinimumPayOfEachYear) {
  std::ifstream in(std::string(SKOLVARIN_SOURCE_DIR) + "/tests/payroll/data/placa_minimalna_netto.csv");
  ASSERT_TRUE(in) << "missing published table";
  std::string line;
  std::getline(in, line);
  int checked = 0;
  while (std::getline(in, line)) {
    std::stringstream ss(line);
    std::string year, gross, costs, pit2, net;
    std::getline(ss, year, ',');
    std::getline(ss, gross, ',');
    std::getline(ss, costs, ',');
    std::getline(ss, pit2, ',');
    std::getline(ss, net, ',');
    const int y = std::stoi(year);
    if (y > 2021) continue;
    PayrollParameters p = params_of(y);
    if (pit2 == "N") p.monthly_reduction = 0;
    EmployeeForPay e = employee();
    e.CKU = costs == "podwyzszone" ? 'T' : 'N';
    PayAmounts r = run(base_pay(std::stod(gross)), e, p, y, 3);
    EXPECT_DOUBLE_EQ(r.WYP, std::stod(net)) << line;
    ++checked;
  }
  EXPECT_EQ(checked, 20);
}

TEST(PayChain, AnchorsWithDefaultParameters) {
  // The default parameters are those of 2016/2017: 2000.00 -> 1459.48 and
  // 1850.00 -> 1355.69.
  //  1850: KEU 180.56, KRU 27.75, KCU 45.33 (45.325), social 253.64;
  //  PSZ 1596.36, KZU 143.67, OBP 123.72; DOP 1850 - 111.25 - 253.64 = 1485.11;
  //  POD 1485 * 18 % = 267.30; NPO R(267.30 - 46.33 - 123.72 = 97.25) = 97;
  //  net 1850 - 97 - 253.64 - 143.67 = 1355.69.
  EXPECT_DOUBLE_EQ(run(base_pay(2000), employee(), PayrollParameters{}, 2017, 5).WYP, 1459.48);
  PayAmounts r = run(base_pay(1850), employee(), PayrollParameters{}, 2016, 5);
  EXPECT_DOUBLE_EQ(r.KCU, 45.33);
  EXPECT_DOUBLE_EQ(r.DOP, 1485.11);
  EXPECT_DOUBLE_EQ(r.NPO, 97);
  EXPECT_DOUBLE_EQ(r.WYP, 1355.69);
}

TEST(PayChain, UntaxedBenefitsOnly) {
  ComponentSums s;
  classify_component({"S500", 'N', 'N', 96.00}, s);
  PayAmounts r = run(s, employee(), PayrollParameters{}, 2017, 2);
  EXPECT_EQ(r.BRP, 0);
  EXPECT_EQ(r.KUZ, 0);
  EXPECT_EQ(r.POP, 0);
  EXPECT_EQ(r.KZU, 0);
  EXPECT_DOUBLE_EQ(r.WYP, 96.00);
}

TEST(PayChain, TaxedBenefitsOnlyHaveNoCostsUnlessSickPay) {
  ComponentSums zus_benefit;
  classify_component({"S313", 'T', 'N', 800.00}, zus_benefit);
  EXPECT_EQ(run(zus_benefit, employee(), PayrollParameters{}, 2017, 2).KUZ, 0);

  ComponentSums sick_pay;
  classify_component({"S331", 'T', 'N', 800.00}, sick_pay);
  PayAmounts r = run(sick_pay, employee(), PayrollParameters{}, 2017, 2);
  EXPECT_DOUBLE_EQ(r.KUZ, 111.25);
  // Sick pay is in the health base though not in the social base.
  EXPECT_DOUBLE_EQ(r.PER, 0);
  EXPECT_DOUBLE_EQ(r.PSZ, 800.00);
  EXPECT_DOUBLE_EQ(r.KZU, 72.00);
}

TEST(PayChain, CostsAreTheLargerOfOwnAndMonthly) {
  EmployeeForPay e = employee();
  e.KUZ = 200.00;
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, PayrollParameters{}, 2017, 2).KUZ, 200.00);
  e.KUZ = 100.00;
  e.CKU = 'T';
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, PayrollParameters{}, 2017, 2).KUZ, 139.06);
}

TEST(PayChain, YearlyCapLimitsThePensionBaseOnly) {
  // Earlier records and contracts leave 1650.00 under the cap of 121650.
  YearToDate ytd;
  ytd.pension_base = 115000.00;
  ytd.contracts_base = 5000.00;
  PayAmounts r = run(base_pay(3000), employee(), PayrollParameters{}, 2016, 11, ytd);
  EXPECT_DOUBLE_EQ(r.PER, 1650.00);
  EXPECT_DOUBLE_EQ(r.PCW, 3000.00);
  EXPECT_DOUBLE_EQ(r.PSW, 3000.00);
  EXPECT_DOUBLE_EQ(r.FPP, 73.50);   // 3000 * 2.45 %, from the base before the cap
  EXPECT_DOUBLE_EQ(r.KEU, 161.04);  // 1650 * 9.76 %
  EXPECT_DOUBLE_EQ(r.KRU, 24.75);   // 1650 * 1.5 %
  EXPECT_DOUBLE_EQ(r.KCU, 73.50);   // 3000 * 2.45 %
  // Cap already used up: no pension base at all.
  ytd.pension_base = 130000;
  EXPECT_DOUBLE_EQ(run(base_pay(3000), employee(), PayrollParameters{}, 2016, 12, ytd).PER, 0);
  // A cap of 0 means no cap.
  PayrollParameters no_cap;
  no_cap.yearly_pension_cap = 0;
  EXPECT_DOUBLE_EQ(run(base_pay(3000), employee(), no_cap, 2016, 12, ytd).PER, 3000);
}

TEST(PayChain, ReportedExceedingStopsThePensionBaseAfterItsMonth) {
  EmployeeForPay e = employee();
  e.PMA = '2';
  e.DPM = {2017, 3, 10};
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, PayrollParameters{}, 2017, 3).PER, 3000);
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, PayrollParameters{}, 2017, 4).PER, 0);
  e.PMA = '4';  // not passed on: no effect
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, PayrollParameters{}, 2017, 4).PER, 3000);
  e.PMA = '1';
  e.DPM = {2016, 3, 10};  // another year
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, PayrollParameters{}, 2017, 4).PER, 3000);
}

TEST(PayChain, TitlesThatDropContributions) {
  struct Case {
    const char* ktu;
    double PER, PCW, KCU, KWP, PSZ, KZU, FPP, FGP;
  } cases[] = {
      // 0920: no FP, no FGŚP, no sickness contribution.
      {"092000", 2000, 2000, 0, 36.00, 1774.80, 159.73, 0, 0},
      // 0111: no health base, no health contribution.
      {"011100", 2000, 2000, 49.00, 36.00, 0, 0, 49.00, 2.00},
      // 2240: no pension base, no sickness or accident base.
      {"224000", 0, 0, 0, 0, 2000, 180.00, 49.00, 2.00},
      // 2241: pension base kept, no sickness base.
      {"224100", 2000, 0, 0, 0, 1774.80, 159.73, 49.00, 2.00},
      // 0200 without voluntary sickness insurance: no sickness, no accident.
      {"020000", 2000, 2000, 0, 0, 1725.80 + 49.00, 159.73, 49.00, 2.00},
  };
  for (const Case& c : cases) {
    EmployeeForPay e = employee();
    e.KTU = c.ktu;
    PayAmounts r = run(base_pay(2000), e, PayrollParameters{}, 2017, 6);
    EXPECT_DOUBLE_EQ(r.PER, c.PER) << c.ktu;
    EXPECT_DOUBLE_EQ(r.PCW, c.PCW) << c.ktu;
    EXPECT_DOUBLE_EQ(r.KCU, c.KCU) << c.ktu;
    EXPECT_DOUBLE_EQ(r.KWP, c.KWP) << c.ktu;
    EXPECT_DOUBLE_EQ(r.PSZ, c.PSZ) << c.ktu;
    EXPECT_DOUBLE_EQ(r.KZU, c.KZU) << c.ktu;
    EXPECT_DOUBLE_EQ(r.FPP, c.FPP) << c.ktu;
    EXPECT_DOUBLE_EQ(r.FGP, c.FGP) << c.ktu;
  }
  EmployeeForPay e = employee();
  e.KTU = "020000";
  e.UBC = 'T';
  EXPECT_DOUBLE_EQ(run(base_pay(2000), e, PayrollParameters{}, 2017, 6).KCU, 49.00);
}

TEST(PayChain, LabourFundRules) {
  PayrollParameters p;  // minimum pay 1850, key 72 "N"
  EmployeeForPay e = employee();
  // Below the minimum pay: no FP for "T", FP for "Z" (1849.99 * 2.45 % = 45.324755).
  EXPECT_DOUBLE_EQ(run(base_pay(1849.99), e, p, 2016, 6).FPP, 0);
  e.CFP = 'Z';
  EXPECT_DOUBLE_EQ(run(base_pay(1849.99), e, p, 2016, 6).FPP, 45.32);
  e.CFP = 'T';
  p.fp_below_minimum = "T";
  EXPECT_DOUBLE_EQ(run(base_pay(1849.99), e, p, 2016, 6).FPP, 45.32);
  p.fp_below_minimum = "N";
  EXPECT_DOUBLE_EQ(run(base_pay(1850.00), e, p, 2016, 6).FPP, 45.33);
  e.CFP = 'N';
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2016, 6).FPP, 0);

  // Exemption up to a date: months up to and including its month are free.
  e.CFP = 'T';
  e.DFP = {2016, 5, 31};
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2016, 5).FPP, 0);
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2016, 6).FPP, 73.50);
  // Before July 2009 the exemption date is not looked at.
  e.DFP = {2009, 12, 31};
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2009, 6).FPP, 73.50);
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2009, 7).FPP, 0);

  // FGŚP: "N" drops it under the new rules only.
  e = employee();
  e.CFG = 'N';
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2016, 6).FGP, 0);
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2009, 6).FGP, 3.00);
  e.CFG = 'T';
  e.DFG = {2016, 8, 1};
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2016, 8).FGP, 0);
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, p, 2016, 9).FGP, 3.00);
}

TEST(PayChain, BridgingPensionFundInTheSpecialPeriod) {
  EmployeeForPay e = employee();
  e.PSP = {2016, 3, 15};
  e.PSK = {2016, 9, 30};
  auto fep = [&](int month) { return run(base_pay(3000), e, PayrollParameters{}, 2016, month, {}, {}, ChainStep::Gross, true).FEP; };
  EXPECT_DOUBLE_EQ(fep(2), 0);
  EXPECT_DOUBLE_EQ(fep(3), 45.00);  // 3000 * 1.5 %
  EXPECT_DOUBLE_EQ(fep(9), 45.00);
  EXPECT_DOUBLE_EQ(fep(10), 0);
  e.PSK = {};
  EXPECT_DOUBLE_EQ(fep(12), 45.00);
  e.PSP = {};
  EXPECT_DOUBLE_EQ(fep(12), 0);
  // Switch off: the field is left as it was.
  PayAmounts before;
  before.FEP = 12.34;
  e.PSP = {2016, 1, 1};
  EXPECT_DOUBLE_EQ(run(base_pay(3000), e, PayrollParameters{}, 2016, 5, {}, before).FEP, 12.34);
  EXPECT_TRUE(fep_switch(2010, true));
  EXPECT_FALSE(fep_switch(2009, true));
  EXPECT_FALSE(fep_switch(2016, false));
}

TEST(PayChain, TaxBaseWholeZlotyAdvanceKeepsGrosze) {
  PayAmounts rec = run(base_pay(2000), employee(), PayrollParameters{}, 2017, 2);
  set_field(rec, PayField::DOP, 1234.56);
  run_pay_chain(base_pay(2000), employee(), PayrollParameters{}, ZusSettings{}, {}, {2017, 2, false}, rec,
                restart_step(PayField::DOP));
  EXPECT_DOUBLE_EQ(rec.POP, 1235);
  EXPECT_DOUBLE_EQ(rec.POD, 222.30);  // 1235 * 18 %
  // NPO = R(222.30 - 46.33 - 133.75 = 42.22) = 42
  EXPECT_DOUBLE_EQ(rec.NPO, 42);
  EXPECT_DOUBLE_EQ(rec.ODZ, 42);
  // Contributions before the restart point are untouched.
  EXPECT_DOUBLE_EQ(rec.KEU, 195.20);
}

TEST(PayChain, HealthLimitedToTheAdvance) {
  PayrollParameters p;
  p.health_limited_to_advance = "T";
  PayAmounts rec;
  rec.PSZ = 888.89;  // 9 % = 80.0001 -> 80.00
  rec.POD = 96.33;
  rec.ODL = 46.33;   // POD - ODL = 50.00
  run_pay_chain(ComponentSums{}, employee(), p, ZusSettings{}, {}, {2017, 2, false}, rec, ChainStep::KZU);
  EXPECT_DOUBLE_EQ(rec.KZU, 50.00);
  EXPECT_DOUBLE_EQ(rec.OBP, 50.00);  // min(R(888.89 * 7.75 %) = 68.89, 50.00)
  p.health_limited_to_advance = "N";
  run_pay_chain(ComponentSums{}, employee(), p, ZusSettings{}, {}, {2017, 2, false}, rec, ChainStep::KZU);
  EXPECT_DOUBLE_EQ(rec.KZU, 80.00);
  EXPECT_DOUBLE_EQ(rec.OBP, 68.89);
}

TEST(PayChain, ExemptionFromCollectingAdvances) {
  EmployeeForPay e = employee();
  e.ZPZ = 1000.00;
  YearToDate ytd;
  ytd.advance_due = 800.00;
  PayAmounts rec;
  rec.NPO = 300;
  run_pay_chain(ComponentSums{}, e, PayrollParameters{}, ZusSettings{}, ytd, {2017, 9, false}, rec, ChainStep::ODZ);
  EXPECT_DOUBLE_EQ(rec.ODZ, 100);  // 300 - (1000 - 800)
  rec.NPO = 150;
  run_pay_chain(ComponentSums{}, e, PayrollParameters{}, ZusSettings{}, ytd, {2017, 9, false}, rec, ChainStep::ODZ);
  EXPECT_DOUBLE_EQ(rec.ODZ, 0);
  ytd.advance_due = 1000.00;  // exemption used up
  run_pay_chain(ComponentSums{}, e, PayrollParameters{}, ZusSettings{}, ytd, {2017, 9, false}, rec, ChainStep::ODZ);
  EXPECT_DOUBLE_EQ(rec.ODZ, 150);
}

TEST(PayChain, NotPaidOutPartAndUntaxedAdditionsAndBankShare) {
  ComponentSums s = base_pay(2000);
  classify_component({"D507", 'T', 'T', 100.00}, s);
  classify_component({"D505", 'N', 'N', 30.00}, s);
  classify_component({"P901", 'N', 'N', 50.00}, s);
  EmployeeForPay e = employee();
  e.to_account = 'T';
  PayAmounts r = run(s, e, PayrollParameters{}, 2017, 2);
  // 2100 gross: social 287.91, PSZ 1812.09, KZU 163.09, OBP 140.44;
  // DOP 2100 - 111.25 - 287.91 = 1700.84 -> 1701; POD 306.18;
  // NPO R(306.18 - 46.33 - 140.44 = 119.41) = 119;
  // ZAZ 2100 - (119 + 287.91 + 163.09) - 100 = 1430.00; WYP 1430 + 30 - 50 = 1410.
  EXPECT_DOUBLE_EQ(r.BRP, 2100.00);
  EXPECT_DOUBLE_EQ(r.ZAZ, 1430.00);
  EXPECT_DOUBLE_EQ(r.WYP, 1410.00);
  EXPECT_DOUBLE_EQ(r.PCO, 1410.00);
  EXPECT_DOUBLE_EQ(r.SCO, 0);
  // A bank share already typed is kept, the rest goes in cash.
  PayAmounts typed;
  typed.PCO = 1000;
  typed = run(s, e, PayrollParameters{}, 2017, 2, {}, typed);
  EXPECT_DOUBLE_EQ(typed.PCO, 1000);
  EXPECT_DOUBLE_EQ(typed.SCO, 410.00);
}

TEST(PayChain, DeductionsAboveGrossGiveZeroNotNegative) {
  ComponentSums s = base_pay(500);
  classify_component({"P311", 'T', 'T', 800.00}, s);
  PayAmounts r = run(s, employee(), PayrollParameters{}, 2017, 2);
  EXPECT_EQ(r.BRP, 0);
  EXPECT_EQ(r.PER, 0);
  EXPECT_EQ(r.KUZ, 0);
  EXPECT_EQ(r.ZAZ, 0);
  EXPECT_EQ(r.WYP, 0);
}

TEST(PayChain, RestartTableOfTypedFields) {
  struct Case {
    PayField edited;
    int step;
    ChainStep starts;
  } cases[] = {
      {PayField::KUZ, 10, ChainStep::KEU}, {PayField::PER, 10, ChainStep::KEU}, {PayField::KEU, 10, ChainStep::KEP},
      {PayField::KEP, 10, ChainStep::KRU}, {PayField::KRU, 10, ChainStep::KRP}, {PayField::KRP, 11, ChainStep::KCU},
      {PayField::PCW, 11, ChainStep::KCU}, {PayField::KCU, 12, ChainStep::KWP}, {PayField::KWP, 13, ChainStep::PSZ},
      {PayField::PSZ, 14, ChainStep::DOP}, {PayField::DOP, 15, ChainStep::POP}, {PayField::POP, 16, ChainStep::POD},
      {PayField::POS, 16, ChainStep::POD}, {PayField::POD, 17, ChainStep::KZU}, {PayField::ODL, 17, ChainStep::KZU},
      {PayField::KZU, 18, ChainStep::OBP}, {PayField::OBP, 19, ChainStep::NPO}, {PayField::NPO, 20, ChainStep::ODZ},
      {PayField::ODZ, 21, ChainStep::ZAZ}, {PayField::ZAZ, 22, ChainStep::WYP},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(restart_step(c.edited), c.starts) << static_cast<int>(c.edited);
    EXPECT_EQ(step_number(restart_step(c.edited)), c.step) << static_cast<int>(c.edited);
  }
  EXPECT_FALSE(typed_amount_allowed(PayField::KEU, -0.01));
  EXPECT_TRUE(typed_amount_allowed(PayField::DOP, -10));
  EXPECT_TRUE(typed_amount_allowed(PayField::KEU, 0));
}

TEST(PayChain, TypedContributionCarriesThrough) {
  // The user types KEU 200.00 on a 2000.00 record: KEP stays from PER, the
  // income and the net follow the typed amount.
  PayAmounts rec = run(base_pay(2000), employee(), PayrollParameters{}, 2017, 2);
  set_field(rec, PayField::KEU, 200.00);
  run_pay_chain(base_pay(2000), employee(), PayrollParameters{}, ZusSettings{}, {}, {2017, 2, false}, rec,
                restart_step(PayField::KEU));
  EXPECT_DOUBLE_EQ(rec.KEU, 200.00);
  EXPECT_DOUBLE_EQ(rec.KEP, 195.20);
  // PSZ 2000 - 279 = 1721.00, KZU 154.89, OBP 133.38 (133.3775);
  // DOP 2000 - 111.25 - 279 = 1609.75 -> 1610; POD 289.80;
  // NPO R(289.80 - 46.33 - 133.38 = 110.09) = 110; ZAZ 2000 - 110 - 279 - 154.89 = 1456.11.
  EXPECT_DOUBLE_EQ(rec.PSZ, 1721.00);
  EXPECT_DOUBLE_EQ(rec.KZU, 154.89);
  EXPECT_DOUBLE_EQ(rec.OBP, 133.38);
  EXPECT_DOUBLE_EQ(rec.NPO, 110);
  EXPECT_DOUBLE_EQ(rec.ZAZ, 1456.11);
}

TEST(NewPayRecord, TaxRateFromTheYearToDateBracket) {
  const std::vector<TaxScaleRow> scale = {{0, 0, 18}, {85528, 14839.02, 32}};
  PayrollParameters p;
  EmployeeForNewRecord e{"011000", 'T', 'T', 1, 1};
  YearToDate ytd;
  // First record of the year: the basic rate and the monthly reduction.
  NewRecordTax t = new_record_tax(e, p, 2017, ytd, scale);
  EXPECT_DOUBLE_EQ(t.POS, 18);
  EXPECT_DOUBLE_EQ(t.ODL, 46.33);
  EXPECT_TRUE(t.messages.empty());

  ytd.earlier_records = true;
  ytd.tax_base = 85528;  // on the threshold: still 18 %
  t = new_record_tax(e, p, 2017, ytd, scale);
  EXPECT_DOUBLE_EQ(t.POS, 18);
  EXPECT_TRUE(t.messages.empty());

  ytd.tax_base = 90000;  // above: 32 %, warning 238, no reduction from 2017
  t = new_record_tax(e, p, 2017, ytd, scale);
  EXPECT_DOUBLE_EQ(t.POS, 32);
  EXPECT_DOUBLE_EQ(t.ODL, 0);
  EXPECT_EQ(t.messages, std::vector<int>{msg::kTaxRateChanged});
  t = new_record_tax(e, p, 2016, ytd, scale);
  EXPECT_DOUBLE_EQ(t.ODL, 46.33);

  e.TBL = 'N';  // keeps the lower rate
  t = new_record_tax(e, p, 2017, ytd, scale);
  EXPECT_DOUBLE_EQ(t.POS, 18);
  EXPECT_TRUE(t.messages.empty());

  // No tax scale: alarm 39, the basic rate stays.
  t = new_record_tax(e, p, 2017, ytd, {});
  EXPECT_DOUBLE_EQ(t.POS, 18);
  EXPECT_EQ(t.messages, std::vector<int>{msg::kNoTaxTable});

  e = {"092000", 'N', 'T', 0, 1};
  ytd.earlier_records = false;
  t = new_record_tax(e, p, 2017, ytd, scale);
  EXPECT_DOUBLE_EQ(t.POS, 0);
  EXPECT_DOUBLE_EQ(t.ODL, 0);
  EXPECT_EQ(t.messages, std::vector<int>{msg::kWorkTimeError});
}

}  // namespace
}  // namespace skolvarin::payroll

namespace skolvarin::payroll {
namespace {

// A month of benefit only: the pay is wholly deducted for the absence and
// the benefit is all that is paid, so no costs, whatever grosze the pay had.
TEST(PayChain, BenefitOnlyMonthHasNoCostsWhateverThePay) {
  for (double pay : {1234.56, 1000.10, 2100.30, 3000.00}) {
    ComponentSums s;
    classify_component({"D11", 'T', 'T', pay}, s);
    classify_component({"P311", 'T', 'T', pay}, s);
    classify_component({"S313", 'T', 'N', 800.20}, s);
    PayAmounts r;
    r.POS = 18;
    run_pay_chain(s, employee(), PayrollParameters{}, ZusSettings{}, {}, ListMonth{2017, 3, false}, r);
    EXPECT_DOUBLE_EQ(R(r.BRP, 2), 800.20) << pay;
    EXPECT_DOUBLE_EQ(r.KUZ, 0) << pay;
  }
}

}  // namespace
}  // namespace skolvarin::payroll
