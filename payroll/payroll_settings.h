// The payroll's three settings groups as the module holds them while a
// payroll register runs: the parameters of the working year ("PARAMETRY
// PŁACOWE", W3PAPL, shared by the firms), the firm's ZUS settings ("ZUS",
// W3PAZU) and the working-time calendar of a year ("ZUR", W3PAZR).
//
// The payroll dispatcher loads them before a payroll register runs; only
// the parameters form writes them back.  A key missing from its file is
// appended with its default when the group is loaded, so the first load of
// a new year creates the whole group.
#pragma once

#include "host/api/context.h"
#include "payroll/parameters.h"

namespace skolvarin::payroll {

struct PayrollSettings {
  PayrollParameters parameters;
  int parameters_year = 0;  // year the parameters were loaded for (0: none)
  ZusSettings zus;
  WorkCalendar calendar;
  int calendar_year = 0;    // year the calendar was loaded for (0: none)
};

// The module's loaded groups (one object, reset with reset_payroll_settings).
PayrollSettings& payroll_settings();
void reset_payroll_settings();

// Each returns 0, or -1 when the file cannot be opened or a key cannot be
// read or written (the settings reader has told the user: 20058 / 20059).
int load_payroll_parameters(HostContext* ctx, int year);
int save_payroll_parameters(HostContext* ctx, int year);
int load_zus_settings(HostContext* ctx);
int save_zus_settings(HostContext* ctx);
int load_calendar(HostContext* ctx, int year);
int save_calendar(HostContext* ctx, int year);

// Working hours of `month` of `year`: the loaded calendar for the working
// year; for an earlier year the calendar of the year before the working
// year, for a later one that of the year after it (the working year's is
// loaded again afterwards).  0 hours raise the alarm of message 210 with the
// year asked and give -1; otherwise 0 and *hours set.
int calendar_hours(HostContext* ctx, int month, int year, int* hours);

}  // namespace skolvarin::payroll
