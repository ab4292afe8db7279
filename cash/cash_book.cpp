#include "cash/cash_book.h"

#include "cash/cash_rules.h"
#include "data/catalogue.h"
#include "data/openers.h"
#include "data/settings.h"
#include "dictionaries/register_tools.h"
#include "frame/register_hooks.h"
#include "host/api/browse_api.h"
#include "host/api/screen_api.h"

namespace skolvarin::cash {

namespace {

constexpr const char* kFile = "W3KASA.DBF";
constexpr int kDeskKey = 34;

int g_users = 0;
std::string g_desk = "KASA";

data::SettingsGroup desk_group() {
  data::SettingsGroup g;
  g.label = data::settings_label("W3PAEV.DBF");
  g.table = data::find_table("W3PAEV.DBF");
  g.keys.push_back(data::SettingKey::text(kDeskKey, &g_desk, 4, "KASA"));
  return g;
}

int load_records_settings(HostContext* ctx) { return data::read_settings(ctx, desk_group(), 0); }

const frame::SettingsLoaderProvider loader("W3PAEV.DBF", load_records_settings);

// A second handle on the cash book, ordered by the numbering key, so that
// numbers are drawn without moving the register's own handle (whose record
// buffer may hold a record being added).
struct NumberingView : dictionaries::DescendingView {
  explicit NumberingView(data::TableHandles& t)
      : DescendingView(t.open() ? t.data : nullptr, {"PRE+TYP+STR(TYK,1,0)+STR(YEAR(DAT),4,0)+STR(NUM,5,0)"}) {}
  std::string key() const {
    char rest[16];
    std::snprintf(rest, sizeof rest, "%1d%4d", f4int(d4field(d, "TYK")) % 10, date4year(f4str(d4field(d, "DAT"))));
    return std::string(f4str(d4field(d, "PRE"))) + f4str(d4field(d, "TYP")) + rest;
  }
};

}  // namespace

data::TableHandles& cash_table() { return data::handles(kFile); }

int open_cash_book() {
  if (cash_table().open()) {
    ++g_users;
    return 0;
  }
  int rc = data::open_w3kasa(0);
  if (rc == 0) g_users = 1;
  return rc;
}

void close_cash_book() {
  if (g_users > 0) --g_users;
  if (g_users == 0 && cash_table().open()) {
    if (const data::CatalogueEntry* e = data::find_table(kFile)) data::close_table(*e);
  }
}

int cash_book_users() { return cash_table().open() ? g_users : 0; }

std::string cash_desk() { return g_desk; }

int set_cash_desk(const std::string& code) {
  g_desk = code.substr(0, 4);
  return data::write_settings(data::state().ctx, desk_group(), 0);
}

long next_cash_number(const std::string& desk, char type, int account_type, int year) {
  NumberingView v(cash_table());
  if (!v.d) return 1;
  const std::string prefix = number_key_prefix(desk, type, account_type, year);
  long highest = 0;
  for (int rc = d4seek(v.d, prefix.c_str()); rc == 0 && !d4eof(v.d); rc = d4skip(v.d, 1)) {
    if (v.key() != prefix) break;
    if (d4deleted(v.d)) continue;
    highest = f4long(d4field(v.d, "NUM"));
    break;
  }
  return next_number(highest);
}

bool cash_number_taken(const std::string& desk, char type, int account_type, int year, long number,
                       long own_record) {
  NumberingView v(cash_table());
  if (!v.d) return false;
  const std::string key = number_key(desk, type, account_type, year, number);
  for (int rc = d4seek(v.d, key.c_str()); rc == 0 && !d4eof(v.d); rc = d4skip(v.d, 1)) {
    if (f4long(d4field(v.d, "NUM")) != number || v.key() != number_key_prefix(desk, type, account_type, year)) break;
    if (!d4deleted(v.d) && d4recno(v.d) != own_record) return true;
  }
  return false;
}

int write_cash_entry(const CashEntryRequest& r, long* number, bool inform) {
  if (open_cash_book() != 0) return -1;
  data::TableHandles& t = cash_table();
  DATA4* d = t.data;
  const int year = date4year(r.date.c_str());
  const int account_type = r.type == kStatement ? r.account_type : 0;
  const long num = next_cash_number(g_desk, r.type, account_type, year);
  d4append_start(d);
  char type[2] = {r.type, 0};
  f4assign(t.field("TYP"), type);
  f4assign(t.field("TKA"), r.type == kStatement ? "K" : "G");
  f4assign_int(t.field("TYK"), account_type);
  f4assign(t.field("WAL"), "PLN");
  f4assign_double(t.field("KUR"), 1.0);
  f4assign_double(t.field("KUZ"), 1.0);
  f4assign(t.field("DAT"), r.date.c_str());
  f4assign(t.field("PRE"), g_desk.c_str());
  f4assign_long(t.field("NUM"), num);
  f4assign_double(t.field("KWO"), r.amount);
  f4assign(t.field("DOK"), r.document.c_str());
  f4assign(t.field("TYT"), r.title.c_str());
  f4assign(t.field("KOD"), r.contractor_code.c_str());
  f4assign(t.field("NA1"), r.name1.c_str());
  f4assign(t.field("NA2"), r.name2.c_str());
  f4assign(t.field("KOP"), r.postal_code.c_str());
  f4assign(t.field("MIA"), r.town.c_str());
  f4assign(t.field("ULI"), r.street.c_str());
  f4assign_int(t.field("ROK"), r.source_year);
  f4assign_long(t.field("REK"), r.source_record);
  f4assign_int(t.field("TYZ"), r.source_kind);
  f4assign(t.field("INF"), record_stamp(data::state().ctx).c_str());
  int rc = lock_and_append(d);
  if (rc == 0) rc = d4unlock(d);
  close_cash_book();
  if (rc != 0) return -1;
  if (number) *number = num;
  if (inform) Informacja(20170);
  return 0;
}

}  // namespace skolvarin::cash
