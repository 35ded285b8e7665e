#include "platform/gfx/canvas.h"

#include <gtest/gtest.h>

#include "platform/text/gbk.h"

namespace iv {
namespace {

TEST(CanvasTest, FillUsesTheBrushAndAClearBrushFillsNothing) {
  Bitmap bitmap(4, 4);
  Canvas canvas(bitmap);
  canvas.Brush().Color = clBtnFace;
  canvas.FillRect({0, 0, 4, 4});
  EXPECT_EQ(canvas.Pixel(3, 3), RGB(240, 240, 240));
  canvas.Brush().Color = clRed;
  canvas.Brush().Style = bsClear;
  canvas.FillRect({0, 0, 4, 4});
  EXPECT_EQ(canvas.Pixel(3, 3), RGB(240, 240, 240));
}

TEST(CanvasTest, CopyRectCopiesOrStretches) {
  Bitmap sourceBitmap(2, 2);
  sourceBitmap.Fill(clBlue);
  sourceBitmap.SetPixel(0, 0, clRed);
  Canvas source(sourceBitmap);
  Bitmap bitmap(4, 4);
  Canvas canvas(bitmap);
  canvas.CopyRect({1, 1, 3, 3}, source, {0, 0, 2, 2});
  EXPECT_EQ(canvas.Pixel(1, 1), clRed);
  EXPECT_EQ(canvas.Pixel(2, 2), clBlue);
  EXPECT_EQ(canvas.Pixel(0, 0), clBlack);
  canvas.CopyRect({0, 0, 4, 4}, source, {0, 0, 2, 2});
  EXPECT_EQ(canvas.Pixel(1, 1), clRed);
  EXPECT_EQ(canvas.Pixel(3, 3), clBlue);
}

TEST(CanvasTest, TextIsDrawnInTheFontColourWithinItsCell) {
  Bitmap bitmap(200, 60);
  Canvas canvas(bitmap);
  canvas.FillRect({0, 0, 200, 60});  // white
  canvas.Font().SetName(Gbk(u8"黑体"));
  canvas.Font().SetSize(16);
  canvas.Font().SetColor(clRed);
  canvas.Brush().Style = bsClear;
  const std::string text = Gbk(u8"发票");
  const TSize extent = canvas.TextExtent(text);
  canvas.TextOut(10, 10, text);
  bool red = false;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      const TColor pixel = canvas.Pixel(x, y);
      const bool inside = x >= 9 && x <= 10 + extent.cx && y >= 10 && y < 10 + extent.cy;
      if (!inside) {
        EXPECT_EQ(pixel, clWhite) << x << "," << y;
      }
      red |= pixel == clRed;
      EXPECT_EQ(GetRValue(pixel), 255);  // only mixes of white and red
    }
  EXPECT_TRUE(red);

  // A solid brush paints the cell first.
  canvas.Brush().Style = bsSolid;
  canvas.Brush().Color = clLime;
  canvas.TextOut(100, 30, "");
  canvas.TextOut(100, 30, " ");
  EXPECT_EQ(canvas.Pixel(100, 30), clLime);
  // Far outside: nothing breaks.
  canvas.TextOut(-1000, 5000, text);
}

}  // namespace
}  // namespace iv
