// Contractors (" Kontrahenci "): the firm's suppliers and customers.
//
// A new contractor starts as type 3, active, VAT payer, expense type 1,
// class A.  Before a record is edited its empty flags are repaired and a
// NIP that fails the check (main-options key 31) makes it a non-payer.  The
// code must be filled and unique; typing the tax number sets the VAT flag.
// In the list F2 shows the whole card, F3 to F6 toggle the marks A to D, F7
// the status and F8 the VAT flag, each written at once.
#include <cstdlib>
#include <string>
#include <vector>

#include "dictionaries/contractor_card.h"
#include "dictionaries/contractor_labels.h"
#include "dictionaries/dictionary_rules.h"
#include "dictionaries/identifiers.h"
#include "dictionaries/pickers.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kDuplicateCode = 20083;
constexpr int kNothingThere = 50007;
constexpr const char* kTitle = "Kontrahenci";

bool nip_check_on() { return data::state().options.nip_check == 'T'; }
bool pesel_check_on() { return data::state().options.pesel_check == 'T'; }

char first_char(FIELD4* f) {
  std::string s = f4str(f);
  return s.empty() ? ' ' : s[0];
}

void put_char(FIELD4* f, char c) {
  char text[2] = {c, 0};
  f4assign(f, text);
}

std::vector<std::string> list_of(const auto& texts, size_t from) {
  std::vector<std::string> out;
  for (size_t i = from; i < texts.size(); ++i) out.emplace_back(texts[i]);
  return out;
}

ContractorFlags read_flags(data::TableHandles& t) {
  return {f4int(t.field("TYP")), first_char(t.field("STA")), first_char(t.field("CZV")), f4int(t.field("TKO")),
          first_char(t.field("TYC"))};
}

void write_flags(data::TableHandles& t, const ContractorFlags& f) {
  f4assign_int(t.field("TYP"), f.typ);
  put_char(t.field("STA"), f.sta);
  put_char(t.field("CZV"), f.czv);
  f4assign_int(t.field("TKO"), f.tko);
  put_char(t.field("TYC"), f.tyc);
}

// F2: the whole card, read only, until a key is pressed.
void show_card(data::TableHandles& t) {
  int window = w4define(0, 0, kCardRows - 1, 79);
  if (window < 0) return;
  w4border(window, 0);
  int saved = w4select(window);
  w4activate(window);
  PrintBuffer *work = nullptr, *original = nullptr;
  if (print_alloc(&work, &original, kCardRows * 78, template_id(kCardTemplate), 78) == 0) {
    for (int r = 0; r < print_rows(work) && r < kCardRows; ++r) w4write(r, 1, print_row(work, r).c_str());
    print_free(&work, &original);
  }
  for (const CardPlace& p : contractor_card()) {
    FIELD4* f = t.field(p.field);
    std::string v = p.field == std::string_view("TYP") ? contractor_type_name(f4int(f))
                    : p.field == std::string_view("TKO") ? expense_type_name(f4int(f))
                                                          : f4trim(f);
    w4write(p.row, p.col + 1, v.c_str());
  }
  w4cursor(-1, -1);
  g4char();
  w4close(window);
  w4select(saved);
}

struct Toggle {
  int key;
  const char* field;
  char (*next)(char);
};
constexpr Toggle kToggles[] = {
    {skolvarin::keys::F3, "ZNA", toggle_mark},   {skolvarin::keys::F4, "ZNB", toggle_mark},
    {skolvarin::keys::F5, "ZNC", toggle_mark},   {skolvarin::keys::F6, "ZND", toggle_mark},
    {skolvarin::keys::F7, "STA", toggle_status}, {skolvarin::keys::F8, "CZV", toggle_vat},
};

// A toggle written at once: the record is locked and read fresh, changed
// and written; a failed lock or write leaves the record as it was.
void apply_toggle(data::TableHandles& t, const Toggle& toggle) {
  long rec = d4recno(t.data);
  if (go_and_lock(t.data, rec) != 0) return;
  FIELD4* f = t.field(toggle.field);
  put_char(f, toggle.next(first_char(f)));
  if (write_and_unlock(t.data) != 0) {
    d4refresh_record(t.data);
    d4unlock(t.data);
  }
  browse_call(1, rec);
}

int list_key(BROWSE* b, int key) {
  data::TableHandles& t = table("W3KHNT.DBF");
  bool handled = key == skolvarin::keys::F2;
  for (const Toggle& tg : kToggles) handled = handled || tg.key == key;
  if (!handled) return 1;
  if (!list_has_current(b)) {
    Uwaga(kNothingThere);
    return 0;
  }
  if (key == skolvarin::keys::F2) {
    show_card(t);
    return 0;
  }
  for (const Toggle& tg : kToggles)
    if (tg.key == key) apply_toggle(t, tg);
  return 0;
}

int filters_item(int) {
  BROWSE* b = current_browse();
  if (!b || !b->user) return -1;
  OpenFiltersWindow(&static_cast<RegisterFrame*>(b->user)->filters);
  browse_call(0, 0);
  return 0;
}

int print_item(int) {
  BROWSE* b = current_browse();
  if (!b || !b->user) return -1;
  if (OpenFiltersWindow(&static_cast<RegisterFrame*>(b->user)->filters) != skolvarin::keys::F2) return 0;
  browse_call(0, 0);
  return browse_drukuj(0);
}

int search_item(int code) {
  data::TableHandles& t = table("W3KHNT.DBF");
  if (code == 1) return browse_szukaj("Szukaj nazwy -", f4len(t.field("NA1")) / 2, t.tag(1));
  return browse_szukaj("Szukaj kodu nazwy -", f4len(t.field("KOD")), t.tag(2));
}

// The type fields show their names ("3. DOST/NAB") for the digit kept.
std::string type_shown(const std::string& text) { return contractor_type_name(std::atoi(text.c_str())); }
std::string expense_shown(const std::string& text) { return expense_type_name(std::atoi(text.c_str())); }

int one_of(EditControl* c, const char* allowed, const char* message) {
  std::string v = upper(c->buffer);
  char ch = v.empty() ? ' ' : v[0];
  for (const char* a = allowed; *a; ++a)
    if (ch == *a) return 0;
  MessageWindow(2, 0, message, 0);
  return -1;
}

void define_form(RegisterFrame& f, data::TableHandles& t) {
  FIELD4* f_kod = t.field("KOD");
  FIELD4* f_czv = t.field("CZV");
  for (const CardPlace& p : contractor_card()) {
    FIELD4* field = t.field(p.field);
    bool first_page = p.row < kFirstPageRows;
    int row = first_page ? p.row : p.row + kFirstPageRows;
    std::string_view name = p.field;
    if (first_page) {
      TextControl* text = DefineTextCtrl(&f.texts, p.row + kFirstPageRows, p.col, field, 0);
      if (name == "TYP") text->show = type_shown;
    }
    int flags = (name == "KOD" || name == "STA" || name == "TYC" || name == "NIP") ? EDIT_UPPER : 0;
    if (name == "TYC") flags |= EDIT_REPLACE;
    EditControl* c = DefineEditCtrl(&f.edits, row, p.col, field, flags);
    if (name == "KOD") {
      c->valid = not_empty_and_unique(t.data, t.tag(2), kDuplicateCode, [f_kod] { return upper(padded(f_kod)); });
    } else if (name == "NIP") {
      c->valid = [f_czv](EditControl* ctrl) {
        NipFieldVerdict v = nip_field_verdict(ctrl->buffer, nip_check_on(), pesel_check_on());
        if (v.warning) Uwaga(v.warning);
        if (v.czv) put_char(f_czv, v.czv);
        return 0;
      };
      c->mark = [](const std::string& text) { return nip_field_wrong(text) ? std::string(kWrongNipMark) : std::string(); };
    } else if (name == "CZV") {
      c->chooser = wybierz_tak_nie;
      c->chooser_mode = 1;
    } else if (name == "TYP") {
      c->chooser = lista_wyboru(list_of(kContractorTypes, 1));
      c->chooser_mode = 1;
      c->show = type_shown;
    } else if (name == "TKO") {
      c->chooser = lista_wyboru(list_of(kExpenseTypes, 0));
      c->chooser_mode = 1;
      c->show = expense_shown;
    } else if (name == "KRA") {
      c->chooser = choose_country;
    } else if (name == "STA") {
      c->valid = [](EditControl* ctrl) { return one_of(ctrl, "AN", "Wybierz 'A' lub 'N'"); };
    } else if (name == "TYC") {
      c->valid = [](EditControl* ctrl) { return one_of(ctrl, "ABC", "Wybierz 'A,B,C"); };
    } else if (name == "DDT") {
      c->picture = "DD-MM/YY";
    }
  }
}

void define_filters(RegisterFrame& f, data::TableHandles& t) {
  f.has_filters = true;
  ResetFiltersDefinition(&f.filters);
  f.filters.key = "W3KHNT";
  DefineFilter(&f.filters, t.field("KOD"), "kod..........", " kod:", FILTER_TEXT, 1);
  FilterExtras types;
  types.choices = list_of(kContractorTypes, 1);
  DefineFilter(&f.filters, t.field("TYP"), "typ..........", " typ:", FILTER_CHOICE, 0, types);
  FilterExtras status;
  status.valid = [](EditControl* c) { return one_of(c, "AN", "Wybierz 'A' lub 'N'"); };
  DefineFilter(&f.filters, t.field("STA"), "status.......", " status:", FILTER_TEXT, 0, status);
  DefineFilter(&f.filters, t.field("MIA"), "miasto.......", " miasto:", FILTER_TEXT, 1);
  FilterExtras country;
  country.picker = choose_country;
  DefineFilter(&f.filters, t.field("KRA"), "kraj.........", " kraj:", FILTER_TEXT, 0, country);
  FilterExtras vat;
  vat.valid = [](EditControl* c) { return one_of(c, "TN", "Wybierz 'T' lub 'N'"); };
  vat.compare = [](FIELD4* field, const std::string& value) {
    char want = value.empty() ? ' ' : upper(value)[0];
    return vat_filter_matches(want, first_char(field)) ? ROW_PASSES : ROW_FAILS;
  };
  DefineFilter(&f.filters, t.field("CZV"), "podatnik VAT.", " VAT:", FILTER_TEXT, 0, vat);
  const char* marks[][3] = {{"ZNA", "typ A........", " A"},
                            {"ZNB", "typ B........", " B"},
                            {"ZNC", "typ C........", " C"},
                            {"ZND", "typ D........", " D"}};
  for (auto& m : marks) {
    FilterExtras mark;
    mark.value = "*";
    DefineFilter(&f.filters, t.field(m[0]), m[1], m[2], FILTER_MARK, 8, mark);
  }
  LoadFilters(&f.filters);
}

void define_print(RegisterFrame& f, data::TableHandles& t) {
  struct Col {
    const char* header;
    const char* field;
    int width;
  } cols[] = {{"kod", "KOD", 12},       {"nazwa", "NA1", 30},  {"nazwa cd", "NA2", 20}, {"kod poczt.", "KOP", 10},
              {"miasto", "MIA", 16},    {"ulica", "ULI", 24},  {"kraj", "KRA", 12},     {"tel.", "TEL", 14},
              {"fax.", "FAX", 14},      {"NIP", "NIP", 13},    {"osoba", "OSO", 16},    {"adres WWW", "WWW", 20},
              {"email", "EMA", 20},     {"rabat", "UPU", 6}};
  int order = 1;
  for (const Col& c : cols) {
    TabuColumn* col = DefineTabuColumn(&f.print_columns, c.header, 0, t.field(c.field), 0, order++);
    col->width = c.width;
  }
}

}  // namespace

int contractors_main() {
  data::TableHandles& t = table("W3KHNT.DBF");
  if (!t.open()) return 0;
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 6210, kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 6240, kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Filtry ", 6230, kKeyFilters, -1, filters_item, nullptr);
    MenuDefineItem(" Szukaj ", 6270, kKeySearch, -1, nullptr, &f.search_menu);
    MenuDefineItem(" Drukuj ", 6220, kKeyPrint, -1, print_item, nullptr);
    MenuDefineItem(" Usuń ", 6250, kKeyDelete, 1, browse_skasuj, nullptr);
    MenuDefineItem(" Naklejki ", 6280, kKeyLabels, -1, labels_item, nullptr);
    f.search_menu = DefineMenuWindow(-1, -1);
    if (f.search_menu >= 0) {
      MenuDefineItem(" Nazwa ", 6272, 'n', 1, search_item, nullptr);
      MenuDefineItem(" Kod nazwy ", 6271, 'k', 2, search_item, nullptr);
    }
    for (auto [header, name] : {std::pair{"S", "STA"}, {"V", "CZV"}, {"A", "ZNA"}, {"B", "ZNB"}, {"C", "ZNC"},
                                {"D", "ZND"}})
      DefineScrollColumn(&f.scroll, t.field(name), 0, header);
    FIELD4* f_typ = t.field("TYP");
    ScrollColumn* typ = DefineScrollColumn(&f.scroll, f_typ, 0, "typ");
    typ->width = 11;
    typ->show = [f_typ] { return std::string(contractor_type_name(f4int(f_typ))); };
    DefineScrollColumn(&f.scroll, t.field("KOD"), 0, "kod", t.tag(2));
    DefineScrollColumn(&f.scroll, t.field("NA1"), 0, "nazwa", t.tag(1))->width = 33;
    define_form(f, t);
    define_filters(f, t);
    define_print(f, t);
  };
  auto fill = [&](BROWSE* b) {
    b->title = kTitle;
    b->print_title = "Wykaz kontrahentów";
    b->form_template = template_id(kCardTemplate);
    b->form_rows = kFirstPageRows;
    b->form_template2 = template_id(kCardTemplate);
    b->form_rows2 = kCardRows;
    b->stamp = f_inf;
    b->new_record = [&t](BROWSE*) {
      write_flags(t, new_contractor_flags());
      return 0;
    };
    // A wrong tax number kept on purpose is marked '!' in the list.
    b->row_mark = [&t](BROWSE*) { return nip_field_wrong(f4str(t.field("NIP"))) ? '!' : 0; };
    b->row_attr = [&t](BROWSE*) { return nip_field_wrong(f4str(t.field("NIP"))) ? 4 : -1; };
    b->before_edit = [&t](BROWSE*) {
      write_flags(t, repair_before_edit(read_flags(t), f4str(t.field("NIP")), nip_check_on()));
      return 0;
    };
    b->list_key = list_key;
    // F2 to F8 are the list's own keys (F5 would otherwise modify).
    b->hot_key = [f_inf](int key) {
      if (key >= skolvarin::keys::F2 && key <= skolvarin::keys::F8) return key;
      return hot_keys(key, -1, 6210, -1, 6240, 1, 6250, f_inf);
    };
  };
  return run_register(frame, t.data, t.tag(1), kFirstPageRows, kCardRows, 0, build, fill);
}

namespace {
const frame::RegisterProvider provider(frame::RegisterId::Contractors, contractors_main);
}  // namespace

}  // namespace skolvarin::dictionaries
