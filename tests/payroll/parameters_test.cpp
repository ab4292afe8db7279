// Settings groups of the payroll: key tables against the published key
// list and the defaults a new year's file is created with.
#include "payroll/parameters.h"

#include <gtest/gtest.h>

#include <set>

namespace skolvarin::payroll {
namespace {

template <class Block>
std::set<int> key_numbers(std::span<const SettingKey<Block>> keys) {
  std::set<int> s;
  for (const auto& k : keys) EXPECT_TRUE(s.insert(k.key).second) << "key " << k.key << " twice";
  return s;
}

TEST(PayrollParameterKeys, ParentalBasesOnlyAfter2011) {
  auto y2011 = key_numbers(payroll_parameter_keys(2011));
  auto y2012 = key_numbers(payroll_parameter_keys(2012));
  for (int k = 17; k <= 21; ++k) {
    EXPECT_EQ(y2011.count(k), 0u) << k;
    EXPECT_EQ(y2012.count(k), 1u) << k;
  }
  // 66 keys in all with the five parental bases.
  EXPECT_EQ(y2012.size(), 66u);
  EXPECT_EQ(y2011.size(), 61u);
}

TEST(PayrollParameterKeys, TableDefaultsAreTheBlockDefaults) {
  PayrollParameters from_table;
  from_table.monthly_costs = -1;
  from_table.minimum_pay = -1;
  from_table.parental_base[4] = -1;
  from_table.fp_below_minimum = "?";
  apply_defaults<PayrollParameters>(from_table, payroll_parameter_keys(2017));
  const PayrollParameters fresh;
  EXPECT_EQ(from_table.monthly_costs, 111.25);
  EXPECT_EQ(from_table.minimum_pay, 1850.00);
  EXPECT_EQ(from_table.parental_base[4], 2375.40);
  EXPECT_EQ(from_table.fp_below_minimum, "N");
  for (const auto& k : payroll_parameter_keys(2017)) {
    PayrollParameters a = fresh;
    if (const double* d = k.double_in(a)) {
      EXPECT_DOUBLE_EQ(*d, k.number_default) << k.key;
    }
    if (const int* i = k.int_in(a)) {
      EXPECT_EQ(*i, static_cast<int>(k.number_default)) << k.key;
    }
    if (const std::string* s = k.text_in(a)) {
      EXPECT_EQ(*s, k.text_default) << k.key;
    }
  }
}

TEST(PayrollParameterKeys, SpotValuesOfTheKeyList) {
  struct Case {
    int key;
    double value;
  } cases[] = {{1, 111.25}, {98, 139.06}, {2, 46.33}, {3, 18}, {5, 2.45}, {6, 0.10}, {47, 9.76}, {48, 9.76},
               {49, 1.50}, {50, 6.50}, {51, 2.45}, {53, 9.00}, {73, 7.75}, {37, 33}, {54, 121650}, {55, 1850},
               {99, 13}, {87, 25}, {10, 200}, {16, 3210.60}, {93, 19.52}};
  auto keys = payroll_parameter_keys(2016);
  for (const Case& c : cases) {
    bool found = false;
    for (const auto& k : keys)
      if (k.key == c.key) {
        found = true;
        EXPECT_DOUBLE_EQ(k.number_default, c.value) << c.key;
      }
    EXPECT_TRUE(found) << c.key;
  }
  for (const auto& k : keys)
    if (k.key == 64) {
      EXPECT_EQ(k.host_message_default, 20014);
      EXPECT_EQ(k.width, 27);
    }
}

TEST(ZusSettingKeys, AccidentRateAndAccountTypes) {
  ZusSettings z;
  z.accident_rate = 0;
  z.account_flat_tax = 5;
  apply_defaults<ZusSettings>(z, zus_setting_keys());
  EXPECT_DOUBLE_EQ(z.accident_rate, 1.80);
  EXPECT_EQ(z.account_flat_tax, 1);
  EXPECT_EQ(z.short_name, "T");
  EXPECT_EQ(key_numbers(zus_setting_keys()).size(), 12u);
}

TEST(CalendarKeys, DefaultsDifferIn2016) {
  WorkCalendar c;
  apply_defaults<WorkCalendar>(c, calendar_keys(2016));
  EXPECT_EQ(c.hours_of(1), 152);
  EXPECT_EQ(c.hours_of(7), 168);
  EXPECT_EQ(c.days_of(1), 19);
  apply_defaults<WorkCalendar>(c, calendar_keys(2017));
  EXPECT_EQ(c.hours_of(1), 160);
  EXPECT_EQ(c.hours_of(7), 184);
  EXPECT_EQ(c.days_of(12), 21);
  EXPECT_EQ(c.hours_of(13), 0);
  EXPECT_EQ(key_numbers(calendar_keys(2017)).size(), 37u);
  EXPECT_EQ(default_calendar(2016).days[1], 21);
  EXPECT_EQ(default_calendar(2020).days[1], 20);
}

TEST(OwnerHealthBase, WarningFrom2015AtOrBelow310457) {
  PayrollParameters p;
  p.owner_min_health_base = 3104.57;
  EXPECT_TRUE(owner_health_base_warning(2015, p));
  EXPECT_FALSE(owner_health_base_warning(2014, p));
  p.owner_min_health_base = 3104.58;
  EXPECT_FALSE(owner_health_base_warning(2015, p));
}

}  // namespace
}  // namespace skolvarin::payroll
