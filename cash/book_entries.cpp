#include "cash/book_entries.h"

#include <algorithm>
#include <cstdio>

#include "host/api/db_api.h"
#include "host/api/rounding.h"

namespace skolvarin::cash {

namespace {
std::string joined(const std::string& a, const std::string& b) {
  if (b.empty()) return a;
  return a.empty() ? b : a + " " + b;
}
}  // namespace

bool read_book(HostContext* ctx, int year, int month, std::vector<BookEntry>& out, std::string& error) {
  out.clear();
  char name[16];
  std::snprintf(name, sizeof name, "W3DANE%02d.DBF", year % 100);
  SaveDir(ctx);
  SwitchDir(ctx, 1);
  if (!EnvFileExists(ctx, name)) {
    RestoreDir(ctx);
    return true;
  }
  DATA4* d = d4open(ctx, name);
  RestoreDir(ctx);
  if (!d) {
    error = std::string("nie można otworzyć księgi ") + name;
    return false;
  }
  auto f = [d](const char* n) { return d4field(d, n); };
  FIELD4* amounts[kAmountColumns];
  for (int i = 0; i < kAmountColumns; ++i) amounts[i] = f(kAmountFields[static_cast<size_t>(i)]);
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    if (d4deleted(d)) continue;
    BookEntry e;
    e.date = f4str(f("DAT"));
    if (month > 0 && date4month(e.date.c_str()) != month) continue;
    e.ordinal = f4long(f("LPO"));
    e.document = f4trim(f("NUM"));
    e.name = joined(f4trim(f("NA1")), f4trim(f("NA2")));
    e.description = joined(f4trim(f("OP1")), f4trim(f("OP2")));
    for (int i = 0; i < kAmountColumns; ++i) e.amounts[static_cast<size_t>(i)] = R(f4double(amounts[i]), 2);
    e.source = f4int(f("ZRK"));
    e.list_number = f4int(f("NLP"));
    std::string anu = f4str(f("ANU"));
    e.status = anu.empty() ? ' ' : anu[0];
    e.record = f4long(f("REC"));
    out.push_back(std::move(e));
  }
  d4close(d);
  std::stable_sort(out.begin(), out.end(), [](const BookEntry& a, const BookEntry& b) {
    int ma = date4month(a.date.c_str()), mb = date4month(b.date.c_str());
    return ma != mb ? ma < mb : a.ordinal < b.ordinal;
  });
  return true;
}

BookAmounts book_totals(const std::vector<BookEntry>& entries) {
  BookAmounts t{};
  for (const BookEntry& e : entries)
    for (size_t i = 0; i < t.size(); ++i) t[i] = R(t[i] + e.amounts[i], 2);
  return t;
}

}  // namespace skolvarin::cash
