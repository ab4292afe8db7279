#include "host/ui/help.h"

#include <map>

#include "host/ui/message_box.h"
#include "host/ui/screen.h"

namespace skolvarin::host {

namespace {

const char* const kGeneral =
    "Menu: strzałki wybierają pozycję, Enter lub litera ją uruchamia,\n"
    "Esc cofa (w menu głównym pyta o zakończenie pracy).\n"
    "Shift+F2 - notatki, Shift+F3 - katalog firm, Shift+F4 - rok roboczy,\n"
    "Alt+U - użytkownicy, hasła i uprawnienia (administrator), Alt+K - księga.\n"
    "W kartotece: Ins dopisuje, F5 poprawia, Del usuwa, F2 pokazuje zapis,\n"
    "Enter lub strzałki w bok otwierają menu kartoteki.\n"
    "W formularzu: F2 zapisuje, Enter przechodzi dalej, F4 otwiera listę\n"
    "wyboru (można w niej pisać początek szukanej nazwy), Esc porzuca zmiany.";

const std::map<int, const char*>& texts() {
  static const std::map<int, const char*> t = {
      {5300, "PŁACE - lista płac, deklaracje ZUS, umowy cywilnoprawne, pracownicy,\n"
             "nieobecności, średnie, ZFŚS oraz składniki i parametry płacowe.\n"
             "Enter otwiera menu płac; Esc wraca do menu głównego."},
      {5100, "DOWODY - dowody wewnętrzne firmy (opis, kwoty, księgowanie do księgi).\n"
             "Typowo: Ins dopisuje dowód, F5 poprawia, Drukuj drukuje dowód."},
      {5200, "TRANSP - samochody, przejazdy (ewidencja przebiegu, kilometrówka)\n"
             "i rachunki za transport."},
      {5800, "WYPOSAŻENIE - ewidencja wyposażenia: nazwa, data nabycia, wartość,\n"
             "miejsce użytkowania, data i przyczyna likwidacji."},
      {5900, "AMORT - środki trwałe i ich amortyzacja liniowa w roku roboczym;\n"
             "Księguj przenosi odpisy miesiąca do księgi."},
      {4100, "KASA - raport kasowy: wpłaty i wypłaty z numeracją dowodów KP/KW,\n"
             "stan kasy na początek i koniec raportu."},
      {4150, "ROZLICZ - rozrachunki z kontrahentami: należności i zobowiązania,\n"
             "zapłaty, salda, wezwania."},
      {4200, "NOTY - noty odsetkowe dla kontrahentów za zapłaty po terminie."},
      {6000, "POMOCNICZE - słowniki używane przez inne kartoteki: konta, kontrahenci,\n"
             "opisy, urzędy skarbowe, kody ZUS, przelewy, kraje, kursy walut, odsetki."},
      {6100, "KONTA - plan kont: numer konta i jego nazwa.\n"
             "Kolumny: konto, nazwa.  Klawisze: Ins dopisuje, F5 poprawia, Del usuwa.\n"
             "Typowo: dopisanie kont przed księgowaniem dowodów."},
      {6200, "KONTRAHENCI - dostawcy, odbiorcy, pracownicy i urzędy, z którymi firma\n"
             "się rozlicza: kod, nazwa, adres, NIP, rachunek bankowy.\n"
             "Kolumny: znaczniki, typ, kod, nazwa.  Klawisze: Ins dopisuje, Del usuwa,\n"
             "Szukaj szuka po nazwie lub kodzie, Filtry zawężają listę, Drukuj drukuje\n"
             "listę lub naklejki.  NIP i PESEL sprawdzane są, gdy włączono kontrolę\n"
             "w opcjach głównych.\n"
             "Typowo: dopisanie kontrahenta przed wystawieniem noty lub przelewu."},
      {6300, "OPISY - gotowe opisy zdarzeń gospodarczych wybierane w dowodach.\n"
             "Kolumny: kod, opis.  Klawisze: Ins dopisuje, F5 poprawia, Del usuwa."},
      {6400, "URZĘDY - urzędy skarbowe (kod, nazwa, adres, rachunki), wybierane\n"
             "w danych firmy, u pracowników i w przelewach podatków.\n"
             "Kolumny: kod, nazwa, miejscowość.  F5 poprawia dane urzędu;\n"
             "urzędów nie dopisuje się ani nie usuwa (tabela wzorcowa)."},
      {6700, "KODY - kody tytułów ubezpieczeń i inne kody deklaracji ZUS.\n"
             "Kolumny: kod, opis.  Ins dopisuje, F5 poprawia, Del usuwa."},
      {6600, "PRZELEWY - polecenia przelewu: do ZUS, urzędu skarbowego, pracowników\n"
             "i kontrahentów; wydruk blankietów i zestawień."},
      {129, "KRAJE - kraje z kodem ISO i walutą.  Kolumny: kod, nazwa, waluta.\n"
            "Można tylko poprawić zapis (Modyfikuj); lista wzorcowa nie pozwala\n"
            "dopisywać ani usuwać krajów."},
      {135, "KURSY - kursy walut NBP z datą tabeli.  Kolumny: waluta, data, kurs.\n"
            "Filtry zawężają listę do waluty i okresu; Drukuj drukuje listę.\n"
            "Typowo: dopisanie kursu z tabeli NBP przed przeliczeniem kwoty."},
      {950, "ODSETKI - kalkulator odsetek, tabele stóp odsetek ustawowych\n"
            "i podatkowych oraz dni wolne od pracy."},
      {951, "OBLICZ - odsetki od kwoty za okres między terminem a zapłatą,\n"
            "według tabeli stóp obowiązujących w kolejnych okresach."},
      {952, "USTAWOWE - stopy odsetek ustawowych za opóźnienie od dat ich zmiany."},
      {953, "PODATKOWE - stopy odsetek od zaległości podatkowych od dat ich zmiany."},
      {954, "DNI WOLNE - święta i dni wolne od pracy, używane przy terminach\n"
            "zapłaty i w kalendarzu czasu pracy."},
      {5220, "RACHUNKI - rachunki za usługi transportowe."},
      {5210, "PRZEJAZDY - ewidencja przebiegu pojazdu: data, trasa, cel, kilometry,\n"
             "stawka za kilometr i kwota."},
      {5230, "SAMOCHODY - pojazdy firmy i prywatne używane w firmie: numer\n"
             "rejestracyjny, pojemność silnika, właściciel."},
      {5310, "LISTA - listy płac miesiąca: pracownik, składniki, składki ZUS,\n"
             "zaliczka na podatek, do wypłaty."},
      {6800, "ZUS - deklaracje rozliczeniowe ZUS miesiąca i eksport KEDU."},
      {5350, "UMOWY - umowy zlecenia i o dzieło z rachunkami."},
      {5330, "PRACOWNICY - dane osobowe, ubezpieczenia, urząd skarbowy, koszty."},
      {5600, "NIEOBECNOŚĆ - urlopy, choroby i inne nieobecności pracowników."},
      {5700, "ŚREDNIE - podstawy do wyliczenia średnich wynagrodzeń."},
      {5400, "ZFŚS - zakładowy fundusz świadczeń socjalnych."},
      {5500, "POMOCNICZE PŁAC - składniki płacowe, parametry i kalkulator."},
      {5510, "SKŁADNIKI - lista składników płacowych i ich rodzaje."},
      {5520, "PARAMETRY - parametry płacowe roku: stawki ZUS, progi, koszty."},
      {5530, "KALKULATOR - przeliczenie brutto na netto i netto na brutto."},
  };
  return t;
}

}  // namespace

bool has_help_text(int id) { return texts().count(id) != 0; }

std::string help_text(int id) {
  auto it = texts().find(id);
  if (it == texts().end()) return kGeneral;
  return std::string(it->second) + "\n\n" + kGeneral;
}

void show_help(Screen& screen, int id) { show_message(screen, 0, help_text(id), " Pomoc "); }

}  // namespace skolvarin::host
