// The picture control: where its picture lands on the form, and the handle a host fills it by.
#include "platform/ui/image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/png_writer.h"
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

TEST_F(ImageTest, HostHandleLoadsFilesAndCopiesPixelRowsButRefusesNonsense) {
  IvControl *handle = image.Handle();
  const std::string png = testing::TempDir() + "image_test_picture.png";
  WritePng(Bitmap(7, 3), png);
  EXPECT_EQ(handle->ops->LoadPicture(handle, png.c_str()), 1);
  EXPECT_EQ(image.Picture().Width(), 7);
  std::filesystem::remove(png);
  EXPECT_EQ(handle->ops->LoadPicture(handle, png.c_str()), 0);  // gone
  EXPECT_EQ(handle->ops->LoadPicture(handle, "picture.txt"), 0);
  EXPECT_EQ(handle->ops->LoadPicture(handle, nullptr), 0);
  EXPECT_EQ(image.Picture().Width(), 7) << "a failed load keeps the picture";

  // Two rows of two pixels, each row padded to 8 bytes.
  const unsigned char bgr[] = {0, 0, 255, 255, 0, 0, 9, 9, 0, 255, 0, 255, 255, 255, 9, 9};
  EXPECT_EQ(handle->ops->SetPixels(handle, 2, 2, 8, nullptr), 0);
  EXPECT_EQ(handle->ops->SetPixels(handle, 0, 2, 8, bgr), 0);
  EXPECT_EQ(handle->ops->SetPixels(handle, 2, -1, 8, bgr), 0);
  EXPECT_EQ(handle->ops->SetPixels(handle, 2, 2, 5, bgr), 0);  // rows would overlap
  EXPECT_EQ(handle->ops->SetPixels(handle, kMaxPictureSide + 1, 1, 3 * (kMaxPictureSide + 1), bgr), 0);
  EXPECT_EQ(image.Picture().Width(), 7);
  ASSERT_EQ(handle->ops->SetPixels(handle, 2, 2, 8, bgr), 1);
  EXPECT_EQ(image.Picture().Pixel(0, 0), clRed);
  EXPECT_EQ(image.Picture().Pixel(1, 0), clBlue);
  EXPECT_EQ(image.Picture().Pixel(0, 1), clLime);
  EXPECT_EQ(image.Picture().Pixel(1, 1), clWhite);
}

}  // namespace
}  // namespace iv
