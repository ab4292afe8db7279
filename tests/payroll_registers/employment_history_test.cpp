// "Ewidencja przebiegu": the length of service and the record's sections.
#include <gtest/gtest.h>

#include "payroll/employee_documents.h"

namespace skolvarin::payroll {
namespace {

TEST(EmploymentHistory, LengthOfServiceCountsBothEndDays) {
  struct Row {
    const char* from;
    const char* to;
    int years, months, days;
  } rows[] = {
      {"01-03-2020", "10-03-2026", 6, 0, 10},
      {"15-03-2020", "14-04-2020", 0, 1, 0},
      {"01-01-2026", "31-12-2026", 1, 0, 0},
      {"31-01-2024", "29-02-2024", 0, 1, 0},
      {"20-12-2025", "05-01-2026", 0, 0, 17},
      {"10-05-2026", "09-05-2026", 0, 0, 0},  // ends before it starts
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.from) + " " + r.to);
    const ServiceLength s = service_length(r.from, r.to);
    EXPECT_EQ(s.years, r.years);
    EXPECT_EQ(s.months, r.months);
    EXPECT_EQ(s.days, r.days);
  }
}

TEST(EmploymentHistory, RecordListsServiceBreaksPaysAndContractsWithTotals) {
  EmployeeDocumentData d;
  d.first_name = "Jan";
  d.surname = "Nowak";
  d.sex = 'M';
  d.hired = "01-03-2020";
  d.today = "10-03-2026";
  d.title_code = "011000";
  d.base_pay = 4806;
  EmploymentHistory h;
  h.year = 2026;
  h.absences = {{"05-01-2026", "09-01-2026", "N313", "313", "zasiłek chorobowy", 5},
                {"16-02-2026", "17-02-2026", "N111", "111", "urlop bezpłatny", 2}};
  h.pays = {{1, 1, "31-01-2026", 4806, 658.91, 373.24, 168, 3605.85},
            {2, 1, "27-02-2026", 4526, 620.52, 351.50, 151, 3402.98}};
  h.contracts = {{2, "02-02-2026", "20-02-2026", 1000, 880}};
  const std::string t = employment_history_text(d, h);
  for (const char* line : {
           "EWIDENCJA PRZEBIEGU ZATRUDNIENIA W ROKU 2026",
           "data zwolnienia: nadal zatrudniony",
           "staż u pracodawcy na 10-03-2026: 6 lat, 0 mies., 10 dni",
           "  05-01-2026  09-01-2026  N313  313     5  zasiłek chorobowy",
           "  razem dni: 7",
           "  razem                   9332,00   1279,43     724,74    319,00     7008,83",
           "   2     1  27-02-2026    4526,00    620,52     351,50    151,00     3402,98",
           "  o dzieło      02-02-2026  20-02-2026       1000,00       880,00",
       }) {
    EXPECT_NE(t.find(line), std::string::npos) << line << "\n" << t;
  }
  // A person who left: the service runs to that day, sections without rows say so.
  d.left = "31-12-2025";
  const std::string left = employment_history_text(d, EmploymentHistory{2026, {}, {}, {}});
  EXPECT_NE(left.find("staż u pracodawcy na 31-12-2025: 5 lat, 10 mies., 0 dni"), std::string::npos) << left;
  EXPECT_NE(left.find("WYPŁATY\n  brak"), std::string::npos) << left;
}

}  // namespace
}  // namespace skolvarin::payroll
