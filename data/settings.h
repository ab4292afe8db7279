// Settings groups: option groups kept as key/value records in a settings
// file (the settings layout: K1, K2, K3 key numbers, TY type letter and one
// value field per type) and read key by key into their destinations.
//
// A group is data: its label (shown in messages), its file (a catalogue
// entry) and its keys, each with a type, a default and the address of the
// variable it fills.  Every group uses K1 = 1 and K2 = 1; K3 is the key
// number.  Records are found through the file's one tag
// "STR(K1,3)+STR(K2,3)+STR(K3,3)+TY".
//
// Invariants kept by reader and writer:
//  - before a key is read its destination holds the key's default, so a
//    group that fails keeps defaults in every key not yet read;
//  - a key missing from the file is appended once, with its default; the
//    reader seeks before it appends, so the file never holds two records of
//    one key and type;
//  - the first failure shows host message 20058 (reading) or 20059
//    (writing) with the group's label and skips the rest of the group;
//  - the file is closed at the end of the group, whatever happened.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/api/context.h"

namespace skolvarin::data {

struct CatalogueEntry;

enum class SettingType {
  Flag,     // one character, stored with type 'C'
  Integer,  // stored with type 'I' in IN
  Text,     // text of up to `length` characters, stored with type 'C' in CH
  Double,   // stored with type 'D' in DO
};

using SettingDestination = std::variant<char*, int*, std::string*, double*>;

struct SettingKey {
  int key = 0;
  SettingType type = SettingType::Integer;
  SettingDestination destination;
  int length = 1;                    // Text: characters kept; Flag: 1
  char default_flag = ' ';
  double default_number = 0;         // Integer and Double defaults
  std::string default_text;          // Text default
  const char* default_host_string = nullptr;  // Text default looked up with EnvFindString

  static SettingKey flag(int key, char* dest, char def);
  static SettingKey integer(int key, int* dest, int def);
  static SettingKey text(int key, std::string* dest, int length, std::string def = {});
  static SettingKey host_text(int key, std::string* dest, int length, const char* host_string);
  static SettingKey number(int key, double* dest, double def);
};

// Type letter of the TY field for a key type ('C', 'I' or 'D').
char type_letter(SettingType type);

// Seek key of a settings record: K1, K2, K3 right-aligned in 3 characters
// each, then the type letter ("  1  1  3I").
std::string settings_seek_key(int k1, int k2, int k3, char type);

struct SettingsGroup {
  std::string label;                       // "OPCJE GŁÓWNE"
  const CatalogueEntry* table = nullptr;   // the settings file
  std::vector<SettingKey> keys;
};

// The label a settings file's group is shown with ("W3PAZU.DBF" gives
// "ZUS", the main-options format "OPCJE GŁÓWNE"); "" for other files.
const char* settings_label(std::string_view file);

// Puts every key's default into its destination.
void apply_defaults(const SettingsGroup& group);

// Reads the group from its file, appending missing keys with their defaults.
// `year` fills a per-year file name (ignored for fixed names).  Returns 0 or
// -1 (message 20058 shown).
int read_settings(HostContext* ctx, const SettingsGroup& group, int year);

// Writes every key's current value into the file, appending missing keys.
// Returns 0 or -1 (message 20059 shown).
int write_settings(HostContext* ctx, const SettingsGroup& group, int year);

// Host message ids of the two failures.
inline constexpr int kMsgSettingsRead = 20058;
inline constexpr int kMsgSettingsWrite = 20059;

}  // namespace skolvarin::data
