#include "payroll/employee_switches.h"

#include <algorithm>

#include "host/api/rounding.h"
#include "payroll/law.h"

namespace skolvarin::payroll {

void EmployeeLaw::apply(EmployeeForPay& pay) const {
  pay.ppk = ppk;
  pay.ppk_low = ppk_low;
  pay.ppk_employee_extra = ppk_employee_extra;
  pay.ppk_employer_extra = ppk_employer_extra;
  pay.exemption = exemption;
  pay.CKU = raised_costs ? 'T' : 'N';
}

void EmployeeLaw::apply(EmployeeForNewRecord& record) const {
  record.ULG = pit2 ? 'T' : 'N';
  record.pit2_payers = pit2_payers;
}

std::optional<Date> birth_date_from_pesel(std::string_view pesel) {
  while (!pesel.empty() && pesel.back() == ' ') pesel.remove_suffix(1);
  while (!pesel.empty() && pesel.front() == ' ') pesel.remove_prefix(1);
  if (pesel.size() != 11 || !std::all_of(pesel.begin(), pesel.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  auto two = [&](size_t at) { return (pesel[at] - '0') * 10 + (pesel[at + 1] - '0'); };
  int month = two(2);
  // The century sits in the tens of the month: 80 the 1800s, 0 the 1900s,
  // 20 the 2000s, 40 the 2100s, 60 the 2200s.
  constexpr int kCenturies[] = {1900, 2000, 2100, 2200, 1800};
  const int band = month / 20;
  Date d{kCenturies[band] + two(0), month % 20, two(4)};
  if (!is_valid_date(d)) return std::nullopt;
  return d;
}

std::optional<Date> birth_date_of(const PersonForLaw& person) {
  if (!person.birth.empty() && is_valid_date(person.birth)) return person.birth;
  return birth_date_from_pesel(person.pesel);
}

Date birthday(const Date& birth, int years) {
  Date d{birth.year + years, birth.month, birth.day};
  if (d.month == 2 && d.day == 29 && !is_leap_year(d.year)) d.day = 28;
  return d;
}

int age_on(const Date& birth, const Date& on) {
  int years = on.year - birth.year;
  if (on < birthday(birth, years)) --years;
  return years;
}

EmployeeLaw employee_law(const LawSwitches& sw, const PersonForLaw& person, const Date& on) {
  const Law law = law_on(on.year, on.month);
  const std::optional<Date> birth = birth_date_of(person);
  EmployeeLaw e;
  e.age = birth ? age_on(*birth, on) : -1;
  e.ppk = law.ppk.in_force && sw.ppk && (sw.ppk_from.empty() || !(on < sw.ppk_from)) &&
          (sw.ppk_to.empty() || on < sw.ppk_to);
  if (e.ppk) {
    e.ppk_low = sw.ppk_low;
    e.ppk_employee_extra = sw.ppk_employee_extra;
    e.ppk_employer_extra = sw.ppk_employer_extra;
  }
  const bool young = birth && !(birthday(*birth, 26) < on);
  if (law.relief.youth_limit > 0 && young && !sw.youth_waived) {
    e.exemption = 'M';
  } else if (law.relief.others_limit > 0 && (sw.exemption == 'P' || sw.exemption == 'R' || sw.exemption == 'S')) {
    e.exemption = sw.exemption;
  }
  e.pit2 = person.pit2 != 'N';
  e.pit2_payers = e.pit2 ? std::clamp(sw.pit2_payers, 1, 3) : 0;
  e.raised_costs = person.raised_costs == 'T';
  return e;
}

std::string law_switches_problem(const LawSwitches& sw, const PersonForLaw& person, const Date& today) {
  if (sw.pit2_payers < 1 || sw.pit2_payers > 3) return "Liczba płatników, którym złożono PIT-2: 1, 2 lub 3 !";
  if (sw.pit2_payers > 1 && person.pit2 == 'N')
    return "Pracownik nie złożył PIT-2 (\"odliczać ulgę\" = N): nie ma czego dzielić między płatników !";
  const bool any_ppk_detail = sw.ppk_low || !same_grosz(sw.ppk_employee_extra, 0.0) ||
                              !same_grosz(sw.ppk_employer_extra, 0.0) || !sw.ppk_from.empty() || !sw.ppk_to.empty();
  if (!sw.ppk && any_ppk_detail)
    return "Stawka obniżona, wpłaty dodatkowe i daty PPK tylko dla uczestnika PPK !";
  const Law law = law_on(today.year, today.month);
  if (R(sw.ppk_employee_extra, 2) < 0 || R(sw.ppk_employee_extra - law.ppk.employee_extra_max, 2) > 0)
    return "Dodatkowa wpłata pracownika do PPK: od 0 do 2 % wynagrodzenia !";
  if (R(sw.ppk_employer_extra, 2) < 0 || R(sw.ppk_employer_extra - law.ppk.employer_extra_max, 2) > 0)
    return "Dodatkowa wpłata pracodawcy do PPK: od 0 do 2,5 % wynagrodzenia !";
  if (!sw.ppk_from.empty() && !sw.ppk_to.empty() && sw.ppk_to < sw.ppk_from)
    return "Data rezygnacji z PPK jest wcześniejsza niż data przystąpienia !";
  const std::optional<Date> birth = birth_date_of(person);
  const Date joined = sw.ppk_from.empty() ? today : sw.ppk_from;
  if (sw.ppk && birth && !(joined < birthday(*birth, 70)))
    return "Osoba, która ukończyła 70 lat, nie może uczestniczyć w PPK !";
  if (sw.exemption != ' ' && sw.exemption != 'P' && sw.exemption != 'R' && sw.exemption != 'S')
    return "Zwolnienie: P - powrót z zagranicy, R - rodzina 4+, S - pracujący senior, puste - brak !";
  if (sw.exemption == 'S') {
    if (!birth) return "Do ulgi dla pracujących seniorów potrzebny jest PESEL lub data urodzenia !";
    if (age_on(*birth, today) < (person.sex == 'M' ? 65 : 60))
      return "Ulga dla pracujących seniorów przysługuje od 60 lat (kobiety) lub 65 lat (mężczyźni) !";
  }
  return {};
}

}  // namespace skolvarin::payroll
