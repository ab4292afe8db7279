#include "frame/change_firm.h"

#include <vector>

#include "data/catalogue.h"
#include "data/firm_data_table.h"
#include "data/module_state.h"
#include "data/openers.h"
#include "host/api/db_api.h"
#include "host/api/screen_api.h"

namespace skolvarin::frame {

namespace {

constexpr int kChooserTitle = 20117;
constexpr int kRowTaken = 45;
constexpr int kRowRefused = 40;
constexpr int kLogNoDirectory = 145;
constexpr int kLogDirectoryRefused = 130;
constexpr int kLogDirectoryChanged = 194;

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The first `chars` characters of UTF-8 text.
std::string cut_chars(std::string_view s, int chars) {
  size_t i = 0;
  int n = 0;
  while (i < s.size()) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (n == chars) break;
      ++n;
    }
    ++i;
  }
  return std::string(s.substr(0, i));
}

struct FirmRow {
  long record;
  std::string name;
};

// Row check of the chooser: 45 when the current user may enter the firm.
int firm_row_check(HostContext* ctx, long firm_record) {
  data::TableHandles& access = data::handles("W3KAPA.DBF");
  if (!access.open()) return kRowRefused;
  FIELD4* wm = access.field("WM");
  FIELD4* jk = access.field("JK");
  if (d4seek_double(access.data, static_cast<double>(firm_record)) != 0) return kRowRefused;
  while (!d4eof(access.data) && f4long(wm) == firm_record) {
    if (f4int(jk) == ctx->user_number) return kRowTaken;
    if (d4skip(access.data, 1) != 0) break;
  }
  return kRowRefused;
}

long chosen_firm = 0;

int pick_firm_item(int code) {
  chosen_firm = code;
  return 0;
}

// Lets the user pick one of `rows`; returns its record number or 0.
long choose_firm(const std::vector<FirmRow>& rows) {
  if (rows.empty()) return 0;
  int window = DefineMenuWindow(3, 20);
  if (window < 0) return 0;
  w4title(window, RcQStr(kChooserTitle));
  for (const FirmRow& row : rows) {
    std::string label = " " + row.name + " ";
    char first = row.name.empty() ? 0 : row.name[0];
    signed char key = (first >= 'A' && first <= 'Z') ? static_cast<signed char>(first | 0x20)
                      : (first >= 'a' && first <= 'z') ? static_cast<signed char>(first)
                                                       : 0;
    MenuDefineItem(label.c_str(), 0, key, static_cast<int>(row.record), &pick_firm_item, nullptr);
  }
  chosen_firm = 0;
  int rc = n4activate(window, 0, 0, 0, 1);
  w4close(window);
  return rc == 47 ? chosen_firm : 0;
}

void show_title(HostContext* ctx) {
  if (ctx->title_window < 0) return;
  int previous = w4select(ctx->title_window);
  w4clear(0);
  std::string title = firm_title(ctx->firm_name1, ctx->firm_name2, w4width());
  w4centre(0, title.c_str());
  w4select(previous);
}

// Takes the chosen firm's directory; true when it is now the current one.
bool enter_firm_directory(HostContext* ctx, FIELD4* naz, FIELD4* kat) {
  std::string dir = firm_directory_from_kat(f4trim(kat));
  if (dir.empty()) {
    ErrLogMessage(kLogNoDirectory, f4trim(naz).c_str());
    return false;
  }
  split_firm_path(dir, ctx->firm_drive, ctx->firm_path, ctx->firm_name_part, ctx->firm_ext);
  if (ChangeDir(ctx, dir.c_str(), 12) != 0) {
    ErrLogMessage(kLogDirectoryRefused, dir.c_str());
    ChangeDir(ctx, nullptr, 13);
    return false;
  }
  ErrLogMessage(kLogDirectoryChanged, ctx->current_dir.c_str());
  return true;
}

}  // namespace

std::string firm_directory_from_kat(std::string_view kat) {
  std::string dir(trim(kat));
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

void split_firm_path(const std::string& dir, std::string& drive, std::string& path,
                     std::string& name, std::string& ext) {
  drive.clear();
  std::string_view d = dir;
  if (!d.empty() && d.back() == '/') d.remove_suffix(1);
  size_t slash = d.rfind('/');
  path = slash == std::string_view::npos ? std::string() : std::string(d.substr(0, slash + 1));
  std::string_view last = slash == std::string_view::npos ? d : d.substr(slash + 1);
  size_t dot = last.rfind('.');
  if (dot == std::string_view::npos || dot == 0) {
    name = std::string(last);
    ext.clear();
  } else {
    name = std::string(last.substr(0, dot));
    ext = std::string(last.substr(dot + 1));
  }
}

std::string firm_title(std::string_view name1, std::string_view name2, int width) {
  std::string joined = std::string(trim(name1));
  std::string_view second = trim(name2);
  if (!second.empty()) {
    if (!joined.empty()) joined += ' ';
    joined += second;
  }
  return cut_chars(joined, width < 0 ? 0 : width);
}

int change_firm(HostContext* ctx) {
  if (!ctx || d4open_count(ctx) > 0) return 0;
  if (ChangeDir(ctx, nullptr, 14) != 0) return 0;

  bool changed = false;
  if (data::open_w3kata(0) == 0) {
    data::open_w3kapa(0);  // without it no firm can be entered
    data::TableHandles& firms = data::handles("W3KATA.DBF");
    FIELD4* naz = firms.field("NAZ");
    FIELD4* kat = firms.field("KAT");
    std::vector<FirmRow> rows;
    for (int rc = d4top(firms.data); rc == 0; rc = d4skip(firms.data, 1)) {
      long rec = d4recno(firms.data);
      if (firm_row_check(ctx, rec) == kRowTaken) rows.push_back({rec, f4trim(naz)});
    }
    long chosen = choose_firm(rows);
    if (chosen > 0 && d4go(firms.data, chosen) == 0) changed = enter_firm_directory(ctx, naz, kat);
    data::close_table(*data::find_table("W3KAPA.DBF"));
    data::close_table(*data::find_table("W3KATA.DBF"));
  }

  if (changed) {
    if (data::open_firm_data(ctx) == 0) {
      data::TableHandles& firm = data::handles("W3PAWL.DBF");
      ctx->firm_name1 = f4trim(firm.field("NA1"));
      ctx->firm_name2 = f4trim(firm.field("NA2"));
      data::close_table(*data::find_table("W3PAWL.DBF"));
      show_title(ctx);
      return 1;
    }
  }
  ChangeDir(ctx, nullptr, 15);
  return 0;
}

}  // namespace skolvarin::frame
