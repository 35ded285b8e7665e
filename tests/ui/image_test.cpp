// The picture control: where its picture lands on the form.
#include "platform/ui/image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace iv {
namespace {

// A 4 x 2 picture; its bottom-left pixel is lime.
Bitmap TestPicture() {
  Bitmap picture(4, 2);
  const TColor colors[2][4] = {{clRed, clLime, clBlue, clYellow}, {clLime, clYellow, clRed, clBlue}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) picture.SetPixel(x, y, colors[y][x]);
  return picture;
}

// The form's pixels in the first rows, one letter a pixel: R, G (lime), B, Y or '.' (white).
std::vector<std::string> Pixels(const Form &form, int width, int height) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      switch (form.Surface().Pixel(x, y)) {
        case clRed: row += 'R'; break;
        case clLime: row += 'G'; break;
        case clBlue: row += 'B'; break;
        case clYellow: row += 'Y'; break;
        case clWhite: row += '.'; break;
        default: row += '?';
      }
    }
    rows.push_back(row);
  }
  return rows;
}

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::Instance().SetDisplay(OpenHeadlessDisplay());
    form.SetBounds(0, 0, 10, 6);
    form.SetColor(clWhite);
    image.SetBounds(1, 1, 8, 4);
    image.SetPicture(TestPicture());
  }
  std::vector<std::string> Painted() {
    form.Repaint();
    return Pixels(form, 10, 6);
  }

  Form form;
  Image image{form};
};

TEST_F(ImageTest, PlacedAtTheTopLeftCentredOrStretchedAndNeverBeyondTheBounds) {
  EXPECT_EQ(Painted(), (std::vector<std::string>{"..........", ".RGBY.....", ".GYRB.....", "..........",
                                                 "..........", ".........."}));
  image.SetCenter(true);
  EXPECT_EQ(Painted(), (std::vector<std::string>{"..........", "..........", "...RGBY...", "...GYRB...",
                                                 "..........", ".........."}));
  image.SetStretch(true);  // wins over centring
  EXPECT_EQ(Painted(), (std::vector<std::string>{"..........", ".RRGGBBYY.", ".RRGGBBYY.", ".GGYYRRBB.",
                                                 ".GGYYRRBB.", ".........."}));
  image.SetStretch(false);
  image.SetBounds(2, 1, 2, 1);  // smaller than the picture: centred, then cut at the bounds
  EXPECT_EQ(Painted(), (std::vector<std::string>{"..........", "..GB......", "..........", "..........",
                                                 "..........", ".........."}));
  image.ClearPicture();
  EXPECT_EQ(Painted(), (std::vector<std::string>(6, "..........")));
}

TEST_F(ImageTest, TransparentLeavesTheBottomLeftColourAndAutoSizeFollowsEachNewPicture) {
  image.SetTransparent(true);
  image.SetStretch(true);
  image.SetBounds(1, 1, 4, 4);
  EXPECT_EQ(Painted(), (std::vector<std::string>{"..........", ".R.BY.....", ".R.BY.....", "..YRB.....",
                                                 "..YRB.....", ".........."}));
  image.SetAutoSize(true);
  EXPECT_EQ(image.BoundsRect(), Bounds(1, 1, 4, 2));
  image.SetPicture(Bitmap(3, 5));
  EXPECT_EQ(image.BoundsRect(), Bounds(1, 1, 3, 5));
  image.ClearPicture();  // an empty picture keeps the place
  EXPECT_EQ(image.BoundsRect(), Bounds(1, 1, 3, 5));
}

}  // namespace
}  // namespace iv
