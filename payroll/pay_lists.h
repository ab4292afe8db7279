// Payroll lists on their tables: the pay records of a working year
// (W3PENS) and their components (W3PESK), with the year-to-date sums of a
// person, a new pay record, entering a component, the fixed components of
// the previous month, recomputing a record by the pay chain, saving it with
// the list's payment date, copying lists, the list totals and the payslips.
//
// The list register's form and the batch commands (`skolvarin place ...`)
// call these functions and nothing else for the pay, so both give the same
// record.  No function shows a message: each hands back the message ids
// (module < 1000, host >= 20000) for its caller to show or print.
//
// A ListEnv binds the open tables and the loaded settings of one working
// year; the tables stay as the caller opened them (bind_list_env opens the
// ones that are not open yet).  Record numbers are those of W3PENS; a pay
// record's own number REC ties its components (REK) to it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/api/calendar.h"
#include "host/api/db_api.h"
#include "payroll/absences.h"
#include "payroll/component_sums.h"
#include "payroll/employee_switches.h"
#include "payroll/list_rules.h"
#include "payroll/pay_chain.h"
#include "payroll/parameters.h"
#include "payroll/tax_scale.h"

namespace skolvarin::payroll {

inline constexpr int kMsgDuplicatePay = 148;      // "Pensja za podany miesiąc już zapisana !"
inline constexpr int kMsgSumsUpdated = 232;       // "Zaktualizowano podsumowania !"
inline constexpr int kMsgPostedList = 184;        // "Ta lista była zaksięgowana. Zaksięguj ponownie."
inline constexpr int kMsgSumsMismatch = 140;      // "Niezgodność sumy składników z listą !"
inline constexpr int kMsgNoFixedInJanuary = 30;   // "Brak możliwości przepisania stałych składników dla stycznia !"
inline constexpr int kMsgNoFixedComponents = 38;  // "Brak stałych składników w poprzednim miesiącu !"
inline constexpr int kMsgUndefinedCode = 139;     // "Niezdefiniowany kod!"
inline constexpr int kMsgNotEntitled = 112;       // "Firma nieuprawniona do wypłaty podanego typu świadczenia !"
inline constexpr int kMsgComponentKindsLetters = 4;  // "(Dxxx-Dodatek,Sxxx-Świadczenie,Pxxx-potrącenie) !"

// The open tables and loaded settings of one working year.
struct ListEnv {
  HostContext* ctx = nullptr;
  int year = 0;
  DATA4* pens = nullptr;  // W3PENS of the year
  DATA4* pesk = nullptr;  // W3PESK of the year
  DATA4* prac = nullptr;  // W3PRAC
  DATA4* peli = nullptr;  // W3PELI (dictionary of components), may be null
  DATA4* umow = nullptr;  // W3UMOW of the year, may be null
  DATA4* kzus = nullptr;  // W3KZUS, may be null
  PayrollParameters p;
  ZusSettings z;
  WorkCalendar calendar;
  std::vector<TaxScaleRow> scale;
  bool firm_pays_benefits = true;  // firm data PLS not "N"
};

// Opens what is not open of the tables above for `year` and takes the loaded
// payroll settings (loading them when they are not of that year), the tax
// scale of the year and the firm's benefit entitlement.  false with a Polish
// `error` when a table cannot be opened.
bool bind_list_env(HostContext* ctx, int year, ListEnv& env, std::string& error);

// What the lists read of a person (W3PRAC); the text members keep the
// values the chain's views point to.
struct ListPerson {
  long kod = 0;
  std::string naz, imi, ktu, kps, re1;
  char kind = 'P';  // ROD: P employee, Z contractor, W both
  Date hired, left;  // DAP, DAZ
  PayBasis basis;
  char ULG = 'T', TBL = 'T', CKU = 'N', PMA = ' ', CFP = 'T', CFG = 'T', UBC = 'N';
  double KUZ = 0, ZPZ = 0, KZR = 0, KZP = 0, KZW = 0;
  int OZR = 0, OZP = 0;
  Date DPM, DFP, DFG, PSP, PSK;
  LawSwitches switches;     // W3PRAX: PPK, exemptions, PIT-2 payers
  PersonForLaw law_person;  // PESEL, birth date, sex of W3PRAC

  // The person's switches under the law of the month (age on its last day).
  EmployeeLaw law(int year, int month) const;
  EmployeeForPay for_pay() const;
  EmployeeForNewRecord for_new_record() const;
  // Employed (not only a contractor) on some day of the month.
  bool employed_in(int year, int month) const;
};
bool read_person(const ListEnv& env, long kod, ListPerson& out);

// A pay record as the lists handle it.
struct PayRecord {
  long recno = 0;
  long REC = 0, KOD = 0;
  int MIE = 0, NRL = 0, WY1 = 1, WY2 = 1;
  std::string NAZ, IMI, KTU;
  Date DWY;
  ComponentSums sums;
  PayAmounts a;
  long BRE = 0, ZRE = 0;
};
// The current record of env.pens; false when there is none.
bool read_pay_record(const ListEnv& env, PayRecord& out);
bool read_pay_record(const ListEnv& env, long recno, PayRecord& out);
// Assigns the record's fields (the buffer of the current record; no write).
void assign_pay_fields(const ListEnv& env, const PayRecord& r);

std::vector<PayComponent> components_of(const ListEnv& env, long rec);
// Appends a component (REK, KOD, NRL, MIE as given); its record number, or 0.
long append_component(const ListEnv& env, const PayComponent& c);

// Year-to-date sums of a person before (month, list), with the duplicate
// and the list's payment date.  `visible` says whether the loaded pay record
// is one the caller's list shows (the register's filters); empty: all.
struct YearToDateScan {
  YearToDate ytd;
  bool duplicate = false;
  Date payment;  // of another record of the same month and list
  long own_recno = 0;  // the duplicate's record number
};
using VisibleRecord = std::function<bool()>;
YearToDateScan year_to_date(const ListEnv& env, long kod, int month, int list, const VisibleRecord& visible = {});

// A new pay record (" Dopisz "): messages shown on the way (16, 39, 238) and
// the refusal (148) or failure (-1, with `error`).
struct NewPayRecord {
  long recno = 0;
  int refused = 0;
  std::vector<int> warnings;
  std::string error;
};
NewPayRecord new_pay_record(ListEnv& env, long kod, int month, int list, const VisibleRecord& visible = {});

// Enters component `code` on the pay record (step rules by catalogue code):
// the messages that refuse it (13 with 4, 139, 112) or warn (210).
struct ComponentEntry {
  long recno = 0;
  int refused = 0;
  std::vector<int> warnings;
};
// `adjust`, when given, changes the new component before it is appended (the
// absences hand in their own periods, days and amounts).
ComponentEntry enter_component(const ListEnv& env, const PayRecord& rec, const std::string& code,
                               const std::function<void(PayComponent&)>& adjust = {});

// Copies the fixed components of the previous month on the same list:
// 0, 30 (January), 38 (none), -1 (a write failed).  *copied counts them.
int copy_fixed_components(const ListEnv& env, const PayRecord& rec, int* copied = nullptr);

// Sums of the record's components; false (alarm 8) on a bad kind.
bool component_sums(const ListEnv& env, long rec, ComponentSums& sums, DeclarationBenefitSums* extra = nullptr);

// Recomputes the pay record `recno`: the component sums (when `resum`), then
// the chain from `from`; writes it.  `sums_changed` tells the caller to show
// warning 232.  false when the record cannot be read or written.
struct Recompute {
  bool ok = false;
  bool sums_changed = false;
  int message = 0;
};
Recompute recompute_pay_record(const ListEnv& env, long recno, ChainStep from = ChainStep::Gross, bool resum = true);
// The same on a record in memory (the form's buffer): no write.  With `ytd`
// given the pay records are not scanned (the form keeps its table where it
// is); otherwise the record's year-to-date sums are gathered.
int recompute_in_memory(const ListEnv& env, PayRecord& r, ChainStep from, bool resum, bool* sums_changed = nullptr,
                        const YearToDate* ytd = nullptr);

// After a pay record was written: its payment date into every record of the
// same month and list; 184 when one of them was posted, else 0.
int spread_payment_date(const ListEnv& env, const PayRecord& saved);

// Deletes a pay record with all its components.
int delete_pay_record(const ListEnv& env, long recno);

// Pay records of a month and list (list 0: every list), in table order.
std::vector<long> records_of_month(const ListEnv& env, int month, int list);

// A month's list made without the screen (`skolvarin place dopisz`): for
// every person employed in the month a new pay record as " Dopisz " makes
// it, with the fixed components of the previous month, else the base pay,
// recomputed and saved with the payment date.
struct MonthAddition {
  long kod = 0;
  std::string name;
  long recno = 0;
  int refused = 0;  // 148 duplicate
  std::vector<int> warnings;
};
std::vector<MonthAddition> add_month(ListEnv& env, int month, int list, const Date& payment);

// List totals (" Suma "): every amount field added over the records, the
// components added by kind, and the records whose stored sums differ from
// their components (message 140).
struct ListTotals {
  int records = 0;
  PayRecord sum;  // amounts and sums added
  double additions = 0, benefits = 0, deductions = 0;
  std::vector<long> mismatched;
};
ListTotals list_totals(const ListEnv& env, int month, int list);

// Copies within the env's year (to_year = env.year) or into the next year's
// tables (opened and closed here).  The number of new records, or -1.
int copy_lists(ListEnv& env, const CopyRequest& r, std::string& error);

// Payslips of the given records as one printout (already started with
// init_prn by the caller): one page per person.
int print_payslips(const ListEnv& env, const std::vector<long>& recnos);

}  // namespace skolvarin::payroll
