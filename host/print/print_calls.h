// The host's print calls (host/api/print_api.h) over the print core: the
// printout being written, template pages, and the printed list of a
// register.  This header gives the pieces the calls are made of to the
// host's own code and tests.
#pragma once

#include <string>

#include "host/api/print_api.h"
#include "host/print/page_template.h"
#include "host/print/print_document.h"
#include "host/print/table_print.h"

struct PrintBuffer {
  skolvarin::print::PageTemplate page;
};

namespace skolvarin::print {

// The printed list of a register as a document (what prn_tab_rap previews):
// columns in their print order, records of `data` in its selected tag's
// order that pass `filter`.  The table's position is kept.
PrintDocument build_tab_rap(HostContext* ctx, DATA4* data, const TabuDefinition& columns, const std::string& title,
                            X4FilterFn filter, void* filter_arg, const std::string& subtitle);

// The name a printed list's files start with: its title in capitals,
// Polish letters without their marks, other characters as '_' ("Kursy
// walut" gives "KURSY_WALUT"), at most 24 characters; "LISTA" for no title.
std::string printout_code(const std::string& title);

// The table layout of a register's print columns (headers split over two
// lines, widths, alignment, totals).
TableLayout tab_rap_layout(const TabuDefinition& columns, const std::string& title);

// The printout being written (nullptr when none).
const PrintDocument* current_printout();

// The folder of a firm's prints: <firm directory>/wydruki/.
std::string print_folder(const HostContext* ctx);

}  // namespace skolvarin::print
