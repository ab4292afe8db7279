// The reference tables ("tabele wzorcowe") as plain rows: read from the CSV
// files of data/reference/ (UTF-8, comma separated, header row, fields with
// commas in double quotes) and, for the days off, computed.
//
// Invariants of what the loaders return:
//  - tax scales: per year the brackets in file order (lp ascending);
//  - rate rows: dates strictly ascending, every rate > 0, type 'R' or 'D';
//  - countries, tax offices and ZUS codes: keys unique (a duplicate key in a
//    file is a load error, not a silent second row);
//  - days off: public holidays that fall Monday to Friday (the interest and
//    working-day computations treat Saturdays and Sundays as off already).
// A loader that meets a malformed file returns false and a Polish message
// naming the file and the line; nothing is half-loaded.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/api/calendar.h"

namespace skolvarin::app::reference {

// One parsed CSV file: header names and rows of fields.
struct CsvTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  std::vector<int> lines;  // source line of each row (1-based)
  // Index of a header column, -1 when missing.
  int column(std::string_view name) const;
};

// Parses CSV text (RFC 4180 quoting, LF or CRLF line ends, empty lines
// skipped).  False with a message on an unterminated quote or a row whose
// field count differs from the header's.
bool parse_csv(std::string_view text, CsvTable& out, std::string& error);
bool read_csv_file(const std::string& path, CsvTable& out, std::string& error);

struct TaxBracket {
  double from = 0;      // PODS: yearly income from which the bracket applies
  double tax_at = 0;    // PODA: tax due on income up to `from`
  double rate = 0;      // PROC: per cent
};

struct RateRow {
  Date from;            // DAT
  double rate = 0;      // STO, per cent
  char type = 'R';      // TYP: 'R' per year, 'D' per day
};

struct Country {
  std::string code;      // KKR: ISO 3166 alpha-2
  std::string name;      // KRA: Polish name, at most 30 characters
  std::string currency;  // KOD: ISO 4217 code
  bool eu = false;       // SUE
  int numeric = 0;       // SYM: ISO 3166 numeric code
};

struct TaxOffice {
  int code = 0;            // KOD
  std::string code_text;   // XML: the four digits
  std::string name;        // NAZ
  std::string short_name;  // SKN
  std::string remark;      // UWA
};

struct ZusCode {
  int main_group = 0;      // KGL
  std::string group;       // KGR
  std::string group_name;  // NGR
  std::string code;        // KPG
  std::string short_text;  // SOP
  std::string text[3];     // OP1..OP3: the long description cut at blanks
};

struct ReferenceSet {
  std::map<int, std::vector<TaxBracket>> tax_scales;
  std::vector<RateRow> statutory;     // W3ODUS
  std::vector<RateRow> tax_arrears;   // W3ZAPO
  std::vector<Country> countries;
  std::vector<TaxOffice> offices;
  std::vector<ZusCode> zus_codes;
  std::vector<Date> days_off;         // W3DNWO
};

// First and last year whose public holidays the days-off table receives.
inline constexpr int kFirstHolidayYear = 1993;
inline constexpr int kLastHolidayYear = 2050;

// Loads every file of `dir` (ending with '/' or not) and computes the days
// off.  False with a Polish message on the first problem.
bool load_reference_set(const std::string& dir, ReferenceSet& out, std::string& error);

// The loaders one by one (for tests and for the import).
bool load_tax_scales(const CsvTable& t, std::map<int, std::vector<TaxBracket>>& out, std::string& error);
bool load_rates(const CsvTable& t, std::vector<RateRow>& out, std::string& error);
bool load_countries(const CsvTable& t, std::vector<Country>& out, std::string& error);
bool load_offices(const CsvTable& t, std::vector<TaxOffice>& out, std::string& error);
bool load_zus_codes(const CsvTable& t, std::vector<ZusCode>& out, std::string& error);
std::vector<Date> weekday_holidays(int first_year, int last_year);

// Cuts `text` into at most `parts` pieces of at most `width` characters
// (UTF-8 characters), breaking at blanks where possible.  False when the
// text does not fit.
bool split_text(std::string_view text, int width, int parts, std::vector<std::string>& out);

// Number of UTF-8 characters of a text.
int utf8_length(std::string_view text);

}  // namespace skolvarin::app::reference
