#include "declarations/contract_bill.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/api/rounding.h"

namespace skolvarin::declarations {
namespace {

ContractPerson person(char ubs, char ubc, char ubz, char fpu = 'T', char fgu = 'T') {
  ContractPerson p;
  p.UBS = ubs;
  p.UBC = ubc;
  p.UBZ = ubz;
  p.FPU = fpu;
  p.FGU = fgu;
  return p;
}

BillInputs inputs_for(const ContractBill& b, const ContractPerson& p, int working_year) {
  BillInputs in;
  in.person = p;
  in.switches = insurance_switches(b.KTU, p, b.DAR.year);
  in.working_year = working_year;
  return in;
}

ContractBill bill(int typ, int tyt, const char* ktu, double bru, Date dar) {
  ContractBill b;
  b.TYP = typ;
  b.TYT = tyt;
  b.KTU = ktu;
  b.BRU = bru;
  b.DAR = dar;
  b.DAW = dar;
  return b;
}

TEST(ContractBill, InsuranceSwitchesFromCodeAndPerson) {
  using S = InsuranceSwitches;
  auto sw = [](bool so, bool si, bool ac, bool he, bool lf, bool gf) { return S{so, si, ac, he, lf, gf}; };
  const struct {
    const char* ktu;
    ContractPerson p;
    int year;
    S expected;
  } cases[] = {
      // Own employee: everything but health from step 1, health from "01".
      {"011000", person('N', 'N', 'N'), 2024, sw(1, 1, 1, 1, 1, 1)},
      // 0111 is an employee code whose health is switched off.
      {"011100", person('N', 'N', 'N'), 2024, sw(1, 1, 1, 0, 1, 1)},
      // Mandate with social and sickness insurance, accident from 2010 on.
      {"041100", person('T', 'T', 'N'), 2024, sw(1, 1, 1, 1, 1, 1)},
      {"041200", person('T', 'N', 'N'), 2009, sw(1, 0, 0, 1, 1, 1)},
      {"041100", person('T', 'N', 'N'), 2009, sw(1, 0, 1, 1, 1, 1)},  // 0411 before 2010
      // Health only by the person's own switch.
      {"", person('N', 'N', 'T', 'N', 'N'), 2024, sw(0, 0, 0, 1, 0, 0)},
      {"", person('N', 'N', 'N', 'N', 'N'), 2024, sw(0, 0, 0, 0, 0, 0)},
      // 0417 and 0424 keep no health even with social insurance.
      {"041700", person('T', 'N', 'T'), 2024, sw(1, 0, 1, 0, 1, 1)},
      {"042400", person('T', 'N', 'T'), 2005, sw(1, 0, 1, 0, 1, 1)},
      // Funds follow the person alone, overwriting the employee code.
      {"011000", person('N', 'N', 'N', 'N', 'T'), 2024, sw(1, 1, 1, 1, 0, 1)},
      {"", person('N', 'N', 'N', 'T', 'T'), 2024, sw(0, 0, 0, 0, 1, 1)},
      // 2240 health only, 2241 social and health, 2242 social only.
      {"224000", person('T', 'T', 'T'), 2024, sw(0, 0, 0, 1, 0, 0)},
      {"224100", person('T', 'T', 'T'), 2024, sw(1, 0, 0, 1, 0, 0)},
      {"224200", person('T', 'T', 'T'), 2024, sw(1, 0, 0, 0, 0, 0)},
  };
  for (const auto& c : cases) EXPECT_EQ(insurance_switches(c.ktu, c.p, c.year), c.expected) << c.ktu << " " << c.year;
}

TEST(ContractBill, OwnEmployeeOnADate) {
  ContractPerson p;
  EXPECT_FALSE(is_own_employee(p, {2024, 5, 1}));
  p.DAP = {2024, 1, 1};
  EXPECT_TRUE(is_own_employee(p, {2024, 5, 1}));
  EXPECT_FALSE(is_own_employee(p, {2023, 12, 31}));
  p.DAZ = {2024, 4, 30};
  EXPECT_FALSE(is_own_employee(p, {2024, 5, 1}));
  EXPECT_TRUE(is_own_employee(p, {2024, 4, 30}));
  p.DAP = {};
  EXPECT_TRUE(is_own_employee(p, {2020, 1, 1}));
}

// Mandate (TYP 1, TYT 5), 1000.00 zł, code 041100, social and health
// insurance, no sickness; default parameters; bill of March 2024.
//   PER 1000.00; KEP = KEU = 97.60; KRP 65.00; KRU 15.00
//   FUP 24.50 (2.45 %), FUG 1.00 (0.1 %); PCW = PSW 1000 (accident on)
//   KCU 0; KWP 18.00; PSZ = 1000 − 112.60 = 887.40; KZU = 79.866 → 79.87
//   UZW = 887.40 × 20 % = 177.48; DOP = 1000 − 177.48 − 112.60 = 709.92
//   POP 710; POD = 710 × 18 % = 127.80; deductible = 887.40 × 7.75 % = 68.77
//   NPO = 127.80 − 68.77 = 59.03 → 59; NET = 1000 − 112.60 − 79.87 − 59 = 748.53
TEST(ContractBill, MandateWithSocialAndHealthInsurance) {
  ContractBill b = bill(1, 5, "041100", 1000.00, {2017, 3, 15});
  BillInputs in = inputs_for(b, person('T', 'N', 'N'), 2017);
  BillOutcome out = compute_bill(b, BillStep::Gross, in);
  EXPECT_TRUE(out.messages.empty());
  EXPECT_FALSE(out.stopped);
  const struct {
    const char* name;
    double value, expected;
  } fields[] = {
      {"UZP", b.UZP, 20},     {"POS", b.POS, 18},     {"PER", b.PER, 1000},  {"KEP", b.KEP, 97.60},
      {"KEU", b.KEU, 97.60},  {"KRP", b.KRP, 65.00},  {"KRU", b.KRU, 15.00}, {"PFP", b.PFP, 1000},
      {"FUP", b.FUP, 24.50},  {"PFG", b.PFG, 1000},   {"FUG", b.FUG, 1.00},  {"PCW", b.PCW, 1000},
      {"PSW", b.PSW, 1000},   {"KCU", b.KCU, 0},      {"KWP", b.KWP, 18.00}, {"PSZ", b.PSZ, 887.40},
      {"KZU", b.KZU, 79.87},  {"UZW", b.UZW, 177.48}, {"DOP", b.DOP, 709.92}, {"POP", b.POP, 710},
      {"POD", b.POD, 127.80}, {"NPO", b.NPO, 59},     {"NET", b.NET, 748.53}, {"WYP", b.WYP, 748.53},
  };
  for (const auto& f : fields) EXPECT_DOUBLE_EQ(f.value, f.expected) << f.name;
  EXPECT_DOUBLE_EQ(health_deductible(b, in.params), 68.77);
}

TEST(ContractBill, CascadeRestartsAfterTheFieldLeft) {
  ContractBill b = bill(1, 5, "041100", 1000.00, {2017, 3, 15});
  BillInputs in = inputs_for(b, person('T', 'N', 'N'), 2017);
  compute_bill(b, BillStep::Gross, in);
  // UZP typed as 30: UZW = 887.40 × 30 % = 266.22; DOP = 621.18; POP 621;
  // POD 111.78; NPO = 111.78 − 68.77 = 43.01 → 43; NET = 1000 − 112.60 − 79.87 − 43.
  b.UZP = 30;
  compute_bill(b, BillStep::Costs, in);
  EXPECT_DOUBLE_EQ(b.UZW, 266.22);
  EXPECT_DOUBLE_EQ(b.DOP, 621.18);
  EXPECT_DOUBLE_EQ(b.NPO, 43);
  EXPECT_DOUBLE_EQ(b.NET, 764.53);
  // POS typed as 10: POD = 62.10, below the deductible 68.77: NPO 0.
  b.POS = 10;
  compute_bill(b, BillStep::Tax, in);
  EXPECT_DOUBLE_EQ(b.POD, 62.10);
  EXPECT_DOUBLE_EQ(b.NPO, 0);
  EXPECT_DOUBLE_EQ(b.NET, 807.53);
  EXPECT_DOUBLE_EQ(b.UZW, 266.22);  // earlier steps untouched
  // UZW typed as 100.00: the cascade starts at the income and keeps it.
  // DOP = 1000 − 100 − 112.60 = 787.40; POP 787; POD = 78.70 (POS 10);
  // NPO = 78.70 − 68.77 = 9.93 → 10; NET = 1000 − 112.60 − 79.87 − 10 = 797.53.
  b.UZW = 100.00;
  compute_bill(b, BillStep::Income, in);
  EXPECT_DOUBLE_EQ(b.UZW, 100.00);
  EXPECT_DOUBLE_EQ(b.DOP, 787.40);
  EXPECT_DOUBLE_EQ(b.POD, 78.70);
  EXPECT_DOUBLE_EQ(b.NPO, 10);
  EXPECT_DOUBLE_EQ(b.NET, 797.53);
  // A negative amount is refused and nothing changes.
  ContractBill before = b;
  b.BRU = -5;
  BillOutcome out = compute_bill(b, BillStep::Gross, in);
  EXPECT_TRUE(out.stopped);
  EXPECT_EQ(out.messages, std::vector<int>{kMsgNegativeAmount});
  EXPECT_DOUBLE_EQ(b.NET, before.NET);
}

TEST(ContractBill, FlatRateLimitWarnings) {
  const struct {
    int typ;
    double bru;
    int year;
    ContractPerson p;
    std::vector<int> messages;
  } cases[] = {
      {1, 200.00, 2012, person('N', 'N', 'N'), {kWarnShouldBeFlat}},
      {1, 200.00, 2006, person('N', 'N', 'N'), {}},          // not checked 2004..2008
      {1, 200.00, 2003, person('N', 'N', 'N'), {kWarnShouldBeFlat}},
      {1, 200.01, 2012, person('N', 'N', 'N'), {}},
      {3, 200.01, 2012, person('N', 'N', 'N'), {kWarnTooMuchForFlat}},
      {3, 200.00, 2012, person('N', 'N', 'N'), {}},
      {4, 500.00, 2008, person('N', 'N', 'N'), {}},
      {1, 0.00, 2012, person('N', 'N', 'N'), {}},
  };
  for (const auto& c : cases) {
    ContractBill b = bill(c.typ, 5, "", c.bru, {c.year, 6, 1});
    BillOutcome out = compute_bill(b, BillStep::Gross, inputs_for(b, c.p, c.year));
    EXPECT_EQ(out.messages, c.messages) << c.typ << " " << c.bru << " " << c.year;
  }
  // The firm's own employee on the contract date is not warned.
  ContractPerson own = person('N', 'N', 'N');
  own.DAP = {2010, 1, 1};
  ContractBill b = bill(1, 5, "", 150.00, {2012, 6, 1});
  EXPECT_TRUE(compute_bill(b, BillStep::Gross, inputs_for(b, own, 2012)).messages.empty());
  EXPECT_EQ(contract_date_warning(3, own, {2012, 6, 1}), kWarnOwnEmployeeFlat);
  EXPECT_EQ(contract_date_warning(1, own, {2012, 6, 1}), 0);
  EXPECT_EQ(contract_date_warning(3, person('N', 'N', 'N'), {2012, 6, 1}), 0);
}

// Flat-rate mandate of 150.00 zł with no insurance: tax 18 % of 150 = 27.00,
// no costs, no deduction; NET 123.00.
TEST(ContractBill, FlatRateContract) {
  ContractBill b = bill(3, 5, "", 150.00, {2012, 6, 1});
  BillOutcome out = compute_bill(b, BillStep::Gross, inputs_for(b, person('N', 'N', 'N', 'N', 'N'), 2012));
  EXPECT_TRUE(out.messages.empty());
  EXPECT_EQ(b.UZP, 0);
  EXPECT_EQ(b.UZW, 0);
  EXPECT_EQ(b.DOP, 150.00);
  EXPECT_EQ(b.POP, 150);
  EXPECT_DOUBLE_EQ(b.POD, 27.00);
  EXPECT_EQ(b.NPO, 27);
  EXPECT_DOUBLE_EQ(b.NET, 123.00);
  EXPECT_EQ(cost_field_warning(3, 5, 10.0), kWarnFlatHasNoCosts);
  EXPECT_EQ(cost_field_warning(1, 7, 10.0), kWarnTypeHasNoCosts);
  EXPECT_EQ(cost_field_warning(1, 5, 10.0), 0);
  EXPECT_EQ(cost_field_warning(3, 5, 0.0), 0);
}

// Specific work (TYP 2) with fixed monthly costs (TYT 2) and health only:
// PSZ 150, KZU 13.50, UZW 111.25, DOP 38.75, POP 39, POD 7.02, deductible
// 150 × 7.75 % = 11.625 → 11.63 > POD: NPO 0, never negative.  NET 136.50.
TEST(ContractBill, TaxDueNeverNegative) {
  ContractBill b = bill(2, 2, "", 150.00, {2012, 6, 1});
  compute_bill(b, BillStep::Gross, inputs_for(b, person('N', 'N', 'T', 'N', 'N'), 2012));
  EXPECT_DOUBLE_EQ(b.KZU, 13.50);
  EXPECT_DOUBLE_EQ(b.UZW, 111.25);
  EXPECT_DOUBLE_EQ(b.DOP, 38.75);
  EXPECT_DOUBLE_EQ(b.POD, 7.02);
  EXPECT_EQ(b.NPO, 0);
  EXPECT_DOUBLE_EQ(b.NET, 136.50);
}

// Code 2242: pension and disability only.  1000.00 zł: KEU 97.60, KRU 15.00,
// UZW = 887.40 × 20 % = 177.48, DOP 709.92, POP 710, POD 127.80, no health to
// deduct: NPO 128, NET = 1000 − 112.60 − 128 = 759.40.
TEST(ContractBill, Code2242ComputesOnlyPensionAndDisability) {
  ContractBill b = bill(1, 5, "224200", 1000.00, {2017, 6, 1});
  compute_bill(b, BillStep::Gross, inputs_for(b, person('T', 'T', 'T'), 2017));
  EXPECT_DOUBLE_EQ(b.KEU, 97.60);
  EXPECT_DOUBLE_EQ(b.KEP, 97.60);
  EXPECT_DOUBLE_EQ(b.KRU, 15.00);
  EXPECT_DOUBLE_EQ(b.KRP, 65.00);
  for (double zero : {b.KCU, b.KWP, b.PSZ, b.KZU, b.FUP, b.FUG, b.PFP, b.PFG, b.PCW}) EXPECT_EQ(zero, 0.0);
  EXPECT_EQ(b.NPO, 128);
  EXPECT_DOUBLE_EQ(b.NET, 759.40);
}

TEST(ContractBill, YearlyPensionCapForOwnEmployee) {
  const ContractPerson p = person('T', 'T', 'N');
  const struct {
    double before;
    char pma;
    Date dpm;
    double per, keu;  // KEU: 9.76 % of PER, worked out by hand
    std::vector<int> messages;
  } cases[] = {
      // Bases already above the cap: PER 0.
      {125000.00, ' ', {}, 0.00, 0.00, {kWarnPensionCapExceeded, kWarnSetCapInPerson}},
      // 650.00 left under the cap.
      {121000.00, ' ', {}, 650.00, 63.44, {kWarnPensionCapExceeded, kWarnSetCapInPerson}},
      {121000.00, '1', {2017, 6, 10}, 650.00, 63.44, {kWarnPensionCapExceeded, kWarnContributionsCut}},
      {100000.00, ' ', {}, 1000.00, 97.60, {}},
      // Cap passed in an earlier month: PER stays 0 without a warning.
      {125000.00, '2', {2017, 5, 31}, 0.00, 0.00, {}},
  };
  for (const auto& c : cases) {
    ContractBill b = bill(1, 5, "011000", 1000.00, {2017, 6, 20});
    BillInputs in = inputs_for(b, p, 2017);
    in.person.PMA = c.pma;
    in.person.DPM = c.dpm;
    in.history.pension_base_before = c.before;
    BillOutcome out = compute_bill(b, BillStep::Gross, in);
    EXPECT_DOUBLE_EQ(b.PER, c.per) << c.before;
    EXPECT_DOUBLE_EQ(b.KEU, c.keu) << c.before;
    EXPECT_EQ(out.messages, c.messages) << c.before;
  }
  // PER 650: KEU = KEP = 63.44, KRU 9.75, KRP 42.25; sickness still on the
  // whole amount: KCU 24.50, PSZ = 1000 − 63.44 − 9.75 − 24.50 = 902.31.
  ContractBill b = bill(1, 5, "011000", 1000.00, {2017, 6, 20});
  BillInputs in = inputs_for(b, p, 2017);
  in.history.pension_base_before = 121000.00;
  compute_bill(b, BillStep::Gross, in);
  EXPECT_DOUBLE_EQ(b.KEP, 63.44);
  EXPECT_DOUBLE_EQ(b.KRU, 9.75);
  EXPECT_DOUBLE_EQ(b.KRP, 42.25);
  EXPECT_DOUBLE_EQ(b.KCU, 24.50);
  EXPECT_DOUBLE_EQ(b.PSZ, 902.31);
}

TEST(ContractBill, CapDateAlarmsStopTheCascade) {
  ContractBill b = bill(1, 5, "011000", 1000.00, {2024, 6, 20});
  BillInputs in = inputs_for(b, person('T', 'T', 'N'), 2024);
  in.person.PMA = '3';
  ContractBill before = b;
  BillOutcome missing = compute_bill(b, BillStep::Gross, in);
  EXPECT_TRUE(missing.stopped);
  EXPECT_EQ(missing.messages, std::vector<int>{kAlarmCapDateMissing});
  EXPECT_EQ(b.NET, before.NET);
  EXPECT_EQ(b.UZP, before.UZP);
  in.person.DPM = {2023, 12, 1};
  BillOutcome outside = compute_bill(b, BillStep::Gross, in);
  EXPECT_TRUE(outside.stopped);
  EXPECT_EQ(outside.messages, std::vector<int>{kAlarmCapDateOutOfYear});
}

std::vector<payroll::TaxScaleRow> scale_2009() {
  return {{0, 0, 18}, {85528, 14839.02, 32}};
}

// Author contract (TYT 6, TYP 2), 10 000.00 zł, no insurance: costs 50 % =
// 5000.00; the limit is 85 528 / 2 = 42 764.00.
TEST(ContractBill, AuthorCostLimit) {
  const struct {
    double before, uzw;
    std::vector<int> messages;
  } cases[] = {
      {0.00, 5000.00, {}},
      {37764.00, 5000.00, {}},                        // exactly up to the limit
      {40000.00, 2764.00, {kWarnAuthorCostsCut}},     // the remainder only
      {42764.00, 0.00, {kWarnAuthorCostsCut}},        // limit used up
      {50000.00, 0.00, {kWarnAuthorCostsCut}},
  };
  for (const auto& c : cases) {
    ContractBill b = bill(2, 6, "", 10000.00, {2012, 9, 1});
    BillInputs in = inputs_for(b, person('N', 'N', 'N', 'N', 'N'), 2012);
    take_author_limit(in.history, scale_2009());
    in.history.author_costs_before = c.before;
    BillOutcome out = compute_bill(b, BillStep::Gross, in);
    EXPECT_EQ(b.UZP, 50);
    EXPECT_DOUBLE_EQ(b.UZW, c.uzw) << c.before;
    EXPECT_EQ(out.messages, c.messages) << c.before;
  }
  // 2764.00 of costs: DOP 7236, POD 1302.48, NPO 1302, NET 8698.00.
  ContractBill b = bill(2, 6, "", 10000.00, {2012, 9, 1});
  BillInputs in = inputs_for(b, person('N', 'N', 'N', 'N', 'N'), 2012);
  take_author_limit(in.history, scale_2009());
  in.history.author_costs_before = 40000.00;
  compute_bill(b, BillStep::Gross, in);
  EXPECT_DOUBLE_EQ(b.DOP, 7236.00);
  EXPECT_DOUBLE_EQ(b.POD, 1302.48);
  EXPECT_EQ(b.NPO, 1302);
  EXPECT_DOUBLE_EQ(b.NET, 8698.00);
}

TEST(ContractBill, AuthorCostsWithoutAUsableTaxScale) {
  const struct {
    std::vector<payroll::TaxScaleRow> scale;
    int alarm;
  } cases[] = {{{}, kAlarmTaxScaleEmpty}, {{{0, 0, 18}}, kAlarmTaxScaleBad}};
  for (const auto& c : cases) {
    ContractBill b = bill(2, 6, "", 10000.00, {2012, 9, 1});
    BillInputs in = inputs_for(b, person('N', 'N', 'N', 'N', 'N'), 2012);
    take_author_limit(in.history, c.scale);
    in.history.author_costs_before = 50000.00;
    BillOutcome out = compute_bill(b, BillStep::Gross, in);
    EXPECT_EQ(out.messages, std::vector<int>{c.alarm});
    EXPECT_DOUBLE_EQ(b.UZW, 5000.00);  // the percentage amount stays
  }
}

TEST(ContractBill, YearSumsOfOtherRecords) {
  const std::vector<PayBase> pay = {{1, 6000.00}, {5, 6000.00}, {6, 6000.00}, {7, 6000.00}};
  const std::vector<OtherContract> others = {
      {{2024, 2, 10}, 6, 2000.00, 1000.00},
      {{2024, 6, 20}, 6, 3000.00, 1500.00},  // same day as the bill: counted
      {{2024, 6, 21}, 6, 4000.00, 2000.00},  // later: not counted
      {{2024, 3, 1}, 5, 500.00, 100.00},     // not an author contract
  };
  EXPECT_DOUBLE_EQ(previous_pension_base(pay, others, {2024, 6, 20}), 18000.00 + 5500.00);
  EXPECT_DOUBLE_EQ(previous_author_costs(others, {2024, 6, 20}), 2500.00);
}

TEST(ContractBill, HoursCheck) {
  ContractParameters p;
  EXPECT_EQ(hours_check(1000.00, 80, p), std::optional<double>(1040.00));  // 80 × 13.00
  EXPECT_EQ(hours_check(1040.00, 80, p), std::nullopt);
  EXPECT_EQ(hours_check(1000.00, 0, p), std::nullopt);
}

// A mandate of 1 000.00 with health insurance only, under the law of the
// bill's month: costs 200.00, income 800, health 90.00.
TEST(ContractBill, TaxAndHealthDeductionOfTheBillsMonth) {
  const struct {
    Date dar;
    double pos, npo, net;
  } cases[] = {
      {{2017, 3, 10}, 18, 67, 843.00},   // 144.00 - 77.50 = 66.50 -> 67
      {{2019, 9, 10}, 18, 67, 843.00},
      {{2019, 11, 10}, 17, 59, 851.00},  // 136.00 - 77.50 = 58.50 -> 59
      {{2022, 3, 10}, 17, 136, 774.00},  // nothing deducted from 2022
      {{2026, 3, 10}, 12, 96, 814.00},   // 800 × 12 %
  };
  for (const auto& c : cases) {
    ContractBill b = bill(1, 5, "", 1000.00, c.dar);
    BillInputs in = inputs_for(b, person('N', 'N', 'T'), c.dar.year);
    b.UZP = in.params.cost_rate;
    compute_bill(b, BillStep::Gross, in);
    EXPECT_DOUBLE_EQ(b.UZW, 200.00) << to_dbf(c.dar);
    EXPECT_DOUBLE_EQ(b.KZU, 90.00) << to_dbf(c.dar);
    EXPECT_DOUBLE_EQ(b.POS, c.pos) << to_dbf(c.dar);
    EXPECT_DOUBLE_EQ(b.NPO, c.npo) << to_dbf(c.dar);
    EXPECT_DOUBLE_EQ(b.NET, c.net) << to_dbf(c.dar);
  }
  // A rate the user set for the year stands.
  ContractBill b = bill(1, 5, "", 1000.00, {2026, 3, 10});
  BillInputs in = inputs_for(b, person('N', 'N', 'T'), 2026);
  in.params.tax_rate = 15;
  compute_bill(b, BillStep::Gross, in);
  EXPECT_DOUBLE_EQ(b.POS, 15);
}

TEST(ContractBill, CopiedContractDates) {
  const struct {
    Date from;
    int working_year;
    Date to;
  } cases[] = {
      {{2023, 1, 31}, 2023, {2023, 2, 28}}, {{2024, 1, 31}, 2024, {2024, 2, 29}},
      {{2024, 3, 31}, 2024, {2024, 4, 30}}, {{2024, 12, 15}, 2024, {2025, 1, 15}},
      {{2024, 5, 10}, 2024, {2024, 6, 10}}, {{}, 2024, {}},
      // A date of another year than the working one: February of its own year.
      {{2024, 1, 31}, 2023, {2024, 2, 29}}, {{2023, 1, 31}, 2024, {2023, 2, 28}},
  };
  for (const auto& c : cases) EXPECT_EQ(copy_date(c.from, c.working_year), c.to) << to_dbf(c.from);
}

}  // namespace
}  // namespace skolvarin::declarations
