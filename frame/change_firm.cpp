#include "frame/change_firm.h"

#include <array>

#include "data/data_directory.h"
#include "data/field_text.h"
#include "data/firm_data_table.h"
#include "data/module_state.h"
#include "data/openers.h"
#include "host/api/browse_api.h"
#include "host/api/db_api.h"
#include "host/api/screen_api.h"

namespace skolvarin::frame {

namespace {

constexpr int kChooserTitle = 20117;
constexpr int kAllFirmsRight = 2;
constexpr int kLogNoDirectory = 145;
constexpr int kLogDirectoryRefused = 130;
constexpr int kLogDirectoryChanged = 194;

// The firm's place as the host context keeps it; put back when the change
// of firm does not happen.
struct FirmPlace {
  std::string dir, drive, path, name, ext;

  static FirmPlace of(const HostContext& ctx) {
    return {ctx.firm_dir, ctx.firm_drive, ctx.firm_path, ctx.firm_name_part, ctx.firm_ext};
  }
  void restore(HostContext& ctx) const {
    ctx.firm_dir = dir;
    ctx.firm_drive = drive;
    ctx.firm_path = path;
    ctx.firm_name_part = name;
    ctx.firm_ext = ext;
  }
};

// Whether the firm access table lets `user` enter the firm of catalogue
// record `firm`.
bool has_access(const data::TableHandles& access, long firm, int user) {
  if (!access.open()) return false;
  FIELD4* wm = access.field("WM");
  FIELD4* jk = access.field("JK");
  if (d4seek_double(access.data, static_cast<double>(firm)) != 0) return false;
  do {
    if (f4long(wm) != firm) return false;
    if (f4int(jk) == user) return true;
  } while (d4skip(access.data, 1) == 0);
  return false;
}

// The catalogue's key of the firm the user works in now (the list opens
// on it), or "" when no catalogue entry names its directory.
std::string current_firm_key(const HostContext& ctx, const data::TableHandles& firms) {
  FIELD4* naz = firms.field("NAZ");
  FIELD4* kat = firms.field("KAT");
  std::string key;
  for (int rc = d4top(firms.data); rc == 0; rc = d4skip(firms.data, 1)) {
    std::string dir = f4trim(kat);
    if (!dir.empty() && data::firm_directory(ctx, dir) == ctx.firm_dir) {
      key = catalogue_key(f4trim(naz));
      break;
    }
  }
  return key;
}

// Lets the user pick a firm he may enter; true with the catalogue on the
// chosen record.
bool pick_firm(HostContext* ctx, const data::TableHandles& firms, const data::TableHandles& access) {
  const bool every_firm = pass_tab_test(ctx, kAllFirmsRight) != 0;
  CodedFieldChoice choice;
  choice.data = firms.data;
  choice.tag = firms.tag(1);
  choice.code = firms.field("NAZ");
  choice.shown = {firms.field("NAZ"), firms.field("UWA")};
  choice.title = RcQStr(kChooserTitle);
  choice.row_check = [&] {
    if (every_firm || has_access(access, d4recno(firms.data), ctx->user_number)) return ROW_PASSES;
    return ROW_FAILS;
  };
  std::string value = current_firm_key(*ctx, firms);
  // A list left at its end holds no record: nothing was chosen then.
  return pole_kodowane_fun(choice, value) == 0 && !d4eof(firms.data);
}

// Makes the chosen firm's directory the current one; true on success.
bool enter_firm_directory(HostContext* ctx, const data::TableHandles& firms) {
  std::string kat = firm_directory_from_kat(f4trim(firms.field("KAT")));
  if (kat.empty()) {
    ErrLogMessage(kLogNoDirectory, f4trim(firms.field("NAZ")).c_str());
    return false;
  }
  std::string dir = data::firm_directory(*ctx, kat);  // as the host resolves it
  split_firm_path(dir, ctx->firm_drive, ctx->firm_path, ctx->firm_name_part, ctx->firm_ext);
  if (ChangeDir(ctx, kat.c_str(), 12) != 0) {
    ErrLogMessage(kLogDirectoryRefused, dir.c_str());
    ChangeDir(ctx, nullptr, 13);
    return false;
  }
  ErrLogMessage(kLogDirectoryChanged, ctx->firm_dir.c_str());
  return true;
}

// Reads the new firm's name lines into the context; false when its firm
// data table cannot be had.
bool reload_firm_name(HostContext* ctx) {
  if (data::open_firm_data(ctx) != 0) return false;
  data::TableHandles& firm = data::handles("W3PAWL.DBF");
  ctx->firm_name1 = f4trim(firm.field("NA1"));
  ctx->firm_name2 = f4trim(firm.field("NA2"));
  data::close_table(*data::find_table("W3PAWL.DBF"));
  return true;
}

void show_title(HostContext* ctx) {
  if (ctx->title_window < 0) return;
  int previous = w4select(ctx->title_window);
  w4clear(0);
  w4centre(0, firm_title(ctx->firm_name1, ctx->firm_name2, w4width()).c_str());
  w4select(previous);
}

}  // namespace

std::string firm_directory_from_kat(std::string_view kat) {
  std::string dir(data::trim_blanks(kat));
  for (char& c : dir)
    if (c == '\\') c = '/';
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
  if (dot == std::string_view::npos || dot == 0) dot = last.size();
  name = std::string(last.substr(0, dot));
  ext = std::string(last.substr(dot));
}

std::string firm_title(std::string_view name1, std::string_view name2, int width) {
  std::string joined = std::string(data::trim_blanks(name1));
  std::string_view second = data::trim_blanks(name2);
  if (!second.empty()) {
    if (!joined.empty()) joined += ' ';
    joined += second;
  }
  return data::cut_chars(joined, width < 0 ? 0 : width);
}

std::string catalogue_key(std::string_view name) {
  // Polish lower-case letters and their capitals, both UTF-8.
  static constexpr std::array<std::pair<const char*, const char*>, 9> kPolish = {{
      {"ą", "Ą"}, {"ć", "Ć"}, {"ę", "Ę"}, {"ł", "Ł"}, {"ń", "Ń"},
      {"ó", "Ó"}, {"ś", "Ś"}, {"ź", "Ź"}, {"ż", "Ż"}}};
  std::string out;
  for (size_t i = 0; i < name.size();) {
    char c = name[i];
    if (c >= 'a' && c <= 'z') {
      out += static_cast<char>(c - 'a' + 'A');
      ++i;
      continue;
    }
    bool mapped = false;
    for (const auto& [lower, upper] : kPolish) {
      std::string_view l = lower;
      if (name.substr(i, l.size()) == l) {
        out += upper;
        i += l.size();
        mapped = true;
        break;
      }
    }
    if (!mapped) out += name[i++];
  }
  return out;
}

int change_firm(HostContext* ctx) {
  if (!ctx || d4open_count(ctx) > 0) return 0;
  if (ChangeDir(ctx, nullptr, 14) != 0) return 0;

  const FirmPlace before = FirmPlace::of(*ctx);
  bool changed = false;
  if (data::open_w3kata(0) == 0) {
    data::open_w3kapa(0);  // without it only a user with every right enters a firm
    const data::TableHandles& firms = data::handles("W3KATA.DBF");
    const data::TableHandles& access = data::handles("W3KAPA.DBF");
    if (pick_firm(ctx, firms, access)) changed = enter_firm_directory(ctx, firms);
    data::close_table(*data::find_table("W3KAPA.DBF"));
    data::close_table(*data::find_table("W3KATA.DBF"));
  }

  if (changed && reload_firm_name(ctx)) {
    show_title(ctx);
    return 1;
  }
  before.restore(*ctx);
  ChangeDir(ctx, nullptr, 15);
  return 0;
}

}  // namespace skolvarin::frame
