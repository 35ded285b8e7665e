#include "aatext/SmoothBlend.h"

#include <algorithm>

#include "aatext/SmoothFont.h"
#include "aatext/SmoothMask.h"

namespace iv {

void TSmoothBlend::BlendMask(int x, int y, TColor color, std::uint8_t alpha, const TSmoothMask &mask) {
  if (owner_ == nullptr || owner_->GetCanvas() == nullptr) return;
  Canvas &canvas = *owner_->GetCanvas();
  work_.SetSize(mask.Width(), mask.Height());
  const TColor rgb = ColorToRGB(color);
  const int target[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
  const int factor = std::min<int>(alpha, 100) * 256 / 100;

  // A solid brush paints the whole box; otherwise the text goes over what the canvas shows.
  if (canvas.Brush().Style == bsSolid)
    work_.Fill(ColorToRGB(canvas.Brush().Color));
  else
    work_.CopyBlock(0, 0, canvas.Target(), Bounds(x, y, mask.Width(), mask.Height()));

  for (int r = 0; r < mask.Height(); ++r) {
    const std::uint8_t *coverage = mask.MaskRow(r);
    std::uint8_t *pixel = work_.Row(r);
    for (int c = 0; c < mask.Width(); ++c, pixel += 3) {
      const int a = (coverage[c] * factor) >> 8;
      if (a == 0) continue;
      if (a == 255) {
        pixel[0] = std::uint8_t(target[0]), pixel[1] = std::uint8_t(target[1]), pixel[2] = std::uint8_t(target[2]);
        continue;
      }
      for (int channel = 0; channel < 3; ++channel)
        pixel[channel] = std::uint8_t(pixel[channel] + (((target[channel] - pixel[channel]) * a) >> 8));
    }
  }
  canvas.Draw(x, y, work_);
}

}  // namespace iv
