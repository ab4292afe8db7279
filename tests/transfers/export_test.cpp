// `skolvarin przelewy eksport` on a transfer table written here through the
// module's data layer: the period and marked filters, the refused transfer
// (bad NRB) listed with exit code 2, the file read back field by field
// by an independent reader (tests/transfers/elixir_reader.py).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "data/data_directory.h"
#include "data/module_state.h"
#include "data/transfer_table.h"
#include "transfers/transfers_register.h"
#include "host/api/db_api.h"
#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace {

namespace fs = std::filesystem;
using skolvarin::testing_support::program;
using skolvarin::testing_support::run_command;

struct Row {
  const char* date;
  int type;
  double amount;
  const char* marked;
  const char* payer;
  const char* payee;
  const char* name;
  const char* title;
};

// A data directory made on 18 May 2017 and opened as the module opens it
// (working year 2017); removed at the end.
struct OpenDataDir {
  explicit OpenDataDir(const std::string& name)
      : root(fs::temp_directory_path() / ("transfers_" + name + "_" + std::to_string(::getpid()))),
        data((root / "data").string()) {
    fs::remove_all(root);
    fs::create_directories(root);
    ctx.today = HostDate{2017, 5, 18};
    std::string error;
    ok = run_command(program() + " init --data " + data + " --dzis 2017-05-18 >/dev/null 2>&1").status == 0 &&
         skolvarin::data::open_data_directory(ctx, data, error);
    skolvarin::data::reset_state();
    skolvarin::data::state().ctx = &ctx;
    skolvarin::data::state().options.working_year = 2017;
  }
  ~OpenDataDir() {
    skolvarin::data::close_all_tables(&ctx);
    skolvarin::data::reset_state();
    fs::remove_all(root);
  }
  fs::path root;
  std::string data;
  HostContext ctx;
  bool ok = false;
};

}  // namespace

TEST(TransferExport, PeriodAndMarkedTransfersGoToTheFileAndABadNrbIsListed) {
  OpenDataDir dir("export");
  ASSERT_TRUE(dir.ok);
  const std::string& data = dir.data;
  {
    using namespace skolvarin;
    ASSERT_EQ(data::open_transfer_table(&dir.ctx, 0, 2017), 0);
    data::TableHandles& t = data::handles("W3PLEW  .DBF");
    const char* firm = "61109010140000071219812874";
    const char* zus = "83101010230000261395100000";
    const Row rows[] = {
        {"20170430", 1, 10.00, "T", firm, zus, "KWIECIEŃ", "poza okresem"},
        {"20170505", 1, 1234.56, "T", firm, "78101010230000261395200000", "Łódź Zakład", "Faktura 5/2017"},
        {"20170510", 2, 812.34, "T", firm, zus, "ZUS", ""},
        {"20170512", 1, 99.99, "N", firm, zus, "NIEZAZNACZONY", "nie drukować"},
        {"20170520", 1, 50.00, "T", firm, "78101010230000261395200001", "ZŁY NUMER", "zły NRB"},
        {"20170522", 3, 317.00, "T", firm, "78101010230000261395200000", "Urząd Skarbowy", ""},
    };
    for (const Row& r : rows) {
      d4append_start(t.data);
      f4assign(t.field("DAP"), r.date);
      f4assign_int(t.field("TYP"), r.type);
      f4assign_double(t.field("KWO"), r.amount);
      f4assign(t.field("DRU"), r.marked);
      f4assign(t.field("KNZ"), r.payer);
      f4assign(t.field("KNO"), r.payee);
      f4assign(t.field("NZ1"), "FIRMA DEMONSTRACYJNA");
      f4assign(t.field("NO1"), r.name);
      f4assign(t.field("TY1"), r.title);
      f4assign(t.field("NIP"), "5260001246");
      f4assign(t.field("TWP"), "S");
      f4assign(t.field("DEK"), r.type == 3 ? "17M04" : "20170501");
      f4assign(t.field("SYP"), r.type == 3 ? "PIT4R" : "");
      ASSERT_EQ(d4append(t.data), 0);
    }
    data::close_all_tables(&dir.ctx);
  }
  const std::string out = (dir.root / "przelewy.txt").string();
  auto run = run_command(program() + " przelewy eksport --data " + data +
                         " --rok 2017 --od 2017-05-01 --do 2017-05-31 --zaznaczone --plik " + out + " 2>&1");
  EXPECT_EQ(run.status, 2) << run.out;
  EXPECT_NE(run.out.find("pominięto: przelew nr 5 z 20-05-2017 na 50.00 zł (ZŁY NUMER): błędna suma kontrolna rachunku odbiorcy"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Zapisano 3 przelewów"), std::string::npos) << run.out;
  // Read back as a bank reads it (Windows-1250, 16 fields, quoting, NRB
  // checksums, the sort codes, lines of 35); amounts in grosze.
  auto back = run_command("/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/transfers/elixir_reader.py " + out);
  ASSERT_EQ(back.status, 0) << back.out;
  const std::string& j = back.out;
  for (const char* want : {
           "\"data\": \"20170505\", \"kwota\": 123456, \"bank_zlec\": \"10901014\"",
           "\"zleceniodawca\": \"FIRMA DEMONSTRACYJNA\", \"odbiorca\": \"Łódź Zakład\", \"zero2\": \"0\", "
           "\"bank_odb\": \"10101023\", \"tytul\": \"Faktura 5/2017\"",
           "\"klasyfikacja\": \"51\"",
           "\"kwota\": 81234",
           "\"tytul\": \"5260001246|||S|20170501|\", \"puste1\": \"\", \"puste2\": \"\", \"klasyfikacja\": \"71\"",
           "\"kwota\": 31700",
           "\"tytul\": \"/TI/N5260001246/OKR/17M04/SFP/PIT4R|/TXT/\"",
       })
    EXPECT_NE(j.find(want), std::string::npos) << want << "\n" << j;
  EXPECT_EQ(j.find("20170430"), std::string::npos) << j;  // outside the period
  EXPECT_EQ(j.find("NIEZAZNACZONY"), std::string::npos) << j;
}

TEST(TransferPrefill, ZeroPayTransferIsRefusedBeforeTheFormAndWritesNothing) {
  OpenDataDir dir("prefill");
  ASSERT_TRUE(dir.ok);
  using namespace skolvarin;
  // Zero: refused at once (message 121), the transfer table not even opened.
  EXPECT_EQ(transfers::pay_transfer(1, 0.004, 1), 1);
  EXPECT_FALSE(fs::exists(dir.root / "data" / "firmy" / "DEMO" / "W3PLEW17.DBF"));
  // Without a screen the form answers Esc: the table is opened, nothing appended.
  EXPECT_EQ(transfers::pay_transfer(1, 2500.00, 1), 1);
  ASSERT_EQ(data::open_transfer_table(&dir.ctx, 0, 2017), 0);
  EXPECT_EQ(d4reccount(data::handles("W3PLEW  .DBF").data), 0);
}
