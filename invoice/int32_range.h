#pragma once
// Coordinates come from template text and sums of it; they stay within the 32-bit range the
// canvas works in instead of wrapping.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace iv {

inline std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace iv
