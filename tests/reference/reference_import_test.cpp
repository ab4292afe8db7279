// The import through the engine: a fresh shared directory is filled, the
// tables read back through the data dictionary's opener, a second run adds
// nothing, and rows the user changed or a scale the user keyed stay as they
// are.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/reference_data.h"
#include "app/reference_import.h"
#include "data/data_directory.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/db_api.h"

namespace skolvarin::app {
namespace {

const std::string kRef = std::string(SKOLVARIN_SOURCE_DIR) + "/data/reference";

class ReferenceImport : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    root_ = (fs::temp_directory_path() / ("skolvarin_ref_" + std::to_string(::getpid()) + "_" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                .string() + "/";
    fs::remove_all(root_);
    data::reset_state();
    ctx_.today = HostDate{2026, 12, 5};
    data::state().ctx = &ctx_;
    std::vector<std::string> created;
    std::string error;
    ASSERT_EQ(data::init_data_directory(ctx_, root_, created, error), 0) << error;
  }
  void TearDown() override {
    data::close_all_tables(&ctx_);
    data::reset_state();
    std::filesystem::remove_all(root_);
  }
  ReferenceImportResult import() {
    ReferenceImportResult r;
    std::string error;
    EXPECT_EQ(import_reference_tables(ctx_, kRef, r, error), 0) << error;
    return r;
  }
  static const ReferenceTableResult* find(const ReferenceImportResult& r, const std::string& table) {
    for (const auto& t : r.tables)
      if (t.table == table) return &t;
    return nullptr;
  }
  // Opens a shared table through the opener; its handles.
  data::TableHandles& open(const char* file, int year = 0) {
    data::OpenRequest req;
    req.year = year;
    EXPECT_EQ(data::open_table(&ctx_, file, req), 0) << file;
    return data::handles(file);
  }

  std::string root_;
  HostContext ctx_;
};

TEST_F(ReferenceImport, FreshDirectoryGetsEveryTableAndReadsBackThroughTheEngine) {
  auto r = import();
  reference::ReferenceSet set;
  std::string error;
  ASSERT_TRUE(reference::load_reference_set(kRef, set, error)) << error;

  const auto* dnwo = find(r, "W3DNWO.DBF");
  ASSERT_NE(dnwo, nullptr);
  EXPECT_EQ(dnwo->added, static_cast<int>(set.days_off.size()));
  ASSERT_NE(find(r, "W3TABE26.DBF"), nullptr);
  EXPECT_EQ(find(r, "W3TABE26.DBF")->added, 2);
  EXPECT_EQ(find(r, "W3USKA.DBF")->added, 400);
  EXPECT_EQ(find(r, "W3LXML.DBF")->added, 400);  // the offices' e-declaration codes
  EXPECT_EQ(find(r, "W3KRAJ.DBF")->added, 248);
  // Payroll parameters 2009-2026: 57 keys a year before the parental-leave
  // bases (2009-2011), 62 from 2012.
  EXPECT_EQ(find(r, "W3PAPL19.DBF")->added, 62);
  EXPECT_EQ(r.total_added(), 36 + 3 * 57 + 15 * 62 +
                                 static_cast<int>(set.days_off.size() + set.statutory.size() +
                                                  set.tax_arrears.size() + 248 + 400 + set.zus_codes.size()) +
                                 400);

  // The statutory figures of 2019 (December: 17 %, costs 250.00) read back.
  auto& papl = open("W3PAPL  .DBF", 2019);
  ASSERT_EQ(d4seek(papl.data, "  1  1  3D"), 0);
  EXPECT_DOUBLE_EQ(f4double(papl.field("DO")), 17);
  ASSERT_EQ(d4seek(papl.data, "  1  1  1D"), 0);
  EXPECT_DOUBLE_EQ(f4double(papl.field("DO")), 250);
  ASSERT_EQ(d4seek(papl.data, "  1  1 55D"), 0);
  EXPECT_DOUBLE_EQ(f4double(papl.field("DO")), 2250);

  auto& odus = open("W3ODUS.DBF");
  EXPECT_EQ(d4reccount(odus.data), static_cast<long>(set.statutory.size()));
  ASSERT_EQ(d4seek(odus.data, "20231005"), 0);
  EXPECT_DOUBLE_EQ(f4double(odus.field("STO")), 11.25);
  EXPECT_EQ(f4trim(odus.field("TYP")), "R");

  auto& days = open("W3DNWO.DBF");
  for (const char* day : {"20240401", "20240530", "20251224"}) EXPECT_EQ(d4seek(days.data, day), 0) << day;
  EXPECT_NE(d4seek(days.data, "20240331"), 0);  // Easter Sunday is not stored

  auto& uska = open("W3USKA.DBF");
  ASSERT_EQ(d4seek_double(uska.data, 1471), 0);
  EXPECT_EQ(f4trim(uska.field("NAZ")), "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE");

  auto& kzus = open("W3KZUS.DBF");
  // The lookup key of the special-conditions work codes: group 2, sub-group 1.
  EXPECT_EQ(d4seek(kzus.data, " 21         05"), 0);
}

TEST_F(ReferenceImport, SecondRunAddsNothingAndKeepsUserChanges) {
  import();
  {
    auto& odus = open("W3ODUS.DBF");
    ASSERT_EQ(d4seek(odus.data, "20231005"), 0);
    ASSERT_EQ(go_and_lock(odus.data, d4recno(odus.data)), 0);
    ASSERT_EQ(f4assign_double(odus.field("STO"), 12.5), 0);
    ASSERT_EQ(write_and_unlock(odus.data), 0);
    auto& kraj = open("W3KRAJ.DBF");
    ASSERT_EQ(d4seek(kraj.data, "DE"), 0);
    ASSERT_EQ(go_and_lock(kraj.data, d4recno(kraj.data)), 0);
    ASSERT_EQ(f4assign(kraj.field("KRA"), "Republika Federalna Niemiec"), 0);
    ASSERT_EQ(write_and_unlock(kraj.data), 0);
    data::close_all_tables(&ctx_);
  }
  auto again = import();
  EXPECT_EQ(again.total_added(), 0);
  EXPECT_EQ(find(again, "W3USKA.DBF")->present, 400);
  auto& odus = open("W3ODUS.DBF");
  ASSERT_EQ(d4seek(odus.data, "20231005"), 0);
  EXPECT_DOUBLE_EQ(f4double(odus.field("STO")), 12.5);
  auto& kraj = open("W3KRAJ.DBF");
  ASSERT_EQ(d4seek(kraj.data, "DE"), 0);
  EXPECT_EQ(f4trim(kraj.field("KRA")), "Republika Federalna Niemiec");
  EXPECT_EQ(d4reccount(kraj.data), 248);
}

TEST_F(ReferenceImport, ScaleKeyedByTheUserIsLeftAlone) {
  {
    auto& tabe = open("W3TABE  .DBF", 2026);
    ASSERT_EQ(d4append_start(tabe.data), 0);
    ASSERT_EQ(f4assign_double(tabe.field("PODS"), 0), 0);
    ASSERT_EQ(f4assign_double(tabe.field("PROC"), 15), 0);
    ASSERT_EQ(d4append(tabe.data), 0);
    data::close_all_tables(&ctx_);
  }
  auto r = import();
  ASSERT_NE(find(r, "W3TABE26.DBF"), nullptr);
  EXPECT_EQ(find(r, "W3TABE26.DBF")->added, 0);
  EXPECT_EQ(find(r, "W3TABE25.DBF")->added, 2);
  auto& tabe = open("W3TABE  .DBF", 2026);
  EXPECT_EQ(d4reccount(tabe.data), 1);
  d4top(tabe.data);
  EXPECT_DOUBLE_EQ(f4double(tabe.field("PROC")), 15);
}

TEST_F(ReferenceImport, InitHookFindsTheFilesAndCountsRows) {
  ::setenv("SKOLVARIN_WZORCE", kRef.c_str(), 1);
  std::string error;
  int first = import_reference_tables(ctx_, error);
  EXPECT_GT(first, 1000) << error;
  EXPECT_EQ(import_reference_tables(ctx_, error), 0) << error;
  ::unsetenv("SKOLVARIN_WZORCE");
}

TEST_F(ReferenceImport, BadReferenceDirectoryIsReportedAndNothingIsWritten) {
  ReferenceImportResult r;
  std::string error;
  EXPECT_NE(import_reference_tables(ctx_, root_ + "nie_ma", r, error), 0);
  EXPECT_NE(error.find("odczytać"), std::string::npos) << error;
  EXPECT_TRUE(r.tables.empty());
  EXPECT_FALSE(std::filesystem::exists(ctx_.shared_dir + "W3DNWO.DBF"));
}

}  // namespace
}  // namespace skolvarin::app
