#include "dictionaries/register_tools.h"

#include "data/module_state.h"
#include "dictionaries/register_frame.h"
#include "host/api/screen_api.h"

namespace skolvarin::dictionaries {

namespace {
constexpr int kEmptyList = 50007;
}

int open_filters(FiltersDefinition* filters) {
  if (!filters) return -1;
  OpenFiltersWindow(filters);
  browse_call(0, 0);
  return 0;
}

bool filters_accepted(FiltersDefinition* filters) {
  return filters && OpenFiltersWindow(filters) == skolvarin::keys::F2 && (browse_call(0, 0), true);
}

int for_each_filtered(DATA4* d, FiltersDefinition* filters, const std::function<void()>& each) {
  const long saved = d4recno(d);
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, filters);
  int n = 0;
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1), ++n) each();
  if (saved >= 1 && saved <= d4reccount(d)) d4go(d, saved);
  return n;
}

bool find_filtered(DATA4* d, FiltersDefinition* filters, const std::function<bool()>& hit) {
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, filters);
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1))
    if (hit()) {
      browse_call(1, d4recno(d));
      return true;
    }
  return false;
}

std::string ask_search(const char* prompt, bool date) {
  int window = DefineWprowadzWindow(1, 60, " SZUKAJ ");
  if (window < 0) return {};
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, prompt, date ? 10 : 30, date ? WIDGET_DATE : WIDGET_TEXT);
  const int key = ActivateWindow(window, &set);
  const std::string want = upper(w->value);
  FreeWigets(&set);
  w4close(window);
  return key == skolvarin::keys::F2 ? want : std::string();
}

void summary_preview(const char* print_name, const char* title, int template_id, int rows, int filter_row,
                     FiltersDefinition* filters, const std::function<void(PrintBuffer*)>& fill) {
  HostContext* ctx = data::state().ctx;
  if (open_tmp_edit_file(ctx, print_name, title) != 0) return;
  PrintBuffer *work = nullptr, *orig = nullptr;
  if (print_alloc(&work, &orig, 78 * rows, dictionaries::template_id(template_id), 78) == 0) {
    MemPrintStringFmt(work, 2, 0, ctx->firm_name1.c_str(), 76, PRINT_LEFT);
    MemPrintStringFmt(work, 3, 0, ctx->firm_name2.c_str(), 76, PRINT_LEFT);
    MemPrintStringFmt(work, filter_row, 0, FilterStatusLine(filters).c_str(), 76, PRINT_LEFT);
    fill(work);
    std::string page;
    for (int r = 0; r < print_rows(work); ++r) page += print_row(work, r) + "\n";
    write_page_edit_file(page.c_str());
    print_free(&work, &orig);
  }
  close_tmp_edit_file();
  edytuj_i_drukuj(title);
}

DescendingView::DescendingView(DATA4* table, const std::vector<const char*>& tags) {
  HostContext* ctx = data::state().ctx;
  if (!table) return;
  d = d4open(ctx, d4path(table).c_str());
  if (!d) return;
  AllocDbfDefinition(ctx);
  for (const char* tag : tags) DefineTag_(ctx, tag, "", r4descending);
  const int rc = i4create(d, GetTagsInfo(ctx, 0));
  ReleaseDbfDefinition(ctx);
  if (rc != 0) {
    d4close(d);
    d = nullptr;
    return;
  }
  d4tag_select(d, d4tag(d, 1));
}

DescendingView::~DescendingView() {
  if (d) d4close(d);
}

void define_print_columns(TabuDefinition* def, const std::function<FIELD4*(const char*)>& field,
                          const std::vector<PrintColumn>& columns) {
  int order = 1;
  for (const PrintColumn& c : columns) {
    TabuColumn* col = DefineTabuColumn(def, c.header, 0, field(c.field), 0, order++);
    col->width = c.width;
    if (c.sum) col->attributes |= TABU_SUM;
    if (c.show) col->show = c.show;
  }
}

void tabulogram(DATA4* d, TAG4* order, TabuDefinition* columns, FiltersDefinition* filters, const char* title) {
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, filters);
  if (x4top(&scan) != 0) {
    Uwaga(kEmptyList);
    return;
  }
  TAG4* saved = d4tag_selected(d);
  if (order) d4tag_select(d, order);
  prn_tab_rap(data::state().ctx, d, columns, title, FilterFunction, filters, FilterStatusLine(filters).c_str());
  d4tag_select(d, saved);
}

}  // namespace skolvarin::dictionaries
