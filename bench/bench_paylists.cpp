// A month of payroll lists for 1,000 people, each with five components:
// the records added as `skolvarin place dopisz` adds them (base pay), four
// more components entered, every record recomputed by the pay chain and the
// payslips printed to a PDF.  One iteration is one month of the firm (each
// iteration takes the next month, so every run adds fresh records).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/data_directory.h"
#include "data/firm_data_table.h"
#include "data/main_options.h"
#include "data/module_state.h"
#include "host/api/print_api.h"
#include "payroll/pay_lists.h"
#include "payroll/payroll_settings.h"

namespace {

namespace fs = std::filesystem;
using namespace skolvarin;

constexpr int kPeople = 1000;

fs::path make_firm() {
  const fs::path root = fs::temp_directory_path() / ("bench_paylists_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  const std::string bin = SKOLVARIN_BINARY_DIR "/bin/skolvarin";
  const std::string data = (root / "data").string();
  std::ofstream csv(root / "people.csv");
  csv << "nazwisko;imie;pesel;data_przyjecia;rodzaj_placy;placa;etat;kod_tytulu\n";
  for (int i = 0; i < kPeople; ++i)
    csv << "Pracownik" << i << ";Jan;" << 70000000000LL + i << ";2016-01-01;M;" << 2000 + i << ".00;1/1;011000\n";
  csv.close();
  const std::string quiet = " >/dev/null 2>&1";
  if (std::system((bin + " init --data " + data + quiet).c_str()) != 0 ||
      std::system((bin + " pracownicy import " + (root / "people.csv").string() + " --data " + data + quiet).c_str()) !=
          0 ||
      std::system((bin + " wzorce --data " + data + quiet).c_str()) != 0)
    return {};
  return root;
}

void BM_MonthOf1000PeopleAddRecomputePrint(benchmark::State& state) {
  const fs::path root = make_firm();
  if (root.empty()) {
    state.SkipWithError("no data directory");
    return;
  }
  HostContext ctx;
  ctx.today = {2026, 12, 5};
  std::string error;
  data::reset_state();
  data::open_data_directory(ctx, (root / "data").string(), error, "");
  data::state().ctx = &ctx;
  data::load_main_options(ctx, data::state().options);
  const int year = 2026;
  ctx.module_year = year;
  data::state().options.working_year = year;
  data::open_firm_data(&ctx);
  payroll::ListEnv env;
  if (!payroll::bind_list_env(&ctx, year, env, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  int month = 0;
  for (auto _ : state) {
    ++month;
    const auto added = payroll::add_month(env, month, 1, {});
    for (const auto& a : added) {
      payroll::PayRecord r;
      if (!payroll::read_pay_record(env, a.recno, r)) continue;
      for (const char* code : {"D211", "D503", "D505", "P900"}) payroll::enter_component(env, r, code);
    }
    const auto recs = payroll::records_of_month(env, month, 1);
    for (long recno : recs) payroll::recompute_pay_record(env, recno);
    init_prn(&ctx, "PASKI", "Paski wypłat");
    payroll::print_payslips(env, recs);
    deinit_prn(0);
    state.counters["records"] = static_cast<double>(recs.size());
  }
  d4close_all(&ctx);
  data::reset_state();
  fs::remove_all(root);
}
BENCHMARK(BM_MonthOf1000PeopleAddRecomputePrint)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
