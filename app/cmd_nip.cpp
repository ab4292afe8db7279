// skolvarin nip TEKST [--json] and skolvarin pesel TEKST [--json]: whether a
// tax number (NIP) or a personal number (PESEL) passes its check with the
// check switched on.  Exit 0 valid, 1 invalid (a wrong check digit), 2 bad
// input: anything that is not 10 (NIP) or 11 (PESEL) ASCII digits once the
// allowed separators are left out (blanks and hyphens, and the "PL" prefix of
// a NIP).  The register's form lets some such texts through (a blank field, a
// foreign tax number); the command answers only for a number it can check.
#include <cstdio>
#include <string>

#include "app/command.h"
#include "dictionaries/identifiers.h"

namespace skolvarin::app {
namespace {

struct IdentifierCommand {
  const char* command;   // "nip"
  const char* label;     // "NIP"
  const char* json_key;  // "nip"
  const char* example;
  int digits;            // 10 or 11
  bool country_prefix;   // "PL" may stand before the digits
  dictionaries::IdentifierCheck (*check)(std::string_view, bool);
};

// True when `text` is the identifier's digits with the allowed separators.
bool well_formed(const IdentifierCommand& id, const std::string& text) {
  std::string_view s = text;
  if (id.country_prefix && s.size() >= 2 && s.substr(0, 2) == "PL") s.remove_prefix(2);
  int count = 0;
  for (char c : s) {
    if (c >= '0' && c <= '9')
      ++count;
    else if (c != ' ' && c != '-')
      return false;
  }
  return count == id.digits;
}

const char* reason(int warning) {
  switch (warning) {
    case dictionaries::kWarnNipInvalid:
    case dictionaries::kWarnPeselInvalid: return "błędna cyfra kontrolna lub niedozwolony znak";
    default: return "";
  }
}

std::string json_text(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  return out;
}

int run(const IdentifierCommand& id, const CommandLine& cl) {
  auto words = cl.positional({});
  if (words.empty()) {
    std::fprintf(stderr, "skolvarin %s: podaj numer %s, np. skolvarin %s %s\n", id.command, id.label,
                 id.command, id.example);
    return 2;
  }
  std::string text;
  for (const auto& w : words) text += (text.empty() ? "" : " ") + w;
  if (!well_formed(id, text)) {
    std::fprintf(stderr, "skolvarin %s: to nie jest numer %s: \"%s\" (oczekiwano %d cyfr, np. %s)\n", id.command,
                 id.label, text.c_str(), id.digits, id.example);
    return 2;
  }
  dictionaries::IdentifierCheck r = id.check(text, true);
  if (cl.has_flag("--json")) {
    std::printf("{\"%s\": \"%s\", \"poprawny\": %s, \"ostrzezenie\": %d}\n", id.json_key,
                json_text(text).c_str(), r.valid ? "true" : "false", r.warning);
  } else if (r.valid) {
    std::printf("%s %s: poprawny\n", id.label, text.c_str());
  } else {
    std::printf("%s %s: niepoprawny (%s)\n", id.label, text.c_str(), reason(r.warning));
  }
  return r.valid ? 0 : 1;
}

const IdentifierCommand kNip{"nip", "NIP", "nip", "526-104-08-28", 10, true, dictionaries::check_nip};
const IdentifierCommand kPesel{"pesel", "PESEL", "pesel", "44051401359", 11, false, dictionaries::check_pesel};

CommandRegistrar nip_reg("nip", "sprawdzenie numeru NIP", [](const CommandLine& cl) { return run(kNip, cl); }, "--json");
CommandRegistrar pesel_reg("pesel", "sprawdzenie numeru PESEL",
                           [](const CommandLine& cl) { return run(kPesel, cl); }, "--json");

}  // namespace
}  // namespace skolvarin::app
