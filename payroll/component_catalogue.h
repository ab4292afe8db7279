// The fixed catalogues of pay-component codes.  A code's position in the
// catalogue selects its special treatment in the payroll (base pay, sick
// pay, ZUS-financed benefits, ...); a code outside the catalogue gets only
// the treatment of its first letter (D addition, S benefit, P deduction,
// N absence).  Positions are stable: they are the catalogue's order.
#pragma once

#include <span>
#include <string_view>

namespace skolvarin::payroll {

// The 89 codes of additions, deductions and benefits, in catalogue order.
std::span<const std::string_view> component_catalogue();
// The 57 codes without their letter ("11", "121", ...).
std::span<const std::string_view> letterless_catalogue();
// The 25 absence codes (N111 ... N399).
std::span<const std::string_view> absence_catalogue();

// Position 0..88 of a 4-character code, or -1.  Trailing blanks of a code
// shorter than four characters (as a C4 field holds "D11 ") are ignored.
int catalogue_position(std::string_view code);
// Position in the letterless catalogue, comparing up to 3 characters.
int letterless_position(std::string_view digits);
// Position in the absence catalogue, or -1.
int absence_position(std::string_view code);

// The code without trailing blanks.
std::string_view trim_code(std::string_view code);

// True when `code` is one of `codes` (after trimming).
bool code_in(std::string_view code, std::span<const std::string_view> codes);

}  // namespace skolvarin::payroll
