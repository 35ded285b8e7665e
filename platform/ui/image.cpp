#include "platform/ui/image.h"

#include <utility>

#include "platform/gfx/picture_cache.h"

namespace iv {

Image::Image(WinControl &parent) : GraphicControl(parent) {}

const Bitmap &Image::Picture() const {
  static const Bitmap kNone;
  return picture_ != nullptr ? *picture_ : kNone;
}

void Image::LoadFromFile(const std::string &path) { ShowPicture(PictureCache::Instance().Load(path)); }

void Image::SetPicture(Bitmap picture) { ShowPicture(std::make_shared<const Bitmap>(std::move(picture))); }

void Image::ShowPicture(std::shared_ptr<const Bitmap> picture) {
  picture_ = std::move(picture);
  FitPicture();
  Invalidate();
}

void Image::ClearPicture() {
  picture_.reset();
  Invalidate();
}

void Image::SetAutoSize(bool autoSize) {
  auto_size_ = autoSize;
  FitPicture();
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void Image::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void Image::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

// An empty picture leaves the size alone, so a button placed in a form keeps its place until
// its first picture arrives.
void Image::FitPicture() {
  const Bitmap &picture = Picture();
  if (auto_size_ && !picture.Empty()) SetBounds(Left(), Top(), picture.Width(), picture.Height());
}

void Image::Paint() {
  const Bitmap &picture = Picture();
  if (picture.Empty()) return;
  const TRect &bounds = BoundsRect();
  Bitmap scaled;
  if (stretch_) {
    scaled = Bitmap(bounds.Width(), bounds.Height());
    scaled.StretchDraw(Bounds(0, 0, scaled.Width(), scaled.Height()), picture);
  }
  const Bitmap &shown = stretch_ ? scaled : picture;
  int x = bounds.Left;
  int y = bounds.Top;
  if (center_ && !stretch_) {
    x += (bounds.Width() - shown.Width()) / 2;
    y += (bounds.Height() - shown.Height()) / 2;
  }
  // The part of the picture that falls inside the bounds, copied to where it falls.
  const TRect visible = {bounds.Left - x, bounds.Top - y, bounds.Right - x, bounds.Bottom - y};
  Bitmap &target = GetCanvas().Target();
  if (transparent_)
    target.CopyBlockTransparent(bounds.Left, bounds.Top, shown, visible,
                                picture.Pixel(0, picture.Height() - 1));
  else
    target.CopyBlock(bounds.Left, bounds.Top, shown, visible);
}

}  // namespace iv
