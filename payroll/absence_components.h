// The absences of one month of an employee turned into pay components: for
// every absence a deduction from the base pay (P code) and, for a paid
// absence, a benefit (S code) with the same digits as its N code, computed
// from the monthly benefit base averaged over the months before the month
// of the absence.
//
// The service is pure: the caller (the pay record's components window, the
// batch commands) reads the employee, the absences and the averages records
// from the tables, shows the messages and questions handed back, and writes
// the components.  Invariants:
//  - every absence gives its deduction first, then its benefit, in the
//    order of the absences;
//  - a benefit's amount is the one for all its days; when a first-days
//    question is due, `if_agreed` holds what agreeing to it changes
//    (agree_first_days applies it), so the question never loses the amount;
//  - the benefit base is the same for every benefit of the month.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "host/api/calendar.h"
#include "payroll/absences.h"
#include "payroll/benefits.h"
#include "payroll/parameters.h"

namespace skolvarin::payroll {

// One absence of the month (a W3NIEO record).
struct AbsenceEntry {
  std::string KGS;       // absence code N...
  std::string NA1, NA2;  // description
  std::string KTU;       // insurance title code of the absence
  Date DOD, DDO;         // first and last day
  Date DDZ;              // medical certificate delivered
  int ILD = 0;           // calendar days
  int ILR = 0;           // working days
  int ILG = 0;           // hours
};

// One averages record (W3SRDN) of the employee: its month and the values
// the average is made of.
struct AveragesEntry {
  int year = 0, month = 0;
  AverageMonth values;
};

// What the service needs of the employee (W3PRAC) and of the month.
struct AbsenceEmployee {
  PayBasis pay;                 // CZG, STG, BRG, CPM and the pay record's WY1/WY2
  int averaging_months = 12;    // OOZ (0 or less: 12)
  Date hired;                   // DAP
  std::string KTU;              // the pay record's title code
};
struct AbsenceMonthInput {
  AbsenceEmployee employee;
  int year = 0, month = 0;      // month of the absences
  int calendar_hours = 0;       // working hours of that month (calendar)
  std::vector<AbsenceEntry> absences;
  std::vector<AveragesEntry> averages;  // every averages record of the employee, any order
};

// The monthly benefit base of the month (the amount before the 1/30 split).
struct BenefitBaseOfMonth {
  int alarm = 0;                  // 28 no hiring date, 18 no averaging period
  double base = 0;
  bool raised_to_floor = false;   // message 200 is due
  bool month_of_hiring = false;   // no earlier month: the monthly base pay
  std::vector<AveragesEntry> months;   // the months averaged, oldest first
  std::vector<double> month_amounts;   // what each of them adds, after contributions
};
BenefitBaseOfMonth benefit_base_of_month(const AbsenceEmployee& e, int year, int month,
                                         std::span<const AveragesEntry> averages, const PayrollParameters& p,
                                         int calendar_hours);

// A component an absence gives.
struct AbsenceComponent {
  std::string KGS;        // P... or S...
  std::string NA1, NA2;   // the absence's description
  std::string KTU;        // title code the component is reported under
  Date DOD, DDO;
  int ILD = 0;            // days (paid days for a benefit)
  int ILG = 0;            // hours
  double KWO = 0;         // amount
  size_t absence = 0;     // index of the absence it comes from
  // Benefits only: how the amount was made.
  int late_days = 0;
  double daily = 0, late_daily = 0;
  bool computed = false;  // false for benefits whose amount is typed
  // The first days of a short illness (message 137, question 60).
  struct FirstDays {
    bool asks = false;
    int paid_days = 0;    // days paid when the user agrees
    double amount = 0;    // the amount then
  } if_agreed;
};

struct AbsenceComponents {
  int alarm = 0;            // 17 working-time fraction 0, 28, 18: no component at all
  std::vector<AbsenceComponent> components;
  BenefitBaseOfMonth base;  // filled when some absence is paid
  // Messages to show, in order (14 a benefit code the module cannot compute,
  // 200 the base raised to the floor, 210 no calendar hours).
  std::vector<int> messages;
  // Indexes into `components` of the benefits that ask question 60 after
  // message 137.
  std::vector<size_t> first_days_questions;
};

AbsenceComponents absence_components_of_month(const AbsenceMonthInput& in, const PayrollParameters& p);

// The user agreed not to pay the first days of the benefit `c`.
void agree_first_days(AbsenceComponent& c);

// ---------------------------------------------------------------- on the screen

// Shows what absence_components_of_month handed back: its alarm (then
// false: no component is to be added), its messages in order, and for each
// first-days question message 137 with question 60; any answer but Esc
// (or N) agrees and the benefit is cut (agree_first_days).  The caller then
// writes r.components.
bool settle_absence_components(AbsenceComponents& r);


// "Obliczenie kwoty świadczenia": the base, the months it came from and each
// benefit's days, rates and amount.
struct BenefitCalculation {
  std::string person;         // surname and first name
  int year = 0, month = 0;    // month of the benefits
  BenefitBaseOfMonth base;
  std::vector<AbsenceComponent> benefits;
};
BenefitCalculation benefit_calculation(std::string person, int year, int month, const AbsenceComponents& r);
// The calculation as text lines (the window and the print show the same).
std::vector<std::string> benefit_calculation_lines(const BenefitCalculation& c, const PayrollParameters& p);

// Shows the window; F2 prints it (preview first).  Returns the closing key.
int show_benefit_calculation(const BenefitCalculation& c, const PayrollParameters& p);
// Prints it (the preview, F2 prints).  0 or -1.
int print_benefit_calculation(const BenefitCalculation& c, const PayrollParameters& p);

}  // namespace skolvarin::payroll
