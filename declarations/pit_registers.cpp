#include "declarations/pit_registers.h"

#include <cstdio>
#include <string>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "declarations/pit_menu.h"
#include "declarations/pit_store.h"
#include "dictionaries/register_frame.h"
#include "host/api/screen_api.h"
#include "transfers/transfer_rules.h"
#include "transfers/transfers_register.h"

namespace skolvarin::declarations {

namespace {

using dictionaries::RegisterFrame;

constexpr int kPit4rForm = 162, kPit8arForm = 140;

// One register's run: the table (opened here when the dispatcher did not)
// and the form it shows.
struct MonthlyRun {
  PitForm form = PitForm::Pit4R;
  data::TableHandles* t = nullptr;
};
MonthlyRun* g_run = nullptr;

int compute_item(int) {
  if (!g_run) return 0;
  pit_compute_item(g_run->form);
  browse_call(0, 0);
  return 0;
}

int print_item(int) {
  if (g_run) pit_print_item(g_run->form == PitForm::Pit4R ? PitPrint::Pit4R : PitPrint::Pit8AR, 0);
  return 0;
}

int export_item(int) {
  if (g_run) pit_export_item(g_run->form, 0);
  return 0;
}

// A tax transfer of the current month's amount to pay, to the firm's tax
// office, for the month's tax period.
int transfer_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run || !dictionaries::list_has_current(b)) return 0;
  const data::TableHandles& t = *g_run->t;
  const bool pit4r = g_run->form == PitForm::Pit4R;
  const int month = f4int(t.field("MIE"));
  transfers::TransferPrefill p;
  p.type = transfers::kTax;
  p.amount = pit4r ? f4double(t.field("KZA")) : f4double(t.field("C15")) - f4double(t.field("C16"));
  p.title1 = pit4r ? "PIT-4R" : "PIT-8AR";
  p.symbol = pit4r ? "PIT4R" : "PIT8AR";
  p.period = transfers::tax_period(data::working_year(data::state().ctx), month);
  int office = 0;
  read_payer(data::state().ctx, office);
  if (office > 0) {
    p.beneficiary_kind = transfers::kTaxOffice;
    p.beneficiary_code = std::to_string(office);
  }
  transfers::open_prefilled_transfer(p);
  return 0;
}

// Runs the register of `form` over its table.
int monthly_register(PitForm form) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  if (int msg = pit_year_refusal(form, data::working_year(ctx))) {
    Uwaga(msg);
    return 0;
  }
  const data::CatalogueEntry* entry = data::find_table(pit_form_table(form));
  data::TableHandles& t = data::handles(*entry);
  const bool opened_here = !t.open();
  if (opened_here && data::open_table(ctx, *entry) != 0) return 0;
  MonthlyRun run{form, &t};
  MonthlyRun* outer = g_run;
  g_run = &run;
  const bool pit4r = form == PitForm::Pit4R;
  const char* name = pit_form_name(form);
  const std::string print_label = std::string(" ") + name + " ";
  const std::string export_label = std::string(" Eksportuj ") + name + " ";
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Oblicz ", pit4r ? 5371 : 5361, 'o', -1, compute_item, nullptr);
    MenuDefineItem(" Modyfikuj ", pit4r ? 5372 : 5362, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(print_label.c_str(), pit4r ? 5373 : 5363, 'p', -1, print_item, nullptr);
    MenuDefineItem(" Przelew ", pit4r ? 5374 : 5364, 'r', -1, transfer_item, nullptr);
    MenuDefineItem(export_label.c_str(), pit4r ? 5375 : 5365, 'e', -1, export_item, nullptr);
    DefineScrollColumn(&f.scroll, t.field("MIE"), 0, "m-c");
    auto field_at = [&](int row, int col, const char* field, int flags = 0) {
      return DefineEditCtrl(&f.edits, row, col, t.field(field), flags);
    };
    const int form_rows = pit4r ? 6 : 10;  // rows of the first page
    if (pit4r) {
      DefineScrollColumn(&f.scroll, t.field("Z01"), 0, "zaliczki");
      DefineScrollColumn(&f.scroll, t.field("Z0R"), 0, "zal. od umów");
      DefineScrollColumn(&f.scroll, t.field("ZAP"), 0, "podatek");
      DefineScrollColumn(&f.scroll, t.field("KZA"), 0, "do wpłaty");
      field_at(0, 30, "MIE", EDIT_SHOW_ONLY);
      field_at(1, 30, "P01", EDIT_SHOW_ONLY);
      field_at(1, 68, "Z01", EDIT_SHOW_ONLY);
      field_at(2, 30, "P0R", EDIT_SHOW_ONLY);
      field_at(2, 68, "Z0R", EDIT_SHOW_ONLY);
      field_at(3, 30, "ZAP", EDIT_SHOW_ONLY);
      field_at(4, 30, "WYN")->picture = "9999999";
      field_at(5, 30, "KZA", EDIT_SHOW_ONLY);
      field_at(form_rows + 1, 2, "REZ");
    } else {
      DefineScrollColumn(&f.scroll, t.field("C05"), 0, "umowy");
      DefineScrollColumn(&f.scroll, t.field("C15"), 0, "razem");
      DefineScrollColumn(&f.scroll, t.field("C16"), 0, "wynagrodzenie");
      ScrollColumn* due = DefineScrollColumn(&f.scroll, t.field("C15"), 0, "do wpłaty");
      FIELD4* c15 = t.field("C15");
      FIELD4* c16 = t.field("C16");
      due->show = [c15, c16] {
        char v[16];
        std::snprintf(v, sizeof v, "%9.0f", f4double(c15) - f4double(c16));
        return std::string(v);
      };
      field_at(0, 30, "MIE", EDIT_SHOW_ONLY);
      field_at(1, 30, "C05", EDIT_SHOW_ONLY);
      static const char* kLeft[] = {"C01", "C02", "C03", "C04", "C06", "C07"};
      static const char* kRight[] = {"C08", "C09", "C10", "C11", "C12", "C13", "C14"};
      for (int i = 0; i < 6; ++i) field_at(2 + i, 30, kLeft[i])->picture = "999999999";
      for (int i = 0; i < 7; ++i) field_at(2 + i, 68, kRight[i])->picture = "999999999";
      field_at(8, 30, "C15", EDIT_SHOW_ONLY);
      field_at(9, 30, "C16")->picture = "999999999";
    }
    const int correction_row = pit4r ? form_rows + 2 : form_rows;
    EditControl* kor = field_at(correction_row, 30, "KOR");
    kor->chooser = wybierz_tak_nie;
    kor->chooser_mode = 1;
    const char* reasons[] = {"KW1", "KW2", "KW3", "KW4", "KW5"};
    for (int i = 0; i < 5; ++i) field_at(correction_row + 2 + i, 2, reasons[i]);
  };
  auto fill = [&](BROWSE* b) {
    b->title = std::string(name) + (pit4r ? " - zaliczki na podatek" : " - podatek zryczałtowany");
    b->print_title = b->title;
    const TemplateIdFunction tpl = dictionaries::template_id(pit4r ? kPit4rForm : kPit8arForm);
    b->form_pages = pit4r ? std::vector<BROWSE::FormPage>{{tpl, 6, 0}, {tpl, 9, 6}}
                          : std::vector<BROWSE::FormPage>{{tpl, 10, 0}, {tpl, 7, 10}};
    // The amounts that follow from what was typed.
    b->after_save = [pit4r, &t](BROWSE* br) {
      if (pit4r) {
        f4assign_double(t.field("KZA"), f4double(t.field("ZAP")) - f4double(t.field("WYN")));
      } else {
        double total = 0;
        for (const char* c : {"C01", "C02", "C03", "C04", "C05", "C06", "C07", "C08", "C09", "C10", "C11", "C12",
                              "C13", "C14"})
          total += f4double(t.field(c));
        f4assign_double(t.field("C15"), total);
      }
      return d4write(br->data, d4recno(br->data)) == 0 ? 0 : -1;
    };
    b->hot_key = [pit4r, f_inf](int key) {
      return hot_keys(key, -1, 0, -1, pit4r ? 5372 : 5362, 27, 0, f_inf);
    };
    b->stamp = f_inf;
  };
  dictionaries::run_register(frame, t.data, nullptr, pit4r ? 6 : 10, pit4r ? 9 : 7, 0, build, fill);
  g_run = outer;
  if (opened_here) data::close_table(*entry);
  return 0;
}

}  // namespace

int pit4r_register() { return monthly_register(PitForm::Pit4R); }
int pit8ar_register() { return monthly_register(PitForm::Pit8AR); }

}  // namespace skolvarin::declarations
