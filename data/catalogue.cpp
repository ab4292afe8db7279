#include "data/catalogue.h"

namespace skolvarin::data {

namespace {

constexpr Place F = Place::Firm, S = Place::Shared, M = Place::Common;
constexpr const char* kSettings = "W3PAPL  .DBF";

// In the order of the catalogue's documentation: firm and common tables,
// settings files, payroll and declarations, then bookkeeping.
constexpr CatalogueEntry kCatalogue[] = {
    {"W3PAWL.DBF", "dane firmy", F, 0, false, "W3PAWL.DBF", false},
    {"W3KATA.DBF", "katalog firm", M, kPurposeFirmCatalogue, false, "W3KATA.DBF", false},
    {"W3KAPA.DBF", "dostęp do firm", M, kPurposeFirmAccess, false, "W3KAPA.DBF", false},
    {"W3PAOS.DBF", "lista użytkowników", M, kPurposeUserList, false, "W3PAOS.DBF", false},
    {"W3PASS.DBF", "wpisy użytkowników", M, kPurposeUserEntries, false, "W3PASS.DBF", false},
    {"W3PABV%s.DBF", "opcje główne", M, kPurposeMainOptions, false, kSettings, true},
    {"W3PAPL  .DBF", "parametry płacowe", S, 0, true, kSettings, true},
    {"W3PAZR  .DBF", "ustawienia ZUR", F, 0, true, kSettings, true},
    {"W3PAZU.DBF", "ustawienia ZUS", F, 0, false, kSettings, true},
    {"W3PAEV.DBF", "ustawienia ewidencji", F, 0, false, kSettings, true},
    {"W3PAPV.DBF", "ustawienia podatków", F, 0, false, kSettings, true},
    {"W3PADE.DBF", "ustawienia deklaracji", F, 0, false, kSettings, true},
    {"W3PRAC.DBF", "pracownicy", F, 0, false, "W3PRAC.DBF", false},
    {"W3PRAX.DBF", "przepisy pracowników", F, 0, false, "W3PRAX.DBF", false},
    {"W3PENS  .DBF", "listy płac", F, 0, true, "W3PENS  .DBF", false},
    {"W3PETM  .DBF", "kopia robocza list płac", F, 0, true, "W3PENS  .DBF", false},
    {"W3PENSEX.DBF", "listy płac do eksportu", F, 0, false, "W3PENS  .DBF", false},
    {"W3PESK  .DBF", "składniki list płac", F, 0, true, "W3PESK  .DBF", false},
    {"W3PESKEX.DBF", "składniki do eksportu", F, 0, false, "W3PESK  .DBF", false},
    {"W3PELI.DBF", "lista składników płacowych", S, 0, false, "W3PELI.DBF", false},
    {"W3SRDN.DBF", "podstawy średnich", F, 0, false, "W3SRDN.DBF", false},
    {"W3NIEO  .DBF", "nieobecności", F, 0, true, "W3NIEO  .DBF", false},
    {"W3ZFSS  .DBF", "ZFŚS", F, 0, true, "W3ZFSS  .DBF", false},
    {"W3UMOW  .DBF", "umowy cywilnoprawne", F, 0, true, "W3UMOW  .DBF", false},
    {"W3UMPR.DBF", "przedmioty umów", F, 0, false, "W3UMPR.DBF", false},
    {"W3ZUSD  .DBF", "deklaracje ZUS: kody", F, 0, true, "W3ZUSD  .DBF", false},
    {"W3ZUSP  .DBF", "deklaracje ZUS: tytuły", F, 0, true, "W3ZUSP  .DBF", false},
    {"W3ZUSR  .DBF", "deklaracje ZUS: raporty", F, 0, true, "W3ZUSR  .DBF", false},
    {"W3ZUSS  .DBF", "deklaracje ZUS: składki", F, 0, true, "W3ZUSS  .DBF", false},
    {"W3ZUWS  .DBF", "ZUS wspólników", F, 0, true, "W3ZUWS  .DBF", false},
    {"W3WSPL  .DBF", "wspólnicy", F, 0, true, "W3WSPL  .DBF", false},
    {"W3WSSK  .DBF", "składki wspólników", F, 0, true, "W3WSSK  .DBF", false},
    {"W3KZUS.DBF", "kody ZUS", S, 0, false, "W3KZUS.DBF", false},
    {"W3DEKL.DBF", "lista deklaracji", S, 0, false, "W3DEKL.DBF", false},
    {"W3LXML.DBF", "kody XML", S, 0, false, "W3LXML.DBF", false},
    {"W3TABE  .DBF", "skala podatkowa", S, 0, true, "W3TABE  .DBF", false},
    {"W3PI11  .DBF", "PIT-11", F, 0, true, "W3PI11  .DBF", false},
    {"W3PI40  .DBF", "PIT-40", F, 0, true, "W3PI40  .DBF", false},
    {"W3P8AR  .DBF", "PIT-8AR", F, 0, true, "W3P8AR  .DBF", false},
    {"W3PZAL  .DBF", "zaliczki podatku", F, 0, true, "W3PZAL  .DBF", false},
    {"W3NIP3.DBF", "NIP-3", F, 0, false, "W3NIP3.DBF", false},
    {"RMUAP.DBF", "robocza RMUA", F, 0, false, "RMUAP.DBF", false},
    {"W3PLEW  .DBF", "przelewy", F, 0, true, "W3PLEW  .DBF", false},
    {"TmpPLEW.DBF", "robocza konwersji przelewów", F, 0, false, "W3PLEW  .DBF", false},
    {"W3KHNT.DBF", "kontrahenci", F, 0, false, "W3KHNT.DBF", false},
    {"W3KONT.DBF", "konta", F, 0, false, "W3KONT.DBF", false},
    {"W3OPIS.DBF", "opisy", F, 0, false, "W3OPIS.DBF", false},
    {"W3USKA.DBF", "urzędy skarbowe", S, 0, false, "W3USKA.DBF", false},
    {"W3KRAJ.DBF", "kraje", S, 0, false, "W3KRAJ.DBF", false},
    {"W3KURS.DBF", "kursy walut", S, 0, false, "W3KURS.DBF", false},
    {"W3DNWO.DBF", "dni wolne", S, 0, false, "W3DNWO.DBF", false},
    {"W3ODUS.DBF", "odsetki ustawowe", S, 0, false, "W3ODUS.DBF", false},
    {"W3ZAPO.DBF", "odsetki podatkowe", S, 0, false, "W3ZAPO.DBF", false},
    {"W3NOTY  .DBF", "noty odsetkowe", F, 0, true, "W3NOTY  .DBF", false},
    {"W3DOWO  .DBF", "dowody", F, 0, true, "W3DOWO  .DBF", false},
    {"W3DOWE  .DBF", "pozycje dowodów", F, 0, true, "W3DOWE  .DBF", false},
    {"W3DANE  .DBF", "księga przychodów i rozchodów", F, 0, true, "W3DANE  .DBF", false},
    {"W3RYCZ  .DBF", "ewidencja przychodów", F, 0, true, "W3RYCZ  .DBF", false},
    {"W3ZAKE  .DBF", "rejestr zakupu VAT", F, 0, true, "W3ZAKE  .DBF", false},
    {"W3ZAKU  .DBF", "rejestr zakupu VAT", F, 0, true, "W3ZAKU  .DBF", false},
    {"W3SPOE  .DBF", "rejestr sprzedaży VAT", F, 0, true, "W3SPOE  .DBF", false},
    {"W3SPRE  .DBF", "rejestr sprzedaży VAT", F, 0, true, "W3SPOE  .DBF", false},
    {"W3SPOM  .DBF", "rejestr sprzedaży VAT", F, 0, true, "W3SPOM  .DBF", false},
    {"W3SPRZ  .DBF", "rejestr sprzedaży VAT", F, 0, true, "W3SPOM  .DBF", false},
    {"W3STAK  .DBF", "zestawienie miesięczne", F, 0, true, "W3STAK  .DBF", false},
    {"W3STRY  .DBF", "zestawienie miesięczne ryczałtu", F, 0, true, "W3STRY  .DBF", false},
    {"W3AMOR  .DBF", "środki trwałe", F, 0, true, "W3AMOR  .DBF", false},
    {"W3WYPO.DBF", "wyposażenie", F, 0, false, "W3WYPO.DBF", false},
    {"W3KASA.DBF", "kasa", F, 0, false, "W3KASA.DBF", false},
    {"W3ROZL.DBF", "rozliczenia", F, 0, false, "W3ROZL.DBF", false},
    {"W3SAMO.DBF", "samochody", F, 0, false, "W3SAMO.DBF", false},
    {"W3PRZE  .DBF", "przejazdy", F, 0, true, "W3PRZE  .DBF", false},
    {"W3RASA  .DBF", "rachunki transportowe", F, 0, true, "W3RASA  .DBF", false},
    {"W3PRCE.DBF", "cele i trasy przejazdów", F, 0, false, "W3PRCE.DBF", false},
};

}  // namespace

const Layout& CatalogueEntry::layout() const {
  // Every layout_file is checked against all_layouts() by the tests.
  return *find_layout(layout_file);
}

std::span<const CatalogueEntry> catalogue() { return kCatalogue; }

const CatalogueEntry* find_table(std::string_view file) {
  for (const auto& e : kCatalogue)
    if (file == e.file) return &e;
  return nullptr;
}

const char* place_name(Place place) {
  switch (place) {
    case Place::Firm: return "katalog firmy";
    case Place::Shared: return "katalog wspólny firm";
    case Place::Common: return "katalog główny";
  }
  return "";
}

}  // namespace skolvarin::data
