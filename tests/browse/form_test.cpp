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

std::string file_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The last row of a dump (the function-key help line) and the one above.
std::string dump_row(const std::string& dump, int from_end) {
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
  DefineTextCtrl(&p.texts, 4, 50, t.dat, 0);
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
  EXPECT_TRUE(contains(d[1], "17-05/24")) << "a date only shown looks as the edited ones\n" << d[1];
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

// A dictionary table of its own (another directory, another context) for
// the choosers that look into a second register.
class BrowseChoosers : public BrowseTest {
 protected:
  void SetUp() override {
    BrowseTest::SetUp();
    fs::create_directories(dir / "slownik");
    ctx2 = HostContext{};
    ctx2.current_dir = (dir / "slownik").string() + "/";
    ctx2.firm_dir = ctx2.current_dir;
    ctx2.common_dir = ctx2.current_dir;
    ctx2.today = ctx.today;
    ASSERT_EQ(open_table(&ctx2, t2), 0);
    add_row(t2, "AUD", "Dolar australijski", "20240102", 2.6, "*", 1);
    add_row(t2, "CAD", "Dolar kanadyjski", "20240102", 2.9, " ", 1);
    add_row(t2, "JPY", "Jen", "20240102", 0.026, "*", 1);
    g_dictionary = this;
  }
  void TearDown() override {
    g_dictionary = nullptr;
    d4close_all(&ctx2);
    BrowseTest::TearDown();
  }
  // The dictionary's register, opened as a picker.
  static int dictionary_main() { return run_register(&g_dictionary->ctx2, g_dictionary->t2); }

  static BrowseChoosers* g_dictionary;
  HostContext ctx2;
  Table t2;
};
BrowseChoosers* BrowseChoosers::g_dictionary = nullptr;

TEST_F(BrowseChoosers, ChoosersFillTheFormFromListsAndOtherRegisters) {
  int picked_rc = -1;
  long picked_rec = -1;
  auto configure = [&](RegisterParts& p) {
    EditControl* kod = p.edits.controls[0].get();
    // The code from the dictionary's marked rows only (45 shows a row, 40 hides it).
    kod->chooser = [this](EditControl* e) {
      CodedFieldChoice ch;
      ch.data = t2.data;
      ch.tag = t2.t_kod;
      ch.code = t2.kod;
      ch.shown = {t2.kod, t2.naz};
      ch.title = "Waluty słownika";
      ch.row_check = [this] { return f4trim(t2.zna) == "*" ? ROW_PASSES : ROW_FAILS; };
      std::string v(f4trim(t.kod));
      v = e->buffer.substr(0, e->buffer.find_last_not_of(' ') + 1);
      if (pole_kodowane_fun(ch, v) != 0) return 27;
      e->buffer = v;
      return 0;
    };
    // The name through the dictionary's own register opened as a picker.
    p.edits.controls[1]->chooser = [&](EditControl* e) {
      picked_rc = browse_picker(dictionary_main, &picked_rec);
      if (picked_rc != 0) return 27;
      e->buffer = f4trim(t2.naz);
      return 0;
    };
    // The mark only through the T/N chooser (typing opens it).
    p.edits.controls[4]->chooser = wybierz_tak_nie;
    p.edits.controls[4]->chooser_mode = 1;
  };
  type("<Ins><F4><dump><Down><Enter>"          // coded list: AUD, JPY (CAD hidden)
       "<Enter><F4><dump><End><Enter>"         // the dictionary as a picker: the last row
       "<Enter><Enter>5<Enter>"
       "x<dump><Down><Enter>"                  // typing in the mark opens TAK/NIE
       "<Tab><F4><dump><Down><Down><Enter><dump><F2><Esc>");
  run_register(&ctx, t, configure);
  auto d = dumps();
  ASSERT_EQ(d.size(), 5u);
  EXPECT_TRUE(contains(d[0], " Waluty słownika ")) << d[0];
  EXPECT_TRUE(contains(d[0], "AUD Dolar australijski")) << d[0];
  EXPECT_TRUE(contains(d[0], "JPY Jen")) << d[0];
  EXPECT_FALSE(contains(d[0], "CAD")) << d[0];
  // The picker: the dictionary's list over the form, Enter chooses.
  EXPECT_TRUE(contains(d[1], "CAD Dolar kanadyjski")) << d[1];
  EXPECT_TRUE(contains(d[1], "Enter-Wybierz")) << d[1];
  EXPECT_TRUE(contains(d[2], " WYBIERZ ")) << d[2];
  EXPECT_TRUE(contains(d[2], "TAK")) << d[2];
  EXPECT_TRUE(contains(d[2], "NIE")) << d[2];
  EXPECT_TRUE(contains(d[3], "3. INNA")) << d[3];
  EXPECT_TRUE(contains(d[4], "znacznik......N    rodzaj...3")) << d[4];
  EXPECT_EQ(picked_rc, 0);
  EXPECT_EQ(picked_rec, 3);
  ASSERT_TRUE(find(t, "JPY"));
  EXPECT_EQ(f4trim(t.naz), "Jen");
  EXPECT_DOUBLE_EQ(f4double(t.kur), 5.0);
  EXPECT_EQ(f4trim(t.zna), "N");
  EXPECT_EQ(f4int(t.typ), 3);
  EXPECT_EQ(live_rows(), 1);
  // The dictionary was only read.
  EXPECT_EQ(d4reccount(t2.data), 3);
}

TEST_F(BrowseChoosers, NothingToChooseAndAPickerLeftWithEsc) {
  long rec = -1;
  int rc = -1;
  auto configure = [&](RegisterParts& p) {
    p.edits.controls[0]->chooser = [this](EditControl* e) {
      CodedFieldChoice ch;
      ch.data = t2.data;
      ch.tag = t2.t_kod;
      ch.code = t2.kod;
      ch.row_check = [] { return ROW_FAILS; };
      std::string v;
      if (pole_kodowane_fun(ch, v) != 0) return 27;
      e->buffer = v;
      return 0;
    };
    p.edits.controls[1]->chooser = [&](EditControl*) {
      rc = browse_picker(dictionary_main, &rec);
      return rc == 0 ? 0 : 27;
    };
  };
  type("<Ins><F4><dump><Enter>abc<Enter><F4><Esc><dump><Esc>T<Esc>");
  run_register(&ctx, t, configure);
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(contains(d[0], "Brak danych do wyboru !")) << d[0];
  EXPECT_TRUE(contains(d[1], "kod waluty....ABC")) << d[1];  // the form as it was
  EXPECT_EQ(rc, 27);
  EXPECT_EQ(rec, 0);
  EXPECT_EQ(live_rows(), 0);
}

TEST_F(BrowseTest, HooksRepairBeforeEditRememberAfterSaveAndNumberNewRecords) {
  add_row(t, "ZAK", "Zamknięty", "20240510", 1.0, " ", 1);
  add_row(t, "XXX", "", "20240510", 0.0, " ", 1);
  struct Memory {
    double kur = 1;
    std::string zna = " ";
    int typ = 1;
  } mem;
  int saves = 0;
  auto configure = [&](RegisterParts& p) {
    p.browse->new_record = [&](BROWSE*) {
      f4assign_date(t.dat, ctx.today);
      f4assign_double(t.kur, mem.kur);
      f4assign(t.zna, mem.zna.c_str());
      f4assign_int(t.typ, mem.typ);
      return 0;
    };
    p.browse->after_save = [&](BROWSE* b) {
      EXPECT_EQ(b->mode, BROWSE_ADD);
      mem.kur = f4double(t.kur);
      mem.zna = f4str(t.zna);
      mem.typ = f4int(t.typ);
      ++saves;
      return 0;
    };
    p.browse->numbering = [&](BROWSE* b) {
      std::string n = "Pozycja " + std::to_string(d4reccount(b->data) + 1);
      f4assign(t.naz, n.c_str());
      return 0;
    };
    p.browse->before_edit = [&](BROWSE*) {
      if (f4trim(t.kod) == "ZAK") {
        MessageWindow(2, 0, "Zapis zamknięty !", 0);
        return -1;
      }
      if (f4trim(t.naz).empty()) f4assign(t.naz, "(bez nazwy)");
      if (f4double(t.kur) <= 0) f4assign_double(t.kur, 1);
      return 0;
    };
    // after_save runs for new records only in this register.
    p.browse->after_save = [&, inner = p.browse->after_save](BROWSE* b) { return b->mode == BROWSE_ADD ? inner(b) : 0; };
  };
  type("<Ins><dump>eur<Enter><Enter><Enter><C-Y>4,25<Enter>*<Enter><F4><Down><Enter><F2>"
       "<Ins><dump>usd<F2>"
       "<End><Up><Enter><dump><Esc><dump>"     // XXX repaired in the form; Esc asks nothing
       "<Enter><F2>"                           // saved as repaired
       "<End><Enter><dump><Enter><dump><Esc>");  // ZAK: the hook keeps the form shut
  run_register(&ctx, t, configure);
  auto d = dumps();
  ASSERT_EQ(d.size(), 6u);
  EXPECT_TRUE(contains(d[0], "nazwa waluty.............Pozycja 3")) << d[0];
  EXPECT_TRUE(contains(d[0], "kurs.........    1.0000")) << d[0];
  // The second new record starts with what the first one saved.
  EXPECT_TRUE(contains(d[1], "Pozycja 4")) << d[1];
  EXPECT_TRUE(contains(d[1], "kurs.........    4.2500")) << d[1];
  EXPECT_TRUE(contains(d[1], "znacznik......*    rodzaj...2")) << d[1];
  EXPECT_TRUE(contains(d[2], "(bez nazwy)")) << d[2];
  EXPECT_TRUE(contains(d[2], "kurs.........    1.0000")) << d[2];
  EXPECT_FALSE(contains(d[3], "Czy porzucić")) << d[3];
  EXPECT_TRUE(contains(d[4], "Zapis zamknięty !")) << d[4];
  EXPECT_FALSE(contains(d[5], "modyfikacja")) << d[5];
  EXPECT_EQ(saves, 2);
  ASSERT_TRUE(find(t, "EUR"));
  EXPECT_EQ(f4trim(t.naz), "Pozycja 3");
  EXPECT_DOUBLE_EQ(f4double(t.kur), 4.25);
  EXPECT_EQ(f4int(t.typ), 2);
  ASSERT_TRUE(find(t, "USD"));
  EXPECT_EQ(f4trim(t.naz), "Pozycja 4");
  EXPECT_DOUBLE_EQ(f4double(t.kur), 4.25);
  EXPECT_EQ(f4trim(t.zna), "*");
  EXPECT_EQ(f4int(t.typ), 2);
  ASSERT_TRUE(find(t, "XXX"));
  EXPECT_EQ(f4trim(t.naz), "(bez nazwy)");
  EXPECT_DOUBLE_EQ(f4double(t.kur), 1.0);
  ASSERT_TRUE(find(t, "ZAK"));
  EXPECT_EQ(f4trim(t.naz), "Zamknięty");
}

TEST_F(BrowseTest, PanelShowsTheCurrentRecordAndHelpLinesNameTheKeys) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, "*", 1);
  add_row(t, "USD", "Dolar", "20240511", 3.9, " ", 2);
  auto configure = [&](RegisterParts& p) {
    DefineTextCtrl(&p.texts, 0, 44, t.naz, 0);
    DefineTextCtrl(&p.texts, 1, 44, t.kur, 0);
    DefineTextCtrl(&p.texts, 2, 28, t.typ, 0);
    p.browse->text_controls = &p.texts;
  };
  type("<dump><Down><dump><Enter><dump><Esc><Esc>");
  run_register(&ctx, t, configure);
  auto d = dumps();
  ASSERT_EQ(d.size(), 3u);
  EXPECT_TRUE(contains(d[0], "nazwa waluty.............Frank")) << d[0];
  EXPECT_TRUE(contains(d[0], "kurs.........4.4000")) << d[0];
  EXPECT_TRUE(contains(d[0], "rodzaj...1")) << d[0];
  EXPECT_TRUE(contains(d[0], "USD Dolar")) << d[0];  // the list keeps its rows
  EXPECT_TRUE(contains(d[1], "nazwa waluty.............Dolar")) << d[1];
  EXPECT_TRUE(contains(d[1], "kurs.........3.9000")) << d[1];
  EXPECT_TRUE(contains(d[1], "rodzaj...2")) << d[1];
  // Every key the list answers to, on the two help lines.
  std::string keys = dump_row(d[0], 2) + "\n" + dump_row(d[0], 1);
  for (const char* k : {"Ins-", "F5-", "Del-", "F2-", "Alt+I-", "Esc-", "↑↓", "PgUp", "PgDn", "Home", "End",
                        "Enter-Menu", "←→", "Tab"})
    EXPECT_TRUE(contains(keys, k)) << k << "\n" << keys;
  // And every key of the form (one page, a chooser on the kind).
  std::string form = dump_row(d[2], 1);
  for (const char* k : {"F2-Zapisz", "Enter-", "F4-Wybór", "Ctrl+Y-", "Esc-"})
    EXPECT_TRUE(contains(form, k)) << k << "\n" << form;
  EXPECT_FALSE(contains(form, "PgDn")) << form;
}

}  // namespace
}  // namespace browsetest
