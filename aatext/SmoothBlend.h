#pragma once
// Composition of a coverage mask onto the owner's canvas in one colour.
#include <cstdint>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"

namespace iv {

class TSmoothFont;
class TSmoothMask;

class TSmoothBlend {
 public:
  explicit TSmoothBlend(TSmoothFont *owner) : owner_(owner) {}
  TSmoothBlend(const TSmoothBlend &) = delete;
  TSmoothBlend &operator=(const TSmoothBlend &) = delete;

  TSmoothFont *Owner() const { return owner_; }
  // alpha is an opacity percentage (0..100); larger values count as 100.
  void BlendMask(int x, int y, TColor color, std::uint8_t alpha, const TSmoothMask &mask);

 private:
  TSmoothFont *owner_;
  Bitmap work_;  // 24-bit copy of the area when the canvas has another format
};

}  // namespace iv
