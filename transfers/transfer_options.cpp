#include "transfers/transfer_options.h"

#include <cstdlib>
#include <string>

#include "data/module_state.h"
#include "host/api/browse_api.h"
#include "host/api/screen_api.h"
#include "transfers/transfer_rules.h"

namespace skolvarin::transfers {

TransferOptions options_from(const data::MainOptions& o) {
  TransferOptions t;
  t.ordinary_preprinted = o.key40;
  t.ordinary_parts = o.key61;
  t.ordinary_form = o.key41;
  t.ordinary_addresses = o.key37;
  t.sign = o.key35;
  t.sign_count = o.key36;
  t.split_account = o.key34;
  t.ordinary_boxes = o.key51;
  t.ordinary_line = o.key39;
  t.tax_as_ordinary = o.key63;
  t.tax_preprinted = o.key42;
  t.tax_parts = o.key69;
  t.tax_form = o.key43;
  t.tax_boxes = o.key49;
  t.tax_line = o.key50;
  t.zus_preprinted = o.key44;
  t.zus_form = o.key45;
  return t;
}

void options_into(const TransferOptions& t, data::MainOptions& o) {
  o.key40 = t.ordinary_preprinted;
  o.key61 = t.ordinary_parts;
  o.key41 = t.ordinary_form;
  o.key37 = t.ordinary_addresses;
  o.key35 = t.sign;
  o.key36 = t.sign_count;
  o.key34 = t.split_account;
  o.key51 = t.ordinary_boxes;
  o.key39 = t.ordinary_line;
  o.key63 = t.tax_as_ordinary;
  o.key42 = t.tax_preprinted;
  o.key69 = t.tax_parts;
  o.key43 = t.tax_form;
  o.key49 = t.tax_boxes;
  o.key50 = t.tax_line;
  o.key44 = t.zus_preprinted;
  o.key45 = t.zus_form;
}

namespace {

std::string ch(char c) { return std::string(1, c == 0 ? ' ' : c); }
char first(const std::string& s, char def) { return s.empty() ? def : s[0]; }
const std::vector<std::string> kForms = {"P. Przelew", "W. Wpłata "};
std::string form_value(char c) { return c == 'W' ? "2" : "1"; }
char form_of(const std::string& v) { return v == "2" ? 'W' : 'P'; }

ValidFunction parts_check() {
  return [](EditControl* c) {
    if (parts_allowed(std::atoi(c->buffer.c_str()))) return 0;
    Uwaga(kOutOfRange);
    return -1;
  };
}
ValidFunction line_check(Widget* boxes) {
  return [boxes](EditControl* c) {
    if (line_length_allowed(std::atoi(c->buffer.c_str()), boxes->value == "T")) return 0;
    Uwaga(kOutOfRange);
    return -1;
  };
}
ValidFunction box_switch(Widget* line) {
  return [line](EditControl* c) {
    bool on = first(c->buffer, 'N') == 'T';
    int now = std::atoi(line->value.c_str());
    int kept = line_length_after_box_switch(now, on);
    if (kept != now) WigetSetString(line, std::to_string(kept).c_str());
    return 0;
  };
}

}  // namespace

int options_window() {
  data::MainOptions& mo = data::state().options;
  TransferOptions t = options_from(mo);
  int window = DefineWprowadzWindow(21, 74, " OPCJE PRZELEWÓW ");
  if (window < 0) return 27;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  int r = 0;
  DefineWigetEx(&set, r++, 1, "PRZELEW ZWYKŁY", 0, WIDGET_LABEL);
  Widget* o_pre = DefineWigetEx(&set, r++, 3, "Czy drukować na oryginalnych formularzach......... ", 1, WIDGET_YESNO);
  Widget* o_parts = DefineWigetEx(&set, r++, 3, "Ilość odcinków formularza......................... ", 1, WIDGET_NUMBER, "9");
  Widget* o_form = DefineWigetEx(&set, r++, 3, "Domyślna forma płatności.......................... ", 10, WIDGET_CHOICE);
  Widget* o_addr = DefineWigetEx(&set, r++, 3, "Czy drukować adresy na przelewach................. ", 1, WIDGET_YESNO);
  Widget* o_sign = DefineWigetEx(&set, r++, 3, "Znak drukowany przed i po kwocie.................. ", 1, WIDGET_TEXT);
  Widget* o_count = DefineWigetEx(&set, r++, 3, "Ilość drukowanych w/w znaków...................... ", 2, WIDGET_NUMBER, "99");
  Widget* o_split = DefineWigetEx(&set, r++, 3, "Czy dzielić numer konta........................... ", 1, WIDGET_YESNO);
  Widget* o_boxes = DefineWigetEx(&set, r++, 3, "Czy drukować znaki w osobnych kratkach............ ", 1, WIDGET_YESNO);
  Widget* o_line = DefineWigetEx(&set, r++, 3, "Ilość znaków w wierszu (24-27, 48-54)............. ", 2, WIDGET_NUMBER, "99");
  DefineWigetEx(&set, r++, 1, "PRZELEW PODATKOWY", 0, WIDGET_LABEL);
  Widget* t_ord = DefineWigetEx(&set, r++, 3, "Czy drukować jako przelew zwykły.................. ", 1, WIDGET_YESNO);
  Widget* t_pre = DefineWigetEx(&set, r++, 3, "Czy drukować na oryginalnych formularzach......... ", 1, WIDGET_YESNO);
  Widget* t_parts = DefineWigetEx(&set, r++, 3, "Ilość odcinków formularza......................... ", 1, WIDGET_NUMBER, "9");
  Widget* t_form = DefineWigetEx(&set, r++, 3, "Domyślna forma płatności.......................... ", 10, WIDGET_CHOICE);
  Widget* t_boxes = DefineWigetEx(&set, r++, 3, "Czy drukować znaki w osobnych kratkach............ ", 1, WIDGET_YESNO);
  Widget* t_line = DefineWigetEx(&set, r++, 3, "Ilość znaków w wierszu (24-27, 48-54)............. ", 2, WIDGET_NUMBER, "99");
  DefineWigetEx(&set, r++, 1, "PRZELEW ZUS", 0, WIDGET_LABEL);
  Widget* z_pre = DefineWigetEx(&set, r++, 3, "Czy drukować na oryginalnych formularzach......... ", 1, WIDGET_YESNO);
  Widget* z_form = DefineWigetEx(&set, r++, 3, "Domyślna forma płatności.......................... ", 10, WIDGET_CHOICE);
  for (Widget* w : {o_form, t_form, z_form}) w->choices = kForms;
  WigetSetString(o_pre, ch(t.ordinary_preprinted).c_str());
  WigetSetString(o_parts, std::to_string(t.ordinary_parts).c_str());
  WigetSetString(o_form, form_value(t.ordinary_form).c_str());
  WigetSetString(o_addr, ch(t.ordinary_addresses).c_str());
  WigetSetString(o_sign, ch(t.sign).c_str());
  WigetSetString(o_count, std::to_string(t.sign_count).c_str());
  WigetSetString(o_split, ch(t.split_account).c_str());
  WigetSetString(o_boxes, ch(t.ordinary_boxes).c_str());
  WigetSetString(o_line, std::to_string(t.ordinary_line).c_str());
  WigetSetString(t_ord, ch(t.tax_as_ordinary).c_str());
  WigetSetString(t_pre, ch(t.tax_preprinted).c_str());
  WigetSetString(t_parts, std::to_string(t.tax_parts).c_str());
  WigetSetString(t_form, form_value(t.tax_form).c_str());
  WigetSetString(t_boxes, ch(t.tax_boxes).c_str());
  WigetSetString(t_line, std::to_string(t.tax_line).c_str());
  WigetSetString(z_pre, ch(t.zus_preprinted).c_str());
  WigetSetString(z_form, form_value(t.zus_form).c_str());
  o_parts->valid = parts_check();
  t_parts->valid = parts_check();
  o_boxes->valid = box_switch(o_line);
  t_boxes->valid = box_switch(t_line);
  o_line->valid = line_check(o_boxes);
  t_line->valid = line_check(t_boxes);
  int key = ActivateWindow(window, &set);
  if (key == skolvarin::keys::F2) {
    t.ordinary_preprinted = first(o_pre->value, 'T');
    t.ordinary_parts = std::atoi(o_parts->value.c_str());
    t.ordinary_form = form_of(o_form->value);
    t.ordinary_addresses = first(o_addr->value, 'N');
    t.sign = first(o_sign->value, ' ');
    t.sign_count = std::atoi(o_count->value.c_str());
    t.split_account = first(o_split->value, 'N');
    t.ordinary_boxes = first(o_boxes->value, 'N');
    t.ordinary_line = std::atoi(o_line->value.c_str());
    t.tax_as_ordinary = first(t_ord->value, 'N');
    t.tax_preprinted = first(t_pre->value, 'T');
    t.tax_parts = std::atoi(t_parts->value.c_str());
    t.tax_form = form_of(t_form->value);
    t.tax_boxes = first(t_boxes->value, 'T');
    t.tax_line = std::atoi(t_line->value.c_str());
    t.zus_preprinted = first(z_pre->value, 'T');
    t.zus_form = form_of(z_form->value);
    options_into(t, mo);
    data::save_main_options(*data::state().ctx, mo);
  }
  FreeWigets(&set);
  w4close(window);
  return key;
}

}  // namespace skolvarin::transfers
