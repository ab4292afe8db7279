#include "host/browse/picture.h"
#include "host/text/utf8.h"

#include <cstdio>
#include <cstdlib>

#include "host/api/calendar.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"

namespace skolvarin::browse {

namespace {

using text::utf8_encode;
using text::utf8_decode;

bool digit(char32_t c) { return c >= U'0' && c <= U'9'; }


bool letter(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= 0xC0 && c < 0x250);
}

bool is_date_mask(std::u32string_view m) {
  bool d = false, mo = false, y = false;
  for (char32_t c : m) {
    if (c == U'D') d = true;
    if (c == U'M') mo = true;
    if (c == U'Y') y = true;
  }
  return d && mo && y;
}

bool mask_char(char32_t c, bool date) {
  if (date) return c == U'D' || c == U'M' || c == U'Y' || c == U'C';
  return c == U'9' || c == U'A' || c == U'X' || c == U'!';
}

std::u32string trim_u32(const std::u32string& s) {
  size_t b = s.find_first_not_of(U' ');
  if (b == std::u32string::npos) return {};
  size_t e = s.find_last_not_of(U' ');
  return s.substr(b, e - b + 1);
}

std::u32string pad_right(std::u32string s, size_t w) {
  if (s.size() > w) s.resize(w);
  s.append(w - s.size(), U' ');
  return s;
}

std::u32string pad_left(std::u32string s, size_t w) {
  if (s.size() > w) s = s.substr(s.size() - w);
  return std::u32string(w - s.size(), U' ') + s;
}

}  // namespace

int century_year(int yy) { return yy < 80 ? 2000 + yy : 1900 + yy; }

Picture::Picture(std::string_view picture, char field_type, int field_width, int decimals)
    : type_(field_type), decimals_(decimals) {
  std::u32string p = utf8_decode(picture);
  if (field_type == 'L') {
    kind_ = PictureKind::Logical;
    mask_ = U"!";
    return;
  }
  if (field_type == 'D' && (p.empty() || !is_date_mask(p))) p = U"DD-MM-CCYY";
  if (is_date_mask(p)) {
    kind_ = PictureKind::Date;
    mask_ = p;
    return;
  }
  bool numeric_mask = !p.empty();
  for (char32_t c : p)
    if (c != U'9' && c != U'.' && c != U',') numeric_mask = false;
  if (field_type == 'N' && (p.empty() || numeric_mask)) {
    kind_ = PictureKind::Number;
    if (p.empty()) {
      mask_.assign(static_cast<size_t>(field_width > 0 ? field_width : 10), U'9');
    } else {
      mask_ = p;
      size_t dot = p.find_first_of(U".,");
      decimals_ = dot == std::u32string::npos ? 0 : static_cast<int>(p.size() - dot - 1);
    }
    return;
  }
  if (p.find(U'.') != std::u32string::npos && numeric_mask) {
    // A number picture on a text field.
    kind_ = PictureKind::Number;
    mask_ = p;
    decimals_ = static_cast<int>(p.size() - p.find(U'.') - 1);
    return;
  }
  if (p.empty()) {
    kind_ = PictureKind::Free;
    mask_.assign(static_cast<size_t>(field_width > 0 ? field_width : 1), U'X');
    return;
  }
  kind_ = PictureKind::Mask;
  mask_ = p;
}

bool Picture::literal(int pos) const {
  if (pos < 0 || pos >= width()) return false;
  if (kind_ == PictureKind::Number || kind_ == PictureKind::Free || kind_ == PictureKind::Logical) return false;
  return !mask_char(mask_[static_cast<size_t>(pos)], kind_ == PictureKind::Date);
}

char32_t Picture::accept(int pos, char32_t ch) const {
  if (pos < 0 || pos >= width() || ch < 32) return 0;
  switch (kind_) {
    case PictureKind::Free:
      return ch;
    case PictureKind::Logical: {
      char32_t u = text::upper_char(ch);
      return (u == U'T' || u == U'N' || u == U'Y' || u == U'F' || u == U' ') ? u : 0;
    }
    case PictureKind::Number:
      if (ch == U',') ch = U'.';
      return (digit(ch) || ch == U'-' || ch == U'.' || ch == U' ') ? ch : 0;
    case PictureKind::Date:
      if (literal(pos)) return 0;
      return (digit(ch) || ch == U' ') ? ch : 0;
    case PictureKind::Mask: {
      char32_t m = mask_[static_cast<size_t>(pos)];
      if (m == U'9') return (digit(ch) || ch == U' ') ? ch : 0;
      if (m == U'A') return (letter(ch) || ch == U' ') ? ch : 0;
      if (m == U'!') return text::upper_char(ch);
      if (m == U'X') return ch;
      return 0;
    }
  }
  return 0;
}

std::u32string Picture::blank() const {
  std::u32string out(mask_.size(), U' ');
  for (size_t i = 0; i < mask_.size(); ++i)
    if (literal(static_cast<int>(i))) out[i] = mask_[i];
  return out;
}

std::u32string Picture::shown(std::string_view stored) const {
  size_t w = mask_.size();
  std::u32string s = utf8_decode(stored);
  switch (kind_) {
    case PictureKind::Free:
    case PictureKind::Logical:
      return pad_right(s, w);
    case PictureKind::Number: {
      std::u32string t = trim_u32(s);
      if (t.empty()) return std::u32string(w, U' ');
      double v = std::strtod(utf8_encode(t).c_str(), nullptr);
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.*f", decimals_, v);
      return pad_left(utf8_decode(buf), w);
    }
    case PictureKind::Date: {
      Date d;
      if (!from_dbf(stored, d) || d.empty()) return blank();
      std::u32string out = blank();
      char yyyy[8], dd[4], mm[4];
      std::snprintf(yyyy, sizeof yyyy, "%04d", d.year % 10000);
      std::snprintf(dd, sizeof dd, "%02d", d.day);
      std::snprintf(mm, sizeof mm, "%02d", d.month);
      // Fill each letter's positions from the right end of its digits.
      auto fill = [&](char32_t letter, const char* digits_all, int from_end_skip) {
        std::string ds = digits_all;
        int n = 0;
        for (char32_t c : mask_) if (c == letter) ++n;
        // positions of this letter, left to right, take the last n digits
        // (after skipping from_end_skip digits at the end).
        int total = static_cast<int>(ds.size()) - from_end_skip;
        int start = total - n;
        int k = 0;
        for (size_t i = 0; i < mask_.size(); ++i)
          if (mask_[i] == letter) {
            int at = start + k++;
            out[i] = (at >= 0 && at < total) ? static_cast<char32_t>(ds[static_cast<size_t>(at)]) : U'0';
          }
      };
      fill(U'D', dd, 0);
      fill(U'M', mm, 0);
      fill(U'Y', yyyy, 0);
      fill(U'C', yyyy, 2);
      return out;
    }
    case PictureKind::Mask: {
      std::u32string t = s;
      while (!t.empty() && t.back() == U' ') t.pop_back();
      bool with_literals = t.size() <= w;
      for (size_t i = 0; with_literals && i < t.size(); ++i)
        if (literal(static_cast<int>(i)) && t[i] != mask_[i]) with_literals = false;
      if (with_literals) {
        std::u32string out = blank();
        for (size_t i = 0; i < t.size(); ++i) out[i] = t[i];
        return out;
      }
      std::u32string out = blank();
      size_t k = 0;
      for (size_t i = 0; i < w && k < t.size(); ++i)
        if (!literal(static_cast<int>(i))) out[i] = t[k++];
      return out;
    }
  }
  return std::u32string(w, U' ');
}

bool Picture::parse(const std::u32string& edit_in, std::string& stored, std::string& error) const {
  std::u32string edit = pad_right(edit_in, mask_.size());
  switch (kind_) {
    case PictureKind::Free:
    case PictureKind::Logical:
      stored = utf8_encode(edit);
      return true;
    case PictureKind::Mask: {
      bool any = false;
      for (size_t i = 0; i < edit.size(); ++i)
        if (!literal(static_cast<int>(i)) && edit[i] != U' ') any = true;
      stored = any ? utf8_encode(edit) : std::string();
      return true;
    }
    case PictureKind::Number: {
      std::u32string t = trim_u32(edit);
      if (t.empty()) {
        stored.clear();
        return true;
      }
      std::string s;
      bool dot = false, digits = false;
      for (size_t i = 0; i < t.size(); ++i) {
        char32_t c = t[i] == U',' ? U'.' : t[i];
        if (c == U'-' && i == 0) s += '-';
        else if (c == U'.' && !dot) {
          dot = true;
          s += '.';
        } else if (digit(c)) {
          digits = true;
          s += static_cast<char>(c);
        } else {
          error = "Błędna liczba !";
          return false;
        }
      }
      if (!digits) {
        error = "Błędna liczba !";
        return false;
      }
      if (dot && static_cast<int>(s.size() - s.find('.') - 1) > decimals_) {
        error = decimals_ == 0 ? "Liczba nie może mieć części ułamkowej !"
                               : "Za dużo miejsc po przecinku (najwyżej " + std::to_string(decimals_) + ") !";
        return false;
      }
      stored = s;
      return true;
    }
    case PictureKind::Date: {
      std::string dd, mm, yy, cc;
      bool any = false;
      for (size_t i = 0; i < mask_.size(); ++i) {
        if (literal(static_cast<int>(i))) continue;
        char32_t c = edit[i];
        if (c != U' ') any = true;
        char ch = digit(c) ? static_cast<char>(c) : ' ';
        if (mask_[i] == U'D') dd += ch;
        else if (mask_[i] == U'M') mm += ch;
        else if (mask_[i] == U'Y') yy += ch;
        else if (mask_[i] == U'C') cc += ch;
      }
      if (!any) {
        stored = "        ";
        return true;
      }
      auto num = [](const std::string& s, int& out) {
        std::string t;
        for (char c : s)
          if (c != ' ') t += c;
        if (t.empty()) return false;
        out = std::atoi(t.c_str());
        return true;
      };
      int day = 0, month = 0, year = 0, century = -1;
      bool ok = num(dd, day) && num(mm, month) && num(yy, year);
      if (ok && !cc.empty()) ok = num(cc, century);
      if (ok) {
        if (century >= 0) year += century * 100;
        else if (yy.size() <= 2) year = century_year(year);
      }
      Date d{year, month, day};
      if (!ok || !is_valid_date(d)) {
        error = "Błędna data !";
        return false;
      }
      stored = to_dbf(d);
      return true;
    }
  }
  return false;
}

}  // namespace skolvarin::browse
