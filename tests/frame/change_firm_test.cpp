// Change of firm: the pieces of a firm's directory, the title line, and the
// hot key doing nothing while a table is open.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/module_state.h"
#include "data/openers.h"
#include "frame/change_firm.h"
#include "frame/frame_state.h"

using namespace skolvarin::frame;

TEST(ChangeFirm, DirectoryFromCatalogueGetsItsSlash) {
  EXPECT_EQ(firm_directory_from_kat("DEMO  "), "DEMO/");
  EXPECT_EQ(firm_directory_from_kat("/dane/firmy/ABC/"), "/dane/firmy/ABC/");
  EXPECT_EQ(firm_directory_from_kat("  FIRMY\\ABC "), "FIRMY/ABC/");
  EXPECT_EQ(firm_directory_from_kat("   "), "");
}

TEST(ChangeFirm, PathSplitsIntoContextParts) {
  std::string drive, path, name, ext;
  split_firm_path("/dane/firmy/ABC.01/", drive, path, name, ext);
  EXPECT_EQ(drive, "");
  EXPECT_EQ(path, "/dane/firmy/");
  EXPECT_EQ(name, "ABC");
  EXPECT_EQ(ext, ".01");
  split_firm_path("DEMO/", drive, path, name, ext);
  EXPECT_EQ(path, "");
  EXPECT_EQ(name, "DEMO");
  EXPECT_EQ(ext, "");
}

TEST(ChangeFirm, CatalogueKeyIsTheNameInCapitalsPolishLettersToo) {
  EXPECT_EQ(catalogue_key("Druga firma"), "DRUGA FIRMA");
  EXPECT_EQ(catalogue_key("żółć łąka źdźbło ńę ś"), "ŻÓŁĆ ŁĄKA ŹDŹBŁO ŃĘ Ś");
  EXPECT_EQ(catalogue_key("ABC-12/ż"), "ABC-12/Ż");
  EXPECT_EQ(catalogue_key(""), "");
}

TEST(ChangeFirm, TitleJoinsTrimsAndCutsByCharacters) {
  EXPECT_EQ(firm_title("  Zakład Usług  ", " Żółw sp. z o.o. ", 80), "Zakład Usług Żółw sp. z o.o.");
  EXPECT_EQ(firm_title("Źródło", "", 4), "Źród");
  EXPECT_EQ(firm_title("", "Tylko drugi", 80), "Tylko drugi");
}

TEST(ChangeFirm, DoesNothingWhileATableIsOpen) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("frame_firm_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "wspolne");
  reset_module();
  HostContext ctx;
  ctx.firm_dir = ctx.current_dir = dir.string() + "/";
  ctx.firms_dir = dir.string() + "/";
  ctx.common_dir = (dir / "wspolne").string() + "/";
  ctx.today = {2024, 1, 2};
  skolvarin::data::state().ctx = &ctx;
  ASSERT_EQ(skolvarin::data::open_w3kont(0), 0);
  const std::string before = ctx.current_dir;
  EXPECT_EQ(change_firm(&ctx), 0);
  EXPECT_EQ(ctx.current_dir, before);
  EXPECT_EQ(ctx.firm_dir, before);
  EXPECT_EQ(d4open_count(&ctx), 1);  // the open table was left alone
  // The firm catalogue was never opened (opening makes a missing one).
  EXPECT_FALSE(fs::exists(dir / "wspolne" / "W3KATA.DBF"));
  skolvarin::data::close_all_tables(&ctx);
  fs::remove_all(dir);
}
