// The 15 component sums of a pay record and the classification of one pay
// component into them.
//
// Every pay record carries the sums of its components in 15 fields; the pay
// computation chain works from these sums only.  Invariants: after
// classify_component over all components of a record,
//  - DZP <= DPI, DZN <= DNI (and the same for S and P) when amounts are
//    non-negative: the "subject to social insurance" sums are parts of the
//    taxed and untaxed sums;
//  - PFP holds only D507 and D508, WZC only employer-paid sick pay, ODB only
//    ZUS-financed benefits; each of these is also in its S or D sum.
#pragma once

#include <array>
#include <string_view>

namespace skolvarin::payroll {

struct ComponentSums {
  double DPI = 0, DZP = 0, DNI = 0, DZN = 0;  // additions: taxed, of which ZUS; untaxed, of which ZUS
  double SPI = 0, SZP = 0, SNI = 0, SZN = 0;  // benefits, the same four
  double PPI = 0, PZP = 0, PNI = 0, PZN = 0;  // deductions, the same four
  double PFP = 0;                             // D507, D508: gross not paid out
  double WZC = 0;                             // employer-paid sick pay
  double ODB = 0;                             // ZUS-financed benefits paid by the employer

  // The sums in the record's field order DPI ... ODB.
  std::array<double, 15> as_array() const;
  static ComponentSums from_array(const std::array<double, 15>& a);
  // True when every sum equals the other's after R(., 2).
  bool same_as(const ComponentSums& other) const;
};

// Further benefit sums kept for the ZUS declarations.
struct DeclarationBenefitSums {
  double zus_benefits = 0;    // S211, S212, S215, S311..S324, S319, S320, S325..S328, S398, S329
  double benefit_days = 0;    // S211, S212, S215, S311..S313, S315..S317, S321, S323, S319, S320, S325..S328, S398, S329
  double allowances = 0;      // S500, S501, S502
};

// The fields of a payroll component the classification reads.
struct ComponentLine {
  std::string_view code;  // KGS, e.g. "D11", "S331"
  char taxed = 'T';       // POD
  char insured = 'T';     // ZUS
  double amount = 0;      // KWO
};

// Adds one component into the sums.  Returns false, leaving the sums
// unchanged, when the code's first letter is not D, S or P (alarm 8).
bool classify_component(const ComponentLine& c, ComponentSums& sums, DeclarationBenefitSums* extra = nullptr);

}  // namespace skolvarin::payroll
