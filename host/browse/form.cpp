// The edit form of a browse: the template's rows, the text controls and the
// edit controls of one record, edited in the record buffer and committed on
// F2 through the engine's locks with the record stamp.
//
// While the form runs the record buffer holds the edits but is marked
// unchanged, so that no move writes it behind the user's back; the only
// write is the commit.  A refused lock or write keeps the form open with
// everything typed.
//
// What the user typed last has the last word: F2 checks every field again,
// and a check that writes other fields (a tax number setting the VAT flag)
// does not overwrite a field typed into after the checked one.  Leaving a
// field forwards still lets its check fill the others.
//
// When the keys run out (a key script ended, the terminal closed) nobody is
// there to answer: Esc on a changed form then leaves it without saving.
#include <algorithm>
#include <cstring>

#include "host/text/utf8.h"
#include "host/browse/browse_internal.h"
#include "host/browse/edit_line.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"
#include "host/ui/screen.h"

namespace skolvarin::browse {

namespace k = skolvarin::keys;

namespace {

bool dbf_date_text(const std::string& s) {
  if (s.size() != 8) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

class FormRun {
 public:
  FormRun(BROWSE* b, int mode, bool read_only) : b_(b), d_(b->data), mode_(mode), read_only_(read_only) {
    if (!b->form_pages.empty()) {
      int first = 0;
      for (const auto& p : b->form_pages) {
        pages_.push_back({first, p.rows, p.form_template, p.template_first, {}});
        first += p.rows;
      }
      many_ = true;
    } else {
      pages_.push_back({0, b->form_rows, b->form_template, 0, {}});
      if (b->form_template2 && b->form_rows2 > 0) pages_.push_back({b->form_rows, b->form_rows2, b->form_template2, 0, {}});
    }
    if (b->edit_controls)
      for (auto& c : b->edit_controls->controls) controls_.push_back(c.get());
  }

  int run(bool commit) {
    if (!screen()) return k::Esc;
    original_ = take_snapshot(d_);
    d_->changed = false;
    for (EditControl* c : controls_) {
      c->browse = b_;
      lines_.emplace_back(picture_of(c), U"", (c->flags & EDIT_UPPER) != 0, (c->flags & EDIT_REPLACE) != 0);
    }
    typed_at_.assign(controls_.size(), 0);
    load_all(-1);
    // The lines start unchanged, with their flags, on the loaded texts.
    for (size_t i = 0; i < controls_.size(); ++i)
      lines_[i] = EditLine(lines_[i].picture(), lines_[i].text(), (controls_[i]->flags & EDIT_UPPER) != 0,
                           (controls_[i]->flags & EDIT_REPLACE) != 0);
    for (auto& p : pages_) {
      std::vector<std::string> all = template_rows(p.tpl, p.template_first + p.rows);
      p.lines.assign(all.begin() + p.template_first, all.end());
    }
    b_->mode = read_only_ ? BROWSE_IDLE : mode_;
    cur_ = first_editable(0, 1);
    if (cur_ >= 0) page_ = page_of(controls_[static_cast<size_t>(cur_)]);
    open_window();
    int result = loop(commit);
    b_->mode = BROWSE_IDLE;
    remove_help_line();
    remove_fun_help();
    w4cursor(-1, -1);
    w4close(window_);
    w4select(saved_window_);
    return result;
  }

 private:
  Picture picture_of(const EditControl* c) const {
    FIELD4* f = c->field;
    char type = f ? static_cast<char>(f4type(f)) : 'C';
    return Picture(c->picture, type, f ? f4len(f) : 10, f ? f4decimals(f) : 0);
  }

  int page_of_row(int row) const {
    int pg = 0;
    for (size_t p = 1; p < pages_.size(); ++p)
      if (row >= pages_[p].first) pg = static_cast<int>(p);
    return pg;
  }
  int page_of(const EditControl* c) const { return page_of_row(c->row); }
  int row_on_page(int row) const { return row - pages_[static_cast<size_t>(page_of_row(row))].first; }
  int last_page() const { return static_cast<int>(pages_.size()) - 1; }

  bool editable(size_t i) const { return !(controls_[i]->flags & EDIT_SHOW_ONLY) && controls_[i]->field; }

  int first_editable(int from, int step) const {
    int n = static_cast<int>(controls_.size());
    for (int i = from; i >= 0 && i < n; i += step)
      if (editable(static_cast<size_t>(i))) return i;
    return -1;
  }

  // Reloads the controls from the record buffer (all but `except`).
  void load_all(int except) {
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (static_cast<int>(i) == except || !controls_[i]->field) continue;
      std::u32string t = lines_[i].picture().shown(f4str(controls_[i]->field));
      if (t != lines_[i].text()) {
        lines_[i] = EditLine(lines_[i].picture(), t, (controls_[i]->flags & EDIT_UPPER) != 0, false);
        typed_at_[i] = 0;  // the value is the record's now, not the user's
      }
      controls_[i]->len = lines_[i].picture().width();
      controls_[i]->buffer = lines_[i].utf8();
    }
  }

  void open_window() {
    saved_window_ = w4select(-1);
    place_window();
    set_fun_help(help_line().c_str());
    // The list's hint line would stand over a form's last row; the form's
    // keys are on its own help line.
    add_help_line("");
  }

  // The window of the page shown: a page of few rows gets a framed window
  // above the help lines, one as tall as the screen allows the whole
  // screen but the help line.
  void place_window() {
    int rows = std::max(1, pages_[static_cast<size_t>(page_)].rows);
    if (window_ >= 0 && rows == window_rows_) return;
    if (window_ >= 0) w4close(window_);
    window_rows_ = rows;
    int srows = w4screen_rows(), scols = w4screen_cols();
    int bottom = srows - 3;
    int top = bottom - rows - 1;
    bool border = true;
    if (top < 2) {
      top = std::max(2, bottom - rows - 1);
      if (bottom - top - 1 < rows) {
        border = false;
        top = std::max(0, srows - 1 - rows);
        bottom = top + rows - 1;
      }
    }
    int width = std::min(80, scols);
    int left = (scols - width) / 2;
    window_ = w4define(top, left, bottom, left + width - 1);
    window_bottom_ = bottom;
    hint_ = "\x01";  // the new window's hint line is set at its first drawing
    w4border(window_, border ? 2 : 0);
    std::string title = browse_title(b_);
    const char* what = read_only_ ? "podgląd" : mode_ == BROWSE_ADD ? "dopisywanie" : "modyfikacja";
    title = " " + (title.empty() ? std::string() : title + " - ") + what + " ";
    w4title(window_, title.c_str());
    w4select(window_);
    w4activate(window_);
    visible_.assign(controls_.size(), 0);
    offset_.assign(controls_.size(), 0);
    for (size_t i = 0; i < controls_.size(); ++i) visible_[i] = visible_width(i);
  }

  // How many columns control i shows: its picture's width, cut where the
  // template's text or another field of its row begins, or at the window's
  // edge; a longer value scrolls inside them.  Labels are never written over.
  int visible_width(size_t i) const {
    const EditControl* c = controls_[i];
    int width = lines_[i].picture().width();
    int limit = w4width() - c->col;
    const Page& p = pages_[static_cast<size_t>(page_of(c))];
    int row = row_on_page(c->row);
    if (row >= 0 && static_cast<size_t>(row) < p.lines.size()) {
      std::u32string line = text::utf8_decode(p.lines[static_cast<size_t>(row)]);
      // The field's own place may hold blanks or leader dots; the next word
      // after a blank is another label.
      bool blank_seen = false;
      for (size_t col = static_cast<size_t>(std::max(c->col, 0)); col < line.size(); ++col) {
        if (line[col] == U' ') blank_seen = true;
        else if (blank_seen && line[col] != U'.') {
          limit = std::min(limit, static_cast<int>(col) - c->col);
          break;
        }
      }
    }
    for (size_t j = 0; j < controls_.size(); ++j)
      if (j != i && controls_[j]->row == c->row && controls_[j]->col > c->col)
        limit = std::min(limit, controls_[j]->col - c->col);
    if (b_->text_controls)
      for (const auto& t : b_->text_controls->controls)
        if (t.row == c->row && t.col > c->col) limit = std::min(limit, t.col - c->col);
    return std::max(1, std::min(width, limit));
  }

  // The part of control i's text that shows, scrolled so the cursor shows.
  std::string shown_part(size_t i, const std::string& text, bool current) {
    int vis = visible_[i];
    std::u32string t = text::utf8_decode(text);
    if (static_cast<int>(t.size()) <= vis && offset_[i] == 0) return text;
    if (static_cast<int>(lines_[i].text().size()) <= vis) return text;  // a longer shown form (show callback)
    int& off = offset_[i];
    // A number is right-aligned: its digits are at the end.
    bool number = controls_[i]->field && f4type(controls_[i]->field) == 'N';
    if (!current) off = number ? static_cast<int>(t.size()) - vis : 0;
    else {
      int at = lines_[i].cursor();
      if (at < off) off = at;
      if (at >= off + vis) off = at - vis + 1;
    }
    return text::utf8_encode(t.substr(static_cast<size_t>(off), static_cast<size_t>(vis)));
  }

  // The keys this form answers to: F4 only when a field has a chooser,
  // the page keys only on a two-page form.
  std::string help_line() const {
    bool choosers = false;
    for (const EditControl* c : controls_)
      if (c->chooser) choosers = true;
    std::string h;
    if (read_only_) h = "F2/Enter/Esc-Zamknij";
    else {
      h = "F2-Zapisz  Enter-Dalej";
      if (choosers) h += "  F4-Wybór";
      h += "  Ctrl+Y-Czyść  Esc-Porzuć";
    }
    if (pages_.size() > 1) h += "  PgDn/PgUp-Strona";
    return h;
  }

  void draw() {
    place_window();
    std::string marks;
    w4select(window_);
    w4clear(0);
    const auto& rows = pages_[static_cast<size_t>(page_)].lines;
    for (size_t r = 0; r < rows.size(); ++r) put_text(static_cast<int>(r), 0, rows[r], 0);
    if (b_->text_controls)
      for (const auto& t : b_->text_controls->controls) {
        if (page_of_row(t.row) != page_) continue;
        put_text(row_on_page(t.row), t.col, text_control_value(t, form_date_picture(b_)), 0);
      }
    for (size_t i = 0; i < controls_.size(); ++i) {
      const EditControl* c = controls_[i];
      if (page_of(c) != page_) continue;
      int role = static_cast<int>(i) == cur_ && !read_only_ ? 1 : 5;
      if (c->flags & EDIT_SHOW_ONLY) role = 0;
      std::string text = c->show ? c->show(lines_[i].utf8()) : lines_[i].utf8();
      std::string mark = c->mark ? c->mark(lines_[i].utf8()) : std::string();
      if (!mark.empty()) {
        role = 4;  // the warning colour
        if (marks.empty()) marks = mark;
      }
      put_text(row_on_page(c->row), c->col, shown_part(i, text, static_cast<int>(i) == cur_), role);
    }
    // A form that leaves the hint line free shows the first warning there.
    if (marks != hint_) {
      hint_ = marks;
      remove_help_line();
      add_help_line(window_bottom_ < w4screen_rows() - 2 ? hint_.c_str() : "");
    }
    if (!read_only_ && cur_ >= 0 && page_of(controls_[static_cast<size_t>(cur_)]) == page_) {
      const EditControl* c = controls_[static_cast<size_t>(cur_)];
      size_t ci = static_cast<size_t>(cur_);
      int at = std::min(lines_[ci].cursor(), lines_[ci].picture().width() - 1) - offset_[ci];
      w4cursor(row_on_page(c->row), c->col + std::clamp(at, 0, visible_[ci] - 1));
    } else {
      w4cursor(-1, -1);
    }
  }

  // Writes control i's text into the record buffer.  False with the
  // user told when the picture or the field refuses it.
  bool store(size_t i) {
    EditControl* c = controls_[i];
    if (!c->field || (c->flags & EDIT_SHOW_ONLY)) return true;
    std::string stored, error;
    if (!lines_[i].picture().parse(lines_[i].text(), stored, error)) {
      warn(error);
      return false;
    }
    if (f4type(c->field) == 'N' && stored.empty()) stored = "0";
    if (f4assign(c->field, stored.c_str()) == e4overflow) {
      d_->changed = false;
      warn("Liczba nie mieści się w polu !");
      return false;
    }
    d_->changed = false;
    // Characters the code page lacks are stored in their ASCII form: the
    // field shows at once what was stored.
    if (f4type(c->field) == 'C') {
      std::string kept = text::mazovia_storable(stored);
      if (kept != stored) lines_[i].set_text(text::utf8_decode(kept));
    }
    c->buffer = lines_[i].utf8();
    c->len = lines_[i].picture().width();
    return true;
  }

  // Runs control i's validation (the value is stored first).  True when
  // accepted; the other controls show what the validation changed, except,
  // with `keep_later_typing`, the fields typed into after field i: they
  // keep what the user typed.
  bool validate(size_t i, bool keep_later_typing = false) {
    if (!store(i)) return false;
    EditControl* c = controls_[i];
    if (!c->valid) return true;
    std::vector<std::pair<FIELD4*, std::string>> kept;
    if (keep_later_typing)
      for (size_t k = 0; k < controls_.size(); ++k)
        if (k != i && editable(k) && typed_at_[k] > typed_at_[i]) {
          FIELD4* f = controls_[k]->field;
          kept.emplace_back(f, std::string(f->bytes(), static_cast<size_t>(f->desc().width)));
        }
    RecordSnapshot before = take_snapshot(d_);
    b_->mode = mode_;
    int rc = c->valid(c);
    if (d_->recno != before.recno || d_->append_pending != before.append_pending) put_snapshot(d_, before);
    for (const auto& [f, bytes] : kept) std::memcpy(f->bytes(), bytes.data(), bytes.size());
    d_->changed = false;
    // A validation may have rewritten its own buffer (e.g. upper case).
    std::u32string mine = text::utf8_decode(c->buffer);
    if (rc == 0 && mine != lines_[i].text()) {
      lines_[i].set_text(mine);
      store(i);
    }
    load_all(static_cast<int>(i));
    return rc == 0;
  }

  // Every field in turn; the form shows the field being checked, so a
  // refusal's message stands over its field (on its page).
  bool validate_all() {
    int keep_cur = cur_, keep_page = page_;
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (!editable(i)) continue;
      cur_ = static_cast<int>(i);
      page_ = page_of(controls_[i]);
      draw();
      if (!validate(i, true)) {
        lines_[i].home();
        return false;
      }
    }
    cur_ = keep_cur;
    page_ = keep_page;
    return true;
  }

  void move_to(int i) {
    if (i < 0) return;
    cur_ = i;
    page_ = page_of(controls_[static_cast<size_t>(i)]);
    lines_[static_cast<size_t>(i)].home();
  }

  bool dirty() const {
    if (d_->record != original_.record) return true;
    for (const auto& l : lines_)
      if (l.changed()) return true;
    return false;
  }

  void choose(size_t i) {
    EditControl* c = controls_[i];
    if (!c->chooser) return;
    c->buffer = lines_[i].utf8();
    c->len = lines_[i].picture().width();
    RecordSnapshot before = take_snapshot(d_);
    int rc = c->chooser(c);
    if (d_->recno != before.recno || d_->append_pending != before.append_pending) put_snapshot(d_, before);
    d_->changed = false;
    w4select(window_);
    if (rc != 0) return;
    typed_at_[i] = ++clock_;
    std::string v = c->buffer;
    std::u32string t;
    char type = static_cast<char>(f4type(c->field));
    if (type == 'N' || (type == 'D' && dbf_date_text(v))) t = lines_[i].picture().shown(v);
    else t = text::utf8_decode(v);
    lines_[i].set_text(t);
    store(i);
    load_all(static_cast<int>(i));
  }

  bool commit() {
    RecordSnapshot edited = take_snapshot(d_);
    d_->changed = false;
    if (mode_ == BROWSE_MODIFY) {
      long rec = edited.recno;
      if (go_and_lock(d_, rec) != 0) {
        put_snapshot(d_, edited);
        d_->changed = false;
        return false;
      }
      std::copy(edited.record.begin() + 1, edited.record.end(), d_->record.begin() + 1);
      d_->changed = true;
      if (b_->stamp) f4assign(b_->stamp, stamp_text(b_->ctx).c_str());
      if (write_and_unlock(d_) != 0) {
        d4unlock(d_);
        put_snapshot(d_, edited);
        d_->changed = false;
        return false;
      }
      return true;
    }
    // A new record: prepared again, numbered under the append lock (so two
    // users adding at once never get the same number), then appended.
    d4append_start(d_);
    std::copy(edited.record.begin() + 1, edited.record.end(), d_->record.begin() + 1);
    if (b_->stamp) f4assign(b_->stamp, stamp_text(b_->ctx).c_str());
    if (lock_and_append_numbered(d_, [this] { return b_->numbering ? b_->numbering(b_) : 0; }) != 0) {
      put_snapshot(d_, edited);
      d_->changed = false;
      return false;
    }
    d4unlock(d_);
    return true;
  }

  int loop(bool do_commit) {
    for (;;) {
      draw();
      int key = g4char();
      if (read_only_) {
        if (key == k::PgDn && page_ < last_page()) ++page_;
        else if (key == k::PgUp && page_ > 0) --page_;
        else if (key == k::Esc || key == k::F2 || key == k::Enter) {
          put_snapshot(d_, original_);
          return key == k::F2 ? k::F2 : k::Esc;
        }
        continue;
      }
      if (key == k::Esc) {
        if (!dirty() || ask("Czy porzucić wprowadzone zmiany ?") || input_ended()) {
          put_snapshot(d_, original_);
          return k::Esc;
        }
        continue;
      }
      if (cur_ < 0) {
        if (key == k::F2) {
          if (!do_commit || commit()) return k::F2;
        }
        continue;
      }
      size_t i = static_cast<size_t>(cur_);
      EditControl* c = controls_[i];
      if (c->key_filter) {
        c->buffer = lines_[i].utf8();
        c->len = lines_[i].picture().width();
        std::string was = c->buffer;
        key = c->key_filter(c, key);
        if (c->buffer != was) {
          lines_[i].set_text(text::utf8_decode(c->buffer));
          typed_at_[i] = ++clock_;
        }
        if (key == 0) continue;
      }
      if (key == k::F2) {
        // The field being typed in goes into the record first, so that
        // the checks of the other fields see it.
        if (!store(i) || !validate_all()) continue;
        if (!do_commit) return k::F2;
        if (commit()) {
          if (b_->after_save) b_->after_save(b_);
          return k::F2;
        }
        continue;
      }
      if (key == k::F4) {
        choose(i);
        continue;
      }
      if (key == k::Enter || key == k::Tab || key == k::Down) {
        if (!validate(i)) {
          lines_[i].home();
          continue;
        }
        int next = first_editable(cur_ + 1, 1);
        if (next < 0) next = many_ ? cur_ : first_editable(0, 1);
        move_to(next);
        continue;
      }
      if (key == k::Up || key == k::ShiftTab) {
        if (!store(i)) continue;
        int prev = first_editable(cur_ - 1, -1);
        if (prev < 0) prev = many_ ? cur_ : first_editable(static_cast<int>(controls_.size()) - 1, -1);
        move_to(prev);
        continue;
      }
      if ((key == k::PgDn || key == k::PgUp) && pages_.size() > 1) {
        // Going on to the next page checks the field being left, as Enter
        // does; going back only keeps what was typed, as Up does.
        int want = key == k::PgDn ? page_ + 1 : page_ - 1;
        if (!many_) want = key == k::PgDn ? 1 : 0;
        if (want == page_ || want < 0 || want > last_page()) continue;
        if (key == k::PgDn ? !validate(i) : !store(i)) {
          lines_[i].home();
          continue;
        }
        for (size_t j = 0; j < controls_.size(); ++j)
          if (editable(j) && page_of(controls_[j]) == want) {
            move_to(static_cast<int>(j));
            break;
          }
        page_ = want;
        continue;
      }
      if (c->chooser_mode == 1 && c->chooser && key >= 32 && key < 0x100 && key != 127) {
        choose(i);
        continue;
      }
      std::u32string was = lines_[i].text();
      lines_[i].key(key);
      if (lines_[i].text() != was) typed_at_[i] = ++clock_;
      c->buffer = lines_[i].utf8();
    }
  }

  BROWSE* b_;
  DATA4* d_;
  int mode_;
  bool read_only_;
  struct Page {
    int first = 0, rows = 0;
    TemplateIdFunction tpl = nullptr;
    int template_first = 0;
    std::vector<std::string> lines;
  };
  std::vector<Page> pages_;
  bool many_ = false;  // form_pages: pages do not wrap
  std::vector<EditControl*> controls_;
  std::vector<EditLine> lines_;
  // When each field was last typed into or chosen (0: never, or its value
  // came from the record since); larger is later.
  std::vector<long> typed_at_;
  long clock_ = 0;
  RecordSnapshot original_;
  int window_ = -1, saved_window_ = -1, window_rows_ = 0, window_bottom_ = 0;
  std::string hint_;  // the warning on the hint line
  int cur_ = -1, page_ = 0;
  std::vector<int> visible_, offset_;  // per control: columns shown, first shown
};

}  // namespace

int run_form(BROWSE* b, int mode, bool commit, bool read_only) {
  if (!b || !b->data) return -1;
  FormRun run(b, mode, read_only);
  return run.run(commit);
}

}  // namespace skolvarin::browse

int browse_form(BROWSE* b, int mode) { return skolvarin::browse::run_form(b, mode, false, false); }
