#include "payroll/standard_components.h"

#include <string>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::payroll {

namespace {

// Names of the ZUS benefit and break codes follow the code list of the ZUS
// declarations (the team's data/reference/kody_zus.csv); codes the payroll
// knows only by number are named after their kind and ZUS code.
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
    {"P111", "111", "potrącenie za urlop bezpłatny", ""},
    {"P112", "112", "potrącenie za przerwę", "kod ZUS 112"},
    {"P121", "121", "potrącenie za urlop wychowawczy", ""},
    {"P122", "122", "potrącenie za urlop wychowawczy", "kod ZUS 122"},
    {"P130", "130", "potrącenie za przerwę", "kod ZUS 130"},
    {"P140", "140", "przekroczenie rocznej podstawy", "składek emerytalnej i rentowej"},
    {"P151", "151", "potrącenie za nieusprawiedliwioną", "nieobecność w pracy"},
    {"P152", "152", "potrącenie za przerwę", "kod ZUS 152"},
    {"P155", "155", "potrącenie za przerwę", "kod ZUS 155"},
    {"P311", "311", "potrącenie za okres zasiłku", "macierzyńskiego"},
    {"P312", "312", "potrącenie za okres zasiłku", "opiekuńczego"},
    {"P313", "313", "potrącenie za okres zasiłku", "chorobowego"},
    {"P314", "314", "potrącenie za okres świadczenia", "rehabilitacyjnego"},
    {"P315", "315", "potrącenie za okres świadczenia", "kod ZUS 315"},
    {"P321", "321", "potrącenie za okres świadczenia", "kod ZUS 321"},
    {"P322", "322", "potrącenie za okres świadczenia", "kod ZUS 322"},
    {"P331", "331", "potrącenie za czas choroby", "(wynagrodzenie art. 92 KP)"},
    {"P332", "332", "potrącenie za czas choroby", "kod ZUS 332"},
    {"P333", "333", "potrącenie za czas choroby", "kod ZUS 333"},
    {"P334", "334", "potrącenie za czas choroby", "kod ZUS 334"},
    {"P350", "350", "potrącenie za okres świadczenia", "kod ZUS 350"},
    {"P900", "", "zaliczka na poczet wynagrodzenia", ""},
    {"P901", "", "zajęcie komornicze", ""},
    {"P902", "", "spłata pożyczki", ""},
    {"P903", "", "składka związkowa", ""},
    {"P999", "", "inne potrącenie z wynagrodzenia", ""},
    {"S211", "211", "świadczenie", "kod ZUS 211"},
    {"S212", "212", "świadczenie", "kod ZUS 212"},
    {"S213", "213", "świadczenie", "kod ZUS 213"},
    {"S214", "214", "świadczenie", "kod ZUS 214"},
    {"S215", "215", "świadczenie", "kod ZUS 215"},
    {"S216", "216", "świadczenie", "kod ZUS 216"},
    {"S220", "220", "świadczenie", "kod ZUS 220"},
    {"S223", "223", "świadczenie", "kod ZUS 223"},
    {"S224", "224", "świadczenie", "kod ZUS 224"},
    {"S311", "311", "zasiłek macierzyński", ""},
    {"S312", "312", "zasiłek opiekuńczy", ""},
    {"S313", "313", "zasiłek chorobowy", ""},
    {"S314", "314", "świadczenie rehabilitacyjne", ""},
    {"S315", "315", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 315"},
    {"S316", "316", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 316"},
    {"S317", "317", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 317"},
    {"S318", "318", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 318"},
    {"S321", "321", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 321"},
    {"S322", "322", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 322"},
    {"S323", "323", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 323"},
    {"S324", "324", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 324"},
    {"S331", "331", "wynagrodzenie za czas niezdolności", "do pracy (art. 92 KP)"},
    {"S332", "332", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 332"},
    {"S333", "333", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 333"},
    {"S334", "334", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 334"},
    {"S335", "335", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 335"},
    {"S336", "336", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 336"},
    {"S337", "337", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 337"},
    {"S338", "338", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 338"},
    {"S350", "350", "świadczenie z ubezpieczenia", "chorobowego, kod ZUS 350"},
    {"S500", "", "zasiłek rodzinny", ""},
    {"S501", "", "zasiłek pielęgnacyjny", ""},
    {"S502", "", "zasiłek wychowawczy", ""},
    {"P319", "319", "potrącenie za okres zasiłku", "kod ZUS 319"},
    {"P325", "325", "potrącenie za okres zasiłku", "kod ZUS 325"},
    {"P327", "327", "potrącenie za okres zasiłku", "kod ZUS 327"},
    {"S319", "319", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 319"},
    {"S320", "320", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 320"},
    {"S325", "325", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 325"},
    {"S326", "326", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 326"},
    {"S327", "327", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 327"},
    {"S328", "328", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 328"},
    {"P398", "398", "potrącenie za okres świadczenia", "kod ZUS 398"},
    {"P399", "399", "potrącenie za okres świadczenia", "kod ZUS 399"},
    {"S398", "398", "świadczenie z ubezpieczenia", "chorobowego, kod ZUS 398"},
    {"S399", "399", "wynagrodzenie za czas niezdolności", "do pracy, kod ZUS 399"},
    {"S329", "329", "zasiłek z ubezpieczenia", "chorobowego, kod ZUS 329"},
    {"N111", "111", "urlop bezpłatny", ""},
    {"N112", "112", "przerwa", "kod ZUS 112"},
    {"N121", "121", "urlop wychowawczy", ""},
    {"N122", "122", "urlop wychowawczy", "kod ZUS 122"},
    {"N151", "151", "nieusprawiedliwiona nieobecność", "w pracy"},
    {"N152", "152", "przerwa", "kod ZUS 152"},
    {"N155", "155", "przerwa", "kod ZUS 155"},
    {"N311", "311", "zasiłek macierzyński", ""},
    {"N312", "312", "zasiłek opiekuńczy", ""},
    {"N313", "313", "zasiłek chorobowy", ""},
    {"N314", "314", "świadczenie rehabilitacyjne", ""},
    {"N321", "321", "nieobecność z zasiłkiem", "kod ZUS 321"},
    {"N322", "322", "nieobecność z zasiłkiem", "kod ZUS 322"},
    {"N331", "331", "choroba - wynagrodzenie", "(art. 92 KP)"},
    {"N332", "332", "choroba - wynagrodzenie", "kod ZUS 332"},
    {"N333", "333", "choroba - wynagrodzenie", "kod ZUS 333"},
    {"N334", "334", "choroba - wynagrodzenie", "kod ZUS 334"},
    {"N350", "350", "nieobecność ze świadczeniem", "kod ZUS 350"},
    {"N800", "", "urlop wypoczynkowy", ""},
    {"N999", "", "inna nieobecność", ""},
    {"N319", "319", "nieobecność z zasiłkiem", "kod ZUS 319"},
    {"N325", "325", "nieobecność z zasiłkiem", "kod ZUS 325"},
    {"N327", "327", "nieobecność z zasiłkiem", "kod ZUS 327"},
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
