// The PIT forms' tables: " Oblicz " reads the year's pay records (W3PENS)
// and contract bills (W3UMOW) and writes the records of W3PI11, W3PI40,
// W3PZAL or W3P8AR; the export reads them back with the payer (W3PAWL), the
// taxpayers (W3PRAC) and the offices' XML codes (W3LXML), writes one file
// per person (PIT-11, PIT-40) or per year (PIT-4R, PIT-8AR) and notes every
// file in the register of filed declarations (W3DEKL).
//
// Recomputing keeps what the user typed: the correction flag and its
// reasons, the PIT-40 check boxes and texts, the payer's fees (PIT-4R WYN,
// PIT-8AR C16) and the reserve fields; every other amount is computed anew.
// Every table is opened through the data dictionary in its place and year
// and closed again before returning (the caller's open tables stay open).
#pragma once

#include <string>
#include <vector>

#include "declarations/pit_forms.h"
#include "declarations/pit_xml.h"
#include "host/api/context.h"

namespace skolvarin::declarations {

struct PitSources {
  std::vector<PayValues> pay;
  std::vector<ContractValues> contracts;
};

// The year's pay records and contract bills.  0, or -1 with `error`.
int read_pit_sources(HostContext* ctx, int year, PitSources& out, std::string& error);

// " Oblicz " of one form for `year`: 0 with the number of records written,
// or -1 with a Polish `error` (message 186 for PIT-4R / PIT-8AR before 2013).
int compute_pit_table(HostContext* ctx, int year, PitForm form, int& records, std::string& error);

// The live records of the form's table of `year` (PIT-11 by KOPR, PIT-40 by
// KOP, the monthly ones by MIE).  0, or -1 with `error`.
int load_pit_records(HostContext* ctx, int year, PitForm form, std::vector<PitRecord>& out, std::string& error);

// One written file.
struct PitExported {
  std::string path;
  std::string who;    // the taxpayer or the payer
};

// Writes the form's files into `directory`: one per computed person (PIT-11,
// PIT-40; `person` > 0 limits it to that person) or one for the year.  An
// empty table is refused with "PIT-11 niewypełniony!" / "PIT-40
// niewypełniony!" and "Uruchom OBLICZ.".  Every file written is appended to
// W3DEKL.  0, or -1 with `error` (files already written stay, and are
// listed).
int export_pit_xml(HostContext* ctx, int year, PitForm form, const std::string& directory, long person,
                   std::vector<PitExported>& files, std::string& error);

// One file noted in the register of filed declarations (W3DEKL).
struct FiledDeclaration {
  std::string form;       // NDE
  int year = 0, purpose = 0, correction = 0;  // ROK, CEL (1 filing, 2 correction), NRK
  std::string who, nip;   // NAZ, NIP
  std::string file;       // XKA / XNA
  std::string date;       // XDA, YYYY-MM-DD
  std::string status;     // STA
};
// The declarations filed for `year` (0: every year), in the order filed.
int read_filed_declarations(HostContext* ctx, int year, std::vector<FiledDeclaration>& out, std::string& error);

// The payer from the firm data table (W3PAWL), and the code of the firm's
// tax office for the e-declaration.
PitPayer read_payer(HostContext* ctx, int& office);

// The person of record `person` of W3PRAC as a taxpayer, with his tax
// office; false when there is no such person.
bool read_person(HostContext* ctx, long person, PitTaxpayer& out, int& office);

// The four-digit XML code of tax office `office` from W3LXML ("" when the
// table does not hold it).
std::string office_xml_code(HostContext* ctx, int office);

}  // namespace skolvarin::declarations
