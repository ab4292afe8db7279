// Every message id the module's code passes to the host's message calls
// must have a text: ids 1..290 in the module's table, 20000 and up the
// host's.  The module's sources are read and every literal id found in a
// call of Uwaga, Informacja, Alarm, Pytanie, RcQStr, WaitWindowOpen or
// MessageWindow (second argument), and every named message constant
// (kMsg... = N), is checked against the built table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "host/text/mazovia.h"
#include "resources/module_resources.h"

namespace fs = std::filesystem;

namespace {

struct Use {
  std::string file;
  int id;
};

std::vector<Use> message_ids_in_module_sources() {
  const std::regex call(R"(\b(?:Uwaga|Informacja|Alarm|Pytanie|RcQStr|WaitWindowOpen)\s*\(\s*(\d+)\s*\))");
  const std::regex window(R"(\bMessageWindow\s*\(\s*[^,()]+,\s*(\d+)\s*,)");
  const std::regex constant(R"(\bkMsg\w*\s*=\s*(\d+)\s*;)");
  std::vector<Use> uses;
  for (const char* dir : {"frame", "data", "payroll", "declarations", "assets", "cash", "transport",
                          "interest", "transfers", "dictionaries", "resources"}) {
    fs::path root = fs::path(SKOLVARIN_SOURCE_DIR) / dir;
    if (!fs::exists(root)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      std::ifstream in(entry.path());
      std::ostringstream s;
      s << in.rdbuf();
      const std::string text = s.str();
      for (const std::regex* re : {&call, &window, &constant})
        for (auto it = std::sregex_iterator(text.begin(), text.end(), *re); it != std::sregex_iterator(); ++it)
          uses.push_back({entry.path().lexically_relative(SKOLVARIN_SOURCE_DIR).string(), std::stoi((*it)[1])});
    }
  }
  return uses;
}

}  // namespace

TEST(Resources, EveryMessageIdUsedByModuleCodeHasAText) {
  auto uses = message_ids_in_module_sources();
  ASSERT_FALSE(uses.empty()) << "no message call found in the module sources";
  for (const Use& u : uses) {
    if (u.id == 0) continue;  // MessageWindow with its own text and no id
    if (u.id >= 20000) continue;  // the host's own texts
    EXPECT_TRUE(skolvarin::resources::module_message(u.id).has_value())
        << u.file << " uses message " << u.id << ", which the module's table does not hold";
  }
}

TEST(Resources, MessageIdScannerFindsCallsInTheirUsualForms) {
  // The scanner itself: the forms module code writes must be recognised,
  // or the check above would pass on code it cannot see.
  const std::regex call(R"(\b(?:Uwaga|Informacja|Alarm|Pytanie|RcQStr|WaitWindowOpen)\s*\(\s*(\d+)\s*\))");
  const std::regex window(R"(\bMessageWindow\s*\(\s*[^,()]+,\s*(\d+)\s*,)");
  std::smatch m;
  std::string a = "if (Pytanie( 51 ) == 27) return;";
  ASSERT_TRUE(std::regex_search(a, m, call));
  EXPECT_EQ(m[1], "51");
  std::string b = "MessageWindow(4, 20058, label.c_str(), 0);";
  ASSERT_TRUE(std::regex_search(b, m, window));
  EXPECT_EQ(m[1], "20058");
}

// Named message ids written with their text in a comment
// (constexpr int kNoTaxTable = 39;  // "Brak tabeli podatkowej!"): the id
// must hold exactly that text (or begin with it, for a comment ending
// in "...").
TEST(Resources, NamedMessageIdsHoldTheTextTheirCodeExpects) {
  const std::regex named(R"re(constexpr\s+int\s+k\w+\s*=\s*(\d+)\s*;\s*//\s*"(.*)"\s*$)re");
  int checked = 0;
  for (const char* dir : {"frame", "data", "payroll", "declarations", "assets", "cash", "transport",
                          "interest", "transfers", "dictionaries"}) {
    fs::path root = fs::path(SKOLVARIN_SOURCE_DIR) / dir;
    if (!fs::exists(root)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      std::ifstream in(entry.path());
      std::string line;
      while (std::getline(in, line)) {
        std::smatch m;
        if (!std::regex_search(line, m, named)) continue;
        int id = std::stoi(m[1]);
        if (id < 1 || id > 290) continue;
        auto text = skolvarin::resources::module_message(id);
        ASSERT_TRUE(text.has_value()) << entry.path() << ": " << id;
        std::string expected = m[2].str();
        std::string actual = skolvarin::text::mazovia_to_utf8(*text);
        // A comment may shorten a long text with "..." at its end.
        if (expected.size() > 3 && expected.compare(expected.size() - 3, 3, "...") == 0) {
          expected.resize(expected.size() - 3);
          actual.resize(std::min(actual.size(), expected.size()));
        }
        EXPECT_EQ(actual, expected)
            << entry.path().lexically_relative(SKOLVARIN_SOURCE_DIR) << ": message " << id;
        ++checked;
      }
    }
  }
  RecordProperty("checked", checked);
}
