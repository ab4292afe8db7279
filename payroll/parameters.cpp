// Key tables of the three payroll settings groups.
#include "payroll/parameters.h"

#include <vector>

namespace skolvarin::payroll {
namespace {

template <class B>
constexpr SettingKey<B> D(int key, std::string_view label, double def, double B::*m) {
  SettingKey<B> k{key, SettingType::Double, 0, label, def, {}, 0};
  k.d = m;
  return k;
}
template <class B>
constexpr SettingKey<B> D5(int key, std::string_view label, double def, std::array<double, 5> B::*m, int index) {
  SettingKey<B> k{key, SettingType::Double, 0, label, def, {}, 0};
  k.d5 = m;
  k.index = index;
  return k;
}
template <class B>
constexpr SettingKey<B> I(int key, std::string_view label, int def, int B::*m) {
  SettingKey<B> k{key, SettingType::Integer, 0, label, static_cast<double>(def), {}, 0};
  k.i = m;
  return k;
}
template <class B>
constexpr SettingKey<B> I12(int key, std::string_view label, int def, std::array<int, 12> B::*m, int index) {
  SettingKey<B> k{key, SettingType::Integer, 0, label, static_cast<double>(def), {}, 0};
  k.i12 = m;
  k.index = index;
  return k;
}
template <class B>
constexpr SettingKey<B> C(int key, std::string_view label, std::string_view def, std::string B::*m) {
  SettingKey<B> k{key, SettingType::Switch, 1, label, 0, def, 0};
  k.s = m;
  return k;
}
template <class B>
constexpr SettingKey<B> T(int key, std::string_view label, int width, std::string B::*m, int host_message = 0) {
  SettingKey<B> k{key, SettingType::Text, width, label, 0, {}, host_message};
  k.s = m;
  return k;
}

using P = PayrollParameters;

// Reading order of the parameters form; keys 17..21 sit between 87 and 7.
const SettingKey<P> kPayrollHead[] = {
    D<P>(1, "miesięczny koszt uzysku", 111.25, &P::monthly_costs),
    D<P>(98, "podwyższony", 139.06, &P::monthly_costs_raised),
    D<P>(2, "miesięczne odliczenie", 46.33, &P::monthly_reduction),
    D<P>(45, "zasiłek rodzinny: na 1 dziecko", 48.00, &P::family_allowance_1),
    D<P>(69, "na 3 dziecko", 64.00, &P::family_allowance_3),
    D<P>(70, "na 4 dziecko i kolejne", 68.00, &P::family_allowance_4),
    D<P>(46, "zasiłek pielęgn. na 1 osobę", 153.00, &P::nursing_allowance),
    D<P>(71, "zasiłek stały z pomocy społ.", 520.00, &P::social_allowance),
    D<P>(3, "stopa zaliczki na podatek", 18, &P::tax_rate),
    D<P>(5, "stopa Fundusz Pracy", 2.45, &P::fp_rate),
    D<P>(6, "stopa Fund. Gw. Św. Pracow.", 0.10, &P::fgsp_rate),
    C<P>(72, "czy obliczać składkę na FP dla wynagrodzenia < minimalnego", "N", &P::fp_below_minimum),
    D<P>(12, "stopa Fundusz Emerytur Pom.", 1.50, &P::fep_rate),
    D<P>(38, "zasiłek chorobowy", 80, &P::sickness_benefit_pct),
    D<P>(39, "zasiłek chorobowy (wypadek)", 100, &P::accident_sickness_pct),
    D<P>(40, "zasiłek opiekuńczy", 80, &P::care_benefit_pct),
    D<P>(88, "świadczenie rehabilitacyjne", 75, &P::rehabilitation_pct),
    D<P>(89, "św.rehabilitacyjne(wypadek)", 100, &P::accident_rehabilitation_pct),
    D<P>(90, "zasiłek macierzyński", 100, &P::maternity_pct),
    D<P>(41, "w nadgodzinach do 2h", 50, &P::overtime_2h_pct),
    D<P>(42, "w nadgodzinach po 2h", 100, &P::overtime_after_2h_pct),
    D<P>(43, "w dni wolne od pracy", 100, &P::days_off_pct),
    D<P>(47, "emerytalne pracownika", 9.76, &P::pension_employee),
    D<P>(48, "emerytalne pracodawcy", 9.76, &P::pension_employer),
    D<P>(49, "rentowe pracownika", 1.50, &P::disability_employee),
    D<P>(50, "rentowe pracodawcy", 6.50, &P::disability_employer),
    D<P>(51, "chorobowe", 2.45, &P::sickness),
    D<P>(53, "zdrowotne", 9.00, &P::health),
    D<P>(73, "do odliczenia od podatku", 7.75, &P::health_deductible),
    I<P>(37, "il.dni choroby,za które przysługuje wynagr. wypłacane przez zakład pracy", 33, &P::employer_sick_days),
    I<P>(44, "maksymalna ilość godzin nadliczbowych w roku", 150, &P::max_overtime_hours),
    I<P>(91, "długość choroby,przy której nie przysługuje zasiłek za pierwsze dni", 0, &P::first_days_illness_limit),
    I<P>(92, "il.dni,za które nie przysługuje zasiłek za pierwsze dni", 0, &P::first_days_unpaid),
    D<P>(54, "maksymalna roczna podstawa wymiaru składek na ubez. emeryt. i rent.", 121650.00, &P::yearly_pension_cap),
    D<P>(55, "płaca minimalna", 1850.00, &P::minimum_pay),
    D<P>(99, "minimalna stawka za godzinę pracy", 13.00, &P::minimum_hourly_rate),
    D<P>(56, "stopa wynagrodzenia za obsługę składek na ubez. zdrowotne", 0, &P::health_service_fee_pct),
    D<P>(57, "stopa wynagrodzenia od wypłaconych świadczeń z ubez. chorobowego", 0, &P::benefit_service_fee_pct),
    I<P>(61, "czy automatycznie dopisywać do składników płac nieobecności", 2, &P::auto_absences),
    I<P>(62, "czy automatycznie dopisywać do składników płac stałe składniki", 2, &P::auto_fixed_components),
    C<P>(67, "czy ograniczać składkę na ubezp. zdrowotne do wysokości zaliczki", "N", &P::health_limited_to_advance),
    I<P>(86, "ilość dni na dostarczenie zaświadczenia lekarskiego", 7, &P::certificate_days),
    D<P>(87, "stopa obniżenia zasiłku za nieterminowe dostarczenie zaświadczenia", 25, &P::late_certificate_cut_pct),
};

const SettingKey<P> kPayrollParental[] = {
    D5<P>(17, "styczeń,luty", 2375.40, &P::parental_base, 0),
    D5<P>(18, "marzec,kwiecień, maj", 2375.40, &P::parental_base, 1),
    D5<P>(19, "czerwiec,lipiec,sierpień", 2375.40, &P::parental_base, 2),
    D5<P>(20, "wrzesień,październik,listopad", 2375.40, &P::parental_base, 3),
    D5<P>(21, "grudzień", 2375.40, &P::parental_base, 4),
};

const SettingKey<P> kPayrollTail[] = {
    D<P>(7, "stopa kosztu uzysku", 20, &P::mandate_costs_pct),
    D<P>(8, "stopa podatku dochodowego", 18, &P::mandate_tax_pct),
    C<P>(68, "czy odliczać od podatku składkę na ubezpieczenie zdrowotne", "N", &P::flat_deduct_health),
    D<P>(10, "max.kwota umowy rozl. ryczał", 200.00, &P::flat_rate_limit),
    D<P>(11, "stopa podatku dochodowego", 18, &P::flat_tax_pct),
    T<P>(63, "nazwa banku", 30, &P::zus_bank),
    T<P>(64, "konto dla wpłat na ubezpieczenia społeczne", 27, &P::account_social, 20014),
    T<P>(65, "konto dla wpłat na ubezpieczenie zdrowotne", 27, &P::account_health, 20015),
    T<P>(66, "konto dla wpłat na Fundusz Pracy i FGŚP", 27, &P::account_funds, 20016),
    T<P>(13, "konto dla wpłat na Fundusz Emerytur Pomost.", 27, &P::account_fep, 20031),
    D<P>(93, "emerytalne", 19.52, &P::owner_pension),
    D<P>(94, "rentowe", 8.00, &P::owner_disability),
    D<P>(95, "chorobowe", 2.45, &P::owner_sickness),
    D<P>(96, "zdrowotne", 9.00, &P::owner_health),
    D<P>(97, "zdrowotne do odliczenia od podatku", 7.75, &P::owner_health_deductible),
    D<P>(14, "emerytalne i rentowe", 2433.00, &P::owner_min_social_base),
    D<P>(15, "chorobowe i wypadkowe", 2433.00, &P::owner_min_sickness_base),
    D<P>(16, "zdrowotne", 3210.60, &P::owner_min_health_base),
};

std::vector<SettingKey<P>> join_payroll(bool parental) {
  std::vector<SettingKey<P>> v(std::begin(kPayrollHead), std::end(kPayrollHead));
  if (parental) v.insert(v.end(), std::begin(kPayrollParental), std::end(kPayrollParental));
  v.insert(v.end(), std::begin(kPayrollTail), std::end(kPayrollTail));
  return v;
}

using Z = ZusSettings;
const SettingKey<Z> kZus[] = {
    T<Z>(1, "nazwa katalogu do eksportu raportów dla programu 'Płatnik':", 78, &Z::export_dir),
    C<Z>(51, "czy eksportować nazwę skróconą dla osoby fizycznej", "T", &Z::short_name),
    C<Z>(26, "czy dołączać składki właściciela do deklaracji ZUS pracowników", "N", &Z::owners_with_employees),
    C<Z>(27, "czy deklaracje właścicieli eksportować do osobnych katalogów", "T", &Z::owners_separate_dirs),
    C<Z>(53, "", "T", &Z::reserved53),
    C<Z>(54, "", "T", &Z::reserved54),
    D<Z>(52, "wypadkowe", 1.80, &Z::accident_rate),
    I<Z>(28, "typ konta dla przelewów do ZUS", 1, &Z::account_zus),
    I<Z>(47, "typ konta dla przelewów na podatek dochodowy", 1, &Z::account_income_tax),
    I<Z>(49, "typ konta dla przelewów wynagrodzeń z listy płac", 1, &Z::account_payroll),
    I<Z>(50, "typ konta dla przelewów wynagrodzeń z umów", 1, &Z::account_contracts),
    I<Z>(44, "typ konta dla przelewów podatku zryczałtowanego", 1, &Z::account_flat_tax),
};

using W = WorkCalendar;
constexpr std::array<int, 12> kHours = {160, 160, 176, 168, 160, 168, 184, 160, 176, 176, 160, 168};
constexpr std::array<int, 12> kDays = {20, 20, 22, 21, 20, 21, 23, 20, 22, 22, 20, 21};
constexpr std::array<int, 12> kHours2016 = {152, 168, 176, 168, 160, 176, 168, 176, 168, 168, 160, 168};
constexpr std::array<int, 12> kDays2016 = {19, 21, 22, 21, 20, 22, 21, 22, 21, 21, 20, 21};

std::vector<SettingKey<W>> make_calendar(const std::array<int, 12>& hours, const std::array<int, 12>& days) {
  std::vector<SettingKey<W>> v;
  for (int m = 0; m < 12; ++m) v.push_back(I12<W>(1 + m, "ilość godz.", hours[m], &W::hours, m));
  for (int m = 0; m < 12; ++m) v.push_back(I12<W>(13 + m, "ilość dni roboczych", days[m], &W::days, m));
  for (int m = 0; m < 12; ++m) {
    SettingKey<W> k{25 + m, SettingType::Text, 8, "data przekazania zaliczek", 0, {}, 0};
    k.s12 = &W::advance_dates;
    k.index = m;
    v.push_back(k);
  }
  v.push_back(I<W>(37, "ilość stanowisk pracy w szczególnych warunkach", 0, &W::special_positions));
  return v;
}

}  // namespace

WorkCalendar default_calendar(int year) {
  WorkCalendar c;
  if (year == 2016) {
    c.hours = kHours2016;
    c.days = kDays2016;
  } else {
    c.hours = kHours;
    c.days = kDays;
  }
  return c;
}

std::span<const SettingKey<PayrollParameters>> payroll_parameter_keys(int working_year) {
  static const std::vector<SettingKey<P>> with = join_payroll(true);
  static const std::vector<SettingKey<P>> without = join_payroll(false);
  return working_year > 2011 ? std::span<const SettingKey<P>>(with) : std::span<const SettingKey<P>>(without);
}

std::span<const SettingKey<ZusSettings>> zus_setting_keys() { return kZus; }

std::span<const SettingKey<WorkCalendar>> calendar_keys(int year) {
  static const std::vector<SettingKey<W>> normal = make_calendar(kHours, kDays);
  static const std::vector<SettingKey<W>> y2016 = make_calendar(kHours2016, kDays2016);
  return year == 2016 ? std::span<const SettingKey<W>>(y2016) : std::span<const SettingKey<W>>(normal);
}

bool owner_health_base_warning(int working_year, const PayrollParameters& p) {
  return working_year > 2014 && !(p.owner_min_health_base > 3104.57);
}

}  // namespace skolvarin::payroll
