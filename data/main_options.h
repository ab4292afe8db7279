// The main options ("OPCJE GŁÓWNE"): the module-wide switches and rates
// kept in the host common directory's W3PABV<id>.DBF, read once at start
// and written back by the options form.
//
// Key numbers and defaults are fixed by the file format of existing data;
// keys whose meaning belongs to a register are named after their key.
// Invariant: after load_main_options succeeds, working_year is the year the
// per-year tables are opened for and february_days(working_year) is the
// length of February in the month table.
#pragma once

#include <array>
#include <string>

#include "data/settings.h"
#include "host/api/context.h"

namespace skolvarin::data {

struct MainOptions {
  int working_year = 0;             // key 3
  int key5 = 0;                     // key 5
  char key6 = 'A';                  // key 6
  int key16 = 0, key17 = 10, key18 = 40, key19 = 2, key20 = 0;
  std::string key21, key22, key23;  // S 35
  int key24 = 1;
  std::string export_directory;     // key 29: a drive or directory ("A:")
  char nip_check = 'N';             // key 31: 'T' checks NIPs
  char pesel_check = 'N';           // key 32: 'T' checks PESELs
  char key34 = 'N', key35 = ' ', key37 = 'N';
  int key36 = 0, key39 = 54;
  char key40 = 'T', key41 = 'P', key42 = 'T', key43 = 'P', key44 = 'T', key45 = 'P', key49 = 'T';
  int key50 = 27;
  char key51 = 'N', key63 = 'N', key71 = 'N';
  int key61 = 4, key69 = 2;
  std::string key72;                // S 34
  // Lump-sum income tax rates (keys 46, 47, 48, 53, 54, 55, 70), percent.
  std::array<double, 7> lump_sum_rates{3.0, 5.5, 8.5, 17.0, 20.0, 10.0, 2.0};
  // VAT rates up to working year 2010 (keys 56, 57, 58, 60).
  std::array<double, 4> vat_until_2010{22.0, 7.0, 3.0, 6.0};
  // VAT rates from working year 2011 (keys 65, 66, 67, 68).
  std::array<double, 4> vat_from_2011{23.0, 8.0, 5.0, 7.0};
  double flat_tax_rate = 19.0;      // key 62
};

inline constexpr const char* kMainOptionsLabel = "OPCJE GŁÓWNE";

// The group's keys bound to `options` and to the host context's option
// flags (keys 1, 2, 25, 26, 27, 52) and texts (keys 30, 64).  The default of
// key 3 is ctx.today's year.
SettingsGroup main_options_group(MainOptions& options, HostContext& ctx);

// Reads the main options (missing keys appended with defaults).  Returns 0,
// or -1 after message 20058; on failure the defaults stay in `options`.
int load_main_options(HostContext& ctx, MainOptions& options);
// Writes them back key by key.  Returns 0, or -1 after message 20059.
int save_main_options(HostContext& ctx, MainOptions& options);

// The four current VAT rates: keys 65-68 when the working year is after
// 2010, else keys 56, 57, 58, 60.
std::array<double, 4> current_vat_rates(const MainOptions& options);

// 29 in a Gregorian leap year, else 28.
int february_days(int year);

}  // namespace skolvarin::data
