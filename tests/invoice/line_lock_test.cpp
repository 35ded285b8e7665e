// Line lock: the pieces of a line gathered and drawn as one string when the line ends.
#include "tests/invoice/invoice_harness.h"

namespace iv::test {
namespace {

using LineLock = InvoiceTest;

TEST_F(LineLock, PiecesAreDrawnAsOneStringAtTheLeftMargin) {
  invoice_->SetuLeftDist(12);
  Use(WriteTemplate(u8"<NAME(A)><FPT()><DATACOLOR(255,0,0)><LOCK()>ab{f(0,4)}cd<POSITION(50,0)>ef\n"
                    u8"gh{f(0,-2)}<FPT()>\n<LOCKEND()>ij{f(0,2)}<END()>"),
      "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  const int lh = LineHeight();
  EXPECT_EQ(drawn_, (std::vector<Drawn>{{"ab   vcdef", 12, 0, kBlack, "MS Sans Serif", 8},
                                        {"ghv ", 12, lh, kBlack, "MS Sans Serif", 8},
                                        {"ij", 12, 2 * lh, kBlack, "MS Sans Serif", 8},
                                        {" v", 12 + Width("ij"), 2 * lh, kRed, "MS Sans Serif", 8}}));
}

TEST_F(LineLock, FontAndColourCommandsWaitUntilTheLockEnds) {
  Use(WriteTemplate(u8"<NAME(A)><FPT()><LOCK()><SETFONT(黑体,255,0,0,20)><CHARCOLOR(0,0,255)>"
                    u8"<DATACOLOR(0,0,255)>a{f(0,1)}\n<LOCKEND()>b{f(0,1)}<END()>"),
      "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 3u);
  EXPECT_EQ(drawn_[0], (Drawn{"av", 0, 0, kBlack, "MS Sans Serif", 8}));
  EXPECT_EQ(drawn_[1].color, kBlack);
  EXPECT_EQ(drawn_[2].color, kBlack);
}

TEST_F(LineLock, RestoreOldFontWorksUnderLock) {
  Use(WriteTemplate(u8"<NAME(A)><SETFONT(黑体,0,0,0,20)><LOCK()><RESTOREOLDFONT()>a\n<END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 1u);
  EXPECT_EQ(drawn_[0].font, "MS Sans Serif");
}

TEST_F(LineLock, EveryPaintStartsUnlockedOnAnEmptyLine) {
  // END on the same line as locked text leaves the line unfinished; the next paint starts anew:
  // unlocked, and its first field stands after its own line's text only.
  Use(WriteTemplate(u8"<NAME(A)><FPT()>a{f(0,2)}<LOCK()>b<END()>"), "A");
  SetData(Cells({u8"v"}), {}, {});
  Paint();
  Paint();
  EXPECT_EQ(drawn_, (std::vector<Drawn>{{"a", 0, 0, kBlack, "MS Sans Serif", 8},
                                        {" v", Width("a"), 0, kBlack, "MS Sans Serif", 8}}));
}

}  // namespace
}  // namespace iv::test
