// Straight-line depreciation of fixed assets: which assets take part in a
// month's booking and for how much, the year-closing pass of one record, and
// the recomputation of the annual and monthly amounts when the updated
// initial value or the annual amount is typed.
//
// Values of one asset record (amounts with two decimals):
//   WPZ depreciation base, WUZ accumulated depreciation up to the start of the
//   working year, AWO write-offs booked in the working year, RSO annual
//   amount, RMO monthly instalment, DWU accumulated depreciation (history).
// Invariant kept by every booking: WUZ + AWO never exceeds WPZ, because a
// month adds at most the remaining value WPZ − (WUZ + AWO).
// An asset takes part in the booking of month M of year Y when its hand-over
// date, as an 8-character "YYYYMMDD" text, is not greater than the text of
// day 31 of month M − 1 (December of Y − 1 for January): depreciation starts
// in the month after hand-over.  The liquidation date plays no part.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "host/api/calendar.h"

namespace skolvarin::assets {

inline constexpr int kMsgAlreadyBooked = 2;     // "Amortyzację już dopisano !"
inline constexpr int kWarnNothingToBook = 37;   // "Brak środków trwałych podlegających amortyzacji!"
inline constexpr int kLedgerSourceAssets = 4;   // ledger source code of the booking

struct AssetValues {
  Date handed_over;  // DPU
  double wpz = 0, dwu = 0, wuz = 0, rso = 0, rmo = 0, awo = 0;
};

// "YYYYMM31" of the month before month M of year Y.
std::string booking_cutoff(int year, int month);
bool takes_part(const AssetValues& a, int year, int month);

// WPZ − (WUZ + AWO), to the grosz.
double remaining_value(const AssetValues& a);

// The asset's write-off for month M of year Y: min(RMO, remaining value) when
// it takes part and value remains, else 0.
double monthly_writeoff(const AssetValues& a, int year, int month);

// Sum of the write-offs of all assets for the month.
double month_total(std::span<const AssetValues> assets, int year, int month);

// Adds the month's write-off to AWO; false (record unchanged, not to be
// written) when the asset contributes nothing.
bool apply_booking(AssetValues& a, int year, int month);

// Booking month: the month of the ledger's last entry of the working year,
// January for an empty ledger.
int booking_month(const std::optional<Date>& last_ledger_entry);

// Date of the booking entry: the last day of month M (29 February in a leap
// working year).
Date booking_date(int year, int month);

// One ledger entry as the "already booked" check sees it.
struct LedgerMark {
  Date date;
  int source = 0;      // ZRK
  bool cancelled = false;  // ANU not blank
};
// True when an entry of month M (of the given year) with source 4 and no
// cancellation mark exists.
bool month_already_booked(std::span<const LedgerMark> entries, int year, int month);

// The year-closing pass of one record carried into a new year.
void close_year(AssetValues& a);

struct AnnualAmounts {
  double rso = 0, rmo = 0;
};
// Leaving WPZ: RSO = WPZ × STA / 100 (two decimals), RMO = RSO / 12.
AnnualAmounts amounts_from_base(double wpz, double sta);
// Leaving RSO: RMO = RSO / 12 (two decimals).
AnnualAmounts amounts_from_annual(double rso);

}  // namespace skolvarin::assets
