// Arrays with declared index bounds, indexed as the window's tables are: giorno_anno(1).
#pragma once

#include <array>
#include <cassert>

/// An array indexed from `First` to `Last`; an index outside the bounds is a programming
/// error, asserted.
template <typename T, int First, int Last>
class BoundedArray {
 public:
  T& operator()(int index) { return items_[position(index)]; }
  const T& operator()(int index) const { return items_[position(index)]; }

 private:
  static std::size_t position(int index) {
    assert(index >= First && index <= Last);
    return static_cast<std::size_t>(index - First);
  }

  std::array<T, Last - First + 1> items_{};
};
