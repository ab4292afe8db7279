// skolvarin nip TEKST [--json]: whether a tax number (NIP) passes the NIP
// check with the check switched on.  Exit 0 valid, 1 invalid, 2 no text.
#include <cstdio>
#include <string>

#include "app/command.h"
#include "dictionaries/identifiers.h"

namespace skolvarin::app {
namespace {

const char* reason(int warning) {
  switch (warning) {
    case dictionaries::kWarnNipLength: return "numer NIP musi mieć 10 cyfr";
    case dictionaries::kWarnNipInvalid: return "błędna cyfra kontrolna lub niedozwolony znak";
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

int run(const CommandLine& cl) {
  auto words = cl.positional({});
  if (words.empty()) {
    std::fprintf(stderr, "skolvarin nip: podaj numer NIP, np. skolvarin nip 526-104-08-28\n");
    return 2;
  }
  std::string text;
  for (const auto& w : words) text += (text.empty() ? "" : " ") + w;
  dictionaries::IdentifierCheck r = dictionaries::check_nip(text, true);
  if (cl.has_flag("--json")) {
    std::printf("{\"nip\": \"%s\", \"poprawny\": %s, \"ostrzezenie\": %d}\n", json_text(text).c_str(),
                r.valid ? "true" : "false", r.warning);
  } else if (r.valid) {
    std::printf("NIP %s: poprawny\n", text.c_str());
  } else {
    std::printf("NIP %s: niepoprawny (%s)\n", text.c_str(), reason(r.warning));
  }
  return r.valid ? 0 : 1;
}

CommandRegistrar reg("nip", "sprawdzenie numeru NIP", run);

}  // namespace
}  // namespace skolvarin::app
