#include "declarations/pit_store.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/db_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"
#include "payroll/law.h"

namespace skolvarin::declarations {

namespace {

// A table open for the time of one step: opened when it was not open yet
// and closed again only then.
class Table {
 public:
  Table(HostContext* ctx, const char* file, int year = 0) {
    entry_ = data::find_table(file);
    if (!entry_) return;
    h_ = &data::handles(*entry_);
    if (h_->open()) return;
    data::OpenRequest request;
    request.year = year;
    request.default_tag = 0;
    if (data::open_table(ctx, *entry_, request) == 0) opened_ = true;
  }
  ~Table() {
    if (opened_) data::close_table(*entry_);
  }
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  bool ok() const { return h_ && h_->open(); }
  DATA4* data() const { return h_->data; }
  FIELD4* field(const std::string& name) const { return h_->field(name); }
  double number(const char* name) const {
    FIELD4* f = field(name);
    return f ? f4double(f) : 0;
  }
  std::string text(const char* name) const {
    FIELD4* f = field(name);
    return f ? f4trim(f) : std::string();
  }
  template <class Fn>
  void each_live(Fn fn) {
    d4tag_select(data(), nullptr);
    for (int rc = d4top(data()); rc == 0; rc = d4skip(data(), 1))
      if (!d4deleted(data())) fn();
  }

 private:
  const data::CatalogueEntry* entry_ = nullptr;
  data::TableHandles* h_ = nullptr;
  bool opened_ = false;
};

std::string cannot_open(const char* file) { return std::string("Nie można otworzyć tabeli ") + file + "."; }

int month_of(const HostDate& d, int fallback) { return d.empty() ? fallback : d.month; }

// The record of the table as a PitRecord (every field).
PitRecord record_of(const Table& t) {
  PitRecord r;
  for (int j = 1;; ++j) {
    FIELD4* f = d4field_j(t.data(), j);
    if (!f) break;
    const std::string name = f4name(f);
    if (f4type(f) == 'N')
      r.numbers[name] = f4double(f);
    else
      r.texts[name] = f4trim(f);
  }
  return r;
}

// Numeric fields " Oblicz " leaves alone: the reserve fields.  The fees
// the user typed come back through the computation itself.
bool kept_number(const std::string& name) { return name.rfind("RE", 0) == 0; }

// Writes the computed values into the current record: numeric fields not
// kept are zeroed first, so an amount that vanished does not stay.
int assign(const Table& t, const PitRecord& r) {
  int rc = 0;
  for (int j = 1; rc == 0; ++j) {
    FIELD4* f = d4field_j(t.data(), j);
    if (!f) break;
    const std::string name = f4name(f);
    if (f4type(f) == 'N' && !kept_number(name)) {
      auto it = r.numbers.find(name);
      rc = f4assign_double(f, it == r.numbers.end() ? 0 : it->second);
    } else if (auto it = r.texts.find(name); it != r.texts.end() && f4type(f) != 'N') {
      rc = f4assign(f, it->second.c_str());
    }
  }
  return rc;
}

const char* key_field(PitForm form) {
  switch (form) {
    case PitForm::Pit11: return "KOPR";
    case PitForm::Pit40: return "KOP";
    default: return "MIE";
  }
}

std::string iso_date(const HostDate& d) {
  if (d.empty()) return {};
  char t[16];
  std::snprintf(t, sizeof t, "%04d-%02d-%02d", d.year, d.month, d.day);
  return t;
}

std::vector<payroll::TaxScaleRow> read_scale(HostContext* ctx, int year) {
  std::vector<payroll::TaxScaleRow> rows;
  Table t(ctx, "W3TABE  .DBF", year);
  if (!t.ok()) return rows;
  t.each_live([&] { rows.push_back({t.number("PODS"), t.number("PODA"), t.number("PROC")}); });
  return rows;
}

// Two-letter country code of a country name (W3KRAJ), or the text itself
// when it already is a code.
std::string country_code(HostContext* ctx, const std::string& country) {
  if (country.size() == 2) return country;
  Table t(ctx, "W3KRAJ.DBF");
  std::string code;
  if (t.ok())
    t.each_live([&] {
      if (code.empty() && t.text("KRA") == country) code = t.text("KKR");
    });
  return code.empty() ? country : code;
}

PitTaxpayer read_taxpayer(HostContext* ctx, const Table& p) {
  PitTaxpayer t;
  t.nip = p.text("NIP");
  t.pesel = p.text("PES");
  t.first_name = p.text("IM1");
  t.surname = p.text("NAZ");
  FIELD4* dau = p.field("DAU");
  t.birth_date = dau ? iso_date(f4date(dau)) : std::string();
  t.foreign_id = p.text("RE3");
  t.foreign_id_country = country_code(ctx, p.text("RE1"));
  t.province = p.text("WOJ");
  t.district = p.text("POW");
  t.commune = p.text("GMI");
  t.street = p.text("ULI");
  t.house = p.text("NRD");
  t.flat = p.text("NRM");
  t.town = p.text("MIA");
  t.postcode = p.text("KOD");
  t.post_office = p.text("POC");
  const std::string foreign_country = p.text("ZKR");
  t.foreign_address = !foreign_country.empty() && !p.text("ZMI").empty();
  if (t.foreign_address) {
    t.country_code = country_code(ctx, foreign_country);
    t.foreign_town = p.text("ZMI");
    t.foreign_street = p.text("ZUL");
    t.foreign_house = p.text("ZND");
    t.foreign_flat = p.text("ZNM");
    t.foreign_postcode = p.text("ZKO");
  }
  return t;
}

int form_kind_code(PitForm form) {
  switch (form) {
    case PitForm::Pit11: return 11;
    case PitForm::Pit40: return 40;
    case PitForm::Pit4R: return 41;
    case PitForm::Pit8AR: return 81;
  }
  return 0;
}

// Appends the file to the register of filed declarations; the number of
// the correction counts the earlier corrections of the same form, year and
// taxpayer.
int note_filed(HostContext* ctx, PitForm form, int year, bool correction, const std::string& who,
               const std::string& nip, const PitPayer& payer, const std::string& path) {
  Table t(ctx, "W3DEKL.DBF");
  if (!t.ok()) return -1;
  const int kind = form_kind_code(form);
  int corrections = 0;
  t.each_live([&] {
    if (static_cast<int>(t.number("KDE")) == kind && static_cast<int>(t.number("ROK")) == year &&
        t.text("NIP") == nip && static_cast<int>(t.number("CEL")) == 2)
      ++corrections;
  });
  namespace fs = std::filesystem;
  const fs::path p(path);
  int rc = d4append_start(t.data());
  auto put = [&](const char* f, const std::string& v) {
    if (rc == 0 && t.field(f)) rc = f4assign(t.field(f), v.c_str());
  };
  auto num = [&](const char* f, double v) {
    if (rc == 0 && t.field(f)) rc = f4assign_double(t.field(f), v);
  };
  num("KDE", kind);
  put("NDE", pit_form_name(form));
  num("ROK", year);
  num("OKR", 0);
  num("CEL", correction ? 2 : 1);
  num("NRK", correction ? corrections + 1 : 0);
  put("NAZ", who);
  put("NIP", nip);
  put("OFI", payer.natural_person ? "T" : "N");
  put("NAP", payer.name);
  std::string payer_nip;
  for (char c : payer.nip)
    if (c >= '0' && c <= '9') payer_nip += c;
  put("NPR", payer_nip);
  put("XKA", p.parent_path().string());
  put("XNA", p.filename().string());
  if (rc == 0 && t.field("XDA")) rc = f4assign_date(t.field("XDA"), ctx->today);
  put("STA", "XML");
  if (rc == 0) rc = d4append(t.data());
  return rc;
}

}  // namespace

int read_pit_sources(HostContext* ctx, int year, PitSources& out, std::string& error) {
  out = PitSources{};
  {
    Table pay(ctx, "W3PENS  .DBF", year);
    if (!pay.ok()) return error = cannot_open("W3PENS"), -1;
    pay.each_live([&] {
      PayValues v;
      v.person = static_cast<long>(pay.number("KOD"));
      FIELD4* dwy = pay.field("DWY");
      const HostDate paid = dwy ? f4date(dwy) : HostDate{};
      v.month = paid.year == year ? month_of(paid, 0) : static_cast<int>(pay.number("MIE"));
      v.gross = pay.number("BRP");
      v.costs = pay.number("KUZ");
      v.social = pay.number("KEU") + pay.number("KRU") + pay.number("KCU");
      v.health_deducted = pay.number("OBP");
      v.advance_due = pay.number("NPO");
      out.pay.push_back(v);
    });
  }
  Table bills(ctx, "W3UMOW  .DBF", year);
  if (!bills.ok()) return error = cannot_open("W3UMOW"), -1;
  bills.each_live([&] {
    ContractValues c;
    c.person = static_cast<long>(bills.number("KOD"));
    FIELD4* dar = bills.field("DAR");
    c.month = dar ? month_of(f4date(dar), 0) : 0;
    c.kind = static_cast<int>(bills.number("TYP"));
    c.source = static_cast<int>(bills.number("TYT"));
    c.gross = bills.number("BRU");
    c.costs = bills.number("UZW");
    c.social = bills.number("KEU") + bills.number("KRU") + bills.number("KCU");
    c.health = bills.number("KZU");
    c.health_base = bills.number("PSZ");
    c.advance_due = bills.number("NPO");
    out.contracts.push_back(c);
  });
  return 0;
}

int compute_pit_table(HostContext* ctx, int year, PitForm form, int& records, std::string& error) {
  records = 0;
  if (int msg = pit_year_refusal(form, year)) {
    error = RcQStr(msg);
    return -1;
  }
  PitSources src;
  if (read_pit_sources(ctx, year, src, error) != 0) return -1;
  Table t(ctx, pit_form_table(form), year);
  if (!t.ok()) return error = cannot_open(pit_form_table(form)), -1;

  // The records there now, by key, with what the user typed.
  std::map<long, long> record_of_key;
  std::map<int, PitRecord> typed;
  const char* key = key_field(form);
  t.each_live([&] {
    const long k = static_cast<long>(t.number(key));
    record_of_key.emplace(k, d4recno(t.data()));
    if (form == PitForm::Pit4R || form == PitForm::Pit8AR) typed[static_cast<int>(k)] = record_of(t);
  });

  std::vector<PitRecord> computed;
  std::set<long> persons;
  for (const auto& p : src.pay) persons.insert(p.person);
  if (form != PitForm::Pit40)
    for (const auto& c : src.contracts) persons.insert(c.person);
  const double deductible = payroll::law_on(year, 12).tax.health_deductible;
  switch (form) {
    case PitForm::Pit11:
      for (long person : persons)
        if (auto r = compute_pit11(person, year, src.pay, src.contracts, deductible)) computed.push_back(*r);
      break;
    case PitForm::Pit40: {
      const auto scale = read_scale(ctx, year);
      if (scale.empty()) return error = RcQStr(39), -1;
      for (long person : persons)
        if (auto r = compute_pit40(person, year, src.pay, scale)) computed.push_back(*r);
      break;
    }
    case PitForm::Pit4R: computed = compute_pit4r(src.pay, src.contracts, typed); break;
    case PitForm::Pit8AR: computed = compute_pit8ar(src.contracts, typed); break;
  }

  if (set_lock(t.data(), -1) != 0) return error = "Tabela " + std::string(pit_form_table(form)) + " jest zajęta.", -1;
  int rc = 0;
  for (const PitRecord& r : computed) {
    if (rc != 0) break;
    auto it = record_of_key.find(static_cast<long>(r.number(key)));
    if (it != record_of_key.end()) {
      rc = d4go(t.data(), it->second);
      if (rc == 0) rc = assign(t, r);
      if (rc == 0) rc = d4write(t.data(), it->second);
    } else {
      rc = d4append_start(t.data());
      if (rc == 0) rc = assign(t, r);
      if (rc == 0) rc = d4append(t.data());
    }
    if (rc == 0) ++records;
  }
  d4unlock(t.data());
  if (rc != 0) return error = "Błąd zapisu tabeli " + std::string(pit_form_table(form)) + ".", -1;
  return 0;
}

int load_pit_records(HostContext* ctx, int year, PitForm form, std::vector<PitRecord>& out, std::string& error) {
  out.clear();
  Table t(ctx, pit_form_table(form), year);
  if (!t.ok()) return error = cannot_open(pit_form_table(form)), -1;
  t.each_live([&] { out.push_back(record_of(t)); });
  return 0;
}

int read_filed_declarations(HostContext* ctx, int year, std::vector<FiledDeclaration>& out, std::string& error) {
  out.clear();
  Table t(ctx, "W3DEKL.DBF");
  if (!t.ok()) return error = cannot_open("W3DEKL"), -1;
  t.each_live([&] {
    FiledDeclaration d;
    d.year = static_cast<int>(t.number("ROK"));
    if (year != 0 && d.year != year) return;
    d.form = t.text("NDE");
    d.purpose = static_cast<int>(t.number("CEL"));
    d.correction = static_cast<int>(t.number("NRK"));
    d.who = t.text("NAZ");
    d.nip = t.text("NIP");
    d.file = t.text("XKA") + "/" + t.text("XNA");
    FIELD4* xda = t.field("XDA");
    d.date = xda ? iso_date(f4date(xda)) : std::string();
    d.status = t.text("STA");
    out.push_back(d);
  });
  return 0;
}

PitPayer read_payer(HostContext* ctx, int& office) {
  PitPayer p;
  office = 0;
  Table f(ctx, "W3PAWL.DBF");
  if (!f.ok() || d4go(f.data(), 1) != 0) return p;
  p.natural_person = f.text("FIZF") == "T";
  p.nip = f.text("NIP");
  std::string name = f.text("NA1");
  const std::string name2 = f.text("NA2");
  if (!name2.empty()) name += (name.empty() ? "" : " ") + name2;
  p.name = name;
  p.regon = f.text("REG");
  p.first_name = f.text("IM1F");
  p.surname = f.text("NAZF");
  FIELD4* born = f.field("DATF");
  p.birth_date = born ? iso_date(f4date(born)) : std::string();
  office = static_cast<int>(f.number("KTZ"));
  return p;
}

bool read_person(HostContext* ctx, long person, PitTaxpayer& out, int& office) {
  Table people(ctx, "W3PRAC.DBF");
  if (!people.ok() || person <= 0 || person > d4reccount(people.data()) || d4go(people.data(), person) != 0)
    return false;
  out = read_taxpayer(ctx, people);
  office = static_cast<int>(people.number("KOU"));
  return true;
}

std::string office_xml_code(HostContext* ctx, int office) {
  if (office <= 0) return {};
  char code[16];
  std::snprintf(code, sizeof code, "%04d", office);
  Table t(ctx, "W3LXML.DBF");
  bool found = false;
  if (t.ok())
    t.each_live([&] {
      if (!found && t.text("IDE") == "U" && t.text("KOD") == code) found = true;
    });
  return found ? code : std::string();
}

int export_pit_xml(HostContext* ctx, int year, PitForm form, const std::string& directory, long person,
                   std::vector<PitExported>& files, std::string& error) {
  files.clear();
  if (int msg = pit_year_refusal(form, year)) return error = RcQStr(msg), -1;
  std::vector<PitRecord> records;
  if (load_pit_records(ctx, year, form, records, error) != 0) return -1;
  const bool per_person = form == PitForm::Pit11 || form == PitForm::Pit40;
  if (records.empty()) return error = not_computed_message(form), -1;
  int payer_office = 0;
  const PitPayer payer = read_payer(ctx, payer_office);
  if (payer.nip.empty()) return error = "Brak NIP płatnika w danych firmy.", -1;

  auto write_one = [&](PitDocument& doc, const PitRecord& head, int number, const std::string& who,
                       const std::string& nip, int office) {
    doc.year = year;
    doc.form = form;
    doc.payer = payer;
    doc.correction = head.text("KOR") == "T";
    doc.reasons = correction_reasons(head);
    doc.office_code = office_xml_code(ctx, office);
    if (doc.office_code.empty()) {
      char t[160];
      std::snprintf(t, sizeof t, "Brak kodu XML urzędu skarbowego %04d (%s): uzupełnij tabele poleceniem skolvarin wzorce.",
                    office, who.c_str());
      error = t;
      return -1;
    }
    const std::string path = directory + "/" + pit_file_name(form, year, number, who);
    if (write_pit_xml(path, doc, error) != 0) return -1;
    if (note_filed(ctx, form, year, doc.correction, who, nip, payer, path) != 0) {
      error = "Plik zapisano, ale nie można go dopisać do tabeli deklaracji W3DEKL.DBF.";
      return -1;
    }
    files.push_back({path, who});
    return 0;
  };

  if (!per_person) {
    PitDocument doc;
    PitRecord head;
    for (const auto& r : records)
      if (static_cast<int>(r.number("MIE")) == 1) head = r;
    doc.positions = form == PitForm::Pit4R ? pit4r_positions(records) : pit8ar_positions(records, year);
    std::string nip;
    for (char c : payer.nip)
      if (c >= '0' && c <= '9') nip += c;
    return write_one(doc, head, 0, payer.name.empty() ? payer.surname : payer.name, nip, payer_office);
  }

  Table people(ctx, "W3PRAC.DBF");
  if (!people.ok()) return error = cannot_open("W3PRAC"), -1;
  for (const PitRecord& r : records) {
    const long who_code = static_cast<long>(r.number(key_field(form)));
    if (person > 0 && who_code != person) continue;
    if (d4go(people.data(), who_code) != 0) {
      error = "Brak osoby nr " + std::to_string(who_code) + " w kartotece pracowników.";
      return -1;
    }
    PitDocument doc;
    doc.taxpayer = read_taxpayer(ctx, people);
    doc.positions = form == PitForm::Pit11 ? pit11_positions(r) : pit40_positions(r);
    const std::string who = doc.taxpayer.surname + " " + doc.taxpayer.first_name;
    const std::string id = doc.taxpayer.nip.empty() ? doc.taxpayer.pesel : doc.taxpayer.nip;
    if (write_one(doc, r, static_cast<int>(who_code), who, id, static_cast<int>(people.number("KOU"))) != 0)
      return -1;
  }
  return 0;
}

}  // namespace skolvarin::declarations
