#include "declarations/contract_bill.h"

#include <algorithm>

#include "host/api/rounding.h"
#include "payroll/law.h"

namespace skolvarin::declarations {

namespace {

double pct2(double amount, double rate) { return R(percent_of(amount, rate), 2); }

int year_month(const Date& d) { return d.year * 12 + d.month; }

// Month lengths: February has 29 days in a leap year.
int table_month_length(int month, int year) {
  static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && is_leap_year(year)) return 29;
  return lengths[month - 1];
}

// Step 1: gross amount → rates, pension base, contributions, funds, health.
// Returns false when the cascade stops.
bool step_gross(ContractBill& b, const BillInputs& in, BillOutcome& out) {
  const ContractParameters& p = in.params;
  const InsuranceSwitches& sw = in.switches;
  bool flat = is_flat_rate(b.TYP);
  if (in.working_year < 2004 || in.working_year > 2008) {
    if (flat && b.BRU > p.flat_limit) out.messages.push_back(kWarnTooMuchForFlat);
    if (b.BRU > 0 && b.BRU <= p.flat_limit && !flat && !is_own_employee(in.person, b.DAW))
      out.messages.push_back(kWarnShouldBeFlat);
  }

  double cost_rate = p.cost_rate;
  if (b.TYT == 2 || b.TYT == 4 || b.TYT == 7 || b.TYT == 8) cost_rate = 0;
  if (b.TYT == 6) cost_rate = 50;
  b.UZP = flat ? 0 : cost_rate;
  b.POS = flat ? p.flat_tax_rate : p.tax_rate;

  // Pension and disability base with the yearly cap.
  double per = 0;
  bool employee = is_employee_code(b.KTU);
  if (sw.social || employee) {
    bool cap_marked = in.person.PMA == '1' || in.person.PMA == '2' || in.person.PMA == '3';
    if (cap_marked) {
      if (!is_valid_date(in.person.DPM)) {
        out.messages.push_back(kAlarmCapDateMissing);
        return false;
      }
      if (in.person.DPM.year != in.working_year) {
        out.messages.push_back(kAlarmCapDateOutOfYear);
        return false;
      }
    }
    if (!(cap_marked && year_month(b.DAR) > year_month(in.person.DPM))) {
      per = b.BRU;
      if (employee) {
        double before = in.history.pension_base_before;
        if (b.BRU + before > p.yearly_pension_cap) {
          per = R(max0(p.yearly_pension_cap - before), 2);
          out.messages.push_back(kWarnPensionCapExceeded);
          out.messages.push_back(cap_marked ? kWarnContributionsCut : kWarnSetCapInPerson);
        }
      }
    }
  }
  b.PER = per;
  b.KEP = pct2(b.PER, p.pension_employer);
  b.KEU = pct2(b.PER, p.pension_employee);
  b.KRP = pct2(b.PER, p.disability_employer);
  b.KRU = pct2(b.PER, p.disability_employee);

  b.PFP = sw.social && sw.labour_fund ? b.BRU : 0;
  b.FUP = pct2(b.PFP, p.labour_fund);
  b.PFG = sw.social && sw.guaranteed_fund ? b.BRU : 0;
  b.FUG = pct2(b.PFG, p.guaranteed_fund);

  b.PCW = sw.sickness || sw.accident ? b.BRU : 0;
  b.PSW = b.PCW;
  b.KCU = sw.sickness ? pct2(b.PCW, p.sickness) : 0;
  b.KWP = sw.accident ? pct2(b.PSW, p.accident) : 0;

  b.PSZ = sw.health ? R(b.BRU - (b.KEU + b.KRU + b.KCU), 2) : 0;
  b.KZU = pct2(b.PSZ, p.health);
  return true;
}

void step_costs(ContractBill& b, const BillInputs& in, BillOutcome& out) {
  double amount = pct2(b.BRU - (b.KEU + b.KRU + b.KCU), b.UZP);
  if (b.TYT == 2 || b.TYT == 4 || b.TYT == 8) {
    amount = in.params.monthly_costs;
  } else if (b.TYT == 6) {
    if (in.history.author_cost_limit) {
      double limit = *in.history.author_cost_limit;
      double before = in.history.author_costs_before;
      if (before + amount > limit) {
        amount = R(max0(limit - before), 2);
        out.messages.push_back(kWarnAuthorCostsCut);
      }
    } else {
      out.messages.push_back(in.history.author_limit_alarm ? in.history.author_limit_alarm
                                                            : kAlarmTaxScaleEmpty);
    }
  }
  b.UZW = is_flat_rate(b.TYP) ? 0 : amount;
}

void step_income(ContractBill& b) { b.DOP = R(max0(b.BRU - (b.UZW + b.KEU + b.KRU + b.KCU)), 2); }

void step_tax_base(ContractBill& b) { b.POP = R(is_flat_rate(b.TYP) ? b.BRU : b.DOP, 0); }

void step_tax(ContractBill& b) { b.POD = pct2(b.POP, b.POS); }

void step_due(ContractBill& b, const BillInputs& in) {
  double deductible = health_deductible(b, in.params);
  b.NPO = R(max0(b.POD - std::min(b.KZU, deductible)), 0);
  b.NET = R(max0(b.BRU - (b.KEU + b.KRU + b.KCU + b.KZU + b.NPO)), 2);
  b.WYP = b.NET;
}

}  // namespace

bool starts_with(std::string_view code, std::string_view prefix) {
  return code.size() >= prefix.size() && code.compare(0, prefix.size(), prefix) == 0;
}

bool is_flat_rate(int typ) { return typ == 3 || typ == 4; }
bool is_mandate(int typ) { return typ == 1 || typ == 3; }

bool is_employee_code(std::string_view ktu) {
  return starts_with(ktu, "0110") || starts_with(ktu, "0111") || starts_with(ktu, "0120");
}

InsuranceSwitches insurance_switches(std::string_view ktu, const ContractPerson& person, int bill_year) {
  InsuranceSwitches s;
  if (is_employee_code(ktu)) {
    s.social = s.sickness = s.accident = s.labour_fund = s.guaranteed_fund = true;
  }
  if (person.UBS == 'T') {
    s.social = true;
    if (person.UBC == 'T') s.sickness = true;
  }
  if (person.UBS == 'T' || starts_with(ktu, "01"))
    s.health = true;
  else
    s.health = person.UBZ == 'T';
  if (s.health) {
    for (std::string_view p : {"0417", "0418", "0424", "0425", "0111"})
      if (starts_with(ktu, p)) s.health = false;
  }
  if (person.UBS == 'T' &&
      (bill_year >= 2010 || starts_with(ktu, "0411") || starts_with(ktu, "0417") ||
       starts_with(ktu, "0421") || starts_with(ktu, "0424")))
    s.accident = true;
  s.labour_fund = person.FPU != 'N';
  s.guaranteed_fund = person.FGU != 'N';
  if (starts_with(ktu, "2240")) {
    s = InsuranceSwitches{};
    s.health = true;
  } else if (starts_with(ktu, "2241")) {
    s = InsuranceSwitches{};
    s.social = s.health = true;
  } else if (starts_with(ktu, "2242")) {
    s = InsuranceSwitches{};
    s.social = true;
  }
  return s;
}

bool is_own_employee(const ContractPerson& person, const Date& on) {
  bool from = !person.DAP.empty(), to = !person.DAZ.empty();
  if (from && to) return person.DAP <= on && on <= person.DAZ;
  if (from) return on >= person.DAP;
  if (to) return on <= person.DAZ;
  return false;
}

void take_author_limit(ContractHistory& history, std::span<const payroll::TaxScaleRow> scale) {
  payroll::TaxResult r = payroll::author_cost_limit(scale);
  if (r.ok()) {
    history.author_cost_limit = r.tax;
    history.author_limit_alarm = 0;
  } else {
    history.author_cost_limit.reset();
    history.author_limit_alarm = r.message;
  }
}

double previous_pension_base(std::span<const PayBase> pay, std::span<const OtherContract> others,
                             const Date& bill_date) {
  double sum = 0;
  for (const PayBase& p : pay)
    if (p.month <= bill_date.month) sum += p.PER;
  for (const OtherContract& c : others)
    if (c.DAR <= bill_date) sum += c.BRU;
  return R(sum, 2);
}

double previous_author_costs(std::span<const OtherContract> others, const Date& bill_date) {
  double sum = 0;
  for (const OtherContract& c : others)
    if (c.TYT == 6 && c.DAR.month <= bill_date.month && c.DAR <= bill_date) sum += c.UZW;
  return R(sum, 2);
}

ContractParameters parameters_on(const ContractParameters& stored, int year, int month) {
  payroll::PayrollParameters p;
  payroll::ZusSettings z;
  p.mandate_tax_pct = stored.tax_rate;
  p.mandate_costs_pct = stored.cost_rate;
  p.monthly_costs = stored.monthly_costs;
  p.health_deductible = stored.health_deductible;
  p.yearly_pension_cap = stored.yearly_pension_cap;
  p.minimum_hourly_rate = stored.minimum_hourly_rate;
  z.accident_rate = stored.accident;
  payroll::apply_month_law(p, z, year, month);
  ContractParameters out = stored;
  out.tax_rate = p.mandate_tax_pct;
  out.monthly_costs = p.monthly_costs;
  out.health_deductible = p.health_deductible;
  out.yearly_pension_cap = p.yearly_pension_cap;
  out.minimum_hourly_rate = p.minimum_hourly_rate;
  out.accident = z.accident_rate;
  return out;
}

BillOutcome compute_bill(ContractBill& bill, BillStep from, const BillInputs& given) {
  // The law of the bill's month.
  BillInputs in = given;
  if (is_valid_date(bill.DAR)) {
    in.params = parameters_on(given.params, bill.DAR.year, bill.DAR.month);
    const payroll::Law law = payroll::law_on(bill.DAR.year, bill.DAR.month);
    if (law.leads && law.costs.author_yearly_limit > 0) {
      in.history.author_cost_limit = law.costs.author_yearly_limit;
      in.history.author_limit_alarm = 0;
    }
  }
  BillOutcome out;
  if (bill.BRU < 0 || bill.UZP < 0 || bill.UZW < 0 || bill.POS < 0) {
    out.messages.push_back(kMsgNegativeAmount);
    out.stopped = true;
    return out;
  }
  ContractBill work = bill;
  int step = static_cast<int>(from);
  if (step <= 1 && !step_gross(work, in, out)) {
    out.stopped = true;
    return out;  // the record keeps its values
  }
  if (step <= 2) step_costs(work, in, out);
  if (step <= 3) step_income(work);
  if (step <= 4) step_tax_base(work);
  if (step <= 5) step_tax(work);
  step_due(work, in);
  bill = work;
  return out;
}

int cost_field_warning(int typ, int tyt, double value) {
  if (same_grosz(value, 0)) return 0;
  if (is_flat_rate(typ)) return kWarnFlatHasNoCosts;
  if (tyt == 7) return kWarnTypeHasNoCosts;
  return 0;
}

int contract_date_warning(int typ, const ContractPerson& person, const Date& daw) {
  return is_flat_rate(typ) && is_own_employee(person, daw) ? kWarnOwnEmployeeFlat : 0;
}

std::optional<double> hours_check(double bru, double wol, const ContractParameters& params) {
  double minimum = R(wol * params.minimum_hourly_rate, 2);
  if (bru < minimum) return minimum;
  return std::nullopt;
}

double health_deductible(const ContractBill& bill, const ContractParameters& params) {
  if (is_flat_rate(bill.TYP) && !params.flat_deduct_health) return 0;
  return pct2(bill.PSZ, params.health_deductible);
}

Date copy_date(const Date& d, int /*working_year*/) {
  if (d.empty()) return d;
  Date n{d.year, d.month + 1, d.day};
  if (n.month > 12) {
    n.month = 1;
    ++n.year;
  }
  n.day = std::min(n.day, table_month_length(n.month, n.year));
  return n;
}

}  // namespace skolvarin::declarations
