// The calculator window run in the real program: the payroll menu's
// " Kalkulator " under the law of the working month, the mode pop-up and the
// switches window.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"

namespace {

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;

TEST(CalculatorWindow, MinimumWage2026AndPpkSwitch) {
  DataDir dir("calculator_window");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "<Enter>mk<dump>"                     // 0: opened from the menu: "Do wypłaty", nothing computed
      "<Enter><C-Y>4806<F2>"                // the amount
      "<Down><Enter><Up><Enter><dump>"      // 1: "Brutto" chosen from the pop-up
      "<F3><Down><Down><Down><Down><Down><Down><Down><Down><Space><F2><dump>"  // 2: PPK on
      "<F2><dump><Esc>"                     // 3: the printout's preview
      "<Esc><Esc><Esc>",
      "2026-05-10");
  ASSERT_EQ(run.screens.size(), 4u) << run.all();
  EXPECT_TRUE(has_row(run.screens[3], "Kalkulator płacowy - podgląd wydruku")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[3], "do wypłaty.................      3501.73")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[0], "określenie kwoty........... Do wypłaty")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "prawo z miesiąca...........      05-2026")) << dump(run.screens[0]);
  // The published 2026 figures: net 3605.85, employer's cost 5790.28.
  EXPECT_TRUE(has_row(run.screens[1], "określenie kwoty........... Brutto")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[1], "zdrowotne..................       373.24")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[1], "do wypłaty.................      3605.85")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[1], "całkowity koszt............                    5790.28")) << dump(run.screens[1]);
  // PPK: 2 % = 96.12 and 1.5 % = 72.09, taxed with the pay: R(3897.09 +
  // 72.09) = 3969 × 12 % - 300 = 176.28 -> 176; net 4147.09 - 373.24 - 176 - 96.12.
  EXPECT_TRUE(has_row(run.screens[2], "PPK........................        96.12         72.09")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "zaliczka na podatek........       176.00")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "do wypłaty.................      3501.73")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "całkowity koszt............                    5862.37")) << dump(run.screens[2]);
}

}  // namespace
