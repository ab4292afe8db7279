// skolvarin ksiega --rok R [--miesiac M] [--json]: the entries of the firm's
// book of revenue and expenses of a year (ordinal, date, document, name,
// description, the six amount columns, source), with the column totals.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "cash/book_entries.h"
#include "data/data_directory.h"
#include "host/api/db_api.h"

namespace skolvarin::app {

namespace {

std::string shown_date(const std::string& s) {
  if (s.size() < 8 || s[0] == ' ') return "";
  return s.substr(6, 2) + "-" + s.substr(4, 2) + "-" + s.substr(0, 4);
}

int ksiega(const CommandLine& cl) {
  int month = 0;
  std::string month_text;
  if (cl.value_of("--miesiac", month_text)) {
    char* end = nullptr;
    long m = std::strtol(month_text.c_str(), &end, 10);
    if (month_text.empty() || *end || m < 1 || m > 12) {
      std::fprintf(stderr, "skolvarin ksiega: błędny miesiąc: %s (od 1 do 12)\n", month_text.c_str());
      return 2;
    }
    month = static_cast<int>(m);
  }
  HostContext ctx;
  ctx.today = cl.today;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) {
    std::fprintf(stderr, "skolvarin ksiega: %s\n", error.c_str());
    return 2;
  }
  const int year = cl.year > 0 ? cl.year : cl.today.year;
  std::vector<cash::BookEntry> entries;
  bool ok = cash::read_book(&ctx, year, month, entries, error);
  d4close_all(&ctx);
  if (!ok) {
    std::fprintf(stderr, "skolvarin ksiega: %s\n", error.c_str());
    return 1;
  }
  const cash::BookAmounts totals = cash::book_totals(entries);
  const char* keys[] = {"przychod_sprzedaz", "przychod_pozostaly", "towary", "koszty_uboczne", "wynagrodzenia",
                        "wydatki_pozostale"};
  if (cl.has_flag("--json")) {
    std::printf("{\"rok\": %d, \"miesiac\": %d, \"pozycje\": [", year, month);
    for (size_t n = 0; n < entries.size(); ++n) {
      const cash::BookEntry& e = entries[n];
      std::printf("%s\n  {\"lp\": %ld, \"data\": %s, \"dokument\": %s, \"nazwa\": %s, \"opis\": %s", n ? "," : "",
                  e.ordinal, json_string(e.date.substr(0, 4) + "-" + e.date.substr(4, 2) + "-" + e.date.substr(6, 2)).c_str(),
                  json_string(e.document).c_str(), json_string(e.name).c_str(), json_string(e.description).c_str());
      for (int i = 0; i < cash::kAmountColumns; ++i) std::printf(", \"%s\": %.2f", keys[i], e.amounts[static_cast<size_t>(i)]);
      std::printf(", \"zrodlo\": %d, \"lista\": %d, \"rec\": %ld}", e.source, e.list_number, e.record);
    }
    std::printf("%s], \"razem\": {", entries.empty() ? "" : "\n");
    for (int i = 0; i < cash::kAmountColumns; ++i)
      std::printf("%s\"%s\": %.2f", i ? ", " : "", keys[i], totals[static_cast<size_t>(i)]);
    std::printf("}}\n");
    return 0;
  }
  std::printf("KSIĘGA PRZYCHODÓW I ROZCHODÓW %d%s\n", year,
              month ? (", miesiąc " + std::to_string(month)).c_str() : "");
  std::printf("%5s %-10s %-16s %-24s %11s %11s %11s %11s %11s %11s %s\n", "l.p.", "data", "dokument", "opis",
              "sprzedaż", "pozost.prz", "towary", "k.uboczne", "wynagrodz.", "inne wyd.", "źródło");
  for (const cash::BookEntry& e : entries) {
    std::printf("%5ld %-10s %-16.16s %-24.24s", e.ordinal, shown_date(e.date).c_str(), e.document.c_str(),
                e.description.c_str());
    for (double a : e.amounts) std::printf(" %11.2f", a);
    std::printf(" %s\n", cash::source_name(e.source).c_str());
  }
  std::printf("%-58s", "RAZEM");
  for (double a : totals) std::printf(" %11.2f", a);
  std::printf("\n");
  return 0;
}

CommandRegistrar reg("ksiega", "pozycje księgi przychodów i rozchodów roku (--rok R [--miesiac M] [--json])", ksiega,
                     "--miesiac= --json");

}  // namespace

}  // namespace skolvarin::app
