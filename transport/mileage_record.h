// The mileage record of one vehicle ("Ewidencja przebiegu pojazdu") as text
// lines of 130 characters: the page header of the vehicle's kind (filled
// into the rows of its template), the trips numbered from 1, the "RAZEM"
// line; a line "\f" starts a new page, whose header repeats with the next
// page number.
#pragma once

#include <string>
#include <vector>

#include "host/api/calendar.h"

namespace skolvarin::transport {

inline constexpr int kRecordWidth = 130;
// Rows of the page templates (the print page widths the resources allow).
inline constexpr int kRecordTemplateWidth = 131;
inline constexpr int kRecordPageLines = 60;

struct RecordTrip {
  Date date;
  std::string route, purpose;
  long km = 0;
  double rate = 0, value = 0;
  std::string driver, remarks;
};

struct MileageRecord {
  bool company = false;
  std::vector<std::string> firm;   // name lines
  std::string person, address;     // private: the person using the vehicle
  std::string registration, capacity;
  Date from, to;                   // the period printed (blank: open)
  Date record_from, record_to;     // company: the vehicle's record period
  long odometer = 0;               // company: reading at the start of the period
  std::vector<RecordTrip> trips;
};

// `header`: the template's rows (private or company page).
std::vector<std::string> mileage_record_lines(const MileageRecord& m, const std::vector<std::string>& header);

}  // namespace skolvarin::transport
