// kiosk-check end to end: the sample kiosk passes clean, a copy with many faults at once has
// each named with its file and line, and a transaction is shown as the screen would get it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/text/gbk.h"
#include "tests/support/command.h"
#include "tests/support/program_path.h"

namespace iv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;

class KioskCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    kiosk_ = fs::temp_directory_path() / ("kiosk-check-test-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(kiosk_);
    fs::copy(fs::path(IV_SOURCE_DIR) / "examples" / "kiosk", kiosk_, fs::copy_options::recursive);
  }
  void TearDown() override {
    RunCommand("chattr -i '" + (kiosk_ / "Log").string() + "' 2>/dev/null");
    fs::remove_all(kiosk_);
  }

  CommandResult Check(const std::string &arguments) const {
    return RunCommand(ProgramPath("IV_TEST_KIOSK_CHECK", IV_BINARY_DIR "/tools/kiosk-check") + " " + arguments, false);
  }
  std::string Read(const std::string &name) const {
    std::ifstream file(kiosk_ / name, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  }
  void Write(const std::string &name, const std::string &content) const {
    std::ofstream(kiosk_ / name, std::ios::binary) << content;
  }
  // The file with `from` replaced by `to` (GBK, given as UTF-8).
  void Replace(const std::string &name, const char8_t *from, const char8_t *to) const {
    std::string text = Read(name);
    const std::string gbkFrom = Gbk(from);
    const std::size_t at = text.find(gbkFrom);
    ASSERT_NE(at, std::string::npos) << name;
    Write(name, text.replace(at, gbkFrom.size(), Gbk(to)));
  }
  // A file as the sample kiosk keeps its transactions (UTF-8 after a mark), in GBK.
  static std::string GbkFromUtf8Bom(const std::string &bytes) { return Utf8ToGbk(bytes.substr(3)); }
  // Paths as a Windows build under wine writes them (Z:\tmp\x, INI\x) read as here.
  static std::string AsPosixPaths(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    for (std::size_t at = text.find("Z:/"); at != std::string::npos; at = text.find("Z:/", at)) text.erase(at, 2);
    return text;
  }
  // The output's lines that report a problem.
  static std::vector<std::string> ProblemLines(const std::string &output) {
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);)
      if (line.find(": error: ") != std::string::npos || line.find(": warning: ") != std::string::npos)
        lines.push_back(line);
    return lines;
  }

  fs::path kiosk_;
};

TEST_F(KioskCheck, TheSampleKioskIsCleanAndItsTransactionIsShownAsTheScreenGetsIt) {
  Replace("INI/print.ini", u8"9=请妥善保管此凭条~", u8"9=请妥善保管此凭条~\n10=");  // an empty line ends the list too
  const auto run = Check(kiosk_.string() + " --business-key WATER --data " + (kiosk_ / "transaction-water.txt").string() +
                         " --skins " + (kiosk_ / "skins").string());
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(ProblemLines(run.output), ::testing::IsEmpty()) << run.output;
  // Field lines 0 and 1 cut the account and the name from I1 and I2; the receipt follows print.ini.
  EXPECT_THAT(run.output, HasSubstr("  0: 0571203344\n"));
  EXPECT_THAT(run.output, HasSubstr("  1: 李四"));
  EXPECT_THAT(run.output, HasSubstr("WATER: receipt\n  中国工商银行郑州金水支行\n")) << "titled with Sys.xml's bank";
  EXPECT_THAT(run.output, HasSubstr("自来水费缴费凭条"));
  EXPECT_THAT(run.output, HasSubstr("WATER: ok, 0 errors, 0 warnings"));
  EXPECT_EQ(Read("Log/ErrorLog.txt") + Read("ErrorLog/Error.txt"), "") << "a check writes no log";

  const auto all = Check(kiosk_.string());
  EXPECT_EQ(all.status, 0) << all.output;
  EXPECT_THAT(all.output, HasSubstr("BALANCE: ok"));
}

TEST_F(KioskCheck, NamesEachFaultOfABrokenKioskWithItsFileAndLine) {
  Replace("INI/Sys.xml", u8"<Item Index=\"5\"><Name>BankName</Name>", u8"<Item Index=\"5\"><Name>BankNam</Name>");
  Replace("INI/Sys.xml", u8"<Value>5000</Value>", u8"<Value>2147483648</Value>");
  Replace("INI/Sys.xml", u8"<Value>10</Value>", u8"<Value>1O</Value>");
  Replace("INI/FormatShow.ini", u8"DisPlayIniFile=Balance.txt", u8"DisPlayIniFile=Balanse.txt");
  Replace("INI/FormatShow.ini", u8"3=S[3<3,2,|>", u8"3=S[300<3,2,|>\n5=O[4<1,>");
  Replace("INI/print.ini", u8"6=流水号:   [O<3>", u8"6=流水号:   [Q<3>");
  // The water bill's template saved as UTF-8, as an editor might.
  Write("INI/WaterBill.txt", GbkToUtf8(Read("INI/WaterBill.txt")));
  fs::remove_all(kiosk_ / "ErrorLog");
  fs::copy(kiosk_ / "skins" / "Print.png", kiosk_ / "skins" / "FileDisp.png", fs::copy_options::overwrite_existing);

  const auto run = Check(kiosk_.string() + " --skins " + (kiosk_ / "skins").string());
  EXPECT_EQ(run.status, 3) << run.output;
  const std::string out = run.output;
  EXPECT_THAT(out, MatchesRegex("(.|\n)*INI/Sys.xml:[0-9]+: error: [^\n]*BankName(.|\n)*")) << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:17: error: [BALANCE] DisPlayIniFile=Balanse.txt: no such template file")) << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:12: error: field line 3=S[300<3,2,|> is skipped: its target 300")) << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:13: error: line 5 is never read")) << out;
  EXPECT_THAT(out, HasSubstr("INI/print.ini:10: error: print line 6=")) << out;
  EXPECT_THAT(out, HasSubstr("\"Q\" is none of")) << out;
  EXPECT_THAT(out, MatchesRegex("(.|\n)*INI/WaterBill.txt:[0-9]+: error: [^\n]*iconv -f UTF-8 -t GBK(.|\n)*")) << out;
  EXPECT_THAT(out, HasSubstr("ErrorLog: warning: folder missing")) << out;
  EXPECT_THAT(out, MatchesRegex("(.|\n)*FileDisp.png: warning: [0-9]+x[0-9]+, but the invoice screen's background is "
                                "designed for 808x606(.|\n)*"))
      << out;
  EXPECT_THAT(out, HasSubstr("error: ICAbout/MaxCzje: \"2147483648\" is out of range, at most 2147483647")) << out;
  EXPECT_THAT(out, HasSubstr("error: ICAbout/MinCzje: \"1O\" is not a whole number")) << out;
  EXPECT_THAT(out, HasSubstr("WATER: faulty"));
  EXPECT_THAT(out, HasSubstr("BALANCE: faulty"));
  EXPECT_FALSE(fs::exists(kiosk_ / "ErrorLog")) << "a check creates nothing";
}

// Files as Windows editors save them, and a log folder the kiosk cannot write: each is named
// with its file, the encoding found and how to save it as GBK on Windows and on Linux.
TEST_F(KioskCheck, NamesFilesSavedInOtherEncodingsAndALogFolderItCannotWrite) {
  // UTF-16 as Notepad saves "Unicode" (LE) and "Unicode big endian" (BE), with the mark.
  const auto utf16 = [](const std::string &gbk, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char32_t c : GbkToCodePoints(gbk)) {
      const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
      bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
  };
  Write("INI/Sys.xml", utf16(Read("INI/Sys.xml"), false));
  Write("INI/SCConf.xml", GbkToUtf8(Read("INI/SCConf.xml")));
  Write("INI/FormatShow.ini", "\xEF\xBB\xBF" + Read("INI/FormatShow.ini"));
  Write("INI/print.ini", GbkToUtf8(Read("INI/print.ini")));
  Write("transaction.txt", utf16(GbkFromUtf8Bom(Read("transaction-water.txt")), true));
  const auto logEntries = std::distance(fs::directory_iterator(kiosk_ / "Log"), fs::directory_iterator());
  // Read-only for its user; root writes anywhere but into an immutable folder.
  fs::permissions(kiosk_ / "Log", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  // Where root cannot make it immutable (a file system without the attribute), Log/ stays
  // writable and only the encodings are checked.
  const bool logReadOnly =
      ::geteuid() != 0 || RunCommand("chattr +i '" + (kiosk_ / "Log").string() + "' 2>/dev/null").status == 0;

  const auto run = Check(kiosk_.string() + " --business-key WATER --data " + (kiosk_ / "transaction.txt").string());
  EXPECT_EQ(run.status, 3) << run.output;
  const std::string out = AsPosixPaths(run.output);
  const std::string notepad =
      "on Windows open it in Notepad, File > Save As, Encoding ANSI \\(GBK on a Chinese Windows\\)";
  // `head` is what comes before "saved as": the place and the kind, for a data file its name again.
  const auto problem = [&](const std::string &head, const std::string &encoding, const std::string &linux) {
    return MatchesRegex("(.|\n)*\n" + head + "saved as " + encoding + "[^\n]*" + notepad + "; on Linux " + linux +
                        "\n(.|\n)*");
  };
  EXPECT_THAT(out, problem("INI/Sys.xml: error: ",
                           "UTF-16 LE, but it declares encoding=\"GB2312\" and the library cannot read it",
                           "iconv -f UTF-16 -t GBK FILE > FILE.gbk"));
  EXPECT_THAT(out, problem("INI/SCConf.xml: error: ",
                           "UTF-8 without BOM \\(\"[^\"]+\" on line [0-9]+ is UTF-8 text\\), but it "
                           "declares encoding=\"GB2312\"",
                           "iconv -f UTF-8 -t GBK FILE > FILE.gbk"));
  EXPECT_THAT(out, problem("INI/FormatShow.ini:1: error: ", "UTF-8 with BOM",
                           "tail -c \\+4 FILE \\| iconv -f UTF-8 -t GBK > FILE.gbk"));
  EXPECT_THAT(out,
              problem("INI/print.ini:[0-9]+: error: ", "UTF-8 without BOM", "iconv -f UTF-8 -t GBK FILE > FILE.gbk"));
  EXPECT_THAT(out, problem("[^\n]*transaction.txt: error: data file [^\n]*transaction.txt: ",
                           "UTF-16 BE, but data files are read as GBK", "iconv -f UTF-16 -t GBK FILE > FILE.gbk"));
  if (logReadOnly) {
    EXPECT_THAT(out, MatchesRegex("(|(.|\n)*\n)Log: warning: not writable: the library's log records "
                                  "\\(Log/ErrorLog.txt\\) are dropped; [A-Z][^\n]*let the kiosk's user write to "
                                  "it[^\n]*\n(.|\n)*"))
        << out;
  }
  EXPECT_THAT(out, Not(HasSubstr("ErrorLog: warning"))) << "the other log folder can be written";
  EXPECT_THAT(out, HasSubstr("WATER: faulty, 1 error, 0 warnings, 4 kiosk-wide errors")) << "the data file is WATER's";
  EXPECT_EQ(std::distance(fs::directory_iterator(kiosk_ / "Log"), fs::directory_iterator()), logEntries)
      << "the write test leaves nothing";

  // One path style per system in places and messages alike.
  const bool backslashes = run.output.find("INI\\") != std::string::npos;
  EXPECT_THAT(run.output, Not(HasSubstr(backslashes ? "INI/" : "INI\\"))) << run.output;
}

// The skins belong to every business key's screen: an error in them is no key's "ok".
TEST_F(KioskCheck, AnErrorOfTheWholeKioskLeavesNoKeyOk) {
  fs::remove(kiosk_ / "skins" / "Print.png");
  const auto run = Check(kiosk_.string() + " --skins " + (kiosk_ / "skins").string());
  EXPECT_EQ(run.status, 3) << run.output;
  EXPECT_THAT(run.output, HasSubstr("WATER: faulty, 0 errors, 0 warnings, 1 kiosk-wide error\n"));
}

TEST_F(KioskCheck, UsageErrorsAndAFolderWithoutSettings) {
  EXPECT_EQ(Check("--help").status, 0);
  EXPECT_EQ(Check("--bogus").status, 2);
  EXPECT_EQ(Check("--data x.txt").status, 2) << "--data needs a business key";
  EXPECT_EQ(Check("/nonexistent/kiosk").status, 2);
  fs::remove_all(kiosk_ / "INI");
  const auto run = Check(kiosk_.string());
  EXPECT_EQ(run.status, 3);
  EXPECT_THAT(run.output, HasSubstr("INI: error: folder missing"));
}

}  // namespace
}  // namespace iv::test
