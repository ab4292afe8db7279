// Fixed assets (" Amort "): the firm's fixed and intangible assets of the
// working year with their values, rate and depreciation; the month's
// straight-line write-offs booked into the firm's book as one entry; the
// register carried over into a new year.
//
// The form recomputes the annual amount and the monthly instalment when the
// updated initial value or the annual amount is left (depreciation.h); the
// monthly booking takes its month from the book's last entry of the year,
// refuses a month already booked, and applies the write-offs only after the
// user saved the book entry.  Printing renumbers LPO in list order first.
#include <cstdlib>
#include <string>

#include "assets/asset_table.h"
#include "assets/depreciation.h"
#include "cash/ledger_posting.h"
#include "data/opener.h"
#include "data/catalogue.h"
#include "data/year_carry_over.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/rounding.h"

namespace skolvarin::assets {

namespace {

using dictionaries::RegisterFrame;
using dictionaries::template_id;

constexpr const char* kFile = "W3AMOR  .DBF";
constexpr int kTitle = 98;              // "Ewidencja środków trwałych oraz wartości niematerialnych i prawnych za %d"
constexpr int kDescription = 144;       // "Odpis amortyzacyjny"
constexpr int kWaitComputing = 143;     // " Obliczanie amortyzacji ! "
constexpr int kWaitCorrecting = 120;    // " Korekcja pozycji amortyzacji ! "
constexpr int kDateAfterYear = 20088;   // the date's year is after the working year
constexpr int kNegative = 50133;        // "Wartość nie może być ujemna !"
constexpr int kWaitRenumbering = 50030;

struct Run {
  data::TableHandles* table = nullptr;
  AssetFields f;
  EditControl* sta = nullptr;  // the rate as typed, read when WPZ is left
};
Run* g_run = nullptr;

// The amount being edited (its picture applied), 0 when it does not parse.
double typed_amount(EditControl* c) {
  std::string stored;
  if (EditCtrlStored(c, &stored) != 0) return 0;
  return std::strtod(stored.c_str(), nullptr);
}

int refuse_negative(EditControl* c) {
  if (typed_amount(c) >= 0) return 0;
  Uwaga(kNegative);
  return -1;
}

// DAN, DAP: filled, and not in a year after the working year.
int valid_date_in_year(EditControl* c) {
  if (test_daty_niepustej(c) != 0) return -1;
  std::string stored;
  if (EditCtrlStored(c, &stored) != 0) return -1;
  if (date4year(stored.c_str()) > data::working_year(data::state().ctx)) {
    Informacja(kDateAfterYear);
    return -1;
  }
  return 0;
}

int valid_base(EditControl* c) {
  if (refuse_negative(c) != 0) return -1;
  const double wpz = R(typed_amount(c), 2);
  const double sta = g_run->sta && !g_run->sta->buffer.empty() ? typed_amount(g_run->sta) : f4double(g_run->f.sta);
  // A rate typed below 0 was refused when its field was left.
  const AnnualAmounts a = amounts_from_base(wpz, sta);
  f4assign_double(g_run->f.wpz, wpz);
  f4assign_double(g_run->f.rso, a.rso);
  f4assign_double(g_run->f.rmo, a.rmo);
  return 0;
}

int valid_annual(EditControl* c) {
  if (refuse_negative(c) != 0) return -1;
  const AnnualAmounts a = amounts_from_annual(R(typed_amount(c), 2));
  f4assign_double(g_run->f.rso, a.rso);
  f4assign_double(g_run->f.rmo, a.rmo);
  return 0;
}

void wait_step(long done, long total) { WaitWindowStep(done, total); }

// " Księguj ": the month's write-offs as one entry of the book.
int book_month(int) {
  if (!g_run) return -1;
  HostContext* ctx = data::state().ctx;
  DATA4* assets = g_run->table->data;
  const int year = data::working_year(ctx);
  const data::CatalogueEntry* ledger_entry = data::find_table("W3DANE  .DBF");
  if (!ledger_entry) return -1;
  const LedgerView ledger = read_ledger(ctx, data::table_file_name(ctx, *ledger_entry, year));
  if (!ledger.ok) return -1;
  const int month = booking_month(ledger.last_entry);
  if (set_lock(assets, -1) != 0) return -1;
  if (month_already_booked(ledger.entries, year, month)) {
    d4unlock(assets);
    Uwaga(kMsgAlreadyBooked);
    return -1;
  }
  WaitWindowOpen(kWaitComputing);
  std::vector<AssetValues> values;
  for (const AssetRow& r : read_assets(assets, g_run->f)) values.push_back(r.values);
  const double total = month_total(values, year, month);
  WaitWindowClose();
  if (same_grosz(total, 0)) {
    d4unlock(assets);
    Uwaga(kWarnNothingToBook);
    return -1;
  }

  cash::PostingRecord p;
  const Date day = booking_date(year, month);
  p.entry_date = to_dbf(day);
  p.source = kLedgerSourceAssets;
  p.description1 = RcQStr(kDescription);
  p.description2 = std::string(1, cash::kKeepField);
  p.amounts[5] = total;  // INN, other expenses
  p.day_number = day_number(day);
  p.status = ' ';
  p.open_accounts = true;
  cash::post_to_book(p);
  if (p.written) {
    WaitWindowOpen(kWaitCorrecting);
    apply_month(assets, g_run->f, year, month, ctx, wait_step);
    WaitWindowClose();
  }
  d4unlock(assets);
  browse_call(0, 0);
  return 0;
}

// " Drukuj ": LPO renumbered in list order, then the printed list.
int print_register(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  DATA4* assets = g_run->table->data;
  if (d4reccount(assets) == 0) return browse_drukuj(0);  // the host warns of the empty list
  if (set_lock(assets, -1) != 0) return -1;
  WaitWindowOpen(kWaitRenumbering);
  long n = 0;
  const long total = d4reccount(assets);
  bool ok = true;
  for (int rc = d4top(assets); rc == 0 && !d4eof(assets); rc = d4skip(assets, 1)) {
    if (d4deleted(assets)) continue;
    f4assign_long(g_run->f.lpo, ++n);
    if (d4write(assets, 0) != 0) {
      ok = false;
      break;
    }
    WaitWindowStep(n, total);
  }
  d4flush(assets);
  WaitWindowClose();
  int rc = ok ? browse_drukuj(0) : -1;
  d4unlock(assets);
  browse_call(0, 0);
  return rc;
}

int fixed_assets_main() {
  data::TableHandles& t = dictionaries::table(kFile);
  if (!t.open()) return 0;
  Run run;
  run.table = &t;
  if (!run.f.bind(t.data)) return 0;
  g_run = &run;
  // A table just carried over from the previous year is closed out first.
  if (data::take_carried_over(kFile)) close_year_pass(t.data, run.f);

  const int year = data::working_year(data::state().ctx);
  std::string title = PrintfQStr(RcQStr(kTitle), year);
  if (title.size() > 90) title.resize(90);
  FIELD4* f_nrd = t.field("NRD");
  FIELD4* f_pli = t.field("PLI");
  FIELD4* f_wul = t.field("WUL");
  FIELD4* f_uw1 = t.field("UW1");
  FIELD4* f_uw2 = t.field("UW2");
  const AssetFields& f = run.f;

  RegisterFrame frame;
  auto build = [&](RegisterFrame& fr) {
    MenuDefineItem(" Dopisz ", 5910, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Księguj ", 5920, 'k', -1, book_month, nullptr);
    MenuDefineItem(" Modyfikuj ", 5930, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 5940, 'u', 1, browse_skasuj, nullptr);
    MenuDefineItem(" Drukuj ", 5950, 'r', -1, print_register, nullptr);
    DefineScrollColumn(&fr.scroll, f.dan, 0, "data nabycia");
    DefineScrollColumn(&fr.scroll, f.dpu, 0, "data przek.");
    DefineScrollColumn(&fr.scroll, f.naz, 0, "nazwa")->width = 44;
    DefineScrollColumn(&fr.scroll, f.sta, 0, "stopa");

    auto date = [&](int row, int col, FIELD4* field, ValidFunction valid) {
      EditControl* c = DefineEditCtrl(&fr.edits, row, col, field, 0);
      c->picture = "DD-MM/YY";
      c->valid = std::move(valid);
    };
    auto amount = [&](int row, int col, FIELD4* field, ValidFunction valid) {
      DefineEditCtrl(&fr.edits, row, col, field, 0)->valid = std::move(valid);
    };
    date(0, 18, f.dan, valid_date_in_year);
    DefineEditCtrl(&fr.edits, 0, 35, f_nrd, 0);
    date(1, 18, f.dpu, test_daty_niepustej);
    DefineEditCtrl(&fr.edits, 1, 35, f.nri, 0);
    date(2, 18, f.dap, valid_date_in_year);
    DefineEditCtrl(&fr.edits, 3, 7, f.naz, 0)->valid = valid_empty_get;
    DefineEditCtrl(&fr.edits, 4, 18, f.kst, 0);
    amount(5, 34, f.wap, refuse_negative);
    run.sta = DefineEditCtrl(&fr.edits, 5, 68, f.sta, 0);
    run.sta->valid = refuse_negative;
    amount(6, 34, f.wpz, valid_base);
    amount(7, 34, f.dwu, refuse_negative);
    amount(8, 34, f.wuz, refuse_negative);
    amount(9, 34, f.rso, valid_annual);
    amount(10, 34, f.rmo, refuse_negative);
    amount(11, 34, f.awo, nullptr);
    date(12, 20, f.dli, nullptr);
    DefineEditCtrl(&fr.edits, 13, 10, f_pli, 0);
    amount(14, 20, f_wul, nullptr);
    DefineEditCtrl(&fr.edits, 15, 7, f_uw1, 0);
    DefineEditCtrl(&fr.edits, 16, 7, f_uw2, 0);

    struct Col {
      const char* header;
      FIELD4* field;
      bool amount;
    };
    const Col cols[] = {
        {"lp", f.lpo, false},
        {"nazwa", f.naz, false},
        {"symbol\nKŚT", f.kst, false},
        {"wartość\npocząt.", f.wap, true},
        {"wartość\npocząt. zakt.", f.wpz, true},
        {"dotych.\nwart. umorz.", f.dwu, true},
        {"data nabycia", f.dan, false},
        {"data przek.\ndo użytkow.", f.dpu, false},
        {"wartość\numorz.zakt.", f.wuz, true},
        {"stopa", f.sta, false},
        {"roczna kwota\nodpisów", f.rso, true},
        {"odpisy\nmiesięcznie", f.rmo, true},
        {"akt. wartość\nodpisów", f.awo, true},
        {"numer\ndokum.", f_nrd, false},
        {"uwagi", f_uw1, false},
        {"uwagi", f_uw2, false},
        {"data likwid.", f.dli, false},
        {"przyczyna likwid.", f_pli, false},
        {"numer\ninwent.", f.nri, false},
        {"wartość\nulepsz.", f_wul, true},
    };
    int order = 0;
    for (const Col& c : cols)
      DefineTabuColumn(&fr.print_columns, c.header, c.amount ? TABU_SUM : 0, c.field, TABU_FIELD_WIDTH,
                       ++order);
  };
  auto fill = [&](BROWSE* b) {
    b->title = title;
    b->form_template = template_id(2);
    b->form_rows = 17;
    b->stamp = f.inf;
    b->hot_key = [inf = f.inf](int key) { return hot_keys(key, -1, 5910, -1, 5930, 1, 5940, inf); };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(1), 17, 17, 0, build, fill);
  g_run = nullptr;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::FixedAssets, fixed_assets_main);

}  // namespace

}  // namespace skolvarin::assets
