// skolvarin firma dodaj|zmien|usun|lista: the firm catalogue from the
// command line, so an office can set up its clients by script.
//
//   firma dodaj --skrot S --nazwa N --katalog K [field options]
//   firma zmien SKROT [field options]        only the options given change
//   firma usun SKROT                          only a firm without data
//   firma lista [--json]
//
// Field options: --nazwa2 --nip --regon --ulica --dom --lokal --kod
// --miasto --poczta --wojewodztwo --powiat --gmina --urzad (code of the tax
// office) --ewidencja (K księga przychodów i rozchodów, R ryczałt)
// --osoba-fizyczna (T/N) --nazwisko --imie --pesel --bank --rachunek.
// Exit 0 done, 1 the data directory could not be read or written, 2 bad
// input (a wrong NIP, REGON, PESEL or account number, a directory outside
// the data directory, a duplicate): nothing is written then.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command.h"
#include "data/data_directory.h"
#include "data/firm_data_table.h"
#include "data/module_state.h"

namespace skolvarin::app {
namespace {

struct TextOption {
  const char* option;
  std::string data::FirmRecord::*member;
  const char* json;
};

const TextOption kTextOptions[] = {
    {"--skrot", &data::FirmRecord::short_name, "skrot"},
    {"--katalog", &data::FirmRecord::directory, "katalog"},
    {"--nazwa", &data::FirmRecord::name, "nazwa"},
    {"--nazwa2", &data::FirmRecord::name2, "nazwa2"},
    {"--nip", &data::FirmRecord::nip, "nip"},
    {"--regon", &data::FirmRecord::regon, "regon"},
    {"--ulica", &data::FirmRecord::street, "ulica"},
    {"--dom", &data::FirmRecord::house, "dom"},
    {"--lokal", &data::FirmRecord::flat, "lokal"},
    {"--kod", &data::FirmRecord::postcode, "kod"},
    {"--miasto", &data::FirmRecord::city, "miasto"},
    {"--poczta", &data::FirmRecord::post_office, "poczta"},
    {"--wojewodztwo", &data::FirmRecord::province, "wojewodztwo"},
    {"--powiat", &data::FirmRecord::district, "powiat"},
    {"--gmina", &data::FirmRecord::commune, "gmina"},
    {"--nazwisko", &data::FirmRecord::payer_surname, "nazwisko"},
    {"--imie", &data::FirmRecord::payer_first_name, "imie"},
    {"--pesel", &data::FirmRecord::pesel, "pesel"},
    {"--bank", &data::FirmRecord::bank, "bank"},
    {"--rachunek", &data::FirmRecord::account, "rachunek"},
};

std::string json_text(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  return out;
}

// Applies the options given on the command line; false (message printed)
// for a value that cannot stand in its field at all.
bool apply_options(const CommandLine& cl, data::FirmRecord& f) {
  std::string v;
  for (const TextOption& o : kTextOptions)
    if (cl.value_of(o.option, v)) f.*(o.member) = v;
  if (cl.value_of("--urzad", v)) {
    char* end = nullptr;
    long code = std::strtol(v.c_str(), &end, 10);
    if (v.empty() || *end || code < 0 || code > 999999) {
      std::fprintf(stderr, "skolvarin firma: --urzad: kod urzędu skarbowego to liczba, nie \"%s\"\n", v.c_str());
      return false;
    }
    f.tax_office = static_cast<int>(code);
  }
  if (cl.value_of("--ewidencja", v)) {
    std::string u = v;
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (u == "K" || u == "KSIEGA" || u == "KPIR") f.books = 'K';
    else if (u == "R" || u == "RYCZALT") f.books = 'R';
    else {
      std::fprintf(stderr, "skolvarin firma: --ewidencja: K (księga przychodów i rozchodów) albo R (ryczałt)\n");
      return false;
    }
  }
  if (cl.value_of("--osoba-fizyczna", v)) {
    if (v == "T" || v == "t") f.natural_person = 'T';
    else if (v == "N" || v == "n") f.natural_person = 'N';
    else {
      std::fprintf(stderr, "skolvarin firma: --osoba-fizyczna: T albo N\n");
      return false;
    }
  }
  return true;
}

int refuse(const data::FirmRecord& f) {
  for (const std::string& p : data::firm_problems(f)) std::fprintf(stderr, "skolvarin firma: %s\n", p.c_str());
  std::fprintf(stderr, "skolvarin firma: nic nie zapisano\n");
  return 2;
}

void print_list(const std::vector<data::FirmRecord>& firms, bool json) {
  if (json) {
    std::printf("[");
    for (size_t i = 0; i < firms.size(); ++i) {
      const data::FirmRecord& f = firms[i];
      std::printf("%s\n  {", i ? "," : "");
      for (const TextOption& o : kTextOptions)
        std::printf("\"%s\": \"%s\", ", o.json, json_text(f.*(o.member)).c_str());
      std::printf("\"urzad\": %d, \"urzad_nazwa\": \"%s\", \"ewidencja\": \"%c\", \"osoba_fizyczna\": \"%c\"}",
                  f.tax_office, json_text(f.tax_office_name).c_str(), f.books, f.natural_person);
    }
    std::printf("%s]\n", firms.empty() ? "" : "\n");
    return;
  }
  std::printf("%-20s %-12s %-13s %-40s %s\n", "SKRÓT", "KATALOG", "NIP", "NAZWA", "EWIDENCJA");
  for (const data::FirmRecord& f : firms)
    std::printf("%-20s %-12s %-13s %-40s %s\n", f.short_name.c_str(), f.directory.c_str(), f.nip.c_str(),
                f.name.c_str(), f.books == 'R' ? "ryczałt" : "księga");
}

int cmd_firma(const CommandLine& cl) {
  const auto& w = cl.words;
  if (w.empty() || (w[0] != "dodaj" && w[0] != "zmien" && w[0] != "usun" && w[0] != "lista")) {
    std::fprintf(stderr, "skolvarin firma: podaj dodaj, zmien SKROT, usun SKROT albo lista\n");
    return 2;
  }
  const std::string& verb = w[0];
  size_t want = (verb == "zmien" || verb == "usun") ? 2 : 1;
  if (w.size() != want) {
    std::fprintf(stderr, "skolvarin firma %s: %s\n", verb.c_str(),
                 want == 2 ? "podaj nazwę skróconą firmy" : "nieoczekiwany argument");
    return 2;
  }
  HostContext ctx;
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  std::string error;
  int rc = 0;
  if (!data::open_data_directory(ctx, cl.data_dir, error)) {
    std::fprintf(stderr, "skolvarin firma: %s\n", error.c_str());
    rc = 1;
  } else if (verb == "lista") {
    std::vector<data::FirmRecord> firms;
    rc = data::list_firms(ctx, firms, error) == 0 ? 0 : 1;
    if (rc == 0) print_list(firms, cl.has_flag("--json"));
  } else if (verb == "usun") {
    rc = data::delete_firm(ctx, w[1], error) == 0 ? 0 : 2;
    if (rc == 0) std::printf("usunięto firmę %s\n", w[1].c_str());
  } else {
    data::FirmRecord f;
    if (verb == "zmien" && !data::find_firm(ctx, w[1], f, error)) {
      rc = 2;
    } else if (!apply_options(cl, f)) {
      rc = 2;
      error.clear();
    } else if (!data::firm_problems(f).empty()) {
      rc = refuse(f);
      error.clear();
    } else if (data::save_firm(ctx, f, error) != 0) {
      rc = 2;
    } else {
      std::printf("%s firmę %s (katalog %s)\n", verb == "dodaj" ? "dopisano" : "zmieniono", f.short_name.c_str(),
                  f.directory.c_str());
    }
  }
  if (rc != 0 && !error.empty()) std::fprintf(stderr, "skolvarin firma: %s\n", error.c_str());
  data::reset_state();
  return rc;
}

const CommandRegistrar registrar(
    "firma", "katalog firm: dodaj, zmien SKROT, usun SKROT, lista [--json] (opcje pól: --skrot --nazwa --nip ...)",
    cmd_firma,
    "--skrot= --katalog= --nazwa= --nazwa2= --nip= --regon= --ulica= --dom= --lokal= --kod= --miasto= --poczta= "
    "--wojewodztwo= --powiat= --gmina= --urzad= --ewidencja= --osoba-fizyczna= --nazwisko= --imie= --pesel= "
    "--bank= --rachunek= --json");

}  // namespace
}  // namespace skolvarin::app
