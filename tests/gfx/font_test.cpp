#include "platform/gfx/font.h"

#include <gtest/gtest.h>

#include "platform/text/gbk.h"

namespace iv {
namespace {

TEST(FontTest, PointsAndPixelsFollowTheWindowsRounding) {
  EXPECT_EQ(MulDiv(9, 96, 72), 12);
  EXPECT_EQ(MulDiv(-11, 72, 96), -8);  // -8.25
  EXPECT_EQ(MulDiv(3, 1, 2), 2);       // halves away from zero
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
  EXPECT_EQ(MulDiv(2000000000, 96, 72), -1);  // overflow

  TFont font;
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Color(), clWindowText);
  font.SetSize(16);
  EXPECT_EQ(font.Height(), -21);  // 21.33
  EXPECT_EQ(font.Size(), 16);
  font.SetSize(18);
  EXPECT_EQ(font.Height(), -24);
}

TEST(FontTest, LogicalRecordCarriesStyleAndRoundTrips) {
  TFont font;
  font.SetName(Gbk(u8"楷体_GB2312"));
  font.SetStyle({fsBold, fsItalic});
  font.SetCharset(GB2312_CHARSET);
  TLogFont record = font.LogFont();
  EXPECT_EQ(record.lfHeight, -11);
  EXPECT_EQ(record.lfWeight, FW_BOLD);
  EXPECT_EQ(record.lfItalic, 1);
  EXPECT_EQ(record.lfUnderline, 0);
  EXPECT_EQ(record.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(record.FaceName(), Gbk(u8"楷体_GB2312"));

  record.lfEscapement = 900;
  record.lfWidth = 7;
  record.lfWeight = FW_NORMAL;
  TFont turned;
  turned.SetLogFont(record);
  EXPECT_FALSE(turned.Style().Contains(fsBold));
  EXPECT_TRUE(turned.Style().Contains(fsItalic));
  EXPECT_EQ(turned.LogFont(), record);
  turned.SetSize(12);  // other fields survive a property change
  EXPECT_EQ(turned.LogFont().lfEscapement, 900);
}

TEST(FontTest, FaceNameIsCutBeforeItsThirtySecondByteWithoutSplittingACharacter) {
  TLogFont record;
  const std::string name = "x" + Gbk(u8"宋宋宋宋宋宋宋宋宋宋宋宋宋宋宋宋");  // 1 + 32 bytes
  record.SetFaceName(name);
  EXPECT_EQ(record.FaceName(), name.substr(0, 31));
  record.SetFaceName(Gbk(u8"宋宋宋宋宋宋宋宋宋宋宋宋宋宋宋宋"));
  EXPECT_EQ(record.FaceName().size(), 30u);
}

TEST(FontTest, ChangesAreReportedAndAssignCopiesAllButTheHandler) {
  int changes = 0;
  TFont font;
  font.SetOnChange([&] { ++changes; });
  font.SetColor(clRed);
  font.SetSize(20);
  EXPECT_EQ(changes, 2);

  TFont other;
  other.SetName("Arial");
  other.SetColor(clBlue);
  font.Assign(other);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Color(), clBlue);
  other.SetColor(clLime);  // the copy has no handler of its own
  EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace iv
