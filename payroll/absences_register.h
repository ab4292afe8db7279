// The absences register (" Nieobecność ") and what the payroll reads from
// the absences and averages tables: the days off, an employee's pay basis,
// the absences of a month and the averages records, gathered into the input
// of absence_components_of_month.
//
// The readers need their tables open (the payroll dispatcher opens them for
// the lists, the absences and the averages); they keep the tables' current
// record and selected tag.
#pragma once

#include <set>
#include <string>

#include "payroll/absence_components.h"

#include "host/api/db_api.h"

namespace skolvarin::payroll {

// Keeps a table's current record and selected tag over a scan.
struct KeptPlace {
  DATA4* d;
  long rec;
  TAG4* tag;
  explicit KeptPlace(DATA4* data) : d(data), rec(d4recno(data)), tag(d4tag_selected(data)) {}
  ~KeptPlace() {
    d4tag_select(d, tag);
    if (rec > 0 && rec <= d4reccount(d)) d4go(d, rec);
  }
  KeptPlace(const KeptPlace&) = delete;
  KeptPlace& operator=(const KeptPlace&) = delete;
};

// " Filtry " of the absences and averages registers: the filters window of
// the running register's frame, then the list refreshed.
int registers_filters_item(int code);

// Days off of W3DNWO.DBF as day numbers; false when the table cannot be
// read (the caller shows host warning 20097).
bool read_days_off(std::set<long>& days_off);

// The employee `kod` (his record number in W3PRAC.DBF): his pay basis,
// averaging months, hiring date and title; false when he is not there
// (alarm 33).
bool read_absence_employee(long kod, AbsenceEmployee& e, std::string* person = nullptr);

// Absences of employee `kod` whose first day lies in `month` of the open
// absences year (W3NIEO), in the order of their first days.
std::vector<AbsenceEntry> read_absences(long kod, int month);

// Every averages record of employee `kod` (W3SRDN).
std::vector<AveragesEntry> read_averages(long kod);

// The whole input for the absences of `month`/`year` of employee `kod`, with
// the working-time fraction of the pay record (`WY1`/`WY2`) and its title.
// false when the employee is missing (alarm 33).
bool absence_month_input(long kod, int year, int month, int WY1, int WY2, const std::string& KTU,
                         AbsenceMonthInput& in, std::string* person = nullptr);

}  // namespace skolvarin::payroll
