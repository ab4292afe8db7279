#include "tests/browse/test_register.h"

#include <cstring>

#include "host/api/print_api.h"
#include "host/text/mazovia.h"

namespace browsetest {

namespace {

HostContext* g_ctx = nullptr;
Table* g_t = nullptr;

const char* kTemplate[3] = {
    "kod waluty....     nazwa waluty.............                                  ",
    "data kursu....                 kurs.........                                  ",
    "znacznik......     rodzaj...                                                  ",
};
const char* kTemplate2[2] = {
    "strona druga: znacznik..     rodzaj...                                        ",
    "              kod waluty....                                                  ",
};

std::string message_table() {
  std::string t = "  ";
  auto add = [&](int id, const std::string& utf8) {
    t += static_cast<char>(id & 0xFF);
    t += static_cast<char>(id >> 8);
    t += skolvarin::text::utf8_to_mazovia(utf8);
    t += '\0';
  };
  add(1, "Waluty próbne");
  add(2, "Wykaz walut próbnych");
  t[0] = static_cast<char>(t.size() & 0xFF);
  t[1] = static_cast<char>(t.size() >> 8);
  return t;
}

int valid_kod(EditControl* c) {
  if (valid_empty_get(c) != 0) return -1;
  return ValidUniqueTag(g_t->data, g_t->t_kod, QuickStr(c->buffer.c_str(), c->len), c->browse->mode, 20045) == 1
             ? -1
             : 0;
}

int filtry(int) {
  auto* b = current_browse();
  if (OpenFiltersWindow(b->filters) == skolvarin::keys::F2) browse_call(0, 0);
  return 0;
}

int szukaj(int code) {
  if (code == 1) browse_szukaj("Szukaj nazwy -", 10, g_t->t_naz);
  else browse_szukaj("Szukaj kodu -", 3, g_t->t_kod);
  return 0;
}

int new_record(BROWSE*) {
  f4assign_date(g_t->dat, g_ctx->today);
  f4assign(g_t->zna, " ");
  f4assign_int(g_t->typ, 1);
  return 0;
}

}  // namespace


RcsBytes resources(int id) {
  static const std::string table = message_table();
  static const std::string tpl = [] {
    std::string s;
    for (const char* r : kTemplate) s += r;
    return skolvarin::text::utf8_to_mazovia(s);
  }();
  if (id == 1) return {reinterpret_cast<const unsigned char*>(table.data()), table.size()};
  static const std::string tpl2 = [] {
    std::string s;
    for (const char* r : kTemplate2) s += r;
    return skolvarin::text::utf8_to_mazovia(s);
  }();
  if (id == 2) return {reinterpret_cast<const unsigned char*>(tpl.data()), tpl.size()};
  if (id == 3) return {reinterpret_cast<const unsigned char*>(tpl2.data()), tpl2.size()};
  return {};
}

int form_template() { return 2; }
int form_template2() { return 3; }

int open_table(HostContext* ctx, Table& t) {
  AllocDbfDefinition(ctx);
  DefineField(ctx, PackFieldName("KOD"), (3 << 8) + 2);
  DefineField(ctx, PackFieldName("NAZ"), (20 << 8) + 2);
  DefineField(ctx, PackFieldName("DAT"), (8 << 8) + 3);
  DefineField(ctx, PackFieldName("KUR"), (10 << 8) + (4 << 4) + 1);
  DefineField(ctx, PackFieldName("ZNA"), (1 << 8) + 2);
  DefineField(ctx, PackFieldName("TYP"), (1 << 8) + 1);
  DefineField(ctx, PackFieldName("INF"), (32 << 8) + 2);
  DefineTag(ctx, "UPPER(KOD)");
  DefineTag(ctx, "UPPER(NAZ)");
  DefineTag(ctx, "DTOS(DAT)+KOD");
  TAG4INFO* tags = nullptr;
  int rc = open_dbf(ctx, "W3WALU.DBF", &t.data, GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0)));
  if (rc == 0) {
    ResetDbfActivation(t.data, tags);
    t.kod = ActivateField(t.data);
    t.naz = ActivateField(t.data);
    t.dat = ActivateField(t.data);
    t.kur = ActivateField(t.data);
    t.zna = ActivateField(t.data);
    t.typ = ActivateField(t.data);
    t.inf = ActivateField(t.data);
    t.t_kod = ActivateTag(t.data);
    t.t_naz = ActivateTag(t.data);
    t.t_dat = ActivateTag(t.data);
  }
  ReleaseDbfDefinition(ctx);
  return rc;
}

void add_row(Table& t, const char* kod, const char* naz, const char* yyyymmdd, double kur, const char* zna,
             int typ) {
  d4append_start(t.data);
  f4assign(t.kod, kod);
  f4assign(t.naz, naz);
  f4assign(t.dat, yyyymmdd);
  f4assign_double(t.kur, kur);
  f4assign(t.zna, zna);
  f4assign_int(t.typ, typ);
  d4append(t.data);
}

int run_register(HostContext* ctx, Table& t, const Configure& configure) {
  // A register may run inside another one's form (a picker): the outer
  // one's table comes back when this one ends.
  HostContext* outer_ctx = g_ctx;
  Table* outer_t = g_t;
  g_ctx = ctx;
  g_t = &t;
  int saved = w4select(-1);
  static const std::vector<std::string> kinds = {"1. GŁÓWNA", "2. POBOCZNA", "3. INNA"};

  int szukaj_menu = DefineMenuWindow(-1, -1);
  MenuDefineItem(" Nazwa ", 9001, 'n', 1, szukaj, nullptr);
  MenuDefineItem(" Kod ", 9002, 'k', 2, szukaj, nullptr);
  int menu = DefineMainMenuWindow();
  MenuDefineItem(" Dopisz ", 9010, 'd', -1, browse_dopisz, nullptr);
  MenuDefineItem(" Modyfikuj ", 9020, 'm', -1, browse_modyfikuj, nullptr);
  MenuDefineItem(" Filtry ", 9030, 'f', -1, filtry, nullptr);
  MenuDefineItem(" Szukaj ", 9040, 's', -1, nullptr, &szukaj_menu);
  MenuDefineItem(" Drukuj ", 9050, 'r', -1, browse_drukuj, nullptr);
  MenuDefineItem(" Usuń ", 9060, 'u', 1, browse_skasuj, nullptr);

  ScrollDefinition scroll;
  ResetScrollDefinition(&scroll, 80);
  DefineScrollColumn(&scroll, t.kod, 0, "kod", t.t_kod);
  DefineScrollColumn(&scroll, t.naz, 0, "nazwa", t.t_naz);
  DefineScrollColumn(&scroll, t.dat, 0, "data", t.t_dat);
  DefineScrollColumn(&scroll, t.kur, 0, "kurs");
  DefineScrollColumn(&scroll, t.zna, 0, "Z");

  EditCtrlDefinition edits;
  ResetEditCtrlDefinition(&edits);
  EditControl* c = DefineEditCtrl(&edits, 0, 14, t.kod, EDIT_UPPER);
  c->valid = valid_kod;
  c = DefineEditCtrl(&edits, 0, 44, t.naz, 0);
  c->valid = valid_empty_get;
  c = DefineEditCtrl(&edits, 1, 14, t.dat, 0);
  c->picture = "DD-MM/YY";
  c->valid = test_daty_niepustej;
  c = DefineEditCtrl(&edits, 1, 44, t.kur, 0);
  c->picture = "99999.9999";
  c->valid = valid_wart_dodat;
  c = DefineEditCtrl(&edits, 2, 14, t.zna, 0);
  c = DefineEditCtrl(&edits, 2, 28, t.typ, 0);
  c->chooser = lista_wyboru(kinds);

  FiltersDefinition filters;
  ResetFiltersDefinition(&filters);
  DefineFilter(&filters, t.dat, "od dnia........", nullptr, FILTER_DATE, 0);
  DefineFilter(&filters, t.dat, "do dnia........", nullptr, FILTER_DATE, 2);
  DefineFilter(&filters, t.zna, "znacznik.......", " znak:", FILTER_MARK, 8, {.value = "*"});
  DefineFilter(&filters, t.naz, "nazwa..........", " nazwa:", FILTER_TEXT, 1);
  DefineFilter(&filters, t.typ, "rodzaj.........", " rodzaj:", FILTER_CHOICE, 0, {.choices = kinds});
  DefineFilter(&filters, t.kod, "waluta.........", " waluta:", FILTER_VALUE, 0);
  filters.key = "W3WALU";
  LoadFilters(&filters);

  TextCtrlDefinition texts;
  ResetTextCtrlDefinition(&texts);

  TabuDefinition tabu;
  ResetTabuDefinition(&tabu);
  DefineTabuColumn(&tabu, "kod|waluty", 0, t.kod, TABU_FIELD_WIDTH, 1);
  DefineTabuColumn(&tabu, "nazwa waluty", 0, t.naz, TABU_FIELD_WIDTH, 2);
  DefineTabuColumn(&tabu, "data", 0, t.dat, TABU_FIELD_WIDTH, 3);
  DefineTabuColumn(&tabu, "kurs|średni", 0, t.kur, TABU_FIELD_WIDTH | TABU_SUM, 4);

  BROWSE* b = nullptr;
  if (allocate_browse(&b, t.data, t.t_kod, &scroll, menu) == 0) {
    b->title_id = 1;
    b->print_title_id = 2;
    b->edit_controls = &edits;
    b->print_columns = &tabu;
    b->form_template = form_template;
    b->form_rows = 3;
    b->new_record = new_record;
    b->filters = &filters;
    b->filter_function = FilterFunction;
    b->stamp = t.inf;
    b->hot_key = [](int key) { return hot_keys(key, -1, 9010, -1, 9020, 1, 9060, g_t->inf); };
    if (configure) {
      RegisterParts parts{b, edits, texts, filters};
      configure(parts);
    }
    zrob_browse(b, 3, 3, 0);
    free_browse(b);
  }
  FreeFilters(&filters);
  w4close(menu);
  w4close(szukaj_menu);
  w4select(saved);
  g_ctx = outer_ctx;
  g_t = outer_t;
  return 0;
}

}  // namespace browsetest
