// Where a finished printout goes.  Every print is kept: a PDF and a UTF-8
// text file in the firm's print folder (<firm directory>/wydruki/), named by
// the printout's code, the run's date and a sequence number
// ("KHNT_20261205_003.pdf"), so that nothing overwrites an earlier print.
// When the host settings name a printer, the PDF is also sent to it with
// `lp`, in the configured number of copies.
//
// Host print settings live in <common directory>/drukarka.cfg, lines of
// "klucz=wartość": drukarka=<name of the lp printer> (empty: no printer),
// kopie=<copies, 1..99>.  Unknown keys are ignored.
#pragma once

#include <string>

#include "host/api/context.h"
#include "host/print/print_document.h"

namespace skolvarin::print {

struct PrintSettings {
  std::string printer;  // empty: files only
  int copies = 1;
};

PrintSettings load_print_settings(const std::string& common_dir);
bool save_print_settings(const std::string& common_dir, const PrintSettings& s, std::string& error);

struct PrintResult {
  std::string pdf_path;
  std::string text_path;
  bool sent_to_printer = false;
};

// Writes the PDF and the text file into `folder` (created when missing) with
// names from `doc.code`, `today` and the first free sequence number.
bool write_print_files(const PrintDocument& doc, const std::string& folder, const HostDate& today,
                       PrintResult& result, std::string& error);

// The whole road: files in the firm's print folder, then the printer when one
// is configured.  A failing printer keeps the files and reports the error.
bool publish_print(HostContext* ctx, const PrintDocument& doc, PrintResult& result, std::string& error);

}  // namespace skolvarin::print
