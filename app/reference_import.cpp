#include "app/reference_import.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sys/stat.h>

#include "app/reference_data.h"
#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/db_api.h"
#include "payroll/law.h"
#include "payroll/parameters.h"

namespace skolvarin::app {

using reference::ReferenceSet;

int ReferenceImportResult::total_added() const {
  int n = 0;
  for (const auto& t : tables) n += t.added;
  return n;
}

namespace {

// Years whose statutory payroll parameters the import writes.
constexpr int kFirstLawYear = 2009;
constexpr int kLastLawYear = 2026;

bool has_reference_files(const std::string& dir) {
  struct stat st {};
  return !dir.empty() && ::stat((dir + "/odsetki_ustawowe.csv").c_str(), &st) == 0;
}

std::string executable_dir() {
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (n <= 0) return ".";
  exe[n] = 0;
  std::string dir = exe;
  return dir.substr(0, dir.rfind('/'));
}

// One open shared table for the time of its import: opened through the
// data dictionary's opener, locked whole, unlocked and closed on leaving.
class SharedTable {
 public:
  SharedTable(HostContext& ctx, const char* file, int year) {
    entry_ = data::find_table(file);
    if (!entry_) return;
    data::OpenRequest request;
    request.year = year;
    request.default_tag = 0;
    rc_ = data::open_table(&ctx, *entry_, request);
    if (rc_ == 0) {
      handles_ = &data::handles(*entry_);
      name_ = d4alias(handles_->data);
      rc_ = set_lock(handles_->data, -1);
    }
  }
  ~SharedTable() {
    if (handles_ && handles_->open()) {
      d4unlock(handles_->data);
      data::close_table(*entry_);
    }
  }
  SharedTable(const SharedTable&) = delete;
  SharedTable& operator=(const SharedTable&) = delete;

  bool ok() const { return entry_ && rc_ == 0 && handles_ && handles_->open(); }
  const std::string& name() const { return name_; }
  DATA4* data() const { return handles_->data; }
  FIELD4* field(const char* n) const { return handles_->field(n); }

  // Calls `fn` for every record in record order (records marked deleted
  // included: a row the user deleted is not brought back).
  template <class Fn>
  int each_record(Fn fn) {
    d4tag_select(data(), nullptr);
    int rc = d4top(data());
    while (rc == 0) {
      fn();
      rc = d4skip(data(), 1);
    }
    return (rc == r4eof || rc == r4bof) ? 0 : rc;
  }

  // Appends one record whose fields `fill` assigns; 0 or the failing code.
  template <class Fill>
  int append(Fill fill) {
    int rc = d4append_start(data());
    if (rc == 0) rc = fill();
    if (rc == 0) rc = d4append(data());
    return rc;
  }

 private:
  const data::CatalogueEntry* entry_ = nullptr;
  data::TableHandles* handles_ = nullptr;
  std::string name_;
  int rc_ = -1;
};

std::string trimmed(FIELD4* f) { return f ? f4trim(f) : std::string(); }

// Chains assignments: the first non-zero result wins.
struct Assign {
  int rc = 0;
  Assign& text(FIELD4* f, const std::string& v) {
    if (rc == 0) rc = f ? f4assign(f, v.c_str()) : e4field;
    return *this;
  }
  Assign& number(FIELD4* f, double v) {
    if (rc == 0) rc = f ? f4assign_double(f, v) : e4field;
    return *this;
  }
  Assign& date(FIELD4* f, const Date& d) {
    if (rc == 0) rc = f ? f4assign_date(f, d) : e4field;
    return *this;
  }
};

class Importer {
 public:
  Importer(HostContext& ctx, ReferenceImportResult& result, std::string& error, const ReferenceProgress& progress)
      : ctx_(ctx), result_(result), error_(error), progress_(progress) {}

  // Generic merge: existing keys are read first, then every missing row is
  // appended.  `key_of_record` reads the key of the current record;
  // `key_of_row` and `fill` work on the reference row.
  template <class Row, class RecordKey, class RowKey, class Fill>
  bool merge(const char* file, int year, const std::vector<Row>& rows, RecordKey key_of_record, RowKey key_of_row,
             Fill fill) {
    SharedTable t(ctx_, file, year);
    if (!t.ok()) return fail_open(file);
    std::set<std::string> keys;
    if (t.each_record([&] { keys.insert(key_of_record(t)); }) != 0) return fail_io(t.name());
    ReferenceTableResult r{t.name(), 0, 0};
    int done = 0;
    for (const Row& row : rows) {
      if (!keys.insert(key_of_row(row)).second) {
        ++r.present;
      } else {
        if (t.append([&] { return fill(t, row); }) != 0) return fail_io(t.name());
        ++r.added;
      }
      if (progress_) progress_(r.table, ++done, static_cast<int>(rows.size()));
    }
    result_.tables.push_back(r);
    return true;
  }

  bool tax_scale(int year, const std::vector<reference::TaxBracket>& brackets) {
    SharedTable t(ctx_, "W3TABE  .DBF", year);
    if (!t.ok()) return fail_open("W3TABE  .DBF");
    ReferenceTableResult r{t.name(), 0, 0};
    if (d4reccount(t.data()) > 0) {
      r.present = static_cast<int>(brackets.size());
    } else {
      for (const auto& b : brackets) {
        int rc = t.append([&] {
          return Assign{}.number(t.field("PODS"), b.from).number(t.field("PODA"), b.tax_at)
              .number(t.field("PROC"), b.rate).rc;
        });
        if (rc != 0) return fail_io(t.name());
        ++r.added;
      }
    }
    if (progress_) progress_(r.table, static_cast<int>(brackets.size()), static_cast<int>(brackets.size()));
    result_.tables.push_back(r);
    return true;
  }

  bool rates(const char* file, const std::vector<reference::RateRow>& rows) {
    return merge(
        file, 0, rows, [](SharedTable& t) { return trimmed(t.field("DAT")); },
        [](const reference::RateRow& r) { return to_dbf(r.from); },
        [](SharedTable& t, const reference::RateRow& r) {
          return Assign{}.date(t.field("DAT"), r.from).number(t.field("STO"), r.rate)
              .text(t.field("TYP"), std::string(1, r.type)).rc;
        });
  }

  // The year's statutory payroll parameters (W3PAPL<rr>): a key already in
  // the file stays as it is (the user's value or one he accepted); only the
  // missing keys are appended, with the year's figures.
  bool payroll_parameters(int year) {
    struct Row {
      int key;
      char type;
      double number;
      std::string text;
    };
    payroll::PayrollParameters p = payroll::statutory_parameters(year);
    std::vector<Row> rows;
    for (const auto& k : payroll::payroll_parameter_keys(year)) {
      switch (k.type) {
        case payroll::SettingType::Double: rows.push_back({k.key, 'D', *k.double_in(p), {}}); break;
        case payroll::SettingType::Integer: rows.push_back({k.key, 'I', double(*k.int_in(p)), {}}); break;
        case payroll::SettingType::Switch:
        case payroll::SettingType::Text:
          // Texts whose default is a host message are the program's to fill.
          if (k.host_message_default == 0) rows.push_back({k.key, 'C', 0, *k.text_in(p)});
          break;
      }
    }
    return merge(
        "W3PAPL  .DBF", year, rows,
        [](SharedTable& t) {
          return std::to_string(f4int(t.field("K1"))) + "|" + std::to_string(f4int(t.field("K2"))) + "|" +
                 std::to_string(f4int(t.field("K3"))) + "|" + trimmed(t.field("TY"));
        },
        [](const Row& r) { return "1|1|" + std::to_string(r.key) + "|" + std::string(1, r.type); },
        [](SharedTable& t, const Row& r) {
          Assign a;
          a.number(t.field("K1"), 1).number(t.field("K2"), 1).number(t.field("K3"), r.key)
              .text(t.field("TY"), std::string(1, r.type));
          if (r.type == 'D') a.number(t.field("DO"), r.number);
          if (r.type == 'I') a.number(t.field("IN"), r.number);
          if (r.type == 'C') a.text(t.field("CH"), r.text);
          return a.rc;
        });
  }

  bool days_off(const std::vector<Date>& days) {
    return merge(
        "W3DNWO.DBF", 0, days, [](SharedTable& t) { return trimmed(t.field("DAT")); },
        [](const Date& d) { return to_dbf(d); },
        [](SharedTable& t, const Date& d) { return Assign{}.date(t.field("DAT"), d).rc; });
  }

  bool countries(const std::vector<reference::Country>& rows) {
    // A country is present when its code is, or when its name is already
    // used by another code (names are unique in the register).
    std::map<std::string, std::string> code_of_name;
    return merge(
        "W3KRAJ.DBF", 0, rows,
        [&code_of_name](SharedTable& t) {
          std::string code = trimmed(t.field("KKR"));
          code_of_name.emplace(trimmed(t.field("KRA")), code);
          return code;
        },
        [&code_of_name](const reference::Country& k) {
          auto it = code_of_name.find(k.name);
          return it != code_of_name.end() ? it->second : k.code;
        },
        [](SharedTable& t, const reference::Country& k) {
          return Assign{}.text(t.field("SUE"), k.eu ? "T" : "N").text(t.field("KKR"), k.code)
              .text(t.field("KRA"), k.name).text(t.field("KOD"), k.currency).number(t.field("SYM"), k.numeric).rc;
        });
  }

  bool offices(const std::vector<reference::TaxOffice>& rows) {
    return merge(
        "W3USKA.DBF", 0, rows, [](SharedTable& t) { return std::to_string(f4long(t.field("KOD"))); },
        [](const reference::TaxOffice& o) { return std::to_string(o.code); },
        [](SharedTable& t, const reference::TaxOffice& o) {
          return Assign{}.text(t.field("SKN"), o.short_name).text(t.field("NAZ"), o.name)
              .number(t.field("KOD"), o.code).text(t.field("XML"), o.code_text).text(t.field("UWA"), o.remark).rc;
        });
  }

  // The offices' codes for the e-declarations (W3LXML, kind "U"): the code
  // as the forms write it, with the office's full and short name.
  bool office_xml_codes(const std::vector<reference::TaxOffice>& rows) {
    return merge(
        "W3LXML.DBF", 0, rows, [](SharedTable& t) { return trimmed(t.field("IDE")) + trimmed(t.field("KOD")); },
        [](const reference::TaxOffice& o) { return "U" + o.code_text; },
        [](SharedTable& t, const reference::TaxOffice& o) {
          return Assign{}.text(t.field("IDE"), "U").text(t.field("KOD"), o.code_text).text(t.field("NA1"), o.name)
              .text(t.field("NA2"), o.short_name).rc;
        });
  }

  bool zus_codes(const std::vector<reference::ZusCode>& rows) {
    return merge(
        "W3KZUS.DBF", 0, rows,
        [](SharedTable& t) {
          return std::to_string(f4int(t.field("KGL"))) + "|" + trimmed(t.field("KGR")) + "|" + trimmed(t.field("KPG"));
        },
        [](const reference::ZusCode& z) { return std::to_string(z.main_group) + "|" + z.group + "|" + z.code; },
        [](SharedTable& t, const reference::ZusCode& z) {
          return Assign{}.number(t.field("KGL"), z.main_group).text(t.field("KGR"), z.group)
              .text(t.field("NGR"), z.group_name).text(t.field("KPG"), z.code).text(t.field("SOP"), z.short_text)
              .text(t.field("OP1"), z.text[0]).text(t.field("OP2"), z.text[1]).text(t.field("OP3"), z.text[2]).rc;
        });
  }

 private:
  bool fail_open(const char* file) {
    error_ = std::string("nie można otworzyć tabeli ") + file + " w katalogu wspólnym " + ctx_.shared_dir;
    return false;
  }
  bool fail_io(const std::string& table) {
    error_ = "błąd zapisu tabeli " + table + " (kod " + std::to_string(ctx_.error_code) + ")";
    return false;
  }

  HostContext& ctx_;
  ReferenceImportResult& result_;
  std::string& error_;
  const ReferenceProgress& progress_;
};

}  // namespace

std::string default_reference_dir() {
  if (const char* e = std::getenv("SKOLVARIN_WZORCE"); e && *e) return e;
  std::string beside = executable_dir() + "/wzorce";
  if (has_reference_files(beside)) return beside;
#ifdef SKOLVARIN_REFERENCE_DIR
  if (has_reference_files(SKOLVARIN_REFERENCE_DIR)) return SKOLVARIN_REFERENCE_DIR;
#endif
  // A build tree directly under the source tree (build-*/bin/skolvarin).
  std::string source = executable_dir() + "/../../data/reference";
  if (has_reference_files(source)) return source;
  return {};
}

int import_reference_tables(HostContext& ctx, const std::string& reference_dir, ReferenceImportResult& result,
                            std::string& error, const ReferenceProgress& progress) {
  result = ReferenceImportResult{};
  if (ctx.shared_dir.empty()) {
    error = "katalog wspólny nie jest ustalony (najpierw otwórz katalog danych)";
    return -1;
  }
  ReferenceSet set;
  if (!reference::load_reference_set(reference_dir, set, error)) return -1;

  HostContext* previous = data::state().ctx;
  data::state().ctx = &ctx;
  Importer im(ctx, result, error, progress);
  bool ok = true;
  for (const auto& [year, brackets] : set.tax_scales)
    if (ok) ok = im.tax_scale(year, brackets);
  ok = ok && im.days_off(set.days_off);
  ok = ok && im.rates("W3ODUS.DBF", set.statutory);
  ok = ok && im.rates("W3ZAPO.DBF", set.tax_arrears);
  ok = ok && im.countries(set.countries);
  ok = ok && im.offices(set.offices);
  ok = ok && im.office_xml_codes(set.offices);
  ok = ok && im.zus_codes(set.zus_codes);
  for (int year = kFirstLawYear; ok && year <= kLastLawYear; ++year) ok = im.payroll_parameters(year);
  data::state().ctx = previous;
  return ok ? 0 : -1;
}

int import_reference_tables(HostContext& ctx, std::string& error) {
  std::string dir = default_reference_dir();
  if (dir.empty()) {
    error = "nie znaleziono plików tabel wzorcowych (zmienna SKOLVARIN_WZORCE)";
    return -1;
  }
  ReferenceImportResult result;
  if (import_reference_tables(ctx, dir, result, error) != 0) return -1;
  return result.total_added();
}

}  // namespace skolvarin::app
