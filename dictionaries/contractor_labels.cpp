#include "dictionaries/contractor_labels.h"

#include <string>
#include <vector>

#include "dictionaries/label_sheet.h"
#include "dictionaries/register_frame.h"
#include "host/api/print_api.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kLayoutForm = 41;
constexpr int kLayoutRows = 23;
constexpr int kSettingRows = 9;
constexpr int kValueCol = 56;

// The first n characters of a UTF-8 text.
std::string first_chars(const std::string& s, int n) {
  size_t i = 0;
  for (int count = 0; i < s.size() && count < n; ++count) {
    unsigned char c = s[i];
    i += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  }
  return s.substr(0, i);
}

// The layout the user chose last in this run.
LabelLayout& remembered() {
  static LabelLayout layout;
  return layout;
}

std::vector<std::string> form_rows() {
  std::vector<std::string> rows;
  PrintBuffer *work = nullptr, *original = nullptr;
  if (print_alloc(&work, &original, kLayoutRows * 78, template_id(kLayoutForm), 78) == 0) {
    for (int r = 0; r < print_rows(work); ++r) rows.push_back(print_row(work, r));
    print_free(&work, &original);
  }
  rows.resize(kLayoutRows);
  return rows;
}

// The layout dialog; false when left with Esc.
bool ask_layout(LabelLayout& l) {
  std::vector<std::string> rows = form_rows();
  int window = DefineWprowadzWindow(kLayoutRows, 78, " Naklejki ");
  if (window < 0) return false;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  int* values[] = {&l.per_row, &l.left, &l.width, &l.gap, &l.top, &l.height, &l.row_gap, &l.rows_per_page};
  std::vector<Widget*> numbers;
  for (int r = 0; r < kSettingRows; ++r) {
    std::string label = first_chars(rows[static_cast<size_t>(r)], kValueCol);
    if (r < 8) {
      Widget* w = DefineWigetEx(&set, r, 0, label.c_str(), 3, WIDGET_NUMBER, "999");
      WigetSetString(w, std::to_string(*values[r]).c_str());
      numbers.push_back(w);
    } else {
      Widget* w = DefineWigetEx(&set, r, 0, label.c_str(), 1, WIDGET_YESNO);
      WigetSetString(w, l.with_code ? "T" : "N");
    }
  }
  for (int r = kSettingRows; r < kLayoutRows; ++r)
    DefineWigetEx(&set, r, 0, rows[static_cast<size_t>(r)].c_str(), 0, WIDGET_LABEL);
  int key = ActivateWindow(window, &set);
  if (key == skolvarin::keys::F2) {
    for (int r = 0; r < 8; ++r) *values[r] = static_cast<int>(WigetAsLong(numbers[static_cast<size_t>(r)]));
    l.with_code = set.widgets[8]->value == "T";
  }
  FreeWigets(&set);
  w4close(window);
  return key == skolvarin::keys::F2;
}

std::vector<LabelText> collect(BROWSE* b, bool with_code) {
  std::vector<LabelText> labels;
  data::TableHandles& t = table("W3KHNT.DBF");
  long keep = d4recno(t.data);
  X4FILTER scan;
  auto* frame = static_cast<RegisterFrame*>(b->user);
  x4init(&scan, t.data, frame && frame->has_filters ? FilterFunction : nullptr,
         frame && frame->has_filters ? &frame->filters : nullptr);
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) {
    if (d4deleted(t.data)) continue;
    LabelText lab;
    if (with_code) lab.push_back(f4trim(t.field("KOD")));
    for (const char* name : {"NA1", "NA2", "ULI"}) {
      std::string v = f4trim(t.field(name));
      if (!v.empty()) lab.push_back(v);
    }
    std::string city = f4trim(t.field("KOP"));
    std::string mia = f4trim(t.field("MIA"));
    if (!mia.empty()) city += (city.empty() ? "" : " ") + mia;
    if (!city.empty()) lab.push_back(city);
    labels.push_back(lab);
  }
  if (keep > 0 && keep <= d4reccount(t.data)) d4go(t.data, keep);
  return labels;
}

}  // namespace

int labels_item(int) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  LabelLayout layout = remembered();
  if (!ask_layout(layout)) return 0;
  remembered() = layout;
  std::vector<LabelText> labels = collect(b, layout.with_code);
  if (labels.empty()) {
    MessageWindow(2, 0, "Brak kontrahentów do wydruku !", 0);
    return 0;
  }
  if (init_prn(data::state().ctx, "NAKLEJKI", "Naklejki adresowe") != 0) return -1;
  for (const std::string& line : lay_out_labels(layout, labels)) {
    if (line == "\f") drukuj_form_feed();
    else print_line(line.c_str());
  }
  deinit_prn(1);
  browse_call(0, 0);
  return 0;
}

}  // namespace skolvarin::dictionaries
