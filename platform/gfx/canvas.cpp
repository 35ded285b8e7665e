#include "platform/gfx/canvas.h"

#include <algorithm>

#include "platform/gfx/font_engine.h"

namespace iv {

namespace {

// The background moved toward the ink colour by coverage/255.
TColor Mix(TColor background, TColor ink, int coverage) {
  auto channel = [coverage](int from, int to) { return std::uint8_t(from + (to - from) * coverage / 255); };
  return RGB(channel(GetRValue(background), GetRValue(ink)),
             channel(GetGValue(background), GetGValue(ink)),
             channel(GetBValue(background), GetBValue(ink)));
}

}  // namespace

void Canvas::FillRect(const TRect &rect) {
  if (brush_.Style == bsClear) return;
  target_->Fill(rect, ColorToRGB(brush_.Color));
}

void Canvas::CopyRect(const TRect &dest, const Bitmap &source, const TRect &sourceRect) {
  if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height()) {
    target_->CopyBlock(dest.Left, dest.Top, source, sourceRect);
    return;
  }
  // Stretching copies go through a piece of the source at its own size.
  if (sourceRect.IsEmpty()) return;
  Bitmap piece(sourceRect.Width(), sourceRect.Height(), source.Format());
  piece.Colors() = source.Colors();
  piece.CopyBlock(0, 0, source, sourceRect);
  target_->StretchDraw(dest, piece);
}

void Canvas::CopyRect(const TRect &dest, const Canvas &source, const TRect &sourceRect) {
  CopyRect(dest, *source.target_, sourceRect);
}

void Canvas::Draw(int x, int y, const Bitmap &picture) { target_->Draw(x, y, picture); }

void Canvas::StretchDraw(const TRect &dest, const Bitmap &picture) {
  target_->StretchDraw(dest, picture);
}

TSize Canvas::TextExtent(std::string_view text) const {
  return FontEngine::Instance().TextExtent(font_.LogFont(), text);
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  const TLogFont record = font_.LogFont();
  FontEngine &engine = FontEngine::Instance();
  const TSize extent = engine.TextExtent(record, text);
  if (brush_.Style == bsSolid) target_->Fill(Bounds(x, y, extent.cx, extent.cy), ColorToRGB(brush_.Color));

  // Coverage of the text over the part of the canvas it can reach, then the font colour
  // mixed in by coverage.
  const int reach = extent.cx + extent.cy;  // rotated text stays within this of (x, y)
  const TRect area{std::max(x - reach, 0), std::max(y - reach, 0),
                   std::min(x + reach, Width()), std::min(y + reach, Height())};
  if (area.IsEmpty()) return;
  Bitmap coverage(area.Width(), area.Height(), PixelFormat::Indexed8);
  engine.DrawText(coverage, x - area.Left, y - area.Top, record, text);

  const TColor color = ColorToRGB(font_.Color());
  for (int row = 0; row < area.Height(); ++row) {
    const std::uint8_t *ink = coverage.Row(row);
    for (int col = 0; col < area.Width(); ++col) {
      if (ink[col] == 0) continue;
      const int px = area.Left + col, py = area.Top + row;
      target_->SetPixel(px, py, Mix(target_->Pixel(px, py), color, ink[col]));
    }
  }
}

}  // namespace iv
