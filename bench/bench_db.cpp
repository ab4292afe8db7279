// Speed of the DBF engine on the payroll rows table (65 fields, three
// tags): creating and indexing 100,000 rows, seeking 10,000 keys, walking
// all rows in tag order, appending 10,000 rows, and reading all rows in
// record order compared with read()-ing the file's bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "host/api/db_api.h"

namespace {

namespace fs = std::filesystem;

constexpr long kRows = 100000;

struct F {
  const char* name;
  char type;
  int width, decimals;
};

std::vector<F> pay_rows_layout() {
  std::vector<F> f = {{"NAZ", 'C', 30, 0}, {"IMI", 'C', 15, 0}, {"KOD", 'N', 5, 0}, {"KTU", 'C', 6, 0},
                      {"NRL", 'N', 3, 0},  {"MIE", 'N', 2, 0},  {"DWY", 'D', 8, 0}, {"SKL", 'C', 1, 0}};
  const char* amounts[] = {"DPI", "DZP", "DNI", "DZN", "SPI", "SZP", "SNI", "SZN", "PPI", "PZP", "PNI",
                           "PZN", "BRP", "KUZ", "DOP", "POP"};
  for (const char* a : amounts) f.push_back({a, 'N', 9, 2});
  f.push_back({"POS", 'N', 4, 1});
  const char* more[] = {"POD", "ODL", "NPO", "ZAZ", "ODZ", "OBP", "WYP", "PER", "KEU", "KEP", "KRU", "KRP",
                        "PCW", "KCU", "PSW", "KWP", "PSZ", "KZU", "PFP", "FPP", "PFG", "FGP", "PFE", "FEP",
                        "PCO", "SCO"};
  for (const char* a : more) f.push_back({a, 'N', 9, 2});
  f.push_back({"REC", 'N', 5, 0});
  f.push_back({"WY1", 'N', 3, 0});
  f.push_back({"WY2", 'N', 3, 0});
  f.push_back({"WZC", 'N', 9, 2});
  f.push_back({"ODB", 'N', 9, 2});
  f.push_back({"BRE", 'N', 7, 0});
  f.push_back({"BLP", 'N', 5, 0});
  f.push_back({"BDZ", 'D', 8, 0});
  f.push_back({"ZRE", 'N', 7, 0});
  f.push_back({"ZLP", 'N', 5, 0});
  f.push_back({"ZDZ", 'D', 8, 0});
  f.push_back({"INF", 'C', 32, 0});
  f.push_back({"RE1", 'C', 30, 0});
  f.push_back({"RE2", 'N', 11, 2});
  return f;
}

const char* kTags[] = {"STR(KOD,5,0)+STR(MIE,2,0)+STR(NRL,4,0)",
                       "UPPER(NAZ)+UPPER(IMI)+STR(MIE,2,0)+STR(NRL,4,0)",
                       "STR(MIE,2,0)+STR(NRL,4,0)+UPPER(NAZ)+UPPER(IMI)"};

const char* kSurnames[] = {"Kowalski", "Nowak", "Wiśniewski", "Wójcik", "Kowalczyk", "Kamiński", "Lewandowski",
                           "Zieliński", "Szymański", "Woźniak", "Dąbrowski", "Kozłowski", "Jankowski", "Mazur",
                           "Kwiatkowski", "Krawczyk", "Piotrowski", "Grabowski", "Nowakowski", "Pawłowski"};
const char* kNames[] = {"Anna", "Piotr", "Łucja", "Jan", "Żaneta", "Krzysztof", "Ślęzak", "Ewa"};

struct Env {
  fs::path dir;
  HostContext ctx;
  std::vector<F> layout = pay_rows_layout();

  Env() {
    dir = fs::temp_directory_path() / ("skolvarin_bench_db_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ctx.current_dir = dir.string() + "/";
    ctx.today = HostDate{2024, 12, 31};
  }
  ~Env() {
    d4close_all(&ctx);
    fs::remove_all(dir);
  }
  void define(bool tags) {
    AllocDbfDefinition(&ctx);
    for (const F& f : layout) {
      int code = f.type == 'N' ? 1 : f.type == 'C' ? 2 : f.type == 'D' ? 3 : 4;
      DefineField(&ctx, PackFieldName(f.name), (f.width << 8) + (f.decimals << 4) + code);
    }
    if (tags)
      for (const char* t : kTags) DefineTag(&ctx, t);
  }
  DATA4* open(const char* name, bool tags) {
    define(tags);
    DATA4* d = nullptr;
    TAG4INFO* ti = nullptr;
    if (open_dbf(&ctx, name, &d, GetFieldsInfo(&ctx, &ti, GetTagsInfo(&ctx, 0))) != 0) d = nullptr;
    if (d) ResetDbfActivation(d, ti);
    ReleaseDbfDefinition(&ctx);
    return d;
  }
};

Env& env() {
  static Env e;
  return e;
}

void fill_row(DATA4* d, long i) {
  d4append_start(d);
  f4assign(d4field_j(d, 1), kSurnames[i % 20]);
  f4assign(d4field_j(d, 2), kNames[(i / 20) % 8]);
  f4assign_long(d4field_j(d, 3), 1 + (i * 7919) % 99991);
  f4assign(d4field_j(d, 4), "011000");
  f4assign_int(d4field_j(d, 5), 1 + static_cast<int>(i % 3));
  f4assign_int(d4field_j(d, 6), 1 + static_cast<int>(i % 12));
  f4assign(d4field_j(d, 7), "20241231");
  for (int j = 9; j <= 51; ++j)
    if (j != 25) f4assign_double(d4field_j(d, j), static_cast<double>((i * j) % 100000) / 100.0 + 0.01);
  f4assign_double(d4field_j(d, 25), 18.0);
  f4assign(d4field_j(d, 63), "ADMINISTRATOR 20241231 120000");
}

// The 100,000-row table, created once.
DATA4* table_100k() {
  static bool made = false;
  Env& e = env();
  if (!made) {
    DATA4* d = e.open("W3PENS24.DBF", false);
    for (long i = 0; i < kRows; ++i) {
      fill_row(d, i);
      d4append(d);
    }
    d4close(d);
    made = true;
  }
  static DATA4* tagged = nullptr;
  if (!tagged) tagged = e.open("W3PENS24.DBF", true);
  return tagged;
}

void BM_CreateTable100k(benchmark::State& state) {
  Env& e = env();
  for (auto _ : state) {
    fs::remove(e.dir / "NOWA.DBF");
    DATA4* d = e.open("NOWA.DBF", false);
    for (long i = 0; i < kRows; ++i) {
      fill_row(d, i);
      d4append(d);
    }
    d4close(d);
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(kRows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CreateTable100k)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenAndIndex100k(benchmark::State& state) {
  table_100k();
  Env& e = env();
  for (auto _ : state) {
    DATA4* d = e.open("W3PENS24.DBF", true);
    benchmark::DoNotOptimize(d);
    d4close(d);
  }
}
BENCHMARK(BM_OpenAndIndex100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Seek10k(benchmark::State& state) {
  DATA4* d = table_100k();
  d4tag_select(d, d4tag(d, 1));
  std::mt19937 rng(7);
  std::vector<std::string> keys;
  for (int i = 0; i < 10000; ++i) {
    long row = static_cast<long>(rng() % kRows);
    char k[32];
    std::snprintf(k, sizeof k, "%5ld%2ld%4ld", 1 + (row * 7919) % 99991, 1 + row % 12, 1 + row % 3);
    keys.emplace_back(k);
  }
  long found = 0;
  for (auto _ : state)
    for (const auto& k : keys) found += d4seek(d, k.c_str()) == 0;
  if (found != static_cast<long>(keys.size() * state.iterations())) state.SkipWithError("a key was not found");
  state.counters["seeks/s"] = benchmark::Counter(10000.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Seek10k)->Unit(benchmark::kMillisecond);

void BM_SkipAllInTagOrder(benchmark::State& state) {
  DATA4* d = table_100k();
  d4tag_select(d, d4tag(d, 2));
  long n = 0;
  for (auto _ : state) {
    n = 0;
    for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) ++n;
  }
  if (n != d4reccount(d)) state.SkipWithError("walk did not reach every row");
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SkipAllInTagOrder)->Unit(benchmark::kMillisecond);

void BM_ReadAllInRecordOrder(benchmark::State& state) {
  DATA4* d = table_100k();
  d4tag_select(d, nullptr);
  FIELD4* brp = d4field(d, "BRP");
  double sum = 0;
  long n = 0;
  for (auto _ : state) {
    n = 0;
    for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
      sum += f4double(brp);
      ++n;
    }
  }
  benchmark::DoNotOptimize(sum);
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(fs::file_size(d4path(d))) / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadAllInRecordOrder)->Unit(benchmark::kMillisecond);

void BM_ReadFileBytes(benchmark::State& state) {
  DATA4* d = table_100k();
  std::string path = d4path(d);
  std::vector<char> buf(256 * 1024);
  long long total = 0;
  for (auto _ : state) {
    int fd = ::open(path.c_str(), O_RDONLY);
    ssize_t r;
    while ((r = ::read(fd, buf.data(), buf.size())) > 0) total += r;
    ::close(fd);
  }
  benchmark::DoNotOptimize(total);
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(fs::file_size(path)) / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

void BM_Append10k(benchmark::State& state) {
  DATA4* d = table_100k();
  long i = kRows;
  for (auto _ : state)
    for (int k = 0; k < 10000; ++k) {
      fill_row(d, i++);
      d4append(d);
    }
  state.counters["rows/s"] = benchmark::Counter(10000.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Append10k)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
