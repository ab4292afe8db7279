// The host's own message texts (ids 20000.. and 50000..) and log texts.
//
// Each text says what the host means when a register names the id; texts
// that take arguments are printf formats.  The default bank accounts
// (20014, 20015, 20016, 20031) are the ZUS accounts in force 2008-2017
// (social insurance, health insurance, FP and FGŚP, FEP), 26 digits without
// blanks; their IBAN check digits are valid.
#include <map>

#include "host/ui/message_catalog.h"

namespace skolvarin::host {

const std::map<int, const char*>& host_messages() {
  static const std::map<int, const char*> m = {
      // Cash vouchers: headings of the receipt and the payment variant.
      {20009, "DOWÓD WPŁATY"},
      {20027, "DOWÓD WYPŁATY"},
      // Default ZUS accounts of the ZUS settings.
      {20014, "83101010230000261395100000"},
      {20015, "78101010230000261395200000"},
      {20016, "73101010230000261395300000"},
      {20031, "68101010230000261395400000"},
      // Uniqueness and field checks.
      {20038, "Konto o takim numerze już istnieje !"},
      {20044, "Kurs tej waluty z tą datą już jest wpisany !"},
      {20045, "Taka wartość już istnieje - musi być niepowtarzalna !"},
      {20046, "Dozwolone są tylko litery od A do Z i spacje !"},
      {20047, "Nie ma takiej waluty w wykazie krajów !"},
      // Year carry-over of a register.
      {20053, "Nie można utworzyć pliku na nowy rok !"},
      {20054, "Nie można otworzyć pliku z poprzedniego roku !"},
      {20055, "Nie ma jeszcze danych na bieżący rok."},
      {20057, "Czy przenieść dane z poprzedniego roku ?"},
      // Settings groups (shown with the group's label).
      {20058, "Błąd odczytu ustawień"},
      {20059, "Błąd zapisu ustawień"},
      // Posting into the book.
      {20074, "Nie udało się zapisać pozycji w księdze !"},
      {20076, "Dokument był już zaksięgowany. Czy zastąpić zapis w księdze ?"},
      {20077, "Taki numer już istnieje !"},
      {20078, "Kursy walut"},
      {20080, "Wypłata musi mieć kwotę ujemną !"},
      {20081, "Wpłata musi mieć kwotę dodatnią !"},
      {20082, "Kwota pozycji wyciągu nie może być zerowa !"},
      {20083, "Taki kod już istnieje !"},
      {20086, "Czy zapisać pozycję w księdze ?"},
      {20088, "Rok daty jest późniejszy niż rok obrachunkowy !"},
      // NIP and PESEL checks.
      {20089, "NIP musi mieć 10 cyfr !"},
      {20090, "Błędny NIP !"},
      {20091, "PESEL musi mieć 11 cyfr !"},
      {20092, "Błędny PESEL !"},
      // Interest computation.
      {20097, "Tabela dni wolnych od pracy jest pusta !"},
      {20098, "Tabela stóp odsetek podatkowych jest pusta !"},
      {20099, "Tabela stóp odsetek ustawowych jest pusta !"},
      {20100, "Suma dni okresów stóp nie zgadza się z liczbą dni zwłoki !"},
      // Window titles of registers and choosers.
      {20113, "Kraje"},
      {20115, "Opisy"},
      {20117, "Wybierz firmę"},
      {20118, "Plan kont"},
      {20121, "Urzędy skarbowe"},
      // Posting with all amounts zero.
      {20129, "Wszystkie kwoty są równe zero."},
      {20130, "Czy mimo to zaksięgować ?"},
      // e-declarations: attributes of KodFormularza (system code, tax code,
      // kind of liability, schema version); the form name follows as text.
      {20146, "KodFormularza kodSystemowy=\"%s\" kodPodatku=\"%s\" rodzajZobowiazania=\"%s\" wersjaSchemy=\"%s\""},
      {20153, "Błędny NIP lub PESEL !"},
      {20158, "Nie udało się utworzyć dokumentów ZUS !"},
      {20159, "Daty sprzed 1993 roku nie są przyjmowane !"},
      // Cash step after posting.
      {20164, "Nie udało się zapisać zapłaty w kasie !"},
      {20165, "Dokument zaksięgowano."},
      {20166, "Czy zapisać zapłatę w kasie ?"},
      {20170, "Zapłatę zapisano w kasie."},
      {20179, "Zapisano deklarację %s w pliku %s"},
      {20183, "Minimalna podstawa składki zdrowotnej jest podejrzanie niska - sprawdź parametry płacowe !"},
      // 50000..
      {50003, "Czy zapisać zmienione parametry ?"},
      {50007, "Nie znaleziono danych !"},
      {50030, " Porządkowanie numeracji pozycji ... "},
      {50133, "Wartość nie może być ujemna !"},
      {50134, "Wartość musi być większa od zera !"},
      {50136, "Nie ma takiego dnia w tym miesiącu !"},
      {50137, "Błędny miesiąc (dozwolone 1..12, późniejszy niż źródłowy) !"},
  };
  return m;
}

const char* host_message(int id) {
  const auto& m = host_messages();
  auto it = m.find(id);
  return it == m.end() ? nullptr : it->second;
}

const char* host_log_text(int id) {
  switch (id) {
    case 130: return "Nie można przejść do katalogu firmy %s";
    case 145: return "Firma %s nie ma podanego katalogu danych";
    case 194: return "Zmiana firmy: katalog %s";
    default: return nullptr;
  }
}

}  // namespace skolvarin::host
