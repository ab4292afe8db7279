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

// The next number of a set of `month` (highest INR + 1; 1 when none).
int next_set_number(HostContext* ctx, int year, int month);

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
