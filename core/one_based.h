#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace pictorio {

// Fixed tables of the game are numbered from 1 (stock slot 33 is the canvas,
// venue 2 the local gallery, Monday is day 1). Indexing them as they are
// numbered keeps every rule readable and catches the off-by-one in debug builds.
template <typename T, int N>
class OneBased {
 public:
  T& operator[](int k) {
    assert(k >= 1 && k <= N);
    return items_[static_cast<std::size_t>(k - 1)];
  }
  const T& operator[](int k) const {
    assert(k >= 1 && k <= N);
    return items_[static_cast<std::size_t>(k - 1)];
  }
  static constexpr int size() { return N; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::array<T, N> items_{};
};

}  // namespace pictorio
