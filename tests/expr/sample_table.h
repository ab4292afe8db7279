// A table layout and records built from UTF-8 values, for expression tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/db/record_view.h"
#include "host/text/mazovia.h"

namespace skolvarin::db::testing {

struct FieldSpec {
  const char* name;
  FieldType type;
  int width;
  int decimals = 0;
};

class SampleTable {
 public:
  explicit SampleTable(std::initializer_list<FieldSpec> specs) {
    int offset = 1;
    for (const auto& s : specs) {
      fields.push_back({s.name, s.type, s.width, s.decimals, offset});
      offset += s.width;
    }
    record_length = offset;
  }

  // Record bytes: character values converted to Mazovia and blank padded,
  // numeric values (given as text) right-aligned, dates as given.
  std::string record(const std::map<std::string, std::string>& values, bool deleted = false) const {
    std::string rec(static_cast<size_t>(record_length), ' ');
    rec[0] = deleted ? '*' : ' ';
    for (const auto& f : fields) {
      auto it = values.find(f.name);
      if (it == values.end()) continue;
      std::string v = f.type == FieldType::Character ? text::utf8_to_mazovia(it->second) : it->second;
      if (v.size() > static_cast<size_t>(f.width)) v.resize(f.width);
      const size_t pad = f.width - v.size();
      rec.replace(f.offset + (f.type == FieldType::Numeric ? pad : 0), v.size(), v);
    }
    return rec;
  }

  RecordView view(const std::string& rec, long recno = 1) const { return {fields, rec.data(), recno}; }

  std::vector<FieldDesc> fields;
  int record_length = 1;
};

}  // namespace skolvarin::db::testing
