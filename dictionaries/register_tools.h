// Steps several registers take alike: the filters window before a summary
// or a printed list, walking the filtered records, the search window, the
// summary page shown in the host's edit-and-print preview and the printed
// list (tabulogram) of the filtered records.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/api/browse_api.h"
#include "host/api/print_api.h"

namespace skolvarin::dictionaries {

// " Filtry ": the filters window, then the list drawn again.
int open_filters(FiltersDefinition* filters);
// The filters window; on F2 the list is drawn again and true comes back.
bool filters_accepted(FiltersDefinition* filters);

// Calls `each` on every record of `d` that passes the filters (list order);
// the current record is kept.  Returns how many passed.
int for_each_filtered(DATA4* d, FiltersDefinition* filters, const std::function<void()>& each);
// Makes current the first record passing the filters for which `hit`
// holds; false when there is none.
bool find_filtered(DATA4* d, FiltersDefinition* filters, const std::function<bool()>& hit);

// The search window " SZUKAJ " with one input (a date or a text of 30);
// the text typed in upper case, "" when left with Esc or empty.
std::string ask_search(const char* prompt, bool date);

// A summary page over template `template_id` (78 columns, `rows` rows):
// the firm's two header lines at rows 2 and 3, the filters' description at
// `filter_row`, then `fill`; shown in the host's edit-and-print preview
// titled `title` (print name `print_name`).
void summary_preview(const char* print_name, const char* title, int template_id, int rows, int filter_row,
                     FiltersDefinition* filters, const std::function<void(PrintBuffer*)>& fill);

// A second handle on an open table with descending tags of its own (in
// the order given, tag 1 first), so that numbering can seek the highest
// key without moving the register's handle, whose record buffer may hold
// the record being edited.  `d` is nullptr when the table cannot be opened
// again.
class DescendingView {
 public:
  DescendingView(DATA4* table, const std::vector<const char*>& tags);
  ~DescendingView();
  DescendingView(const DescendingView&) = delete;
  DescendingView& operator=(const DescendingView&) = delete;
  DATA4* d = nullptr;
};

// Columns of a printed list, in order: header, field (by name, through
// `field`), width, summed at the end, and a text shown instead of the
// field's.
struct PrintColumn {
  const char* header;
  const char* field;
  int width;
  bool sum = false;
  std::function<std::string()> show = {};
};
void define_print_columns(TabuDefinition* def, const std::function<FIELD4*(const char*)>& field,
                          const std::vector<PrintColumn>& columns);

// The printed list of the filtered records in the order of `order`
// (nullptr: as selected); with none the host's empty-list warning.
void tabulogram(DATA4* d, TAG4* order, TabuDefinition* columns, FiltersDefinition* filters, const char* title);

}  // namespace skolvarin::dictionaries
