// The template language read through real files: the complete sample, markers, plain text and
// the problems a template can have.
#include "tests/invoice/invoice_harness.h"

namespace iv::test {
namespace {

using TemplateLanguage = InvoiceTest;

TEST_F(TemplateLanguage, SaleInvoiceIsDrawnLineByLine) {
  Use(CopyTemplate("sale.txt"), "SALE");
  SetData(Cells({u8"1001", u8"  张三 "}),
          Cells({u8"苹果", u8"2", u8"10.00", u8"香蕉", u8"3", u8"6.00", u8"梨", u8"1", u8"3.50", u8"桃", u8"4", u8"8.00"}),
          Cells({u8"27.50"}));
  Paint();
  ASSERT_EQ(invoice_->uQuality(), tqHigh);
  const int lh = LineHeight();
  const std::string sans = "MS Sans Serif";
  std::vector<Drawn> expected = {
      {U8(u8"    销售凭证"), 0, lh, kBlack, U8(u8"宋体"), 16},
      {U8(u8"户号:"), 0, 2 * lh, kBlack, sans, 8},
      {"        1001", Width(U8(u8"户号:")), 2 * lh, kBlue, sans, 8},
      {U8(u8"  户名:"), Width(U8(u8"户号:        1001")), 2 * lh, kBlack, sans, 8},
      {U8(u8"张三            "), Width(U8(u8"户号:        1001  户名:")), 2 * lh, kBlue, sans, 8},
  };
  // The detail line: three columns with single blanks between them, then three more rows.
  const int x1 = Width(U8(u8"苹果      "));
  const int x2 = Width(U8(u8"苹果       "));
  const int x3 = Width(U8(u8"苹果            2"));
  const int x4 = Width(U8(u8"苹果            2 "));
  expected.push_back({U8(u8"苹果      "), 0, 3 * lh, kBlue, sans, 8});
  expected.push_back({" ", x1, 3 * lh, kBlack, sans, 8});
  expected.push_back({"     2", x2, 3 * lh, kBlue, sans, 8});
  expected.push_back({" ", x3, 3 * lh, kBlack, sans, 8});
  expected.push_back({"     10.00", x4, 3 * lh, kBlue, sans, 8});
  const char8_t *rows[3][3] = {{u8"香蕉      ", u8"     3", u8"      6.00"},
                               {u8"梨        ", u8"     1", u8"      3.50"},
                               {u8"桃        ", u8"     4", u8"      8.00"}};
  for (int row = 0; row < 3; ++row) {
    const int y = (4 + row) * lh;
    expected.push_back({" ", x1, y, kBlack, sans, 8});
    expected.push_back({" ", x3, y, kBlack, sans, 8});
    expected.push_back({U8(rows[row][0]), 0, y, kBlue, sans, 8});
    expected.push_back({U8(rows[row][1]), x2, y, kBlue, sans, 8});
    expected.push_back({U8(rows[row][2]), x4, y, kBlue, sans, 8});
  }
  // The tail follows the last row, with the page count this paint has just computed.
  const int tail = 7 * lh;
  expected.push_back({U8(u8"合计:"), 0, tail, kBlack, sans, 8});
  expected.push_back({"     27.50", Width(U8(u8"合计:")), tail, kBlue, sans, 8});
  expected.push_back({U8(u8"  第"), Width(U8(u8"合计:     27.50")), tail, kBlack, sans, 8});
  expected.push_back({"  1", Width(U8(u8"合计:     27.50  第")), tail, kBlue, sans, 8});
  expected.push_back({U8(u8"页 共"), Width(U8(u8"合计:     27.50  第  1")), tail, kBlack, sans, 8});
  expected.push_back({"  1", Width(U8(u8"合计:     27.50  第  1页 共")), tail, kBlue, sans, 8});
  expected.push_back({U8(u8"页"), Width(U8(u8"合计:     27.50  第  1页 共  1")), tail, kBlack, sans, 8});
  EXPECT_EQ(drawn_, expected);
  EXPECT_TRUE(problems_.empty());
  EXPECT_EQ(invoice_->PageCount(), 1);
}

TEST_F(TemplateLanguage, MarkerSpellingsFindTheirInvoice) {
  const std::string path = WriteTemplate(
      u8"^]NAME(CARET)^]caret\n<END()>"
      u8"<name(lower)>lower\n<END()>"
      u8"^]NAME(CLOSE)]close\n<END()>"
      u8"^]NAME(ANGLE)>angle\n<END()>"
      u8"<NAME(SQUARE)]square\n<END()>"
      u8"<NAME( BLANK)>blank\n<END()>"
      u8"< NAME(LEAD)>lead\n<END()>"
      u8"<NAME(发票)>chinese\n<END()>");
  SetData(Cells({u8"x"}), {}, {});
  const std::pair<const char *, const char *> found[] = {{"CARET", "caret"}, {"LOWER", "lower"}, {"lower", "lower"},
                                                         {"close", "close"}, {"ANGLE", "angle"}, {"SQUARE", "square"},
                                                         {" BLANK", "blank"}};
  for (const auto &[name, text] : found) {
    Use(path, name);
    Paint();
    EXPECT_EQ(Texts(), std::vector<std::string>{text}) << name;
    EXPECT_TRUE(problems_.empty()) << name;
  }
  Use(path, Gbk(u8"发票"));
  Paint();
  EXPECT_EQ(Texts(), std::vector<std::string>{"chinese"});
  for (const char *name : {"BLANK", "LEAD"}) {
    Use(path, name);
    Paint();
    EXPECT_TRUE(drawn_.empty()) << name;
    EXPECT_EQ(problems_, std::vector<std::string>{U8(u8"发票:") + name + U8(u8" 不存在！")});
  }
}

TEST_F(TemplateLanguage, MarkerLineBreakMovesThePenBeforeAnythingIsDrawn) {
  invoice_->SetuUpDist(30);
  Use(WriteTemplate(u8"<NAME(A)>first<FPT()>\nsecond<END()>"), "A");
  SetData(Cells({u8"x"}), {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 2u);
  EXPECT_EQ(drawn_[0].y, 30);
  EXPECT_EQ(drawn_[1].y, 30 + LineHeight());
}

TEST_F(TemplateLanguage, FormatErrorsAreLoggedAndReadingGoesOn) {
  const std::string path = WriteTemplate(
      u8"<NAME(A)>\n"
      u8"ab<FPT()]cd\n"        // '<' closed by ']'
      u8"ef^x(yz>gh\n"         // a lone '^' swallows text up to '>', a '(' in it too
      u8"<NOPAREN>ij\n"        // no '('
      u8"{f(0)}kl\n"           // a field without width
      u8"{f(0,4)[mn\n"         // a field opened with '{' and closed with '['
      u8"<END()>");
  Use(path, "A");
  SetData(Cells({u8"x"}), {}, {});
  Paint();
  const int lh = LineHeight();
  const std::string prefix = path + U8(u8",文件格式错误:");
  EXPECT_EQ(problems_, (std::vector<std::string>{prefix + "(" + std::to_string(Width("ab")) + "," + std::to_string(lh) + ")",
                                                 prefix + "(" + std::to_string(Width("ef")) + "," + std::to_string(2 * lh) + ")",
                                                 prefix + "(0," + std::to_string(3 * lh) + ")", prefix + "[",
                                                 prefix + "4)["}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"ab", "cd", "ef", "gh", "ij", "kl", "mn"}));
}

TEST_F(TemplateLanguage, UnknownCommandsAreLoggedWithTheirName) {
  const std::string path = WriteTemplate(u8"<NAME(A)><FOO(1)>a<FPT ()>b<END()>");
  Use(path, "A");
  SetData(Cells({u8"x"}), {}, {});
  Paint();
  const std::string unknown = path + U8(u8",不可识别的命令:");
  EXPECT_EQ(problems_, (std::vector<std::string>{unknown + "FOO", unknown + "FPT "}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b"}));
  // Each problem is one record of the invoice error log: stamp, message, 33 hyphens.
  std::string log = ErrorLogText();
  for (const std::string &message : {unknown + "FOO", unknown + "FPT "}) {
    const std::string stampPrefix = U8(u8"时间:");
    ASSERT_TRUE(log.starts_with(stampPrefix)) << log;
    const std::string stamp = log.substr(stampPrefix.size(), 18);
    EXPECT_EQ(stamp.substr(8, 2), "--");
    EXPECT_EQ(stamp[12], ':');
    EXPECT_EQ(stamp[15], ':');
    const std::string rest = "\r\n" + message + "\r\n" + std::string(33, '-') + "\r\n";
    ASSERT_EQ(log.substr(stampPrefix.size() + 18, rest.size()), rest);
    log.erase(0, stampPrefix.size() + 18 + rest.size());
  }
  EXPECT_EQ(log, "");
}

TEST_F(TemplateLanguage, MissingFileOrInvoiceIsLoggedAtEveryPaint) {
  const std::string path = WriteTemplate(u8"<NAME(A)>a<END()>");
  Use(path, "B");
  SetData(Cells({u8"x"}), {}, {});
  Paint();
  Paint();
  EXPECT_EQ(problems_, std::vector<std::string>{U8(u8"发票:B 不存在！")});
  const std::string log = ErrorLogText();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 6);

  std::filesystem::remove(path);
  Paint();
  EXPECT_TRUE(drawn_.empty());
  EXPECT_EQ(problems_, std::vector<std::string>{U8(u8"发票文件:") + path + U8(u8" 不存在！")});
  // A file that does not exist is refused and the earlier settings stay.
  EXPECT_EQ(invoice_->SetInvoiceFile("nowhere.txt", "A"), -1);
  EXPECT_EQ(invoice_->SetInvoiceFile(WriteTemplate(u8"<NAME(A)>a<END()>", "other.txt"), ""), -1);
}

TEST_F(TemplateLanguage, EndOfFileEndsTheInvoice) {
  // Text after the last line feed is not drawn; the element read at the end is a format error.
  const std::string path = WriteTemplate(u8"<NAME(A)>\nabc\nxyz");
  Use(path, "A");
  SetData(Cells({u8"x"}), {}, {});
  Paint();
  EXPECT_EQ(Texts(), std::vector<std::string>{"abc"});
  EXPECT_EQ(problems_, std::vector<std::string>{path + U8(u8",文件格式错误:(0,") + std::to_string(2 * LineHeight()) + ")"});

  // An invoice without END runs into the next one, whose marker is an unknown command.
  const std::string two = WriteTemplate(u8"<NAME(A)>a<FPT()><NAME(B)>b<END()>", "two.txt");
  Use(two, "A");
  Paint();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(problems_, std::vector<std::string>{two + U8(u8",不可识别的命令:NAME")});

  // A '^' as the very last byte.
  const std::string caret = WriteTemplate(u8"<NAME(A)>a^", "caret.txt");
  Use(caret, "A");
  Paint();
  EXPECT_EQ(problems_, std::vector<std::string>{caret + U8(u8",文件格式错误:^")});
}

TEST_F(TemplateLanguage, DoubleByteCharactersNeverOpenOrCloseMarkup) {
  // 0x81 0x7B and 0x81 0x5E are GBK characters whose second byte is '{' and '^'; 倉 (0x82 0x7D)
  // ends in '}' and 揮 (0x93 0x5D) in ']', inside a field's label and a tag's argument.
  const std::string text = "<NAME(A)>a\x81\x7B" "b\x81\x5E" "c\n"
                           "<FPT()>{\x82\x7D(0,3}<FPTEND()>\n"
                           "<SETFONT(\x93\x5D,0,0,0,12)>d\n<END()>";
  std::ofstream(folder_ / "dbcs.txt", std::ios::binary) << text;
  Use((folder_ / "dbcs.txt").string(), "A");
  SetData(Cells({u8"x"}), {}, {});
  Paint();
  EXPECT_TRUE(problems_.empty()) << ::testing::PrintToString(problems_);
  ASSERT_EQ(drawn_.size(), 3u);
  EXPECT_EQ(drawn_[0].text, GbkToUtf8("a\x81\x7B" "b\x81\x5E" "c"));
  EXPECT_EQ(drawn_[1].text, "  x");
  EXPECT_EQ(drawn_[2].text, "d");
  EXPECT_EQ(drawn_[2].font, U8(u8"揮"));
}

}  // namespace
}  // namespace iv::test
