#pragma once
#include <cstdint>

namespace iv {

// Supersampling level of the smooth text: s = 4, 3, 2, 1.
enum TTextQuality : std::uint8_t { tqHigh, tqNormal, tqLow, tqNone };

// Any ordinal outside the four levels samples once.
constexpr int ScaleOf(TTextQuality quality) {
  switch (quality) {
    case tqHigh: return 4;
    case tqNormal: return 3;
    case tqLow: return 2;
    default: return 1;
  }
}

}  // namespace iv
