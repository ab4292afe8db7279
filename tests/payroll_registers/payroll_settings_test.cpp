// The payroll settings groups on a real data directory: a new year's file
// created key by key with its defaults, values written back and read again,
// the low health-base warning, and the working hours of a month of another
// year with the alarm for a month without hours.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/data_directory.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"
#include "payroll/payroll_settings.h"
#include "resources/module_resources.h"

namespace skolvarin::payroll {
namespace {

class PayrollSettingsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    root_ = (fs::temp_directory_path() / ("skolvarin_papl_" + std::to_string(::getpid()) + "_" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                .string() + "/";
    fs::remove_all(root_);
    data::reset_state();
    reset_payroll_settings();
    ctx_.today = HostDate{2026, 12, 5};
    data::state().ctx = &ctx_;
    std::vector<std::string> created;
    std::string error;
    ASSERT_EQ(data::init_data_directory(ctx_, root_, created, error), 0) << error;
    EnvAddRcsObj(&ctx_, resources::module_rcs, 3);
  }
  void TearDown() override {
    data::close_all_tables(&ctx_);
    data::reset_state();
    std::filesystem::remove_all(root_);
  }
  long records(const char* file, int year) {
    data::OpenRequest r;
    r.year = year;
    if (data::open_table(&ctx_, file, r) != 0) return -1;
    long n = d4reccount(data::handles(file).data);
    data::close_table(*data::find_table(file));
    return n;
  }
  // Messages shown without a screen go to standard error.
  template <class F>
  std::string shown_by(F f) {
    ::testing::internal::CaptureStderr();
    f();
    return ::testing::internal::GetCapturedStderr();
  }

  HostContext ctx_;
  std::string root_;
};

TEST_F(PayrollSettingsFiles, NewYearsAreCreatedWithEveryKeyAndKeepWhatWasSaved) {
  ASSERT_EQ(load_payroll_parameters(&ctx_, 2011), 0);
  ASSERT_EQ(load_payroll_parameters(&ctx_, 2012), 0);
  EXPECT_EQ(records("W3PAPL  .DBF", 2011), 61);  // no parental-leave bases before 2012
  EXPECT_EQ(records("W3PAPL  .DBF", 2012), 66);
  ASSERT_EQ(load_calendar(&ctx_, 2016), 0);
  EXPECT_EQ(payroll_settings().calendar.hours_of(1), 152);
  EXPECT_EQ(payroll_settings().calendar.days_of(6), 22);
  EXPECT_EQ(records("W3PAZR  .DBF", 2016), 37);

  payroll_settings().parameters.minimum_pay = 4806;
  payroll_settings().parameters.account_fep = "12345";
  ASSERT_EQ(save_payroll_parameters(&ctx_, 2012), 0);
  ASSERT_EQ(load_payroll_parameters(&ctx_, 2013), 0);
  EXPECT_TRUE(same_grosz(payroll_settings().parameters.minimum_pay, 1850));
  ASSERT_EQ(load_payroll_parameters(&ctx_, 2012), 0);
  EXPECT_TRUE(same_grosz(payroll_settings().parameters.minimum_pay, 4806));
  EXPECT_EQ(payroll_settings().parameters.account_fep, "12345");
  EXPECT_EQ(payroll_settings().parameters.account_social, "83101010230000261395100000");
}

TEST_F(PayrollSettingsFiles, LowHealthBaseIsWarnedFrom2015) {
  struct Case { int year; double base; bool warned; };
  for (Case c : {Case{2015, 3104.57, true}, Case{2015, 3104.58, false}, Case{2014, 100, false}}) {
    ASSERT_EQ(load_payroll_parameters(&ctx_, c.year), 0);
    payroll_settings().parameters.owner_min_health_base = c.base;
    ASSERT_EQ(save_payroll_parameters(&ctx_, c.year), 0);
    int rc = -1;
    std::string shown = shown_by([&] { rc = load_payroll_parameters(&ctx_, c.year); });
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(shown.find("podstawa składki zdrowotnej") != std::string::npos, c.warned) << c.year << " " << c.base;
  }
}

TEST_F(PayrollSettingsFiles, HoursOfAMonthOfAnotherYear) {
  const int year = data::working_year(&ctx_);
  ASSERT_EQ(year, 2026);
  ASSERT_EQ(load_calendar(&ctx_, year), 0);
  payroll_settings().calendar.hours[2] = 0;  // March 2027 without hours
  ASSERT_EQ(save_calendar(&ctx_, 2027), 0);
  payroll_settings().calendar.hours[6] = 200;  // July of the working year
  ASSERT_EQ(save_calendar(&ctx_, year), 0);
  ASSERT_EQ(load_calendar(&ctx_, year), 0);

  int hours = -1;
  EXPECT_EQ(calendar_hours(&ctx_, 7, 2026, &hours), 0);
  EXPECT_EQ(hours, 200);
  EXPECT_EQ(calendar_hours(&ctx_, 7, 2019, &hours), 0);  // the year before: 2025, created with defaults
  EXPECT_EQ(hours, 184);
  EXPECT_EQ(payroll_settings().calendar_year, 2026);
  int rc = 0;
  std::string shown = shown_by([&] { rc = calendar_hours(&ctx_, 3, 2030, &hours); });  // the year after: 2027
  EXPECT_EQ(rc, -1);
  EXPECT_NE(shown.find("Wypełnij ilość godzin w m-cu w parametrach płacowych dla roku 2030 !"), std::string::npos);
  EXPECT_EQ(payroll_settings().calendar_year, 2026);
  EXPECT_EQ(payroll_settings().calendar.hours_of(7), 200);
}

}  // namespace
}  // namespace skolvarin::payroll
