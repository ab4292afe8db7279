// The browse on a 50,000-record table: opening the table (tags built in
// memory), opening a browse on it and jumping to its last row, and paging
// through it, on the virtual 80 x 25 screen.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "host/api/browse_api.h"
#include "host/term/virtual_terminal.h"
#include "host/ui/screen.h"

namespace {

namespace fs = std::filesystem;
constexpr long kRows = 50000;

struct Fixture {
  HostContext ctx;
  fs::path dir;
  Fixture() {
    dir = fs::temp_directory_path() / ("skolvarin_bench_browse_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ctx.current_dir = dir.string() + "/";
    ctx.today = HostDate{2024, 5, 17};
    DATA4* d = open();
    for (long i = 1; i <= kRows; ++i) {
      char kod[16], naz[32];
      std::snprintf(kod, sizeof kod, "K%07ld", (i * 7919) % 100003);
      std::snprintf(naz, sizeof naz, "Kontrahent %ld", i);
      d4append_start(d);
      f4assign(d4field(d, "KOD"), kod);
      f4assign(d4field(d, "NAZ"), naz);
      f4assign_double(d4field(d, "KWO"), static_cast<double>(i) / 100.0);
      d4append(d);
    }
    d4close_all(&ctx);
  }
  ~Fixture() {
    d4close_all(&ctx);
    fs::remove_all(dir);
  }
  DATA4* open() {
    AllocDbfDefinition(&ctx);
    DefineField(&ctx, PackFieldName("KOD"), (8 << 8) + 2);
    DefineField(&ctx, PackFieldName("NAZ"), (40 << 8) + 2);
    DefineField(&ctx, PackFieldName("KWO"), (12 << 8) + (2 << 4) + 1);
    DefineTag(&ctx, "UPPER(KOD)");
    TAG4INFO* tags = nullptr;
    DATA4* d = nullptr;
    open_dbf(&ctx, "W3BENC.DBF", &d, GetFieldsInfo(&ctx, &tags, GetTagsInfo(&ctx, 0)));
    ReleaseDbfDefinition(&ctx);
    return d;
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

// One browse run with the given keys (then Esc) on an open table.
void run_browse(DATA4* d, std::initializer_list<int> keys) {
  skolvarin::term::VirtualTerminal terminal(25, 80);
  terminal.add_keys(keys);
  skolvarin::host::Screen screen(terminal);
  skolvarin::host::ScreenBinding binding(screen);
  ScrollDefinition scroll;
  ResetScrollDefinition(&scroll, 80);
  DefineScrollColumn(&scroll, d4field(d, "KOD"), 0, "kod", d4tag_default(d));
  DefineScrollColumn(&scroll, d4field(d, "NAZ"), 0, "nazwa");
  DefineScrollColumn(&scroll, d4field(d, "KWO"), 0, "kwota");
  BROWSE* b = nullptr;
  allocate_browse(&b, d, d4tag_default(d), &scroll, -1);
  b->title = "Próba";
  zrob_browse(b, 0, 0, 0);
  free_browse(b);
}

void BM_OpenTableBrowseAndJumpToEnd(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    DATA4* d = f.open();
    run_browse(d, {skolvarin::keys::End});
    benchmark::DoNotOptimize(d4recno(d));
    d4close(d);
  }
}
BENCHMARK(BM_OpenTableBrowseAndJumpToEnd)->Unit(benchmark::kMillisecond);

void BM_BrowseJumpToEndOnOpenTable(benchmark::State& state) {
  Fixture& f = fixture();
  DATA4* d = f.open();
  for (auto _ : state) {
    run_browse(d, {skolvarin::keys::End});
    benchmark::DoNotOptimize(d4recno(d));
  }
  d4close(d);
}
BENCHMARK(BM_BrowseJumpToEndOnOpenTable)->Unit(benchmark::kMillisecond);

void BM_BrowsePageDownTwentyTimes(benchmark::State& state) {
  Fixture& f = fixture();
  DATA4* d = f.open();
  for (auto _ : state) {
    run_browse(d, {skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn,
                   skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn,
                   skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn,
                   skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn,
                   skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn, skolvarin::keys::PgDn});
  }
  d4close(d);
}
BENCHMARK(BM_BrowsePageDownTwentyTimes)->Unit(benchmark::kMillisecond);

}  // namespace
