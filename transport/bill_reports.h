// The two printouts of the transport bills as text, filled into their
// templates (200 and 165): the yearly summary by
// month and fuel (130 columns) and the settlement of a vehicle's bills
// against its mileage allowance (66 columns).
#pragma once

#include <string>

#include "transport/mileage.h"

namespace skolvarin::transport {

std::string summary_text(const YearSummary& s, int year);
std::string settlement_text(const Settlement& s, int year, const std::string& owner,
                            const std::string& registration);

}  // namespace skolvarin::transport
