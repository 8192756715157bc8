#pragma once

#include <array>
#include <cstddef>

// True when row i of the table holds enum value i in the given member, so that the table
// may be indexed by the enum. Every such table checks it with a static_assert.
template <typename Row, std::size_t N, typename Enum>
constexpr bool rowsFollowEnum(const std::array<Row, N>& rows, Enum Row::*member) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(rows[i].*member) != i) return false;
  }
  return true;
}
