// Trips (" Przejazdy "): the trips of the firm's vehicles in the working
// year.  Choosing an active vehicle copies its type, driver and capacity
// class; a private car's trip takes the current rate of its class and is
// worth km × rate; a company car's trip is worth 0 and has no rate.  The
// rate of a saved private trip becomes its class's current rate.  Filters
// (dates, vehicle) serve " Suma ", the " Tabulogram " and the vehicle's
// mileage record (" Ewidencja ").
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/module_state.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "transport/mileage.h"
#include "transport/mileage_record.h"
#include "transport/purposes.h"
#include "transport/vehicle_lists.h"

namespace skolvarin::transport {

namespace {

using dictionaries::RegisterFrame;
namespace k = skolvarin::keys;

constexpr int kTitle = 106;
constexpr int kNeedVehicleFilter = 198;
constexpr int kNothingThere = 50007;

struct TripsRun {
  data::TableHandles* t = nullptr;
  CurrentRates rates;
  EditControl* rate = nullptr;
  RegisterFrame* frame = nullptr;
};
TripsRun* g_run = nullptr;

FIELD4* F(const char* name) { return g_run->t->field(name); }

bool trip_is_company() { return is_company(f4str(F("POD"))); }

void rate_field_mode(bool company) {
  if (g_run->rate) g_run->rate->flags = company ? EDIT_SHOW_ONLY : 0;
}

void recompute_value() {
  f4assign_double(F("WAR"), trip_value(trip_is_company(), f4long(F("ILO")), f4double(F("CEK"))));
}

int choose_trip_vehicle(EditControl* c) {
  long rec = choose_vehicle(true, std::atol(c->buffer.c_str()));
  if (rec <= 0) return 27;
  std::string type = vehicle_field(rec, "TYP");
  bool company = is_company(type);
  f4assign_long(F("KOD"), rec);
  f4assign(F("POD"), vehicle_kind(type));
  f4assign(F("RE1"), vehicle_field(rec, "KIE").c_str());
  if (company) {
    f4assign(F("POJ"), "");
    f4assign_double(F("CEK"), 0);
  } else {
    std::string capacity = vehicle_field(rec, "POJ");
    f4assign(F("POJ"), capacity.c_str());
    f4assign_double(F("CEK"), g_run->rates.of(capacity_class(capacity)));
  }
  rate_field_mode(company);
  recompute_value();
  c->buffer = std::to_string(rec);
  return 0;
}

int vehicle_valid(EditControl* c) {
  if (std::atol(c->buffer.c_str()) <= 0) {
    MessageWindow(2, 0, "Wybierz samochód (F4) !", 0);
    return -1;
  }
  return 0;
}

int choose_trip_purpose(EditControl* c) {
  Purpose p;
  if (!choose_purpose(p)) return 27;
  f4assign(F("TRA"), p.route.c_str());
  f4assign_long(F("ILO"), p.km);
  recompute_value();
  c->buffer = p.purpose;
  return 0;
}

int km_valid(EditControl*) {
  recompute_value();
  return 0;
}

int rate_valid(EditControl*) {
  if (!trip_is_company() && f4double(F("CEK")) <= 0) {
    Uwaga(50134);
    return -1;
  }
  recompute_value();
  return 0;
}

std::vector<TripRate> trip_rates(DATA4* d) {
  std::vector<TripRate> out;
  for (long r = 1; r <= d4reccount(d); ++r) {
    if (d4go(d, r) != 0 || d4deleted(d)) continue;
    out.push_back({f4date(F("DAT")), r, trip_is_company(), f4str(F("POJ")), f4double(F("CEK"))});
  }
  return out;
}

const Filter* filter_on(const FiltersDefinition& fs, FIELD4* field, int option = -1) {
  for (const auto& f : fs.filters)
    if (f->field == field && (option < 0 || f->option == option)) return f.get();
  return nullptr;
}

// The trips passing the filters, in date order; the table's position kept.
template <typename Fn>
void each_filtered(BROWSE* b, Fn&& fn) {
  DATA4* d = b->data;
  long keep = d4recno(d);
  TAG4* tag = d4tag_selected(d);
  d4tag_select(d, g_run->t->tag(1));
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    if (d4deleted(d)) continue;
    if (FilterFunction(&g_run->frame->filters) != r4keep) continue;
    fn();
  }
  d4tag_select(d, tag);
  if (keep >= 1 && keep <= d4reccount(d)) d4go(d, keep);
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
  double value = 0;
  long km = 0;
  each_filtered(b, [&] {
    value += f4double(F("WAR"));
    km += f4long(F("ILO"));
  });
  int window = DefineWprowadzWindow(2, 24, "SUMA");
  if (window < 0) return 0;
  int saved = w4select(window);
  w4activate(window);
  char line[64];
  std::snprintf(line, sizeof line, "%14.2f PLN", R(value, 2));
  w4write(0, 1, line);
  std::snprintf(line, sizeof line, "%14ld km.", km);
  w4write(1, 1, line);
  w4cursor(-1, -1);
  g4char();
  w4close(window);
  w4select(saved);
  return 0;
}

std::string year_title() {
  return std::string(RcQStr(kTitle)) + " " + std::to_string(data::working_year(data::state().ctx));
}

int tabulogram_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (OpenFiltersWindow(&g_run->frame->filters) != k::F2) return 0;
  browse_call(0, 0);
  std::string status = FilterStatusLine(&g_run->frame->filters);
  TAG4* tag = d4tag_selected(b->data);
  d4tag_select(b->data, g_run->t->tag(1));
  prn_tab_rap(b->ctx, b->data, &g_run->frame->print_columns, year_title().c_str(), FilterFunction,
              &g_run->frame->filters, status.c_str());
  d4tag_select(b->data, tag);
  return 0;
}

int record_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (OpenFiltersWindow(&g_run->frame->filters) != k::F2) return 0;
  browse_call(0, 0);
  const FiltersDefinition& fs = g_run->frame->filters;
  const Filter* vehicle = filter_on(fs, F("KOD"));
  long rec = vehicle ? std::atol(vehicle->value.c_str()) : 0;
  if (rec <= 0) {
    Uwaga(kNeedVehicleFilter);
    return 0;
  }
  MileageRecord m;
  const Filter* from = filter_on(fs, F("DAT"), 0);
  const Filter* to = filter_on(fs, F("DAT"), 2);
  if (from) from_dbf(from->value, m.from);
  if (to) from_dbf(to->value, m.to);
  m.company = is_company(vehicle_field(rec, "TYP"));
  m.person = vehicle_field(rec, "KIE") + " " + vehicle_field(rec, "KIM");
  m.address = vehicle_field(rec, "KOP") + " " + vehicle_field(rec, "MIA") + ", " + vehicle_field(rec, "ULI");
  m.registration = vehicle_field(rec, "NUM");
  m.capacity = vehicle_field(rec, "POJ");
  std::string period = vehicle_field(rec, "RE1");
  if (period.size() >= 8) from_dbf(period.substr(0, 8), m.record_from);
  if (period.size() >= 16) from_dbf(period.substr(8, 8), m.record_to);
  HostContext* ctx = b->ctx ? b->ctx : data::state().ctx;
  if (ctx) m.firm = {ctx->firm_name1, ctx->firm_name2};
  long km_before = 0;
  DATA4* d = b->data;
  long keep = d4recno(d);
  TAG4* tag = d4tag_selected(d);
  d4tag_select(d, g_run->t->tag(1));
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    if (d4deleted(d) || f4long(F("KOD")) != rec) continue;
    Date day = f4date(F("DAT"));
    if (!m.from.empty() && day_number(day) < day_number(m.from)) {
      km_before += f4long(F("ILO"));
      continue;
    }
    if (!m.to.empty() && day_number(day) > day_number(m.to)) continue;
    m.trips.push_back({day, f4trim(F("TRA")), f4trim(F("CEL")), f4long(F("ILO")), f4double(F("CEK")),
                       f4double(F("WAR")), f4trim(F("RE1")), f4trim(F("UWA"))});
  }
  d4tag_select(d, tag);
  if (keep >= 1 && keep <= d4reccount(d)) d4go(d, keep);
  if (m.trips.empty()) {
    Uwaga(kNothingThere);
    return 0;
  }
  m.odometer = odometer_at(std::atof(vehicle_field(rec, "RE2").c_str()), km_before);
  std::vector<std::string> head;
  PrintBuffer *work = nullptr, *original = nullptr;
  if (print_alloc(&work, &original, 2340, dictionaries::template_id(m.company ? 27 : 26), kRecordTemplateWidth) == 0) {
    for (int r = 0; r < print_rows(work); ++r) head.push_back(print_row(work, r));
    print_free(&work, &original);
  }
  if (init_prn(ctx, "EWI", "Ewidencja przebiegu") != 0) return 0;
  for (const std::string& line : mileage_record_lines(m, head)) {
    if (line == "\f") drukuj_form_feed();
    else print_line(line.c_str());
  }
  deinit_prn(1);
  return 0;
}

int trips_main() {
  data::TableHandles& t = data::handles("W3PRZE  .DBF");
  if (!t.open() || !vehicles().open()) return 0;
  TripsRun run;
  run.t = &t;
  g_run = &run;
  run.rates = rates_from_trips(trip_rates(t.data));
  d4top(t.data);
  FIELD4* f_inf = t.field("INF");
  FIELD4* f_kod = t.field("KOD");
  RegisterFrame frame;
  run.frame = &frame;
  int print_menu = -1;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5211, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 5212, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Drukuj ", 5213, 'r', -1, nullptr, &print_menu);
    MenuDefineItem(" Usuń ", 5214, 'u', 1, browse_skasuj, nullptr);
    MenuDefineItem(" Filtry ", 5215, 'f', -1, filters_item, nullptr);
    MenuDefineItem(" Suma ", 5216, 'a', -1, sum_item, nullptr);
    print_menu = DefineMenuWindow(-1, -1);
    if (print_menu >= 0) {
      MenuDefineItem(" Tabulogram ", 5217, 't', -1, tabulogram_item, nullptr);
      MenuDefineItem(" Ewidencja ", 5218, 'e', -1, record_item, nullptr);
    }
    f.search_menu = print_menu;  // closed with the frame
    DefineScrollColumn(&f.scroll, t.field("RE1"), 0, "kierowca")->width = 30;
    DefineScrollColumn(&f.scroll, t.field("DAT"), 0, "data", t.tag(1));
    DefineScrollColumn(&f.scroll, t.field("CEL"), 0, "cel")->width = 36;
    auto vehicle_text = [](const char* field) {
      return [field](const std::string& text) { return vehicle_field(std::atol(text.c_str()), field); };
    };
    DefineTextCtrl(&f.texts, 1, 20, f_kod, 0)->show = vehicle_text("NUM");
    DefineTextCtrl(&f.texts, 1, 50, f_kod, 0)->show = vehicle_text("MAR");
    DefineTextCtrl(&f.texts, 2, 20, f_kod, 0)->show = vehicle_text("POJ");
    EditControl* kod = DefineEditCtrl(&f.edits, 0, 20, f_kod, 0);
    kod->chooser = choose_trip_vehicle;
    kod->chooser_mode = 1;
    kod->valid = vehicle_valid;
    kod->show = [](const std::string& text) {
      long rec = std::atol(text.c_str());
      return rec > 0 ? vehicle_field(rec, "KIE") + " " + vehicle_field(rec, "NUM") : std::string();
    };
    EditControl* dat = DefineEditCtrl(&f.edits, 3, 20, t.field("DAT"), 0);
    dat->picture = "DD-MM-CCYY";
    dat->valid = test_daty_niepustej;
    EditControl* cel = DefineEditCtrl(&f.edits, 4, 20, t.field("CEL"), 0);
    cel->chooser = choose_trip_purpose;
    DefineEditCtrl(&f.edits, 5, 20, t.field("TRA"), 0);
    DefineEditCtrl(&f.edits, 6, 20, t.field("ILO"), 0)->valid = km_valid;
    run.rate = DefineEditCtrl(&f.edits, 7, 20, t.field("CEK"), 0);
    run.rate->picture = "9.9999";
    run.rate->valid = rate_valid;
    DefineEditCtrl(&f.edits, 7, 50, t.field("WAR"), EDIT_SHOW_ONLY);
    DefineEditCtrl(&f.edits, 8, 20, t.field("RE1"), 0);
    // The printed list (the host numbers its rows).
    DefineTabuColumn(&f.print_columns, "data", 0, t.field("DAT"), 0, 2)->width = 10;
    TabuColumn* nr = DefineTabuColumn(&f.print_columns, "nr rej.", 0, f_kod, 0, 3);
    nr->width = 10;
    nr->show = [f_kod] { return vehicle_field(f4long(f_kod), "NUM"); };
    DefineTabuColumn(&f.print_columns, "typ", 0, t.field("POD"), 0, 4)->width = 8;
    DefineTabuColumn(&f.print_columns, "opis trasy", 0, t.field("TRA"), 0, 5)->width = 24;
    DefineTabuColumn(&f.print_columns, "cel wyjazdu", 0, t.field("CEL"), 0, 6)->width = 24;
    TabuColumn* km = DefineTabuColumn(&f.print_columns, "ilość km.", 0, t.field("ILO"), 0, 7);
    km->width = 6;
    km->flags = TABU_SUM;
    DefineTabuColumn(&f.print_columns, "stawka za 1 km", 0, t.field("CEK"), 0, 8)->width = 9;
    TabuColumn* war = DefineTabuColumn(&f.print_columns, "wartość", 0, t.field("WAR"), 0, 9);
    war->width = 11;
    war->flags = TABU_SUM;
    DefineTabuColumn(&f.print_columns, "kierujący", 0, t.field("RE1"), 0, 10)->width = 20;
    TabuColumn* sign = DefineTabuColumn(&f.print_columns, "podpis pracodawcy", 0, t.field("UWA"), 0, 11);
    sign->width = 18;
    sign->show = [] { return std::string(); };
    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    define_date_and_vehicle_filters(&f.filters, "W3PRZE", t.field("DAT"), f_kod);
    LoadFilters(&f.filters);
  };
  auto fill = [&](BROWSE* b) {
    b->title = year_title();
    b->print_title = b->title;
    b->form_template = dictionaries::template_id(151);
    b->form_rows = 9;
    b->stamp = f_inf;
    b->new_record = [](BROWSE* br) {
      HostContext* ctx = br->ctx ? br->ctx : data::state().ctx;
      if (ctx) f4assign_date(F("DAT"), ctx->today);
      rate_field_mode(false);
      return 0;
    };
    b->numbering = [](BROWSE* br) { return f4assign_long(F("LPO"), d4reccount(br->data) + 1); };
    b->before_edit = [](BROWSE*) {
      rate_field_mode(trip_is_company());
      return 0;
    };
    b->after_save = [](BROWSE*) {
      if (!trip_is_company()) g_run->rates.set(capacity_class(f4str(F("POJ"))), f4double(F("CEK")));
      return 0;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 5211, -1, 5212, 1, 5214, f_inf); };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(1), 9, 9, 0, build, fill);
  g_run = nullptr;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Trips, trips_main);

}  // namespace

}  // namespace skolvarin::transport
