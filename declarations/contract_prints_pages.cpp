// Printing a contract and its bill: the templates filled from the current
// record of the contracts table, the contractor, the firm and its offices.
#include <cstdio>
#include <fstream>

#include "declarations/contract_prints.h"
#include "declarations/contracts_register.h"
#include "dictionaries/register_frame.h"
#include "host/api/print_api.h"

namespace skolvarin::declarations {

namespace {

std::string money(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  std::string s = text;
  for (char& c : s)
    if (c == '.') c = ',';  // printed amounts carry the Polish decimal comma
  return s;
}

std::string padded_left(const std::string& s, size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

}  // namespace

// ---------------------------------------------------------------- printing

namespace {

struct Page {
  PrintBuffer* work = nullptr;
  PrintBuffer* original = nullptr;
  int width = 0, rows = 0;
  ~Page() { print_free(&work, &original); }
};

void text_at(Page& p, int row, int col, const std::string& s, int width = 0) {
  MemPrintStringFmt(p.work, row, col, s.c_str(), width ? width : static_cast<int>(s.size()) + 1, PRINT_LEFT);
}

// The firm's name lines and address from its data table.
struct Firm {
  std::string name1, name2, address, representative, city;
};
Firm firm() {
  Firm f;
  data::TableHandles& t = data::handles("W3PAWL.DBF");
  if (!t.open()) return f;
  f.name1 = f4trim(t.field("NA1"));
  f.name2 = f4trim(t.field("NA2"));
  std::string street = f4trim(t.field("ULI"));
  std::string house = f4trim(t.field("NRD")), flat = f4trim(t.field("NRM"));
  if (!house.empty()) street += " " + house;
  if (!flat.empty()) street += "/" + flat;
  f.city = f4trim(t.field("MIA"));
  f.address = f4trim(t.field("KOD")) + " " + f.city + (street.empty() ? "" : ", " + street);
  f.representative = f4trim(t.field("NAZP")) + " " + f4trim(t.field("IMIP"));
  return f;
}

std::string contractor_address(const Contractor& c) {
  return c.postcode + " " + c.city + (c.street.empty() ? "" : ", " + c.street);
}

// The alternative contract layouts are chosen by "uklad_umow=2" in the
// printer settings file of the common directory.
bool alternative_layout() {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return false;
  std::ifstream in(ctx->common_dir + "drukarka.cfg");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("uklad_umow=", 0) == 0) return line.substr(11, 1) == "2";
  return false;
}

int publish(Page& p, const char* code, const char* title) {
  HostContext* ctx = data::state().ctx;
  if (init_prn(ctx, code, title) != 0) return -1;
  print_lines(p.work, p.width, 0, p.rows - 1);
  return deinit_prn(1);
}

}  // namespace

int print_contract(const ContractParameters&) {
  data::TableHandles& t = contracts_table();
  ContractBill b = bill_of_record(t);
  bool mandate = !is_specific_work(b.TYP);
  bool alt = alternative_layout();
  Page p;
  int id = mandate ? (alt ? 22 : 18) : (alt ? 21 : 16);
  p.width = mandate ? 122 : (alt ? 117 : 114);
  p.rows = mandate ? 60 : (alt ? 59 : 56);
  if (print_alloc(&p.work, &p.original, p.width * p.rows, dictionaries::template_id(id), p.width) != 0) return -1;
  int dr = alt && !mandate ? 3 : 0, dc = alt ? 3 : 0;
  auto at = [&](int row, int col, const std::string& s, int width = 0) { text_at(p, row + dr, col + dc, s, width); };
  Firm f = firm();
  Contractor c = read_contractor(f4long(t.field("KOD")));
  at(4, 12, to_shown(b.DAW));
  at(6, 25, f.name1);
  at(7, 25, f.name2);
  at(8, 25, f.address);
  at(9, 28, f.representative);
  at(11, 25, f4trim(t.field("NAZ")) + " " + f4trim(t.field("IMI")));
  at(12, 25, contractor_address(c));
  for (int i = 1; i <= 6; ++i) at(15 + i, 8, f4trim(t.field(("PR" + std::to_string(i)).c_str())));
  Date dod = f4date(t.field("DOD")), ddo = f4date(t.field("DDO"));
  if (mandate) {
    at(23, 48, to_shown(dod));
    at(23, 64, to_shown(ddo));
    at(29, 76, padded_left(money(b.BRU), 9));
    InsuranceSwitches sw = insurance_switches(b.KTU, c.person, b.DAR.year);
    at(46, 55, sw.social ? "  podlega  " : "nie podlega");
    return publish(p, "UZL", "Umowa zlecenia");
  }
  at(23, 41, to_shown(dod));
  at(23, 73, to_shown(ddo));
  at(29, 69, padded_left(money(b.BRU), 9));
  return publish(p, "UDZ", "Umowa o dzieło");
}

int print_bill(const ContractParameters& stored) {
  data::TableHandles& t = contracts_table();
  ContractBill b = bill_of_record(t);
  ContractParameters params = is_valid_date(b.DAR) ? parameters_on(stored, b.DAR.year, b.DAR.month) : stored;
  Page p;
  p.width = 94;
  p.rows = 60;
  if (print_alloc(&p.work, &p.original, p.width * p.rows, dictionaries::template_id(12), p.width) != 0) return -1;
  Firm f = firm();
  Contractor c = read_contractor(f4long(t.field("KOD")));
  text_at(p, 3, 57, (f.city.empty() ? "" : f.city + ", ") + to_shown(b.DAR));
  text_at(p, 5, 25, f4trim(t.field("NAZ")) + " " + f4trim(t.field("IMI")));
  text_at(p, 6, 25, contractor_address(c));
  text_at(p, 8, 25, f.name1);
  text_at(p, 9, 25, f.name2);
  text_at(p, 10, 25, f.address);
  if (c.office) {
    data::TableHandles& offices = data::handles("W3USKA.DBF");
    if (offices.open())
      for (long r = 1; r <= d4reccount(offices.data); ++r)
        if (d4go(offices.data, r) == 0 && f4int(offices.field("KOD")) == c.office) {
          text_at(p, 12, 37, f4trim(offices.field("NAZ")));
          break;
        }
  }
  text_at(p, 14, 43, is_specific_work(b.TYP) ? "umową o dzieło" : "umową zlecenia");
  text_at(p, 14, 65, to_shown(b.DAW));
  text_at(p, 15, 18, to_shown(f4date(t.field("DOD"))));
  text_at(p, 15, 32, to_shown(f4date(t.field("DDO"))));
  text_at(p, 15, 64, money(b.WOL));
  text_at(p, 17, 18, padded_left(money(b.BRU), 12));
  pisz_slownie(p.work, 18, 14, b.BRU, 75, 2);
  int row = 22;
  for (const SettlementLine& l : settlement_lines(b, params)) {
    text_at(p, row, 5, l.label);
    if (l.has_rate) {
      char rate[16];
      std::snprintf(rate, sizeof rate, "%5.2f %%", l.rate);
      for (char& ch : rate)
        if (ch == '.') ch = ',';
      text_at(p, row, 55, rate);
    }
    text_at(p, row, 70, padded_left(money(l.amount), 12));
    ++row;
  }
  text_at(p, 33, 15, padded_left(money(b.NET), 12));
  pisz_slownie(p.work, 34, 14, b.NET, 75, 2);
  return publish(p, "RAC", "Rachunek do umowy");
}

}  // namespace skolvarin::declarations
