#include "declarations/kedu_writer.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "host/api/calendar.h"
#include "host/api/db_api.h"
#include "host/api/rounding.h"
#include "host/api/xml_api.h"
#include "resources/module_resources.h"

namespace skolvarin::declarations {
namespace {

constexpr const char* kKedu5Attributes =
    "wersja_schematu=\"1\" xmlns=\"http://www.zus.pl/2024/KEDU_5_6\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:schemaLocation=\"http://www.zus.pl/2024/KEDU_5_6 kedu_5_6.xsd\"";

std::string money(double x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", R(x, 2) + 0.0);
  std::string s = buf;
  return s == "-0.00" ? "0.00" : s;
}

std::string iso(const HostDate& d) {
  if (d.empty()) return "";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string digits(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c >= '0' && c <= '9') out += c;
  return out;
}

// The first n characters of a UTF-8 text (characters, not bytes).
std::string cut(const std::string& s, size_t n) {
  size_t chars = 0, i = 0;
  for (; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (chars == n) break;
      ++chars;
    }
  }
  return s.substr(0, i);
}

bool starts(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }

// The element calls of one file, stopping at the first failure.
class Doc {
 public:
  explicit Doc(int handle) : h_(handle) {}
  bool ok() const { return ok_; }
  void open(int level, const std::string& tag) { run(XmlElement(h_, level, 1, tag.c_str())); }
  void open(int level, const char* name, const std::string& attributes) {
    run(XmlElement(h_, level, 1, XmlAttrTag(name, attributes.c_str())));
  }
  void close(int level, const char* name) { run(XmlElement(h_, level, 0, name)); }
  void text(int level, const char* name, const std::string& value) {
    run(XmlString(h_, level, name, value.c_str()));
  }
  void amount(int level, const char* name, double value) { text(level, name, money(value)); }
  void number(int level, const char* name, long value) { text(level, name, std::to_string(value)); }

 private:
  void run(int rc) {
    if (ok_ && rc != 0) ok_ = false;
  }
  int h_;
  bool ok_ = true;
};

const char* pos(int i) {
  static const char* names[] = {"p0",  "p1",  "p2",  "p3",  "p4",  "p5",  "p6",  "p7",  "p8",  "p9",
                                "p10", "p11", "p12", "p13", "p14", "p15", "p16", "p17", "p18", "p19",
                                "p20", "p21", "p22", "p23", "p24", "p25", "p26", "p27", "p28", "p29",
                                "p30", "p31", "p32", "p33", "p34", "p35", "p36", "p37"};
  return names[i];
}

struct Writer {
  Doc& x;
  const ZusSet& set;
  const ZusPayer& payer;
  const KeduOptions& options;
  KeduVersion version;
  int block_id = 0;

  bool v5() const { return version == KeduVersion::V5; }
  bool numbered() const { return version != KeduVersion::V3; }

  std::string ym() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d-%02d", set.year, set.header.month);
    return buf;
  }
  std::string inr() const {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", set.header.number);
    return buf;
  }

  void identifier(int level) {
    x.open(level, "p1");
    x.text(level + 1, "p1", inr());
    x.text(level + 1, "p2", ym());
    x.close(level, "p1");
  }

  void document_open(const char* name, int id) {
    if (numbered())
      x.open(1, name, "id_dokumentu=\"" + std::to_string(id) + "\"");
    else
      x.open(1, name);
  }

  // The report's block I: the identifier, and "1" as p2 before KEDU 5.
  void report_head() {
    x.open(2, "I");
    identifier(3);
    if (!v5()) x.text(3, "p2", "1");
    x.close(2, "I");
  }

  void payer_block() {
    x.open(2, "II");
    std::string nip = cut(digits(payer.nip), 20), regon = digits(payer.regon);
    if (!v5() || nip.size() == 10) x.text(3, "p1", nip);
    if (!v5() || regon.size() == 9 || regon.size() == 14) x.text(3, "p2", v5() ? regon : payer.regon);
    bool document = payer.id_kind == "1" || payer.id_kind == "2";
    if (payer.natural_person) {
      if (!v5() || !payer.pesel.empty()) x.text(3, "p3", payer.pesel);
      if (document) {
        x.text(3, "p4", payer.id_kind);
        x.text(3, "p5", cut(payer.id_number, 9));
      }
    }
    if ((!payer.natural_person || options.short_name_for_person) && (!v5() || !payer.short_name.empty()))
      x.text(3, "p6", cut(payer.short_name, 31));
    if (payer.natural_person) {
      x.text(3, "p7", cut(payer.surname, 31));
      x.text(3, "p8", cut(payer.first_name, 22));
      if (!v5() || !payer.birth.empty()) x.text(3, "p9", iso(payer.birth));
    }
    x.close(2, "II");
  }

  void code(int level, const char* name, std::string ktu) {
    while (ktu.size() < 6) ktu += '0';
    x.open(level, name);
    x.text(level + 1, "p1", ktu.substr(0, 4));
    x.text(level + 1, "p2", ktu.substr(4, 1));
    x.text(level + 1, "p3", ktu.substr(5, 1));
    x.close(level, name);
  }

  void person_head(const ZusPerson& p) {
    if (numbered())
      x.open(2, "III", "id_bloku=\"" + std::to_string(++block_id) + "\"");
    else
      x.open(2, "III");
    x.open(3, "A");
    x.text(4, "p1", cut(p.surname, 31));
    x.text(4, "p2", cut(p.first_name, 22));
    x.text(4, "p3", p.id_kind);
    x.text(4, "p4", cut(p.id_number, 11));
    x.close(3, "A");
  }

  void closing(const char* block) {
    x.open(2, block);
    x.text(3, "p1", iso(set.header.filled));
    x.close(2, block);
  }

  void dra() {
    DraPositions d = dra_positions(dra_sums(set), options.benefit_fee_pct);
    x.open(2, "I");
    x.text(3, "p1", payer.tde.empty() ? "3" : payer.tde.substr(0, 1));
    x.open(3, "p2");
    x.text(4, "p1", inr());
    x.text(4, "p2", ym());
    x.close(3, "p2");
    if (!v5() || !set.header.dep.empty()) x.text(3, "p5", cut(set.header.dep, 12));
    x.close(2, "I");
    payer_block();
    x.open(2, "III");
    x.number(3, "p1", set.header.persons);
    x.amount(3, "p3", options.accident_rate);
    x.close(2, "III");
    x.open(2, "IV");
    for (int i = 1; i <= 37; ++i) x.amount(3, pos(i), d.iv[i]);
    x.close(2, "IV");
    x.open(2, "V");
    for (int i = 1; i <= 5; ++i) x.amount(3, pos(i), d.v[i]);
    x.close(2, "V");
    auto due = [&](const char* block) {
      x.open(2, block);
      x.amount(3, "p1", d.vi[1]);
      x.amount(3, "p2", d.vi[2]);
      x.close(2, block);
    };
    auto health = [&](const char* block) {
      x.open(2, block);
      for (int i = 1; i <= 7; ++i) x.amount(3, pos(i), d.vii[i]);
      x.close(2, block);
    };
    auto funds = [&](const char* block) {
      x.open(2, block);
      for (int i = 1; i <= 3; ++i) x.amount(3, pos(i), d.viii[i]);
      x.close(2, block);
    };
    auto counts = [&](const char* block) {
      x.open(2, block);
      x.number(3, "p1", set.header.rga);
      x.number(3, "p2", set.header.rna);
      x.amount(3, "p3", d.fep);
      x.close(2, block);
    };
    if (v5()) {
      // Today's declaration: health VI, funds VII, counts and FEP VIII,
      // the amount to return or to pay IX, the date XIII.
      health("VI");
      funds("VII");
      counts("VIII");
      due("IX");
      closing("XIII");
    } else {
      due("VI");
      health("VII");
      funds("VIII");
      counts("IX");
      closing("XI");
    }
  }

  enum class Kind { Main, Parental, Maternity, HealthOnly };

  void rca_block(const ZusPerson& p, Kind kind) {
    person_head(p);
    x.open(3, "B");
    const std::string& ktu = kind == Kind::Parental ? p.kuw : kind == Kind::Maternity ? p.kum : p.ktu;
    code(4, "p1", ktu);
    if (!p.pma.empty()) x.text(4, "p2", p.pma.substr(0, 1));
    if (!(starts(ktu, "0120") || starts(ktu, "0121") || starts(ktu, "0122") || starts(ktu, "04") ||
          starts(ktu, "05")) &&
        (!v5() || p.wy2 > 0)) {
      x.open(4, "p3");
      x.number(5, "p1", p.wy1);
      x.number(5, "p2", p.wy2);
      x.close(4, "p3");
    }
    double b[30] = {};
    bool main = kind == Kind::Main;
    b[4] = main ? p.perp + p.peru : kind == Kind::Parental ? p.perw : kind == Kind::Maternity ? p.perm : 0;
    if (main) {
      b[5] = (p.kcup > 0 ? p.pcwp : 0) + (p.kcuu > 0 ? p.pcwu : 0);
      b[6] = p.pcwp + p.pcwu;
      b[7] = p.keup + p.keuu;
      b[8] = p.krup + p.kruu;
      (sickness_paid_by_payer(p.ktu) ? b[13] : b[9]) = p.kcup + p.kcuu;
      (is_self_employed_code(p.ktu) ? b[10] : b[14]) = p.kwpp + p.kwpu;
      b[11] = p.kepp + p.kepu;
      b[12] = p.krpp + p.krpu;
    }
    if (kind == Kind::Parental) b[15] = p.kepw, b[16] = p.krpw;
    if (kind == Kind::Maternity) b[15] = p.kepm, b[16] = p.krpm;
    int last = v5() ? 28 : 27;
    double total = 0;
    for (int i = 7; i <= last; ++i) total += R(b[i], 2);
    b[last + 1] = total;
    for (int i = 4; i <= last + 1; ++i) x.amount(4, pos(i), b[i]);
    x.close(3, "B");
    x.open(3, "C");
    bool payer_health = sickness_paid_by_payer(p.ktu);
    double contribution = p.kzup + p.kzuu;
    bool health_of_person = main || kind == Kind::HealthOnly;
    x.amount(4, "p1", health_of_person ? p.pszp + p.pszu : kind == Kind::Parental ? p.pszw : 0);
    x.amount(4, "p2", health_of_person && payer_health ? contribution : 0);
    x.amount(4, "p3", kind == Kind::Parental ? p.kszw : 0);
    x.amount(4, "p4", health_of_person && !payer_health ? contribution : 0);
    x.amount(4, "p5", 0);
    x.close(3, "C");
    x.close(2, "III");
  }

  void rca() {
    report_head();
    payer_block();
    for (const ZusPerson& p : set.persons) {
      ZusReports r = reports_of(p);
      if (r.rca_main) rca_block(p, Kind::Main);
      if (v5() && r.rza_main) rca_block(p, Kind::HealthOnly);
      if (r.rca_parental || (v5() && r.rza_parental)) rca_block(p, Kind::Parental);
      if (r.rca_maternity) rca_block(p, Kind::Maternity);
    }
    closing(v5() ? "IV" : "VII");
  }

  void rsa() {
    report_head();
    payer_block();
    for (const ZusPerson& p : set.persons) {
      for (const ZusBenefit& b : p.benefits) {
        person_head(p);
        x.open(3, "B");
        code(4, "p1", b.ktu.empty() ? p.ktu : b.ktu);
        x.text(4, "p2", b.code);
        if (!v5() || !b.from.empty()) x.text(4, "p3", iso(b.from));
        if (!v5() || !b.to.empty()) x.text(4, "p4", iso(b.to));
        int n = std::atoi(b.code.c_str());
        bool days = n == 155 || n == 312 || (n >= 331 && n <= 338) || n == 399 || !same_grosz(b.amount, 0);
        if (days) x.number(4, "p5", b.days);
        x.amount(4, "p6", b.amount);
        x.close(3, "B");
        x.close(2, "III");
      }
    }
    closing("XI");
  }

  void rza_block(const ZusPerson& p, bool parental) {
    person_head(p);
    x.open(3, "B");
    code(4, "p1", parental ? p.kuw : p.ktu);
    x.amount(4, "p2", parental ? p.pszw : p.pszp + p.pszu);
    double contribution = parental ? p.kszw : p.kzup + p.kzuu;
    if (version == KeduVersion::V3) {
      x.amount(4, "p3", contribution);
    } else {
      bool collaborator = parental || is_collaborator_code(p.ktu);
      x.amount(4, "p3", collaborator ? 0 : contribution);
      x.amount(4, "p4", 0);
      x.amount(4, "p5", collaborator ? contribution : 0);
      x.amount(4, "p6", 0);
    }
    x.close(3, "B");
    x.close(2, "III");
  }

  void rza() {
    report_head();
    payer_block();
    for (const ZusPerson& p : set.persons) {
      ZusReports r = reports_of(p);
      if (r.rza_main) rza_block(p, false);
      if (r.rza_parental) rza_block(p, true);
    }
    closing("XIII");
  }
};

}  // namespace

KeduVersion kedu_version(int year, int month, int number) {
  int ym = year * 100 + month;
  if (ym >= 201901) return KeduVersion::V5;
  if (ym < 201311) return KeduVersion::V3;
  if (ym <= 201602 || (year == 2016 && number <= 1)) return KeduVersion::V4;
  return KeduVersion::V4_3;
}

std::string kedu_root_attributes(KeduVersion v) {
  if (v == KeduVersion::V5) return kKedu5Attributes;
  int id = v == KeduVersion::V3 ? 211 : v == KeduVersion::V4 ? 212 : 252;
  auto text = resources::module_message(id);
  return text ? StoredText(*text) : std::string();
}

std::string kedu_file_name(int year, int month, int number) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "ZUS %i-%02i_%02i pracownicy.xml", year, month, number);
  return buf;
}

bool write_kedu(const std::string& path, const ZusSet& set, const ZusPayer& given, const KeduOptions& options,
                std::string& error, std::string* note) {
  ZusPayer payer = given;
  if (payer.spc.size() != 1 || payer.spc[0] < '0' || payer.spc[0] > '3') {
    if (note) {
      auto a = resources::module_message(199), b = resources::module_message(244);
      *note = StoredText(a ? *a : "") + " " + StoredText(b ? *b : "");
    }
    payer.spc = "0";
  }
  KeduVersion version = kedu_version(set.year, set.header.month, set.header.number);
  std::string attributes = kedu_root_attributes(version);
  if (attributes.empty()) {
    error = "brak tekstu atrybutów wersji KEDU";
    return false;
  }
  int h = XmlOpen(path.c_str());
  if (h == 0) {
    error = "nie można utworzyć pliku " + path;
    return false;
  }
  Doc x(h);
  Writer w{x, set, payer, options, version};
  x.open(0, XmlAttrTag("KEDU", attributes.c_str()));
  x.open(1, "naglowek.KEDU");
  x.open(2, "program");
  x.text(3, "producent", options.producer);
  x.text(3, "symbol", "SKOLVARIN WIN");
  x.text(3, "wersja", "2017.02.02");
  x.close(2, "program");
  x.text(2, "data_utworzenia_KEDU", iso(set.header.filled));
  if (version != KeduVersion::V3) x.text(2, "status_kontroli", "0");
  x.close(1, "naglowek.KEDU");
  // Which persons are on which report: counted again from the persons, so
  // a file never announces a document it has no block for.
  int rca = 0, rsa = 0, rza = 0;
  for (const ZusPerson& p : set.persons) {
    ZusReports r = reports_of(p);
    rca += r.rca_blocks() + (version == KeduVersion::V5 ? r.rza_blocks() : 0);
    rsa += r.rsa_rows;
    rza += r.rza_blocks();
  }
  int id = 0;
  w.document_open("ZUSDRA", ++id);
  w.dra();
  x.close(1, "ZUSDRA");
  if (x.ok() && rca) {
    w.block_id = 0;
    w.document_open("ZUSRCA", ++id);
    w.rca();
    x.close(1, "ZUSRCA");
  }
  if (x.ok() && rsa) {
    w.block_id = 0;
    w.document_open("ZUSRSA", ++id);
    w.rsa();
    x.close(1, "ZUSRSA");
  }
  if (x.ok() && rza && version != KeduVersion::V5) {
    w.block_id = 0;
    w.document_open("ZUSRZA", ++id);
    w.rza();
    x.close(1, "ZUSRZA");
  }
  x.close(0, "KEDU");
  std::string why = XmlError(h);
  if (XmlClose(h) != 0 || !x.ok()) {
    error = "nie można zapisać pliku KEDU" + (why.empty() ? std::string() : ": " + why);
    return false;
  }
  return true;
}

// ------------------------------------------------------------ platnik.rep
namespace {

// UTF-8 to ISO 8859-2 (the Polish letters; other characters outside ASCII
// become '?').
std::string latin2(const std::string& s) {
  static const struct {
    const char* utf8;
    char byte;
  } letters[] = {{"ą", '\xB1'}, {"ć", '\xE6'}, {"ę", '\xEA'}, {"ł", '\xB3'}, {"ń", '\xF1'}, {"ó", '\xF3'},
                 {"ś", '\xB6'}, {"ź", '\xBC'}, {"ż", '\xBF'}, {"Ą", '\xA1'}, {"Ć", '\xC6'}, {"Ę", '\xCA'},
                 {"Ł", '\xA3'}, {"Ń", '\xD1'}, {"Ó", '\xD3'}, {"Ś", '\xA6'}, {"Ź", '\xAC'}, {"Ż", '\xAF'}};
  std::string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += s[i++];
      continue;
    }
    size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    std::string ch = s.substr(i, len);
    char b = '?';
    for (const auto& l : letters)
      if (ch == l.utf8) b = l.byte;
    out += b;
    i += len;
  }
  return out;
}

std::string pad(const std::string& utf8, size_t width) {
  std::string s = latin2(cut(utf8, width));
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

// DDMMCCYY: the shown date without its hyphens.
std::string ddmmccyy(const HostDate& d) {
  if (d.empty()) return std::string(8, ' ');
  std::string s = to_shown(d);
  s.erase(std::remove(s.begin(), s.end(), '-'), s.end());
  return s;
}

}  // namespace

bool write_platnik_rep(const std::string& path, const ZusPayer& p, const HostDate& today,
                       bool short_name_for_person, std::string& error) {
  std::vector<std::string> lines = {"<!DOCTYPE BDPLAT SYSTEM 'BDPLAT.DTD'[", "<!ENTITY wersja '000.00'>",
                                    "<!ENTITY strona.kodowa 'ISO 8859-2'>]>", "<BDPLAT>", "<PLATNIK>"};
  auto add = [&](std::string s) { lines.push_back(std::move(s)); };
  add("<DOPL>");
  add(pad(p.natural_person ? "T" : "N", 1));
  add(ddmmccyy(today));
  add(ddmmccyy(today));
  add(std::string(24, ' '));
  add("</DOPL>");
  add("<GDPZ>");
  for (int i = 0; i < 3; ++i) {
    add(" ");
    add("0");
    add(std::string(18, ' '));
  }
  add("</GDPZ>");
  add("<ADIPL>");
  add(pad(digits(p.nip), 10));
  add(pad(p.regon, 14));
  if (p.natural_person) {
    add(pad(p.pesel, 11));
    if (p.id_kind.empty() || p.id_kind == "2") {
      add(pad(p.id_kind, 1));
      add(pad(p.id_number, 9));
    } else {
      add(std::string(1, ' '));
      add(std::string(9, ' '));
    }
    add(short_name_for_person ? pad(p.short_name, 31) : std::string(31, ' '));
    add(pad(p.surname, 31));
    add(pad(p.first_name, 22));
    add(ddmmccyy(p.birth));
  } else {
    for (size_t w : {11, 1, 9}) add(std::string(w, ' '));
    add(pad(p.short_name, 31));
    for (size_t w : {31, 22, 8}) add(std::string(w, ' '));
  }
  add("</ADIPL>");
  add("<ADKP>");
  add(std::string(146, ' '));
  add("</ADKP>");
  add("<NRBP>");
  add(std::string(20, ' '));
  add(pad(p.account, 36));
  for (int i = 0; i < 4; ++i) add("X");
  add(" ");
  add("</NRBP>");
  add("</PLATNIK>");
  add("</BDPLAT>");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& l : lines) out << l << "\r\n";
  out.close();
  if (!out) {
    error = "nie można zapisać pliku " + path;
    return false;
  }
  return true;
}

bool export_for_platnik(const std::string& directory, const std::string& fallback, const ZusSet& set,
                        const ZusPayer& payer, const KeduOptions& options, const HostDate& today,
                        std::string& kedu_path, std::string& error) {
  std::string dir = directory;
  while (!dir.empty() && dir.back() == ' ') dir.pop_back();
  while (!dir.empty() && dir.front() == ' ') dir.erase(0, 1);
  for (char& c : dir)
    if (c == '\\') c = '/';
  if (!dir.empty() && dir.back() != '/') dir += '/';
  struct stat st{};
  if (dir.empty() || stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) dir = fallback;
  if (!write_platnik_rep(dir + "platnik.rep", payer, today, options.short_name_for_person, error)) return false;
  kedu_path = dir + kedu_file_name(set.year, set.header.month, set.header.number);
  return write_kedu(kedu_path, set, payer, options, error);
}

}  // namespace skolvarin::declarations
