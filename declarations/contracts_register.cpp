// The contracts register: menu, list, panel, the form with the bill
// cascade on its field exits, copy, kind switch, filters, " Suma ", the two
// postings into the book, the transfer and the prints.
#include "declarations/contracts_register.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cash/ledger_posting.h"
#include "declarations/contract_prints.h"
#include "declarations/contract_subjects.h"
#include "declarations/pit_registers.h"
#include "data/catalogue.h"
#include "data/openers.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/browse_api.h"
#include "host/api/keys.h"
#include "host/api/rounding.h"
#include "payroll/calculator_window.h"
#include "payroll/employees.h"
#include "payroll/payroll_settings.h"
#include "transfers/transfers_register.h"

namespace skolvarin::declarations {

namespace {

using dictionaries::RegisterFrame;
namespace k = skolvarin::keys;

constexpr int kTitle = 99;
constexpr int kAskCopy = 46, kAskKindSwitch = 59, kWarnPosted = 177, kNoPerson = 33;
constexpr int kHostOutOfYear = 20088;  // host: the date's year is after the working year

// The amounts of the form: each one's cascade step on leaving it.
struct AmountField {
  const char* name;
  BillStep from;
};
constexpr AmountField kAmounts[] = {
    {"BRU", BillStep::Gross},   {"UZP", BillStep::Costs},   {"UZW", BillStep::Income},
    {"KEU", BillStep::Income},  {"KEP", BillStep::Income},  {"KRU", BillStep::Income},
    {"KRP", BillStep::Income},  {"KCU", BillStep::Income},  {"KWP", BillStep::Income},
    {"KZU", BillStep::Income},  {"DOP", BillStep::TaxBase}, {"POP", BillStep::Tax},
    {"POS", BillStep::Tax},     {"POD", BillStep::Due},     {"NPO", BillStep::Due},
    {"NET", BillStep::Due},     {"FUP", BillStep::Due},     {"FUG", BillStep::Due},
};

struct Run {
  data::TableHandles* t = nullptr;
  RegisterFrame* frame = nullptr;
  InsuranceSwitches sw;
  bool recompute = false;                // F7 (or the calculator) for one field exit
  std::map<FIELD4*, double> seen;        // amounts as the last cascade left them
  std::vector<std::pair<EditControl*, bool InsuranceSwitches::*>> gated;
};
Run* g_run = nullptr;

FIELD4* F(const char* name) { return g_run->t->field(name); }

// Keeps the record buffer of the form while other records are read.
class RecordKeeper {
 public:
  RecordKeeper(DATA4* d, bool adding) : d_(d), adding_(adding), recno_(d4recno(d)) {
    for (int i = 1; i <= d4num_fields(d); ++i) values_.push_back(f4str(d4field_j(d, i)));
  }
  ~RecordKeeper() {
    d4go(d_, recno_);
    if (adding_) d4append_start(d_);
    for (int i = 1; i <= d4num_fields(d_); ++i)
      f4assign(d4field_j(d_, i), values_[static_cast<size_t>(i - 1)].c_str());
  }

 private:
  DATA4* d_;
  bool adding_;
  long recno_;
  std::vector<std::string> values_;
};

bool adding() {
  BROWSE* b = current_browse();
  return b && b->mode == BROWSE_ADD;
}

void remember_amounts() {
  g_run->seen.clear();
  for (const AmountField& a : kAmounts) g_run->seen[F(a.name)] = f4double(F(a.name));
}

void gate_contributions() {
  for (auto& [c, on] : g_run->gated) c->flags = g_run->sw.*on ? 0 : EDIT_SHOW_ONLY;
}

void take_switches() {
  Contractor c = read_contractor(f4long(F("KOD")));
  g_run->sw = insurance_switches(f4trim(F("KTU")), c.person, f4date(F("DAR")).year);
  gate_contributions();
}

// The sums of the person's other records the bill needs (the record being
// modified is not among them).
ContractHistory history_of(long kod, const Date& dar) {
  ContractHistory h;
  DATA4* d = g_run->t->data;
  long self = adding() ? 0 : d4recno(d);
  std::vector<OtherContract> others;
  {
    RecordKeeper keep(d, adding());
    TAG4* tag = d4tag_selected(d);
    d4tag_select(d, nullptr);
    for (long r = 1; r <= d4reccount(d); ++r) {
      if (r == self || d4go(d, r) != 0 || d4deleted(d) || f4long(F("KOD")) != kod) continue;
      others.push_back({f4date(F("DAR")), f4int(F("TYT")), f4double(F("BRU")), f4double(F("UZW"))});
    }
    d4tag_select(d, tag);
  }
  std::vector<PayBase> pay;
  data::TableHandles& pens = data::handles("W3PENS  .DBF");
  if (pens.open()) {
    long keep = d4recno(pens.data);
    for (long r = 1; r <= d4reccount(pens.data); ++r)
      if (d4go(pens.data, r) == 0 && !d4deleted(pens.data) && f4long(pens.field("KOD")) == kod)
        pay.push_back({f4int(pens.field("MIE")), f4double(pens.field("PER"))});
    if (keep >= 1 && keep <= d4reccount(pens.data)) d4go(pens.data, keep);
  }
  h.pension_base_before = previous_pension_base(pay, others, dar);
  h.author_costs_before = previous_author_costs(others, dar);
  std::vector<payroll::TaxScaleRow> scale;
  data::TableHandles& tabe = data::handles("W3TABE  .DBF");
  bool opened = false;
  if (!tabe.open()) opened = data::open_w3tabe(0) == 0 && tabe.open();
  if (tabe.open()) {
    for (long r = 1; r <= d4reccount(tabe.data); ++r)
      if (d4go(tabe.data, r) == 0 && !d4deleted(tabe.data))
        scale.push_back({f4double(tabe.field("PODS")), f4double(tabe.field("PODA")), f4double(tabe.field("PROC"))});
    if (opened)
      if (const data::CatalogueEntry* e = data::find_table("W3TABE  .DBF")) data::close_table(*e);
  }
  take_author_limit(h, scale);
  return h;
}

void show_message(int id) {
  switch (id) {
    case kAlarmTaxScaleBad:
    case kAlarmTaxScaleEmpty:
    case kAlarmCapDateOutOfYear:
    case kAlarmCapDateMissing: Alarm(id); break;
    default: Uwaga(id);
  }
}

// Runs the cascade from `from`; false when it stopped.
bool cascade(BillStep from) {
  ContractBill b = bill_of_record(*g_run->t);
  Contractor c = read_contractor(f4long(F("KOD")));
  BillInputs in;
  in.switches = g_run->sw;
  in.person = c.person;
  in.params = contract_parameters();
  in.working_year = data::working_year(data::state().ctx);
  in.history = history_of(f4long(F("KOD")), b.DAR);
  BillOutcome out = compute_bill(b, from, in);
  if (!out.stopped) put_bill(b, *g_run->t);
  for (int id : out.messages) show_message(id);
  remember_amounts();
  return !out.stopped;
}

// The validation of an amount: negatives refused; the cascade runs when
// the value changed while adding, and only after F7 while modifying.
ValidFunction amount_exit(FIELD4* field, BillStep from) {
  return [field, from](EditControl*) {
    double v = f4double(field);
    if (v < 0) {
      Uwaga(kMsgNegativeAmount);
      return -1;
    }
    bool forced = g_run->recompute;
    g_run->recompute = false;
    const char* name = f4name(field);
    if (std::string(name) == "UZP" || std::string(name) == "UZW")
      if (int w = cost_field_warning(f4int(F("TYP")), f4int(F("TYT")), v)) Uwaga(w);
    bool changed = !same_grosz(v, g_run->seen[field]);
    if (forced || (adding() && changed)) cascade(from);
    return 0;
  };
}

// F7 "Przelicz" (modifying) and, on BRU, F8 "Kalkulator".
std::function<int(EditControl*, int)> amount_keys(bool calculator) {
  return [calculator](EditControl* c, int key) {
    if (key == k::F7) {
      if (adding()) return 0;
      g_run->recompute = true;
      return k::Enter;
    }
    if (calculator && key == k::F8) {
      int typ = f4int(F("TYP"));
      double gross = 0;
      payroll::CalcKind kind = is_specific_work(typ) ? payroll::CalcKind::Work : payroll::CalcKind::Mandate;
      if (payroll::open_calculator(true, std::atof(c->buffer.c_str()), kind, &gross) != k::F8) return 0;
      char text[32];
      std::snprintf(text, sizeof text, "%.2f", gross);
      c->buffer = text;
      g_run->recompute = true;
      return k::Enter;
    }
    return key;
  };
}

int choose_contractor(EditControl* c) {
  if (!adding()) return 27;
  long rec = 0;
  if (payroll::pick_employee(&rec) != 0) return 27;
  Contractor p = read_contractor(rec);
  if (!p.found) return 27;
  f4assign(F("IMI"), p.first_name.c_str());
  f4assign_long(F("KOD"), rec);
  f4assign(F("KTU"), p.ktu.c_str());
  c->buffer = p.surname;
  take_switches();
  return 0;
}

Date today() {
  HostContext* ctx = data::state().ctx;
  return ctx ? ctx->today : Date{};
}

// ---------------------------------------------------------------- menu items

int delete_item(int code) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return browse_skasuj(code);
  if (!f4date(F("DAB")).empty() || !f4date(F("DAZ")).empty()) Uwaga(kWarnPosted);
  return browse_skasuj(code);
}

int filters_item(int) {
  OpenFiltersWindow(&g_run->frame->filters);
  browse_call(0, 0);
  return 0;
}

// Calls `take` on every record the filters pass (record loaded), then
// goes back to the current record.
void for_each_shown(DATA4* d, const std::function<void()>& take) {
  long keep = d4recno(d);
  for (long r = 1; r <= d4reccount(d); ++r) {
    if (d4go(d, r) != 0 || d4deleted(d)) continue;
    if (FilterFunction(&g_run->frame->filters) == r4keep) take();
  }
  if (keep >= 1 && keep <= d4reccount(d)) d4go(d, keep);
}

int sum_item(int) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  std::vector<ContractBill> bills;
  for_each_shown(b->data, [&bills] { bills.push_back(bill_of_record(*g_run->t)); });
  HostContext* ctx = data::state().ctx;
  if (open_tmp_edit_file(ctx, "SUM", "Podsumowanie umów.") != 0) return 0;
  write_page_edit_file(summary_text(summarize(bills), data::working_year(ctx)).c_str());
  close_tmp_edit_file();
  edytuj_i_drukuj("Podsumowanie umów.");
  return 0;
}

// " Księguj ": code 1 " Brutto ", 2 " ZUS ".
int post_item(int code) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return -1;
  DATA4* d = b->data;
  long rec = d4recno(d);
  if (set_lock(d, rec) != 0) return -1;
  ContractBill bill = bill_of_record(*g_run->t);
  bool gross = code == 1;
  cash::PostingRecord p;
  p.entry_date = to_dbf(bill.DAR);
  p.source = gross ? cash::kSourceContractsGross : cash::kSourceContractsZus;
  p.existing = f4long(F(gross ? "RKB" : "RKZ"));
  p.day_number = day_number(bill.DAR);
  p.open_accounts = true;
  std::string name = f4trim(F("NAZ")) + " " + f4trim(F("IMI"));
  std::string kind = is_specific_work(bill.TYP) ? "umowa o dzieło" : "umowa zlecenia";
  if (gross) {
    Contractor c = read_contractor(f4long(F("KOD")));
    p.names[0] = name;
    p.postal_code = c.postcode;
    p.town = c.city;
    p.street1 = c.street;
    p.description1 = "Wynagrodzenie - " + kind;
    p.amounts[4] = bill.BRU;  // remuneration
  } else {
    data::TableHandles& firm = data::handles("W3PAWL.DBF");
    if (firm.open()) {
      p.names[0] = f4trim(firm.field("ZNA"));
      p.postal_code = f4trim(firm.field("ZKO"));
      p.town = f4trim(firm.field("ZMI"));
      p.street1 = f4trim(firm.field("ZUL")) + " " + f4trim(firm.field("ZDO"));
    }
    p.description1 = "Składki ZUS - " + kind + " " + name;
    p.amounts[5] = payer_contributions(bill);  // other expenses
  }
  p.description2 = std::string(1, cash::kKeepField);
  cash::post_to_book(p);
  if (p.written && d4go(d, rec) == 0) {
    Date posted;
    from_dbf(p.posting_date, posted);
    f4assign_date(F(gross ? "DAB" : "DAZ"), posted);
    f4assign_long(F(gross ? "LPB" : "LPZ"), p.ordinal);
    f4assign_long(F(gross ? "RKB" : "RKZ"), p.existing);
    f4assign(F("INF"), record_stamp(data::state().ctx).c_str());
    d4write(d, rec);
  }
  d4unlock(d);
  browse_call(1, rec);
  return 0;
}

int transfer_item(int) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return -1;
  transfers::TransferPrefill p;
  p.amount = f4double(F("NET"));
  p.date = to_dbf(f4date(F("DAR")));
  p.title1 = "UMOWA";
  p.title2 = transfer_text(f4int(F("TYP")), f4date(F("DAW")));
  p.beneficiary_kind = 4;  // an employee of the register
  p.beneficiary_code = std::to_string(f4long(F("KOD")));
  p.account_type = payroll::payroll_settings().zus.account_contracts;
  transfers::open_prefilled_transfer(p);
  return 0;
}

int print_contract_item(int) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return -1;
  print_contract(contract_parameters());
  return 0;
}

int print_bill_item(int) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return -1;
  print_bill(contract_parameters());
  return 0;
}

int tabulogram_item(int) { return browse_drukuj(0); }

int offices_item(int) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  std::vector<OfficeContract> rows;
  data::TableHandles& offices = data::handles("W3USKA.DBF");
  for_each_shown(b->data, [&rows] {
    OfficeContract o;
    o.bill = bill_of_record(*g_run->t);
    o.name = f4trim(F("NAZ")) + " " + f4trim(F("IMI"));
    o.office = read_contractor(f4long(F("KOD"))).office;
    rows.push_back(o);
  });
  if (offices.open())
    for (OfficeContract& o : rows) {
      for (long r = 1; r <= d4reccount(offices.data) && o.office; ++r)
        if (d4go(offices.data, r) == 0 && f4int(offices.field("KOD")) == o.office) {
          o.office_name = f4trim(offices.field("NAZ"));
          break;
        }
    }
  HostContext* ctx = data::state().ctx;
  if (open_tmp_edit_file(ctx, "UWU", "Umowy wg urzędów") != 0) return 0;
  write_page_edit_file(by_office_text(rows, data::working_year(ctx)).c_str());
  close_tmp_edit_file();
  edytuj_i_drukuj("Umowy wg urzędów");
  return 0;
}

int pit_item(int) { return pit8ar_register(); }

int search_item(int code) {
  if (code == 1) return browse_szukaj("Szukaj daty rachunku (RRRRMMDD) -", 8, g_run->t->tag(3));
  return browse_szukaj("Szukaj nazwiska -", 30, g_run->t->tag(2));
}

// ---------------------------------------------------------------- list keys

void show_subject() {
  int w = DefineWprowadzWindow(8, 79, "Opis przedmiotu");
  if (w < 0) return;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  DefineWigetEx(&set, 0, 0, "przedmiot umowy:", 0, WIDGET_LABEL);
  for (int i = 1; i <= 6; ++i) {
    std::string name = "PR" + std::to_string(i);
    std::string line = f4trim(F(name.c_str()));
    DefineWigetEx(&set, i, 0, line.c_str(), 0, WIDGET_LABEL);
  }
  ActivateWindow(w, &set);
  FreeWigets(&set);
  w4close(w);
}

int copy_contract() {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return 0;
  if (Pytanie(kAskCopy) != k::Enter) return 0;
  DATA4* d = b->data;
  int year = data::working_year(data::state().ctx);
  std::vector<std::string> values;
  for (int i = 1; i <= d4num_fields(d); ++i) values.push_back(f4str(d4field_j(d, i)));
  Date daw = copy_date(f4date(F("DAW")), year), dar = copy_date(f4date(F("DAR")), year);
  if ((!daw.empty() && daw.year != year) || (!dar.empty() && dar.year != year)) {
    Alarm(kHostOutOfYear);
    return 0;
  }
  Date dod = copy_date(f4date(F("DOD")), year), ddo = copy_date(f4date(F("DDO")), year);
  Contractor c = read_contractor(f4long(F("KOD")));
  d4append_start(d);
  for (int i = 1; i <= d4num_fields(d); ++i) f4assign(d4field_j(d, i), values[static_cast<size_t>(i - 1)].c_str());
  f4assign_date(F("DAW"), daw);
  f4assign_date(F("DAR"), dar);
  f4assign_date(F("DOD"), dod);
  f4assign_date(F("DDO"), ddo);
  for (const char* n : {"DAB", "DAZ"}) f4assign_date(F(n), Date{});
  for (const char* n : {"LPB", "LPZ", "RKB", "RKZ"}) f4assign_long(F(n), 0);
  f4assign(F("INF"), record_stamp(data::state().ctx).c_str());
  if (lock_and_append_numbered(d, [d] { return f4assign_long(g_run->t->field("REC"), d4reccount(d) + 1); }) != 0)
    return 0;
  long rec = d4recno(d);
  d4unlock(d);
  if (int w = contract_date_warning(f4int(F("TYP")), c.person, daw)) Uwaga(w);
  browse_call(1, rec);
  browse_modyfikuj(0);
  return 0;
}

int switch_kind() {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return 0;
  if (Pytanie(kAskKindSwitch) != k::Enter) return 0;
  DATA4* d = b->data;
  long rec = d4recno(d);
  if (set_lock(d, rec) != 0) return 0;
  static const int other[5] = {0, 3, 4, 1, 2};
  int typ = f4int(F("TYP"));
  if (typ >= 1 && typ <= 4) {
    f4assign_int(F("TYP"), other[typ]);
    f4assign(F("INF"), record_stamp(data::state().ctx).c_str());
    d4write(d, rec);
  }
  d4unlock(d);
  browse_call(1, rec);
  return 0;
}

}  // namespace

data::TableHandles& contracts_table() { return data::handles("W3UMOW  .DBF"); }

ContractBill bill_of_record(const data::TableHandles& t) {
  ContractBill b;
  auto n = [&t](const char* f) { return f4double(t.field(f)); };
  b.TYP = f4int(t.field("TYP"));
  b.TYT = f4int(t.field("TYT"));
  b.KTU = f4trim(t.field("KTU"));
  b.DAW = f4date(t.field("DAW"));
  b.DAR = f4date(t.field("DAR"));
  b.BRU = n("BRU"), b.WOL = n("WOL"), b.UZP = n("UZP"), b.UZW = n("UZW");
  b.PER = n("PER"), b.KEU = n("KEU"), b.KEP = n("KEP"), b.KRU = n("KRU"), b.KRP = n("KRP");
  b.PCW = n("PCW"), b.PSW = n("PSW"), b.KCU = n("KCU"), b.KWP = n("KWP"), b.PSZ = n("PSZ"), b.KZU = n("KZU");
  b.DOP = n("DOP"), b.POP = n("POP"), b.POS = n("POS"), b.POD = n("POD"), b.NPO = n("NPO");
  b.NET = n("NET"), b.WYP = n("WYP");
  b.PFP = n("PFP"), b.FUP = n("FUP"), b.PFG = n("PFG"), b.FUG = n("FUG");
  return b;
}

void put_bill(const ContractBill& b, const data::TableHandles& t) {
  auto n = [&t](const char* f, double v) { f4assign_double(t.field(f), v); };
  n("BRU", b.BRU), n("UZP", b.UZP), n("UZW", b.UZW), n("PER", b.PER);
  n("KEU", b.KEU), n("KEP", b.KEP), n("KRU", b.KRU), n("KRP", b.KRP);
  n("PCW", b.PCW), n("PSW", b.PSW), n("KCU", b.KCU), n("KWP", b.KWP), n("PSZ", b.PSZ), n("KZU", b.KZU);
  n("DOP", b.DOP), n("POP", b.POP), n("POS", b.POS), n("POD", b.POD), n("NPO", b.NPO);
  n("NET", b.NET), n("WYP", b.WYP);
  n("PFP", b.PFP), n("FUP", b.FUP), n("PFG", b.PFG), n("FUG", b.FUG);
}

ContractParameters contract_parameters() {
  const payroll::PayrollSettings& s = payroll::payroll_settings();
  const payroll::PayrollParameters& p = s.parameters;
  ContractParameters c;
  c.cost_rate = p.mandate_costs_pct;
  c.tax_rate = p.mandate_tax_pct;
  c.flat_limit = p.flat_rate_limit;
  c.flat_tax_rate = p.flat_tax_pct;
  c.flat_deduct_health = !p.flat_deduct_health.empty() && p.flat_deduct_health[0] == 'T';
  c.monthly_costs = p.monthly_costs;
  c.pension_employee = p.pension_employee;
  c.pension_employer = p.pension_employer;
  c.disability_employee = p.disability_employee;
  c.disability_employer = p.disability_employer;
  c.sickness = p.sickness;
  c.accident = s.zus.accident_rate;
  c.health = p.health;
  c.health_deductible = p.health_deductible;
  c.labour_fund = p.fp_rate;
  c.guaranteed_fund = p.fgsp_rate;
  c.yearly_pension_cap = p.yearly_pension_cap;
  c.minimum_hourly_rate = p.minimum_hourly_rate;
  return c;
}

Contractor read_contractor(long kod) {
  Contractor c;
  data::TableHandles& t = data::handles("W3PRAC.DBF");
  if (!t.open() || kod < 1 || kod > d4reccount(t.data) || d4go(t.data, kod) != 0) return c;
  auto one = [&t](const char* f) {
    std::string s = f4trim(t.field(f));
    return s.empty() ? ' ' : s[0];
  };
  c.found = true;
  c.surname = f4trim(t.field("NAZ"));
  c.first_name = f4trim(t.field("IM1"));
  c.ktu = f4trim(t.field("KTU"));
  c.postcode = f4trim(t.field("KOD"));
  c.city = f4trim(t.field("MIA"));
  c.street = f4trim(t.field("ULI"));
  std::string house = f4trim(t.field("NRD")), flat = f4trim(t.field("NRM"));
  if (!house.empty()) c.street += " " + house;
  if (!flat.empty()) c.street += "/" + flat;
  c.office = f4int(t.field("KOU"));
  c.person.UBS = one("UBS");
  c.person.UBC = one("UBC");
  c.person.UBZ = one("UBZ");
  c.person.FPU = one("FPU");
  c.person.FGU = one("FGU");
  c.person.PMA = one("PMA");
  c.person.DAP = f4date(t.field("DAP"));
  c.person.DAZ = f4date(t.field("DAZ"));
  c.person.DPM = f4date(t.field("DPM"));
  return c;
}

namespace {

int contracts_main() {
  data::TableHandles& t = contracts_table();
  if (!t.open()) return 0;
  Run run;
  run.t = &t;
  Run* outer = g_run;
  g_run = &run;
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  run.frame = &frame;
  int post_menu = -1, print_menu = -1, search_menu = -1;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5351, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Księguj ", 5352, 'k', -1, nullptr, &post_menu);
    MenuDefineItem(" Modyfikuj ", 5355, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 5356, 'u', 1, delete_item, nullptr);
    MenuDefineItem(" Drukuj ", 5357, 'r', -1, nullptr, &print_menu);
    MenuDefineItem(" Filtry ", 5368, 'f', -1, filters_item, nullptr);
    MenuDefineItem(" Suma ", 5369, 'a', -1, sum_item, nullptr);
    MenuDefineItem(" Szukaj ", 5370, 's', -1, nullptr, &search_menu);
    MenuDefineItem(" Przelew ", 5373, 'p', -1, transfer_item, nullptr);
    post_menu = DefineMenuWindow(-1, -1);
    if (post_menu >= 0) {
      MenuDefineItem(" Brutto ", 5353, 'b', 1, post_item, nullptr);
      MenuDefineItem(" ZUS ", 5354, 'z', 2, post_item, nullptr);
    }
    print_menu = DefineMenuWindow(-1, -1);
    if (print_menu >= 0) {
      MenuDefineItem(" Umowę ", 5358, 'u', -1, print_contract_item, nullptr);
      MenuDefineItem(" Rachunek ", 5359, 'r', -1, print_bill_item, nullptr);
      MenuDefineItem(" Tabulogram ", 5363, 't', -1, tabulogram_item, nullptr);
      MenuDefineItem(" wg Urzędów ", 5364, 'w', -1, offices_item, nullptr);
      MenuDefineItem(" PIT-R ", 5360, 'p', -1, pit_item, nullptr);
    }
    search_menu = DefineMenuWindow(-1, -1);
    if (search_menu >= 0) {
      MenuDefineItem(" Data ", 5371, 'd', 1, search_item, nullptr);
      MenuDefineItem(" Nazwisko ", 5372, 'n', 2, search_item, nullptr);
    }
    DefineScrollColumn(&f.scroll, t.field("DAR"), 0, "data rach.", t.tag(3));
    DefineScrollColumn(&f.scroll, t.field("DAW"), 0, "data umowy");
    DefineScrollColumn(&f.scroll, t.field("KTU"), 0, "kod ZUS");
    DefineScrollColumn(&f.scroll, t.field("NAZ"), 0, "nazwisko", t.tag(2));
    DefineScrollColumn(&f.scroll, t.field("BRU"), 0, "kwota");

    // The panel under the list (second page of the form: template 182).
    constexpr int P = 23;
    auto text = [&f, &t](int row, int col, const char* name) {
      return DefineTextCtrl(&f.texts, P + row, col, t.field(name), 0);
    };
    text(0, 10, "NAZ"), text(0, 41, "IMI"), text(0, 67, "KTU");
    text(1, 9, "DAW"), text(1, 34, "DAR");
    text(1, 54, "TYP")->show = [](const std::string& s) { return kind_text(std::atoi(s.c_str())); };
    text(2, 7, "BRU"), text(2, 27, "UZW"), text(2, 46, "DOP"), text(2, 66, "NPO");
    text(3, 12, "NET"), text(3, 30, "DAB"), text(3, 44, "LPB"), text(3, 55, "DAZ"), text(3, 72, "LPZ");
    text(4, 0, "PR1"), text(5, 0, "PR2");

    // The form (template 183).
    auto edit = [&f, &t](int row, int col, const char* name, int flags = 0) {
      return DefineEditCtrl(&f.edits, row, col, t.field(name), flags);
    };
    EditControl* naz = edit(0, 11, "NAZ");
    naz->chooser = choose_contractor;
    naz->valid = valid_empty_get;
    EditControl* typ = edit(0, 54, "TYP");
    typ->chooser = lista_wyboru(contract_kinds());
    typ->chooser_mode = 1;
    typ->show = [](const std::string& s) { return kind_text(std::atoi(s.c_str())); };
    edit(1, 11, "IMI");
    EditControl* ktu = edit(2, 11, "KTU");
    ktu->valid = [](EditControl* c) {
      if (!adding() && f4trim(F("KTU")).empty()) {
        Contractor p = read_contractor(f4long(F("KOD")));
        if (!p.found) {
          Uwaga(kNoPerson);
        } else {
          f4assign(F("KTU"), p.ktu.c_str());
          c->buffer = p.ktu;
        }
      }
      take_switches();
      return 0;
    };
    EditControl* daw = edit(4, 16, "DAW");
    daw->picture = "DD-MM/YY";
    daw->valid = [](EditControl*) {
      Contractor p = read_contractor(f4long(F("KOD")));
      if (int w = contract_date_warning(f4int(F("TYP")), p.person, f4date(F("DAW")))) Uwaga(w);
      return 0;
    };
    edit(4, 58, "DOD")->picture = "DD-MM/YY";
    EditControl* dar = edit(5, 16, "DAR");
    dar->picture = "DD-MM/YY";
    dar->valid = test_daty_niepustej;
    edit(5, 58, "DDO")->picture = "DD-MM/YY";
    EditControl* tyt = edit(7, 11, "TYT");
    tyt->chooser = lista_wyboru(income_sources());
    tyt->chooser_mode = 1;
    tyt->show = [](const std::string& s) {
      int v = std::atoi(s.c_str());
      return v >= 1 && v <= 8 ? income_sources()[static_cast<size_t>(v - 1)] : std::string();
    };
    EditControl* pr1 = edit(9, 1, "PR1");
    pr1->chooser = [](EditControl* c) { return pick_subject_lines(c); };
    pr1->key_filter = [](EditControl* c, int key) { return key == k::F6 ? (edit_subject_lines(c), 0) : key; };
    edit(10, 1, "PR2");
    struct Place {
      int row, col;
      const char* name;
      bool InsuranceSwitches::*gate;
    };
    const Place places[] = {
        {11, 16, "BRU", nullptr},
        {12, 20, "UZP", nullptr},
        {13, 16, "UZW", nullptr},
        {14, 29, "KEU", &InsuranceSwitches::social},
        {15, 29, "KEP", &InsuranceSwitches::social},
        {16, 29, "KRU", &InsuranceSwitches::social},
        {17, 29, "KRP", &InsuranceSwitches::social},
        {18, 29, "KCU", &InsuranceSwitches::sickness},
        {19, 29, "KWP", &InsuranceSwitches::accident},
        {20, 29, "KZU", &InsuranceSwitches::health},
        {14, 66, "DOP", nullptr},
        {15, 66, "POP", nullptr},
        {16, 70, "POS", nullptr},
        {17, 66, "POD", nullptr},
        {18, 66, "NPO", nullptr},
        {19, 66, "NET", nullptr},
        {20, 66, "FUP", &InsuranceSwitches::social},
        {21, 66, "FUG", &InsuranceSwitches::social},
    };
    for (const Place& p : places) {
      if (std::string(p.name) == "BRU") {
        EditControl* wol = nullptr;
        EditControl* bru = edit(p.row, p.col, p.name);
        bru->valid = amount_exit(t.field("BRU"), BillStep::Gross);
        bru->key_filter = amount_keys(true);
        wol = edit(11, 66, "WOL");
        wol->valid = [](EditControl*) {
          double w = f4double(F("WOL"));
          if (w < 0) {
            Uwaga(kMsgNegativeAmount);
            return -1;
          }
          if (auto minimum = hours_check(f4double(F("BRU")), w, contract_parameters())) {
            char text[96];
            std::snprintf(text, sizeof text, "Kwota umowy nie powinna być niższa niż %9.2f zł.!", *minimum);
            MessageWindow(2, 0, text, 0);
          }
          return 0;
        };
        continue;
      }
      EditControl* c = edit(p.row, p.col, p.name);
      BillStep from = BillStep::Due;
      for (const AmountField& a : kAmounts)
        if (std::string(a.name) == p.name) from = a.from;
      c->valid = amount_exit(t.field(p.name), from);
      c->key_filter = amount_keys(false);
      if (p.gate) run.gated.emplace_back(c, p.gate);
    }

    // The tabulogram.
    int order = 1;
    auto column = [&f, &order, &t](const char* header, const char* name, int flags = 0) {
      return DefineTabuColumn(&f.print_columns, header, flags, t.field(name), TABU_FIELD_WIDTH, order++);
    };
    column("data umowy", "DAW");
    column("data rach.", "DAR");
    column("nazwisko", "NAZ");
    column("imię", "IMI");
    column("kwota|umowy", "BRU", TABU_SUM);
    column("koszt|uzysku", "UZW", TABU_SUM);
    column("dochód", "DOP", TABU_SUM);
    column("podatek", "NPO", TABU_SUM);
    column("do wypłaty", "NET", TABU_SUM);
    column("przedmiot", "PR1");
    for (const char* pr : {"PR2", "PR3", "PR4", "PR5", "PR6"}) column("przedmiot c.d.", pr);
    column("ilość|godzin", "WOL", TABU_SUM);
    column("emerytalne|pracownik", "KEU", TABU_SUM);
    column("emerytalne|pracodawca", "KEP", TABU_SUM);
    column("rentowe|pracownik", "KRU", TABU_SUM);
    column("rentowe|pracodawca", "KRP", TABU_SUM);
    column("chorobowe", "KCU", TABU_SUM);
    column("wypadkowe", "KWP", TABU_SUM);
    column("zdrowotne", "KZU", TABU_SUM);
    TabuColumn* deducted = DefineTabuColumn(&f.print_columns, "zdrowotne|odliczone", TABU_SUM, t.field("KZU"), 0, order++);
    deducted->width = 9;
    deducted->show = [] {
      ContractBill b = bill_of_record(*g_run->t);
      ContractParameters p = is_valid_date(b.DAR) ? parameters_on(contract_parameters(), b.DAR.year, b.DAR.month)
                                                  : contract_parameters();
      char text[16];
      std::snprintf(text, sizeof text, "%9.2f", std::min(b.KZU, health_deductible(b, p)));
      return std::string(text);
    };
    column("lp|brutto", "LPB");
    column("lp|zus", "LPZ");

    // Filters.
    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "W3UMOW";
    FilterExtras person;
    person.picker = [](EditControl* c) {
      long rec = 0;
      if (payroll::pick_employee(&rec) != 0) return 27;
      c->buffer = std::to_string(rec);
      return 0;
    };
    person.picker_mode = 1;
    DefineFilter(&f.filters, t.field("KOD"), "pracownik......", " pracownik:", FILTER_VALUE, 0, person);
    FilterExtras month;
    month.compare = [](FIELD4* field, const std::string& v) {
      return f4date(field).month == std::atoi(v.c_str()) ? ROW_PASSES : ROW_FAILS;
    };
    DefineFilter(&f.filters, t.field("DAR"), "miesiąc........", " miesiąc:", FILTER_TEXT, 0, month);
    FilterExtras taxation;
    taxation.compare = [](FIELD4* field, const std::string& v) {
      bool flat = is_flat_rate(f4int(field));
      return (v == "2") == flat ? ROW_PASSES : ROW_FAILS;
    };
    DefineFilter(&f.filters, t.field("TYP"), "opodatkowanie..", " opodatk.:", FILTER_TEXT, 0, taxation);
    FilterExtras kind;
    kind.compare = [](FIELD4* field, const std::string& v) {
      bool mandate = is_mandate(f4int(field));
      return (v == "1") == mandate ? ROW_PASSES : ROW_FAILS;
    };
    DefineFilter(&f.filters, t.field("TYP"), "typ umowy......", " typ:", FILTER_TEXT, 0, kind);
    LoadFilters(&f.filters);
  };
  auto fill = [&](BROWSE* b) {
    char title[128];
    std::snprintf(title, sizeof title, RcQStr(kTitle), data::working_year(data::state().ctx));
    std::string shown = title;
    if (shown.size() > 90) shown.resize(90);
    b->title = shown;
    b->print_title = shown;
    b->form_template = dictionaries::template_id(183);
    b->form_rows = 23;
    b->form_template2 = dictionaries::template_id(182);
    b->form_rows2 = 13;
    b->stamp = f_inf;
    b->new_record = [](BROWSE*) {
      Date d = today();
      f4assign_date(F("DAR"), d);
      f4assign_date(F("DAW"), d);
      f4assign_int(F("TYP"), 1);
      f4assign_int(F("TYT"), 5);
      ContractParameters p = contract_parameters();
      f4assign_double(F("POS"), p.tax_rate);
      f4assign_double(F("UZP"), p.cost_rate);
      g_run->sw = {};
      gate_contributions();
      remember_amounts();
      return 0;
    };
    b->numbering = [](BROWSE* br) { return f4assign_long(g_run->t->field("REC"), d4reccount(br->data) + 1); };
    b->before_edit = [](BROWSE*) {
      take_switches();
      remember_amounts();
      g_run->recompute = false;
      return 0;
    };
    b->list_key = [](BROWSE*, int key) {
      if (key == k::F3) {
        show_subject();
        return 0;
      }
      if (key == k::CtrlC) return copy_contract();
      if (key == k::CtrlF9) return switch_kind();
      return 1;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 5351, -1, 5355, 1, 5356, f_inf); };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(2), 23, 13, 0, build, fill);
  for (int w : {post_menu, print_menu, search_menu})
    if (w >= 0) w4close(w);
  g_run = outer;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Contracts, contracts_main);

}  // namespace

}  // namespace skolvarin::declarations
