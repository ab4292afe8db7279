// The transfer options ("OPCJE PRZELEWÓW"), kept with the main options:
//   ordinary: preprinted forms key 40, parts key 61, default form key 41,
//     addresses key 37, sign before and after the amount key 35 and its
//     count key 36, split account number key 34, separate boxes key 51,
//     characters per line key 39;
//   tax: print as ordinary key 63, preprinted key 42, parts key 69, default
//     form key 43, separate boxes key 49, characters per line key 50;
//   ZUS: preprinted key 44, default form key 45.
#pragma once

#include "data/main_options.h"

namespace skolvarin::transfers {

struct TransferOptions {
  char ordinary_preprinted = 'T';
  int ordinary_parts = 4;
  char ordinary_form = 'P';
  char ordinary_addresses = 'N';
  char sign = ' ';
  int sign_count = 0;
  char split_account = 'N';
  char ordinary_boxes = 'N';
  int ordinary_line = 54;
  char tax_as_ordinary = 'N';
  char tax_preprinted = 'T';
  int tax_parts = 2;
  char tax_form = 'P';
  char tax_boxes = 'T';
  int tax_line = 27;
  char zus_preprinted = 'T';
  char zus_form = 'P';
};

TransferOptions options_from(const data::MainOptions& o);
void options_into(const TransferOptions& t, data::MainOptions& o);

// The options window (screen resource 66, F2 "Zapisz"): the parts and the
// characters per line are checked (message 202), switching the boxes sets
// an out-of-range line length to 27 or 54; F2 writes the main options.
int options_window();

}  // namespace skolvarin::transfers
