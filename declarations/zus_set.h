// The monthly ZUS declaration set as plain values: the persons built from the
// month's pay records and contracts, the reports each person gets (RCA, RSA,
// RZA), the counters of a set and the sums of the settlement declaration DRA.
//
// Nothing here touches a table or the screen: the register, the batch
// commands, the KEDU writer and the tests call the same functions.
#pragma once

#include <string>
#include <vector>

#include "host/api/context.h"

namespace skolvarin::declarations {

// A benefit or break of a person (one row of W3ZUSP).
struct ZusBenefit {
  std::string ktu;   // insurance title code the row is reported under
  std::string code;  // three-digit benefit or break code
  HostDate from, to;
  int days = 0;
  std::string kch;
  double amount = 0;
};

// One insured person of a set (one row of W3ZUSS); the columns by suffix:
// P payroll, U contracts, W parental leave (budget), M maternity (budget).
struct ZusPerson {
  std::string surname, first_name;
  long employee = 0;   // KOD: record number in the employees register
  std::string id_kind = "P", id_number;  // TID, NID
  std::string ktu, pma;
  int wy1 = 0, wy2 = 0;
  double perp = 0, pcwp = 0, pszp = 0, keup = 0, krup = 0, kcup = 0, kzup = 0, kepp = 0, krpp = 0,
         kwpp = 0, kosp = 0, kwsp = 0, fppp = 0, fgpp = 0;
  double peru = 0, pcwu = 0, pszu = 0, keuu = 0, kruu = 0, kcuu = 0, kzuu = 0, kepu = 0, krpu = 0,
         kwpu = 0, kwsu = 0, fppu = 0, fgpu = 0;
  int ilr = 0, ilp = 0, ldp = 0, ldo = 0;
  double zar = 0, zaw = 0, zap = 0, kwz = 0;
  std::string kuw, kum, rzt;
  double perw = 0, pszw = 0, kepw = 0, krpw = 0, kszw = 0, perm = 0, kepm = 0, krpm = 0;
  double fep = 0;
  std::vector<ZusBenefit> benefits;
};

// Header of a set (one row of W3ZUSR).
struct ZusSetHeader {
  int month = 0, number = 0;  // MIE, INR
  int rca = 0, rna = 0, rsa = 0, rga = 0, rza = 0, rma = 0;
  HostDate filled, paid;      // DWY, DAZ
  double dus = 0, duz = 0, dfp = 0;
  std::string dep;
  int persons = 0;            // ILU
  long rec = 0;               // REC: the persons point to it
};

struct ZusSet {
  int year = 0;
  ZusSetHeader header;
  std::vector<ZusPerson> persons;
};

// ----------------------------------------------------------- the sources
// The employee as the builder needs him.
struct ZusEmployee {
  long rec = 0;  // record number (the pay records' and contracts' KOD)
  std::string surname, first_name, pesel, id_kind, document, ktu, pma;
  int wy1 = 0, wy2 = 0;
};

// A pay record of the month (W3PENS) with its components (W3PESK).
struct ZusPayComponent {
  std::string kgs, zus_code, ktu, kch;
  double amount = 0;
  HostDate from, to;
  int days = 0;
};
struct ZusPayRecord {
  long employee = 0;
  int month = 0;
  std::string ktu;
  int wy1 = 0, wy2 = 0;
  double per = 0, keu = 0, kep = 0, kru = 0, krp = 0, pcw = 0, kcu = 0, psw = 0, kwp = 0, psz = 0,
         kzu = 0, fpp = 0, fgp = 0, fep = 0;
  std::vector<ZusPayComponent> components;
};

// A contract whose bill falls in the month (W3UMOW).
struct ZusContract {
  long employee = 0;
  std::string surname, first_name, ktu;
  HostDate bill;
  double per = 0, keu = 0, kep = 0, kru = 0, krp = 0, pcw = 0, kcu = 0, kwp = 0, psz = 0, kzu = 0,
         fup = 0, fug = 0;
};

// An owner's (partner's) contribution row of the month (W3ZUWS), joined to
// the employees' set when the ZUS settings say so.
struct ZusOwnerRow {
  std::string surname, first_name, id_kind, pesel, document, ktu, pma, rzt;
  double wer = 0, wch = 0, wwy = 0, wzd = 0, keu = 0, kru = 0, kcu = 0, kcp = 0, nsp = 0, kep = 0, krp = 0,
         kwp = 0, kwu = 0, sfp = 0, sfu = 0, sfg = 0, zar = 0, zap = 0;
  int ilr = 0, ilp = 0;
};
ZusPerson owner_person(const ZusOwnerRow& o);

struct ZusBuild {
  std::vector<ZusPerson> persons;
  // Persons whose pay records of the month carry different insurance codes
  // (alarm 172); the person is counted with the first code.
  std::vector<std::string> mixed_codes;
  // Contracts of the month without any contribution ("Brak składek do umowy
  // z %s %s.": first name and surname).
  std::vector<std::string> contracts_without_contributions;
};

// Sums the month's pay records and contracts of each employee (in the order
// given) into one person; employees with nothing in the month are left out.
ZusBuild build_persons(const std::vector<ZusEmployee>& employees, const std::vector<ZusPayRecord>& pays,
                       const std::vector<ZusContract>& contracts, int month);

// ------------------------------------------------------------- the rules
// Insurance-title code lists (a code belongs when it starts with an entry).
bool is_self_employed_code(const std::string& ktu);
bool is_collaborator_code(const std::string& ktu);
// Sickness of a person is the payer's (code "05.." but not self-employed).
bool sickness_paid_by_payer(const std::string& ktu);

// Which blocks a person gets on each report.
struct ZusReports {
  bool rca_main = false, rca_parental = false, rca_maternity = false;
  bool rca_health_only = false;  // the main RCA block is the health-only case
  bool rza_main = false, rza_parental = false;
  int rsa_rows = 0;
  int rca_blocks() const { return rca_main + rca_parental + rca_maternity; }
  int rza_blocks() const { return rza_main + rza_parental; }
};
ZusReports reports_of(const ZusPerson& p);

// The report counters of a set (the documents of each kind) and ILU.
void count_reports(ZusSet& set);

// The sums of the declaration over the set's persons.
struct DraSums {
  double fte = 0;  // full-time equivalents
  double pension_insured = 0, disability_insured = 0, pension_payer = 0, disability_payer = 0;
  double pension_budget = 0, disability_budget = 0;
  double sickness_insured = 0, sickness_payer = 0, accident_insured = 0, accident_payer = 0;
  double health = 0, health_05 = 0, health_budget = 0;
  double labour_fund = 0, guaranteed_fund = 0, bridging_fund = 0;
  double family_allowances = 0, care_allowances = 0, child_raising = 0;
  int family_count = 0, care_count = 0;
  double benefits_sickness = 0, benefits_accident = 0, kwz = 0;
  double surcharges = 0;
};
DraSums dra_sums(const ZusSet& set);

// Benefit groups deducted in the declaration: 1 sickness insurance, 2
// accident insurance, 0 not deducted.
int benefit_group(const std::string& code);

// The positions of the declaration that hold amounts, as written to KEDU.
struct DraPositions {
  double iv[38] = {};   // IV p1..p37 (index = position)
  double v[6] = {};     // V p1..p5
  double vi[3] = {};    // VI p1, p2
  double vii[8] = {};   // VII p1..p7 (health)
  double viii[4] = {};  // VIII p1..p3 (funds)
  double fep = 0;       // IX p3
};
DraPositions dra_positions(const DraSums& s, double benefit_fee_pct);

// The social and health contributions due, and the funds, for the transfers.
struct ZusTransfers {
  double social = 0, health = 0, funds = 0, fep = 0;
};
ZusTransfers transfer_amounts(const ZusSet& set, double benefit_fee_pct);

// A person's contribution totals for the information window and RMUA.
double social_total(const ZusPerson& p);
double health_total(const ZusPerson& p);
// Adds every amount of `p` to `into` (the yearly information).
void add_amounts(ZusPerson& into, const ZusPerson& p);

}  // namespace skolvarin::declarations
