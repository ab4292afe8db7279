// The batch commands on a real data directory: the month's pay records and
// contracts written into the firm's tables, then `zus generuj`, `zus pokaz
// --json`, `zus kedu` and `zus sprawdz` run by the real program.
#include <gtest/gtest.h>

#include "data/data_directory.h"
#include "tests/declarations/zus_fixture.h"
#include "tests/dictionaries/e2e_support.h"

namespace {

using namespace dict_e2e;

struct Month {
  DataDir dir;
  int year;
  explicit Month(const std::string& name, bool with_pesel = true, int year_ = 2013) : dir(name), year(year_) {
    HostContext ctx;
    std::string error;
    EXPECT_TRUE(dir.ok()) << dir.init_output();
    EXPECT_TRUE(skolvarin::data::open_data_directory(ctx, dir.data().string(), error)) << error;
    skolvarin::data::reset_state();
    skolvarin::data::state().ctx = &ctx;
    auto sources = zus_test::october_2013();
    if (!with_pesel) sources.employees[0].pesel.clear();
    EXPECT_TRUE(zus_test::write_sources(&ctx, year, sources));
    d4close_all(&ctx);
    skolvarin::data::reset_state();
  }
  std::string zus(const std::string& args, int* rc) const {
    return run_capture(bin_dir() + "/skolvarin zus " + args + " --rok " + std::to_string(year) +
                           " --dzis 2013-11-05 --data " +
                           dir.data().string() + " 2>&1",
                       rc);
  }
};

TEST(ZusCommands, GenerateShowAndExportAMonth) {
  Month m("zus_month");
  int rc = -1;
  std::string out = m.zus("generuj --miesiac 10", &rc);
  ASSERT_EQ(rc, 0) << out;
  EXPECT_NE(out.find("Brak składek do umowy z Ewa Dąbrowska."), std::string::npos) << out;
  EXPECT_NE(out.find("Raport ZUS 10/2013 nr 01: ubezpieczonych 4, RCA 1, RSA 1, RZA 0"), std::string::npos) << out;
  EXPECT_NE(out.find("Zakończono !"), std::string::npos);
  // The second set of the month gets number 2.
  out = m.zus("generuj --miesiac 10", &rc);
  EXPECT_NE(out.find("nr 02"), std::string::npos) << out;

  out = m.zus("pokaz --miesiac 10 --numer 1 --json", &rc);
  ASSERT_EQ(rc, 0) << out;
  for (const char* part : {"\"spoleczne\": 2208.50", "\"do_zaplaty\": 1808.50", "\"zdrowotne\": 599.83",
                           "\"fp\": 171.50", "\"fgsp\": 7.00", "\"etaty\": 2.50",
                           "{\"nazwisko\": \"Nowak\", \"imie\": \"Anna\", \"tid\": \"P\", \"nid\": \"02070803628\", "
                           "\"kod\": \"011000\"",
                           "\"spoleczne\": 294.50", "{\"kod\": \"313\", \"od\": \"2013-10-17\""})
    EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;

  std::string file = (m.dir.root() / "out.xml").string();
  out = m.zus("kedu --miesiac 10 --plik " + file, &rc);
  ASSERT_EQ(rc, 0) << out;
  std::string xml = run_capture("xmllint --noout " + file + " 2>&1 && grep -c '<III>' " + file, &rc);
  EXPECT_EQ(rc, 0) << xml;
  EXPECT_EQ(xml, "7\n");  // DRA III, 4 RCA blocks, 2 RSA rows; version 3 (no block numbers)

  out = m.zus("sprawdz --miesiac 10", &rc);
  EXPECT_EQ(rc, 1) << out;  // the demo firm has no NIP
  EXPECT_NE(out.find("brak NIP płatnika"), std::string::npos) << out;
  EXPECT_EQ(out.find("PESEL"), std::string::npos) << out;
}

TEST(ZusCommands, CheckFindsAMissingPesel) {
  Month m("zus_pesel", false);
  int rc = -1;
  std::string out = m.zus("generuj --miesiac 10", &rc);
  ASSERT_EQ(rc, 0) << out;
  out = m.zus("sprawdz --miesiac 10", &rc);
  EXPECT_EQ(rc, 1);
  EXPECT_NE(out.find("Kowalski Jan: brak numeru PESEL"), std::string::npos) << out;
  out = m.zus("pokaz --miesiac 11 --json", &rc);
  EXPECT_EQ(rc, 1) << out;  // no set in November
  out = m.zus("pokaz --miesiac 13", &rc);
  EXPECT_EQ(rc, 2) << out;
}

}  // namespace

namespace {

// The register: " Generuj " for October through the keys, the check shown,
// the export into the firm's directory (no export directory is set; the
// current KEDU form of the working year 2026), the yearly RMUA.
TEST(ZusRegister, GenerateAndExportThroughTheMenu) {
  Month m("zus_register", true, 2026);
  KeyRun r = m.dir.keys("pzg10<F2><dump>t<Enter><Enter><dump><Esc>t<dump><Enter><dump>o<Down><Enter><dump>"
                        "<Esc><Esc><Esc><Esc>",
                        "2026-11-05");
  ASSERT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 5u) << r.all();
  EXPECT_TRUE(has_row(r.screens[0], "Czy generować raport ZUS ?")) << dump(r.screens[0]);
  EXPECT_TRUE(has_row(r.screens[1], "płatnik: brak NIP płatnika")) << dump(r.screens[1]);
  EXPECT_TRUE(has_row(r.screens[2], "Zakończono !")) << dump(r.screens[2]);
  EXPECT_TRUE(has_row(r.screens[3], " 10  1   05-11-2026 1   1   0   05-11-2026")) << dump(r.screens[3]);
  // " Info rok " → " RMUA roczny ": the year of the first employee.
  EXPECT_TRUE(has_row(r.screens[4], "ROCZNY RAPORT DLA OSOBY UBEZPIECZONEJ")) << dump(r.screens[4]);
  EXPECT_TRUE(has_row(r.screens[4], "emerytalne......................          292,80        292,80        585,60"))
      << dump(r.screens[4]);
  fs::path firm = m.dir.data() / "firmy" / "DEMO";
  EXPECT_TRUE(fs::exists(firm / "platnik.rep"));
  // The file of the working year 2026 is the current form and passes ZUS's schema.
  const std::string ref = std::string(SKOLVARIN_SOURCE_DIR) + "/data/reference/zus/";
  int rc = -1;
  std::string out = run_capture("XML_CATALOG_FILES='" + ref + "catalog.xml' xmllint --nonet --noout --schema '" + ref +
                                    "kedu_5_6.xsd' '" + (firm / "ZUS 2026-10_01 pracownicy.xml").string() + "' 2>&1",
                                &rc);
  EXPECT_EQ(rc, 0) << out;
}

}  // namespace
