#include "host/print/print_output.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "host/print/pdf_writer.h"

namespace skolvarin::print {

namespace {

bool ensure_dir(const std::string& dir) {
  struct stat st {};
  if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  return mkdir(dir.c_str(), 0775) == 0;
}

bool exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

std::string safe_code(const std::string& code) {
  std::string out;
  for (char c : code)
    out += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
  return out.empty() ? "WYDRUK" : out;
}

}  // namespace

PrintSettings load_print_settings(const std::string& common_dir) {
  PrintSettings s;
  std::ifstream in(common_dir + "drukarka.cfg");
  std::string line;
  while (std::getline(in, line)) {
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
    if (key == "drukarka") {
      s.printer = value;
    } else if (key == "kopie") {
      int n = std::atoi(value.c_str());
      if (n >= 1 && n <= 99) s.copies = n;
    }
  }
  return s;
}

bool save_print_settings(const std::string& common_dir, const PrintSettings& s, std::string& error) {
  std::ofstream out(common_dir + "drukarka.cfg", std::ios::trunc);
  out << "drukarka=" << s.printer << "\nkopie=" << s.copies << "\n";
  if (!out) {
    error = "Nie można zapisać ustawień drukarki w " + common_dir;
    return false;
  }
  return true;
}

bool write_print_files(const PrintDocument& doc, const std::string& folder, const HostDate& today,
                       PrintResult& result, std::string& error) {
  std::string dir = folder;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  if (!ensure_dir(dir)) {
    error = "Nie można utworzyć katalogu wydruków " + dir;
    return false;
  }
  char date[16];
  std::snprintf(date, sizeof date, "%04d%02d%02d", today.year, today.month, today.day);
  std::string base;
  for (int seq = 1; seq < 100000; ++seq) {
    char num[16];
    std::snprintf(num, sizeof num, "%03d", seq);
    std::string candidate = dir + safe_code(doc.code) + "_" + date + "_" + num;
    if (!exists(candidate + ".pdf") && !exists(candidate + ".txt")) {
      base = candidate;
      break;
    }
  }
  if (base.empty()) {
    error = "Za dużo wydruków o kodzie " + doc.code + " z jednego dnia";
    return false;
  }
  result.text_path = base + ".txt";
  result.pdf_path = base + ".pdf";
  {
    std::ofstream txt(result.text_path, std::ios::binary);
    txt << to_text(doc);
    if (!txt) {
      error = "Błąd zapisu pliku " + result.text_path;
      return false;
    }
  }
  return write_pdf(doc, result.pdf_path, error);
}

bool publish_print(HostContext* ctx, const PrintDocument& doc, PrintResult& result, std::string& error) {
  std::string firm = ctx && !ctx->firm_dir.empty() ? ctx->firm_dir : std::string("./");
  HostDate today = ctx ? ctx->today : HostDate{};
  if (!write_print_files(doc, firm + "wydruki/", today, result, error)) return false;
  PrintSettings s = load_print_settings(ctx ? ctx->common_dir : std::string());
  if (s.printer.empty()) return true;
  pid_t pid = fork();
  if (pid < 0) {
    error = "Nie można uruchomić drukowania (lp)";
    return false;
  }
  if (pid == 0) {
    std::string copies = std::to_string(s.copies);
    execlp("lp", "lp", "-s", "-d", s.printer.c_str(), "-n", copies.c_str(), result.pdf_path.c_str(),
           static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    error = "Drukarka " + s.printer + " nie przyjęła wydruku (lp); plik zachowano: " + result.pdf_path;
    return false;
  }
  result.sent_to_printer = true;
  return true;
}

}  // namespace skolvarin::print
