#pragma once
// The preview window of invoice-render --watch: a page picture enlarged by a whole factor,
// nearest pixel, so each pixel the kiosk shows is a square of pixels here. The window takes
// the size of the enlarged page.
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/ui/form.h"

namespace iv {

class WatchWindow : public Form {
 public:
  static constexpr int kMinZoom = 1;
  static constexpr int kMaxZoom = 4;

  WatchWindow();

  // Shows a copy of `page` under the caption (GBK).
  void ShowPage(const Bitmap &page, const std::string &caption);
  int Zoom() const { return zoom_; }
  // Kept within kMinZoom..kMaxZoom.
  void SetZoom(int zoom);

 private:
  void FitPage();

  Bitmap page_;
  int zoom_ = kMinZoom;
};

}  // namespace iv
