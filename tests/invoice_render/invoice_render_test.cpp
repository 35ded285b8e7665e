// invoice-render end to end: the samples of the kiosk folder, options, exit codes and trace.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <cstdio>
#include <sstream>

#include "platform/gfx/picture.h"
#include "platform/text/gbk.h"
#include "tests/support/command.h"

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
    fs::copy(fs::path(IV_SOURCE_DIR) / "examples" / "kiosk" / "INI", folder_ / "INI");
    fs::copy(fs::path(IV_SOURCE_DIR) / "examples" / "kiosk" / "image", folder_ / "image");
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs the tool in the kiosk folder; stdout only, stderr goes to err.txt.
  CommandResult Render(const std::string &arguments) {
    return RunCommand("cd '" + folder_.string() + "' && '" IV_BINARY_DIR "/tools/invoice-render' " + arguments +
                          " 2> err.txt",
                      false);
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
    EXPECT_TRUE(lines[i].ends_with('"')) << lines[i];
  }
  EXPECT_EQ(CountLines(result.output, R"(page=1 x=300 y=36 color=#000000 font="黑体" size=22 text="销 售 凭 证")"), 1);
  EXPECT_EQ(CountLines(result.output, R"(page=2 x=300 y=36 color=#000000 font="黑体" size=22 text="销 售 凭 证")"), 1);
  EXPECT_NE(result.output.find(R"(color=#0000A0 font="宋体" size=12 text="酸奶            ")"), std::string::npos);
  // Exactly one paint per page went into the error log: none, as the sample is sound.
  EXPECT_EQ(ReadText(folder_ / "ErrorLog" / "Error.txt"), "");
}

TEST_F(InvoiceRender, SingleSelectedPageAndOutputPrefix) {
  const CommandResult result = Render("INI/WaterInvoice.txt WATER --head " + Data("water-head.txt") + " --detail " +
                                      Data("water-detail.txt") + " --page 2 --out water --trace");
  ASSERT_EQ(result.status, 0) << Stderr();
  EXPECT_TRUE(fs::exists(folder_ / "water-2.png"));
  EXPECT_FALSE(fs::exists(folder_ / "water-1.png"));
  for (const std::string &line : Lines(result.output))
    EXPECT_TRUE(line.starts_with("page=2 ") || line == "pages=2") << line;
  EXPECT_EQ(Render("INI/WaterInvoice.txt WATER --detail " + Data("water-detail.txt") + " --page 3").status, 2);
  EXPECT_NE(Stderr().find("page 3 does not exist"), std::string::npos);
}

TEST_F(InvoiceRender, LoggedProblemsGoToStderrAndFailStrictRuns) {
  WriteGbk("INI/bad.txt", u8"<NAME(BAD)><FOO()>\"quoted\" \\ back<END()>");
  WriteGbk("head.txt", u8"x\n");
  const CommandResult lenient = Render("INI/bad.txt BAD --head head.txt --trace");
  EXPECT_EQ(lenient.status, 0);
  EXPECT_EQ(Lines(lenient.output).front(), R"(page=1 x=0 y=0 color=#000000 font="MS Sans Serif" size=8 text="\"quoted\" \\ back")");
  EXPECT_EQ(Stderr(), "INI/bad.txt,不可识别的命令:FOO\n");
  EXPECT_EQ(Render("INI/bad.txt BAD --head head.txt --strict").status, 3);
  EXPECT_EQ(Render("INI/bad.txt MISSING --head head.txt --strict").status, 3);
  EXPECT_EQ(Stderr(), "发票:MISSING 不存在！\n");
}

TEST_F(InvoiceRender, UsageErrorsAndUnwritableOutput) {
  for (const std::string arguments :
       {"", "INI/SaleInvoice.txt", "INI/SaleInvoice.txt SALE --quality best", "INI/SaleInvoice.txt SALE --page 0",
        "INI/SaleInvoice.txt SALE --page 2 --all-pages", "INI/SaleInvoice.txt SALE --bogus",
        "INI/SaleInvoice.txt SALE --size 808", "INI/SaleInvoice.txt SALE --head missing.txt",
        "INI/Missing.txt SALE", "INI/SaleInvoice.txt SALE --lines-per-page"})
    EXPECT_EQ(Render(arguments).status, 2) << arguments;
  EXPECT_NE(Stderr().find("usage: invoice-render"), std::string::npos);
  EXPECT_EQ(Render("INI/SaleInvoice.txt SALE --out no/such/folder/page").status, 1);
}

TEST_F(InvoiceRender, NoDataScreenOnABackgroundAtAnotherSize) {
  const CommandResult result =
      Render("INI/NoDataInvoice.txt NODATA --size 900x700 --background image/nodata.jpg --quality low --trace");
  ASSERT_EQ(result.status, 0) << Stderr();
  EXPECT_EQ(Lines(result.output).back(), "pages=0");
  EXPECT_EQ(CountLines(result.output,
                       R"(page=1 x=250 y=500 color=#A00000 font="黑体" size=18 text="暂无交易记录，请按返回键退出")"),
            1);
  const Bitmap page = LoadPicture((folder_ / "invoice-1.png").string());
  EXPECT_EQ(std::make_pair(page.Width(), page.Height()), std::make_pair(900, 700));
  EXPECT_EQ(page.Pixel(850, 650), clWhite) << "outside the 808 x 606 picture the canvas stays white";
}

}  // namespace
}  // namespace iv::test
