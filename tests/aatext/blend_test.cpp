// Composition of masks onto a canvas, exactly.
#include <gtest/gtest.h>

#include <vector>

#include "aatext/SmoothFont.h"

namespace iv {
namespace {

class BlendTest : public ::testing::Test {
 protected:
  BlendTest() : bitmap_(4, 3), canvas_(bitmap_), font_(&canvas_) {
    canvas_.Brush().Color = clWhite;
    canvas_.FillRect({0, 0, 4, 3});
    canvas_.Brush().Style = bsClear;
  }

  // A 1 x 1 mask of one coverage value, made at the given quality from a uniform cell.
  void MaskOfCell(TTextQuality quality, std::uint8_t level) {
    TSmoothMask &mask = font_.Mask();
    mask.SetQuality(quality);
    Bitmap gray(mask.Scale(), mask.Scale(), PixelFormat::Indexed8);
    gray.Fill(RGB(level, level, level));
    mask.ReduceFrom(gray, {1, 1});
  }

  void MaskOf(const std::vector<std::uint8_t> &topRow, const std::vector<std::uint8_t> &bottomRow) {
    TSmoothMask &mask = font_.Mask();
    mask.SetQuality(tqNone);
    Bitmap gray(int(topRow.size()), 2, PixelFormat::Indexed8);
    for (std::size_t x = 0; x < topRow.size(); ++x) gray.Row(0)[x] = topRow[x], gray.Row(1)[x] = bottomRow[x];
    mask.ReduceFrom(gray, {gray.Width(), 2});
  }

  void Blend(int x, int y, TColor color, std::uint8_t alpha) {
    font_.Blend().BlendMask(x, y, color, alpha, font_.Mask());
  }

  Bitmap bitmap_;
  Canvas canvas_;
  TSmoothFont font_;
};

TEST_F(BlendTest, FullInkGivesTheExactColourExceptAtNormalQuality) {
  MaskOfCell(tqNormal, 255);
  Blend(0, 0, clBlack, 100);
  EXPECT_EQ(canvas_.Pixel(0, 0), RGB(1, 1, 1));  // coverage 254
  for (TTextQuality quality : {tqHigh, tqLow, tqNone}) {
    MaskOfCell(quality, 255);
    Blend(1, 0, RGB(10, 20, 30), 100);
    EXPECT_EQ(canvas_.Pixel(1, 0), RGB(10, 20, 30)) << int(quality);
  }
  // A system colour is resolved first.
  MaskOfCell(tqNone, 255);
  Blend(2, 0, clWindowText, 100);
  EXPECT_EQ(canvas_.Pixel(2, 0), clBlack);
}

TEST_F(BlendTest, PartialCoverageMovesEachChannelByFlooredSteps) {
  MaskOf({128, 1, 0, 255}, {200, 0, 0, 0});
  Blend(0, 0, RGB(0, 255, 100), 100);
  // 255 + floor((0 - 255) * 128 / 256) = 127; green stays; blue 255 + floor(-155*128/256) = 177.
  EXPECT_EQ(canvas_.Pixel(0, 0), RGB(127, 255, 177));
  EXPECT_EQ(canvas_.Pixel(1, 0), RGB(254, 255, 254));  // floor(-255/256) = -1
  EXPECT_EQ(canvas_.Pixel(2, 0), clWhite);
  EXPECT_EQ(canvas_.Pixel(3, 0), RGB(0, 255, 100));
  EXPECT_EQ(canvas_.Pixel(0, 1), RGB(55, 255, 133));  // floor(-199.2), floor(-121.09)
}

TEST_F(BlendTest, AlphaScalesTheCoverage) {
  MaskOfCell(tqNone, 255);
  Blend(0, 0, clBlack, 50);  // factor 128: effective coverage 127
  EXPECT_EQ(canvas_.Pixel(0, 0), RGB(128, 128, 128));
  Blend(1, 0, clBlack, 0);
  EXPECT_EQ(canvas_.Pixel(1, 0), clWhite);
  Blend(2, 0, clBlack, 250);  // beyond 100 counts as 100
  EXPECT_EQ(canvas_.Pixel(2, 0), clBlack);
}

TEST_F(BlendTest, ASolidBrushFillsTheWholeBoxEvenWithoutInk) {
  canvas_.Brush().Style = bsSolid;
  canvas_.Brush().Color = clBtnFace;
  MaskOf({0, 255}, {0, 0});
  Blend(1, 1, clBlack, 0);
  EXPECT_EQ(canvas_.Pixel(1, 1), RGB(240, 240, 240));
  EXPECT_EQ(canvas_.Pixel(2, 1), RGB(240, 240, 240));  // alpha 0: no ink, still filled
  EXPECT_EQ(canvas_.Pixel(2, 2), RGB(240, 240, 240));
  EXPECT_EQ(canvas_.Pixel(0, 1), clWhite);
  Blend(1, 1, clRed, 100);
  EXPECT_EQ(canvas_.Pixel(2, 1), clRed);
  EXPECT_EQ(canvas_.Pixel(1, 1), RGB(240, 240, 240));
}

TEST_F(BlendTest, ABoxReachingBeyondTheCanvasIsClipped) {
  canvas_.Brush().Color = clBlue;
  canvas_.Brush().Style = bsSolid;
  canvas_.FillRect({0, 0, 4, 3});
  canvas_.Brush().Style = bsClear;
  MaskOf({255, 0}, {0, 255});
  Blend(-1, -1, clRed, 100);
  EXPECT_EQ(canvas_.Pixel(0, 0), clRed);  // mask (1, 1)
  EXPECT_EQ(canvas_.Pixel(1, 0), clBlue);
  Blend(3, 2, clLime, 100);
  EXPECT_EQ(canvas_.Pixel(3, 2), clLime);  // mask (0, 0)
  Blend(100, -100, clLime, 100);
}

TEST_F(BlendTest, WithoutACanvasNothingHappens) {
  MaskOfCell(tqNone, 255);
  font_.SetCanvas(nullptr);
  Blend(0, 0, clBlack, 100);
  font_.TextOut(0, 0, "abc");
  EXPECT_EQ(font_.TextExtent("abc"), (TSize{0, 0}));
  EXPECT_EQ(canvas_.Pixel(0, 0), clWhite);
  const std::vector<std::uint8_t> before = font_.Mask().Buffer();
  font_.Mask().RenderMask("abc");
  EXPECT_EQ(font_.Mask().Buffer(), before);
}

}  // namespace
}  // namespace iv
