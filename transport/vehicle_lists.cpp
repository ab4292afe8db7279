#include "transport/vehicle_lists.h"

#include <cstdlib>

#include "host/api/browse_api.h"
#include "transport/mileage.h"

namespace skolvarin::transport {

data::TableHandles& vehicles() { return data::handles("W3SAMO.DBF"); }

namespace {

// The first `n` characters of a UTF-8 text, padded with blanks.
std::string cut(std::string_view s, size_t n) {
  std::string out;
  size_t chars = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    bool start = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
    if (start && chars == n) break;
    chars += start;
    out += s[i];
  }
  return out + std::string(n > chars ? n - chars : 0, ' ');
}

}  // namespace

long choose_vehicle(bool active_only, long current) {
  data::TableHandles& v = vehicles();
  if (!v.open()) return 0;
  std::vector<std::string> items;
  std::vector<long> recs;
  long keep = d4recno(v.data);
  TAG4* tag = d4tag_selected(v.data);
  d4tag_select(v.data, v.tag(1));
  int start = 0;
  for (int rc = d4top(v.data); rc == 0; rc = d4skip(v.data, 1)) {
    if (d4deleted(v.data)) continue;
    if (active_only && f4trim(v.field("STA")) != "T") continue;
    std::string item = cut(f4str(v.field("KIE")), 24) + " " + f4str(v.field("NUM")) + " " +
                       f4trim(v.field("MAR")) + (is_company(f4str(v.field("TYP"))) ? " (S)" : " (P)");
    if (d4recno(v.data) == current) start = static_cast<int>(items.size());
    items.push_back(item);
    recs.push_back(d4recno(v.data));
  }
  d4tag_select(v.data, tag);
  if (keep >= 1 && keep <= d4reccount(v.data)) d4go(v.data, keep);
  if (items.empty()) {
    Uwaga(50007);
    return 0;
  }
  int chosen = wybierz_z_listy(items, start, " WYBIERZ ");
  return chosen < 0 ? 0 : recs[static_cast<size_t>(chosen)];
}

std::vector<std::string> category_names() {
  std::vector<std::string> out{"brak"};
  for (int id = 253; id <= 284; ++id) out.emplace_back(RcQStr(id));
  return out;
}

std::vector<std::string> fuel_choices() {
  std::vector<std::string> out;
  for (int i = 1; i <= kFuels; ++i) out.push_back(std::to_string(i) + ". " + fuel_name(i));
  return out;
}

std::string vehicle_field(long rec, const char* field) {
  data::TableHandles& v = vehicles();
  if (!v.open() || rec < 1 || rec > d4reccount(v.data)) return {};
  long keep = d4recno(v.data);
  std::string out;
  if (d4go(v.data, rec) == 0) out = f4trim(v.field(field));
  if (keep >= 1 && keep <= d4reccount(v.data) && keep != rec) d4go(v.data, keep);
  return out;
}

void define_date_and_vehicle_filters(FiltersDefinition* filters, const char* key, FIELD4* date, FIELD4* vehicle) {
  filters->key = key;
  DefineFilter(filters, date, "od dnia........", " od:", FILTER_DATE, 0);
  DefineFilter(filters, date, "do dnia........", " do:", FILTER_DATE, 2);
  FilterExtras pick;
  pick.picker = [](EditControl* c) {
    long rec = choose_vehicle(false, std::atol(c->buffer.c_str()));
    if (rec <= 0) return 27;
    c->buffer = std::to_string(rec);
    return 0;
  };
  pick.picker_mode = 1;
  DefineFilter(filters, vehicle, "samochód.......", " samochód:", FILTER_VALUE, 0, pick);
}

}  // namespace skolvarin::transport
