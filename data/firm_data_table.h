// The firm data table W3PAWL.DBF: one record with the firm's identity,
// addresses, offices and bank accounts, in the firm directory.  Every
// dispatcher opens it first.
//
// Invariant after open_firm_data() succeeds: the table is open, holds at
// least one record (a blank one is appended when it holds none) and record
// 1 is current.  A missing file is created with the layout.
#pragma once

#include "host/api/context.h"

namespace skolvarin::data {

// Clears ctx's error_code, error_aux1 and error_aux2, then creates or opens
// W3PAWL.DBF in the current (firm) directory, binds its fields, appends one
// blank record under a table lock when the table is empty and goes to
// record 1.  Returns 0 or -1.
int open_firm_data(HostContext* ctx);

}  // namespace skolvarin::data

// ---------------------------------------------------------------- firms
//
// A firm as the firm catalogue screen and `skolvarin firma` keep it: its
// entry in the firm catalogue W3KATA.DBF (short name NAZ, directory KAT,
// remark UWA = the name) and its firm data table W3PAWL.DBF in that
// directory.  Fields of W3PAWL.DBF filled here: NA1/NA2 name, SKN short
// name, NIP, REG (REGON), ULI/NRD/NRM/KOD/MIA/POC/WOJ/POW/GMI address, KTZ
// tax office code with UNAV/UULV/UKOV/UMIV (office for VAT) and UNA4/UUL4/
// UKO4/UMI4 (office for income tax) copied from W3USKA.DBF, SPC kind of
// books ('K' revenue-and-expense book, 'R' lump-sum register), FIZF payer
// is a natural person ('T'/'N'), NAZF/IM1F/NRPF payer's surname, first name
// and PESEL, BAN1/NRR1 bank and account number.  Other fields are kept.
#include <string>
#include <vector>

namespace skolvarin::data {

struct FirmRecord {
  long catalogue_record = 0;  // record in W3KATA.DBF (0: not yet there)
  std::string short_name;     // NAZ, at most 20 characters, unique ignoring case
  std::string directory;      // KAT: a plain name under the firms' directory
  std::string remark;         // UWA: what the catalogue says of the firm (its name for a new firm)
  std::string name, name2;
  std::string nip, regon;
  std::string street, house, flat, postcode, city, post_office, province, district, commune;
  int tax_office = 0;         // code of the office in W3USKA.DBF, 0 none
  std::string tax_office_name;
  char books = 'K';
  char natural_person = 'N';
  std::string payer_surname, payer_first_name, pesel;
  std::string bank, account;
};

// What is wrong with the firm, one Polish line each (empty: nothing).
// NIP, REGON, PESEL and the account number must pass their checks when
// given; a natural person needs a PESEL; the short name, the name and the
// directory are required; the directory must be a plain name (letters,
// digits, '_', '-', '.'; not "." or ".."), so it never leads out of the
// firms' directory.
std::vector<std::string> firm_problems(const FirmRecord& firm);

// Whether `dir` is a directory name a firm may have (see firm_problems).
bool firm_directory_name_ok(const std::string& dir);

// Every firm of the catalogue in short-name order, with its firm data.
int list_firms(HostContext& ctx, std::vector<FirmRecord>& firms, std::string& error);

// The firm with short name `short_name` (ignoring case); false when none.
bool find_firm(HostContext& ctx, const std::string& short_name, FirmRecord& firm, std::string& error);

// Writes a firm: a new one (catalogue_record 0) gets its directory, its
// firm data table, its catalogue entry and an access entry for the current
// user; an existing one has its catalogue entry and firm data rewritten.
// The tax office name is taken from W3USKA.DBF by the code.  Refuses (-1,
// Polish `error`, nothing written) a firm with problems, a short name or
// directory another firm already has, an unknown tax office code.
int save_firm(HostContext& ctx, FirmRecord& firm, std::string& error);

// Removes a firm from the catalogue (and its access entries) when its
// directory holds nothing but its firm data table; the directory itself is
// removed with it.  -1 with `error` otherwise.
int delete_firm(HostContext& ctx, const std::string& short_name, std::string& error);

// The tax offices of W3USKA.DBF as "code  name" texts in code order, with
// their codes.
struct TaxOffice {
  int code = 0;
  std::string name, city;
};
std::vector<TaxOffice> list_tax_offices(HostContext& ctx);

// The record numbers (in W3KATA.DBF) of the firms user `user` may open per
// the firm access table W3KAPA.DBF.
std::vector<long> firms_of_user(HostContext& ctx, int user);
// Gives user `user` exactly the firms `records` (replacing his entries).
int set_firms_of_user(HostContext& ctx, int user, const std::vector<long>& records, std::string& error);

}  // namespace skolvarin::data
