// Transport bills (" Rachunki "): bills for the vehicles in the working
// year.  Leaving the quantity weighs the fuel by its density, leaving the
// price per unit values the bill; " Suma " sums the filtered bills by month
// and fuel; " Rozlicz " settles a vehicle's bills against the mileage
// allowance of its trips month by month.
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/module_state.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "transport/bill_reports.h"
#include "transport/mileage.h"
#include "transport/vehicle_lists.h"

namespace skolvarin::transport {

namespace {

using dictionaries::RegisterFrame;
namespace k = skolvarin::keys;

constexpr int kTitle = 97;
constexpr const char* kWindow = "Rozliczenie przejazdów.";

struct BillsRun {
  data::TableHandles* t = nullptr;
  RegisterFrame* frame = nullptr;
};
BillsRun* g_run = nullptr;

FIELD4* F(const char* name) { return g_run->t->field(name); }

int fuel_of_bill() { return std::atoi(f4str(F("ROP"))); }

void reweigh() { f4assign_double(F("WAB"), fuel_weight(f4double(F("ILO")), fuel_of_bill())); }

int choose_bill_vehicle(EditControl* c) {
  long rec = choose_vehicle(false, std::atol(c->buffer.c_str()));
  if (rec <= 0) return 27;
  f4assign_long(F("KOD"), rec);
  f4assign(F("KIE"), vehicle_field(rec, "KIE").c_str());
  f4assign(F("KIM"), vehicle_field(rec, "KIM").c_str());
  f4assign(F("ROP"), vehicle_field(rec, "ROP").c_str());
  reweigh();
  c->buffer = std::to_string(rec);
  return 0;
}

int show_and_print(const std::string& text) {
  HostContext* ctx = data::state().ctx;
  if (open_tmp_edit_file(ctx, "SUM", kWindow) != 0) return 0;
  write_page_edit_file(text.c_str());
  close_tmp_edit_file();
  edytuj_i_drukuj(kWindow);
  return 0;
}

int filters_item(int) {
  OpenFiltersWindow(&g_run->frame->filters);
  browse_call(0, 0);
  return 0;
}

int sum_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (OpenFiltersWindow(&g_run->frame->filters) != k::F2) return 0;
  browse_call(0, 0);
  std::vector<BillLine> lines;
  DATA4* d = b->data;
  long keep = d4recno(d);
  for (long r = 1; r <= d4reccount(d); ++r) {
    if (d4go(d, r) != 0 || d4deleted(d)) continue;
    if (FilterFunction(&g_run->frame->filters) != r4keep) continue;
    lines.push_back({f4date(F("DAT")).month, fuel_of_bill(), f4double(F("ILO")), f4double(F("WAB")),
                     f4double(F("WAR"))});
  }
  if (keep >= 1 && keep <= d4reccount(d)) d4go(d, keep);
  return show_and_print(summary_text(summarize_bills(lines), data::working_year(data::state().ctx)));
}

// Per month of the working year, the sum of `field` over the records of
// `d` whose KOD is `vehicle`.
std::array<double, 12> month_sums(DATA4* d, long vehicle, const char* field) {
  std::array<double, 12> sums{};
  FIELD4* kod = d4field(d, "KOD");
  FIELD4* dat = d4field(d, "DAT");
  FIELD4* val = d4field(d, field);
  long keep = d4recno(d);
  for (long r = 1; r <= d4reccount(d); ++r) {
    if (d4go(d, r) != 0 || d4deleted(d) || f4long(kod) != vehicle) continue;
    int m = f4date(dat).month;
    if (m >= 1 && m <= 12) sums[static_cast<size_t>(m - 1)] += f4double(val);
  }
  if (keep >= 1 && keep <= d4reccount(d)) d4go(d, keep);
  return sums;
}

int settle_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  data::TableHandles& trips = data::handles("W3PRZE  .DBF");
  if (!trips.open()) return 0;
  long rec = choose_vehicle(false, 0);
  if (rec <= 0) return 0;
  Settlement s = settle(month_sums(b->data, rec, "WAR"), month_sums(trips.data, rec, "WAR"));
  std::string owner = vehicle_field(rec, "KIE") + " " + vehicle_field(rec, "KIM");
  return show_and_print(
      settlement_text(s, data::working_year(data::state().ctx), owner, vehicle_field(rec, "NUM")));
}

int bills_main() {
  data::TableHandles& t = data::handles("W3RASA  .DBF");
  if (!t.open() || !vehicles().open()) return 0;
  BillsRun run;
  run.t = &t;
  g_run = &run;
  FIELD4* f_inf = t.field("INF");
  FIELD4* f_kod = t.field("KOD");
  FIELD4* f_rop = t.field("ROP");
  RegisterFrame frame;
  run.frame = &frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5221, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 5222, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Drukuj ", 5223, 'r', -1, browse_drukuj, nullptr);
    MenuDefineItem(" Usuń ", 5224, 'u', 1, browse_skasuj, nullptr);
    MenuDefineItem(" Filtry ", 5225, 'f', -1, filters_item, nullptr);
    MenuDefineItem(" Suma ", 5226, 'a', -1, sum_item, nullptr);
    MenuDefineItem(" Rozlicz ", 5227, 'z', -1, settle_item, nullptr);
    DefineScrollColumn(&f.scroll, t.field("KIE"), 0, "właściciel/kierowca")->width = 30;
    DefineScrollColumn(&f.scroll, t.field("DAT"), 0, "data", t.tag(1));
    DefineScrollColumn(&f.scroll, t.field("NUM"), 0, "numer");
    DefineScrollColumn(&f.scroll, t.field("WAR"), 0, "wartość");
    EditControl* kod = DefineEditCtrl(&f.edits, 0, 46, f_kod, 0);
    kod->chooser = choose_bill_vehicle;
    kod->chooser_mode = 1;
    kod->show = [](const std::string& text) {
      long rec = std::atol(text.c_str());
      return rec > 0 ? vehicle_field(rec, "NUM") + " (F4-Lista)" : std::string("(F4-Lista)");
    };
    kod->valid = [](EditControl* c) {
      if (std::atol(c->buffer.c_str()) > 0) return 0;
      MessageWindow(2, 0, "Wybierz samochód (F4) !", 0);
      return -1;
    };
    DefineEditCtrl(&f.edits, 0, 10, t.field("NUM"), 0)->valid = valid_empty_get;
    EditControl* dat = DefineEditCtrl(&f.edits, 1, 10, t.field("DAT"), 0);
    dat->picture = "DD-MM-CCYY";
    dat->valid = test_daty_niepustej;
    DefineEditCtrl(&f.edits, 2, 13, t.field("ILO"), 0)->valid = [](EditControl*) {
      reweigh();
      return 0;
    };
    DefineEditCtrl(&f.edits, 3, 10, t.field("WAB"), EDIT_SHOW_ONLY);
    DefineEditCtrl(&f.edits, 4, 11, t.field("CEB"), 0)->valid = [](EditControl*) {
      f4assign_double(F("WAR"), bill_value(f4double(F("ILO")), f4double(F("CEB"))));
      return 0;
    };
    DefineEditCtrl(&f.edits, 5, 10, t.field("WAR"), 0);
    DefineEditCtrl(&f.edits, 6, 10, t.field("OP1"), 0);
    DefineEditCtrl(&f.edits, 6, 31, t.field("OP2"), 0);
    DefineTextCtrl(&f.texts, 1, 50, t.field("KIE"), 0);
    auto vehicle_text = [](const char* field) {
      return [field](const std::string& text) { return vehicle_field(std::atol(text.c_str()), field); };
    };
    DefineTextCtrl(&f.texts, 2, 50, f_kod, 0)->show = vehicle_text("MAR");
    DefineTextCtrl(&f.texts, 3, 50, f_kod, 0)->show = vehicle_text("NUM");
    DefineTextCtrl(&f.texts, 4, 50, f_kod, 0)->show = vehicle_text("POJ");
    DefineTextCtrl(&f.texts, 5, 50, f_rop, 0)->show = [](const std::string& text) {
      return std::string(fuel_name(std::atoi(text.c_str())));
    };
    int order = 1;
    DefineTabuColumn(&f.print_columns, "data", 0, t.field("DAT"), 0, order++)->width = 10;
    DefineTabuColumn(&f.print_columns, "nr dokumentu", 0, t.field("NUM"), 0, order++)->width = 16;
    TabuColumn* nr = DefineTabuColumn(&f.print_columns, "numer rej.", 0, f_kod, 0, order++);
    nr->width = 10;
    nr->show = [f_kod] { return vehicle_field(f4long(f_kod), "NUM"); };
    TabuColumn* fuel = DefineTabuColumn(&f.print_columns, "paliwo", 0, f_rop, 0, order++);
    fuel->width = 13;
    fuel->show = [f_rop] { return std::string(fuel_name(std::atoi(f4str(f_rop)))); };
    DefineTabuColumn(&f.print_columns, "ilość [l/m3]", 0, t.field("ILO"), 0, order++)->width = 12;
    DefineTabuColumn(&f.print_columns, "waga [kg]", 0, t.field("WAB"), 0, order++)->width = 10;
    TabuColumn* war = DefineTabuColumn(&f.print_columns, "wartość", 0, t.field("WAR"), 0, order++);
    war->width = 11;
    war->flags = TABU_SUM;
    DefineTabuColumn(&f.print_columns, "właściciel/kierowca", 0, t.field("KIE"), 0, order++)->width = 20;
    DefineTabuColumn(&f.print_columns, "opis", 0, t.field("OP1"), 0, order++)->width = 20;
    DefineTabuColumn(&f.print_columns, "opis c.d.", 0, t.field("OP2"), 0, order++)->width = 20;
    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    define_date_and_vehicle_filters(&f.filters, "W3RASA", t.field("DAT"), f_kod);
    FilterExtras kind;
    kind.compare = [](FIELD4* field, const std::string& value) {
      bool want_company = !value.empty() && (value[0] == 'S' || value[0] == 's');
      bool company = is_company(vehicle_field(f4long(field), "TYP"));
      return company == want_company ? ROW_PASSES : ROW_FAILS;
    };
    DefineFilter(&f.filters, f_kod, "typ samochodu..", " typ:", FILTER_TEXT, 0, kind);
    FilterExtras fuels;
    fuels.choices = fuel_choices();
    DefineFilter(&f.filters, f_rop, "paliwo.........", " paliwo:", FILTER_CHOICE, 0, fuels);
    LoadFilters(&f.filters);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    b->form_template = dictionaries::template_id(166);
    b->form_rows = 7;
    b->stamp = f_inf;
    b->new_record = [](BROWSE* br) {
      HostContext* ctx = br->ctx ? br->ctx : data::state().ctx;
      if (ctx) f4assign_date(F("DAT"), ctx->today);
      return 0;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 5221, -1, 5222, 1, 5224, f_inf); };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(1), 7, 7, 0, build, fill);
  g_run = nullptr;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::TransportBills, bills_main);

}  // namespace

}  // namespace skolvarin::transport
