#pragma once

#include <initializer_list>
#include <map>
#include <optional>

// An element array whose indices have gaps, such as Shape25(0..5, 7).
// Only the design's indices exist. Asking for another is a fault of the
// caller, and it fails safely in every build: the caller gets a fresh spare
// element that belongs to no container, so it is never drawn, reads as
// freshly made and keeps nothing that is written to it.
template <class T>
class Sparse {
 public:
  Sparse(std::initializer_list<int> indices) {
    for (int i : indices) items_.try_emplace(i);
  }
  T& operator[](int i) {
    auto it = items_.find(i);
    if (it != items_.end()) return it->second;
    return spare_.emplace();
  }
  bool contains(int i) const { return items_.count(i) != 0; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::map<int, T> items_;
  std::optional<T> spare_;
};
