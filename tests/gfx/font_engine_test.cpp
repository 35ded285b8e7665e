#include "platform/gfx/font_engine.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/text/gbk.h"

namespace iv {
namespace {

TLogFont FontNamed(const std::string &name, int height) {
  TLogFont font;
  font.SetFaceName(name);
  font.lfHeight = height;
  return font;
}

// Bounding box of the nonzero pixels; empty when there is no ink.
TRect InkBox(const Bitmap &gray) {
  TRect box{gray.Width(), gray.Height(), 0, 0};
  for (int y = 0; y < gray.Height(); ++y)
    for (int x = 0; x < gray.Width(); ++x)
      if (gray.Row(y)[x] != 0) {
        box.Left = std::min(box.Left, x), box.Right = std::max(box.Right, x + 1);
        box.Top = std::min(box.Top, y), box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

TEST(FontEngineTest, KioskFamilyNamesHaveChineseGlyphs) {
  FontEngine &engine = FontEngine::Instance();
  for (const char8_t *name : {u8"宋体", u8"黑体", u8"楷体_GB2312", u8"MS Sans Serif", u8"", u8"NoSuchFont"}) {
    SCOPED_TRACE(reinterpret_cast<const char *>(name));
    const TLogFont font = FontNamed(Gbk(name), -16);
    EXPECT_TRUE(engine.HasGlyph(font, U'中'));
    EXPECT_TRUE(engine.HasGlyph(font, U'A'));
    EXPECT_GT(engine.TextExtent(font, Gbk(u8"发票")).cx, 16);
  }
#ifdef _WIN32
  // GDI reports the face it chose: the kiosk's names are found (directly or through the
  // system's font replacements) rather than falling back to the default face.
  // What draws them is the substitute, named by its own family.
  for (const char8_t *name : {u8"宋体", u8"黑体", u8"楷体_GB2312"}) {
    EXPECT_EQ(engine.FaceFile(FontNamed(Gbk(name), -16)), reinterpret_cast<const char *>(name));
    EXPECT_NE(engine.DrawingFace(FontNamed(Gbk(name), -16)), reinterpret_cast<const char *>(name));
  }
#else
  // The aliases choose the matching Chinese styles.
  EXPECT_NE(engine.FaceFile(FontNamed(Gbk(u8"宋体"), -16)).find("uming"), std::string::npos);
  EXPECT_NE(engine.FaceFile(FontNamed(Gbk(u8"黑体"), -16)).find("wqy"), std::string::npos);
  EXPECT_NE(engine.FaceFile(FontNamed(Gbk(u8"楷体_GB2312"), -16)).find("ukai"), std::string::npos);
#endif
}

#ifndef _WIN32
// Templates line up table columns with blanks, relying on the Windows faces whose Latin is
// half-width: their stand-ins measure two ASCII characters exactly as one Chinese character or
// other two-byte character (× and ° too, as on Windows), and that one as wide as the character
// height, at 9, 12 and 18 points (12, 16 and 24 pixels) supersampled 1 to 4 times as the smooth
// text qualities rasterise them. On Windows GDI's own faces measure the text.
TEST(FontEngineTest, HalfWidthFacesMeasureTwoAsciiCharactersAsOneChinese) {
  FontEngine &engine = FontEngine::Instance();
  std::string ascii;  // the printable ASCII characters and eleven more: 106
  for (char c = ' '; c <= '~'; ++c) ascii += c;
  ascii += "01234567890";
  // 53, full-width punctuation included, and the two-byte characters of U+0080 to U+00FF
  const std::string chinese =
      Gbk(u8"户号户名月份读数用水量金额欠费合计元第页自来水缴费明细销售凭证商品单价总，：（）、。《》“”【】·×÷°±");
  for (const char8_t *name : {u8"宋体", u8"SimSun", u8"新宋体", u8"NSimSun", u8"黑体", u8"SimHei",
                              u8"楷体", u8"KaiTi", u8"楷体_GB2312", u8"KaiTi_GB2312", u8"仿宋",
                              u8"FangSong", u8"仿宋_GB2312", u8"FangSong_GB2312"})
    for (int pixels : {12, 16, 24})
      for (int scale = 1; scale <= 4; ++scale) {
        SCOPED_TRACE(std::string(reinterpret_cast<const char *>(name)) + " " +
                     std::to_string(pixels) + "px x" + std::to_string(scale));
        const TLogFont font = FontNamed(Gbk(name), -pixels * scale);
        EXPECT_EQ(engine.TextExtent(font, chinese).cx, 53 * pixels * scale);
        EXPECT_EQ(engine.TextExtent(font, ascii).cx, 53 * pixels * scale);
      }
  // 微软雅黑 is proportional on Windows too.
  const TLogFont yaHei = FontNamed(Gbk(u8"微软雅黑"), -16);
  EXPECT_LT(engine.TextExtent(yaHei, "ii").cx, engine.TextExtent(yaHei, Gbk(u8"中")).cx);
}
#endif

TEST(FontEngineTest, ExtentsGrowWithSizeAndText) {
  FontEngine &engine = FontEngine::Instance();
  const std::string text = Gbk(u8"合计:123");
  const TSize small = engine.TextExtent(FontNamed(Gbk(u8"宋体"), -12), text);
  const TSize large = engine.TextExtent(FontNamed(Gbk(u8"宋体"), -24), text);
  EXPECT_GT(large.cx, small.cx);
  EXPECT_GT(large.cy, small.cy);
  EXPECT_GT(engine.TextExtent(FontNamed(Gbk(u8"宋体"), -12), text + "4").cx, small.cx);
  EXPECT_EQ(engine.TextExtent(FontNamed(Gbk(u8"宋体"), -12), "").cx, 0);
  // Absurd heights from a template are bounded rather than overflowing.
  EXPECT_GT(engine.TextExtent(FontNamed("Arial", std::numeric_limits<std::int32_t>::min()), "x").cy, 0);

  const FontMetrics metrics = engine.Metrics(FontNamed(Gbk(u8"宋体"), -12));
  EXPECT_EQ(small.cy, metrics.ascent + metrics.descent);
  // A positive height is the cell height.
  EXPECT_NEAR(engine.TextExtent(FontNamed("Arial", 20), "x").cy, 20, 1);
  // A width stretches the text horizontally only.
  TLogFont wide = FontNamed("Arial", -12);
  wide.lfWidth = 20;
  EXPECT_GT(engine.TextExtent(wide, "abc").cx, engine.TextExtent(FontNamed("Arial", -12), "abc").cx);
  EXPECT_EQ(engine.TextExtent(wide, "abc").cy, engine.TextExtent(FontNamed("Arial", -12), "abc").cy);
}

TEST(FontEngineTest, TextInksInsideItsCellOnly) {
  FontEngine &engine = FontEngine::Instance();
  const std::string text = Gbk(u8"户号:123");
  for (const char8_t *name : {u8"宋体", u8"黑体", u8"楷体_GB2312"}) {
    SCOPED_TRACE(reinterpret_cast<const char *>(name));
    const TLogFont font = FontNamed(Gbk(name), -20);
    const TSize extent = engine.TextExtent(font, text);
    Bitmap gray(extent.cx + 40, extent.cy + 40, PixelFormat::Indexed8);
    engine.DrawText(gray, 20, 20, font, text);
    const TRect ink = InkBox(gray);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Left, 20 - 1);
    EXPECT_GE(ink.Top, 20);
    EXPECT_LE(ink.Right, 20 + extent.cx + 1);
    EXPECT_LE(ink.Bottom, 20 + extent.cy);
    EXPECT_GT(ink.Width(), extent.cx / 2);
  }
}

TEST(FontEngineTest, EscapementTurnsTheTextAroundItsCellOrigin) {
  FontEngine &engine = FontEngine::Instance();
  TLogFont font = FontNamed(Gbk(u8"黑体"), -20);
  const std::string text = Gbk(u8"发票发票");
  const TSize extent = engine.TextExtent(font, text);
  font.lfEscapement = 900;  // upward, cell to the right of the origin
  Bitmap gray(200, 200, PixelFormat::Indexed8);
  engine.DrawText(gray, 50, 150, font, text);
  const TRect ink = InkBox(gray);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 50 - 1);
  EXPECT_LE(ink.Right, 50 + extent.cy + 1);
  EXPECT_GE(ink.Top, 150 - extent.cx - 1);
  EXPECT_LE(ink.Bottom, 150 + 1);
  EXPECT_GT(ink.Height(), ink.Width());
}

TEST(FontEngineTest, BrokenGbkIsMeasuredAndDrawnLikeTheReplacementGlyph) {
  FontEngine &engine = FontEngine::Instance();
  const TLogFont font = FontNamed(Gbk(u8"宋体"), -16);
  const std::string cut = std::string("ab") + char(0xB7);  // lead byte without its trail
  const TSize extent = engine.TextExtent(font, cut);
  EXPECT_GT(extent.cx, engine.TextExtent(font, "ab").cx);
  Bitmap gray(4, 4, PixelFormat::Indexed8);
  engine.DrawText(gray, -10, -10, font, cut);  // mostly outside: clipped, no stray writes
  engine.DrawText(gray, 0, 0, font, std::string("\x81\x20\xFF\x00", 4));
}

TEST(FontEngineTest, UnderlineAndStrikeOutAddInkAcrossTheText) {
  FontEngine &engine = FontEngine::Instance();
  TLogFont plain = FontNamed("Arial", -20);
  TLogFont lined = plain;
  lined.lfUnderline = 1;
  lined.lfStrikeOut = 1;
  Bitmap a(200, 40, PixelFormat::Indexed8), b(200, 40, PixelFormat::Indexed8);
  engine.DrawText(a, 0, 0, plain, "i i i");
  engine.DrawText(b, 0, 0, lined, "i i i");
  int plainInk = 0, linedInk = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x) plainInk += a.Row(y)[x] != 0, linedInk += b.Row(y)[x] != 0;
  EXPECT_GT(linedInk, plainInk + engine.TextExtent(plain, "i i i").cx);
}

}  // namespace
}  // namespace iv
