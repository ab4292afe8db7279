// Rules of the payroll lists that need no table: the pay component as the
// lists hold it, and the copying of a list to a new month (the target
// proposed, the checks of the copy window, the components that travel).
#pragma once

#include <string>

#include "host/api/calendar.h"

namespace skolvarin::payroll {

// A payroll component (W3PESK).
struct PayComponent {
  long recno = 0;
  long REK = 0, KOD = 0;
  int NRL = 0, MIE = 0;
  std::string KGS, KZU, NA1, NA2, KTU;
  char POD = 'T', ZUS = 'T', STA = 'N', PLC = ' ', SRE = ' ', OBN = ' ';
  double KWO = 0, PRO = 0, RE2 = 0;
  Date DOD, DDO;
  int ILS = 0, ILD = 0, ILG = 0;
};
// Copying lists (" Kopiuj ").
struct CopyRequest {
  int from_year = 0, from_month = 0, from_list = 0;  // from_list 0: every list of the month
  int to_year = 0, to_month = 0, to_list = 0;
};
// The target proposed when the source month is left: the next month, January
// of the next year after December.
void propose_copy_target(CopyRequest& r);
// The first problem of the request as a message id (host 50137 for a month)
// or a text; 0 and "" when it may be copied.  `source_exists` and
// `target_exists` answer whether a list has records.
struct CopyProblem {
  int message = 0;
  std::string text;
  bool ok() const { return message == 0 && text.empty(); }
};
CopyProblem check_copy(const CopyRequest& r, bool source_exists, bool target_exists);
// Whether a component is copied to the new list (by code, fixed switch and
// period end).
bool copied_component(const PayComponent& c);
}  // namespace skolvarin::payroll
