// The calculator window (payroll menu " Kalkulator ", template 34): the
// amount and its meaning, the kind of pay, tax rate, reducing amount and
// costs, the month whose law applies, and the breakdown in the columns
// "pracownik" and "pracodawca".  Up and Down move over the editable lines
// (wrapping), Enter changes the line, F3 the switches (contributions and the
// employee's PPK, PIT-2, costs and under-26), F2 prints, F8 "Przepisz"
// returns the gross to the register that opened it, Esc leaves.
#pragma once

#include "payroll/calculator.h"

namespace skolvarin::payroll {

// Opened from another register: mode "Brutto" with `amount` and `kind`;
// returns F8 (the gross in *gross) or Esc.  From the menu (from_register
// false): mode "Do wypłaty", amount 0; returns Esc.
int open_calculator(bool from_register, double amount, CalcKind kind, double* gross);

}  // namespace skolvarin::payroll
