#include "declarations/zus_tables.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "data/catalogue.h"
#include "data/opener.h"
#include "host/api/db_api.h"

namespace skolvarin::declarations {
namespace {

constexpr const char* kSets = "W3ZUSR  .DBF";
constexpr const char* kPersons = "W3ZUSS  .DBF";
constexpr const char* kBenefits = "W3ZUSP  .DBF";

// A table of the firm for `year` on a handle of its own, closed when the
// object goes; data is nullptr when `create` is false and the file is not
// there (read as empty), or when the open failed (`failed` set).
struct Table {
  DATA4* data = nullptr;
  bool failed = false;
  Table(HostContext* ctx, const char* file, int year, bool create) {
    const data::CatalogueEntry* entry = data::find_table(file);
    if (!entry) {
      failed = true;
      return;
    }
    std::string name = data::table_file_name(ctx, *entry, year);
    if (!create && !EnvFileExists(ctx, (ctx->firm_dir + name).c_str())) return;
    int rc = data::define_layout(ctx, entry->layout());
    if (rc == 0) rc = data::enter_place(ctx, *entry);
    if (rc == 0) {
      TAG4INFO* tags = nullptr;
      rc = open_dbf(ctx, name.c_str(), &data, GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0)));
      RestoreDir(ctx);
      if (rc == 0 && data) {
        ResetDbfActivation(data, tags);
        if (TAG4* first = d4tag(data, 1)) d4tag_select(data, first);
      }
    }
    ReleaseDbfDefinition(ctx);
    if (rc != 0) data = nullptr;
    failed = data == nullptr;
  }
  ~Table() {
    if (data) d4close(data);
  }
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;
  operator DATA4*() const { return data; }
};

std::string text(DATA4* t, const char* f) { return f4trim(d4field(t, f)); }
double num(DATA4* t, const char* f) { return f4double(d4field(t, f)); }
long whole(DATA4* t, const char* f) { return f4long(d4field(t, f)); }
HostDate date(DATA4* t, const char* f) { return f4date(d4field(t, f)); }

using Money = double ZusPerson::*;
const std::pair<const char*, Money> kPersonMoney[] = {
    {"PERP", &ZusPerson::perp}, {"PCWP", &ZusPerson::pcwp}, {"PSZP", &ZusPerson::pszp},
    {"KEUP", &ZusPerson::keup}, {"KRUP", &ZusPerson::krup}, {"KCUP", &ZusPerson::kcup},
    {"KZUP", &ZusPerson::kzup}, {"KEPP", &ZusPerson::kepp}, {"KRPP", &ZusPerson::krpp},
    {"KWPP", &ZusPerson::kwpp}, {"KOSP", &ZusPerson::kosp}, {"KWSP", &ZusPerson::kwsp},
    {"FPPP", &ZusPerson::fppp}, {"FGPP", &ZusPerson::fgpp}, {"PERU", &ZusPerson::peru},
    {"PCWU", &ZusPerson::pcwu}, {"PSZU", &ZusPerson::pszu}, {"KEUU", &ZusPerson::keuu},
    {"KRUU", &ZusPerson::kruu}, {"KCUU", &ZusPerson::kcuu}, {"KZUU", &ZusPerson::kzuu},
    {"KEPU", &ZusPerson::kepu}, {"KRPU", &ZusPerson::krpu}, {"KWPU", &ZusPerson::kwpu},
    {"KWSU", &ZusPerson::kwsu}, {"FPPU", &ZusPerson::fppu}, {"FGPU", &ZusPerson::fgpu},
    {"ZAR", &ZusPerson::zar},   {"ZAW", &ZusPerson::zaw},   {"ZAP", &ZusPerson::zap},
    {"KWZ", &ZusPerson::kwz},   {"PERW", &ZusPerson::perw}, {"PSZW", &ZusPerson::pszw},
    {"KEPW", &ZusPerson::kepw}, {"KRPW", &ZusPerson::krpw}, {"KSZW", &ZusPerson::kszw},
    {"PERM", &ZusPerson::perm}, {"KEPM", &ZusPerson::kepm}, {"KRPM", &ZusPerson::krpm},
    {"FEP", &ZusPerson::fep},
};
using Count = int ZusPerson::*;
const std::pair<const char*, Count> kPersonCounts[] = {
    {"WY1", &ZusPerson::wy1}, {"WY2", &ZusPerson::wy2}, {"ILR", &ZusPerson::ilr},
    {"ILP", &ZusPerson::ilp}, {"LDP", &ZusPerson::ldp}, {"LDO", &ZusPerson::ldo},
};
using Text = std::string ZusPerson::*;
const std::pair<const char*, Text> kPersonTexts[] = {
    {"NAZ", &ZusPerson::surname}, {"IMI", &ZusPerson::first_name}, {"TID", &ZusPerson::id_kind},
    {"NID", &ZusPerson::id_number}, {"KTU", &ZusPerson::ktu}, {"PMA", &ZusPerson::pma},
    {"KUW", &ZusPerson::kuw}, {"KUM", &ZusPerson::kum}, {"RZT", &ZusPerson::rzt},
};

bool check(int rc, const char* what, std::string& error) {
  if (rc >= 0 && rc != r4locked) return true;
  error = std::string("nie można zapisać ") + what;
  return false;
}

ZusSetHeader read_header(DATA4* t) {
  ZusSetHeader h;
  h.month = static_cast<int>(whole(t, "MIE"));
  h.number = static_cast<int>(whole(t, "INR"));
  h.rca = static_cast<int>(whole(t, "RCA")), h.rna = static_cast<int>(whole(t, "RNA"));
  h.rsa = static_cast<int>(whole(t, "RSA")), h.rga = static_cast<int>(whole(t, "RGA"));
  h.rza = static_cast<int>(whole(t, "RZA")), h.rma = static_cast<int>(whole(t, "RMA"));
  h.filled = date(t, "DWY"), h.paid = date(t, "DAZ");
  h.dus = num(t, "DUS"), h.duz = num(t, "DUZ"), h.dfp = num(t, "DFP");
  h.dep = text(t, "DEP");
  h.persons = static_cast<int>(whole(t, "ILU"));
  h.rec = whole(t, "REC");
  return h;
}

// Record number of the set's header, 0 when there is none.
long find_set(DATA4* t, int month, int number) {
  for (long r = 1; r <= d4reccount(t); ++r)
    if (d4go(t, r) == 0 && !d4deleted(t) && whole(t, "MIE") == month && whole(t, "INR") == number) return r;
  return 0;
}

// Marks deleted every record of `t` whose numeric field `f` equals `value`.
void delete_where(DATA4* t, const char* f, long value) {
  if (!t) return;
  for (long r = 1; r <= d4reccount(t); ++r)
    if (d4go(t, r) == 0 && !d4deleted(t) && whole(t, f) == value) d4delete(t);
  d4flush(t);
}

}  // namespace

bool load_sources(HostContext* ctx, int year, int month, ZusSources& out, std::string& error) {
  Table staff(ctx, "W3PRAC.DBF", year, false), pays(ctx, "W3PENS  .DBF", year, false),
      parts(ctx, "W3PESK  .DBF", year, false), bills(ctx, "W3UMOW  .DBF", year, false);
  if (staff.failed || pays.failed || parts.failed || bills.failed) {
    error = "nie można otworzyć tabel płacowych";
    return false;
  }
  if (staff) {
    for (int rc = d4top(staff); rc == 0 && !d4eof(staff); rc = d4skip(staff, 1)) {
      if (d4deleted(staff)) continue;
      ZusEmployee e;
      e.rec = d4recno(staff);
      e.surname = text(staff, "NAZ"), e.first_name = text(staff, "IM1");
      e.pesel = text(staff, "PES"), e.id_kind = text(staff, "TID"), e.document = text(staff, "NUD");
      e.ktu = text(staff, "KTU"), e.pma = text(staff, "PMA");
      e.wy1 = static_cast<int>(whole(staff, "WY1")), e.wy2 = static_cast<int>(whole(staff, "WY2"));
      out.employees.push_back(std::move(e));
    }
  }
  std::map<long, size_t> by_rec;
  if (pays) {
    for (long r = 1; r <= d4reccount(pays); ++r) {
      if (d4go(pays, r) != 0 || d4deleted(pays) || whole(pays, "MIE") != month) continue;
      ZusPayRecord p;
      p.employee = whole(pays, "KOD");
      p.month = month;
      p.ktu = text(pays, "KTU");
      p.wy1 = static_cast<int>(whole(pays, "WY1")), p.wy2 = static_cast<int>(whole(pays, "WY2"));
      p.per = num(pays, "PER"), p.keu = num(pays, "KEU"), p.kep = num(pays, "KEP");
      p.kru = num(pays, "KRU"), p.krp = num(pays, "KRP"), p.pcw = num(pays, "PCW");
      p.kcu = num(pays, "KCU"), p.psw = num(pays, "PSW"), p.kwp = num(pays, "KWP");
      p.psz = num(pays, "PSZ"), p.kzu = num(pays, "KZU"), p.fpp = num(pays, "FPP");
      p.fgp = num(pays, "FGP"), p.fep = num(pays, "FEP");
      by_rec[whole(pays, "REC")] = out.pays.size();
      out.pays.push_back(std::move(p));
    }
  }
  if (parts) {
    for (long r = 1; r <= d4reccount(parts); ++r) {
      if (d4go(parts, r) != 0 || d4deleted(parts) || whole(parts, "MIE") != month) continue;
      auto it = by_rec.find(whole(parts, "REK"));
      if (it == by_rec.end()) continue;
      ZusPayComponent c;
      c.kgs = text(parts, "KGS"), c.zus_code = text(parts, "KZU"), c.ktu = text(parts, "KTU");
      c.kch = text(parts, "KCH");
      c.amount = num(parts, "KWO");
      c.from = date(parts, "DOD"), c.to = date(parts, "DDO");
      c.days = static_cast<int>(whole(parts, "ILD"));
      out.pays[it->second].components.push_back(std::move(c));
    }
  }
  if (bills) {
    for (long r = 1; r <= d4reccount(bills); ++r) {
      if (d4go(bills, r) != 0 || d4deleted(bills)) continue;
      ZusContract c;
      c.bill = date(bills, "DAR");
      if (c.bill.month != month) continue;
      c.employee = whole(bills, "KOD");
      c.surname = text(bills, "NAZ"), c.first_name = text(bills, "IMI"), c.ktu = text(bills, "KTU");
      c.per = num(bills, "PER"), c.keu = num(bills, "KEU"), c.kep = num(bills, "KEP");
      c.kru = num(bills, "KRU"), c.krp = num(bills, "KRP"), c.pcw = num(bills, "PCW");
      c.kcu = num(bills, "KCU"), c.kwp = num(bills, "KWP"), c.psz = num(bills, "PSZ");
      c.kzu = num(bills, "KZU"), c.fup = num(bills, "FUP"), c.fug = num(bills, "FUG");
      out.contracts.push_back(std::move(c));
    }
  }
  return true;
}

bool load_owner_rows(HostContext* ctx, int year, int month, std::vector<ZusOwnerRow>& out, std::string& error) {
  Table t(ctx, "W3ZUWS  .DBF", year, false);
  if (t.failed) {
    error = "nie można otworzyć tabeli składek właścicieli";
    return false;
  }
  if (!t) return true;
  for (long r = 1; r <= d4reccount(t); ++r) {
    if (d4go(t, r) != 0 || d4deleted(t) || whole(t, "MIE") != month) continue;
    ZusOwnerRow o;
    o.surname = text(t, "NAZ"), o.first_name = text(t, "IMI"), o.id_kind = text(t, "TID");
    o.pesel = text(t, "PES"), o.document = text(t, "NUD"), o.ktu = text(t, "KTU"), o.pma = text(t, "PMA");
    o.rzt = text(t, "RZT");
    o.wer = num(t, "WER"), o.wch = num(t, "WCH"), o.wwy = num(t, "WWY"), o.wzd = num(t, "WZD");
    o.keu = num(t, "KEU"), o.kru = num(t, "KRU"), o.kcu = num(t, "KCU"), o.kcp = num(t, "KCP");
    o.nsp = num(t, "NSP"), o.kep = num(t, "KEP"), o.krp = num(t, "KRP"), o.kwp = num(t, "KWP");
    o.kwu = num(t, "KWU"), o.sfp = num(t, "SFP"), o.sfu = num(t, "SFU"), o.sfg = num(t, "SFG");
    o.zar = num(t, "ZAR"), o.zap = num(t, "ZAP");
    o.ilr = static_cast<int>(whole(t, "ILR")), o.ilp = static_cast<int>(whole(t, "ILP"));
    out.push_back(std::move(o));
  }
  return true;
}

int next_set_number(HostContext* ctx, int year, int month) {
  Table t(ctx, kSets, year, false);
  int top = 0;
  if (t)
    for (long r = 1; r <= d4reccount(t); ++r)
      if (d4go(t, r) == 0 && !d4deleted(t) && whole(t, "MIE") == month)
        top = std::max(top, static_cast<int>(whole(t, "INR")));
  return top + 1;
}

Prepared prepare_set(HostContext* ctx, int year, int month, bool join_owners, ZusSet& set, ZusBuild& notes,
                     bool& owners_joined, std::string& error) {
  ZusSources sources;
  owners_joined = false;
  if (!load_sources(ctx, year, month, sources, error)) return Prepared::Failed;
  if (sources.employees.empty()) return Prepared::NoEmployees;
  notes = build_persons(sources.employees, sources.pays, sources.contracts, month);
  set = ZusSet{};
  set.year = year;
  set.header.month = month;
  set.header.number = next_set_number(ctx, year, month);
  set.header.filled = set.header.paid = ctx->today;
  set.persons = std::move(notes.persons);
  notes.persons.clear();
  if (join_owners) {
    std::vector<ZusOwnerRow> owners;
    if (!load_owner_rows(ctx, year, month, owners, error)) return Prepared::Failed;
    for (const ZusOwnerRow& o : owners) set.persons.push_back(owner_person(o));
    owners_joined = !owners.empty();
  }
  count_reports(set);
  return Prepared::Ok;
}

bool save_set(HostContext* ctx, int year, ZusSet& set, std::string& error) {
  Table sets(ctx, kSets, year, true), persons(ctx, kPersons, year, true), rows(ctx, kBenefits, year, true);
  if (!sets || !persons || !rows) {
    error = "nie można otworzyć tabel deklaracji ZUS";
    return false;
  }
  ZusSetHeader& h = set.header;
  h.rec = d4reccount(sets) + 1;
  // Every assignment is checked: a value that does not fit its field fails
  // the set instead of being stored cut.
  bool ok = check(d4append_start(sets), "raportu", error);
  auto put = [&](int rc, const char* what) { ok = ok && check(rc, what, error); };
  if (ok) {
    put(f4assign_int(d4field(sets, "MIE"), h.month), "raportu");
    put(f4assign_int(d4field(sets, "INR"), h.number), "raportu");
    put(f4assign_long(d4field(sets, "REC"), h.rec), "raportu");
    put(f4assign_date(d4field(sets, "DWY"), h.filled), "raportu");
    put(f4assign_date(d4field(sets, "DAZ"), h.paid), "raportu");
    for (auto [f, v] : {std::pair{"RCA", h.rca}, {"RNA", h.rna}, {"RSA", h.rsa}, {"RGA", h.rga}, {"RZA", h.rza},
                        {"RMA", h.rma}, {"ILU", h.persons}})
      put(f4assign_int(d4field(sets, f), v), "raportu");
    for (auto [f, v] : {std::pair{"DUS", h.dus}, {"DUZ", h.duz}, {"DFP", h.dfp}})
      put(f4assign_double(d4field(sets, f), v), "raportu");
    put(f4assign(d4field(sets, "DEP"), h.dep.c_str()), "raportu");
    put(d4append(sets), "raportu");
  }
  for (size_t i = 0; ok && i < set.persons.size(); ++i) {
    const ZusPerson& p = set.persons[i];
    long rec = d4reccount(persons) + 1;
    put(d4append_start(persons), "osoby");
    if (!ok) break;
    for (const auto& [f, m] : kPersonTexts) put(f4assign(d4field(persons, f), (p.*m).c_str()), "osoby");
    for (const auto& [f, m] : kPersonMoney) put(f4assign_double(d4field(persons, f), p.*m), "osoby");
    for (const auto& [f, m] : kPersonCounts) put(f4assign_int(d4field(persons, f), p.*m), "osoby");
    put(f4assign_long(d4field(persons, "KOD"), p.employee), "osoby");
    put(f4assign_long(d4field(persons, "REC"), rec), "osoby");
    put(f4assign_long(d4field(persons, "REK"), h.rec), "osoby");
    put(d4append(persons), "osoby");
    for (const ZusBenefit& b : p.benefits) {
      put(d4append_start(rows), "świadczenia");
      if (!ok) break;
      put(f4assign(d4field(rows, "KTU"), b.ktu.c_str()), "świadczenia");
      put(f4assign(d4field(rows, "KOD"), b.code.c_str()), "świadczenia");
      put(f4assign(d4field(rows, "KCH"), b.kch.c_str()), "świadczenia");
      put(f4assign_date(d4field(rows, "DOD"), b.from), "świadczenia");
      put(f4assign_date(d4field(rows, "DDO"), b.to), "świadczenia");
      put(f4assign_int(d4field(rows, "ILZ"), b.days), "świadczenia");
      put(f4assign_double(d4field(rows, "KWO"), b.amount), "świadczenia");
      put(f4assign_long(d4field(rows, "REC"), rec), "świadczenia");
      put(d4append(rows), "świadczenia");
    }
  }
  if (ok) {
    d4flush(sets), d4flush(persons), d4flush(rows);
    return true;
  }
  std::string why = error;
  delete_set(ctx, year, h.month, h.number, error);
  error = why;
  return false;
}

std::vector<ZusSetHeader> list_sets(HostContext* ctx, int year) {
  std::vector<ZusSetHeader> out;
  Table t(ctx, kSets, year, false);
  if (t)
    for (long r = 1; r <= d4reccount(t); ++r)
      if (d4go(t, r) == 0 && !d4deleted(t)) out.push_back(read_header(t));
  std::sort(out.begin(), out.end(), [](const ZusSetHeader& a, const ZusSetHeader& b) {
    return a.month != b.month ? a.month < b.month : a.number < b.number;
  });
  return out;
}

bool load_set(HostContext* ctx, int year, int month, int number, ZusSet& out, std::string& error) {
  Table sets(ctx, kSets, year, false);
  long at = sets ? find_set(sets, month, number) : 0;
  if (!at) {
    error = "brak raportu ZUS za miesiąc " + std::to_string(month) + " numer " + std::to_string(number);
    return false;
  }
  d4go(sets, at);
  out = ZusSet{};
  out.year = year;
  out.header = read_header(sets);
  Table persons(ctx, kPersons, year, false);
  Table rows(ctx, kBenefits, year, false);
  std::map<long, size_t> by_rec;
  if (persons) {
    // The persons in the order of the table's tag: set, then name.
    for (int rc = d4top(persons); rc == 0 && !d4eof(persons); rc = d4skip(persons, 1)) {
      if (d4deleted(persons) || whole(persons, "REK") != out.header.rec) continue;
      ZusPerson p;
      for (const auto& [f, m] : kPersonTexts) p.*m = text(persons, f);
      for (const auto& [f, m] : kPersonMoney) p.*m = num(persons, f);
      for (const auto& [f, m] : kPersonCounts) p.*m = static_cast<int>(whole(persons, f));
      p.employee = whole(persons, "KOD");
      by_rec[whole(persons, "REC")] = out.persons.size();
      out.persons.push_back(std::move(p));
    }
  }
  if (rows) {
    for (long r = 1; r <= d4reccount(rows); ++r) {
      if (d4go(rows, r) != 0 || d4deleted(rows)) continue;
      auto it = by_rec.find(whole(rows, "REC"));
      if (it == by_rec.end()) continue;
      ZusBenefit b;
      b.ktu = text(rows, "KTU"), b.code = text(rows, "KOD"), b.kch = text(rows, "KCH");
      b.from = date(rows, "DOD"), b.to = date(rows, "DDO");
      b.days = static_cast<int>(whole(rows, "ILZ"));
      b.amount = num(rows, "KWO");
      out.persons[it->second].benefits.push_back(std::move(b));
    }
  }
  return true;
}

bool delete_set(HostContext* ctx, int year, int month, int number, std::string& error) {
  Table sets(ctx, kSets, year, false);
  long at = sets ? find_set(sets, month, number) : 0;
  if (!at) {
    error = "brak raportu ZUS za miesiąc " + std::to_string(month) + " numer " + std::to_string(number);
    return false;
  }
  d4go(sets, at);
  long rec = whole(sets, "REC");
  d4delete(sets);
  d4flush(sets);
  Table persons(ctx, kPersons, year, false);
  std::vector<long> person_recs;
  if (persons)
    for (long r = 1; r <= d4reccount(persons); ++r)
      if (d4go(persons, r) == 0 && !d4deleted(persons) && whole(persons, "REK") == rec)
        person_recs.push_back(whole(persons, "REC"));
  delete_where(persons, "REK", rec);
  Table rows(ctx, kBenefits, year, false);
  for (long pr : person_recs) delete_where(rows, "REC", pr);
  return true;
}

bool year_persons(HostContext* ctx, int year, std::vector<YearPerson>& out, std::string& error) {
  std::vector<ZusSet> sets;
  for (const ZusSetHeader& h : list_sets(ctx, year)) {
    ZusSet set;
    if (load_set(ctx, year, h.month, h.number, set, error)) sets.push_back(std::move(set));
  }
  const std::string work_path = ctx->firm_dir + "RMUAP.DBF";
  if (EnvFileExists(ctx, work_path.c_str())) EnvFileRemove(ctx, work_path.c_str());
  Table work(ctx, "RMUAP.DBF", year, true);
  if (!work) {
    error = "nie można utworzyć tabeli roboczej RMUAP.DBF";
    return false;
  }
  auto key = [](long employee, const std::string& ktu) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%5ld%-6.6s", employee, ktu.c_str());
    return std::string(buf);
  };
  TAG4* by_code = d4tag(work, 2);
  for (const ZusSet& set : sets) {
    for (const ZusPerson& p : set.persons) {
      d4tag_select(work, by_code);
      if (d4seek(work, key(p.employee, p.ktu).c_str()) == 0) continue;
      if (d4append_start(work) != 0) break;
      f4assign(d4field(work, "NAZ"), p.surname.c_str());
      f4assign(d4field(work, "IMI"), p.first_name.c_str());
      f4assign(d4field(work, "KTU"), p.ktu.c_str());
      f4assign_long(d4field(work, "REK"), p.employee);
      if (d4append(work) != 0) {
        error = "nie można zapisać tabeli roboczej RMUAP.DBF";
        return false;
      }
    }
  }
  std::map<std::string, size_t> index;
  d4tag_select(work, d4tag(work, 1));
  for (int rc = d4top(work); rc == 0 && !d4eof(work); rc = d4skip(work, 1)) {
    YearPerson y;
    y.surname = text(work, "NAZ"), y.first_name = text(work, "IMI"), y.ktu = text(work, "KTU");
    y.employee = whole(work, "REK");
    index[key(y.employee, y.ktu)] = out.size();
    out.push_back(std::move(y));
  }
  for (const ZusSet& set : sets) {
    for (const ZusPerson& p : set.persons) {
      auto it = index.find(key(p.employee, p.ktu));
      if (it == index.end()) continue;
      YearPerson& y = out[it->second];
      if (y.id_number.empty()) y.id_number = p.id_number;
      add_amounts(y.months[set.header.month], p);
      add_amounts(y.months[0], p);
    }
  }
  return true;
}

bool load_payer(HostContext* ctx, ZusPayer& out, std::string& error) {
  std::string path = ctx->firm_dir + "W3PAWL.DBF";
  if (!EnvFileExists(ctx, path.c_str())) {
    error = "brak danych firmy (W3PAWL.DBF)";
    return false;
  }
  DATA4* t = d4open(ctx, path.c_str());
  if (!t) {
    error = "nie można otworzyć danych firmy (W3PAWL.DBF)";
    return false;
  }
  if (d4top(t) == 0 && !d4eof(t)) {
    out.nip = text(t, "NIP"), out.regon = text(t, "REG"), out.short_name = text(t, "SKN");
    out.natural_person = text(t, "FIZF") == "T";
    out.pesel = text(t, "NRPF"), out.id_kind = text(t, "IDOF"), out.id_number = text(t, "NUDF");
    out.surname = text(t, "NAZF"), out.first_name = text(t, "IM1F");
    out.birth = date(t, "DATF");
    out.spc = text(t, "SPC"), out.tde = text(t, "TDE"), out.account = text(t, "NRR1");
  }
  d4close(t);
  return true;
}

}  // namespace skolvarin::declarations
