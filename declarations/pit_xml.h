// E-declaration files of PIT-11, PIT-40, PIT-4R and PIT-8AR, written through
// the host's XML writer: root "Deklaracja" in the form's namespace with the
// common types as `etd`, Naglowek, Podmiot1 (the payer), Podmiot2 (the
// taxpayer, PIT-11 and PIT-40), the numbered positions, the closing texts
// and, for a correction, the ORD-ZU attachment with its reasons.
//
// The namespaces are the Ministry's published ones for the variants of the
// year (pit_namespace); a variant whose namespace we do not hold is refused
// with a Polish message rather than written under a made-up one.
#pragma once

#include <string>
#include <vector>

#include "declarations/pit_forms.h"

namespace skolvarin::declarations {

// The variant of a form for a working year (KodFormularza attributes).
struct PitVariant {
  const char* system_code = "";   // kodSystemowy, "PIT-11 (23)"
  const char* tax_code = "";      // kodPodatku
  const char* liability = "";     // rodzajZobowiazania
  const char* schema_version = "";// wersjaSchemy
  int variant = 0;                // WariantFormularza
  const char* form_code = "";     // the element's text
  const char* ns = "";            // default namespace ("" when not held)
  const char* etd = "";           // common types namespace
  int ordzu_variant = 0;          // ORD-ZU attached to a correction
  const char* ordzu_ns = "";
};
PitVariant pit_variant(PitForm form, int year);

struct PitPayer {
  bool natural_person = false;       // FIZF = "T"
  std::string nip;                   // separators are dropped when written
  std::string name;                  // NA1 + NA2, trimmed
  std::string regon;
  std::string first_name, surname;   // natural person
  std::string birth_date;            // YYYY-MM-DD
};

struct PitTaxpayer {
  std::string nip, pesel, first_name, surname, birth_date;  // birth date YYYY-MM-DD
  std::string foreign_id, foreign_id_kind, foreign_id_country;  // RE3, its kind, RE1
  bool foreign_address = false;
  // Polish address
  std::string province, district, commune, street, house, flat, town, postcode, post_office;
  // Foreign address
  std::string country_code, foreign_town, foreign_street, foreign_house, foreign_flat, foreign_postcode;
};

struct PitDocument {
  PitForm form = PitForm::Pit11;
  int year = 0;
  bool correction = false;
  std::string office_code;           // KodUrzedu, four digits
  PitPayer payer;
  PitTaxpayer taxpayer;              // PIT-11 and PIT-40
  std::vector<PitPosition> positions;
  std::string reasons;               // ORD-ZU text of a correction
  std::string year_note;             // PIT-8AR Pouczenie1 (a year's text)
};

// The file name of the form: "PIT-11 2015(7) Nowak Jan.xml" and the like.
std::string pit_file_name(PitForm form, int year, int number, const std::string& name);

// Writes the document to `path`.  0, or -1 with a Polish `error` (variant
// not held, a correction without reasons, the writer's failure: the file is
// then not left behind).
int write_pit_xml(const std::string& path, const PitDocument& doc, std::string& error);

}  // namespace skolvarin::declarations
