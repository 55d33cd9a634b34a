// Arrays with declared index bounds, indexed as the window's tables are: giorno_anno(1).
#pragma once

#include <array>

/// An array indexed from `First` to `Last`; an index outside the bounds throws
/// std::out_of_range.
template <typename T, int First, int Last>
class BoundedArray {
 public:
  T& operator()(int index) { return items_.at(static_cast<std::size_t>(index - First)); }
  const T& operator()(int index) const {
    return items_.at(static_cast<std::size_t>(index - First));
  }

 private:
  std::array<T, Last - First + 1> items_{};
};
