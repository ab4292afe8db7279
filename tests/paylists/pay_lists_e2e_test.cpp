// Payroll lists end to end: the real program on a data directory made by
// `skolvarin init` for the working year 2017, people added by the import,
// pay records made through the list register's form (key scripts) and by
// `skolvarin place`; the tables are read back with `skolvarin tabela --csv`.
// Expected amounts are worked out by hand under the 2017 rates (pension
// 9.76 %, disability 1.5 %, sickness 2.45 %, health 9 % / 7.75 %, costs
// 111.25, reducing amount 46.33, 18 %).
#include <gtest/gtest.h>

#include <fstream>

#include "../dictionaries/e2e_support.h"

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::find_where;
using dict_e2e::has_row;
using dict_e2e::run_capture;
using Record = std::map<std::string, std::string>;

namespace {

const std::string kScripts = SKOLVARIN_SOURCE_DIR "/tests/";

struct Person {
  const char* surname;
  const char* kind;  // M monthly, G hourly
  const char* pay;
  const char* fields;  // set afterwards in W3PRAC ("KUZ=0.00 CFP=Z")
};

// A firm of 2017 with the given people (record numbers 1, 2, ... in order).
struct Firm {
  DataDir dir;
  explicit Firm(const std::string& name, const std::vector<Person>& people) : dir(name) {
    if (!dir.ok()) return;
    std::ofstream csv(dir.root() / "people.csv");
    csv << "nazwisko;imie;pesel;data_przyjecia;rodzaj_placy;placa;etat;kod_tytulu\n";
    for (size_t i = 0; i < people.size(); ++i)
      csv << people[i].surname << ";Jan;8503121234" << i << ";2016-01-01;" << people[i].kind << ";"
          << people[i].pay << ";1/1;011000\n";
    csv.close();
    ok_ = command("pracownicy import " + (dir.root() / "people.csv").string()) == 0 &&
          std::system(("/usr/bin/python3 " + kScripts + "dictionaries/set_main_option.py " + dir.data().string() +
                       " 3 2017")
                          .c_str()) == 0 &&
          command("wzorce") == 0;
    for (size_t i = 0; i < people.size() && ok_; ++i)
      ok_ = set("W3PRAC.DBF", static_cast<int>(i + 1), std::string("KUZ=0.00 ") + people[i].fields);
  }
  bool ok() const { return dir.ok() && ok_; }

  int command(const std::string& args, std::string* out = nullptr) const {
    int rc = -1;
    std::string text = run_capture(dict_e2e::bin_dir() + "/skolvarin " + args + " --data " + dir.data().string() +
                                       " --dzis 2017-03-15 2>&1",
                                   &rc);
    if (out) *out = text;
    return rc;
  }
  bool set(const std::string& table, int recno, const std::string& values) const {
    return std::system(("/usr/bin/python3 " + kScripts + "support/set_fields.py " + dir.table(table).string() + " " +
                        std::to_string(recno) + " " + values)
                           .c_str()) == 0;
  }
  bool set_key(const std::string& table, int key, const std::string& field, const std::string& value) const {
    return std::system(("/usr/bin/python3 " + kScripts + "payroll_registers/set_settings_field.py " +
                        dir.table(table).string() + " " + std::to_string(key) + " " + field + " " + value)
                           .c_str()) == 0;
  }
  bool append(const std::string& table, const std::string& values) const {
    return std::system(("/usr/bin/python3 " + kScripts + "payroll_registers/append_record.py " +
                        dir.table(table).string() + " " + values)
                           .c_str()) == 0;
  }
  // The March pay record of person `kod` on list `list`.
  Record pay(int kod, int list = 1) const {
    for (const Record& r : dir.records("W3PENS17.DBF"))
      if (r.at("KOD") == std::to_string(kod) && r.at("MIE") == "3" && r.at("NRL") == std::to_string(list)) return r;
    return {};
  }

 private:
  bool ok_ = false;
};

// `place pokaz --json` without the list number: one line per record.
std::vector<std::string> shown_records(const Firm& f, int list) {
  std::string out;
  f.command("place pokaz --rok 2017 --miesiac 3 --lista " + std::to_string(list) + " --json", &out);
  std::vector<std::string> rows;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);)
    if (line.find("\"kod\"") != std::string::npos) rows.push_back(line.substr(0, line.find('}') + 1));
  return rows;
}

}  // namespace

// Base pay 2000.00 in March 2017 through the form nets 1459.48 (the published
// net of the 2017 minimum pay), and `place dopisz` makes the same record; a
// record of only an untaxed benefit has no gross, no costs and no tax.
TEST(PayListsEndToEnd, FormAndBatchGiveTheSameRecordAndABenefitOnlyRecord) {
  const std::vector<Person> people = {{"Kowalski", "M", "2000.00", ""},
                                      {"Nowak", "M", "2000.00", "OZR=1 KZR=100.00"}};
  Firm form("paylists_form", people), batch("paylists_batch", people);
  ASSERT_TRUE(form.ok()) << form.dir.init_output();
  ASSERT_TRUE(batch.ok());
  auto run = form.dir.keys(
      "pld<Enter><F2><F3>dD11<F2><dump><Esc><dump><F2>"   // 0: D11 in the window, 1: the form recomputed
      "d<Down><Enter><F2><F3>dS500<F2><Esc><F2>"          // the benefit-only record
      "<Esc><Esc><Esc>",
      "2017-03-15");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Lista płac nr 1, marzec 2017,  Kowalski Jan")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "2000.00   01-03-2017 31-03-2017")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "DO WYPŁATY..............   1459.48")) << dump(run.screens[1]);

  const Record k = form.pay(1);
  ASSERT_FALSE(k.empty()) << run.all();
  EXPECT_EQ(k.at("BRP"), "2000.00");
  EXPECT_EQ(k.at("KEU"), "195.20");
  EXPECT_EQ(k.at("KRU"), "30.00");
  EXPECT_EQ(k.at("KCU"), "49.00");
  EXPECT_EQ(k.at("KZU"), "155.32");
  EXPECT_EQ(k.at("OBP"), "133.75");
  EXPECT_EQ(k.at("POP"), "1615.00");
  EXPECT_EQ(k.at("ODZ"), "111.00");
  EXPECT_EQ(k.at("WYP"), "1459.48");
  EXPECT_EQ(k.at("DWY"), "20170331");

  const Record n = form.pay(2);
  ASSERT_FALSE(n.empty());
  EXPECT_EQ(n.at("SNI"), "100.00");
  EXPECT_EQ(n.at("BRP"), "0.00");
  EXPECT_EQ(n.at("KUZ"), "0.00");
  EXPECT_EQ(n.at("POP"), "0.00");
  EXPECT_EQ(n.at("WYP"), "100.00");

  // Modifying: F7 recomputes and writes at once (warning 232); the list
  // print needs a month filter, the pay card a person filter.
  auto f7 = form.dir.keys("pl<Enter><F7><dump><Enter><Esc>rl<dump><Enter>rk<dump><Enter><Esc><Esc><Esc><Esc>",
                          "2017-03-15");
  ASSERT_EQ(f7.screens.size(), 3u) << f7.all();
  EXPECT_TRUE(has_row(f7.screens[0], "Zaktualizowano podsumowania !")) << dump(f7.screens[0]);
  EXPECT_TRUE(has_row(f7.screens[1], "Ustaw filtr na miesiąc.")) << dump(f7.screens[1]);
  EXPECT_TRUE(has_row(f7.screens[2], "Ustaw filtr na pracownika.")) << dump(f7.screens[2]);
  EXPECT_EQ(form.pay(1).at("WYP"), "1459.48");

  // The batch: the base pay for every person, the same record as the form's.
  std::string out;
  EXPECT_EQ(batch.command("place dopisz --rok 2017 --miesiac 3", &out), 0) << out;
  const auto from_form = shown_records(form, 1), from_batch = shown_records(batch, 1);
  ASSERT_EQ(from_form.size(), 2u);
  ASSERT_EQ(from_batch.size(), 2u);
  EXPECT_EQ(from_form[0], from_batch[0]);
  EXPECT_NE(from_form[0].find("\"do_wyplaty\": 1459.48"), std::string::npos) << from_form[0];
  // A second run adds nobody: each person is already on the list.
  EXPECT_EQ(batch.command("place dopisz --rok 2017 --miesiac 3", &out), 1);
  EXPECT_NE(out.find("Pensja za podany miesiąc już zapisana !"), std::string::npos) << out;
}

// `place dopisz` for a month of people whose pay shows one rule each, then
// key 67 switched on and `place przelicz`; the payslips as a PDF.
TEST(PayListsEndToEnd, MonthOfRulesHourlyCapHealthLimitExemptAdvanceAndFp) {
  Firm f("paylists_rules", {{"Godzinowy", "G", "20.00", ""},
                           {"Limit", "M", "3000.00", ""},
                           {"Maly", "M", "500.00", ""},
                           {"Zwolniony", "M", "4142.00", "ZPZ=1000.00"},
                           {"Fpt", "M", "1999.99", "CFP=T"},
                           {"Fpz", "M", "1999.99", "CFP=Z"}});
  ASSERT_TRUE(f.ok()) << f.dir.init_output();
  std::string out;
  ASSERT_EQ(f.command("place pokaz --rok 2017 --miesiac 3", &out), 0) << out;  // creates the year's calendar
  ASSERT_TRUE(f.set_key("W3PAZR17.DBF", 3, "IN", "184"));       // March: 184 working hours
  ASSERT_TRUE(f.set_key("W3PAPL17.DBF", 54, "DO", "10000.00"));  // yearly pension cap
  // February records: pension base 8350.00 of Limit (1650.00 left under the
  // cap) and advances of 800.00 for Zwolniony.
  ASSERT_TRUE(f.append("W3PENS17.DBF", "NAZ=Limit KOD=2 NRL=1 MIE=2 PER=8350.00 REC=90"));
  ASSERT_TRUE(f.append("W3PENS17.DBF", "NAZ=Zwolniony KOD=4 NRL=1 MIE=2 NPO=800.00 REC=91"));
  ASSERT_EQ(f.command("place dopisz --rok 2017 --miesiac 3 --wyplata 2017-04-10", &out), 0) << out;

  const auto components = f.dir.records("W3PESK17.DBF");
  const auto* hourly = find_where(components, "KOD", "1");
  ASSERT_NE(hourly, nullptr);
  EXPECT_EQ(hourly->at("KGS"), "D11");
  EXPECT_EQ(hourly->at("ILG"), "184");
  EXPECT_EQ(hourly->at("KWO"), "3680.00");

  const Record cap = f.pay(2);
  ASSERT_FALSE(cap.empty());
  EXPECT_EQ(cap.at("PER"), "1650.00");
  EXPECT_EQ(cap.at("KEU"), "161.04");
  EXPECT_EQ(cap.at("PCW"), "3000.00");
  EXPECT_EQ(cap.at("FPP"), "73.50");  // FP of the base before the cap
  EXPECT_EQ(cap.at("DWY"), "20170410");

  EXPECT_EQ(f.pay(3).at("KZU"), "38.83");
  const Record exempt = f.pay(4);
  EXPECT_EQ(exempt.at("NPO"), "300.00");
  EXPECT_EQ(exempt.at("ODZ"), "100.00");  // 300 less the 200.00 left of the 1000.00 exemption
  EXPECT_EQ(f.pay(5).at("FPP"), "0.00");   // below the minimum pay 2000.00
  EXPECT_EQ(f.pay(6).at("FPP"), "49.00");  // "Z": always

  // Key 67: the health contribution not above the advance less the reducing amount.
  ASSERT_TRUE(f.set_key("W3PAPL17.DBF", 67, "CH", "T"));
  ASSERT_EQ(f.command("place przelicz --rok 2017 --miesiac 3", &out), 0) << out;
  const Record small = f.pay(3);
  EXPECT_EQ(small.at("POD"), "57.60");
  EXPECT_EQ(small.at("KZU"), "11.27");
  EXPECT_EQ(small.at("OBP"), "11.27");
  EXPECT_EQ(small.at("NPO"), "0.00");
  EXPECT_EQ(f.pay(2).at("PER"), "1650.00");  // recomputed with the same year-to-date sums

  ASSERT_EQ(f.command("place paski --rok 2017 --miesiac 3", &out), 0) << out;
  const std::string pdf = out.substr(0, out.find('\n'));
  const std::string text = run_capture("pdftotext -layout " + pdf + " - 2>/dev/null");
  EXPECT_NE(text.find("PASEK WYPŁATY"), std::string::npos) << text;
  EXPECT_NE(text.find("3680,00"), std::string::npos) << text;
}

// " Kopiuj " on the December 2016 list proposes January 2017 and makes the
// new list in the next year's tables with the base pay moved to January.
TEST(PayListsEndToEnd, CopyingDecember2016ProposesJanuary2017) {
  Firm f("paylists_copy", {{"Kowalski", "M", "2000.00", ""}});
  ASSERT_TRUE(f.ok()) << f.dir.init_output();
  ASSERT_EQ(std::system(("/usr/bin/python3 " + kScripts + "dictionaries/set_main_option.py " +
                         f.dir.data().string() + " 3 2016")
                            .c_str()),
            0);
  std::string out;
  ASSERT_EQ(f.command("place dopisz --rok 2016 --miesiac 12", &out), 0) << out;
  auto run = f.dir.keys("plo<dump><F2><dump><Enter><Esc><Esc><Esc>", "2016-12-15");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Rok: 2016  Miesiąc:12    Nr listy:  1")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "Rok:2017   Miesiąc: 1    Nr listy:  1")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Skopiowano pensji: 1.")) << dump(run.screens[1]);
  const auto january = f.dir.records("W3PENS17.DBF");
  ASSERT_EQ(january.size(), 1u);
  EXPECT_EQ(january[0].at("MIE"), "1");
  EXPECT_EQ(january[0].at("WYP"), "1459.48");
  const auto* d11 = find_where(f.dir.records("W3PESK17.DBF"), "KGS", "D11");
  ASSERT_NE(d11, nullptr);
  EXPECT_EQ(d11->at("DOD"), "20170101");
  EXPECT_EQ(d11->at("DDO"), "20170131");
}

// A whole 31-day month of excused unpaid absence (N151), typed into the
// absences register, comes into the March pay record through F5 of the
// components window: its deduction P151 takes the whole base pay 3100.00
// (not 31/30 of it), so nothing is paid.
TEST(PayListsEndToEnd, F5TakesTheMonthsAbsenceAsItsDeduction) {
  Firm f("paylists_absence", {{"Kowalski", "M", "3100.00", ""}});
  ASSERT_TRUE(f.ok()) << f.dir.init_output();
  f.dir.keys("pn<Esc><Esc><Esc><Esc><Esc>", "2017-03-15");  // the year's absences file
  ASSERT_TRUE(f.append("W3NIEO17.DBF", "KOD=1 NAZ=Kowalski IMI=Jan KGS=N151 DOD=20170301 DDO=20170331 ILD=31 ILR=23 ILG=184"));
  auto run = f.dir.keys("pld<Enter><F2><F3>dD11<F2><F5><dump><Esc><F2><F4><dump><Enter><Esc><Esc><Esc><Esc>",
                        "2017-03-15");
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[1], "N151 01-03-2017 - 31-03-2017  dni 31")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[0], "P151")) << dump(run.screens[0]);
  const auto* deduction = find_where(f.dir.records("W3PESK17.DBF"), "KGS", "P151");
  ASSERT_NE(deduction, nullptr) << run.all();
  EXPECT_EQ(deduction->at("KWO"), "3100.00");
  EXPECT_EQ(deduction->at("DOD"), "20170301");
  EXPECT_EQ(deduction->at("DDO"), "20170331");
  EXPECT_EQ(f.pay(1).at("WYP"), "0.00");
}

// " Księguj " " Brutto " and " ZUS " of a month's list (month filter on) put
// the list's sums into the book: gross 2 × 2000.00 as wages, and the payer's
// contributions and funds 2 × (195.20 + 130.00 + 36.00 + 49.00 + 2.00) as
// other expenses; each pay record keeps the entry it was posted in.
TEST(PayListsEndToEnd, PostingTheListBringsItsSumsIntoTheBook) {
  Firm f("paylists_book", {{"Kowalski", "M", "2000.00", ""}, {"Nowak", "M", "2000.00", ""}});
  ASSERT_TRUE(f.ok()) << f.dir.init_output();
  std::string out;
  ASSERT_EQ(f.command("place dopisz --rok 2017 --miesiac 3", &out), 0) << out;
  auto run = f.dir.keys("plf<Down>3<F2>kb<F2>T<Esc>kz<F2>T<Esc><Esc><Esc><Esc><Esc>", "2017-03-15");
  const auto book = f.dir.records("W3DANE17.DBF");
  ASSERT_EQ(book.size(), 2u) << run.all();
  const auto* gross = find_where(book, "ZRK", "5");
  const auto* zus = find_where(book, "ZRK", "6");
  ASSERT_NE(gross, nullptr);
  ASSERT_NE(zus, nullptr);
  EXPECT_EQ(gross->at("WYN"), "4000.00");
  EXPECT_EQ(zus->at("INN"), "824.40");
  EXPECT_EQ(gross->at("NUM"), "LP 03/2017");
  EXPECT_EQ(gross->at("OP2"), "marzec 2017");
  EXPECT_EQ(f.pay(1).at("BLP"), gross->at("LPO"));
  EXPECT_EQ(f.pay(2).at("ZLP"), zus->at("LPO"));
}
