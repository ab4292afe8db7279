#include "payroll/pay_chain.h"

#include <algorithm>
#include <cmath>

#include "host/api/rounding.h"
#include "payroll/law.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

bool yes(char c) { return c == 'T' || c == 't'; }

// A date is before the list month when its year and month are earlier; an
// empty date counts as before.
bool before_month(const Date& d, int year, int month) {
  if (d.empty()) return true;
  return d.year < year || (d.year == year && d.month < month);
}

int month_index(int year, int month) { return year * 12 + month; }

struct Bases {
  double B = 0;   // social-insurance base
  double C = 0;   // capped base
  double FP = 0;  // Labour Fund
  double FG = 0;  // guaranteed-benefits fund
};

// Steps 3, 4, 7 and 8: the bases and the funds, which are not fields.
Bases bases_and_funds(const ComponentSums& s, const EmployeeForPay& emp, const PayrollParameters& p,
                      const YearToDate& ytd, const ListMonth& list) {
  Bases b;
  b.B = max0(s.DZP + s.DZN + s.SZP + s.SZN - (s.PZP + s.PZN));
  b.C = b.B;
  const double L = p.yearly_pension_cap;
  if (L > 0 && ytd.pension_base + ytd.contracts_base + b.B > L)
    b.C = max0(L - ytd.pension_base - ytd.contracts_base);

  if ((emp.PMA == '1' || emp.PMA == '2' || emp.PMA == '3') && emp.DPM.year == list.working_year &&
      list.month > emp.DPM.month)
    b.C = 0;

  if (title_is(emp.KTU, "0920")) {
    b.FP = b.FG = 0;
  } else {
    b.FP = R(percent_of(b.B, p.fp_rate), 2);
    b.FG = R(percent_of(b.B, p.fgsp_rate), 2);
  }

  const bool new_rules = list.working_year >= 2010 || (list.working_year == 2009 && list.month >= 7);
  switch (emp.CFP) {
    case 'N':
      b.FP = 0;
      break;
    case 'T':
      if (new_rules && !before_month(emp.DFP, list.working_year, list.month)) b.FP = 0;
      if (p.fp_below_minimum == "N" && R(p.minimum_pay, 4) > R(b.B, 4)) b.FP = 0;
      break;
    case 'Z':
      if (new_rules && !before_month(emp.DFP, list.working_year, list.month)) b.FP = 0;
      break;
    default:
      break;
  }
  if (new_rules) {
    if (emp.CFG == 'N')
      b.FG = 0;
    else if (emp.CFG == 'T' && !before_month(emp.DFG, list.working_year, list.month))
      b.FG = 0;
  }
  return b;
}

struct Ppk {
  double employee = 0, employer = 0;
};

// PPK of the month: percentages of the social-insurance base without the
// yearly cap; the 0.5 % rate only while the pay is not above the low-pay
// limit; the extras not above their statutory maximum.
Ppk ppk_of(const Bases& b, const EmployeeForPay& emp, const Law& law, const PayrollParameters& p) {
  Ppk k;
  if (!law.ppk.in_force || !emp.ppk) return k;
  const bool low = emp.ppk_low && !(b.B > R(law.ppk.low_pay_factor * p.minimum_pay, 2));
  const double employee = (low ? law.ppk.employee_low : law.ppk.employee) +
                          std::clamp(emp.ppk_employee_extra, 0.0, law.ppk.employee_extra_max);
  const double employer = law.ppk.employer + std::clamp(emp.ppk_employer_extra, 0.0, law.ppk.employer_extra_max);
  k.employee = R(percent_of(b.B, employee), 2);
  k.employer = R(percent_of(b.B, employer), 2);
  return k;
}

// The yearly limit of the employee's exemption (one limit shared by all).
double exemption_limit(const Law& law, char exemption) {
  switch (exemption) {
    case 'M': case 'm': return law.relief.youth_limit;
    case 'P': case 'p': case 'R': case 'r': case 'S': case 's': return law.relief.others_limit;
    default: return 0;
  }
}

bool in_special_period(const EmployeeForPay& emp, const ListMonth& list) {
  if (emp.PSP.empty()) return false;
  const int m = month_index(list.working_year, list.month);
  if (m < month_index(emp.PSP.year, emp.PSP.month)) return false;
  if (!emp.PSK.empty() && m > month_index(emp.PSK.year, emp.PSK.month)) return false;
  return true;
}

}  // namespace

bool title_is(std::string_view ktu, std::string_view title) {
  return ktu.size() >= 4 && ktu.substr(0, 4) == title;
}

int step_number(ChainStep s) {
  switch (s) {
    case ChainStep::Gross: return 1;
    case ChainStep::Costs: return 2;
    case ChainStep::Base: return 3;
    case ChainStep::LimitReported: return 4;
    case ChainStep::PensionBase: return 5;
    case ChainStep::SicknessBase: return 6;
    case ChainStep::Funds: return 7;
    case ChainStep::FundRules: return 8;
    case ChainStep::FundFields: return 9;
    case ChainStep::KEU:
    case ChainStep::KEP:
    case ChainStep::KRU:
    case ChainStep::KRP: return 10;
    case ChainStep::KCU: return 11;
    case ChainStep::KWP: return 12;
    case ChainStep::PSZ: return 13;
    case ChainStep::DOP: return 14;
    case ChainStep::POP: return 15;
    case ChainStep::POD: return 16;
    case ChainStep::KZU: return 17;
    case ChainStep::OBP: return 18;
    case ChainStep::NPO: return 19;
    case ChainStep::ODZ: return 20;
    case ChainStep::ZAZ: return 21;
    case ChainStep::WYP: return 22;
  }
  return 0;
}

ChainStep restart_step(PayField f) {
  switch (f) {
    case PayField::KUZ:
    case PayField::PER: return ChainStep::KEU;
    case PayField::KEU: return ChainStep::KEP;
    case PayField::KEP: return ChainStep::KRU;
    case PayField::KRU: return ChainStep::KRP;
    case PayField::KRP:
    case PayField::PCW: return ChainStep::KCU;
    case PayField::KCU: return ChainStep::KWP;
    case PayField::KWP: return ChainStep::PSZ;
    case PayField::PSZ: return ChainStep::DOP;
    case PayField::DOP: return ChainStep::POP;
    case PayField::POP:
    case PayField::POS: return ChainStep::POD;
    case PayField::POD:
    case PayField::ODL: return ChainStep::KZU;
    case PayField::KZU: return ChainStep::OBP;
    case PayField::OBP: return ChainStep::NPO;
    case PayField::NPO: return ChainStep::ODZ;
    case PayField::ODZ: return ChainStep::ZAZ;
    case PayField::ZAZ: return ChainStep::WYP;
  }
  return ChainStep::Gross;
}

bool typed_amount_allowed(PayField field, double value) { return field == PayField::DOP || value >= 0; }

void set_field(PayAmounts& r, PayField f, double v) {
  switch (f) {
    case PayField::KUZ: r.KUZ = v; break;
    case PayField::PER: r.PER = v; break;
    case PayField::KEU: r.KEU = v; break;
    case PayField::KEP: r.KEP = v; break;
    case PayField::KRU: r.KRU = v; break;
    case PayField::KRP: r.KRP = v; break;
    case PayField::PCW: r.PCW = v; break;
    case PayField::KCU: r.KCU = v; break;
    case PayField::KWP: r.KWP = v; break;
    case PayField::PSZ: r.PSZ = v; break;
    case PayField::DOP: r.DOP = v; break;
    case PayField::POP: r.POP = v; break;
    case PayField::POS: r.POS = v; break;
    case PayField::POD: r.POD = v; break;
    case PayField::ODL: r.ODL = v; break;
    case PayField::KZU: r.KZU = v; break;
    case PayField::OBP: r.OBP = v; break;
    case PayField::NPO: r.NPO = v; break;
    case PayField::ODZ: r.ODZ = v; break;
    case PayField::ZAZ: r.ZAZ = v; break;
  }
}

void run_pay_chain(const ComponentSums& s, const EmployeeForPay& emp, const PayrollParameters& stored,
                   const ZusSettings& stored_zus, const YearToDate& ytd, const ListMonth& list, PayAmounts& r,
                   ChainStep from) {
  auto runs = [from](ChainStep step) { return static_cast<int>(step) >= static_cast<int>(from); };
  PayrollParameters p = stored;
  ZusSettings zus = stored_zus;
  apply_month_law(p, zus, list.working_year, list.month);
  const Law law = law_on(list.working_year, list.month);
  const Bases b = bases_and_funds(s, emp, p, ytd, list);
  const Ppk ppk = ppk_of(b, emp, law, p);
  const std::string_view ktu = emp.KTU;
  const double statutory_costs = std::max(emp.KUZ, p.monthly_costs_for(yes(emp.CKU)));

  if (runs(ChainStep::Gross)) r.BRP = max0(s.DPI + s.SPI - s.PPI);
  // Revenue for tax: the pay and the employer's PPK; the part of it under
  // the employee's exemption, up to what is left of the yearly limit.
  const double revenue = r.BRP + ppk.employer;
  const double limit = law.leads ? exemption_limit(law, emp.exemption) : 0;
  const double exempt = limit > 0 ? std::min(revenue, max0(R(limit - ytd.exempt_income, 2))) : 0;
  if (runs(ChainStep::Costs)) {
    r.KUZ = statutory_costs;
    if (same_grosz(r.BRP, 0) || (same_grosz(s.SPI, r.BRP) && same_grosz(s.WZC, 0))) r.KUZ = 0;
    if (exempt > 0 && same_grosz(exempt, revenue)) r.KUZ = 0;
  }
  if (runs(ChainStep::PensionBase)) r.PER = title_is(ktu, "2240") ? 0 : b.C;
  if (runs(ChainStep::SicknessBase)) {
    const bool none = title_is(ktu, "2240") || title_is(ktu, "2241") || title_is(ktu, "2242");
    r.PCW = r.PSW = none ? 0 : b.B;
  }
  if (runs(ChainStep::FundFields)) {
    r.FPP = b.FP;
    r.FGP = b.FG;
    if (list.fep) r.FEP = in_special_period(emp, list) ? R(percent_of(b.C, p.fep_rate), 2) : 0;
    r.PPU = ppk.employee;
    r.PPP = ppk.employer;
  }
  if (runs(ChainStep::KEU)) r.KEU = max0(R(percent_of(r.PER, p.pension_employee), 2));
  if (runs(ChainStep::KEP)) r.KEP = max0(R(percent_of(r.PER, p.pension_employer), 2));
  if (runs(ChainStep::KRU)) r.KRU = max0(R(percent_of(r.PER, p.disability_employee), 2));
  if (runs(ChainStep::KRP)) r.KRP = max0(R(percent_of(r.PER, p.disability_employer), 2));
  if (runs(ChainStep::KCU)) {
    if (title_is(ktu, "0920") || (title_is(ktu, "0200") && !yes(emp.UBC)))
      r.KCU = 0;
    else
      r.KCU = max0(R(percent_of(r.PCW, p.sickness), 2));
  }
  if (runs(ChainStep::KWP)) r.KWP = title_is(ktu, "0200") ? 0 : max0(R(percent_of(r.PCW, zus.accident_rate), 2));
  if (runs(ChainStep::PSZ)) {
    if (title_is(ktu, "0111") || title_is(ktu, "2242"))
      r.PSZ = 0;
    else
      r.PSZ = max0(max0(s.DZP + s.DZN + s.SZP + s.SZN - s.PZP - s.PZN) + s.WZC - (r.KEU + r.KRU + r.KCU));
  }
  const double social = r.KEU + r.KRU + r.KCU;
  // Income as it would be without any exemption (the earlier-rules caps use it).
  const double full_income = revenue - (exempt > 0 ? statutory_costs : r.KUZ) - social;
  if (runs(ChainStep::DOP)) {
    r.ZWL = exempt;
    r.DOP = r.PPP + r.BRP - (r.KUZ + social);
    if (exempt > 0) {
      // The taxable part bears the costs and its share of the contributions.
      const double taxable = revenue - exempt;
      r.DOP = same_grosz(taxable, 0) ? 0 : R(taxable - r.KUZ - social * taxable / revenue, 2);
    }
  }
  if (runs(ChainStep::POP)) {
    r.UKS = law.leads ? law.middle_class_relief(revenue) : 0;
    r.POP = R(max0(r.DOP - r.UKS), 0);
  }
  if (runs(ChainStep::POD)) {
    if (law.leads && same_grosz(r.POS, law.tax.rate) && r.POP > 0) {
      // The month that crosses the threshold pays the second rate on the part above it.
      const double low = std::clamp(law.tax.threshold - ytd.tax_base, 0.0, r.POP);
      r.POD = R(percent_of(low, law.tax.rate) + percent_of(r.POP - low, law.tax.rate2), 2);
    } else {
      r.POD = r.POP < 0 ? 0 : R(percent_of(r.POP, r.POS), 2);
    }
  }
  if (runs(ChainStep::KZU)) {
    if (title_is(ktu, "0111") || title_is(ktu, "2242")) {
      r.KZU = 0;
    } else {
      r.KZU = max0(R(percent_of(r.PSZ, p.health), 2));
      if (p.health_limited_to_advance == "T") r.KZU = max0(std::min(r.KZU, r.POD - r.ODL));
      if (law.leads && law.tax.health_cap_rate > 0)
        r.KZU = std::min(r.KZU, law.earlier_advance(max0(full_income), r.ODL > 0));
    }
  }
  if (runs(ChainStep::OBP)) r.OBP = std::min(R(percent_of(r.PSZ, p.health_deductible), 2), r.KZU);
  if (runs(ChainStep::NPO)) {
    r.NPO = R(max0(r.POD - (r.ODL + r.OBP)), 0);
    const double guard = law.leads ? law.tax.earlier_advance_guard_up_to : 0;
    if (guard > 0 && !(revenue > guard)) {
      // Not above the advance of the earlier rules (with their deductible health).
      const double health = max0(R(percent_of(r.PSZ, p.health), 2));
      const double deductible = std::min(R(percent_of(r.PSZ, law.tax.earlier_health_deductible), 2), health);
      const double earlier = R(max0(law.earlier_advance(max0(full_income), r.ODL > 0) - deductible), 0);
      r.NPO = std::min(r.NPO, earlier);
    }
  }
  if (runs(ChainStep::ODZ)) {
    double odz = r.NPO;
    if (emp.ZPZ > ytd.advance_due) odz = r.NPO - (emp.ZPZ - ytd.advance_due);
    r.ODZ = R(max0(odz), 0);
  }
  if (runs(ChainStep::ZAZ)) r.ZAZ = max0(r.BRP - (r.ODZ + r.KEU + r.KRU + r.KCU + r.KZU + r.PPU) - s.PFP);
  if (runs(ChainStep::WYP)) {
    r.WYP = max0(r.ZAZ + s.DNI + s.SNI - s.PNI);
    if (yes(emp.to_account) && same_grosz(r.PCO, 0)) r.PCO = r.WYP;
    r.SCO = r.WYP - r.PCO;
  }
}

bool fep_switch(int working_year, bool special_code_in_groups) {
  return working_year >= 2010 && special_code_in_groups;
}

NewRecordTax new_record_tax(const EmployeeForNewRecord& emp, const PayrollParameters& stored, int working_year,
                            int month, const YearToDate& ytd, std::span<const TaxScaleRow> scale) {
  NewRecordTax t;
  if (emp.WY1 <= 0 || emp.WY2 < 1) t.messages.push_back(msg::kWorkTimeError);
  PayrollParameters p = stored;
  ZusSettings unused;
  if (month >= 1) apply_month_law(p, unused, working_year, month);
  const Law law = law_on(working_year, month >= 1 ? month : 1);
  const bool no_reduction = emp.ULG == 'N' || emp.ULG == 'n';
  t.POS = title_is(emp.KTU, "0920") ? 0 : p.tax_rate;
  if (month >= 1 && law.leads && same_grosz(p.tax_rate, law.tax.rate)) {
    // The statutory scale of the month: the second rate once the year's
    // base has passed the threshold (the crossing month is split by the chain).
    const int payers = emp.pit2_payers < 1 ? 1 : emp.pit2_payers;
    t.ODL = no_reduction ? 0 : law.reduction_for(payers);
    if (ytd.earlier_records && !title_is(emp.KTU, "0920") && !(ytd.tax_base < law.tax.threshold)) {
      t.POS = law.tax.rate2;
      t.messages.push_back(msg::kTaxRateChanged);
      if (!law.tax.reduction_above_threshold) t.ODL = 0;
    }
    return t;
  }
  double reduction = no_reduction ? 0 : p.monthly_reduction;
  if (ytd.earlier_records) {
    TaxBracket br = tax_bracket(scale, ytd.tax_base);
    if (!br.ok()) {
      t.messages.push_back(br.message);
    } else {
      double rate = br.rate;
      if (br.previous > 0 && (emp.TBL == 'N' || emp.TBL == 'n')) rate = br.previous;
      t.POS = rate;
      if (!same_grosz(rate, p.tax_rate)) {
        t.messages.push_back(msg::kTaxRateChanged);
        if (working_year >= 2017) reduction = 0;
      }
    }
  }
  t.ODL = reduction;
  return t;
}

}  // namespace skolvarin::payroll
