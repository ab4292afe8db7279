// skolvarin noty --rok R [--json]: the firm's notes of year R
// (W3NOTY<rr>.DBF) with their kind, number, date, contractor and amount; an
// interest note also with its invoice term, the date interest runs to, the
// amount due, the days of delay and the interest.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "data/data_directory.h"
#include "host/api/db_api.h"
#include "interest/note_rules.h"

namespace skolvarin::app {
namespace {

std::string iso(const Date& d) { return d.empty() ? std::string() : to_iso(d); }

struct Note {
  long recno = 0;
  int type = 0;
  std::string number, code, name;
  Date date, term, invoice_term, interest_to;
  double amount = 0, due = 0, interest = 0;
  int days = 0;
};

int run(const CommandLine& cl) {
  HostContext ctx;
  ctx.today = cl.today;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) {
    std::fprintf(stderr, "skolvarin noty: %s\n", error.c_str());
    return 2;
  }
  int year = cl.year ? cl.year : cl.today.year;
  char name[16] = "W3NOTY  .DBF";
  SetDbfYear(name, year);
  std::string path = ctx.firm_dir + name;
  std::vector<Note> notes;
  if (EnvFileExists(&ctx, path.c_str())) {
    DATA4* t = d4open(&ctx, path.c_str());
    if (!t) {
      std::fprintf(stderr, "skolvarin noty: nie można otworzyć tabeli %s\n", path.c_str());
      return 2;
    }
    auto f = [t](const char* n) { return d4field(t, n); };
    for (long r = 1; r <= d4reccount(t); ++r) {
      if (d4go(t, r) != 0 || d4deleted(t)) continue;
      Note n;
      n.recno = r;
      n.type = f4int(f("TYP"));
      n.number = interest::note_number_text(f4str(f("PRE")), f4long(f("NUM")), f4str(f("POS")));
      n.code = f4trim(f("KOD"));
      n.name = f4trim(f("NA1"));
      n.date = f4date(f("DAT"));
      n.term = f4date(f("DPL"));
      n.invoice_term = f4date(f("FDP"));
      n.interest_to = f4date(f("DOD"));
      n.amount = f4double(f("KWO"));
      n.due = f4double(f("NAL"));
      n.interest = f4double(f("ODS"));
      n.days = f4int(f("ILD"));
      notes.push_back(n);
    }
    d4close(t);
  }
  std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
    long da = day_number(a.date), db = day_number(b.date);
    return da != db ? da < db : a.recno < b.recno;
  });
  if (cl.has_flag("--json")) {
    std::printf("{\"rok\": %d, \"noty\": [", year);
    for (size_t i = 0; i < notes.size(); ++i) {
      const Note& n = notes[i];
      std::printf("%s{\"typ\": %d, \"rodzaj\": %s, \"numer\": %s, \"data\": %s, \"kontrahent\": %s, "
                  "\"nazwa\": %s, \"kwota\": %.2f, \"termin_zaplaty\": %s",
                  i ? ", " : "", n.type, json_string(interest::note_title(n.type)).c_str(), json_string(n.number).c_str(),
                  json_string(iso(n.date)).c_str(), json_string(n.code).c_str(), json_string(n.name).c_str(), n.amount,
                  json_string(iso(n.term)).c_str());
      if (n.type == interest::kNoteInterest)
        std::printf(", \"termin_faktury\": %s, \"odsetki_do\": %s, \"naleznosc\": %.2f, \"dni\": %d, "
                    "\"odsetki\": %.2f",
                    json_string(iso(n.invoice_term)).c_str(), json_string(iso(n.interest_to)).c_str(), n.due, n.days,
                    n.interest);
      std::printf("}");
    }
    std::printf("]}\n");
    return 0;
  }
  std::printf("Noty %d\n", year);
  for (const Note& n : notes) {
    std::printf("%-17s %-16s %s %-20.20s %11.2f", interest::note_title(n.type), n.number.c_str(),
                to_shown(n.date).c_str(), n.name.c_str(), n.amount);
    if (n.type == interest::kNoteInterest) std::printf("  (%d dni, należność %.2f)", n.days, n.due);
    std::printf("\n");
  }
  return 0;
}

const CommandRegistrar reg("noty", "noty obciążeniowe, uznaniowe i odsetkowe roku: --rok R", run, "--json");

}  // namespace
}  // namespace skolvarin::app
