// Index tags: key order for each kind of key, descending and filtered tags,
// seek semantics, keys following changes, and changes made elsewhere.
#include <sys/wait.h>
#include <unistd.h>

#include "tests/db/db_fixture.h"

namespace {

using dbtest::DbTest;

class Index : public DbTest {
 protected:
  // Names in record order, walking the selected tag from the top.
  std::vector<std::string> walk(FIELD4* f) {
    std::vector<std::string> out;
    for (int rc = d4top(data); rc == 0; rc = d4skip(data, 1)) out.push_back(f4trim(f));
    return out;
  }
  std::vector<long> walk_recnos() {
    std::vector<long> out;
    for (int rc = d4top(data); rc == 0; rc = d4skip(data, 1)) out.push_back(d4recno(data));
    return out;
  }
  void add(const std::vector<std::string>& values) {
    for (const auto& v : values) {
      d4append_start(data);
      f4assign(f[0], v.c_str());
      ASSERT_EQ(d4append(data), 0) << last_message();
    }
  }
  DATA4* data = nullptr;
  std::vector<FIELD4*> f;
  std::vector<TAG4*> t;
};

TEST_F(Index, CharacterKeysFollowThePolishAlphabet) {
  define({{"NAZ", 'C', 20, 0}}, {{"UPPER(NAZ)"}});
  ASSERT_EQ(open("NAZ.DBF", &data, &f, &t), 0) << last_message();
  add({"żak", "Zając", "Łukasz", "lis", "Ćma", "cebula", "Ąbc", "adam", "Ślęzak", "Sowa", "Óla", "olek", "Źrebak"});
  d4tag_select(data, t[0]);
  std::vector<std::string> expected = {"adam", "Ąbc", "cebula", "Ćma", "lis", "Łukasz", "olek",
                                       "Óla", "Sowa", "Ślęzak", "Zając", "Źrebak", "żak"};
  EXPECT_EQ(walk(f[0]), expected);
  // Backwards from the bottom gives the reverse.
  std::vector<std::string> back;
  for (int rc = d4bottom(data); rc == 0; rc = d4skip(data, -1)) back.push_back(f4trim(f[0]));
  EXPECT_EQ(back, std::vector<std::string>(expected.rbegin(), expected.rend()));
  EXPECT_TRUE(d4bof(data));
}

TEST_F(Index, NumericKeysInValueOrder) {
  define({{"KWO", 'N', 9, 2}}, {{"KWO"}});
  ASSERT_EQ(open("KWO.DBF", &data, &f, &t), 0) << last_message();
  add({"10", "-0.5", "1000", "0", "-5", "2", "-1000.25", "0.01"});
  d4tag_select(data, t[0]);
  std::vector<double> got;
  for (int rc = d4top(data); rc == 0; rc = d4skip(data, 1)) got.push_back(f4double(f[0]));
  EXPECT_EQ(got, (std::vector<double>{-1000.25, -5, -0.5, 0, 0.01, 2, 10, 1000}));
  EXPECT_EQ(d4seek_double(data, 2), 0);
  EXPECT_DOUBLE_EQ(f4double(f[0]), 2);
  EXPECT_EQ(d4seek_double(data, 3), r4after);
  EXPECT_DOUBLE_EQ(f4double(f[0]), 10);
  EXPECT_EQ(d4seek_double(data, 5000), r4eof);
  EXPECT_TRUE(d4eof(data));
}

TEST_F(Index, DateKeysWithBlankDatesFirst) {
  define({{"DAT", 'D', 8, 0}}, {{"DTOS(DAT)"}});
  ASSERT_EQ(open("DAT.DBF", &data, &f, &t), 0) << last_message();
  add({"20240301", "", "19991231", "20240229", "20000101"});
  d4tag_select(data, t[0]);
  EXPECT_EQ(walk(f[0]), (std::vector<std::string>{"", "19991231", "20000101", "20240229", "20240301"}));
  EXPECT_EQ(d4seek(data, "2024"), 0);
  EXPECT_STREQ(f4ptr(f[0]), "20240229");
}

TEST_F(Index, MixedStrDtosAndRecnoKeys) {
  define({{"KOD", 'N', 5, 0}, {"DAT", 'D', 8, 0}, {"NAZ", 'C', 10, 0}},
         {{"STR(KOD,5,0)+DTOS(DAT)"}, {"DTOS(DAT)+STR(RECNO(),7,0)"}, {"STR(KOD,5,0)+UPPER(NAZ)"}});
  ASSERT_EQ(open("MIX.DBF", &data, &f, &t), 0) << last_message();
  struct R {
    int kod;
    const char* dat;
    const char* naz;
  } rows[] = {{12, "20240105", "b"}, {3, "20240301", "a"}, {12, "20231231", "ą"},
              {100, "20240105", "c"}, {3, "20240105", "A"}};
  for (const R& r : rows) {
    d4append_start(data);
    f4assign_int(f[0], r.kod);
    f4assign(f[1], r.dat);
    f4assign(f[2], r.naz);
    ASSERT_EQ(d4append(data), 0);
  }
  d4tag_select(data, t[0]);
  EXPECT_EQ(walk_recnos(), (std::vector<long>{5, 2, 3, 1, 4}));
  d4tag_select(data, t[1]);
  EXPECT_EQ(walk_recnos(), (std::vector<long>{3, 1, 4, 5, 2}));
  d4tag_select(data, t[2]);
  // "    3A" and "    3A": equal keys keep record order; Ą after A, before B.
  EXPECT_EQ(walk_recnos(), (std::vector<long>{2, 5, 3, 1, 4}));
  EXPECT_EQ(d4seek(data, "   12"), 0);
  EXPECT_EQ(d4recno(data), 3);
  EXPECT_EQ(d4seek(data, "   12B"), 0);
  EXPECT_EQ(d4recno(data), 1);
}

TEST_F(Index, SeekIsExactOrPrefixOrLandsOnTheNextKey) {
  define({{"NAZ", 'C', 20, 0}}, {{"UPPER(NAZ)"}});
  ASSERT_EQ(open("S.DBF", &data, &f, &t), 0);
  add({"KOWALSKI", "KOWALSKA", "NOWAK", "ŁUKASZEWICZ", "LIS"});
  d4tag_select(data, t[0]);
  struct Case {
    const char* key;
    int rc;
    const char* lands;  // "" = eof
  } cases[] = {
      {"NOWAK", 0, "NOWAK"},           {"KOWALSK", 0, "KOWALSKA"},  {"KOWALSKI", 0, "KOWALSKI"},
      {"KOWALSKIEWICZ", r4after, "LIS"}, {"M", r4after, "NOWAK"},      {"Ł", 0, "ŁUKASZEWICZ"},
      {"LIT", r4after, "ŁUKASZEWICZ"},   {"A", r4after, "KOWALSKA"},   {"O", r4eof, ""},
      {"", 0, "KOWALSKA"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(d4seek(data, c.key), c.rc) << c.key;
    if (*c.lands) EXPECT_EQ(f4trim(f[0]), c.lands) << c.key;
    else EXPECT_TRUE(d4eof(data)) << c.key;
    EXPECT_EQ(ctx.error_code, 0);
  }
  EXPECT_EQ(d4seek_n(data, "NOWY", 3), 0);
  EXPECT_EQ(f4trim(f[0]), "NOWAK");
  // After a seek, skipping goes on in tag order.
  d4seek(data, "L");
  EXPECT_EQ(d4skip(data, 1), 0);
  EXPECT_EQ(f4trim(f[0]), "ŁUKASZEWICZ");
  d4tag_select(data, nullptr);
  EXPECT_EQ(d4seek(data, "X"), e4tag);
  EXPECT_NE(last_message().find("bez wybranego indeksu"), std::string::npos);
}

TEST_F(Index, DescendingTagStartsFromTheHighestKey) {
  define({{"TYP", 'N', 1, 0}, {"DAT", 'D', 8, 0}},
         {{"STR(TYP,1,0)+DTOS(DAT)+STR(RECNO(),5,0)", nullptr, r4descending}});
  ASSERT_EQ(open("DESC.DBF", &data, &f, &t), 0) << last_message();
  struct R {
    int typ;
    const char* dat;
  } rows[] = {{1, "20240110"}, {2, "20240101"}, {1, "20240320"}, {1, "20240215"}, {3, "20231231"}, {2, "20240601"}};
  for (const R& r : rows) {
    d4append_start(data);
    f4assign_int(f[0], r.typ);
    f4assign(f[1], r.dat);
    d4append(data);
  }
  d4tag_select(data, t[0]);
  EXPECT_EQ(walk_recnos(), (std::vector<long>{5, 6, 2, 3, 4, 1}));
  // Seek on the type: the latest document of that type first.
  EXPECT_EQ(d4seek(data, "1"), 0);
  EXPECT_EQ(d4recno(data), 3);
  EXPECT_EQ(d4seek(data, "2"), 0);
  EXPECT_EQ(d4recno(data), 6);
  EXPECT_EQ(d4seek(data, "1202402"), 0);
  EXPECT_EQ(d4recno(data), 4);
  // Not there: lands on the next key in descending order.
  EXPECT_EQ(d4seek(data, "120240201"), r4after);
  EXPECT_EQ(d4recno(data), 1);
  EXPECT_EQ(d4seek(data, "0"), r4eof);
  EXPECT_EQ(d4seek(data, "4"), r4after);
  EXPECT_EQ(d4recno(data), 5);
}

TEST_F(Index, FilteredTagHoldsOnlyMatchingRecords) {
  define({{"KDE", 'N', 3, 0}, {"NIP", 'C', 10, 0}},
         {{"NIP + STR(KDE,3,0)", ".NOT.DELETED() .AND. KDE<100"}, {"NIP + STR(KDE,3,0)", ".NOT.DELETED() .AND. KDE>=100"}});
  ASSERT_EQ(open("FLT.DBF", &data, &f, &t), 0) << last_message();
  int kdes[] = {5, 150, 99, 100, 7};
  for (int k : kdes) {
    d4append_start(data);
    f4assign_int(f[0], k);
    f4assign(f[1], "1234567890");
    d4append(data);
  }
  d4tag_select(data, t[0]);
  EXPECT_EQ(walk_recnos(), (std::vector<long>{1, 5, 3}));
  d4tag_select(data, t[1]);
  EXPECT_EQ(walk_recnos(), (std::vector<long>{4, 2}));
  // Deleting takes a record out; a change of KDE moves it to the other tag.
  d4go(data, 5);
  d4delete(data);
  d4write(data);
  d4go(data, 3);
  f4assign_int(f[0], 300);
  d4write(data);
  d4tag_select(data, t[0]);
  EXPECT_EQ(walk_recnos(), (std::vector<long>{1}));
  d4tag_select(data, t[1]);
  EXPECT_EQ(walk_recnos(), (std::vector<long>{4, 2, 3}));
  // From a record outside the tag, a skip goes to the entry after its key.
  d4go(data, 1);  // KDE 5: not in the second tag; its key sorts first
  EXPECT_EQ(d4skip(data, 1), 0);
  EXPECT_EQ(d4recno(data), 4);
}

TEST_F(Index, KeysFollowWritesAppendsAndAutomaticWrites) {
  define({{"NAZ", 'C', 20, 0}}, {{"UPPER(NAZ)"}});
  ASSERT_EQ(open("UPD.DBF", &data, &f, &t), 0);
  add({"BARAN", "ADAM", "CEZARY"});
  d4tag_select(data, t[0]);
  d4seek(data, "ADAM");
  f4assign(f[0], "ZENON");
  d4skip(data, 1);  // leaving the changed record writes it and moves its key
  EXPECT_EQ(walk(f[0]), (std::vector<std::string>{"BARAN", "CEZARY", "ZENON"}));
  EXPECT_EQ(d4seek(data, "ADAM"), r4after);
  d4close(data);
  define({{"NAZ", 'C', 20, 0}}, {{"UPPER(NAZ)"}});
  f.clear();
  t.clear();
  ASSERT_EQ(open("UPD.DBF", &data, &f, &t), 0);
  d4tag_select(data, t[0]);
  EXPECT_EQ(walk(f[0]), (std::vector<std::string>{"BARAN", "CEZARY", "ZENON"}));
}

TEST_F(Index, SkipPastTheEndsAndBackFromEof) {
  define({{"NAZ", 'C', 5, 0}}, {{"NAZ"}});
  ASSERT_EQ(open("SK.DBF", &data, &f, &t), 0);
  add({"C", "A", "B"});
  for (TAG4* tag : {t[0], static_cast<TAG4*>(nullptr)}) {
    d4tag_select(data, tag);
    d4bottom(data);
    EXPECT_EQ(d4skip(data, 1), r4eof);
    EXPECT_TRUE(d4eof(data));
    EXPECT_EQ(d4recno(data), 4);
    EXPECT_EQ(d4skip(data, -1), 0);
    EXPECT_EQ(f4trim(f[0]), tag ? "C" : "B");
    d4top(data);
    EXPECT_EQ(d4skip(data, -1), r4bof);
    EXPECT_TRUE(d4bof(data));
    EXPECT_EQ(f4trim(f[0]), tag ? "A" : "C");
    EXPECT_EQ(d4skip(data, 2), 0);
    EXPECT_EQ(f4trim(f[0]), tag ? "C" : "B");
  }
}

TEST_F(Index, BadExpressionIsRefusedAtOpen) {
  define({{"NAZ", 'C', 5, 0}}, {{"UPPER(NIEMA)"}});
  DATA4* d = nullptr;
  EXPECT_EQ(open("BAD.DBF", &d), e4tag);
  EXPECT_EQ(d, nullptr);
  EXPECT_NE(last_message().find("UPPER(NIEMA)"), std::string::npos) << last_message();
  EXPECT_EQ(d4open_count(&ctx), 0);
}

TEST_F(Index, ChangeByAnotherHandleIsSeen) {
  define({{"NAZ", 'C', 10, 0}}, {{"NAZ"}});
  ASSERT_EQ(open("EXT.DBF", &data, &f, &t), 0);
  add({"B", "D"});
  d4tag_select(data, t[0]);
  EXPECT_EQ(d4seek(data, "C"), r4after);
  // A second handle (as another register would have) changes the file.
  DATA4* other = d4open(&ctx, "EXT.DBF");
  ASSERT_NE(other, nullptr);
  FIELD4* naz = d4field(other, "NAZ");
  d4append_start(other);
  f4assign(naz, "C");
  d4append(other);
  d4go(other, 1);
  f4assign(naz, "E");
  d4write(other);
  d4close(other);
  EXPECT_EQ(d4seek(data, "C"), 0);
  EXPECT_EQ(d4recno(data), 3);
  EXPECT_EQ(walk(f[0]), (std::vector<std::string>{"C", "D", "E"}));
}

TEST_F(Index, ChangeByAnotherProcessIsSeen) {
  define({{"NAZ", 'C', 10, 0}}, {{"NAZ"}});
  ASSERT_EQ(open("PROC.DBF", &data, &f, &t), 0);
  add({"B", "D"});
  d4tag_select(data, t[0]);
  EXPECT_EQ(d4seek(data, "C"), r4after);
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    HostContext child;
    child.current_dir = ctx.current_dir;
    child.today = ctx.today;
    DATA4* d = d4open(&child, "PROC.DBF");
    if (!d) _exit(1);
    FIELD4* naz = d4field(d, "NAZ");
    d4go(d, 2);
    f4assign(naz, "A");  // D becomes A
    d4write(d);
    d4append_start(d);
    f4assign(naz, "C");
    int rc = d4append(d);
    d4close(d);
    _exit(rc == 0 ? 0 : 2);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(d4seek(data, "C"), 0);
  EXPECT_EQ(d4recno(data), 3);
  EXPECT_EQ(walk(f[0]), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(d4reccount(data), 3);
}

}  // namespace
