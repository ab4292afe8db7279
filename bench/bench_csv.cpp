// Speed of `skolvarin tabela --csv`: the CSV export of a payroll rows table
// of about 60 MB (the W3PENS layout, 100,000 rows), written to /dev/null,
// against copying the file's bytes to /dev/null (what `cat` does).
//
// The table is made once in $TMPDIR/skolvarin_bench_csv/W3PENS24.DBF and
// kept there, so the program itself, `cat` and python3-dbfread can be timed
// on the same file (bench/dbfread_csv.py):
//   time skolvarin tabela /tmp/skolvarin_bench_csv/W3PENS24.DBF --csv >/dev/null
//   time cat /tmp/skolvarin_bench_csv/W3PENS24.DBF >/dev/null
//   time python3 bench/dbfread_csv.py /tmp/skolvarin_bench_csv/W3PENS24.DBF >/dev/null
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/table_csv.h"
#include "data/layouts.h"
#include "host/api/db_api.h"

namespace {

namespace fs = std::filesystem;

constexpr long kRows = 100000;

const char* kSurnames[] = {"Kowalski", "Nowak", "Wiśniewski", "Wójcik", "Kowalczyk", "Kamiński", "Lewandowski",
                           "Zieliński", "Szymański", "Woźniak", "Dąbrowski", "Kozłowski", "Jankowski", "Mazur",
                           "Kwiatkowski", "Krawczyk", "Piotrowski", "Grabowski", "Nowakowski", "Pawłowski"};
const char* kNames[] = {"Anna", "Piotr", "Łucja", "Jan", "Żaneta", "Krzysztof", "Ślęzak", "Ewa"};

std::string table_path() {
  return (fs::temp_directory_path() / "skolvarin_bench_csv" / "W3PENS24.DBF").string();
}

// The table, made when missing.
void make_table() {
  const std::string path = table_path();
  if (fs::exists(path)) return;
  fs::create_directories(fs::path(path).parent_path());
  HostContext ctx;
  ctx.current_dir = fs::path(path).parent_path().string() + "/";
  ctx.today = HostDate{2024, 12, 31};
  const skolvarin::data::Layout* layout = skolvarin::data::find_layout("W3PENS  .DBF");
  AllocDbfDefinition(&ctx);
  for (const auto& f : layout->fields) {
    int code = f.type == skolvarin::db::FieldType::Numeric     ? f4type_numeric
               : f.type == skolvarin::db::FieldType::Character ? f4type_character
               : f.type == skolvarin::db::FieldType::Date      ? f4type_date
                                                                : f4type_logical;
    DefineField(&ctx, PackFieldName(f.name), (f.width << 8) + (f.decimals << 4) + code);
  }
  DATA4* d = nullptr;
  TAG4INFO* tags = nullptr;
  open_dbf(&ctx, "W3PENS24.DBF", &d, GetFieldsInfo(&ctx, &tags, GetTagsInfo(&ctx, 0)));
  ReleaseDbfDefinition(&ctx);
  const int n = d4num_fields(d);
  for (long i = 0; i < kRows; ++i) {
    d4append_start(d);
    f4assign(d4field(d, "NAZ"), kSurnames[i % 20]);
    f4assign(d4field(d, "IMI"), kNames[(i / 20) % 8]);
    f4assign_long(d4field(d, "KOD"), 1 + (i * 7919) % 99991);
    f4assign(d4field(d, "KTU"), "011000");
    f4assign_int(d4field(d, "NRL"), 1 + static_cast<int>(i % 3));
    f4assign_int(d4field(d, "MIE"), 1 + static_cast<int>(i % 12));
    f4assign(d4field(d, "DWY"), "20241231");
    for (int j = 9; j <= n; ++j) {
      FIELD4* f = d4field_j(d, j);
      if (f4type(f) == 'N' && f4len(f) == 9)
        f4assign_double(f, static_cast<double>((i * j) % 100000) / 100.0 + 0.01);
    }
    f4assign(d4field(d, "INF"), "ADMINISTRATOR 20241231 120000");
    d4append(d);
  }
  d4close_all(&ctx);
}

void BM_TabelaCsv(benchmark::State& state) {
  make_table();
  HostContext ctx;
  ctx.current_dir = fs::path(table_path()).parent_path().string() + "/";
  int out = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  std::string error;
  for (auto _ : state) {
    DATA4* d = d4open(&ctx, "W3PENS24.DBF");
    long rows = skolvarin::app::write_csv(d, out, false, error);
    d4close(d);
    if (rows != kRows) state.SkipWithError("wrong row count");
  }
  ::close(out);
  state.SetBytesProcessed(state.iterations() * static_cast<long>(fs::file_size(table_path())));
}
BENCHMARK(BM_TabelaCsv)->Unit(benchmark::kMillisecond);

// The file's bytes copied to /dev/null in 128 KiB reads: the disk's (page
// cache's) speed.
void BM_CopyBytes(benchmark::State& state) {
  make_table();
  std::vector<char> buf(128 * 1024);
  int out = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  for (auto _ : state) {
    int in = ::open(table_path().c_str(), O_RDONLY | O_CLOEXEC);
    for (ssize_t n; (n = ::read(in, buf.data(), buf.size())) > 0;)
      if (::write(out, buf.data(), static_cast<size_t>(n)) != n) state.SkipWithError("write");
    ::close(in);
  }
  ::close(out);
  state.SetBytesProcessed(state.iterations() * static_cast<long>(fs::file_size(table_path())));
}
BENCHMARK(BM_CopyBytes)->Unit(benchmark::kMillisecond);

}  // namespace
