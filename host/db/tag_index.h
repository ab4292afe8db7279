// An index tag kept in memory: the key of every record the tag holds, in
// key order (then record number), ascending or descending.
//
// Keys are the bytes of the tag's compiled key expression (host/db/
// expression.h): memcmp order is the order a bookkeeper expects.  A filter
// expression decides which records the tag holds.  Deleted records stay in
// a tag unless its filter says otherwise (as in dBASE).
//
// A descending tag orders entries by key from the highest, and equal keys
// by record number from the highest; a seek on a key prefix then lands on
// the highest key with that prefix.
//
// Invariants: the key of record r lives in keys_[r * key_len_] while
// member_[r] is 1, and r is in entries_ exactly when member_[r] is 1.
// Changing a member's key erases it from entries_ first (the comparator
// reads keys_).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/db/expression.h"

namespace skolvarin::db {

class TagIndex {
 public:
  struct Probe {
    const char* bytes;
    size_t size;
  };
  struct Compare {
    using is_transparent = void;
    const TagIndex* tag;
    bool operator()(std::uint32_t a, std::uint32_t b) const;
    bool operator()(std::uint32_t a, const Probe& p) const;
    bool operator()(const Probe& p, std::uint32_t b) const;
  };
  using Entries = std::set<std::uint32_t, Compare>;
  using Iter = Entries::const_iterator;

  // Compiles the key and filter (filter may be empty).  nullptr with a
  // Polish error naming the expression.
  static std::unique_ptr<TagIndex> compile(const std::string& expression, const std::string& filter,
                                           bool descending, std::span<const FieldDesc> fields,
                                           std::string& error);

  const std::string& expression() const { return expression_; }
  const std::string& filter() const { return filter_; }
  bool descending() const { return descending_; }
  const Expression& key_expression() const { return *key_; }
  int key_length() const { return key_len_; }

  // Drops every entry (before a rebuild).
  void clear();
  // Builds the tag from records 1..count read by `read`, which fills a
  // RecordView's record for a record number (false ends the build).
  template <typename ReadFn>
  void build(long count, ReadFn read);
  // Sets the entry of record r from its current contents: inserts, moves
  // (only when the key changed) or removes it (filter false).
  void put(const RecordView& r);
  void remove(long recno);

  bool holds(long recno) const { return recno > 0 && static_cast<size_t>(recno) < member_.size() && member_[recno]; }
  std::string_view key_of(long recno) const {
    return {keys_.data() + static_cast<size_t>(recno) * key_len_, static_cast<size_t>(key_len_)};
  }
  long size() const { return static_cast<long>(entries_.size()); }
  Iter begin() const { return entries_.begin(); }
  Iter end() const { return entries_.end(); }
  Iter find(long recno) const { return holds(recno) ? entries_.find(static_cast<std::uint32_t>(recno)) : entries_.end(); }
  // First entry (in tag order) at or after the key (prefix) given.
  Iter seek(std::string_view key) const;
  bool starts_with(Iter it, std::string_view key) const;
  // Where a record that is not in the tag would stand: the first entry
  // after it in tag order (its key, record number).
  Iter position_of(const RecordView& r) const;

 private:
  TagIndex() : entries_(Compare{this}) {}
  void ensure(long recno);
  bool compute(const RecordView& r, std::string& key) const;

  std::string expression_, filter_;
  bool descending_ = false;
  std::unique_ptr<Expression> key_, filter_expr_;
  int key_len_ = 0;
  std::vector<char> keys_;
  std::vector<unsigned char> member_;
  Entries entries_;
  mutable std::string scratch_;
};

template <typename ReadFn>
void TagIndex::build(long count, ReadFn read) {
  clear();
  ensure(count);
  std::vector<std::uint32_t> order;
  order.reserve(static_cast<size_t>(count));
  RecordView view;
  for (long r = 1; r <= count; ++r) {
    if (!read(r, view)) break;
    if (!compute(view, scratch_)) continue;
    std::memcpy(keys_.data() + static_cast<size_t>(r) * key_len_, scratch_.data(), static_cast<size_t>(key_len_));
    member_[static_cast<size_t>(r)] = 1;
    order.push_back(static_cast<std::uint32_t>(r));
  }
  Compare cmp{this};
  std::sort(order.begin(), order.end(), cmp);
  for (std::uint32_t r : order) entries_.insert(entries_.end(), r);
}

}  // namespace skolvarin::db
