#pragma once

#include <cassert>
#include <initializer_list>
#include <map>

// An element array whose indices have gaps, such as Shape25(0..5, 7).
// Only the design's indices exist; asking for another is a fault.
template <class T>
class Sparse {
 public:
  Sparse(std::initializer_list<int> indices) {
    for (int i : indices) items_.try_emplace(i);
  }
  T& operator[](int i) {
    auto it = items_.find(i);
    assert(it != items_.end());
    return it->second;
  }
  const T& operator[](int i) const {
    auto it = items_.find(i);
    assert(it != items_.end());
    return it->second;
  }
  bool contains(int i) const { return items_.count(i) != 0; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::map<int, T> items_;
};
