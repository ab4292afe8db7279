#include "payroll/pay_lists.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/rounding.h"
#include "payroll/component_catalogue.h"
#include "payroll/component_entry.h"
#include "payroll/component_rules.h"
#include "payroll/employee_switches_table.h"
#include "payroll/messages.h"
#include "payroll/payroll_settings.h"

namespace skolvarin::payroll {

namespace {

// Fields of the pay record's amounts, in the order of PayAmounts' members
// that the table stores.
struct AmountField {
  const char* name;
  double PayAmounts::*member;
};
constexpr AmountField kAmounts[] = {
    {"BRP", &PayAmounts::BRP}, {"KUZ", &PayAmounts::KUZ}, {"DOP", &PayAmounts::DOP}, {"POP", &PayAmounts::POP},
    {"POS", &PayAmounts::POS}, {"POD", &PayAmounts::POD}, {"ODL", &PayAmounts::ODL}, {"NPO", &PayAmounts::NPO},
    {"ZAZ", &PayAmounts::ZAZ}, {"ODZ", &PayAmounts::ODZ}, {"OBP", &PayAmounts::OBP}, {"WYP", &PayAmounts::WYP},
    {"PER", &PayAmounts::PER}, {"KEU", &PayAmounts::KEU}, {"KEP", &PayAmounts::KEP}, {"KRU", &PayAmounts::KRU},
    {"KRP", &PayAmounts::KRP}, {"PCW", &PayAmounts::PCW}, {"KCU", &PayAmounts::KCU}, {"PSW", &PayAmounts::PSW},
    {"KWP", &PayAmounts::KWP}, {"PSZ", &PayAmounts::PSZ}, {"KZU", &PayAmounts::KZU}, {"FPP", &PayAmounts::FPP},
    {"FGP", &PayAmounts::FGP}, {"FEP", &PayAmounts::FEP}, {"PCO", &PayAmounts::PCO}, {"SCO", &PayAmounts::SCO},
};
constexpr const char* kSumFields[15] = {"DPI", "DZP", "DNI", "DZN", "SPI", "SZP", "SNI", "SZN",
                                        "PPI", "PZP", "PNI", "PZN", "PFP", "WZC", "ODB"};

FIELD4* F(DATA4* d, const char* name) { return d ? d4field(d, name) : nullptr; }
double num(DATA4* d, const char* name) {
  FIELD4* f = F(d, name);
  return f ? f4double(f) : 0;
}
long lng(DATA4* d, const char* name) {
  FIELD4* f = F(d, name);
  return f ? f4long(f) : 0;
}
std::string text(DATA4* d, const char* name) {
  FIELD4* f = F(d, name);
  return f ? f4trim(f) : std::string();
}
char ch(DATA4* d, const char* name, char dflt = ' ') {
  std::string s = text(d, name);
  return s.empty() ? dflt : s[0];
}
Date date(DATA4* d, const char* name) {
  FIELD4* f = F(d, name);
  return f ? f4date(f) : Date{};
}
void put(DATA4* d, const char* name, double v) {
  if (FIELD4* f = F(d, name)) f4assign_double(f, v);
}
void put(DATA4* d, const char* name, const std::string& v) {
  if (FIELD4* f = F(d, name)) f4assign(f, v.c_str());
}
void put_char(DATA4* d, const char* name, char c) {
  char t[2] = {c, 0};
  put(d, name, std::string(t));
}
void put(DATA4* d, const char* name, const Date& v) {
  if (FIELD4* f = F(d, name)) f4assign_date(f, v);
}

int ym(int year, int month) { return year * 12 + month; }

bool fep_code(const ListEnv& env, const std::string& kps) {
  if (!env.kzus || kps.empty()) return false;
  long keep = d4recno(env.kzus);
  bool found = false;
  for (int rc = d4top(env.kzus); rc == 0 && !found; rc = d4skip(env.kzus, 1)) {
    if (d4deleted(env.kzus) || lng(env.kzus, "KGL") != 2) continue;
    std::string sub = text(env.kzus, "KPG");
    found = text(env.kzus, "KGR") == kps && (sub == "1" || sub == "2");
  }
  if (keep > 0) d4go(env.kzus, keep);
  return found;
}

PayComponent read_component(DATA4* d) {
  PayComponent c;
  c.recno = d4recno(d);
  c.REK = lng(d, "REK");
  c.KOD = lng(d, "KOD");
  c.NRL = static_cast<int>(lng(d, "NRL"));
  c.MIE = static_cast<int>(lng(d, "MIE"));
  c.KGS = text(d, "KGS");
  c.KZU = text(d, "KZU");
  c.NA1 = text(d, "NA1");
  c.NA2 = text(d, "NA2");
  c.KTU = text(d, "KTU");
  c.POD = ch(d, "POD", 'N');
  c.ZUS = ch(d, "ZUS", 'N');
  c.STA = ch(d, "STA", 'N');
  c.PLC = ch(d, "PLC");
  c.SRE = ch(d, "SRE");
  c.OBN = ch(d, "OBN");
  c.KWO = num(d, "KWO");
  c.PRO = num(d, "PRO");
  c.RE2 = num(d, "RE2");
  c.DOD = date(d, "DOD");
  c.DDO = date(d, "DDO");
  c.ILS = static_cast<int>(lng(d, "ILS"));
  c.ILD = static_cast<int>(lng(d, "ILD"));
  c.ILG = static_cast<int>(lng(d, "ILG"));
  return c;
}

void assign_component(DATA4* d, const PayComponent& c) {
  put(d, "REK", static_cast<double>(c.REK));
  put(d, "KOD", static_cast<double>(c.KOD));
  put(d, "NRL", c.NRL);
  put(d, "MIE", c.MIE);
  put(d, "KGS", c.KGS);
  put(d, "KZU", c.KZU);
  put(d, "NA1", c.NA1);
  put(d, "NA2", c.NA2);
  put(d, "KTU", c.KTU);
  put_char(d, "POD", c.POD);
  put_char(d, "ZUS", c.ZUS);
  put_char(d, "STA", c.STA);
  put_char(d, "PLC", c.PLC);
  put_char(d, "SRE", c.SRE);
  put_char(d, "OBN", c.OBN);
  put(d, "KWO", c.KWO);
  put(d, "PRO", c.PRO);
  put(d, "RE2", c.RE2);
  put(d, "DOD", c.DOD);
  put(d, "DDO", c.DDO);
  put(d, "ILS", c.ILS);
  put(d, "ILD", c.ILD);
  put(d, "ILG", c.ILG);
}

// The base pay (D11) of a person for a month: amount and hours.
struct BasePay {
  double amount = 0;
  int hours = 0;
  int message = 0;  // 210 no calendar hours
};
BasePay base_pay(const ListEnv& env, const ListPerson& person, int month) {
  BasePay b;
  if (person.basis.CZG != 'T') {
    b.amount = R(monthly_base(person.basis, env.p, 0), 2);
    return b;
  }
  const int calendar = env.calendar.hours_of(month);
  if (calendar <= 0) b.message = msg::kNoCalendarHours;
  const int wy2 = person.basis.WY2 > 0 ? person.basis.WY2 : 1;
  b.hours = static_cast<int>(R(static_cast<double>(calendar) * person.basis.WY1 / wy2, 0));
  b.amount = R(b.hours * person.basis.STG, 2);
  return b;
}

void fill_person_amounts(PayComponent& c, const ListEnv& env, const ListPerson& person, int month,
                         std::vector<int>* warnings) {
  const std::string_view code = trim_code(c.KGS);
  if (code == "D11") {
    BasePay b = base_pay(env, person, month);
    c.KWO = b.amount;
    if (person.basis.CZG == 'T') c.ILG = b.hours;
    if (b.message && warnings) warnings->push_back(b.message);
  } else if (code == "S500") {
    c.KWO = person.KZR;
    c.ILS = person.OZR;
  } else if (code == "S501") {
    c.KWO = person.KZP;
    c.ILS = person.OZP;
  } else if (code == "S502") {
    c.KWO = person.KZW;
  }
}

constexpr std::string_view kNeedsEntitlement[] = {"S311", "S312", "S313", "S321", "S323", "S324", "S319",
                                                  "S320", "S325", "S326", "S327", "S328", "S398", "S329"};
// The record's fields read into a PayRecord.
void read_record_fields(DATA4* d, PayRecord& r) {
  r.recno = d4recno(d);
  r.REC = lng(d, "REC");
  r.KOD = lng(d, "KOD");
  r.MIE = static_cast<int>(lng(d, "MIE"));
  r.NRL = static_cast<int>(lng(d, "NRL"));
  r.WY1 = static_cast<int>(lng(d, "WY1"));
  r.WY2 = static_cast<int>(lng(d, "WY2"));
  r.NAZ = text(d, "NAZ");
  r.IMI = text(d, "IMI");
  r.KTU = text(d, "KTU");
  r.DWY = date(d, "DWY");
  std::array<double, 15> s{};
  for (size_t i = 0; i < 15; ++i) s[i] = num(d, kSumFields[i]);
  r.sums = ComponentSums::from_array(s);
  for (const auto& a : kAmounts) r.a.*a.member = num(d, a.name);
  r.BRE = lng(d, "BRE");
  r.ZRE = lng(d, "ZRE");
}

void assign_record_fields(DATA4* d, const PayRecord& r) {
  put(d, "REC", static_cast<double>(r.REC));
  put(d, "KOD", static_cast<double>(r.KOD));
  put(d, "MIE", r.MIE);
  put(d, "NRL", r.NRL);
  put(d, "WY1", r.WY1);
  put(d, "WY2", r.WY2);
  put(d, "NAZ", r.NAZ);
  put(d, "IMI", r.IMI);
  put(d, "KTU", r.KTU);
  put(d, "DWY", r.DWY);
  const auto s = r.sums.as_array();
  for (size_t i = 0; i < 15; ++i) put(d, kSumFields[i], R(s[i], 2));
  for (const auto& a : kAmounts) put(d, a.name, r.a.*a.member);
}

// The year-to-date scan over any year's table.
YearToDateScan scan_year(const ListEnv& env, DATA4* pens, long kod, int month, int list,
                         const VisibleRecord& visible, bool want_payment = true) {
  YearToDateScan s;
  if (env.umow) {
    long keep = d4recno(env.umow);
    for (int rc = d4top(env.umow); rc == 0; rc = d4skip(env.umow, 1)) {
      if (d4deleted(env.umow) || lng(env.umow, "KOD") != kod) continue;
      Date bill = date(env.umow, "DAR");
      if (bill.empty()) bill = date(env.umow, "DAW");
      if (!bill.empty() && bill.year == env.year && bill.month > month) continue;
      s.ytd.contracts_base += num(env.umow, "PER");
    }
    if (keep > 0) d4go(env.umow, keep);
  }
  // One person's records through the first tag and the list's records
  // through the third, when the table has them; otherwise every record.
  const long keep = d4recno(pens);
  TAG4* saved = d4tag_selected(pens);
  TAG4* by_person = d4tag(pens, 1);
  TAG4* by_list = d4tag(pens, 3);
  auto take = [&](bool payment_only) {
    if (d4deleted(pens) || (visible && !visible())) return;
    const int m = static_cast<int>(lng(pens, "MIE"));
    const int l = static_cast<int>(lng(pens, "NRL"));
    if (m == month && l == list) {
      Date d = date(pens, "DWY");
      if (!d.empty()) s.payment = d;
    }
    if (payment_only || lng(pens, "KOD") != kod) return;
    if (m == month && l == list) {
      s.duplicate = true;
      s.own_recno = d4recno(pens);
    } else if (m <= month) {
      s.ytd.tax_base += num(pens, "POP");
      s.ytd.pension_base += num(pens, "PER");
      s.ytd.advance_due += num(pens, "NPO");
      s.ytd.earlier_records = true;
    }
  };
  char key[24];
  if (by_person && by_list) {
    d4tag_select(pens, by_list);
    std::snprintf(key, sizeof key, "%2d%4d", month, list);
    // The list's records share one payment date: the first found will do.
    for (int rc = d4seek(pens, key); want_payment && rc == 0 && !d4eof(pens); rc = d4skip(pens, 1)) {
      if (lng(pens, "MIE") != month || lng(pens, "NRL") != list) break;
      take(true);
      if (!s.payment.empty()) break;
    }
    d4tag_select(pens, by_person);
    std::snprintf(key, sizeof key, "%5ld", kod);
    for (int rc = d4seek(pens, key); rc == 0 && !d4eof(pens); rc = d4skip(pens, 1)) {
      if (lng(pens, "KOD") != kod) break;
      take(false);
    }
  } else {
    d4tag_select(pens, nullptr);
    for (int rc = d4top(pens); rc == 0; rc = d4skip(pens, 1)) take(false);
  }
  d4tag_select(pens, saved);
  if (keep > 0) d4go(pens, keep);
  return s;
}

// A per-year table of another year than the working one, opened (created
// with its layout when the year has none yet) without touching the handles
// of the working year's table; the caller closes it.
DATA4* open_other_year(HostContext* ctx, const char* file, int year) {
  const data::CatalogueEntry* entry = data::find_table(file);
  if (!entry) return nullptr;
  const std::string name = data::table_file_name(ctx, *entry, year);
  if (data::define_layout(ctx, entry->layout()) != 0) {
    ReleaseDbfDefinition(ctx);
    return nullptr;
  }
  if (data::enter_place(ctx, *entry) != 0) {
    ReleaseDbfDefinition(ctx);
    return nullptr;
  }
  DATA4* d = nullptr;
  if (EnvFileExists(ctx, name.c_str())) {
    d = d4open(ctx, name.c_str());
  } else {
    TAG4INFO* tags = nullptr;
    FIELD4INFO* fields = GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0));
    d = d4create(ctx, name.c_str(), fields, tags);
  }
  RestoreDir(ctx);
  ReleaseDbfDefinition(ctx);
  return d;
}

int next_rec(DATA4* pens) {
  long max_rec = d4reccount(pens);
  return static_cast<int>(max_rec + 1);
}

}  // namespace

// ---------------------------------------------------------------- environment

bool bind_list_env(HostContext* ctx, int year, ListEnv& env, std::string& error) {
  env.ctx = ctx;
  env.year = year;
  auto bind = [&](const char* file, DATA4** out, bool required) {
    data::TableHandles& t = data::handles(file);
    if (!t.open()) {
      data::OpenRequest r;
      r.year = year;
      if (data::open_table(ctx, file, r) != 0) {
        if (required) error = std::string("nie można otworzyć tabeli ") + file;
        return !required;
      }
    }
    *out = data::handles(file).data;
    return true;
  };
  if (!bind("W3PENS  .DBF", &env.pens, true) || !bind("W3PESK  .DBF", &env.pesk, true) ||
      !bind("W3PRAC.DBF", &env.prac, true))
    return false;
  bind("W3PELI.DBF", &env.peli, false);
  bind("W3UMOW  .DBF", &env.umow, false);
  bind("W3KZUS.DBF", &env.kzus, false);
  PayrollSettings& s = payroll_settings();
  if (s.parameters_year != year) {
    load_payroll_parameters(ctx, year);
    load_zus_settings(ctx);
  }
  if (s.calendar_year != year) load_calendar(ctx, year);
  env.p = s.parameters;
  env.z = s.zus;
  env.calendar = s.calendar;
  // The year's tax scale (shared table), read and closed again.
  env.scale.clear();
  if (const data::CatalogueEntry* e = data::find_table("W3TABE  .DBF")) {
    data::TableHandles& t = data::handles(*e);
    bool was_open = t.open();
    data::OpenRequest r;
    r.year = year;
    if (was_open || data::open_table(ctx, *e, r) == 0) {
      DATA4* d = data::handles(*e).data;
      for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1))
        if (!d4deleted(d)) env.scale.push_back({num(d, "PODS"), num(d, "PODA"), num(d, "PROC")});
      if (!was_open) data::close_table(*e);
    }
  }
  data::TableHandles& firm = data::handles("W3PAWL.DBF");
  env.firm_pays_benefits = !(firm.open() && d4reccount(firm.data) > 0 && ch(firm.data, "PLS") == 'N');
  return true;
}

// ---------------------------------------------------------------- persons

EmployeeLaw ListPerson::law(int year, int month) const {
  return employee_law(switches, law_person, last_day_of_month(year, month));
}

EmployeeForPay ListPerson::for_pay() const {
  EmployeeForPay e;
  e.KTU = ktu;
  e.KUZ = KUZ;
  e.CKU = CKU;
  e.PMA = PMA;
  e.DPM = DPM;
  e.CFP = CFP;
  e.DFP = DFP;
  e.CFG = CFG;
  e.DFG = DFG;
  e.PSP = PSP;
  e.PSK = PSK;
  e.UBC = UBC;
  e.ZPZ = ZPZ;
  e.to_account = re1.empty() ? 'N' : re1[0];
  return e;
}

EmployeeForNewRecord ListPerson::for_new_record() const {
  EmployeeForNewRecord e;
  e.KTU = ktu;
  e.ULG = ULG;
  e.TBL = TBL;
  e.WY1 = basis.WY1;
  e.WY2 = basis.WY2;
  return e;
}

bool ListPerson::employed_in(int year, int month) const {
  if (kind == 'Z') return false;
  if (!hired.empty() && ym(hired.year, hired.month) > ym(year, month)) return false;
  if (!left.empty() && ym(left.year, left.month) < ym(year, month)) return false;
  return true;
}

bool read_person(const ListEnv& env, long kod, ListPerson& out) {
  DATA4* d = env.prac;
  if (!d || kod < 1 || kod > d4reccount(d) || d4go(d, kod) != 0 || d4deleted(d)) return false;
  out = {};
  out.kod = kod;
  out.naz = text(d, "NAZ");
  out.imi = text(d, "IM1");
  out.ktu = text(d, "KTU");
  out.kps = text(d, "KPS");
  out.re1 = text(d, "RE1");
  out.kind = ch(d, "ROD", 'P');
  out.hired = date(d, "DAP");
  out.left = date(d, "DAZ");
  out.basis.CZG = ch(d, "CZG", 'N');
  out.basis.STG = num(d, "STG");
  out.basis.BRG = num(d, "BRG");
  out.basis.CPM = ch(d, "CPM", 'N');
  out.basis.WY1 = static_cast<int>(lng(d, "WY1"));
  out.basis.WY2 = static_cast<int>(lng(d, "WY2"));
  out.ULG = ch(d, "ULG", 'T');
  out.TBL = ch(d, "TBL", 'T');
  out.CKU = ch(d, "CKU", 'N');
  out.switches = law_switches_of(lng(d, "REK"));
  out.law_person.pesel = text(d, "PES");
  out.law_person.birth = date(d, "DAU");
  out.law_person.sex = ch(d, "PLE", ' ');
  out.law_person.pit2 = out.ULG;
  out.law_person.raised_costs = out.CKU;
  out.PMA = ch(d, "PMA");
  out.CFP = ch(d, "CFP", 'T');
  out.CFG = ch(d, "CFG", 'T');
  out.UBC = ch(d, "UBC", 'N');
  out.KUZ = num(d, "KUZ");
  out.ZPZ = num(d, "ZPZ");
  out.KZR = num(d, "KZR");
  out.KZP = num(d, "KZP");
  out.KZW = num(d, "KZW");
  out.OZR = static_cast<int>(lng(d, "OZR"));
  out.OZP = static_cast<int>(lng(d, "OZP"));
  out.DPM = date(d, "DPM");
  out.DFP = date(d, "DFP");
  out.DFG = date(d, "DFG");
  out.PSP = date(d, "PSP");
  out.PSK = date(d, "PSK");
  return true;
}

// ---------------------------------------------------------------- records

bool read_pay_record(const ListEnv& env, PayRecord& out) {
  if (!env.pens || d4recno(env.pens) < 1 || d4eof(env.pens)) return false;
  out = {};
  read_record_fields(env.pens, out);
  return true;
}

bool read_pay_record(const ListEnv& env, long recno, PayRecord& out) {
  if (!env.pens || recno < 1 || recno > d4reccount(env.pens) || d4go(env.pens, recno) != 0) return false;
  return read_pay_record(env, out);
}

void assign_pay_fields(const ListEnv& env, const PayRecord& r) { assign_record_fields(env.pens, r); }

std::vector<PayComponent> components_of(const ListEnv& env, long rec) {
  std::vector<PayComponent> out;
  DATA4* d = env.pesk;
  if (!d) return out;
  TAG4* saved = d4tag_selected(d);
  // The first tag orders the components by their record (tables opened
  // without tags are scanned).
  d4tag_select(d, d4tag(d, 1));
  char key[16];
  std::snprintf(key, sizeof key, "%5ld", rec);
  if (d4tag_selected(d)) {
    for (int rc = d4seek(d, key); rc == 0 && !d4eof(d); rc = d4skip(d, 1)) {
      if (lng(d, "REK") != rec) break;
      if (!d4deleted(d)) out.push_back(read_component(d));
    }
  } else {
    for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1))
      if (!d4deleted(d) && lng(d, "REK") == rec) out.push_back(read_component(d));
  }
  d4tag_select(d, saved);
  return out;
}

long append_component(const ListEnv& env, const PayComponent& c) {
  DATA4* d = env.pesk;
  if (d4append_start(d) != 0) return 0;
  EmptyRecord(d);
  assign_component(d, c);
  if (FIELD4* inf = F(d, "INF")) f4assign(inf, "");
  if (lock_and_append(d) != 0) return 0;
  long rec = d4recno(d);
  d4unlock(d);
  return rec;
}

YearToDateScan year_to_date(const ListEnv& env, long kod, int month, int list, const VisibleRecord& visible) {
  return scan_year(env, env.pens, kod, month, list, visible);
}

NewPayRecord new_pay_record(ListEnv& env, long kod, int month, int list, const VisibleRecord& visible) {
  NewPayRecord out;
  ListPerson person;
  if (!read_person(env, kod, person)) {
    out.refused = -1;
    out.error = "nie ma takiego pracownika";
    return out;
  }
  YearToDateScan scan = year_to_date(env, kod, month, list, visible);
  if (scan.duplicate) {
    out.refused = kMsgDuplicatePay;
    out.recno = scan.own_recno;
    return out;
  }
  PayRecord r;
  r.DWY = scan.payment.empty() ? last_day_of_month(env.year, month) : scan.payment;
  r.KOD = kod;
  r.NAZ = person.naz;
  r.IMI = person.imi;
  r.KTU = person.ktu;
  r.WY1 = person.basis.WY1;
  r.WY2 = person.basis.WY2;
  r.MIE = month;
  r.NRL = list;
  EmployeeForNewRecord for_record = person.for_new_record();
  person.law(env.year, month).apply(for_record);
  const NewRecordTax tax = new_record_tax(for_record, env.p, env.year, month, scan.ytd, env.scale);
  r.a.POS = tax.POS;
  r.a.ODL = tax.ODL;
  out.warnings = tax.messages;
  DATA4* d = env.pens;
  if (d4append_start(d) != 0) {
    out.refused = -1;
    out.error = "nie można dopisać pensji";
    return out;
  }
  EmptyRecord(d);
  int rc = lock_and_append_numbered(d, [&] {
    r.REC = next_rec(d);
    assign_record_fields(d, r);
    return 0;
  });
  if (rc != 0) {
    out.refused = -1;
    out.error = "tabela list płac jest zajęta";
    return out;
  }
  out.recno = d4recno(d);
  d4unlock(d);
  return out;
}

// ---------------------------------------------------------------- components

ComponentEntry enter_component(const ListEnv& env, const PayRecord& rec, const std::string& typed,
                               const std::function<void(PayComponent&)>& adjust) {
  ComponentEntry out;
  std::string code = typed;
  while (!code.empty() && code.back() == ' ') code.pop_back();
  if (code.empty() || (code[0] != 'S' && code[0] != 'D' && code[0] != 'P')) {
    out.refused = kMsgBadComponentType;
    return out;
  }
  PayComponent c;
  c.KGS = code;
  bool found = false;
  if (env.peli) {
    data::TableHandles& t = data::handles("W3PELI.DBF");
    TAG4* saved = d4tag_selected(env.peli);
    if (t.data == env.peli && t.tags.size() > 1) d4tag_select(env.peli, t.tags[1]);
    char key[8];
    std::snprintf(key, sizeof key, "%-4s", code.c_str());
    if (d4tag_selected(env.peli) && d4seek(env.peli, key) == 0) {
      found = true;
      DATA4* d = env.peli;
      c.KZU = text(d, "KZU");
      c.NA1 = text(d, "NA1");
      c.NA2 = text(d, "NA2");
      c.KWO = num(d, "KWO");
      c.PLC = ch(d, "PLC");
      c.PRO = num(d, "PRO");
      c.POD = ch(d, "POD", 'N');
      c.ZUS = ch(d, "ZUS", 'N');
      c.SRE = ch(d, "SRE");
      c.OBN = ch(d, "OBN");
      if (code == "D507" || code == "D508") c.RE2 = c.KWO;
    }
    d4tag_select(env.peli, saved);
  }
  if (!found) {
    out.refused = kMsgUndefinedCode;
    return out;
  }
  if (!env.firm_pays_benefits && code_in(code, kNeedsEntitlement)) {
    out.refused = kMsgNotEntitled;
    return out;
  }
  ListPerson person;
  read_person(env, rec.KOD, person);
  c.REK = rec.REC;
  c.KOD = rec.KOD;
  c.NRL = rec.NRL;
  c.MIE = rec.MIE;
  c.STA = 'N';
  const ComponentPeriod period = new_component_period(code, env.year, rec.MIE, person.DPM);
  c.DOD = period.DOD;
  c.DDO = period.DDO;
  c.ILS = period.ILS;
  fill_person_amounts(c, env, person, rec.MIE, &out.warnings);
  c.KTU = component_ktu(code, rec.KTU);
  if (adjust) adjust(c);
  out.recno = append_component(env, c);
  if (out.recno == 0) out.refused = -1;
  return out;
}

int copy_fixed_components(const ListEnv& env, const PayRecord& rec, int* copied) {
  if (copied) *copied = 0;
  if (rec.MIE <= 1) return kMsgNoFixedInJanuary;
  std::vector<PayComponent> earlier;
  DATA4* d = env.pesk;
  auto take = [&] {
    if (!d4deleted(d) && lng(d, "KOD") == rec.KOD && lng(d, "MIE") == rec.MIE - 1 && lng(d, "NRL") == rec.NRL)
      earlier.push_back(read_component(d));
  };
  TAG4* saved = d4tag_selected(d);
  if (TAG4* by_person = d4tag(d, 2)) {
    d4tag_select(d, by_person);
    char key[24];
    std::snprintf(key, sizeof key, "%5ld%2d%2d", rec.KOD, rec.MIE - 1, rec.NRL % 100);
    for (int rc = d4seek(d, key); rc == 0 && !d4eof(d); rc = d4skip(d, 1)) {
      if (lng(d, "KOD") != rec.KOD || lng(d, "MIE") != rec.MIE - 1) break;
      take();
    }
  } else {
    for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) take();
  }
  d4tag_select(d, saved);
  if (earlier.empty()) return kMsgNoFixedComponents;
  ListPerson person;
  read_person(env, rec.KOD, person);
  int n = 0;
  for (PayComponent c : earlier) {
    if (c.STA != 'T') continue;
    c.MIE = rec.MIE;
    c.REK = rec.REC;
    const ComponentPeriod moved = fixed_component_period(c.DOD, c.DDO, env.year, rec.MIE);
    c.DOD = moved.DOD;
    c.DDO = moved.DDO;
    fill_person_amounts(c, env, person, rec.MIE, nullptr);
    if (append_component(env, c) == 0) return -1;
    ++n;
  }
  if (copied) *copied = n;
  return 0;
}

bool component_sums(const ListEnv& env, long rec, ComponentSums& sums, DeclarationBenefitSums* extra) {
  sums = {};
  for (const PayComponent& c : components_of(env, rec))
    if (!classify_component({c.KGS, c.POD, c.ZUS, c.KWO}, sums, extra)) return false;
  return true;
}

// ---------------------------------------------------------------- the chain

int recompute_in_memory(const ListEnv& env, PayRecord& r, ChainStep from, bool resum, bool* sums_changed,
                        const YearToDate* ytd) {
  if (resum) {
    ComponentSums sums;
    if (!component_sums(env, r.REC, sums)) return msg::kBadComponents;
    if (sums_changed) *sums_changed = !sums.same_as(r.sums);
    r.sums = sums;
  }
  ListPerson person;
  if (!read_person(env, r.KOD, person)) return -1;
  YearToDate sums;
  if (ytd) {
    sums = *ytd;
  } else {
    long keep = d4recno(env.pens);
    sums = scan_year(env, env.pens, r.KOD, r.MIE, r.NRL, {}, false).ytd;
    if (keep > 0) d4go(env.pens, keep);
  }
  const ListMonth month{env.year, r.MIE, fep_switch(env.year, fep_code(env, person.kps))};
  EmployeeForPay for_pay = person.for_pay();
  person.law(env.year, r.MIE).apply(for_pay);
  run_pay_chain(r.sums, for_pay, env.p, env.z, sums, month, r.a, from);
  return 0;
}

Recompute recompute_pay_record(const ListEnv& env, long recno, ChainStep from, bool resum) {
  Recompute out;
  PayRecord r;
  if (!read_pay_record(env, recno, r)) return out;
  out.message = recompute_in_memory(env, r, from, resum, &out.sums_changed);
  if (out.message != 0) return out;
  if (go_and_lock(env.pens, recno) != 0) return out;
  assign_record_fields(env.pens, r);
  out.ok = write_and_unlock(env.pens) == 0;
  return out;
}

int spread_payment_date(const ListEnv& env, const PayRecord& saved) {
  DATA4* d = env.pens;
  const long keep = d4recno(d);
  TAG4* tag = d4tag_selected(d);
  bool posted = false;
  std::vector<long> others;
  auto take = [&] {
    if (d4deleted(d) || lng(d, "MIE") != saved.MIE || lng(d, "NRL") != saved.NRL) return;
    if (lng(d, "BRE") >= 1 || lng(d, "ZRE") >= 1) posted = true;
    if (date(d, "DWY") != saved.DWY) others.push_back(d4recno(d));
  };
  if (TAG4* by_list = d4tag(d, 3)) {
    d4tag_select(d, by_list);
    char key[16];
    std::snprintf(key, sizeof key, "%2d%4d", saved.MIE, saved.NRL);
    for (int rc = d4seek(d, key); rc == 0 && !d4eof(d); rc = d4skip(d, 1)) {
      if (lng(d, "MIE") != saved.MIE || lng(d, "NRL") != saved.NRL) break;
      take();
    }
  } else {
    for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) take();
  }
  d4tag_select(d, tag);
  for (long rec : others)
    if (go_and_lock(d, rec) == 0) {
      put(d, "DWY", saved.DWY);
      write_and_unlock(d);
    }
  if (keep > 0) d4go(d, keep);
  return posted ? kMsgPostedList : 0;
}

int delete_pay_record(const ListEnv& env, long recno) {
  PayRecord r;
  if (!read_pay_record(env, recno, r)) return -1;
  for (const PayComponent& c : components_of(env, r.REC))
    if (go_and_lock(env.pesk, c.recno) == 0) {
      d4delete(env.pesk);
      write_and_unlock(env.pesk);
    }
  if (go_and_lock(env.pens, recno) != 0) return -1;
  d4delete(env.pens);
  return write_and_unlock(env.pens);
}

std::vector<long> records_of_month(const ListEnv& env, int month, int list) {
  std::vector<long> out;
  DATA4* d = env.pens;
  TAG4* saved = d4tag_selected(d);
  d4tag_select(d, nullptr);
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1))
    if (!d4deleted(d) && lng(d, "MIE") == month && (list == 0 || lng(d, "NRL") == list)) out.push_back(d4recno(d));
  d4tag_select(d, saved);
  return out;
}

std::vector<MonthAddition> add_month(ListEnv& env, int month, int list, const Date& payment) {
  std::vector<MonthAddition> out;
  std::vector<long> persons;
  DATA4* prac = env.prac;
  TAG4* saved = d4tag_selected(prac);
  d4tag_select(prac, nullptr);
  for (int rc = d4top(prac); rc == 0; rc = d4skip(prac, 1))
    if (!d4deleted(prac)) persons.push_back(d4recno(prac));
  d4tag_select(prac, saved);
  for (long kod : persons) {
    ListPerson person;
    if (!read_person(env, kod, person) || !person.employed_in(env.year, month)) continue;
    MonthAddition a;
    a.kod = kod;
    a.name = person.naz + " " + person.imi;
    NewPayRecord nr = new_pay_record(env, kod, month, list);
    a.refused = nr.refused;
    a.warnings = nr.warnings;
    if (nr.refused != 0) {
      out.push_back(a);
      continue;
    }
    a.recno = nr.recno;
    PayRecord r;
    read_pay_record(env, nr.recno, r);
    int copied = 0;
    if (copy_fixed_components(env, r, &copied) != 0 || copied == 0) {
      ComponentEntry e = enter_component(env, r, "D11");
      a.warnings.insert(a.warnings.end(), e.warnings.begin(), e.warnings.end());
      if (e.refused == kMsgUndefinedCode) {
        // A dictionary without the base pay: the component as the catalogue has it.
        PayComponent c;
        c.KGS = "D11";
        c.NA1 = "płaca zasadnicza";
        c.REK = r.REC, c.KOD = r.KOD, c.NRL = r.NRL, c.MIE = r.MIE;
        const ComponentPeriod pr = new_component_period("D11", env.year, month);
        c.DOD = pr.DOD, c.DDO = pr.DDO;
        c.KTU = r.KTU;
        fill_person_amounts(c, env, person, month, &a.warnings);
        append_component(env, c);
      }
    }
    recompute_pay_record(env, nr.recno);
    if (!payment.empty() && read_pay_record(env, nr.recno, r) && go_and_lock(env.pens, nr.recno) == 0) {
      put(env.pens, "DWY", payment);
      write_and_unlock(env.pens);
      r.DWY = payment;
    }
    out.push_back(a);
  }
  // Every new record carries the list's payment date; the list's other
  // records take it once at the end.
  for (const MonthAddition& a : out) {
    PayRecord r;
    if (a.recno > 0 && read_pay_record(env, a.recno, r)) {
      spread_payment_date(env, r);
      break;
    }
  }
  return out;
}

// ---------------------------------------------------------------- totals

ListTotals list_totals(const ListEnv& env, int month, int list) {
  ListTotals t;
  std::array<double, 15> sums{};
  for (long recno : records_of_month(env, month, list)) {
    PayRecord r;
    if (!read_pay_record(env, recno, r)) continue;
    ++t.records;
    const auto s = r.sums.as_array();
    for (size_t i = 0; i < 15; ++i) sums[i] += s[i];
    for (const auto& a : kAmounts) t.sum.a.*a.member += r.a.*a.member;
    ComponentSums from_components;
    if (!component_sums(env, r.REC, from_components) || !from_components.same_as(r.sums))
      t.mismatched.push_back(recno);
    for (const PayComponent& c : components_of(env, r.REC)) {
      if (c.KGS.empty()) continue;
      if (c.KGS[0] == 'D') t.additions += c.KWO;
      if (c.KGS[0] == 'S') t.benefits += c.KWO;
      if (c.KGS[0] == 'P') t.deductions += c.KWO;
    }
  }
  t.sum.sums = ComponentSums::from_array(sums);
  return t;
}

// ---------------------------------------------------------------- copying

int copy_lists(ListEnv& env, const CopyRequest& r, std::string& error) {
  const std::vector<long> sources = records_of_month(env, r.from_month, r.from_list);
  ListEnv target = env;
  DATA4* own_pens = nullptr;
  DATA4* own_pesk = nullptr;
  if (r.to_year != env.year) {
    own_pens = open_other_year(env.ctx, "W3PENS  .DBF", r.to_year);
    own_pesk = own_pens ? open_other_year(env.ctx, "W3PESK  .DBF", r.to_year) : nullptr;
    if (!own_pens || !own_pesk) {
      if (own_pens) d4close(own_pens);
      error = "Nie można otworzyć list płac roku " + std::to_string(r.to_year) + ".";
      return -1;
    }
    target.pens = own_pens;
    target.pesk = own_pesk;
    target.year = r.to_year;
    target.umow = nullptr;
  }
  // The new list computes under the parameters of its own year.
  PayrollParameters params = env.p;
  if (r.to_year != env.year && load_payroll_parameters(env.ctx, r.to_year) == 0) {
    params = payroll_settings().parameters;
    load_payroll_parameters(env.ctx, env.year);
  }
  int made = 0;
  for (long recno : sources) {
    PayRecord src;
    if (!read_pay_record(env, recno, src)) continue;
    std::vector<PayComponent> copied;
    for (const PayComponent& c : components_of(env, src.REC))
      if (copied_component(c)) copied.push_back(c);
    if (copied.empty()) continue;
    const int list = r.from_list == 0 ? src.NRL : r.to_list;
    YearToDateScan scan = scan_year(target, target.pens, src.KOD, r.to_month, list, {});
    if (scan.duplicate) continue;
    ListPerson person;
    if (!read_person(env, src.KOD, person)) continue;
    PayRecord n;
    n.KOD = src.KOD, n.NAZ = src.NAZ, n.IMI = src.IMI, n.KTU = src.KTU;
    n.WY1 = src.WY1, n.WY2 = src.WY2;
    n.MIE = r.to_month, n.NRL = list;
    n.DWY = scan.payment.empty() ? last_day_of_month(r.to_year, r.to_month) : scan.payment;
    EmployeeForNewRecord for_record = person.for_new_record();
    person.law(r.to_year, r.to_month).apply(for_record);
    const NewRecordTax tax = new_record_tax(for_record, params, r.to_year, r.to_month, scan.ytd, env.scale);
    n.a.POS = tax.POS;
    n.a.ODL = tax.ODL;
    for (PayComponent c : copied) {
      const ComponentPeriod moved = fixed_component_period(c.DOD, c.DDO, r.to_year, r.to_month);
      c.DOD = moved.DOD;
      c.DDO = moved.DDO;
      c.MIE = r.to_month;
      c.NRL = list;
      classify_component({c.KGS, c.POD, c.ZUS, c.KWO}, n.sums);
    }
    const ListMonth month{r.to_year, r.to_month, fep_switch(r.to_year, fep_code(env, person.kps))};
    EmployeeForPay for_pay = person.for_pay();
    person.law(r.to_year, r.to_month).apply(for_pay);
    run_pay_chain(n.sums, for_pay, params, env.z, scan.ytd, month, n.a);
    DATA4* d = target.pens;
    if (d4append_start(d) != 0) continue;
    EmptyRecord(d);
    if (lock_and_append_numbered(d, [&] {
          n.REC = next_rec(d);
          assign_record_fields(d, n);
          return 0;
        }) != 0)
      continue;
    d4unlock(d);
    for (PayComponent c : copied) {
      const ComponentPeriod moved = fixed_component_period(c.DOD, c.DDO, r.to_year, r.to_month);
      c.DOD = moved.DOD;
      c.DDO = moved.DDO;
      c.MIE = r.to_month;
      c.NRL = list;
      c.REK = n.REC;
      append_component(target, c);
    }
    ++made;
  }
  if (own_pesk) d4close(own_pesk);
  if (own_pens) d4close(own_pens);
  return made;
}

}  // namespace skolvarin::payroll
