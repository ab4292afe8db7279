// The ZUS declaration sets on disk: reading the month's sources (employees,
// pay records with their components, contracts), keeping a generated set in
// W3ZUSR / W3ZUSS / W3ZUSP, reading it back and removing it, and the payer's
// data of the firm data table.  Every call works on the context's firm
// directory and the tables of `year`; errors come back as Polish texts.
#pragma once

#include <string>
#include <vector>

#include "declarations/zus_set.h"
#include "host/api/context.h"

namespace skolvarin::declarations {

struct ZusSources {
  std::vector<ZusEmployee> employees;  // in the order of the register's main tag (surname)
  std::vector<ZusPayRecord> pays;      // the month's pay records with their components
  std::vector<ZusContract> contracts;  // contracts whose bill falls in the month
};

bool load_sources(HostContext* ctx, int year, int month, ZusSources& out, std::string& error);

// The owners' contribution rows of the month (W3ZUWS of the year).
bool load_owner_rows(HostContext* ctx, int year, int month, std::vector<ZusOwnerRow>& out, std::string& error);

// The next number of a set of `month` (highest INR + 1; 1 when none).
int next_set_number(HostContext* ctx, int year, int month);

// The next set of `month` made ready to be stored: the sources read, the
// persons built (and the owners' rows joined when `join_owners`), the
// number given, the dates set to `today`, the counters counted.  `notes`
// keeps what the user is told (codes that differ, contracts without
// contributions).  NoEmployees when the employees register is empty.
enum class Prepared { Ok, NoEmployees, Failed };
Prepared prepare_set(HostContext* ctx, int year, int month, bool join_owners, ZusSet& set, ZusBuild& notes,
                     bool& owners_joined, std::string& error);

// Appends the set (header REC = record count + 1; persons and benefit rows
// pointing to it).  On a failure whatever was written of the set is removed
// again and false is returned with the reason.
bool save_set(HostContext* ctx, int year, ZusSet& set, std::string& error);

// The sets of a year (headers only), in month and number order.
std::vector<ZusSetHeader> list_sets(HostContext* ctx, int year);
// One set with its persons and their benefit rows; false when there is none.
bool load_set(HostContext* ctx, int year, int month, int number, ZusSet& out, std::string& error);
// Removes the set with its persons and rows.
bool delete_set(HostContext* ctx, int year, int month, int number, std::string& error);

// A person of the year (name, employee and title code), with the sums of
// each month's sets (index 1..12) and of the year (index 0).
struct YearPerson {
  long employee = 0;
  std::string surname, first_name, ktu, id_number;
  ZusPerson months[13];
};
// The persons of every set of the year through the work table RMUAP.DBF
// (made anew each time; one row per employee and title code), in name order.
bool year_persons(HostContext* ctx, int year, std::vector<YearPerson>& out, std::string& error);

// The payer as the declarations name him (firm data table W3PAWL).
struct ZusPayer {
  std::string nip, regon, short_name;
  bool natural_person = false;
  std::string pesel, id_kind, id_number, surname, first_name;
  HostDate birth;
  std::string spc, tde, account;
};
bool load_payer(HostContext* ctx, ZusPayer& out, std::string& error);

}  // namespace skolvarin::declarations
