#include "data/openers.h"

#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::data {

namespace {
int open_named(const char* file, int tag_option, int year) {
  OpenRequest r;
  r.tag_option = tag_option;
  r.year = year;
  return open_table(state().ctx, file, r);
}
}  // namespace

int open_w3kata(int tag_option) { return open_named("W3KATA.DBF", tag_option, 0); }
int open_w3kapa(int tag_option) { return open_named("W3KAPA.DBF", tag_option, 0); }
int open_w3paos(int tag_option) { return open_named("W3PAOS.DBF", tag_option, 0); }
int open_w3pass(int tag_option) { return open_named("W3PASS.DBF", tag_option, 0); }
int open_w3prac(int tag_option) { return open_named("W3PRAC.DBF", tag_option, 0); }
int open_w3pens(int tag_option, int year) { return open_named("W3PENS  .DBF", tag_option, year); }
int open_w3pensex(int tag_option) { return open_named("W3PENSEX.DBF", tag_option, 0); }
int open_w3pesk(int tag_option, int year) { return open_named("W3PESK  .DBF", tag_option, year); }
int open_w3peskex(int tag_option) { return open_named("W3PESKEX.DBF", tag_option, 0); }
int open_w3peli(int tag_option) { return open_named("W3PELI.DBF", tag_option, 0); }
int open_w3srdn(int tag_option) { return open_named("W3SRDN.DBF", tag_option, 0); }
int open_w3nieo(int tag_option, int year) { return open_named("W3NIEO  .DBF", tag_option, year); }
int open_w3zfss(int tag_option, int year) { return open_named("W3ZFSS  .DBF", tag_option, year); }
int open_w3umow(int tag_option, int year) { return open_named("W3UMOW  .DBF", tag_option, year); }
int open_w3umpr(int tag_option) { return open_named("W3UMPR.DBF", tag_option, 0); }
int open_w3zusd(int tag_option, int year) { return open_named("W3ZUSD  .DBF", tag_option, year); }
int open_w3zusp(int tag_option, int year) { return open_named("W3ZUSP  .DBF", tag_option, year); }
int open_w3zusr(int tag_option, int year) { return open_named("W3ZUSR  .DBF", tag_option, year); }
int open_w3zuss(int tag_option, int year) { return open_named("W3ZUSS  .DBF", tag_option, year); }
int open_w3zuws(int tag_option, int year) { return open_named("W3ZUWS  .DBF", tag_option, year); }
int open_w3wspl(int tag_option, int year) { return open_named("W3WSPL  .DBF", tag_option, year); }
int open_w3wssk(int tag_option, int year) { return open_named("W3WSSK  .DBF", tag_option, year); }
int open_w3kzus(int tag_option) { return open_named("W3KZUS.DBF", tag_option, 0); }
int open_w3dekl(int tag_option) { return open_named("W3DEKL.DBF", tag_option, 0); }
int open_w3lxml(int tag_option) { return open_named("W3LXML.DBF", tag_option, 0); }
int open_w3tabe(int tag_option, int year) { return open_named("W3TABE  .DBF", tag_option, year); }
int open_w3pi11(int tag_option, int year) { return open_named("W3PI11  .DBF", tag_option, year); }
int open_w3pi40(int tag_option, int year) { return open_named("W3PI40  .DBF", tag_option, year); }
int open_w3p8ar(int tag_option, int year) { return open_named("W3P8AR  .DBF", tag_option, year); }
int open_w3pzal(int tag_option, int year) { return open_named("W3PZAL  .DBF", tag_option, year); }
int open_w3nip3(int tag_option) { return open_named("W3NIP3.DBF", tag_option, 0); }
int open_rmuap(int tag_option) { return open_named("RMUAP.DBF", tag_option, 0); }
int open_w3khnt(int tag_option) { return open_named("W3KHNT.DBF", tag_option, 0); }
int open_w3kont(int tag_option) { return open_named("W3KONT.DBF", tag_option, 0); }
int open_w3opis(int tag_option) { return open_named("W3OPIS.DBF", tag_option, 0); }
int open_w3uska(int tag_option) { return open_named("W3USKA.DBF", tag_option, 0); }
int open_w3kraj(int tag_option) { return open_named("W3KRAJ.DBF", tag_option, 0); }
int open_w3kurs(int tag_option) { return open_named("W3KURS.DBF", tag_option, 0); }
int open_w3dnwo(int tag_option) { return open_named("W3DNWO.DBF", tag_option, 0); }
int open_w3odus(int tag_option) { return open_named("W3ODUS.DBF", tag_option, 0); }
int open_w3zapo(int tag_option) { return open_named("W3ZAPO.DBF", tag_option, 0); }
int open_w3noty(int tag_option, int year) { return open_named("W3NOTY  .DBF", tag_option, year); }
int open_w3dowo(int tag_option, int year) { return open_named("W3DOWO  .DBF", tag_option, year); }
int open_w3dowe(int tag_option, int year) { return open_named("W3DOWE  .DBF", tag_option, year); }
int open_w3dane(int tag_option, int year) { return open_named("W3DANE  .DBF", tag_option, year); }
int open_w3rycz(int tag_option, int year) { return open_named("W3RYCZ  .DBF", tag_option, year); }
int open_w3zake(int tag_option, int year) { return open_named("W3ZAKE  .DBF", tag_option, year); }
int open_w3zaku(int tag_option, int year) { return open_named("W3ZAKU  .DBF", tag_option, year); }
int open_w3spoe(int tag_option, int year) { return open_named("W3SPOE  .DBF", tag_option, year); }
int open_w3spre(int tag_option, int year) { return open_named("W3SPRE  .DBF", tag_option, year); }
int open_w3spom(int tag_option, int year) { return open_named("W3SPOM  .DBF", tag_option, year); }
int open_w3sprz(int tag_option, int year) { return open_named("W3SPRZ  .DBF", tag_option, year); }
int open_w3amor(int tag_option, int year) { return open_named("W3AMOR  .DBF", tag_option, year); }
int open_w3wypo(int tag_option) { return open_named("W3WYPO.DBF", tag_option, 0); }
int open_w3kasa(int tag_option) { return open_named("W3KASA.DBF", tag_option, 0); }
int open_w3rozl(int tag_option) { return open_named("W3ROZL.DBF", tag_option, 0); }
int open_w3samo(int tag_option) { return open_named("W3SAMO.DBF", tag_option, 0); }
int open_w3prze(int tag_option, int year) { return open_named("W3PRZE  .DBF", tag_option, year); }
int open_w3rasa(int tag_option, int year) { return open_named("W3RASA  .DBF", tag_option, year); }
int open_w3prce(int tag_option) { return open_named("W3PRCE.DBF", tag_option, 0); }

}  // namespace skolvarin::data
