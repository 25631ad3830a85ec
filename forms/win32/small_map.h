// A map for the host's few entries (windows, brushes, fonts, pictures):
// pairs in a vector, found by a linear search, in the order they were
// added. std::map would pull the C++ runtime's prebuilt tree code into the
// programs, code compiled for a newer CPU than they run on.
#pragma once

#include <utility>
#include <vector>

namespace forms::win32 {

template <class Key, class Value>
class SmallMap {
 public:
  using Entry = std::pair<Key, Value>;
  using iterator = typename std::vector<Entry>::iterator;
  using const_iterator = typename std::vector<Entry>::const_iterator;

  iterator begin() { return entries_.begin(); }
  iterator end() { return entries_.end(); }
  const_iterator begin() const { return entries_.begin(); }
  const_iterator end() const { return entries_.end(); }

  iterator find(const Key& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->first == key) return it;
    }
    return entries_.end();
  }
  const_iterator find(const Key& key) const {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->first == key) return it;
    }
    return entries_.end();
  }

  // The value of `key`, made with its default when there is none.
  Value& operator[](const Key& key) {
    auto found = find(key);
    if (found != entries_.end()) return found->second;
    entries_.emplace_back(key, Value());
    return entries_.back().second;
  }

  void erase(iterator where) { entries_.erase(where); }
  void erase(const Key& key) {
    auto found = find(key);
    if (found != entries_.end()) entries_.erase(found);
  }
  void clear() { entries_.clear(); }

 private:
  std::vector<Entry> entries_;
};

}  // namespace forms::win32
