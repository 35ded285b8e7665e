#pragma once
// A drawing surface over a bitmap it does not own: font, brush, fills, block copies, pictures
// and plain text output through the font engine.
#include <string_view>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace iv {

enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

class Canvas {
 public:
  explicit Canvas(Bitmap &target) : target_(&target) {}

  Bitmap &Target() { return *target_; }
  const Bitmap &Target() const { return *target_; }
  int Width() const { return target_->Width(); }
  int Height() const { return target_->Height(); }

  TFont &Font() { return font_; }
  const TFont &Font() const { return font_; }
  TBrush &Brush() { return brush_; }
  const TBrush &Brush() const { return brush_; }

  TColor Pixel(int x, int y) const { return target_->Pixel(x, y); }

  // Fills with the brush colour; a clear brush fills nothing.
  void FillRect(const TRect &rect);
  // Copies, stretching when the two rectangles differ in size; clipped at every edge.
  void CopyRect(const TRect &dest, const Bitmap &source, const TRect &sourceRect);
  void CopyRect(const TRect &dest, const Canvas &source, const TRect &sourceRect);
  void Draw(int x, int y, const Bitmap &picture);
  void StretchDraw(const TRect &dest, const Bitmap &picture);

  // Text in the canvas font and its colour, top left of the text cell at (x, y); a solid brush
  // paints the cell in the brush colour first, a clear brush leaves the background.
  void TextOut(int x, int y, std::string_view text);
  TSize TextExtent(std::string_view text) const;
  int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) const { return TextExtent(text).cy; }

 private:
  Bitmap *target_;
  TFont font_;
  TBrush brush_;
};

}  // namespace iv
