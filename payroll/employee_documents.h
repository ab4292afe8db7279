// Printed documents of one employee: the data sheet, the employment
// history, and the documents of " Formularze " (contract of employment,
// work certificate, questionnaire, dismissal letter, earnings
// certificate), filled from the person's record and the firm and shown in
// the host's editor (the forms) and then in its preview, where F2 prints
// them; every printed document stays in the firm's print folder (the
// archive).
#pragma once

#include <string>

#include "data/module_state.h"

namespace skolvarin::payroll {

struct EmployeeDocumentData {
  std::string surname, first_name, second_name, father, mother, birth_place, pesel, nip;
  std::string birth_date, hired, left, examination;  // DD-MM-YYYY or ""
  std::string postcode, town, street, house, flat;
  std::string position, title_code;
  int wy1 = 1, wy2 = 1;
  double base_pay = 0, hourly_rate = 0;
  bool hourly = false;
  char sex = 'K';
  long record = 0;
  std::string firm1, firm2;
  std::string today;  // DD-MM-YYYY
};

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
