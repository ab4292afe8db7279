// Payroll parameters of one working year, the firm's ZUS settings and the
// working-time calendar of one year: the three settings groups every payroll
// computation draws its rates, amounts, limits and switches from.
//
// The blocks are plain values; a default-constructed block holds the value
// every key takes when its group is created.  The key tables below describe
// each group as data (key number, value type, label, default, and the member
// the value lives in) so the settings reader can fill a block key by key
// and append a missing key with its default.  Invariants:
//  - every key of a group appears once in its table, in the reading order;
//  - a table entry's default equals the member's value in a
//    default-constructed block (for the calendar: the block made by
//    default_calendar(year));
//  - percentages are kept as typed (9.76 means 9.76 %), never as fractions;
//  - switches of type C hold one character, "T" or "N".
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace skolvarin::payroll {

// "PARAMETRY PŁACOWE" (W3PAPL, one file per working year, shared by firms).
struct PayrollParameters {
  double monthly_costs = 111.25;            // key 1 "miesięczny koszt uzysku"
  double monthly_costs_raised = 139.06;     // key 98 "podwyższony"
  double monthly_reduction = 46.33;         // key 2 "miesięczne odliczenie"
  double family_allowance_1 = 48.00;        // key 45 "na 1 dziecko"
  double family_allowance_3 = 64.00;        // key 69 "na 3 dziecko"
  double family_allowance_4 = 68.00;        // key 70 "na 4 dziecko i kolejne"
  double nursing_allowance = 153.00;        // key 46
  double social_allowance = 520.00;         // key 71
  double tax_rate = 18;                     // key 3 "stopa zaliczki na podatek" %
  double fp_rate = 2.45;                    // key 5 Fundusz Pracy %
  double fgsp_rate = 0.10;                  // key 6 FGŚP %
  std::string fp_below_minimum = "N";       // key 72 FP also below the minimum pay
  double fep_rate = 1.50;                   // key 12 Fundusz Emerytur Pomostowych %
  double sickness_benefit_pct = 80;         // key 38 "zasiłek chorobowy"
  double accident_sickness_pct = 100;       // key 39 "zasiłek chorobowy (wypadek)"
  double care_benefit_pct = 80;             // key 40 "zasiłek opiekuńczy"
  double rehabilitation_pct = 75;           // key 88 "świadczenie rehabilitacyjne"
  double accident_rehabilitation_pct = 100; // key 89
  double maternity_pct = 100;               // key 90 "zasiłek macierzyński"
  double overtime_2h_pct = 50;              // key 41
  double overtime_after_2h_pct = 100;       // key 42
  double days_off_pct = 100;                // key 43
  double pension_employee = 9.76;           // key 47
  double pension_employer = 9.76;           // key 48
  double disability_employee = 1.50;        // key 49
  double disability_employer = 6.50;        // key 50
  double sickness = 2.45;                   // key 51
  double health = 9.00;                     // key 53
  double health_deductible = 7.75;          // key 73
  int employer_sick_days = 33;              // key 37
  int max_overtime_hours = 150;             // key 44
  int first_days_illness_limit = 0;         // key 91
  int first_days_unpaid = 0;                // key 92
  double yearly_pension_cap = 121650.00;    // key 54
  double minimum_pay = 1850.00;             // key 55
  double minimum_hourly_rate = 13.00;       // key 99
  double health_service_fee_pct = 0;        // key 56
  double benefit_service_fee_pct = 0;       // key 57
  int auto_absences = 2;                    // key 61: 1 TAK, 2 NIE
  int auto_fixed_components = 2;            // key 62: 1 TAK, 2 NIE
  std::string health_limited_to_advance = "N";  // key 67
  int certificate_days = 7;                 // key 86
  double late_certificate_cut_pct = 25;     // key 87
  std::array<double, 5> parental_base = {2375.40, 2375.40, 2375.40, 2375.40, 2375.40};  // keys 17..21
  double mandate_costs_pct = 20;            // key 7
  double mandate_tax_pct = 18;              // key 8
  std::string flat_deduct_health = "N";     // key 68
  double flat_rate_limit = 200.00;          // key 10
  double flat_tax_pct = 18;                 // key 11
  std::string zus_bank;                     // key 63 (30)
  std::string account_social;               // key 64 (27), host message 20014
  std::string account_health;               // key 65 (27), host message 20015
  std::string account_funds;                // key 66 (27), host message 20016
  std::string account_fep;                  // key 13 (27), host message 20031
  double owner_pension = 19.52;             // key 93
  double owner_disability = 8.00;           // key 94
  double owner_sickness = 2.45;             // key 95
  double owner_health = 9.00;               // key 96
  double owner_health_deductible = 7.75;    // key 97
  double owner_min_social_base = 2433.00;   // key 14
  double owner_min_sickness_base = 2433.00; // key 15
  double owner_min_health_base = 3210.60;   // key 16

  // Monthly costs for an employee with (raised) or without increased costs.
  double monthly_costs_for(bool raised) const { return raised ? monthly_costs_raised : monthly_costs; }
};

// "ZUS" (W3PAZU, one for the firm, all years).
struct ZusSettings {
  std::string export_dir;                 // key 1 (78)
  std::string short_name = "T";           // key 51
  std::string owners_with_employees = "N";  // key 26
  std::string owners_separate_dirs = "T"; // key 27
  std::string reserved53 = "T";           // key 53, kept as read
  std::string reserved54 = "T";           // key 54, kept as read
  double accident_rate = 1.80;            // key 52 "wypadkowe" %
  int account_zus = 1;                    // key 28
  int account_income_tax = 1;             // key 47
  int account_payroll = 1;                // key 49
  int account_contracts = 1;              // key 50
  int account_flat_tax = 1;               // key 44
};

// "ZUR" (W3PAZR, the working-time calendar of one year).
struct WorkCalendar {
  std::array<int, 12> hours = {160, 160, 176, 168, 160, 168, 184, 160, 176, 176, 160, 168};  // keys 1..12
  std::array<int, 12> days = {20, 20, 22, 21, 20, 21, 23, 20, 22, 22, 20, 21};               // keys 13..24
  std::array<std::string, 12> advance_dates;  // keys 25..36, "DD-MM/YY"
  int special_positions = 0;                  // key 37

  int hours_of(int month) const { return month >= 1 && month <= 12 ? hours[month - 1] : 0; }
  int days_of(int month) const { return month >= 1 && month <= 12 ? days[month - 1] : 0; }
};

// The calendar a year's file is created with (2016 has its own defaults).
WorkCalendar default_calendar(int year);

// Value type of a key as the settings file stores it: D double (DO), I
// integer (IN), C one-character switch (CH), T text of `width` characters (CH).
enum class SettingType { Double, Integer, Switch, Text };

// One key of a settings group.  Exactly one of the member pointers is set;
// an array member is addressed together with `index`.
template <class Block>
struct SettingKey {
  int key;
  SettingType type;
  int width;                 // characters of a text key (1 for a switch, 0 otherwise)
  std::string_view label;
  double number_default;     // Double and Integer keys
  std::string_view text_default;  // Switch and Text keys
  int host_message_default;  // non-zero: the default is the text of this host message
  double Block::*d = nullptr;
  int Block::*i = nullptr;
  std::string Block::*s = nullptr;
  std::array<double, 5> Block::*d5 = nullptr;
  std::array<int, 12> Block::*i12 = nullptr;
  std::array<std::string, 12> Block::*s12 = nullptr;
  int index = 0;

  double* double_in(Block& b) const { return d ? &(b.*d) : d5 ? &(b.*d5)[index] : nullptr; }
  int* int_in(Block& b) const { return i ? &(b.*i) : i12 ? &(b.*i12)[index] : nullptr; }
  std::string* text_in(Block& b) const { return s ? &(b.*s) : s12 ? &(b.*s12)[index] : nullptr; }
};

// Group labels as the settings reader reports them.
inline constexpr std::string_view kPayrollGroupLabel = "PARAMETRY PŁACOWE";
inline constexpr std::string_view kZusGroupLabel = "ZUS";
inline constexpr std::string_view kCalendarGroupLabel = "ZUR";

// Keys of "PARAMETRY PŁACOWE" for a working year, in reading order; the
// parental-leave bases (keys 17..21) exist only for years after 2011.
std::span<const SettingKey<PayrollParameters>> payroll_parameter_keys(int working_year);
std::span<const SettingKey<ZusSettings>> zus_setting_keys();
// Keys of "ZUR"; the defaults depend on the year (2016 differs).
std::span<const SettingKey<WorkCalendar>> calendar_keys(int year);

// Fills every key of `keys` in `block` with its default (text defaults that
// come from host messages are left empty: their text belongs to the host).
template <class Block>
void apply_defaults(Block& block, std::span<const SettingKey<Block>> keys) {
  for (const auto& k : keys) {
    if (double* p = k.double_in(block)) *p = k.number_default;
    if (int* p = k.int_in(block)) *p = static_cast<int>(k.number_default);
    if (std::string* p = k.text_in(block)) *p = std::string(k.text_default);
  }
}

// After loading: a working year after 2014 whose minimum health base of
// owners is not above 3104.57 gets host warning 20183 (the value stays).
bool owner_health_base_warning(int working_year, const PayrollParameters& p);

}  // namespace skolvarin::payroll
