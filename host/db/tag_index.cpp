#include "host/db/tag_index.h"

#include <algorithm>
#include <cstring>

namespace skolvarin::db {

bool TagIndex::Compare::operator()(std::uint32_t a, std::uint32_t b) const {
  int c = std::memcmp(tag->keys_.data() + static_cast<size_t>(a) * tag->key_len_,
                      tag->keys_.data() + static_cast<size_t>(b) * tag->key_len_, static_cast<size_t>(tag->key_len_));
  if (c == 0) c = a < b ? -1 : (a > b ? 1 : 0);
  return tag->descending_ ? c > 0 : c < 0;
}

bool TagIndex::Compare::operator()(std::uint32_t a, const Probe& p) const {
  int c = std::memcmp(tag->keys_.data() + static_cast<size_t>(a) * tag->key_len_, p.bytes, p.size);
  return tag->descending_ ? c > 0 : c < 0;
}

bool TagIndex::Compare::operator()(const Probe& p, std::uint32_t b) const {
  int c = std::memcmp(p.bytes, tag->keys_.data() + static_cast<size_t>(b) * tag->key_len_, p.size);
  return tag->descending_ ? c > 0 : c < 0;
}

std::unique_ptr<TagIndex> TagIndex::compile(const std::string& expression, const std::string& filter,
                                            bool descending, std::span<const FieldDesc> fields,
                                            std::string& error) {
  std::unique_ptr<TagIndex> t(new TagIndex());
  t->expression_ = expression;
  t->filter_ = filter;
  t->descending_ = descending;
  std::string why;
  t->key_ = Expression::compile(expression, fields, why);
  if (!t->key_) {
    error = "błędne wyrażenie klucza indeksu \"" + expression + "\": " + why;
    return nullptr;
  }
  t->key_len_ = t->key_->key_length();
  if (t->key_len_ <= 0) {
    error = "wyrażenie klucza indeksu \"" + expression + "\" ma zerową długość";
    return nullptr;
  }
  bool has_filter = filter.find_first_not_of(' ') != std::string::npos;
  if (has_filter) {
    t->filter_expr_ = Expression::compile(filter, fields, why);
    if (!t->filter_expr_) {
      error = "błędny warunek indeksu \"" + filter + "\": " + why;
      return nullptr;
    }
    if (t->filter_expr_->kind() != KeyKind::Logical) {
      error = "warunek indeksu \"" + filter + "\" nie jest wyrażeniem logicznym";
      return nullptr;
    }
  }
  return t;
}

void TagIndex::clear() {
  entries_.clear();
  std::fill(member_.begin(), member_.end(), 0);
}

void TagIndex::ensure(long recno) {
  size_t need = static_cast<size_t>(recno) + 1;
  if (member_.size() >= need) return;
  size_t grow = std::max(need, member_.size() + member_.size() / 2 + 16);
  member_.resize(grow, 0);
  keys_.resize(grow * static_cast<size_t>(key_len_));
}

bool TagIndex::compute(const RecordView& r, std::string& key) const {
  if (filter_expr_ && !filter_expr_->test(r)) return false;
  key_->key(r, key);
  if (key.size() != static_cast<size_t>(key_len_)) key.resize(static_cast<size_t>(key_len_), ' ');
  return true;
}

void TagIndex::put(const RecordView& r) {
  long recno = r.recno;
  if (recno <= 0) return;
  ensure(recno);
  std::string key;
  bool in = compute(r, key);
  bool was = member_[static_cast<size_t>(recno)] != 0;
  if (was && in && key_of(recno) == std::string_view(key)) return;  // key unchanged
  if (was) {
    entries_.erase(static_cast<std::uint32_t>(recno));
    member_[static_cast<size_t>(recno)] = 0;
  }
  if (!in) return;
  std::memcpy(keys_.data() + static_cast<size_t>(recno) * key_len_, key.data(), static_cast<size_t>(key_len_));
  member_[static_cast<size_t>(recno)] = 1;
  entries_.insert(static_cast<std::uint32_t>(recno));
}

void TagIndex::remove(long recno) {
  if (!holds(recno)) return;
  entries_.erase(static_cast<std::uint32_t>(recno));
  member_[static_cast<size_t>(recno)] = 0;
}

TagIndex::Iter TagIndex::seek(std::string_view key) const {
  size_t n = std::min(key.size(), static_cast<size_t>(key_len_));
  return entries_.lower_bound(Probe{key.data(), n});
}

bool TagIndex::starts_with(Iter it, std::string_view key) const {
  if (it == entries_.end()) return false;
  size_t n = std::min(key.size(), static_cast<size_t>(key_len_));
  return std::memcmp(keys_.data() + static_cast<size_t>(*it) * key_len_, key.data(), n) == 0;
}

TagIndex::Iter TagIndex::position_of(const RecordView& r) const {
  std::string key;
  key_->key(r, key);
  key.resize(static_cast<size_t>(key_len_), ' ');
  // First entry after (key, recno) in tag order.
  Iter it = entries_.lower_bound(Probe{key.data(), key.size()});
  while (it != entries_.end() && std::memcmp(keys_.data() + static_cast<size_t>(*it) * key_len_, key.data(), key.size()) == 0) {
    bool before = descending_ ? static_cast<long>(*it) > r.recno : static_cast<long>(*it) < r.recno;
    if (!before) break;
    ++it;
  }
  return it;
}

}  // namespace skolvarin::db
