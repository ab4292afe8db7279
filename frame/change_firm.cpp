#include "frame/change_firm.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "data/data_directory.h"
#include "data/field_text.h"
#include "data/firm_data_table.h"
#include "data/module_state.h"
#include "data/openers.h"
#include "frame/hot_keys.h"
#include "host/api/browse_api.h"
#include "host/api/db_api.h"
#include "host/api/keys.h"
#include "host/api/screen_api.h"
#include "host/api/text_api.h"

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

// The firms the user may open: all with right 2, else those the firm
// access table grants him.
std::vector<data::FirmRecord> firms_for_user(HostContext* ctx) {
  std::vector<data::FirmRecord> all, mine;
  std::string error;
  data::list_firms(*ctx, all, error);
  if (pass_tab_test(ctx, kAllFirmsRight) != 0) return all;
  std::vector<long> granted = data::firms_of_user(*ctx, ctx->user_number);
  for (const data::FirmRecord& f : all)
    if (std::find(granted.begin(), granted.end(), f.catalogue_record) != granted.end()) mine.push_back(f);
  return mine;
}

// Makes the chosen firm's directory the current one; true on success.
bool enter_firm_directory(HostContext* ctx, const std::string& kat_value, const std::string& naz) {
  std::string kat = firm_directory_from_kat(kat_value);
  if (kat.empty()) {
    ErrLogMessage(kLogNoDirectory, naz.c_str());
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

}  // namespace

void show_title(HostContext* ctx) {
  if (!ctx || ctx->title_window < 0) return;
  int previous = w4select(ctx->title_window);
  w4clear(0);
  w4centre(0, title_line(ctx->firm_name1, ctx->firm_name2, data::working_year(ctx), w4width()).c_str());
  w4select(previous);
}

std::string title_line(std::string_view name1, std::string_view name2, int year, int width) {
  if (year <= 0) return firm_title(name1, name2, width);
  std::string tail = "  rok " + std::to_string(year);
  int room = width - static_cast<int>(tail.size());
  return firm_title(name1, name2, room < 0 ? 0 : room) + tail;
}

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

namespace {

// Help line of the catalogue: the keys that change it only for a user who
// may open every firm.
constexpr const char* kCatalogueHelp = "Enter-Wybierz  Ins-Dopisz  F3-Popraw  Del-Usuń  Esc-Wyjście";
constexpr const char* kCatalogueHelpChooseOnly = "Enter-Wybierz  Esc-Wyjście";

std::string pad(const std::string& s, size_t width) {
  std::string cut = data::cut_chars(s, static_cast<int>(width));
  size_t chars = 0;
  for (char c : cut) chars += (c & 0xC0) != 0x80;
  return cut + std::string(width > chars ? width - chars : 0, ' ');
}

void warn_text(const std::string& text) { MessageWindow(2, 0, text.c_str(), 0); }

// The F4 list of the tax offices; the code goes into the field.
ChooserFunction office_chooser(HostContext* ctx) {
  return [ctx](EditControl* ctrl) -> int {
    std::vector<data::TaxOffice> offices = data::list_tax_offices(*ctx);
    if (offices.empty()) {
      warn_text("Brak tabeli urzędów skarbowych (skolvarin wzorce)");
      return 27;
    }
    std::vector<std::string> items;
    int current = 0, code = std::atoi(ctrl->buffer.c_str());
    for (size_t i = 0; i < offices.size(); ++i) {
      items.push_back(pad(offices[i].name, 54));
      if (offices[i].code == code) current = static_cast<int>(i);
    }
    int c = wybierz_z_listy(items, current, " Urzędy skarbowe ");
    if (c < 0) return 27;
    ctrl->buffer = std::to_string(offices[static_cast<size_t>(c)].code);
    return 0;
  };
}

// The firm's form; true when the firm was written.
bool edit_firm(HostContext* ctx, data::FirmRecord& f, bool adding) {
  int window = DefineWprowadzWindow(15, 74, adding ? " Nowa firma " : " Dane firmy ");
  if (window < 0) return false;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  auto text = [&](int row, int col, const char* label, int width, const std::string& value) {
    Widget* w = DefineWigetEx(&set, row, col, label, width, WIDGET_TEXT);
    WigetSetString(w, value.c_str());
    return w;
  };
  Widget* short_name = text(0, 1, "Nazwa skrócona ..: ", 20, f.short_name);
  Widget* directory = text(0, 42, "Katalog: ", 20, f.directory);
  Widget* name = text(1, 1, "Nazwa ...........: ", 52, f.name);
  Widget* name2 = text(2, 1, "                   ", 52, f.name2);
  Widget* nip = text(3, 1, "NIP .............: ", 13, f.nip);
  Widget* regon = text(3, 36, "REGON ..: ", 14, f.regon);
  Widget* street = text(4, 1, "Ulica, dom, lokal: ", 20, f.street);
  Widget* house = text(4, 41, "", 9, f.house);
  Widget* flat = text(4, 51, "/ ", 9, f.flat);
  Widget* postcode = text(5, 1, "Kod, miejscowość : ", 6, f.postcode);
  Widget* city = text(5, 27, "", 25, f.city);
  Widget* office = DefineWigetEx(&set, 6, 1, "Urząd skarbowy ..: ", 6, WIDGET_NUMBER, "999999");
  WigetSetString(office, f.tax_office ? std::to_string(f.tax_office).c_str() : "");
  office->chooser = office_chooser(ctx);
  DefineWigetEx(&set, 7, 1, "                   ", 52, WIDGET_LABEL);
  set.widgets.back()->label += f.tax_office_name;
  Widget* books = DefineWigetEx(&set, 8, 1, "Ewidencja .......: ", 31, WIDGET_CHOICE);
  books->choices = {"księga przychodów i rozchodów", "ewidencja ryczałtowa"};
  WigetSetString(books, f.books == 'R' ? "2" : "1");
  Widget* natural = DefineWigetEx(&set, 9, 1, "Osoba fizyczna ..: ", 1, WIDGET_YESNO);
  WigetSetString(natural, f.natural_person == 'T' ? "T" : "N");
  Widget* pesel = text(9, 36, "PESEL ..: ", 11, f.pesel);
  Widget* surname = text(10, 1, "Nazwisko, imię ..: ", 30, f.payer_surname);
  Widget* first = text(10, 51, "", 15, f.payer_first_name);
  Widget* bank = text(11, 1, "Bank ............: ", 30, f.bank);
  Widget* account = text(12, 1, "Rachunek (NRB) ..: ", 32, f.account);
  DefineWigetEx(&set, 14, 1, "F4 na urzędzie: lista urzędów skarbowych", 1, WIDGET_LABEL);

  bool saved = false;
  for (;;) {
    if (ActivateWindow(window, &set) != keys::F2) break;
    data::FirmRecord n = f;
    n.short_name = short_name->value;
    n.directory = directory->value;
    n.name = name->value;
    n.name2 = name2->value;
    n.nip = nip->value;
    n.regon = regon->value;
    n.street = street->value;
    n.house = house->value;
    n.flat = flat->value;
    n.postcode = postcode->value;
    n.city = city->value;
    n.tax_office = static_cast<int>(WigetAsLong(office));
    n.books = WigetAsLong(books) == 2 ? 'R' : 'K';
    n.natural_person = natural->value == "T" ? 'T' : 'N';
    n.pesel = pesel->value;
    n.payer_surname = surname->value;
    n.payer_first_name = first->value;
    n.bank = bank->value;
    n.account = account->value;
    std::string error;
    if (data::save_firm(*ctx, n, error) != 0) {
      warn_text(error);
      continue;  // the form comes back with what was typed
    }
    f = n;
    saved = true;
    break;
  }
  FreeWigets(&set);
  w4close(window);
  return saved;
}

}  // namespace

bool firm_catalogue_screen(HostContext* ctx, data::FirmRecord& chosen) {
  if (!ctx) return false;
  const bool may_change = pass_tab_test(ctx, kAllFirmsRight) != 0;
  std::vector<data::FirmRecord> firms = firms_for_user(ctx);
  int start = 0;
  for (size_t i = 0; i < firms.size(); ++i)
    if (data::firm_directory(*ctx, firms[i].directory) == ctx->firm_dir) start = static_cast<int>(i);
  const int width = 64;
  std::string title = std::string(" ") + RcQStr(kChooserTitle) + " ";
  bool result = false;
  run_row_list(
      title.c_str(), may_change ? kCatalogueHelp : kCatalogueHelpChooseOnly, width, start,
      [&] { return static_cast<int>(firms.size()); },
      [&](int i) {
        const data::FirmRecord& f = firms[static_cast<size_t>(i)];
        const std::string& about = f.remark.empty() ? f.name : f.remark;
        return " " + pad(f.short_name, 20) + " " + pad(about, width - 22);
      },
      [&](int key, int& cur) {
        int n = static_cast<int>(firms.size());
        if (key == keys::Esc) return false;
        if (key == keys::Enter && n > 0) {
          chosen = firms[static_cast<size_t>(cur)];
          result = true;
          return false;
        }
        if (may_change && (key == keys::Ins || (key == keys::F3 && n > 0))) {
          bool adding = key == keys::Ins;
          data::FirmRecord f = adding ? data::FirmRecord{} : firms[static_cast<size_t>(cur)];
          if (edit_firm(ctx, f, adding)) {
            firms = firms_for_user(ctx);
            for (size_t i = 0; i < firms.size(); ++i)
              if (firms[i].catalogue_record == f.catalogue_record) cur = static_cast<int>(i);
          }
        } else if (may_change && key == keys::Del && n > 0) {
          const data::FirmRecord& f = firms[static_cast<size_t>(cur)];
          if (data::firm_directory(*ctx, f.directory) == ctx->firm_dir) {
            warn_text("Nie można usunąć firmy, w której się pracuje");
            return true;
          }
          std::string q = "Usunąć firmę " + f.short_name + " ?";
          if (MessageWindow(8, 0, q.c_str(), 0) == 27) return true;
          std::string error;
          if (data::delete_firm(*ctx, f.short_name, error) != 0) warn_text(error);
          firms = firms_for_user(ctx);
        } else if (key > 32 && key < 256 && n > 0) {
          // A letter jumps to the next firm whose short name starts with it.
          std::string letter = text::utf8_upper(std::string(1, static_cast<char>(key)));
          for (int step = 1; step <= n; ++step) {
            int i = (cur + step) % n;
            if (text::utf8_upper(firms[static_cast<size_t>(i)].short_name).rfind(letter, 0) == 0) {
              cur = i;
              break;
            }
          }
        }
        return true;
      },
      may_change ? "Brak firm - Ins dopisuje nową" : "Brak firm dostępnych dla użytkownika");
  return result;
}

int change_firm(HostContext* ctx) {
  if (!ctx || d4open_count(ctx) > 0) return 0;
  if (ChangeDir(ctx, nullptr, 14) != 0) return 0;

  const FirmPlace before = FirmPlace::of(*ctx);
  data::FirmRecord chosen;
  bool changed = firm_catalogue_screen(ctx, chosen) &&
                 enter_firm_directory(ctx, chosen.directory, chosen.short_name);
  if (changed && reload_firm_name(ctx)) {
    show_title(ctx);
    return 1;
  }
  before.restore(*ctx);
  ChangeDir(ctx, nullptr, 15);
  return 0;
}

int start_firm(HostContext* ctx, bool asked) {
  if (!ctx) return -1;
  std::vector<data::FirmRecord> firms = firms_for_user(ctx);
  if (firms.empty()) return -1;
  bool current_allowed = false;
  for (const data::FirmRecord& f : firms)
    if (data::firm_directory(*ctx, f.directory) == ctx->firm_dir) current_allowed = true;
  if (asked && firms.size() > 1) {
    // Chosen from the list at start: then the year to work in, the year of
    // today's date proposed.
    if (!change_firm(ctx)) return current_allowed ? 0 : -1;
    ask_working_year(ctx, ctx->today.year);
    return 1;
  }
  if (current_allowed) return 0;
  // The firm opened by default is not his: the first of his firms instead.
  const FirmPlace before = FirmPlace::of(*ctx);
  if (enter_firm_directory(ctx, firms.front().directory, firms.front().short_name) && reload_firm_name(ctx)) {
    show_title(ctx);
    return 1;
  }
  before.restore(*ctx);
  return -1;
}

}  // namespace skolvarin::frame
