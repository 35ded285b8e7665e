// The settings files, the cutting by width lists and the host's detail layout.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/UTSysCs.h"
#include "forms/Func_Lib.h"
#include "tests/platform/temp_folder.h"

namespace iv {
namespace {

TEST(SettingsFilesTest, AreReadOnceAndFoundInAnyLetterCase) {
  const testing::TempFolder folder;
  const std::string written = folder.Write("Print.INI", "[s]\nk=v\n");
  const IniFile ini = ReadSettingsIni(folder.Path(), "print.ini");
  std::filesystem::remove(written);
  EXPECT_EQ(ini.ReadString("s", "k", "-"), "v");
  EXPECT_EQ(ReadSettingsIni(folder.Path(), "print.ini").ReadString("s", "k", "-"), "-")
      << "a missing file reads as empty";

  // Up to 16 MiB are read; one byte more reads as empty, with a record in the library's log.
  const testing::CurrentTempFolder kiosk;
  kiosk.Write("Log/ErrorLog.txt", "");
  const std::string settings = "[s]\nk=v\n;";
  constexpr std::size_t kLimit = 16 << 20;
  for (const std::size_t size : {kLimit, kLimit + 1}) {
    kiosk.Write("print.ini", settings + std::string(size - settings.size(), 'x'));
    EXPECT_EQ(ReadSettingsIni(kiosk.Path(), "print.ini").ReadString("s", "k", "-"), size == kLimit ? "v" : "-");
    EXPECT_EQ(kiosk.Read("Log/ErrorLog.txt").find(std::to_string(size)) != std::string::npos, size > kLimit);
  }
}

TEST(FixedWidthTest, WidthListsCutHeadsAndRounds) {
  const dystring widths{"002", "abc", "003"};  // a width that is not a number counts 0
  EXPECT_EQ(HeadWidthCut("abcdefgh", widths, WidthCut::Take), "abcde");
  EXPECT_EQ(HeadWidthCut("abcdefgh", widths, WidthCut::Drop), "fgh");
  EXPECT_EQ(HeadWidthCut("abc", {"000"}, WidthCut::Take), "");
  EXPECT_EQ(HeadWidthCut("abc", {"000"}, WidthCut::Drop), "abc");

  EXPECT_EQ(CutByWidths("abcdefg", {"002", "001"}), (dystring{"ab", "c", "de", "f", "g", ""}));
  EXPECT_EQ(CutByWidths("abc", {"000", "000"}), (dystring{"", ""})) << "one round, not an endless loop";
  EXPECT_EQ(CutByWidths("", {"002"}), dystring{});
}

TEST(SettingsFilesTest, TheSystemParametersNameTheFolderAndWithoutThemTheCurrentFolderIsTheKiosk) {
  const testing::CurrentTempFolder kiosk;
  kiosk.Write("INI/formatshow.INI", "[Pay]\n0=O[1<1,>\n");
  const IniFile ini = ReadSettingsIni(SettingsFolder(nullptr), "FormatShow.ini");
  EXPECT_EQ(ini.ReadString("Pay", "0", "-"), "O[1<1,>");

  TSysCs parameters;  // the kiosk has no INI/Sys.xml: nothing is loaded
  parameters.IniDir = kiosk.Path() + "/elsewhere";
  EXPECT_EQ(SettingsFolder(&parameters), parameters.IniDir);
}

dystring Parse(const std::string &layout, const std::string &data) {
  dystring cells(100, "old");
  EXPECT_EQ(ParseDetailData(layout, data, cells), 1);
  return cells;
}

constexpr const char *kHeadAndDetail = "02010005A^B*03004004002X^Y^Z*ignored";
constexpr const char *kHeadRecord = " Pay Co.  0371 ";  // widths 10 and 5

TEST(DetailLayoutTest, DetailRowsReplaceTheHeadCells) {
  EXPECT_EQ(Parse(kHeadAndDetail, std::string(kHeadRecord) + "A1  B1  C1 A2  B2\tC2"),
            (dystring{"A1", "B1", "C1", "A2", "B2", "C2"}));
  EXPECT_EQ(Parse(kHeadAndDetail, std::string(kHeadRecord) + "A1  B1  C1A2  B"),
            (dystring{"A1", "B1", "C1", "A2", "B", ""}))
      << "a short last row";
  EXPECT_EQ(Parse("*00004004", "A1  B1  A2  B2  "), (dystring{"A1", "B1", "A2", "B2"}))
      << "no head, and count 00: the widths tell";
}

TEST(DetailLayoutTest, WithoutDetailLayoutTheHeadCellsAreAll) {
  EXPECT_EQ(Parse("02010005A^B", std::string(kHeadRecord) + "rows"), (dystring{"Pay Co.", "0371"}));
  EXPECT_EQ(Parse("00010005", kHeadRecord), (dystring{"Pay Co.", "0371"}));
  EXPECT_EQ(Parse("", "data"), dystring{});
  EXPECT_EQ(Parse(kHeadAndDetail, ""), dystring{});
}

// The cap counts cells: a million two-cell rows' worth is kept whole, rows beyond it are left out.
TEST(DetailLayoutTest, AMillionCellsAreKeptAndOnlyWholeRows) {
  const testing::CurrentTempFolder kiosk;
  kiosk.Write("Log/ErrorLog.txt", "");
  constexpr std::size_t kMillion = 1'000'000;
  dystring cells;
  ParseDetailData("*02001001", std::string(kMillion, 'x'), cells);
  EXPECT_EQ(cells.size(), kMillion);
  EXPECT_EQ(kiosk.Read("Log/ErrorLog.txt"), "");
  ParseDetailData("*02001001", std::string(kMillion + 1, 'x'), cells);
  EXPECT_EQ(cells.size(), kMillion) << "the last, short row left out";
  EXPECT_NE(kiosk.Read("Log/ErrorLog.txt"), "");
  ParseDetailData("*03001001001", std::string(kMillion, 'x'), cells);
  EXPECT_EQ(cells.size(), kMillion - 1) << "no row cut in the middle";
}

TEST(DetailLayoutTest, DetailWidthsMustBeNumbersAndMustUseTheTextUp) {
  dystring cells;
  EXPECT_THROW(ParseDetailData("01004A*02004 4X^Y", "head", cells), ConversionError);
  EXPECT_EQ(cells, (dystring{"head"})) << "the head cells were stored before";

  // a third width that is missing
  EXPECT_THROW(ParseDetailData("*03004004", "head", cells), ConversionError);

  EXPECT_EQ(Parse("*02000000", "rows that no width takes"), dystring{});
}

}  // namespace
}  // namespace iv
