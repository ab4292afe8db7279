#include "payroll/component_catalogue.h"

#include <algorithm>

namespace skolvarin::payroll {
namespace {

constexpr std::string_view kCatalogue[] = {
    "D11",  "D121", "D122", "D123", "D211", "D221", "D31",  "D32",  "D501", "D502", "D503", "D504", "D505",
    "D506", "D507", "P111", "P112", "P121", "P122", "P130", "P140", "P151", "P152", "P155", "P311", "P312",
    "P313", "P314", "P315", "P321", "P322", "P331", "P332", "P333", "P334", "P350", "P900", "P901", "P902",
    "P903", "P999", "S211", "S212", "S213", "S214", "S215", "S216", "S220", "S223", "S224", "S311", "S312",
    "S313", "S314", "S315", "S316", "S317", "S318", "S321", "S322", "S323", "S324", "S331", "S332", "S333",
    "S334", "S335", "S336", "S337", "S338", "S350", "S500", "S501", "S502", "P319", "P325", "P327", "S319",
    "S320", "S325", "S326", "S327", "S328", "P398", "P399", "S398", "S399", "D508", "S329"};
static_assert(std::size(kCatalogue) == 89);

constexpr std::string_view kLetterless[] = {
    "11",  "12",  "21",  "22",  "31",  "32",  "50",  "111", "112", "121", "122", "130", "140", "151", "152",
    "155", "211", "212", "213", "214", "215", "216", "220", "311", "312", "313", "314", "315", "316", "317",
    "318", "321", "322", "323", "324", "331", "332", "333", "334", "335", "336", "337", "338", "350", "900",
    "901", "902", "903", "319", "320", "325", "326", "327", "328", "398", "399", "329"};
static_assert(std::size(kLetterless) == 57);

constexpr std::string_view kAbsences[] = {"N111", "N112", "N121", "N122", "N151", "N152", "N155", "N311", "N312",
                                          "N313", "N314", "N321", "N322", "N331", "N332", "N333", "N334", "N350",
                                          "N800", "N999", "N319", "N325", "N327", "N398", "N399"};
static_assert(std::size(kAbsences) == 25);

int position_in(std::span<const std::string_view> list, std::string_view code) {
  code = trim_code(code);
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == code) return static_cast<int>(i);
  return -1;
}

}  // namespace

std::span<const std::string_view> component_catalogue() { return kCatalogue; }
std::span<const std::string_view> letterless_catalogue() { return kLetterless; }
std::span<const std::string_view> absence_catalogue() { return kAbsences; }

std::string_view trim_code(std::string_view code) {
  while (!code.empty() && (code.back() == ' ' || code.back() == '\0')) code.remove_suffix(1);
  return code;
}

int catalogue_position(std::string_view code) { return position_in(kCatalogue, code); }
int letterless_position(std::string_view digits) { return position_in(kLetterless, trim_code(digits).substr(0, 3)); }
int absence_position(std::string_view code) { return position_in(kAbsences, code); }

bool code_in(std::string_view code, std::span<const std::string_view> codes) {
  code = trim_code(code);
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace skolvarin::payroll
