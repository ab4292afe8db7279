// The PDF and text outputs read back by other tools: pdftotext must find the
// Polish letters, headers and values in the PDF.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/print/pdf_writer.h"
#include "host/print/print_output.h"
#include "host/print/table_print.h"
#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace skolvarin::print {
namespace {

std::string temp_dir() { return testing_support::make_temp_dir("skolvarin-print") + "/"; }

// What a command line writes on stdout.
std::string run(const std::string& cmd) { return testing_support::run_command(cmd).out; }

TEST(PdfOutput, LayoutFollowsTheWidth) {
  PdfLayout narrow = pdf_layout_for(80);
  EXPECT_FALSE(narrow.landscape);
  EXPECT_LE(narrow.font_size, 10.0);
  EXPECT_GE(narrow.lines_per_sheet, 60);
  PdfLayout wide = pdf_layout_for(136);
  EXPECT_TRUE(wide.landscape);
  // 136 characters must fit between the margins of a landscape A4.
  EXPECT_LE(136 * wide.font_size * 0.6021, 841.89 - 72 + 0.01);
}

TEST(PdfOutput, PdftotextReadsPolishLettersHeadersAndValues) {
  TableLayout l;
  l.code = "KHNT";
  l.title = "KARTOTEKA KONTRAHENTÓW";
  l.columns = {{"Nazwa", "kontrahenta", 24, Align::Left, false, 2},
               {"Należność", "", 14, Align::Right, true, 2}};
  std::vector<TableRow> rows = {{{"Zażółć Gęślą Jaźń", 0}, {"1 234,56", 1234.56}},
                                {{"ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż", 0}, {"10,00", 10.0}}};
  PrintDocument doc = print_table(l, rows);
  std::string dir = temp_dir();
  PrintResult result;
  std::string error;
  ASSERT_TRUE(write_print_files(doc, dir + "wydruki", HostDate{2026, 12, 5}, result, error)) << error;
  EXPECT_EQ(result.pdf_path, dir + "wydruki/KHNT_20261205_001.pdf");
  std::string text = run("pdftotext -layout '" + result.pdf_path + "' -");
  EXPECT_NE(text.find("KARTOTEKA KONTRAHENTÓW"), std::string::npos) << text;
  EXPECT_NE(text.find("Zażółć Gęślą Jaźń"), std::string::npos) << text;
  EXPECT_NE(text.find("ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż"), std::string::npos) << text;
  EXPECT_NE(text.find("Należność"), std::string::npos) << text;
  EXPECT_NE(text.find("1 244,56"), std::string::npos) << text;  // the total
  std::ifstream txt(result.text_path);
  std::stringstream ss;
  ss << txt.rdbuf();
  EXPECT_EQ(ss.str(), to_text(doc));

  // A second print of the same code the same day does not overwrite the first.
  PrintResult second;
  ASSERT_TRUE(write_print_files(doc, dir + "wydruki", HostDate{2026, 12, 5}, second, error));
  EXPECT_EQ(second.pdf_path, dir + "wydruki/KHNT_20261205_002.pdf");
}

TEST(PdfOutput, PagesOfTheDocumentBecomeSheets) {
  PrintDocument doc;
  doc.code = "TEST";
  doc.width = 80;
  for (int p = 0; p < 3; ++p) doc.pages.push_back(PrintedPage{{"Strona " + std::to_string(p + 1)}});
  std::string dir = temp_dir();
  std::string error;
  ASSERT_TRUE(write_pdf(doc, dir + "a.pdf", error)) << error;
  std::string info = run("pdfinfo '" + dir + "a.pdf'");
  auto at = info.find("Pages:");
  ASSERT_NE(at, std::string::npos) << info;
  EXPECT_EQ(std::atoi(info.c_str() + at + 6), 3) << info;
}

TEST(PdfOutput, PrinterSettingsAreReadAndAFailingPrinterKeepsTheFiles) {
  std::string dir = temp_dir();
  std::string error;
  ASSERT_TRUE(save_print_settings(dir, PrintSettings{"nieistniejaca_drukarka", 3}, error));
  PrintSettings s = load_print_settings(dir);
  EXPECT_EQ(s.printer, "nieistniejaca_drukarka");
  EXPECT_EQ(s.copies, 3);
  HostContext ctx;
  ctx.common_dir = dir;
  ctx.firm_dir = dir + "firma/";
  mkdir(ctx.firm_dir.c_str(), 0775);
  ctx.today = HostDate{2026, 12, 5};
  PrintDocument doc;
  doc.code = "LP";
  doc.pages.push_back(PrintedPage{{"test"}});
  PrintResult r;
  EXPECT_FALSE(publish_print(&ctx, doc, r, error));  // lp is missing or refuses the printer
  EXPECT_FALSE(r.sent_to_printer);
  struct stat st {};
  EXPECT_EQ(stat(r.pdf_path.c_str(), &st), 0) << "the PDF must be kept: " << error;
}

}  // namespace
}  // namespace skolvarin::print
