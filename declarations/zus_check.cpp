#include "declarations/zus_check.h"

#include <algorithm>
#include <cstdio>

#include "host/api/identifiers.h"
#include "host/api/rounding.h"

namespace skolvarin::declarations {
namespace {

bool six_digits(const std::string& s) {
  return s.size() == 6 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string amount(double x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", x);
  return buf;
}

}  // namespace

std::vector<ZusProblem> check_set(const ZusSet& set, const ZusPayer& payer, double benefit_fee_pct) {
  std::vector<ZusProblem> out;
  const std::string who_payer = "płatnik";
  if (payer.nip.empty())
    out.push_back({who_payer, "brak NIP płatnika"});
  else if (!nip_valid(payer.nip))
    out.push_back({who_payer, "błędny NIP płatnika: " + payer.nip});
  if (!payer.regon.empty() && !regon_valid(payer.regon))
    out.push_back({who_payer, "błędny REGON płatnika: " + payer.regon});
  if (payer.natural_person && payer.pesel.empty() && payer.id_number.empty())
    out.push_back({who_payer, "płatnik jest osobą fizyczną, a nie ma numeru PESEL ani dokumentu"});
  if (!payer.natural_person && payer.short_name.empty())
    out.push_back({who_payer, "brak nazwy skróconej płatnika"});

  double persons_social = 0;
  for (const ZusPerson& p : set.persons) {
    std::string who = p.surname + " " + p.first_name;
    if (p.id_kind == "P") {
      if (p.id_number.empty())
        out.push_back({who, "brak numeru PESEL"});
      else if (!pesel_valid(p.id_number))
        out.push_back({who, "błędny numer PESEL: " + p.id_number});
    } else if (p.id_number.empty()) {
      out.push_back({who, "brak numeru dokumentu tożsamości"});
    }
    if (p.ktu.empty())
      out.push_back({who, "brak kodu tytułu ubezpieczenia"});
    else if (!six_digits(p.ktu))
      out.push_back({who, "kod tytułu ubezpieczenia " + p.ktu + " nie jest kodem tytułu (6 cyfr)"});
    if (!p.kuw.empty() && !six_digits(p.kuw))
      out.push_back({who, "kod tytułu ubezpieczenia urlopu wychowawczego " + p.kuw + " nie jest kodem tytułu"});
    if (!p.kum.empty() && !six_digits(p.kum))
      out.push_back({who, "kod tytułu ubezpieczenia zasiłku macierzyńskiego " + p.kum + " nie jest kodem tytułu"});
    ZusReports r = reports_of(p);
    if (r.rca_blocks() + r.rza_blocks() + r.rsa_rows == 0)
      out.push_back({who, "osoba nie trafia na żaden raport imienny (sprawdź kod tytułu i podstawy)"});
    persons_social += social_total(p);
  }

  ZusSet counted = set;
  count_reports(counted);
  const ZusSetHeader& h = set.header;
  const ZusSetHeader& c = counted.header;
  if (h.persons != c.persons)
    out.push_back({"deklaracja", "liczba ubezpieczonych " + std::to_string(h.persons) + ", a osób w zestawie " +
                                     std::to_string(c.persons)});
  if (h.rca != c.rca || h.rsa != c.rsa || h.rza != c.rza)
    out.push_back({"deklaracja", "liczniki raportów RCA/RSA/RZA różnią się od osób zestawu"});
  DraPositions d = dra_positions(dra_sums(set), benefit_fee_pct);
  if (!same_grosz(d.iv[37], R(persons_social, 2)))
    out.push_back({"deklaracja", "suma składek społecznych DRA " + amount(d.iv[37]) + " różni się od sumy osób " +
                                     amount(R(persons_social, 2))});
  return out;
}

std::vector<std::string> check_report_lines(const ZusSet& set, const std::vector<ZusProblem>& problems) {
  char title[96];
  std::snprintf(title, sizeof title, "Kontrola przed eksportem: raport %02d/%04d nr %02d", set.header.month,
                set.year, set.header.number);
  std::vector<std::string> lines = {title};
  if (problems.empty()) {
    lines.push_back("Nie znaleziono błędów.");
    return lines;
  }
  for (const ZusProblem& p : problems) lines.push_back(p.who + ": " + p.what);
  lines.push_back("Błędów: " + std::to_string(problems.size()));
  return lines;
}

}  // namespace skolvarin::declarations
