// Notes (" Noty "): debit, credit and interest notes to contractors, one
// table per working year (W3NOTY).  " Dopisz " asks for the kind and opens
// its form; the number follows the kind's numbering; the contractor code
// fills the contractor block (F4: the contractors register); the account
// type fills the account number from the firm data; an interest note
// computes its interest whenever its payment term, the date interest runs
// to or the amount due is left.  Ctrl+C copies the current note.
#include <cstdio>
#include <string>
#include <vector>

#include "data/firm_data_table.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "dictionaries/info_panel.h"
#include "dictionaries/pickers.h"
#include "dictionaries/register_frame.h"
#include "dictionaries/register_tools.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "interest/interest_tables.h"
#include "interest/note_rules.h"

namespace skolvarin::interest {

namespace {

using dictionaries::RegisterFrame;
namespace k = skolvarin::keys;

constexpr int kTitle = 104;
constexpr int kNothingThere = 50007;
constexpr const char* kAccountTypes[] = {"1. PODSTAWOWE  ", "2. POMOCNICZE 1", "3. POMOCNICZE 2",
                                         "4. POMOCNICZE 3", "5. POMOCNICZE 4", "6. INNE        "};

// The register's state for one run.
struct NotesRun {
  data::TableHandles* t = nullptr;
  EditCtrlDefinition forms[4];  // by type (index 0 unused)
  int type = kNoteDebit;        // of the note being added
  std::string prefix;           // the prefix the form started with
  std::vector<std::string> copy;  // field texts of the note being copied
};
NotesRun* g_run = nullptr;

FIELD4* F(const char* name) { return g_run->t->field(name); }

// A second handle on the notes file with the two descending tags: the
// latest note of a type first, and the highest number of a type and prefix
// first.  Numbering seeks in it, so the note being edited in the form keeps
// its record buffer.
class NotesView : dictionaries::DescendingView {
 public:
  NotesView()
      : DescendingView(g_run && g_run->t->open() ? g_run->t->data : nullptr,
                       {"STR(TYP,1,0)+DTOS(DAT)+STR(RECNO(),5,0)", "STR(TYP,1,0)+PRE+STR(NUM,5,0)"}) {}

  // The number following the first live note of `type` (and `prefix`, when
  // given) under the latest-first (1) or highest-first (2) tag: its prefix
  // and suffix and its number + 1; number 1 when there is none.
  NoteNumber after_first(int tag, int type, const std::string* prefix) {
    NoteNumber out;
    if (prefix) out.prefix = *prefix;
    if (!d) return out;
    d4tag_select(d, d4tag(d, tag));
    std::string key = std::to_string(type % 10);
    if (prefix) key += (*prefix + "    ").substr(0, 4);
    for (int rc = d4seek(d, key.c_str()); rc == 0 && !d4eof(d); rc = d4skip(d, 1)) {
      if (f4int(d4field(d, "TYP")) != type || (prefix && f4trim(d4field(d, "PRE")) != *prefix)) break;
      if (d4deleted(d)) continue;
      return {f4trim(d4field(d, "PRE")), f4long(d4field(d, "NUM")) + 1, f4trim(d4field(d, "POS"))
};
    }
    return out;
  }

};

void use_form(BROWSE* b, int type) {
  if (type < kNoteDebit || type > kNoteInterest) type = kNoteDebit;
  b->edit_controls = &g_run->forms[type];
  b->form_template = dictionaries::template_id(type == kNoteDebit ? 63 : type == kNoteCredit ? 65 : 64);
  b->form_rows = type == kNoteInterest ? 14 : 17;
  b->title = std::string(RcQStr(kTitle)) + " - " + note_title(type);
}

void put_number(const NoteNumber& n) {
  f4assign(F("PRE"), n.prefix.c_str());
  f4assign_long(F("NUM"), n.number);
  f4assign(F("POS"), n.suffix.c_str());
}

// The account of the firm data for an account type (1 to 5); "" for 6.
std::string firm_account(int type) {
  data::TableHandles& firm = data::handles("W3PAWL.DBF");
  if (!firm.open() || type < 1 || type > 5) return {};
  d4go(firm.data, 1);
  std::string name = "NRR" + std::to_string(type);
  FIELD4* f = firm.field(name);
  return f ? f4trim(f) : std::string();
}

int choose_account(EditControl* c) {
  std::vector<std::string> items(std::begin(kAccountTypes), std::end(kAccountTypes));
  int current = std::atoi(c->buffer.c_str()) - 1;
  int chosen = wybierz_z_listy(items, current < 0 ? 0 : current);
  if (chosen < 0) return 27;
  c->buffer = std::to_string(chosen + 1);
  if (chosen < 5) f4assign(F("KON"), firm_account(chosen + 1).c_str());
  return 0;
}

// Copies the contractor block from the current record of W3KHNT.
void take_contractor(data::TableHandles& k) {
  for (const char* name : {"KOD", "NA1", "NA2", "KOP", "POC", "MIA", "ULI", "NIP"})
    f4assign(F(name), f4trim(k.field(name)).c_str());
}

int choose_contractor(EditControl* c) {
  long rec = 0;
  if (dictionaries::pick_contractor(&rec) != 0 || rec <= 0) return 27;
  data::TableHandles& k = data::handles("W3KHNT.DBF");
  bool opened_here = !k.open();
  if (opened_here && data::open_table(data::state().ctx, "W3KHNT.DBF") != 0) return 27;
  int rc = 27;
  if (d4go(k.data, rec) == 0) {
    take_contractor(k);
    c->buffer = f4trim(k.field("KOD"));
    rc = 0;
  }
  if (opened_here)
    if (const data::CatalogueEntry* e = data::find_table("W3KHNT.DBF")) data::close_table(*e);
  return rc;
}

// A typed contractor code fills the block when the code is known.
int contractor_code_valid(EditControl* c) {
  std::string code = dictionaries::upper(c->buffer);
  size_t end = code.find_last_not_of(' ');
  if (end == std::string::npos) return 0;
  code.resize(end + 1);
  data::TableHandles& k = data::handles("W3KHNT.DBF");
  bool opened_here = !k.open();
  if (opened_here && data::open_table(data::state().ctx, "W3KHNT.DBF") != 0) return 0;
  TAG4* saved = d4tag_selected(k.data);
  d4tag_select(k.data, k.tag(2));
  if (d4seek(k.data, code.c_str()) == 0 && dictionaries::upper(f4trim(k.field("KOD"))) == code) take_contractor(k);
  d4tag_select(k.data, saved);
  if (opened_here)
    if (const data::CatalogueEntry* e = data::find_table("W3KHNT.DBF")) data::close_table(*e);
  return 0;
}

// Interest of the note from FDP, DOD and NAL as they stand in the record.
int recompute_interest(EditControl*) {
  Date due = f4date(F("FDP")), to = f4date(F("DOD"));
  if (due.empty() || to.empty()) return 0;
  InterestResult r;
  if (!compute_from_tables(due, to, f4double(F("NAL")), r)) return 0;
  NoteInterest n = note_interest(r);
  f4assign_double(F("ODS"), n.interest);
  f4assign_int(F("ILD"), n.days);
  f4assign_double(F("KWO"), n.interest);
  return 0;
}

int prefix_valid(EditControl* c) {
  std::string p = c->buffer;
  size_t e = p.find_last_not_of(' ');
  p = e == std::string::npos ? "" : p.substr(0, e + 1);
  if (p == g_run->prefix) return 0;
  g_run->prefix = p;
  int type = f4int(F("TYP"));
  NoteNumber n = NotesView().after_first(2, type, &p);
  f4assign_long(F("NUM"), n.number);
  f4assign(F("POS"), n.suffix.c_str());
  return 0;
}

int number_valid(EditControl* c) {
  long number = std::atol(c->buffer.c_str());
  if (number <= 0) {
    Uwaga(50134);
    return -1;
  }
  char key[24];
  std::snprintf(key, sizeof key, "%1d", f4int(F("TYP")));
  std::string prefix = f4str(F("PRE"));
  char num[24];
  std::snprintf(num, sizeof num, "%5ld", number);
  std::string full = std::string(key) + prefix + num;
  int mode = c->browse ? c->browse->mode : BROWSE_ADD;
  return ValidUniqueTag(g_run->t->data, g_run->t->tag(4), full.c_str(), mode, kMessageNumberTaken) == 1 ? -1 : 0;
}

int date_filled(EditControl* c) { return test_daty_niepustej(c); }

// Which amount field the kind edits: the debit, the credit amount.
int amount_valid(EditControl* c) {
  if (valid_wart_dodat(c) != 0) return -1;
  f4assign_double(F("KWO"), f4double(c->field));
  return 0;
}

void define_contractor_block(EditCtrlDefinition& e) {
  EditControl* pre = DefineEditCtrl(&e, 0, 17, F("PRE"), EDIT_UPPER);
  pre->valid = prefix_valid;
  DefineEditCtrl(&e, 0, 22, F("NUM"), 0)->valid = number_valid;
  DefineEditCtrl(&e, 0, 28, F("POS"), EDIT_UPPER);
  EditControl* dat = DefineEditCtrl(&e, 0, 67, F("DAT"), 0);
  dat->picture = "DD-MM-CCYY";
  dat->valid = date_filled;
  EditControl* kod = DefineEditCtrl(&e, 1, 17, F("KOD"), EDIT_UPPER);
  kod->chooser = choose_contractor;
  kod->valid = contractor_code_valid;
  DefineEditCtrl(&e, 1, 65, F("NIP"), 0);
  DefineEditCtrl(&e, 2, 8, F("NA1"), 0)->valid = valid_empty_get;
  DefineEditCtrl(&e, 3, 8, F("NA2"), 0);
  DefineEditCtrl(&e, 4, 11, F("KOP"), 0)->picture = "99-999";
  DefineEditCtrl(&e, 4, 31, F("MIA"), 0);
  DefineEditCtrl(&e, 5, 10, F("ULI"), 0);
}

void define_payment(EditCtrlDefinition& e, int row) {
  EditControl* tyk = DefineEditCtrl(&e, row, 20, F("TYK"), 0);
  tyk->chooser = choose_account;
  tyk->chooser_mode = 1;
  DefineEditCtrl(&e, row, 23, F("KON"), 0);
  DefineEditCtrl(&e, row + 1, 17, F("WYS"), 0);
  DefineEditCtrl(&e, row + 3, 0, F("UWA"), 0);
}

void define_forms(NotesRun& run) {
  for (int type : {kNoteDebit, kNoteCredit}) {
    EditCtrlDefinition& e = run.forms[type];
    ResetEditCtrlDefinition(&e);
    define_contractor_block(e);
    for (int i = 0; i < 5; ++i) {
      std::string name = "OP" + std::to_string(i + 1);
      DefineEditCtrl(&e, 7 + i, 0, F(name.c_str()), 0);
    }
    DefineEditCtrl(&e, 12, 18, F(type == kNoteDebit ? "OBC" : "UZN"), 0)->valid = amount_valid;
    EditControl* dpl = DefineEditCtrl(&e, 12, 65, F("DPL"), 0);
    dpl->picture = "DD-MM-CCYY";
    define_payment(e, 13);
  }
  EditCtrlDefinition& e = run.forms[kNoteInterest];
  ResetEditCtrlDefinition(&e);
  define_contractor_block(e);
  DefineEditCtrl(&e, 6, 17, F("FAK"), 0);
  DefineEditCtrl(&e, 6, 68, F("FDA"), 0)->picture = "DD-MM-CCYY";
  EditControl* fdp = DefineEditCtrl(&e, 7, 17, F("FDP"), 0);
  fdp->picture = "DD-MM-CCYY";
  fdp->valid = recompute_interest;
  EditControl* dod = DefineEditCtrl(&e, 7, 58, F("DOD"), 0);
  dod->picture = "DD-MM-CCYY";
  dod->valid = recompute_interest;
  DefineEditCtrl(&e, 8, 17, F("ILD"), EDIT_SHOW_ONLY);
  DefineEditCtrl(&e, 8, 58, F("NAL"), 0)->valid = recompute_interest;
  DefineEditCtrl(&e, 9, 17, F("ODS"), EDIT_SHOW_ONLY);
  DefineEditCtrl(&e, 9, 58, F("DPL"), 0)->picture = "DD-MM-CCYY";
  define_payment(e, 10);
}

int add_item(int code) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  int chosen = 0;
  if (g_run->copy.empty()) {
    std::vector<std::string> items;
    for (const char* s : note_type_choices()) items.emplace_back(s);
    chosen = wybierz_z_listy(items, 0);
    if (chosen < 0) return 0;
    g_run->type = chosen + 1;
  }
  use_form(b, g_run->type);
  browse_dopisz(code);
  b->title.clear();
  return 0;
}

int modify_item(int code) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  browse_modyfikuj(code);
  b->title.clear();
  return 0;
}

int new_note(BROWSE* b) {
  NotesRun& run = *g_run;
  if (!run.copy.empty()) {
    for (size_t i = 0; i < run.t->fields.size() && i < run.copy.size(); ++i)
      f4assign(run.t->fields[i], run.copy[i].c_str());
    run.copy.clear();
  }
  f4assign_int(F("TYP"), run.type);
  NoteNumber n = NotesView().after_first(1, run.type, nullptr);
  put_number(n);
  run.prefix = n.prefix;
  HostContext* ctx = b->ctx ? b->ctx : data::state().ctx;
  if (ctx) f4assign_date(F("DAT"), ctx->today);
  if (f4int(F("TYK")) == 0) {
    f4assign_int(F("TYK"), 1);
    f4assign(F("KON"), firm_account(1).c_str());
  }
  return 0;
}

int before_edit(BROWSE* b) {
  g_run->prefix = f4trim(F("PRE"));
  use_form(b, f4int(F("TYP")));
  return 0;
}

// Ctrl+C: a copy of the current note, opened as a new note of its kind.
int copy_note(BROWSE* b) {
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNothingThere);
    return 0;
  }
  g_run->copy.clear();
  for (FIELD4* f : g_run->t->fields) g_run->copy.push_back(f4str(f));
  g_run->type = f4int(F("TYP"));
  if (g_run->type < kNoteDebit || g_run->type > kNoteInterest) g_run->type = kNoteDebit;
  add_item(0);
  g_run->copy.clear();
  return 0;
}

// " Szukaj ": the next note (after the current one) holding the text in
// any of its text fields, case ignored.
int search_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 0, "Szukaj wszędzie - ", 30, WIDGET_TEXT);
  int window = DefineWprowadzWindow(1, 52, " Szukaj ");
  int key = window >= 0 ? ActivateWindow(window, &set) : 27;
  std::string text = dictionaries::upper(w->value);
  if (window >= 0) w4close(window);
  FreeWigets(&set);
  if (key != k::F2 || text.empty()) return 0;
  DATA4* d = b->data;
  long start = d4recno(d), n = d4reccount(d);
  for (long step = 1; step <= n; ++step) {
    long r = (start - 1 + step) % n + 1;
    if (d4go(d, r) != 0 || d4deleted(d)) continue;
    for (FIELD4* f : g_run->t->fields) {
      if (f4type(f) != 'C') continue;
      if (dictionaries::upper(f4str(f)).find(text) != std::string::npos) {
        browse_call(1, r);
        return 0;
      }
    }
  }
  d4go(d, start);
  Uwaga(kNothingThere);
  return 0;
}

int filters_item(int) {
  BROWSE* b = current_browse();
  if (!b || !b->user) return -1;
  OpenFiltersWindow(&static_cast<RegisterFrame*>(b->user)->filters);
  browse_call(0, 0);
  return 0;
}

int tabulogram_item(int) {
  BROWSE* b = current_browse();
  if (!b || !b->user) return -1;
  auto* frame = static_cast<RegisterFrame*>(b->user);
  if (OpenFiltersWindow(&frame->filters) != k::F2) return 0;
  browse_call(0, 0);
  std::string status = FilterStatusLine(&frame->filters);
  return prn_tab_rap(b->ctx, b->data, &frame->print_columns, RcQStr(kTitle), FilterFunction, &frame->filters,
                     status.c_str());
}

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(v, 2));
  std::string s = buf;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

// " Drukuj ": the current note on a page.
int print_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNothingThere);
    return 0;
  }
  HostContext* ctx = b->ctx ? b->ctx : data::state().ctx;
  int type = f4int(F("TYP"));
  std::string page;
  auto line = [&page](const std::string& s) { page += s + "\n"; };
  auto shown = [](FIELD4* f) { return to_shown(f4date(f)); };
  line(ctx ? ctx->firm_name1 : "");
  if (ctx && !ctx->firm_name2.empty()) line(ctx->firm_name2);
  line("");
  line(std::string("                    ") + note_title(type) + " nr " +
       note_number_text(f4str(F("PRE")), f4long(F("NUM")), f4str(F("POS"))));
  line("                    data wystawienia: " + shown(F("DAT")));
  line("");
  line("Kontrahent: " + f4trim(F("NA1")));
  if (!f4trim(F("NA2")).empty()) line("            " + f4trim(F("NA2")));
  std::string town = f4trim(F("KOP")) == "-" ? f4trim(F("MIA")) : f4trim(F("KOP")) + " " + f4trim(F("MIA"));
  std::string address = f4trim(F("ULI"));
  if (!town.empty() && town != " ") address = address.empty() ? town : town + ", " + address;
  if (!address.empty()) line("            " + address);
  if (!f4trim(F("NIP")).empty()) line("NIP:        " + f4trim(F("NIP")));
  line("");
  if (type == kNoteInterest) {
    line("Na podstawie art. 481 Kodeksu cywilnego obciążamy Państwa odsetkami za zwłokę");
    line("w zapłacie dokumentu nr " + f4trim(F("FAK")) + " z dnia " + shown(F("FDA")));
    line("termin płatności:   " + shown(F("FDP")));
    line("odsetki liczone do: " + shown(F("DOD")));
    line("należność:          " + money(f4double(F("NAL"))));
    line("ilość dni zwłoki:   " + std::to_string(f4int(F("ILD"))));
    line("odsetki:            " + money(f4double(F("ODS"))));
  } else {
    for (const char* op : {"OP1", "OP2", "OP3", "OP4", "OP5"})
      if (!f4trim(F(op)).empty()) line(f4trim(F(op)));
    line("");
    line(std::string(type == kNoteDebit ? "Kwota obciążenia: " : "Kwota uznania:    ") +
         money(f4double(F("KWO"))));
  }
  char words[256];
  slownie(R(f4double(F("KWO")), 2), words, sizeof words);
  line("Do zapłaty: " + money(f4double(F("KWO"))) + " zł");
  line("słownie: " + std::string(words));
  line("termin zapłaty: " + shown(F("DPL")));
  if (!f4trim(F("KON")).empty()) line("nr konta do zapłaty: " + f4trim(F("KON")));
  if (!f4trim(F("UWA")).empty()) line("uwagi: " + f4trim(F("UWA")));
  line("");
  line("wystawił: " + f4trim(F("WYS")));
  if (open_tmp_edit_file(ctx, "NOT", "NOTA") != 0) return -1;
  write_page_edit_file(page.c_str());
  close_tmp_edit_file();
  edytuj_i_drukuj("NOTA");
  return 0;
}

std::string type_letter(FIELD4* f) {
  switch (f4int(f)) {
    case kNoteDebit: return "OBC";
    case kNoteCredit: return "UZN";
    case kNoteInterest: return "ODS";
    default: return "";
  }
}

// The panel under the list: the contractor's name lines, the content lines
// (joined and wrapped into three rows) and the remarks.
std::string content_row(int row) {
  std::string all;
  for (const char* name : {"OP1", "OP2", "OP3", "OP4", "OP5"}) {
    std::string line = f4trim(F(name));
    if (!line.empty()) all += (all.empty() ? "" : " ") + line;
  }
  std::vector<std::string> rows(3);
  size_t r = 0;
  for (size_t at = 0; at < all.size() && r < rows.size();) {
    size_t take = 0, chars = 0;
    while (at + take < all.size() && chars < 71) {
      do ++take; while (at + take < all.size() && (static_cast<unsigned char>(all[at + take]) & 0xC0) == 0x80);
      ++chars;
    }
    rows[r++] = all.substr(at, take);
    at += take;
  }
  return rows[static_cast<size_t>(row)];
}

void define_panel(RegisterFrame& f) {
  auto field = [](const char* name) { return [name] { return f4trim(F(name)); }; };
  dictionaries::define_info_panel(&f.texts, F("TYP"), 17, 62,
                                  {{0, 7, 71, field("NA1")},
                                   {1, 7, 71, field("NA2")},
                                   {2, 7, 71, [] { return content_row(0); }},
                                   {3, 7, 71, [] { return content_row(1); }},
                                   {4, 7, 71, [] { return content_row(2); }},
                                   {5, 7, 71, field("UWA")}});
}

int notes_main() {
  HostContext* ctx = data::state().ctx;
  if (data::open_firm_data(ctx) != 0) return 0;
  if (data::open_table(ctx, "W3NOTY  .DBF") != 0) return 0;
  data::TableHandles& t = data::handles("W3NOTY  .DBF");
  NotesRun run;
  run.t = &t;
  g_run = &run;
  define_forms(run);
  FIELD4* f_inf = t.field("INF");
  FIELD4* f_typ = t.field("TYP");
  RegisterFrame frame;
  auto number_text = [] { return note_number_text(f4str(F("PRE")), f4long(F("NUM")), f4str(F("POS"))); };
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 4201, 'd', -1, add_item, nullptr);
    MenuDefineItem(" Modyfikuj ", 4202, 'm', -1, modify_item, nullptr);
    MenuDefineItem(" Usuń ", 4203, 'u', 1, browse_skasuj, nullptr);
    MenuDefineItem(" Drukuj ", 4204, 'r', -1, print_item, nullptr);
    MenuDefineItem(" Filtry ", 4205, 'f', -1, filters_item, nullptr);
    MenuDefineItem(" Tabulogram ", 4206, 't', -1, tabulogram_item, nullptr);
    MenuDefineItem(" Szukaj ", 4207, 's', -1, search_item, nullptr);
    ScrollColumn* typ = DefineScrollColumn(&f.scroll, f_typ, 0, "typ");
    typ->width = 3;
    typ->show = [f_typ] { return type_letter(f_typ); };
    ScrollColumn* num = DefineScrollColumn(&f.scroll, t.field("NUM"), 0, "numer", t.tag(2));
    num->width = 20;
    num->show = number_text;
    DefineScrollColumn(&f.scroll, t.field("DAT"), 0, "data", t.tag(1));
    DefineScrollColumn(&f.scroll, t.field("KWO"), 0, "kwota");
    DefineScrollColumn(&f.scroll, t.field("KOD"), 0, "kod kontrahenta");
    define_panel(f);
    struct Col {
      const char* header;
      const char* field;
      int width;
    } cols[] = {{"numer", "NUM", 18},     {"data", "DAT", 10},   {"kwota", "KWO", 12}, {"kontrahent", "NA1", 30},
                {"c.d. 1", "NA2", 20},    {"NIP", "NIP", 13},    {"termin zapłaty", "DPL", 10},
                {"opis", "OP1", 30},      {"c.d. 1", "OP2", 20}, {"c.d. 2", "OP3", 20},  {"c.d. 3", "OP4", 20},
                {"c.d. 4", "OP5", 20},    {"uwagi", "UWA", 30}};
    TabuColumn* ct = DefineTabuColumn(&f.print_columns, "typ", 0, f_typ, 0, 1);
    ct->width = 3;
    ct->show = [f_typ] { return type_letter(f_typ); };
    int order = 2;
    for (const Col& c : cols) {
      TabuColumn* col = DefineTabuColumn(&f.print_columns, c.header, 0, t.field(c.field), 0, order++);
      col->width = c.width;
      if (std::string_view(c.field) == "NUM") col->show = number_text;
      if (std::string_view(c.field) == "KWO") col->flags = TABU_SUM;
    }
    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "W3NOTY";
    FilterExtras kinds;
    kinds.choices = {"1. OBCIĄŻENIOWA", "2. UZNANIOWA", "3. ODSETKOWA"};
    DefineFilter(&f.filters, f_typ, "typ noty.......", " typ:", FILTER_CHOICE, 0, kinds);
    DefineFilter(&f.filters, t.field("DAT"), "od dnia........", " od:", FILTER_DATE, 0);
    DefineFilter(&f.filters, t.field("DAT"), "do dnia........", " do:", FILTER_DATE, 2);
    LoadFilters(&f.filters);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    use_form(b, kNoteDebit);
    b->title.clear();
    b->stamp = f_inf;
    b->new_record = new_note;
    b->before_edit = before_edit;
    b->list_key = [](BROWSE* br, int key) {
      if (key == k::CtrlC) return copy_note(br);
      if (key == k::F2 && dictionaries::list_has_current(br)) {
        use_form(br, f4int(F("TYP")));
        br->title.clear();
      }
      return 1;
    };
    b->hot_key = [f_inf](int key) {
      if (key == k::CtrlC) return key;
      return hot_keys(key, -1, 4201, -1, 4202, 1, 4203, f_inf);
    };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(1), 17, 17, -1, build, fill);
  g_run = nullptr;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::InterestNotes, notes_main);

}  // namespace

}  // namespace skolvarin::interest
