// Measuring and drawing real text: properties that hold for any font version.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "aatext/SmoothFont.h"
#include "platform/gfx/font_engine.h"
#include "platform/gfx/png_writer.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

const TTextQuality kLevels[] = {tqHigh, tqNormal, tqLow, tqNone};

class SmoothFontTest : public ::testing::Test {
 protected:
  SmoothFontTest() : bitmap_(400, 120), canvas_(bitmap_), font_(&canvas_) {
    canvas_.Brush().Color = clWhite;
    canvas_.FillRect({0, 0, 400, 120});
    canvas_.Brush().Style = bsClear;
    canvas_.Font().SetName(Gbk(u8"宋体"));
    canvas_.Font().SetSize(12);
    canvas_.Font().SetColor(clBlack);
  }

  // The engine's extent of the canvas font made s times larger.
  TSize EngineExtent(std::string_view text, int scale) {
    TLogFont record = canvas_.Font().LogFont();
    record.lfHeight *= scale;
    record.lfWidth *= scale;
    return FontEngine::Instance().TextExtent(record, text);
  }

  // Box of the pixels that are not white.
  TRect Ink() const {
    TRect box{bitmap_.Width(), bitmap_.Height(), 0, 0};
    for (int y = 0; y < bitmap_.Height(); ++y)
      for (int x = 0; x < bitmap_.Width(); ++x)
        if (bitmap_.Pixel(x, y) != clWhite) {
          box.Left = std::min(box.Left, x), box.Right = std::max(box.Right, x + 1);
          box.Top = std::min(box.Top, y), box.Bottom = std::max(box.Bottom, y + 1);
        }
    return box;
  }

  Bitmap bitmap_;
  Canvas canvas_;
  TSmoothFont font_;
  const std::string text_ = Gbk(u8"销售凭证 No.123");
};

TEST_F(SmoothFontTest, MeasuresTheScaledFontRoundedUpToWholePixels) {
  for (TTextQuality quality : kLevels) {
    font_.SetQuality(quality);
    const int s = font_.Mask().Scale();
    const TSize scaled = EngineExtent(text_, s);
    EXPECT_EQ(font_.TextExtent(text_), (TSize{(scaled.cx + s - 1) / s, (scaled.cy + s - 1) / s}))
        << int(quality);
    EXPECT_EQ(font_.TextWidth(text_), font_.TextExtent(text_).cx);
    EXPECT_EQ(font_.TextHeight(text_), font_.TextExtent(text_).cy);
  }
  // Quality takes effect at the next measure, nothing else changes.
  font_.SetQuality(tqHigh);
  EXPECT_EQ(font_.TextWidth("x"), (EngineExtent("x", 4).cx + 3) / 4);
}

TEST_F(SmoothFontTest, DrawingTheSameTextAgainRasterisesNoGlyph) {
  for (TTextQuality quality : kLevels) {
    font_.SetQuality(quality);
    font_.TextOut(4, 4, text_);
    const std::size_t rasterised = FontEngine::Instance().RasterisedGlyphs();
    font_.TextOut(40, 30, text_);
    EXPECT_EQ(FontEngine::Instance().RasterisedGlyphs(), rasterised) << int(quality);
  }
}

TEST_F(SmoothFontTest, TextAtTheEdgesOfTheCoordinateRangeLeavesTheCanvasAlone) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  for (TBrushStyle style : {bsClear, bsSolid}) {
    canvas_.Brush().Style = style;
    font_.TextOut(kMax - 5, 10, text_);
    font_.TextOut(10, kMax, text_);
    font_.TextOut(kMin, kMin, text_);
    font_.TextOut(kMin + 3, 10, text_);
  }
  EXPECT_TRUE(Ink().IsEmpty());
}

// A text hanging over the canvas edges shows the same pixels as the same text drawn whole on
// a larger canvas, while only its visible part is rasterised.
TEST_F(SmoothFontTest, TextCutByTheCanvasEdgesShowsWhatTheWholeTextShows) {
  std::string longText;
  for (int i = 0; i < 6; ++i) longText += text_;
  constexpr int kMargin = 700;
  for (int escapement : {0, 900, 450}) {
    TLogFont record = canvas_.Font().LogFont();
    record.lfEscapement = escapement;
    canvas_.Font().SetLogFont(record);
    for (TTextQuality quality : kLevels) {
      for (std::uint8_t blur : {0, 60}) {
        for (TPoint at : {TPoint{-150, -7}, TPoint{250, 100}, TPoint{-40, -300}}) {
          Bitmap whole(400 + 2 * kMargin, 120 + 2 * kMargin);
          Canvas wholeCanvas(whole);
          wholeCanvas.Brush().Color = clWhite;
          wholeCanvas.FillRect({0, 0, whole.Width(), whole.Height()});
          wholeCanvas.Brush().Style = bsClear;
          wholeCanvas.Font() = canvas_.Font();
          TSmoothFont wholeFont(&wholeCanvas);
          wholeFont.SetQuality(quality);
          wholeFont.TextOut(at.X + kMargin, at.Y + kMargin, longText, 100, blur);

          canvas_.Brush().Color = clWhite;
          canvas_.Brush().Style = bsSolid;
          canvas_.FillRect({0, 0, 400, 120});
          canvas_.Brush().Style = bsClear;
          font_.SetQuality(quality);
          font_.TextOut(at.X, at.Y, longText, 100, blur);
          EXPECT_LE(font_.Mask().Width(), 400 + 4);
          EXPECT_LE(font_.Mask().Height(), 120 + 4);
          int differences = 0;
          for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 400; ++x)
              differences += bitmap_.Pixel(x, y) != whole.Pixel(x + kMargin, y + kMargin);
          EXPECT_EQ(differences, 0) << "escapement " << escapement << " quality " << int(quality)
                                    << " blur " << int(blur) << " at " << at.X << "," << at.Y;
        }
      }
    }
  }
}

TEST_F(SmoothFontTest, ItalicWidensByThirtyPercentOfTheAverageCharacter) {
  canvas_.Font().SetStyle({fsItalic});
  for (TTextQuality quality : kLevels) {
    font_.SetQuality(quality);
    const int s = font_.Mask().Scale();
    const int cx = (EngineExtent(text_, s).cx + s - 1) / s;
    const int widening = int(std::nearbyint(double(cx) / double(text_.size()) * 0.3));
    EXPECT_EQ(font_.TextWidth(text_), cx + widening);
    EXPECT_GT(widening, 0);
  }
  canvas_.Font().SetStyle({});
  font_.SetQuality(tqNormal);
  EXPECT_EQ(font_.TextWidth(text_), (EngineExtent(text_, 3).cx + 2) / 3);
}

#ifndef _WIN32
// Worked out by hand: in 宋体 an ASCII character is half an em wide on Linux, so "ab" at a height
// of h pixels is h wide, an average of h/2 a byte, and italic adds 0.3 of that, rounded half to
// even: 2.4 → 2, 3.6 → 4, 1.5 → 2, 4.5 → 4. (GDI's own metrics stand on Windows.)
TEST_F(SmoothFontTest, ItalicWideningIsRoundedHalfToEven) {
  canvas_.Font().SetStyle({fsItalic});
  const struct {
    int height;
    int width;
  } cases[] = {{16, 16 + 2}, {24, 24 + 4}, {10, 10 + 2}, {30, 30 + 4}};
  for (const auto &[height, width] : cases) {
    canvas_.Font().SetHeight(-height);
    for (TTextQuality quality : kLevels) {
      font_.SetQuality(quality);
      EXPECT_EQ(font_.TextWidth("ab"), width) << "height " << height << " quality " << int(quality);
    }
  }
}
#endif

TEST_F(SmoothFontTest, EscapementTurnsTheMeasuredBox) {
  const TSize flat = font_.TextExtent(text_);
  TLogFont record = canvas_.Font().LogFont();
  for (int escapement : {900, 1800, 450}) {
    record.lfEscapement = escapement;
    canvas_.Font().SetLogFont(record);
    TSize turned;
    TPoint offset;
    TSmoothMask::RotatedExtent(flat, escapement * 3.14159265358979323846264338327950288L / 1800,
                               turned, offset);
    EXPECT_EQ(font_.TextExtent(text_), turned) << escapement;
    // A half-pixel corner may round either way, but the box keeps its shape.
    if (escapement == 900) {
      EXPECT_NEAR(turned.cx, flat.cy, 1);
      EXPECT_EQ(turned.cy, flat.cx);
    }
  }
}

TEST_F(SmoothFontTest, TextInksOnlyItsBoxInTheFontColour) {
  for (TTextQuality quality : kLevels) {
    SCOPED_TRACE(int(quality));
    canvas_.Brush().Style = bsSolid;
    canvas_.FillRect({0, 0, 400, 120});
    canvas_.Brush().Style = bsClear;
    font_.SetQuality(quality);
    const TSize box = font_.TextExtent(text_);
    font_.TextOut(30, 40, text_);
    const TRect ink = Ink();
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Left, 30);
    EXPECT_GE(ink.Top, 40);
    EXPECT_LE(ink.Right, 30 + box.cx);
    EXPECT_LE(ink.Bottom, 40 + box.cy);
    EXPECT_GT(ink.Width(), box.cx / 2);
    int darkest = 255;
    for (int y = ink.Top; y < ink.Bottom; ++y)
      for (int x = ink.Left; x < ink.Right; ++x) {
        const TColor pixel = bitmap_.Pixel(x, y);
        EXPECT_TRUE(GetRValue(pixel) == GetGValue(pixel) && GetGValue(pixel) == GetBValue(pixel));
        darkest = std::min<int>(darkest, GetRValue(pixel));
      }
    EXPECT_LT(darkest, 128);
    if (quality == tqNormal) {
      EXPECT_GE(darkest, 1);  // full ink is 254 at this level
    }
  }
}

TEST_F(SmoothFontTest, SolidBrushPaintsTheBoxAndBlurSpreadsTheInk) {
  canvas_.Brush().Style = bsSolid;
  canvas_.Brush().Color = clYellow;
  const TSize box = font_.TextExtent(text_);
  font_.TextOut(10, 10, text_, 100, 0);
  EXPECT_EQ(Ink(), Bounds(10, 10, box.cx, box.cy));
  EXPECT_EQ(bitmap_.Pixel(10, 10), clYellow);

  auto inkedPixels = [&] {
    int count = 0;
    for (int y = 60; y < 60 + box.cy; ++y)
      for (int x = 10; x < 10 + box.cx; ++x) count += bitmap_.Pixel(x, y) != clWhite;
    return count;
  };
  canvas_.Brush().Style = bsClear;
  font_.TextOut(10, 60, text_, 100, 0);
  const int sharp = inkedPixels();
  canvas_.Brush().Style = bsSolid;
  canvas_.Brush().Color = clWhite;
  canvas_.FillRect({0, 50, 400, 120});
  canvas_.Brush().Style = bsClear;
  font_.TextOut(10, 60, text_, 100, 100);
  EXPECT_GT(inkedPixels(), sharp);
}

TEST_F(SmoothFontTest, RotatedTextStaysInsideItsTurnedBox) {
  TLogFont record = canvas_.Font().LogFont();
  record.lfEscapement = 900;
  canvas_.Font().SetLogFont(record);
  const std::string text = Gbk(u8"发票");
  const TSize box = font_.TextExtent(text);
  font_.TextOut(100, 10, text);
  const TRect ink = Ink();
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 100);
  EXPECT_GE(ink.Top, 10);
  EXPECT_LE(ink.Right, 100 + box.cx);
  EXPECT_LE(ink.Bottom, 10 + box.cy);
  EXPECT_GT(ink.Height(), ink.Width());
}

// Chinese at every level, black on white, for a person to look at.
TEST_F(SmoothFontTest, WritesAReadableSampleOfEveryLevel) {
  const char8_t *names[] = {u8"宋体", u8"黑体", u8"楷体_GB2312"};
  const int lineHeight = 26;
  Bitmap sheet(420, 4 * 3 * lineHeight + 8);
  Canvas canvas(sheet);
  canvas.FillRect({0, 0, sheet.Width(), sheet.Height()});
  canvas.Brush().Style = bsClear;
  canvas.Font().SetColor(clBlack);
  TSmoothFont font(&canvas);
  int y = 4;
  for (TTextQuality quality : kLevels) {
    font.SetQuality(quality);
    for (const char8_t *name : names) {
      canvas.Font().SetName(Gbk(name));
      canvas.Font().SetSize(12);
      font.TextOut(4, y, Gbk(u8"销售凭证 户名:张三 ￥12.50"));
      canvas.Font().SetSize(9);
      font.TextOut(260, y + 4, Gbk(u8"第1页 共2页 合计"));
      y += lineHeight;
    }
  }
  const std::filesystem::path out = std::filesystem::path(IV_BINARY_DIR) / "tests" / "aatext";
  std::filesystem::create_directories(out);
  WritePng(sheet, (out / "smooth_text_levels.png").string());
  EXPECT_TRUE(std::filesystem::exists(out / "smooth_text_levels.png"));
}

}  // namespace
}  // namespace iv
