// Message texts (module table and host ids) and message boxes.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "host/api/screen_api.h"
#include "host/core/errors.h"
#include "host/ui/message_catalog.h"
#include "resources/module_resources.h"
#include "tests/support/files.h"
#include "tests/ui/ui_fixture.h"

namespace {

namespace k = skolvarin::keys;
using skolvarin::host::parse_message_table;
using skolvarin::testing_ui::VirtualScreen;

// Builds a table as the module stores it: size, then id + Mazovia text + NUL.
std::vector<unsigned char> table(const std::vector<std::pair<int, std::string>>& entries) {
  std::vector<unsigned char> t = {0, 0};
  for (const auto& [id, text] : entries) {
    t.push_back(static_cast<unsigned char>(id & 0xFF));
    t.push_back(static_cast<unsigned char>(id >> 8));
    t.insert(t.end(), text.begin(), text.end());
    t.push_back(0);
  }
  t[0] = static_cast<unsigned char>(t.size() & 0xFF);
  t[1] = static_cast<unsigned char>(t.size() >> 8);
  return t;
}

// "Błąd wymiaru czasu pracy ( <= 0 ) !" in Mazovia: ł = 0x92, ą = 0x86.
const std::string kMsg16 = "B\x92\x86" "d wymiaru czasu pracy ( <= 0 ) !";
// "Dni wolne od pracy"; "Czy przeliczyć średnie ?" (ć 0x8D, ś 0x9E).
const std::string kMsg50 = "Czy przeliczy\x8D \x9Erednie ?";

std::vector<unsigned char> g_table;
RcsBytes test_resources(int id) {
  if (id == 1) return {g_table.data(), g_table.size()};
  return {};
}
RcsBytes no_resources(int) { return {}; }

TEST(Messages, ModuleTableIsReadFromMazovia) {
  std::map<int, std::string> out;
  std::string error;
  auto t = table({{16, kMsg16}, {50, kMsg50}, {290, "Dni wolne od pracy"}});
  ASSERT_TRUE(parse_message_table(t, out, error)) << error;
  EXPECT_EQ(out.size(), 3u);
  EXPECT_EQ(out[16], "Błąd wymiaru czasu pracy ( <= 0 ) !");
  EXPECT_EQ(out[50], "Czy przeliczyć średnie ?");
  EXPECT_EQ(out[290], "Dni wolne od pracy");
}

TEST(Messages, DamagedTablesAreRefused) {
  std::map<int, std::string> out;
  std::string error;
  auto t = table({{1, "abc"}, {2, "def"}});
  // Size larger than the resource.
  auto longer = t;
  longer[0] = static_cast<unsigned char>(longer[0] + 5);
  EXPECT_FALSE(parse_message_table(longer, out, error));
  EXPECT_FALSE(error.empty());
  // Last text without its NUL.
  auto cut = t;
  cut.pop_back();
  cut[0] = static_cast<unsigned char>(cut.size());
  EXPECT_FALSE(parse_message_table(cut, out, error));
  EXPECT_NE(error.find("2"), std::string::npos);
  // A size that leaves half an id.
  auto half = t;
  half.push_back(7);
  half[0] = static_cast<unsigned char>(half.size());
  EXPECT_FALSE(parse_message_table(half, out, error));
  EXPECT_TRUE(out.empty());
  // Extra bytes beyond the stated size are not part of the table.
  auto padded = t;
  padded.push_back(0xFF);
  EXPECT_TRUE(parse_message_table(padded, out, error)) << error;
  EXPECT_EQ(out.size(), 2u);
}

TEST(Messages, IdsFindTheRightTable) {
  VirtualScreen vs;
  g_table = table({{16, kMsg16}, {290, "Dni wolne od pracy"}});
  HostContext ctx;
  ASSERT_EQ(EnvAddRcsObj(&ctx, test_resources, 3), 0);
  EXPECT_STREQ(RcQStr(16), "Błąd wymiaru czasu pracy ( <= 0 ) !");
  EXPECT_STREQ(RcQStr(290), "Dni wolne od pracy");
  EXPECT_STREQ(RcQStr(17), "");      // not in the table
  EXPECT_STREQ(RcQStr(291), "");     // between the tables
  EXPECT_STREQ(RcQStr(19999), "");
  EXPECT_STREQ(RcQStr(20077), "Taki numer już istnieje !");
  EXPECT_STREQ(RcQStr(50133), "Wartość nie może być ujemna !");
  EXPECT_STREQ(RcQStr(20001), "");   // host range, no text
  // Resource bytes are reachable for templates.
  EXPECT_EQ(EnvFindRcs(1).size, g_table.size());
  EXPECT_EQ(EnvFindRcs(2).size, 0u);
}

TEST(Messages, RegistrationWithoutATableFails) {
  VirtualScreen vs;
  HostContext ctx;
  vs.terminal.add_keys({k::Enter});  // closes the error box
  EXPECT_EQ(EnvAddRcsObj(&ctx, no_resources, 3), -1);
  EXPECT_NE(ctx.error_code, 0);
  EXPECT_EQ(EnvAddRcsObj(&ctx, test_resources, 7), -1);
}

TEST(Messages, EveryHostIdNamedByTheRegistersHasText) {
  const int ids[] = {20009, 20014, 20015, 20016, 20027, 20031, 20038, 20044, 20045, 20046, 20047, 20053,
                     20054, 20055, 20057, 20058, 20059, 20074, 20076, 20077, 20078, 20080, 20081, 20082,
                     20083, 20086, 20088, 20089, 20090, 20091, 20092, 20097, 20098, 20099, 20100, 20113,
                     20115, 20117, 20118, 20121, 20129, 20130, 20146, 20153, 20158, 20159, 20164, 20165,
                     20166, 20170, 20179, 20183, 50003, 50007, 50030, 50133, 50134, 50136, 50137};
  for (int id : ids) {
    const char* t = skolvarin::host::host_message(id);
    ASSERT_NE(t, nullptr) << id;
    EXPECT_GT(std::string(t).size(), 3u) << id;
  }
  for (int id : {130, 145, 194}) EXPECT_NE(skolvarin::host::host_log_text(id), nullptr) << id;
}

TEST(Messages, QuestionAnswers) {
  const struct {
    int key;
    int answer;
  } cases[] = {{k::Esc, 27}, {'n', 27}, {'N', 27}, {'t', 13}, {'T', 13}, {k::Enter, 13}};
  for (const auto& c : cases) {
    VirtualScreen vs;
    vs.terminal.add_keys({'x', k::F2, c.key});  // other keys do not answer
    EXPECT_EQ(Pytanie(20057), c.answer) << c.key;
    EXPECT_TRUE(vs.terminal.script_done());
  }
  // With the script used up, the host answers Esc: no.
  VirtualScreen vs;
  EXPECT_EQ(Pytanie(20057), 27);
}

TEST(Messages, BoxShowsTheTextAndGoesAway) {
  VirtualScreen vs;
  std::string before = vs.text();
  vs.terminal.add_steps({{skolvarin::term::ScriptStep::Dump, 0}, {skolvarin::term::ScriptStep::Key, k::Enter}});
  EXPECT_EQ(Uwaga(20077), k::Enter);
  const std::string& d = vs.terminal.dump_text();
  EXPECT_NE(d.find("Taki numer już istnieje !"), std::string::npos);
  EXPECT_NE(d.find(" Uwaga "), std::string::npos);
  EXPECT_NE(d.find("╔"), std::string::npos);
  EXPECT_EQ(vs.text(), before);
}

TEST(Messages, MessageWindowStyles) {
  VirtualScreen vs;
  vs.terminal.add_steps({{skolvarin::term::ScriptStep::Dump, 0}, {skolvarin::term::ScriptStep::Key, k::Enter}});
  EXPECT_EQ(MessageWindow(4, 20058, "OPCJE GŁÓWNE", 0), k::Enter);
  EXPECT_NE(vs.terminal.dump_text().find("Błąd odczytu ustawień OPCJE GŁÓWNE"), std::string::npos);
  // Question with the text on a line of its own.
  VirtualScreen vs2;
  vs2.terminal.add_steps({{skolvarin::term::ScriptStep::Dump, 0}, {skolvarin::term::ScriptStep::Key, k::Esc}});
  EXPECT_EQ(MessageWindow(24, 20055, RcQStr(20057), 0), 27);
  const std::string& d = vs2.terminal.dump_text();
  size_t a = d.find("Nie ma jeszcze danych na bieżący rok.");
  size_t b = d.find("Czy przenieść dane z poprzedniego roku ?");
  ASSERT_NE(a, std::string::npos);
  ASSERT_NE(b, std::string::npos);
  EXPECT_LT(d.rfind('\n', a), d.rfind('\n', b));  // on different lines
  // Id 0: the text alone.
  VirtualScreen vs3;
  vs3.terminal.add_steps({{skolvarin::term::ScriptStep::Dump, 0}, {skolvarin::term::ScriptStep::Key, k::Enter}});
  MessageWindow(1, 0, "Rejestr jeszcze nie istnieje", 0);
  const std::string& d3 = vs3.terminal.dump_text();
  EXPECT_NE(d3.find("║ Rejestr jeszcze nie istnieje"), std::string::npos) << d3;
  EXPECT_EQ(d3.find("Brak tekstu"), std::string::npos) << d3;
}

TEST(Messages, MissingTextIsShownAsMissing) {
  VirtualScreen vs;
  vs.terminal.add_steps({{skolvarin::term::ScriptStep::Dump, 0}, {skolvarin::term::ScriptStep::Key, k::Enter}});
  Informacja(500);
  EXPECT_NE(vs.terminal.dump_text().find("Brak tekstu komunikatu nr 500"), std::string::npos);
}

TEST(Messages, PrintfQStrKeepsSixteenResults) {
  const char* first = PrintfQStr("%s %d", "Parametry płacowe", 2024);
  EXPECT_STREQ(first, "Parametry płacowe 2024");
  std::vector<const char*> more;
  for (int i = 0; i < 15; ++i) more.push_back(PrintfQStr("%03d", i));
  EXPECT_STREQ(first, "Parametry płacowe 2024");
  EXPECT_STREQ(more[14], "014");
  std::string longer(5000, 'x');
  EXPECT_EQ(std::string(PrintfQStr("%s!", longer.c_str())).size(), 5001u);
}

TEST(Messages, WaitWindowShowsProgressAndCloses) {
  VirtualScreen vs;
  std::string before = vs.text();
  WaitWindowOpen(50030);
  EXPECT_NE(vs.text().find("Porządkowanie numeracji"), std::string::npos);
  WaitWindowStep(50, 100);
  std::string half = vs.text();
  EXPECT_NE(half.find("█"), std::string::npos);
  EXPECT_NE(half.find("░"), std::string::npos);
  WaitWindowStep(100, 100);
  EXPECT_EQ(vs.text().find("░"), std::string::npos);
  WaitWindowClose();
  EXPECT_EQ(vs.text(), before);
}

TEST(Messages, WithoutAScreenQuestionsSayNo) {
  EXPECT_EQ(Pytanie(20057), 27);
  EXPECT_EQ(g4char(), 27);
  EXPECT_EQ(w4define(1, 1, 5, 5), -1);
  EXPECT_STREQ(RcQStr(20077), "Taki numer już istnieje !");
}

TEST(Messages, HostErrorsShowInABoxOnTheScreen) {
  VirtualScreen vs;
  vs.terminal.add_steps({{skolvarin::term::ScriptStep::Dump, 0}, {skolvarin::term::ScriptStep::Key, k::Enter}});
  HostContext ctx;
  skolvarin::host::report_error(&ctx, 5, "nie można otworzyć tabeli W3KONT.DBF");
  EXPECT_EQ(ctx.error_code, 5);
  EXPECT_NE(vs.terminal.dump_text().find("nie można otworzyć tabeli W3KONT.DBF"), std::string::npos);
  EXPECT_TRUE(vs.terminal.script_done());
}

}  // namespace

namespace {

TEST(Messages, WaitWindowRedrawsOnlyWhenTheBarGrows) {
  skolvarin::testing_ui::VirtualScreen vs;
  WaitWindowOpen(50030);
  long before = vs.terminal.presents();
  for (long i = 1; i <= 100000; ++i) WaitWindowStep(i, 100000);
  long redraws = vs.terminal.presents() - before;
  EXPECT_GT(redraws, 10);
  EXPECT_LE(redraws, 80);  // at most once per cell of the bar
  WaitWindowClose();
}

}  // namespace

namespace {

// The module's own message table, as built into it, read by the host.
TEST(Messages, TheModulesBuiltInTableReadsWhole) {
  RcsBytes t = skolvarin::resources::module_rcs(1);
  ASSERT_GT(t.size, 2u);
  std::map<int, std::string> out;
  std::string error;
  ASSERT_TRUE(parse_message_table(std::span<const unsigned char>(t.data, t.size), out, error)) << error;
  EXPECT_EQ(out.size(), 290u);
  EXPECT_EQ(out.begin()->first, 1);
  EXPECT_EQ(out.rbegin()->first, 290);
  EXPECT_EQ(out[16], "Błąd wymiaru czasu pracy ( <= 0 ) !");
  EXPECT_EQ(out[51], "Czy przepisać stałe składniki z poprzedniego miesiąca ?");
  EXPECT_EQ(out[288], "Wybierz 'R' lub 'D'");
  VirtualScreen vs;
  HostContext ctx;
  ASSERT_EQ(EnvAddRcsObj(&ctx, skolvarin::resources::module_rcs, 3), 0);
  EXPECT_STREQ(RcQStr(290), "Dni wolne od pracy");
  EXPECT_STREQ(RcQStr(103), "Ewidencja kodów dla deklaracji ZUS");
  EXPECT_STREQ(RcQStr(291), "");
}

}  // namespace

namespace {

TEST(Messages, LogLinesGoToTheRunsCommonDirectory) {
  const std::string dir = skolvarin::testing_support::make_temp_dir("skolvarin-log");
  ASSERT_FALSE(dir.empty());
  HostContext ctx;
  ctx.common_dir = dir + "/";
  ctx.data_root = "/dane/";
  ctx.today = {2024, 5, 10};
  skolvarin::host::set_run_context(&ctx);
  ErrLogMessage(145, "KOWALSKI SP. Z O.O.");
  ErrLogMessage(194, "/dane/firmy/KOWAL/");
  EXPECT_STREQ(EnvFindString("A:"), "/dane/eksport/");
  EXPECT_STREQ(EnvFindString("B:"), "");
  skolvarin::host::set_run_context(nullptr);
  EXPECT_EQ(skolvarin::testing_support::read_file(dir + "/skolvarin.log"),
            "2024-05-10 Firma KOWALSKI SP. Z O.O. nie ma podanego katalogu danych\n"
            "2024-05-10 Zmiana firmy: katalog /dane/firmy/KOWAL/\n");
}

}  // namespace
