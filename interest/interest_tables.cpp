#include "interest/interest_tables.h"

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/screen_api.h"

namespace skolvarin::interest {

namespace {

// One table open for the length of a computation.
class TableInUse {
 public:
  explicit TableInUse(const char* file) : file_(file) {
    if (data::handles(file).open()) {
      ok_ = true;
      return;
    }
    ok_ = data::open_table(data::state().ctx, file) == 0;
    opened_ = ok_;
  }
  ~TableInUse() {
    if (opened_)
      if (const data::CatalogueEntry* e = data::find_table(file_)) data::close_table(*e);
  }
  TableInUse(const TableInUse&) = delete;
  TableInUse& operator=(const TableInUse&) = delete;
  bool ok() const { return ok_; }
  DATA4* data() const { return data::handles(file_).data; }

 private:
  const char* file_;
  bool ok_ = false, opened_ = false;
};

// Walks the live records of `d` in record order, keeping its position.
template <typename Fn>
void each_record(DATA4* d, Fn&& fn) {
  long keep = d4recno(d);
  for (long r = 1; r <= d4reccount(d); ++r) {
    if (d4go(d, r) != 0 || d4deleted(d)) continue;
    fn();
  }
  if (keep >= 1 && keep <= d4reccount(d)) d4go(d, keep);
}

}  // namespace

std::vector<RateRow> read_rate_rows(DATA4* d) {
  std::vector<RateRow> rows;
  FIELD4* dat = d4field(d, "DAT");
  FIELD4* sto = d4field(d, "STO");
  FIELD4* typ = d4field(d, "TYP");
  if (!dat || !sto || !typ) return rows;
  each_record(d, [&] {
    Date from = f4date(dat);
    if (from.empty()) return;
    std::string t = f4trim(typ);
    rows.push_back({from, f4double(sto), t.empty() ? 'R' : t[0]});
  });
  return rows;
}

std::set<long> read_days_off(DATA4* d) {
  std::set<long> days;
  FIELD4* dat = d4field(d, "DAT");
  if (!dat) return days;
  each_record(d, [&] {
    Date day = f4date(dat);
    if (!day.empty()) days.insert(day_number(day));
  });
  return days;
}

bool compute_from_tables(const Date& due, const Date& payment, double amount, InterestResult& out) {
  TableInUse days_off("W3DNWO.DBF");
  if (!days_off.ok()) return false;
  TableInUse statutory("W3ODUS.DBF");
  if (!statutory.ok()) return false;
  TableInUse tax("W3ZAPO.DBF");
  if (!tax.ok()) return false;
  std::vector<RateRow> tax_rows = read_rate_rows(tax.data());
  std::vector<RateRow> statutory_rows = read_rate_rows(statutory.data());
  out = compute_interest(due, payment, amount, tax_rows, statutory_rows, read_days_off(days_off.data()));
  for (int id : out.alarms) Alarm(id);
  return true;
}

}  // namespace skolvarin::interest
