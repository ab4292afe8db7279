// The dictionaries end to end: the real program on a data directory made by
// `skolvarin init`, driven by key scripts through the Pomocnicze menu; the
// screen dumps show every refusal with its message, and the tables are read
// back with `skolvarin tabela --csv` afterwards.
#include <gtest/gtest.h>

#include "e2e_support.h"

using dict_e2e::count_where;
using dict_e2e::DataDir;
using dict_e2e::find_where;
using dict_e2e::set_option;
using dict_e2e::dump;
using dict_e2e::has_row;


TEST(DictionariesEndToEnd, AccountsAddModifyDeleteWithTheirRefusals) {
  DataDir dir("konta");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "on"
      "d<F2><dump><Enter>"                                       // 0: empty number
      "1234567<Enter>Konto główne<F2>"
      "d1234567<Enter><dump><Enter>"                             // 1: duplicate number
      "<C-Y>7654321<Enter><F2><dump><Enter>"                     // 2: empty name
      "Rachunek VAT<F2>"
      "<Home>m<Enter><C-Y>Konto podstawowe<F2><dump>"     // 3: own number is no duplicate
      "<End>u<dump>T<dump>"                                      // 4: question, 5: after delete
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 6u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Pole nie może być puste !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "Plan kont - dopisywanie"));
  EXPECT_TRUE(has_row(run.screens[1], "Konto o takim numerze już istnieje !")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "Pole nie może być puste !")) << dump(run.screens[2]);
  EXPECT_FALSE(has_row(run.screens[3], "już istnieje")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[3], "123-4567 Konto podstawowe")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[3], "765-4321 Rachunek VAT")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[4], "usunąć")) << dump(run.screens[4]);
  EXPECT_FALSE(has_row(run.screens[5], "Rachunek VAT")) << dump(run.screens[5]);
  auto recs = dir.records("W3KONT.DBF");
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0]["NUM"], "123-4567");
  EXPECT_EQ(recs[0]["NAZ"], "Konto podstawowe");
  EXPECT_EQ(recs[0]["REC"], "1");
  EXPECT_FALSE(recs[0]["INF"].empty());  // the record stamp was written
}

TEST(DictionariesEndToEnd, DescriptionsCodeIsUniqueAndTheFirstLineFilled) {
  DataDir dir("opisy");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "o<Down><Down><Enter>"  // " Opisy " (its letter 'o' is also the Odsetki pull-down's)
      "dfv<Enter>Faktura VAT<Enter>sprzedaży<F2>"
      "dfv<Enter><dump><Enter>"                                  // 0: duplicate code
      "<C-Y>rach<Enter><Enter><dump><Enter>"                     // 1: empty first line
      "Rachunek<F2>"
      "<Home>m<Enter><C-Y>Faktura<F2><dump>"              // 2: modified, own code no duplicate
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Taki kod już istnieje !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Pole nie może być puste !")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "Opisy")) << dump(run.screens[2]);
  EXPECT_FALSE(has_row(run.screens[2], "już istnieje"));
  auto recs = dir.records("W3OPIS.DBF");
  ASSERT_EQ(recs.size(), 2u);
  const auto* fv = find_where(recs, "KOD", "FV");  // typed in lower case, kept in upper case
  ASSERT_NE(fv, nullptr);
  EXPECT_EQ(fv->at("OP1"), "Faktura");
  EXPECT_EQ(fv->at("OP2"), "sprzedaży");
  EXPECT_EQ(count_where(recs, "KOD", "RACH"), 1u);
}

TEST(DictionariesEndToEnd, TaxOfficesAreOnlyModified) {
  DataDir dir("urzedy");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  size_t before = dir.records("W3USKA.DBF").size();
  ASSERT_GT(before, 300u);
  auto run = dir.keys(
      "ou<dump>"                                                        // 0: the list
      "<Ins><dump><Del><dump>d<dump>"                                   // 1-3: nothing happens
      "m<dump>Kościuszki<Enter>12<Enter>58300<F2><dump>"         // 4: form, 5: saved
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 6u) << run.all();
  EXPECT_EQ(run.screens[0][1].find("  Modyfikuj  Drukuj "), 0u) << run.screens[0][1];
  EXPECT_EQ(run.screens[0][1].find("Dopisz"), std::string::npos);
  EXPECT_TRUE(has_row(run.screens[0], "Urzędy skarbowe"));
  for (int i = 1; i <= 3; ++i) {
    EXPECT_FALSE(has_row(run.screens[i], "dopisywanie")) << dump(run.screens[i]);
    EXPECT_FALSE(has_row(run.screens[i], "usunąć")) << dump(run.screens[i]);
    EXPECT_EQ(run.screens[i], run.screens[0]);
  }
  EXPECT_TRUE(has_row(run.screens[4], "Urzędy skarbowe - modyfikacja")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[4], "kod urzędu........")) << dump(run.screens[4]);
  auto recs = dir.records("W3USKA.DBF");
  EXPECT_EQ(recs.size(), before);
  const auto* office = find_where(recs, "ULI", "Kościuszki");
  ASSERT_NE(office, nullptr);
  EXPECT_EQ(office->at("DOM"), "12");
  EXPECT_EQ(office->at("KDP"), "58-300");
}

TEST(DictionariesEndToEnd, TwoZusCodesAddedInARowShareTheGroup) {
  DataDir dir("kody");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  size_t before = dir.records("W3KZUS.DBF").size();
  auto run = dir.keys(
      "od"
      "d<C-Y>7<Enter><C-Y>77<Enter>Grupa próbna<Enter>123456<Enter>skrót<F2>"
      "d<dump>"                                                         // 0: second code's form
      "<Enter><Enter><Enter>654321<F2><dump>"                    // 1: list
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Ewidencja kodów dla deklaracji ZUS - dopisywanie")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "kod grupy.....77")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "nazwa grupy.Grupa próbna")) << dump(run.screens[0]);
  auto recs = dir.records("W3KZUS.DBF");
  ASSERT_EQ(recs.size(), before + 2);
  const auto* first = find_where(recs, "KPG", "123456");
  const auto* second = find_where(recs, "KPG", "654321");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  for (const auto* r : {first, second}) {
    EXPECT_EQ(r->at("KGL"), "7");
    EXPECT_EQ(r->at("KGR"), "77");
    EXPECT_EQ(r->at("NGR"), "Grupa próbna");
  }
  EXPECT_EQ(first->at("SOP"), "skrót");
}

TEST(DictionariesEndToEnd, CountriesAreOnlyModifiedWithUniqueNamesAndLetterCurrencies) {
  DataDir dir("kraje");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  size_t before = dir.records("W3KRAJ.DBF").size();
  auto run = dir.keys(
      "oe<dump>"                                                   // 0: the list
      "<Ins><dump>d<dump><Del><dump>u<dump>"                       // 1-4: nothing happens
      "m<Tab><C-Y>Angola<Enter><dump><Enter>"                      // 5: duplicate name
      "<C-Y>Księstwo Andory<Enter>"
      "<C-Y>e1r<Enter><dump><Enter>"                                // 6: a digit in the currency
      "<C-Y>eur<F2>"
      "m<Tab><Enter><Enter><F2><dump>"                              // 7: its own name is no duplicate
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 8u) << run.all();
  EXPECT_EQ(run.screens[0][1].find(" Modyfikuj "), 1u) << run.screens[0][1];
  EXPECT_EQ(run.screens[0][1].find("Dopisz"), std::string::npos);
  EXPECT_EQ(run.screens[0][1].find("Usuń"), std::string::npos);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(run.screens[i], run.screens[0]) << dump(run.screens[i]);
  }
  EXPECT_TRUE(has_row(run.screens[5], "Taka wartość już istnieje - musi być niepowtarzalna !")) << dump(run.screens[5]);
  EXPECT_TRUE(has_row(run.screens[6], "Dozwolone są tylko litery od A do Z i spacje !")) << dump(run.screens[6]);
  EXPECT_FALSE(has_row(run.screens[7], "już istnieje")) << dump(run.screens[7]);
  EXPECT_FALSE(has_row(run.screens[7], "modyfikacja")) << dump(run.screens[7]);
  auto recs = dir.records("W3KRAJ.DBF");
  EXPECT_EQ(recs.size(), before);
  const auto* ad = find_where(recs, "KKR", "AD");
  ASSERT_NE(ad, nullptr);
  EXPECT_EQ(ad->at("KRA"), "Księstwo Andory");
  EXPECT_EQ(ad->at("KOD"), "EUR");
  EXPECT_EQ(count_where(recs, "KRA", "Angola"), 1u);
}

TEST(DictionariesEndToEnd, ExchangeRatesCheckCurrencyDateAndRate) {
  DataDir dir("kursy");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "oy"
      "d<Enter><dump><Enter>"                                     // 0: empty currency
      "xyz<Enter><dump><Enter>"                                   // 1: currency not among the countries
      "<C-Y>usd<Enter><Enter>4.0512<F2>"
      "d<dump>"                                                   // 2: last currency and today
      "<Enter><Enter><dump><Enter>"                               // 3: same currency and date
      "<C-Y>041226<Enter>0<Enter><dump><Enter>"                   // 4: rate not positive
      "<C-Y>4.1<F2>"
      "dpln<Enter><C-Y>011226<Enter>1<F2>"                  // PLN needs no lookup
      "<Home>m<Enter><Enter><C-Y>4.2<F2><dump>"             // 5: own pair is no duplicate
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 6u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Pole nie może być puste !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Nie ma takiej waluty w wykazie krajów !")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "kod waluty......USD")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "data............05-12/26")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "Kurs tej waluty z tą datą już jest wpisany !")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[4], "Wartość musi być większa od zera !")) << dump(run.screens[4]);
  EXPECT_FALSE(has_row(run.screens[5], "już jest wpisany")) << dump(run.screens[5]);
  auto recs = dir.records("W3KURS.DBF");
  ASSERT_EQ(recs.size(), 3u);
  std::map<std::string, std::string> rate;
  for (const auto& r : recs) rate[r.at("KOD") + " " + r.at("DAT")] = r.at("KUR");
  EXPECT_EQ(rate["USD 20261205"], "4.051200");
  EXPECT_EQ(rate["PLN 20261201"], "4.200000");  // first in date order, modified
  EXPECT_EQ(rate["USD 20261204"], "4.100000");
}

TEST(DictionariesEndToEnd, ContractorsWithNipAndPeselChecksTogglesAndPrintedList) {
  DataDir dir("kontrahenci");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(set_option(dir, 31, "T"));
  ASSERT_TRUE(set_option(dir, 32, "T"));
  auto run = dir.keys(
      "ok"
      "d<F2><dump><Enter>"                                                     // 0: empty code
      "kow<Enter>Kowalski Łukasz<Enter>Sp. z o.o.<Enter>00-950<Enter>Łódź<Enter><Enter>"
      "ul. Długa 5<Enter><Enter>5260250275<Enter><dump><Enter>"               // 1: neither NIP nor PESEL
      "<Up><C-Y>5260250274<F2>"
      "dnow<Enter>Nowak Żaneta<Enter><Enter><Enter><Enter><Enter><Enter><Enter>44051401359<F2>"
      "dkow<Enter><dump><Enter><Esc>T"                                        // 2: duplicate code
      "dxyz<Enter>Do usunięcia<F2>"
      "<Home>uT"                                                              // deleted at once
      "<Home><F3><F4><F5><F6><F7><F8><dump>"                                  // 3: toggled
      "<F2><dump><Esc>"                                                       // 4: the whole card
      "r<F2><dump><F2><dump>"                                                 // 5: preview, 6: printed
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 7u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Pole nie może być puste !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Błędny NIP lub PESEL !")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "Taki kod już istnieje !")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], " N N * * * * 3. DOST/NAB KOW")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[3], " A N         3. DOST/NAB NOW")) << dump(run.screens[3]);
  EXPECT_FALSE(has_row(run.screens[3], "Do usunięcia"));
  EXPECT_TRUE(has_row(run.screens[4], "typ kosztu....1. ZAKUP HANDL.")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[4], "nazwa...Kowalski Łukasz")) << dump(run.screens[4]);

  // The toggles were written at once.
  auto recs = dir.records("W3KHNT.DBF");
  ASSERT_EQ(recs.size(), 2u);
  const auto* kow = find_where(recs, "KOD", "KOW");
  const auto* now = find_where(recs, "KOD", "NOW");
  ASSERT_NE(kow, nullptr);
  ASSERT_NE(now, nullptr);
  for (const char* mark : {"ZNA", "ZNB", "ZNC", "ZND"}) EXPECT_EQ(kow->at(mark), "*") << mark;
  EXPECT_EQ(kow->at("STA"), "N");
  EXPECT_EQ(kow->at("CZV"), "N");  // a VAT payer by its NIP, toggled by F8
  EXPECT_EQ(kow->at("NIP"), "5260250274");
  EXPECT_EQ(kow->at("NA1"), "Kowalski Łukasz");
  EXPECT_EQ(kow->at("MIA"), "Łódź");
  EXPECT_EQ(kow->at("TYP"), "3");
  EXPECT_EQ(kow->at("TKO"), "1");
  EXPECT_EQ(kow->at("TYC"), "A");
  EXPECT_EQ(now->at("CZV"), "N");  // a PESEL: not a VAT payer
  EXPECT_EQ(now->at("STA"), "A");
  EXPECT_EQ(now->at("ZNA"), "");

  // The printed list: a PDF whose text holds the headers and the values.
  std::string pdf;
  for (auto& e : dict_e2e::fs::recursive_directory_iterator(dir.data()))
    if (e.path().extension() == ".pdf") pdf = e.path().string();
  ASSERT_FALSE(pdf.empty()) << dump(run.screens[6]);
  int rc = -1;
  std::string text = dict_e2e::run_capture("pdftotext -layout " + pdf + " - 2>&1", &rc);
  ASSERT_EQ(rc, 0) << text;
  for (const char* want : {"Wykaz kontrahentów", "kod poczt.", "nazwa cd", "adres WWW", "rabat", "NIP",
                           "Kowalski Łukasz", "Łódź", "ul. Długa 5", "00-950", "Nowak Żaneta", "5260250274",
                           "Sp. z o.o."})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
}

TEST(DictionariesEndToEnd, AddressLabelsStandSideBySide) {
  DataDir dir("naklejki");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "ok"
      "dkow<Enter>Kowalski Łukasz<Enter><Enter>00-950<Enter>Łódź<F2>"
      "dabc<Enter>Zenon Abacki<F2>"
      "n<dump><F2><F2><Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 1u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Ilość naklejek w rzędzie................................  3"))
      << dump(run.screens[0]);
  std::string txt;
  for (auto& e : dict_e2e::fs::recursive_directory_iterator(dir.data()))
    if (e.path().filename().string().rfind("NAKLEJKI_", 0) == 0 && e.path().extension() == ".txt")
      txt = e.path().string();
  ASSERT_FALSE(txt.empty());
  std::ifstream in(txt);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Three labels of 26 characters a row, one blank between them, in name order.
  EXPECT_NE(all.find("Kowalski Łukasz            Zenon Abacki"), std::string::npos) << all;
  EXPECT_NE(all.find("00-950 Łódź"), std::string::npos) << all;
}
