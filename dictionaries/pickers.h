// The dictionaries as choosers of other forms: the countries register and
// the contractors register opened as pickers, the currency list, and the
// currency check of exchange rates and filters.
//
// Each opens the table it needs when the running register has not opened
// it, and closes again only what it opened itself.
#pragma once

#include <string>

#include "host/api/browse_api.h"

namespace skolvarin::dictionaries {

// Chooser of a country field: the countries register as a picker; the
// control gets the chosen country's name.  0 chosen, 27 not.
int choose_country(EditControl* ctrl);
// Chooser of a currency field: the countries' currencies in a list; the
// control gets the currency code.  0 chosen, 27 not.
int choose_currency(EditControl* ctrl);
// The contractors register as a picker: 0 and the chosen record number of
// W3KHNT.DBF (the table is then positioned on it, when it stays open), or
// 27 when nothing was chosen.
int pick_contractor(long* recno);

// The currency check: empty refused (host warning), "PLN" accepted without
// opening anything, any other code looked up among the countries'
// currencies (warning 20047 when missing; a table that cannot be opened
// refuses the code).  0 accepted, -1 refused.
int check_currency(const std::string& code);

// Main functions of the two registers used as pickers (also the menu's).
int countries_main();
int contractors_main();

}  // namespace skolvarin::dictionaries
