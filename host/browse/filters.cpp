// Filters of a register: their definitions, the test of one record against
// them, the status line, the filters window and the values kept for the run.
#include <algorithm>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "host/text/utf8.h"
#include "host/browse/browse_internal.h"
#include "host/browse/edit_line.h"
#include "host/db/db_handles.h"
#include "host/api/calendar.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"

namespace skolvarin::browse {
namespace {

namespace k = skolvarin::keys;

std::map<std::string, std::vector<std::string>>& kept() {
  static std::map<std::string, std::vector<std::string>> m;
  return m;
}

std::string upper_trim(std::string_view s) { return text::utf8_upper(text::trim(s)); }

bool is_choice(const Filter& f) { return f.kind == FILTER_CHOICE || f.kind == FILTER_CHOICE2; }

std::string date_shown(const std::string& yyyymmdd) {
  Date d;
  if (!from_dbf(yyyymmdd, d) || d.empty()) return {};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", d.day, d.month, d.year);
  return buf;
}

// The value of a filter as the window and the status line show it.
std::string value_shown(const Filter& f) {
  if (f.value.empty()) return {};
  if (f.kind == FILTER_DATE) return date_shown(f.value);
  if (is_choice(f)) {
    int i = std::atoi(f.value.c_str()) - 1;
    if (i >= 0 && i < static_cast<int>(f.extras.choices.size()))
      return std::string(text::trim(f.extras.choices[static_cast<size_t>(i)]));
    return {};
  }
  return f.value;
}

int value_width(const Filter& f) {
  switch (f.kind) {
    case FILTER_DATE: return 10;
    case FILTER_MARK: return 1;
    case FILTER_NUMBER: return f.extras.picture.empty() ? 10 : static_cast<int>(f.extras.picture.size());
    case FILTER_CHOICE:
    case FILTER_CHOICE2: {
      int w = 1;
      for (const auto& c : f.extras.choices) w = std::max(w, static_cast<int>(text::utf8_length(c)));
      return w;
    }
    default: return std::clamp(f.field ? f4len(f.field) : 20, 1, 40);
  }
}

Picture picture_of(const Filter& f) {
  switch (f.kind) {
    case FILTER_DATE: return Picture(f.extras.picture.empty() ? "DD-MM-CCYY" : f.extras.picture, 'D', 8, 0);
    case FILTER_NUMBER: return Picture(f.extras.picture.empty() ? "9999999999" : f.extras.picture, 'N', 10, 0);
    case FILTER_MARK: return Picture("!", 'C', 1, 0);
    default: return Picture("", 'C', value_width(f), 0);
  }
}

}  // namespace

// Does the loaded record pass filter f?  (Off filters pass everything.)
bool filter_passes(const Filter& f) {
  if (f.value.empty() || !f.field) return true;
  switch (f.kind) {
    case FILTER_DATE: {
      std::string v = f4str(f.field);
      if (v == "        " || v.empty()) return false;
      bool upper = f.option == 2 || f.option == 6;
      return upper ? v <= f.value : v >= f.value;
    }
    case FILTER_MARK: {
      std::string v = upper_trim(f4str(f.field));
      std::string want = upper_trim(f.value);
      if (v.empty() && f.option == 24) v = upper_trim(f.extras.value.empty() ? "T" : f.extras.value);
      return v == want;
    }
    case FILTER_TEXT: {
      if (f.extras.compare) return f.extras.compare(f.field, f.value) == ROW_PASSES;
      std::string v = upper_trim(f4str(f.field));
      std::string want = upper_trim(f.value);
      if (f.option == 1) return v.compare(0, want.size(), want) == 0;
      return v == want;
    }
    case FILTER_CHOICE:
    case FILTER_CHOICE2: {
      int i = std::atoi(f.value.c_str());
      if (f4type(f.field) == 'N') return f4int(f.field) == i;
      if (i < 1 || i > static_cast<int>(f.extras.choices.size())) return true;
      std::string c(text::trim(f.extras.choices[static_cast<size_t>(i - 1)]));
      std::string v = upper_trim(f4str(f.field));
      return !c.empty() && !v.empty() && text::utf8_substr(text::utf8_upper(c), 0, 1) == text::utf8_substr(v, 0, 1);
    }
    case FILTER_NUMBER:
      return f4double(f.field) == std::strtod(f.value.c_str(), nullptr);
    case FILTER_VALUE:
    default:
      return upper_trim(f4str(f.field)) == upper_trim(f.value);
  }
}

}  // namespace skolvarin::browse

using namespace skolvarin::browse;
namespace sk = skolvarin;

int ResetFiltersDefinition(FiltersDefinition* def) {
  if (!def) return -1;
  def->filters.clear();
  return 0;
}

Filter* DefineFilter(FiltersDefinition* def, FIELD4* field, const char* label, const char* short_label, int kind,
                     int option, FilterExtras extras) {
  if (!def) return nullptr;
  auto f = std::make_unique<Filter>();
  f->field = field;
  f->label = label ? label : "";
  f->short_label = short_label ? short_label : "";
  f->kind = kind;
  f->option = option;
  f->extras = std::move(extras);
  if (f->short_label.empty() && kind == FILTER_DATE) f->short_label = (option == 2 || option == 6) ? " do:" : " od:";
  def->filters.push_back(std::move(f));
  return def->filters.back().get();
}

int FilterFunction(void* filters) {
  auto* def = static_cast<FiltersDefinition*>(filters);
  if (!def) return r4keep;
  for (const auto& f : def->filters)
    if (!filter_passes(*f)) return r4ignore;
  return r4keep;
}

int FiltersActive(const FiltersDefinition* def) {
  if (!def) return 0;
  for (const auto& f : def->filters)
    if (!f->value.empty()) return 1;
  return 0;
}

std::string FilterStatusLine(const FiltersDefinition* def) {
  std::string out;
  if (!def) return out;
  for (const auto& f : def->filters) {
    if (f->value.empty() || f->short_label.empty()) continue;
    out += f->short_label + value_shown(*f);
  }
  return out;
}

void ClearFilters(FiltersDefinition* def) {
  if (!def) return;
  for (auto& f : def->filters) f->value.clear();
}

void FreeFilters(FiltersDefinition* def) {
  if (def) def->filters.clear();
}

// Stored filters live in the firm's directory, one small file per register
// and user: <firm>/filtry/<key>_<user number>.flt, UTF-8 lines
// "<position> <kind> <value>" for the filters that are on.  A line whose
// kind does not match the filter at its position (the register changed its
// filters) is skipped.  Without a table (no context) the values are kept in
// memory for the run only.
namespace {

HostContext* context_of(const FiltersDefinition* def) {
  for (const auto& f : def->filters)
    if (f->field && f->field->data && f->field->data->ctx) return f->field->data->ctx;
  return nullptr;
}

std::string safe_key(const std::string& key) {
  std::string out;
  for (unsigned char c : key) out += (std::isalnum(c) || c == '-' || c == '_') ? static_cast<char>(c) : '_';
  return out;
}

std::filesystem::path filters_file(const HostContext* ctx, const std::string& key) {
  std::string base = !ctx->firm_dir.empty() ? ctx->firm_dir : ctx->current_dir;
  return std::filesystem::path(base) / "filtry" / (safe_key(key) + "_" + std::to_string(ctx->user_number) + ".flt");
}

}  // namespace

void SaveFilters(const FiltersDefinition* def) {
  if (!def || def->key.empty()) return;
  HostContext* ctx = context_of(def);
  if (!ctx) {
    std::vector<std::string> v;
    for (const auto& f : def->filters) v.push_back(f->value);
    kept()[def->key] = v;
    return;
  }
  std::filesystem::path file = filters_file(ctx, def->key);
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  std::filesystem::path tmp = file;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return;  // a read-only firm directory: the run keeps them
    for (size_t i = 0; i < def->filters.size(); ++i) {
      const Filter& f = *def->filters[i];
      if (f.value.empty() || f.value.find('\n') != std::string::npos) continue;
      out << i << ' ' << f.kind << ' ' << f.value << '\n';
    }
    if (!out) return;
  }
  std::filesystem::rename(tmp, file, ec);
}

int LoadFilters(FiltersDefinition* def) {
  if (!def || def->key.empty()) return 0;
  if (HostContext* ctx = context_of(def)) {
    std::ifstream in(filters_file(ctx, def->key), std::ios::binary);
    if (in) {
      for (auto& f : def->filters) f->value.clear();
      std::string line;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t a = line.find(' ');
        size_t b = a == std::string::npos ? a : line.find(' ', a + 1);
        if (b == std::string::npos) continue;
        char* end = nullptr;
        long pos = std::strtol(line.c_str(), &end, 10);
        if (end != line.c_str() + a) continue;
        int kind = std::atoi(line.c_str() + a + 1);
        if (pos < 0 || pos >= static_cast<long>(def->filters.size())) continue;
        Filter& f = *def->filters[static_cast<size_t>(pos)];
        if (f.kind != kind) continue;
        f.value = line.substr(b + 1);
      }
      return 1;
    }
    return 0;
  }
  auto it = kept().find(def->key);
  if (it == kept().end()) return 0;
  for (size_t i = 0; i < def->filters.size() && i < it->second.size(); ++i) def->filters[i]->value = it->second[i];
  return 1;
}

int OpenFiltersWindow(FiltersDefinition* def) {
  if (!def || def->filters.empty()) return 27;
  if (!screen()) return 27;
  std::vector<std::string> saved;
  for (const auto& f : def->filters) saved.push_back(f->value);
  int n = static_cast<int>(def->filters.size());
  int label_w = 0, value_w = 0;
  for (const auto& f : def->filters) {
    label_w = std::max(label_w, static_cast<int>(sk::text::utf8_length(f->label)));
    value_w = std::max(value_w, value_width(*f));
  }
  int inner_w = std::min(label_w + 1 + value_w + 2, w4screen_cols() - 2);
  int top = std::max(2, (w4screen_rows() - n - 2) / 2);
  int left = (w4screen_cols() - inner_w - 2) / 2;
  int win = w4define(top, left, top + n + 1, left + inner_w + 1);
  w4border(win, 2);
  w4title(win, " Filtry ");
  int saved_win = w4select(win);
  w4activate(win);
  bool choosers = false;
  for (const auto& f : def->filters)
    if (is_choice(*f) || f->extras.picker || f->kind == FILTER_MARK) choosers = true;
  set_fun_help(choosers ? "F2-Zatwierdź  F4-Wybór  Del-Wyczyść  F8-Wyczyść wszystkie  Esc-Wyjście"
                        : "F2-Zatwierdź  Del-Wyczyść  F8-Wyczyść wszystkie  Esc-Wyjście");

  std::vector<EditLine> lines;
  for (const auto& f : def->filters) {
    Picture p = picture_of(*f);
    std::u32string t = f->kind == FILTER_DATE ? p.shown(f->value.empty() ? "        " : f->value)
                                              : sk::text::utf8_decode(value_shown(*f));
    lines.emplace_back(p, t, f->kind == FILTER_TEXT || f->kind == FILTER_MARK || f->kind == FILTER_VALUE, false);
  }
  // Stores line i into its filter; false (told) when refused.
  auto store = [&](int i, bool validate) {
    Filter& f = *def->filters[static_cast<size_t>(i)];
    EditLine& l = lines[static_cast<size_t>(i)];
    if (is_choice(f)) return true;
    std::string stored, error;
    if (!l.picture().parse(l.text(), stored, error)) {
      warn(error);
      return false;
    }
    std::string v(sk::text::trim(stored));
    if (validate && f.extras.valid && !v.empty()) {
      EditControl c;
      c.field = f.field;
      c.buffer = l.utf8();
      c.len = l.picture().width();
      if (f.extras.valid(&c) != 0) return false;
      v = std::string(sk::text::trim(c.buffer));
    }
    f.value = f.kind == FILTER_DATE && !v.empty() ? stored : v;
    return true;
  };
  auto choose = [&](int i) {
    Filter& f = *def->filters[static_cast<size_t>(i)];
    EditLine& l = lines[static_cast<size_t>(i)];
    if (is_choice(f)) {
      int cur = std::atoi(f.value.c_str()) - 1;
      int c = wybierz_z_listy(f.extras.choices, cur < 0 ? 0 : cur);
      if (c >= 0) {
        f.value = std::to_string(c + 1);
        l.set_text(sk::text::utf8_decode(value_shown(f)));
      }
    } else if (f.extras.picker) {
      EditControl c;
      c.field = f.field;
      c.buffer = l.utf8();
      c.len = l.picture().width();
      if (f.extras.picker(&c) == 0) {
        l.set_text(sk::text::utf8_decode(c.buffer));
        store(i, false);
      }
    } else if (f.kind == FILTER_MARK) {
      std::string mark = f.extras.value.empty() ? "T" : f.extras.value;
      f.value = f.value.empty() ? mark : "";
      l.set_text(sk::text::utf8_decode(f.value));
    }
    w4select(win);
  };

  int cur = 0, result = 27;
  for (;;) {
    w4select(win);
    w4clear(0);
    for (int i = 0; i < n; ++i) {
      put_text(i, 1, def->filters[static_cast<size_t>(i)]->label, 0);
      put_text(i, label_w + 2, lines[static_cast<size_t>(i)].utf8(), i == cur ? 1 : 5);
    }
    w4cursor(cur, label_w + 2 + std::min(lines[static_cast<size_t>(cur)].cursor(),
                                         lines[static_cast<size_t>(cur)].picture().width() - 1));
    int key = g4char();
    Filter& f = *def->filters[static_cast<size_t>(cur)];
    if (key == k::Esc) {
      for (int i = 0; i < n; ++i) def->filters[static_cast<size_t>(i)]->value = saved[static_cast<size_t>(i)];
      break;
    }
    if (key == k::F2) {
      bool ok = true;
      for (int i = 0; i < n && ok; ++i)
        if (!store(i, true)) {
          ok = false;
          cur = i;
        }
      if (!ok) continue;
      result = k::F2;
      SaveFilters(def);
      break;
    }
    if (key == k::Enter || key == k::Tab || key == k::Down) {
      if (is_choice(f) && key == k::Enter && f.value.empty()) {
        choose(cur);
        continue;
      }
      if (!store(cur, true)) continue;
      cur = (cur + 1) % n;
      continue;
    }
    if (key == k::Up || key == k::ShiftTab) {
      if (!store(cur, false)) continue;
      cur = (cur + n - 1) % n;
      continue;
    }
    if (key == k::F4 || (key == k::Space && (is_choice(f) || f.kind == FILTER_MARK))) {
      choose(cur);
      continue;
    }
    // Del empties the field the cursor is in, F8 every field.
    auto clear = [&](int i) {
      Filter& g = *def->filters[static_cast<size_t>(i)];
      EditLine& l = lines[static_cast<size_t>(i)];
      g.value.clear();
      l.set_text(g.kind == FILTER_DATE ? l.picture().shown("        ") : std::u32string());
    };
    if (key == k::Del) {
      clear(cur);
      continue;
    }
    if (key == k::F8) {
      for (int i = 0; i < n; ++i) clear(i);
      continue;
    }
    if (is_choice(f)) continue;
    if (f.extras.picker_mode == 1 && f.extras.picker && key >= 32 && key < 0x100) {
      choose(cur);
      continue;
    }
    lines[static_cast<size_t>(cur)].key(key);
  }
  remove_fun_help();
  w4cursor(-1, -1);
  w4close(win);
  w4select(saved_win);
  return result;
}
