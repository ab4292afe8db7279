// Rules of the equipment register that are not a single field's format.
#pragma once

namespace skolvarin::assets {

// The last year a purchase's ledger year may name: 2019 while the working
// year is before 2020 (the register's original window, message 171), else
// the working year itself: a purchase is booked in a ledger of that year or
// an earlier one, never a later one.
constexpr int equipment_ledger_year_limit(int working_year) {
  return working_year < 2020 ? 2019 : working_year;
}

}  // namespace skolvarin::assets
