// Validation helpers of edit controls and the uniqueness test of keys.
#include <cstdlib>
#include <cstring>

#include "host/text/utf8.h"
#include "host/browse/browse_internal.h"
#include "host/browse/picture.h"
#include "host/api/calendar.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"

using namespace skolvarin::browse;
namespace sk = skolvarin;

namespace {

// The buffer as the field would store it (the picture applied).
bool stored_value(EditControl* c, std::string& stored) {
  if (!c) return false;
  FIELD4* f = c->field;
  Picture p(c->picture, f ? static_cast<char>(f4type(f)) : 'C', f ? f4len(f) : c->len, f ? f4decimals(f) : 0);
  std::string error;
  return p.parse(sk::text::utf8_decode(c->buffer), stored, error);
}

}  // namespace

int EditCtrlStored(EditControl* ctrl, std::string* stored) {
  if (!stored) return -1;
  stored->clear();
  return stored_value(ctrl, *stored) ? 0 : -1;
}

int valid_empty_get(EditControl* ctrl) {
  if (!ctrl) return -1;
  std::string stored;
  if (!stored_value(ctrl, stored) || sk::text::trim(stored).empty()) {
    warn("Pole nie może być puste !");
    return -1;
  }
  return 0;
}

int test_daty_niepustej(EditControl* ctrl) {
  if (!ctrl) return -1;
  std::string buf(sk::text::trim(ctrl->buffer));
  std::string stored;
  bool ok = false;
  if (buf.size() == 8 && buf.find_first_not_of("0123456789") == std::string::npos) {
    sk::Date d;
    ok = sk::from_dbf(buf, d) && sk::is_valid_date(d);
  } else {
    Picture p(ctrl->picture, 'D', 8, 0);
    std::string error;
    ok = p.parse(sk::text::utf8_decode(ctrl->buffer), stored, error) && stored != "        ";
  }
  if (!ok) {
    warn("Data musi być podana !");
    return -1;
  }
  return 0;
}

int valid_wart_dodat(EditControl* ctrl) {
  if (!ctrl) return -1;
  std::string s(sk::text::trim(ctrl->buffer));
  for (char& c : s)
    if (c == ',') c = '.';
  std::string clean;
  for (char c : s)
    if (c != ' ') clean += c;
  double v = std::strtod(clean.c_str(), nullptr);
  if (!(v > 0)) {
    Uwaga(50134);
    return -1;
  }
  return 0;
}

int valid_letters(EditControl* ctrl) {
  if (!ctrl) return -1;
  for (char c : ctrl->buffer)
    if (!((c >= 'A' && c <= 'Z') || c == ' ')) {
      Uwaga(20046);
      return -1;
    }
  return 0;
}

int ValidUniqueTag(DATA4* data, TAG4* tag, const char* key, int mode, int message_id) {
  if (!data || !tag || !key || tag->data != data || !tag->index) return -1;
  RecordSnapshot saved = take_snapshot(data);
  long self = mode == BROWSE_MODIFY ? saved.recno : 0;
  data->changed = false;
  data->append_pending = false;
  skolvarin::db::sync_table(data);
  const auto& index = *tag->index;
  // The whole key: a shorter text is padded with blanks to the key's width.
  std::string text = key;
  size_t chars = sk::text::utf8_length(text);
  if (static_cast<int>(chars) < index.key_length()) text.append(static_cast<size_t>(index.key_length()) - chars, ' ');
  std::string bytes = index.key_expression().seek_key(text);
  if (static_cast<int>(bytes.size()) > index.key_length()) bytes.resize(static_cast<size_t>(index.key_length()));
  bool taken = false;
  for (auto it = index.seek(bytes); it != index.end(); ++it) {
    long rec = static_cast<long>(*it);
    if (index.key_of(rec) != std::string_view(bytes)) break;
    if (rec == self) continue;
    // A deleted record does not hold its key any more.
    if (d4go(data, rec) == 0 && d4deleted(data)) continue;
    taken = true;
    break;
  }
  put_snapshot(data, saved);
  if (taken && message_id) Uwaga(message_id);
  return taken ? 1 : 0;
}

const char* QuickStr(const char* buffer, int len) {
  static std::string ring[8];
  static int next = 0;
  std::string& out = ring[next];
  next = (next + 1) % 8;
  out.clear();
  if (!buffer || len <= 0) return out.c_str();
  std::string_view all(buffer, strnlen(buffer, 4096));
  out = std::string(sk::text::utf8_substr(all, 0, static_cast<size_t>(len)));
  return out.c_str();
}
