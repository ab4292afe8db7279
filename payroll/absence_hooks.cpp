#include "payroll/absence_hooks.h"

namespace skolvarin::payroll {

namespace {

int no_components(const ListEnv&, const PayRecord&, int, int, std::string* message) {
  if (message) *message = absence_hook_missing_text();
  return -1;
}

int no_absences(long, std::string* message) {
  if (message) *message = absence_hook_missing_text();
  return -1;
}

AbsenceComponentsFn g_components = no_components;
ShowAbsencesFn g_show = no_absences;

}  // namespace

void set_absence_hooks(AbsenceComponentsFn components, ShowAbsencesFn show) {
  g_components = components ? components : no_components;
  g_show = show ? show : no_absences;
}

int absence_components_for(const ListEnv& env, const PayRecord& rec, int year, int month, std::string* message) {
  return g_components(env, rec, year, month, message);
}

int show_absences_of(long kod, std::string* message) { return g_show(kod, message); }

const char* absence_hook_missing_text() {
  return "Nieobecności nie są jeszcze połączone z listą płac: składniki z nieobecności dopisz ręcznie.";
}

}  // namespace skolvarin::payroll
