// F2 pressed while the cursor is still in the field just typed into saves
// what was typed: in the last field, in a middle one, and also when the
// check of an earlier field writes the field the user typed into.
#include <gtest/gtest.h>

#include "tests/browse/browse_fixture.h"

namespace browsetest {
namespace {

struct Expected {
  const char* naz;
  const char* dat;
  double kur;
  const char* zna;
  int typ;
};

struct Case {
  const char* what;
  const char* keys;
  const char* kod;  // the record to read back
  Expected want;
  // The name's check also marks the record, as a tax number's check sets
  // the VAT flag: an earlier field's check writing a later field.
  bool name_sets_mark = false;
};

TEST_F(BrowseTest, F2SavesTheValueTypedInTheCurrentField) {
  const Case cases[] = {
      {"new record, last field", "<Ins>eur<Enter>Euro<Enter><Enter>4,3<Enter><Enter><C-Y>2<F2>", "EUR",
       {"Euro", "20240517", 4.3, "", 2}},
      {"new record, middle field", "<Ins>gbp<Enter>Funt<Enter><Enter><C-Y>5,01<F2>", "GBP",
       {"Funt", "20240517", 5.01, "", 1}},
      {"modified, name", "<Home><Enter><Enter><C-Y>Dolar USA<F2>", "USD", {"Dolar USA", "20240510", 3.9, "", 3}},
      {"modified, date", "<Home><Enter><Enter><Enter><C-Y>010624<F2>", "USD", {"Dolar", "20240601", 3.9, "", 3}},
      {"modified, rate", "<Home><Enter><Enter><Enter><Enter><C-Y>4,25<F2>", "USD", {"Dolar", "20240510", 4.25, "", 3}},
      {"modified, last field", "<Home><Enter><Up><C-Y>1<F2>", "USD", {"Dolar", "20240510", 3.9, "", 1}},
      // The name accepted with Enter marks the record; the mark typed over
      // afterwards is the user's and stays when F2 checks the name again.
      {"mark typed after the name's check", "<Home><Enter><Enter><Enter><Enter><Enter><C-Y>N<F2>", "USD",
       {"Dolar", "20240510", 3.9, "N", 3}, true},
      {"mark typed, name never visited", "<Home><Enter><Up><Up><C-Y>N<F2>", "USD", {"Dolar", "20240510", 3.9, "N", 3},
       true},
      // The name typed after the mark: its check has the last word.
      {"name typed after the mark", "<Home><Enter><Up><Up><C-Y>N<Up><Up><Up><C-Y>Dolar USA<F2>", "USD",
       {"Dolar USA", "20240510", 3.9, "T", 3}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    d4close_all(&ctx);
    fs::remove(dir / "W3WALU.DBF");
    ASSERT_EQ(open_table(&ctx, t), 0);
    add_row(t, "USD", "Dolar", "20240510", 3.9, " ", 3);
    type(std::string(c.keys) + "<Esc>");
    run_register(&ctx, t, [&](RegisterParts& p) {
      if (!c.name_sets_mark) return;
      p.edits.controls[1]->valid = [this](EditControl* e) {
        if (valid_empty_get(e) != 0) return -1;
        f4assign(t.zna, "T");
        return 0;
      };
    });
    EXPECT_TRUE(errors.empty());
    ASSERT_TRUE(find(t, c.kod));
    EXPECT_EQ(f4trim(t.naz), c.want.naz);
    EXPECT_EQ(std::string(f4str(t.dat)), c.want.dat);
    EXPECT_DOUBLE_EQ(f4double(t.kur), c.want.kur);
    EXPECT_EQ(f4trim(t.zna), c.want.zna);
    EXPECT_EQ(f4int(t.typ), c.want.typ);
    EXPECT_FALSE(f4trim(t.inf).empty());  // written by the form's save
  }
  // Nothing was left over in the screen script.
  EXPECT_TRUE(terminal.script_done());
  EXPECT_EQ(terminal.esc_after_end(), 0);
}

}  // namespace
}  // namespace browsetest
