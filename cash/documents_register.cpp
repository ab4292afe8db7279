// Internal documents (" Dowody "): the firm's internal bookkeeping
// documents of the working year (W3DOWO<rr>) with their positions
// (W3DOWE<rr>), booked into the book of revenue and expenses, or into the
// lump-sum revenue register when the firm keeps that (main option 24).
//
// The number is stored right-aligned and is unique within its type; a new
// position starts in column 5 in a type 7 document, else in column 1; its
// value is quantity × price.  Booking sums the positions per column, fills
// the posting record (status "K" for the corrections, types 5 to 7) and
// names the entry written before, so booking again replaces that entry; a
// booked entry of the book gets its settlement entry.  Ctrl+C copies the
// current document with its positions under a new number.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cash/cash_rules.h"
#include "cash/document_rules.h"
#include "cash/ledger_posting.h"
#include "cash/settlements.h"
#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/openers.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/calendar.h"
#include "host/api/keys.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"

namespace skolvarin::cash {

namespace {

using dictionaries::RegisterFrame;
using dictionaries::template_id;

constexpr const char* kDocs = "W3DOWO  .DBF";
constexpr const char* kLines = "W3DOWE  .DBF";
constexpr int kTitle = 102;          // "Ewidencja dowodów wewnętrznych"
constexpr int kListTitle = 237;      // "Zestawienie dowodów wewnętrznych"
constexpr int kCopyFailed = 119;     // "Kopiowanie nieudane. Sprawdź pozycje dowodu."
constexpr int kDuplicate = 20077;
constexpr int kEmptyList = 50007;
constexpr int kFormTemplate = 4, kLineTemplate = 8, kCorrectionLineTemplate = 9;
constexpr int kPrintTemplate = 6, kCorrectionPrintTemplate = 3, kListTemplate = 7;

struct DocumentsRun {
  RegisterFrame frame;
  int form = 1;  // bookkeeping form
  int modify_menu = -1, print_menu = -1;
  long own_record = 0;  // the record being edited (0 while adding)
};
DocumentsRun* g_run = nullptr;

data::TableHandles& D() { return data::handles(kDocs); }
data::TableHandles& L() { return data::handles(kLines); }
FIELD4* DF(const char* name) { return D().field(name); }
FIELD4* LF(const char* name) { return L().field(name); }

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(v, 2));
  return buf;
}

std::string shown_date(const std::string& s) {
  if (s.size() < 8 || s[0] == ' ') return "";
  return s.substr(6, 2) + "-" + s.substr(4, 2) + "-" + s.substr(0, 4);
}

long document_rec() { return f4long(DF("REC")); }

// The record numbers of the positions of the document `rec`.
std::vector<long> positions_of(long rec) {
  std::vector<long> out;
  DATA4* d = L().data;
  for (int rc = d4top(d); rc == 0 && !d4eof(d); rc = d4skip(d, 1))
    if (!d4deleted(d) && f4long(LF("REK")) == rec) out.push_back(d4recno(d));
  return out;
}

// RAZ of the current document: the sum of its positions' values.
void update_total() {
  DATA4* docs = D().data;
  const long rec = d4recno(docs);
  double total = 0.0;
  for (long p : positions_of(document_rec())) {
    d4go(L().data, p);
    total = R(total + f4double(LF("WAR")), 2);
  }
  d4go(docs, rec);
  if (!same_grosz(f4double(DF("RAZ")), total)) {
    f4assign_double(DF("RAZ"), total);
    d4write(docs, rec);
    d4flush(docs);
  }
}

// The number check: not empty, aligned right, unique within the type.
bool number_taken(int type, const std::string& number, long own) {
  DATA4* d = D().data;
  const long saved = d4recno(d);
  TAG4* saved_tag = d4tag_selected(d);
  d4tag_select(d, D().tag(1));
  const std::string key = document_key(type, number);
  bool taken = false;
  if (d4seek(d, key.c_str()) == 0)
    for (; !d4eof(d); d4skip(d, 1)) {
      if (document_key(f4int(DF("TYP")), f4str(DF("NUM"))) != key) break;
      if (!d4deleted(d) && d4recno(d) != own) {
        taken = true;
        break;
      }
    }
  d4tag_select(d, saved_tag);
  if (saved >= 1 && saved <= d4reccount(d)) d4go(d, saved);
  return taken;
}

int valid_number(EditControl* c) {
  if (valid_empty_get(c) != 0) return -1;
  c->buffer = align_number(c->buffer);
  if (number_taken(f4int(DF("TYP")), c->buffer, g_run ? g_run->own_record : 0)) {
    Uwaga(kDuplicate);
    return -1;
  }
  return 0;
}

// F4 on "sporządził(a)": the employees list fills both lines (surname,
// first name) from the chosen employee.
EditControl* g_person2 = nullptr;

int choose_employee(EditControl* c) {
  data::TableHandles& e = data::handles("W3PRAC.DBF");
  const bool opened_here = !e.open();
  if (opened_here && data::open_w3prac(0) != 0) return 27;
  CodedFieldChoice choice;
  choice.data = e.data;
  choice.tag = e.tag(1);
  choice.code = e.field("NAZ");
  choice.shown = {e.field("NAZ"), e.field("IM1")};
  choice.title = " PRACOWNICY ";
  std::string value = f4trim(DF("NA1"));
  int rc = pole_kodowane_fun(choice, value);
  if (rc == 0) {
    c->buffer = f4trim(e.field("NAZ"));
    const std::string first = f4trim(e.field("IM1"));
    f4assign(DF("NA2"), first.c_str());
    if (g_person2) g_person2->buffer = first;
  }
  if (opened_here)
    if (const data::CatalogueEntry* entry = data::find_table("W3PRAC.DBF")) data::close_table(*entry);
  return rc == 0 ? 0 : 27;
}

// ------------------------------------------------------------ positions

long g_positions_of = 0;  // REC of the document whose positions are listed
EditControl* g_quantity = nullptr;  // the quantity as typed, read when the price is left

double typed_number(EditControl* c, FIELD4* field) {
  std::string stored;
  if (!c || c->buffer.empty() || EditCtrlStored(c, &stored) != 0) return f4double(field);
  return std::strtod(stored.c_str(), nullptr);
}

int positions_filter(void*) { return f4long(LF("REK")) == g_positions_of ? r4keep : r4ignore; }

int valid_price(EditControl* c) {
  double value = 0;
  if (!position_value(typed_number(g_quantity, LF("ILO")), typed_number(c, LF("CEN")), value)) {
    MessageWindow(2, 0, "Wartość pozycji przekracza 99999999999 !", 0);
    return -1;
  }
  f4assign_double(LF("WAR"), value);
  return 0;
}

// The date of issue of a corrected invoice is kept as a day number in ILO:
// shown as a date, entered in a small date window (Enter or F4).
std::string issue_date_shown(const std::string& text) {
  const long n = std::atol(text.c_str());
  return n > 0 ? to_shown(from_day_number(n)) : std::string();
}

int choose_issue_date(EditControl* c) {
  int window = DefineWprowadzWindow(1, 30, " DATA WYSTAWIENIA ");
  if (window < 0) return 27;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, "data wyst... ", 10, WIDGET_DATE);
  const long n = std::atol(c->buffer.c_str());
  if (n > 0) WigetSetString(w, to_dbf(from_day_number(n)).c_str());
  const int key = ActivateWindow(window, &set);
  const std::string value = w->value;
  FreeWigets(&set);
  w4close(window);
  Date date;
  if (key != keys::F2 || !from_dbf(value, date)) return 27;
  c->buffer = std::to_string(day_number(date));
  return 0;
}

int run_positions(int type) {
  DATA4* docs = D().data;
  const long doc = d4recno(docs);
  const long saved_of = g_positions_of;
  g_positions_of = document_rec();
  const bool correction = is_correction(type);
  const std::vector<std::string> columns = position_column_names(g_run ? g_run->form : 1);
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5170, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 5180, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 5190, 'u', 1, browse_skasuj, nullptr);
    if (correction) {
      DefineScrollColumn(&f.scroll, LF("NA2"), 0, "nr dokumentu")->width = 20;
      DefineScrollColumn(&f.scroll, LF("ILO"), 0, "data wyst.")->show = [] {
        return issue_date_shown(std::to_string(f4long(LF("ILO"))));
      };
      DefineScrollColumn(&f.scroll, LF("CEN"), 0, "mc korekty");
      DefineScrollColumn(&f.scroll, LF("WAR"), 0, "korekta");
    } else {
      DefineScrollColumn(&f.scroll, LF("NA1"), 0, "tytuł")->width = 30;
      DefineScrollColumn(&f.scroll, LF("ILO"), 0, "ilość");
      DefineScrollColumn(&f.scroll, LF("CEN"), 0, "cena");
      DefineScrollColumn(&f.scroll, LF("WAR"), 0, "wartość");
    }
    DefineEditCtrl(&f.edits, 0, 16, LF("NA1"), 0)->valid = valid_empty_get;
    DefineEditCtrl(&f.edits, 1, 16, LF("NA2"), 0);
    if (correction) {
      EditControl* issued = DefineEditCtrl(&f.edits, 2, 16, LF("ILO"), 0);
      issued->chooser = choose_issue_date;
      issued->chooser_mode = 1;
      issued->show = issue_date_shown;
      DefineEditCtrl(&f.edits, 3, 16, LF("CEN"), 0)->valid = [](EditControl* c) {
        const int month = std::atoi(c->buffer.c_str());
        if (month >= 1 && month <= 12) return 0;
        MessageWindow(2, 0, "Miesiąc korekty: od 1 do 12 !", 0);
        return -1;
      };
      DefineEditCtrl(&f.edits, 4, 16, LF("WAR"), 0);
    } else {
      g_quantity = DefineEditCtrl(&f.edits, 2, 16, LF("ILO"), 0);
      DefineEditCtrl(&f.edits, 3, 16, LF("CEN"), 0)->valid = valid_price;
      DefineEditCtrl(&f.edits, 4, 16, LF("WAR"), EDIT_SHOW_ONLY);
    }
    EditControl* ryt = DefineEditCtrl(&f.edits, 5, 16, LF("RYT"), 0);
    ryt->chooser = lista_wyboru(columns);
  };
  auto fill = [&](BROWSE* b) {
    b->title = correction ? "POZYCJE DOWODU - KOREKTY" : "POZYCJE DOWODU";
    b->form_template = template_id(correction ? kCorrectionLineTemplate : kLineTemplate);
    b->form_rows = 6;
    b->stamp = LF("INF");
    b->filter_function = positions_filter;
    b->filters = nullptr;
    b->new_record = [type](BROWSE*) {
      f4assign_long(LF("REK"), g_positions_of);
      f4assign_int(LF("RYT"), new_position_column(type));
      if (!is_correction(type)) f4assign_double(LF("ILO"), 1.0);
      return 0;
    };
    b->hot_key = [](int key) { return hot_keys(key, -1, 5170, -1, 5180, 1, 5190, LF("INF")); };
  };
  dictionaries::run_register(frame, L().data, L().tag(1), 10, 10, 0, build, fill);
  g_quantity = nullptr;
  g_positions_of = saved_of;
  d4go(docs, doc);
  update_total();
  return 0;
}

int positions_item(int) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return 0;
  run_positions(f4int(DF("TYP")));
  browse_call(0, 0);
  return 0;
}

int header_item(int code) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  g_run->own_record = d4recno(D().data);
  browse_modyfikuj(code);
  g_run->own_record = 0;
  return 0;
}

// ------------------------------------------------------------ booking

int book_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run || !dictionaries::list_has_current(b)) return 0;
  DATA4* docs = D().data;
  const long doc = d4recno(docs);
  const int type = f4int(DF("TYP"));
  const int form = g_run->form;
  const std::vector<long> recs = positions_of(document_rec());
  std::vector<PositionAmount> amounts;
  for (long p : recs) {
    d4go(L().data, p);
    amounts.push_back({f4int(LF("RYT")), f4double(LF("WAR"))});
  }
  DocumentSums sums = document_sums(form, amounts);
  if (!sums.unassigned.empty()) {
    const std::vector<std::string> columns = position_column_names(form);
    for (size_t i : sums.unassigned) {
      const int column = chosen_column(wybierz_z_listy(columns, 3) + 1);
      d4go(L().data, recs[i]);
      f4assign_int(LF("RYT"), column);
      d4write(L().data, recs[i]);
      amounts[i].column = column;
    }
    d4flush(L().data);
    sums = document_sums(form, amounts);
  }
  d4go(docs, doc);

  PostingRecord p;
  p.document = f4trim(DF("NUM"));
  p.names[0] = f4trim(DF("NA1"));
  p.names[1] = f4trim(DF("NA2"));
  const auto description = split_lines(document_type_name(type), 80);
  p.description1 = description[0];
  p.description2 = description[1];
  p.source = kSourceDocuments;
  p.entry_date = f4str(DF("DAT"));
  Date date;
  from_dbf(p.entry_date.c_str(), date);
  p.day_number = day_number(date);
  p.status = booking_status(type);
  p.open_accounts = true;
  const std::string booked = f4str(DF("DAZ"));
  p.existing = !booked.empty() && booked[0] != ' ' ? f4long(DF("REK")) : 0;
  const bool tax_book = keeps_tax_book(form);
  if (tax_book) {
    p.amounts = book_amounts_of(sums);
    post_to_book(p);
  } else {
    const auto lump = lump_sum_amounts_of(sums);
    for (size_t i = 0; i < p.lump_sum.size(); ++i) p.lump_sum[i] = lump[i];
    post_to_lump_sum(p);
  }
  if (!p.written) return 0;
  d4go(docs, doc);
  if (go_and_lock(docs, doc) != 0) return 0;
  f4assign_long(DF("LPO"), p.ordinal);
  f4assign_long(DF("REK"), p.existing);
  f4assign(DF("DAZ"), p.posting_date.c_str());
  f4assign_int(DF("TRK"), tax_book ? 1 : 2);
  f4assign(DF("INF"), record_stamp(data::state().ctx).c_str());
  write_and_unlock(docs);
  d4flush(docs);
  if (tax_book) {
    const SettlementAmounts s = settlement_of_book_entry(p.amounts, {});
    SettlementSource src;
    src.kind = kSourceKindBook;
    src.year = p.year;
    src.record = p.existing;
    src.document = p.document;
    src.issue_date = p.posting_date;
    src.title = p.description1;
    src.name1 = p.names[0];
    src.name2 = p.names[1];
    src.type = s.type;
    src.gross = s.gross;
    update_settlement(src);
    d4go(docs, doc);
  }
  browse_call(0, 0);
  return 0;
}

// ------------------------------------------------------------ copy

// Ctrl+C: the current document with its positions under a new number.
int copy_document(BROWSE* b) {
  if (!g_run || !dictionaries::list_has_current(b)) return 0;
  DATA4* docs = D().data;
  const long doc = d4recno(docs);
  const int type = f4int(DF("TYP"));
  int window = DefineWprowadzWindow(2, 40, "KOPIOWANIE DOWODU");
  if (window < 0) return 0;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* number = DefineWigetEx(&set, 0, 1, "numer.. ", 10, WIDGET_TEXT);
  Widget* date = DefineWigetEx(&set, 1, 1, "data... ", 10, WIDGET_DATE);
  WigetSetString(date, f4str(DF("DAT")));
  int key = 0;
  std::string aligned;
  for (;;) {
    key = ActivateWindow(window, &set);
    if (key != keys::F2) break;
    aligned = align_number(number->value);
    if (aligned.find_first_not_of(' ') == std::string::npos || number_taken(type, aligned, 0)) {
      Uwaga(kDuplicate);
      continue;
    }
    break;
  }
  const std::string new_date = date->value;
  FreeWigets(&set);
  w4close(window);
  if (key != keys::F2) return 0;
  d4go(docs, doc);
  std::vector<std::string> values;
  for (FIELD4* f : D().fields) values.push_back(f4str(f));
  const std::vector<long> positions = positions_of(document_rec());
  bool ok = true;
  d4append_start(docs);
  for (size_t i = 0; i < D().fields.size(); ++i) f4assign(D().fields[i], values[i].c_str());
  const long new_rec = d4reccount(docs) + 1;
  f4assign(DF("NUM"), aligned.c_str());
  f4assign(DF("DAT"), new_date.c_str());
  f4assign_long(DF("REC"), new_rec);
  for (const char* name : {"LPO", "REK", "TRK", "DAZ"}) f4blank(DF(name));  // the copy is not booked
  f4assign(DF("INF"), record_stamp(data::state().ctx).c_str());
  if (lock_and_append(docs) != 0 || d4unlock(docs) != 0) ok = false;
  const long copy_recno = d4recno(docs);
  DATA4* lines = L().data;
  for (long p : positions) {
    if (!ok) break;
    d4go(lines, p);
    std::vector<std::string> line;
    for (FIELD4* f : L().fields) line.push_back(f4str(f));
    d4append_start(lines);
    for (size_t i = 0; i < L().fields.size(); ++i) f4assign(L().fields[i], line[i].c_str());
    f4assign_long(LF("REK"), new_rec);
    f4assign(LF("INF"), record_stamp(data::state().ctx).c_str());
    if (lock_and_append(lines) != 0 || d4unlock(lines) != 0) ok = false;
  }
  d4flush(docs);
  d4flush(lines);
  if (!ok) Uwaga(kCopyFailed);
  browse_call(1, ok ? copy_recno : doc);
  return 0;
}

// ------------------------------------------------------------ delete

int delete_item(int code) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return browse_skasuj(code);
  const long rec = document_rec();
  const long doc = d4recno(D().data);
  const long before = d4reccount(D().data);
  browse_skasuj(code);
  (void)before;
  d4go(D().data, doc);
  if (!d4deleted(D().data)) return 0;  // not confirmed
  DATA4* lines = L().data;
  for (long p : positions_of(rec)) {
    if (go_and_lock(lines, p) != 0) continue;
    d4delete(lines);
    write_and_unlock(lines);
  }
  d4flush(lines);
  browse_call(0, 0);
  return 0;
}

// ------------------------------------------------------------ prints

std::string cell(const std::string& text, size_t width, bool right = false) {
  size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  if (n >= width) return text;
  return right ? std::string(width - n, ' ') + text : text + std::string(width - n, ' ');
}

int print_document(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run || !dictionaries::list_has_current(b)) return 0;
  HostContext* ctx = data::state().ctx;
  const int type = f4int(DF("TYP"));
  const bool correction = is_correction(type);
  if (init_prn(ctx, "DOW", "Dowód wewnętrzny") != 0) return 0;
  PrintBuffer *work = nullptr, *orig = nullptr;
  if (print_alloc(&work, &orig, 113 * 8, template_id(correction ? kCorrectionPrintTemplate : kPrintTemplate), 113) !=
      0) {
    deinit_prn(-1);
    return 0;
  }
  MemPrintStringFmt(work, 0, 0, ctx->firm_name1.c_str(), 60, PRINT_LEFT);
  MemPrintStringFmt(work, 1, 0, ctx->firm_name2.c_str(), 60, PRINT_LEFT);
  std::string number = f4trim(DF("NUM"));
  number.erase(0, number.find_first_not_of(' '));
  const std::string head = "DOWÓD " + document_type_name(type) + " nr " + number;
  MemPrintStringFmt(work, 2, 0, head.c_str(), 113, PRINT_CENTRE);
  MemPrintStringFmt(work, 3, 0, ("z dnia " + shown_date(f4str(DF("DAT")))).c_str(), 113, PRINT_CENTRE);
  print_lines(work, 113, 0, print_rows(work) - 1);
  print_free(&work, &orig);
  const long doc = d4recno(D().data);
  int n = 0;
  for (long p : positions_of(document_rec())) {
    d4go(L().data, p);
    std::string row = "|" + cell(std::to_string(++n), 6, true) + "|";
    if (correction) {
      row += cell(f4trim(LF("NA1")), 30) + "|" + cell(f4trim(LF("NA2")), 20) + "|" +
             cell(issue_date_shown(std::to_string(f4long(LF("ILO")))), 12) + "|" +
             cell(std::to_string(f4long(LF("CEN"))), 10, true) + "|" + cell(money(f4double(LF("WAR"))), 16, true) +
             "|";
    } else {
      char qty[32];
      std::snprintf(qty, sizeof qty, "%.4f", f4double(LF("ILO")));
      row += cell(f4trim(LF("NA1")), 46) + "|" + cell(qty, 14, true) + "|" + cell(money(f4double(LF("CEN"))), 14, true) +
             "|" + cell(money(f4double(LF("WAR"))), 16, true) + "|";
      if (!f4trim(LF("NA2")).empty()) {
        print_line(row.c_str());
        row = "|      |" + cell(f4trim(LF("NA2")), 46) + "|              |              |                |";
      }
    }
    print_line(row.c_str());
  }
  d4go(D().data, doc);
  print_line(("Razem: " + money(f4double(DF("RAZ")))).c_str());
  print_line("");
  print_line(("Uwagi: " + f4trim(DF("UWA"))).c_str());
  print_line(("Sporządził(a): " + f4trim(DF("NA1")) + " " + f4trim(DF("NA2"))).c_str());
  const long lpo = f4long(DF("LPO"));
  print_line(("Zaksięgowano pod poz.: " + (lpo > 0 ? std::to_string(lpo) : std::string())).c_str());
  deinit_prn(1);
  return 0;
}

bool filters_accepted() {
  return OpenFiltersWindow(&g_run->frame.filters) == keys::F2 && (browse_call(0, 0), true);
}

int print_list(int) {
  if (!g_run || !filters_accepted()) return 0;
  DATA4* d = D().data;
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, &g_run->frame.filters);
  if (x4top(&scan) != 0) {
    Uwaga(kEmptyList);
    return 0;
  }
  HostContext* ctx = data::state().ctx;
  if (init_prn(ctx, "DWZ", RcQStr(kListTitle)) != 0) return 0;
  PrintBuffer *work = nullptr, *orig = nullptr;
  if (print_alloc(&work, &orig, 120 * 7, template_id(kListTemplate), 120) == 0) {
    MemPrintStringFmt(work, 0, 0, ctx->firm_name1.c_str(), 60, PRINT_LEFT);
    MemPrintStringFmt(work, 1, 0, ctx->firm_name2.c_str(), 60, PRINT_LEFT);
    MemPrintStringFmt(work, 3, 0, FilterStatusLine(&g_run->frame.filters).c_str(), 120, PRINT_LEFT);
    print_lines(work, 120, 0, print_rows(work) - 1);
    print_free(&work, &orig);
  }
  int n = 0;
  double total = 0.0;
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) {
    total = R(total + f4double(DF("RAZ")), 2);
    const std::string row = "|" + cell(std::to_string(++n), 6, true) + "|" + cell(f4trim(DF("NUM")), 12, true) + "|" +
                            cell(shown_date(f4str(DF("DAT"))), 12) + "|" +
                            cell(f4trim(DF("NA1")) + " " + f4trim(DF("NA2")), 38) + "|" +
                            cell(money(f4double(DF("RAZ"))), 15, true) + "|" + cell(f4trim(DF("UWA")), 29) + "|";
    print_line(row.c_str());
  }
  print_line(("Razem: " + money(total)).c_str());
  deinit_prn(1);
  return 0;
}

int tabulogram_item(int) {
  if (!g_run || !filters_accepted()) return 0;
  DATA4* d = D().data;
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, &g_run->frame.filters);
  if (x4top(&scan) != 0) {
    Uwaga(kEmptyList);
    return 0;
  }
  prn_tab_rap(data::state().ctx, d, &g_run->frame.print_columns, RcQStr(kTitle), FilterFunction,
              &g_run->frame.filters, FilterStatusLine(&g_run->frame.filters).c_str());
  return 0;
}

int filters_item(int) {
  if (!g_run) return -1;
  OpenFiltersWindow(&g_run->frame.filters);
  browse_call(0, 0);
  return 0;
}

// " Szukaj ": " Data " seeks the date order, " Numer " the number.
int search_item(int code) {
  if (!g_run) return -1;
  const bool by_date = code == 1;
  int window = DefineWprowadzWindow(1, 40, " SZUKAJ ");
  if (window < 0) return 0;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, by_date ? "Szukaj daty -" : "Szukaj numeru -", 10,
                            by_date ? WIDGET_DATE : WIDGET_TEXT);
  const int key = ActivateWindow(window, &set);
  const std::string want = by_date ? w->value : dictionaries::upper(align_number(w->value));
  FreeWigets(&set);
  w4close(window);
  if (key != keys::F2 || want.find_first_not_of(' ') == std::string::npos) return 0;
  DATA4* d = D().data;
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, &g_run->frame.filters);
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) {
    const std::string v = by_date ? f4str(DF("DAT")) : dictionaries::upper(f4str(DF("NUM")));
    if (by_date ? v >= want : v == want) {
      browse_call(1, d4recno(d));
      return 0;
    }
  }
  MessageWindow(2, 0, "Nie znaleziono.", 0);
  return 0;
}

int documents_main() {
  data::TableHandles& t = D();
  if (!t.open() || !L().open()) return 0;
  DocumentsRun run;
  run.form = data::state().options.key24;
  DocumentsRun* outer = g_run;
  g_run = &run;
  const std::vector<std::string> types = document_type_names(run.form);
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5110, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Księguj ", 5120, 'k', -1, book_item, nullptr);
    MenuDefineItem(" Modyfikuj ", 5130, 'm', -1, nullptr, &run.modify_menu);
    MenuDefineItem(" Szukaj ", 5140, 's', -1, nullptr, &f.search_menu);
    MenuDefineItem(" Drukuj ", 5150, 'r', -1, nullptr, &run.print_menu);
    MenuDefineItem(" Filtry ", 5165, 'f', -1, filters_item, nullptr);
    MenuDefineItem(" Usuń ", 5160, 'u', 1, delete_item, nullptr);
    run.modify_menu = DefineMenuWindow(-1, -1);
    if (run.modify_menu >= 0) {
      MenuDefineItem(" Opis ", 513, 'o', -1, header_item, nullptr);
      MenuDefineItem(" Pozycje ", 5132, 'p', -1, positions_item, nullptr);
    }
    f.search_menu = DefineMenuWindow(-1, -1);
    if (f.search_menu >= 0) {
      MenuDefineItem(" Data ", 5141, 'd', 1, search_item, nullptr);
      MenuDefineItem(" Numer ", 5142, 'n', 2, search_item, nullptr);
    }
    run.print_menu = DefineMenuWindow(-1, -1);
    if (run.print_menu >= 0) {
      MenuDefineItem(" Dowód ", 5151, 'd', -1, print_document, nullptr);
      MenuDefineItem(" Zestawienia ", 5153, 'z', -1, print_list, nullptr);
      MenuDefineItem(" Tabulogram ", 5152, 't', -1, tabulogram_item, nullptr);
    }
    ScrollColumn* typ = DefineScrollColumn(&f.scroll, DF("TYP"), 0, "typ");
    typ->width = 24;
    typ->show = [] { return document_type_name(f4int(DF("TYP"))); };
    DefineScrollColumn(&f.scroll, DF("NUM"), 0, "numer", t.tag(1));
    DefineScrollColumn(&f.scroll, DF("DAT"), 0, "data", t.tag(2));
    DefineScrollColumn(&f.scroll, DF("NA1"), 0, "osoba")->width = 20;
    DefineScrollColumn(&f.scroll, DF("RAZ"), 0, "razem");

    EditControl* typ_edit = DefineEditCtrl(&f.edits, 0, 8, DF("TYP"), 0);
    typ_edit->chooser = lista_wyboru(types);
    typ_edit->valid = [n = static_cast<int>(types.size())](EditControl* c) {
      const int v = std::atoi(c->buffer.c_str());
      if (v >= 1 && v <= n) return 0;
      MessageWindow(2, 0, "Wybierz typ dowodu (F4 - lista)", 0);
      return -1;
    };
    DefineEditCtrl(&f.edits, 1, 19, DF("NUM"), 0)->valid = valid_number;
    EditControl* dat = DefineEditCtrl(&f.edits, 2, 19, DF("DAT"), 0);
    dat->picture = "DD-MM-CCYY";
    dat->valid = test_daty_niepustej;
    DefineEditCtrl(&f.edits, 3, 19, DF("NA1"), 0)->chooser = choose_employee;
    g_person2 = DefineEditCtrl(&f.edits, 4, 19, DF("NA2"), 0);
    DefineEditCtrl(&f.edits, 5, 19, DF("UWA"), 0);
    DefineTextCtrl(&f.texts, 6, 19, DF("RAZ"), 0);
    DefineTextCtrl(&f.texts, 8, 19, DF("TRK"), 0)->show = [](const std::string&) {
      const int trk = f4int(DF("TRK"));
      return std::string(trk == 1 ? "KSIĘGI PODATKOWEJ" : trk == 2 ? "EWIDENCJI RYCZAŁTU" : "");
    };
    DefineTextCtrl(&f.texts, 9, 19, DF("DAZ"), 0);
    DefineTextCtrl(&f.texts, 9, 38, DF("LPO"), 0);

    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "W3DOWO";
    DefineFilter(&f.filters, DF("DAT"), "od dnia.....", " od:", FILTER_DATE, 0);
    DefineFilter(&f.filters, DF("DAT"), "do dnia.....", " do:", FILTER_DATE, 2);
    DefineFilter(&f.filters, DF("TYP"), "typ dowodu..", " typ:", FILTER_CHOICE, 0, {.choices = types});
    LoadFilters(&f.filters);

    DefineTabuColumn(&f.print_columns, "numer", 0, DF("NUM"), TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "data", 0, DF("DAT"), TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "osoba", 0, DF("NA1"), TABU_FIELD_WIDTH, 3);
    DefineTabuColumn(&f.print_columns, "osoba", 0, DF("NA2"), TABU_FIELD_WIDTH, 4);
    DefineTabuColumn(&f.print_columns, "razem", TABU_SUM, DF("RAZ"), TABU_FIELD_WIDTH, 5);
    DefineTabuColumn(&f.print_columns, "lp. księgi", 0, DF("LPO"), TABU_FIELD_WIDTH, 6);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    b->form_template = template_id(kFormTemplate);
    b->form_rows = 10;
    b->stamp = DF("INF");
    b->new_record = [](BROWSE* br) {
      HostContext* ctx = br->ctx ? br->ctx : data::state().ctx;
      f4assign_int(DF("TYP"), 1);
      if (ctx) f4assign_date(DF("DAT"), ctx->today);
      return 0;
    };
    b->numbering = [](BROWSE* br) {
      f4assign_long(DF("REC"), d4reccount(br->data) + 1);
      return 0;
    };
    b->after_save = [](BROWSE* br) {
      // A new document goes straight to its positions.
      if (br->mode == BROWSE_ADD) run_positions(f4int(DF("TYP")));
      return 0;
    };
    b->hot_key = [](int key) {
      if (key == keys::CtrlC) return copy_document(current_browse());
      if (key == keys::F3) return positions_item(0);  // from the document to its positions
      return hot_keys(key, -1, 5110, -1, 5130, 1, 5160, DF("INF"));
    };
  };
  int rc = dictionaries::run_register(run.frame, t.data, t.tag(2), 12, 8, 0, build, fill);
  for (int w : {run.modify_menu, run.print_menu})
    if (w >= 0) w4close(w);
  g_run = outer;
  g_person2 = nullptr;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Documents, documents_main);

}  // namespace

}  // namespace skolvarin::cash
