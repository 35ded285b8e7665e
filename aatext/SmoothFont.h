#pragma once
// Anti-aliased text by supersampling: the text is rasterised s times larger, reduced to a
// coverage mask and composed onto a canvas in its font colour.
#include <cstdint>
#include <string_view>

#include "aatext/SmoothBlend.h"
#include "aatext/SmoothMask.h"
#include "aatext/TextQuality.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"

namespace iv {

class TSmoothFont {
 public:
  // Font, font colour and brush are taken from the canvas at every call; it is not owned.
  explicit TSmoothFont(Canvas *canvas);
  virtual ~TSmoothFont() = default;
  TSmoothFont(const TSmoothFont &) = delete;
  TSmoothFont &operator=(const TSmoothFont &) = delete;

  Canvas *GetCanvas() const { return canvas_; }
  void SetCanvas(Canvas *canvas) { canvas_ = canvas; }
  TSmoothMask &Mask() { return mask_; }
  TSmoothBlend &Blend() { return blend_; }

  void SetQuality(TTextQuality quality) { mask_.SetQuality(quality); }
  TTextQuality Quality() const { return mask_.Quality(); }

  // (x, y) is the top left of the text; alpha and blur are percentages (0..100). The mask then
  // holds the part of the text that reaches the canvas; a text wholly off it draws nothing.
  void TextOut(int x, int y, std::string_view text, std::uint8_t alpha = 100,
               std::uint8_t blur = 0);

  virtual TSize TextExtent(std::string_view text);
  virtual int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  virtual int TextWidth(std::string_view text) { return TextExtent(text).cx; }

 private:
  Canvas *canvas_;
  TSmoothMask mask_{this};
  TSmoothBlend blend_{this};
};

}  // namespace iv
