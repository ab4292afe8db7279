// Printed PIT forms on their pages: PIT-11 (template 87), PIT-40 (104),
// PIT-4R (77), PIT-8AR (119) from the computed records, PIT-2 (73) and
// PIT-12 (97) from the person and the firm, NIP-3 (55) from a W3NIP3 record
// and ORD-ZU (70) from the correction reasons of a form.  Print codes and
// titles: P11 "PIT-11", P40 "PIT-40", P4R "PIT-4R", P8R "PIT-8AR", PI2
// "PIT-2", PI12 "PIT-12", NI3 "NIP-3", ORD "ORD-ZU".
#pragma once

#include <string>

#include "declarations/pit_forms.h"
#include "host/api/context.h"

namespace skolvarin::declarations {

enum class PitPrint { Pit11, Pit40, Pit4R, Pit8AR, Pit2, Pit12, Nip3, OrdZu };

// "PIT-11" .. "ORD-ZU" (case ignored).
std::optional<PitPrint> pit_print_from_name(std::string_view name);

struct PitPrintRequest {
  PitPrint what = PitPrint::Pit11;
  int year = 0;
  long person = 0;              // PIT-11, PIT-40 (0: every person), PIT-2, PIT-12 (required)
  long record = 0;              // NIP-3: the record of W3NIP3 (0: the first)
  PitForm corrected = PitForm::Pit11;  // ORD-ZU: the form whose correction it justifies
  int preview = 0;              // deinit_prn's argument: 0 printed at once, 1 the preview
};

// Prints; 0 with the PDF's path in `pdf` (when printed), or -1 with a Polish
// `error` (form not computed, no such person, a correction without reasons).
int print_pit(HostContext* ctx, const PitPrintRequest& request, std::string& pdf, std::string& error);

}  // namespace skolvarin::declarations
