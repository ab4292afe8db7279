#include "payroll/list_rules.h"

#include "payroll/component_catalogue.h"

namespace skolvarin::payroll {

namespace {

constexpr std::string_view kCopiedCodes[] = {"D11",  "D211", "D503", "D504", "D505", "D507", "D508",
                                             "S500", "S501", "S502", "P121", "P122", "S311", "P311",
                                             "S319", "P319", "P901", "P902", "P903", "S329"};
constexpr std::string_view kCopiedWhileRunning[] = {"S502", "P121", "P122", "S311", "P311", "S319", "P319"};

}  // namespace

void propose_copy_target(CopyRequest& r) {
  if (r.from_month == 12) {
    r.to_year = r.from_year + 1;
    r.to_month = 1;
  } else {
    r.to_year = r.from_year;
    r.to_month = r.from_month + 1;
  }
  if (r.to_list == 0) r.to_list = r.from_list == 0 ? 1 : r.from_list;
}

CopyProblem check_copy(const CopyRequest& r, bool source_exists, bool target_exists) {
  constexpr int kBadMonth = 50137;
  CopyProblem p;
  if (r.from_month < 1 || r.from_month > 12) p.message = kBadMonth;
  else if (!source_exists) p.text = "Brak listy do skopiowania !";
  else if (r.to_year != r.from_year && r.to_year != r.from_year + 1) p.text = "Zły rok !";
  else if (r.to_month < 1 || r.to_month > 12 || (r.to_year == r.from_year && r.to_month <= r.from_month))
    p.message = kBadMonth;
  else if (target_exists) p.text = "Lista o podanym numerze już istnieje !";
  return p;
}

bool copied_component(const PayComponent& c) {
  const std::string_view code = trim_code(c.KGS);
  if (!(c.STA == 'T' || code_in(code, kCopiedCodes))) return false;
  if (code_in(code, kCopiedWhileRunning) && !c.DDO.empty() &&
      c.DDO < last_day_of_month(c.DDO.year, c.DDO.month))
    return false;
  return true;
}

}  // namespace skolvarin::payroll
