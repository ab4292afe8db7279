// Internal documents and settlements end to end: the real program on a
// data directory made by `skolvarin init`, driven by key scripts; the
// tables are read back with `skolvarin tabela --csv`.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;

namespace {

using Records = std::vector<std::map<std::string, std::string>>;

std::string field_of(const Records& recs, const std::string& key_field, const std::string& key,
                     const std::string& field) {
  for (const auto& r : recs)
    if (r.count(key_field) && r.at(key_field) == key) return r.count(field) ? r.at(field) : "?";
  return "(brak)";
}

}  // namespace

TEST(DocumentsEndToEnd, NumbersPerTypeCorrectionColumnAndBookingTwice) {
  DataDir dir("dowody");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "dd<C-Y>2<Enter>12<Enter><Enter>Jan<Enter><F2><Esc>"             // type 2 "12"
      "d<C-Y>2<Enter>  12<Enter><dump><Enter><Esc>T"                   // 0: type 2 "  12" refused
      "d<C-Y>3<Enter>  12<Enter><Enter>Ewa<Enter><F2><Esc>"            // type 3 "12" accepted
      "d<C-Y>7<Enter>K1<Enter><Enter>Ewa<Enter><F2>d<dump>"            // 1: a type 7 position
      "Firma X<Enter>FV 1<Enter><F4>15112026<F2><Enter>13<Enter><dump><Enter>"  // 2: month 13 refused
      "<C-Y>11<Enter>100<Enter><F2><dump><Esc>"                        // 3: the corrected invoice listed
      "k<dump><F2>TN"                                                  // 4: the first booking
      "k<dump>T<F2>T"                                                  // 5: booked again
      "<C-C>K1<F2><dump><Enter><Esc>"                                  // 6: the copy needs a new number
      "<C-C>K2<F2><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 7u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Taki numer już istnieje !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "kolumna........  5")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "Miesiąc korekty: od 1 do 12 !")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "FV 1                 15-11-2026    11.00      100.00")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[4], "status...KOREKTA KOSZTÓW")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[4], "ze sprzedaży..........     100.00")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[5], "POWTÓRNE KSIĘGOWANIE")) << dump(run.screens[5]);
  EXPECT_TRUE(has_row(run.screens[6], "Taki numer już istnieje !")) << dump(run.screens[6]);

  const Records docs = dir.records("W3DOWO26.DBF");
  ASSERT_EQ(docs.size(), 4u);
  int twelve = 0;
  for (const auto& d : docs) twelve += d.at("NUM") == "12" ? 1 : 0;
  EXPECT_EQ(twelve, 2);  // one of type 2, one of type 3
  EXPECT_EQ(field_of(docs, "NUM", "K1", "TRK"), "1");
  EXPECT_EQ(field_of(docs, "NUM", "K1", "LPO"), "1");
  EXPECT_EQ(field_of(docs, "NUM", "K1", "DAZ"), "20261205");
  // The copy: the same type and positions, not booked.
  EXPECT_EQ(field_of(docs, "NUM", "K2", "TYP"), "7");
  EXPECT_EQ(field_of(docs, "NUM", "K2", "DAZ"), "");
  EXPECT_EQ(field_of(docs, "NUM", "K2", "LPO"), "");
  const Records lines = dir.records("W3DOWE26.DBF");
  ASSERT_EQ(lines.size(), 2u);
  for (const auto& l : lines) {
    EXPECT_EQ(l.at("RYT"), "5");
    EXPECT_EQ(l.at("WAR"), "100.00");
  }
  EXPECT_EQ(field_of(lines, "REK", field_of(docs, "NUM", "K2", "REC"), "NA2"), "FV 1");
  // Booked twice: one entry of the book, a correction, and one settlement.
  const Records book = dir.records("W3DANE26.DBF");
  ASSERT_EQ(book.size(), 1u);
  EXPECT_EQ(book[0].at("ANU"), "K");
  EXPECT_EQ(book[0].at("PSP"), "100.00");
  EXPECT_EQ(book[0].at("ZRK"), "3");
  EXPECT_EQ(field_of(docs, "NUM", "K1", "REK"), book[0].at("REC"));
  const Records settlements = dir.records("W3ROZL.DBF");
  ASSERT_EQ(settlements.size(), 1u);
  EXPECT_EQ(settlements[0].at("TYP"), "N");
  EXPECT_EQ(settlements[0].at("KWO"), "100.00");
  EXPECT_EQ(settlements[0].at("REK"), book[0].at("REC"));
}

TEST(DocumentsEndToEnd, SettlementsFromBookedDocumentsAndTheirSummary) {
  DataDir dir("rozliczenia");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // A revenue of 1230.00 of which 230.00 is paid through the booking's
  // cash step (a part: 1230.01 refused first); an expense of 230.00 paid
  // whole.
  auto run = dir.keys(
      "dd<C-Y>1<Enter>S1<Enter><Enter>Jan<Enter><F2>dSprzedaż<Enter><Enter><C-Y>1<Enter>1230<Enter><C-Y>5<F2><Esc>"
      "k<F2>TT<Down><Enter><C-Y>1230.01<F2><dump><Enter><C-Y>230<F2><Enter>"
      "d<C-Y>1<Enter>Z1<Enter><Enter>Jan<Enter><F2>dZakup<Enter><Enter><C-Y>1<Enter>230<Enter><F2><Esc>"
      "k<F2>TT<Enter><Enter><Esc>"
      "rrs<F2><dump><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Kwota musi być większa od zera i nie większa od kwoty dokumentu !"))
      << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "należności                     1 230,00           230,00           1 000,00"))
      << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[1], "zobowiązania                     230,00           230,00               0,00"))
      << dump(run.screens[1]);
  const Records settlements = dir.records("W3ROZL.DBF");
  ASSERT_EQ(settlements.size(), 2u);
  EXPECT_EQ(field_of(settlements, "DOK", "S1", "ROL"), "N");
  EXPECT_EQ(field_of(settlements, "DOK", "S1", "ZAP"), "230.00");
  EXPECT_EQ(field_of(settlements, "DOK", "Z1", "ROL"), "R");
  EXPECT_EQ(field_of(settlements, "DOK", "Z1", "ZAP"), "230.00");
}
