// One edited value: the text of a field under its picture, the cursor in
// it, and the keys that change them.  Pure logic (no screen): the form, the
// filters window, the widgets and the search prompt draw it themselves.
//
// Invariants: text().size() == picture().width(); literal positions hold
// their literal; the cursor is on an editable position (or at the end).
#pragma once

#include <string>

#include "host/browse/picture.h"

namespace skolvarin::browse {

class EditLine {
 public:
  EditLine(Picture picture, std::u32string text, bool upper, bool replace_first);

  const Picture& picture() const { return picture_; }
  const std::u32string& text() const { return text_; }
  std::string utf8() const;
  int cursor() const { return pos_; }
  bool changed() const { return changed_; }
  void set_text(std::u32string text);
  void home();

  // Typing, Backspace, Del, Left, Right, Home, End, Ctrl+Y (clear).
  // Returns true when the key was an editing key (used), false otherwise.
  bool key(int key);

 private:
  void skip_literals_forward();
  void skip_literals_back();
  int last_editable() const;

  Picture picture_;
  std::u32string text_;
  int pos_ = 0;
  bool upper_ = false;
  bool replace_first_ = false;
  bool changed_ = false;
};

}  // namespace skolvarin::browse
