// kiosk-check end to end: the sample kiosk passes clean, also where a check stands at its
// boundary, a copy with many faults at once has each named with its file and line, each fault of
// a whole file is named alone, and a transaction is shown as the screen would get it.
#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/png_writer.h"
#include "platform/text/gbk.h"
#include "tests/support/command.h"
#include "tests/support/program_path.h"

namespace iv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;

constexpr std::size_t kSettingsLimit = 16 << 20;  // the most a settings file may hold

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

  // kiosk-check's output with its paths written with '/', as a Windows build under wine writes
  // them with '\\' (Z:\\tmp\\x, INI\\x).
  CommandResult Check(const std::string &arguments) const {
    CommandResult run = CheckAsWritten(arguments);
    run.output = AsPosixPaths(run.output);
    return run;
  }
  CommandResult CheckAsWritten(const std::string &arguments) const {
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
  // The file padded to `size` bytes with blanks after `open` (a comment's start).
  void PadTo(const std::string &name, std::size_t size, const std::string &open = ";") const {
    const std::string text = Read(name) + open;
    Write(name, text + std::string(size - text.size() - 1, ' ') + "\n");
  }
  // A skin in one colour but for the pixel at (x, y).
  void OneColourSkin(const std::string &name, int width, int height, int x, int y) const {
    Bitmap skin(width, height);
    skin.Fill(clNavy);
    skin.SetPixel(x, y, clYellow);
    WritePng(skin, (kiosk_ / "skins" / name).string());
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

// A see-through skin is warned about once its bottom-left colour covers more than half of its
// edge pixels: every edge pixel counted once, corners included (a 3x4 picture has 10).
TEST_F(KioskCheck, ASeeThroughSkinIsWarnedOnceItsCornerColourCoversMoreThanHalfItsEdges) {
  const std::string warning =
      "/skins/MenuBack.png: warning: its bottom-left colour also covers most of its edges: the picture is drawn "
      "transparent, that colour is see-through, and the edges show black; give the bottom-left pixel a colour of "
      "its own";
  const struct {
    const char *rows[4];  // C: the corner's colour, D: another
    bool warned;
  } pictures[] = {
      {{"DDD", "DDD", "CDC", "CCC"}, false},  // 5 of 10
      {{"DDD", "CDD", "CDC", "CCC"}, true},   // 6 of 10
      {{"DCD", "DDD", "CDC", "CCC"}, true},   // 6 of 10, the sixth on the top edge
  };
  for (const auto &picture : pictures) {
    SCOPED_TRACE(std::string(picture.rows[0]) + "/" + picture.rows[1] + "/" + picture.rows[2] + "/" + picture.rows[3]);
    Bitmap skin(3, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 3; ++x) skin.SetPixel(x, y, picture.rows[y][x] == 'C' ? clNavy : clYellow);
    WritePng(skin, (kiosk_ / "skins" / "MenuBack.png").string());
    const auto run = Check(kiosk_.string() + " --skins " + (kiosk_ / "skins").string());
    EXPECT_EQ(::testing::Matches(::testing::Contains(::testing::EndsWith(warning)))(ProblemLines(run.output)),
              picture.warned)
        << run.output;
  }
}

TEST_F(KioskCheck, TheSampleKioskIsCleanAndItsTransactionIsShownAsTheScreenGetsIt) {
  Replace("INI/print.ini", u8"9=请妥善保管此凭条~", u8"9=请妥善保管此凭条~\n10=");  // an empty line ends the list too
  // Lines that print nothing are no fault while printing is off.
  Replace("INI/print.ini", u8"IsPrint=0", u8"IsPrint=0\n0=[Q<1>");
  // Its bottom-left pixel of a colour of its own keeps a one-colour background's edges drawn; a
  // button is drawn whole.
  OneColourSkin("MenuBack.png", 800, 600, 0, 599);
  OneColourSkin("return.png", 84, 80, 0, 0);
  PadTo("INI/print.ini", kSettingsLimit);
  const auto run = Check(kiosk_.string() + " --business-key WATER --data " +
                         (kiosk_ / "transaction-water.txt").string() + " --skins " + (kiosk_ / "skins").string());
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(ProblemLines(run.output), ::testing::IsEmpty()) << run.output;
  // Field lines 0 and 1 cut the account and the name from I1 and I2; the receipt follows print.ini.
  EXPECT_THAT(run.output, HasSubstr("  0: 0571203344\n"));
  EXPECT_THAT(run.output, HasSubstr("  1: 李四"));
  EXPECT_THAT(run.output, HasSubstr("WATER: receipt\n  中国工商银行郑州金水支行\n")) << "titled with Sys.xml's bank";
  EXPECT_THAT(run.output, HasSubstr("自来水费缴费凭条"));
  EXPECT_THAT(run.output, HasSubstr("WATER: ok, 0 errors, 0 warnings"));
  EXPECT_EQ(Read("Log/ErrorLog.txt") + Read("ErrorLog/Error.txt"), "") << "a check writes no log";

  // A key with warnings only is ok.
  Write("INI/FormatShow.ini", Read("INI/FormatShow.ini") +
                                  "\n[PAY]\nDisPlayName=BALANCE\nDisPlayIniFile=Balance.txt\n"
                                  "IsDetail=1\n");
  const auto all = Check(kiosk_.string());
  EXPECT_EQ(all.status, 0) << all.output;
  EXPECT_THAT(all.output, HasSubstr("BALANCE: ok, 0 errors, 0 warnings"));
  EXPECT_THAT(
      ProblemLines(all.output),
      ::testing::ElementsAre("INI/print.ini: warning: no section [PAY]: Enter prints nothing for this business key"));
  EXPECT_THAT(all.output, HasSubstr("PAY: ok, 0 errors, 1 warning\n"));
}

TEST_F(KioskCheck, NamesEachFaultOfABrokenKioskWithItsFileAndLine) {
  Replace("INI/Sys.xml", u8"<Item Index=\"5\"><Name>BankName</Name>", u8"<Item Index=\"5\"><Name>BankNam</Name>");
  Replace("INI/Sys.xml", u8"<Value>5000</Value>", u8"<Value>2147483648</Value>");
  Replace("INI/Sys.xml", u8"<Value>10</Value>", u8"<Value>1O</Value>");
  Replace("INI/FormatShow.ini", u8"DisPlayIniFile=Balance.txt", u8"DisPlayIniFile=Balanse.txt");
  Replace("INI/FormatShow.ini", u8"3=S[3<3,2,|>", u8"3=S[300<3,2,|>\n5=O[4<1,>\n04=O[4<1,>");
  // The kiosk applies no field line after one whose target is not a number.
  Replace("INI/FormatShow.ini", u8"3=O[3<2,>", u8"3=O[x<2,>\n4=S[300<3,2,|>");
  Replace("INI/FormatShow.ini", u8"IsDetail=0", u8"IsDetail=3");
  Replace("INI/Sys.xml", u8"<Value>8</Value>", u8"<Value>eight</Value>");
  Replace("INI/Sys.xml", u8"<Name>ReaderDebug</Name><Value>False", u8"<Name>ReaderDebug</Name><Value>Nein");
  Replace("INI/Sys.xml", u8"<Value>3054612345</Value>", u8"<Value>SN3054612345</Value>");
  Replace("INI/print.ini", u8"6=流水号:   [O<3>", u8"6=流水号:   [Q<3>");
  Replace("INI/print.ini", u8"[WATER]\nIsPrint=1", u8"[WATER]\nIsPrint=2");  // any number but 0 prints
  Replace("INI/print.ini", u8"IsPrint=0", u8"IsPrint=no");
  // The water bill's template saved as UTF-8, as an editor might.
  Write("INI/WaterBill.txt", GbkToUtf8(Read("INI/WaterBill.txt")));
  fs::remove_all(kiosk_ / "ErrorLog");
  fs::copy(kiosk_ / "skins" / "Print.png", kiosk_ / "skins" / "FileDisp.png", fs::copy_options::overwrite_existing);
  OneColourSkin("MenuBack.png", 800, 600, 0, 0);

  const auto run = Check(kiosk_.string() + " --skins " + (kiosk_ / "skins").string());
  EXPECT_EQ(run.status, 3) << run.output;
  const std::string out = run.output;
  EXPECT_THAT(out, MatchesRegex("(.|\n)*INI/Sys.xml:[0-9]+: error: [^\n]*BankName(.|\n)*")) << out;
  EXPECT_THAT(out,
              HasSubstr("INI/FormatShow.ini:18: error: [BALANCE] DisPlayIniFile=Balanse.txt: no such template file"))
      << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:12: error: field line 3=S[300<3,2,|> is skipped: its target 300"))
      << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:13: error: line 5 is never read")) << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:14: error: line \"04\" is never read")) << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:19: error: IsDetail=3 is none of")) << out;
  EXPECT_THAT(out, HasSubstr("INI/FormatShow.ini:23: error: field line 3=O[x<2,>: its target is not a number")) << out;
  EXPECT_THAT(out, Not(HasSubstr("4=S[300"))) << out;
  EXPECT_THAT(
      out, MatchesRegex("(.|\n)*INI/Sys.xml:[0-9]+: error: Computer/DateLen: \"eight\" is not a whole number(.|\n)*"));
  EXPECT_THAT(out,
              MatchesRegex("(.|\n)*INI/Sys.xml:[0-9]+: error: Debug/ReaderDebug: \"Nein\" is not True, False(.|\n)*"));
  EXPECT_THAT(
      out, MatchesRegex("(.|\n)*INI/Sys.xml:[0-9]+: error: Debug/ICCardSN: \"SN3054612345\" is not a number(.|\n)*"));
  EXPECT_THAT(out, HasSubstr("INI/print.ini:10: error: print line 6=")) << out;
  EXPECT_THAT(out, HasSubstr("\"Q\" is none of")) << out;
  EXPECT_THAT(out, MatchesRegex("(.|\n)*INI/print.ini:[0-9]+: error: IsPrint=no is not a number(.|\n)*")) << out;
  EXPECT_THAT(out,
              MatchesRegex("(.|\n)*MenuBack.png: warning: its bottom-left colour also covers most of its edges(.|\n)*"))
      << out;
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

  // The template's problems are the ones invoice-render --lint finds, word for word (kiosk-check
  // gives the line, the lint the column too).
  const auto lint = RunCommand("cd '" + kiosk_.string() + "' && " +
                                   ProgramPath("IV_TEST_INVOICE_RENDER", IV_BINARY_DIR "/tools/invoice-render") +
                                   " --lint INI/WaterBill.txt WATERBILL 2>&1 >/dev/null",
                               false);
  ASSERT_FALSE(lint.output.empty());
  const auto withoutColumn = [](const std::string &line) {
    const std::size_t lineEnd = line.find(':', line.find(':') + 1);
    return line.substr(0, lineEnd) + line.substr(line.find(':', lineEnd + 1));
  };
  for (const std::string &line : ProblemLines(AsPosixPaths(lint.output)))
    EXPECT_THAT(out, HasSubstr(withoutColumn(line)));
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

  const auto run =
      CheckAsWritten(kiosk_.string() + " --business-key WATER --data " + (kiosk_ / "transaction.txt").string());
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
                                  "\\(Log/ErrorLog.txt\\) are dropped; [^\n]*let the kiosk's user write to "
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

// The kiosk runs as a user of its own, which root is not: with --user the check names each file
// and folder that user may not read, search or write, with its file, and passes a copy it may
// use. Root checks as nobody, anyone else as themselves (their own mode bits refuse them).
TEST_F(KioskCheck, NamesWhatTheKiosksUserMayNotReadSearchOrWrite) {
  const bool root = ::geteuid() == 0;
  const std::string user = root ? "nobody" : ::getpwuid(::geteuid())->pw_name;
  const std::string owner = ::getpwuid(::geteuid())->pw_name, group = ::getgrgid(::getegid())->gr_name;
  const char bits = root ? 'o' : 'u';  // whose bits the fix changes
  // A key whose template draws a picture from image/.
  Write("INI/FormatShow.ini",
        Read("INI/FormatShow.ini") + "\n[NODATA]\nDisPlayName=NODATA\nDisPlayIniFile=NoDataInvoice.txt\n");
  Write("INI/print.ini", Read("INI/print.ini") + "\n[NODATA]\nIsPrint=0\n");
  for (const char *logs : {"Log", "ErrorLog"}) fs::permissions(kiosk_ / logs, fs::perms::all);
  // A group of the user's may grant what the others' bits do not.
  if (root) {
    ASSERT_EQ(::chown((kiosk_ / "INI/Balance.txt").c_str(), 0, ::getpwnam("nobody")->pw_gid), 0);
    fs::permissions(kiosk_ / "INI/Balance.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  }
  const std::string arguments = kiosk_.string() + " --skins " + (kiosk_ / "skins").string() + " --user " + user;

  auto run = Check(arguments);
  if (run.status == 2 && run.output.empty()) {
    // The Windows build refuses the option: access lists, not mode bits, guard its files.
    EXPECT_THAT(RunCommand(ProgramPath("IV_TEST_KIOSK_CHECK", "") + " --user " + user).output,
                HasSubstr("--user: not available on Windows"));
    return;
  }
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(ProblemLines(run.output), ::testing::IsEmpty()) << run.output;
  EXPECT_THAT(run.output, Not(HasSubstr("note:"))) << "checked as the kiosk's user";
  if (root) {
    run = Check(kiosk_.string());
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, MatchesRegex("(|(.|\n)*\n)kiosk-check: note: run as root, [^\n]*--user NAME checks as the "
                                         "kiosk's user\n(.|\n)*kiosk-check: 0 errors, 0 warnings\n"));
  }

  for (const char *file : {"INI/WaterBill.txt", "skins/MenuBack.png", "skins/FileDisp.png"})
    fs::permissions(kiosk_ / file, root ? fs::perms::owner_read | fs::perms::owner_write : fs::perms::none);
  fs::permissions(kiosk_ / "image", root ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(kiosk_ / "Log", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  run = Check(arguments);
  for (const char *folder : {"image", "Log"}) fs::permissions(kiosk_ / folder, fs::perms::all);
  EXPECT_EQ(run.status, 3) << run.output;
  const std::string who = ": the kiosk's user " + user + " cannot ";
  const auto mode = [&](const char *octal) {
    return " (owner " + owner + ", group " + group + ", mode " + octal + ")";
  };
  const auto fix = [&](const std::string &permissions, const std::string &place) {
    return std::string("chmod ") + bits + "+" + permissions + " " + place;
  };
  const std::vector<std::string> problems = ProblemLines(run.output);
  // Anyone but root meets these faults as themselves too, in the other checks' words.
  if (root) {
    EXPECT_EQ(problems.size(), 5u) << run.output;
  }
  using ::testing::Contains;
  using ::testing::StartsWith;
  EXPECT_THAT(problems,
              Contains("INI/WaterBill.txt: error" + who + "read it" + mode(root ? "0600" : "0000") +
                       ": the screen shows no invoice for WATER, and the invoice's log says the invoice "
                       "does not exist; give " +
                       user + " read access (" + fix("r", "INI/WaterBill.txt") +
                       (root ? ", or chgrp nogroup INI/WaterBill.txt and chmod g+r INI/WaterBill.txt)" : ")")))
      << run.output;
  EXPECT_THAT(problems, Contains(StartsWith("image: error" + who + "search it" + mode(root ? "0700" : "0600") +
                                            ", so it cannot open image/nodata.jpg or anything else in it: the "
                                            "picture is not drawn; give " +
                                            user + " search access (" + fix("x", "image"))))
      << run.output;
  // The invoice screen's background is MenuBack's picture until FileDisp loads.
  EXPECT_THAT(problems,
              Contains(StartsWith("skins/MenuBack.png: error" + who + "read it" + mode(root ? "0600" : "0000") +
                                  ": the host cannot load it: the base screen's background shows black; "
                                  "give " +
                                  user + " read access (" + fix("r", "skins/MenuBack.png"))))
      << run.output;
  EXPECT_THAT(problems,
              Contains(StartsWith("skins/FileDisp.png: error" + who + "read it" + mode(root ? "0600" : "0000") +
                                  ": the host cannot load it: the invoice screen's background shows "
                                  "black, as MenuBack does not load either;")))
      << run.output;
  EXPECT_THAT(problems, Contains(StartsWith("Log: warning" + who + "write to it" + mode("0555") +
                                            ": the library's log records (Log/ErrorLog.txt) are dropped; give " + user +
                                            " write access (" + fix("w", "Log"))))
      << run.output;
  for (const char *key : {"WATER", "NODATA"})
    EXPECT_THAT(run.output, HasSubstr(std::string(key) +
                                      (root ? ": faulty, 1 error, 0 warnings, 2 kiosk-wide errors\n" : ": faulty")));
}

// The skins belong to every business key's screen: an error in them is no key's "ok".
TEST_F(KioskCheck, AnErrorOfTheWholeKioskLeavesNoKeyOk) {
  fs::remove(kiosk_ / "skins" / "Print.png");
  const auto run = Check(kiosk_.string() + " --skins " + (kiosk_ / "skins").string());
  EXPECT_EQ(run.status, 3) << run.output;
  EXPECT_THAT(run.output, HasSubstr("WATER: faulty, 0 errors, 0 warnings, 1 kiosk-wide error\n"));
}

// Each fault of a whole file, alone in a sound kiosk, is named.
TEST_F(KioskCheck, EachFaultOfAWholeFileIsNamed) {
  const std::string skins = " --skins " + (kiosk_ / "skins").string();
  const struct {
    std::function<void()> plant;
    std::string arguments;
    std::string expected;  // in a problem line
  } faults[] = {
      {[&] { fs::remove(kiosk_ / "INI/Sys.xml"); }, "", "INI/Sys.xml: error: missing"},
      {[&] { Write("INI/Sys.xml", "<System><Computer></System>"); }, "", "INI/Sys.xml:1: error: not well-formed XML"},
      {[&] {
         Replace("INI/Sys.xml", u8"<System>", u8"<system>");
         Replace("INI/Sys.xml", u8"</System>", u8"</system>");
       },
       "", "INI/Sys.xml: error: no <System> root element"},
      {[&] {
         Replace("INI/Sys.xml", u8"<CardFormVar>", u8"<CardFormVars>");
         Replace("INI/Sys.xml", u8"</CardFormVar>", u8"</CardFormVars>");
       },
       "", "INI/Sys.xml: error: no <CardFormVar> section"},
      {[&] { PadTo("INI/Sys.xml", kSettingsLimit + 1, ""); }, "", "INI/Sys.xml: error: larger than the 16 MB"},
      {[&] { fs::remove(kiosk_ / "INI/SCConf.xml"); }, "", "INI/SCConf.xml: warning: missing"},
      {[&] { Write("INI/SCConf.xml", "<Service>"); }, "", "INI/SCConf.xml:1: error: not well-formed XML"},
      {[&] { PadTo("INI/FormatShow.ini", kSettingsLimit + 1); }, "",
       "INI/FormatShow.ini: error: larger than the 16 MB"},
      {[&] { Write("INI/print.ini", GbkToUtf8(Read("INI/print.ini"))); }, "",
       "INI/print.ini:6: error: saved as UTF-8 without BOM"},
      {[&] {}, "--business-key NOSUCH", "INI/FormatShow.ini: error: no section [NOSUCH]"},
      {[&] { Replace("INI/FormatShow.ini", u8"DisPlayName=BALANCE", u8"DisPlayName=BALANSE"); }, "",
       "INI/Balance.txt: error: no invoice <NAME(BALANSE)>"},
      {[&] { Replace("INI/FormatShow.ini", u8"DisPlayName=BALANCE\n", u8""); }, "",
       "INI/FormatShow.ini:14: error: [BALANCE] has no DisPlayName, so the screen shows no invoice; give the name that "
       "follows NAME in the template's <NAME(...)>"},
      {[&] { Replace("INI/FormatShow.ini", u8"DisPlayIniFile=Balance.txt\n", u8""); }, "",
       "INI/FormatShow.ini:14: error: [BALANCE] has no DisPlayIniFile, so the screen shows no invoice; name the "
       "template file, which lies in "},
      {[&] {}, "--business-key WATER --data missing.txt", "missing.txt: error:"},
      {[&] { fs::remove_all(kiosk_ / "skins"); }, skins, "skins/: error: no such folder"},
      {[&] { fs::remove(kiosk_ / "skins/return.png"); }, skins, "skins/return.png: error: missing"},
      {[&] { fs::remove(kiosk_ / "skins/FileDisp.png"); }, skins,
       "skins/FileDisp.png: error: missing (no .png, .jpg or .bmp): the invoice screen keeps the base screen's "
       "MenuBack skin as its background"},
      {[&] {
         fs::remove(kiosk_ / "skins/FileDisp.png");
         fs::remove(kiosk_ / "skins/MenuBack.png");
       },
       skins,
       "skins/FileDisp.png: error: missing (no .png, .jpg or .bmp): the invoice screen's background shows black, as "
       "MenuBack does not load either"},
      {[&] { Write("skins/Print.png", "no picture"); }, skins, "skins/Print.png: error: cannot be decoded"},
      {[&] { OneColourSkin("return.png", 84, 81, 0, 0); }, skins, "skins/return.png: warning: 84x81, but"},
      {[&] { OneColourSkin("return.png", 85, 80, 0, 0); }, skins, "skins/return.png: warning: 85x80, but"},
      {[&] {
         Replace("INI/FormatShow.ini", u8"DisPlayName=WATERBILL", u8"DisPlayName=WATERBILL\n9999999999=I[0<1,1,10>");
       },
       "",
       "INI/FormatShow.ini:7: error: line 9999999999 is never read: the numbered lines stop at 4, which is missing or "
       "empty"},
  };
  for (const auto &fault : faults) {
    SetUp();
    fault.plant();
    const auto run = Check(fault.arguments + " " + kiosk_.string());
    const std::vector<std::string> problems = ProblemLines(run.output);
    SCOPED_TRACE(fault.expected + "\n" + run.output);
    EXPECT_EQ(run.status, fault.expected.find(": error:") != std::string::npos ? 3 : 0);
    EXPECT_THAT(problems, ::testing::Contains(::testing::HasSubstr(fault.expected)));
  }
}

// The screen's time-out, written on line 6 of [WATER] as operators write it: each value that is
// not what its writer means is named with the whole reason at its line, the rest pass.
TEST_F(KioskCheck, TheScreensTimeOutIsNamedWhereItIsNotWhatItsWriterMeans) {
  const std::string at = "INI/FormatShow.ini:6: warning: [WATER] ";
  const std::string remedy = "; write the seconds, such as IdleTimeout=120, or 0 for none";
  const struct {
    const char *line;
    std::string expected;  // the whole problem line, or nothing
  } rows[] = {
      {"IdleTimeout=120", ""},
      {"IdleTimeout=0", ""},
      {"idletimeout=0x78", ""},  // any letter case; hexadecimal as every settings value
      {"IdleTimeout=10", ""},
      {"IdleTimeout=86400", ""},
      {"IdleTimeout=9", at + "IdleTimeout=9 closes the screen 9 s after the customer's last key or touch, too soon "
                             "to read a bill; 60 to 300 s are usual"},
      {"IdleTimeout=1", at + "IdleTimeout=1 closes the screen 1 s after the customer's last key or touch, too soon "
                             "to read a bill; 60 to 300 s are usual"},
      {"IdleTimeout=86401", at + "IdleTimeout=86401 is more than a day: the value counts seconds, not milliseconds"},
      {"IdleTimeout=4294967", at + "IdleTimeout=4294967 is more than a day: the value counts seconds, not "
                                   "milliseconds"},
      {"IdleTimeout=4294968", at + "IdleTimeout=4294968 is more than a day: the value counts seconds, not "
                                   "milliseconds, and the screen closes after 4294967 s at the latest"},
      {"IdleTimeout=-1", at + "IdleTimeout=-1 is below 0, so the screen has no time-out" + remedy},
      {"IdleTimeout=2 min",
       at + "IdleTimeout=2 min is not a whole number of seconds, so the screen has no time-out" + remedy},
      {"IdleTimeout=", at + "IdleTimeout= is not a whole number of seconds, so the screen has no time-out" + remedy},
  };
  const std::string sound = Read("INI/FormatShow.ini");
  for (const auto &row : rows) {
    SCOPED_TRACE(row.line);
    std::string settings = sound;
    settings.insert(settings.find("DisPlayName=WATER"), std::string(row.line) + "\n");
    Write("INI/FormatShow.ini", settings);
    const auto run = Check("--business-key WATER " + kiosk_.string());
    EXPECT_EQ(ProblemLines(run.output), row.expected.empty() ? std::vector<std::string>{}
                                                                 : std::vector<std::string>{row.expected})
        << run.output;
    EXPECT_EQ(run.status, 0);
  }
}

// A log folder on a file system that cannot take the records, made for kiosk-check alone in a
// mount namespace of its own: each is named once, with what happens and what to do.
TEST_F(KioskCheck, ALogFolderOnAFileSystemThatCannotTakeTheRecordsIsNamed) {
  if (RunCommand("unshare -rm true").status != 0) GTEST_SKIP() << "no mount namespaces here";
  if (RunCommand("grep -qs wine '" + ProgramPath("IV_TEST_KIOSK_CHECK", "") + "'").status == 0)
    GTEST_SKIP() << "wine opens files in its server, outside this namespace";
  const std::string what = "the invoice's log records (ErrorLog/Error.txt)";
  const struct {
    const char *mount;  // how ErrorLog/ is mounted
    std::string expected;
  } rows[] = {
      {"mount -t tmpfs -o ro tmpfs ErrorLog",
       "ErrorLog: warning: not writable: " + what + " are dropped; the file system holding it is mounted read-only: "
                                                    "mount it read-write (or put the folder on a writable file system "
                                                    "and link it here)"},
      {"mount -t tmpfs -o size=12k tmpfs ErrorLog",
       "ErrorLog: warning: the file system holding it is nearly full (12288 bytes free): " + what +
           " that do not fit are dropped; free space there, or put the folder on a larger file system"},
      {"mount -t tmpfs -o size=12k tmpfs ErrorLog && (cat /dev/zero > ErrorLog/fill 2>/dev/null; true)",
       "ErrorLog: warning: the file system holding it is full: " + what +
           " that do not fit are dropped; free space there, or put the folder on a larger file system"},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.mount);
    const auto run = RunCommand("cd '" + kiosk_.string() + "' && unshare -rm sh -c '" + row.mount + " && " +
                                    ProgramPath("IV_TEST_KIOSK_CHECK", IV_BINARY_DIR "/tools/kiosk-check") + " .'",
                                false);
    EXPECT_EQ(ProblemLines(run.output), std::vector<std::string>{row.expected}) << run.output;
    EXPECT_EQ(run.status, 0);
  }
}

// A transaction's data, each fault alone in the sound water bill (I43 on line 7, I44 on line 8),
// is named at its line of the transaction file; the template is judged on the data's pages.
TEST_F(KioskCheck, EachFaultOfATransactionsDataIsNamedAtItsLine) {
  const std::string sound = GbkFromUtf8Bom(Read("transaction-water.txt"));
  const std::string transaction = (kiosk_ / "transaction.txt").string();
  const auto replace = [&](const char8_t *from, const char8_t *to) {
    return [=, this] { Replace("transaction.txt", from, to); };
  };
  const auto isDetail = [&](const char8_t *value) {
    return [=, this] { Replace("INI/FormatShow.ini", u8"IsDetail=2\n0=", value); };
  };
  const struct {
    std::vector<std::function<void()>> plant;
    std::string expected;  // the one problem line, after the transaction file's name; none when empty
  } faults[] = {
      {{}, ""},
      {{replace(u8"I43=*", u8"I43=")},
       ":7: warning: I43 has no '*', so its widths are read as a head layout: IsDetail=2 shows its one record of 25 "
       "bytes as 1 detail row of 4 cells instead of the 12 rows of 25 bytes that I44 holds"},
      {{replace(u8"I43=*04007004006008月份^用水量^表读数^金额", u8"I43=04007004006008月份^用水量^表读数^金额*")},
       ":7: warning: I43 has no detail layout after its '*', only a head layout: IsDetail=2 shows its one record"},
      {{replace(u8"I43=*04007004006008", u8"I43=*04000000000000")},
       ":7: warning: I43's detail widths sum to 0: the screen cuts nothing of I44's 300 bytes and shows no detail "
       "rows"},
      {{replace(u8"I43=*04007004006008", u8"I43=*04007004006009")},
       ":8: warning: I44 holds 300 bytes of rows, not a whole number of rows of 26 bytes (the sum of I43's detail "
       "widths): the screen's row 12 gets only 14 bytes"},
      {{replace(u8"I43=*", u8"I43="), isDetail(u8"IsDetail=1\n0=")},
       ":8: warning: I44 is 300 bytes, but I43's head widths describe a record of 25 bytes: the screen never shows the "
       "other 275 bytes"},
      {{replace(u8"I43=*", u8"I43=*04007004006008*"), isDetail(u8"IsDetail=1\n0=")},
       ":7: warning: I43 has a detail layout after its '*', but IsDetail=1 asks for head values"},
      {{replace(u8"I43=*04007004006008", u8"I43=*05007004006004004")},
       ":7: warning: I43's detail layout has 5 columns, but a row of invoice WATERBILL's detail block takes 4 cells"},
      {{replace(u8"I43=*04007004006008", u8"I43=*03007004014")},
       ":7: warning: I43's detail layout has 3 columns, but a row of invoice WATERBILL's detail block takes 4 cells"},
      {{replace(u8"I43=*04007004006008", u8"I43=*0400700400600x")},
       ":7: error: I43: detail width \"00x\" is not a number"},
      // The file's text as editors save it: the line where the screen would show other characters.
      {{[&] { Write("transaction.txt", GbkToUtf8(sound)); }},
       ":5: error: data file " + transaction + ": saved as UTF-8 without BOM"},
      {{[&] { Write("transaction.txt", "\xEF\xBB\xBF" + GbkToUtf8(sound) + "O4=\xF0\x9F\x98\x80\n"); }},
       ":12: error: data file " + transaction + ": character U+1F600 on line 12 has no GBK form"},
      {{[&] { Write("transaction.txt", sound + "O4=caf\xE9\n"); }},
       ":12: error: data file " + transaction + ": byte 0xE9 on line 12 is no GBK character"},
  };
  for (const auto &fault : faults) {
    SetUp();
    Write("transaction.txt", sound);
    for (const auto &plant : fault.plant) plant();
    const auto run = Check(kiosk_.string() + " --business-key WATER --data " + transaction);
    SCOPED_TRACE(fault.expected + "\n" + run.output);
    EXPECT_EQ(run.status, fault.expected.find(": error:") != std::string::npos ? 3 : 0);
    if (fault.expected.empty())
      EXPECT_THAT(ProblemLines(run.output), ::testing::IsEmpty());
    else
      EXPECT_THAT(ProblemLines(run.output),
                  ::testing::ElementsAre(::testing::StartsWith(transaction + fault.expected)));
  }

  // A head field beyond the 100 head values the screen prepares is found on the data's pages only.
  Write("transaction.txt", sound);
  Replace("INI/WaterBill.txt", u8"{户名(1,-12)}", u8"{户名(1,-12)}{x(120,4)}");
  const std::string beyond = "INI/WaterBill.txt:3:";
  EXPECT_THAT(ProblemLines(Check(kiosk_.string() + " --business-key WATER").output),
              Not(::testing::Contains(HasSubstr(beyond))));
  EXPECT_THAT(ProblemLines(Check(kiosk_.string() + " --business-key WATER --data " + transaction).output),
              ::testing::Contains(::testing::StartsWith(beyond + " warning: field index 120 is beyond the head data")));
}

TEST_F(KioskCheck, UsageErrorsAndAFolderWithoutSettings) {
  for (const char *help : {"--help", "-h"}) EXPECT_TRUE(Check(help).output.starts_with("usage: kiosk-check")) << help;
  EXPECT_THAT(Check("--version").output, ::testing::MatchesRegex("kiosk-check [0-9]+\\.[0-9]+\\.[0-9]+\n"));
  EXPECT_EQ(Check("--bogus").status, 2);
  EXPECT_EQ(Check("one two").status, 2) << "one kiosk folder";
  EXPECT_EQ(Check("--skins").status, 2) << "--skins needs a folder";
  EXPECT_EQ(Check("--data x.txt").status, 2) << "--data needs a business key";
  EXPECT_EQ(Check("--user no-such-user " + kiosk_.string()).status, 2);
  EXPECT_EQ(Check("/nonexistent/kiosk").status, 2);
  // Without print.ini nothing prints, without FormatShow.ini nothing is shown.
  fs::remove(kiosk_ / "INI/print.ini");
  auto run = Check(kiosk_.string());
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(run.output, HasSubstr("INI/print.ini: warning: missing"));
  fs::remove(kiosk_ / "INI/FormatShow.ini");
  run = Check(kiosk_.string());
  EXPECT_EQ(run.status, 3) << run.output;
  EXPECT_THAT(run.output, HasSubstr("INI/FormatShow.ini: error: missing"));
  fs::remove_all(kiosk_ / "INI");
  run = Check(kiosk_.string());
  EXPECT_EQ(run.status, 3);
  EXPECT_THAT(run.output, HasSubstr("INI: error: folder missing"));
}

}  // namespace
}  // namespace iv::test
