// The host's notes editor (edytuj_i_drukuj_notes): a full-screen editor of
// one plain-text note per module and working year, kept in the current
// firm's directory as <PREFIX><YEAR>.TXT (UTF-8, one line per row).
//
// Keys: arrows, Home, End, PgUp, PgDn move; typing inserts; Enter splits a
// line; Backspace and Del join or delete; F2 saves and closes; F9 prints the
// note as it stands (preview first, F2 there writes the PDF and the text
// file into the firm's print folder); Esc closes, asking first whether to
// save when the note was changed.  Lines are as wide as the window; typing
// past the edge starts nothing new (the key is refused).  A note that
// exists but cannot be read is not opened (a message says so); one that
// cannot be written keeps the editor open so nothing typed is lost.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/api/context.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"
#include "host/api/calendar.h"
#include "host/api/text_editor.h"
#include "host/text/utf8.h"

namespace {

using skolvarin::text::utf8_length;
using skolvarin::text::utf8_offset;

std::string utf8_of(int cp) {
  std::string out;
  skolvarin::text::utf8_append(out, static_cast<char32_t>(cp));
  return out;
}

constexpr int kPrintedLinesPerPage = 60;
constexpr int kPrintWidth = 78;

// The printout of a note: on every page the firm's name, the note's name
// with the date of the print and the page number, a rule, then up to
// kPrintedLinesPerPage lines of the note; pages are separated by '\f'.
std::string note_printout(const std::vector<std::string>& lines, const std::string& firm,
                          const std::string& name, const HostDate& today) {
  size_t used = lines.size();
  while (used > 0 && lines[used - 1].empty()) --used;
  const size_t pages = used == 0 ? 1 : (used + kPrintedLinesPerPage - 1) / kPrintedLinesPerPage;
  std::string date = skolvarin::to_shown(today);
  std::string rule;
  for (int i = 0; i < kPrintWidth; ++i) rule += "─";
  std::string out;
  for (size_t page = 0; page < pages; ++page) {
    if (page > 0) out += '\f';
    std::string left = name + ", wydruk z dnia " + date;
    std::string right = "strona " + std::to_string(page + 1) + "/" + std::to_string(pages);
    size_t pad = utf8_length(left) + utf8_length(right) < static_cast<size_t>(kPrintWidth)
                     ? kPrintWidth - utf8_length(left) - utf8_length(right)
                     : 1;
    out += firm + "\n" + left + std::string(pad, ' ') + right + "\n" + rule + "\n";
    for (size_t i = page * kPrintedLinesPerPage; i < used && i < (page + 1) * kPrintedLinesPerPage; ++i)
      out += lines[i] + "\n";
  }
  return out;
}

bool is_text_key(int key) {
  if (key < 32 || key == 127) return false;
  if (key >= 0x100 && (key & 0xFF) == 0) return false;  // extended keys
  return key < 0x10000;
}

class NotesEditor {
 public:
  NotesEditor(HostContext* ctx, std::string path, std::string name, std::vector<std::string> lines)
      : ctx_(ctx), path_(std::move(path)), name_(std::move(name)), lines_(std::move(lines)) {
    if (lines_.empty()) lines_.emplace_back();
  }

  // Document mode: the editor works on `text` instead of a file; F2 puts
  // the lines back into it and closes, Esc closes leaving it as it was.
  void edit_document(std::string* text) { document_ = text; }
  bool accepted() const { return accepted_; }

  int run() {
    const std::string title = " " + name_ + " ";
    int rows = w4screen_rows(), cols = w4screen_cols();
    window_ = w4define(1, 0, rows - 2, cols - 1);
    if (window_ < 0) return -1;
    w4border(window_, 2);
    w4title(window_, title.c_str());
    int previous = w4select(window_);
    w4activate(window_);
    set_fun_help(document_ ? "F2-Gotowe (drukuj)  Esc-Porzuć" : "F2-Zapisz  F9-Drukuj  Esc-Wyjście");
    height_ = w4height();
    width_ = w4width();
    for (;;) {
      draw();
      int key = g4char();
      if (key == skolvarin::keys::F2) {
        if (save()) break;
        continue;
      }
      if (key == skolvarin::keys::F9 && !document_) {
        print();
        continue;
      }
      if (key == skolvarin::keys::Esc && document_) break;
      if (key == skolvarin::keys::Esc) {
        if (changed_ && MessageWindow(8, 0, "Zapisać zmiany w notatkach?", 0) == 13 && !save()) continue;
        break;
      }
      edit(key);
    }
    remove_fun_help();
    w4cursor(-1, -1);
    w4close(window_);
    w4select(previous);
    return save_failed_ ? -1 : 0;
  }

 private:
  void draw() {
    if (row_ < top_) top_ = row_;
    if (row_ >= top_ + height_) top_ = row_ - height_ + 1;
    w4clear(0);
    for (int r = 0; r < height_ && static_cast<size_t>(top_ + r) < lines_.size(); ++r)
      w4write(r, 0, lines_[static_cast<size_t>(top_ + r)].c_str());
    w4cursor(row_ - top_, col_);
  }

  std::string& line() { return lines_[static_cast<size_t>(row_)]; }
  int line_chars() { return static_cast<int>(utf8_length(line())); }

  void edit(int key) {
    using namespace skolvarin::keys;
    int last = static_cast<int>(lines_.size()) - 1;
    if (col_ > line_chars()) col_ = line_chars();
    if (key == Up) { if (row_ > 0) --row_; }
    else if (key == Down) { if (row_ < last) ++row_; }
    else if (key == PgUp) { row_ = row_ > height_ ? row_ - height_ : 0; }
    else if (key == PgDn) { row_ = row_ + height_ < last ? row_ + height_ : last; }
    else if (key == Left) {
      if (col_ > 0) --col_;
      else if (row_ > 0) { --row_; col_ = line_chars(); }
    } else if (key == Right) {
      if (col_ < line_chars()) ++col_;
      else if (row_ < last) { ++row_; col_ = 0; }
    } else if (key == Home) { col_ = 0; }
    else if (key == End) { col_ = line_chars(); }
    else if (key == Enter) {
      size_t at = utf8_offset(line(), static_cast<size_t>(col_));
      std::string rest = line().substr(at);
      line().erase(at);
      lines_.insert(lines_.begin() + row_ + 1, rest);
      ++row_;
      col_ = 0;
      changed_ = true;
    } else if (key == Backspace) {
      if (col_ > 0) {
        size_t from = utf8_offset(line(), static_cast<size_t>(col_ - 1));
        line().erase(from, utf8_offset(line(), static_cast<size_t>(col_)) - from);
        --col_;
        changed_ = true;
      } else if (row_ > 0 && utf8_length(lines_[static_cast<size_t>(row_ - 1)]) + utf8_length(line()) <= static_cast<size_t>(width_)) {
        int joined_at = static_cast<int>(utf8_length(lines_[static_cast<size_t>(row_ - 1)]));
        lines_[static_cast<size_t>(row_ - 1)] += line();
        lines_.erase(lines_.begin() + row_);
        --row_;
        col_ = joined_at;
        changed_ = true;
      }
    } else if (key == Del) {
      if (col_ < line_chars()) {
        size_t from = utf8_offset(line(), static_cast<size_t>(col_));
        line().erase(from, utf8_offset(line(), static_cast<size_t>(col_ + 1)) - from);
        changed_ = true;
      } else if (row_ < last && utf8_length(line()) + utf8_length(lines_[static_cast<size_t>(row_ + 1)]) <= static_cast<size_t>(width_)) {
        line() += lines_[static_cast<size_t>(row_ + 1)];
        lines_.erase(lines_.begin() + row_ + 1);
        changed_ = true;
      }
    } else if (is_text_key(key) && line_chars() < width_) {
      line().insert(utf8_offset(line(), static_cast<size_t>(col_)), utf8_of(key));
      ++col_;
      changed_ = true;
    }
    if (col_ > line_chars()) col_ = line_chars();
  }

  // The note as it stands, through the host's preview; F2 there prints it.
  void print() {
    std::string firm = ctx_->firm_name1;
    if (!ctx_->firm_name2.empty()) firm += (firm.empty() ? "" : " ") + ctx_->firm_name2;
    if (open_tmp_edit_file(ctx_, "NOTATKI", name_.c_str()) != 0) return;
    write_page_edit_file(note_printout(lines_, firm, name_, ctx_->today).c_str());
    close_tmp_edit_file();
    edytuj_i_drukuj(name_.c_str());
  }

  bool save() {
    size_t used = lines_.size();
    while (used > 1 && lines_[used - 1].empty()) --used;
    if (document_) {
      document_->clear();
      for (size_t i = 0; i < used; ++i) *document_ += lines_[i] + "\n";
      accepted_ = true;
      return true;
    }
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    for (size_t i = 0; i < used; ++i) out << lines_[i] << '\n';
    out.close();
    if (!out) {
      std::string text = "Nie można zapisać notatek w pliku " + path_;
      MessageWindow(4, 0, text.c_str(), 0);
      save_failed_ = true;
      return false;
    }
    changed_ = false;
    save_failed_ = false;
    return true;
  }

  HostContext* ctx_;
  std::string path_;
  std::string name_;  // "Notatki: kartoteki 2026"
  std::vector<std::string> lines_;
  int window_ = -1, height_ = 1, width_ = 1;
  int row_ = 0, col_ = 0, top_ = 0;
  bool changed_ = false;
  bool save_failed_ = false;  // the last save did not reach the file
  std::string* document_ = nullptr;
  bool accepted_ = false;
};

}  // namespace

int edytuj_i_drukuj_notes(HostContext* ctx, const char* title, const char* prefix, int /*topic*/,
                          int year) {
  if (!ctx || !prefix) return -1;
  std::string dir = !ctx->firm_dir.empty() ? ctx->firm_dir : ctx->current_dir;
  std::string path = dir + prefix + std::to_string(year) + ".TXT";
  std::vector<std::string> lines;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      // Opening the editor on an empty note could overwrite it on F2.
      std::string text = "Nie można odczytać notatek z pliku " + path;
      MessageWindow(4, 0, text.c_str(), 0);
      return -1;
    }
    std::string l;
    while (std::getline(in, l)) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      lines.push_back(l);
    }
  }
  std::string name = std::string("Notatki: ") + (title ? title : "") + " " + std::to_string(year);
  return NotesEditor(ctx, path, name, std::move(lines)).run();
}

int edytuj_tekst(HostContext* ctx, const char* title, std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  NotesEditor editor(ctx, std::string(), title ? title : "", std::move(lines));
  editor.edit_document(&text);
  if (editor.run() != 0) return 27;
  return editor.accepted() ? skolvarin::keys::F2 : skolvarin::keys::Esc;
}
