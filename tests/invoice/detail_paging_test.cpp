// Detail rows in both modes, with and without line lock, and paging through them.
#include "tests/invoice/invoice_harness.h"

namespace iv::test {
namespace {

std::vector<std::string> NumberedCells(int count, const std::string &prefix = "c") {
  std::vector<std::string> cells;
  for (int i = 0; i < count; ++i) cells.push_back(prefix + std::to_string(i));
  return cells;
}

class DetailPaging : public InvoiceTest, public ::testing::WithParamInterface<const char *> {};

// 17 cells in 2 columns at 8 lines per page: cells 0..15 on page 1, cell 16 alone on page 2,
// whether the columns come from the field order or from a column count.
TEST_P(DetailPaging, SeventeenCellsInTwoColumnsMakeTwoPages) {
  std::u8string text = u8"<NAME(P)><FPT()>{p(PAGES,1)}<FPTEND()>\n";
  text += reinterpret_cast<const char8_t *>(GetParam());
  text += u8"{a(0,-3)}|{b(1,3)}<FPMXEND()>\n<FPW()>{p(page,1)}/{p(pages,1)}<FPWEND()><END()>";
  Use(WriteTemplate(text.c_str()), "P");
  SetData({}, NumberedCells(17), {});
  const int lh = LineHeight();

  Paint();
  std::vector<std::string> page1 = {"0", "c0 ", "|", " c1"};
  for (int row = 1; row < 8; ++row) {
    page1.push_back("|");
    page1.push_back("c" + std::to_string(2 * row) + (2 * row < 10 ? " " : ""));
    page1.push_back((2 * row + 1 < 10 ? " c" : "c") + std::to_string(2 * row + 1));
  }
  page1.insert(page1.end(), {"1", "/", "2"});
  EXPECT_EQ(Texts(), page1);
  EXPECT_EQ(drawn_[drawn_.size() - 4].y, 8 * lh) << "the last row is the eighth";
  EXPECT_EQ(drawn_.back().y, 9 * lh) << "the tail follows the last row";
  EXPECT_EQ(invoice_->PageCount(), 2);

  invoice_->NextPage();
  ASSERT_TRUE(surface_.NeedsRepaint());
  Paint();
  // The head shows the count the previous paint computed; cell 17 does not exist.
  EXPECT_EQ(Texts(), (std::vector<std::string>{"2", "c16", "|", "   ", "2", "/", "2"}));
  EXPECT_EQ(DrawnCells(), (std::vector<std::string>{"", "detail 16", "", "", "", "", ""}))
      << "a field tells the cell it shows; page fields and the missing cell 17 tell none";
  EXPECT_EQ(drawn_.back().y, 2 * lh);

  invoice_->NextPage();
  EXPECT_FALSE(surface_.NeedsRepaint());
  EXPECT_EQ(invoice_->CurrentPage(), 2);
  invoice_->PriorPage();
  EXPECT_TRUE(surface_.NeedsRepaint());
  Paint();
  page1[0] = "2";
  EXPECT_EQ(Texts(), page1);
  invoice_->PriorPage();
  EXPECT_FALSE(surface_.NeedsRepaint());
  EXPECT_EQ(invoice_->CurrentPage(), 1);
}

INSTANTIATE_TEST_SUITE_P(BothModes, DetailPaging,
                         ::testing::Values("<FPMX()>", "<FPMX(x)>", "<FPMX(2)>", "<FPMX(-2)>"));

using DetailRows = InvoiceTest;

TEST_F(DetailRows, ColumnCountModeShowsTheCellOfEachFieldsIndex) {
  // Three cells per row, two fields naming columns 2 and 0; the row after the data is not begun.
  Use(WriteTemplate(u8"<NAME(A)><FPMX(3)>{a(2,2)} {b(0,2)}<FPMXEND()><END()>"), "A");
  SetData({}, NumberedCells(10, "0"), {});
  Paint();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"02", " ", "00", " ", "05", "03", " ", "08", "06"}));
  EXPECT_EQ(DrawnCells(), (std::vector<std::string>{"detail 2", "", "detail 0", "", "detail 5", "detail 3", "",
                                                    "detail 8", "detail 6"}));
  EXPECT_EQ(invoice_->PageCount(), 1);
}

TEST_F(DetailRows, LockedSingleColumnDrawsEveryRow) {
  Use(WriteTemplate(u8"<NAME(A)><FPMX(1)><LOCK()>|{a(0,-3)}|<FPMXEND()><LOCKEND()>\nend<END()>"), "A");
  SetData({}, NumberedCells(3), {});
  Paint();
  const int lh = LineHeight();
  EXPECT_EQ(drawn_, (std::vector<Drawn>{{"|c0 |", 0, 0, kBlack, "MS Sans Serif", 8},
                                        {"|c1 |", 0, lh, kBlack, "MS Sans Serif", 8},
                                        {"|c2 |", 0, 2 * lh, kBlack, "MS Sans Serif", 8},
                                        {"end", 0, 3 * lh, kBlack, "MS Sans Serif", 8}}));
}

TEST_F(DetailRows, LockedColumnOrderRowsJoinPiecesAndValues) {
  Use(WriteTemplate(u8"<NAME(A)><FPMX()><LOCK()>[{a(0,2)}:{b(1,-2)}]<FPMXEND()><LOCKEND()><END()>"), "A");
  SetData({}, Cells({u8"1", u8"2", u8"3", u8"4", u8"5"}), {});
  Paint();
  // Static piece j stands before column j, the last piece closes the row.
  EXPECT_EQ(Texts(), (std::vector<std::string>{"[ 1:2 ]", "[ 3:4 ]", "[ 5]"}));
}

TEST_F(DetailRows, OneLinePerPageGivesEveryRowItsPage) {
  invoice_->SetuLinesPerPage(1);
  Use(WriteTemplate(u8"<NAME(A)><FPMX()>{a(0,2)}<FPMXEND()><END()>"), "A");
  SetData({}, NumberedCells(3), {});
  Paint();
  EXPECT_EQ(Texts(), std::vector<std::string>{"c0"});
  EXPECT_EQ(invoice_->PageCount(), 3);
  invoice_->NextPage();
  Paint();
  EXPECT_EQ(Texts(), std::vector<std::string>{"c1"});
  // No lines per page pages like one line per page.
  invoice_->SetuLinesPerPage(0);
  invoice_->NextPage();
  Paint();
  EXPECT_EQ(Texts(), std::vector<std::string>{"c2"});
  EXPECT_EQ(invoice_->PageCount(), 3);
}

TEST_F(DetailRows, FpmxEndOnItsOwnLineLeavesAnEmptyLine) {
  Use(WriteTemplate(u8"<NAME(A)><FPMX()>{a(0,2)}\n<FPMXEND()><END()>"), "A");
  SetData({}, NumberedCells(3), {});
  Paint();
  const int lh = LineHeight();
  ASSERT_EQ(drawn_.size(), 3u);
  EXPECT_EQ(drawn_[1].y, 2 * lh);
  EXPECT_EQ(drawn_[2].y, 3 * lh);
}

TEST_F(DetailRows, PlainTextOnOtherDetailLinesIsRedrawnOnEveryRow) {
  Use(WriteTemplate(u8"<NAME(A)><FPMX()>title\n{a(0,2)}<FPMXEND()><END()>"), "A");
  SetData({}, NumberedCells(2), {});
  Paint();
  const int lh = LineHeight();
  EXPECT_EQ(drawn_, (std::vector<Drawn>{{"title", 0, 0, kBlack, "MS Sans Serif", 8},
                                        {"c0", 0, lh, kBlack, "MS Sans Serif", 8},
                                        {"title", 0, 2 * lh, kBlack, "MS Sans Serif", 8},
                                        {"c1", 0, 2 * lh, kBlack, "MS Sans Serif", 8}}));
}

TEST_F(DetailRows, ColumnCountWithoutFieldsEndsAtTheData) {
  Use(WriteTemplate(u8"<NAME(A)><FPMX(2)>--<FPMXEND()><END()>"), "A");
  SetData({}, NumberedCells(5), {});
  Paint();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"--", "--", "--"}));
  EXPECT_EQ(invoice_->PageCount(), 1);
}

TEST_F(DetailRows, SmallerColumnCountAfterFieldsLimitsTheRows) {
  // The second FPMX leaves one fresh column (no index, width 0) for two fields already counted.
  Use(WriteTemplate(u8"<NAME(A)><FPMX(2)>{a(0,2)}{b(1,2)}<FPMX(1)><FPMXEND()><END()>"), "A");
  SetData({}, NumberedCells(6), {});
  Paint();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"c0", "c1"}));
}

TEST_F(DetailRows, StaticTableKeepsItsFirstFiftyOnePieces) {
  std::u8string text = u8"<NAME(A)><FPMX()>";
  for (int i = 0; i < 60; ++i) {
    std::string piece = "p";
    piece += std::to_string(i);
    piece += "<POSITION(0,0)>";
    text += std::u8string(piece.begin(), piece.end());
  }
  text += u8"{a(0,2)}<FPMXEND()><END()>";
  Use(WriteTemplate(text.c_str()), "A");
  SetData({}, NumberedCells(2), {});
  Paint();
  ASSERT_EQ(drawn_.size(), 61u + 52u);
  EXPECT_EQ(drawn_[61].text, "p0");
  EXPECT_EQ(drawn_[111].text, "p50");
  EXPECT_EQ(drawn_[112].text, "c1");
}

TEST_F(DetailRows, PageCountIsZeroUntilADetailBlockEnds) {
  Use(WriteTemplate(u8"<NAME(A)><FPT()>{p(PAGES,1)}/{p(PAGE,1)}<END()>"), "A");
  SetData(Cells({u8"h"}), {}, {});
  invoice_->NextPage();
  EXPECT_EQ(invoice_->CurrentPage(), 0);
  Paint();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"0", "/", "1"}));
  invoice_->NextPage();
  EXPECT_EQ(invoice_->CurrentPage(), 0) << "the next paint turns it into 1";
  EXPECT_FALSE(surface_.NeedsRepaint());
}

TEST_F(DetailRows, FieldsBindToTheirSectionsTable) {
  // Fields outside any section show nothing but page fields; missing cells pad to the width.
  Use(WriteTemplate(u8"<NAME(A)>{x(0,3)}{p(PAGE,2)}<FPT()>{h(1,-8)}{h(7,2)}<FPW()>{t(0,2)}{t(0,0)}<END()>"), "A");
  SetData(Cells({u8"h0", u8"  张三 "}), Cells({u8"d0"}), Cells({u8"123456"}));
  Paint();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"   ", " 1", U8(u8"张三    "), "  ", "12"}));
  EXPECT_EQ(DrawnCells(), (std::vector<std::string>{"", "", "head 1", "head 7", "tail 0"}))
      << "a field tells the cell it names in its own section's table, there or not";
}

}  // namespace
}  // namespace iv::test
