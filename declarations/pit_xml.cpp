#include "declarations/pit_xml.h"

#include <cstdio>
#include <string_view>

#include "host/api/screen_api.h"
#include "host/api/xml_api.h"

namespace skolvarin::declarations {

namespace {

constexpr const char* kEtd2011 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/";
constexpr const char* kOrdZu2 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/10/07/eD/ORDZU/";
constexpr const char* kOrdZu3 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/02/05/eD/ORDZU/";

std::string digits_only(const std::string& s) {
  std::string d;
  for (char c : s)
    if (c >= '0' && c <= '9') d += c;
  return d;
}

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// The element calls of one file: every call checks the handle's state, the
// first failure stops the rest (the host removes the file at close).
class Out {
 public:
  explicit Out(int h) : h_(h) {}
  void open(int level, const std::string& tag) { ok_ = ok_ && XmlElement(h_, level, 1, tag.c_str()) == 0; }
  void close(int level, const char* name) { ok_ = ok_ && XmlElement(h_, level, 0, name) == 0; }
  void text(int level, const char* name, const std::string& value) {
    ok_ = ok_ && XmlString(h_, level, name, value.c_str()) == 0;
  }
  // A text element only when the value is not empty.
  void optional(int level, const char* name, const std::string& value) {
    if (!trim(value).empty()) text(level, name, trim(value));
  }
  // <tag attributes>value</name>
  void valued(int level, const std::string& tag, const char* name, const std::string& value) {
    open(level, tag);
    ok_ = ok_ && XmlText(h_, level + 1, value.c_str()) == 0;
    close(level, name);
  }
  bool ok() const { return ok_; }

 private:
  int h_;
  bool ok_ = true;
};

void write_payer(Out& o, const PitPayer& p) {
  o.open(1, XmlAttrTag("Podmiot1", "rola=\"Płatnik\""));
  if (p.natural_person) {
    o.open(2, "etd:OsobaFizyczna");
    o.text(3, "etd:NIP", digits_only(p.nip));
    o.text(3, "etd:ImiePierwsze", trim(p.first_name));
    o.text(3, "etd:Nazwisko", trim(p.surname));
    o.text(3, "etd:DataUrodzenia", p.birth_date);
    o.close(2, "etd:OsobaFizyczna");
  } else {
    o.open(2, "etd:OsobaNiefizyczna");
    o.text(3, "etd:NIP", digits_only(p.nip));
    o.text(3, "etd:PelnaNazwa", trim(p.name));
    o.optional(3, "etd:REGON", digits_only(p.regon));
    o.close(2, "etd:OsobaNiefizyczna");
  }
  o.close(1, "Podmiot1");
}

void write_taxpayer(Out& o, const PitTaxpayer& t) {
  o.open(1, XmlAttrTag("Podmiot2", "rola=\"Podatnik\""));
  o.open(2, "OsobaFizyczna");
  if (!digits_only(t.nip).empty())
    o.text(3, "etd:NIP", digits_only(t.nip));
  else if (!t.pesel.empty())
    o.text(3, "etd:PESEL", t.pesel);
  if (!trim(t.foreign_id).empty()) {
    o.text(3, "NrId", trim(t.foreign_id));
    o.optional(3, "RodzajNrId", t.foreign_id_kind.empty() ? "1" : t.foreign_id_kind);
    o.optional(3, "KodKrajuWydania", t.foreign_id_country);
  }
  o.text(3, "etd:ImiePierwsze", trim(t.first_name));
  o.text(3, "etd:Nazwisko", trim(t.surname));
  o.optional(3, "etd:DataUrodzenia", t.birth_date);
  o.close(2, "OsobaFizyczna");
  o.open(2, XmlAttrTag("AdresZamieszkania", "rodzajAdresu=\"RAD\""));
  if (t.foreign_address) {
    o.open(3, "etd:AdresZagr");
    o.text(4, "etd:KodKraju", trim(t.country_code));
    o.optional(4, "etd:KodPocztowy", t.foreign_postcode);
    o.text(4, "etd:Miejscowosc", trim(t.foreign_town));
    o.optional(4, "etd:Ulica", t.foreign_street);
    o.optional(4, "etd:NrDomu", t.foreign_house);
    o.optional(4, "etd:NrLokalu", t.foreign_flat);
    o.close(3, "etd:AdresZagr");
  } else {
    o.open(3, "etd:AdresPol");
    o.text(4, "etd:KodKraju", "PL");
    o.text(4, "etd:Wojewodztwo", trim(t.province));
    o.text(4, "etd:Powiat", trim(t.district));
    o.text(4, "etd:Gmina", trim(t.commune));
    o.optional(4, "etd:Ulica", t.street);
    o.text(4, "etd:NrDomu", trim(t.house));
    o.optional(4, "etd:NrLokalu", t.flat);
    o.text(4, "etd:Miejscowosc", trim(t.town));
    o.text(4, "etd:KodPocztowy", trim(t.postcode));
    o.text(4, "etd:Poczta", trim(t.post_office).empty() ? trim(t.town) : trim(t.post_office));
    o.close(3, "etd:AdresPol");
  }
  o.close(2, "AdresZamieszkania");
  o.close(1, "Podmiot2");
}

void write_ordzu(Out& o, const PitVariant& v, const std::string& reasons) {
  o.open(1, "Zalaczniki");
  o.open(2, XmlAttrTag("zzu:Zalacznik_ORD-ZU", (std::string("xmlns:zzu=\"") + v.ordzu_ns + "\"").c_str()));
  o.open(3, "zzu:Naglowek");
  char code[96];
  std::snprintf(code, sizeof code, "zzu:KodFormularza kodSystemowy=\"ORD-ZU (%i)\" wersjaSchemy=\"%s\"", v.ordzu_variant,
                "1-0E");
  o.valued(4, code, "zzu:KodFormularza", "ORD-ZU");
  o.text(4, "zzu:WariantFormularza", std::to_string(v.ordzu_variant));
  o.close(3, "zzu:Naglowek");
  o.open(3, "zzu:PozycjeSzczegolowe");
  o.text(4, "zzu:P_13", reasons);
  o.close(3, "zzu:PozycjeSzczegolowe");
  o.close(2, "zzu:Zalacznik_ORD-ZU");
  o.close(1, "Zalaczniki");
}

}  // namespace

PitVariant pit_variant(PitForm form, int year) {
  // Variants by form and first working year; "" where the namespace of the
  // published schema is not held.
  struct Row {
    PitForm form;
    int from;
    const char *system, *tax, *liability, *schema;
    int variant;
    const char *code, *ns;
  };
  static const Row kRows[] = {
      {PitForm::Pit11, 2015, "PIT-11 (23)", "PIT", "Z", "1-0E", 23, "PIT-11", "http://crd.gov.pl/wzor/2016/01/11/3066/"},
      {PitForm::Pit11, 2014, "PIT-11 (21)", "PIT", "Z", "1-0E", 21, "PIT-11", "http://crd.gov.pl/wzor/2014/12/08/1887/"},
      {PitForm::Pit11, 0, "PIT-11 (20)", "PIT", "Z", "1-0E", 20, "PIT-11", ""},
      {PitForm::Pit40, 2015, "PIT-40 (22)", "PIT", "Z", "1-0E", 22, "PIT-40", ""},
      {PitForm::Pit40, 2014, "PIT-40 (20)", "PIT", "Z", "1-0E", 20, "PIT-40", ""},
      {PitForm::Pit40, 0, "PIT-40 (19)", "PIT", "Z", "1-0E", 19, "PIT-40", ""},
      {PitForm::Pit4R, 2015, "PIT-4R (6)", "PIT", "P", "1-0E", 6, "PIT-4R", "http://crd.gov.pl/wzor/2015/12/22/3031/"},
      {PitForm::Pit4R, 2014, "PIT-4R (5)", "PIT", "P", "1-0E", 5, "PIT-4R", "http://crd.gov.pl/wzor/2014/12/08/1883/"},
      {PitForm::Pit4R, 0, "PIT-4R (4)", "PIT", "P", "1-1E", 4, "PIT-4R", ""},
      {PitForm::Pit8AR, 2015, "PT-8AR (6)", "PPR", "P", "1-0E", 6, "PIT-8AR", "http://crd.gov.pl/wzor/2015/12/21/3014/"},
      {PitForm::Pit8AR, 2014, "PT-8AR (4)", "PPR", "P", "1-0E", 4, "PIT-8AR", "http://crd.gov.pl/wzor/2014/12/08/1882/"},
      {PitForm::Pit8AR, 0, "PT-8AR (3)", "PPR", "P", "1-0E", 3, "PIT-8AR", ""},
  };
  PitVariant v;
  for (const Row& r : kRows) {
    if (r.form != form || year < r.from) continue;
    v = {r.system, r.tax, r.liability, r.schema, r.variant, r.code, r.ns, kEtd2011, 0, ""};
    break;
  }
  v.ordzu_variant = year >= 2015 ? 3 : 2;
  v.ordzu_ns = year >= 2015 ? kOrdZu3 : kOrdZu2;
  return v;
}

std::string pit_file_name(PitForm form, int year, int number, const std::string& name) {
  const char* format = form == PitForm::Pit11   ? "PIT-11 %i(%i) %s.xml"
                       : form == PitForm::Pit40 ? "PIT-40 %i(%i) %s.xml"
                       : form == PitForm::Pit4R ? "PIT-4R %04i(%i) %s.xml"
                                                : "PIT-8AR %04i(%i) %s.xml";
  std::string safe;
  // Characters no file system of the offices' machines takes.
  for (char c : trim(name)) safe += std::string_view("<>:\"/\\|?*").find(c) == std::string_view::npos ? c : '_';
  return PrintfQStr(format, year, number, safe.c_str());
}

int write_pit_xml(const std::string& path, const PitDocument& doc, std::string& error) {
  const PitVariant v = pit_variant(doc.form, doc.year);
  if (!*v.ns) {
    error = std::string("Brak opublikowanej przestrzeni nazw schematu ") + v.system_code +
            " w danych programu: deklaracji nie zapisano.";
    return -1;
  }
  if (doc.correction && trim(doc.reasons).empty()) {
    error = "Korekta bez przyczyn złożenia: wpisz je pod \"Przyczyny złożenia korekty:\".";
    return -1;
  }
  const int h = XmlOpen(path.c_str());
  if (h == 0) {
    error = "Nie można utworzyć pliku " + path;
    return -1;
  }
  Out o(h);
  const std::string root_attributes =
      std::string("xmlns=\"") + v.ns + "\" xmlns:etd=\"" + v.etd + "\"";
  o.open(0, XmlAttrTag("Deklaracja", root_attributes.c_str()));
  o.open(1, "Naglowek");
  o.valued(2, PrintfQStr(RcQStr(kHostMsgFormCode), v.system_code, v.tax_code, v.liability, v.schema_version),
           "KodFormularza", v.form_code);
  o.text(2, "WariantFormularza", std::to_string(v.variant));
  o.valued(2, XmlAttrTag("CelZlozenia", "poz=\"P_6\""), "CelZlozenia", doc.correction ? "2" : "1");
  o.text(2, "Rok", std::to_string(doc.year));
  o.text(2, "KodUrzedu", doc.office_code);
  o.close(1, "Naglowek");
  write_payer(o, doc.payer);
  if (doc.form == PitForm::Pit11 || doc.form == PitForm::Pit40) write_taxpayer(o, doc.taxpayer);
  o.open(1, "PozycjeSzczegolowe");
  for (const PitPosition& p : doc.positions) o.text(2, ("P_" + std::to_string(p.number)).c_str(), p.value);
  o.close(1, "PozycjeSzczegolowe");
  if (doc.form == PitForm::Pit8AR) {
    o.optional(1, "Pouczenie1", doc.year_note);
    o.text(1, "Pouczenie2", RcQStr(kMsgPayerPenalty));
  } else {
    o.text(1, "Pouczenie", RcQStr(kMsgPayerPenalty));
  }
  if (doc.form == PitForm::Pit4R) {
    o.text(1, "Oswiadczenie", RcQStr(kMsgRoundingNote));
    o.text(1, "Objasnienie", RcQStr(kMsgRoundingNote));
  }
  if (doc.correction) write_ordzu(o, v, trim(doc.reasons));
  o.close(0, "Deklaracja");
  const std::string first_error = XmlError(h);
  if (XmlClose(h) != 0 || !o.ok()) {
    error = "Błąd zapisu pliku " + path + (first_error.empty() ? "" : ": " + first_error);
    return -1;
  }
  return 0;
}

}  // namespace skolvarin::declarations
