// `skolvarin przelewy eksport` on a transfer table written here through the
// module's data layer: the period and marked filters, the refused transfer
// (bad NRB) listed with exit code 2, the Elixir-0 lines in Windows-1250.
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

}  // namespace

TEST(TransferExport, PeriodAndMarkedTransfersGoToTheFileAndABadNrbIsListed) {
  fs::path root = fs::temp_directory_path() / ("transfers_export_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  const std::string data = (root / "data").string();
  ASSERT_EQ(run_command(program() + " init --data " + data + " --dzis 2017-05-18 >/dev/null 2>&1").status, 0);
  {
    using namespace skolvarin;
    HostContext ctx;
    ctx.today = HostDate{2017, 5, 18};
    std::string error;
    ASSERT_TRUE(data::open_data_directory(ctx, data, error)) << error;
    data::reset_state();
    data::state().ctx = &ctx;
    ASSERT_EQ(data::open_transfer_table(&ctx, 0, 2017), 0);
    data::TableHandles& t = data::handles("W3PLEW  .DBF");
    const char* firm = "61109010140000071219812874";
    const char* zus = "83101010230000261395100000";
    const Row rows[] = {
        {"20170430", 1, 10.00, "T", firm, zus, "KWIECIEŃ", "poza okresem"},
        {"20170505", 1, 1234.56, "T", firm, "78101010230000261395200000", "Łódź Zakład", "Faktura 5/2017"},
        {"20170510", 2, 812.34, "T", firm, zus, "ZUS", ""},
        {"20170512", 1, 99.99, "N", firm, zus, "NIEZAZNACZONY", "nie drukować"},
        {"20170520", 1, 50.00, "T", firm, "78101010230000261395200001", "ZŁY NUMER", "zły NRB"},
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
      f4assign(t.field("DEK"), "20170501");
      ASSERT_EQ(d4append(t.data), 0);
    }
    data::close_all_tables(&ctx);
    data::reset_state();
  }
  const std::string out = (root / "przelewy.txt").string();
  auto run = run_command(program() + " przelewy eksport --data " + data +
                         " --rok 2017 --od 2017-05-01 --do 2017-05-31 --zaznaczone --plik " + out + " 2>&1");
  EXPECT_EQ(run.status, 2) << run.out;
  EXPECT_NE(run.out.find("pominięto: przelew nr 5 z 20-05-2017 na 50.00 zł (ZŁY NUMER): błędna suma kontrolna rachunku odbiorcy"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Zapisano 2 przelewów"), std::string::npos) << run.out;
  const std::string file = skolvarin::testing_support::read_file(out);
  EXPECT_EQ(file,
            "110,20170505,123456,10901014,0,\"61109010140000071219812874\",\"78101010230000261395200000\","
            "\"FIRMA DEMONSTRACYJNA\",\"\xA3\xF3\x64\x9F Zak\xB3\x61\x64\",0,10101023,\"Faktura 5/2017\",\"\",\"\","
            "\"51\",\"\"\r\n"
            "110,20170510,81234,10901014,0,\"61109010140000071219812874\",\"83101010230000261395100000\","
            "\"FIRMA DEMONSTRACYJNA\",\"ZUS\",0,10101023,\"5260001246|||S|20170501|\",\"\",\"\",\"71\",\"\"\r\n");
  fs::remove_all(root);
}

TEST(TransferPrefill, ZeroPayTransferIsRefusedBeforeTheFormAndWritesNothing) {
  fs::path root = fs::temp_directory_path() / ("transfers_prefill_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  const std::string data = (root / "data").string();
  ASSERT_EQ(run_command(program() + " init --data " + data + " --dzis 2017-05-18 >/dev/null 2>&1").status, 0);
  using namespace skolvarin;
  HostContext ctx;
  ctx.today = HostDate{2017, 5, 18};
  std::string error;
  ASSERT_TRUE(data::open_data_directory(ctx, data, error)) << error;
  data::reset_state();
  data::state().ctx = &ctx;
  data::state().options.working_year = 2017;
  // Zero: refused at once (message 121), the transfer table not even opened.
  EXPECT_EQ(transfers::pay_transfer(1, 0.004, 1), 1);
  EXPECT_FALSE(fs::exists(root / "data" / "firmy" / "DEMO" / "W3PLEW17.DBF"));
  // Without a screen the form answers Esc: the table is opened, nothing appended.
  EXPECT_EQ(transfers::pay_transfer(1, 2500.00, 1), 1);
  ASSERT_EQ(data::open_transfer_table(&ctx, 0, 2017), 0);
  EXPECT_EQ(d4reccount(data::handles("W3PLEW  .DBF").data), 0);
  data::close_all_tables(&ctx);
  data::reset_state();
  fs::remove_all(root);
}
