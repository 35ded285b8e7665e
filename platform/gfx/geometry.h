#pragma once
// Points, sizes and rectangles in pixels, laid out as the drawing platform's own records.
#include <algorithm>
#include <cstdint>

namespace iv {

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint &, const TPoint &) = default;
};

struct TSize {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const TSize &, const TSize &) = default;
};

// Right and Bottom are exclusive.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  std::int32_t Width() const { return Right - Left; }
  std::int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect &, const TRect &) = default;
};

// Edges that would pass the 32-bit limits stop at them, so a rectangle far off any image
// stays far off it instead of wrapping around onto it.
inline std::int32_t SaturatedEdge(std::int64_t edge) {
  return std::int32_t(std::clamp<std::int64_t>(edge, INT32_MIN, INT32_MAX));
}

inline TRect Bounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return {left, top, SaturatedEdge(std::int64_t{left} + width), SaturatedEdge(std::int64_t{top} + height)};
}

}  // namespace iv
