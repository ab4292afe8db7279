#include "cash/settlements.h"

#include <cstdio>

#include "cash/cash_book.h"
#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/openers.h"
#include "host/api/browse_api.h"

namespace skolvarin::cash {

namespace {

constexpr const char* kFile = "W3ROZL.DBF";

// The settlements' table for one call, opened here when it was closed.
struct SettlementsTable {
  data::TableHandles* t = nullptr;
  bool opened_here = false;
  int open() {
    t = &data::handles(kFile);
    if (t->open()) return 0;
    if (data::open_w3rozl(0) != 0) return -1;
    opened_here = true;
    return t->open() ? 0 : -1;
  }
  ~SettlementsTable() {
    if (opened_here)
      if (const data::CatalogueEntry* e = data::find_table(kFile)) data::close_table(*e);
  }
};

std::string source_key(int kind, int year, long record) {
  char key[16];
  std::snprintf(key, sizeof key, "%2d%4d%6ld", kind, year, record);
  return key;
}

long seek_entry(data::TableHandles& t, int kind, int year, long record) {
  DATA4* d = t.data;
  TAG4* saved = d4tag_selected(d);
  d4tag_select(d, t.tag(1));
  long found = 0;
  const std::string key = source_key(kind, year, record);
  if (d4seek(d, key.c_str()) == 0) {
    for (; !d4eof(d); d4skip(d, 1)) {
      if (f4int(t.field("TYZ")) != kind || f4int(t.field("ROK")) != year || f4long(t.field("REK")) != record) break;
      if (!d4deleted(d)) {
        found = d4recno(d);
        break;
      }
    }
  }
  d4tag_select(d, saved);
  return found;
}

void put_char(FIELD4* f, char c) {
  const char text[2] = {c, 0};
  f4assign(f, text);
}

}  // namespace

std::vector<double> linked_cash_amounts(int kind, int year, long record) {
  std::vector<double> out;
  if (open_cash_book() != 0) return out;
  data::TableHandles& t = cash_table();
  DATA4* d = t.data;
  const long saved = d4recno(d);
  TAG4* saved_tag = d4tag_selected(d);
  d4tag_select(d, nullptr);
  for (int rc = d4top(d); rc == 0 && !d4eof(d); rc = d4skip(d, 1)) {
    if (d4deleted(d)) continue;
    if (f4int(t.field("TYZ")) == kind && f4int(t.field("ROK")) == year && f4long(t.field("REK")) == record)
      out.push_back(f4double(t.field("KWO")));
  }
  d4tag_select(d, saved_tag);
  if (saved >= 1 && saved <= d4reccount(d)) d4go(d, saved);
  close_cash_book();
  return out;
}

long find_settlement(int kind, int year, long record) {
  SettlementsTable s;
  if (s.open() != 0) return 0;
  return seek_entry(*s.t, kind, year, record);
}

int update_settlement(const SettlementSource& src) {
  const SettlementAmounts a = settlement_of(src.type, src.gross, linked_cash_amounts(src.kind, src.year, src.record));
  SettlementsTable s;
  if (s.open() != 0) return -1;
  data::TableHandles& t = *s.t;
  DATA4* d = t.data;
  const long found = seek_entry(t, src.kind, src.year, src.record);
  auto fill = [&] {
    put_char(t.field("ROL"), a.status);
    put_char(t.field("TYP"), a.type);
    f4assign(t.field("DOK"), src.document.c_str());
    f4assign(t.field("DAW"), src.issue_date.c_str());
    f4assign(t.field("KOD"), src.contractor_code.c_str());
    f4assign(t.field("NA1"), src.name1.c_str());
    f4assign(t.field("NA2"), src.name2.c_str());
    f4assign(t.field("KOP"), src.postal_code.c_str());
    f4assign(t.field("MIA"), src.town.c_str());
    f4assign(t.field("ULI"), src.street.c_str());
    f4assign_double(t.field("KWO"), a.gross);
    f4assign_double(t.field("ZAP"), a.paid);
    f4assign(t.field("INF"), record_stamp(data::state().ctx).c_str());
  };
  int rc;
  if (found > 0) {
    if (go_and_lock(d, found) != 0) return -1;
    fill();
    if (f4trim(t.field("TYT")).empty()) f4assign(t.field("TYT"), src.title.c_str());
    rc = write_and_unlock(d);
  } else {
    d4append_start(d);
    fill();
    f4assign(t.field("DAP"), src.issue_date.c_str());
    f4assign(t.field("TYT"), src.title.c_str());
    f4assign_int(t.field("TYZ"), src.kind);
    f4assign_int(t.field("ROK"), src.year);
    f4assign_long(t.field("REK"), src.record);
    f4assign(t.field("WAL"), "PLN");
    f4assign_double(t.field("KUR"), 1.0);
    f4assign_double(t.field("KUZ"), 1.0);
    f4assign_long(t.field("REC"), d4reccount(d) + 1);
    rc = lock_and_append(d);
    if (rc == 0) rc = d4unlock(d);
  }
  d4flush(d);
  return rc == 0 ? 0 : -1;
}

int refresh_settlement_payments(int kind, int year, long record) {
  const std::vector<double> cash = linked_cash_amounts(kind, year, record);
  SettlementsTable s;
  if (s.open() != 0) return -1;
  data::TableHandles& t = *s.t;
  const long found = seek_entry(t, kind, year, record);
  if (found == 0) return 0;
  DATA4* d = t.data;
  if (go_and_lock(d, found) != 0) return -1;
  const std::string type = f4str(t.field("TYP"));
  const SettlementAmounts a = settlement_of(type.empty() ? kPayable : type[0], f4double(t.field("KWO")), cash);
  f4assign_double(t.field("ZAP"), a.paid);
  put_char(t.field("ROL"), a.status);
  f4assign(t.field("INF"), record_stamp(data::state().ctx).c_str());
  const int rc = write_and_unlock(d);
  d4flush(d);
  return rc == 0 ? 0 : -1;
}

}  // namespace skolvarin::cash
