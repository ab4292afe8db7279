#include "transport/mileage_record.h"

#include <cstdio>

#include "host/api/rounding.h"

namespace skolvarin::transport {

namespace {

// Code points of a UTF-8 text.
std::u32string decode(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
    char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < n && i + static_cast<size_t>(k) < s.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
    out += cp;
    i += static_cast<size_t>(n);
  }
  return out;
}

std::string encode(const std::u32string& s) {
  std::string out;
  for (char32_t cp : s) {
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

// A line being filled at character columns.
class Line {
 public:
  explicit Line(const std::string& base = "") : text_(decode(base)) {}
  Line& at(int col, const std::string& value, int width = 0, bool right = false) {
    std::u32string v = decode(value);
    if (width > 0 && static_cast<int>(v.size()) > width) v.resize(static_cast<size_t>(width));
    if (right && width > 0 && static_cast<int>(v.size()) < width) v.insert(0, static_cast<size_t>(width) - v.size(), U' ');
    size_t end = static_cast<size_t>(col) + v.size();
    if (text_.size() < end) text_.resize(end, U' ');
    text_.replace(static_cast<size_t>(col), v.size(), v);
    if (text_.size() > static_cast<size_t>(kRecordWidth)) text_.resize(kRecordWidth);
    return *this;
  }
  std::string str() const {
    std::u32string t = text_;
    while (!t.empty() && t.back() == U' ') t.pop_back();
    return encode(t);
  }

 private:
  std::u32string text_;
};

std::string number(double v, int decimals) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, R(v, decimals));
  std::string s = buf;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

std::string shown(const Date& d) { return d.empty() ? std::string() : to_shown(d); }

std::vector<std::string> header_lines(const MileageRecord& m, const std::vector<std::string>& rows, int page) {
  std::vector<Line> h;
  for (const std::string& r : rows) h.emplace_back(r);
  auto put = [&h](size_t row, int col, const std::string& v, int width = 0) {
    if (row < h.size()) h[row].at(col, v, width);
  };
  for (size_t i = 0; i < m.firm.size() && i < 2; ++i) put(i, 12, m.firm[i], 70);
  std::string pg = std::to_string(page);
  if (m.company) {
    put(2, 39, m.registration);
    put(3, 41, shown(m.record_from));
    put(4, 41, shown(m.record_to));
    put(5, 15, std::to_string(m.odometer));
    put(5, 125, pg);
  } else {
    put(3, 9, m.person, 60);
    put(4, 9, m.address, 80);
    put(6, 23, m.registration);
    put(6, 69, m.capacity);
    put(7, 9, shown(m.from));
    put(7, 33, shown(m.to));
    put(7, 125, pg);
  }
  std::vector<std::string> out;
  for (const Line& l : h) out.push_back(l.str());
  return out;
}

}  // namespace

std::vector<std::string> mileage_record_lines(const MileageRecord& m, const std::vector<std::string>& header) {
  std::vector<std::string> out;
  int page = 1;
  auto start_page = [&] {
    std::vector<std::string> h = header_lines(m, header, page);
    out.insert(out.end(), h.begin(), h.end());
    return static_cast<int>(h.size());
  };
  int used = start_page();
  long km = 0, lp = 0;
  double value = 0;
  int per_trip = m.company ? 2 : 1;
  for (const RecordTrip& t : m.trips) {
    if (used + per_trip > kRecordPageLines) {
      out.emplace_back("\f");
      ++page;
      used = start_page();
    }
    ++lp;
    km += t.km;
    value += t.value;
    Line l;
    l.at(0, std::to_string(lp), 4, true).at(5, shown(t.date), 10);
    if (m.company) {
      l.at(16, t.route, 40).at(57, t.driver, 25).at(83, std::to_string(t.km), 6, true).at(90, t.remarks, 40);
      out.push_back(l.str());
      out.push_back(Line().at(16, t.purpose, 40).str());
    } else {
      l.at(16, t.route, 35).at(52, t.purpose, 35).at(88, std::to_string(t.km), 6, true);
      l.at(95, number(t.rate, 4), 9, true).at(105, number(t.value, 2), 11, true).at(118, t.remarks, 12);
      out.push_back(l.str());
    }
    used += per_trip;
  }
  out.push_back(std::string(kRecordWidth, '-'));
  Line total;
  total.at(16, "RAZEM");
  if (m.company) total.at(83, std::to_string(km), 6, true);
  else total.at(88, std::to_string(km), 6, true).at(105, number(value, 2), 11, true);
  out.push_back(total.str());
  return out;
}

}  // namespace skolvarin::transport
