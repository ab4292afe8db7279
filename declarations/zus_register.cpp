// The ZUS register (" ZUS " of the payroll menu): the monthly declaration
// sets of the working year over W3ZUSR with their persons in W3ZUSS and
// benefit rows in W3ZUSP.
//
// " Generuj " builds the next set of a month from the pay records and the
// contracts; " Modyfikuj " edits the header (dates, surcharges, decision
// number); " Raport " prints the sets of a range of months; " Export "
// checks the set and writes "platnik.rep" and the KEDU file into the
// directory of the ZUS settings; " Usuń " removes a set with its persons;
// " Przelewy " opens the transfers to ZUS; " Info mies. " and " Info rok "
// print the contributions of each person for the month and the year.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "declarations/kedu_writer.h"
#include "declarations/rmua_prints.h"
#include "declarations/zus_check.h"
#include "declarations/zus_tables.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/calendar.h"
#include "host/api/keys.h"
#include "host/api/rounding.h"
#include "payroll/payroll_settings.h"
#include "transfers/transfer_rules.h"
#include "transfers/transfers_register.h"

namespace skolvarin::declarations {
namespace {

using dictionaries::RegisterFrame;

constexpr int kHelp = 6800;
constexpr int kAskGenerate = 45, kNoPayData = 26, kMixedCodes = 172, kDone = 231, kAskExport = 44;
constexpr int kPaidBeforeFilled = 65, kFailed = 20158, kOwnersJoined = 92;
constexpr int kAskSocial = 189, kAskHealth = 190, kAskFunds = 114, kAskFep = 113;
constexpr const char* kSets = "W3ZUSR  .DBF";

data::TableHandles& sets() { return data::handles(kSets); }
HostContext* ctx() { return data::state().ctx; }
int year() { return data::working_year(ctx()); }

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(v, 2) + 0.0);
  for (char& c : buf)
    if (c == '.') c = ',';
  return buf;
}

// `s` cut or padded to `width` characters (UTF-8).
std::string fit(const std::string& s, size_t width) {
  std::string out;
  size_t chars = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    bool lead = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
    if (lead && chars == width) break;
    chars += lead;
    out += s[i];
  }
  return out + std::string(width - chars, ' ');
}

// The set under the cursor; false on an empty list.
bool current_set(ZusSet& set) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return false;
  int month = static_cast<int>(f4long(sets().field("MIE"))), number = static_cast<int>(f4long(sets().field("INR")));
  std::string error;
  if (!load_set(ctx(), year(), month, number, set, error)) {
    MessageWindow(2, 0, error.c_str(), 0);
    return false;
  }
  return true;
}

// A number window of one or two questions; 0 when left.
bool ask_numbers(const char* title, std::initializer_list<std::pair<const char*, int*>> questions) {
  int window = DefineWprowadzWindow(static_cast<int>(questions.size()), 40, title);
  if (window < 0) return false;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  std::vector<Widget*> ws;
  int row = 0;
  for (const auto& [label, value] : questions) {
    Widget* w = DefineWigetEx(&set, row++, 1, label, 2, WIDGET_NUMBER, "99");
    WigetSetString(w, std::to_string(*value).c_str());
    w->valid = [](EditControl* c) {
      int m = std::atoi(c->buffer.c_str());
      if (m >= 1 && m <= 12) return 0;
      MessageWindow(2, 0, "Podaj miesiąc 1-12 !", 0);
      return -1;
    };
    ws.push_back(w);
  }
  int key = ActivateWindow(window, &set);
  if (key == keys::F2 || key == 13) {
    row = 0;
    for (const auto& [label, value] : questions) *value = static_cast<int>(WigetAsLong(ws[row++]));
  }
  FreeWigets(&set);
  w4close(window);
  return key == keys::F2 || key == 13;
}

KeduOptions kedu_options(int month) {
  const payroll::PayrollSettings& s = payroll::payroll_settings();
  KeduOptions o;
  o.accident_rate = s.zus.accident_rate;
  o.benefit_fee_pct = s.parameters.benefit_service_fee_pct;
  o.short_name_for_person = s.zus.short_name == "T";
  (void)month;
  return o;
}

// Shows (and on F2 prints) text lines as a printout.
void show_lines(const char* code, const char* title, const std::vector<std::string>& lines) {
  if (init_prn(ctx(), code, title) != 0) return;
  for (const std::string& l : lines) print_line(l.c_str());
  deinit_prn(1);
}

int export_set(int) {
  ZusSet set;
  if (!current_set(set)) return 0;
  ZusPayer payer;
  std::string error;
  if (!load_payer(ctx(), payer, error)) {
    MessageWindow(3, 0, error.c_str(), 0);
    return 0;
  }
  KeduOptions options = kedu_options(set.header.month);
  auto problems = check_set(set, payer, options.benefit_fee_pct);
  if (!problems.empty()) show_lines("KONTROLA", "ZUS-Kontrola", check_report_lines(set, problems));
  std::string dir = payroll::payroll_settings().zus.export_dir;
  if (MessageWindow(8 | 16, kAskExport, dir.c_str(), 0) != 13) return 0;
  std::string path;
  if (!export_for_platnik(dir, ctx()->firm_dir, set, payer, options, ctx()->today, path, error)) {
    Alarm(kFailed);
    MessageWindow(3, 0, error.c_str(), 0);
    return 0;
  }
  Informacja(kDone);
  return 0;
}

int generate(int) {
  int month = 1;
  if (!ask_numbers(" ZUS ", {{"Podaj miesiąc -", &month}})) return 0;
  if (Pytanie(kAskGenerate) != 13) return 0;
  ZusSet set;
  ZusBuild notes;
  bool owners = false;
  std::string error;
  bool join = payroll::payroll_settings().zus.owners_with_employees == "T";
  switch (prepare_set(ctx(), year(), month, join, set, notes, owners, error)) {
    case Prepared::NoEmployees:
      Informacja(kNoPayData);
      return 0;
    case Prepared::Failed:
      MessageWindow(3, 0, error.c_str(), 0);
      return 0;
    case Prepared::Ok:
      break;
  }
  for (const std::string& who : notes.mixed_codes) MessageWindow(3 | 16, kMixedCodes, who.c_str(), 0);
  for (const std::string& who : notes.contracts_without_contributions) {
    // "Brak składek do umowy z" first name and surname; Esc stops the set.
    if (MessageWindow(2, 0, PrintfQStr("Brak składek do umowy z %s.", who.c_str()), 0) == 27) return 0;
  }
  if (!save_set(ctx(), year(), set, error)) {
    Alarm(kFailed);
    return 0;
  }
  if (owners) Informacja(kOwnersJoined);
  Informacja(kDone);
  // The new set under the cursor, then its export at once.
  for (long r = d4reccount(sets().data); r >= 1; --r) {
    if (d4go(sets().data, r) == 0 && f4long(sets().field("MIE")) == month &&
        f4long(sets().field("INR")) == set.header.number) {
      browse_call(1, r);
      break;
    }
  }
  return export_set(0);
}

int remove_set(int) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return 0;
  if (MessageWindow(8, 0, "Czy usunąć bieżący zapis ?", 0) != 13) return 0;
  std::string error;
  int month = static_cast<int>(f4long(sets().field("MIE"))), number = static_cast<int>(f4long(sets().field("INR")));
  if (!delete_set(ctx(), year(), month, number, error)) MessageWindow(3, 0, error.c_str(), 0);
  browse_call(0, 0);
  return 0;
}

int transfers_to_zus(int) {
  ZusSet set;
  if (!current_set(set)) return 0;
  ZusTransfers t = transfer_amounts(set, kedu_options(set.header.month).benefit_fee_pct);
  struct {
    int question;
    double amount;
    const char* title;
  } parts[] = {{kAskSocial, t.social, "ZUS-społeczne"},
               {kAskHealth, t.health, "ZUS-zdrowotne"},
               {kAskFunds, t.funds, "ZUS-Fundusz Pracy"},
               {kAskFep, t.fep, "ZUS-FEP"}};
  for (const auto& p : parts) {
    if (MessageWindow(8, p.question, " PRZELEW ", 0) != 13) continue;
    transfers::TransferPrefill f;
    f.type = 2;
    f.amount = p.amount;
    f.title1 = p.title;
    f.beneficiary_kind = 3;  // ZUS
    f.period = transfers::zus_period(year(), set.header.month, set.header.number);
    transfers::open_prefilled_transfer(f);
  }
  return 0;
}

int print_sets(int) {
  int from = 1, to = 12;
  if (!ask_numbers(" RAPORT ", {{"Podaj miesięczny zakres raportu - od", &from}, {"do", &to}})) return 0;
  std::vector<std::string> lines = {"m-c rap  data       ubezp.   społeczne   do zapłaty   zdrowotne     FP+FGŚP"};
  double fee = payroll::payroll_settings().parameters.benefit_service_fee_pct;
  for (const ZusSetHeader& h : list_sets(ctx(), year())) {
    if (h.month < from || h.month > to) continue;
    ZusSet set;
    std::string error;
    if (!load_set(ctx(), year(), h.month, h.number, set, error)) continue;
    DraPositions d = dra_positions(dra_sums(set), fee);
    lines.push_back(std::string(PrintfQStr("%3d %3d  %-10s %6d %11s %12s %11s %11s", h.month, h.number,
                                           to_shown(h.filled).c_str(), h.persons, money(d.iv[37]).c_str(),
                                           money(d.vi[2]).c_str(), money(d.vii[5]).c_str(),
                                           money(d.viii[3]).c_str())));
  }
  show_lines("DRR", "ZUS-Raport", lines);
  return 0;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& rows) {
  to.insert(to.end(), rows.begin(), rows.end());
}

// " Info mies. ": the persons of the set (with their benefit days and
// amounts), then one person's or everyone's information window (198) or
// RMUA (169 one, 170 all).
int month_information(int) {
  ZusSet set;
  if (!current_set(set) || set.persons.empty()) return 0;
  std::vector<std::string> items;
  for (const ZusPerson& p : set.persons) {
    int days = 0;
    double amount = 0;
    for (const ZusBenefit& b : p.benefits) days += b.days, amount += b.amount;
    HostDate from = p.benefits.empty() ? HostDate{} : p.benefits.front().from;
    HostDate to = p.benefits.empty() ? HostDate{} : p.benefits.back().to;
    items.push_back(fit(p.surname, 20) + " " + fit(p.first_name, 12) + " " +
                    PrintfQStr("%-6s %3d %10s %-10s %-10s", p.ktu.c_str(), days, money(amount).c_str(),
                               to_shown(from).c_str(), to_shown(to).c_str()));
  }
  int person = 0;
  for (;;) {
    person = wybierz_z_listy(items, person, " nazwisko             imię         kod     il.      kwota od dnia    do dnia ");
    if (person < 0) return 0;
    int what = wybierz_z_listy({" Info jeden ", " Info wszystko ", " RMUA jeden ", " RMUA wszystko "}, 0, " Info ");
    if (what < 0) continue;
    ZusPayer payer;
    std::string error;
    load_payer(ctx(), payer, error);
    std::vector<std::string> lines;
    for (size_t i = 0; i < set.persons.size(); ++i) {
      bool one = what == 0 || what == 2;
      if (one && static_cast<int>(i) != person) continue;
      const ZusPerson& p = set.persons[i];
      if (what < 2) append(lines, info_rows(p));
      if (what == 2) append(lines, rmua_rows(set, p, payer));
      if (what == 3) append(lines, rmua_block_rows(set, p));
      if (what != 3 && !one) lines.push_back("");
    }
    if (what < 2)
      show_lines("INFO", "ZUS-Informacja", lines);
    else
      show_lines("RMA", "ZUS-RMUA", lines);
  }
}

// " Info rok ": the yearly information (167) or the yearly RMUA (168) of
// every person of the year's sets.
int year_information(int) {
  int what = wybierz_z_listy({" Info rok ", " RMUA roczny "}, 0, " Info rok ");
  if (what < 0) return 0;
  std::vector<YearPerson> persons;
  std::string error;
  if (!year_persons(ctx(), year(), persons, error)) {
    MessageWindow(3, 0, error.c_str(), 0);
    return 0;
  }
  ZusPayer payer;
  load_payer(ctx(), payer, error);
  std::vector<std::string> lines;
  for (const YearPerson& y : persons) {
    append(lines, what == 0 ? year_info_rows(y) : year_rmua_rows(year(), y, payer, ctx()->today));
    lines.push_back("");
  }
  show_lines("RMR", "ZUS-RMUA", lines);
  return 0;
}

int zus_main() {
  data::TableHandles& t = sets();
  if (!t.open()) return 0;
  FIELD4* f_mie = t.field("MIE");
  FIELD4* f_inr = t.field("INR");
  FIELD4* f_dwy = t.field("DWY");
  FIELD4* f_daz = t.field("DAZ");
  FIELD4* f_inf = t.field("INF");
  payroll::load_payroll_parameters(ctx(), year());
  payroll::load_zus_settings(ctx());
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Generuj ", kHelp + 10, 'g', 0, generate, nullptr);
    MenuDefineItem(" Modyfikuj ", kHelp + 20, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Raport ", kHelp + 30, 'r', 0, print_sets, nullptr);
    MenuDefineItem(" Export ", kHelp + 40, 'e', 0, export_set, nullptr);
    MenuDefineItem(" Usuń ", kHelp + 50, 'u', 0, remove_set, nullptr);
    MenuDefineItem(" Przelewy ", kHelp + 60, 'p', 0, transfers_to_zus, nullptr);
    MenuDefineItem(" Info mies. ", kHelp + 70, 'i', 0, month_information, nullptr);
    MenuDefineItem(" Info rok ", kHelp + 72, 'o', 0, year_information, nullptr);
    DefineScrollColumn(&f.scroll, f_mie, 0, "m-c", t.tag(1));
    DefineScrollColumn(&f.scroll, f_inr, 0, "rap");
    DefineScrollColumn(&f.scroll, f_dwy, 0, "data");
    DefineScrollColumn(&f.scroll, t.field("RCA"), 0, "RCA");
    DefineScrollColumn(&f.scroll, t.field("RSA"), 0, "RSA");
    DefineScrollColumn(&f.scroll, t.field("RZA"), 0, "RZA");
    DefineScrollColumn(&f.scroll, f_daz, 0, "data zapłaty");
    DefineEditCtrl(&f.edits, 0, 11, f_mie, EDIT_SHOW_ONLY);
    DefineEditCtrl(&f.edits, 1, 11, f_inr, EDIT_SHOW_ONLY);
    DefineEditCtrl(&f.edits, 3, 39, f_dwy, 0)->picture = "DD-MM-CCYY";
    EditControl* paid = DefineEditCtrl(&f.edits, 4, 39, f_daz, 0);
    paid->picture = "DD-MM-CCYY";
    paid->valid = [f_dwy](EditControl* c) {
      std::string digits;
      for (char ch : c->buffer)
        if (ch >= '0' && ch <= '9') digits += ch;
      HostDate d;
      if (digits.size() == 8) {
        bool dmy = c->buffer.find('-') != std::string::npos;
        d.year = std::atoi(digits.substr(dmy ? 4 : 0, 4).c_str());
        d.month = std::atoi(digits.substr(dmy ? 2 : 4, 2).c_str());
        d.day = std::atoi(digits.substr(dmy ? 0 : 6, 2).c_str());
      }
      if (d.empty() || d < f4date(f_dwy)) {
        Uwaga(kPaidBeforeFilled);
        return -1;
      }
      return 0;
    };
    for (auto [name, row] : {std::pair{"DUS", 5}, {"DUZ", 6}, {"DFP", 7}})
      DefineEditCtrl(&f.edits, row, 39, t.field(name), 0)->picture = "9999999.99";
    DefineEditCtrl(&f.edits, 9, 39, t.field("DEP"), EDIT_UPPER);
  };
  auto fill = [&](BROWSE* b) {
    b->title = "Deklaracje ZUS";
    b->form_template = dictionaries::template_id(197);
    b->form_rows = 10;
    b->stamp = f_inf;
    b->hot_key = [f_inf](int key) { return hot_keys(key, 0, 0, -1, kHelp + 20, 0, kHelp + 50, f_inf); };
  };
  return dictionaries::run_register(frame, t.data, t.tag(1), 10, 10, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::ZusDeclarations, zus_main);

}  // namespace
}  // namespace skolvarin::declarations
