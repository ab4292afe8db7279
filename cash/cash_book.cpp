#include "cash/cash_book.h"

#include "cash/cash_rules.h"
#include "data/catalogue.h"
#include "data/openers.h"
#include "data/settings.h"
#include "frame/register_hooks.h"
#include "host/api/browse_api.h"
#include "host/api/screen_api.h"

namespace skolvarin::cash {

namespace {

constexpr const char* kFile = "W3KASA.DBF";
constexpr int kNumberingTag = 7;  // PRE+TYP+STR(TYK,1,0)+STR(YEAR(DAT),4,0)+STR(NUM,5,0), descending
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

// The highest number under `prefix`, found on the descending numbering tag.
long highest_number(data::TableHandles& t, const std::string& prefix, long skip_record, long* found_record) {
  DATA4* d = t.data;
  TAG4* saved_tag = d4tag_selected(d);
  long saved = d4recno(d);
  long highest = 0;
  if (found_record) *found_record = 0;
  d4tag_select(d, t.tag(kNumberingTag));
  for (int rc = d4seek(d, prefix.c_str()); rc == 0 && !d4eof(d); rc = d4skip(d, 1)) {
    std::string key = std::string(f4str(t.field("PRE"))) + f4str(t.field("TYP"));
    char rest[16];
    std::snprintf(rest, sizeof rest, "%1d%4d", f4int(t.field("TYK")) % 10, date4year(f4str(t.field("DAT"))));
    if ((key + rest) != prefix) break;
    if (d4deleted(d) || d4recno(d) == skip_record) continue;
    highest = f4long(t.field("NUM"));
    if (found_record) *found_record = d4recno(d);
    break;
  }
  d4tag_select(d, saved_tag);
  if (saved >= 1 && saved <= d4reccount(d)) d4go(d, saved);
  return highest;
}

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
  data::TableHandles& t = cash_table();
  if (!t.open()) return 1;
  return next_number(highest_number(t, number_key_prefix(desk, type, account_type, year), 0, nullptr));
}

bool cash_number_taken(const std::string& desk, char type, int account_type, int year, long number,
                       long own_record) {
  data::TableHandles& t = cash_table();
  if (!t.open()) return false;
  const std::string key = number_key(desk, type, account_type, year, number);
  DATA4* d = t.data;
  TAG4* saved_tag = d4tag_selected(d);
  long saved = d4recno(d);
  d4tag_select(d, t.tag(kNumberingTag));
  bool taken = false;
  for (int rc = d4seek(d, key.c_str()); rc == 0 && !d4eof(d); rc = d4skip(d, 1)) {
    if (f4long(t.field("NUM")) != number) break;
    if (!d4deleted(d) && d4recno(d) != own_record) {
      taken = true;
      break;
    }
  }
  d4tag_select(d, saved_tag);
  if (saved >= 1 && saved <= d4reccount(d)) d4go(d, saved);
  return taken;
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
