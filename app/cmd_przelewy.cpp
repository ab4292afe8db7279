// skolvarin przelewy eksport --rok R [--od RRRR-MM-DD --do RRRR-MM-DD]
//   [--zaznaczone] --plik PLIK
// writes the transfers of a year (in date order) as a bank import file in
// the Elixir-0 layout (transfers/elixir_export.h).  Transfers without an
// account number, with a bad NRB or with no amount are listed and left out;
// the exit code is then 2 (the file holds the others).
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/command.h"
#include "data/data_directory.h"
#include "host/api/calendar.h"
#include "host/api/db_api.h"
#include "transfers/elixir_export.h"

namespace skolvarin::app {

namespace {

constexpr const char* kUsage =
    "użycie: skolvarin przelewy eksport --rok R [--od RRRR-MM-DD --do RRRR-MM-DD] [--zaznaczone] --plik PLIK\n";

bool date_option(const CommandLine& cl, const char* name, std::string& out) {
  std::string text;
  if (!cl.value_of(name, text)) return true;
  Date d;
  if (!from_iso(text, d) || !is_valid_date(d)) {
    std::fprintf(stderr, "skolvarin przelewy: błędna data %s %s (RRRR-MM-DD)\n", name, text.c_str());
    return false;
  }
  out = to_dbf(d);
  return true;
}

int przelewy(const CommandLine& cl) {
  if (cl.words.size() != 1 || cl.words[0] != "eksport") {
    std::fprintf(stderr, "%s", kUsage);
    return 2;
  }
  std::string path, from, to;
  if (!cl.value_of("--plik", path) || path.empty()) {
    std::fprintf(stderr, "skolvarin przelewy: brak pliku wynikowego (--plik PLIK)\n%s", kUsage);
    return 2;
  }
  if (!date_option(cl, "--od", from) || !date_option(cl, "--do", to)) return 2;
  const bool marked_only = cl.has_flag("--zaznaczone");
  HostContext ctx;
  ctx.today = cl.today;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) {
    std::fprintf(stderr, "skolvarin przelewy: %s\n", error.c_str());
    return 2;
  }
  const int year = cl.year > 0 ? cl.year : cl.today.year;
  char name[16];
  std::snprintf(name, sizeof name, "W3PLEW%02d.DBF", year % 100);
  std::vector<transfers::TransferOrder> orders;
  SwitchDir(&ctx, 1);
  if (EnvFileExists(&ctx, name)) {
    DATA4* d = d4open(&ctx, name);
    if (!d) {
      d4close_all(&ctx);
      return 1;
    }
    AllocDbfDefinition(&ctx);
    DefineTag(&ctx, "DTOS(DAP)+STR(RECNO(),7,0)");
    i4create(d, GetTagsInfo(&ctx, 0));
    ReleaseDbfDefinition(&ctx);
    d4tag_select(d, d4tag(d, 1));
    auto f = [d](const char* n) { return f4trim(d4field(d, n)); };
    for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
      if (d4deleted(d)) continue;
      transfers::TransferOrder o;
      o.record = d4recno(d);
      o.date = f4str(d4field(d, "DAP"));
      if ((!from.empty() && o.date < from) || (!to.empty() && o.date > to)) continue;
      if (marked_only && f("DRU") != "T") continue;
      o.type = f4int(d4field(d, "TYP"));
      o.amount = f4double(d4field(d, "KWO"));
      o.payer_account = f("KNZ");
      o.payee_account = f("KNO");
      o.payer_name1 = f("NZ1");
      o.payer_name2 = f("NZ2");
      o.payer_address1 = f("AZ1");
      o.payer_address2 = f("AZ2");
      o.payee_name1 = f("NO1");
      o.payee_name2 = f("NO2");
      o.payee_address1 = f("AO1");
      o.payee_address2 = f("AO2");
      o.title1 = f("TY1");
      o.title2 = f("TY2");
      o.nip = f("NIP");
      o.id_type = f("IDD");
      o.id_number = f("NRD");
      o.payment_type = f("TWP");
      o.period = f("DEK");
      o.symbol = f("SYP");
      o.obligation = f("IZO");
      orders.push_back(o);
    }
  }
  d4close_all(&ctx);
  transfers::ElixirFile file = transfers::elixir_file(orders);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << file.bytes;
  out.flush();
  if (!out) {
    std::fprintf(stderr, "skolvarin przelewy: nie można zapisać pliku %s\n", path.c_str());
    return 2;
  }
  for (const std::string& r : file.refused) std::fprintf(stderr, "pominięto: %s\n", r.c_str());
  std::printf("Zapisano %d przelewów do pliku %s (Elixir-0)%s\n", file.written, path.c_str(),
              file.refused.empty() ? "" : ("; pominięto " + std::to_string(file.refused.size())).c_str());
  return file.refused.empty() ? 0 : 2;
}

CommandRegistrar reg("przelewy", "przelewy roku jako plik importu do banku (eksport --plik PLIK, Elixir-0)", przelewy,
                     "--od= --do= --zaznaczone --plik=");

}  // namespace

}  // namespace skolvarin::app
