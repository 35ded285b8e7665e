// Whether the display shows a picture: compares the area of an xwd dump of the whole display
// (xwd -root) at LEFT,TOP with a PNG pixel for pixel.
// usage: screen_shows DISPLAY.xwd PICTURE.png LEFT TOP; exit 0 when every pixel is the same,
// 1 with the count of differing pixels and the first of them when not, 2 when a file is unreadable.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/gfx/picture.h"
#include "tests/support/window_test.h"
#include "tests/support/xwd_image.h"

int main(int argc, char **argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: screen_shows DISPLAY.xwd PICTURE.png LEFT TOP\n");
    return 2;
  }
  try {
    const iv::Bitmap display = iv::test::ReadXwd(argv[1]).pixels;
    const iv::Bitmap picture = iv::LoadPicture(argv[2]);
    const int left = std::stoi(argv[3]), top = std::stoi(argv[4]);
    if (left + picture.Width() > display.Width() || top + picture.Height() > display.Height()) {
      std::printf("the picture reaches beyond the display\n");
      return 1;
    }
    iv::Bitmap shown(picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) shown.SetPixel(x, y, display.Pixel(left + x, top + y));
    const iv::test::PixelDifference difference = iv::test::ComparePixels(shown, picture);
    if (difference.count == 0) return 0;
    std::printf("%d pixels differ, the first at %s\n", difference.count, difference.first.c_str());
    return 1;
  } catch (const std::exception &error) {
    std::printf("%s\n", error.what());
    return 2;
  }
}
