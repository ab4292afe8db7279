// The dictionary of contract subjects (W3UMPR.DBF): six lines of 77
// characters each, kept so that a subject typed once can be put into any
// contract.  In the contract form F4 on the first subject line opens the
// dictionary as a pick list (with adding, changing and removing entries) and
// F6 edits the contract's six lines in one window.
#pragma once

struct EditControl;

namespace skolvarin::declarations {

// F4 on PR1: the chosen entry's lines go into PR1..PR6 of the contracts
// table's record buffer.  0 chosen, 27 not.
int pick_subject_lines(EditControl* pr1);

// F6 on PR1: the six lines in an editing window; F2 keeps them.
int edit_subject_lines(EditControl* pr1);

}  // namespace skolvarin::declarations
