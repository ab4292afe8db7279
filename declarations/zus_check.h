// The check of a declaration set before it goes to "Płatnik": what ZUS's
// program would refuse — the payer's or a person's missing or wrong
// identifier, an insurance title code that is missing or not a title code,
// counters and declaration sums that differ from the persons.
#pragma once

#include <string>
#include <vector>

#include "declarations/zus_set.h"
#include "declarations/zus_tables.h"

namespace skolvarin::declarations {

struct ZusProblem {
  std::string who;   // "płatnik" or the person's surname and first name
  std::string what;  // Polish description
};

std::vector<ZusProblem> check_set(const ZusSet& set, const ZusPayer& payer, double benefit_fee_pct);

// The report as printed and shown: a title line, one line per problem, or
// a line saying nothing was found.
std::vector<std::string> check_report_lines(const ZusSet& set, const std::vector<ZusProblem>& problems);

}  // namespace skolvarin::declarations
