#include "host/browse/edit_line.h"
#include "host/text/utf8.h"

#include "host/api/screen_api.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"

namespace skolvarin::browse {

namespace k = skolvarin::keys;

namespace {


bool text_key(int key) {
  if (key < 32 || key == 127) return false;
  if (key >= 0x100 && (key & 0xFF) == 0) return false;
  return key < 0x110000;
}

}  // namespace

EditLine::EditLine(Picture picture, std::u32string text, bool upper, bool replace_first)
    : picture_(std::move(picture)), upper_(upper), replace_first_(replace_first) {
  set_text(std::move(text));
  changed_ = false;
}

std::string EditLine::utf8() const { return text::utf8_encode(text_); }

void EditLine::set_text(std::u32string text) {
  std::u32string blank = picture_.blank();
  text.resize(blank.size(), U' ');
  for (size_t i = 0; i < blank.size(); ++i)
    if (picture_.literal(static_cast<int>(i))) text[i] = blank[i];
  if (text != text_) changed_ = true;
  text_ = std::move(text);
  home();
}

void EditLine::home() {
  pos_ = 0;
  skip_literals_forward();
}

void EditLine::skip_literals_forward() {
  while (pos_ < picture_.width() && picture_.literal(pos_)) ++pos_;
}

void EditLine::skip_literals_back() {
  while (pos_ > 0 && picture_.literal(pos_)) --pos_;
}

int EditLine::last_editable() const {
  int w = picture_.width();
  int last = w;
  // End goes after the last non-blank character.
  for (int i = w - 1; i >= 0; --i)
    if (!picture_.literal(i) && text_[static_cast<size_t>(i)] != U' ') return i + 1 < w ? i + 1 : w - 1;
  (void)last;
  return 0;
}

bool EditLine::key(int key) {
  int w = picture_.width();
  if (key == k::Left) {
    if (pos_ > 0) --pos_;
    skip_literals_back();
    if (picture_.literal(pos_)) skip_literals_forward();
    replace_first_ = false;
    return true;
  }
  if (key == k::Right) {
    if (pos_ < w - 1) ++pos_;
    skip_literals_forward();
    if (pos_ >= w) {
      pos_ = w - 1;
      skip_literals_back();
    }
    replace_first_ = false;
    return true;
  }
  if (key == k::Home) {
    home();
    replace_first_ = false;
    return true;
  }
  if (key == k::End) {
    pos_ = last_editable();
    skip_literals_back();
    replace_first_ = false;
    return true;
  }
  if (key == k::ctrl('y')) {
    text_ = picture_.blank();
    changed_ = true;
    home();
    return true;
  }
  bool shifting = picture_.kind() == PictureKind::Free || picture_.kind() == PictureKind::Number;
  if (key == k::Backspace) {
    if (pos_ == 0) return true;
    int from = pos_ - 1;
    while (from > 0 && picture_.literal(from)) --from;
    if (picture_.literal(from)) return true;
    pos_ = from;
    if (shifting) {
      text_.erase(static_cast<size_t>(pos_), 1);
      text_.push_back(U' ');
    } else {
      text_[static_cast<size_t>(pos_)] = U' ';
    }
    changed_ = true;
    replace_first_ = false;
    return true;
  }
  if (key == k::Del) {
    if (pos_ >= w) return true;
    if (shifting) {
      text_.erase(static_cast<size_t>(pos_), 1);
      text_.push_back(U' ');
    } else {
      text_[static_cast<size_t>(pos_)] = U' ';
    }
    changed_ = true;
    replace_first_ = false;
    return true;
  }
  if (!text_key(key)) return false;
  char32_t ch = static_cast<char32_t>(key);
  if (upper_) ch = text::upper_char(ch);
  if (replace_first_) {
    std::u32string blank = picture_.blank();
    text_ = blank;
    home();
    replace_first_ = false;
  }
  if (pos_ >= w) return true;  // the field is full: the key is refused
  char32_t put = picture_.accept(pos_, ch);
  if (!put) return true;       // refused by the picture
  text_[static_cast<size_t>(pos_)] = put;
  changed_ = true;
  if (pos_ < w) ++pos_;
  skip_literals_forward();
  if (pos_ >= w) pos_ = w;  // after the last position
  return true;
}

}  // namespace skolvarin::browse
