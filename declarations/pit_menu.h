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

// The form of the person's PIT-11 or PIT-40 record of the working year:
// the amounts as computed (shown), the period and tax residence (PIT-11),
// the correction flag and its reasons (typed).  Returns 15360 when saved,
// 27 when left or when the record does not exist ("PIT-11 niewypełniony!"
// with "Uruchom OBLICZ." is shown then).
int edit_pit_person(PitForm form, long person);

// " Oblicz ": computes the form for the working year.  Returns 0.
int pit_compute_item(PitForm form);
// " Drukuj ": the preview of the form of `person` (0: every person); a
// person's PIT-11 and PIT-40 show their form first (edit_pit_person).
int pit_print_item(PitPrint what, long person);
// " Eksportuj ": the e-declaration file(s) of `person` (0: every person),
// after the person's form as for " Drukuj ".
int pit_export_item(PitForm form, long person);

}  // namespace skolvarin::declarations
