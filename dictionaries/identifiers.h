// The two identifier checks of contractor and person forms: the tax number
// (NIP) and the personal number (PESEL).
//
// Each check takes the text as typed (a dBASE field, blank-padded or not)
// and the switch of the main options that turns it on (key 31 for NIP, key
// 32 for PESEL).  It answers valid or not and, for an invalid text, the id
// of the host warning the caller shows when it asks for warnings.  A check
// that is switched off, or that does not apply to the text, answers valid.
//
// NIP: ten digits d1..d10 with (6,5,7,2,3,4,5,6,7)·(d1..d9) mod 11 = d10, so
// a number whose weighted sum gives 10 is never valid.  A leading "PL" and
// blanks or '-' between the digits are allowed.  PESEL: eleven digits with
// (1,3,7,9,1,3,7,9,1,3)·(d1..d10) + d11 ≡ 0 (mod 10); the birth date inside
// the number is not checked.
#pragma once

#include <string_view>

namespace skolvarin::dictionaries {

inline constexpr int kWarnNipLength = 20089;     // not ten digits
inline constexpr int kWarnNipInvalid = 20090;    // bad character or check digit
inline constexpr int kWarnPeselLength = 20091;   // not eleven digits
inline constexpr int kWarnPeselInvalid = 20092;  // bad character or check digit

struct IdentifierCheck {
  bool valid = true;
  int warning = 0;  // host warning id when not valid, else 0
};

IdentifierCheck check_nip(std::string_view text, bool check_on = true);
IdentifierCheck check_pesel(std::string_view text, bool check_on = true);

// The VAT-payer flag a contractor's tax-number field leads to: 'T' when the
// text passes the NIP check, 'N' when it passes only the PESEL check or is
// shorter than 5 characters (trimmed); 0 when neither check passes (warning
// 20153, flag unchanged) or when the text is not tested at all (it neither
// begins with "PL" nor with a digit).  Both checks run without warnings.
char contractor_vat_flag(std::string_view text, bool nip_check_on, bool pesel_check_on);
inline constexpr int kWarnNipNorPesel = 20153;

}  // namespace skolvarin::dictionaries
