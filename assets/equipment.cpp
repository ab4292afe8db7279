// Equipment (" Wyposażenie "): low-value items expensed when bought and not
// depreciated: when and under which document each was bought, its price,
// the ledger entry of the purchase and its liquidation.  One table for all
// years, listed by acquisition date.
//
// Checks of the form: the acquisition date filled (a new item starts with
// today's date); a filled inventory number unique without regard to letter
// case (blank ones may repeat); the first name line filled; the price above
// 0; the liquidation date a real date or blank; the ledger year within the
// years a ledger can have (equipment_ledger_year_limit); the ledger ordinal
// above 0.
#include <cstdlib>
#include <string>

#include "assets/equipment_rules.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"

namespace skolvarin::assets {

namespace {

using dictionaries::kKeyAdd;
using dictionaries::kKeyDelete;
using dictionaries::kKeyModify;
using dictionaries::kKeyPrint;
using dictionaries::padded;
using dictionaries::RegisterFrame;
using dictionaries::template_id;
using dictionaries::upper;

constexpr int kTitle = 110;           // "Ewidencja wyposażenia"
constexpr int kYearOutOfRange = 171;  // "Rok musi być większy od 1900 i mniejszy niż 2020."
constexpr int kDuplicateNumber = 20077;

int valid_ledger_year(EditControl* c) {
  const int working_year = data::working_year(data::state().ctx);
  const int year = std::atoi(c->buffer.c_str());
  const int limit = equipment_ledger_year_limit(working_year);
  if (year > 1900 && year <= limit) return 0;
  if (limit == 2019)
    Uwaga(kYearOutOfRange);
  else
    MessageWindow(2, 0, PrintfQStr("Rok musi być większy od 1900 i nie większy niż %d.", limit), 0);
  return -1;
}

int equipment_main() {
  data::TableHandles& t = dictionaries::table("W3WYPO.DBF");
  if (!t.open()) return 0;
  FIELD4* f_daz = t.field("DAZ");
  FIELD4* f_num = t.field("NUM");
  FIELD4* f_nre = t.field("NRE");
  FIELD4* f_na1 = t.field("NA1");
  FIELD4* f_na2 = t.field("NA2");
  FIELD4* f_cen = t.field("CEN");
  FIELD4* f_dal = t.field("DAL");
  FIELD4* f_prz = t.field("PRZ");
  FIELD4* f_rok = t.field("ROK");
  FIELD4* f_lpo = t.field("LPO");
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5810, kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 5820, kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Drukuj ", 5830, kKeyPrint, -1, browse_drukuj, nullptr);
    MenuDefineItem(" Usuń ", 5840, kKeyDelete, 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, f_daz, 0, "data");
    DefineScrollColumn(&f.scroll, f_nre, 0, "nr ewidencyjny")->width = 14;
    DefineScrollColumn(&f.scroll, f_na1, 0, "nazwa")->width = 30;
    DefineScrollColumn(&f.scroll, f_cen, 0, "cena");
    DefineScrollColumn(&f.scroll, f_rok, 0, "rok");
    DefineScrollColumn(&f.scroll, f_lpo, 0, "l.p");

    EditControl* daz = DefineEditCtrl(&f.edits, 0, 17, f_daz, 0);
    daz->picture = "DD-MM-CCYY";
    daz->valid = test_daty_niepustej;
    DefineEditCtrl(&f.edits, 0, 43, f_num, 0);
    EditControl* nre = DefineEditCtrl(&f.edits, 1, 17, f_nre, 0);
    ValidFunction unique =
        dictionaries::unique_value(t.data, t.tag(2), kDuplicateNumber, [f_nre] { return upper(padded(f_nre)); });
    nre->valid = [unique](EditControl* c) {
      if (c->buffer.find_first_not_of(' ') == std::string::npos) return 0;  // blank numbers may repeat
      return unique(c);
    };
    DefineEditCtrl(&f.edits, 2, 8, f_na1, 0)->valid = valid_empty_get;
    DefineEditCtrl(&f.edits, 3, 8, f_na2, 0);
    DefineEditCtrl(&f.edits, 4, 17, f_cen, 0)->valid = valid_wart_dodat;
    EditControl* dal = DefineEditCtrl(&f.edits, 5, 17, f_dal, 0);
    dal->picture = "DD-MM-CCYY";  // the picture refuses an impossible date; blank is allowed
    DefineEditCtrl(&f.edits, 6, 17, f_prz, 0);
    DefineEditCtrl(&f.edits, 7, 17, f_rok, 0)->valid = valid_ledger_year;
    DefineEditCtrl(&f.edits, 7, 43, f_lpo, 0)->valid = valid_wart_dodat;

    DefineTabuColumn(&f.print_columns, "data\nnabycia", 0, f_daz, TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "data\nlikwidacji", 0, f_dal, TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "numer\ndowodu nabycia", 0, f_num, TABU_FIELD_WIDTH, 3);
    DefineTabuColumn(&f.print_columns, "nr ewidencyjny", 0, f_nre, TABU_FIELD_WIDTH, 4);
    DefineTabuColumn(&f.print_columns, "nazwa", 0, f_na1, TABU_FIELD_WIDTH, 5);
    DefineTabuColumn(&f.print_columns, "c.d.", 0, f_na2, TABU_FIELD_WIDTH, 6);
    DefineTabuColumn(&f.print_columns, "cena", TABU_SUM, f_cen, TABU_FIELD_WIDTH, 7);
    DefineTabuColumn(&f.print_columns, "przyczyna\nlikwidacji", 0, f_prz, TABU_FIELD_WIDTH, 8);
    DefineTabuColumn(&f.print_columns, "rok", 0, f_rok, TABU_FIELD_WIDTH, 9);
    DefineTabuColumn(&f.print_columns, "l.p", 0, f_lpo, TABU_FIELD_WIDTH, 10);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    b->form_template = template_id(187);
    b->form_rows = 8;
    b->stamp = f_inf;
    b->new_record = [f_daz, f_rok](BROWSE* br) {
      HostContext* ctx = br->ctx ? br->ctx : data::state().ctx;
      if (ctx) f4assign_date(f_daz, ctx->today);
      f4assign_long(f_rok, data::working_year(ctx));
      return 0;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 5810, -1, 5820, 1, 5840, f_inf); };
  };
  return dictionaries::run_register(frame, t.data, t.tag(1), 8, 8, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::Equipment, equipment_main);

}  // namespace

}  // namespace skolvarin::assets
