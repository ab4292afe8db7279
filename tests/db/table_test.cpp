// The table layer through the host calls: field types on disk and back,
// Polish text in Mazovia, numbers that do not fit, damaged files.
#include <cstring>

#include "host/db/file_io.h"
#include "tests/db/db_fixture.h"

namespace {

using dbtest::DbTest;

class Table : public DbTest {
 protected:
  void make_people() {
    define({{"NAZ", 'C', 20, 0}, {"KWO", 'N', 9, 2}, {"KOD", 'N', 5, 0}, {"DAT", 'D', 8, 0}, {"CZY", 'L', 1, 0}});
    ASSERT_EQ(open("OSOBY.DBF", &data, &f), 0) << last_message();
  }
  DATA4* data = nullptr;
  std::vector<FIELD4*> f;
};

TEST_F(Table, RoundTripOfEveryFieldType) {
  make_people();
  struct Row {
    const char* naz;
    double kwo;
    long kod;
    const char* dat;
    bool czy;
  } rows[] = {{"Kowalski", 1234.5, 17, "20240131", true},
              {"Żółć Gęślą", -99999.99, 0, "        ", false},
              {"", 0.01, 99999, "19991231", true}};
  for (const Row& r : rows) {
    ASSERT_EQ(d4append_start(data), 0);
    ASSERT_EQ(f4assign(f[0], r.naz), 0);
    ASSERT_EQ(f4assign_double(f[1], r.kwo), 0);
    ASSERT_EQ(f4assign_long(f[2], r.kod), 0);
    ASSERT_EQ(f4assign(f[3], r.dat), 0);
    ASSERT_EQ(f4assign_logical(f[4], r.czy), 0);
    ASSERT_EQ(d4append(data), 0);
  }
  ASSERT_EQ(d4close(data), 0);
  data = d4open(&ctx, "OSOBY.DBF");
  ASSERT_NE(data, nullptr) << last_message();
  EXPECT_EQ(d4reccount(data), 3);
  FIELD4* naz = d4field(data, "naz");
  FIELD4* kwo = d4field(data, "KWO");
  FIELD4* kod = d4field(data, "KOD");
  FIELD4* dat = d4field(data, "DAT");
  FIELD4* czy = d4field(data, "CZY");
  long n = 0;
  for (int rc = d4top(data); rc == 0; rc = d4skip(data, 1), ++n) {
    const Row& r = rows[n];
    EXPECT_EQ(f4trim(naz), r.naz);
    EXPECT_DOUBLE_EQ(f4double(kwo), r.kwo);
    EXPECT_EQ(f4long(kod), r.kod);
    EXPECT_STREQ(f4ptr(dat), r.dat);
    EXPECT_EQ(f4true(czy), r.czy ? 1 : 0);
  }
  EXPECT_EQ(n, 3);
  EXPECT_TRUE(d4eof(data));
  EXPECT_EQ(f4len(naz), 20);
  EXPECT_EQ(f4decimals(kwo), 2);
  EXPECT_EQ(f4type(dat), 'D');
}

TEST_F(Table, FileIsDbase3WithMazoviaDriver) {
  make_people();
  d4append_start(data);
  f4assign(f[0], "Łódź");
  f4assign_double(f[1], 1234.5);
  f4assign_int(f[2], 7);
  f4assign(f[3], "20240229");
  f4assign(f[4], "T");
  d4append(data);
  d4close(data);
  auto b = bytes("OSOBY.DBF");
  const int reclen = 1 + 20 + 9 + 5 + 8 + 1, hlen = 32 + 5 * 32 + 1;
  ASSERT_EQ(b.size(), static_cast<size_t>(hlen + reclen + 1));
  EXPECT_EQ(b[0], 0x03);
  EXPECT_EQ(b[1], 124);  // 2024
  EXPECT_EQ(b[2], 5);
  EXPECT_EQ(b[3], 17);
  EXPECT_EQ(b[4] | b[5] << 8 | b[6] << 16 | b[7] << 24, 1);
  EXPECT_EQ(b[8] | b[9] << 8, hlen);
  EXPECT_EQ(b[10] | b[11] << 8, reclen);
  EXPECT_EQ(b[29], 0x69);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[32]), 3), "NAZ");
  EXPECT_EQ(b[32 + 3], 0);
  EXPECT_EQ(b[32 + 11], 'C');
  EXPECT_EQ(b[32 + 16], 20);
  EXPECT_EQ(b[64 + 11], 'N');
  EXPECT_EQ(b[64 + 16], 9);
  EXPECT_EQ(b[64 + 17], 2);
  EXPECT_EQ(b[hlen - 1], 0x0D);
  EXPECT_EQ(b.back(), 0x1A);
  std::string rec(reinterpret_cast<const char*>(&b[hlen]), reclen);
  // Ł ó d ź in Mazovia, then blanks; the number right-aligned with two
  // decimals; the date as YYYYMMDD; the logical as T.
  EXPECT_EQ(rec.substr(0, 5), std::string(" \x9C\xA2" "d\xA6"));
  EXPECT_EQ(rec.substr(21, 9), "  1234.50");
  EXPECT_EQ(rec.substr(30, 5), "    7");
  EXPECT_EQ(rec.substr(35, 8), "20240229");
  EXPECT_EQ(rec.substr(43, 1), "T");
}

TEST_F(Table, PolishLettersThroughMazoviaAndBack) {
  define({{"NAZ", 'C', 40, 0}});
  ASSERT_EQ(open("PL.DBF", &data, &f), 0);
  const char* texts[] = {"Zażółć gęślą jaźń", "ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż", "Świętochłowice-Łęczna"};
  for (const char* t : texts) {
    d4append_start(data);
    ASSERT_EQ(f4assign(f[0], t), 0);
    ASSERT_EQ(d4append(data), 0);
  }
  d4close(data);
  data = d4open(&ctx, "PL.DBF");
  FIELD4* naz = d4field(data, "NAZ");
  for (long r = 1; r <= 3; ++r) {
    ASSERT_EQ(d4go(data, r), 0);
    std::string padded = f4ptr(naz);
    // padded to the width in characters, not bytes
    std::string expected = texts[r - 1];
    size_t chars = 0;
    for (unsigned char c : padded) chars += (c & 0xC0) != 0x80;
    EXPECT_EQ(chars, 40u);
    EXPECT_EQ(padded.substr(0, expected.size()), expected);
    EXPECT_STREQ(FldQStr(naz), texts[r - 1]);
  }
  EXPECT_EQ(d4go(data, 1), 0);
  EXPECT_EQ(f4char(naz), 'Z');
  EXPECT_EQ(d4go(data, 2), 0);
  EXPECT_EQ(f4char(naz), 0x104);  // Ą
}

TEST_F(Table, TextLongerThanTheFieldIsCutAtACharacter) {
  define({{"NAZ", 'C', 5, 0}});
  ASSERT_EQ(open("CUT.DBF", &data, &f), 0);
  d4append_start(data);
  f4assign(f[0], "ŻÓŁTKO");
  d4append(data);
  EXPECT_STREQ(f4ptr(f[0]), "ŻÓŁTK");
}

TEST_F(Table, NumberThatDoesNotFitIsRefusedAndFieldKept) {
  define({{"KWO", 'N', 9, 2}, {"ILE", 'N', 5, 0}, {"PRO", 'N', 4, 1}});
  ASSERT_EQ(open("NUM.DBF", &data, &f), 0);
  d4append_blank(data);
  struct Case {
    int field;
    double value;
    bool fits;
    const char* stored;  // when it fits
  } cases[] = {
      {0, 12345678.9, false, nullptr}, {0, 999999.99, true, "999999.99"}, {0, -99999.99, true, "-99999.99"},
      {0, -999999.99, false, nullptr}, {0, 999999.995, false, nullptr},  // rounds to 1000000.00
      {0, 2.675, true, "     2.68"},   {0, -0.001, true, "     0.00"},
      {1, 99999, true, "99999"},       {1, 100000, false, nullptr},      {1, -9999, true, "-9999"},
      {1, -10000, false, nullptr},     {1, 1234.5, true, " 1235"},
      {2, 99.9, true, "99.9"},         {2, 999.95, false, nullptr},      {2, 0.05, true, " 0.1"},
  };
  for (const Case& c : cases) {
    f4assign(f[c.field], "");
    std::string before = f4ptr(f[c.field]);
    int rc = f4assign_double(f[c.field], c.value);
    if (c.fits) {
      EXPECT_EQ(rc, 0) << c.value;
      EXPECT_STREQ(f4ptr(f[c.field]), c.stored) << c.value;
    } else {
      EXPECT_EQ(rc, e4overflow) << c.value;
      EXPECT_EQ(ctx.error_code, e4overflow);
      EXPECT_EQ(f4ptr(f[c.field]), before) << "field changed by a refused value " << c.value;
      EXPECT_NE(last_message().find("nie mieści się"), std::string::npos) << last_message();
      EXPECT_EQ(std::string(f4ptr(f[c.field])).find('*'), std::string::npos);
    }
  }
}

TEST_F(Table, TypedNumbersAndDatesAreChecked) {
  define({{"KWO", 'N', 11, 2}, {"DAT", 'D', 8, 0}, {"CZY", 'L', 1, 0}});
  ASSERT_EQ(open("TXT.DBF", &data, &f), 0);
  d4append_blank(data);
  EXPECT_EQ(f4assign(f[0], "1 234,50"), 0);
  EXPECT_DOUBLE_EQ(f4double(f[0]), 1234.5);
  EXPECT_EQ(f4assign(f[0], "1.234,56"), 0);
  EXPECT_DOUBLE_EQ(f4double(f[0]), 1234.56);
  EXPECT_EQ(f4assign(f[0], "-7.5"), 0);
  EXPECT_DOUBLE_EQ(f4double(f[0]), -7.5);
  EXPECT_EQ(f4assign(f[0], "12a"), e4param);
  EXPECT_DOUBLE_EQ(f4double(f[0]), -7.5);
  EXPECT_EQ(f4assign(f[1], "20240230"), e4param);
  EXPECT_EQ(f4assign(f[1], "20240229"), 0);
  EXPECT_EQ(f4date(f[1]), (HostDate{2024, 2, 29}));
  EXPECT_EQ(f4assign(f[2], "x"), e4param);
  EXPECT_EQ(f4assign(f[2], "y"), 0);
  EXPECT_EQ(f4true(f[2]), 1);
}

TEST_F(Table, LogicalOfWidthZeroIsStoredWithWidthOne) {
  AllocDbfDefinition(&ctx);
  DefineField(&ctx, PackFieldName("CZY"), (0 << 8) + 4);
  DefineField(&ctx, PackFieldName("FIZF"), (1 << 8) + 2);
  ASSERT_EQ(open("LOG.DBF", &data, &f), 0) << last_message();
  EXPECT_EQ(f4len(f[0]), 1);
  EXPECT_STREQ(f4name(f[1]), "FIZF");
  auto b = bytes("LOG.DBF");
  EXPECT_EQ(b[32 + 16], 1);
  EXPECT_EQ(b[10] | b[11] << 8, 3);
}

TEST_F(Table, DeletionFlagIsKept) {
  make_people();
  for (int i = 0; i < 3; ++i) d4append_blank(data);
  d4go(data, 2);
  d4delete(data);
  d4go(data, 3);  // leaving writes the change
  d4close(data);
  data = d4open(&ctx, "OSOBY.DBF");
  d4go(data, 2);
  EXPECT_EQ(d4deleted(data), 1);
  d4recall(data);
  d4write(data);
  d4go(data, 1);
  EXPECT_EQ(d4deleted(data), 0);
  d4go(data, 2);
  EXPECT_EQ(d4deleted(data), 0);
  auto b = bytes("OSOBY.DBF");
  EXPECT_EQ(b[32 + 5 * 32 + 1 + 44], ' ');
}

TEST_F(Table, LayoutThatDiffersIsRefusedWithTheFieldNamed) {
  make_people();
  d4close(data);
  struct Case {
    std::vector<dbtest::FieldSpec> fields;
    const char* names;
  } cases[] = {
      {{{"NAZ", 'C', 20, 0}, {"KWO", 'N', 11, 2}}, "KWO"},
      {{{"NAZ", 'C', 25, 0}}, "NAZ"},
      {{{"NAZ", 'C', 20, 0}, {"INF", 'C', 32, 0}}, "INF"},
      {{{"DAT", 'C', 8, 0}}, "DAT"},
  };
  for (const Case& c : cases) {
    define(c.fields);
    DATA4* other = nullptr;
    EXPECT_EQ(open("OSOBY.DBF", &other), e4layout);
    EXPECT_EQ(other, nullptr);
    EXPECT_NE(last_message().find(c.names), std::string::npos) << last_message();
    EXPECT_NE(last_message().find("inny układ"), std::string::npos) << last_message();
  }
  // A subset with the same types opens: extra fields in the file are fine.
  define({{"KOD", 'N', 5, 0}, {"NAZ", 'C', 20, 0}});
  EXPECT_EQ(open("OSOBY.DBF", &data, &f), 0);
  EXPECT_EQ(d4open_count(&ctx), 1);
}

// A well-formed one-field table as bytes, to damage in the tests below.
std::vector<unsigned char> small_table(int records) {
  std::vector<unsigned char> b(65, 0);
  b[0] = 3;
  b[1] = 124; b[2] = 1; b[3] = 1;
  b[4] = static_cast<unsigned char>(records);
  b[8] = 65; b[9] = 0;   // header length 32 + 32 + 1
  b[10] = 6; b[11] = 0;  // 1 + 5
  b[32] = 'K'; b[33] = 'O'; b[34] = 'D';
  b[32 + 11] = 'C';
  b[32 + 16] = 5;
  b[64] = 0x0D;
  for (int i = 0; i < records; ++i)
    for (char c : " ABC" + std::to_string(i % 10) + " ") b.push_back(static_cast<unsigned char>(c));
  b.push_back(0x1A);
  return b;
}

TEST_F(Table, DamagedOrForeignFilesGiveAPolishErrorNotACrash) {
  using B = std::vector<unsigned char>;
  struct Case {
    const char* what;
    B bytes;
    const char* says;
  };
  std::vector<Case> cases;
  cases.push_back({"empty file", {}, "za krótki"});
  cases.push_back({"ten bytes", B(10, 3), "za krótki"});
  std::string text = "To jest zwykły plik tekstowy, nie tabela. Ma kilka linii tekstu.\n";
  cases.push_back({"text file", B(text.begin(), text.end()), "nie jest tabela dBASE"});
  B vfp = small_table(2);
  vfp[0] = 0x30;
  cases.push_back({"unknown version", vfp, "0x30"});
  B longhdr = small_table(2);
  longhdr[8] = 0xFF; longhdr[9] = 0x7F;
  cases.push_back({"header longer than file", longhdr, "krótszy niż jego nagłówek"});
  B shorthdr = small_table(2);
  shorthdr[8] = 20;
  cases.push_back({"header too short", shorthdr, "długość nagłówka"});
  B reclen = small_table(2);
  reclen[10] = 9;
  cases.push_back({"record length not the sum", reclen, "długość rekordu"});
  B type = small_table(2);
  type[32 + 11] = 'X';
  cases.push_back({"unknown field type", type, "nieznany typ"});
  B memo = small_table(2);
  memo[32 + 11] = 'M';
  cases.push_back({"memo field", memo, "memo"});
  B noend = small_table(2);
  noend[64] = 'Q';
  cases.push_back({"no end of descriptors", noend, "opis pola"});
  B zero_width = small_table(2);
  zero_width[32 + 16] = 0;
  cases.push_back({"field of width 0", zero_width, "szerokość"});
  B noname = small_table(2);
  noname[32] = 0;
  cases.push_back({"field without a name", noname, "nie ma nazwy"});
  B crypt = small_table(2);
  crypt[15] = 1;
  cases.push_back({"encrypted", crypt, "zaszyfrowana"});
  for (const Case& c : cases) {
    write_bytes("ZLE.DBF", c.bytes);
    messages.clear();
    DATA4* d = d4open(&ctx, "ZLE.DBF");
    EXPECT_EQ(d, nullptr) << c.what;
    EXPECT_EQ(ctx.error_code, e4data) << c.what;
    ASSERT_FALSE(messages.empty()) << c.what;
    EXPECT_NE(last_message().find("ZLE.DBF"), std::string::npos) << c.what << ": " << last_message();
    EXPECT_NE(last_message().find(c.says), std::string::npos) << c.what << ": " << last_message();
    define({{"KOD", 'C', 5, 0}});
    DATA4* d2 = nullptr;
    EXPECT_EQ(open("ZLE.DBF", &d2), e4data) << c.what;
  }
  EXPECT_EQ(d4open_count(&ctx), 0);
}

TEST_F(Table, ForeignFileWithJunkAfterTheEndMarkKeepsTheHeaderCount) {
  auto b = small_table(3);
  for (int i = 0; i < 12; ++i) b.push_back('J');  // two "records" of junk after 0x1A
  write_bytes("JUNK.DBF", b);
  DATA4* d = d4open(&ctx, "JUNK.DBF");
  ASSERT_NE(d, nullptr) << last_message();
  EXPECT_EQ(d4reccount(d), 3);
}

TEST_F(Table, MissingFileIsReportedByD4openAndCreatedByTheOpener) {
  EXPECT_EQ(d4open(&ctx, "BRAK.DBF"), nullptr);
  EXPECT_NE(last_message().find("BRAK.DBF"), std::string::npos);
  EXPECT_EQ(EnvFileExists(&ctx, "BRAK.DBF"), 0);
  define({{"KOD", 'N', 5, 0}});
  ASSERT_EQ(open("BRAK.DBF", &data), 0);
  EXPECT_EQ(EnvFileExists(&ctx, "BRAK.DBF"), 1);
  EXPECT_EQ(d4reccount(data), 0);
  EXPECT_EQ(d4top(data), r4eof);
  EXPECT_TRUE(d4eof(data));
}

TEST_F(Table, WriteErrorIsReportedAndNothingIsLost) {
  make_people();
  d4append_start(data);
  f4assign(f[0], "Pierwszy");
  ASSERT_EQ(d4append(data), 0);
  skolvarin::db::set_io_error(false, true);
  d4append_start(data);
  f4assign(f[0], "Drugi");
  int rc = d4append(data);
  skolvarin::db::set_io_error(false, false);
  EXPECT_EQ(rc, e4write);
  EXPECT_NE(last_message().find("błąd zapisu"), std::string::npos) << last_message();
  EXPECT_EQ(d4reccount(data), 1);
  d4go(data, 1);
  EXPECT_EQ(f4trim(f[0]), "Pierwszy");
}

}  // namespace

namespace {

// Damage that only a repair may fix: opening never changes the file (d4open
// reads it read-only and says so, the opener refuses it), and d4repair keeps
// a copy of it, logs what it did, and leaves a sound table with every whole
// record in its place.
TEST_F(DbTest, DamagedTablesAreNeverRepairedByOpeningOnlyByTheRepair) {
  using B = std::vector<unsigned char>;
  struct Case {
    const char* what;
    B bytes;
    long read_count;      // records d4open shows
    long repaired_count;  // records after the repair
  };
  std::vector<Case> cases;
  B truncated = small_table(4);
  truncated[4] = 20;  // the header says 20, 4 whole records are there
  cases.push_back({"truncated", truncated, 4, 4});
  B more = small_table(10);
  more[4] = 3;  // the header says 3, 10 records follow without an end mark after the third
  cases.push_back({"wrong count", more, 10, 10});
  B junk = small_table(3);
  for (int i = 0; i < 15; ++i) junk.push_back('J');
  cases.push_back({"junk after the end mark", junk, 3, 3});
  B shifted = small_table(3);
  shifted[8] = 66;  // header length one byte too long: every record would shift by one
  cases.push_back({"header length off by one", shifted, 3, 3});
  ctx.common_dir = ctx.current_dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    write_bytes("ZLE.DBF", c.bytes);
    std::filesystem::remove(path("ZLE.USZ"));
    messages.clear();
    DATA4* d = d4open(&ctx, "ZLE.DBF");
    ASSERT_NE(d, nullptr) << last_message();
    EXPECT_EQ(ctx.error_code, 0);
    EXPECT_NE(last_message().find("uszkodzona"), std::string::npos) << last_message();
    EXPECT_NE(last_message().find("sprawdz --napraw"), std::string::npos) << last_message();
    EXPECT_EQ(d4damaged(d), 1);
    EXPECT_EQ(d4reccount(d), c.read_count);
    d4append_start(d);
    EXPECT_NE(d4append(d), 0) << "a damaged table takes no records";
    d4close(d);
    define({{"KOD", 'C', 5, 0}});
    DATA4* opened = nullptr;
    EXPECT_EQ(open("ZLE.DBF", &opened), e4data);
    EXPECT_NE(last_message().find("Niczego w niej nie zmieniono"), std::string::npos) << last_message();
    EXPECT_EQ(bytes("ZLE.DBF"), c.bytes) << "opening changed the file";

    std::string done;
    ASSERT_EQ(d4repair(&ctx, "ZLE.DBF", done), 0) << last_message();
    EXPECT_NE(done.find("ZLE.USZ"), std::string::npos) << done;
    EXPECT_EQ(bytes("ZLE.USZ"), c.bytes) << "the copy is the damaged file as it was";
    std::ifstream log_file(path("skolvarin.log"));
    std::string log((std::istreambuf_iterator<char>(log_file)), std::istreambuf_iterator<char>());
    EXPECT_NE(log.find("naprawiono tabelę " + path("ZLE.DBF")), std::string::npos) << log;
    messages.clear();
    d = d4open(&ctx, "ZLE.DBF");
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(messages.empty()) << last_message();
    EXPECT_EQ(d4damaged(d), 0);
    ASSERT_EQ(d4reccount(d), c.repaired_count);
    for (long r = 1; r <= c.repaired_count; ++r) {
      ASSERT_EQ(d4go(d, r), 0);
      EXPECT_EQ(f4trim(d4field(d, "KOD")), "ABC" + std::to_string((r - 1) % 10)) << "record " << r;
    }
    d4close(d);
    EXPECT_EQ(d4repair(&ctx, "ZLE.DBF", done), 0);
    EXPECT_EQ(done, "") << "a sound table needs nothing";
  }
}

}  // namespace
