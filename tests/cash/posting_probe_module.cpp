// A module for the end-to-end tests of the posting service: it starts like
// the real module (resources, main options, the month table) and then
// posts the records of the file named by SKOLVARIN_POSTING one after the
// other, as a register would, writing each result to SKOLVARIN_POSTING_OUT.
//
// Records are "key=value" lines, a blank line between two records; keys:
// data (YYYYMMDD), zrodlo, lista, rec, dokument, nazwa, opis, konta (1: the
// account lookup), and the amounts psp pop zak ubo wyn inn; ryczalt=1 posts
// into the lump-sum register instead, with the amounts usl pro han uin wza nie.  Result lines:
// "wynik=<0|1|-1> lp=<ordinal> rec=<REC> data=<posting date> zapisano=<0|1>".
// With kasa=podglad (or kasa=zapis) the cash book is then opened on the
// cash entries linked to the entry, view-only (or with its menu), as the
// register that owns a document opens it.
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cash/cash_register.h"
#include "cash/ledger_posting.h"
#include "data/module_state.h"
#include "frame/frame_state.h"
#include "frame/main_options_step.h"
#include "resources/module_resources.h"

namespace {

using Fields = std::map<std::string, std::string>;

std::vector<Fields> read_records(const char* path) {
  std::vector<Fields> out;
  std::ifstream in(path ? path : "");
  std::string line;
  Fields cur;
  while (std::getline(in, line)) {
    if (line.empty()) {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
      continue;
    }
    size_t eq = line.find('=');
    if (eq != std::string::npos) cur[line.substr(0, eq)] = line.substr(eq + 1);
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

std::string get(const Fields& f, const char* key) {
  auto it = f.find(key);
  return it == f.end() ? std::string() : it->second;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int ModuleProc(HostContext* ctx, int flag) {
  using namespace skolvarin;
  if (flag != 0) return -1;
  frame::reset_module();
  data::state().ctx = ctx;
  EnvAddRcsObj(ctx, &resources::module_rcs, 3);
  frame::load_main_options_step(ctx);
  std::ofstream out(std::getenv("SKOLVARIN_POSTING_OUT") ? std::getenv("SKOLVARIN_POSTING_OUT") : "/dev/null");
  for (const Fields& f : read_records(std::getenv("SKOLVARIN_POSTING"))) {
    cash::PostingRecord r;
    r.entry_date = get(f, "data");
    r.source = std::atoi(get(f, "zrodlo").c_str());
    r.list_number = std::atoi(get(f, "lista").c_str());
    r.existing = std::atol(get(f, "rec").c_str());
    r.document = get(f, "dokument");
    r.names[0] = get(f, "nazwa");
    r.description1 = get(f, "opis");
    r.open_accounts = get(f, "konta") == "1";
    const char* keys[] = {"psp", "pop", "zak", "ubo", "wyn", "inn"};
    for (size_t i = 0; i < 6; ++i) r.amounts[i] = std::atof(get(f, keys[i]).c_str());
    const char* lump[] = {"usl", "pro", "han", "uin", "wza", "nie", "rol"};
    for (size_t i = 0; i < 7; ++i) r.lump_sum[i] = std::atof(get(f, lump[i]).c_str());
    int rc = get(f, "ryczalt") == "1" ? cash::post_to_lump_sum(r) : cash::post_to_book(r, get(f, "wsadowo") == "1");
    out << "wynik=" << rc << " lp=" << r.ordinal << " rec=" << r.existing << " data=" << r.posting_date
        << " zapisano=" << (r.written ? 1 : 0) << "\n";
    out.flush();
    const std::string cash = get(f, "kasa");
    if (r.written && (cash == "podglad" || cash == "zapis")) {
      cash::CashSource source;
      source.kind = 3;
      source.year = r.year;
      source.record = r.existing;
      source.start_item = 1;
      cash::cash_book_register(&source, true, cash == "podglad");
    }
  }
  data::close_all_tables(ctx);
  return 0;
}
