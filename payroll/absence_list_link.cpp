// The absences join the payroll lists here: the components window's F5, the
// question of an opened record and F4 on the list go through the hooks of
// the lists (absence_hooks.h), which this file fills when the module loads.
#include <cstdio>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"

#include "host/api/screen_api.h"
#include "payroll/absence_components.h"
#include "payroll/absence_hooks.h"
#include "payroll/absences_register.h"

namespace skolvarin::payroll {
namespace {

// Opens, for the time of one call, the tables the absences read that the
// list register does not hold open (the absences and averages of the year,
// the days off); closes only what it opened.
class AbsenceTables {
 public:
  AbsenceTables(HostContext* ctx, int year) {
    for (const char* file : {"W3NIEO  .DBF", "W3SRDN.DBF", "W3DNWO.DBF"}) {
      const data::CatalogueEntry* e = data::find_table(file);
      if (!e || data::handles(*e).open()) continue;
      data::OpenRequest r;
      r.year = year;
      if (data::open_table(ctx, *e, r) == 0) opened_.push_back(e);
    }
  }
  ~AbsenceTables() {
    for (const data::CatalogueEntry* e : opened_) data::close_table(*e);
  }
  AbsenceTables(const AbsenceTables&) = delete;
  AbsenceTables& operator=(const AbsenceTables&) = delete;

 private:
  std::vector<const data::CatalogueEntry*> opened_;
};

int components_of_absences(const ListEnv& env, const PayRecord& rec, int year, int month, std::string* message) {
  AbsenceTables tables(env.ctx, year);
  AbsenceMonthInput in;
  std::string person;
  if (!absence_month_input(rec.KOD, year, month, rec.WY1, rec.WY2, rec.KTU, in, &person)) {
    if (message) *message = "Brak pracownika w kartotece pracowników.";
    return -1;
  }
  AbsenceComponents r = absence_components_of_month(in, env.p);
  if (r.components.empty() && r.alarm == 0) {
    if (message) *message = "Brak nieobecności pracownika w tym miesiącu.";
    return -1;
  }
  if (!settle_absence_components(r)) return 0;
  int added = 0;
  for (const AbsenceComponent& a : r.components) {
    const ComponentEntry e = enter_component(env, rec, a.KGS, [&a](PayComponent& c) {
      if (!a.NA1.empty()) c.NA1 = a.NA1;
      if (!a.NA2.empty()) c.NA2 = a.NA2;
      if (!a.KTU.empty()) c.KTU = a.KTU;
      c.DOD = a.DOD;
      c.DDO = a.DDO;
      c.ILD = a.ILD;
      c.ILG = a.ILG;
      c.KWO = a.KWO;
    });
    if (e.refused != 0) {
      if (message) {
        char text[160];
        std::snprintf(text, sizeof text, "Składnika %s nie dopisano: brak go w słowniku składników lub odmowa.",
                      a.KGS.c_str());
        *message = text;
      }
      return -1;
    }
    ++added;
  }
  if (added > 0 && !r.base.months.empty())
    show_benefit_calculation(benefit_calculation(person, year, month, r), env.p);
  return added;
}

int absences_of_person(long kod, std::string* message) {
  AbsenceTables tables(data::state().ctx, data::working_year(data::state().ctx));
  std::string list;
  for (int month = 1; month <= 12; ++month) {
    for (const AbsenceEntry& a : read_absences(kod, month)) {
      char line[120];
      std::snprintf(line, sizeof line, "%s %02d-%02d-%04d - %02d-%02d-%04d  dni %d\n", a.KGS.c_str(), a.DOD.day,
                    a.DOD.month, a.DOD.year, a.DDO.day, a.DDO.month, a.DDO.year, a.ILD);
      list += line;
    }
  }
  if (list.empty()) {
    if (message) *message = "Pracownik nie ma nieobecności w tym roku.";
    return -1;
  }
  MessageWindow(1, 0, list.c_str(), 0);
  return 0;
}

struct Link {
  Link() { set_absence_hooks(components_of_absences, absences_of_person); }
} const link;

}  // namespace
}  // namespace skolvarin::payroll
