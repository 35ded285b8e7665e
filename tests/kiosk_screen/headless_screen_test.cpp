// The invoice screen as a host drives it headless: pages, receipts, the ways out, the host
// calls in their order, and kiosks with parts missing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"
#include "platform/text/gbk.h"
#include "tests/kiosk_screen/kiosk_copy.h"

namespace iv {
namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;
using test::CountLines;

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// The text with the digits after each `label` (a date and time) turned into zeros, the first
// two kept, so a receipt printed at any time compares.
std::string WithDigitsZeroed(std::string text, const std::string &label) {
  for (std::size_t at = text.find(label); at != std::string::npos; at = text.find(label, at + 1))
    for (std::size_t i = at + label.size() + 2; i < text.size() && text[i] != '\r'; ++i)
      if (std::isdigit(static_cast<unsigned char>(text[i]))) text[i] = '0';
  return text;
}

// How many of the skin's pixels the screen does not show at (left, top); the skin's see-through
// colour (its bottom-left pixel) is not drawn and not counted.
int SkinPixelsMissing(const Bitmap &screen, const Bitmap &skin, int left, int top) {
  const TColor seeThrough = skin.Pixel(0, skin.Height() - 1);
  int missing = 0;
  for (int y = 0; y < skin.Height(); ++y)
    for (int x = 0; x < skin.Width(); ++x)
      missing += skin.Pixel(x, y) != seeThrough && screen.Pixel(left + x, top + y) != skin.Pixel(x, y);
  return missing;
}

class KioskScreen : public ::testing::Test {
 protected:
  test::KioskCopy kiosk{TestName()};
};

TEST_F(KioskScreen, PagesThroughTheBillAndStopsAtBothEnds) {
  const auto run = kiosk.Run("WATER", "--keys Snap,Down,Snap,Down,Snap,Down,Snap,Up,Snap,Up,Up,Snap,Escape");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1);
  const std::string page1 = kiosk.Read("snaps/001.png"), page2 = kiosk.Read("snaps/002.png"),
                    page3 = kiosk.Read("snaps/003.png");
  ASSERT_FALSE(page1.empty());
  EXPECT_NE(page1, page2);
  EXPECT_NE(page2, page3);
  EXPECT_EQ(kiosk.Read("snaps/004.png"), page3) << "Down on the last page keeps it";
  EXPECT_EQ(kiosk.Read("snaps/005.png"), page2);
  EXPECT_EQ(kiosk.Read("snaps/006.png"), page1) << "Up on the first page keeps it";
  EXPECT_EQ(kiosk.Read("stderr.txt"), "") << "nothing on the host's stderr in normal operation";

  // The buttons' skins stand where the screen's design puts them, side by side below the invoice.
  const Bitmap screen = LoadPicture(kiosk.Path("snaps/001.png").string());
  EXPECT_EQ(SkinPixelsMissing(screen, LoadPicture(kiosk.Path("skins/Print.png").string()), 573, 448), 0);
  EXPECT_EQ(SkinPixelsMissing(screen, LoadPicture(kiosk.Path("skins/return.png").string()), 674, 448), 0);
}

TEST_F(KioskScreen, EnterPrintsTheReceiptComposedFromPrintIniAndTheData) {
  const auto run = kiosk.Run("WATER", "--keys Enter,Enter,Escape");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1);
  // Line by line: Title (the bank of Sys.xml), plain lines, I1, I2, O1, O3 and the time.
  const std::string receipt =
      "中国工商银行郑州金水支行\r\n"
      "\r\n"
      "      自来水费缴费凭条\r\n"
      "户号:     0571203344\r\n"
      "户名:     李四\r\n"
      "缴费金额: 495.90\r\n"
      "流水号:   20261207-000318\r\n"
      "缴费时间: 2000-00-00 00:00:00\r\n"
      "--------------------------------\r\n"
      "请妥善保管此凭条\r\n";
  EXPECT_EQ(WithDigitsZeroed(GbkToUtf8(kiosk.Read("printed.txt")), "缴费时间: "), receipt + receipt);
  EXPECT_EQ(CountLines(run.output, "LoadSkinImage Print"), 1);
}

TEST_F(KioskScreen, WithoutPrintingEnterPrintsNothingAndThePrintButtonGetsNoSkin) {
  const auto run = kiosk.Run("BALANCE", "--keys Enter,Escape");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(run.output, Not(HasSubstr("PrintText")));
  EXPECT_THAT(run.output, Not(HasSubstr("LoadSkinImage Print")));
  EXPECT_FALSE(std::filesystem::exists(kiosk.Path("printed.txt")));
}

TEST_F(KioskScreen, TheHostIsCalledInOrderAtEveryCall) {
  const auto run = kiosk.Run("WATER", "--calls 2 --keys Snap,Escape");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string call =
      "LoadSkinImage MenuBack\nFormActivated\nLoadSkinImage FileDisp\nLoadSkinImage return\n"
      "LoadSkinImage Print\nShowForm returned 1\n";
  EXPECT_THAT(run.output, HasSubstr(call + call));
  // Snapshots are numbered on across the calls; each shows the first page again.
  EXPECT_EQ(kiosk.Read("snaps/001.png"), kiosk.Read("snaps/002.png"));
}

TEST_F(KioskScreen, EscapeTabAndBothButtonsCloseTheScreen) {
  // A key that closes the form drops what was queued behind it: no snapshot after it.
  for (const char *way : {"Escape", "Tab"}) {
    const auto run = kiosk.Run("WATER", std::string("--keys ") + way + ",Snap");
    EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << way;
    EXPECT_FALSE(std::filesystem::exists(kiosk.Path("snaps/001.png"))) << way << " left the form open";
  }
  // A button synthesises Escape; the real-window test shows it closing a screen that would
  // otherwise stay. Here: the call returns and the synthesis never fails.
  for (const char *button : {"ClickReturn", "ClickPrint"}) {
    kiosk.Remove("printed.txt");
    const auto run = kiosk.Run("WATER", std::string("--keys ") + button);
    EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << button;
    EXPECT_EQ(kiosk.Read("stderr.txt"), "") << button;
  }
  EXPECT_EQ(kiosk.Read("Log/ErrorLog.txt"), "") << "the key synthesis never failed";
}

TEST_F(KioskScreen, KiosksWithPartsMissingStillShowAndReturn) {
  // A business key without a section: empty names, an empty invoice.
  auto run = kiosk.Run("NOSUCHKEY", "--keys Snap,Enter,Escape");
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << run.output;
  EXPECT_TRUE(std::filesystem::exists(kiosk.Path("snaps/001.png")));
  EXPECT_THAT(run.output, Not(HasSubstr("PrintText")));

  kiosk.Remove("INI/WaterBill.txt");
  run = kiosk.Run("WATER", "--keys Enter,Escape");
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << run.output;
  EXPECT_THAT(run.output, HasSubstr("PrintText")) << "printing does not need the template";
  EXPECT_THAT(GbkToUtf8(kiosk.Read("ErrorLog/Error.txt")), HasSubstr("不存在"))
      << "the invoice logs the missing template";

  for (const char *file : {"INI/print.ini", "INI/FormatShow.ini", "INI/Sys.xml"}) {
    kiosk.Remove(file);
    run = kiosk.Run("WATER", "--keys Enter,Escape");
    EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << file << run.output;
    EXPECT_THAT(run.output, Not(HasSubstr("PrintText"))) << file;
  }
}

// Lines of a text, without their ends.
std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// Paths as a Windows build under wine writes them (Z:\tmp\x) read as here (/tmp/x).
std::string AsPosixPaths(std::string text) {
  std::replace(text.begin(), text.end(), '\\', '/');
  for (std::size_t at = text.find("Z:/"); at != std::string::npos; at = text.find("Z:/", at)) text.erase(at, 2);
  return text;
}

// A kiosk set up wrong says what is wrong: with INVOICEVIEW_DIAGNOSTICS (stderr in any letter
// case; empty is off) the library names the kiosk folder, the business key without a section and
// the skins left empty, and repeats every log record; kiosk-host names the skins it has no file
// for, makes the snapshot folder, takes key names and INVOICEVIEW_DISPLAY in any letter case, and
// gives the system's reason for each file it or the library cannot use.
TEST_F(KioskScreen, AKioskSetUpWrongSaysWhatIsWrong) {
  const std::filesystem::path shots = kiosk.Path("new/shots");
  // Settings saved as UTF-8, with and without the mark, which the logs only call a format error
  // or show as a missing section.
  const std::string systemFile = kiosk.Read("INI/Sys.xml"), formatShow = kiosk.Read("INI/FormatShow.ini");
  kiosk.Write("INI/Sys.xml", GbkToUtf8(systemFile));
  kiosk.Write("INI/FormatShow.ini", "\xEF\xBB\xBF" + formatShow);
  auto run = test::RunCommand("INVOICEVIEW_DIAGNOSTICS=StdErr INVOICEVIEW_DISPLAY=HEADLESS " +
                                  kiosk.HostCommand("NOSUCHKEY", "--skins /nonexistent --snapshot-dir " +
                                                                     shots.string() + " --keys ' snap , down,ESCAPE'"),
                              false);
  const std::string diagnostics = kiosk.Read("stderr.txt");
  ASSERT_EQ(run.status, 0) << diagnostics;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << run.output;
  EXPECT_TRUE(std::filesystem::exists(shots / "001.png")) << "the folder is made, the keys are taken";
  EXPECT_THAT(AsPosixPaths(run.output), HasSubstr("LoadSkinImage FileDisp (no file in /nonexistent/)\n"));

  const std::vector<std::string> lines = Lines(AsPosixPaths(diagnostics));
  using ::testing::AllOf;
  using ::testing::Contains;
  using ::testing::StartsWith;
  EXPECT_THAT(lines, Contains(AllOf(StartsWith("invoiceview: "), HasSubstr("NOSUCHKEY"), HasSubstr("FormatShow.ini"))));
  const std::string folder = kiosk.Path("INI").parent_path().string();
  EXPECT_THAT(lines, Contains(AllOf(StartsWith("invoiceview: " + folder + ": "), HasSubstr("NOSUCHKEY"))))
      << "the kiosk folder of the call";
  EXPECT_THAT(lines, Contains(AllOf(StartsWith("invoiceview: "), HasSubstr("\"FileDisp\""))));
  const std::string invoiceLog = GbkToUtf8(kiosk.Read("ErrorLog/Error.txt"));
  const int records = CountLines(invoiceLog, "---------------------------------\r");
  EXPECT_GT(records, 0);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [&](const std::string &line) {
                            return line.starts_with("invoiceview: " + kiosk.Path("ErrorLog/Error.txt").string() +
                                                    ": log: ");
                          }),
            records)
      << "each record of the invoice's log, once";
  EXPECT_THAT(diagnostics, Not(HasSubstr("INVOICEVIEW_DISPLAY"))) << "HEADLESS is headless";
  const std::string notepad = "on Windows open it in Notepad, File > Save As, Encoding ANSI";
  EXPECT_THAT(lines, Contains(AllOf(StartsWith("invoiceview: " + kiosk.Path("INI/Sys.xml").string() +
                                               ": error: saved as UTF-8 without BOM"),
                                    HasSubstr("declares encoding=\"GB2312\""), HasSubstr(notepad),
                                    HasSubstr("on Linux iconv -f UTF-8 -t GBK FILE > FILE.gbk"))));
  EXPECT_THAT(lines, Contains(AllOf(StartsWith("invoiceview: " + kiosk.Path("INI/FormatShow.ini").string() +
                                               ":1: error: saved as UTF-8 with BOM"),
                                    HasSubstr(notepad), HasSubstr("tail -c +4 FILE | iconv -f UTF-8 -t GBK"))));
  kiosk.Write("INI/Sys.xml", systemFile);
  kiosk.Write("INI/FormatShow.ini", formatShow);
  // An empty INVOICEVIEW_DIAGNOSTICS is off, without a word.
  run =
      test::RunCommand("INVOICEVIEW_DIAGNOSTICS= " + kiosk.HostCommand("NOSUCHKEY", "--headless --keys Escape"), false);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(kiosk.Read("stderr.txt"), "");

  // Files that cannot be written: the receipt (kiosk-host exits 1), the snapshot folder (1) and
  // a snapshot (the library says so and the call goes on).
  run = kiosk.Run("WATER", "--keys Enter --print-out /nonexistent/printed.txt");
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(kiosk.Read("stderr.txt"), HasSubstr("/nonexistent/printed.txt: " + std::string(std::strerror(ENOENT))));
  kiosk.Write("file", "");
  run = kiosk.Run("WATER", "--snapshot-dir " + kiosk.Path("file/shots").string());
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(kiosk.Read("stderr.txt"),
              HasSubstr(kiosk.Path("file/shots").string() + ": " + std::string(std::strerror(ENOTDIR))));
  std::filesystem::create_directories(kiosk.Path("snaps/001.png"));
  run = kiosk.Run("WATER", "--keys Snap");
  EXPECT_EQ(run.status, 0);
  // The reason is the system's: "Is a directory" here, "Permission denied" on Windows.
  EXPECT_THAT(AsPosixPaths(kiosk.Read("stderr.txt")),
              MatchesRegex(".*" + kiosk.Path("snaps/001.png").string() + ": [A-Z][a-z ]+\n"));

  // A skin the host cannot load (a JPEG saved as FileDisp.png) leaves the base screen's skin
  // on the invoice screen, and the stream says so with the loader's reason.
  std::filesystem::copy_file(kiosk.Path("image/nodata.jpg"), kiosk.Path("skins/FileDisp.png"),
                             std::filesystem::copy_options::overwrite_existing);
  run = test::RunCommand("INVOICEVIEW_DIAGNOSTICS=stderr " + kiosk.HostCommand("WATER", "--headless --keys Escape"),
                         false);
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(kiosk.Read("stderr.txt"),
              MatchesRegex(".*skin \"FileDisp\": the host's LoadSkinImage gave no picture \\(.+\\), so the one "
                           "shown before stays .*"));

  // A template and print.ini the kiosk's user cannot read: the logs call the invoice missing and
  // say nothing of print.ini; the stream gives the system's reason. Root reads any file, so the
  // kiosk runs as nobody then (which a Windows host under wine cannot: its prefix is root's).
  const bool root = ::geteuid() == 0;
  if (root && std::getenv("IV_TEST_KIOSK_HOST") != nullptr) return;
  for (const char *file : {"INI/WaterBill.txt", "INI/print.ini"})
    std::filesystem::permissions(kiosk.Path(file), std::filesystem::perms::none);
  run = test::RunCommand(std::string(root ? "runuser -u nobody -- " : "") + "env INVOICEVIEW_DIAGNOSTICS=stderr " +
                             kiosk.HostCommand("WATER", "--headless --keys Escape"),
                         false);
  EXPECT_EQ(run.status, 0);
  const std::string denied = ": error: cannot be read (" + std::string(std::strerror(EACCES)) + "): ";
  EXPECT_THAT(AsPosixPaths(kiosk.Read("stderr.txt")),
              AllOf(HasSubstr(kiosk.Path("INI/WaterBill.txt").string() + denied + "the screen shows no invoice"),
                    HasSubstr("invoiceview: " + kiosk.Path("INI/WaterBill.txt").string() +
                              ": error: the template of [WATER] in FormatShow.ini cannot be read: " +
                              std::strerror(EACCES) + "\n"),
                    HasSubstr(kiosk.Path("INI/print.ini").string() + denied + "the kiosk reads it as missing")));
}

// A FIFO where a settings, template or log file belongs would hold the call up for good, and a
// device would never end: either is taken for a missing file, the screen, the host calls and the
// receipt being what they are without the file.
TEST(SpecialFiles, StandInForMissingFilesAndNeverHoldTheCallUp) {
  for (const std::string file : {"INI/Sys.xml", "INI/SCConf.xml", "INI/FormatShow.ini", "INI/print.ini",
                                 "INI/WaterBill.txt", "ErrorLog/Error.txt", "Log/ErrorLog.txt"}) {
    test::KioskCopy missing("missing"), fifo("fifo"), device("device");
    for (const test::KioskCopy *kiosk : {&missing, &fifo, &device}) kiosk->Remove(file);
    ASSERT_EQ(::mkfifo(fifo.Path(file).c_str(), 0644), 0) << file;
    std::filesystem::create_symlink("/dev/zero", device.Path(file));
    const std::string keys = "--headless --keys Snap,Enter,Escape";
    const auto expected = test::RunCommand(missing.HostCommand("WATER", keys), false);
    const std::string receipt = WithDigitsZeroed(GbkToUtf8(missing.Read("printed.txt")), "缴费时间: ");
    for (const test::KioskCopy *kiosk : {&fifo, &device}) {
      const auto run = test::RunCommand("timeout 60 " + kiosk->HostCommand("WATER", keys), false);
      EXPECT_EQ(run.status, 0) << file << ": " << kiosk->Read("stderr.txt");
      EXPECT_EQ(WithDigitsZeroed(run.output, "缴费时间: "), WithDigitsZeroed(expected.output, "缴费时间: ")) << file;
      EXPECT_EQ(WithDigitsZeroed(GbkToUtf8(kiosk->Read("printed.txt")), "缴费时间: "), receipt) << file;
      EXPECT_EQ(kiosk->Read("snaps/001.png"), missing.Read("snaps/001.png")) << file;
    }
  }
  // A record that cannot be kept says why on the diagnostic stream: a FIFO or a device in the
  // invoice log's place.
  test::KioskCopy fifo("fifo-log"), device("device-log");
  fifo.Remove("ErrorLog/Error.txt");
  device.Remove("ErrorLog/Error.txt");
  ASSERT_EQ(::mkfifo(fifo.Path("ErrorLog/Error.txt").c_str(), 0644), 0);
  std::filesystem::create_symlink("/dev/null", device.Path("ErrorLog/Error.txt"));
  for (const test::KioskCopy *kiosk : {&fifo, &device}) {
    test::RunCommand(
        "INVOICEVIEW_DIAGNOSTICS=stderr timeout 60 " + kiosk->HostCommand("NOSUCHKEY", "--headless --keys Escape"),
        false);
    EXPECT_THAT(kiosk->Read("stderr.txt"), HasSubstr("record dropped, it is not a regular file (a FIFO or a device"));
  }
}

TEST_F(KioskScreen, ManyCallsInOneProcessEachShowAFreshScreen) {
  const auto run = kiosk.Run("WATER", "--calls 100 --keys Down,Escape");
  ASSERT_EQ(run.status, 0) << kiosk.Read("stderr.txt");
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 100);
  EXPECT_EQ(CountLines(run.output, "FormActivated"), 100);
}

}  // namespace
}  // namespace iv
