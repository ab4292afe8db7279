// The generic opener over the whole catalogue, per-year names, and the
// tables created or converted on opening: firm data, monthly summaries, the
// transfer table's conversion and the work tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/catalogue.h"
#include "data/firm_data_table.h"
#include "data/opener.h"
#include "data/openers.h"
#include "data/summary_tables.h"
#include "data/table_check.h"
#include "data/transfer_table.h"
#include "data/work_tables.h"
#include "data_fixture.h"

namespace skolvarin::data {
namespace {

using testing::DataDirTest;

std::string place_dir(const HostContext& ctx, const CatalogueEntry& e) {
  switch (e.place) {
    case Place::Firm: return ctx.firm_dir;
    case Place::Shared: return ctx.shared_dir;
    case Place::Common: return ctx.common_dir;
  }
  return "";
}

TEST_F(DataDirTest, EveryCatalogueTableIsCreatedAndOpenedInItsPlace) {
  for (const auto& entry : catalogue()) {
    SCOPED_TRACE(entry.file);
    ASSERT_EQ(open_table(&ctx_, entry), 0);
    TableHandles& h = handles(entry);
    ASSERT_TRUE(h.open());
    const Layout& layout = entry.layout();
    ASSERT_EQ(h.fields.size(), layout.fields.size());
    for (size_t i = 0; i < h.fields.size(); ++i) {
      ASSERT_NE(h.fields[i], nullptr);
      EXPECT_STREQ(f4name(h.fields[i]), layout.fields[i].name);
      EXPECT_EQ(f4len(h.fields[i]), layout.fields[i].width);
      EXPECT_EQ(f4decimals(h.fields[i]), layout.fields[i].decimals);
    }
    ASSERT_EQ(h.tags.size(), layout.tags.size());
    for (size_t i = 0; i < h.tags.size(); ++i) {
      ASSERT_NE(h.tags[i], nullptr);
      EXPECT_STREQ(t4expr(h.tags[i]), layout.tags[i].expression);
    }
    if (!h.tags.empty()) {
      EXPECT_EQ(d4tag_selected(h.data), h.tags.front());
    }
    // The file is where the catalogue says, under its on-disk name.
    std::string name = table_file_name(&ctx_, entry, 2024);
    std::string path = place_dir(ctx_, entry) + name;
    EXPECT_TRUE(exists(path)) << path;
    EXPECT_EQ(ctx_.current_dir, ctx_.firm_dir);  // the opener restored the directory
    close_table(entry);
    EXPECT_TRUE(check_table_file(path, layout).problems.empty());
  }
}

TEST_F(DataDirTest, PerYearNamesTakeTheYearAndKeepTheLastOne) {
  OpenRequest r;
  r.year = 2023;
  ASSERT_EQ(open_table(&ctx_, "W3PENS  .DBF", r), 0);
  EXPECT_TRUE(exists(firm("W3PENS23.DBF")));
  ASSERT_EQ(open_w3pens(0), 0);  // working year
  EXPECT_TRUE(exists(firm("W3PENS24.DBF")));
  EXPECT_EQ(table_file_name(&ctx_, *find_table("W3PENS  .DBF"), 2099), "W3PENS99.DBF");
  ASSERT_EQ(open_w3tabe(0, 2025), 0);
  EXPECT_TRUE(exists(ctx_.shared_dir + "W3TABE25.DBF"));
  ctx_.options_id = "XY";
  EXPECT_EQ(table_file_name(&ctx_, *find_table("W3PABV%s.DBF"), 0), "W3PABVXY.DBF");
  ctx_.options_id = "ABCDEFGHIJKLMNOPQ";  // cut to 13 characters
  EXPECT_EQ(table_file_name(&ctx_, *find_table("W3PABV%s.DBF"), 0), "W3PABVABCDEFGHIJKLM.DBF");
}

TEST_F(DataDirTest, OpenFailsWithoutChangingTheDirectoryWhenThePlaceIsMissing) {
  std::filesystem::remove_all(ctx_.shared_dir);
  EXPECT_NE(open_w3kraj(0), 0);
  EXPECT_FALSE(handles("W3KRAJ.DBF").open());
  EXPECT_EQ(ctx_.current_dir, ctx_.firm_dir);
  EXPECT_TRUE(ctx_.saved_dirs.empty());
}

TEST_F(DataDirTest, FirmDataTableHasExactlyOneRecord) {
  ASSERT_FALSE(exists(firm("W3PAWL.DBF")));
  ASSERT_EQ(open_firm_data(&ctx_), 0);
  TableHandles& h = handles("W3PAWL.DBF");
  EXPECT_EQ(d4reccount(h.data), 1);
  EXPECT_EQ(d4recno(h.data), 1);
  EXPECT_EQ(f4trim(h.field("NA1")), "");
  close_all_tables(&ctx_);
  ASSERT_EQ(open_firm_data(&ctx_), 0);  // opening again adds nothing
  EXPECT_EQ(d4reccount(handles("W3PAWL.DBF").data), 1);
}

TEST_F(DataDirTest, EmptyFirmDataTableGetsOneBlankRecord) {
  ASSERT_EQ(open_table(&ctx_, "W3PAWL.DBF"), 0);  // created empty
  EXPECT_EQ(d4reccount(handles("W3PAWL.DBF").data), 0);
  close_all_tables(&ctx_);
  ASSERT_EQ(open_firm_data(&ctx_), 0);
  EXPECT_EQ(d4reccount(handles("W3PAWL.DBF").data), 1);
}

// Writes a summary table with `count` records through the engine.
void make_summary(HostContext* ctx, const char* file, int count) {
  const CatalogueEntry& e = *find_table(file);
  OpenRequest r;
  r.default_tag = 0;
  ASSERT_EQ(open_table(ctx, e, r), 0);
  for (int i = 0; i < count; ++i) ASSERT_EQ(d4append_blank(handles(e).data), 0);
  close_table(e);
}

TEST_F(DataDirTest, SummaryTablesAreRecreatedWithThirteenRecords) {
  for (const char* file : {"W3STAK  .DBF", "W3STRY  .DBF"}) {
    for (int count : {-1, 0, 12, 14, 13}) {
      SCOPED_TRACE(std::string(file) + " " + std::to_string(count));
      std::string path = firm(table_file_name(&ctx_, *find_table(file), 2024));
      std::filesystem::remove(path);
      if (count >= 0) make_summary(&ctx_, file, count);
      ASSERT_EQ(open_summary_table(&ctx_, *find_table(file), 2024), 0);
      TableHandles& h = handles(file);
      ASSERT_EQ(d4reccount(h.data), 13);
      EXPECT_EQ(d4lock_test(h.data, -1), 1);
      if (count != 13) {  // freshly made: months, then the total record
        for (int m = 1; m <= 13; ++m) {
          ASSERT_EQ(d4go(h.data, m), 0);
          EXPECT_EQ(f4trim(h.field("MIE")), m <= 12 ? std::to_string(m) : "**");
          EXPECT_EQ(f4trim(h.field("STA")), m <= 12 ? "A" : "");
        }
      }
      close_all_tables(&ctx_);
    }
  }
}

TEST_F(DataDirTest, SummaryTableWithThirteenRecordsIsKept) {
  make_summary(&ctx_, "W3STAK  .DBF", 13);
  ASSERT_EQ(open_table(&ctx_, "W3STAK  .DBF"), 0);
  TableHandles& h = handles("W3STAK  .DBF");
  ASSERT_EQ(d4go(h.data, 5), 0);
  ASSERT_EQ(f4assign_double(h.field("WYR"), 1234.56), 0);
  close_all_tables(&ctx_);
  ASSERT_EQ(open_w3stak(0), 0);
  ASSERT_EQ(d4go(handles("W3STAK  .DBF").data, 5), 0);
  EXPECT_DOUBLE_EQ(f4double(handles("W3STAK  .DBF").field("WYR")), 1234.56);
}

// A transfer table in the older layout (SYP 6 wide) with `records` records.
void make_old_transfers(HostContext* ctx, const std::string& name, int records) {
  const Layout& layout = *find_layout("W3PLEW  .DBF");
  ASSERT_EQ(AllocDbfDefinition(ctx), 0);
  for (const auto& f : layout.fields) {
    FieldDef g = f;
    if (std::string(f.name) == "SYP") g.width = 6;
    ASSERT_EQ(DefineField(ctx, pack_field_name(g.name), static_cast<int>(field_format(g))), 0);
  }
  TAG4INFO* tags = nullptr;
  DATA4* d = d4create(ctx, name.c_str(), GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0)), nullptr);
  ReleaseDbfDefinition(ctx);
  ASSERT_NE(d, nullptr);
  for (int i = 1; i <= records; ++i) {
    ASSERT_EQ(d4append_start(d), 0);
    ASSERT_EQ(f4assign(d4field(d, "DAP"), ("2024010" + std::to_string(i)).c_str()), 0);
    ASSERT_EQ(f4assign(d4field(d, "SYP"), "ABCDEF"), 0);
    ASSERT_EQ(f4assign_double(d4field(d, "KWO"), 100.5 * i), 0);
    ASSERT_EQ(f4assign(d4field(d, "NZ1"), "Zakład Łódź"), 0);
    ASSERT_EQ(d4append(d), 0);
  }
  ASSERT_EQ(d4close(d), 0);
}

TEST_F(DataDirTest, OldTransferTableIsConvertedAndKeptAsCnv) {
  for (int records : {0, 3}) {
    SCOPED_TRACE(records);
    std::filesystem::remove(firm("W3PLEW24.DBF"));
    std::filesystem::remove(firm("W3PLEW24.CNV"));
    make_old_transfers(&ctx_, "W3PLEW24.DBF", records);
    ASSERT_EQ(open_w3plew(0), 0);
    EXPECT_TRUE(exists(firm("W3PLEW24.CNV")));
    EXPECT_FALSE(exists(firm("TmpPLEW.DBF")));
    TableHandles& h = handles("W3PLEW  .DBF");
    EXPECT_EQ(f4len(h.field("SYP")), 7);
    ASSERT_EQ(d4reccount(h.data), records);
    for (int i = 1; i <= records; ++i) {
      ASSERT_EQ(d4go(h.data, i), 0);
      EXPECT_EQ(f4trim(h.field("SYP")), "ABCDEF");
      EXPECT_DOUBLE_EQ(f4double(h.field("KWO")), 100.5 * i);
      EXPECT_EQ(f4trim(h.field("NZ1")), "Zakład Łódź");
    }
    close_all_tables(&ctx_);
    // The old data survive in the CNV copy with their old layout.
    DATA4* old = d4open(&ctx_, "W3PLEW24.CNV");
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(f4len(d4field(old, "SYP")), 6);
    EXPECT_EQ(d4reccount(old), records);
    d4close(old);
  }
}

TEST_F(DataDirTest, CurrentTransferTableIsNotConverted) {
  ASSERT_EQ(open_w3plew(0), 0);
  close_all_tables(&ctx_);
  ASSERT_EQ(open_w3plew(0), 0);
  EXPECT_FALSE(exists(firm("W3PLEW24.CNV")));
}

TEST_F(DataDirTest, WorkTablesAreCreatedFresh) {
  ASSERT_EQ(create_w3petm(&ctx_), 0);
  TableHandles& h = handles("W3PETM  .DBF");
  ASSERT_EQ(h.fields.size(), 65u);
  ASSERT_EQ(d4append_blank(h.data), 0);
  close_all_tables(&ctx_);
  ASSERT_EQ(create_w3petm(&ctx_), 0);
  EXPECT_EQ(d4reccount(handles("W3PETM  .DBF").data), 0);
  EXPECT_TRUE(exists(firm("W3PETM24.DBF")));
  ASSERT_EQ(create_rmuap(&ctx_), 0);
  EXPECT_EQ(handles("RMUAP.DBF").tags.size(), 2u);
}

}  // namespace
}  // namespace skolvarin::data
