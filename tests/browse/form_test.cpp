// The form and list features a register builds on, driven by keys on the
// virtual screen: two-page forms, the read-only view, choosers inside a
// form (lists, T/N, coded fields, a register opened as a picker), the hooks
// around editing with the memory copy and record numbering, the
// information panel and the help lines.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/browse/browse_fixture.h"

namespace browsetest {
namespace {

bool contains(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

bool find(Table& t, const char* kod) {
  for (long r = 1; r <= d4reccount(t.data); ++r) {
    d4go(t.data, r);
    if (!d4deleted(t.data) && f4trim(t.kod) == kod) return true;
  }
  return false;
}

std::string file_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The last row of a dump (the function-key help line) and the one above.
[[maybe_unused]] std::string dump_row(const std::string& dump, int from_end) {
  std::vector<std::string> rows;
  std::stringstream ss(dump);
  for (std::string line; std::getline(ss, line);) rows.push_back(line);
  if (static_cast<int>(rows.size()) < from_end) return {};
  return rows[rows.size() - static_cast<size_t>(from_end)];
}

const std::vector<std::string> kKinds = {"1. GŁÓWNA", "2. POBOCZNA", "3. INNA"};

int mark_t_or_n(EditControl* c) {
  if (!c->buffer.empty() && (c->buffer[0] == 'T' || c->buffer[0] == 'N')) return 0;
  MessageWindow(2, 0, "Znacznik: T albo N !", 0);
  return -1;
}

// The register with a two-page form: code, name, date and rate on the
// first page; the mark and the kind on the second, which also shows the
// code as text.
void two_pages(RegisterParts& p, Table& t) {
  ResetEditCtrlDefinition(&p.edits);
  DefineEditCtrl(&p.edits, 0, 14, t.kod, EDIT_UPPER)->valid = valid_empty_get;
  DefineEditCtrl(&p.edits, 0, 44, t.naz, 0)->valid = valid_empty_get;
  DefineEditCtrl(&p.edits, 1, 14, t.dat, 0)->picture = "DD-MM/YY";
  EditControl* c = DefineEditCtrl(&p.edits, 1, 44, t.kur, 0);
  c->picture = "99999.9999";
  c->valid = valid_wart_dodat;
  DefineEditCtrl(&p.edits, 3, 24, t.zna, EDIT_UPPER)->valid = mark_t_or_n;
  DefineEditCtrl(&p.edits, 3, 38, t.typ, 0)->chooser = lista_wyboru(kKinds);
  DefineTextCtrl(&p.texts, 4, 28, t.kod, 0);
  p.browse->text_controls = &p.texts;
  p.browse->form_template2 = form_template2;
  p.browse->form_rows2 = 2;
}

TEST_F(BrowseTest, TwoPageFormChecksEachPageAndSavesBoth) {
  type("<Ins>eur<Enter>Euro<Enter><Enter>0<PgDn><dump>"  // a bad rate stops the page change
       "<Enter><C-Y>4,3<PgDn><dump>"                      // page 2, the code shown there
       "<PgUp><dump>"                                     // page 1 again, nothing lost
       "<F2><dump><Enter>"                                // the blank mark of page 2 refused
       "t<Tab><F4><Down><Down><Enter><F2><dump><Esc>");
  run_register(&ctx, t, [this](RegisterParts& p) { two_pages(p, t); });
  auto d = dumps();
  ASSERT_EQ(d.size(), 5u);
  EXPECT_TRUE(contains(d[0], "Wartość musi być większa od zera !")) << d[0];
  EXPECT_FALSE(contains(d[0], "strona druga")) << d[0];
  EXPECT_TRUE(contains(d[1], "strona druga: znacznik..")) << d[1];
  EXPECT_FALSE(contains(d[1], "data kursu")) << d[1];
  EXPECT_TRUE(contains(d[1], "kod waluty....EUR")) << d[1];
  EXPECT_TRUE(contains(d[2], "data kursu....17-05/24")) << d[2];
  EXPECT_TRUE(contains(d[2], "Euro")) << d[2];
  EXPECT_TRUE(contains(d[2], "kurs.........4.3")) << d[2];
  // F2 from page 1: the refusal is shown over page 2, where the field is.
  EXPECT_TRUE(contains(d[3], "Znacznik: T albo N !")) << d[3];
  EXPECT_TRUE(contains(d[3], "strona druga")) << d[3];
  EXPECT_TRUE(contains(d[4], "EUR Euro")) << d[4];
  ASSERT_TRUE(find(t, "EUR"));
  EXPECT_EQ(f4trim(t.naz), "Euro");
  EXPECT_DOUBLE_EQ(f4double(t.kur), 4.3);
  EXPECT_EQ(f4trim(t.zna), "T");
  EXPECT_EQ(f4int(t.typ), 3);
}

TEST_F(BrowseTest, TwoPageFormSendsTheUserBackToAFirstPageFieldThatIsWrong) {
  add_row(t, "USD", "", "20240510", 3.9, "N", 2);
  type("<Enter><PgDn><dump><F2><dump><Enter><dump>Dolar<F2><Esc>");
  run_register(&ctx, t, [this](RegisterParts& p) { two_pages(p, t); });
  auto d = dumps();
  ASSERT_EQ(d.size(), 3u);
  EXPECT_TRUE(contains(d[0], "strona druga")) << d[0];
  EXPECT_TRUE(contains(d[1], "Pole nie może być puste !")) << d[1];
  EXPECT_TRUE(contains(d[1], "data kursu")) << d[1];  // shown over page 1
  EXPECT_TRUE(contains(d[2], "data kursu....10-05/24")) << d[2];
  ASSERT_TRUE(find(t, "USD"));
  EXPECT_EQ(f4trim(t.naz), "Dolar");
  EXPECT_EQ(f4trim(t.zna), "N");
  EXPECT_EQ(f4int(t.typ), 2);
}

TEST_F(BrowseTest, ReadOnlyViewChangesNothing) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, " ", 1);
  add_row(t, "USD", "Dolar", "20240511", 3.9, " ", 2);
  d4flush(t.data);
  std::string before = file_bytes(dir / "W3WALU.DBF");
  ASSERT_FALSE(before.empty());
  struct Case {
    bool read_only;
    const char* keys;
    std::vector<const char*> seen;
  } cases[] = {
      // The register in the read-only state: no add, no delete; modify and
      // F5 only show the form, whatever is typed in it.
      {true, "<Ins><dump><Enter><Del><dump><Enter>m<dump>xyz<C-Y><BS>123<F4><Tab><dump><F2><F5><Del><Esc><Esc>",
       {"Podgląd: dopisywanie jest niedostępne !", "Podgląd: usuwanie jest niedostępne !", "podgląd", "podgląd"}},
      // F2 in a register that can be changed shows the record the same way.
      {false, "<Down><F2><dump>abc<Ins><Enter><dump><Esc>", {"podgląd", "USD Dolar"}},
  };
  for (const auto& c : cases) {
    size_t earlier = dumps().size();
    type(c.keys);
    run_register(&ctx, t, [&](RegisterParts& p) { p.browse->read_only = c.read_only; });
    auto all = dumps();
    std::vector<std::string> d(all.begin() + static_cast<long>(earlier), all.end());
    ASSERT_EQ(d.size(), c.seen.size()) << c.keys;
    for (size_t i = 0; i < d.size(); ++i) EXPECT_TRUE(contains(d[i], c.seen[i])) << c.keys << "\n" << d[i];
    d4flush(t.data);
    EXPECT_EQ(file_bytes(dir / "W3WALU.DBF"), before) << c.keys;
  }
  EXPECT_EQ(live_rows(), 2);
  ASSERT_TRUE(find(t, "CHF"));
  EXPECT_EQ(f4trim(t.naz), "Frank");
  EXPECT_TRUE(f4trim(t.inf).empty());
}

}  // namespace
}  // namespace browsetest
