// The pay computation chain of one pay record: from the 15 component sums
// to gross pay, costs, contribution bases with the yearly cap, employee and
// employer contributions, the labour funds, health insurance, the tax
// advance and the amount paid out.
//
// The chain is a fixed order of steps; each step writes its field(s) of the
// record and hands over to the next.  A form that lets the user type a
// computed amount restarts the chain at the step after that field
// (restart_step), so a typed amount survives and everything after it
// follows from it.  Invariants of a full run (from ChainStep::Gross):
//  - contributions and FP/FGŚP/FEP are R(., 2); POP, NPO and ODZ are whole
//    złoty; POD keeps grosze;
//  - BRP, KUZ, contributions, PSZ, KZU, ZAZ, WYP are never negative; DOP may be;
//  - PER <= the yearly cap left after earlier records and contracts;
//  - SCO = WYP - PCO.
// The bases B and C of steps 3 to 9 are not fields: they are recomputed from
// the sums on every run, whatever the starting step.
//
// The chain computes under the law of the list month (payroll/law.h): from
// 2018 the month's statutory figures replace the stored ones the user left
// as given; the employer's PPK (PPP) is income for tax but not for ZUS; the
// employee's PPK (PPU) comes off the net; an exempt part of the revenue
// (ZWL) bears no costs and no tax; from 2022 the health contribution is not
// above the advance of the 2021 rules, and the month that crosses the
// year's threshold pays the second rate on the part above it.
#pragma once

#include <string_view>
#include <vector>

#include "host/api/calendar.h"
#include "payroll/component_sums.h"
#include "payroll/parameters.h"
#include "payroll/tax_scale.h"

namespace skolvarin::payroll {

// The computed fields of a pay record (W3PENS).
struct PayAmounts {
  double BRP = 0;  // gross pay
  double KUZ = 0;  // costs of obtaining income
  double DOP = 0;  // income
  double POP = 0;  // tax base, whole złoty
  double POS = 0;  // tax rate %
  double POD = 0;  // computed advance
  double ODL = 0;  // tax-reducing amount
  double OBP = 0;  // health contribution deducted from tax
  double NPO = 0;  // advance due
  double ODZ = 0;  // advance to pay
  double ZAZ = 0;  // computed net pay
  double WYP = 0;  // to pay out
  double PCO = 0;  // of it to the bank account
  double SCO = 0;  // of it in cash
  double PER = 0;  // pension and disability base
  double KEU = 0, KEP = 0;  // pension employee, employer
  double KRU = 0, KRP = 0;  // disability employee, employer
  double PCW = 0;  // sickness base
  double KCU = 0;  // sickness contribution
  double PSW = 0;  // accident base
  double KWP = 0;  // accident contribution
  double PSZ = 0;  // health base
  double KZU = 0;  // health contribution
  double FPP = 0, FGP = 0, FEP = 0;  // FP, FGŚP, FEP (employer)
  double PPU = 0;  // PPK paid by the employee (deducted from the net)
  double PPP = 0;  // PPK paid by the employer (taxable income of the employee)
  double ZWL = 0;  // income exempt from tax (under 26 and the other exemptions)
  double UKS = 0;  // middle-class relief deducted from the tax base
};

// What the chain reads of the employee (W3PRAC).
struct EmployeeForPay {
  std::string_view KTU;    // insurance title code; its first four characters are the title
  double KUZ = 0;          // own monthly costs
  char CKU = 'N';          // increased costs
  char PMA = ' ';          // who reported the exceeding of the yearly base
  Date DPM;                // date of that exceeding
  char CFP = 'T';          // FP: T, N, Z
  Date DFP;                // FP exemption up to
  char CFG = 'T';          // FGŚP: T, N
  Date DFG;                // FGŚP exemption up to
  Date PSP, PSK;           // work in special conditions, from / to
  char UBC = 'N';          // voluntary sickness insurance
  double ZPZ = 0;          // exempt from collecting advances up to this yearly amount
  char to_account = 'N';   // first character of RE1: pay goes to the bank account
  // Switches of the law from 2018 on (plain values the employee register keeps).
  bool ppk = false;               // takes part in PPK
  bool ppk_low = false;           // declared the 0.5 % rate (low pay)
  double ppk_employee_extra = 0;  // voluntary extra %, employee
  double ppk_employer_extra = 0;  // voluntary extra %, employer
  char exemption = ' ';           // 'M' under 26, 'P' return, 'R' four or more children, 'S' working senior
};

// Sums of the employee's earlier pay records of the year and contracts.
struct YearToDate {
  double tax_base = 0;         // POP of earlier records
  double pension_base = 0;     // PER of earlier records
  double contracts_base = 0;   // pension base of the employee's contracts
  double advance_due = 0;      // NPO of earlier records
  bool earlier_records = false;
  double exempt_income = 0;    // ZWL of earlier records (the exemptions' shared limit)
};

struct ListMonth {
  int working_year = 0;
  int month = 0;
  bool fep = false;            // the list context's FEP switch (fep_switch below)
};

enum class ChainStep {
  Gross,          // 1 BRP
  Costs,          // 2 KUZ
  Base,           // 3 bases B and C
  LimitReported,  // 4
  PensionBase,    // 5 PER
  SicknessBase,   // 6 PCW, PSW
  Funds,          // 7 FP, FGŚP
  FundRules,      // 8
  FundFields,     // 9 FPP, FGP, FEP
  KEU, KEP, KRU, KRP,  // 10
  KCU,            // 11
  KWP,            // 12
  PSZ,            // 13
  DOP,            // 14
  POP,            // 15
  POD,            // 16
  KZU,            // 17
  OBP,            // 18
  NPO,            // 19
  ODZ,            // 20
  ZAZ,            // 21
  WYP,            // 22 WYP, PCO, SCO
};

// Step number 1..22 of a chain step.
int step_number(ChainStep s);

// Fields of the pay record form that the user may type.
enum class PayField { KUZ, PER, KEU, KEP, KRU, KRP, PCW, KCU, KWP, PSZ, DOP, POP, POS, POD, ODL, KZU, OBP, NPO, ODZ, ZAZ };

// The step the chain restarts with after `edited` was typed.
ChainStep restart_step(PayField edited);
// A typed amount is refused (host warning 50133) when negative, except DOP.
bool typed_amount_allowed(PayField field, double value);
// Stores a typed amount into its field.
void set_field(PayAmounts& rec, PayField field, double value);

// Runs the chain from `from` to the end over `rec`.
void run_pay_chain(const ComponentSums& sums, const EmployeeForPay& emp, const PayrollParameters& p,
                   const ZusSettings& zus, const YearToDate& ytd, const ListMonth& list, PayAmounts& rec,
                   ChainStep from = ChainStep::Gross);

// The FEP switch of the list context: working year 2010 or later and the
// employee's special-conditions code found under group 2, sub-group 1 or 2
// of the ZUS code dictionary.
bool fep_switch(int working_year, bool special_code_in_groups);

// Tax rate and reducing amount of a new pay record.
struct NewRecordTax {
  double POS = 0;
  double ODL = 0;
  std::vector<int> messages;  // 16 bad working-time fraction, 39 no tax scale, 238 rate changed
};

struct EmployeeForNewRecord {
  std::string_view KTU;
  char ULG = 'T';  // apply the monthly reducing amount
  char TBL = 'T';  // compute the advance by the tax scale
  int WY1 = 1, WY2 = 1;
  int pit2_payers = 1;  // PIT-2 given to 1, 2 or 3 payers (from 2023 the amount is split)
};

// From 2018 the month's statutory scale replaces the year's table while the
// stored rate is the statutory one.
NewRecordTax new_record_tax(const EmployeeForNewRecord& emp, const PayrollParameters& p, int working_year, int month,
                            const YearToDate& ytd, std::span<const TaxScaleRow> scale);
// The year's stored figures and table alone.
inline NewRecordTax new_record_tax(const EmployeeForNewRecord& emp, const PayrollParameters& p, int working_year,
                                   const YearToDate& ytd, std::span<const TaxScaleRow> scale) {
  return new_record_tax(emp, p, working_year, 0, ytd, scale);
}

// True when the first four characters of `ktu` equal `title`.
bool title_is(std::string_view ktu, std::string_view title);

}  // namespace skolvarin::payroll
