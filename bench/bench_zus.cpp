// Speed of a ZUS declaration set for 1,000 insured persons: reading the
// month's pay records (with a sick-pay component each tenth) and contracts
// from the firm's tables, building the persons, storing the set in its three
// tables and writing its KEDU file (current form).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "data/data_directory.h"
#include "data/module_state.h"
#include "declarations/kedu_writer.h"
#include "declarations/zus_tables.h"
#include "tests/declarations/zus_fixture.h"

namespace {

using namespace skolvarin;
using namespace skolvarin::declarations;
namespace fs = std::filesystem;

constexpr int kYear = 2024, kMonth = 3, kPersons = 1000;

ZusSources thousand_persons() {
  ZusSources base = zus_test::october_2013(), s;
  for (int i = 0; i < kPersons; ++i) {
    long rec = i + 1;
    ZusEmployee e = base.employees[i % 3];
    e.rec = rec;
    e.surname += std::to_string(i);
    s.employees.push_back(e);
    if (i % 5 == 4) {
      ZusContract c = base.contracts[0];
      c.employee = rec, c.surname = e.surname, c.bill = {kYear, kMonth, 28};
      s.contracts.push_back(c);
      continue;
    }
    ZusPayRecord p = base.pays[i % 3];
    p.employee = rec, p.month = kMonth;
    if (i % 10 != 1) p.components.clear();
    for (auto& c : p.components)
      if (!c.from.empty()) c.from.year = c.to.year = kYear, c.from.month = c.to.month = kMonth;
    s.pays.push_back(p);
  }
  return s;
}

void BM_ZusSetOfThousandPersonsWithKedu(benchmark::State& state) {
  fs::path root = fs::temp_directory_path() / ("bench_zus_" + std::to_string(::getpid()));
  fs::remove_all(root);
  HostContext ctx;
  ctx.today = {kYear, 4, 5};
  std::vector<std::string> created;
  std::string error;
  if (data::init_data_directory(ctx, root.string(), created, error) != 0) {
    state.SkipWithError(error.c_str());
    return;
  }
  data::reset_state();
  data::state().ctx = &ctx;
  ctx.module_year = kYear;
  if (!zus_test::write_sources(&ctx, kYear, thousand_persons())) {
    state.SkipWithError("nie można zapisać danych miesiąca");
    return;
  }
  ZusPayer payer = zus_test::company();
  for (auto _ : state) {
    ZusSources sources;
    load_sources(&ctx, kYear, kMonth, sources, error);
    ZusSet set;
    set.year = kYear;
    set.header.month = kMonth;
    set.header.number = next_set_number(&ctx, kYear, kMonth);
    set.header.filled = set.header.paid = ctx.today;
    set.persons = build_persons(sources.employees, sources.pays, sources.contracts, kMonth).persons;
    count_reports(set);
    if (set.persons.size() != kPersons || !save_set(&ctx, kYear, set, error) ||
        !write_kedu((root / kedu_file_name(kYear, kMonth, set.header.number)).string(), set, payer, {}, error)) {
      state.SkipWithError(error.empty() ? "zestaw niepełny" : error.c_str());
      break;
    }
  }
  d4close_all(&ctx);
  data::reset_state();
  fs::remove_all(root);
}
BENCHMARK(BM_ZusSetOfThousandPersonsWithKedu)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
