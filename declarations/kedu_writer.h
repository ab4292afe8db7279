// The declaration set as files for the ZUS program "Płatnik": the payer
// file "platnik.rep" (BDPLAT, one value a line) and the KEDU XML file with
// the documents ZUSDRA, ZUSRCA, ZUSRSA and ZUSRZA.
//
// The form of the KEDU file follows the period of the set: version 3 before
// November 2013, version 4 up to February 2016 (and to the end of 2016 for
// the first set of a month), 4.3 to the end of 2018, and the current KEDU 5
// form (kedu_5_6.xsd, no RZA: persons with the health contribution alone are
// reported on RCA) from January 2019.
#pragma once

#include <string>

#include "declarations/zus_set.h"
#include "declarations/zus_tables.h"

namespace skolvarin::declarations {

enum class KeduVersion { V3, V4, V4_3, V5 };

KeduVersion kedu_version(int year, int month, int number);
// The attributes of the root element KEDU for the version.
std::string kedu_root_attributes(KeduVersion v);
// "ZUS 2017-03_01 pracownicy.xml"
std::string kedu_file_name(int year, int month, int number);

struct KeduOptions {
  double accident_rate = 1.80;      // "wypadkowe" %
  double benefit_fee_pct = 0;       // payer's fee on paid sickness benefits %
  bool short_name_for_person = true;  // short name also for a payer who is a natural person
  std::string producer = "SKOLVARIN";
};

// Writes the KEDU file; false with the reason when the file could not be
// written (nothing is left behind then).  A payer's co-financing code
// outside "0".."3" is written as "0" and reported in `note`.
bool write_kedu(const std::string& path, const ZusSet& set, const ZusPayer& payer, const KeduOptions& options,
                std::string& error, std::string* note = nullptr);

// Writes "platnik.rep"; false with the reason on failure.
bool write_platnik_rep(const std::string& path, const ZusPayer& payer, const HostDate& today,
                       bool short_name_for_person, std::string& error);

// The export of the register: both files into `directory` (the text of the
// payroll parameter, "\" or "/" added when missing); a directory that does
// not exist gives the current directory `fallback`.  Returns the KEDU path.
bool export_for_platnik(const std::string& directory, const std::string& fallback, const ZusSet& set,
                        const ZusPayer& payer, const KeduOptions& options, const HostDate& today,
                        std::string& kedu_path, std::string& error);

}  // namespace skolvarin::declarations
