// Printed documents of one employee: the data sheet, the employment
// history, and the documents of " Formularze " (contract of employment,
// work certificate, questionnaire, dismissal letter, earnings
// certificate), filled from the person's record and the firm and shown in
// the host's editor (the forms) and then in its preview, where F2 prints
// them; every printed document stays in the firm's print folder (the
// archive).
#pragma once

#include <string>
#include <vector>

#include "data/module_state.h"

namespace skolvarin::payroll {

struct EmployeeDocumentData {
  std::string surname, first_name, second_name, father, mother, birth_place, pesel, nip;
  std::string birth_date, hired, left, examination;  // DD-MM-YYYY or ""
  std::string postcode, town, street, house, flat;
  std::string position, title_code, notes;
  int wy1 = 1, wy2 = 1;
  double base_pay = 0, hourly_rate = 0;
  bool hourly = false;
  char sex = 'K';
  long record = 0;
  std::string firm1, firm2;
  std::string today;  // DD-MM-YYYY
};

// "Ewidencja przebiegu": the course of a person's employment in the
// working year -- his employment and length of service, the breaks and
// absences, every pay and every civil-law contract of the year.
struct HistoryAbsence {
  std::string from, to;  // DD-MM-YYYY
  std::string code, zus, name;
  int days = 0;
};
struct HistoryPay {
  int month = 0, list = 0;
  std::string paid;  // DD-MM-YYYY or ""
  double gross = 0, social = 0, health = 0, advance = 0, net = 0;
};
struct HistoryContract {
  int kind = 1;           // TYP: 1, 3 mandate; 2, 4 specific work
  std::string signed_on, bill;  // DD-MM-YYYY
  double gross = 0, net = 0;
};
struct EmploymentHistory {
  int year = 0;
  std::vector<HistoryAbsence> absences;  // in date order
  std::vector<HistoryPay> pays;          // in month and list order
  std::vector<HistoryContract> contracts;
};

// Length of service from `from` to `to`, both days counted, in whole
// years, months and days as the labour law counts them.
struct ServiceLength {
  int years = 0, months = 0, days = 0;
};
ServiceLength service_length(const std::string& from, const std::string& to);  // DD-MM-YYYY

// The text of the record; the length of service runs to the day the person
// left, or to today while he still works.
std::string employment_history_text(const EmployeeDocumentData& d, const EmploymentHistory& h);

// The current record of the employees table (open) with the firm.
EmployeeDocumentData employee_document_data(data::TableHandles& t);

// Texts of the documents (UTF-8 lines ending in '\n').
std::string work_certificate_text(const EmployeeDocumentData& d);
std::string employment_contract_text(const EmployeeDocumentData& d);
std::string employee_data_text(const EmployeeDocumentData& d);

// Each shows its document and prints it on F2; returns 0.
int print_employee_data(const EmployeeDocumentData& d);
int print_employment_history(const EmployeeDocumentData& d);
int print_work_certificate(const EmployeeDocumentData& d);
int print_employment_contract(const EmployeeDocumentData& d);
int print_questionnaire(const EmployeeDocumentData& d);
int print_dismissal(const EmployeeDocumentData& d);
int print_earnings_certificate(const EmployeeDocumentData& d);
// " Archiwum ": the person's printed documents of one kind (`code` as the
// printing function names them: "SWIADECTWO", "UMOWA", "KWESTIONARIUSZ",
// "WYPOWIEDZENIE", "ZAROBKI"), chosen from a list and shown again.
int show_document_archive(const char* code, const char* title, long record);

}  // namespace skolvarin::payroll
