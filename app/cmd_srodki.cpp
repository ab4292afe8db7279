// skolvarin srodki [--rok R] [--json]: the fixed assets of a year with their
// values, write-offs to date and remaining value;
// skolvarin amortyzacja --rok R --miesiac M [--ksieguj] [--json]: the
// month's write-offs per asset and their total; with --ksieguj the total is
// booked into the firm's book as the register books it (one entry, source 4,
// the last day of the month, "Odpis amortyzacyjny") and added to each
// asset's write-offs of the year; a month already booked is refused (exit 1).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "assets/asset_table.h"
#include "cash/ledger_posting.h"
#include "data/catalogue.h"
#include "data/data_directory.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"

namespace skolvarin::app {

namespace {

// The firm's data directory and its asset table of `year`.
struct AssetsRun {
  HostContext ctx;
  data::TableHandles* table = nullptr;
  assets::AssetFields f;
  int year = 0;

  bool open(const CommandLine& cl, const char* command) {
    ctx.today = cl.today;
    std::string error;
    data::reset_state();
    if (!data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) {
      std::fprintf(stderr, "skolvarin %s: %s\n", command, error.c_str());
      return false;
    }
    data::state().ctx = &ctx;
    year = cl.year > 0 ? cl.year : cl.today.year;
    ctx.module_year = year;
    data::state().options.working_year = year;
    data::OpenRequest r;
    r.year = year;
    if (data::open_table(&ctx, "W3AMOR  .DBF", r) != 0 || !f.bind(data::handles("W3AMOR  .DBF").data)) {
      std::fprintf(stderr, "skolvarin %s: nie można otworzyć tabeli środków trwałych roku %d\n", command, year);
      return false;
    }
    table = &data::handles("W3AMOR  .DBF");
    return true;
  }
  ~AssetsRun() {
    d4close_all(&ctx);
    data::reset_state();
  }
};

int srodki(const CommandLine& cl) {
  if (!cl.words.empty()) {
    std::fprintf(stderr, "skolvarin srodki: nieoczekiwany argument: %s\n", cl.words[0].c_str());
    return 2;
  }
  AssetsRun run;
  if (!run.open(cl, "srodki")) return 2;
  const auto rows = assets::read_assets(run.table->data, run.f);
  const bool json = cl.has_flag("--json");
  if (json) std::printf("{\"rok\": %d, \"srodki\": [", run.year);
  double sum_wpz = 0, sum_done = 0, sum_rest = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& r = rows[i];
    const double done = R(r.values.wuz + r.values.awo, 2);
    const double rest = assets::remaining_value(r.values);
    sum_wpz += r.values.wpz;
    sum_done += done;
    sum_rest += rest;
    if (json)
      std::printf("%s\n  {\"rec\": %ld, \"nazwa\": %s, \"nr_inw\": %s, \"data_przekazania\": \"%s\", "
                  "\"stawka\": %.1f, \"wartosc\": %.2f, \"umorzenie\": %.2f, \"odpisy_roku\": %.2f, "
                  "\"pozostalo\": %.2f}",
                  i ? "," : "", r.recno, json_string(r.name).c_str(), json_string(r.inventory).c_str(),
                  to_iso(r.handed_over).c_str(), r.rate, r.values.wpz, done, r.values.awo, rest);
    else
      std::printf("%-40.40s %12.2f %12.2f %12.2f\n", r.name.c_str(), r.values.wpz, done, rest);
  }
  if (json)
    std::printf("%s], \"razem\": {\"wartosc\": %.2f, \"umorzenie\": %.2f, \"pozostalo\": %.2f}}\n",
                rows.empty() ? "" : "\n", R(sum_wpz, 2), R(sum_done, 2), R(sum_rest, 2));
  else
    std::printf("%-40s %12.2f %12.2f %12.2f\n", "RAZEM", R(sum_wpz, 2), R(sum_done, 2), R(sum_rest, 2));
  return 0;
}

int amortyzacja(const CommandLine& cl) {
  std::string text;
  int month = 0;
  if (cl.value_of("--miesiac", text)) month = std::atoi(text.c_str());
  if (month < 1 || month > 12 || text.find_first_not_of("0123456789") != std::string::npos) {
    std::fprintf(stderr, "skolvarin amortyzacja: podaj miesiąc: --miesiac 1..12\n");
    return 2;
  }
  if (!cl.words.empty()) {
    std::fprintf(stderr, "skolvarin amortyzacja: nieoczekiwany argument: %s\n", cl.words[0].c_str());
    return 2;
  }
  AssetsRun run;
  if (!run.open(cl, "amortyzacja")) return 2;
  const auto rows = assets::read_assets(run.table->data, run.f);
  std::vector<assets::AssetValues> values;
  for (const auto& r : rows) values.push_back(r.values);
  const double total = assets::month_total(values, run.year, month);

  bool booked = false;
  if (cl.has_flag("--ksieguj")) {
    const data::CatalogueEntry* ledger_entry = data::find_table("W3DANE  .DBF");
    const assets::LedgerView ledger =
        assets::read_ledger(&run.ctx, data::table_file_name(&run.ctx, *ledger_entry, run.year));
    if (!ledger.ok) {
      std::fprintf(stderr, "skolvarin amortyzacja: nie można odczytać księgi roku %d\n", run.year);
      return 1;
    }
    if (assets::month_already_booked(ledger.entries, run.year, month)) {
      std::fprintf(stderr, "skolvarin amortyzacja: %s\n", RcQStr(assets::kMsgAlreadyBooked));
      return 1;
    }
    if (same_grosz(total, 0)) {
      std::fprintf(stderr, "skolvarin amortyzacja: %s\n", RcQStr(assets::kWarnNothingToBook));
      return 1;
    }
    if (set_lock(run.table->data, -1) != 0) {
      std::fprintf(stderr, "skolvarin amortyzacja: tabela środków trwałych jest zajęta\n");
      return 1;
    }
    cash::PostingRecord p;
    const Date day = assets::booking_date(run.year, month);
    p.entry_date = to_dbf(day);
    p.source = assets::kLedgerSourceAssets;
    p.description1 = RcQStr(144);
    p.description2 = std::string(1, cash::kKeepField);
    p.amounts[5] = total;
    p.day_number = day_number(day);
    p.open_accounts = true;
    if (cash::post_to_book(p, true) != cash::kPosted || !p.written) {
      d4unlock(run.table->data);
      std::fprintf(stderr, "skolvarin amortyzacja: nie zapisano pozycji w księdze\n");
      return 1;
    }
    booked = assets::apply_month(run.table->data, run.f, run.year, month, &run.ctx, nullptr) >= 0;
    d4unlock(run.table->data);
    if (!booked) {
      std::fprintf(stderr, "skolvarin amortyzacja: błąd zapisu środków trwałych po zaksięgowaniu\n");
      return 1;
    }
  }

  const bool json = cl.has_flag("--json");
  if (json) std::printf("{\"rok\": %d, \"miesiac\": %d, \"odpisy\": [", cl.year > 0 ? cl.year : run.year, month);
  bool first = true;
  for (size_t i = 0; i < rows.size(); ++i) {
    const double w = assets::monthly_writeoff(rows[i].values, run.year, month);
    if (!(w > 0)) continue;
    if (json)
      std::printf("%s\n  {\"rec\": %ld, \"nazwa\": %s, \"odpis\": %.2f}", first ? "" : ",", rows[i].recno,
                  json_string(rows[i].name).c_str(), w);
    else
      std::printf("%-50.50s %12.2f\n", rows[i].name.c_str(), w);
    first = false;
  }
  if (json)
    std::printf("%s], \"razem\": %.2f, \"zaksiegowano\": %s}\n", first ? "" : "\n", total, booked ? "true" : "false");
  else
    std::printf("%-50s %12.2f%s\n", "RAZEM", total, booked ? "  (zaksięgowano)" : "");
  return 0;
}

const CommandRegistrar srodki_reg("srodki", "środki trwałe roku z wartościami i umorzeniem (--rok R, --json)", srodki,
                                  "--json");
const CommandRegistrar amortyzacja_reg(
    "amortyzacja", "odpisy amortyzacyjne miesiąca: --rok R --miesiac M [--ksieguj] [--json]", amortyzacja,
    "--miesiac= --ksieguj --json");

}  // namespace

}  // namespace skolvarin::app
