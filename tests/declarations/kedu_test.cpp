// The KEDU file of a set and the payer file "platnik.rep", read back as
// text and by xmllint (well-formed; the KEDU 5 form against ZUS's schema).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "declarations/kedu_writer.h"
#include "declarations/rmua_prints.h"
#include "resources/module_resources.h"
#include "host/api/screen_api.h"
#include "declarations/zus_check.h"
#include "tests/declarations/zus_fixture.h"

using namespace skolvarin::declarations;
namespace fs = std::filesystem;

namespace {

fs::path work_dir() {
  fs::path p = fs::temp_directory_path() / ("kedu_test_" + std::to_string(::getpid()));
  fs::create_directories(p);
  return p;
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::string write(const ZusSet& set, const ZusPayer& payer, KeduOptions options = {}) {
  fs::path file = work_dir() / kedu_file_name(set.year, set.header.month, set.header.number);
  std::string error;
  EXPECT_TRUE(write_kedu(file.string(), set, payer, options, error)) << error;
  std::string cmd = "xmllint --noout '" + file.string() + "' 2>&1";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << "not well-formed: " << file;
  // Elements compared without the writer's indentation.
  std::string text = slurp(file), flat;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      while (i + 1 < text.size() && text[i + 1] == ' ') ++i;
      continue;
    }
    flat += text[i];
  }
  return flat;
}

TEST(Kedu, VersionAttributesAndDocumentsByPeriod) {
  struct {
    int year, month, number;
    const char* ns;
    bool numbered;
  } cases[] = {
      {2013, 10, 1, "xmlns=\"http://www.zus.pl/2009/KEDU_3\"", false},
      {2013, 11, 1, "xmlns=\"http://www.zus.pl/2013/KEDU_4\"", true},
      {2016, 5, 2, "xmlns=\"http://www.zus.pl/2016/KEDU_4_3\"", true},
  };
  for (const auto& c : cases) {
    std::string x = write(zus_test::october_2013_set(c.year, c.month, c.number), zus_test::company());
    SCOPED_TRACE(c.ns);
    EXPECT_NE(x.find(c.ns), std::string::npos);
    EXPECT_NE(x.find("wersja_schematu=\"1\""), std::string::npos);
    EXPECT_EQ(x.find("<status_kontroli>0</status_kontroli>") != std::string::npos, c.numbered);
    if (c.numbered) {
      // DRA, RCA, RSA numbered 1, 2, 3 in that order; no RZA in this set.
      size_t dra = x.find("<ZUSDRA id_dokumentu=\"1\">"), rca = x.find("<ZUSRCA id_dokumentu=\"2\">"),
             rsa = x.find("<ZUSRSA id_dokumentu=\"3\">");
      ASSERT_NE(dra, std::string::npos);
      ASSERT_NE(rca, std::string::npos);
      ASSERT_NE(rsa, std::string::npos);
      EXPECT_LT(dra, rca);
      EXPECT_LT(rca, rsa);
      EXPECT_EQ(x.find("id_bloku=\"5\""), std::string::npos);  // four RCA blocks
      EXPECT_NE(x.find("<III id_bloku=\"4\">"), std::string::npos);
    } else {
      EXPECT_EQ(x.find("id_dokumentu"), std::string::npos);
      EXPECT_EQ(x.find("id_bloku"), std::string::npos);
      EXPECT_NE(x.find("<ZUSRSA>"), std::string::npos);
    }
    EXPECT_EQ(x.find("ZUSRZA"), std::string::npos);
    EXPECT_NE(x.find("<p37>2208.50</p37>"), std::string::npos);
    // The code is written in three parts; two RSA rows (sick pay with its days).
    EXPECT_NE(x.find("<p1><p1>0110</p1><p2>0</p2><p3>0</p3></p1>"), std::string::npos);
    EXPECT_NE(x.find("<p2>331</p2><p3>2013-10-07</p3><p4>2013-10-16</p4><p5>10</p5><p6>600.00</p6>"),
              std::string::npos);
  }
}

TEST(Kedu, RcaBlockOfTheContractorAndTheSecondSetOf2016) {
  std::string x = write(zus_test::october_2013_set(2016, 4, 2), zus_test::company());
  EXPECT_NE(x.find("<p1><p1>02</p1><p2>2016-04</p2></p1>"), std::string::npos);
  // Mandate without sickness: no sickness base, accident base kept, no working time.
  size_t at = x.find("<p1>Zieliński</p1>");
  ASSERT_NE(at, std::string::npos);
  std::string block = x.substr(at, x.find("</III>", at) - at);
  EXPECT_NE(block.find("<p1><p1>0411</p1><p2>0</p2><p3>0</p3></p1><p4>1000.00</p4><p5>0.00</p5><p6>1000.00</p6>"),
            std::string::npos);
  EXPECT_NE(block.find("<p28>294.50</p28>"), std::string::npos);
  EXPECT_NE(block.find("<C><p1>887.40</p1><p2>0.00</p2><p3>0.00</p3><p4>79.87</p4>"), std::string::npos);
}

TEST(Kedu, PayerWhoIsANaturalPerson) {
  ZusPayer firm = zus_test::company();
  std::string x = write(zus_test::october_2013_set(2014, 1), firm);
  std::string ii = x.substr(x.find("<II>"), x.find("</II>") - x.find("<II>"));
  EXPECT_NE(ii.find("<p1>5260250274</p1>"), std::string::npos);
  EXPECT_NE(ii.find("<p6>FIRMA TESTOWA</p6>"), std::string::npos);
  EXPECT_EQ(ii.find("<p3>"), std::string::npos);
  EXPECT_EQ(ii.find("<p7>"), std::string::npos);

  ZusPayer person = firm;
  person.natural_person = true;
  person.pesel = "44051401359", person.id_kind = "1", person.id_number = "ABC1234567";
  person.surname = "Kowalski", person.first_name = "Jan", person.birth = {1944, 5, 14};
  KeduOptions no_short;
  no_short.short_name_for_person = false;
  x = write(zus_test::october_2013_set(2014, 1), person, no_short);
  ii = x.substr(x.find("<II>"), x.find("</II>") - x.find("<II>"));
  EXPECT_NE(ii.find("<p3>44051401359</p3><p4>1</p4><p5>ABC123456</p5><p7>Kowalski</p7><p8>Jan</p8>"
                    "<p9>1944-05-14</p9>"),
            std::string::npos);
  EXPECT_EQ(ii.find("<p6>"), std::string::npos);
}

TEST(Kedu, CurrentFormValidatesAgainstTheZusSchema) {
  ZusSet set = zus_test::october_2013_set(2024, 3);
  // A contractor with the health contribution alone goes on RCA since 2019.
  ZusPerson health_only;
  health_only.surname = "Lewandowska", health_only.first_name = "Zofia", health_only.id_number = "02070803628";
  health_only.ktu = "041100", health_only.pszu = 500, health_only.kzuu = 45;
  set.persons.push_back(health_only);
  count_reports(set);
  EXPECT_EQ(set.header.rza, 1);
  std::string x = write(set, zus_test::company());
  EXPECT_NE(x.find("xmlns=\"http://www.zus.pl/2024/KEDU_5_6\""), std::string::npos);
  EXPECT_EQ(x.find("ZUSRZA"), std::string::npos);
  EXPECT_EQ(count(x, "<p1>Lewandowska</p1>"), 1);
  EXPECT_NE(x.find("<III id_bloku=\"5\">"), std::string::npos);
  EXPECT_NE(x.find("<XIII><p1>2024-11-05</p1></XIII>"), std::string::npos);

  const std::string ref = std::string(SKOLVARIN_SOURCE_DIR) + "/data/reference/zus/";
  fs::path file = work_dir() / kedu_file_name(2024, 3, 1);
  std::string cmd = "XML_CATALOG_FILES='" + ref + "catalog.xml' xmllint --nonet --noout --schema '" + ref +
                    "kedu_5_6.xsd' '" + file.string() + "' 2>&1";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

TEST(Kedu, PlatnikRepLineByLine) {
  ZusPayer p = zus_test::company();
  p.short_name = "Zakład Łódź";
  p.account = "12 1020 3040 5060 7080 9000 1234";
  fs::path file = work_dir() / "platnik.rep";
  std::string error;
  ASSERT_TRUE(write_platnik_rep(file.string(), p, {2013, 11, 5}, true, error)) << error;
  std::vector<std::string> lines;
  std::istringstream in(slurp(file));
  for (std::string l; std::getline(in, l);) lines.push_back(l.substr(0, l.size() - 1));  // CR LF
  ASSERT_EQ(lines.size(), 5u + 6 + 11 + 11 + 3 + 9 + 2);
  EXPECT_EQ(lines[0], "<!DOCTYPE BDPLAT SYSTEM 'BDPLAT.DTD'[");
  EXPECT_EQ(lines[6], "N");
  EXPECT_EQ(lines[7], "05112013");
  EXPECT_EQ(lines[9].size(), 24u);
  EXPECT_EQ(lines[23], "5260250274");
  EXPECT_EQ(lines[24], "123456785     ");
  // The short name in ISO 8859-2, padded to 31 characters.
  EXPECT_EQ(lines[28], "Zak\xB3" "ad \xA3\xF3" "d\xBC" + std::string(20, ' '));
  EXPECT_EQ(lines[34].size(), 146u);
  EXPECT_EQ(lines[38], "12 1020 3040 5060 7080 9000 1234    ");
  EXPECT_EQ(lines.back(), "</BDPLAT>");
}

TEST(ZusCheck, MissingPeselAndCodeAreReported) {
  ZusSet set = zus_test::october_2013_set();
  set.persons[0].id_number.clear();
  set.persons[1].ktu = "01";
  auto problems = check_set(set, zus_test::company(), 0);
  auto lines = check_report_lines(set, problems);
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  EXPECT_NE(all.find("Kowalski Jan: brak numeru PESEL"), std::string::npos) << all;
  EXPECT_NE(all.find("Nowak Anna: kod tytułu ubezpieczenia 01 nie jest kodem tytułu"), std::string::npos) << all;
  EXPECT_EQ(problems.size(), 2u) << all;

  ZusSet clean = zus_test::october_2013_set();
  EXPECT_TRUE(check_set(clean, zus_test::company(), 0).empty());
  clean.header.persons = 7;
  ZusPayer no_nip = zus_test::company();
  no_nip.nip.clear();
  EXPECT_EQ(check_set(clean, no_nip, 0).size(), 2u);
}

}  // namespace

namespace {

// The row from character column `col` on (rows are UTF-8).
std::string from_col(const std::string& row, size_t col) {
  size_t i = 0;
  for (size_t chars = 0; i < row.size() && chars < col; ++i)
    if ((static_cast<unsigned char>(row[i]) & 0xC0) != 0x80 && ++chars == col) {
      ++i;
      while (i < row.size() && (static_cast<unsigned char>(row[i]) & 0xC0) == 0x80) ++i;
      break;
    }
  return row.substr(i);
}

std::string joined(const std::vector<std::string>& rows) {
  std::string s;
  for (const auto& r : rows) s += r + "\n";
  return s;
}

TEST(Rmua, MonthlyReportAndInformationOfThePersonOnSickPay) {
  HostContext ctx;
  ASSERT_EQ(EnvAddRcsObj(&ctx, skolvarin::resources::module_rcs, 3), 0);  // the templates
  ZusSet set = zus_test::october_2013_set();
  const ZusPerson* nowak = nullptr;
  for (const ZusPerson& p : set.persons)
    if (p.surname == "Nowak") nowak = &p;
  ASSERT_TRUE(nowak);
  std::vector<std::string> rows = rmua_rows(set, *nowak, zus_test::company());
  ASSERT_EQ(rows.size(), 36u);
  std::string all = joined(rows);
  EXPECT_NE(rows[8].find("Nowak Anna"), std::string::npos) << all;
  EXPECT_NE(rows[12].find("10/2013"), std::string::npos) << all;
  // Pension 195.20 + 195.20; social of the insured 274.20, of the payer 363.80.
  EXPECT_EQ(from_col(rows[18], 32), "          195,20        195,20        390,40") << all;
  EXPECT_EQ(from_col(rows[22], 32), "          274,20        363,80        638,00") << all;
  EXPECT_EQ(from_col(rows[24], 32), "          209,32") << all;
  EXPECT_NE(rows[28].find("313   17-10-2013  31-10-2013   15"), std::string::npos) << all;

  rows = info_rows(*nowak);
  ASSERT_EQ(rows.size(), 18u);
  EXPECT_EQ(from_col(rows[7], 20), "        195,20      195,20            0,00        0,00") << joined(rows);

  rows = rmua_block_rows(set, *nowak);
  EXPECT_EQ(from_col(rows[6], 32), "          274,20        363,80        638,00") << joined(rows);
}

}  // namespace
