// The dispatchers against a recording host: chains in order, the stop at
// the first failure, the tables closed after every register.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/catalogue.h"
#include "frame/dispatcher.h"

using namespace skolvarin::frame;

namespace {

struct Log {
  std::vector<std::string> calls;
  std::string failing_file;  // the step that fails
  bool firm_data_fails = false;
  bool with_registers = true;
};
Log* log_ = nullptr;

int fake_register() {
  log_->calls.push_back("register");
  return 0;
}

DispatchHost fake_host() {
  DispatchHost h{};
  h.open_firm_data = [](HostContext*) {
    log_->calls.push_back("firm data");
    return log_->firm_data_fails ? -1 : 0;
  };
  h.open_table = [](HostContext*, const ChainStep& s) {
    log_->calls.push_back(std::string("open ") + s.file);
    return log_->failing_file == s.file ? -1 : 0;
  };
  h.load_settings = [](HostContext*, const char* file) {
    log_->calls.push_back(std::string("settings ") + file);
    return log_->failing_file == file ? -1 : 0;
  };
  h.close_all = [](HostContext*) {
    log_->calls.push_back("close all");
    return 0;
  };
  h.char_routine = [](HostKeyReader r) { log_->calls.push_back(r ? "reader on" : "reader off"); };
  h.find_register = [](RegisterId) -> RegisterMain { return log_->with_registers ? &fake_register : nullptr; };
  h.not_available = [](RegisterId id) { log_->calls.push_back(std::string("missing ") + register_name(id)); };
  return h;
}

struct DispatcherTest : ::testing::Test {
  Log l;
  HostContext ctx;
  void SetUp() override { log_ = &l; }
};

}  // namespace

TEST_F(DispatcherTest, CashBookLoadsEwidencjeOnlyThenRunsTheRegister) {
  run_dispatcher(fake_host(), &ctx, Dispatcher::General, 16);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"firm data", "settings W3PAEV.DBF", "register",
                                                "reader on", "close all"}));
}

TEST_F(DispatcherTest, AFailingStepSkipsTheRestAndTheRegisterButClosesTheTables) {
  l.failing_file = "W3KHNT.DBF";
  run_dispatcher(fake_host(), &ctx, Dispatcher::General, 9);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"firm data", "settings W3PAPV.DBF", "settings W3PAZU.DBF",
                                                "settings W3PAPL  .DBF", "open W3PLEW  .DBF",
                                                "open W3KHNT.DBF", "reader on", "close all"}));
}

TEST_F(DispatcherTest, FirmDataFailureRunsNothingAndClosesNothing) {
  l.firm_data_fails = true;
  EXPECT_EQ(run_dispatcher(fake_host(), &ctx, Dispatcher::Payroll, 1), 0);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"firm data"}));
}

TEST_F(DispatcherTest, CodesWithoutAChainRunNothingButStillClose) {
  for (int code : {15, 17, 0, -1, 99}) {
    l.calls.clear();
    run_dispatcher(fake_host(), &ctx, Dispatcher::General, code);
    EXPECT_EQ(l.calls, (std::vector<std::string>{"firm data", "reader on", "close all"})) << code;
  }
  l.calls.clear();
  run_dispatcher(fake_host(), &ctx, Dispatcher::Payroll, 11);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"firm data", "reader on", "close all"}));
}

TEST_F(DispatcherTest, ARegisterNotBuiltYetIsNamedAndTheTablesStillClose) {
  l.with_registers = false;
  run_dispatcher(fake_host(), &ctx, Dispatcher::Payroll, 7);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"firm data", "open W3PELI.DBF", "missing Składniki",
                                                "reader on", "close all"}));
  EXPECT_EQ(not_available_text(RegisterId::CashBook), "Rejestr „Kasa” nie jest jeszcze dostępny");
}

TEST_F(DispatcherTest, PayrollListsChainRunsInItsOrder) {
  run_dispatcher(fake_host(), &ctx, Dispatcher::Payroll, 1);
  EXPECT_EQ(l.calls, (std::vector<std::string>{
                         "firm data", "settings W3PAZU.DBF", "settings W3PAZR  .DBF",
                         "settings W3PAPL  .DBF", "open W3SRDN.DBF", "open W3USKA.DBF", "open W3PRAC.DBF",
                         "open W3UMOW  .DBF", "open W3PESK  .DBF", "open W3PENS  .DBF", "open W3DEKL.DBF",
                         "open W3DNWO.DBF", "register", "reader on", "close all"}));
}

TEST_F(DispatcherTest, InterestTablesOpenOnlyTheirTableAndRemoveTheReader) {
  struct Case {
    RegisterId id;
    const char* file;
  } cases[] = {{RegisterId::StatutoryRates, "open W3ODUS.DBF"},
               {RegisterId::TaxArrearsRates, "open W3ZAPO.DBF"},
               {RegisterId::Holidays, "open W3DNWO.DBF"}};
  for (const Case& c : cases) {
    l.calls.clear();
    run_direct_register(fake_host(), &ctx, c.id);
    EXPECT_EQ(l.calls, (std::vector<std::string>{c.file, "register", "close all", "reader off"}));
  }
  l.calls.clear();
  l.failing_file = "W3ODUS.DBF";
  run_direct_register(fake_host(), &ctx, RegisterId::StatutoryRates);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"open W3ODUS.DBF", "close all", "reader off"}));
}

TEST_F(DispatcherTest, EveryChainStepIsACatalogueTableOfTheRightKind) {
  for (Dispatcher d : {Dispatcher::General, Dispatcher::Payroll})
    for (const RegisterChain& chain : chains(d))
      for (const ChainStep& step : chain.steps) {
        const auto* entry = skolvarin::data::find_table(step.file);
        ASSERT_NE(entry, nullptr) << step.file;
        EXPECT_EQ(entry->settings, step.settings) << step.file;
        EXPECT_EQ(step.open == nullptr, step.settings) << step.file;
      }
  for (const DirectRegister& r : direct_registers())
    EXPECT_NE(skolvarin::data::find_table(r.table.file), nullptr) << r.table.file;
}
