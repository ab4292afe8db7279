// Amounts in words, in Polish, as printed on bills, cash vouchers and bank
// transfer forms.
//
// Whole numbers from 0 to 999 999 999 are written the way a bookkeeper
// writes them: "dwa tysiące sto jeden", "milion", "dwadzieścia jeden
// tysięcy".  Group words and currency words take the Polish number forms:
// singular for exactly 1 (złoty, grosz, tysiąc, milion), the "few" form when
// the last digit is 2..4 and the last two digits are not 12..14 (złote,
// grosze, tysiące, miliony), the "many" form otherwise (złotych, groszy,
// tysięcy, milionów).
//
// Three forms of an amount are offered:
//  - slownie:      full words, "sto dwadzieścia trzy złote czterdzieści pięć
//                  groszy"; zero grosze read "zero groszy".
//  - slownie_3:    the short form of bank transfer forms: every digit of the
//                  złoty part as its three-letter abbreviation, then the
//                  grosze as a fraction: "jed dwa trz 45/100".
//  - pisz_slownie: the full words cut into lines of a given width at word
//                  boundaries, for the "słownie:" lines of printed forms.
// Amounts are rounded to the grosz (R(x, 2)) first; a negative amount is
// written with "minus" in front.  An amount whose złoty part is beyond
// 999 999 999 gives an empty text (an empty list of lines).
#pragma once

#include <string>
#include <vector>

namespace skolvarin {

enum class PluralForm { One, Few, Many };

// The number form a count takes: One only for exactly 1.
PluralForm plural_form(long long n);

// Words of n (0..999 999 999); empty for anything outside that range.
std::string number_in_words(long long n);

// "złoty" / "złote" / "złotych" and "grosz" / "grosze" / "groszy" for a count.
const char* zloty_word(long long n);
const char* grosz_word(long long n);

std::string slownie(double amount);
std::string slownie_3(double amount);
std::vector<std::string> pisz_slownie(double amount, int width);

// Splits a text into lines of at most `width` characters (UTF-8 characters,
// not bytes) at blanks; a word longer than the width stands alone on its line.
std::vector<std::string> wrap_words(const std::string& text, int width);

}  // namespace skolvarin
