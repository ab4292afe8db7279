// The payroll calculator: one amount turned into a complete pay breakdown,
// from gross to the amount paid out, from the amount paid out back to the
// gross, or from the employer's total cost back to the gross, for a
// contract of employment, a contract of mandate or a contract for a
// specific work.  It works in memory only.
//
// Invariants: every contribution is R(G x rate, 2); the advance is whole
// złoty; net = R(S - health - advance, 2); total cost = R(G + employer
// contributions, 2).  In the reverse modes the gross is refined from an
// estimate by steps of 0.01: down while the net (or total cost) is above the
// target, then up while it is below.  The result gives the target exactly,
// or a net above it while one grosz less gives a net below it.  The total
// cost grows with the gross; the net does not always (each złoty more of
// advance takes it back by up to a złoty), so two or three grosses can give
// one net: the estimate lies above them and the refinement comes down onto
// the highest stretch of gross that reaches the target (1459.48 -> 2000.00
// with the 2017 figures, though 1998.73 gives that net too).
#pragma once

#include "payroll/law.h"
#include "payroll/parameters.h"

namespace skolvarin::payroll {

enum class CalcMode { Gross = 0, Net = 1, Cost = 2 };     // "Brutto", "Do wypłaty", "Koszt"
enum class CalcKind { Pay = 0, Mandate = 1, Work = 2 };   // "Płaca", "Umowa zlecenia", "Umowa o dzieło"

struct CalcSwitches {
  bool pension = true;     // "emerytalne"
  bool disability = true;  // "rentowe"
  bool sickness = true;    // "chorobowe"
  bool accident = true;    // "wypadkowe"
  bool health = true;      // "zdrowotne"
  bool fp = true;          // "Fundusz Pracy"
  bool fgsp = true;        // "FGŚP"
};

// The law of a month and the employee's switches the calculator computes
// under (from 2018 on; earlier months compute from the stored figures alone).
struct CalcLawOptions {
  int year = 0, month = 12;
  bool raised_costs = false;  // "--kup podwyzszone"
  bool pit2 = true;           // PIT-2 given (the monthly reducing amount)
  bool ppk = false;           // takes part in PPK (2 % and 1.5 %)
  bool under26 = false;       // the youth exemption
};

struct CalculatorState {
  CalcKind kind = CalcKind::Pay;
  bool by_law = false;       // the rules of `law` below apply
  Law law;
  CalcLawOptions options;
  double tax_rate = 0.18;    // as a fraction
  double reduction = 0;      // "odliczenie od podatku"
  double costs = 0;          // "koszt uzysku"
  bool costs_typed = false;  // costs typed by hand
  CalcSwitches sw;
};

// Defaults of a kind, taken at opening and whenever the kind changes.
CalculatorState calculator_defaults(CalcKind kind, const PayrollParameters& p);
// The same under the law of a month: `p` and `z` are the stored figures of
// the year; they come back with the month's statutory figures applied (pass
// them on to calculate).
CalculatorState calculator_defaults(CalcKind kind, PayrollParameters& p, ZusSettings& z, const CalcLawOptions& o);

// Rates (fractions) of the switches that are on; 0 for a switch that is off.
struct CalcRates {
  double pension_employee = 0, pension_employer = 0;
  double disability_employee = 0, disability_employer = 0;
  double sickness = 0, accident = 0, health = 0, health_deductible = 0, fp = 0, fgsp = 0;
};
CalcRates calculator_rates(const CalculatorState& s, const PayrollParameters& p, const ZusSettings& z);

struct Breakdown {
  double gross = 0;
  double pension_employee = 0, pension_employer = 0;
  double disability_employee = 0, disability_employer = 0;
  double sickness = 0;   // employee
  double accident = 0;   // employer
  double health = 0;
  double fp = 0, fgsp = 0;
  double costs = 0;
  double advance = 0;    // "zaliczka na podatek"
  double net = 0;        // "do wypłaty"
  double total_cost = 0; // "całkowity koszt"
  double ppk_employee = 0, ppk_employer = 0;
};

// The forward step: the breakdown of gross G.
Breakdown breakdown(double gross, const CalculatorState& s, const PayrollParameters& p, const ZusSettings& z);

struct CalcResult {
  int message = 0;  // 0, or 223, 224, 225, 228: the request is refused
  Breakdown b;
  bool ok() const { return message == 0; }
};

// The calculator's answer for `amount` (rounded to 2 decimals first) in a mode.
CalcResult calculate(double amount, CalcMode mode, const CalculatorState& s, const PayrollParameters& p,
                     const ZusSettings& z);

}  // namespace skolvarin::payroll
