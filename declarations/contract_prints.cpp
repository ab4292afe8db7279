#include "declarations/contract_prints.h"

#include <algorithm>
#include <cstdio>

#include "host/api/rounding.h"

namespace skolvarin::declarations {

namespace {

std::string money(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

std::string padded_left(const std::string& s, size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

}  // namespace

const std::vector<std::string>& contract_kinds() {
  static const std::vector<std::string> kinds = {"1. ZLECENIA-DOCHODOWY", "2. O DZIEŁO-DOCHODOWY",
                                                 "3. ZLECENIA-RYCZAŁT  ", "4. O DZIEŁO-RYCZAŁT  "};
  return kinds;
}

const std::vector<std::string>& income_sources() {
  static const std::vector<std::string> sources = {
      "1. artystycz.literackiej i pozostałej", "2. obowiązków społecz. i obywatel.   ",
      "3. czynności biegłych i inkasentów   ", "4. udziałów w organach               ",
      "5. umów zleceń i o dzieło            ", "6. praw autorskich i innych praw     ",
      "7. innych przychodów                 ", "8. kontrakt menadżerski              "};
  return sources;
}

std::string kind_text(int typ) {
  return typ >= 1 && typ <= 4 ? contract_kinds()[static_cast<size_t>(typ - 1)] : std::string();
}

bool is_specific_work(int typ) { return typ == 2 || typ == 4; }

std::array<SettlementLine, 9> settlement_lines(const ContractBill& b, const ContractParameters& p) {
  double deducted = std::min(b.KZU, health_deductible(b, p));
  bool flat_no_deduction = is_flat_rate(b.TYP) && !p.flat_deduct_health;
  return {{
      {"1.Kwota brutto", b.BRU},
      {"2.Koszty uzyskania", b.UZW, true, b.UZP},
      {"3.Składki na ubezpieczenia społeczne", R(b.KEU + b.KRU + b.KCU, 2)},
      {"4.Dochód ( 1-2-3 )", b.DOP},
      {"5.Podatek od poz 4", b.POD, true, b.POS},
      {"6.Pobrana składka na ubezpieczenie zdrowotne", b.KZU, true, p.health},
      {"7.Odliczona składka na ubezpieczenie zdrowotne", deducted, true,
       flat_no_deduction ? 0.0 : p.health_deductible},
      {"8.Zaliczka na podatek ( 5-7 )", b.NPO},
      {"9.Do wypłaty ( 1-3-6-8 )", b.NET},
  }};
}

void SummaryRow::add(const ContractBill& b) {
  ++count;
  BRU += b.BRU, UZW += b.UZW, DOP += b.DOP, NPO += b.NPO, NET += b.NET;
  contractor += b.KEU + b.KRU + b.KCU;
  payer += b.KEP + b.KRP + b.KWP;
  KZU += b.KZU, FUP += b.FUP, FUG += b.FUG;
}

ContractSummary summarize(const std::vector<ContractBill>& bills) {
  ContractSummary s;
  for (const ContractBill& b : bills) {
    int source = b.TYT >= 0 && b.TYT <= 9 ? b.TYT : 0;
    s.by_source[static_cast<size_t>(source)].add(b);
    s.total.add(b);
  }
  return s;
}

std::string summary_text(const ContractSummary& s, int year) {
  std::string out = "Podsumowanie umów. Rok " + std::to_string(year) + "\n\n";
  out += "tytuł  liczba      brutto      koszty      dochód     podatek  do wypłaty"
         "  skł.zlecenio.  skł.płatnika   zdrowotne          FP       FGŚP\n";
  auto line = [&out](const std::string& label, const SummaryRow& r) {
    char text[256];
    std::snprintf(text, sizeof text, "%-5s %7ld %11.2f %11.2f %11.2f %11.2f %11.2f %14.2f %13.2f %11.2f %11.2f %10.2f\n",
                  label.c_str(), r.count, R(r.BRU, 2), R(r.UZW, 2), R(r.DOP, 2), R(r.NPO, 2), R(r.NET, 2),
                  R(r.contractor, 2), R(r.payer, 2), R(r.KZU, 2), R(r.FUP, 2), R(r.FUG, 2));
    out += text;
  };
  for (size_t i = 0; i < s.by_source.size(); ++i)
    if (s.by_source[i].count) line(std::to_string(i), s.by_source[i]);
  line("RAZEM", s.total);
  return out;
}

std::string by_office_text(std::vector<OfficeContract> rows, int year) {
  std::stable_sort(rows.begin(), rows.end(),
                   [](const OfficeContract& a, const OfficeContract& b) { return a.office < b.office; });
  std::string out = "Umowy wg urzędów. Rok " + std::to_string(year) + "\n";
  char text[256];
  for (size_t i = 0; i < rows.size();) {
    int office = rows[i].office;
    std::string name = rows[i].office_name.empty() ? (office ? "urząd nr " + std::to_string(office) : "bez urzędu")
                                                   : rows[i].office_name;
    out += "\nUrząd skarbowy: " + name + "\n";
    out += "data rach.  nazwisko i imię                    brutto    dochód   podatek\n";
    double bru = 0, dop = 0, npo = 0;
    for (; i < rows.size() && rows[i].office == office; ++i) {
      const ContractBill& b = rows[i].bill;
      std::snprintf(text, sizeof text, "%-10s  %-30.30s %9.2f %9.2f %9.2f\n", to_shown(b.DAR).c_str(),
                    rows[i].name.c_str(), b.BRU, b.DOP, b.NPO);
      out += text;
      bru += b.BRU, dop += b.DOP, npo += b.NPO;
    }
    std::snprintf(text, sizeof text, "%-42s %9.2f %9.2f %9.2f\n", "razem urząd:", R(bru, 2), R(dop, 2), R(npo, 2));
    out += text;
  }
  return out;
}

std::string transfer_text(int typ, const Date& daw) {
  std::string s = is_specific_work(typ) ? "umowa o dzieło" : "umowa zlecenia";
  s += " z dnia";
  std::string d = to_shown(daw);
  if (!d.empty()) s += " " + d;
  return s;
}

double payer_contributions(const ContractBill& b) { return R(b.KEP + b.KRP + b.KWP + b.FUP + b.FUG, 2); }

}  // namespace skolvarin::declarations
