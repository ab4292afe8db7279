// The PIT forms' menu items as the registers call them: " Oblicz ",
// " Drukuj " and " Eksportuj " of PIT-11 and PIT-40 under the employees'
// " Deklaracje ", and the PIT-2 / PIT-12 prints of the current person.  Each
// runs the same function as `skolvarin pit` for the working year and tells
// the user the outcome in a message box.
#pragma once

#include "declarations/pit_forms.h"
#include "declarations/pit_print.h"

namespace skolvarin::declarations {

// Where the e-declaration files of a firm go: "e-deklaracje" in the firm's
// directory (made when missing).
std::string pit_export_directory(const HostContext& ctx);

// " Oblicz ": computes the form for the working year.  Returns 0.
int pit_compute_item(PitForm form);
// " Drukuj ": the preview of the form of `person` (0: every person).
int pit_print_item(PitPrint what, long person);
// " Eksportuj ": the e-declaration file(s) of `person` (0: every person).
int pit_export_item(PitForm form, long person);

}  // namespace skolvarin::declarations
