// The ends of the lists: the coded-field chooser, the " WYBIERZ " list and
// the register's own list stop on their first and last rows whatever moves
// past them; the row chosen there is a real row.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/browse/browse_fixture.h"

namespace browsetest {
namespace {

std::string code(int i) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "A%02d", i);
  return buf;
}

void add_rows(Table& t, int n) {
  for (int i = 1; i <= n; ++i) add_row(t, code(i).c_str(), ("Waluta " + code(i)).c_str(), "20240510", 1.0, " ", 1);
}

struct ChooserCase {
  const char* keys;
  int rows;          // rows of the table
  int hidden_from;   // rows from this number on do not pass the row check (0: all pass)
  const char* start; // the value the list opens on
  int rc;
  const char* chosen;
};

TEST_F(BrowseTest, CodedChooserStopsOnItsFirstAndLastRows) {
  // 25-row screen: the list shows 15 rows, PgDn/PgUp move 14.
  const ChooserCase cases[] = {
      {"<End><Down><Enter>", 20, 0, "", 0, "A20"},
      {"<End><Down><Down><Up><Enter>", 20, 0, "", 0, "A19"},
      {"<End><PgDn><Enter>", 20, 0, "", 0, "A20"},
      {"<PgDn><PgDn><PgDn><Enter>", 20, 0, "", 0, "A20"},
      {"<PgDn><PgDn><PgDn><PgUp><Enter>", 20, 0, "", 0, "A06"},
      {"<Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down>"
       "<Down><Down><Down><Down><Enter>",
       20, 0, "", 0, "A20"},
      {"<Home><Up><Enter>", 20, 0, "A10", 0, "A01"},
      {"<Home><PgUp><Down><Enter>", 20, 0, "A10", 0, "A02"},
      {"<PgUp><PgUp><Enter>", 20, 0, "A20", 0, "A01"},
      {"<End><PgUp><PgUp><PgUp><Enter>", 20, 0, "", 0, "A01"},
      {"<Down><Enter>", 20, 0, "A20", 0, "A20"},
      {"<Up><Enter>", 20, 0, "", 0, "A01"},
      // Fewer rows than the window; the last rows hidden by the row check.
      {"<End><Down><PgDn><Enter>", 3, 0, "", 0, "A03"},
      {"<Down><Down><Down><Down><Enter>", 20, 18, "A15", 0, "A17"},
      {"<End><PgDn><Down><Enter>", 20, 18, "", 0, "A17"},
      {"<End><Down><Esc>", 20, 0, "", 27, ""},
  };
  for (const ChooserCase& c : cases) {
    SCOPED_TRACE(c.keys);
    d4close_all(&ctx);
    std::filesystem::remove(dir / "W3WALU.DBF");
    ASSERT_EQ(open_table(&ctx, t), 0);
    add_rows(t, c.rows);
    CodedFieldChoice choice;
    choice.data = t.data;
    choice.tag = t.t_kod;
    choice.code = t.kod;
    choice.shown = {t.kod, t.naz};
    if (c.hidden_from)
      choice.row_check = [this, &c] { return f4trim(t.kod) >= code(c.hidden_from) ? ROW_FAILS : ROW_PASSES; };
    type(std::string(c.keys));
    std::string value = c.start;
    int rc = pole_kodowane_fun(choice, value);
    EXPECT_EQ(rc, c.rc);
    if (c.rc == 0) {
      EXPECT_EQ(value, c.chosen);
      // The table stays on the chosen record.
      EXPECT_EQ(f4trim(t.kod), c.chosen);
    }
    EXPECT_TRUE(terminal.script_done());
  }
}

TEST_F(BrowseTest, CodedChooserPastTheEndStillShowsItsRows) {
  add_rows(t, 20);
  CodedFieldChoice choice;
  choice.data = t.data;
  choice.tag = t.t_kod;
  choice.code = t.kod;
  choice.shown = {t.kod, t.naz};
  type("<End><Down><dump><PgDn><dump><Esc>");
  std::string value;
  EXPECT_EQ(pole_kodowane_fun(choice, value), 27);
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  for (const auto& s : d) {
    EXPECT_TRUE(contains(s, "A20 Waluta A20")) << s;
    EXPECT_TRUE(contains(s, "A06 Waluta A06")) << s;  // the whole window of rows
  }
}

TEST_F(BrowseTest, ChoiceListWrapsAtItsEnds) {
  const std::vector<std::string> items = {"1. PIERWSZA", "2. DRUGA", "3. TRZECIA", "4. CZWARTA"};
  struct Case {
    const char* keys;
    int current;
    int chosen;
  } cases[] = {
      {"<Down><Enter>", 3, 0},   {"<Up><Enter>", 0, 3},     {"<PgDn><Enter>", 1, 3}, {"<End><Down><Enter>", 0, 0},
      {"<PgUp><Enter>", 2, 0},   {"<Home><Up><Enter>", 2, 3}, {"<End><Enter>", 0, 3}, {"<Esc>", 2, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    type(c.keys);
    EXPECT_EQ(wybierz_z_listy(items, c.current), c.chosen);
    EXPECT_TRUE(terminal.script_done());
  }
}

TEST_F(BrowseTest, RegisterListStopsOnItsLastAndFirstRows) {
  add_rows(t, 30);
  struct Case {
    const char* keys;
    const char* form_shows;
  } cases[] = {
      {"<End><Down><Enter>", "kod waluty....A30"},
      {"<End><PgDn><PgDn><Enter>", "kod waluty....A30"},
      {"<End><Down><Up><Enter>", "kod waluty....A29"},
      {"<PgDn><PgDn><PgDn><PgDn><Enter>", "kod waluty....A30"},
      {"<Home><Up><Enter>", "kod waluty....A01"},
      {"<Home><PgUp><Down><Enter>", "kod waluty....A02"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    size_t earlier = dumps().size();
    type(std::string(c.keys) + "<dump><Esc><Esc>");
    run_register(&ctx, t);
    auto d = dumps();
    ASSERT_EQ(d.size(), earlier + 1);
    EXPECT_TRUE(contains(d.back(), c.form_shows)) << d.back();
    EXPECT_TRUE(contains(d.back(), "modyfikacja")) << d.back();
    EXPECT_TRUE(terminal.script_done());
  }
  EXPECT_EQ(live_rows(), 30);
}

}  // namespace
}  // namespace browsetest
