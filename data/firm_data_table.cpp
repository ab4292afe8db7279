#include "data/firm_data_table.h"

#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::data {

int open_firm_data(HostContext* ctx) {
  ctx->error_code = 0;
  ctx->error_aux1 = 0;
  ctx->error_aux2 = 0;
  const CatalogueEntry& entry = *find_table("W3PAWL.DBF");
  TableHandles& h = handles(entry);
  h.clear();
  const Layout& layout = entry.layout();
  if (define_layout(ctx, layout) != 0) {
    ReleaseDbfDefinition(ctx);
    return -1;
  }
  TAG4INFO* tags = nullptr;
  FIELD4INFO* fields = GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0));
  DATA4* data = EnvFileExists(ctx, entry.file) ? d4open(ctx, entry.file)
                                               : d4create(ctx, entry.file, fields, tags);
  int rc = data ? 0 : -1;
  if (data) {
    ResetDbfActivation(data, tags);
    h.data = data;
    for (size_t i = 0; i < layout.fields.size(); ++i) h.fields.push_back(ActivateField(data));
    if (ctx->error_code != 0) rc = -1;
  }
  ReleaseDbfDefinition(ctx);
  if (rc == 0 && set_lock(data, -1) != 0) rc = -1;
  if (rc == 0) {
    if (d4reccount(data) == 0 && d4append_blank(data) != 0) rc = -1;
    if (d4unlock(data) != 0) rc = -1;
  }
  if (rc == 0 && d4go(data, 1) != 0) rc = -1;
  if (rc != 0 && h.data) {
    d4close(h.data);
    h.clear();
  }
  return rc;
}

}  // namespace skolvarin::data

// ---------------------------------------------------------------- firms

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>

#include "data/data_directory.h"
#include "host/api/db_api.h"
#include "host/api/identifiers.h"
#include "host/api/text_api.h"

namespace skolvarin::data {

namespace {

const CatalogueEntry& firm_catalogue() { return *find_table("W3KATA.DBF"); }
const CatalogueEntry& access_table() { return *find_table("W3KAPA.DBF"); }

std::string key_of(const std::string& s) { return text::utf8_upper(s); }

size_t chars(const std::string& s) {
  return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

bool is_dir(const std::string& p) {
  struct stat st {};
  return stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Files in `dir` other than the firm data table (and its possible index).
std::vector<std::string> other_files(const std::string& dir) {
  std::vector<std::string> out;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      std::string n = e->d_name;
      if (n == "." || n == ".." || key_of(n) == "W3PAWL.DBF") continue;
      out.push_back(n);
    }
    closedir(d);
  }
  return out;
}

// Runs `fn` with the firm data table of `dir` open; the context's current
// directory comes back afterwards.
template <class Fn>
int with_firm_data(HostContext& ctx, const std::string& dir, Fn fn) {
  std::string saved = ctx.current_dir;
  ctx.current_dir = dir;
  int rc = open_firm_data(&ctx);
  if (rc == 0) {
    rc = fn(handles("W3PAWL.DBF"));
    close_table(*find_table("W3PAWL.DBF"));
  }
  ctx.current_dir = saved;
  ctx.error_code = 0;
  return rc;
}

void read_firm_data(TableHandles& h, FirmRecord& f) {
  auto s = [&](const char* n) { return f4trim(h.field(n)); };
  auto c = [&](const char* n, char dflt) {
    std::string v = s(n);
    return v.empty() ? dflt : v[0];
  };
  f.name = s("NA1");
  f.name2 = s("NA2");
  f.nip = s("NIP");
  f.regon = s("REG");
  f.street = s("ULI");
  f.house = s("NRD");
  f.flat = s("NRM");
  f.postcode = s("KOD");
  f.city = s("MIA");
  f.post_office = s("POC");
  f.province = s("WOJ");
  f.district = s("POW");
  f.commune = s("GMI");
  f.tax_office = static_cast<int>(f4long(h.field("KTZ")));
  f.tax_office_name = s("UNAV");
  f.books = c("SPC", 'K');
  f.natural_person = c("FIZF", 'N');
  f.payer_surname = s("NAZF");
  f.payer_first_name = s("IM1F");
  f.pesel = s("NRPF");
  f.bank = s("BAN1");
  f.account = s("NRR1");
}

struct Office {
  std::string name, street, house, postcode, city;
};

bool find_office(HostContext& ctx, int code, Office& office) {
  OpenRequest r;
  r.default_tag = 0;
  if (open_table(&ctx, "W3USKA.DBF", r) != 0) {
    ctx.error_code = 0;
    return false;
  }
  TableHandles& h = handles("W3USKA.DBF");
  bool found = false;
  for (int rc = d4top(h.data); rc == 0 && !found; rc = d4skip(h.data, 1)) {
    if (d4deleted(h.data) || f4long(h.field("KOD")) != code) continue;
    found = true;
    office = {f4trim(h.field("NAZ")), f4trim(h.field("ULI")), f4trim(h.field("DOM")), f4trim(h.field("KDP")),
              f4trim(h.field("MIA"))};
  }
  close_table(*find_table("W3USKA.DBF"));
  return found;
}

int write_firm_data(TableHandles& h, const FirmRecord& f, const Office& o) {
  int rc = 0;
  auto a = [&](const char* n, const std::string& v) { rc |= f4assign(h.field(n), v.c_str()); };
  auto ch = [&](const char* n, char v) { rc |= f4assign(h.field(n), std::string(1, v).c_str()); };
  a("NA1", f.name);
  a("NA2", f.name2);
  a("SKN", f.short_name);
  a("NIP", f.nip);
  a("REG", f.regon);
  a("ULI", f.street);
  a("NRD", f.house);
  a("NRM", f.flat);
  a("KOD", f.postcode);
  a("MIA", f.city);
  a("POC", f.post_office);
  a("WOJ", f.province);
  a("POW", f.district);
  a("GMI", f.commune);
  rc |= f4assign_long(h.field("KTZ"), f.tax_office);
  for (const char* suffix : {"V", "4"}) {
    std::string x = suffix;
    a(("UNA" + x).c_str(), o.name);
    a(("UUL" + x).c_str(), o.street);
    a(("UDO" + x).c_str(), o.house);
    a(("UKO" + x).c_str(), o.postcode);
    a(("UMI" + x).c_str(), o.city);
  }
  ch("SPC", f.books);
  ch("FIZF", f.natural_person);
  a("NAZF", f.payer_surname);
  a("IM1F", f.payer_first_name);
  a("NRPF", f.pesel);
  a("NIPF", f.nip);
  a("BAN1", f.bank);
  a("NRR1", f.account);
  if (rc == 0) rc = d4write(h.data);
  return rc;
}

}  // namespace

bool firm_directory_name_ok(const std::string& dir) {
  if (dir.empty() || dir == "." || dir == ".." || dir.size() > 40) return false;
  return std::all_of(dir.begin(), dir.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.';
  });
}

std::vector<std::string> firm_problems(const FirmRecord& f) {
  std::vector<std::string> out;
  if (f.short_name.empty()) out.push_back("brak nazwy skróconej firmy");
  if (chars(f.short_name) > 20) out.push_back("nazwa skrócona może mieć najwyżej 20 znaków");
  if (f.name.empty()) out.push_back("brak nazwy firmy");
  if (!firm_directory_name_ok(f.directory))
    out.push_back("katalog firmy \"" + f.directory +
                  "\" musi być prostą nazwą (litery, cyfry, _ - .) wewnątrz katalogu danych");
  for (const std::string& p : {nip_problem(f.nip), regon_problem(f.regon), pesel_problem(f.pesel),
                               nrb_problem(f.account)})
    if (!p.empty()) out.push_back(p);
  if (f.books != 'K' && f.books != 'R')
    out.push_back("rodzaj ewidencji: K (księga przychodów i rozchodów) lub R (ewidencja ryczałtowa)");
  if (f.natural_person != 'T' && f.natural_person != 'N') out.push_back("osoba fizyczna: T lub N");
  if (f.natural_person == 'T' && f.pesel.empty()) out.push_back("osoba fizyczna wymaga numeru PESEL");
  return out;
}

int list_firms(HostContext& ctx, std::vector<FirmRecord>& firms, std::string& error) {
  firms.clear();
  OpenRequest r;
  r.default_tag = 1;
  if (open_table(&ctx, firm_catalogue(), r) != 0) {
    ctx.error_code = 0;
    error = "nie można otworzyć katalogu firm W3KATA.DBF";
    return -1;
  }
  TableHandles& h = handles(firm_catalogue());
  for (int rc = d4top(h.data); rc == 0; rc = d4skip(h.data, 1)) {
    if (d4deleted(h.data)) continue;
    FirmRecord f;
    f.catalogue_record = d4recno(h.data);
    f.short_name = f4trim(h.field("NAZ"));
    f.directory = f4trim(h.field("KAT"));
    f.remark = f4trim(h.field("UWA"));
    firms.push_back(f);
  }
  close_table(firm_catalogue());
  for (FirmRecord& f : firms) {
    std::string dir = firm_directory(ctx, f.directory);
    if (is_dir(dir) && access((dir + "W3PAWL.DBF").c_str(), F_OK) == 0)
      with_firm_data(ctx, dir, [&](TableHandles& t) {
        std::string keep = f.short_name;
        read_firm_data(t, f);
        f.short_name = keep;
        return 0;
      });
  }
  return 0;
}

bool find_firm(HostContext& ctx, const std::string& short_name, FirmRecord& firm, std::string& error) {
  std::vector<FirmRecord> all;
  if (list_firms(ctx, all, error) != 0) return false;
  for (const FirmRecord& f : all)
    if (key_of(f.short_name) == key_of(short_name)) {
      firm = f;
      return true;
    }
  error = "w katalogu firm nie ma firmy " + short_name;
  return false;
}

int save_firm(HostContext& ctx, FirmRecord& firm, std::string& error) {
  std::vector<std::string> problems = firm_problems(firm);
  if (!problems.empty()) {
    error = problems.front();
    return -1;
  }
  std::vector<FirmRecord> all;
  if (list_firms(ctx, all, error) != 0) return -1;
  for (const FirmRecord& f : all) {
    if (f.catalogue_record == firm.catalogue_record) continue;
    if (key_of(f.short_name) == key_of(firm.short_name)) {
      error = "firma o nazwie skróconej " + firm.short_name + " już jest w katalogu";
      return -1;
    }
    if (key_of(f.directory) == key_of(firm.directory)) {
      error = "katalog " + firm.directory + " ma już firma " + f.short_name;
      return -1;
    }
  }
  Office office;
  if (firm.tax_office != 0) {
    if (!find_office(ctx, firm.tax_office, office)) {
      error = "nie ma urzędu skarbowego o kodzie " + std::to_string(firm.tax_office);
      return -1;
    }
    firm.tax_office_name = office.name;
  } else {
    firm.tax_office_name.clear();
  }
  std::string dir = firm_directory(ctx, firm.directory);
  bool made_dir = false;
  if (!is_dir(dir)) {
    if (mkdir(dir.c_str(), 0775) != 0) {
      error = "nie można utworzyć katalogu " + dir + ": " + std::strerror(errno);
      return -1;
    }
    made_dir = true;
  }
  if (with_firm_data(ctx, dir, [&](TableHandles& h) { return write_firm_data(h, firm, office); }) != 0) {
    error = "nie można zapisać danych firmy w " + dir + "W3PAWL.DBF";
    if (made_dir) {
      unlink((dir + "W3PAWL.DBF").c_str());
      rmdir(dir.c_str());
    }
    return -1;
  }
  OpenRequest r;
  r.default_tag = 0;
  if (open_table(&ctx, firm_catalogue(), r) != 0) {
    ctx.error_code = 0;
    error = "nie można otworzyć katalogu firm W3KATA.DBF";
    return -1;
  }
  TableHandles& h = handles(firm_catalogue());
  bool adding = firm.catalogue_record == 0;
  int rc = adding ? d4append_start(h.data) : d4go(h.data, firm.catalogue_record);
  rc |= f4assign(h.field("NAZ"), firm.short_name.c_str());
  rc |= f4assign(h.field("KAT"), firm.directory.c_str());
  if (adding || firm.remark.empty()) firm.remark = firm.name;
  rc |= f4assign(h.field("UWA"), firm.remark.c_str());
  rc |= adding ? d4append(h.data) : d4write(h.data);
  if (rc == 0 && adding) firm.catalogue_record = d4recno(h.data);
  close_table(firm_catalogue());
  ctx.error_code = 0;
  if (rc != 0) {
    error = "nie można zapisać katalogu firm W3KATA.DBF";
    return -1;
  }
  if (adding) {
    std::vector<long> mine = firms_of_user(ctx, ctx.user_number);
    mine.push_back(firm.catalogue_record);
    std::string ignored;
    set_firms_of_user(ctx, ctx.user_number, mine, ignored);
  }
  return 0;
}

int delete_firm(HostContext& ctx, const std::string& short_name, std::string& error) {
  FirmRecord f;
  if (!find_firm(ctx, short_name, f, error)) return -1;
  std::string dir = firm_directory(ctx, f.directory);
  std::vector<std::string> rest = other_files(dir);
  if (!rest.empty()) {
    error = "firma " + f.short_name + " ma już dane (" + rest.front() + (rest.size() > 1 ? ", ..." : "") +
            "); usunąć można tylko firmę bez danych";
    return -1;
  }
  OpenRequest r;
  r.default_tag = 0;
  if (open_table(&ctx, firm_catalogue(), r) != 0) {
    ctx.error_code = 0;
    error = "nie można otworzyć katalogu firm W3KATA.DBF";
    return -1;
  }
  TableHandles& h = handles(firm_catalogue());
  int rc = d4go(h.data, f.catalogue_record);
  if (rc == 0) rc = d4delete(h.data);
  if (rc == 0) rc = d4write(h.data);
  close_table(firm_catalogue());
  ctx.error_code = 0;
  if (rc != 0) {
    error = "nie można usunąć firmy z katalogu W3KATA.DBF";
    return -1;
  }
  // Access entries of the firm go with it.
  if (open_table(&ctx, access_table(), r) == 0) {
    TableHandles& a = handles(access_table());
    for (int k = d4top(a.data); k == 0; k = d4skip(a.data, 1))
      if (!d4deleted(a.data) && f4long(a.field("WM")) == f.catalogue_record) {
        d4delete(a.data);
        d4write(a.data);
      }
    close_table(access_table());
  }
  ctx.error_code = 0;
  unlink((dir + "W3PAWL.DBF").c_str());
  rmdir(dir.c_str());
  return 0;
}

std::vector<TaxOffice> list_tax_offices(HostContext& ctx) {
  std::vector<TaxOffice> out;
  OpenRequest r;
  r.default_tag = 1;  // KOD
  if (open_table(&ctx, "W3USKA.DBF", r) != 0) {
    ctx.error_code = 0;
    return out;
  }
  TableHandles& h = handles("W3USKA.DBF");
  for (int rc = d4top(h.data); rc == 0; rc = d4skip(h.data, 1))
    if (!d4deleted(h.data))
      out.push_back({static_cast<int>(f4long(h.field("KOD"))), f4trim(h.field("NAZ")), f4trim(h.field("MIA"))});
  close_table(*find_table("W3USKA.DBF"));
  return out;
}

std::vector<long> firms_of_user(HostContext& ctx, int user) {
  std::vector<long> out;
  OpenRequest r;
  r.default_tag = 0;
  if (open_table(&ctx, access_table(), r) != 0) {
    ctx.error_code = 0;
    return out;
  }
  TableHandles& a = handles(access_table());
  for (int k = d4top(a.data); k == 0; k = d4skip(a.data, 1))
    if (!d4deleted(a.data) && f4long(a.field("JK")) == user) out.push_back(f4long(a.field("WM")));
  close_table(access_table());
  return out;
}

int set_firms_of_user(HostContext& ctx, int user, const std::vector<long>& records, std::string& error) {
  OpenRequest r;
  r.default_tag = 0;
  if (open_table(&ctx, access_table(), r) != 0) {
    ctx.error_code = 0;
    error = "nie można otworzyć tabeli dostępu do firm W3KAPA.DBF";
    return -1;
  }
  TableHandles& a = handles(access_table());
  int rc = 0;
  for (int k = d4top(a.data); k == 0; k = d4skip(a.data, 1))
    if (!d4deleted(a.data) && f4long(a.field("JK")) == user) {
      rc |= d4delete(a.data);
      rc |= d4write(a.data);
    }
  std::vector<long> sorted = records;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  for (long rec : sorted) {
    rc |= d4append_start(a.data);
    rc |= f4assign_int(a.field("JK"), user);
    rc |= f4assign_long(a.field("WM"), rec);
    rc |= d4append(a.data);
  }
  close_table(access_table());
  ctx.error_code = 0;
  if (rc != 0) error = "nie można zapisać tabeli dostępu do firm W3KAPA.DBF";
  return rc == 0 ? 0 : -1;
}

}  // namespace skolvarin::data
