// The bank transfers register (see transfers_register.h).
//
// A new transfer's type is chosen from " WYBIERZ " (or kept when copying);
// it is marked for printing and gets its type's defaults: the ordering
// party is the firm with the account its type is paid from (basic for
// ordinary transfers, the ZUS settings' account types for ZUS and tax
// transfers), and choosing another account type takes that account; a ZUS transfer goes to ZUS
// with payment type "S", symbol "ZUSSP" and this month's declaration
// period; a tax transfer to a tax office with the monthly tax period.
#include "transfers/transfers_register.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/firm_data_table.h"
#include "data/opener.h"
#include "data/openers.h"
#include "data/settings.h"
#include "data/transfer_table.h"
#include "dictionaries/pickers.h"
#include "dictionaries/register_frame.h"
#include "dictionaries/register_tools.h"
#include "frame/register_hooks.h"
#include "host/api/calendar.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"
#include "transfers/transfer_options.h"
#include "transfers/transfer_rules.h"

namespace skolvarin::transfers {

namespace {

using dictionaries::RegisterFrame;
using dictionaries::template_id;

constexpr const char* kFile = "W3PLEW  .DBF";
constexpr int kFormTemplate = 68, kFormRows = 19;
constexpr int kTitleMessage = 108, kZeroTransfer = 121;
constexpr int kEmptyList = 50007;
constexpr int kDefaultZusAccount = 20014;

struct TransferRun {
  RegisterFrame frame;
  int print_menu = -1;
  bool copying = false;
  std::vector<std::string> pattern;  // the copied transfer's fields
  int pending_type = 0;
  const TransferPrefill* prefill = nullptr;
};
TransferRun* g_run = nullptr;

data::TableHandles& T() { return data::handles(kFile); }
FIELD4* F(const char* name) { return T().field(name); }

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(v, 2));
  return buf;
}

// ------------------------------------------------------------ parties

struct Party {
  std::string name1, name2, address1, address2, bank, account;
};

FIELD4* field_of(const char* file, const char* name) {
  data::TableHandles& h = data::handles(file);
  return h.open() ? h.field(name) : nullptr;
}
std::string text(const char* file, const char* name) {
  FIELD4* f = field_of(file, name);
  return f ? f4trim(f) : std::string();
}
std::string joined(const std::string& a, const std::string& b) {
  if (b.empty()) return a;
  return a.empty() ? b : a + " " + b;
}

// The firm's own data with its account of `account_type` (1..5).
Party firm_party(int account_type) {
  const char* F = "W3PAWL.DBF";
  Party p;
  p.name1 = text(F, "NA1");
  p.name2 = text(F, "NA2");
  p.address1 = joined(text(F, "ULI"), joined(text(F, "NRD"), text(F, "NRM").empty() ? "" : "/" + text(F, "NRM")));
  p.address2 = joined(text(F, "KOD"), text(F, "MIA"));
  int t = account_type >= 1 && account_type <= 5 ? account_type : 1;
  std::string n = std::to_string(t);
  p.bank = text(F, ("BAN" + n).c_str());
  p.account = text(F, ("NRR" + n).c_str());
  return p;
}

Party zus_party() {
  const char* F = "W3PAWL.DBF";
  Party p;
  p.name1 = text(F, "ZNA").empty() ? "ZUS" : text(F, "ZNA");
  p.address1 = joined(text(F, "ZUL"), text(F, "ZDO"));
  p.address2 = joined(text(F, "ZKO"), text(F, "ZMI"));
  p.bank = text(F, "ZBA");
  p.account = text(F, "ZN1").empty() ? RcQStr(kDefaultZusAccount) : text(F, "ZN1");
  return p;
}

// Looks the party up in the register of its kind; false when not found.
bool find_party(int kind, const std::string& code, Party& p) {
  auto seek = [](const char* file, int tag, const std::string& key) {
    data::TableHandles& h = data::handles(file);
    if (!h.open()) return false;
    d4tag_select(h.data, h.tag(tag));
    return d4seek(h.data, key.c_str()) == 0;
  };
  auto go = [](const char* file, long rec) {
    data::TableHandles& h = data::handles(file);
    return h.open() && rec > 0 && d4go(h.data, rec) == 0;
  };
  switch (kind) {
    case kContractor: {
      if (!seek("W3KHNT.DBF", 2, dictionaries::upper(code))) return false;
      const char* K = "W3KHNT.DBF";
      p = {text(K, "NA1"), text(K, "NA2"), text(K, "ULI"), joined(text(K, "KOP"), text(K, "MIA")), text(K, "BAN"),
           text(K, "KON")};
      return true;
    }
    case kTaxOffice: {
      char key[16];
      std::snprintf(key, sizeof key, "%4d", std::atoi(code.c_str()));
      data::TableHandles& h = data::handles("W3USKA.DBF");
      if (!h.open()) return false;
      bool found = false;
      for (int rc = d4top(h.data); rc == 0; rc = d4skip(h.data, 1))
        if (f4int(h.field("KOD")) == std::atoi(code.c_str()) && !d4deleted(h.data)) {
          found = true;
          break;
        }
      if (!found) return false;
      const char* U = "W3USKA.DBF";
      p = {text(U, "NAZ"), "", joined(text(U, "ULI"), text(U, "DOM")), joined(text(U, "KDP"), text(U, "MIA")),
           text(U, "BCP"), text(U, "KNC")};
      return true;
    }
    case kZusOffice: p = zus_party(); return true;
    case kEmployee: {
      if (!go("W3PRAC.DBF", std::atol(code.c_str()))) return false;
      const char* E = "W3PRAC.DBF";
      p = {joined(text(E, "NAZ"), text(E, "IM1")), "", joined(text(E, "ULI"), text(E, "NRD")),
           joined(text(E, "KOD"), text(E, "MIA")), text(E, "BAN"), text(E, "KON")};
      return true;
    }
    case kFirm: p = firm_party(f4int(F("TYB"))); return true;
    case kPartner: {
      if (!go("W3WSPL  .DBF", std::atol(code.c_str()))) return false;
      const char* W = "W3WSPL  .DBF";
      p = {joined(text(W, "NAZ"), text(W, "IM1")), "", joined(text(W, "ULI"), text(W, "NRD")),
           joined(text(W, "KOD"), text(W, "MIA")), "", ""};
      return true;
    }
    default: return false;
  }
}

void put_ordering(const Party& p) {
  f4assign(F("NZ1"), p.name1.c_str());
  f4assign(F("NZ2"), p.name2.c_str());
  f4assign(F("AZ1"), p.address1.c_str());
  f4assign(F("AZ2"), p.address2.c_str());
  f4assign(F("BAZ"), p.bank.c_str());
  f4assign(F("KNZ"), p.account.c_str());
}
void put_beneficiary(const Party& p) {
  f4assign(F("NO1"), p.name1.c_str());
  f4assign(F("NO2"), p.name2.c_str());
  f4assign(F("AO1"), p.address1.c_str());
  f4assign(F("AO2"), p.address2.c_str());
  f4assign(F("BAO"), p.bank.c_str());
  f4assign(F("KNO"), p.account.c_str());
}

// The firm's account a new transfer of `type` is paid from: ZUS and tax
// transfers take the account types of the ZUS settings (keys 28 and 47),
// ordinary ones the basic account.
int default_account_type(int type) {
  if (type != kZus && type != kTax) return 1;
  int zus = 1, tax = 1;
  data::SettingsGroup g{data::settings_label("W3PAZU.DBF"), data::find_table("W3PAZU.DBF"),
                        {data::SettingKey::integer(28, &zus, 1), data::SettingKey::integer(47, &tax, 1)}};
  if (g.table && data::read_settings(data::state().ctx, g, 0) != 0) return 1;
  int t = type == kZus ? zus : tax;
  return t >= 1 && t <= 5 ? t : 1;
}

// Fills the record buffer of a new transfer of `type` with its defaults.
void fill_new(int type, int account_type) {
  HostContext* ctx = data::state().ctx;
  TransferOptions opt = options_from(data::state().options);
  char form = type == kZus ? opt.zus_form : type == kTax ? opt.tax_form : opt.ordinary_form;
  TransferDefaults d = new_transfer_defaults(type, ctx->today, form);
  f4assign(F("DAP"), to_dbf(ctx->today).c_str());
  f4assign_int(F("TYP"), d.type);
  f4assign(F("DRU"), "T");
  f4assign(F("ROW"), std::string(1, d.form).c_str());
  f4assign_int(F("SOZ"), kFirm);
  f4assign_int(F("TYB"), account_type);
  put_ordering(firm_party(account_type));
  f4assign(F("NIP"), text("W3PAWL.DBF", "NIP").c_str());
  if (d.beneficiary_kind) f4assign_int(F("SOO"), d.beneficiary_kind);
  if (type == kZus) put_beneficiary(zus_party());
  if (!d.beneficiary_name.empty()) f4assign(F("NO1"), d.beneficiary_name.c_str());
  f4assign(F("TWP"), d.payment_type.c_str());
  f4assign(F("DEK"), d.period.c_str());
  f4assign(F("SYP"), d.symbol.c_str());
}

// ------------------------------------------------------------ menu items

int choose_type() {
  std::vector<std::string> items;
  for (int t = 1; t <= 3; ++t) items.push_back(" " + std::to_string(t) + ". " + type_name(t) + " ");
  int c = wybierz_z_listy(items, 0);
  return c < 0 ? 0 : c + 1;
}

int add_item(int code) {
  if (!g_run) return -1;
  g_run->copying = code == 2;
  if (!g_run->copying) {
    g_run->pending_type = choose_type();
    if (g_run->pending_type == 0) return 0;
  } else if (!dictionaries::list_has_current(current_browse())) {
    Uwaga(kEmptyList);
    return 0;
  } else {
    g_run->pattern.clear();
    for (FIELD4* f : T().fields) g_run->pattern.push_back(f4str(f));
  }
  return browse_dopisz(0);
}

int filters_item(int) { return g_run ? dictionaries::open_filters(&g_run->frame.filters) : -1; }

int mark_item(int) {
  BROWSE* b = current_browse();
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kEmptyList);
    return 0;
  }
  DATA4* d = T().data;
  long rec = d4recno(d);
  if (go_and_lock(d, rec) != 0) return 0;
  f4assign(F("DRU"), f4trim(F("DRU")) == "T" ? "N" : "T");
  if (write_and_unlock(d) != 0) d4refresh_record(d);
  d4unlock(d);
  browse_call(1, rec);
  return 0;
}

// " Kasuj ": every transfer that passes the filters is unmarked.
int unmark_item(int) {
  if (!g_run) return -1;
  DATA4* d = T().data;
  if (set_lock(d, -1) != 0) return 0;
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, &g_run->frame.filters);
  std::vector<long> records;
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) records.push_back(d4recno(d));
  for (long rec : records) {
    if (d4go(d, rec) != 0) continue;
    f4assign(F("DRU"), "N");
    d4write(d, rec);
  }
  d4unlock(d);
  browse_call(0, 0);
  return 0;
}

int sum_item(int) {
  if (!g_run) return -1;
  if (!dictionaries::filters_accepted(&g_run->frame.filters)) return 0;
  DATA4* d = T().data;
  if (set_lock(d, -1) != 0) return 0;
  double sums[7] = {0, 0, 0, 0, 0, 0, 0};
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, &g_run->frame.filters);
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) {
    int t = f4int(F("TYB"));
    if (t >= 1 && t <= 6) sums[t] = R(sums[t] + f4double(F("KWO")), 2);
  }
  d4unlock(d);
  int window = DefineWyboruWindow(8, 40, " PODSUMOWANIE ");
  if (window < 0) return 0;
  const char* labels[] = {"", "Konto podstawowe..", "Konto pomocnicze 1", "Konto pomocnicze 2", "Konto pomocnicze 3",
                          "Konto pomocnicze 4", "Konto inne........"};
  int saved = w4select(window);
  w4activate(window);
  for (int t = 1; t <= 6; ++t) {
    char line[64];
    std::snprintf(line, sizeof line, "%s %14s", labels[t], money(sums[t]).c_str());
    w4write(t - 1, 1, line);
  }
  w4cursor(-1, -1);
  g4char();
  w4close(window);
  w4select(saved);
  return 0;
}

// The transfer on the bank's preprinted form: the values only, at the rows
// of the form's fields, in the form's characters per line and boxes; each
// part of the form (odcinek) gets the same values.
void print_preprinted(const TransferOptions& opt, const std::string& name, int type, bool as_tax, int parts,
                      const std::string& sign, const std::string& words) {
  print_line(name.c_str());
  PreprintedTransfer t;
  t.type = as_tax ? kTax : type == kZus ? kZus : kOrdinary;
  t.beneficiary = joined(f4trim(F("NO1")), f4trim(F("NO2")));
  t.beneficiary_account = nrb_digits(f4trim(F("KNO")));
  t.amount = sign + money(f4double(F("KWO"))) + sign;
  t.payer_account = nrb_digits(f4trim(F("KNZ")));
  t.words = words;
  t.payer = joined(f4trim(F("NZ1")), f4trim(F("NZ2")));
  t.title = joined(f4trim(F("TY1")), f4trim(F("TY2")));
  t.nip = f4trim(F("NIP"));
  t.id_type = f4trim(F("IDD"));
  t.id_number = f4trim(F("NRD"));
  t.payment_type = f4trim(F("TWP"));
  t.period = f4trim(F("DEK"));
  t.symbol = f4trim(F("SYP"));
  t.obligation = f4trim(F("IZO"));
  const bool boxes = as_tax ? opt.tax_boxes == 'T' : opt.ordinary_boxes == 'T';
  const int line = as_tax ? opt.tax_line : opt.ordinary_line;
  const std::vector<std::string> rows = preprinted_rows(t, line, boxes);
  for (int part = 1; part <= (parts == 2 || parts == 4 ? parts : 1); ++part) {
    for (const std::string& r : rows) print_line(r.c_str());
    print_line("");
  }
}

// The transfer form printed on plain paper: the form's name, both parties,
// the account numbers, the amount with its sign characters and in words;
// on the bank's preprinted form only the values (print_preprinted).
void print_one(const TransferOptions& opt) {
  const int type = f4int(F("TYP"));
  const bool tax_as_plain = type == kTax && opt.tax_as_ordinary == 'T';
  const bool preprinted = type == kZus ? opt.zus_preprinted == 'T'
                          : type == kTax && !tax_as_plain ? opt.tax_preprinted == 'T'
                                                          : opt.ordinary_preprinted == 'T';
  const bool payment = f4trim(F("ROW")) == "W";
  std::string name = payment ? "Wpłata" : "Przelew";
  if (preprinted) name += " oryg.";
  const int parts = type == kTax && !tax_as_plain ? opt.tax_parts : opt.ordinary_parts;
  std::string sign(static_cast<size_t>(opt.sign_count > 0 ? opt.sign_count : 0), opt.sign);
  auto account = [&](const char* field) {
    std::string d = nrb_digits(f4trim(F(field)));
    if (d.empty()) return f4trim(F(field));
    if (opt.split_account != 'T') return d;
    std::string out = d.substr(0, 2);
    for (size_t i = 2; i < d.size(); i += 4) out += " " + d.substr(i, 4);
    return out;
  };
  char words[512];
  slownie(f4double(F("KWO")), words, sizeof words);
  if (preprinted) {
    print_preprinted(opt, name, type, type == kTax && !tax_as_plain, parts, sign, words);
    return;
  }
  for (int part = 1; part <= (parts == 2 || parts == 4 ? parts : 1); ++part) {
    print_line((name + "  -  odcinek " + std::to_string(part) + "  " + type_name(type)).c_str());
    print_line(("nazwa zleceniodawcy: " + joined(f4trim(F("NZ1")), f4trim(F("NZ2")))).c_str());
    if (opt.ordinary_addresses == 'T') print_line(("  " + joined(f4trim(F("AZ1")), f4trim(F("AZ2")))).c_str());
    print_line(("w ciężar rachunku:   " + account("KNZ")).c_str());
    print_line(("nazwa odbiorcy:      " + joined(f4trim(F("NO1")), f4trim(F("NO2")))).c_str());
    if (opt.ordinary_addresses == 'T') print_line(("  " + joined(f4trim(F("AO1")), f4trim(F("AO2")))).c_str());
    print_line(("na rachunek:         " + account("KNO")).c_str());
    print_line(("kwota:               " + sign + money(f4double(F("KWO"))) + sign + " PLN").c_str());
    print_line(("słownie:             " + std::string(words)).c_str());
    if (type == kZus)
      print_line(("NIP " + f4trim(F("NIP")) + "  typ wpłaty " + f4trim(F("TWP")) + "  deklaracja " + f4trim(F("DEK")) +
                  "  " + f4trim(F("SYP"))).c_str());
    else if (type == kTax && !tax_as_plain)
      print_line(("NIP " + f4trim(F("NIP")) + "  okres " + f4trim(F("DEK")) + "  symbol " + f4trim(F("SYP")) +
                  "  " + f4trim(F("IZO"))).c_str());
    print_line(("tytułem:             " + joined(f4trim(F("TY1")), f4trim(F("TY2")))).c_str());
    Date d;
    from_dbf(f4str(F("DAP")), d);
    print_line(("data:                " + to_shown(d)).c_str());
    print_line("");
  }
}

int print_current(int) {
  BROWSE* b = current_browse();
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kEmptyList);
    return 0;
  }
  if (init_prn(data::state().ctx, "PRZ", "Przelew") != 0) return 0;
  print_one(options_from(data::state().options));
  deinit_prn(1);
  return 0;
}

int print_marked(int) {
  DATA4* d = T().data;
  TransferOptions opt = options_from(data::state().options);
  std::vector<long> records;
  TAG4* saved = d4tag_selected(d);
  d4tag_select(d, T().tag(1));
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1))
    if (!d4deleted(d) && f4trim(F("DRU")) == "T") records.push_back(d4recno(d));
  if (records.empty()) {
    d4tag_select(d, saved);
    Uwaga(kEmptyList);
    return 0;
  }
  if (init_prn(data::state().ctx, "PRZ", "Przelewy wybrane") == 0) {
    for (size_t i = 0; i < records.size(); ++i) {
      if (i) drukuj_form_feed();
      d4go(d, records[i]);
      print_one(opt);
    }
    deinit_prn(1);
  }
  d4tag_select(d, saved);
  return 0;
}

int tabulogram_item(int) { return browse_drukuj(0); }

int options_item(int) {
  options_window();
  return 0;
}

// Search: a date, a pattern in the title, a pattern in the beneficiary.
int search_item(int code) {
  const char* prompts[] = {"", "Szukaj daty -", "Szukaj wzorca w tytułem -", "Wzorzec w odbiorcy -"};
  if (code < 1 || code > 3 || !g_run) return -1;
  const std::string want = dictionaries::ask_search(prompts[code], code == 1);
  if (want.empty()) return 0;
  if (!dictionaries::find_filtered(T().data, &g_run->frame.filters, [&] {
        return code == 1 ? std::string(f4str(F("DAP"))) >= want
               : code == 2
                   ? dictionaries::upper(f4trim(F("TY1")) + " " + f4trim(F("TY2"))).find(want) != std::string::npos
                   : dictionaries::upper(f4trim(F("NO1")) + " " + f4trim(F("NO2"))).find(want) != std::string::npos;
      }))
    Uwaga(kEmptyList);
  return 0;
}

// ------------------------------------------------------------ the form

std::string kind_shown(const std::string& v) { return party_kind_name(std::atoi(v.c_str())); }

ChooserFunction list_chooser(std::vector<std::string> items) {
  return [items](EditControl* c) {
    int now = std::atoi(c->buffer.c_str());
    int chosen = wybierz_z_listy(items, now >= 1 && now <= static_cast<int>(items.size()) ? now - 1 : 0);
    if (chosen < 0) return 27;
    c->buffer = std::to_string(chosen + 1);
    return 0;
  };
}

std::vector<std::string> kind_items() {
  std::vector<std::string> v;
  for (int k = 1; k <= 7; ++k) v.push_back(" " + std::to_string(k) + ". " + party_kind_name(k) + " ");
  return v;
}

// The code of a party: looked up in its kind's register, the party's
// fields filled from it (ordering: NZ.., beneficiary: NO..).
ValidFunction party_code_check(const char* kind_field, bool ordering) {
  return [kind_field, ordering](EditControl* c) {
    std::string code = c->buffer;
    while (!code.empty() && code.back() == ' ') code.pop_back();
    int kind = f4int(F(kind_field));
    if (code.empty() || kind == kOther) return 0;
    Party p;
    if (!find_party(kind, code, p)) {
      MessageWindow(2, 0, "Nie ma takiego kodu w kartotece !", 0);
      return -1;
    }
    if (ordering) put_ordering(p);
    else put_beneficiary(p);
    return 0;
  };
}

ChooserFunction party_picker(const char* kind_field) {
  return [kind_field](EditControl* c) {
    if (f4int(F(kind_field)) != kContractor) return 27;
    long rec = 0;
    if (dictionaries::pick_contractor(&rec) != 0) return 27;
    data::TableHandles& k = data::handles("W3KHNT.DBF");
    if (!k.open() || d4go(k.data, rec) != 0) return 27;
    c->buffer = f4trim(k.field("KOD"));
    return 0;
  };
}

ValidFunction account_check() {
  return [](EditControl* c) {
    std::string v = c->buffer;
    if (v.find_first_of("0123456789") == std::string::npos || nrb_valid(v)) return 0;
    MessageWindow(2, 0, "Błędny numer rachunku (NRB) !", 0);
    return -1;
  };
}

void define_form(RegisterFrame& f) {
  EditControl* date = DefineEditCtrl(&f.edits, 0, 10, F("DAP"), 0);
  date->valid = test_daty_niepustej;
  EditControl* typ = DefineEditCtrl(&f.edits, 0, 25, F("TYP"), EDIT_SHOW_ONLY);
  typ->show = [](const std::string& v) { return type_name(std::atoi(v.c_str())); };
  EditControl* kwo = DefineEditCtrl(&f.edits, 0, 40, F("KWO"), 0);
  kwo->picture = "99999999.99";
  kwo->valid = valid_wart_dodat;
  EditControl* row = DefineEditCtrl(&f.edits, 0, 58, F("ROW"), EDIT_UPPER | EDIT_REPLACE);
  row->chooser = lista_wyboru({"P. Przelew", "W. Wpłata "});
  row->valid = [](EditControl* c) {
    if (!c->buffer.empty() && (c->buffer[0] == 'P' || c->buffer[0] == 'W')) return 0;
    MessageWindow(2, 0, "Wybierz 'P' lub 'W'", 0);
    return -1;
  };
  EditControl* dru = DefineEditCtrl(&f.edits, 0, 70, F("DRU"), EDIT_UPPER | EDIT_REPLACE);
  dru->chooser = wybierz_tak_nie;
  EditControl* soz = DefineEditCtrl(&f.edits, 1, 16, F("SOZ"), 0);
  soz->chooser = list_chooser(kind_items());
  soz->chooser_mode = 1;
  soz->show = kind_shown;
  EditControl* koz = DefineEditCtrl(&f.edits, 1, 34, F("KOZ"), EDIT_UPPER);
  koz->chooser = party_picker("SOZ");
  koz->valid = party_code_check("SOZ", true);
  EditControl* tyb = DefineEditCtrl(&f.edits, 1, 63, F("TYB"), 0);
  tyb->chooser = list_chooser({" 1. PODSTAWOWE ", " 2. POMOCNICZE 1 ", " 3. POMOCNICZE 2 ", " 4. POMOCNICZE 3 ",
                               " 5. POMOCNICZE 4 ", " 6. INNE "});
  tyb->picture = "9";
  // The firm pays from the account of the type chosen.
  tyb->valid = [](EditControl* c) {
    int t = std::atoi(c->buffer.c_str());
    if (t < 1 || t > 6) {
      MessageWindow(2, 0, "Wybierz typ konta (F4) !", 0);
      return -1;
    }
    if (f4int(F("SOZ")) == kFirm && t <= 5) put_ordering(firm_party(t));
    return 0;
  };
  const char* ordering[] = {"NZ1", "NZ2", "AZ1", "AZ2", "BAZ"};
  for (int i = 0; i < 5; ++i) DefineEditCtrl(&f.edits, 2 + i, 10, F(ordering[i]), 0);
  DefineEditCtrl(&f.edits, 7, 10, F("KNZ"), 0)->valid = account_check();
  EditControl* soo = DefineEditCtrl(&f.edits, 8, 16, F("SOO"), 0);
  soo->chooser = list_chooser(kind_items());
  soo->chooser_mode = 1;
  soo->show = kind_shown;
  EditControl* koo = DefineEditCtrl(&f.edits, 8, 34, F("KOO"), EDIT_UPPER);
  koo->chooser = party_picker("SOO");
  koo->valid = party_code_check("SOO", false);
  const char* beneficiary[] = {"NO1", "NO2", "AO1", "AO2", "BAO"};
  for (int i = 0; i < 5; ++i) DefineEditCtrl(&f.edits, 9 + i, 10, F(beneficiary[i]), 0);
  DefineEditCtrl(&f.edits, 14, 10, F("KNO"), 0)->valid = account_check();
  DefineEditCtrl(&f.edits, 15, 10, F("TY1"), 0);
  DefineEditCtrl(&f.edits, 16, 10, F("TY2"), 0);
  DefineEditCtrl(&f.edits, 17, 10, F("NIP"), 0);
  DefineEditCtrl(&f.edits, 17, 34, F("IDD"), EDIT_UPPER);
  DefineEditCtrl(&f.edits, 17, 42, F("NRD"), 0);
  DefineEditCtrl(&f.edits, 17, 72, F("TWP"), EDIT_UPPER);
  DefineEditCtrl(&f.edits, 18, 10, F("DEK"), EDIT_UPPER);
  DefineEditCtrl(&f.edits, 18, 30, F("SYP"), EDIT_UPPER);
  DefineEditCtrl(&f.edits, 18, 57, F("IZO"), 0);
}

void define_filters(RegisterFrame& f) {
  f.has_filters = true;
  ResetFiltersDefinition(&f.filters);
  f.filters.key = "W3PLEW";
  DefineFilter(&f.filters, F("DAP"), "od dnia.........", " od:", FILTER_DATE, 0);
  DefineFilter(&f.filters, F("DAP"), "do dnia.........", " do:", FILTER_DATE, 2);
  DefineFilter(&f.filters, F("TYP"), "typ przelewu....", " typ:", FILTER_CHOICE, 0,
               {.choices = {"1. ZWYKŁY ", "2. ZUS    ", "3. PODATEK"}});
  std::vector<std::string> kinds;
  for (int k = 1; k <= 7; ++k) kinds.push_back(std::to_string(k) + ". " + party_kind_name(k));
  DefineFilter(&f.filters, F("SOO"), "status odbiorcy.", " odb.:", FILTER_CHOICE, 0, {.choices = kinds});
  DefineFilter(&f.filters, F("KOO"), "kod odbiorcy....", " kod odb.:", FILTER_TEXT, 0);
  DefineFilter(&f.filters, F("SOZ"), "status zlecen...", " zlec.:", FILTER_CHOICE, 0, {.choices = kinds});
  DefineFilter(&f.filters, F("KOZ"), "kod zlecen......", " kod zlec.:", FILTER_TEXT, 0);
  DefineFilter(&f.filters, F("DRU"), "czy drukować....", " druk", FILTER_MARK, 8, {.value = "T"});
  const char* accounts[] = {"konto podstaw...", "konto pomocn. 1.", "konto pomocn. 2.", "konto pomocn. 3.",
                            "konto pomocn. 4.", "konto inne......"};
  for (int t = 1; t <= 6; ++t) {
    FilterExtras e;
    e.value = std::to_string(t);
    DefineFilter(&f.filters, F("TYB"), accounts[t - 1], (" k" + std::to_string(t)).c_str(), FILTER_MARK, 8, e);
  }
  FilterExtras at_least;
  at_least.picture = "999999";
  at_least.compare = [](FIELD4* field, const std::string& value) {
    return f4double(field) + 0.005 >= std::atof(value.c_str()) ? ROW_PASSES : ROW_FAILS;
  };
  DefineFilter(&f.filters, F("KWO"), "tylko kwoty >=..", " kwota>=", FILTER_TEXT, 0, at_least);
  DefineFilter(&f.filters, F("SYP"), "symb.płatności..", " symb.:", FILTER_TEXT, 0);
  LoadFilters(&f.filters);
}

// The panel under the list: the title, the beneficiary (kind and code,
// name, bank and account) and the ordering party (the same).
void define_panel(RegisterFrame& f) {
  auto row = [&](int r, std::function<std::string()> text) {
    DefineTextCtrl(&f.texts, kFormRows + r, 0, F("TYP"), 0)->show = [text](const std::string&) { return text(); };
  };
  auto party = [](const char* label, const char* kind, const char* code, const char* name1, const char* name2) {
    return [=] {
      return std::string(label) + party_kind_name(f4int(F(kind))) + " " + f4trim(F(code)) + "  " +
             joined(f4trim(F(name1)), f4trim(F(name2)));
    };
  };
  auto account = [](const char* bank, const char* number) {
    return [=] { return "   bank: " + f4trim(F(bank)) + "  konto: " + f4trim(F(number)); };
  };
  row(0, [] { return "tytułem: " + joined(f4trim(F("TY1")), f4trim(F("TY2"))); });
  row(1, party("odbiorca: ", "SOO", "KOO", "NO1", "NO2"));
  row(2, account("BAO", "KNO"));
  row(3, party("zleceniodawca: ", "SOZ", "KOZ", "NZ1", "NZ2"));
  row(4, account("BAZ", "KNZ"));
}

void define_print(RegisterFrame& f) {
  dictionaries::define_print_columns(&f.print_columns, F,
                                     {{"w ciężar", "NZ1", 24},
                                      {" c.d.", "NZ2", 14},
                                      {"na dobro", "NO1", 24},
                                      {" c.d.", "NO2", 14},
                                      {"bank", "BAO", 16},
                                      {"konto", "KNO", 28},
                                      {"data", "DAP", 10},
                                      {"kwota", "KWO", 12, true}});
}

int run(const TransferPrefill* prefill) {
  data::TableHandles& t = T();
  TransferRun run;
  run.prefill = prefill;
  TransferRun* outer = g_run;
  g_run = &run;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 6610, 'd', 1, add_item, nullptr);
    MenuDefineItem(" Modyfikuj ", 6620, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Drukuj ", 6630, 'r', -1, nullptr, &run.print_menu);
    MenuDefineItem(" Usuń ", 6640, 'u', 1, browse_skasuj, nullptr);
    MenuDefineItem(" Szukaj ", 6650, 's', -1, nullptr, &f.search_menu);
    MenuDefineItem(" Filtry ", 6690, 'f', -1, filters_item, nullptr);
    MenuDefineItem(" Suma ", 6680, 'a', -1, sum_item, nullptr);
    MenuDefineItem(" Ustaw ", 6660, 't', -1, mark_item, nullptr);
    MenuDefineItem(" Kasuj ", 6670, 'k', -1, unmark_item, nullptr);
    MenuDefineItem(" Opcje ", 6600, 'c', -1, options_item, nullptr);
    run.print_menu = DefineMenuWindow(-1, -1);
    if (run.print_menu >= 0) {
      MenuDefineItem(" Wybrane ", 6631, 'w', -1, print_marked, nullptr);
      MenuDefineItem(" Jeden ", 6632, 'j', -1, print_current, nullptr);
      MenuDefineItem(" Tabulogram ", 6633, 't', -1, tabulogram_item, nullptr);
    }
    f.search_menu = DefineMenuWindow(-1, -1);
    if (f.search_menu >= 0) {
      MenuDefineItem(" Data ", 6651, 'd', 1, search_item, nullptr);
      MenuDefineItem(" Tytułem ", 6652, 't', 2, search_item, nullptr);
      MenuDefineItem(" Odbiorca ", 6655, 'o', 3, search_item, nullptr);
    }
    DefineScrollColumn(&f.scroll, F("DRU"), 0, "druk?");
    DefineScrollColumn(&f.scroll, F("DAP"), 0, "data", t.tag(1));
    ScrollColumn* typ = DefineScrollColumn(&f.scroll, F("TYP"), 0, "typ");
    typ->width = 8;
    typ->show = [] { return type_name(f4int(F("TYP"))); };
    ScrollColumn* row = DefineScrollColumn(&f.scroll, F("ROW"), 0, "forma");
    row->width = 8;
    row->show = [] { return std::string(f4trim(F("ROW")) == "W" ? "Wpłata" : "Przelew"); };
    DefineScrollColumn(&f.scroll, F("KWO"), 0, "kwota");
    DefineScrollColumn(&f.scroll, F("SYP"), 0, "płatność");
    DefineScrollColumn(&f.scroll, F("DEK"), 0, "okres");
    DefineScrollColumn(&f.scroll, F("NO1"), 0, "odbiorca")->width = 20;
    define_form(f);
    define_panel(f);
    define_filters(f);
    define_print(f);
  };
  auto fill = [&](BROWSE* b) {
    b->title = RcQStr(kTitleMessage);
    b->print_title = "Wykaz przelewów";
    b->form_template = template_id(kFormTemplate);
    b->form_rows = kFormRows;
    b->stamp = F("INF");
    b->new_record = [](BROWSE*) {
      if (!g_run) return 0;
      if (const TransferPrefill* p = g_run->prefill) {
        fill_new(p->type, p->account_type);
        if (!p->date.empty()) f4assign(F("DAP"), p->date.c_str());
        f4assign_double(F("KWO"), p->amount);
        f4assign(F("TY1"), p->title1.c_str());
        f4assign(F("TY2"), p->title2.c_str());
        if (p->beneficiary_kind) {
          f4assign_int(F("SOO"), p->beneficiary_kind);
          f4assign(F("KOO"), p->beneficiary_code.c_str());
          Party party;
          if (find_party(p->beneficiary_kind, p->beneficiary_code, party)) put_beneficiary(party);
        }
        if (!p->period.empty()) f4assign(F("DEK"), p->period.c_str());
        if (!p->symbol.empty()) f4assign(F("SYP"), p->symbol.c_str());
        return 0;
      }
      if (!g_run->copying) {
        fill_new(g_run->pending_type, default_account_type(g_run->pending_type));
        return 0;
      }
      for (size_t i = 0; i < g_run->pattern.size() && i < T().fields.size(); ++i)
        f4assign(T().fields[i], g_run->pattern[i].c_str());
      f4assign(F("DRU"), "T");
      f4blank(F("INF"));
      return 0;
    };
    b->hot_key = [](int key) {
      if (key == skolvarin::keys::F7) {
        BROWSE* br = current_browse();
        if (dictionaries::list_has_current(br)) {
          int c = wybierz_z_listy({" P. Przelew ", " W. Wpłata "}, f4trim(F("ROW")) == "W" ? 1 : 0, " Forma płatności ");
          DATA4* d = T().data;
          long rec = d4recno(d);
          if (c >= 0 && go_and_lock(d, rec) == 0) {
            f4assign(F("ROW"), c == 1 ? "W" : "P");
            write_and_unlock(d);
            d4unlock(d);
            browse_call(1, rec);
          }
        }
        return 0;
      }
      if (key == skolvarin::keys::F8) return add_item(2), 0;  // a copy of the current transfer
      return hot_keys(key, 1, 6610, -1, 6620, 1, 6640, F("INF"));
    };
  };
  int rc = dictionaries::run_register(run.frame, t.data, t.tag(1), kFormRows, kFormRows, 0, build, fill);
  if (run.print_menu >= 0) w4close(run.print_menu);
  g_run = outer;
  return rc;
}

int transfers_main() { return run(nullptr); }
const frame::RegisterProvider provider(frame::RegisterId::BankTransfers, transfers_main);

}  // namespace

int open_prefilled_transfer(const TransferPrefill& p) {
  if (same_grosz(p.amount, 0.0)) {
    Uwaga(kZeroTransfer);
    return 1;
  }
  bool opened_here = false;
  if (!T().open()) {
    if (data::open_w3plew(0) != 0) return -1;
    opened_here = true;
  }
  std::vector<const char*> extra;
  for (const char* file : {"W3PAWL.DBF", "W3KHNT.DBF", "W3PRAC.DBF", "W3USKA.DBF"})
    if (!data::handles(file).open() && data::open_table(data::state().ctx, file) == 0) extra.push_back(file);
  DATA4* d = T().data;
  // The form of a new transfer, outside the list.
  TransferRun run;
  run.prefill = &p;
  TransferRun* outer = g_run;
  g_run = &run;
  ResetScrollDefinition(&run.frame.scroll, 80);
  ResetEditCtrlDefinition(&run.frame.edits);
  define_form(run.frame);
  BROWSE* b = nullptr;
  int result = -1;
  if (allocate_browse(&b, d, T().tag(1), &run.frame.scroll, -1) == 0) {
    b->ctx = data::state().ctx;
    b->title = "PRZELEW";
    b->edit_controls = &run.frame.edits;
    b->form_template = template_id(kFormTemplate);
    b->form_rows = kFormRows;
    d4append_start(d);
    fill_new(p.type, p.account_type);
    if (!p.date.empty()) f4assign(F("DAP"), p.date.c_str());
    f4assign_double(F("KWO"), p.amount);
    f4assign(F("TY1"), p.title1.c_str());
    f4assign(F("TY2"), p.title2.c_str());
    if (p.beneficiary_kind) {
      f4assign_int(F("SOO"), p.beneficiary_kind);
      f4assign(F("KOO"), p.beneficiary_code.c_str());
      Party party;
      if (find_party(p.beneficiary_kind, p.beneficiary_code, party)) put_beneficiary(party);
    }
    if (!p.period.empty()) f4assign(F("DEK"), p.period.c_str());
    if (!p.symbol.empty()) f4assign(F("SYP"), p.symbol.c_str());
    if (browse_form(b, BROWSE_ADD) == skolvarin::keys::F2) {
      f4assign(F("INF"), record_stamp(data::state().ctx).c_str());
      result = lock_and_append(d) == 0 && d4unlock(d) == 0 ? 0 : -1;
    } else {
      result = 1;
    }
    free_browse(b);
  }
  g_run = outer;
  for (const char* file : extra)
    if (const data::CatalogueEntry* e = data::find_table(file)) data::close_table(*e);
  if (opened_here)
    if (const data::CatalogueEntry* e = data::find_table(kFile)) data::close_table(*e);
  return result;
}

int pay_transfer(long employee, double amount, int account_type) {
  TransferPrefill p;
  p.type = kOrdinary;
  p.amount = amount;
  p.title1 = "PŁACE";
  p.beneficiary_kind = kEmployee;
  p.beneficiary_code = std::to_string(employee);
  p.account_type = account_type;
  return open_prefilled_transfer(p);
}

}  // namespace skolvarin::transfers
