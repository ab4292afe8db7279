#include "payroll/standard_components.h"

#include <string>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::payroll {

namespace {

// Benefits (S) and absences (N) with a ZUS benefit or break code carry the
// code's name from data/reference/kody_swiadczen_przerw.csv; a deduction
// for such a period (P) is "potrącenie za okres:" with the code's short
// name.  Codes 223, 224, 398 and 399 are not in that list yet and keep a
// name made of their kind and number.
constexpr StandardComponent kComponents[] = {
    {"D11", "", "wynagrodzenie zasadnicze", ""},
    {"D121", "", "dodatek za godziny nadliczbowe", "50%"},
    {"D122", "", "dodatek za godziny nadliczbowe", "100%"},
    {"D123", "", "dodatek za pracę w dni wolne", ""},
    {"D211", "", "premia miesięczna", ""},
    {"D221", "", "premia kwartalna", ""},
    {"D31", "", "nagroda roczna", ""},
    {"D32", "", "nagroda jubileuszowa", ""},
    {"D501", "", "ekwiwalent za urlop wypoczynkowy", ""},
    {"D502", "", "wynagrodzenie za urlop wypoczynkowy", ""},
    {"D503", "", "dodatek stażowy", ""},
    {"D504", "", "dodatek funkcyjny", ""},
    {"D505", "", "dodatek za pracę w porze nocnej", ""},
    {"D506", "", "dodatek za pracę w warunkach", "szkodliwych"},
    {"D507", "", "świadczenie w naturze", "(nie wypłacane w gotówce)"},
    {"D508", "", "wpłata pracodawcy na PPK", "(nie wypłacana)"},
    {"P111", "111", "potrącenie za okres:", "urlop bezpłatny"},
    {"P112", "112", "potrącenie za okres:", "urlop bezpłatny - inny pracodawca"},
    {"P121", "121", "potrącenie za okres:", "urlop wychowawczy (art. 186 § 2)"},
    {"P122", "122", "potrącenie za okres:", "urlop wychowawczy (art. 186 § 3)"},
    {"P130", "130", "potrącenie za okres:", "odszkodowanie za skrócone wypow."},
    {"P140", "140", "przekroczenie rocznej podstawy", "składek emerytalnej i rentowej"},
    {"P151", "151", "potrącenie za okres:", "nieobecność uspraw. niepłatna"},
    {"P152", "152", "potrącenie za okres:", "nieobecność nieusprawiedliwiona"},
    {"P155", "155", "potrącenie za okres:", "niezdolność bez wynagr. i zasiłku"},
    {"P311", "311", "potrącenie za okres:", "zasiłek macierzyński"},
    {"P312", "312", "potrącenie za okres:", "zasiłek opiekuńczy"},
    {"P313", "313", "potrącenie za okres:", "zasiłek chorobowy"},
    {"P314", "314", "potrącenie za okres:", "zasiłek chorobowy z ub. wypadk."},
    {"P315", "315", "potrącenie za okres:", "wyrównanie zasiłku macierzyńskiego"},
    {"P321", "321", "potrącenie za okres:", "świadcz. rehabilit. z ub. chorob."},
    {"P322", "322", "potrącenie za okres:", "świadcz. rehabilit. z ub. wypadk."},
    {"P331", "331", "potrącenie za okres:", "wynagrodzenie chorobowe"},
    {"P332", "332", "potrącenie za okres:", "wynagrodzenie chorobowe z FGŚP"},
    {"P333", "333", "potrącenie za okres:", "wypadek lub choroba zawodowa"},
    {"P334", "334", "potrącenie za okres:", "wypadek lub choroba zaw. (FGŚP)"},
    {"P350", "350", "potrącenie za okres:", "inne świadczenie lub przerwa"},
    {"P900", "", "zaliczka na poczet wynagrodzenia", ""},
    {"P901", "", "zajęcie komornicze", ""},
    {"P902", "", "spłata pożyczki", ""},
    {"P903", "", "składka związkowa", ""},
    {"P999", "", "inne potrącenie z wynagrodzenia", ""},
    {"S211", "211", "zasiłek porodowy", ""},
    {"S212", "212", "zasiłek wyrównawczy", "z ubezpieczenia chorobowego"},
    {"S213", "213", "zasiłek pogrzebowy", ""},
    {"S214", "214", "zasiłek wyrównawczy", "z ubezpieczenia wypadkowego"},
    {"S215", "215", "wyrównanie zasiłku wyrównawczego", "z ubezpieczenia chorobowego"},
    {"S216", "216", "wyrównanie zasiłku wyrównawczego", "z ubezpieczenia wypadkowego"},
    {"S220", "220", "wynagrodzenie za okres niezdolności", "nieujęte w podstawie zasiłku"},
    {"S223", "223", "świadczenie", "kod ZUS 223"},
    {"S224", "224", "świadczenie", "kod ZUS 224"},
    {"S311", "311", "zasiłek macierzyński", ""},
    {"S312", "312", "zasiłek opiekuńczy", ""},
    {"S313", "313", "zasiłek chorobowy", ""},
    {"S314", "314", "zasiłek chorobowy", "z ubezpieczenia wypadkowego"},
    {"S315", "315", "wyrównanie zasiłku macierzyńskiego", ""},
    {"S316", "316", "wyrównanie zasiłku opiekuńczego", ""},
    {"S317", "317", "wyrównanie zasiłku chorobowego", ""},
    {"S318", "318", "wyrównanie zasiłku chorobowego", "z ubezpieczenia wypadkowego"},
    {"S321", "321", "świadczenie rehabilitacyjne", "z ubezpieczenia chorobowego"},
    {"S322", "322", "świadczenie rehabilitacyjne", "z ubezpieczenia wypadkowego"},
    {"S323", "323", "wyrównanie świadczenia rehabilit.", "z ubezpieczenia chorobowego"},
    {"S324", "324", "wyrównanie świadczenia rehabilit.", "z ubezpieczenia wypadkowego"},
    {"S331", "331", "wynagrodzenie za czas niezdolności", "do pracy (art. 92 KP)"},
    {"S332", "332", "wynagrodzenie za czas niezdolności", "do pracy wypłacane z FGŚP"},
    {"S333", "333", "niezdolność spowodowana wypadkiem", "lub chorobą zawodową (pracodawca)"},
    {"S334", "334", "niezdolność spowodowana wypadkiem", "lub chorobą zawodową (FGŚP)"},
    {"S335", "335", "wyrównanie wynagrodzenia za czas", "niezdolności do pracy (pracodawca)"},
    {"S336", "336", "wyrównanie wynagrodzenia za czas", "niezdolności do pracy (FGŚP)"},
    {"S337", "337", "wyrównanie wynagrodzenia za czas", "niezdolności do 31.12.2002 (prac.)"},
    {"S338", "338", "wyrównanie wynagrodzenia za czas", "niezdolności do 31.12.2002 (FGŚP)"},
    {"S350", "350", "inne świadczenie lub przerwa", "w opłacaniu składek"},
    {"S500", "", "zasiłek rodzinny", ""},
    {"S501", "", "zasiłek pielęgnacyjny", ""},
    {"S502", "", "zasiłek wychowawczy", ""},
    {"P319", "319", "potrącenie za okres:", "zas. macierz. - urlop rodzicielski"},
    {"P325", "325", "potrącenie za okres:", "zas. macierz. - dodatkowy urlop"},
    {"P327", "327", "potrącenie za okres:", "zas. macierz. - urlop ojcowski"},
    {"S319", "319", "zasiłek macierzyński za okres", "urlopu rodzicielskiego"},
    {"S320", "320", "wyrównanie zasiłku macierzyńskiego", "za okres urlopu rodzicielskiego"},
    {"S325", "325", "zasiłek macierzyński za okres", "dodatkowego urlopu macierzyńskiego"},
    {"S326", "326", "wyrównanie zasiłku macierzyńskiego", "za dodatkowy urlop macierzyński"},
    {"S327", "327", "zasiłek macierzyński za okres", "urlopu ojcowskiego"},
    {"S328", "328", "wyrównanie zasiłku macierzyńskiego", "za okres urlopu ojcowskiego"},
    {"P398", "398", "potrącenie za okres świadczenia", "kod ZUS 398"},
    {"P399", "399", "potrącenie za okres świadczenia", "kod ZUS 399"},
    {"S398", "398", "świadczenie z ubezpieczenia", "chorobowego, kod ZUS 398"},
    {"S399", "399", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 399"},
    {"S329", "329", "podwyższenie zasiłku", "macierzyńskiego"},
    {"N111", "111", "urlop bezpłatny", ""},
    {"N112", "112", "urlop bezpłatny na pracę", "u innego pracodawcy"},
    {"N121", "121", "urlop wychowawczy", "(art. 186 § 2 KP)"},
    {"N122", "122", "urlop wychowawczy", "(art. 186 § 3 KP)"},
    {"N151", "151", "nieobecność usprawiedliwiona", "bez prawa do wynagrodzenia/zasiłku"},
    {"N152", "152", "nieobecność nieusprawiedliwiona", ""},
    {"N155", "155", "niezdolność do pracy bez prawa", "do wynagrodzenia i zasiłku"},
    {"N311", "311", "zasiłek macierzyński", ""},
    {"N312", "312", "zasiłek opiekuńczy", ""},
    {"N313", "313", "zasiłek chorobowy", ""},
    {"N314", "314", "zasiłek chorobowy", "z ubezpieczenia wypadkowego"},
    {"N321", "321", "świadczenie rehabilitacyjne", "z ubezpieczenia chorobowego"},
    {"N322", "322", "świadczenie rehabilitacyjne", "z ubezpieczenia wypadkowego"},
    {"N331", "331", "wynagrodzenie za czas niezdolności", "do pracy (art. 92 KP)"},
    {"N332", "332", "wynagrodzenie za czas niezdolności", "do pracy wypłacane z FGŚP"},
    {"N333", "333", "niezdolność spowodowana wypadkiem", "lub chorobą zawodową (pracodawca)"},
    {"N334", "334", "niezdolność spowodowana wypadkiem", "lub chorobą zawodową (FGŚP)"},
    {"N350", "350", "inne świadczenie lub przerwa", "w opłacaniu składek"},
    {"N800", "", "urlop wypoczynkowy", ""},
    {"N999", "", "inna nieobecność", ""},
    {"N319", "319", "zasiłek macierzyński za okres", "urlopu rodzicielskiego"},
    {"N325", "325", "zasiłek macierzyński za okres", "dodatkowego urlopu macierzyńskiego"},
    {"N327", "327", "zasiłek macierzyński za okres", "urlopu ojcowskiego"},
    {"N398", "398", "nieobecność ze świadczeniem", "kod ZUS 398"},
    {"N399", "399", "choroba - wynagrodzenie", "kod ZUS 399"},
};

}  // namespace

std::span<const StandardComponent> standard_components() { return kComponents; }

ComponentSwitchSet standard_switches(std::string_view code) {
  char kind = code.empty() ? ' ' : code[0];
  std::string_view digits = code.substr(code.empty() ? 0 : 1);
  switch (kind) {
    case 'D':
      if (code == "D508") return {"T", "N", "N", "N", "T"};
      if (code == "D501" || code == "D32") return {"T", "T", "N", "N", "T"};
      return {"T", "T", "N", "T", "T"};
    case 'S':
      if (digits.rfind("50", 0) == 0) return {"N", "N", "N", "N", "T"};
      return {"T", "N", "N", "N", "T"};
    case 'P':
      if (digits.rfind("9", 0) == 0) return {"N", "N", "N", "N", "T"};
      return {"T", "T", "T", "T", "T"};
    default:
      return {"", "", "", "", "T"};
  }
}

int add_standard_components(HostContext* ctx, int& added, int& present) {
  added = present = 0;
  const data::CatalogueEntry* entry = data::find_table("W3PELI.DBF");
  if (!entry || data::open_table(ctx, *entry) != 0) return -1;
  data::TableHandles& t = data::handles(*entry);
  int rc = 0;
  d4tag_select(t.data, t.tag(2));
  for (const StandardComponent& c : standard_components()) {
    std::string key(c.code);
    key.resize(4, ' ');
    if (d4seek(t.data, key.c_str()) == 0) {
      ++present;
      continue;
    }
    ComponentSwitchSet s = standard_switches(c.code);
    if (d4append_start(t.data) != 0) {
      rc = -1;
      break;
    }
    f4assign(t.field("KGS"), key.c_str());
    f4assign(t.field("KZU"), std::string(c.zus).c_str());
    f4assign(t.field("NA1"), std::string(c.name1).c_str());
    f4assign(t.field("NA2"), std::string(c.name2).c_str());
    f4assign(t.field("POD"), s.pod);
    f4assign(t.field("ZUS"), s.zus);
    f4assign(t.field("OBN"), s.obn);
    f4assign(t.field("SRE"), s.sre);
    f4assign(t.field("USU"), s.usu);
    if (lock_and_append(t.data) != 0) {
      rc = -1;
      break;
    }
    d4unlock(t.data);
    ++added;
  }
  data::close_table(*entry);
  return rc;
}

}  // namespace skolvarin::payroll
