// The settlements register (" Rozlicz "): the firm's receivables and
// payables, one entry per source document, written by the registers that
// own the documents (settlements.h).  Here an entry's payment term and
// title can be corrected, the list filtered, searched, summed and printed,
// and entries deleted; there is no add item.
#include <cstdio>
#include <string>
#include <vector>

#include "cash/cash_rules.h"
#include "cash/settlement_rules.h"
#include "data/catalogue.h"
#include "data/openers.h"
#include "dictionaries/pickers.h"
#include "dictionaries/register_frame.h"
#include "dictionaries/register_tools.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"

namespace skolvarin::cash {

namespace {

using dictionaries::RegisterFrame;
using dictionaries::template_id;

constexpr const char* kFile = "W3ROZL.DBF";
constexpr int kSummaryTemplate = 173;
constexpr int kEmptyList = 50007;

struct SettlementsRun {
  RegisterFrame frame;
  int print_menu = -1;
};
SettlementsRun* g_run = nullptr;

data::TableHandles& T() { return data::handles(kFile); }
FIELD4* F(const char* name) { return T().field(name); }

char first_char(FIELD4* f) {
  std::string s = f4str(f);
  return s.empty() ? ' ' : s[0];
}

std::string type_text(char type) {
  return type == kReceivable ? "Należność" : type == kPayable ? "Zobowiązanie" : "";
}

std::string source_text(int kind) {
  if (kind < 1 || kind > 5) return "";
  std::string s = source_kind_names()[static_cast<size_t>(kind - 1)] + 3;
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(v, 2));
  return buf;
}

int filters_item(int) { return g_run ? dictionaries::open_filters(&g_run->frame.filters) : -1; }

// " Modyfikuj ": the payment term and the title in a small window.
int modify_item(int) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return 0;
  DATA4* d = T().data;
  const long rec = d4recno(d);
  if (set_lock(d, -1) != 0) return 0;
  int window = DefineWprowadzWindow(2, 76, "ROZLICZENIA");
  if (window < 0) {
    d4unlock(d);
    return 0;
  }
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* term = DefineWigetEx(&set, 0, 1, "termin płatności.. ", 10, WIDGET_DATE);
  WigetSetString(term, f4str(F("DAP")));
  Widget* title = DefineWigetEx(&set, 1, 1, "tytuł............. ", 55, WIDGET_TEXT);
  WigetSetString(title, f4trim(F("TYT")).c_str());
  const int key = ActivateWindow(window, &set);
  if (key == skolvarin::keys::F2) {
    d4go(d, rec);
    f4assign(F("DAP"), term->value.c_str());
    f4assign(F("TYT"), title->value.c_str());
    f4assign(F("INF"), record_stamp(data::state().ctx).c_str());
    d4write(d, rec);
    d4flush(d);
  }
  FreeWigets(&set);
  w4close(window);
  d4unlock(d);
  browse_call(0, 0);
  return 0;
}

int summary_item(int) {
  if (!g_run || !dictionaries::filters_accepted(&g_run->frame.filters)) return 0;
  SettlementSummary sum;
  int n = dictionaries::for_each_filtered(T().data, &g_run->frame.filters, [&] {
    add_to_settlement_summary(sum, first_char(F("TYP")), f4double(F("KWO")), f4double(F("ZAP")));
  });
  if (n == 0) {
    Uwaga(kEmptyList);
    return 0;
  }
  dictionaries::summary_preview("RSU", "Podsumowanie rozliczeń", kSummaryTemplate, 14, 5, &g_run->frame.filters,
                                [&](PrintBuffer* work) {
                                  const SettlementRow* rows[] = {&sum.receivables, &sum.payables};
                                  const int lines[] = {10, 12};
                                  for (int i = 0; i < 2; ++i) {
                                    MemPrintDoubleFmt(work, lines[i], 25, rows[i]->gross, 16, 2, PRINT_THOUSANDS);
                                    MemPrintDoubleFmt(work, lines[i], 44, rows[i]->paid, 14, 2, PRINT_THOUSANDS);
                                    MemPrintDoubleFmt(work, lines[i], 63, rows[i]->remaining(), 14, 2,
                                                      PRINT_THOUSANDS);
                                  }
                                });
  return 0;
}

int tabulogram_item(int) {
  if (!g_run || !dictionaries::filters_accepted(&g_run->frame.filters)) return 0;
  dictionaries::tabulogram(T().data, nullptr, &g_run->frame.print_columns, &g_run->frame.filters, "Rozliczenia");
  return 0;
}

// " Szukaj ": the first filtered entry whose document number, contractor
// code or name holds the text typed, or whose date of issue starts with it.
int search_item(int code) {
  const char* labels[] = {"", "data (DD-MM-RRRR):", "nr dokumentu:", "kod kontrahenta:", "nazwa:"};
  const char* fields[] = {"", "DAW", "DOK", "KOD", "NA1"};
  if (code < 1 || code > 4 || !g_run) return -1;
  const std::string want = dictionaries::ask_search(labels[code], code == 1);
  if (want.empty()) return 0;
  if (!dictionaries::find_filtered(T().data, &g_run->frame.filters, [&] {
        const std::string v = dictionaries::upper(f4trim(F(fields[code])));
        return code == 1 ? v.rfind(want, 0) == 0 : v.find(want) != std::string::npos;
      }))
    MessageWindow(2, 0, "Nie znaleziono.", 0);
  return 0;
}

std::vector<std::string> names_of(const auto& list) { return {list.begin(), list.end()}; }

int choose_contractor_code(EditControl* c) {
  long rec = 0;
  if (dictionaries::pick_contractor(&rec) != 0) return 27;
  data::TableHandles& k = data::handles("W3KHNT.DBF");
  if (!k.open() || d4go(k.data, rec) != 0) return 27;
  c->buffer = f4trim(k.field("KOD"));
  return 0;
}

void define_filters(RegisterFrame& f) {
  f.has_filters = true;
  ResetFiltersDefinition(&f.filters);
  f.filters.key = "W3ROZL";
  // Status and type: a letter typed (N/R, N/Z) or chosen from their list with F4.
  auto coded = [](const std::vector<std::string>& names, std::string letters) {
    FilterExtras e;
    e.picker = [names, letters](EditControl* c) {
      const int i = wybierz_z_listy(names, 0);
      if (i < 1 || i > static_cast<int>(letters.size())) return 27;
      c->buffer = std::string(1, letters[static_cast<size_t>(i - 1)]);
      return 0;
    };
    e.valid = [letters](EditControl* c) {
      const std::string v = dictionaries::upper(c->buffer);
      const size_t b = v.find_first_not_of(' ');
      if (b == std::string::npos || letters.find(v[b]) != std::string::npos) return 0;
      MessageWindow(2, 0, PrintfQStr("Wpisz %c lub %c (F4 - lista)", letters[0], letters[1]), 0);
      return -1;
    };
    e.compare = [](FIELD4* field, const std::string& value) {
      const std::string v = dictionaries::upper(value);
      const size_t b = v.find_first_not_of(' ');
      if (b == std::string::npos) return ROW_PASSES;
      return first_char(field) == v[b] ? ROW_PASSES : ROW_FAILS;
    };
    return e;
  };
  DefineFilter(&f.filters, F("ROL"), "status dokumentu....", " status:", FILTER_TEXT, 0,
               coded(settlement_status_names(), {kUnpaid, kPaid}));
  DefineFilter(&f.filters, F("TYP"), "typ zapisu..........", " typ:", FILTER_TEXT, 0,
               coded(settlement_type_names(), {kReceivable, kPayable}));
  DefineFilter(&f.filters, F("DAW"), "data wystawienia od.", " wyst. od:", FILTER_DATE, 0);
  DefineFilter(&f.filters, F("DAW"), "data wystawienia do.", " wyst. do:", FILTER_DATE, 2);
  DefineFilter(&f.filters, F("DAP"), "termin płatności od.", " termin od:", FILTER_DATE, 0);
  DefineFilter(&f.filters, F("DAP"), "termin płatności do.", " termin do:", FILTER_DATE, 2);
  FilterExtras source;
  source.choices = names_of(source_kind_names());
  source.compare = nullptr;
  DefineFilter(&f.filters, F("TYZ"), "źródło dokumentu....", " źródło:", FILTER_CHOICE, 0, source);
  FilterExtras contractor;
  contractor.picker = choose_contractor_code;
  DefineFilter(&f.filters, F("KOD"), "kod kontrahenta.....", " kontr.:", FILTER_VALUE, 0, contractor);
  LoadFilters(&f.filters);
}

void define_print(RegisterFrame& f) {
  dictionaries::define_print_columns(
      &f.print_columns, F,
      {{"data\nwystawienia", "DAW", 10},
       {"termin\npłat.", "DAP", 10},
       {"zapłacono", "ZAP", 12, true},
       {"brutto", "KWO", 12, true},
       {"nr dokumentu", "DOK", 16},
       {"kod", "KOD", 10},
       {"nazwa", "NA1", 24},
       {"nazwa cd", "NA2", 16},
       {"miasto", "MIA", 14},
       {"ulica", "ULI", 18},
       {"źródło\ndokumentu", "TYZ", 14, false, [] { return source_text(f4int(F("TYZ"))); }}});
}

void define_panel(RegisterFrame& f) {
  // The information panel: type, gross and paid, source, term, title, names.
  struct Line {
    int row, col;
    const char* field;
  } lines[] = {{0, 1, "TYP"}, {0, 20, "KWO"}, {0, 40, "ZAP"}, {0, 58, "TYZ"}, {1, 1, "DAP"},
               {1, 14, "TYT"}, {2, 1, "NA1"}, {3, 1, "NA2"}};
  for (const Line& l : lines) {
    TextControl* t = DefineTextCtrl(&f.texts, l.row, l.col, F(l.field), 0);
    const std::string name = l.field;
    if (name == "TYP") t->show = [](const std::string&) { return type_text(first_char(F("TYP"))); };
    if (name == "KWO") t->show = [](const std::string&) { return "brutto " + money(f4double(F("KWO"))); };
    if (name == "ZAP") t->show = [](const std::string&) { return "zapłacono " + money(f4double(F("ZAP"))); };
    if (name == "TYZ") t->show = [](const std::string&) { return source_text(f4int(F("TYZ"))); };
    if (name == "DAP") t->show = [](const std::string&) {
      const std::string s = f4str(F("DAP"));
      return s.size() < 8 || s[0] == ' ' ? std::string("termin: brak")
                                         : s.substr(6, 2) + "-" + s.substr(4, 2) + "-" + s.substr(0, 4);
    };
  }
}

int settlements_main() {
  data::TableHandles& t = T();
  bool opened = false, contractors_opened = false;
  if (!t.open()) {
    if (data::open_w3rozl(0) != 0) return 0;
    opened = true;
  }
  if (!data::handles("W3KHNT.DBF").open() && data::open_w3khnt(0) == 0) contractors_opened = true;
  SettlementsRun run;
  SettlementsRun* outer = g_run;
  g_run = &run;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Modyfikuj ", 4151, 'm', -1, modify_item, nullptr);
    MenuDefineItem(" Filtry ", 4152, 'f', -1, filters_item, nullptr);
    MenuDefineItem(" Usuń ", 4153, 'u', 1, browse_skasuj, nullptr);
    MenuDefineItem(" Drukuj ", 4154, 'r', -1, nullptr, &run.print_menu);
    MenuDefineItem(" Szukaj ", 4157, 's', -1, nullptr, &f.search_menu);
    run.print_menu = DefineMenuWindow(-1, -1);
    if (run.print_menu >= 0) {
      MenuDefineItem(" Suma ", 4155, 's', -1, summary_item, nullptr);
      MenuDefineItem(" Tabulogram ", 4156, 't', -1, tabulogram_item, nullptr);
    }
    f.search_menu = DefineMenuWindow(-1, -1);
    if (f.search_menu >= 0) {
      const char* items[] = {" Data ", " Nr dokumentu ", " Kod kontrahenta ", " Nazwa "};
      const char keys[] = {'d', 'o', 'k', 'n'};
      for (int i = 0; i < 4; ++i) MenuDefineItem(items[i], 4157, keys[i], i + 1, search_item, nullptr);
    }
    DefineScrollColumn(&f.scroll, F("DAW"), 0, "data", t.tag(2));
    DefineScrollColumn(&f.scroll, F("DOK"), 0, "nr dokumentu", t.tag(3))->width = 24;
    DefineScrollColumn(&f.scroll, F("KWO"), 0, "kwota");
    DefineScrollColumn(&f.scroll, F("KOD"), 0, "kod kontrahenta", t.tag(4));
    define_panel(f);
    define_filters(f);
    define_print(f);
  };
  auto fill = [&](BROWSE* b) {
    b->title = "ROZLICZENIA";
    b->print_title = "Rozliczenia";
    b->stamp = F("INF");
    b->hot_key = [](int key) { return hot_keys(key, -1, -1, -1, 4151, 1, 4153, F("INF")); };
  };
  int rc = dictionaries::run_register(run.frame, t.data, t.tag(2), 12, 8, 0, build, fill);
  if (run.print_menu >= 0) w4close(run.print_menu);
  g_run = outer;
  if (contractors_opened)
    if (const data::CatalogueEntry* e = data::find_table("W3KHNT.DBF")) data::close_table(*e);
  if (opened)
    if (const data::CatalogueEntry* e = data::find_table(kFile)) data::close_table(*e);
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Settlements, settlements_main);

}  // namespace

}  // namespace skolvarin::cash
