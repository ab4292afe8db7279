// The test register run by the real skolvarin program without a terminal
// (--keys/--screen), loaded as the module: a record added, one changed, one
// deleted after the question, and the printed list read back from its PDF.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string bin_dir() {
  const char* b = std::getenv("SKOLVARIN_BIN");
  return b ? b : SKOLVARIN_BINARY_DIR "/bin";
}

std::string read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string run(const std::string& cmd) {
  std::string out;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int status = pclose(p);
  out += "\n[exit " + std::to_string(WEXITSTATUS(status)) + "]";
  return out;
}

TEST(BrowseProgram, RegisterRunsHeadlessAndPrintsAPdf) {
  fs::path dir = fs::temp_directory_path() / ("skolvarin_browse_e2e_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::path keys = dir / "keys.txt", screen = dir / "screen.txt";
  {
    std::ofstream k(keys);
    // Add EUR; change USD's name; delete CHF after the question; print.
    k << "<Ins>eur<Enter>Euro<Enter><Enter>4,3<F2>\n"
         "<Down><Down><Down><Enter><Enter><C-Y>Dolar USA<F2>\n"
         "<Home><Del>T<dump>\n"
         "r<dump><F2><Enter><Esc>\n";
  }
  std::string cmd = "SKOLVARIN_MODULE=" + bin_dir() + "/libbrowse_test_module.so " + bin_dir() +
                    "/skolvarin --data " + (dir / "dane").string() + " --dzis 2024-05-17 --keys " + keys.string() +
                    " --screen " + screen.string() + " 2>&1";
  std::string out = run(cmd);
  ASSERT_NE(out.find("[exit 0]"), std::string::npos) << out;
  std::string dumps = read(screen);
  // The list after the changes, in code order: EUR, PLN, USD (CHF deleted).
  EXPECT_NE(dumps.find("EUR Euro"), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("USD Dolar USA"), std::string::npos) << dumps;
  EXPECT_EQ(dumps.find("CHF Frank"), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("podgląd wydruku"), std::string::npos) << dumps;
  // The PDF in the firm's print folder.
  fs::path pdf;
  for (auto& e : fs::recursive_directory_iterator(dir / "dane"))
    if (e.path().extension() == ".pdf" && e.path().parent_path().filename() == "wydruki") pdf = e.path();
  ASSERT_FALSE(pdf.empty()) << "no PDF in a wydruki folder";
  std::string text = run("pdftotext -layout '" + pdf.string() + "' -");
  EXPECT_NE(text.find("Wykaz walut próbnych"), std::string::npos) << text;
  EXPECT_NE(text.find("Złoty polski"), std::string::npos) << text;
  EXPECT_NE(text.find("Dolar USA"), std::string::npos) << text;
  EXPECT_NE(text.find("średni"), std::string::npos) << text;
  EXPECT_NE(text.find("4,3000"), std::string::npos) << text;
  EXPECT_EQ(text.find("Frank"), std::string::npos) << text;
  fs::remove_all(dir);
}

// Filters set in one run of the program are on in the next one.
TEST(BrowseProgram, FiltersSetInOneRunAreOnInTheNext) {
  fs::path dir = fs::temp_directory_path() / ("skolvarin_browse_flt_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  auto run_keys = [&](const std::string& keys, const std::string& name) {
    fs::path k = dir / (name + ".txt"), screen = dir / (name + ".scr");
    std::ofstream(k) << keys;
    std::string cmd = "SKOLVARIN_MODULE=" + bin_dir() + "/libbrowse_test_module.so " + bin_dir() +
                      "/skolvarin --data " + (dir / "dane").string() + " --dzis 2024-05-17 --keys " + k.string() +
                      " --screen " + screen.string() + " 2>&1";
    std::string out = run(cmd);
    EXPECT_NE(out.find("[exit 0]"), std::string::npos) << out;
    return read(screen);
  };
  // First run: the mark filter on (PLN is the only marked currency).
  std::string first = run_keys("f<Down><Down><Space><F2><dump><Esc>\n", "first");
  EXPECT_NE(first.find("znak:*"), std::string::npos) << first;
  std::string second = run_keys("<dump><Esc>\n", "second");
  EXPECT_NE(second.find("znak:*"), std::string::npos) << second;
  EXPECT_NE(second.find("PLN Złoty polski"), std::string::npos) << second;
  EXPECT_EQ(second.find("USD Dolar"), std::string::npos) << second;
  fs::remove_all(dir);
}

}  // namespace
