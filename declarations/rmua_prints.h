// The information for the insured: the monthly information window of one
// person (template 198), the monthly RMUA of one person (169) or of all of
// a set (170, a block a person), and the yearly information (167) and
// yearly RMUA (168) over every set of the year.  Each gives the filled
// template's rows; the register shows or prints them.
#pragma once

#include <string>
#include <vector>

#include "declarations/zus_set.h"
#include "declarations/zus_tables.h"

namespace skolvarin::declarations {

std::vector<std::string> info_rows(const ZusPerson& p);
std::vector<std::string> rmua_rows(const ZusSet& set, const ZusPerson& p, const ZusPayer& payer);
std::vector<std::string> rmua_block_rows(const ZusSet& set, const ZusPerson& p);
std::vector<std::string> year_info_rows(const YearPerson& y);
std::vector<std::string> year_rmua_rows(int year, const YearPerson& y, const ZusPayer& payer, const HostDate& today);

}  // namespace skolvarin::declarations
