// The no-data screen and the data flags.
#include "tests/invoice/invoice_harness.h"

namespace iv::test {
namespace {

using NoData = InvoiceTest;

constexpr char8_t kNoDataTemplate[] =
    u8"<NAME(EMPTY)>text that is not drawn{f(0,2)}\n"
    u8"<NULLDATAINFO(no data today,120,80,黑体,14,0,0,255)><PICTURE(Red.JPG)>"
    u8"<NULLDATAINFO(never read,0,0,,1,0,0,0)><END()>";

TEST_F(NoData, ShowsTheMarkedPictureAndNoticeInstead) {
  std::filesystem::copy_file(std::filesystem::path(IV_TEST_DATA) / "invoice" / "red.jpg", folder_ / "red.jpg");
  Use(WriteTemplate(kNoDataTemplate), "EMPTY");
  Paint();
  // Tags are read upper-cased: the notice and the picture's name are stored in capitals.
  EXPECT_EQ(drawn_, (std::vector<Drawn>{{"NO DATA TODAY", 120, 80, kBlue, U8(u8"黑体"), 14}}));
  EXPECT_EQ(invoice_->uInfo(), "NO DATA TODAY");
  EXPECT_GT(GetRValue(surface_.Surface().Pixel(4, 4)), 200);
  EXPECT_LT(GetGValue(surface_.Surface().Pixel(4, 4)), 60);
  EXPECT_TRUE(problems_.empty());
  EXPECT_EQ(invoice_->CurrentPage(), 0);

  // Once found, the picture is drawn without reading the template again.
  std::filesystem::remove(folder_ / "invoice.txt");
  Paint();
  EXPECT_GT(GetRValue(surface_.Surface().Pixel(4, 4)), 200);
  EXPECT_EQ(Texts(), std::vector<std::string>{"NO DATA TODAY"});
  EXPECT_TRUE(problems_.empty()) << "the no-data screen logs nothing";
}

TEST_F(NoData, EmptyArraysKeepTheTablesAndShowAlwaysDrawsThem) {
  Use(WriteTemplate(u8"<NAME(A)><FPT()>{h(0,2)}<END()>"), "A");
  SetData(Cells({u8"h0"}), {}, {});
  invoice_->SetInvoiceData({}, {}, {}, 0);
  Paint();
  EXPECT_TRUE(drawn_.empty());
  invoice_->SetInvoiceData({}, {}, {}, 1);
  Paint();
  EXPECT_EQ(Texts(), std::vector<std::string>{"h0"});
}

TEST_F(NoData, CellsAreCutTo250Bytes) {
  Use(WriteTemplate(u8"<NAME(A)><FPT()>{h(0,-300)}<END()>"), "A");
  SetData({std::string(300, 'v')}, {}, {});
  Paint();
  ASSERT_EQ(drawn_.size(), 1u);
  EXPECT_EQ(drawn_[0].text, std::string(250, 'v') + std::string(50, ' '));
}

TEST_F(NoData, UInfoFontChangesAskForARepaint) {
  surface_.Repaint();
  ASSERT_FALSE(surface_.NeedsRepaint());
  TFont font = ViewFormFont();
  font.SetSize(20);
  invoice_->SetuFontOfInfo(font);
  EXPECT_TRUE(surface_.NeedsRepaint());
  EXPECT_EQ(invoice_->uFontOfInfo().Size(), 20);
  // A paint that reads the no-data markers changes that font without asking for another paint.
  Use(WriteTemplate(kNoDataTemplate), "EMPTY");
  surface_.Repaint();
  EXPECT_FALSE(surface_.NeedsRepaint());
}

}  // namespace
}  // namespace iv::test
