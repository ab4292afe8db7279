// The host's read-only browse of the firm's book of revenue and expenses
// (see host/api/book_api.h): the entries of one year in date order, their
// amount columns, filters by month and by source, the printed list with
// totals, and the month table (" Miesiące ": Enter closes or opens the
// highlighted month for changes by the posting service).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/api/book_api.h"
#include "host/api/browse_api.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"

namespace {

constexpr const char* kSourceNames[] = {"1. VAT-SPRZEDAŻ ", "2. VAT-ZAKUPY   ", "3. DOWODY WEWN. ",
                                        "4. AMORTYZACJE  ", "5. PENSJE-BRUTTO", "6. PENSJE-ZUS   ",
                                        "7. UMOWY-BRUTTO ", "8. UMOWY-ZUS    "};
constexpr const char* kMonthNames[] = {"Styczeń", "Luty",     "Marzec",   "Kwiecień",
                                       "Maj",     "Czerwiec", "Lipiec",   "Sierpień",
                                       "Wrzesień", "Październik", "Listopad", "Grudzień"};

struct BookRun {
  HostContext* ctx = nullptr;
  int year = 0;
  FiltersDefinition filters;
};
BookRun* g_run = nullptr;

std::string book_name(int year) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "W3DANE%02d.DBF", year % 100);
  return buf;
}

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

int filters_item(int) {
  if (!g_run) return -1;
  OpenFiltersWindow(&g_run->filters);
  browse_call(0, 0);
  return 0;
}

int months_item(int) {
  if (!g_run) return -1;
  int current = 0;
  for (;;) {
    std::vector<std::string> items;
    for (int m = 1; m <= 12; ++m) {
      char line[64];
      std::snprintf(line, sizeof line, " %-12s %s ", kMonthNames[m - 1],
                    book_month_open(g_run->ctx, g_run->year, m) ? "otwarty  " : "zamknięty");
      items.emplace_back(line);
    }
    int chosen = wybierz_z_listy(items, current, " MIESIĄCE KSIĘGI ");
    if (chosen < 0) return 0;
    current = chosen;
    int month = chosen + 1;
    book_set_month_closed(g_run->ctx, g_run->year, month, book_month_open(g_run->ctx, g_run->year, month));
  }
}

int print_item(int) { return browse_drukuj(0); }

}  // namespace

int book_browse(HostContext* ctx, int year) {
  if (!ctx) return -1;
  if (year <= 0) year = ctx->module_year > 0 ? ctx->module_year : ctx->today.year;
  const std::string name = book_name(year);
  SaveDir(ctx);
  SwitchDir(ctx, 1);
  if (!EnvFileExists(ctx, name.c_str())) {
    RestoreDir(ctx);
    MessageWindow(1, 0, ("Księga roku " + std::to_string(year) + " nie ma jeszcze pozycji.").c_str(), 0);
    return -1;
  }
  DATA4* d = d4open(ctx, name.c_str());
  RestoreDir(ctx);
  if (!d) return -1;
  AllocDbfDefinition(ctx);
  DefineTag(ctx, "DTOS(DAT)+STR(RECNO(),9,0)");
  DefineTag(ctx, "STR(MONTH(DAT),2,0)+STR(LPO,5,0)");
  TAG4INFO* tags = GetTagsInfo(ctx, 0);
  int rc = i4create(d, tags);
  ReleaseDbfDefinition(ctx);
  if (rc != 0) {
    d4close(d);
    return -1;
  }
  FIELD4* f_lpo = d4field(d, "LPO");
  FIELD4* f_dat = d4field(d, "DAT");
  FIELD4* f_num = d4field(d, "NUM");
  FIELD4* f_na1 = d4field(d, "NA1");
  FIELD4* f_op1 = d4field(d, "OP1");
  FIELD4* f_zrk = d4field(d, "ZRK");
  const char* amount_names[] = {"PSP", "POP", "ZAK", "UBO", "WYN", "INN"};
  FIELD4* amounts[6];
  for (int i = 0; i < 6; ++i) amounts[i] = d4field(d, amount_names[i]);

  BookRun run;
  run.ctx = ctx;
  run.year = year;
  BookRun* outer = g_run;
  g_run = &run;
  ResetFiltersDefinition(&run.filters);
  FilterExtras month_extras;
  month_extras.picture = "99";
  month_extras.valid = [](EditControl* c) {
    int m = std::atoi(c->buffer.c_str());
    if (c->buffer.find_first_of("0123456789") == std::string::npos || (m >= 1 && m <= 12)) return 0;
    MessageWindow(2, 0, "Miesiąc od 1 do 12 !", 0);
    return -1;
  };
  month_extras.compare = [](FIELD4* field, const std::string& value) {
    return date4month(f4str(field)) == std::atoi(value.c_str()) ? ROW_PASSES : ROW_FAILS;
  };
  DefineFilter(&run.filters, f_dat, "miesiąc.........", " m-c:", FILTER_TEXT, 0, month_extras);
  FilterExtras source_extras;
  for (const char* s : kSourceNames) source_extras.choices.emplace_back(s);
  DefineFilter(&run.filters, f_zrk, "źródło..........", " źródło:", FILTER_CHOICE, 0, source_extras);

  ScrollDefinition scroll;
  ResetScrollDefinition(&scroll, 80);
  DefineScrollColumn(&scroll, f_lpo, 0, "l.p.");
  DefineScrollColumn(&scroll, f_dat, 0, "data")->width = 10;
  DefineScrollColumn(&scroll, f_num, 0, "nr dok.")->width = 12;
  DefineScrollColumn(&scroll, f_na1, 0, "nazwa")->width = 14;
  ScrollColumn* rev = DefineScrollColumn(&scroll, amounts[0], 0, "przychód");
  rev->width = 11;
  rev->show = [amounts] { return money(f4double(amounts[0]) + f4double(amounts[1])); };
  ScrollColumn* cost = DefineScrollColumn(&scroll, amounts[2], 0, "wydatki");
  cost->width = 11;
  cost->show = [amounts] {
    return money(f4double(amounts[2]) + f4double(amounts[3]) + f4double(amounts[4]) + f4double(amounts[5]));
  };
  ScrollColumn* src = DefineScrollColumn(&scroll, f_zrk, 0, "źródło");
  src->width = 9;
  src->show = [f_zrk] {
    int z = f4int(f_zrk);
    return z >= 1 && z <= 8 ? std::string(kSourceNames[z - 1] + 3) : std::string();
  };

  TabuDefinition print;
  ResetTabuDefinition(&print);
  DefineTabuColumn(&print, "l.p.", 0, f_lpo, TABU_FIELD_WIDTH, 1);
  DefineTabuColumn(&print, "data", 0, f_dat, TABU_FIELD_WIDTH, 2);
  DefineTabuColumn(&print, "nr dok.", 0, f_num, 0, 3)->width = 14;
  DefineTabuColumn(&print, "nazwa", 0, f_na1, 0, 4)->width = 20;
  DefineTabuColumn(&print, "opis", 0, f_op1, TABU_FIELD_WIDTH, 5);
  const char* headers[] = {"przychód ze|sprzedaży", "pozostałe|przychody", "towary i|materiały",
                           "koszty|uboczne", "wynagro-|dzenia", "pozostałe|wydatki"};
  for (int i = 0; i < 6; ++i) DefineTabuColumn(&print, headers[i], 0, amounts[i], TABU_FIELD_WIDTH | TABU_SUM, 6 + i);
  DefineTabuColumn(&print, "źr.", 0, f_zrk, TABU_FIELD_WIDTH, 12);

  int saved = w4select(-1);
  int menu = DefineMainMenuWindow();
  MenuDefineItem(" Filtry ", 0, 'f', -1, filters_item, nullptr);
  MenuDefineItem(" Drukuj ", 0, 'r', -1, print_item, nullptr);
  MenuDefineItem(" Miesiące ", 0, 'm', -1, months_item, nullptr);
  BROWSE* b = nullptr;
  if (allocate_browse(&b, d, d4tag(d, 1), &scroll, menu) == 0) {
    b->ctx = ctx;
    b->title = "KSIĘGA PRZYCHODÓW I ROZCHODÓW " + std::to_string(year);
    b->print_title = b->title;
    b->print_columns = &print;
    b->filter_function = FilterFunction;
    b->filters = &run.filters;
    b->read_only = true;
    zrob_browse(b, 0, 0, 0);
    free_browse(b);
  }
  FreeFilters(&run.filters);
  if (menu >= 0) w4close(menu);
  w4select(saved);
  g_run = outer;
  d4close(d);
  return 0;
}
