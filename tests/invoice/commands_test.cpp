// The commands of the template language and their argument rules.
#include "tests/invoice/invoice_harness.h"

namespace iv::test {
namespace {

using Commands = InvoiceTest;

TEST_F(Commands, SetFontChangesFontAndFieldColourButNotTextColour) {
  Use(WriteTemplate(u8"<NAME(A)><FPT()>ab<setfont(黑体,255,0,0,20)>text{f(0,3)}<RESTOREOLDFONT()>back<END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 4u);
  EXPECT_EQ(drawn_[1], (Drawn{"text", Width("ab"), 0, kBlack, U8(u8"黑体"), 20}));
  // The pen follows the whole line so far, measured in the font now in use.
  EXPECT_EQ(drawn_[2], (Drawn{"  v", Width("abtext", U8(u8"黑体"), 20), 0, kRed, U8(u8"黑体"), 20}));
  // The restored font is the one SETFONT saved, colour included.
  EXPECT_EQ(drawn_[3].font, "MS Sans Serif");
  EXPECT_EQ(drawn_[3].size, 8);
  EXPECT_EQ(drawn_[3].color, kBlack);
}

TEST_F(Commands, SetFontArgumentsAreCutPositionally) {
  // A name without a comma leaves every argument empty but the last: nothing changes.
  // An empty red leaves colour and size alone; a size that is no number keeps the size.
  Use(WriteTemplate(u8"<NAME(A)><FPT()><SETFONT(宋体)>a{f(0,1)}<SETFONT(,,0,0,30)>b{f(0,1)}"
                    u8"<SETFONT(,0,128,0,big)>c{f(0,1)}<END()>"),
      "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 6u);
  for (const Drawn &d : drawn_) {
    EXPECT_EQ(d.font, "MS Sans Serif");
    EXPECT_EQ(d.size, 8);
  }
  EXPECT_EQ(drawn_[1].color, kBlack);
  EXPECT_EQ(drawn_[3].color, kBlack);
  EXPECT_EQ(drawn_[5].color, 0x008000u);
}

TEST_F(Commands, RestoreOldFontBeforeAnySetFontGivesTheEmptyFont) {
  Use(WriteTemplate(u8"<NAME(A)><RESTOREOLDFONT()>a<END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 1u);
  EXPECT_EQ(drawn_[0].font, "");
  EXPECT_EQ(drawn_[0].size, 0);
  EXPECT_EQ(drawn_[0].color, kBlack);
}

TEST_F(Commands, LeftDistCountsFromTheNextPlacement) {
  Use(WriteTemplate(u8"<NAME(A)>\nab<LEFTDIST(40)>cd<FPT()>ef\ngh<LEFTDIST(x)>\nij<END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  const int lh = LineHeight();
  EXPECT_EQ(drawn_, (std::vector<Drawn>{{"ab", 0, lh, kBlack, "MS Sans Serif", 8},
                                        {"cd", Width("ab"), lh, kBlack, "MS Sans Serif", 8},
                                        {"ef", 40 + Width("abcd"), lh, kBlack, "MS Sans Serif", 8},
                                        {"gh", 40, 2 * lh, kBlack, "MS Sans Serif", 8},
                                        {"ij", 0, 3 * lh, kBlack, "MS Sans Serif", 8}}));
}

TEST_F(Commands, PositionMovesTheNextPieceOnly) {
  Use(WriteTemplate(u8"<NAME(A)>\nab<POSITION(20,-5)>cd<FPT()>ef\ngh<POSITION(x,y)>kl<END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  const int lh = LineHeight();
  ASSERT_EQ(drawn_.size(), 5u);
  EXPECT_EQ(std::make_pair(drawn_[1].x, drawn_[1].y), std::make_pair(Width("ab") + 20, lh - 5));
  EXPECT_EQ(std::make_pair(drawn_[2].x, drawn_[2].y), std::make_pair(Width("abcd"), lh - 5));
  EXPECT_EQ(std::make_pair(drawn_[3].x, drawn_[3].y), std::make_pair(0, 2 * lh - 5));
  // Offsets that are no numbers do not move the pen.
  EXPECT_EQ(std::make_pair(drawn_[4].x, drawn_[4].y), std::make_pair(Width("gh"), 2 * lh - 5));
}

TEST_F(Commands, ForcePositionSetsWhatIsGiven) {
  Use(WriteTemplate(u8"<NAME(A)><FORCEPOSITION(100,200)>a<FORCEPOSITION(,50)>b<FORCEPOSITION(x,60)>c<END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 3u);
  EXPECT_EQ(std::make_pair(drawn_[0].x, drawn_[0].y), std::make_pair(100, 200));
  EXPECT_EQ(std::make_pair(drawn_[1].x, drawn_[1].y), std::make_pair(Width("a"), 50));
  EXPECT_EQ(std::make_pair(drawn_[2].x, drawn_[2].y), std::make_pair(Width("ab"), 60));
}

TEST_F(Commands, ExtremeNumbersStayInRange) {
  std::filesystem::copy_file(std::filesystem::path(IV_TEST_DATA) / "invoice" / "green.jpg", folder_ / "green.jpg");
  Use(WriteTemplate(u8"<NAME(A)><FORCEPOSITION(2147483647,-2147483648)><POSITION(10,-10)>a"
                    u8"<IMAGE(2147483000,0,2147483000,10,green.jpg)><IMAGE(-5,-5,-2147483648,9,green.jpg)>"
                    u8"<FPMX(99999999999)><LINESPERPAGE(99999999999)>{x(0,99999999999)}<FPMXEND()><END()>"),
      "A");
  SetData({}, Cells({u8"v", u8"w"}), {});
  Paint();
  ASSERT_EQ(drawn_.size(), 2u);
  EXPECT_EQ(std::make_pair(drawn_[0].x, drawn_[0].y), std::make_pair(2147483647, -2147483647 - 1));
  EXPECT_EQ(drawn_[1].text.size(), 4096u) << "a field is never wider than 4096 bytes";
  EXPECT_EQ(invoice_->uLinesPerPage(), 2147483647);
  EXPECT_EQ(invoice_->PageCount(), 1);
}

TEST_F(Commands, ColourCommandsAndTheirDefaults) {
  // CHARCOLOR with a red that is no number takes 255; an empty red changes nothing. DATACOLOR
  // with two arguments cuts the second as the last one: it becomes blue.
  Use(WriteTemplate(u8"<NAME(A)><FPT()><CHARCOLOR(x,0,0)>a<CHARCOLOR(,255,0)>b<DATACOLOR(0,255)>{f(0,1)}"
                    u8"<charcolor(0,300,0)>c<CHARCOLOR(0,g,b)>d<END()>"),
      "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 5u);
  EXPECT_EQ(drawn_[0].color, kRed);
  EXPECT_EQ(drawn_[1].color, kRed);
  EXPECT_EQ(drawn_[2].color, kBlue);
  EXPECT_EQ(drawn_[3].color, 0x002C00u) << "components keep their low 8 bits";
  EXPECT_EQ(drawn_[4].color, 0x000000u) << "a green or blue that is no number is 0";
}

TEST_F(Commands, SettingsCommands) {
  Use(WriteTemplate(u8"<NAME(A)><QUALITY(low)><LINESPERPAGE(a1b2)><pageleft(-7)><QUALITY(BEST)><END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  EXPECT_EQ(invoice_->uQuality(), tqLow);
  EXPECT_EQ(invoice_->uLinesPerPage(), 12);
  EXPECT_EQ(invoice_->uPageLeft(), 7);
  EXPECT_TRUE(problems_.empty());
}

TEST_F(Commands, QualityNamesEachLevelInAnyCase) {
  // Each row starts from another level, so that a name read as no level shows.
  const struct {
    const char8_t *from, *name;
    TTextQuality level;
  } rows[] = {{u8"LOW", u8"high", tqHigh},
              {u8"LOW", u8"Normal", tqNormal},
              {u8"HIGH", u8"low", tqLow},
              {u8"LOW", u8"NONE", tqNone}};
  for (const auto &[from, name, level] : rows) {
    SCOPED_TRACE(reinterpret_cast<const char *>(name));
    const std::u8string tags = u8"<NAME(A)><QUALITY(" + std::u8string(from) + u8")><QUALITY(" + name + u8")><END()>";
    Use(WriteTemplate(tags.c_str()), "A");
    SetData(Cells({u8"v"}), {}, {});
    Paint();
    EXPECT_EQ(invoice_->uQuality(), level);
  }
}

TEST_F(Commands, PictureAndImageDrawJpegFiles) {
  std::filesystem::create_directories(folder_ / "pics");
  std::filesystem::copy_file(std::filesystem::path(IV_TEST_DATA) / "invoice" / "red.jpg", folder_ / "pics" / "red.jpg");
  std::filesystem::copy_file(std::filesystem::path(IV_TEST_DATA) / "invoice" / "green.jpg", folder_ / "green.jpg");
  Use(WriteTemplate(u8"<NAME(A)><PICTURE(pics\\red.jpg)><IMAGE(100,50,40,20,green.jpg)>"
                    u8"<IMAGE(300,300,0,5, GREEN.JPG )><PICTURE(missing.jpg)><IMAGE(0,0,9,9,missing.jpg)>"
                    u8"<IMAGE(400,top,10,10,green.jpg)><IMAGE(left,400,10,10,green.jpg)>"
                    u8"<IMAGE(500,0,w,5,green.jpg)><IMAGE(600,0,5,h,green.jpg)><END()>"),
      "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  const Bitmap &canvas = surface_.Surface();
  const auto isRed = [](TColor c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; };
  const auto isGreen = [](TColor c) { return GetGValue(c) > 200 && GetRValue(c) < 60 && GetBValue(c) < 60; };
  EXPECT_TRUE(isRed(canvas.Pixel(8, 8)));
  EXPECT_EQ(canvas.Pixel(17, 8), clWhite) << "PICTURE draws at the picture's own size";
  EXPECT_TRUE(isGreen(canvas.Pixel(100, 50)));
  EXPECT_TRUE(isGreen(canvas.Pixel(139, 69))) << "IMAGE stretches into its rectangle";
  EXPECT_EQ(canvas.Pixel(140, 70), clWhite);
  // A width or height of 0 takes the image's own size for both.
  EXPECT_TRUE(isGreen(canvas.Pixel(319, 309)));
  EXPECT_EQ(canvas.Pixel(320, 300), clWhite);
  // A place that is no number is 0.
  EXPECT_TRUE(isGreen(canvas.Pixel(400, 0)));
  EXPECT_EQ(canvas.Pixel(400, 10), clWhite);
  EXPECT_TRUE(isGreen(canvas.Pixel(0, 400)));
  EXPECT_EQ(canvas.Pixel(10, 400), clWhite);
  // A width or height that is no number is 0: the image's own size.
  EXPECT_TRUE(isGreen(canvas.Pixel(519, 9)));
  EXPECT_EQ(canvas.Pixel(520, 0), clWhite);
  EXPECT_TRUE(isGreen(canvas.Pixel(619, 9)));
  EXPECT_EQ(canvas.Pixel(600, 10), clWhite);
  EXPECT_TRUE(problems_.empty()) << "missing pictures are skipped silently";
}

}  // namespace
}  // namespace iv::test
