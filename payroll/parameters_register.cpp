// Payroll parameters (" Parametry "): the five-page form of the three
// payroll settings groups of the working year.  The form edits a work
// record holding every key; F2 asks whether to save and writes the groups
// in the order payroll parameters, ZUS settings, calendar of the working
// year; Esc leaves without writing.  Pages turn with PgUp and PgDn, with Up
// from a page's first field and Down from its last, and do not wrap.
#include <cstdio>
#include <string>
#include <vector>

#include "data/module_state.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "payroll/payroll_settings.h"

namespace skolvarin::payroll {

namespace {

constexpr int kPageRows = 23;
constexpr int kTitle = 147;        // "Parametry płacowe %d"
constexpr int kSaveQuestion = 50003;
constexpr const char* kWorkFile = "TmpPAPL.DBF";

enum class Kind { Number, YesNo, TakNie, Account, Text, Date, Parental };

struct Place {
  int row, col;
  char group;  // 'P' payroll parameters, 'Z' ZUS settings, 'C' calendar
  int key;
  const char* picture;
  Kind kind;
};

constexpr Place kPlaces[] = {
    {1, 30, 'P', 1, "99999.99", Kind::Number},
    {1, 69, 'P', 98, "99999.99", Kind::Number},
    {2, 30, 'P', 2, "99999.99", Kind::Number},
    {3, 30, 'P', 45, "99999.99", Kind::Number},
    {3, 69, 'P', 69, "99999.99", Kind::Number},
    {4, 30, 'P', 70, "99999.99", Kind::Number},
    {4, 69, 'P', 46, "99999.99", Kind::Number},
    {5, 30, 'P', 71, "99999.99", Kind::Number},
    {6, 30, 'P', 3, "99.99", Kind::Number},
    {6, 69, 'P', 5, "99.99", Kind::Number},
    {7, 30, 'P', 6, "99.99", Kind::Number},
    {7, 69, 'P', 12, "99.99", Kind::Number},
    {8, 69, 'P', 72, "", Kind::YesNo},
    {10, 30, 'P', 38, "999.99", Kind::Number},
    {10, 69, 'P', 39, "999.99", Kind::Number},
    {11, 30, 'P', 40, "999.99", Kind::Number},
    {11, 69, 'P', 88, "999.99", Kind::Number},
    {12, 30, 'P', 89, "999.99", Kind::Number},
    {12, 69, 'P', 90, "999.99", Kind::Number},
    {14, 30, 'P', 41, "999.99", Kind::Number},
    {14, 69, 'P', 42, "999.99", Kind::Number},
    {15, 30, 'P', 43, "999.99", Kind::Number},
    {17, 30, 'P', 47, "99.99", Kind::Number},
    {17, 69, 'P', 48, "99.99", Kind::Number},
    {18, 30, 'P', 49, "99.99", Kind::Number},
    {18, 69, 'P', 50, "99.99", Kind::Number},
    {19, 30, 'P', 51, "99.99", Kind::Number},
    {19, 69, 'Z', 52, "99.99", Kind::Number},
    {20, 30, 'P', 53, "99.99", Kind::Number},
    {20, 69, 'P', 73, "99.99", Kind::Number},
    {25, 0, 'Z', 1, "", Kind::Text},
    {26, 69, 'Z', 51, "", Kind::YesNo},
    {27, 69, 'Z', 26, "", Kind::YesNo},
    {28, 69, 'Z', 27, "", Kind::YesNo},
    {29, 69, 'P', 37, "99", Kind::Number},
    {30, 69, 'P', 44, "999", Kind::Number},
    {31, 69, 'P', 91, "99", Kind::Number},
    {32, 69, 'P', 92, "99", Kind::Number},
    {33, 69, 'P', 54, "999999.99", Kind::Number},
    {34, 69, 'P', 55, "99999.99", Kind::Number},
    {35, 69, 'P', 99, "99999.99", Kind::Number},
    {36, 69, 'P', 56, "99.99", Kind::Number},
    {37, 69, 'P', 57, "99.99", Kind::Number},
    {38, 69, 'P', 61, "", Kind::TakNie},
    {39, 69, 'P', 62, "", Kind::TakNie},
    {40, 69, 'P', 67, "", Kind::YesNo},
    {41, 69, 'P', 86, "99", Kind::Number},
    {42, 69, 'P', 87, "99.99", Kind::Number},
    {48, 17, 'C', 1, "999", Kind::Number},
    {48, 32, 'C', 13, "99", Kind::Number},
    {48, 50, 'C', 25, "DD-MM/YY", Kind::Date},
    {49, 17, 'C', 2, "999", Kind::Number},
    {49, 32, 'C', 14, "99", Kind::Number},
    {49, 50, 'C', 26, "DD-MM/YY", Kind::Date},
    {50, 17, 'C', 3, "999", Kind::Number},
    {50, 32, 'C', 15, "99", Kind::Number},
    {50, 50, 'C', 27, "DD-MM/YY", Kind::Date},
    {51, 17, 'C', 4, "999", Kind::Number},
    {51, 32, 'C', 16, "99", Kind::Number},
    {51, 50, 'C', 28, "DD-MM/YY", Kind::Date},
    {52, 17, 'C', 5, "999", Kind::Number},
    {52, 32, 'C', 17, "99", Kind::Number},
    {52, 50, 'C', 29, "DD-MM/YY", Kind::Date},
    {53, 17, 'C', 6, "999", Kind::Number},
    {53, 32, 'C', 18, "99", Kind::Number},
    {53, 50, 'C', 30, "DD-MM/YY", Kind::Date},
    {54, 17, 'C', 7, "999", Kind::Number},
    {54, 32, 'C', 19, "99", Kind::Number},
    {54, 50, 'C', 31, "DD-MM/YY", Kind::Date},
    {55, 17, 'C', 8, "999", Kind::Number},
    {55, 32, 'C', 20, "99", Kind::Number},
    {55, 50, 'C', 32, "DD-MM/YY", Kind::Date},
    {56, 17, 'C', 9, "999", Kind::Number},
    {56, 32, 'C', 21, "99", Kind::Number},
    {56, 50, 'C', 33, "DD-MM/YY", Kind::Date},
    {57, 17, 'C', 10, "999", Kind::Number},
    {57, 32, 'C', 22, "99", Kind::Number},
    {57, 50, 'C', 34, "DD-MM/YY", Kind::Date},
    {58, 17, 'C', 11, "999", Kind::Number},
    {58, 32, 'C', 23, "99", Kind::Number},
    {58, 50, 'C', 35, "DD-MM/YY", Kind::Date},
    {59, 17, 'C', 12, "999", Kind::Number},
    {59, 32, 'C', 24, "99", Kind::Number},
    {59, 50, 'C', 36, "DD-MM/YY", Kind::Date},
    {60, 69, 'C', 37, "99", Kind::Number},
    {61, 69, 'Z', 47, "", Kind::Account},
    {62, 69, 'Z', 49, "", Kind::Account},
    {63, 69, 'P', 17, "99999.99", Kind::Parental},
    {64, 69, 'P', 18, "99999.99", Kind::Parental},
    {65, 69, 'P', 19, "99999.99", Kind::Parental},
    {66, 69, 'P', 20, "99999.99", Kind::Parental},
    {67, 69, 'P', 21, "99999.99", Kind::Parental},
    {71, 69, 'P', 7, "99.99", Kind::Number},
    {72, 69, 'P', 8, "99.99", Kind::Number},
    {73, 69, 'Z', 50, "", Kind::Account},
    {75, 69, 'P', 68, "", Kind::YesNo},
    {76, 69, 'P', 10, "99999.99", Kind::Number},
    {77, 69, 'P', 11, "99.99", Kind::Number},
    {78, 69, 'Z', 44, "", Kind::Account},
    {80, 69, 'Z', 28, "", Kind::Account},
    {81, 38, 'P', 63, "", Kind::Text},
    {82, 46, 'P', 64, "", Kind::Text},
    {83, 46, 'P', 65, "", Kind::Text},
    {84, 46, 'P', 66, "", Kind::Text},
    {85, 46, 'P', 13, "", Kind::Text},
    {94, 69, 'P', 93, "99.99", Kind::Number},
    {95, 69, 'P', 94, "99.99", Kind::Number},
    {96, 69, 'P', 95, "99.99", Kind::Number},
    {97, 69, 'P', 96, "99.99", Kind::Number},
    {98, 69, 'P', 97, "99.99", Kind::Number},
    {100, 69, 'P', 14, "99999.99", Kind::Number},
    {101, 69, 'P', 15, "99999.99", Kind::Number},
    {102, 69, 'P', 16, "99999.99", Kind::Number},
};

const std::vector<std::string> kTakNie = {"1. TAK", "2. NIE"};
const std::vector<std::string> kAccounts = {"1. PODSTAWOWE  ", "2. POMOCNICZE 1", "3. POMOCNICZE 2",
                                            "4. POMOCNICZE 3", "5. POMOCNICZE 4"};

// One key of one group bound to its value in the loaded blocks.
struct Bound {
  const Place* place = nullptr;
  SettingType type = SettingType::Double;
  int width = 0;
  double* d = nullptr;
  int* i = nullptr;
  std::string* s = nullptr;
  std::string field_name;
};

template <class Block>
bool bind(const Place& p, Block& block, std::span<const SettingKey<Block>> keys, Bound& out) {
  for (const auto& k : keys)
    if (k.key == p.key) {
      out.type = k.type;
      out.width = k.width;
      out.d = k.double_in(block);
      out.i = k.int_in(block);
      out.s = k.text_in(block);
      return true;
    }
  return false;
}

std::string field_name(const Place& p) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%c%03d", p.group, p.key % 1000);
  return buf;
}

// "DD-MM/YY" as the calendar keeps it <-> YYYYMMDD of a date field.
std::string to_dbf_date(const std::string& s) {
  if (s.size() != 8 || s[2] != '-' || s[5] != '/') return "";
  int yy = std::atoi(s.substr(6, 2).c_str());
  return std::to_string(yy < 80 ? 2000 + yy : 1900 + yy) + s.substr(3, 2) + s.substr(0, 2);
}
std::string from_dbf_date(const std::string& s) {
  if (s.size() != 8 || s[0] == ' ') return "";
  return s.substr(6, 2) + "-" + s.substr(4, 2) + "/" + s.substr(2, 2);
}

int parameters_main() {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  const int year = data::working_year(ctx);
  PayrollSettings edited = payroll_settings();
  std::vector<Bound> bound;
  for (const Place& p : kPlaces) {
    if (p.kind == Kind::Parental && year <= 2011) continue;
    Bound b;
    b.place = &p;
    bool ok = p.group == 'P'   ? bind<PayrollParameters>(p, edited.parameters, payroll_parameter_keys(year), b)
              : p.group == 'Z' ? bind<ZusSettings>(p, edited.zus, zus_setting_keys(), b)
                               : bind<WorkCalendar>(p, edited.calendar, calendar_keys(year), b);
    if (!ok) continue;
    b.field_name = field_name(p);
    bound.push_back(b);
  }
  // The work record: one field per key.
  AllocDbfDefinition(ctx);
  for (const Bound& b : bound) {
    int field_def = 0;
    if (b.place->kind == Kind::Date) field_def = (8 << 8) + 3;
    else if (b.type == SettingType::Double) field_def = (11 << 8) + (2 << 4) + 1;
    else if (b.type == SettingType::Integer) field_def = (5 << 8) + 1;
    else field_def = (std::max(1, b.width) << 8) + 2;
    DefineField(ctx, PackFieldName(b.field_name.c_str()), field_def);
  }
  DefineField(ctx, PackFieldName("TIT"), (40 << 8) + 2);
  TAG4INFO* tags = nullptr;
  DATA4* work = d4create(ctx, kWorkFile, GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0)), nullptr);
  ReleaseDbfDefinition(ctx);
  if (!work) return 0;
  d4append_start(work);
  for (const Bound& b : bound) {
    FIELD4* f = d4field(work, b.field_name.c_str());
    if (b.place->kind == Kind::Date) f4assign(f, to_dbf_date(*b.s).c_str());
    else if (b.d) f4assign_double(f, *b.d);
    else if (b.i) f4assign_int(f, *b.i);
    else if (b.s) f4assign(f, b.s->c_str());
  }
  const std::string title = PrintfQStr(RcQStr(kTitle), year);
  FIELD4* f_title = d4field(work, "TIT");
  f4assign(f_title, title.c_str());
  d4append(work);
  d4go(work, 1);
  // The title with the year heads every page (the form fills the screen).
  TextCtrlDefinition texts;
  ResetTextCtrlDefinition(&texts);
  for (int page = 0; page < 5; ++page) DefineTextCtrl(&texts, page * kPageRows, 0, f_title, 0);
  // The parental-leave bases exist only after 2011: their labels with them.
  static const char* const kParentalLabels[] = {
      "podstawa emeryt.-rent. urlopu wychowawczego: styczeń,luty.........",
      "marzec,kwiecień, maj...............................................",
      "czerwiec,lipiec,sierpień...........................................",
      "wrzesień,październik,listopad......................................",
      "grudzień...........................................................",
  };
  for (const Bound& b : bound)
    if (b.place->kind == Kind::Parental) {
      TextControl* label = DefineTextCtrl(&texts, b.place->row, 0, f_title, 0);
      std::string text = kParentalLabels[b.place->key - 17];
      label->show = [text](const std::string&) { return text; };
    }

  EditCtrlDefinition edits;
  ResetEditCtrlDefinition(&edits);
  for (const Bound& b : bound) {
    const Place& p = *b.place;
    FIELD4* f = d4field(work, b.field_name.c_str());
    EditControl* c = DefineEditCtrl(&edits, p.row, p.col, f, p.kind == Kind::YesNo ? EDIT_UPPER : 0);
    if (*p.picture) c->picture = p.picture;
    switch (p.kind) {
      case Kind::YesNo: c->chooser = wybierz_tak_nie; c->chooser_mode = 1; break;
      case Kind::TakNie:
        c->chooser = lista_wyboru(kTakNie);
        c->chooser_mode = 1;
        c->show = [](const std::string& t) { int v = std::atoi(t.c_str()); return v == 1 ? kTakNie[0] : v == 2 ? kTakNie[1] : t; };
        break;
      case Kind::Account:
        c->chooser = lista_wyboru(kAccounts);
        c->chooser_mode = 1;
        c->show = [](const std::string& t) {
          int v = std::atoi(t.c_str());
          return v >= 1 && v <= 5 ? kAccounts[static_cast<size_t>(v - 1)] : t;
        };
        break;
      default: break;
    }
    if (p.group == 'P' && p.key == 54) c->valid = valid_wart_dodat;
  }
  ScrollDefinition scroll;
  ResetScrollDefinition(&scroll, 80);
  DefineScrollColumn(&scroll, d4field_j(work, 1), 0, "");
  BROWSE* browse = nullptr;
  if (allocate_browse(&browse, work, nullptr, &scroll, -1) == 0) {
    browse->ctx = ctx;
    browse->edit_controls = &edits;
    browse->text_controls = &texts;
    browse->title = title;
    browse->form_template = dictionaries::template_id(128);
    browse->form_rows = kPageRows;
    for (int page = 0; page < 5; ++page)
      browse->form_pages.push_back({dictionaries::template_id(128), kPageRows, page * kPageRows});
    int key = browse_form(browse, BROWSE_MODIFY);
    if (key == 15360 && Pytanie(kSaveQuestion) == 13) {
      for (const Bound& b : bound) {
        FIELD4* f = d4field(work, b.field_name.c_str());
        if (b.place->kind == Kind::Date) *b.s = from_dbf_date(f4str(f));
        else if (b.d) *b.d = f4double(f);
        else if (b.i) *b.i = f4int(f);
        else if (b.s) *b.s = f4trim(f);
      }
      PayrollSettings& live = payroll_settings();
      live.parameters = edited.parameters;
      live.zus = edited.zus;
      live.calendar = edited.calendar;
      if (save_payroll_parameters(ctx, year) == 0 && save_zus_settings(ctx) == 0) save_calendar(ctx, year);
    }
    free_browse(browse);
  }
  d4close(work);
  EnvFileRemove(ctx, kWorkFile);
  return 0;
}

const frame::RegisterProvider provider(frame::RegisterId::PayrollParameters, parameters_main);

}  // namespace

}  // namespace skolvarin::payroll
