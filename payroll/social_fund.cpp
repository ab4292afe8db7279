// Company social fund (" ZFŚS "): payments into the fund and benefits paid
// out of it, with totals of the filtered entries and printed receipts.
//
// The type decides which amount is entered: "wpłata" for a payment in,
// "wypłata" for a payment out (the other field is skipped).
#include <cstdio>
#include <string>
#include <vector>

#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "payroll/employees.h"
#include "payroll/fund_rules.h"

namespace skolvarin::payroll {

namespace {

using dictionaries::RegisterFrame;

constexpr int kNothingThere = 50007;
constexpr const char* kTitle = "Zakładowy Fundusz Świadczeń Socjalnych";
const std::vector<std::string> kTypes = {"1. WPŁATA ", "2. WYPŁATA"};

std::string type_name(const std::string& text) {
  int t = std::atoi(text.c_str());
  return t >= 1 && t <= 2 ? kTypes[static_cast<size_t>(t - 1)] : text;
}

std::string dmy(const std::string& yyyymmdd) {
  if (yyyymmdd.size() != 8 || yyyymmdd[0] == ' ') return "";
  return yyyymmdd.substr(6, 2) + "-" + yyyymmdd.substr(4, 2) + "-" + yyyymmdd.substr(0, 4);
}

data::TableHandles& fund() { return dictionaries::table("W3ZFSS  .DBF"); }

RegisterFrame* frame_of(BROWSE* b) { return b ? static_cast<RegisterFrame*>(b->user) : nullptr; }

int filters_item(int) {
  BROWSE* b = current_browse();
  RegisterFrame* f = frame_of(b);
  if (!f) return -1;
  OpenFiltersWindow(&f->filters);
  browse_call(0, 0);
  return 0;
}

// Totals of the entries that pass the filters, as a print of template 190.
int totals_item(int) {
  BROWSE* b = current_browse();
  RegisterFrame* f = frame_of(b);
  if (!f) return -1;
  data::TableHandles& t = fund();
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNothingThere);
    return 0;
  }
  long keep = d4recno(t.data);
  std::vector<FundEntry> entries;
  for (int rc = d4top(t.data); rc == 0; rc = d4skip(t.data, 1)) {
    if (d4deleted(t.data) || FilterFunction(&f->filters) != r4keep) continue;
    entries.push_back({f4int(t.field("TYP")), f4double(t.field("WPL")), f4double(t.field("WYP"))});
  }
  d4go(t.data, keep);
  FundTotals s = fund_totals(entries);
  std::string from, to;
  for (const auto& flt : f->filters.filters)
    if (flt->kind == FILTER_DATE && !flt->value.empty()) (flt->option == 0 ? from : to) = dmy(flt->value);
  PrintBuffer *work = nullptr, *original = nullptr;
  if (print_alloc(&work, &original, 10 * 78, dictionaries::template_id(190), 78) != 0) return 0;
  MemPrintStringFmt(work, 3, 24, from.c_str(), 10, PRINT_LEFT);
  MemPrintStringFmt(work, 3, 51, to.c_str(), 10, PRINT_LEFT);
  MemPrintStringFmt(work, 5, 32, std::to_string(s.count_in).c_str(), 6, PRINT_RIGHT);
  MemPrintDoubleFmt(work, 5, 64, s.sum_in, 13, 2, PRINT_THOUSANDS);
  MemPrintStringFmt(work, 6, 32, std::to_string(s.count_out).c_str(), 6, PRINT_RIGHT);
  MemPrintDoubleFmt(work, 6, 64, s.sum_out, 13, 2, PRINT_THOUSANDS);
  MemPrintDoubleFmt(work, 8, 50, s.balance(), 13, 2, PRINT_THOUSANDS);
  if (init_prn(data::state().ctx, "ZFSS", "Podsumowanie ZFSS") == 0) {
    print_lines(work, 78, 0, print_rows(work) - 1);
    deinit_prn(1);
  }
  print_free(&work, &original);
  return 0;
}

// The receipt of the current entry (191 payment in, 192 payment out).
int receipt_item(int) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNothingThere);
    return 0;
  }
  data::TableHandles& t = fund();
  int type = f4int(t.field("TYP"));
  double amount = type == 1 ? f4double(t.field("WPL")) : f4double(t.field("WYP"));
  PrintBuffer *work = nullptr, *original = nullptr;
  if (print_alloc(&work, &original, 16 * 78, dictionaries::template_id(type == 1 ? 191 : 192), 78) != 0) return 0;
  MemPrintFieldFmt(work, 2, 45, t.field("NUM"), 20, PRINT_LEFT);
  MemPrintFieldFmt(work, 5, 15, t.field("DAT"), 10, PRINT_LEFT);
  MemPrintFieldFmt(work, 6, 15, t.field("NAZ"), 60, PRINT_LEFT);
  MemPrintFieldFmt(work, 7, 15, t.field("OPI"), 60, PRINT_LEFT);
  MemPrintDoubleFmt(work, 9, 15, amount, 18, 2, PRINT_THOUSANDS);
  pisz_slownie(work, 10, 12, amount, 64, 3);
  if (init_prn(data::state().ctx, "ZFSS_POTW", type == 1 ? "Potwierdzenie wpłaty" : "Potwierdzenie wypłaty") == 0) {
    print_lines(work, 78, 0, print_rows(work) - 1);
    deinit_prn(1);
  }
  print_free(&work, &original);
  return 0;
}

int tabulogram_item(int) { return browse_drukuj(0); }

int search_item(int code) {
  data::TableHandles& t = fund();
  if (code == 1) return browse_szukaj("Szukaj daty -", 8, t.tag(2));
  if (code == 2) return browse_szukaj("Szukaj nazwiska -", 50, t.tag(3));
  return browse_szukaj("Szukaj opisu -", 60, t.tag(1));
}

int choose_person(EditControl* c) {
  long rec = 0;
  if (pick_employee(&rec) != 0) return 27;
  data::TableHandles& p = data::handles("W3PRAC.DBF");
  if (!p.open()) return 27;
  c->buffer = f4trim(p.field("NAZ")) + " " + f4trim(p.field("IM1"));
  return 0;
}

int social_fund_main() {
  data::TableHandles& t = fund();
  if (!t.open()) return 0;
  FIELD4* f_typ = t.field("TYP");
  FIELD4* f_inf = t.field("INF");
  EditControl* wpl = nullptr;
  EditControl* wyp = nullptr;
  auto show_amounts = [&wpl, &wyp, f_typ] {
    int type = f4int(f_typ);
    if (wpl) wpl->flags = type == 1 ? 0 : EDIT_SHOW_ONLY;
    if (wyp) wyp->flags = type == 2 ? 0 : EDIT_SHOW_ONLY;
  };
  RegisterFrame frame;
  int print_menu = -1, search_menu = -1;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5410, dictionaries::kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 5420, dictionaries::kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 5430, dictionaries::kKeyDelete, 1, browse_skasuj, nullptr);
    MenuDefineItem(" Drukuj ", 5440, dictionaries::kKeyPrint, -1, nullptr, &print_menu);
    MenuDefineItem(" Filtry ", 5450, dictionaries::kKeyFilters, -1, filters_item, nullptr);
    MenuDefineItem(" Suma ", 5460, 'a', -1, totals_item, nullptr);
    MenuDefineItem(" Szukaj ", 5470, dictionaries::kKeySearch, -1, nullptr, &search_menu);
    print_menu = DefineMenuWindow(-1, -1);
    if (print_menu >= 0) {
      MenuDefineItem(" Tabulogram ", 5441, 't', -1, tabulogram_item, nullptr);
      MenuDefineItem(" Potwierdzenie ", 5442, 'p', -1, receipt_item, nullptr);
    }
    search_menu = DefineMenuWindow(-1, -1);
    if (search_menu >= 0) {
      MenuDefineItem(" Data ", 5471, 'd', 1, search_item, nullptr);
      MenuDefineItem(" Nazwa ", 5472, 'n', 2, search_item, nullptr);
      MenuDefineItem(" Opis ", 5473, 'o', 3, search_item, nullptr);
    }
    DefineScrollColumn(&f.scroll, t.field("DAT"), 0, "data", t.tag(2));
    DefineScrollColumn(&f.scroll, t.field("NAZ"), 0, "nazwa", t.tag(3))->width = 34;
    DefineScrollColumn(&f.scroll, t.field("WPL"), 0, "wpłata");
    DefineScrollColumn(&f.scroll, t.field("WYP"), 0, "wypłata");

    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "ZFSS";
    DefineFilter(&f.filters, t.field("DAT"), "od dnia........", " od:", FILTER_DATE, 0);
    DefineFilter(&f.filters, t.field("DAT"), "do dnia........", " do:", FILTER_DATE, 2);
    DefineFilter(&f.filters, t.field("NAZ"), "pracownik......", " osoba:", FILTER_TEXT, 1);
    DefineFilter(&f.filters, f_typ, "typ zapisu.....", " typ:", FILTER_CHOICE2, 0, {.choices = kTypes});
    LoadFilters(&f.filters);

    EditControl* typ = DefineEditCtrl(&f.edits, 0, 8, f_typ, 0);
    typ->chooser = lista_wyboru(kTypes);
    typ->chooser_mode = 1;
    typ->show = type_name;
    typ->valid = [show_amounts](EditControl* c) {
      int v = std::atoi(c->buffer.c_str());
      if (v != 1 && v != 2) {
        MessageWindow(2, 0, "Wybierz typ zapisu: 1. WPŁATA lub 2. WYPŁATA !", 0);
        return -1;
      }
      show_amounts();
      return 0;
    };
    EditControl* naz = DefineEditCtrl(&f.edits, 1, 8, t.field("NAZ"), 0);
    naz->chooser = choose_person;
    EditControl* dat = DefineEditCtrl(&f.edits, 2, 8, t.field("DAT"), 0);
    dat->picture = "DD-MM/YY";
    dat->valid = test_daty_niepustej;
    DefineEditCtrl(&f.edits, 3, 8, t.field("NUM"), 0);
    DefineEditCtrl(&f.edits, 4, 8, t.field("OPI"), 0);
    wpl = DefineEditCtrl(&f.edits, 5, 8, t.field("WPL"), 0);
    wpl->picture = "99999999.99";
    wyp = DefineEditCtrl(&f.edits, 6, 15, t.field("WYP"), 0);
    wyp->picture = "99999999.99";

    DefineTabuColumn(&f.print_columns, "data", 0, t.field("DAT"), TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "nazwa", 0, t.field("NAZ"), 0, 2)->width = 30;
    DefineTabuColumn(&f.print_columns, "numer dokumentu", 0, t.field("NUM"), TABU_FIELD_WIDTH, 3);
    DefineTabuColumn(&f.print_columns, "opis", 0, t.field("OPI"), 0, 4)->width = 30;
    DefineTabuColumn(&f.print_columns, "wpłata", TABU_SUM, t.field("WPL"), TABU_FIELD_WIDTH, 5);
    DefineTabuColumn(&f.print_columns, "wypłata", TABU_SUM, t.field("WYP"), TABU_FIELD_WIDTH, 6);
  };
  auto fill = [&](BROWSE* b) {
    b->title = kTitle;
    b->form_template = dictionaries::template_id(189);
    b->form_rows = 7;
    b->stamp = f_inf;
    b->new_record = [f_typ, &t, show_amounts](BROWSE* br) {
      f4assign_int(f_typ, 1);
      HostDate d = br->ctx ? br->ctx->today : HostDate{};
      char buf[16];
      std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
      f4assign(t.field("DAT"), buf);
      show_amounts();
      return 0;
    };
    b->before_edit = [show_amounts](BROWSE*) {
      show_amounts();
      return 0;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 5410, -1, 5420, 1, 5430, f_inf); };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(2), 7, 7, 0, build, fill);
  for (int w : {print_menu, search_menu})
    if (w >= 0) w4close(w);
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::SocialFund, social_fund_main);

}  // namespace

}  // namespace skolvarin::payroll
