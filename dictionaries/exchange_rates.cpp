// Exchange rates (" Kursy "): the rate of a currency on a day.  A new rate
// starts with the last currency accepted since the register was opened and
// today's date; the currency must be PLN or a country's currency, the pair
// of currency and date unique, the rate positive.
#include <string>

#include "dictionaries/pickers.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kTitle = 20078;
constexpr int kDuplicateRate = 20044;

int filters_item(int) {
  BROWSE* b = current_browse();
  if (!b || !b->user) return -1;
  auto* frame = static_cast<RegisterFrame*>(b->user);
  OpenFiltersWindow(&frame->filters);
  browse_call(0, 0);
  return 0;
}

int exchange_rates_main() {
  data::TableHandles& t = table("W3KURS.DBF");
  if (!t.open()) return 0;
  FIELD4* f_dat = t.field("DAT");
  FIELD4* f_kod = t.field("KOD");
  FIELD4* f_kur = t.field("KUR");
  FIELD4* f_inf = t.field("INF");
  std::string last_currency;
  RegisterFrame frame;
  auto currency_valid = [&last_currency](EditControl* c) {
    if (check_currency(c->buffer) != 0) return -1;
    last_currency = upper(c->buffer);
    return 0;
  };
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 136, kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 137, kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Filtry ", 139, kKeyFilters, -1, filters_item, nullptr);
    MenuDefineItem(" Usuń ", 138, kKeyDelete, 1, browse_skasuj, nullptr);
    MenuDefineItem(" Drukuj ", 140, kKeyPrint, -1, browse_drukuj, nullptr);
    DefineScrollColumn(&f.scroll, f_dat, 0, "data", t.tag(1));
    DefineScrollColumn(&f.scroll, f_kod, 0, "waluta", t.tag(2));
    DefineScrollColumn(&f.scroll, f_kur, 0, "kurs");
    EditControl* kod = DefineEditCtrl(&f.edits, 0, 16, f_kod, EDIT_UPPER);
    kod->chooser = choose_currency;
    kod->valid = currency_valid;
    EditControl* dat = DefineEditCtrl(&f.edits, 1, 16, f_dat, 0);
    dat->picture = "DD-MM/YY";
    ValidFunction unique = unique_value(t.data, t.tag(2), kDuplicateRate,
                                        [f_kod, f_dat] { return upper(padded(f_kod)) + padded(f_dat); });
    dat->valid = [unique](EditControl* c) {
      if (test_daty_niepustej(c) != 0) return -1;
      return unique(c);
    };
    DefineEditCtrl(&f.edits, 2, 16, f_kur, 0)->valid = valid_wart_dodat;
    DefineTabuColumn(&f.print_columns, "data", 0, f_dat, TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "waluta", 0, f_kod, TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "kurs", 0, f_kur, TABU_FIELD_WIDTH, 3);
    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "W3KURS";
    FilterExtras currency;
    currency.picker = choose_currency;
    currency.valid = [](EditControl* c) { return check_currency(c->buffer); };
    DefineFilter(&f.filters, f_kod, "waluta.........", " waluta:", FILTER_TEXT, 0, currency);
    DefineFilter(&f.filters, f_dat, "od dnia........", " od:", FILTER_DATE, 0);
    DefineFilter(&f.filters, f_dat, "do dnia........", " do:", FILTER_DATE, 2);
    LoadFilters(&f.filters);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    b->form_template = template_id(47);
    b->form_rows = 3;
    b->stamp = f_inf;
    b->new_record = [&last_currency, f_kod, f_dat](BROWSE* br) {
      f4assign(f_kod, last_currency.c_str());
      HostContext* ctx = br->ctx ? br->ctx : data::state().ctx;
      if (ctx) f4assign_date(f_dat, ctx->today);
      return 0;
    };
    b->hot_key = [](int key) { return hot_keys(key, -1, 0, -1, 0, 1, 0, nullptr); };
  };
  return run_register(frame, t.data, t.tag(1), 3, 3, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::ExchangeRates, exchange_rates_main);

}  // namespace

}  // namespace skolvarin::dictionaries
