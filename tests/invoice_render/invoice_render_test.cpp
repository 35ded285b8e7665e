// invoice-render end to end: the samples of the kiosk folder, options, exit codes and trace.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <cstdio>
#include <sstream>

#include "platform/gfx/picture.h"
#include "platform/text/gbk.h"
#include "tests/support/command.h"
#include "tests/support/program_path.h"

namespace iv::test {
namespace {

namespace fs = std::filesystem;

class InvoiceRender : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("invoice-render-test-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "ErrorLog");
    fs::create_directories(folder_ / "Log");
    fs::copy(fs::path(IV_SOURCE_DIR) / "examples" / "kiosk" / "INI", folder_ / "INI");
    fs::copy(fs::path(IV_SOURCE_DIR) / "examples" / "kiosk" / "image", folder_ / "image");
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs the tool in the kiosk folder, after the shell commands `setup` (such as a ulimit);
  // stdout only, stderr goes to err.txt.
  CommandResult Render(const std::string &arguments, const std::string &setup = "true") {
    return RunCommand("cd '" + folder_.string() + "' && " + setup + " && '" + Program() + "' " + arguments +
                          " 2> err.txt",
                      false);
  }
  static std::string Program() {
    return ProgramPath("IV_TEST_INVOICE_RENDER", IV_BINARY_DIR "/tools/invoice-render");
  }
  std::string Stderr() const { return ReadText(folder_ / "err.txt"); }
  static std::string ReadText(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  }
  void WriteGbk(const std::string &name, const char8_t *utf8) {
    std::ofstream(folder_ / name, std::ios::binary) << Gbk(utf8);
  }
  static std::string Data(const std::string &name) {
    std::string quoted = "'";
    quoted += (fs::path(IV_SOURCE_DIR) / "docs" / "template-data" / name).string();
    return quoted += "'";
  }
  static std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
  }

  // The trace without the box and place each line ends with (the box's size is the font's).
  static std::string WithoutBoxes(const std::string &trace) {
    std::string kept;
    for (std::string &line : Lines(trace)) {
      if (const std::size_t box = line.rfind(" w="); box != std::string::npos) line.erase(box);
      kept += line + "\n";
    }
    return kept;
  }

  fs::path folder_;
};

TEST_F(InvoiceRender, RendersEveryPageOfTheSaleSampleWithItsTrace) {
  const CommandResult result = Render("INI/SaleInvoice.txt SALE --head " + Data("sale-head.txt") + " --detail " +
                                      Data("sale-detail.txt") + " --tail " + Data("sale-tail.txt") +
                                      " --all-pages --trace --strict");
  ASSERT_EQ(result.status, 0) << Stderr();
  EXPECT_TRUE(fs::exists(folder_ / "invoice-1.png"));
  EXPECT_TRUE(fs::exists(folder_ / "invoice-2.png"));
  EXPECT_FALSE(fs::exists(folder_ / "invoice-3.png"));
  const Bitmap page = LoadPicture((folder_ / "invoice-1.png").string());
  EXPECT_EQ(std::make_pair(page.Width(), page.Height()), std::make_pair(808, 606));

  const std::vector<std::string> lines = Lines(result.output);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "pages=2");
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    int page = 0, x = 0, y = 0, size = 0;
    char color[7] = {};
    EXPECT_EQ(std::sscanf(lines[i].c_str(), "page=%d x=%d y=%d color=#%6[0-9A-F] font=", &page, &x, &y, color), 4)
        << lines[i];
    const std::size_t sizeAt = lines[i].find("\" size=");
    ASSERT_NE(sizeAt, std::string::npos) << lines[i];
    EXPECT_EQ(std::sscanf(lines[i].c_str() + sizeAt, "\" size=%d text=\"", &size), 1) << lines[i];
    // Last, the text's box and where in the template it came from.
    int width = 0, height = 0, line = 0, column = 0;
    const std::size_t boxAt = lines[i].rfind("\" w=");
    ASSERT_NE(boxAt, std::string::npos) << lines[i];
    EXPECT_EQ(std::sscanf(lines[i].c_str() + boxAt, "\" w=%d h=%d at=%d:%d", &width, &height, &line, &column), 4);
    EXPECT_TRUE(width > 0 && height >= size && line > 1 && column > 0) << lines[i];
  }
  const std::string drawn = WithoutBoxes(result.output);
  EXPECT_EQ(CountLines(drawn, R"(page=1 x=300 y=36 color=#000000 font="黑体" size=22 text="销 售 凭 证")"), 1);
  EXPECT_EQ(CountLines(drawn, R"(page=2 x=300 y=36 color=#000000 font="黑体" size=22 text="销 售 凭 证")"), 1);
  EXPECT_NE(drawn.find(R"(color=#0000A0 font="宋体" size=12 text="酸奶            ")"), std::string::npos);
  // Plain text stands where it starts, a field where its '{' does (the second on line 3).
  EXPECT_THAT(result.output, ::testing::ContainsRegex(R"(text="销 售 凭 证" w=[0-9]+ h=[0-9]+ at=2:46[^0-9])"));
  EXPECT_THAT(result.output, ::testing::ContainsRegex(R"(page=1 x=330 y=100 color=[^ ]+ font=[^ ]+ size=[0-9]+ )"
                                                      R"(text="[^"]+" w=[0-9]+ h=[0-9]+ at=3:92[^0-9])"));
  // --fonts names what draws each font: the file (FreeType) or the face GDI substitutes, never
  // the requested name again.
  const CommandResult fonts = Render("INI/SaleInvoice.txt SALE --detail " + Data("sale-detail.txt") + " --fonts");
  EXPECT_THAT(fonts.output, ::testing::ContainsRegex("font=\"宋体\" file=[^\n]"));
  EXPECT_THAT(fonts.output, ::testing::Not(::testing::HasSubstr("font=\"宋体\" file=宋体")));
  // Exactly one paint per page went into the error log: none, as the sample is sound.
  EXPECT_EQ(ReadText(folder_ / "ErrorLog" / "Error.txt"), "");
}

TEST_F(InvoiceRender, SingleSelectedPageOverABackgroundAndOutputPrefix) {
  const fs::path skin = fs::path(IV_SOURCE_DIR) / "examples" / "kiosk" / "skins" / "FileDisp.png";
  const CommandResult result = Render("INI/WaterInvoice.txt WATER --head " + Data("water-head.txt") + " --detail " +
                                      Data("water-detail.txt") + " --page 2 --out water --trace --background '" +
                                      skin.string() + "'");
  ASSERT_EQ(result.status, 0) << Stderr();
  EXPECT_TRUE(fs::exists(folder_ / "water-2.png"));
  EXPECT_FALSE(fs::exists(folder_ / "water-1.png"));
  // Where the invoice draws nothing the background shows.
  const Bitmap page = LoadPicture((folder_ / "water-2.png").string());
  const Bitmap background = LoadPicture(skin.string());
  EXPECT_EQ(page.Pixel(5, 600), background.Pixel(5, 600));
  EXPECT_NE(page.Pixel(5, 600), clWhite);
  for (const std::string &line : Lines(result.output))
    EXPECT_TRUE(line.starts_with("page=2 ") || line == "pages=2") << line;
  EXPECT_EQ(Render("INI/WaterInvoice.txt WATER --detail " + Data("water-detail.txt") + " --page 3").status, 2);
  EXPECT_NE(Stderr().find("page 3 does not exist"), std::string::npos);
}

// The water samples draw their tables with blanks in a half-width face (a Chinese character as
// wide as two ASCII ones): header and rows start at the same x in the same font, so their bars
// line up when they stand at the same GBK byte columns.
TEST_F(InvoiceRender, TheWaterTablesHeaderBarsLineUpWithTheRowBars) {
  struct Traced {
    int x = 0;
    std::string font;  // name and size
    std::vector<std::size_t> bars;
  };
  for (const std::string invoice : {"INI/WaterBill.txt WATERBILL", "INI/WaterInvoice.txt WATER"}) {
    SCOPED_TRACE(invoice);
    const CommandResult result = Render(invoice + " --detail " + Data("water-detail.txt") + " --trace");
    ASSERT_EQ(result.status, 0) << Stderr();
    std::vector<Traced> table;  // the header, then the rows of page 1
    for (const std::string &line : Lines(result.output)) {
      const std::size_t font = line.find(" font="), text = line.find(" text=\"|");
      if (text == std::string::npos) continue;
      Traced traced;
      EXPECT_EQ(std::sscanf(line.c_str(), "page=1 x=%d", &traced.x), 1) << line;
      traced.font = line.substr(font, text - font);
      const std::string gbk = Utf8ToGbk(line.substr(text));
      for (std::size_t at = gbk.find('|'); at != std::string::npos; at = gbk.find('|', at + 1))
        traced.bars.push_back(at);
      table.push_back(traced);
    }
    ASSERT_EQ(table.size(), 1u + (invoice.ends_with("WATER") ? 6 : 4)) << result.output;
    EXPECT_EQ(table.front().bars.size(), 5u);
    for (const Traced &row : table) {
      EXPECT_EQ(row.x, table.front().x);
      EXPECT_EQ(row.font, table.front().font);
      EXPECT_EQ(row.bars, table.front().bars);
    }
  }
}

TEST_F(InvoiceRender, LoggedProblemsGoToStderrAndFailStrictRuns) {
  WriteGbk("INI/bad.txt", u8"<NAME(BAD)><FOO()>\"quoted\" \\ back<END()>");
  WriteGbk("head.txt", u8"x\n");
  const CommandResult lenient = Render("INI/bad.txt BAD --head head.txt --trace");
  EXPECT_EQ(lenient.status, 0);
  EXPECT_EQ(Lines(WithoutBoxes(lenient.output)).front(),
            R"(page=1 x=0 y=0 color=#000000 font="MS Sans Serif" size=8 text="\"quoted\" \\ back")");
  EXPECT_EQ(Stderr(),
            "INI/bad.txt:1:12: error: INI/bad.txt,不可识别的命令:FOO — unknown command: no command has a name like it "
            "(the template language reference lists them)\n");
  EXPECT_EQ(Render("INI/bad.txt BAD --head head.txt --strict").status, 3);
  const std::string logged = GbkToUtf8(ReadText(folder_ / "ErrorLog" / "Error.txt"));
  EXPECT_EQ(CountLines(logged, "INI/bad.txt,不可识别的命令:FOO\r"), 2) << "a render logs as the kiosk does";
  EXPECT_EQ(Render("INI/bad.txt MISSING --head head.txt --strict").status, 1);
  EXPECT_EQ(Stderr(), "invoice-render: INI/bad.txt has no invoice MISSING; the invoices it holds: BAD\n");
  // The view's margins, and the invoice drawn without data.
  EXPECT_EQ(Lines(WithoutBoxes(Render("INI/bad.txt BAD --show-always --up-dist 30 --left-dist 12 --trace").output))
                .front(),
            R"(page=1 x=12 y=30 color=#000000 font="MS Sans Serif" size=8 text="\"quoted\" \\ back")");
}

TEST_F(InvoiceRender, CommandLineConventions) {
  EXPECT_THAT(Render("--version").output, ::testing::MatchesRegex("invoice-render [0-9]+\\.[0-9]+\\.[0-9]+\n"));
  for (const char *help : {"--help", "-h", "INI/SaleInvoice.txt --help --bogus"}) {
    const CommandResult result = Render(help);
    EXPECT_EQ(result.status, 0) << help;
    EXPECT_TRUE(result.output.starts_with("usage: invoice-render")) << help;
    EXPECT_EQ(Stderr(), "") << help;
  }

  // Usage errors: the reason, then the usage.
  for (const std::string arguments :
       {"", "INI/SaleInvoice.txt", "INI/SaleInvoice.txt SALE --quality best", "INI/SaleInvoice.txt SALE --page 0",
        "INI/SaleInvoice.txt SALE --page 2 --all-pages", "INI/SaleInvoice.txt SALE --size 808",
        "INI/SaleInvoice.txt SALE --lines-per-page", "--lint", "--lint INI/SaleInvoice.txt SALE OTHER",
        "--lint INI/SaleInvoice.txt SALE --watch", "INI/SaleInvoice.txt SALE --editor vi"}) {
    EXPECT_EQ(Render(arguments).status, 2) << arguments;
    EXPECT_NE(Stderr().find("\nusage: invoice-render"), std::string::npos) << arguments;
  }
  for (const char *option : {"--bogus", "-x"}) {
    for (const std::string &arguments : {"INI/SaleInvoice.txt SALE " + std::string(option),
                                         std::string(option) + " 1 INI/SaleInvoice.txt SALE"}) {
      EXPECT_EQ(Render(arguments).status, 2) << arguments;
      EXPECT_TRUE(Stderr().starts_with("invoice-render: unknown option " + std::string(option) + "\n")) << Stderr();
    }
  }
  EXPECT_TRUE(Render("INI/SaleInvoice.txt SALE --out").status == 2 &&
              Stderr().starts_with("invoice-render: --out needs a value\n"))
      << Stderr();
  EXPECT_TRUE(Render("INI/SaleInvoice.txt SALE --page 0").status == 2 &&
              Stderr().starts_with("invoice-render: invalid value for --page: 0\n"))
      << "pages count from 1; " << Stderr();

  // Runtime failures: the path and the system's reason on one line, no usage.
  const std::pair<std::string, std::string> failures[] = {
      {"INI/Missing.txt SALE", "cannot read template INI/Missing.txt: "},
      {"--lint INI/Missing.txt", "cannot read template INI/Missing.txt: "},
      {"INI/SaleInvoice.txt SALE --head missing.txt", "cannot read data file missing.txt: "},
      {"INI/SaleInvoice.txt SALE --detail INI", "cannot read data file INI: "},
      {"INI/SaleInvoice.txt SALE --background missing.png", "cannot read background missing.png: "},
      {"INI/SaleInvoice.txt SALE --out no/such/folder/page", "cannot write no/such/folder/page-1.png: "}};
  for (const auto &[arguments, message] : failures) {
    EXPECT_EQ(Render(arguments).status, 1) << arguments;
    const std::vector<std::string> lines = Lines(Stderr());
    ASSERT_EQ(lines.size(), 1u) << Stderr();
    EXPECT_TRUE(lines[0].starts_with("invoice-render: " + message)) << lines[0];
    EXPECT_GT(lines[0].size(), ("invoice-render: " + message).size()) << "the reason follows the path";
  }
  EXPECT_EQ(Render("INI/SaleInvoice.txt SALE --detail INI").status, 1);
  EXPECT_EQ(Stderr(), "invoice-render: cannot read data file INI: not a regular file\n");

  // An invoice the file does not hold: its names, with or without --strict; no page written.
  for (const char *strict : {"", " --strict"}) {
    EXPECT_EQ(Render(std::string("INI/WaterInvoice.txt water-bill") + strict).status, 1) << strict;
    EXPECT_EQ(Lines(Stderr()).back(),
              "invoice-render: INI/WaterInvoice.txt has no invoice water-bill; the invoices it holds: WATER");
  }
  EXPECT_FALSE(fs::exists(folder_ / "invoice-1.png"));
  // The kiosk finds an invoice whatever the letter case of its name.
  EXPECT_EQ(Render("INI/WaterInvoice.txt water --detail " + Data("water-detail.txt")).status, 0) << Stderr();
  EXPECT_TRUE(fs::exists(folder_ / "invoice-1.png"));
}

// A FIFO would hold the tool up and a device never end: either is refused as a folder is.
TEST_F(InvoiceRender, SpecialFilesAreNoDataFiles) {
  ASSERT_EQ(::mkfifo((folder_ / "fifo").c_str(), 0644), 0);
  fs::create_symlink("/dev/null", folder_ / "device");
  for (const std::string file : {"fifo", "device"}) {
    EXPECT_EQ(Render("INI/SaleInvoice.txt SALE --head " + file).status, 1) << file;
    EXPECT_EQ(Stderr(), "invoice-render: cannot read data file " + file + ": not a regular file\n");
  }
}

TEST_F(InvoiceRender, PageSizesBeyondTheBitmapOrTheMemoryEndWithAMessage) {
  for (const char *size : {"100000x100000", "65536x65536", "2147483647x2147483647", "26755x1"}) {
    EXPECT_EQ(Render(std::string("INI/SaleInvoice.txt SALE --size ") + size).status, 2) << size;
    EXPECT_TRUE(Stderr().starts_with("invoice-render: --size: at most 26754×26754 pixels\n")) << Stderr();
  }
  // The address space limit also starves a sanitizer's shadow memory and wine.
#if !defined(__SANITIZE_ADDRESS__)
  if (Program() != IV_BINARY_DIR "/tools/invoice-render") GTEST_SKIP() << "not the build's own program";
  EXPECT_EQ(Render("INI/SaleInvoice.txt SALE --size 20000x20000", "ulimit -v 1048576").status, 1);
  EXPECT_EQ(Stderr(), "invoice-render: not enough memory for a 20000×20000 page\n");
  EXPECT_FALSE(fs::exists(folder_ / "invoice-1.png"));
#endif
}

TEST_F(InvoiceRender, NoDataScreenOnABackgroundAtAnotherSize) {
  const CommandResult result =
      Render("INI/NoDataInvoice.txt NODATA --size 900x700 --background image/nodata.jpg --quality low --trace");
  ASSERT_EQ(result.status, 0) << Stderr();
  EXPECT_EQ(Lines(result.output).back(), "pages=0");
  EXPECT_EQ(CountLines(WithoutBoxes(result.output),
                       R"(page=1 x=250 y=500 color=#A00000 font="黑体" size=18 text="暂无交易记录，请按返回键退出")"),
            1);
  EXPECT_THAT(result.output, ::testing::ContainsRegex("text=\"暂无交易记录，请按返回键退出\" w=[0-9]+ h=[0-9]+ at=0:0"))
      << "the notice has no place in the template";
  const Bitmap page = LoadPicture((folder_ / "invoice-1.png").string());
  EXPECT_EQ(std::make_pair(page.Width(), page.Height()), std::make_pair(900, 700));
  EXPECT_EQ(page.Pixel(850, 650), clWhite) << "outside the 808 x 606 picture the canvas stays white";
  EXPECT_EQ(page.Pixel(250, 500), LoadPicture((folder_ / "image" / "nodata.jpg").string()).Pixel(250, 500))
      << "the notice paints no box of its own: the corner of its cell shows the picture";
}

// Lint output is compared line by line. "…" in an expected line stands for any text: the pen
// position of a format error depends on the font's metrics, the fallback face on the machine.
void ExpectProblemLines(const std::vector<std::string> &lines, const std::vector<std::string> &expected) {
  ASSERT_EQ(lines.size(), expected.size()) << ::testing::PrintToString(lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t any = expected[i].find("…");
    if (any == std::string::npos) {
      EXPECT_EQ(lines[i], expected[i]);
      continue;
    }
    const std::string before = expected[i].substr(0, any);
    const std::string after = expected[i].substr(any + std::string("…").size());
    EXPECT_TRUE(lines[i].starts_with(before) && lines[i].ends_with(after) &&
                lines[i].size() > before.size() + after.size())
        << lines[i] << "\nexpected " << expected[i];
  }
}

TEST_F(InvoiceRender, LintOfAWholeFileGivesEveryProblemOnceAtItsLineAndColumn) {
  fs::copy(fs::path(IV_TEST_DATA) / "invoice_render" / "lint-sale.txt", folder_ / "INI");
  // The detail data makes SALE two pages long: its problems are met twice and printed once.
  const CommandResult result = Render("--lint INI/lint-sale.txt --head '" IV_TEST_DATA
                                      "/invoice_render/lint-head.txt' --detail '" IV_TEST_DATA
                                      "/invoice_render/lint-detail.txt'");
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.output, "") << "no page is written and nothing traced";
  EXPECT_FALSE(fs::exists(folder_ / "invoice-1.png"));
  // Columns count characters: the Chinese text before a problem counts one column a character.
  // The nameless <NAME()> on line 12 marks no invoice and is no problem.
  ExpectProblemLines(
      Lines(Stderr()),
      {"INI/lint-sale.txt:2:5: error: INI/lint-sale.txt,不可识别的命令:FOO — unknown command: no command has a name "
       "like it (the template language reference lists them)",
       "INI/lint-sale.txt:3:19: warning: field index 5 is beyond the head data given (cells 0 to 1)",
       R"(INI/lint-sale.txt:5:11: error: INI/lint-sale.txt,不可识别的命令:FPW  — "FPW " is not FPW: names are not trimmed, so the blanks make it an unknown command; write FPW)",
       "INI/lint-sale.txt:7:14: warning: <FPT()> is not closed by <FPTEND()> before <END()>: add <FPTEND()> where "
       "the section ends",
       "INI/lint-sale.txt:7:23: error: INI/lint-sale.txt,文件格式错误:(…) — the tag <LOCK)> has no '(': every "
       "command needs its parentheses, even without arguments, as in <FPT()>; and a '<' cannot stand in text",
       "INI/lint-sale.txt:8:3: error: INI/lint-sale.txt,文件格式错误:(…) — '^x' opens neither a tag (^]) nor a "
       "field (^[): a '^' cannot stand in text",
       "INI/lint-sale.txt:10:1: warning: a second invoice sale: only the first, on line 1, is ever shown",
       "INI/lint-sale.txt:11:22: warning: field index 9 is beyond the head data given (cells 0 to 1)",
       R"(INI/lint-sale.txt:13:1: warning: " NAME" is not NAME: names are not trimmed, so the blanks make it no invoice marker)",
       "INI/lint-sale.txt:14:1: warning: invoice TAIL has no END: its paint runs on into what follows",
       "INI/lint-sale.txt:14:13: warning: <FPT()> is not closed by <FPTEND()> before the end of the file: add "
       "<FPTEND()> where the section ends",
       "INI/lint-sale.txt:15:1: warning: text at the end of the file is never drawn: no line feed or markup follows it",
       "INI/lint-sale.txt:15:15: error: INI/lint-sale.txt,文件格式错误:(…) — the invoice has no <END()> and the "
       "file ends after text: the kiosk reads one more tag there and finds the end of the file; end the invoice "
       "with <END()>"});

  // The problems are printed, not logged: the kiosk's logs stay as they were.
  EXPECT_FALSE(fs::exists(folder_ / "ErrorLog" / "Error.txt"));
  EXPECT_TRUE(fs::is_empty(folder_ / "Log"));
}

TEST_F(InvoiceRender, LintFindsWhatTheKioskTakesWithoutAWord) {
  fs::copy(fs::path(IV_TEST_DATA) / "invoice_render" / "lint-mistakes.txt", folder_ / "INI");
  EXPECT_EQ(Render("--lint INI/lint-mistakes.txt").status, 3);
  const std::string face = ": no installed face has this name; drawn with …: check the name, or map it to an installed "
                           "face (invoice-render --fonts shows the faces used)";
  const std::string picture = " is not in the kiosk folder (the current directory), so the kiosk draws nothing for "
                              "it: check the name, or run the lint in the kiosk folder";
  ExpectProblemLines(
      Lines(Stderr()),
      {R"(INI/lint-mistakes.txt:1:17: error: QUALITY's level "HGIH" is no quality, so the command changes nothing: write HIGH, NORMAL, LOW or NONE)",
       R"(INI/lint-mistakes.txt:1:32: error: LINESPERPAGE's lines "-8" has more than digits: everything but the digits is dropped, so it reads as 8; write digits only, without a sign)",
       "INI/lint-mistakes.txt:1:50: warning: <FPT()> is not closed by <FPTEND()> before <FPMX()>: add <FPTEND()> "
       "where the section ends",
       R"(INI/lint-mistakes.txt:2:1: error: FORCEPOSITION reads its arguments as FORCEPOSITION(x,y), and a missing comma leaves an argument empty and moves the text on: here it reads y "60"; write every comma)",
       "INI/lint-mistakes.txt:2:20: error: INI/lint-mistakes.txt,不可识别的命令:SETFNT — unknown command; did you mean "
       "SETFONT?",
       "INI/lint-mistakes.txt:2:43: warning: 宋休" + face,
       R"(INI/lint-mistakes.txt:3:1: error: CHARCOLOR's red "300" is no colour component: only its low 8 bits count, so it reads as 44; write 0 to 255)",
       "INI/lint-mistakes.txt:3:24: error: the field has no width after its comma, so it shows nothing: write the "
       "width in bytes, such as {户号(0,10)}",
       R"(INI/lint-mistakes.txt:3:32: error: POSITION's dx "1O" is not a whole number, so the command takes its default instead: write a number such as 12, with no blank after it)",
       "INI/lint-mistakes.txt:3:51: error: the field opens with '{' and closes with '^[': write {label(index,width)}, "
       "or ^[label(index,width)^[, without mixing the two",
       R"(INI/lint-mistakes.txt:4:1: warning: picture image\missing.jpg)" + picture,
       R"(INI/lint-mistakes.txt:4:29: warning: picture image\gone.jpg)" + picture,
       "INI/lint-mistakes.txt:5:1: error: <FPMX()> is not closed by <FPMXEND()> before <FPW()>, so only the first "
       "detail row is drawn: end the detail line with <FPMXEND()>",
       "INI/lint-mistakes.txt:5:10: warning: <LOCK()> is not closed by <LOCKEND()> before <FPW()>, so line lock "
       "goes on: its lines are joined and drawn in one colour; add <LOCKEND()>",
       "INI/lint-mistakes.txt:8:14: warning: 宋休" + face});

  // Saved as UTF-8: an error where the text stops reading as GBK, columns counted in UTF-8
  // characters as the author's editor counts them; with a byte-order mark, at the mark.
  const std::string sample = ReadText(folder_ / "INI" / "NoDataInvoice.txt");
  std::ofstream(folder_ / "INI" / "utf8.txt", std::ios::binary) << GbkToUtf8(sample);
  std::ofstream(folder_ / "INI" / "bom.txt", std::ios::binary) << "\xEF\xBB\xBF" << GbkToUtf8(sample);
  const std::string saveAs =
      "save it as GBK: on Windows open it in Notepad, File > Save As, Encoding ANSI (GBK on a Chinese Windows); on "
      "Linux ";
  const std::pair<std::string, std::string> encodings[] = {
      {"utf8.txt",
       R"(INI/utf8.txt:1:29: error: saved as UTF-8 without BOM ("暂" on line 1 is UTF-8 text), but the kiosk )"
       "reads this file as GBK, so its Chinese text reaches the screen or the receipt as other characters; " +
           saveAs + "iconv -f UTF-8 -t GBK FILE > FILE.gbk"},
      {"bom.txt",
       "INI/bom.txt:1:1: error: saved as UTF-8 with BOM, but the kiosk reads this file as GBK: the mark's 3 "
       "bytes stand before its first line and its Chinese text reads as other characters; " +
           saveAs + "tail -c +4 FILE | iconv -f UTF-8 -t GBK > FILE.gbk"}};
  for (const auto &[file, error] : encodings) {
    EXPECT_EQ(Render("--lint INI/" + file).status, 3) << file;
    const std::vector<std::string> lines = Lines(Stderr());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), error), 1) << Stderr();
    // The only error: the rest are the mojibake names of its fonts.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string &line) { return line.find(": error: ") != std::string::npos; }),
              1)
        << Stderr();
  }
  // Saved as Notepad's "Unicode": named by the lint and by a render that finds no invoice in it.
  std::string utf16 = "\xFF\xFE";
  for (const char c : std::string("<NAME(A)>x<END()>")) utf16 += std::string{c, '\0'};
  std::ofstream(folder_ / "INI" / "utf16.txt", std::ios::binary) << utf16;
  EXPECT_EQ(Render("--lint INI/utf16.txt").status, 3);
  EXPECT_NE(Stderr().find("INI/utf16.txt:1:1: error: saved as UTF-16 LE, but the kiosk reads this file as GBK "
                          "and finds none of its text (every other byte is 0); " +
                          saveAs + "iconv -f UTF-16 -t GBK FILE > FILE.gbk\n"),
            std::string::npos)
      << Stderr();
  // Without a mark, as an XML tool may save it: big-endian, known by the zero bytes of its ASCII.
  std::string bigEndian;
  for (const char c : std::string("<NAME(A)>x<END()>")) bigEndian += std::string{'\0', c};
  std::ofstream(folder_ / "INI" / "be.txt", std::ios::binary) << bigEndian;
  EXPECT_EQ(Render("--lint INI/be.txt").status, 3);
  EXPECT_NE(Stderr().find("INI/be.txt:1:1: error: saved as UTF-16 BE"), std::string::npos) << Stderr();
  // A character of four UTF-8 bytes (U+10000, whose bytes GBK cannot pair) is UTF-8 text all the
  // same, named where it stands.
  std::ofstream(folder_ / "INI" / "emoji.txt", std::ios::binary) << "<NAME(A)>\nok \xF0\x90\x80\x80<END()>\n";
  EXPECT_EQ(Render("--lint INI/emoji.txt").status, 3);
  EXPECT_NE(Stderr().find("INI/emoji.txt:2:4: error: saved as UTF-8 without BOM"), std::string::npos) << Stderr();
  EXPECT_EQ(Render("INI/utf16.txt A").status, 1);
  EXPECT_NE(Stderr().find("INI/utf16.txt has no invoice A; it holds no NAME marker at all; it is saved as "
                          "UTF-16 LE, but the kiosk reads this file as GBK"),
            std::string::npos)
      << Stderr();
}

// What the customer would see wrong on the drawn page, and in the fields that draw it: each check
// has a case that trips it and one beside it that stays silent.
// A tag the kiosk logs as a format error gets the explanation of its own fault, whichever way it
// opens (< or ^]) and wherever on its line it stands.
TEST_F(InvoiceRender, LintExplainsEachMalformedTagByHowItOpensAndCloses) {
  const std::string format = "error: INI/t.txt,文件格式错误:";
  const struct {
    const char *line;  // line 2 of the invoice
    std::string expected;
  } rows[] = {
      {"<FPT()]",
       "INI/t.txt:2:1: " + format + "(…) — the tag <FPT()] opens with '<' and closes with ']': close it with '>'"},
      {"^]FPT^]", "INI/t.txt:2:1: " + format +
                      "(…) — the tag ^]FPT^] has no '(': every command needs its parentheses, even without "
                      "arguments, as in <FPT()>; and a '<' cannot stand in text"},
      {"<FPTEND()>^]LOCK^]", "INI/t.txt:2:11: " + format +
                                 "(…) — the tag ^]LOCK^] has no '(': every command needs its parentheses, "
                                 "even without arguments, as in <FPT()>; and a '<' cannot stand in text"},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.line);
    std::ofstream(folder_ / "INI" / "t.txt", std::ios::binary) << "<NAME(T)>\n" << row.line << "\n<END()>\n";
    EXPECT_EQ(Render("--lint INI/t.txt").status, 3);
    // The record gives the pen position, which follows the font's line height.
    ExpectProblemLines(Lines(Stderr()), {row.expected});
  }
}

TEST_F(InvoiceRender, LintJudgesThePageAsDrawn) {
  WriteGbk("INI/page.txt",
           u8"<NAME(PAGE)><SETFONT(宋体,0,0,0,12)>\n"
           u8"<FORCEPOSITION(700,40)>a text that runs past the right edge of the screen\n"  // 2: cut
           u8"<FORCEPOSITION(100,100)>first text\n"                                         // 3
           u8"<FORCEPOSITION(104,102)>drawn over the first\n"                               // 4: over line 3
           u8"next line, touching the one above\n"                                          // 5: silent
           u8"a\ttab\n"                                                                     // 6: tab
           u8"<FORCEPOSITION(100,900)>below the screen\n"                                   // 7: outside
           u8"<FORCEPOSITION(700,200)>ok{x(0,40)}\n"                                        // 8: blanks past the edge
           u8"<FPT()>户名:{户名(1,-12)\n"                                                   // 9: open field
           u8"应缴:{金额(2,10)}\n"                                                          // 10
           u8"{a(1O,8)}{b(3,1x)}{c(PAGE,3)}{d(0, -8 )}<FPTEND()>\n"                         // 11: not numbers
           u8"<FPMX(3)>{m(0,8)}{n(2,8)}{o(3,8)}<FPMXEND()>\n"                               // 12: index 3 of 3
           u8"<LOCK()>locked {p(0,6)} line<LOCKEND()>\n"                                    // 13: redraws itself
           u8"<FORCEPOSITION(790,500)>收费单位\n"                                           // 14: cut, quoted
           u8"<END()>\n");
  const CommandResult lint = Render("--lint INI/page.txt PAGE");
  EXPECT_EQ(lint.status, 3);
  const std::vector<std::string> lines = Lines(Stderr());
  const auto at = [&](const std::string &place) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string &line) { return line.starts_with(place); });
  };
  using ::testing::ContainsRegex;
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:2:24: error: \"a text that runs past the right edge of ...\" "
                                      "runs past the right edge of the 808x606 screen \\(it spans x 700 to [0-9]+"));
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:4:25: error: \"drawn over the first\" is drawn over \"first "
                                      "text\" \\(from 3:25\\)"));
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:6:1: error: \"a\\\\ttab\" holds a tab"));
  EXPECT_THAT(Stderr(), ::testing::HasSubstr("INI/page.txt:14:25: error: \"收费单位\" runs past the right edge"));
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:7:25: error: \"below the screen\" is drawn at \\(100,900\\), "
                                      "outside the 808x606 screen"));
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:9:11: error: the field is not closed on its line: it runs on to the "
                                      "closer on line 10"));
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:11:1: error: the field's index \"1O\" is not a number: [^\n]*"
                                      "reads as 1"));
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:11:10: error: the field's width \"1x\" is not a number"));
  EXPECT_THAT(Stderr(), ContainsRegex("INI/page.txt:12:26: error: the field's index 3 is at or beyond the detail "
                                      "block's 3 columns"));
  for (const char *silent : {"INI/page.txt:3:", "INI/page.txt:5:", "INI/page.txt:8:", "INI/page.txt:10:",
                             "INI/page.txt:12:10:", "INI/page.txt:12:18:", "INI/page.txt:13:"})
    EXPECT_EQ(at(silent), 0) << silent << "\n" << Stderr();
  EXPECT_EQ(at("INI/page.txt:11:"), 2) << "PAGE and a width written with blanks are sound";
  EXPECT_EQ(lines.size(), 9u) << Stderr();

  // Lines that end in CR alone are drawn as one.
  std::ofstream(folder_ / "INI" / "cr.txt", std::ios::binary) << "<NAME(CR)>\rone\rtwo\r<END()>\r";
  EXPECT_EQ(Render("--lint INI/cr.txt CR").status, 3);
  EXPECT_THAT(Stderr(), ::testing::StartsWith("INI/cr.txt:1:11: error: a line ends in a carriage return alone"));
  std::ofstream(folder_ / "INI" / "crlf.txt", std::ios::binary) << "<NAME(CRLF)>\r\none\r\n<END()>\r\n";
  EXPECT_EQ(Render("--lint INI/crlf.txt CRLF").status, 0) << Stderr();
}

// One judgement: --lint and a --strict render report the same problems of a template, each once
// however many pages show it, and fail alike (kiosk-check's test holds it to the lint's too).
TEST_F(InvoiceRender, LintAndAStrictRenderJudgeATemplateAlike) {
  fs::copy(fs::path(IV_TEST_DATA) / "invoice_render" / "lint-mistakes.txt", folder_ / "INI");
  fs::copy(fs::path(IV_TEST_DATA) / "invoice_render" / "lint-sale.txt", folder_ / "INI");
  const std::vector<std::pair<std::string, std::string>> templates{
      {"INI/SaleInvoice.txt", "SALE"},    {"INI/WaterInvoice.txt", "WATER"},   {"INI/WaterBill.txt", "WATERBILL"},
      {"INI/Balance.txt", "BALANCE"},     {"INI/NoDataInvoice.txt", "NODATA"}, {"INI/lint-mistakes.txt", "MISTAKES"},
      {"INI/lint-sale.txt", "SALE"},      {"INI/lint-sale.txt", "TAIL"}};
  for (const auto &[file, name] : templates) {
    SCOPED_TRACE(file + " " + name);
    const std::string data = " --detail " + Data("sale-detail.txt");
    const int linted = Render("--lint --strict " + file + " " + name + data).status;
    const std::string lintProblems = Stderr();
    const int rendered = Render(file + " " + name + " --all-pages --strict" + data).status;
    EXPECT_EQ(rendered, linted);
    EXPECT_EQ(Stderr(), lintProblems);
  }
  // A problem on every page is told once.
  WriteGbk("INI/pages.txt", u8"<NAME(P)><FPMX()>{a(0,4)}\ta<FPMXEND()><END()>\n");
  std::ofstream(folder_ / "cells.txt") << std::string(40, '\n');
  EXPECT_EQ(Render("INI/pages.txt P --detail cells.txt --all-pages --strict").status, 3);
  EXPECT_EQ(Lines(Stderr()).size(), 1u) << Stderr();
  EXPECT_TRUE(fs::exists(folder_ / "invoice-5.png"));
}

TEST_F(InvoiceRender, LintOfOneInvoiceAndItsExitCodes) {
  for (const char *name : {"lint-sale.txt", "lint-crlf.txt"})
    fs::copy(fs::path(IV_TEST_DATA) / "invoice_render" / name, folder_ / "INI");
  const std::string head = " --head '" IV_TEST_DATA "/invoice_render/lint-head.txt'";

  // Windows line ends: a carriage return neither starts a line nor shifts the columns. A field
  // left open quotes the rest of the file, and its line ends are escaped to keep one line.
  EXPECT_EQ(Render("--lint INI/lint-crlf.txt CRLF").status, 3);
  EXPECT_EQ(Lines(Stderr()),
            (std::vector<std::string>{
                "INI/lint-crlf.txt:3:5: error: INI/lint-crlf.txt,不可识别的命令:BAR — unknown command: no command has "
                "a name like it (the template language reference lists them)",
                "INI/lint-crlf.txt:4:1: error: INI/lint-crlf.txt,不可识别的命令:BAZ — unknown command: no command has "
                "a name like it (the template language reference lists them)",
                R"(INI/lint-crlf.txt:4:8: error: INI/lint-crlf.txt,文件格式错误:{未完(0,4\r\n<END()>\r\n — the field is not closed: one opened with '{' ends at '}', one opened with '^[' at '^[', so the rest of the file was read into it)"}));
  EXPECT_EQ(Render("--lint INI/lint-crlf.txt NOPE").status, 3);
  EXPECT_EQ(Stderr(), "INI/lint-crlf.txt: error: 发票:NOPE 不存在！ — the file has no <NAME(...)> marker of this "
                      "name; the invoices it holds: CRLF\n");

  // Warnings alone pass, unless --strict; the other invoices of the file are not looked at.
  EXPECT_EQ(Render("--lint INI/lint-sale.txt NOTE" + head).status, 0);
  EXPECT_EQ(Stderr(),
            "INI/lint-sale.txt:11:22: warning: field index 9 is beyond the head data given (cells 0 to 1)\n");
  EXPECT_EQ(Render("--lint INI/lint-sale.txt NOTE --strict" + head).status, 3);
  EXPECT_EQ(Render("--lint INI/lint-sale.txt NOTE").status, 0) << "without head data no index is beyond it";
  EXPECT_EQ(Stderr(), "");

  // The samples are clean, alone and with the data they are documented with.
  for (const fs::directory_entry &sample : fs::directory_iterator(folder_ / "INI")) {
    const std::string name = sample.path().filename().string();
    if (sample.path().extension() != ".txt" || name.starts_with("lint-")) continue;
    EXPECT_EQ(Render("--lint INI/" + name).status, 0) << name;
    EXPECT_EQ(Stderr(), "") << name;
  }
  EXPECT_EQ(Render("--lint INI/SaleInvoice.txt SALE --head " + Data("sale-head.txt") + " --detail " +
                   Data("sale-detail.txt") + " --tail " + Data("sale-tail.txt") + " --strict")
                .status,
            0)
      << Stderr();
}

}  // namespace
}  // namespace iv::test
