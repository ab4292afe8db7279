#include "declarations/pit_print.h"

#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "declarations/pit_store.h"
#include "host/api/db_api.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "resources/module_resources.h"

namespace skolvarin::declarations {

namespace {

constexpr int kWidth = 80;

struct PrintInfo {
  const char* code;
  const char* title;
  int template_id;
};

PrintInfo info_of(PitPrint p) {
  switch (p) {
    case PitPrint::Pit11: return {"P11", "PIT-11", 87};
    case PitPrint::Pit40: return {"P40", "PIT-40", 104};
    case PitPrint::Pit4R: return {"P4R", "PIT-4R", 77};
    case PitPrint::Pit8AR: return {"P8R", "PIT-8AR", 119};
    case PitPrint::Pit2: return {"PI2", "PIT-2", 73};
    case PitPrint::Pit12: return {"PI12", "PIT-12", 97};
    case PitPrint::Nip3: return {"NI3", "NIP-3", 55};
    case PitPrint::OrdZu: return {"ORD", "ORD-ZU", 70};
  }
  return {"", "", 0};
}

size_t utf8_chars(const std::string& s) {
  size_t n = 0;
  for (char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// One page being filled: values are placed after the labels of the
// template's rows, so the code follows the page rather than fixed columns.
class Page {
 public:
  Page(int template_id) {
    ok_ = print_alloc(&work_, &orig_, 0, resources::resource_id_function(template_id), kWidth) == 0;
  }
  ~Page() { print_free(&work_, &orig_); }
  bool ok() const { return ok_; }
  int rows() const { return print_rows(work_); }

  // Column just after `label` on `row` (plus `gap`), or -1.
  int after(int row, const std::string& label, int gap = 1) const {
    const std::string r = print_row(orig_, row);
    const size_t at = r.find(label);
    if (at == std::string::npos) return -1;
    return static_cast<int>(utf8_chars(r.substr(0, at)) + utf8_chars(label)) + gap;
  }
  void text(int row, int col, const std::string& t, int width = 0, int flags = PRINT_LEFT) {
    if (col >= 0) MemPrintStringFmt(work_, row, col, t.c_str(), width ? width : kWidth - col, flags);
  }
  void text_after(int row, const std::string& label, const std::string& t, int width = 0) {
    text(row, after(row, label), t, width);
  }
  void amount(int row, int col, double v, int width, int decimals = 2) {
    MemPrintDoubleFmt(work_, row, col, v, width, decimals, PRINT_THOUSANDS | PRINT_BLANK_ZERO);
  }
  void print() { print_lines(work_, kWidth, 0, rows() - 1); }
  void restore() { print_restore(work_, orig_); }

 private:
  PrintBuffer* work_ = nullptr;
  PrintBuffer* orig_ = nullptr;
  bool ok_ = false;
};

std::string address(const PitTaxpayer& t) {
  if (t.foreign_address) {
    std::string a = t.foreign_street + " " + t.foreign_house;
    if (!t.foreign_flat.empty()) a += "/" + t.foreign_flat;
    return a + ", " + t.foreign_postcode + " " + t.foreign_town + ", " + t.country_code;
  }
  std::string a = t.street.empty() ? t.town : t.street;
  a += " " + t.house;
  if (!t.flat.empty()) a += "/" + t.flat;
  return a + ", " + t.postcode + " " + t.town;
}

std::string payer_name(const PitPayer& p) {
  return p.natural_person ? p.surname + " " + p.first_name : p.name;
}

std::string shown_date(const std::string& yyyymmdd) {
  if (yyyymmdd.size() != 8) return yyyymmdd;
  return yyyymmdd.substr(6, 2) + "-" + yyyymmdd.substr(4, 2) + "-" + yyyymmdd.substr(0, 4);
}

std::string iso_to_shown(const std::string& iso) {
  if (iso.size() != 10) return iso;
  return iso.substr(8, 2) + "-" + iso.substr(5, 2) + "-" + iso.substr(0, 4);
}

// Header shared by the four forms: payer (rows 0-8), year and purpose.
void payer_block(Page& p, const PitPayer& payer, int year, bool correction, const std::string& office, int year_row,
                 int payer_row) {
  p.text(1, 3, payer.nip, 20);
  p.text_after(year_row, "za rok", std::to_string(year), 5);
  p.text(year_row, p.after(year_row, "złożenia:"), correction ? "2" : "1", 2);
  p.text_after(payer_row, "nazwisko, imię:", payer_name(payer));
  p.text_after(payer_row + 2, "REGON:", payer.regon, 14);
  p.text(payer_row + 2, p.after(payer_row + 2, "skarbowy podatnika:") >= 0 ? p.after(payer_row + 2, "skarbowy podatnika:")
                                                                           : p.after(payer_row + 2, "skarbowy:"),
         office, 6);
}

void taxpayer_block(Page& p, const PitTaxpayer& t, int row) {
  p.text_after(row, "NIP / PESEL:", t.nip.empty() ? t.pesel : t.nip, 14);
  p.text_after(row, "nazwisko:", t.surname);
  p.text_after(row + 1, "imię:", t.first_name, 20);
  p.text_after(row + 1, "data urodzenia:", iso_to_shown(t.birth_date), 10);
  p.text_after(row + 2, "adres:", address(t));
}

// The reasons of a correction under "Przyczyny złożenia korekty:".
void reasons_block(Page& p, const PitRecord& r) {
  if (r.text("KOR") != "T") return;
  for (int row = 0; row < p.rows(); ++row) {
    if (p.after(row, "Przyczyny złożenia korekty:") < 0) continue;
    int line = row + 1;
    for (const char* f : {"KW1", "KW2", "KW3", "KW4", "KW5"})
      if (!r.text(f).empty() && line < p.rows() - 1) p.text(line++, 3, r.text(f), 76);
    return;
  }
}

// One income row of PIT-11 / PIT-40 in the columns of the page.
void income_row(Page& p, int row, double income, double costs, double net, double advance) {
  p.amount(row, 30, income, 12);
  p.amount(row, 43, costs, 12);
  p.amount(row, 56, net, 12);
  p.amount(row, 69, advance, 10, 0);
}

// Starts the printout of the request and its page; nullptr with `error`
// when either cannot be had (nothing is left open then).
std::unique_ptr<Page> begin(const PitPrintRequest& rq, std::string& error) {
  const PrintInfo info = info_of(rq.what);
  if (init_prn(data::state().ctx, info.code, info.title) != 0) {
    error = "Nie można rozpocząć wydruku.";
    return nullptr;
  }
  auto page = std::make_unique<Page>(info.template_id);
  if (!page->ok()) {
    deinit_prn(-1);
    error = "Brak wzoru wydruku.";
    return nullptr;
  }
  return page;
}

int finish(const PitPrintRequest& rq, std::string& pdf, std::string& error) {
  const int rc = deinit_prn(rq.preview);
  if (rc == -1) return error = "Nie udało się zapisać wydruku.", -1;
  pdf = last_print_pdf();
  return 0;
}

int not_computed(PitForm form, std::string& error) {
  error = not_computed_message(form);
  return -1;
}

int print_person_forms(HostContext* ctx, const PitPrintRequest& rq, std::string& pdf, std::string& error) {
  const PitForm form = rq.what == PitPrint::Pit11 ? PitForm::Pit11 : PitForm::Pit40;
  std::vector<PitRecord> records;
  if (load_pit_records(ctx, rq.year, form, records, error) != 0) return -1;
  const char* key = form == PitForm::Pit11 ? "KOPR" : "KOP";
  std::vector<const PitRecord*> chosen;
  for (const auto& r : records)
    if (rq.person == 0 || static_cast<long>(r.number(key)) == rq.person) chosen.push_back(&r);
  if (chosen.empty()) return not_computed(form, error);
  int office = 0;
  const PitPayer payer = read_payer(ctx, office);
  auto page = begin(rq, error);
  if (!page) return -1;
  Page& p = *page;
  bool first = true;
  for (const PitRecord* r : chosen) {
    PitTaxpayer t;
    int person_office = 0;
    if (!read_person(ctx, static_cast<long>(r->number(key)), t, person_office)) continue;
    if (!first) drukuj_form_feed();
    first = false;
    p.restore();
    char office_text[16];
    std::snprintf(office_text, sizeof office_text, "%04d", person_office);
    payer_block(p, payer, rq.year, r->text("KOR") == "T", person_office ? office_text : "", 4, 6);
    taxpayer_block(p, t, 10);
    if (form == PitForm::Pit11) {
      p.text_after(15, "od dnia:", shown_date(r->text("DAOD")), 10);
      p.text_after(15, "do dnia:", shown_date(r->text("DADO")), 10);
      p.text_after(15, "(poz. 24):", r->number("ROSZ") > 1 ? "2" : "1", 2);
      income_row(p, 18, r->number("R01P"), r->number("R01K"), r->number("R01D"), r->number("R01Z"));
      income_row(p, 19, r->number("R07P"), r->number("R07K"), r->number("R07D"), r->number("R07Z"));
      income_row(p, 20, r->number("R10P"), r->number("R10K"), r->number("R10D"), r->number("R10Z"));
      p.amount(23, 56, r->number("RSPO"), 12);
      p.amount(24, 56, r->number("RZDR"), 12);
    } else {
      income_row(p, 16, r->number("R37"), r->number("R38"), r->number("R39"), r->number("R40"));
      income_row(p, 17, r->number("R64"), r->number("R65"), r->number("R66"), r->number("R67"));
      p.amount(19, 56, r->number("R68"), 12);
      static const std::pair<int, const char*> kTax[] = {{21, "R69"}, {22, "R71"}, {23, "R72"}, {24, "R73"},
                                                         {25, "R74"}, {26, "R80"}, {27, "R81"}, {28, "R82"},
                                                         {29, "R83"}};
      for (const auto& [row, field] : kTax) p.amount(row, 56, r->number(field), 12);
    }
    reasons_block(p, *r);
    p.print();
  }
  return finish(rq, pdf, error);
}

int print_monthly_form(HostContext* ctx, const PitPrintRequest& rq, std::string& pdf, std::string& error) {
  const PitForm form = rq.what == PitPrint::Pit4R ? PitForm::Pit4R : PitForm::Pit8AR;
  if (int msg = pit_year_refusal(form, rq.year)) return error = RcQStr(msg), -1;
  std::vector<PitRecord> months;
  if (load_pit_records(ctx, rq.year, form, months, error) != 0) return -1;
  if (months.empty()) return not_computed(form, error);
  int office = 0;
  const PitPayer payer = read_payer(ctx, office);
  auto page = begin(rq, error);
  if (!page) return -1;
  Page& p = *page;
  PitRecord head;
  for (const auto& m : months)
    if (static_cast<int>(m.number("MIE")) == 1) head = m;
  char office_text[16];
  std::snprintf(office_text, sizeof office_text, "%04d", office);
  const bool pit4r = form == PitForm::Pit4R;
  payer_block(p, payer, rq.year, head.text("KOR") == "T", office ? office_text : "", 3, 5);
  const int first_row = pit4r ? 12 : 11;
  std::map<std::string, double> total;
  for (const auto& m : months) {
    const int month = static_cast<int>(m.number("MIE"));
    if (month < 1 || month > 12) continue;
    const int row = first_row + month - 1;
    // Columns: PIT-4R count, advances, count, contract advances, tax, fee,
    // to pay; PIT-8AR contracts, total, fee, to pay.
    const std::vector<std::pair<int, std::string>> cols =
        pit4r ? std::vector<std::pair<int, std::string>>{{6, "P01"}, {12, "Z01"}, {23, "P0R"}, {29, "Z0R"},
                                                         {40, "ZAP"}, {51, "WYN"}, {62, "KZA"}}
              : std::vector<std::pair<int, std::string>>{{8, "C05"}, {26, "C15"}, {44, "C16"}, {62, "DO"}};
    for (const auto& [col, field] : cols) {
      const double v = field == "DO" ? m.number("C15") - m.number("C16") : m.number(field);
      total[field] += v;
      p.amount(row, col, v, field[0] == 'P' ? 6 : (col == 62 ? 12 : 10), 0);
    }
  }
  for (const auto& [field, v] : total) {
    static const std::map<std::string, int> kCol4r = {{"P01", 6}, {"Z01", 12}, {"P0R", 23}, {"Z0R", 29},
                                                      {"ZAP", 40}, {"WYN", 51}, {"KZA", 62}};
    static const std::map<std::string, int> kCol8ar = {{"C05", 8}, {"C15", 26}, {"C16", 44}, {"DO", 62}};
    const auto& cols = pit4r ? kCol4r : kCol8ar;
    if (field[0] != 'P') p.amount(first_row + 12, cols.at(field), v, cols.at(field) == 62 ? 12 : 10, 0);
  }
  if (pit4r && !head.text("REZ").empty()) p.text(26, 3, head.text("REZ"), 76);
  reasons_block(p, head);
  p.print();
  return finish(rq, pdf, error);
}

int print_statement(HostContext* ctx, const PitPrintRequest& rq, std::string& pdf, std::string& error) {
  PitTaxpayer t;
  int office = 0;
  if (!read_person(ctx, rq.person, t, office)) return error = "Brak osoby nr " + std::to_string(rq.person) + ".", -1;
  int payer_office = 0;
  const PitPayer payer = read_payer(ctx, payer_office);
  auto page = begin(rq, error);
  if (!page) return -1;
  Page& p = *page;
  p.text(1, 3, t.nip.empty() ? t.pesel : t.nip, 14);
  p.text(3, p.after(3, rq.what == PitPrint::Pit2 ? "rok:" : "za rok:"), std::to_string(rq.year), 5);
  p.text_after(6, "nazwisko:", t.surname);
  p.text_after(7, "imię:", t.first_name, 20);
  p.text_after(7, "data urodzenia:", iso_to_shown(t.birth_date), 10);
  p.text_after(8, "adres:", address(t));
  p.text_after(12, "nazwa:", payer_name(payer));
  p.text_after(14, "NIP:", payer.nip, 14);
  p.print();
  return finish(rq, pdf, error);
}

int print_nip3(HostContext* ctx, const PitPrintRequest& rq, std::string& pdf, std::string& error) {
  const data::CatalogueEntry* entry = data::find_table("W3NIP3.DBF");
  data::TableHandles& h = data::handles(*entry);
  const bool opened = !h.open();
  if (opened && data::open_table(ctx, *entry) != 0) return error = "Nie można otworzyć tabeli W3NIP3.DBF.", -1;
  auto close = [&] {
    if (opened) data::close_table(*entry);
  };
  d4tag_select(h.data, nullptr);
  const long rec = rq.record > 0 ? rq.record : 1;
  if (rec > d4reccount(h.data) || d4go(h.data, rec) != 0 || d4deleted(h.data)) {
    close();
    return error = "Brak zgłoszenia NIP-3 nr " + std::to_string(rec) + ".", -1;
  }
  auto page = begin(rq, error);
  if (!page) return close(), -1;
  Page& p = *page;
  p.text(1, 3, h.field("N01") ? f4trim(h.field("N01")) : "", 14);
  FIELD4* filed = h.field("N65");
  p.text_after(3, "data złożenia:", filed ? shown_date(f4trim(filed)) : "", 10);
  p.print();
  // Every filled position in the order of its number: N05 is position 5,
  // Z08 the check box of position 8.
  std::map<int, std::string> positions;
  for (int j = 1;; ++j) {
    FIELD4* f = d4field_j(h.data, j);
    if (!f) break;
    const std::string name = f4name(f);
    if (name.size() != 3 || (name[0] != 'N' && name[0] != 'Z') || !std::isdigit(static_cast<unsigned char>(name[1])))
      continue;
    std::string v = f4trim(f);
    if (v.empty()) continue;
    if (f4type(f) == 'D' && v.size() == 8) v = shown_date(v);
    if (name[0] == 'Z') v = "[" + v + "]";
    positions[std::stoi(name.substr(1))] = v;
  }
  for (const auto& [number, value] : positions) {
    char line[160];
    std::snprintf(line, sizeof line, "   %4d. %s", number, value.c_str());
    print_line(line);
  }
  close();
  return finish(rq, pdf, error);
}

int print_ordzu(HostContext* ctx, const PitPrintRequest& rq, std::string& pdf, std::string& error) {
  std::vector<PitRecord> records;
  if (load_pit_records(ctx, rq.year, rq.corrected, records, error) != 0) return -1;
  const PitRecord* chosen = nullptr;
  for (const auto& r : records) {
    const long who = static_cast<long>(r.number(rq.corrected == PitForm::Pit11   ? "KOPR"
                                                : rq.corrected == PitForm::Pit40 ? "KOP"
                                                                                 : "MIE"));
    const bool per_person = rq.corrected == PitForm::Pit11 || rq.corrected == PitForm::Pit40;
    if ((per_person && who == rq.person) || (!per_person && who == 1)) chosen = &r;
  }
  if (!chosen) return not_computed(rq.corrected, error);
  if (chosen->text("KOR") != "T" || correction_reasons(*chosen).empty())
    return error = std::string("Formularz ") + pit_form_name(rq.corrected) + " nie jest korektą z podanymi przyczynami.",
           -1;
  int office = 0;
  const PitPayer payer = read_payer(ctx, office);
  PitTaxpayer t;
  int person_office = 0;
  const bool has_person = rq.person > 0 && read_person(ctx, rq.person, t, person_office);
  auto page = begin(rq, error);
  if (!page) return -1;
  Page& p = *page;
  p.text(1, 3, payer.nip, 14);
  p.text_after(4, "korygowany formularz:", pit_form_name(rq.corrected), 10);
  p.text_after(4, "za rok:", std::to_string(rq.year), 5);
  p.text_after(5, "składający (płatnik):", payer_name(payer));
  if (has_person) p.text_after(7, "podatnik:", t.surname + " " + t.first_name + "  " + (t.nip.empty() ? t.pesel : t.nip));
  int line = 12;
  for (const char* f : {"KW1", "KW2", "KW3", "KW4", "KW5"})
    if (!chosen->text(f).empty()) p.text(line++, 3, chosen->text(f), 76);
  p.print();
  return finish(rq, pdf, error);
}

}  // namespace

std::optional<PitPrint> pit_print_from_name(std::string_view name) {
  std::string u(name);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static const std::map<std::string, PitPrint> kNames = {
      {"PIT-11", PitPrint::Pit11}, {"PIT-40", PitPrint::Pit40}, {"PIT-4R", PitPrint::Pit4R},
      {"PIT-8AR", PitPrint::Pit8AR}, {"PIT-2", PitPrint::Pit2}, {"PIT-12", PitPrint::Pit12},
      {"NIP-3", PitPrint::Nip3}, {"ORD-ZU", PitPrint::OrdZu}};
  auto it = kNames.find(u);
  if (it == kNames.end()) return std::nullopt;
  return it->second;
}

int print_pit(HostContext* ctx, const PitPrintRequest& rq, std::string& pdf, std::string& error) {
  pdf.clear();
  switch (rq.what) {
    case PitPrint::Pit11:
    case PitPrint::Pit40: return print_person_forms(ctx, rq, pdf, error);
    case PitPrint::Pit4R:
    case PitPrint::Pit8AR: return print_monthly_form(ctx, rq, pdf, error);
    case PitPrint::Pit2:
    case PitPrint::Pit12: return print_statement(ctx, rq, pdf, error);
    case PitPrint::Nip3: return print_nip3(ctx, rq, pdf, error);
    case PitPrint::OrdZu: return print_ordzu(ctx, rq, pdf, error);
  }
  return -1;
}

}  // namespace skolvarin::declarations
