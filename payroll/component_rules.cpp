#include "payroll/component_rules.h"

namespace skolvarin::payroll {

namespace {

char first_letter(std::string_view code) {
  size_t i = code.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  char c = code[i];
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

}  // namespace

int component_code_error(std::string_view code) {
  switch (first_letter(code)) {
    case 'D': case 'S': case 'P': case 'N': return 0;
    default: return kMsgBadComponentType;
  }
}

bool is_absence_code(std::string_view code) { return first_letter(code) == 'N'; }

ComponentSwitches new_component_switches() { return {"T", "T", "N", "T", "N"}; }

ComponentSwitches switches_after_code(std::string_view code, const ComponentSwitches& current) {
  ComponentSwitches s = current;
  if (is_absence_code(code)) {
    s.pod = s.zus = s.obn = s.sre = "";
  } else if (s.pod.empty() || s.pod == " ") {
    s.pod = "T";
    s.zus = "T";
    s.obn = "N";
    s.sre = "T";
  }
  s.usu = "T";
  return s;
}

}  // namespace skolvarin::payroll
