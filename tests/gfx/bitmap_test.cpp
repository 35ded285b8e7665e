#include "platform/gfx/bitmap.h"

#include <gtest/gtest.h>

#include "platform/gfx/color.h"

namespace iv {
namespace {

TEST(ColorTest, SystemColoursResolveAndPlainColoursPass) {
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
  EXPECT_EQ(ColorToRGB(kSystemColorFlag | 200), clBlack);  // unknown index
  EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetRValue(clRed), 255);
  EXPECT_EQ(GetBValue(clNavy), 128);
}

TEST(BitmapTest, RowsArePaddedToFourBytesAndFormatsStoreTheirOwnWay) {
  Bitmap colour(5, 2);
  EXPECT_EQ(colour.Stride(), 16);
  colour.SetPixel(4, 1, RGB(10, 20, 30));
  const std::uint8_t *p = colour.Row(1) + 12;
  EXPECT_EQ(p[0], 30);  // blue first
  EXPECT_EQ(p[2], 10);
  EXPECT_EQ(colour.Pixel(4, 1), RGB(10, 20, 30));

  Bitmap gray(5, 2, PixelFormat::Indexed8);
  EXPECT_EQ(gray.Stride(), 8);
  gray.Row(0)[3] = 77;
  EXPECT_EQ(gray.Pixel(3, 0), RGB(77, 77, 77));  // through the gray palette
  gray.Fill(RGB(200, 200, 200));
  EXPECT_EQ(gray.Row(1)[4], 200);
}

TEST(BitmapTest, EnlargeNeverShrinks) {
  Bitmap bitmap(10, 4);
  bitmap.Enlarge(6, 8);
  EXPECT_EQ(bitmap.Width(), 10);
  EXPECT_EQ(bitmap.Height(), 8);
  bitmap.Enlarge(3, 3);
  EXPECT_EQ(bitmap.Width(), 10);
  EXPECT_EQ(bitmap.Height(), 8);
}

TEST(BitmapTest, FillAndCopiesAreClippedAtEveryEdge) {
  Bitmap target(4, 4);
  target.Fill(clWhite);
  target.Fill({-5, -5, 2, 1}, clRed);
  EXPECT_EQ(target.Pixel(0, 0), clRed);
  EXPECT_EQ(target.Pixel(1, 0), clRed);
  EXPECT_EQ(target.Pixel(2, 0), clWhite);
  EXPECT_EQ(target.Pixel(0, 1), clWhite);

  Bitmap source(3, 3);
  source.Fill(clBlue);
  source.SetPixel(0, 0, clLime);
  // Reaches beyond the left and top of the target and beyond the source's right edge.
  target.Fill(clWhite);
  target.CopyBlock(-1, -1, source, {0, 0, 10, 10});
  EXPECT_EQ(target.Pixel(0, 0), clBlue);  // source (1, 1)
  EXPECT_EQ(target.Pixel(1, 1), clBlue);
  EXPECT_EQ(target.Pixel(2, 2), clWhite);  // beyond the source
  // Source rectangle partly outside the source on the left: only the inside part moves.
  target.Fill(clWhite);
  target.CopyBlock(1, 1, source, {-1, -1, 2, 2});
  EXPECT_EQ(target.Pixel(1, 1), clWhite);
  EXPECT_EQ(target.Pixel(2, 2), clLime);
  // Entirely outside: nothing happens.
  target.CopyBlock(100, 100, source, {0, 0, 3, 3});
  target.CopyBlock(0, 0, source, {50, 50, 60, 60});
  EXPECT_EQ(target.Pixel(3, 3), clBlue);
}

TEST(BitmapTest, CopyWithinOneImageMovesTheOriginalPixels) {
  Bitmap bitmap(1, 4);
  for (int y = 0; y < 4; ++y) bitmap.SetPixel(0, y, RGB(std::uint8_t(y), 0, 0));
  bitmap.CopyBlock(0, 1, bitmap, {0, 0, 1, 3});
  for (int y = 1; y < 4; ++y) EXPECT_EQ(bitmap.Pixel(0, y), RGB(std::uint8_t(y - 1), 0, 0));
  bitmap.CopyBlock(0, 0, bitmap, {0, 1, 1, 4});
  for (int y = 0; y < 3; ++y) EXPECT_EQ(bitmap.Pixel(0, y), RGB(std::uint8_t(y), 0, 0));
}

TEST(BitmapTest, DrawAtOwnSizeAndStretched) {
  Bitmap picture(2, 1);
  picture.SetPixel(0, 0, clRed);
  picture.SetPixel(1, 0, clBlue);
  Bitmap target(6, 4);
  target.Draw(4, 3, picture);
  EXPECT_EQ(target.Pixel(4, 3), clRed);
  EXPECT_EQ(target.Pixel(5, 3), clBlue);

  target.Fill(clWhite);
  target.StretchDraw({0, 0, 4, 2}, picture);
  EXPECT_EQ(target.Pixel(0, 0), clRed);
  EXPECT_EQ(target.Pixel(1, 1), clRed);
  EXPECT_EQ(target.Pixel(2, 0), clBlue);
  EXPECT_EQ(target.Pixel(3, 1), clBlue);
  EXPECT_EQ(target.Pixel(0, 2), clWhite);
  target.StretchDraw({-100, -100, 100, 100}, picture);  // clipped, no stray writes
  EXPECT_EQ(target.Pixel(5, 3), clBlue);
}

TEST(BitmapTest, TransparentCopyLeavesTheSeeThroughColourAndClips) {
  Bitmap source(3, 2);
  source.Fill(clLime);  // the see-through colour
  source.SetPixel(1, 0, clRed);
  source.SetPixel(2, 1, clBlue);
  Bitmap target(4, 3);
  target.Fill(clWhite);
  target.CopyBlockTransparent(1, 1, source, {0, 0, 3, 2}, clLime);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const TColor expected = x == 2 && y == 1 ? clRed : x == 3 && y == 2 ? clBlue : clWhite;
      EXPECT_EQ(target.Pixel(x, y), expected) << x << "," << y;
    }
  // Reaching beyond the target's top left: the copy is shifted and clipped like CopyBlock.
  target.Fill(clWhite);
  target.CopyBlockTransparent(-1, -1, source, {0, 0, 3, 2}, clLime);
  EXPECT_EQ(target.Pixel(0, 0), clWhite);  // source (1, 1) is see-through
  EXPECT_EQ(target.Pixel(1, 0), clBlue);
  // A source rectangle reaching left of the source: only the inside part moves.
  target.Fill(clWhite);
  target.CopyBlockTransparent(0, 0, source, {-1, 0, 9, 9}, clLime);
  EXPECT_EQ(target.Pixel(0, 0), clWhite);
  EXPECT_EQ(target.Pixel(2, 0), clRed);
  EXPECT_EQ(target.Pixel(3, 1), clBlue);
  // A paletted source is compared by colour.
  Bitmap gray(2, 1, PixelFormat::Indexed8);
  gray.Row(0)[0] = 0;
  gray.Row(0)[1] = 200;
  target.Fill(clWhite);
  target.CopyBlockTransparent(0, 0, gray, {0, 0, 2, 1}, clBlack);
  EXPECT_EQ(target.Pixel(0, 0), clWhite);
  EXPECT_EQ(target.Pixel(1, 0), RGB(200, 200, 200));
}

}  // namespace
}  // namespace iv
