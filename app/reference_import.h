// Filling the shared directory with the reference tables ("tabele
// wzorcowe"): tax scale per year, days off, statutory and tax-arrears
// interest rates, countries, tax offices, ZUS codes and the statutory
// payroll parameters of every year.
//
// Invariants: the import only appends.  A row whose key is already in the
// table (also in a record marked deleted) is left exactly as it is, so a row
// the user changed survives every later run and running twice adds nothing
// the second time.  Keys: W3DNWO, W3ODUS, W3ZAPO the date; W3KRAJ the
// country code (and a country name already used by another code is not
// added again); W3USKA the office code; W3KZUS main group + group + code.
// A year's tax scale W3TABE is written only into an empty table of that
// year (its rows are brackets in order; adding to a user's scale would
// break it).  The payroll parameters of every year 2009-2026 (W3PAPL<rr>)
// get the year's statutory figures for the keys the file does not hold yet
// (keys K1, K2, K3 and the type letter).  Every table is opened through the data dictionary's opener in
// the shared directory, locked as a whole while rows are added, and closed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/api/context.h"

namespace skolvarin::app {

struct ReferenceTableResult {
  std::string table;   // file name as written ("W3TABE26.DBF", "W3DNWO.DBF")
  int added = 0;       // rows appended by this run
  int present = 0;     // rows of the reference set already in the table
};

struct ReferenceImportResult {
  std::vector<ReferenceTableResult> tables;
  int total_added() const;
};

// Called while a table is filled: table name, rows handled so far, rows to
// handle.
using ReferenceProgress = std::function<void(const std::string& table, int done, int total)>;

// Where the reference CSV files are looked for when no directory is given:
// $SKOLVARIN_WZORCE, then <directory of the executable>/wzorce/, then the
// data/reference/ folder of the source tree the program was built from.
// Empty when none of them holds the files.
std::string default_reference_dir();

// Imports the reference set of `reference_dir` into the shared directory of
// the data directory `ctx` was opened for (ctx.shared_dir must be set, see
// data::open_data_directory / init_data_directory).  Returns 0, or -1 with
// a Polish `error` (bad reference file, table that cannot be opened or
// locked); tables already handled keep what was added to them.
int import_reference_tables(HostContext& ctx, const std::string& reference_dir, ReferenceImportResult& result,
                            std::string& error, const ReferenceProgress& progress = {});

// The same with the files of default_reference_dir() and no progress; for
// `skolvarin init` on a new data directory.  Returns the number of rows
// added, or -1 with a Polish `error` (also when no reference files exist).
int import_reference_tables(HostContext& ctx, std::string& error);

}  // namespace skolvarin::app
