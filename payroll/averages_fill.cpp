#include "payroll/averages_fill.h"

#include <algorithm>

#include "host/api/rounding.h"
#include "payroll/absences.h"
#include "payroll/component_catalogue.h"

namespace skolvarin::payroll {
namespace {

constexpr int kNoComponents = 34;   // "Brak składników pensji dla -"
constexpr int kOverLimit = 167;     // "Przekroczona max. podstawa składek !"

constexpr std::string_view kOvertime[] = {"D121", "D122", "D123"};
constexpr std::string_view kOther[] = {"D32", "D501", "D505"};
constexpr std::string_view kBenefitMonth[] = {"S311", "S312", "S313", "S314", "S319", "S320", "S321", "S322",
                                              "S323", "S324", "S325", "S326", "S327", "S328", "S329"};

// Working days of [from, to] within the month.
int working_days_in_month(const Date& from, const Date& to, int year, int month, const std::set<long>& off) {
  const Date first{year, month, 1}, last = last_day_of_month(year, month);
  const Date a = std::max(from, first), b = std::min(to, last);
  return b < a ? 0 : working_days(a, b, off);
}

}  // namespace

AveragesValues fill_averages(const AveragesFillInput& in) {
  AveragesValues v;
  v.WY1 = in.WY1;
  v.WY2 = in.WY2;
  v.SSE = in.SSE;
  v.SSR = in.SSR;
  v.SSC = in.SSC;
  const Date first{in.year, in.month, 1}, last = last_day_of_month(in.year, in.month);
  v.IDR = working_days(first, last, in.days_off);
  int absent = 0;
  for (const AverageComponent& c : in.components) {
    const std::string_view code = trim_code(c.KGS);
    if (code.empty()) continue;
    if (code[0] == 'D' && c.ZUS) {
      if (!c.SRE) {
        v.DNP += c.KWO;
      } else if (code_in(code, kOvertime)) {
        v.DGN += c.KWO;
      } else if (code == "D221") {
        v.DOK += c.KWO;
        v.DKO = c.DOD;
        v.DKD = c.DDO;
      } else if (code == "D31") {
        v.DOR += c.KWO;
        v.DRO = c.DOD;
        v.DRD = c.DDO;
      } else if (code_in(code, kOther)) {
        v.SNS += c.KWO;
      } else {
        v.DOM += c.KWO;
      }
    } else if (code[0] == 'P' && c.ZUS) {
      v.POM += c.KWO;
      if (deduction_kind(code) != DeductionKind::None)
        absent += c.DOD.empty() || c.DDO.empty()
                      ? c.ILD
                      : working_days_in_month(c.DOD, c.DDO, in.year, in.month, in.days_off);
    } else if (code[0] == 'S' && code_in(code, kBenefitMonth)) {
      v.CCW = true;
    }
  }
  v.IDP = std::max(0, v.IDR - absent);
  v.DUZ = R(in.contracts, 2);
  for (double* x : {&v.DOM, &v.POM, &v.DNP, &v.DGN, &v.DOK, &v.DOR, &v.SNS}) *x = R(*x, 2);
  v.SKS = R(v.DOK / 3, 2);
  v.SRS = R(v.DOR / 12, 2);
  v.SMS = R(max0(v.DOM + v.DGN - v.POM) + v.SKS + v.SRS, 2);
  if (in.pay_records > 0 && in.components.empty()) v.messages.push_back(kNoComponents);
  if (in.yearly_limit > 0 && in.social_base_before + in.social_base > in.yearly_limit)
    v.messages.push_back(kOverLimit);
  return v;
}

AverageMonth average_month_of(const AveragesValues& v) {
  AverageMonth m;
  m.components = v.DOM + v.DGN + v.SKS + v.SRS;
  m.deductions = v.POM;
  m.recorded_base = v.SMS;
  m.other = v.SNS;
  m.days_worked = v.IDP;
  m.working_days = v.IDR;
  m.SSE = v.SSE;
  m.SSR = v.SSR;
  m.SSC = v.SSC;
  return m;
}

}  // namespace skolvarin::payroll
