// A month of the firm for the declaration tests: three employees (one on
// sick pay, then on sickness benefit), a contractor on a mandate and a
// contract for a specific work without contributions.  The amounts are the
// payroll's and the contracts' own figures of October 2013, worked out by
// hand (pension 9.76 + 9.76, disability 1.5 + 6.5, sickness 2.45, accident
// 1.93, health 9 of the base after the social contributions, FP 2.45).
//
// write_sources() puts the same month into the firm's tables row by row,
// the way the payroll lists and the contracts register keep them.
#pragma once

#include <string>

#include "data/module_state.h"
#include "data/opener.h"
#include "declarations/zus_tables.h"
#include "host/api/db_api.h"

namespace zus_test {

using namespace skolvarin::declarations;

inline HostDate d(int y, int m, int day) { return HostDate{y, m, day}; }

inline ZusSources october_2013() {
  ZusSources s;
  s.employees = {
      {1, "Kowalski", "Jan", "44051401359", "", "", "011000", "", 1, 1},
      {2, "Nowak", "Anna", "02070803628", "", "", "011000", "", 1, 1},
      {3, "Wiśniewski", "Piotr", "85071512348", "", "", "011000", "", 1, 2},
      {4, "Zieliński", "Marek", "", "D", "ABC123456", "041100", "", 0, 0},
      {5, "Dąbrowska", "Ewa", "", "", "", "", "", 0, 0},
  };
  ZusPayRecord kowalski{1, 10, "011000", 1, 1, 3000.00, 292.80, 292.80, 45.00, 195.00, 3000.00, 73.50, 3000.00,
                        57.90, 2588.70, 232.98, 73.50, 3.00, 0, {}};
  ZusPayRecord nowak{2, 10, "011000", 1, 1, 2000.00, 195.20, 195.20, 30.00, 130.00, 2000.00, 49.00, 2000.00,
                     38.60, 2325.80, 209.32, 49.00, 2.00, 0, {}};
  nowak.components = {
      {"S331", "331", "", "", 600.00, d(2013, 10, 7), d(2013, 10, 16), 10},
      {"S313", "313", "", "", 400.00, d(2013, 10, 17), d(2013, 10, 31), 15},
      {"D001", "", "", "", 2000.00, {}, {}, 0},
  };
  ZusPayRecord wisniewski{3, 10, "011000", 1, 2, 1000.00, 97.60, 97.60, 15.00, 65.00, 1000.00, 24.50, 1000.00,
                          19.30, 862.90, 77.66, 24.50, 1.00, 0, {}};
  ZusPayRecord september{1, 9, "011000", 1, 1, 3000.00, 292.80, 292.80, 45.00, 195.00, 3000.00, 73.50, 3000.00,
                         57.90, 2588.70, 232.98, 73.50, 3.00, 0, {}};
  s.pays = {kowalski, nowak, wisniewski, september};
  s.contracts = {
      {4, "Zieliński", "Marek", "041100", d(2013, 10, 31), 1000.00, 97.60, 97.60, 15.00, 65.00, 1000.00, 0, 19.30,
       887.40, 79.87, 24.50, 1.00},
      {5, "Dąbrowska", "Ewa", "", d(2013, 10, 25), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  };
  return s;
}

// The set of the month as the register builds it.
inline ZusSet october_2013_set(int year = 2013, int month = 10, int number = 1) {
  ZusSources s = october_2013();
  ZusSet set;
  set.year = year;
  set.header.month = month;
  set.header.number = number;
  set.header.filled = set.header.paid = d(year, 11, 5);
  for (auto& p : s.pays) p.month = p.month == 10 ? month : 0;
  for (auto& c : s.contracts) c.bill.month = month;
  set.persons = build_persons(s.employees, s.pays, s.contracts, month).persons;
  count_reports(set);
  return set;
}

inline ZusPayer company() {
  ZusPayer p;
  p.nip = "526-025-02-74";
  p.regon = "123456785";
  p.short_name = "FIRMA TESTOWA";
  p.spc = "0";
  p.tde = "3";
  return p;
}

// ------------------------------------------------------------- tables
struct Row {
  DATA4* t;
  bool ok = true;
  void text(const char* f, const std::string& v) { ok = ok && f4assign(d4field(t, f), v.c_str()) >= 0; }
  void num(const char* f, double v) { ok = ok && f4assign_double(d4field(t, f), v) >= 0; }
  void date(const char* f, const HostDate& v) { ok = ok && f4assign_date(d4field(t, f), v) >= 0; }
};

template <class Fill>
bool append(HostContext* ctx, const char* file, int year, Fill fill) {
  skolvarin::data::OpenRequest r;
  r.year = year;
  if (skolvarin::data::open_table(ctx, file, r) != 0) return false;
  DATA4* t = skolvarin::data::handles(file).data;
  Row row{t};
  row.ok = d4append_start(t) == 0;
  if (row.ok) fill(row);
  bool ok = row.ok && d4append(t) == 0;
  skolvarin::data::close_table(*skolvarin::data::find_table(file));
  return ok;
}

// Writes the month into the firm's tables of `year` (employees in record
// order 1, 2, ...; pay records numbered by REC with their components).
inline bool write_sources(HostContext* ctx, int year, const ZusSources& s) {
  bool ok = true;
  for (const ZusEmployee& e : s.employees)
    ok = ok && append(ctx, "W3PRAC.DBF", year, [&](Row& r) {
           r.text("NAZ", e.surname), r.text("IM1", e.first_name), r.text("PES", e.pesel);
           r.text("TID", e.id_kind), r.text("NUD", e.document), r.text("KTU", e.ktu);
           r.num("WY1", e.wy1), r.num("WY2", e.wy2);
         });
  long rec = 0;
  for (const ZusPayRecord& p : s.pays) {
    ++rec;
    ok = ok && append(ctx, "W3PENS  .DBF", year, [&](Row& r) {
           r.num("KOD", p.employee), r.num("MIE", p.month), r.num("NRL", 1), r.num("REC", rec);
           r.text("KTU", p.ktu), r.num("WY1", p.wy1), r.num("WY2", p.wy2);
           r.num("PER", p.per), r.num("KEU", p.keu), r.num("KEP", p.kep), r.num("KRU", p.kru);
           r.num("KRP", p.krp), r.num("PCW", p.pcw), r.num("KCU", p.kcu), r.num("PSW", p.psw);
           r.num("KWP", p.kwp), r.num("PSZ", p.psz), r.num("KZU", p.kzu), r.num("FPP", p.fpp);
           r.num("FGP", p.fgp), r.num("FEP", p.fep);
         });
    for (const ZusPayComponent& c : p.components)
      ok = ok && append(ctx, "W3PESK  .DBF", year, [&](Row& r) {
             r.num("REK", rec), r.num("KOD", p.employee), r.num("MIE", p.month), r.num("NRL", 1);
             r.text("KGS", c.kgs), r.text("KZU", c.zus_code), r.text("KTU", c.ktu), r.num("KWO", c.amount);
             r.date("DOD", c.from), r.date("DDO", c.to), r.num("ILD", c.days);
           });
  }
  for (const ZusContract& c : s.contracts)
    ok = ok && append(ctx, "W3UMOW  .DBF", year, [&](Row& r) {
           r.num("TYP", 1), r.num("KOD", c.employee), r.text("NAZ", c.surname), r.text("IMI", c.first_name);
           r.text("KTU", c.ktu), r.date("DAR", c.bill), r.num("PER", c.per), r.num("KEU", c.keu);
           r.num("KEP", c.kep), r.num("KRU", c.kru), r.num("KRP", c.krp), r.num("PCW", c.pcw);
           r.num("PSW", c.pcw), r.num("KCU", c.kcu), r.num("KWP", c.kwp), r.num("PSZ", c.psz);
           r.num("KZU", c.kzu), r.num("FUP", c.fup), r.num("FUG", c.fug);
         });
  return ok;
}

}  // namespace zus_test
