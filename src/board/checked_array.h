// A fixed-size array whose every access is checked against its bounds in debug builds.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace kalmotre {

template <typename T, std::size_t N>
class CheckedArray {
 public:
  T& operator[](int index) {
    assert(index >= 0 && static_cast<std::size_t>(index) < N && "array index out of range");
    return data_[static_cast<std::size_t>(index)];
  }
  const T& operator[](int index) const {
    assert(index >= 0 && static_cast<std::size_t>(index) < N && "array index out of range");
    return data_[static_cast<std::size_t>(index)];
  }
  void fill(const T& value) { data_.fill(value); }
  static constexpr int size() { return static_cast<int>(N); }
  auto begin() const { return data_.begin(); }
  auto end() const { return data_.end(); }
  friend bool operator==(const CheckedArray&, const CheckedArray&) = default;

 private:
  std::array<T, N> data_{};
};

}  // namespace kalmotre
