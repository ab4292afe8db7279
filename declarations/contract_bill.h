// The bill of a civil-law contract (contract of mandate or for a specific
// work): insurance switches, contribution bases with the yearly pension
// cap, costs with the author-cost limit, income, tax and the amount to pay.
//
// The computation is a cascade of six steps, each starting the next:
//   1 gross amount → rates, pension base, contributions, funds, health
//   2 costs  3 income  4 tax base  5 tax  6 tax due and amount to pay.
// The edit form starts it at the step after the field the user left
// (compute_bill's `from`).  Nothing here reads a table or shows anything:
// the register hands in the person, the parameters of the year, the sums of
// the person's other records, and gets back the record and the ids of the
// messages to show, in order.  A refused value or a stopping alarm leaves
// the record as it was when the step began (`stopped`).
//
// Invariants of a computed bill: NPO ≥ 0, NET ≥ 0, DOP ≥ 0; PER ≤ BRU;
// every contribution is 0 while its switch is off; a flat-rate contract
// (TYP 3, 4) has UZP = UZW = 0 and is taxed on BRU.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/api/calendar.h"
#include "payroll/tax_scale.h"

namespace skolvarin::declarations {

// Message ids (module table) and host ids raised by the bill.
inline constexpr int kMsgNegativeAmount = 50133;   // host: negative value refused
inline constexpr int kAlarmTaxScaleBad = 12;        // "Błąd tabeli podatkowej!"
inline constexpr int kAlarmTaxScaleEmpty = 39;      // "Brak tabeli podatkowej!"
inline constexpr int kAlarmCapDateOutOfYear = 68;
inline constexpr int kWarnOwnEmployeeFlat = 138;
inline constexpr int kWarnAuthorCostsCut = 145;     // "Ograniczono koszty uzyskania."
inline constexpr int kWarnPensionCapExceeded = 168;
inline constexpr int kWarnShouldBeFlat = 185;
inline constexpr int kWarnTypeHasNoCosts = 187;
inline constexpr int kWarnFlatHasNoCosts = 192;
inline constexpr int kWarnSetCapInPerson = 195;
inline constexpr int kAlarmCapDateMissing = 204;
inline constexpr int kWarnTooMuchForFlat = 226;
inline constexpr int kWarnContributionsCut = 240;

// Parameters of the working year the bill uses (payroll parameters with
// their defaults).
struct ContractParameters {
  double cost_rate = 20;            // "stopa kosztu uzysku" of contracts
  double tax_rate = 18;             // "stopa podatku dochodowego" of contracts
  double flat_limit = 200;          // "max.kwota umowy rozl. ryczał"
  double flat_tax_rate = 18;        // tax rate of flat-rate contracts
  bool flat_deduct_health = false;  // deduct health from flat-rate tax
  double monthly_costs = 111.25;    // "miesięczny koszt uzysku"
  double pension_employee = 9.76, pension_employer = 9.76;
  double disability_employee = 1.5, disability_employer = 6.5;
  double sickness = 2.45, accident = 1.80;
  double health = 9, health_deductible = 7.75;
  double labour_fund = 2.45, guaranteed_fund = 0.1;
  double yearly_pension_cap = 121650;
  double minimum_hourly_rate = 13;
};

// The contractor as the employees register describes him.  Switch fields
// hold their one-character value ("T"/"N", "1".."3"); blank dates are empty.
struct ContractPerson {
  char UBS = 'N', UBC = 'N', UBZ = 'N';  // social, sickness, health insurance
  char FPU = 'T', FGU = 'T';             // Labour Fund, guaranteed fund ('N' = no)
  char PMA = ' ';                        // code of the exceeded yearly base
  Date DAP, DAZ, DPM;                    // hired on, left on, cap exceeded on
};

struct InsuranceSwitches {
  bool social = false, sickness = false, accident = false, health = false;
  bool labour_fund = false, guaranteed_fund = false;
  bool operator==(const InsuranceSwitches&) const = default;
};

bool is_flat_rate(int typ);       // TYP 3 or 4
bool is_mandate(int typ);         // TYP 1 or 3
bool is_employee_code(std::string_view ktu);  // "0110", "0111", "0120"
bool starts_with(std::string_view code, std::string_view prefix);

// The six switches from the insurance title code, the person and the year of
// the bill date.
InsuranceSwitches insurance_switches(std::string_view ktu, const ContractPerson& person, int bill_year);

// Whether the contractor is the firm's own employee on a date.
bool is_own_employee(const ContractPerson& person, const Date& on);

// The record's fields the computation reads and writes.
struct ContractBill {
  int TYP = 1, TYT = 5;
  std::string KTU;
  Date DAW, DAR;
  double BRU = 0, WOL = 0, UZP = 0, UZW = 0;
  double PER = 0, KEU = 0, KEP = 0, KRU = 0, KRP = 0;
  double PCW = 0, PSW = 0, KCU = 0, KWP = 0, PSZ = 0, KZU = 0;
  double DOP = 0, POP = 0, POS = 0, POD = 0, NPO = 0, NET = 0, WYP = 0;
  double PFP = 0, FUP = 0, PFG = 0, FUG = 0;
};

// Sums over the person's other records of the working year, gathered by the
// register (the record being modified is never among them).
struct ContractHistory {
  // Σ PER of pay records with month ≤ month of DAR + Σ BRU of other contracts
  // with DAR ≤ this DAR (see previous_pension_base).
  double pension_base_before = 0;
  // Σ UZW of other author contracts (TYT 6) with DAR ≤ this DAR.
  double author_costs_before = 0;
  // Half the second threshold of the tax scale, or why it is missing:
  // kAlarmTaxScaleEmpty / kAlarmTaxScaleBad (see take_author_limit).
  std::optional<double> author_cost_limit;
  int author_limit_alarm = 0;
};

struct PayBase {
  int month = 0;     // MIE
  double PER = 0;
};
struct OtherContract {
  Date DAR;
  int TYT = 5;
  double BRU = 0, UZW = 0;
};
// Fills the author-cost limit from the year's tax scale (W3TABE rows).
void take_author_limit(ContractHistory& history, std::span<const payroll::TaxScaleRow> scale);

double previous_pension_base(std::span<const PayBase> pay, std::span<const OtherContract> others,
                             const Date& bill_date);
double previous_author_costs(std::span<const OtherContract> others, const Date& bill_date);

enum class BillStep { Gross = 1, Costs = 2, Income = 3, TaxBase = 4, Tax = 5, Due = 6 };

struct BillOutcome {
  std::vector<int> messages;  // ids in the order they are shown
  bool stopped = false;       // refused or stopped by an alarm
};

struct BillInputs {
  InsuranceSwitches switches;
  ContractPerson person;
  ContractParameters params;
  ContractHistory history;
  int working_year = 0;
};

// The parameters of a bill's month: from 2018 the figures left as the
// program gave them (tax rate, monthly costs, deductible health, pension cap,
// minimum hourly rate, accident rate) follow the law of that month.
ContractParameters parameters_on(const ContractParameters& stored, int year, int month);

// Runs the cascade from `from` to the end, under the law of the month of DAR.
BillOutcome compute_bill(ContractBill& bill, BillStep from, const BillInputs& in);

// Warning when UZP or UZW is left with a value other than 0: 192 for a
// flat-rate contract, 187 for TYT 7, else 0.
int cost_field_warning(int typ, int tyt, double value);

// Leaving DAW: 138 when a flat-rate contract is made with the firm's own
// employee on that date, else 0.
int contract_date_warning(int typ, const ContractPerson& person, const Date& daw);

// Leaving WOL: the minimum amount WOL × minimum hourly rate when BRU is below
// it (warning "Kwota umowy nie powinna być niższa niż %9.2f zł.!").
std::optional<double> hours_check(double bru, double wol, const ContractParameters& params);

// The deductible health contribution of step 6 (also printed on the bill).
double health_deductible(const ContractBill& bill, const ContractParameters& params);

// A date of a copied contract: one month on, the day cut to the length of
// the new month (February 29 days when the new date's year is a leap year,
// whatever the working year); a blank date stays blank.
Date copy_date(const Date& d, int working_year);

}  // namespace skolvarin::declarations
