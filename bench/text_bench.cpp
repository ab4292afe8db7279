// Speed of Mazovia conversion, collation and index key evaluation: key() runs
// once per record when an index is built.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "host/db/expression.h"
#include "host/text/collation.h"
#include "host/text/mazovia.h"

namespace {

using skolvarin::db::Expression;
using skolvarin::db::FieldDesc;
using skolvarin::db::FieldType;
using skolvarin::db::RecordView;

const std::vector<FieldDesc>& fields() {
  static const std::vector<FieldDesc> f = {
      {"NAZ", FieldType::Character, 30, 0, 1},  {"IMI", FieldType::Character, 15, 0, 31},
      {"MIE", FieldType::Numeric, 2, 0, 46},    {"NRL", FieldType::Numeric, 4, 0, 48},
      {"DAT", FieldType::Date, 8, 0, 52},       {"KWO", FieldType::Numeric, 11, 2, 60},
      {"KDE", FieldType::Numeric, 3, 0, 71}};
  return f;
}

std::string sample_record() {
  std::string rec(74, ' ');
  const std::string naz = skolvarin::text::utf8_to_mazovia("Łukasiewicz");
  const std::string imi = skolvarin::text::utf8_to_mazovia("Żaneta");
  rec.replace(1, naz.size(), naz);
  rec.replace(31, imi.size(), imi);
  rec.replace(46, 2, "11");
  rec.replace(48, 4, "  12");
  rec.replace(52, 8, "20240131");
  rec.replace(60, 11, "   12345.67");
  rec.replace(71, 3, " 42");
  return rec;
}

void key_benchmark(benchmark::State& state, const char* text) {
  std::string error;
  auto e = Expression::compile(text, fields(), error);
  if (!e) {
    state.SkipWithError(error.c_str());
    return;
  }
  const std::string rec = sample_record();
  std::string key;
  long recno = 0;
  for (auto _ : state) {
    e->key(RecordView{fields(), rec.data(), ++recno}, key);
    benchmark::DoNotOptimize(key.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KeyNames(benchmark::State& s) { key_benchmark(s, "UPPER(NAZ)+UPPER(IMI)+STR(MIE,2,0)+STR(NRL,4,0)"); }
void BM_KeyDateRecno(benchmark::State& s) { key_benchmark(s, "DTOS(DAT)+STR(RECNO(),7,0)"); }
void BM_KeyNumeric(benchmark::State& s) { key_benchmark(s, "KWO"); }
void BM_KeyStrDecimals(benchmark::State& s) { key_benchmark(s, "STR(KWO,11,2)"); }
void BM_Filter(benchmark::State& s) { key_benchmark(s, ".NOT.DELETED() .AND. KDE<100"); }
BENCHMARK(BM_KeyNames);
BENCHMARK(BM_KeyDateRecno);
BENCHMARK(BM_KeyNumeric);
BENCHMARK(BM_KeyStrDecimals);
BENCHMARK(BM_Filter);

void BM_Compile(benchmark::State& state) {
  std::string error;
  for (auto _ : state) {
    auto e = Expression::compile("STR(REK,5,0)+KGS+UPPER(NA1)+STR(RECNO(),7,0)",
                                 std::vector<FieldDesc>{{"REK", FieldType::Numeric, 5, 0, 1},
                                                        {"KGS", FieldType::Character, 4, 0, 6},
                                                        {"NA1", FieldType::Character, 40, 0, 10}},
                                 error);
    benchmark::DoNotOptimize(e.get());
  }
}
BENCHMARK(BM_Compile);

void BM_MazoviaToUtf8(benchmark::State& state) {
  std::string bytes;
  for (int i = 0; i < 1024; ++i) bytes.push_back(static_cast<char>(i % 2 ? 'a' + i % 26 : 0x86 + i % 32));
  for (auto _ : state) benchmark::DoNotOptimize(skolvarin::text::mazovia_to_utf8(bytes));
  state.SetBytesProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_MazoviaToUtf8);

void BM_Utf8ToMazovia(benchmark::State& state) {
  std::string utf8;
  while (utf8.size() < 1024) utf8 += "Zażółć gęślą jaźń, ";
  for (auto _ : state) benchmark::DoNotOptimize(skolvarin::text::utf8_to_mazovia(utf8));
  state.SetBytesProcessed(state.iterations() * static_cast<long>(utf8.size()));
}
BENCHMARK(BM_Utf8ToMazovia);

}  // namespace
