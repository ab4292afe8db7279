// The screen layer: decoding terminal bytes into keys, and one key's worth
// of screen work (compose the window stack and present it) with a deep
// stack of windows, as while a form stands over a list over the menus.
#include <benchmark/benchmark.h>

#include <string>

#include "host/api/screen_api.h"
#include "host/term/key_decoder.h"
#include "host/term/key_script.h"
#include "host/term/virtual_terminal.h"
#include "host/ui/screen.h"

namespace {

void BM_DecodeKeys(benchmark::State& state) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += "Zażółć\x1b[B\x1b[1;2Q\r";
  long keys = 0;
  for (auto _ : state) {
    skolvarin::term::StringByteSource src(bytes);
    skolvarin::term::KeyDecoder dec(src, 0);
    while (dec.next_key(0) >= 0) ++keys;
  }
  state.SetItemsProcessed(keys);
}
BENCHMARK(BM_DecodeKeys);

// A key script of 100,000 <Down> keys, written on one line (arg 0) or one
// key a line (arg 1): both must parse in time proportional to their length.
void BM_ParseKeyScript(benchmark::State& state) {
  std::string script;
  for (int i = 0; i < 100000; ++i) script += state.range(0) ? "<Down>\n" : "<Down>";
  std::vector<skolvarin::term::ScriptStep> steps;
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(skolvarin::term::parse_key_script(script, steps, error));
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ParseKeyScript)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ComposeAndPresent(benchmark::State& state) {
  skolvarin::term::VirtualTerminal terminal(25, 80);
  skolvarin::host::Screen screen(terminal);
  skolvarin::host::ScreenBinding binding(screen);
  for (int i = 0; i < state.range(0); ++i) {
    int w = w4define(1 + i % 10, i % 30, 12 + i % 10, 40 + i % 30);
    w4select(w);
    w4activate(w);
    for (int r = 0; r < 10; ++r) w4write(r, 0, "Kowalski Jan  1 234,56 zł  2024-05-10");
  }
  for (auto _ : state) screen.refresh();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComposeAndPresent)->Arg(1)->Arg(10)->Arg(40);

}  // namespace
