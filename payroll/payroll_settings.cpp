#include "payroll/payroll_settings.h"

#include <string>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/settings.h"
#include "frame/register_hooks.h"
#include "host/api/screen_api.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {

namespace {

PayrollSettings g_settings;

// A group of the reader bound to the members of `block`.
template <class Block>
data::SettingsGroup bind_group(std::string_view label, const char* file, Block& block,
                               std::span<const SettingKey<Block>> keys) {
  data::SettingsGroup g;
  g.label = std::string(label);
  g.table = data::find_table(file);
  for (const auto& k : keys) {
    switch (k.type) {
      case SettingType::Double:
        g.keys.push_back(data::SettingKey::number(k.key, k.double_in(block), k.number_default));
        break;
      case SettingType::Integer:
        g.keys.push_back(data::SettingKey::integer(k.key, k.int_in(block), static_cast<int>(k.number_default)));
        break;
      case SettingType::Switch:
      case SettingType::Text: {
        std::string def(k.text_default);
        if (k.host_message_default) def = RcQStr(k.host_message_default);
        g.keys.push_back(data::SettingKey::text(k.key, k.text_in(block), k.width, def));
        break;
      }
    }
  }
  return g;
}

int working_year() { return data::working_year(data::state().ctx); }

int load_parameters_for_dispatcher(HostContext* ctx) { return load_payroll_parameters(ctx, working_year()); }
int load_zus_for_dispatcher(HostContext* ctx) { return load_zus_settings(ctx); }
int load_calendar_for_dispatcher(HostContext* ctx) { return load_calendar(ctx, working_year()); }

const frame::SettingsLoaderProvider kParametersLoader("W3PAPL  .DBF", load_parameters_for_dispatcher);
const frame::SettingsLoaderProvider kZusLoader("W3PAZU.DBF", load_zus_for_dispatcher);
const frame::SettingsLoaderProvider kCalendarLoader("W3PAZR  .DBF", load_calendar_for_dispatcher);

}  // namespace

PayrollSettings& payroll_settings() { return g_settings; }
void reset_payroll_settings() { g_settings = PayrollSettings(); }

int load_payroll_parameters(HostContext* ctx, int year) {
  PayrollParameters& p = g_settings.parameters;
  p = PayrollParameters();
  auto g = bind_group(kPayrollGroupLabel, "W3PAPL  .DBF", p, payroll_parameter_keys(year));
  int rc = data::read_settings(ctx, g, year);
  g_settings.parameters_year = year;
  if (rc == 0 && owner_health_base_warning(year, p)) Uwaga(msg::kHealthBaseLow);
  return rc;
}

int save_payroll_parameters(HostContext* ctx, int year) {
  auto g = bind_group(kPayrollGroupLabel, "W3PAPL  .DBF", g_settings.parameters, payroll_parameter_keys(year));
  return data::write_settings(ctx, g, year);
}

int load_zus_settings(HostContext* ctx) {
  g_settings.zus = ZusSettings();
  auto g = bind_group(kZusGroupLabel, "W3PAZU.DBF", g_settings.zus, zus_setting_keys());
  return data::read_settings(ctx, g, 0);
}

int save_zus_settings(HostContext* ctx) {
  auto g = bind_group(kZusGroupLabel, "W3PAZU.DBF", g_settings.zus, zus_setting_keys());
  return data::write_settings(ctx, g, 0);
}

int load_calendar(HostContext* ctx, int year) {
  g_settings.calendar = default_calendar(year);
  auto g = bind_group(kCalendarGroupLabel, "W3PAZR  .DBF", g_settings.calendar, calendar_keys(year));
  int rc = data::read_settings(ctx, g, year);
  g_settings.calendar_year = year;
  return rc;
}

int save_calendar(HostContext* ctx, int year) {
  auto g = bind_group(kCalendarGroupLabel, "W3PAZR  .DBF", g_settings.calendar, calendar_keys(year));
  return data::write_settings(ctx, g, year);
}

int calendar_hours(HostContext* ctx, int month, int year, int* hours) {
  const int working = working_year();
  int found = 0;
  if (year == working && g_settings.calendar_year == working) {
    found = g_settings.calendar.hours_of(month);
  } else {
    // Another year's file: the year before or after the working year.
    int other = year < working ? working - 1 : year > working ? working + 1 : working;
    if (load_calendar(ctx, other) == 0) found = g_settings.calendar.hours_of(month);
    load_calendar(ctx, working);
  }
  if (found == 0) {
    MessageWindow(3, 0, PrintfQStr(RcQStr(msg::kNoCalendarHours), year), 0);
    return -1;
  }
  if (hours) *hours = found;
  return 0;
}

}  // namespace skolvarin::payroll
