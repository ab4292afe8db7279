// Named openers: one per catalogue table, as the dispatchers' chains call
// them.  Each opens its table through the generic opener for the module's
// context (state().ctx) with the given host tag option and selects the
// table's first tag; per-year openers take the year (0: the working year).
// Settings files are not opened here: their groups are read by the
// settings reader.  Returns 0 on success, non-zero after the host told the
// user.
#pragma once

namespace skolvarin::data {

int open_w3kata(int tag_option);  // W3KATA.DBF katalog firm
int open_w3kapa(int tag_option);  // W3KAPA.DBF dostęp do firm
int open_w3paos(int tag_option);  // W3PAOS.DBF lista użytkowników
int open_w3pass(int tag_option);  // W3PASS.DBF wpisy użytkowników
int open_w3prac(int tag_option);  // W3PRAC.DBF pracownicy
int open_w3pens(int tag_option, int year = 0);  // W3PENS.DBF listy płac
int open_w3pensex(int tag_option);  // W3PENSEX.DBF listy płac do eksportu
int open_w3pesk(int tag_option, int year = 0);  // W3PESK.DBF składniki list płac
int open_w3peskex(int tag_option);  // W3PESKEX.DBF składniki do eksportu
int open_w3peli(int tag_option);  // W3PELI.DBF lista składników płacowych
int open_w3srdn(int tag_option);  // W3SRDN.DBF podstawy średnich
int open_w3nieo(int tag_option, int year = 0);  // W3NIEO.DBF nieobecności
int open_w3zfss(int tag_option, int year = 0);  // W3ZFSS.DBF ZFŚS
int open_w3umow(int tag_option, int year = 0);  // W3UMOW.DBF umowy cywilnoprawne
int open_w3umpr(int tag_option);  // W3UMPR.DBF przedmioty umów
int open_w3zusd(int tag_option, int year = 0);  // W3ZUSD.DBF deklaracje ZUS: kody
int open_w3zusp(int tag_option, int year = 0);  // W3ZUSP.DBF deklaracje ZUS: tytuły
int open_w3zusr(int tag_option, int year = 0);  // W3ZUSR.DBF deklaracje ZUS: raporty
int open_w3zuss(int tag_option, int year = 0);  // W3ZUSS.DBF deklaracje ZUS: składki
int open_w3zuws(int tag_option, int year = 0);  // W3ZUWS.DBF ZUS wspólników
int open_w3wspl(int tag_option, int year = 0);  // W3WSPL.DBF wspólnicy
int open_w3wssk(int tag_option, int year = 0);  // W3WSSK.DBF składki wspólników
int open_w3kzus(int tag_option);  // W3KZUS.DBF kody ZUS
int open_w3dekl(int tag_option);  // W3DEKL.DBF lista deklaracji
int open_w3lxml(int tag_option);  // W3LXML.DBF kody XML
int open_w3tabe(int tag_option, int year = 0);  // W3TABE.DBF skala podatkowa
int open_w3pi11(int tag_option, int year = 0);  // W3PI11.DBF PIT-11
int open_w3pi40(int tag_option, int year = 0);  // W3PI40.DBF PIT-40
int open_w3p8ar(int tag_option, int year = 0);  // W3P8AR.DBF PIT-8AR
int open_w3pzal(int tag_option, int year = 0);  // W3PZAL.DBF zaliczki podatku
int open_w3nip3(int tag_option);  // W3NIP3.DBF NIP-3
int open_rmuap(int tag_option);  // RMUAP.DBF robocza RMUA
int open_w3khnt(int tag_option);  // W3KHNT.DBF kontrahenci
int open_w3kont(int tag_option);  // W3KONT.DBF konta
int open_w3opis(int tag_option);  // W3OPIS.DBF opisy
int open_w3uska(int tag_option);  // W3USKA.DBF urzędy skarbowe
int open_w3kraj(int tag_option);  // W3KRAJ.DBF kraje
int open_w3kurs(int tag_option);  // W3KURS.DBF kursy walut
int open_w3dnwo(int tag_option);  // W3DNWO.DBF dni wolne
int open_w3odus(int tag_option);  // W3ODUS.DBF odsetki ustawowe
int open_w3zapo(int tag_option);  // W3ZAPO.DBF odsetki podatkowe
int open_w3noty(int tag_option, int year = 0);  // W3NOTY.DBF noty odsetkowe
int open_w3dowo(int tag_option, int year = 0);  // W3DOWO.DBF dowody
int open_w3dowe(int tag_option, int year = 0);  // W3DOWE.DBF pozycje dowodów
int open_w3dane(int tag_option, int year = 0);  // W3DANE.DBF księga przychodów i rozchodów
int open_w3rycz(int tag_option, int year = 0);  // W3RYCZ.DBF ewidencja przychodów
int open_w3zake(int tag_option, int year = 0);  // W3ZAKE.DBF rejestr zakupu VAT
int open_w3zaku(int tag_option, int year = 0);  // W3ZAKU.DBF rejestr zakupu VAT
int open_w3spoe(int tag_option, int year = 0);  // W3SPOE.DBF rejestr sprzedaży VAT
int open_w3spre(int tag_option, int year = 0);  // W3SPRE.DBF rejestr sprzedaży VAT
int open_w3spom(int tag_option, int year = 0);  // W3SPOM.DBF rejestr sprzedaży VAT
int open_w3sprz(int tag_option, int year = 0);  // W3SPRZ.DBF rejestr sprzedaży VAT
int open_w3amor(int tag_option, int year = 0);  // W3AMOR.DBF środki trwałe
int open_w3wypo(int tag_option);  // W3WYPO.DBF wyposażenie
int open_w3kasa(int tag_option);  // W3KASA.DBF kasa
int open_w3rozl(int tag_option);  // W3ROZL.DBF rozliczenia
int open_w3samo(int tag_option);  // W3SAMO.DBF samochody
int open_w3prze(int tag_option, int year = 0);  // W3PRZE.DBF przejazdy
int open_w3rasa(int tag_option, int year = 0);  // W3RASA.DBF rachunki transportowe
int open_w3prce(int tag_option);  // W3PRCE.DBF cele i trasy przejazdów

}  // namespace skolvarin::data
