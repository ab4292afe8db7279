// One averages record (W3SRDN) filled from an employee's month: his pay
// records, their components and his contracts.  Pure: the averages register
// reads the tables and writes the record.
//
// Where the components go:
//  - D subject to social insurance with SRE "T": the monthly components
//    (DOM), except overtime D121..D123 (DGN), the quarterly D221 (DOK with
//    its period), the yearly D31 (DOR with its period) and D32, D501, D505
//    (other amounts, SNS);
//  - D subject to social insurance with SRE "N": summed apart (DNP);
//  - P subject to social insurance: the deductions (POM); the working days
//    of the absence deductions count as days not worked;
//  - S311..S314, S319..S329: the month had benefits (CCW "T").
// The base from monthly components (SMS) is DOM + DGN - POM, plus a third
// of the quarterly and a twelfth of the yearly components paid in the month.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "host/api/calendar.h"
#include "payroll/benefits.h"

namespace skolvarin::payroll {

struct AverageComponent {
  std::string KGS;
  double KWO = 0;
  bool ZUS = false;   // subject to social insurance
  bool SRE = false;   // counts for the average
  Date DOD, DDO;
  int ILD = 0;
};

struct AveragesFillInput {
  int year = 0, month = 0;
  int pay_records = 0;            // pay records of the month
  double social_base = 0;         // their social-insurance base (B)
  double social_base_before = 0;  // B of the earlier months of the year
  double yearly_limit = 0;        // payroll parameter key 54
  int WY1 = 1, WY2 = 1;
  std::vector<AverageComponent> components;
  double contracts = 0;           // contract amounts subject to social insurance
  std::set<long> days_off;
  double SSE = 9.76, SSR = 1.50, SSC = 2.45;
};

struct AveragesValues {
  double DOM = 0, POM = 0, DNP = 0, DGN = 0, DUZ = 0, DOK = 0, DOR = 0, SNS = 0;
  double SMS = 0, SKS = 0, SRS = 0;
  Date DKO, DKD, DRO, DRD;
  int IDR = 0, IDP = 0;
  int WY1 = 1, WY2 = 1;
  bool CCW = false;
  double SSE = 0, SSR = 0, SSC = 0;
  std::vector<int> messages;  // 34 no components, 167 the yearly limit passed
};

AveragesValues fill_averages(const AveragesFillInput& in);

// What the benefit base takes from a record.
AverageMonth average_month_of(const AveragesValues& v);

}  // namespace skolvarin::payroll
