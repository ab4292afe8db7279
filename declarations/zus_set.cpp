#include "declarations/zus_set.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "host/api/rounding.h"

namespace skolvarin::declarations {
namespace {

bool starts(const std::string& s, std::string_view prefix) { return s.rfind(prefix, 0) == 0; }

template <size_t N>
bool starts_any(const std::string& s, const std::array<std::string_view, N>& list) {
  return std::any_of(list.begin(), list.end(), [&](std::string_view p) { return starts(s, p); });
}

constexpr std::array<std::string_view, 11> kSelfEmployed = {"0510", "0512", "0520", "0530", "0540", "0543",
                                                            "0544", "0550", "0560", "0570", "0572"};
constexpr std::array<std::string_view, 5> kCollaborators = {"0511", "0521", "0531", "0542", "0545"};

bool positive(double x) { return x > 0 && !same_grosz(x, 0); }
bool nonzero(double x) { return !same_grosz(x, 0); }

// The benefit or break codes of a pay component: three digits.
bool is_benefit_code(const std::string& code) {
  return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool is_self_employed_code(const std::string& ktu) { return starts_any(ktu, kSelfEmployed); }
bool is_collaborator_code(const std::string& ktu) { return starts_any(ktu, kCollaborators); }
bool sickness_paid_by_payer(const std::string& ktu) { return starts(ktu, "05") && !is_self_employed_code(ktu); }

ZusBuild build_persons(const std::vector<ZusEmployee>& employees, const std::vector<ZusPayRecord>& pays,
                       const std::vector<ZusContract>& contracts, int month) {
  ZusBuild out;
  for (const ZusEmployee& e : employees) {
    ZusPerson p;
    p.surname = e.surname;
    p.first_name = e.first_name;
    p.employee = e.rec;
    if (e.id_kind == "D") {
      p.id_kind = "1";
      p.id_number = e.document;
    } else if (e.id_kind == "S") {
      p.id_kind = "2";
      p.id_number = e.document;
    } else {
      p.id_kind = "P";
      p.id_number = e.pesel;
    }
    p.ktu = e.ktu;
    p.pma = e.pma;
    p.wy1 = e.wy1;
    p.wy2 = e.wy2;
    bool any = false, mixed = false;
    for (const ZusPayRecord& r : pays) {
      if (r.employee != e.rec || r.month != month) continue;
      if (!any) {
        if (!r.ktu.empty()) p.ktu = r.ktu;
        if (r.wy1 || r.wy2) p.wy1 = r.wy1, p.wy2 = r.wy2;
      } else if (!r.ktu.empty() && r.ktu != p.ktu) {
        mixed = true;
      }
      any = true;
      p.perp += r.per, p.pcwp += r.pcw, p.pszp += r.psz;
      p.keup += r.keu, p.krup += r.kru, p.kcup += r.kcu, p.kzup += r.kzu;
      p.kepp += r.kep, p.krpp += r.krp, p.kwpp += r.kwp;
      p.fppp += r.fpp, p.fgpp += r.fgp, p.fep += r.fep;
      for (const ZusPayComponent& c : r.components) {
        if (!is_benefit_code(c.zus_code) || (!c.kgs.empty() && c.kgs[0] != 'S' && c.kgs[0] != 'N')) continue;
        p.benefits.push_back({c.ktu.empty() ? p.ktu : c.ktu, c.zus_code, c.from, c.to, c.days, c.kch, c.amount});
      }
    }
    if (mixed) out.mixed_codes.push_back(p.first_name + " " + p.surname);
    for (const ZusContract& c : contracts) {
      if (c.employee != e.rec || c.bill.month != month) continue;
      double contributions[] = {c.keu, c.kep, c.kru, c.krp, c.kcu, c.kwp, c.kzu, c.fup, c.fug};
      // A contract without contributions (a work contract outside insurance)
      // is reported and left out of the set.
      if (std::none_of(std::begin(contributions), std::end(contributions), nonzero)) {
        out.contracts_without_contributions.push_back(c.first_name + " " + c.surname);
        continue;
      }
      if (!any && !c.ktu.empty()) p.ktu = c.ktu;
      any = true;
      p.peru += c.per, p.pcwu += c.pcw, p.pszu += c.psz;
      p.keuu += c.keu, p.kruu += c.kru, p.kcuu += c.kcu, p.kzuu += c.kzu;
      p.kepu += c.kep, p.krpu += c.krp, p.kwpu += c.kwp;
      p.fppu += c.fup, p.fgpu += c.fug;
    }
    if (!any) continue;
    for (double* x : {&p.perp, &p.pcwp, &p.pszp, &p.keup, &p.krup, &p.kcup, &p.kzup, &p.kepp, &p.krpp, &p.kwpp,
                      &p.fppp, &p.fgpp, &p.fep, &p.peru, &p.pcwu, &p.pszu, &p.keuu, &p.kruu, &p.kcuu, &p.kzuu,
                      &p.kepu, &p.krpu, &p.kwpu, &p.fppu, &p.fgpu})
      *x = R(*x, 2);
    out.persons.push_back(std::move(p));
  }
  return out;
}

ZusPerson owner_person(const ZusOwnerRow& o) {
  ZusPerson p;
  p.surname = o.surname, p.first_name = o.first_name;
  if (o.id_kind == "1" || o.id_kind == "2" || o.id_kind == "D" || o.id_kind == "S") {
    p.id_kind = o.id_kind == "1" || o.id_kind == "D" ? "1" : "2";
    p.id_number = o.document;
  } else {
    p.id_kind = "P";
    p.id_number = o.pesel;
  }
  p.ktu = o.ktu, p.pma = o.pma, p.rzt = o.rzt;
  p.perp = o.wer, p.pcwp = R(o.wch + o.wwy, 2), p.pszp = o.wzd;
  p.keup = o.keu, p.krup = o.kru, p.kcup = R(o.kcu + o.kcp, 2);
  p.kzup = o.nsp, p.kosp = o.nsp;
  p.kepp = o.kep, p.krpp = o.krp, p.kwpp = R(o.kwp + o.kwu, 2);
  p.fppp = R(o.sfp + o.sfu, 2), p.fgpp = o.sfg;
  p.ilr = o.ilr, p.zar = o.zar, p.ilp = o.ilp, p.zap = o.zap;
  return p;
}

ZusReports reports_of(const ZusPerson& p) {
  ZusReports r;
  bool six = positive(p.perp) || positive(p.pcwp) || positive(p.peru) || positive(p.pcwu) || positive(p.zar) ||
             positive(p.zap);
  bool social_zero = !nonzero(p.perp) && !nonzero(p.pcwp) && !nonzero(p.peru) && !nonzero(p.pcwu);
  bool health = nonzero(p.pszp) || nonzero(p.pszu);
  if (six || !p.kum.empty() || !p.kuw.empty()) {
    r.rca_main = six;
    r.rca_parental = !p.kuw.empty();
    r.rca_maternity = !p.kum.empty();
  } else if (social_zero && health && (starts(p.ktu, "01") || (starts(p.ktu, "05") && p.rzt == "N"))) {
    r.rca_main = r.rca_health_only = true;
  } else if (social_zero && !health && (starts(p.ktu, "04") || starts(p.ktu, "22"))) {
    r.rca_main = true;
  }
  r.rza_main = social_zero && health && !r.rca_health_only;
  r.rza_parental = !p.kuw.empty() && social_zero && !nonzero(p.perw) && nonzero(p.pszw);
  r.rsa_rows = static_cast<int>(p.benefits.size());
  return r;
}

void count_reports(ZusSet& set) {
  ZusSetHeader& h = set.header;
  // One document of a kind holds every person of the set: a counter is 1
  // when the kind has a block, else 0.
  h.rca = h.rsa = h.rza = 0;
  for (const ZusPerson& p : set.persons) {
    ZusReports r = reports_of(p);
    if (r.rca_blocks()) h.rca = 1;
    if (r.rsa_rows) h.rsa = 1;
    if (r.rza_blocks()) h.rza = 1;
  }
  h.persons = static_cast<int>(set.persons.size());
}

int benefit_group(const std::string& code) {
  int n = std::atoi(code.c_str());
  if (n == 211 || n == 212 || (n >= 214 && n <= 216)) return 1;
  if (n >= 311 && n <= 320) return 1;
  if (n >= 321 && n <= 328) return 2;
  if (n == 329 || n == 350) return 1;
  return 0;  // 331..338, 399: the payer's own sick pay; breaks
}

DraSums dra_sums(const ZusSet& set) {
  DraSums s;
  for (const ZusPerson& p : set.persons) {
    const std::string& k = p.ktu;
    if (starts(k, "01") && !starts(k, "0120") && !starts(k, "0121") && !starts(k, "0122"))
      s.fte += (p.wy1 != p.wy2 && p.wy2 != 0) ? static_cast<double>(p.wy1) / p.wy2 : p.wy1;
    s.pension_insured += p.keup + p.keuu;
    s.disability_insured += p.krup + p.kruu;
    s.pension_payer += p.kepp + p.kepu;
    s.disability_payer += p.krpp + p.krpu;
    s.pension_budget += p.kepw + p.kepm;
    s.disability_budget += p.krpw + p.krpm;
    bool payer_sick = sickness_paid_by_payer(k);
    (payer_sick ? s.sickness_payer : s.sickness_insured) += p.kcup + p.kcuu;
    (is_self_employed_code(k) ? s.accident_insured : s.accident_payer) += p.kwpp + p.kwpu;
    if (payer_sick)
      s.health_05 += p.kzup;
    else
      s.health += p.kzup + p.kzuu;
    s.health_budget += p.kszw;
    s.labour_fund += p.fppp + p.fppu;
    s.guaranteed_fund += p.fgpp + p.fgpu;
    s.bridging_fund += p.fep;
    s.family_allowances += p.zar, s.family_count += p.ilr;
    s.care_allowances += p.zap, s.care_count += p.ilp;
    s.child_raising += p.zaw;
    s.kwz += p.kwz;
    for (const ZusBenefit& b : p.benefits) {
      int g = benefit_group(b.code);
      if (g == 1) s.benefits_sickness += b.amount;
      if (g == 2) s.benefits_accident += b.amount;
    }
  }
  s.surcharges = set.header.dus + set.header.duz + set.header.dfp;
  for (double* x : {&s.pension_insured, &s.disability_insured, &s.pension_payer, &s.disability_payer,
                    &s.pension_budget, &s.disability_budget, &s.sickness_insured, &s.sickness_payer,
                    &s.accident_insured, &s.accident_payer, &s.health, &s.health_05, &s.health_budget,
                    &s.labour_fund, &s.guaranteed_fund, &s.bridging_fund, &s.family_allowances,
                    &s.care_allowances, &s.child_raising, &s.benefits_sickness, &s.benefits_accident, &s.kwz,
                    &s.surcharges})
    *x = R(*x, 2);
  return s;
}

DraPositions dra_positions(const DraSums& s, double benefit_fee_pct) {
  DraPositions d;
  double* iv = d.iv;
  iv[4] = s.pension_insured, iv[5] = s.disability_insured, iv[6] = R(iv[4] + iv[5], 2);
  iv[7] = s.pension_payer, iv[8] = s.disability_payer, iv[9] = R(iv[7] + iv[8], 2);
  iv[10] = s.pension_budget, iv[11] = s.disability_budget, iv[12] = R(iv[10] + iv[11], 2);
  iv[1] = R(iv[4] + iv[7] + iv[10], 2), iv[2] = R(iv[5] + iv[8] + iv[11], 2), iv[3] = R(iv[1] + iv[2], 2);
  iv[22] = s.sickness_insured, iv[23] = s.accident_insured, iv[24] = R(iv[22] + iv[23], 2);
  iv[25] = s.sickness_payer, iv[26] = s.accident_payer, iv[27] = R(iv[25] + iv[26], 2);
  iv[19] = R(iv[22] + iv[25], 2), iv[20] = R(iv[23] + iv[26], 2), iv[21] = R(iv[19] + iv[20], 2);
  iv[37] = R(iv[6] + iv[9] + iv[24] + iv[27], 2);
  d.v[1] = R(s.benefits_sickness, 2);
  d.v[2] = R(d.v[1] * benefit_fee_pct / 100, 2);
  d.v[3] = R(s.benefits_accident, 2);
  d.v[4] = R(s.kwz, 2);
  d.v[5] = R(d.v[1] + d.v[2] + d.v[3] + d.v[4], 2);
  if (d.v[5] > iv[37] && !same_grosz(d.v[5], iv[37]))
    d.vi[1] = R(d.v[5] - iv[37], 2);
  else
    d.vi[2] = R(iv[37] - d.v[5], 2);
  d.vii[1] = R(s.health_05, 2);
  d.vii[2] = R(s.health, 2);
  d.vii[4] = R(s.health_budget, 2);
  d.vii[5] = R(d.vii[1] + d.vii[2], 2);
  d.vii[7] = d.vii[5];
  d.viii[1] = s.labour_fund, d.viii[2] = s.guaranteed_fund, d.viii[3] = R(s.labour_fund + s.guaranteed_fund, 2);
  d.fep = s.bridging_fund;
  return d;
}

ZusTransfers transfer_amounts(const ZusSet& set, double benefit_fee_pct) {
  DraPositions d = dra_positions(dra_sums(set), benefit_fee_pct);
  ZusTransfers t;
  t.social = R(d.vi[2] + set.header.dus, 2);
  t.health = R(d.vii[5] + set.header.duz, 2);
  t.funds = R(d.viii[3] + set.header.dfp, 2);
  t.fep = d.fep;
  return t;
}

double social_total(const ZusPerson& p) {
  return R(p.keup + p.keuu + p.krup + p.kruu + p.kcup + p.kcuu + p.kepp + p.kepu + p.krpp + p.krpu + p.kwpp +
               p.kwpu,
           2);
}

double health_total(const ZusPerson& p) { return R(p.kzup + p.kzuu, 2); }

void add_amounts(ZusPerson& into, const ZusPerson& p) {
  for (double ZusPerson::*m :
       {&ZusPerson::perp, &ZusPerson::pcwp, &ZusPerson::pszp, &ZusPerson::keup, &ZusPerson::krup, &ZusPerson::kcup,
        &ZusPerson::kzup, &ZusPerson::kepp, &ZusPerson::krpp, &ZusPerson::kwpp, &ZusPerson::kosp, &ZusPerson::kwsp,
        &ZusPerson::fppp, &ZusPerson::fgpp, &ZusPerson::peru, &ZusPerson::pcwu, &ZusPerson::pszu, &ZusPerson::keuu,
        &ZusPerson::kruu, &ZusPerson::kcuu, &ZusPerson::kzuu, &ZusPerson::kepu, &ZusPerson::krpu, &ZusPerson::kwpu,
        &ZusPerson::kwsu, &ZusPerson::fppu, &ZusPerson::fgpu, &ZusPerson::zar, &ZusPerson::zaw, &ZusPerson::zap,
        &ZusPerson::kwz, &ZusPerson::perw, &ZusPerson::pszw, &ZusPerson::kepw, &ZusPerson::krpw, &ZusPerson::kszw,
        &ZusPerson::perm, &ZusPerson::kepm, &ZusPerson::krpm, &ZusPerson::fep})
    into.*m = R(into.*m + p.*m, 2);
  into.ilr += p.ilr, into.ilp += p.ilp, into.ldp += p.ldp, into.ldo += p.ldo;
  into.benefits.insert(into.benefits.end(), p.benefits.begin(), p.benefits.end());
}

}  // namespace skolvarin::declarations
