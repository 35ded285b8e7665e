#include "aatext/SmoothBlend.h"

#include <algorithm>

#include "aatext/SmoothBlendRow.h"
#include "aatext/SmoothFont.h"
#include "aatext/SmoothMask.h"

namespace iv {

void TSmoothBlend::BlendMask(int x, int y, TColor color, std::uint8_t alpha, const TSmoothMask &mask) {
  if (owner_ == nullptr || owner_->GetCanvas() == nullptr) return;
  Canvas &canvas = *owner_->GetCanvas();
  Bitmap &target = canvas.Target();
  // Only the part of the box on the canvas is composed.
  const TRect box = Bounds(x, y, mask.Width(), mask.Height());
  const TRect area{std::max(box.Left, 0), std::max(box.Top, 0), std::min(box.Right, target.Width()),
                   std::min(box.Bottom, target.Height())};
  if (area.IsEmpty()) return;

  // A 24-bit canvas is composed in place; another goes through a 24-bit copy of the area.
  Bitmap *pixels = &target;
  TPoint at{area.Left, area.Top};
  if (target.Format() != PixelFormat::Bgr24) {
    work_.SetSize(area.Width(), area.Height());
    work_.CopyBlock(0, 0, target, area);
    pixels = &work_;
    at = {0, 0};
  }
  // A solid brush paints the whole box; otherwise the text goes over what the canvas shows.
  if (canvas.Brush().Style == bsSolid)
    pixels->Fill(Bounds(at.X, at.Y, area.Width(), area.Height()), ColorToRGB(canvas.Brush().Color));

  const TColor rgb = ColorToRGB(color);
  const int ink[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
  const int factor = std::min<int>(alpha, 100) * 256 / 100;
  for (int r = 0; r < area.Height(); ++r)
    BlendRow(mask.MaskRow(area.Top - box.Top + r) + (area.Left - box.Left), pixels->Row(at.Y + r) + 3 * at.X,
             area.Width(), ink, factor);
  if (pixels == &work_) canvas.Draw(area.Left, area.Top, work_);
}

}  // namespace iv
