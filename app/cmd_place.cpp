// skolvarin place dopisz --rok R --miesiac M [--lista N] [--wyplata RRRR-MM-DD]:
//   a pay record for every person employed in the month, as " Dopisz " of the
//   list register makes it (fixed components of the previous month, else the
//   base pay; the year-to-date sums; a person already on the list is skipped
//   with warning 148's text), recomputed and saved.
// skolvarin place przelicz --rok R --miesiac M [--lista N]: recomputes every
//   record of the month as F7 "Przelicz" does (a progress line on a terminal).
// skolvarin place pokaz --rok R --miesiac M [--lista N] [--json]: the records.
// skolvarin place paski --rok R --miesiac M [--lista N]: the payslips as one
//   PDF in the firm's printouts folder.
// Exit 0, 1 (nothing to do or a write failed), 2 (bad input).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "data/data_directory.h"
#include "data/firm_data_table.h"
#include "data/main_options.h"
#include "data/module_state.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"
#include "payroll/pay_lists.h"
#include "payroll/payroll_settings.h"
#include "resources/module_resources.h"

namespace skolvarin::app {

namespace {

using payroll::ListEnv;
using payroll::PayRecord;

struct ListRun {
  HostContext ctx;
  ListEnv env;
  int month = 0, list = 1;

  ~ListRun() {
    d4close_all(&ctx);
    data::reset_state();
    payroll::reset_payroll_settings();
  }
};

bool number_option(const CommandLine& cl, const char* name, int lo, int hi, int& out) {
  std::string text;
  if (!cl.value_of(name, text)) return true;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  out = std::atoi(text.c_str());
  return out >= lo && out <= hi;
}

// 0 when open; else the exit code (a message written).
int open_run(const CommandLine& cl, ListRun& run, bool list_zero_allowed) {
  const char* cmd = "skolvarin place";
  int month = 0;
  if (!number_option(cl, "--miesiac", 1, 12, month) || month == 0) {
    std::fprintf(stderr, "%s: podaj miesiąc: --miesiac 1..12\n", cmd);
    return 2;
  }
  int list = 1;
  if (!number_option(cl, "--lista", list_zero_allowed ? 0 : 1, 999, list)) {
    std::fprintf(stderr, "%s: zły numer listy\n", cmd);
    return 2;
  }
  run.month = month;
  run.list = list;
  run.ctx.today = cl.today;
  std::string error;
  data::reset_state();
  payroll::reset_payroll_settings();
  if (!data::open_data_directory(run.ctx, cl.data_dir, error, cl.firm)) {
    std::fprintf(stderr, "%s: %s\n", cmd, error.c_str());
    return 2;
  }
  data::state().ctx = &run.ctx;
  EnvAddRcsObj(&run.ctx, resources::module_rcs, 3);  // the module's message texts
  data::load_main_options(run.ctx, data::state().options);
  const int year = cl.year > 0 ? cl.year : cl.today.year;
  run.ctx.module_year = year;
  data::state().options.working_year = year;
  data::open_firm_data(&run.ctx);
  if (!payroll::bind_list_env(&run.ctx, year, run.env, error)) {
    std::fprintf(stderr, "%s: %s\n", cmd, error.c_str());
    return 2;
  }
  return 0;
}

std::string warnings_text(const std::vector<int>& ids) {
  std::string s;
  for (int id : ids) s += std::string(s.empty() ? "" : "; ") + RcQStr(id);
  return s;
}

int dopisz(const CommandLine& cl) {
  ListRun run;
  if (int rc = open_run(cl, run, false)) return rc;
  Date payment;
  std::string text;
  if (cl.value_of("--wyplata", text) && !from_iso(text, payment)) {
    std::fprintf(stderr, "skolvarin place dopisz: zła data wypłaty: %s (RRRR-MM-DD)\n", text.c_str());
    return 2;
  }
  const auto added = payroll::add_month(run.env, run.month, run.list, payment);
  int made = 0;
  for (const auto& a : added) {
    if (a.refused == payroll::kMsgDuplicatePay) {
      std::printf("%5ld  %-40s %s\n", a.kod, a.name.c_str(), RcQStr(a.refused));
    } else if (a.refused != 0) {
      std::printf("%5ld  %-40s nie dopisano\n", a.kod, a.name.c_str());
    } else {
      ++made;
      std::string w = warnings_text(a.warnings);
      std::printf("%5ld  %-40s dopisano%s%s\n", a.kod, a.name.c_str(), w.empty() ? "" : "  ", w.c_str());
    }
  }
  std::printf("Dopisano %d z %zu.\n", made, added.size());
  return made > 0 ? 0 : 1;
}

int przelicz(const CommandLine& cl) {
  ListRun run;
  if (int rc = open_run(cl, run, true)) return rc;
  const auto recs = payroll::records_of_month(run.env, run.month, run.list);
  const bool tty = ::isatty(1);
  int failed = 0;
  for (size_t i = 0; i < recs.size(); ++i) {
    if (!payroll::recompute_pay_record(run.env, recs[i]).ok) ++failed;
    if (tty) std::printf("\rPrzeliczanie %zu/%zu", i + 1, recs.size());
  }
  if (tty) std::printf("\n");
  std::printf("Przeliczono %zu pensji%s.\n", recs.size() - static_cast<size_t>(failed),
              failed ? ", błędy zapisu" : "");
  return failed || recs.empty() ? 1 : 0;
}

int pokaz(const CommandLine& cl) {
  ListRun run;
  if (int rc = open_run(cl, run, true)) return rc;
  const auto recs = payroll::records_of_month(run.env, run.month, run.list);
  const bool json = cl.has_flag("--json");
  if (json) std::printf("[");
  bool first = true;
  for (long recno : recs) {
    PayRecord r;
    if (!payroll::read_pay_record(run.env, recno, r)) continue;
    const auto& a = r.a;
    if (json) {
      std::printf(
          "%s\n  {\"kod\": %ld, \"nazwisko\": %s, \"imie\": %s, \"lista\": %d, \"brutto\": %.2f, "
          "\"emerytalne\": %.2f, \"rentowe\": %.2f, \"chorobowe\": %.2f, \"zdrowotne\": %.2f, \"koszty\": %.2f, "
          "\"zaliczka\": %.2f, \"do_wyplaty\": %.2f}",
          first ? "" : ",", r.KOD, json_string(r.NAZ).c_str(), json_string(r.IMI).c_str(), r.NRL, a.BRP, a.KEU,
          a.KRU, a.KCU, a.KZU, a.KUZ, a.ODZ, a.WYP);
    } else {
      std::printf("%5ld %-20.20s %-12.12s %3d %10.2f %9.2f %9.2f\n", r.KOD, r.NAZ.c_str(), r.IMI.c_str(), r.NRL,
                  a.BRP, a.ODZ, a.WYP);
    }
    first = false;
  }
  if (json) std::printf("%s]\n", first ? "" : "\n");
  return 0;
}

int paski(const CommandLine& cl) {
  ListRun run;
  if (int rc = open_run(cl, run, true)) return rc;
  const auto recs = payroll::records_of_month(run.env, run.month, run.list);
  if (recs.empty()) {
    std::fprintf(stderr, "skolvarin place paski: brak pensji w tym miesiącu\n");
    return 1;
  }
  if (init_prn(&run.ctx, "PASKI", "Paski wypłat") != 0 || payroll::print_payslips(run.env, recs) != 0 ||
      deinit_prn(0) == -1) {
    std::fprintf(stderr, "skolvarin place paski: nie udało się zapisać wydruku\n");
    return 1;
  }
  std::printf("%s\n", last_print_pdf());
  return 0;
}

int place(const CommandLine& cl) {
  const std::string what = cl.words.empty() ? "" : cl.words[0];
  if (what == "dopisz") return dopisz(cl);
  if (what == "przelicz") return przelicz(cl);
  if (what == "pokaz") return pokaz(cl);
  if (what == "paski") return paski(cl);
  std::fprintf(stderr, "skolvarin place: podaj dopisz, przelicz, pokaz albo paski\n");
  return 2;
}

const CommandRegistrar place_reg("place",
                                 "listy płac bez ekranu: dopisz|przelicz|pokaz|paski --rok R --miesiac M [--lista N]",
                                 place, "--miesiac= --lista= --wyplata= --json");

}  // namespace

}  // namespace skolvarin::app
