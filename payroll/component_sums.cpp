#include "payroll/component_sums.h"

#include "host/api/rounding.h"
#include "payroll/component_catalogue.h"

namespace skolvarin::payroll {
namespace {

constexpr std::string_view kEmployerSickPay[] = {"S331", "S333", "S335", "S337", "S399"};
constexpr std::string_view kZusFinanced[] = {"S211", "S212", "S214", "S215", "S216", "S311", "S312", "S313", "S314",
                                             "S315", "S316", "S317", "S318", "S321", "S322", "S323", "S324", "S350",
                                             "S319", "S320", "S325", "S326", "S327", "S328", "S398", "S329"};
constexpr std::string_view kDeclarationBenefits[] = {
    "S211", "S212", "S215", "S311", "S312", "S313", "S314", "S315", "S316", "S317", "S318", "S321", "S322",
    "S323", "S324", "S319", "S320", "S325", "S326", "S327", "S328", "S398", "S329"};
constexpr std::string_view kDeclarationBenefitDays[] = {"S211", "S212", "S215", "S311", "S312", "S313", "S315",
                                                        "S316", "S317", "S321", "S323", "S319", "S320", "S325",
                                                        "S326", "S327", "S328", "S398", "S329"};
constexpr std::string_view kAllowances[] = {"S500", "S501", "S502"};
constexpr std::string_view kNotPaidOut[] = {"D507", "D508"};

void add_four(double amount, bool taxed, bool insured, double& pi, double& zp, double& ni, double& zn) {
  if (taxed) {
    pi += amount;
    if (insured) zp += amount;
  } else {
    ni += amount;
    if (insured) zn += amount;
  }
}

}  // namespace

std::array<double, 15> ComponentSums::as_array() const {
  return {DPI, DZP, DNI, DZN, SPI, SZP, SNI, SZN, PPI, PZP, PNI, PZN, PFP, WZC, ODB};
}

ComponentSums ComponentSums::from_array(const std::array<double, 15>& a) {
  ComponentSums s;
  s.DPI = a[0], s.DZP = a[1], s.DNI = a[2], s.DZN = a[3];
  s.SPI = a[4], s.SZP = a[5], s.SNI = a[6], s.SZN = a[7];
  s.PPI = a[8], s.PZP = a[9], s.PNI = a[10], s.PZN = a[11];
  s.PFP = a[12], s.WZC = a[13], s.ODB = a[14];
  return s;
}

bool ComponentSums::same_as(const ComponentSums& other) const {
  auto a = as_array(), b = other.as_array();
  for (size_t i = 0; i < a.size(); ++i)
    if (!same_grosz(R(a[i], 2), R(b[i], 2))) return false;
  return true;
}

bool classify_component(const ComponentLine& c, ComponentSums& s, DeclarationBenefitSums* extra) {
  std::string_view code = trim_code(c.code);
  if (code.empty()) return false;
  const bool taxed = c.taxed == 'T' || c.taxed == 't';
  const bool insured = c.insured == 'T' || c.insured == 't';
  switch (code[0]) {
    case 'D':
      add_four(c.amount, taxed, insured, s.DPI, s.DZP, s.DNI, s.DZN);
      if (code_in(code, kNotPaidOut)) s.PFP += c.amount;
      return true;
    case 'P':
      add_four(c.amount, taxed, insured, s.PPI, s.PZP, s.PNI, s.PZN);
      return true;
    case 'S':
      if (code_in(code, kEmployerSickPay)) s.WZC += c.amount;
      add_four(c.amount, taxed, insured, s.SPI, s.SZP, s.SNI, s.SZN);
      if (code_in(code, kZusFinanced)) s.ODB += c.amount;
      if (extra) {
        if (code_in(code, kDeclarationBenefits)) extra->zus_benefits += c.amount;
        if (code_in(code, kDeclarationBenefitDays)) extra->benefit_days += c.amount;
        if (code_in(code, kAllowances)) extra->allowances += c.amount;
      }
      return true;
    default:
      return false;
  }
}

}  // namespace skolvarin::payroll
