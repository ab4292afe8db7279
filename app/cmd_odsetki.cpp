// skolvarin odsetki --termin RRRR-MM-DD --zaplata RRRR-MM-DD --kwota X
// [--json]: days of delay, interest on tax arrears and statutory interest of
// one overdue amount, from the rate tables and days off of the data
// directory's shared tables (W3ZAPO.DBF, W3ODUS.DBF, W3DNWO.DBF).
//
// The tax-arrears interest is shown rounded to whole złoty, the statutory
// interest with two decimals, as the interactive calculator shows them.  The
// tables are only read; a missing table is an error (exit 2), never taken for
// an empty one.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/amount_argument.h"
#include "app/command.h"
#include "data/data_directory.h"
#include "host/api/db_api.h"
#include "host/api/calendar.h"
#include "host/api/rounding.h"
#include "interest/interest_calc.h"

namespace skolvarin::app {
namespace {

// Blanks between digits are ignored; at most 11 characters without them.
bool parse_amount(const std::string& text, double& out) {
  return parse_amount_argument(text, AmountRules{.blanks = true, .negative = false, .max_length = 11}, out);
}

bool read_date_option(const CommandLine& cl, const char* name, const char* label, Date& out) {
  std::string text;
  if (!cl.value_of(name, text)) {
    std::fprintf(stderr, "skolvarin odsetki: brak %s (%s RRRR-MM-DD)\n", label, name);
    return false;
  }
  if (!from_iso(text, out) || !is_valid_date(out)) {
    std::fprintf(stderr, "skolvarin odsetki: błędna %s: %s (oczekiwano RRRR-MM-DD)\n", label, text.c_str());
    return false;
  }
  if (out.year < 1993) {
    std::fprintf(stderr, "skolvarin odsetki: %s %s: daty sprzed 1993 roku nie są przyjmowane\n", label,
                 text.c_str());
    return false;
  }
  return true;
}

const char* alarm_text(int id) {
  switch (id) {
    case interest::kAlarmNoDaysOff:
      return "tabela dni wolnych od pracy (W3DNWO.DBF) jest pusta; odsetek nie obliczono";
    case interest::kAlarmNoTaxRates:
      return "tabela odsetek od zaległości podatkowych (W3ZAPO.DBF) jest pusta";
    case interest::kAlarmNoStatutoryRates:
      return "tabela odsetek ustawowych (W3ODUS.DBF) jest pusta";
    case interest::kAlarmDayCount:
      return "liczba dni okresów stóp nie zgadza się z liczbą dni zaległości (brak stopy na część okresu)";
    default:
      return "";
  }
}

// Reads a table of the shared directory: every record not marked deleted.
// A missing or unreadable file gives false.
template <typename Fn>
bool read_shared_table(HostContext& ctx, const char* name, Fn&& take, std::string& error) {
  std::string path = ctx.shared_dir + name;
  if (!EnvFileExists(&ctx, path.c_str())) {
    error = "brak tabeli " + path + " (utwórz katalog danych: skolvarin init, tabele wzorcowe: skolvarin wzorce)";
    return false;
  }
  DATA4* t = d4open(&ctx, path.c_str());
  if (!t) {
    error = "nie można otworzyć tabeli " + path;
    return false;
  }
  bool ok = true;
  for (int rc = d4top(t); rc == 0; rc = d4skip(t, 1)) {
    if (d4deleted(t)) continue;
    if (!take(t)) {
      ok = false;
      error = "tabela " + path + " nie ma wymaganych pól";
      break;
    }
  }
  if (ctx.error_code != 0 && ok) {
    ok = false;
    error = "błąd odczytu tabeli " + path;
  }
  d4close(t);
  return ok;
}

bool read_rates(HostContext& ctx, const char* name, std::vector<interest::RateRow>& rows, std::string& error) {
  return read_shared_table(
      ctx, name,
      [&](DATA4* t) {
        FIELD4* dat = d4field(t, "DAT");
        FIELD4* sto = d4field(t, "STO");
        FIELD4* typ = d4field(t, "TYP");
        if (!dat || !sto || !typ) return false;
        Date d = f4date(dat);
        if (d.empty()) return true;  // a row without a date has no place in the table
        std::string type = f4trim(typ);
        rows.push_back({d, f4double(sto), type.empty() ? 'R' : type[0]});
        return true;
      },
      error);
}

int run(const CommandLine& cl) {
  Date due, payment;
  if (!read_date_option(cl, "--termin", "data terminu wpłaty", due)) return 2;
  if (!read_date_option(cl, "--zaplata", "data wpłaty", payment)) return 2;
  std::string amount_text;
  double amount = 0;
  if (!cl.value_of("--kwota", amount_text)) {
    std::fprintf(stderr, "skolvarin odsetki: brak kwoty zaległej (--kwota X)\n");
    return 2;
  }
  if (!parse_amount(amount_text, amount)) {
    std::fprintf(stderr, "skolvarin odsetki: błędna kwota: %s (oczekiwano liczby nieujemnej, najwyżej "
                 "11 znaków i dwa miejsca po przecinku, np. 1234,56)\n", amount_text.c_str());
    return 2;
  }

  HostContext ctx;
  ctx.today = cl.today;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error)) {
    std::fprintf(stderr, "skolvarin odsetki: %s\n", error.c_str());
    return 2;
  }
  std::vector<interest::RateRow> tax_rows, statutory_rows;
  std::set<long> days_off;
  bool ok = read_shared_table(
                ctx, "W3DNWO.DBF",
                [&](DATA4* t) {
                  FIELD4* dat = d4field(t, "DAT");
                  if (!dat) return false;
                  Date d = f4date(dat);
                  if (!d.empty()) days_off.insert(day_number(d));
                  return true;
                },
                error) &&
            read_rates(ctx, "W3ZAPO.DBF", tax_rows, error) &&
            read_rates(ctx, "W3ODUS.DBF", statutory_rows, error);
  d4close_all(&ctx);
  if (!ok) {
    std::fprintf(stderr, "skolvarin odsetki: %s\n", error.c_str());
    return 2;
  }

  interest::InterestResult r =
      interest::compute_interest(due, payment, amount, tax_rows, statutory_rows, days_off);
  double tax_shown = interest::tax_interest_shown(r.tax_interest);
  double statutory_shown = R(r.statutory_interest, 2);
  for (int id : r.alarms) std::fprintf(stderr, "uwaga: %s\n", alarm_text(id));

  if (cl.has_flag("--json")) {
    std::string alarms;
    for (int id : r.alarms) alarms += (alarms.empty() ? "" : ", ") + std::to_string(id);
    std::printf("{\"dni\": %d, \"odsetki_podatkowe\": %.0f, \"odsetki_ustawowe\": %.2f, "
                "\"kwota\": %.2f, \"alarmy\": [%s]}\n",
                r.days, tax_shown, statutory_shown, R(amount, 2), alarms.c_str());
    return 0;
  }
  std::printf("OBLICZENIE ODSETEK\n");
  std::printf("Termin wpłaty - %s\n", to_shown(due).c_str());
  std::printf("Data wpłaty   - %s\n", to_shown(payment).c_str());
  std::printf("Kwota zaległa - %11.2f\n", R(amount, 2));
  std::printf("Ilość dni zaległości - %5d\n", r.days);
  std::printf("ODSETKI OD ZALEGŁOŚCI PODATKOWYCH\n");
  std::printf("Kwota odsetek - %11.2f\n", tax_shown);
  std::printf("RAZEM         - %11.2f\n", R(amount + tax_shown, 2));
  std::printf("ODSETKI USTAWOWE\n");
  std::printf("Kwota odsetek - %11.2f\n", statutory_shown);
  std::printf("RAZEM         - %11.2f\n", R(amount + statutory_shown, 2));
  return 0;
}

const CommandRegistrar reg("odsetki",
                           "odsetki od zaległości: --termin RRRR-MM-DD --zaplata RRRR-MM-DD --kwota X",
                           run, "--termin= --zaplata= --kwota= --json");

}  // namespace
}  // namespace skolvarin::app
