// ModuleProc's start-up order, the menu trees it builds and the way out,
// against a recording host.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "frame/menu_tree.h"
#include "frame/payroll_bar.h"

using namespace skolvarin::frame;
using frame_test::Recorder;

namespace {

struct EntryTest : ::testing::Test {
  Recorder r;
  HostContext ctx;
  void SetUp() override {
    frame_test::rec = &r;
    reset_module();
  }
};

}  // namespace

TEST_F(EntryTest, FlagNotZeroReturnsMinusOneAndDoesNothing) {
  for (int flag : {1, -1, 2}) {
    EXPECT_EQ(run_module(frame_test::fake_entry_host(), frame_test::fake_menu_host(), &ctx, flag), -1);
  }
  EXPECT_TRUE(r.log.empty());
  EXPECT_EQ(module_proc(&ctx, 1), -1);
}

TEST_F(EntryTest, StartsUpRunsWhileActivateSays47AndClosesInOrder) {
  r.activate_results = {47, 47, 0};
  EXPECT_EQ(run_module(frame_test::fake_entry_host(), frame_test::fake_menu_host(), &ctx, 0), 0);
  std::vector<std::string> expected = {
      "resources", "options", "select -1", "key 21760 on", "key 22016 on", "key 22272 on",
      "menu 10", "menu 11", "menu 12", "menu 13",
      "reader on", "lotus 10", "activate 10 1001", "activate 10 1001", "activate 10 1001",
      "reader off", "close 13", "close 12", "close 11", "close 10", "select 7",
      "key 21760 off", "key 22016 off", "key 22272 off"};
  EXPECT_EQ(frame_test::without_items(r.log), expected);
}

TEST_F(EntryTest, AWindowThatCannotBeDefinedUnwindsWithoutActivating) {
  for (int failing = 0; failing < 4; ++failing) {
    r = Recorder();
    r.fail_window_number = failing;
    EXPECT_EQ(run_module(frame_test::fake_entry_host(), frame_test::fake_menu_host(), &ctx, 0), 0);
    auto log = frame_test::without_items(r.log);
    std::vector<std::string> expected = {"resources", "options", "select -1", "key 21760 on", "key 22016 on", "key 22272 on"};
    for (int w = 0; w < failing; ++w) expected.push_back("menu " + std::to_string(10 + w));
    expected.push_back("menu -1");
    for (int w = failing - 1; w >= 0; --w) expected.push_back("close " + std::to_string(10 + w));
    expected.insert(expected.end(), {"select 7", "key 21760 off", "key 22016 off", "key 22272 off"});
    EXPECT_EQ(log, expected) << "window " << failing << " fails";
  }
}

TEST_F(EntryTest, ItemsGoToTheWindowDefinedLastAndSlotsHoldTheirPullDowns) {
  run_module(frame_test::fake_entry_host(), frame_test::fake_menu_host(), &ctx, 0);
  auto tree = main_menu_tree();
  size_t i = 0;
  for (size_t w = 0; w < tree.size(); ++w) {
    for (const MenuItemSpec& spec : tree[w].items) {
      ASSERT_LT(i, r.items.size());
      const auto& item = r.items[i++];
      EXPECT_EQ(item.window, 10 + static_cast<int>(w)) << spec.label;
      EXPECT_EQ(item.label, spec.label);
      EXPECT_EQ(static_cast<unsigned char>(item.key), spec.key) << spec.label;
      if (spec.submenu >= 0) {
        ASSERT_NE(item.submenu, nullptr) << spec.label;
        EXPECT_EQ(item.handler, nullptr) << spec.label;
      } else {
        EXPECT_EQ(item.submenu, nullptr) << spec.label;
        EXPECT_NE(item.handler, nullptr) << spec.label;
      }
    }
  }
  EXPECT_EQ(i, r.items.size());
  // Slots were read while the tree was open; after the way out they are cleared.
  for (const auto& item : r.items)
    if (item.submenu) {
      EXPECT_EQ(*item.submenu, -1);
    }
}

TEST_F(EntryTest, SubmenuSlotsPointAtTheirWindows) {
  MenuWindows windows;
  auto host = frame_test::fake_menu_host();
  ASSERT_TRUE(build_menu_tree(host, main_menu_tree(), windows));
  std::map<std::string, int> slot_of;
  for (const auto& item : r.items)
    if (item.submenu) slot_of[item.label] = *item.submenu;
  EXPECT_EQ(slot_of[" Pomocnicze "], 11);
  EXPECT_EQ(slot_of[" Transp "], 12);
  EXPECT_EQ(slot_of[" Odsetki "], 13);
  close_menu_tree(host, windows);
}

TEST_F(EntryTest, OnlyFiveItemsHaveAClearKeyByte) {
  std::vector<std::string> clear;
  for (auto tree : {main_menu_tree(), payroll_menu_tree()})
    for (const MenuSpec& m : tree)
      for (const MenuItemSpec& item : m.items) {
        if (!(item.key & 0x80)) clear.push_back(item.label);
        // The hot letter is a lower-case letter of the label.
        char hot = static_cast<char>(item.key & 0x7F);
        EXPECT_TRUE(hot >= 'a' && hot <= 'z') << item.label;
      }
  EXPECT_EQ(clear, (std::vector<std::string>{" Płace ", " Transp ", " Pomocnicze ", " Odsetki ", " Oblicz "}));
}

TEST_F(EntryTest, ItemsWithCodeMinusOneNeverReachADispatcher) {
  for (auto tree : {main_menu_tree(), payroll_menu_tree()})
    for (const MenuSpec& m : tree)
      for (const MenuItemSpec& item : m.items) {
        bool dispatched = item.action == MenuAction::GeneralDispatcher ||
                          item.action == MenuAction::PayrollDispatcher;
        EXPECT_EQ(dispatched, item.code != -1) << item.label;
      }
}

TEST_F(EntryTest, PayrollBarRebindsNotesAndRestoresThem) {
  r.activate_results = {47, 27};
  EXPECT_EQ(run_payroll_bar(frame_test::fake_menu_host()), 0);
  std::vector<std::string> expected = {"select -1", "key 21760 on", "menu 10", "menu 11", "lotus 10",
                                       "activate 10 1001", "activate 10 1001", "close 11", "close 10",
                                       "key 21760 on", "select 7"};
  EXPECT_EQ(frame_test::without_items(r.log), expected);
  ASSERT_EQ(r.items.size(), 11u);
  EXPECT_EQ(r.items[7].label, " Pomocnicze ");
  EXPECT_EQ(r.items[8].label, " Składniki ");
  EXPECT_EQ(r.items[8].window, 11);
}
