// The cash book register over W3KASA.DBF (see cash_register.h).
//
// " Wpłata ", " Wypłata " and " Wyciąg " add an entry of their type: the
// current cash desk, today's date, account type 1 and the next number of
// the desk, type, account type and year.  Leaving the date field with
// another year, or changing the account type, draws the number again; a
// receipt's or payment's number must be free.  Receipts need an amount
// above zero, payments below zero, statement items any amount but zero.
#include "cash/cash_register.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cash/cash_book.h"
#include "cash/cash_rules.h"
#include "cash/settlements.h"
#include "data/openers.h"
#include "dictionaries/info_panel.h"
#include "dictionaries/pickers.h"
#include "dictionaries/register_frame.h"
#include "dictionaries/register_tools.h"
#include "frame/register_hooks.h"
#include "host/api/calendar.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"

namespace skolvarin::cash {

namespace {

using dictionaries::RegisterFrame;
using dictionaries::template_id;

constexpr int kFormTemplate = 36, kSummaryTemplate = 37, kVoucherTemplate = 42, kPanelTemplate = 35;
constexpr int kFormRows = 12;
constexpr int kNumberTaken = 20077;
constexpr int kEmptyList = 50007;

struct CashRun {
  RegisterFrame frame;
  const CashSource* source = nullptr;
  char pending_type = kReceipt;
  int drawn_year = 0;
  int drawn_account = 0;
  int print_menu = -1;
};
CashRun* g_run = nullptr;

data::TableHandles& T() { return cash_table(); }
FIELD4* F(const char* name) { return T().field(name); }

char entry_type() {
  std::string s = f4str(F("TYP"));
  return s.empty() ? ' ' : s[0];
}

int entry_year() { return date4year(f4str(F("DAT"))); }

void put_char(FIELD4* f, char c) {
  char text[2] = {c, 0};
  f4assign(f, text);
}

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(v, 2));
  return buf;
}

// The date of a date control's buffer ("DD-MM-YYYY" as edited, or YYYYMMDD).
int year_of_buffer(const std::string& buffer) {
  std::string digits;
  for (char c : buffer)
    if (c >= '0' && c <= '9') digits += c;
  if (digits.size() != 8) return 0;
  return buffer.find('-') != std::string::npos ? std::atoi(digits.substr(4, 4).c_str())
                                               : std::atoi(digits.substr(0, 4).c_str());
}

void draw_number(int year, int account_type) {
  if (!g_run) return;
  g_run->drawn_year = year;
  g_run->drawn_account = account_type;
  f4assign_long(F("NUM"), next_cash_number(cash_desk(), entry_type(), account_type, year));
}

// ------------------------------------------------------------ filters of the source mode

int source_filter(void*) {
  if (!g_run || !g_run->source) return r4keep;
  const CashSource& s = *g_run->source;
  return f4int(F("TYZ")) == s.kind && f4int(F("ROK")) == s.year && f4long(F("REK")) == s.record ? r4keep
                                                                                                  : r4ignore;
}

double source_total() {
  double total = 0.0;
  DATA4* d = T().data;
  long saved = d4recno(d);
  X4FILTER scan;
  x4init(&scan, d, source_filter, nullptr);
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) total = R(total + f4double(F("KWO")), 2);
  if (saved >= 1 && saved <= d4reccount(d)) d4go(d, saved);
  return total;
}

// ------------------------------------------------------------ menu items

int add_item(int code) {
  if (!g_run) return -1;
  g_run->pending_type = code == 2 ? kPayment : code == 3 ? kStatement : kReceipt;
  return browse_dopisz(0);
}

int filters_item(int) { return g_run ? dictionaries::open_filters(&g_run->frame.filters) : -1; }

int summary_item(int) {
  if (!g_run || !dictionaries::filters_accepted(&g_run->frame.filters)) return 0;
  CashSummary sum;
  int n = dictionaries::for_each_filtered(T().data, &g_run->frame.filters, [&] {
    add_to_summary(sum, {entry_type(), f4int(F("TYK")), f4double(F("KWO"))});
  });
  if (n == 0) {
    Uwaga(kEmptyList);
    return 0;
  }
  dictionaries::summary_preview("KSU", "Podsumowanie kasy", kSummaryTemplate, 19, 4, &g_run->frame.filters,
                                [&](PrintBuffer* work) {
                                  auto row = [&](int line, const SummaryRow& r) {
                                    MemPrintDoubleFmt(work, line, 30, r.receipts, 14, 2, PRINT_THOUSANDS);
                                    MemPrintDoubleFmt(work, line, 46, r.payments, 14, 2, PRINT_THOUSANDS);
                                    MemPrintDoubleFmt(work, line, 62, r.balance(), 14, 2, PRINT_THOUSANDS);
                                  };
                                  const int lines[] = {9, 11, 13, 15};
                                  for (int i = 0; i < 4; ++i) row(lines[i], sum.rows[static_cast<size_t>(i)]);
                                  row(17, sum.total());
                                });
  return 0;
}

int tabulogram_item(int) {
  if (!g_run || !dictionaries::filters_accepted(&g_run->frame.filters)) return 0;
  dictionaries::tabulogram(T().data, T().tag(1), &g_run->frame.print_columns, &g_run->frame.filters,
                           "Tabulogram kasy");
  return 0;
}

// The statement item's print: one page with the item's data.
void print_statement() {
  HostContext* ctx = data::state().ctx;
  if (init_prn(ctx, "WYC", "Pozycja wyciągu") != 0) return;
  print_line(ctx->firm_name1.c_str());
  print_line(ctx->firm_name2.c_str());
  print_line("");
  std::string head = "POZYCJA WYCIĄGU BANKOWEGO nr " + f4trim(F("PRE")) + "/" + std::to_string(f4long(F("NUM"))) +
                     "/" + std::to_string(entry_year());
  print_line(head.c_str());
  print_line(("konto:      " + account_type_name(f4int(F("TYK")))).c_str());
  Date d;
  from_dbf(f4str(F("DAT")), d);
  print_line(("data:       " + to_shown(d)).c_str());
  print_line(("kwota:      " + money(f4double(F("KWO"))) + " PLN (" +
              (f4double(F("KWO")) >= 0 ? "wpływ" : "wydatek") + ")").c_str());
  print_line(("tytuł:      " + f4trim(F("TYT"))).c_str());
  print_line(("dokument:   " + f4trim(F("DOK"))).c_str());
  print_line(("kontrahent: " + f4trim(F("NA1")) + " " + f4trim(F("NA2"))).c_str());
  print_line(("            " + f4trim(F("KOP")) + " " + f4trim(F("MIA")) + ", " + f4trim(F("ULI"))).c_str());
  deinit_prn(1);
}

// The cash voucher: the receipt variant for receipts and sums of advances,
// the payment variant (amount shown positive) for payments; two vouchers a
// page; with the host's copies set, the original and the copies.
void print_voucher() {
  const char type = entry_type();
  const bool receipt = type == kReceipt || type == kAdvances;
  HostContext* ctx = data::state().ctx;
  const int copies = print_copies(ctx);
  const int total = copies > 1 ? copies : 1;
  const double amount = receipt ? f4double(F("KWO")) : -f4double(F("KWO"));
  if (init_prn(ctx, "KAP", "Dowód wpłaty/wypłaty") != 0) return;
  PrintBuffer *work = nullptr, *orig = nullptr;
  if (print_alloc(&work, &orig, 120 * 31, template_id(kVoucherTemplate), 120) != 0) {
    deinit_prn(-1);
    return;
  }
  Date date;
  from_dbf(f4str(F("DAT")), date);
  const std::string number = entry_type_short(type) + " " + f4trim(F("PRE")) + "/" + std::to_string(f4long(F("NUM"))) +
                             "/" + std::to_string(date.year);
  for (int i = 0; i < total; ++i) {
    print_restore(work, orig);
    MemPrintStringFmt(work, 1, 0, RcQStr(receipt ? 20009 : 20027), 116, PRINT_CENTRE);
    MemPrintStringFmt(work, 1, 96, i == 0 ? "ORYGINAŁ" : "KOPIA", 18, PRINT_RIGHT);
    MemPrintStringFmt(work, 2, 0, ("Nr " + number).c_str(), 116, PRINT_CENTRE);
    MemPrintStringFmt(work, 2, 90, ("z dnia " + to_shown(date)).c_str(), 24, PRINT_RIGHT);
    MemPrintStringFmt(work, 3, 2, ctx->firm_name1.c_str(), 60, PRINT_LEFT);
    MemPrintStringFmt(work, 4, 2, ctx->firm_name2.c_str(), 60, PRINT_LEFT);
    MemPrintFieldFmt(work, 6, 14, F("NA1"), 70, PRINT_LEFT);
    MemPrintFieldFmt(work, 7, 14, F("NA2"), 70, PRINT_LEFT);
    MemPrintStringFmt(work, 8, 14, (f4trim(F("KOP")) + " " + f4trim(F("MIA"))).c_str(), 40, PRINT_LEFT);
    MemPrintFieldFmt(work, 9, 14, F("ULI"), 64, PRINT_LEFT);
    MemPrintFieldFmt(work, 11, 14, F("TYT"), 70, PRINT_LEFT);
    std::string doc = f4trim(F("DOK"));
    if (!doc.empty()) MemPrintStringFmt(work, 12, 14, ("dokument: " + doc).c_str(), 60, PRINT_LEFT);
    MemPrintDoubleFmt(work, 15, 14, amount, 16, 2, PRINT_THOUSANDS | PRINT_LEFT);
    pisz_slownie(work, 17, 14, amount, 100, 3);
    MemPrintFieldFmt(work, 25, 2, F("KAS"), 24, PRINT_LEFT);
    MemPrintFieldFmt(work, 25, 70, F("ODB"), 24, PRINT_LEFT);
    print_lines(work, 116, 0, 30);
    if (i % 2 == 1 && i + 1 < total) drukuj_form_feed();
  }
  print_free(&work, &orig);
  deinit_prn(1);
}

int document_item(int) {
  BROWSE* b = current_browse();
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kEmptyList);
    return 0;
  }
  if (entry_type() == kStatement) print_statement();
  else print_voucher();
  return 0;
}

int desk_item(int) {
  int window = DefineWprowadzWindow(1, 20, " KOD KASY ");
  if (window < 0) return 0;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, "Kod kasy:", 4, WIDGET_TEXT);
  WigetSetString(w, cash_desk().c_str());
  if (ActivateWindow(window, &set) == skolvarin::keys::F2) set_cash_desk(w->value);
  FreeWigets(&set);
  w4close(window);
  return 0;
}

// Search: the first entry (in the list's order) whose field holds the text.
int search_item(int code) {
  const char* labels[] = {"", "data (DD-MM-RRRR):", "nr dokumentu:", "numer KP,KW:", "kod kontrahenta:", "nazwa:",
                          "tytuł:"};
  const char* fields[] = {"", "DAT", "DOK", "NUM", "KOD", "NA1", "TYT"};
  if (code < 1 || code > 6 || !g_run) return -1;
  const std::string want = dictionaries::ask_search(labels[code], code == 1);
  if (want.empty()) return 0;
  const bool found = dictionaries::find_filtered(T().data, &g_run->frame.filters, [&] {
    std::string v = code == 3 ? std::to_string(f4long(F("NUM"))) : dictionaries::upper(f4trim(F(fields[code])));
    return code == 1 ? v.rfind(want, 0) == 0 : code == 3 ? v == want : v.find(want) != std::string::npos;
  });
  if (!found) Uwaga(kEmptyList);
  return 0;
}

int finish_item(int) { return browse_call(4, 0); }

// ------------------------------------------------------------ the form

std::string account_shown(const std::string& text) {
  int t = std::atoi(text.c_str());
  return t >= 1 && t <= 6 ? account_type_names()[static_cast<size_t>(t - 1)] : "";
}

std::string source_shown(const std::string& text) {
  int k = std::atoi(text.c_str());
  if (k == kSourceKindNone || k == 6) return source_kind_names()[5];
  return k >= 1 && k <= 5 ? source_kind_names()[static_cast<size_t>(k - 1)] : "";
}

int choose_source_kind(EditControl* c) {
  std::vector<std::string> items(source_kind_names().begin(), source_kind_names().end());
  int k = std::atoi(c->buffer.c_str());
  int chosen = wybierz_z_listy(items, k >= 1 && k <= 5 ? k - 1 : 5);
  if (chosen < 0) return 27;
  c->buffer = chosen == 5 ? std::to_string(kSourceKindNone) : std::to_string(chosen + 1);
  return 0;
}

int choose_account_type(EditControl* c) {
  std::vector<std::string> items(account_type_names().begin(), account_type_names().end());
  int t = std::atoi(c->buffer.c_str());
  int chosen = wybierz_z_listy(items, t >= 1 && t <= 6 ? t - 1 : 0);
  if (chosen < 0) return 27;
  c->buffer = std::to_string(chosen + 1);
  return 0;
}

// Fills the contractor's name and address from the contractors register
// (positioned on the contractor).
void copy_contractor() {
  data::TableHandles& k = data::handles("W3KHNT.DBF");
  const char* names[][2] = {{"NA1", "NA1"}, {"NA2", "NA2"}, {"KOP", "KOP"}, {"MIA", "MIA"}, {"ULI", "ULI"},
                            {"KRA", "KRA"}};
  for (auto& n : names) f4assign(F(n[0]), f4trim(k.field(n[1])).c_str());
}

int choose_contractor(EditControl* c) {
  long rec = 0;
  if (dictionaries::pick_contractor(&rec) != 0) return 27;
  data::TableHandles& k = data::handles("W3KHNT.DBF");
  if (!k.open() || d4go(k.data, rec) != 0) return 27;
  c->buffer = f4trim(k.field("KOD"));
  copy_contractor();
  return 0;
}

int valid_contractor(EditControl* c) {
  std::string code = dictionaries::upper(c->buffer);
  while (!code.empty() && code.back() == ' ') code.pop_back();
  if (code.empty()) return 0;
  data::TableHandles& k = data::handles("W3KHNT.DBF");
  if (!k.open()) return 0;
  d4tag_select(k.data, k.tag(2));
  if (d4seek(k.data, code.c_str()) != 0) {
    MessageWindow(2, 0, "Nie ma takiego kontrahenta !", 0);
    return -1;
  }
  if (c->browse && c->browse->mode == BROWSE_ADD) copy_contractor();
  return 0;
}

void define_form(RegisterFrame& f) {
  EditControl* date = DefineEditCtrl(&f.edits, 0, 10, F("DAT"), 0);
  date->valid = [](EditControl* c) {
    if (test_daty_niepustej(c) != 0) return -1;
    int year = year_of_buffer(c->buffer);
    if (c->browse && c->browse->mode == BROWSE_ADD && g_run && year != g_run->drawn_year)
      draw_number(year, f4int(F("TYK")));
    return 0;
  };
  EditControl* tyk = DefineEditCtrl(&f.edits, 0, 47, F("TYK"), 0);
  tyk->chooser = choose_account_type;
  tyk->chooser_mode = 1;
  tyk->show = account_shown;
  tyk->valid = [](EditControl* c) {
    int t = std::atoi(c->buffer.c_str());
    if (t < 1 || t > 6) {
      MessageWindow(2, 0, "Wybierz typ konta (F4) !", 0);
      return -1;
    }
    if (c->browse && c->browse->mode == BROWSE_ADD && g_run && t != g_run->drawn_account)
      draw_number(entry_year(), t);
    return 0;
  };
  DefineEditCtrl(&f.edits, 1, 10, F("PRE"), EDIT_SHOW_ONLY);
  EditControl* num = DefineEditCtrl(&f.edits, 1, 15, F("NUM"), 0);
  num->picture = "99999";
  num->valid = [](EditControl* c) {
    const char type = entry_type();
    long n = std::atol(c->buffer.c_str());
    if (n <= 0) {
      MessageWindow(2, 0, "Numer musi być większy od zera !", 0);
      return -1;
    }
    if (type == kStatement) return 0;
    long own = c->browse && c->browse->mode == BROWSE_MODIFY ? d4recno(T().data) : 0;
    if (cash_number_taken(f4trim(F("PRE")), type, f4int(F("TYK")), entry_year(), n, own)) {
      Uwaga(kNumberTaken);
      return -1;
    }
    return 0;
  };
  EditControl* tyz = DefineEditCtrl(&f.edits, 1, 47, F("TYZ"), 0);
  tyz->chooser = choose_source_kind;
  tyz->chooser_mode = 1;
  tyz->show = source_shown;
  DefineEditCtrl(&f.edits, 2, 10, F("DOK"), 0);
  EditControl* kwo = DefineEditCtrl(&f.edits, 3, 10, F("KWO"), 0);
  kwo->picture = "99999999.99";
  kwo->valid = [](EditControl* c) {
    if (int refusal = amount_refusal(entry_type(), std::atof(c->buffer.c_str()))) {
      Uwaga(refusal);
      return -1;
    }
    return 0;
  };
  DefineEditCtrl(&f.edits, 4, 8, F("TYT"), 0);
  EditControl* kod = DefineEditCtrl(&f.edits, 5, 18, F("KOD"), EDIT_UPPER);
  kod->chooser = choose_contractor;
  kod->valid = valid_contractor;
  DefineEditCtrl(&f.edits, 6, 8, F("NA1"), 0);
  DefineEditCtrl(&f.edits, 7, 8, F("NA2"), 0);
  DefineEditCtrl(&f.edits, 8, 18, F("KOP"), 0)->picture = "99-999";
  DefineEditCtrl(&f.edits, 8, 25, F("MIA"), 0);
  DefineEditCtrl(&f.edits, 9, 8, F("ULI"), 0);
  DefineEditCtrl(&f.edits, 10, 18, F("ODB"), 0);
  DefineEditCtrl(&f.edits, 11, 18, F("KAS"), 0);
}

std::vector<std::string> names_of(const auto& list) { return {list.begin(), list.end()}; }

// The panel under the list: source and document, title, the contractor,
// who received or paid and the cashier; over a document's entries also
// their total.
void define_panel(RegisterFrame& f, bool with_total) {
  auto field = [](const char* name) { return [name] { return f4trim(F(name)); }; };
  std::vector<dictionaries::PanelValue> v = {
      {0, 8, 23, [] { return source_shown(f4str(F("TYZ"))).substr(3); }},
      {0, 41, 16, field("DOK")},
      {1, 7, 71, field("TYT")},
      {2, 7, 71, field("NA1")},
      {3, 7, 71, field("NA2")},
      {4, 7, 71, [] { return f4trim(F("KOP")) + " " + f4trim(F("MIA")) + ", " + f4trim(F("ULI")); }},
      {5, 17, 28, field("ODB")},
      {5, 54, 24, field("KAS")},
  };
  if (with_total)
    v.push_back({0, 58, 20, [] { return "suma: " + money(source_total()); }});
  dictionaries::define_info_panel(&f.texts, F("TYP"), kFormRows, kPanelTemplate, std::move(v));
}

void define_filters(RegisterFrame& f) {
  f.has_filters = true;
  ResetFiltersDefinition(&f.filters);
  f.filters.key = "W3KASA";
  DefineFilter(&f.filters, F("PRE"), "kod kasy.........", " kasa:", FILTER_TEXT, 0);
  DefineFilter(&f.filters, F("DAT"), "od dnia..........", " od:", FILTER_DATE, 0);
  DefineFilter(&f.filters, F("DAT"), "do dnia..........", " do:", FILTER_DATE, 2);
  DefineFilter(&f.filters, F("TYP"), "typ zapisu.......", " typ:", FILTER_CHOICE, 0,
               {.choices = {"1. WPŁATA GOTÓWKI ", "2. WYPŁATA GOTÓWKI", "3. WYCIĄG         ", "4. SUMA ZALICZEK  "}});
  DefineFilter(&f.filters, F("TYK"), "typ konta........", " konto:", FILTER_CHOICE, 0,
               {.choices = names_of(account_type_names())});
  DefineFilter(&f.filters, F("NUM"), "numer KP,KW,.....", " nr:", FILTER_NUMBER, 0, {.picture = "99999"});
  FilterExtras contractor;
  contractor.picker = choose_contractor;
  DefineFilter(&f.filters, F("KOD"), "kod kontrahenta..", " kontr.:", FILTER_VALUE, 0, contractor);
  FilterExtras source;
  source.choices = names_of(source_kind_names());
  source.compare = nullptr;
  DefineFilter(&f.filters, F("TYZ"), "źródło dokumentu.", " źródło:", FILTER_CHOICE, 0, source);
  DefineFilter(&f.filters, F("DOK"), "nr dokumentu.....", " dok.:", FILTER_TEXT, 1);
  FilterExtras hide;
  hide.valid = [](EditControl* c) {
    char ch = c->buffer.empty() ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(c->buffer[0])));
    if (ch == 'T' || ch == 'N' || ch == ' ') return 0;
    MessageWindow(2, 0, "Wybierz 'T' lub 'N'", 0);
    return -1;
  };
  hide.compare = [](FIELD4* field, const std::string& value) {
    bool on = !value.empty() && (value[0] == 'T' || value[0] == 't');
    std::string t = f4str(field);
    return on && !t.empty() && t[0] == kAdvances ? ROW_FAILS : ROW_PASSES;
  };
  DefineFilter(&f.filters, F("TYP"), "bez sum zaliczek.", " bez zal.", FILTER_TEXT, 0, hide);
  LoadFilters(&f.filters);
}

void define_print(RegisterFrame& f) {
  dictionaries::define_print_columns(
      &f.print_columns, F,
      {{"data", "DAT", 10},
       {"typ", "TYP", 20, false, [] { return entry_type_text(entry_type(), f4int(F("TYK"))); }},
       {"numer", "NUM", 6},
       {"kwota", "KWO", 12, true},
       {"źródło|dokumentu", "TYZ", 12, false, [] { return source_shown(f4str(F("TYZ"))).substr(3); }},
       {"nr dokumentu", "DOK", 14},
       {"tytuł", "TYT", 24},
       {"kod", "KOD", 10},
       {"nazwa", "NA1", 24},
       {"nazwa cd", "NA2", 16},
       {"miasto", "MIA", 14},
       {"ulica", "ULI", 18}});
}

}  // namespace

int cash_book_register(const CashSource* source, bool open_self, bool view_only) {
  if (open_self && open_cash_book() != 0) return -1;
  bool contractors_opened = false;
  if (!data::handles("W3KHNT.DBF").open()) {
    if (data::open_w3khnt(0) != 0) {
      if (open_self) close_cash_book();
      return -1;
    }
    contractors_opened = true;
  }
  CashRun run;
  run.source = source;
  CashRun* outer = g_run;
  g_run = &run;
  data::TableHandles& t = T();
  auto build = [&](RegisterFrame& f) {
    if (view_only) {
      MenuDefineItem(" Zakończ ", 4100, 'z', -1, finish_item, nullptr);
    } else {
      MenuDefineItem(" Wpłata ", 4101, 'w', 1, add_item, nullptr);
      MenuDefineItem(" Wypłata ", 4101, 'y', 2, add_item, nullptr);
      MenuDefineItem(" Wyciąg ", 4101, 'g', 3, add_item, nullptr);
      MenuDefineItem(" Modyfikuj ", 4102, 'm', -1, browse_modyfikuj, nullptr);
      MenuDefineItem(" Usuń ", 4103, 'u', 1, browse_skasuj, nullptr);
      MenuDefineItem(" Drukuj ", 4104, 'r', -1, nullptr, &run.print_menu);
      if (!source) {
        MenuDefineItem(" Filtry ", 4120, 'f', -1, filters_item, nullptr);
        MenuDefineItem(" Szukaj ", 4121, 's', -1, nullptr, &f.search_menu);
      }
      MenuDefineItem(" Kod kasy ", 4114, 'k', -1, desk_item, nullptr);
      run.print_menu = DefineMenuWindow(-1, -1);
      if (run.print_menu >= 0) {
        MenuDefineItem(" Dokument ", 4105, 'd', -1, document_item, nullptr);
        if (!source) {
          MenuDefineItem(" Suma ", 4106, 's', -1, summary_item, nullptr);
          MenuDefineItem(" Tabulogram ", 4107, 't', -1, tabulogram_item, nullptr);
        }
      }
      if (!source) {
        f.search_menu = DefineMenuWindow(-1, -1);
        if (f.search_menu >= 0) {
          const char* items[] = {" Data ", " Nr dokumentu ", " Numer KP,KW ", " Kod kontrahenta ", " Nazwa ",
                                 " Tytuł "};
          const char keys[] = {'d', 'o', 'n', 'k', 'a', 't'};
          for (int i = 0; i < 6; ++i) MenuDefineItem(items[i], 4121, keys[i], i + 1, search_item, nullptr);
        }
      }
    }
    FIELD4* f_typ = F("TYP");
    DefineScrollColumn(&f.scroll, F("DAT"), 0, "data", t.tag(1));
    ScrollColumn* typ = DefineScrollColumn(&f.scroll, f_typ, 0, "typ");
    typ->width = 20;
    typ->show = [] { return entry_type_text(entry_type(), f4int(F("TYK"))); };
    DefineScrollColumn(&f.scroll, F("PRE"), 0, "kod");
    DefineScrollColumn(&f.scroll, F("NUM"), 0, "numer", t.tag(4));
    DefineScrollColumn(&f.scroll, F("KWO"), 0, "kwota");
    DefineScrollColumn(&f.scroll, F("KOD"), 0, "kod kontrahenta", t.tag(5));
    define_form(f);
    define_panel(f, source != nullptr);
    if (!source) define_filters(f);
    define_print(f);
  };
  auto fill = [&](BROWSE* b) {
    b->title = "KASA";
    b->print_title = "Tabulogram kasy";
    b->form_template = template_id(kFormTemplate);
    b->form_rows = kFormRows;
    b->stamp = F("INF");
    b->read_only = view_only;
    if (source) {
      b->filter_function = source_filter;
      b->filters = nullptr;
      b->title = "KASA - suma wpłat/wypłat";
      b->start_item = source->start_item == 1 ? 1 : source->start_item == 2 ? 2 : 0;
    }
    // A saved entry linked to a document brings that document's settlement
    // (paid amount and status) up to date.
    b->after_save = [](BROWSE*) {
      const int kind = f4int(F("TYZ"));
      if (kind != kSourceKindNone) refresh_settlement_payments(kind, f4int(F("ROK")), f4long(F("REK")));
      return 0;
    };
    b->new_record = [source](BROWSE*) {
      const char type = g_run ? g_run->pending_type : kReceipt;
      put_char(F("TYP"), type);
      f4assign(F("TKA"), type == kStatement ? "K" : "G");
      f4assign_int(F("TYK"), 1);
      HostContext* ctx = data::state().ctx;
      f4assign(F("DAT"), to_dbf(ctx->today).c_str());
      f4assign(F("PRE"), cash_desk().c_str());
      f4assign(F("WAL"), "PLN");
      f4assign_double(F("KUR"), 1.0);
      f4assign_double(F("KUZ"), 1.0);
      if (source) {
        f4assign_int(F("TYZ"), source->kind);
        f4assign_int(F("ROK"), source->year);
        f4assign_long(F("REK"), source->record);
      } else {
        f4assign_int(F("TYZ"), kSourceKindNone);
      }
      draw_number(ctx->today.year, 1);
      return 0;
    };
    b->hot_key = [](int key) { return hot_keys(key, 1, 4101, -1, 4102, 1, 4103, F("INF")); };
  };
  // The add items take their type from the item: Ins adds a receipt.
  int rc = dictionaries::run_register(run.frame, t.data, t.tag(1), kFormRows, kFormRows, 0, build, fill);
  if (run.print_menu >= 0) w4close(run.print_menu);
  g_run = outer;
  if (contractors_opened)
    if (const data::CatalogueEntry* e = data::find_table("W3KHNT.DBF")) data::close_table(*e);
  if (open_self) close_cash_book();
  return rc;
}

namespace {
int cash_book_main() { return cash_book_register(nullptr, true, false) == 0 ? 0 : 0; }
const frame::RegisterProvider provider(frame::RegisterId::CashBook, cash_book_main);
}  // namespace

}  // namespace skolvarin::cash
