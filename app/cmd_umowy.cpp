// skolvarin umowy [--rok R] [--miesiac M] [--json]: the civil-law contracts
// of year R from the firm's contracts table (W3UMOW<rr>.DBF) with their
// bills as stored (gross, costs, income, tax due, amount to pay, the
// contractor's and the payer's contributions), and the sums per source of
// income and in total as " Suma " of the register shows them.  --miesiac
// keeps the bills of one month (month of the bill date).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "data/data_directory.h"
#include "declarations/contract_prints.h"
#include "host/api/db_api.h"

namespace skolvarin::app {
namespace {

struct Row {
  std::string name;
  declarations::ContractBill bill;
};

int run(const CommandLine& cl) {
  std::string text;
  long month = 0;
  if (cl.value_of("--miesiac", text)) {
    char* end = nullptr;
    month = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || month < 1 || month > 12) {
      std::fprintf(stderr, "skolvarin umowy: podaj miesiąc 1-12 (--miesiac M)\n");
      return 2;
    }
  }
  HostContext ctx;
  ctx.today = cl.today;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) {
    std::fprintf(stderr, "skolvarin umowy: %s\n", error.c_str());
    return 2;
  }
  int year = cl.year ? cl.year : cl.today.year;
  char name[16] = "W3UMOW  .DBF";
  SetDbfYear(name, year);
  std::string path = ctx.firm_dir + name;
  std::vector<Row> rows;
  if (EnvFileExists(&ctx, path.c_str())) {
    DATA4* t = d4open(&ctx, path.c_str());
    if (!t) {
      std::fprintf(stderr, "skolvarin umowy: nie można otworzyć tabeli %s\n", path.c_str());
      return 2;
    }
    auto n = [t](const char* f) { return f4double(d4field(t, f)); };
    for (long r = 1; r <= d4reccount(t); ++r) {
      if (d4go(t, r) != 0 || d4deleted(t)) continue;
      Row row;
      declarations::ContractBill& b = row.bill;
      b.DAR = f4date(d4field(t, "DAR"));
      if (month && b.DAR.month != month) continue;
      row.name = f4trim(d4field(t, "NAZ")) + " " + f4trim(d4field(t, "IMI"));
      b.TYP = f4int(d4field(t, "TYP"));
      b.TYT = f4int(d4field(t, "TYT"));
      b.KTU = f4trim(d4field(t, "KTU"));
      b.DAW = f4date(d4field(t, "DAW"));
      b.BRU = n("BRU"), b.UZW = n("UZW"), b.DOP = n("DOP"), b.NPO = n("NPO"), b.NET = n("NET");
      b.KEU = n("KEU"), b.KRU = n("KRU"), b.KCU = n("KCU"), b.KEP = n("KEP"), b.KRP = n("KRP");
      b.KWP = n("KWP"), b.KZU = n("KZU"), b.FUP = n("FUP"), b.FUG = n("FUG");
      rows.push_back(row);
    }
    d4close(t);
  }
  std::vector<declarations::ContractBill> bills;
  for (const Row& r : rows) bills.push_back(r.bill);
  declarations::ContractSummary sum = declarations::summarize(bills);
  if (!cl.has_flag("--json")) {
    for (const Row& r : rows)
      std::printf("%s  %-30s %-21s %10.2f %10.2f %10.2f\n", to_shown(r.bill.DAR).c_str(), r.name.c_str(),
                  declarations::kind_text(r.bill.TYP).c_str(), r.bill.BRU, r.bill.NPO, r.bill.NET);
    std::printf("%s", declarations::summary_text(sum, year).c_str());
    return 0;
  }
  std::printf("{\"rok\": %d, \"miesiac\": %ld, \"umowy\": [", year, month);
  for (size_t i = 0; i < rows.size(); ++i) {
    const declarations::ContractBill& b = rows[i].bill;
    std::printf("%s\n  {\"data_rachunku\": \"%s\", \"data_umowy\": \"%s\", \"nazwisko\": %s, \"typ\": %d, "
                "\"tytul\": %d, \"kod_zus\": %s, \"brutto\": %.2f, \"koszty\": %.2f, \"dochod\": %.2f, "
                "\"zaliczka\": %.2f, \"do_wyplaty\": %.2f, \"skladki_zleceniobiorcy\": %.2f, "
                "\"skladki_platnika\": %.2f, \"zdrowotna\": %.2f}",
                i ? "," : "", to_iso(b.DAR).c_str(), to_iso(b.DAW).c_str(), json_string(rows[i].name).c_str(), b.TYP,
                b.TYT, json_string(b.KTU).c_str(), b.BRU, b.UZW, b.DOP, b.NPO, b.NET, b.KEU + b.KRU + b.KCU,
                declarations::payer_contributions(b), b.KZU);
  }
  const declarations::SummaryRow& t = sum.total;
  std::printf("\n], \"razem\": {\"liczba\": %ld, \"brutto\": %.2f, \"koszty\": %.2f, \"dochod\": %.2f, "
              "\"zaliczka\": %.2f, \"do_wyplaty\": %.2f}}\n",
              t.count, t.BRU, t.UZW, t.DOP, t.NPO, t.NET);
  return 0;
}

const CommandRegistrar registrar("umowy", "umowy cywilnoprawne roku z rachunkami i sumami", run,
                                 "--miesiac= --json");

}  // namespace
}  // namespace skolvarin::app
