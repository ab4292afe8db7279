// Interest on one overdue amount: days of delay, interest on tax arrears and
// statutory interest, both over the same days.
//
// Rate tables are lists of rows (start date, rate in per cent, type).  A row
// is in force from its date up to the day before the next row's date; the
// last row stays in force.  Type 'R' is a yearly rate (divided by 365 per
// day), any other type ('D') a daily rate.
//
// The due date is first moved past Saturdays, Sundays and days off (while it
// is before the payment date).  Interest then runs for each day after the
// moved due date up to and including the payment date: N = payment − due
// days.  Each day is charged at the row in force on it; consecutive days
// under one row form a period, and each period adds
//   amount × rate × 0.01 × days ÷ (365 for 'R', 1 for 'D')
// without rounding.  Days before the first row of a table have no rate: they
// are not charged and not counted, so the day-count check then fails.
//
// Alarms (host ids) are returned, not shown: 20097 empty days-off table
// (nothing computed), 20098 empty tax-arrears table, 20099 empty statutory
// table, 20100 the days of the periods of a table do not add up to N.
#pragma once

#include <set>
#include <span>
#include <vector>

#include "host/api/calendar.h"

namespace skolvarin::interest {

inline constexpr int kAlarmNoDaysOff = 20097;
inline constexpr int kAlarmNoTaxRates = 20098;
inline constexpr int kAlarmNoStatutoryRates = 20099;
inline constexpr int kAlarmDayCount = 20100;

struct RateRow {
  Date from;
  double rate = 0;  // per cent
  char type = 'R';  // 'R' yearly, 'D' daily
};

struct RatePeriod {
  Date first, last;  // charged days, both included
  int days = 0;
  double rate = 0;
  char type = 'R';
  double interest = 0;
};

struct InterestPart {
  double interest = 0;
  int days = 0;          // N of this table (0 without delay)
  int period_days = 0;   // days covered by the periods
  std::vector<RatePeriod> periods;
};

// The due date moved to the first working day (not a weekend, not in
// days_off, given as day numbers), but never past the payment date.
Date moved_due_date(const Date& due, const Date& payment, const std::set<long>& days_off);

// Interest of one table; the rows need not be sorted (rows of one date keep
// their given order, the later one in force).
InterestPart interest_for_table(const Date& due, const Date& payment, double amount,
                                std::span<const RateRow> rows, const std::set<long>& days_off);

struct InterestResult {
  int days = 0;                    // days of delay
  double tax_interest = 0;         // unrounded
  double statutory_interest = 0;   // unrounded
  InterestPart tax, statutory;
  std::vector<int> alarms;
};

InterestResult compute_interest(const Date& due, const Date& payment, double amount,
                                std::span<const RateRow> tax_rows,
                                std::span<const RateRow> statutory_rows,
                                const std::set<long>& days_off);

// The tax-arrears interest as the calculator shows it: whole złoty.
double tax_interest_shown(double tax_interest);

}  // namespace skolvarin::interest
