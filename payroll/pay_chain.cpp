#include "payroll/pay_chain.h"

#include <algorithm>

#include "host/api/rounding.h"
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

void run_pay_chain(const ComponentSums& s, const EmployeeForPay& emp, const PayrollParameters& p,
                   const ZusSettings& zus, const YearToDate& ytd, const ListMonth& list, PayAmounts& r,
                   ChainStep from) {
  auto runs = [from](ChainStep step) { return static_cast<int>(step) >= static_cast<int>(from); };
  const Bases b = bases_and_funds(s, emp, p, ytd, list);
  const std::string_view ktu = emp.KTU;

  if (runs(ChainStep::Gross)) r.BRP = max0(s.DPI + s.SPI - s.PPI);
  if (runs(ChainStep::Costs)) {
    r.KUZ = std::max(emp.KUZ, p.monthly_costs_for(yes(emp.CKU)));
    if (r.BRP == 0 || (s.SPI == r.BRP && s.WZC == 0)) r.KUZ = 0;
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
  if (runs(ChainStep::DOP)) r.DOP = r.BRP - (r.KUZ + r.KEU + r.KRU + r.KCU);
  if (runs(ChainStep::POP)) r.POP = R(max0(r.DOP), 0);
  if (runs(ChainStep::POD)) r.POD = r.POP < 0 ? 0 : R(percent_of(r.POP, r.POS), 2);
  if (runs(ChainStep::KZU)) {
    if (title_is(ktu, "0111") || title_is(ktu, "2242")) {
      r.KZU = 0;
    } else {
      r.KZU = max0(R(percent_of(r.PSZ, p.health), 2));
      if (p.health_limited_to_advance == "T") r.KZU = max0(std::min(r.KZU, r.POD - r.ODL));
    }
  }
  if (runs(ChainStep::OBP)) r.OBP = std::min(R(percent_of(r.PSZ, p.health_deductible), 2), r.KZU);
  if (runs(ChainStep::NPO)) r.NPO = R(max0(r.POD - (r.ODL + r.OBP)), 0);
  if (runs(ChainStep::ODZ)) {
    double odz = r.NPO;
    if (emp.ZPZ > ytd.advance_due) odz = r.NPO - (emp.ZPZ - ytd.advance_due);
    r.ODZ = R(max0(odz), 0);
  }
  if (runs(ChainStep::ZAZ)) r.ZAZ = max0(r.BRP - (r.ODZ + r.KEU + r.KRU + r.KCU + r.KZU) - s.PFP);
  if (runs(ChainStep::WYP)) {
    r.WYP = max0(r.ZAZ + s.DNI + s.SNI - s.PNI);
    if (yes(emp.to_account) && r.PCO == 0) r.PCO = r.WYP;
    r.SCO = r.WYP - r.PCO;
  }
}

bool fep_switch(int working_year, bool special_code_in_groups) {
  return working_year >= 2010 && special_code_in_groups;
}

NewRecordTax new_record_tax(const EmployeeForNewRecord& emp, const PayrollParameters& p, int working_year,
                            const YearToDate& ytd, std::span<const TaxScaleRow> scale) {
  NewRecordTax t;
  if (emp.WY1 <= 0 || emp.WY2 < 1) t.messages.push_back(msg::kWorkTimeError);
  t.POS = title_is(emp.KTU, "0920") ? 0 : p.tax_rate;
  double reduction = (emp.ULG == 'N' || emp.ULG == 'n') ? 0 : p.monthly_reduction;
  if (ytd.earlier_records) {
    TaxBracket br = tax_bracket(scale, ytd.tax_base);
    if (!br.ok()) {
      t.messages.push_back(br.message);
    } else {
      double rate = br.rate;
      if (br.previous > 0 && (emp.TBL == 'N' || emp.TBL == 'n')) rate = br.previous;
      t.POS = rate;
      if (rate != p.tax_rate) {
        t.messages.push_back(msg::kTaxRateChanged);
        if (working_year >= 2017) reduction = 0;
      }
    }
  }
  t.ODL = reduction;
  return t;
}

}  // namespace skolvarin::payroll
