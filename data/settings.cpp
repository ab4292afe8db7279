#include "data/settings.h"

#include <cstdio>

#include "data/catalogue.h"
#include "data/field_text.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/db_api.h"
#include "host/api/screen_api.h"

namespace skolvarin::data {

SettingKey SettingKey::flag(int key, char* dest, char def) {
  SettingKey k;
  k.key = key;
  k.type = SettingType::Flag;
  k.destination = dest;
  k.default_flag = def;
  return k;
}

SettingKey SettingKey::integer(int key, int* dest, int def) {
  SettingKey k;
  k.key = key;
  k.type = SettingType::Integer;
  k.destination = dest;
  k.default_number = def;
  return k;
}

SettingKey SettingKey::text(int key, std::string* dest, int length, std::string def) {
  SettingKey k;
  k.key = key;
  k.type = SettingType::Text;
  k.destination = dest;
  k.length = length;
  k.default_text = std::move(def);
  return k;
}

SettingKey SettingKey::host_text(int key, std::string* dest, int length, const char* host_string) {
  SettingKey k = text(key, dest, length);
  k.default_host_string = host_string;
  return k;
}

SettingKey SettingKey::number(int key, double* dest, double def) {
  SettingKey k;
  k.key = key;
  k.type = SettingType::Double;
  k.destination = dest;
  k.default_number = def;
  return k;
}

char type_letter(SettingType type) {
  switch (type) {
    case SettingType::Flag:
    case SettingType::Text: return 'C';
    case SettingType::Integer: return 'I';
    case SettingType::Double: return 'D';
  }
  return 'C';
}

std::string settings_seek_key(int k1, int k2, int k3, char type) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%3d%3d%3d%c", k1, k2, k3, type);
  return buf;
}

namespace {

constexpr int kGroup = 1;  // K1 and K2 of every group

void apply_default(const SettingKey& k) {
  switch (k.type) {
    case SettingType::Flag: *std::get<char*>(k.destination) = k.default_flag; break;
    case SettingType::Integer: *std::get<int*>(k.destination) = static_cast<int>(k.default_number); break;
    case SettingType::Double: *std::get<double*>(k.destination) = k.default_number; break;
    case SettingType::Text: {
      std::string def = k.default_text;
      if (k.default_host_string) def = EnvFindString(k.default_host_string);
      *std::get<std::string*>(k.destination) = cut_chars(def, k.length);
      break;
    }
  }
}

struct Fields {
  FIELD4 *k1, *k2, *k3, *ty, *dbl, *lng, *in, *ch;
};

Fields bind(const TableHandles& h) {
  return {h.field("K1"), h.field("K2"), h.field("K3"), h.field("TY"),
          h.field("DO"), h.field("LO"), h.field("IN"), h.field("CH")};
}

// Value of the destination into the record buffer.
int store_value(const Fields& f, const SettingKey& k) {
  switch (k.type) {
    case SettingType::Flag: {
      char s[2] = {*std::get<char*>(k.destination), 0};
      return f4assign(f.ch, s);
    }
    case SettingType::Text: return f4assign(f.ch, std::get<std::string*>(k.destination)->c_str());
    case SettingType::Integer: return f4assign_int(f.in, *std::get<int*>(k.destination));
    case SettingType::Double: return f4assign_double(f.dbl, *std::get<double*>(k.destination));
  }
  return -1;
}

// Record buffer into the destination.
void load_value(const Fields& f, const SettingKey& k) {
  switch (k.type) {
    case SettingType::Flag: {
      std::string v = f4ptr(f.ch);
      *std::get<char*>(k.destination) = v.empty() ? ' ' : v[0];
      break;
    }
    case SettingType::Text:
      *std::get<std::string*>(k.destination) = cut_chars(trim_right_blanks(f4ptr(f.ch)), k.length);
      break;
    case SettingType::Integer: *std::get<int*>(k.destination) = f4int(f.in); break;
    case SettingType::Double: *std::get<double*>(k.destination) = f4double(f.dbl); break;
  }
}

// Appends the key's record holding the destination's current value.
int append_key(DATA4* data, const Fields& f, const SettingKey& k) {
  char ty[2] = {type_letter(k.type), 0};
  if (d4append_start(data) != 0) return -1;
  if (f4assign_int(f.k1, kGroup) != 0 || f4assign_int(f.k2, kGroup) != 0 ||
      f4assign_int(f.k3, k.key) != 0 || f4assign(f.ty, ty) != 0 || store_value(f, k) != 0)
    return -1;
  if (lock_and_append(data) != 0) return -1;
  return d4unlock(data) == 0 ? 0 : -1;
}

int run_group(HostContext* ctx, const SettingsGroup& group, int year, bool writing) {
  const int message = writing ? kMsgSettingsWrite : kMsgSettingsRead;
  auto fail = [&]() {
    MessageWindow(4, message, group.label.c_str(), 0);
    return -1;
  };
  if (!writing) apply_defaults(group);
  if (!group.table) return fail();
  OpenRequest request;
  request.year = year;
  if (open_table(ctx, *group.table, request) != 0) return fail();
  TableHandles& h = handles(*group.table);
  Fields f = bind(h);
  int error = 0;
  for (const SettingKey& k : group.keys) {
    std::string key = settings_seek_key(kGroup, kGroup, k.key, type_letter(k.type));
    int found = d4seek(h.data, key.c_str());
    if (found < 0) {
      error = -1;
      break;
    }
    if (!writing) {
      if (found == 0) {
        load_value(f, k);
      } else if (append_key(h.data, f, k) != 0) {
        error = -1;
        break;
      }
    } else if (found == 0) {
      long rec = d4recno(h.data);
      if (go_and_lock(h.data, rec) != 0 || store_value(f, k) != 0 || write_and_unlock(h.data) != 0) {
        d4unlock(h.data);
        error = -1;
        break;
      }
    } else if (append_key(h.data, f, k) != 0) {
      error = -1;
      break;
    }
  }
  close_table(*group.table);
  return error == 0 ? 0 : fail();
}

}  // namespace

const char* settings_label(std::string_view file) {
  static constexpr struct {
    const char* file;
    const char* label;
  } kLabels[] = {
      {"W3PABV%s.DBF", "OPCJE GŁÓWNE"}, {"W3PAPL  .DBF", "PARAMETRY PŁACOWE"}, {"W3PAZR  .DBF", "ZUR"},
      {"W3PAZU.DBF", "ZUS"},           {"W3PAEV.DBF", "EWIDENCJE"},           {"W3PAPV.DBF", "PODATKI"},
      {"W3PADE.DBF", "DEKLARACJE"},
  };
  for (const auto& l : kLabels)
    if (file == l.file) return l.label;
  return "";
}

void apply_defaults(const SettingsGroup& group) {
  for (const auto& k : group.keys) apply_default(k);
}

int read_settings(HostContext* ctx, const SettingsGroup& group, int year) {
  return run_group(ctx, group, year, false);
}

int write_settings(HostContext* ctx, const SettingsGroup& group, int year) {
  return run_group(ctx, group, year, true);
}

}  // namespace skolvarin::data
