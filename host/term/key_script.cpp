#include "host/term/key_script.h"

#include <cctype>
#include <cstdio>

#include "host/api/keys.h"
#include "host/term/key_decoder.h"
#include "host/text/utf8.h"

namespace skolvarin::term {

namespace k = skolvarin::keys;

namespace {
struct Named {
  const char* name;
  int key;
};
constexpr Named kNamed[] = {
    {"Enter", k::Enter},     {"Esc", k::Esc},         {"Tab", k::Tab},
    {"S-Tab", k::ShiftTab},  {"BS", k::Backspace},    {"Backspace", k::Backspace},
    {"Space", k::Space},     {"Up", k::Up},           {"Down", k::Down},
    {"Left", k::Left},       {"Right", k::Right},     {"PgUp", k::PgUp},
    {"PgDn", k::PgDn},       {"Home", k::Home},       {"End", k::End},
    {"Ins", k::Ins},         {"Del", k::Del},         {"C-Left", k::CtrlLeft},
    {"C-Right", k::CtrlRight}, {"C-Up", k::CtrlUp},   {"C-Down", k::CtrlDown},
    {"C-Home", k::CtrlHome}, {"C-End", k::CtrlEnd},   {"C-PgUp", k::CtrlPgUp},
    {"C-PgDn", k::CtrlPgDn}, {"lt", '<'},
};

bool iequal(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int parse_number(std::string_view s) {
  if (s.empty() || s.size() > 2) return -1;
  int n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}
}  // namespace

int key_from_name(std::string_view name) {
  for (const auto& n : kNamed)
    if (iequal(name, n.name)) return n.key;
  // Modifier prefix: S- Shift, C- Ctrl, A- Alt (function keys and letters).
  int modifier = 1;
  std::string_view rest = name;
  if (rest.size() > 2 && rest[1] == '-') {
    char m = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0])));
    if (m == 'S') modifier = 2;
    else if (m == 'A') modifier = 3;
    else if (m == 'C') modifier = 5;
    else return -1;
    rest.remove_prefix(2);
  }
  if (rest.size() >= 2 && (rest[0] == 'F' || rest[0] == 'f')) {
    int n = parse_number(rest.substr(1));
    if (n >= 1 && n <= 12) return function_key_code(n, modifier);
    return -1;
  }
  if (rest.size() == 1 && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    if (modifier == 5) return k::ctrl(rest[0]);
    if (modifier == 3) return k::alt(rest[0]);
  }
  return -1;
}

std::string key_name(int key) {
  for (const auto& n : kNamed)
    if (n.key == key && std::string_view(n.name) != "Backspace") return n.name;
  for (int m : {1, 2, 3, 5})
    for (int f = 1; f <= 12; ++f)
      if (function_key_code(f, m) == key) {
        const char* prefix = m == 2 ? "S-" : m == 3 ? "A-" : m == 5 ? "C-" : "";
        return std::string(prefix) + "F" + std::to_string(f);
      }
  if (key >= 1 && key <= 26) return std::string("C-") + static_cast<char>('A' + key - 1);
  for (char c = 'a'; c <= 'z'; ++c)
    if (k::alt(c) == key) return std::string("A-") + static_cast<char>(c - 'a' + 'A');
  if (key > 32 && key < 0x110000 && (key & 0xFF) != 0) {
    std::string s;
    text::utf8_append(s, static_cast<char32_t>(key));
    return s;
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%04X", key);
  return buf;
}

bool parse_key_script(std::string_view script, std::vector<ScriptStep>& steps, std::string& error) {
  steps.clear();
  std::u32string text = text::utf8_decode(script);
  int line = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c == U'\n') {
      ++line;
      continue;
    }
    if (c == U'\r') continue;
    if (c == U'<') {
      // A key name ends on its own line; only the stretch up to the '>' is
      // searched for a line end, so a long one-line script parses in linear time.
      size_t close = text.find(U'>', i + 1);
      bool line_end = close != std::u32string::npos &&
                      std::u32string_view(text).substr(i + 1, close - i - 1).find(U'\n') != std::u32string_view::npos;
      if (close == std::u32string::npos || line_end) {
        error = "wiersz " + std::to_string(line) + ": niezamknięty znacznik klawisza '<' (dla samego znaku '<' użyj <lt>)";
        return false;
      }
      std::string name = text::utf8_encode(std::u32string_view(text).substr(i + 1, close - i - 1));
      if (iequal(name, "dump")) {
        steps.push_back({ScriptStep::Dump, 0});
      } else {
        int key = key_from_name(name);
        if (key < 0) {
          error = "wiersz " + std::to_string(line) + ": nieznany klawisz <" + name + ">";
          return false;
        }
        steps.push_back({ScriptStep::Key, key});
      }
      i = close;
      continue;
    }
    if (c == U'\t') {
      steps.push_back({ScriptStep::Key, k::Tab});
      continue;
    }
    if (c < 0x20) continue;  // other control characters are not keys
    steps.push_back({ScriptStep::Key, static_cast<int>(c)});
  }
  return true;
}

}  // namespace skolvarin::term
