// skolvarin zus generuj|kedu|pokaz|sprawdz: the monthly ZUS declaration sets
// of a firm's working year.
//   generuj --rok R --miesiac M        builds the next set of the month from the
//                                      pay records and contracts (" Generuj ")
//   kedu --rok R --miesiac M --plik P  writes the set's KEDU file
//   pokaz --rok R --miesiac M [--json] the set: DRA sums and the persons
//   sprawdz --rok R --miesiac M        the check before export (exit 1 on problems)
// --numer N picks a set of the month (default: the last one).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command.h"
#include "app/json_text.h"
#include "data/catalogue.h"
#include "data/data_directory.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "data/settings.h"
#include "declarations/kedu_writer.h"
#include "declarations/zus_check.h"
#include "declarations/zus_tables.h"
#include "host/api/calendar.h"
#include "host/api/db_api.h"
#include "host/api/rounding.h"
#include "payroll/law.h"
#include "resources/module_resources.h"

namespace skolvarin::app {
namespace {

using namespace declarations;

int bad(const std::string& text) {
  std::fprintf(stderr, "skolvarin zus: %s\n", text.c_str());
  return 2;
}

std::string message(int id) {
  auto m = resources::module_message(id);
  return m ? StoredText(*m) : std::string();
}

bool whole_number(const std::string& s, long lo, long hi, long& out) {
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (s.empty() || *end || v < lo || v > hi) return false;
  out = v;
  return true;
}

// What the export needs of the payroll parameters and the firm's ZUS
// settings; a file that is not there leaves the month's statutory figures.
struct ExportSettings {
  KeduOptions kedu;
  std::string directory;
  bool join_owners = false;  // key 26: owners' contributions joined to the employees' set
};

ExportSettings read_export_settings(HostContext* ctx, int year, int month) {
  ExportSettings s;
  payroll::Law law = payroll::law_on(year, month);
  if (law.contrib.accident_default > 0) s.kedu.accident_rate = law.contrib.accident_default;
  const data::CatalogueEntry* papl = data::find_table("W3PAPL  .DBF");
  if (papl && EnvFileExists(ctx, (ctx->shared_dir + data::table_file_name(ctx, *papl, year)).c_str())) {
    data::SettingsGroup g;
    g.label = "PARAMETRY PŁACOWE";
    g.table = papl;
    g.keys.push_back(data::SettingKey::number(57, &s.kedu.benefit_fee_pct, 0));
    data::read_settings(ctx, g, year);
  }
  const data::CatalogueEntry* pazu = data::find_table("W3PAZU.DBF");
  if (pazu && EnvFileExists(ctx, (ctx->firm_dir + pazu->file).c_str())) {
    data::SettingsGroup g;
    g.label = "ZUS";
    g.table = pazu;
    std::string short_name = "T", owners = "N";
    g.keys.push_back(data::SettingKey::text(1, &s.directory, 78));
    g.keys.push_back(data::SettingKey::text(26, &owners, 1, "N"));
    g.keys.push_back(data::SettingKey::text(51, &short_name, 1, "T"));
    g.keys.push_back(data::SettingKey::number(52, &s.kedu.accident_rate, s.kedu.accident_rate));
    data::read_settings(ctx, g, 0);
    s.kedu.short_name_for_person = short_name == "T";
    s.join_owners = owners == "T";
  }
  return s;
}

struct Run {
  HostContext ctx;
  int year = 0;
  long month = 0, number = 0;
};

// Common start: the data directory, --miesiac and --numer.  0 or an exit code.
int start(const CommandLine& cl, Run& run, bool needs_set) {
  std::string text;
  if (!cl.value_of("--miesiac", text) || !whole_number(text, 1, 12, run.month))
    return bad("podaj miesiąc 1-12 (--miesiac M)");
  if (cl.value_of("--numer", text) && !whole_number(text, 1, 99, run.number))
    return bad("błędny numer raportu: " + text);
  run.ctx.today = cl.today;
  std::string error;
  if (!data::open_data_directory(run.ctx, cl.data_dir, error, cl.firm)) return bad(error);
  data::reset_state();
  data::state().ctx = &run.ctx;
  run.year = cl.year ? cl.year : run.ctx.today.year;
  run.ctx.module_year = run.year;
  if (needs_set && !run.number) {
    run.number = next_set_number(&run.ctx, run.year, static_cast<int>(run.month)) - 1;
    if (run.number == 0) {
      std::fprintf(stderr, "skolvarin zus: brak raportu ZUS za %02ld/%d\n", run.month, run.year);
      return 1;
    }
  }
  return 0;
}

int finish(Run& run, int rc) {
  d4close_all(&run.ctx);
  data::reset_state();
  return rc;
}

int generate(const CommandLine& cl) {
  Run run;
  if (int rc = start(cl, run, false)) return rc;
  ExportSettings settings = read_export_settings(&run.ctx, run.year, static_cast<int>(run.month));
  ZusSet set;
  ZusBuild notes;
  bool owners = false;
  std::string error;
  switch (prepare_set(&run.ctx, run.year, static_cast<int>(run.month), settings.join_owners, set, notes, owners,
                      error)) {
    case Prepared::NoEmployees:
      std::fprintf(stderr, "%s\n", message(26).c_str());
      return finish(run, 1);
    case Prepared::Failed:
      std::fprintf(stderr, "skolvarin zus: %s\n", error.c_str());
      return finish(run, 2);
    case Prepared::Ok:
      break;
  }
  for (const std::string& who : notes.mixed_codes) std::printf("%s (%s)\n", message(172).c_str(), who.c_str());
  for (const std::string& who : notes.contracts_without_contributions)
    std::printf("Brak składek do umowy z %s.\n", who.c_str());
  if (!save_set(&run.ctx, run.year, set, error)) {
    std::fprintf(stderr, "Nie udało się utworzyć dokumentów ZUS ! (%s)\n", error.c_str());
    return finish(run, 1);
  }
  std::printf("Raport ZUS %02d/%d nr %02d: ubezpieczonych %d, RCA %d, RSA %d, RZA %d\n", set.header.month,
              run.year, set.header.number, set.header.persons, set.header.rca, set.header.rsa, set.header.rza);
  if (owners) std::printf("%s\n", message(92).c_str());
  std::printf("%s\n", message(231).c_str());
  return finish(run, 0);
}

int export_kedu(const CommandLine& cl) {
  std::string path;
  if (!cl.value_of("--plik", path) || path.empty()) return bad("podaj plik KEDU (--plik PLIK.xml)");
  Run run;
  if (int rc = start(cl, run, true)) return rc;
  ZusSet set;
  ZusPayer payer;
  std::string error, note;
  if (!load_set(&run.ctx, run.year, static_cast<int>(run.month), static_cast<int>(run.number), set, error) ||
      !load_payer(&run.ctx, payer, error)) {
    std::fprintf(stderr, "skolvarin zus: %s\n", error.c_str());
    return finish(run, 1);
  }
  ExportSettings s = read_export_settings(&run.ctx, run.year, static_cast<int>(run.month));
  for (const std::string& line : check_report_lines(set, check_set(set, payer, s.kedu.benefit_fee_pct)))
    std::fprintf(stderr, "%s\n", line.c_str());
  if (!write_kedu(path, set, payer, s.kedu, error, &note)) {
    std::fprintf(stderr, "Nie udało się utworzyć dokumentów ZUS ! (%s)\n", error.c_str());
    return finish(run, 1);
  }
  if (!note.empty()) std::fprintf(stderr, "%s\n", note.c_str());
  std::printf("%s\n", path.c_str());
  return finish(run, 0);
}

int check(const CommandLine& cl) {
  Run run;
  if (int rc = start(cl, run, true)) return rc;
  ZusSet set;
  ZusPayer payer;
  std::string error;
  if (!load_set(&run.ctx, run.year, static_cast<int>(run.month), static_cast<int>(run.number), set, error)) {
    std::fprintf(stderr, "skolvarin zus: %s\n", error.c_str());
    return finish(run, 1);
  }
  load_payer(&run.ctx, payer, error);
  ExportSettings s = read_export_settings(&run.ctx, run.year, static_cast<int>(run.month));
  auto problems = check_set(set, payer, s.kedu.benefit_fee_pct);
  for (const std::string& line : check_report_lines(set, problems)) std::printf("%s\n", line.c_str());
  return finish(run, problems.empty() ? 0 : 1);
}

std::string amount(double x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(x, 2) + 0.0);
  return buf;
}

int show(const CommandLine& cl) {
  Run run;
  if (int rc = start(cl, run, true)) return rc;
  ZusSet set;
  std::string error;
  if (!load_set(&run.ctx, run.year, static_cast<int>(run.month), static_cast<int>(run.number), set, error)) {
    std::fprintf(stderr, "skolvarin zus: %s\n", error.c_str());
    return finish(run, 1);
  }
  ExportSettings s = read_export_settings(&run.ctx, run.year, static_cast<int>(run.month));
  DraSums sums = dra_sums(set);
  DraPositions d = dra_positions(sums, s.kedu.benefit_fee_pct);
  const ZusSetHeader& h = set.header;
  if (!cl.has_flag("--json")) {
    std::printf("Raport ZUS %02d/%d nr %02d, wypełniony %s, ubezpieczonych %d\n", h.month, run.year, h.number,
                to_shown(h.filled).c_str(), h.persons);
    std::printf("DRA: społeczne %s, do zapłaty %s, zdrowotne %s, FP %s, FGŚP %s, FEP %s\n",
                amount(d.iv[37]).c_str(), amount(d.vi[2]).c_str(), amount(d.vii[5]).c_str(),
                amount(d.viii[1]).c_str(), amount(d.viii[2]).c_str(), amount(d.fep).c_str());
    for (const ZusPerson& p : set.persons)
      std::printf("%-30.30s %-15.15s %-6s społeczne %10s zdrowotne %9s\n", p.surname.c_str(), p.first_name.c_str(),
                  p.ktu.c_str(), amount(social_total(p)).c_str(), amount(health_total(p)).c_str());
    return finish(run, 0);
  }
  std::printf("{\"rok\": %d, \"miesiac\": %d, \"numer\": %d, \"data_wypelnienia\": \"%s\", "
              "\"ubezpieczonych\": %d, \"raporty\": {\"RCA\": %d, \"RSA\": %d, \"RZA\": %d}, ",
              run.year, h.month, h.number, to_iso(h.filled).c_str(), h.persons, h.rca, h.rsa, h.rza);
  std::printf("\"dra\": {\"emerytalne_ubezpieczony\": %s, \"rentowe_ubezpieczony\": %s, "
              "\"emerytalne_platnik\": %s, \"rentowe_platnik\": %s, \"emerytalne_budzet\": %s, "
              "\"rentowe_budzet\": %s, \"chorobowe_ubezpieczony\": %s, \"chorobowe_platnik\": %s, "
              "\"wypadkowe_ubezpieczony\": %s, \"wypadkowe_platnik\": %s, \"spoleczne\": %s, "
              "\"swiadczenia\": %s, \"do_zaplaty\": %s, \"do_zwrotu\": %s, \"zdrowotne\": %s, "
              "\"zdrowotne_budzet\": %s, \"fp\": %s, \"fgsp\": %s, \"fep\": %s, \"etaty\": %.2f}, \"osoby\": [",
              amount(sums.pension_insured).c_str(), amount(sums.disability_insured).c_str(),
              amount(sums.pension_payer).c_str(), amount(sums.disability_payer).c_str(),
              amount(sums.pension_budget).c_str(), amount(sums.disability_budget).c_str(),
              amount(sums.sickness_insured).c_str(), amount(sums.sickness_payer).c_str(),
              amount(sums.accident_insured).c_str(), amount(sums.accident_payer).c_str(), amount(d.iv[37]).c_str(),
              amount(d.v[5]).c_str(), amount(d.vi[2]).c_str(), amount(d.vi[1]).c_str(), amount(d.vii[5]).c_str(),
              amount(d.vii[4]).c_str(), amount(d.viii[1]).c_str(), amount(d.viii[2]).c_str(),
              amount(d.fep).c_str(), sums.fte);
  for (size_t i = 0; i < set.persons.size(); ++i) {
    const ZusPerson& p = set.persons[i];
    ZusReports r = reports_of(p);
    std::printf("%s{\"nazwisko\": %s, \"imie\": %s, \"tid\": %s, \"nid\": %s, \"kod\": %s, "
                "\"podstawa_emerytalna\": %s, \"podstawa_chorobowa\": %s, \"podstawa_zdrowotna\": %s, "
                "\"emerytalne\": %s, \"rentowe\": %s, \"chorobowe\": %s, \"wypadkowe\": %s, "
                "\"spoleczne\": %s, \"zdrowotne\": %s, \"fp\": %s, \"fgsp\": %s, \"fep\": %s, "
                "\"bloki\": {\"RCA\": %d, \"RSA\": %d, \"RZA\": %d}, \"swiadczenia\": [",
                i ? ", " : "", json_string(p.surname).c_str(), json_string(p.first_name).c_str(),
                json_string(p.id_kind).c_str(), json_string(p.id_number).c_str(), json_string(p.ktu).c_str(),
                amount(p.perp + p.peru).c_str(), amount(p.pcwp + p.pcwu).c_str(), amount(p.pszp + p.pszu).c_str(),
                amount(p.keup + p.keuu + p.kepp + p.kepu).c_str(), amount(p.krup + p.kruu + p.krpp + p.krpu).c_str(),
                amount(p.kcup + p.kcuu).c_str(), amount(p.kwpp + p.kwpu).c_str(), amount(social_total(p)).c_str(),
                amount(health_total(p)).c_str(), amount(p.fppp + p.fppu).c_str(), amount(p.fgpp + p.fgpu).c_str(),
                amount(p.fep).c_str(), r.rca_blocks(), r.rsa_rows, r.rza_blocks());
    for (size_t j = 0; j < p.benefits.size(); ++j) {
      const ZusBenefit& b = p.benefits[j];
      std::printf("%s{\"kod\": %s, \"od\": \"%s\", \"do\": \"%s\", \"dni\": %d, \"kwota\": %s}", j ? ", " : "",
                  json_string(b.code).c_str(), to_iso(b.from).c_str(), to_iso(b.to).c_str(), b.days,
                  amount(b.amount).c_str());
    }
    std::printf("]}");
  }
  std::printf("]}\n");
  return finish(run, 0);
}

int run(const CommandLine& cl) {
  const std::string what = cl.words.empty() ? "" : cl.words[0];
  if (what == "generuj") return generate(cl);
  if (what == "kedu") return export_kedu(cl);
  if (what == "pokaz") return show(cl);
  if (what == "sprawdz") return check(cl);
  return bad("podaj czynność: generuj, kedu, pokaz lub sprawdz");
}

CommandRegistrar reg("zus", "deklaracje ZUS miesiąca: generuj, kedu --plik, pokaz [--json], sprawdz", run,
                     "--miesiac= --numer= --plik= --json");

}  // namespace
}  // namespace skolvarin::app
