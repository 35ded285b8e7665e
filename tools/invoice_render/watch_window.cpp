#include "tools/invoice_render/watch_window.h"

#include <algorithm>

namespace iv {

WatchWindow::WatchWindow() {
  SetKeyPreview(true);
  SetOnEraseBackground([this](Canvas &canvas) {
    canvas.Target().StretchDraw(Bounds(0, 0, Width(), Height()), page_);
  });
}

void WatchWindow::ShowPage(const Bitmap &page, const std::string &caption) {
  page_ = page;
  SetCaption(caption);
  FitPage();
  Invalidate();
}

void WatchWindow::SetZoom(int zoom) {
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  FitPage();
}

void WatchWindow::FitPage() { SetBounds(Left(), Top(), page_.Width() * zoom_, page_.Height() * zoom_); }

}  // namespace iv
