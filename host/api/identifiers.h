// Checks of the identifiers a firm is registered under: tax number (NIP),
// statistical number (REGON), personal number (PESEL) and bank account
// number (NRB).  Each takes the text as typed; blanks and '-' between the
// digits are allowed, a NIP may start with "PL", an account with "PL".
// A blank text is not checked here (the caller decides whether the field
// may stay empty).
//
//   NIP    10 digits; (6,5,7,2,3,4,5,6,7)·(d1..d9) mod 11 = d10.
//   REGON  9 digits: (8,9,2,3,4,5,6,7)·(d1..d8) mod 11 (10 read as 0) = d9;
//          14 digits: (2,4,8,5,0,9,7,3,6,1,2,4,8)·(d1..d13) likewise = d14.
//   PESEL  11 digits; (1,3,7,9,1,3,7,9,1,3)·(d1..d10) + d11 ≡ 0 (mod 10).
//   NRB    26 digits; the IBAN check: the 24 digits after the check pair,
//          then "2521" (P = 25, L = 21) and the check pair, read as one
//          number, give 1 mod 97.
#pragma once

#include <string>
#include <string_view>

namespace skolvarin {

// The digits of `text` when it holds only digits, blanks and '-' (and the
// "PL" prefix where allowed); "" otherwise.
std::string identifier_digits(std::string_view text, bool country_prefix);

bool nip_valid(std::string_view text);
bool regon_valid(std::string_view text);
bool pesel_valid(std::string_view text);
bool nrb_valid(std::string_view text);

// The reason a non-blank identifier is refused, in Polish ("" when valid):
// "NIP musi mieć 10 cyfr", "błędna cyfra kontrolna NIP", ...
std::string nip_problem(std::string_view text);
std::string regon_problem(std::string_view text);
std::string pesel_problem(std::string_view text);
std::string nrb_problem(std::string_view text);

}  // namespace skolvarin
