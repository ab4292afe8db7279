// skolvarin pit oblicz|xml|pokaz|drukuj: the payer's PIT forms of a year.
//
//   pit oblicz --rok R [--formularz PIT-11|PIT-40|PIT-4R|PIT-8AR]   (all four without it)
//   pit xml --rok R --formularz F --katalog DIR [--osoba KOD]       one file per person (PIT-11, PIT-40)
//   pit pokaz --rok R --formularz F [--osoba KOD] [--json]          the positions by their numbers
//   pit deklaracje [--rok R] [--json]                                the register of filed declarations
//   pit drukuj --rok R --formularz F [--osoba KOD]                  the printed form (PDF and text file);
//        F also PIT-2, PIT-12 (--osoba), NIP-3 [--rekord N], ORD-ZU --dla FORM [--osoba KOD]
//
// The same computations and files as the registers' " Oblicz ", " Drukuj "
// and " Eksportuj ".  Exit 0 done, 1 refused or failed (the reason on
// stderr: a form not computed, message 186 before 2013, a file not
// written), 2 bad input.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "data/data_directory.h"
#include "data/main_options.h"
#include "data/module_state.h"
#include "declarations/pit_print.h"
#include "declarations/pit_store.h"
#include "host/api/screen_api.h"
#include "resources/module_resources.h"

namespace skolvarin::app {

namespace {

using declarations::PitForm;
constexpr const char* kName = "skolvarin pit";

int usage() {
  std::fprintf(stderr,
               "użycie: skolvarin pit oblicz|xml|pokaz|drukuj|deklaracje --rok R [--formularz PIT-11|PIT-40|PIT-4R|PIT-8AR] "
               "[--katalog KATALOG] [--osoba KOD] [--json]\n");
  return 2;
}

// The firm's data directory open with the module's texts, for one command.
class Session {
 public:
  explicit Session(const CommandLine& cl) {
    ctx_.today = cl.today;
    data::reset_state();
    data::state().ctx = &ctx_;
    EnvAddRcsObj(&ctx_, &resources::module_rcs, 3);
    ok_ = data::open_data_directory(ctx_, cl.data_dir, error_, cl.firm);
    if (ok_) {
      data::load_main_options(ctx_, data::state().options);
      year_ = cl.year > 0 ? cl.year : data::working_year(&ctx_);
      data::state().options.working_year = year_;
    }
  }
  ~Session() {
    data::close_all_tables(&ctx_);
    data::reset_state();
  }
  bool ok() const { return ok_; }
  const std::string& error() const { return error_; }
  HostContext* ctx() { return &ctx_; }
  int year() const { return year_; }

 private:
  HostContext ctx_;
  bool ok_ = false;
  std::string error_;
  int year_ = 0;
};

bool form_option(const CommandLine& cl, bool required, std::vector<PitForm>& forms) {
  std::string name;
  if (!cl.value_of("--formularz", name)) {
    if (required) return false;
    forms = {PitForm::Pit11, PitForm::Pit40, PitForm::Pit4R, PitForm::Pit8AR};
    return true;
  }
  auto f = declarations::pit_form_from_name(name);
  if (!f) return false;
  forms = {*f};
  return true;
}

long person_option(const CommandLine& cl, bool& bad) {
  std::string text;
  bad = false;
  if (!cl.value_of("--osoba", text)) return 0;
  try {
    long v = std::stol(text);
    if (v > 0) return v;
  } catch (...) {
  }
  bad = true;
  return 0;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", kName, message.c_str());
  return 1;
}

int cmd_oblicz(const CommandLine& cl, Session& s) {
  std::vector<PitForm> forms;
  if (!form_option(cl, false, forms)) return usage();
  int rc = 0;
  for (PitForm f : forms) {
    int records = 0;
    std::string error;
    if (declarations::compute_pit_table(s.ctx(), s.year(), f, records, error) != 0) {
      std::fprintf(stderr, "%s: %s: %s\n", kName, declarations::pit_form_name(f), error.c_str());
      rc = 1;
      continue;
    }
    std::printf("%-8s %d: zapisano %d rekordów\n", declarations::pit_form_name(f), s.year(), records);
  }
  return rc;
}

int cmd_xml(const CommandLine& cl, Session& s) {
  std::vector<PitForm> forms;
  std::string dir;
  bool bad = false;
  const long person = person_option(cl, bad);
  if (!form_option(cl, true, forms) || !cl.value_of("--katalog", dir) || bad) return usage();
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!std::filesystem::is_directory(dir)) {
    std::fprintf(stderr, "%s: nie można utworzyć katalogu %s\n", kName, dir.c_str());
    return 2;
  }
  std::vector<declarations::PitExported> files;
  std::string error;
  const int rc = declarations::export_pit_xml(s.ctx(), s.year(), forms[0], dir, person, files, error);
  for (const auto& f : files)
    std::printf("%s\n", PrintfQStr(RcQStr(declarations::kHostMsgFileWritten), declarations::pit_form_name(forms[0]),
                                   f.path.c_str()));
  return rc == 0 ? 0 : fail(error);
}

int cmd_pokaz(const CommandLine& cl, Session& s) {
  std::vector<PitForm> forms;
  bool bad = false;
  const long person = person_option(cl, bad);
  if (!form_option(cl, true, forms) || bad) return usage();
  const PitForm form = forms[0];
  if (int msg = declarations::pit_year_refusal(form, s.year())) return fail(RcQStr(msg));
  std::vector<declarations::PitRecord> records;
  std::string error;
  if (declarations::load_pit_records(s.ctx(), s.year(), form, records, error) != 0) return fail(error);
  const bool json = cl.has_flag("--json");
  // One block per person, or one for the year.
  std::vector<std::pair<long, std::vector<declarations::PitPosition>>> blocks;
  if (form == PitForm::Pit4R || form == PitForm::Pit8AR) {
    if (!records.empty())
      blocks.push_back({0, form == PitForm::Pit4R ? declarations::pit4r_positions(records)
                                                  : declarations::pit8ar_positions(records, s.year())});
  } else {
    for (const auto& r : records) {
      const long who = static_cast<long>(r.number(form == PitForm::Pit11 ? "KOPR" : "KOP"));
      if (person > 0 && who != person) continue;
      blocks.push_back({who, form == PitForm::Pit11 ? declarations::pit11_positions(r)
                                                    : declarations::pit40_positions(r)});
    }
  }
  if (blocks.empty()) return fail(declarations::not_computed_message(form));
  if (json) std::printf("[");
  bool first_block = true;
  for (const auto& [who, positions] : blocks) {
    if (json) {
      std::printf("%s\n  {\"formularz\": %s, \"rok\": %d, \"osoba\": %ld, \"pozycje\": {", first_block ? "" : ",",
                  json_string(declarations::pit_form_name(form)).c_str(), s.year(), who);
      bool first = true;
      for (const auto& p : positions) {
        std::printf("%s\"%d\": %s", first ? "" : ", ", p.number, json_string(p.value).c_str());
        first = false;
      }
      std::printf("}}");
    } else {
      std::printf("%s %d%s\n", declarations::pit_form_name(form), s.year(),
                  who ? (" osoba " + std::to_string(who)).c_str() : "");
      for (const auto& p : positions) std::printf("  P_%-4d %s\n", p.number, p.value.c_str());
    }
    first_block = false;
  }
  if (json) std::printf("\n]\n");
  return 0;
}

int cmd_drukuj(const CommandLine& cl, Session& s) {
  std::string name;
  bool bad = false;
  const long person = person_option(cl, bad);
  if (!cl.value_of("--formularz", name) || bad) return usage();
  auto what = declarations::pit_print_from_name(name);
  if (!what) return usage();
  declarations::PitPrintRequest rq;
  rq.what = *what;
  rq.year = s.year();
  rq.person = person;
  rq.preview = 0;
  std::string text;
  if (cl.value_of("--dla", text)) {
    auto corrected = declarations::pit_form_from_name(text);
    if (!corrected) return usage();
    rq.corrected = *corrected;
  }
  if (cl.value_of("--rekord", text)) {
    rq.record = std::atol(text.c_str());
    if (rq.record <= 0) return usage();
  }
  if ((rq.what == declarations::PitPrint::Pit2 || rq.what == declarations::PitPrint::Pit12) && person <= 0) {
    std::fprintf(stderr, "%s: podaj osobę (--osoba KOD)\n", kName);
    return 2;
  }
  std::string error, pdf;
  if (declarations::print_pit(s.ctx(), rq, pdf, error) != 0) return fail(error);
  std::printf("%s\n", pdf.c_str());
  return 0;
}

int cmd_deklaracje(const CommandLine& cl, Session& s) {
  std::vector<declarations::FiledDeclaration> filed;
  std::string error;
  if (declarations::read_filed_declarations(s.ctx(), cl.year > 0 ? s.year() : 0, filed, error) != 0) return fail(error);
  const bool json = cl.has_flag("--json");
  if (json) std::printf("[");
  bool first = true;
  for (const auto& d : filed) {
    if (json) {
      std::printf("%s\n  {\"formularz\": %s, \"rok\": %d, \"cel\": %d, \"korekta\": %d, \"podatnik\": %s, "
                  "\"identyfikator\": %s, \"plik\": %s, \"data\": %s, \"status\": %s}",
                  first ? "" : ",", json_string(d.form).c_str(), d.year, d.purpose, d.correction,
                  json_string(d.who).c_str(), json_string(d.nip).c_str(), json_string(d.file).c_str(),
                  json_string(d.date).c_str(), json_string(d.status).c_str());
    } else {
      std::printf("%-8s %d %s %-30s %-11s %s %s\n", d.form.c_str(), d.year,
                  d.purpose == 2 ? ("korekta " + std::to_string(d.correction)).c_str() : "złożenie  ", d.who.c_str(),
                  d.nip.c_str(), d.date.c_str(), d.file.c_str());
    }
    first = false;
  }
  if (json) std::printf("%s]\n", first ? "" : "\n");
  return 0;
}

int cmd_pit(const CommandLine& cl) {
  if (cl.words.size() != 1) return usage();
  const std::string& what = cl.words[0];
  if (what != "oblicz" && what != "xml" && what != "pokaz" && what != "drukuj" && what != "deklaracje")
    return usage();
  Session s(cl);
  if (!s.ok()) return fail(s.error());
  if (what == "oblicz") return cmd_oblicz(cl, s);
  if (what == "xml") return cmd_xml(cl, s);
  if (what == "pokaz") return cmd_pokaz(cl, s);
  if (what == "deklaracje") return cmd_deklaracje(cl, s);
  return cmd_drukuj(cl, s);
}

const CommandRegistrar registrar("pit",
                                 "formularze PIT płatnika: oblicz, xml (e-deklaracje), pokaz (--json), drukuj, deklaracje",
                                 cmd_pit, "--formularz= --katalog= --osoba= --dla= --rekord= --json");

}  // namespace

}  // namespace skolvarin::app
