// The reductions, the mask layout and the blur, on synthetic gray images.
#include <gtest/gtest.h>

#include <vector>

#include "aatext/SmoothFont.h"

namespace iv {
namespace {

Bitmap GrayOf(int width, int height, std::uint8_t level) {
  Bitmap gray(width, height, PixelFormat::Indexed8);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) gray.Row(y)[x] = level;
  return gray;
}

// A mask holding exactly these coverage rows (top first), made at tqNone.
void LoadMask(TSmoothMask &mask, const std::vector<std::vector<std::uint8_t>> &rows) {
  Bitmap gray(int(rows[0].size()), int(rows.size()), PixelFormat::Indexed8);
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (std::size_t x = 0; x < rows[y].size(); ++x) gray.Row(int(y))[x] = rows[y][x];
  mask.SetQuality(tqNone);
  mask.ReduceFrom(gray, {gray.Width(), gray.Height()});
}

std::vector<std::uint8_t> Row(const TSmoothMask &mask, int i) {
  const std::uint8_t *row = mask.MaskRow(i);
  return {row, row + mask.Width()};
}

TEST(QualityTest, LevelsSelectTheirScale) {
  TSmoothMask mask(nullptr);
  EXPECT_EQ(mask.Quality(), tqNormal);
  EXPECT_EQ(mask.Scale(), 3);
  const std::pair<TTextQuality, int> levels[] = {
      {tqHigh, 4}, {tqNormal, 3}, {tqLow, 2}, {tqNone, 1}, {TTextQuality(7), 1}};
  for (const auto &[quality, scale] : levels) {
    mask.SetQuality(quality);
    EXPECT_EQ(mask.Scale(), scale);
  }
}

TEST(ReductionTest, FullInkGives255ExceptAtNormalQuality) {
  const std::pair<TTextQuality, std::uint8_t> levels[] = {
      {tqHigh, 255}, {tqNormal, 254}, {tqLow, 255}, {tqNone, 255}};
  for (const auto &[quality, expected] : levels) {
    TSmoothMask mask(nullptr);
    mask.SetQuality(quality);
    mask.ReduceFrom(GrayOf(3 * mask.Scale(), 2 * mask.Scale(), 255), {3, 2});
    EXPECT_EQ(Row(mask, 0), std::vector<std::uint8_t>(3, expected)) << int(quality);
    EXPECT_EQ(Row(mask, 1), std::vector<std::uint8_t>(3, expected)) << int(quality);
  }
}

TEST(ReductionTest, EachLevelWeighsItsCellExactly) {
  // tqHigh: the mean of 16 values, truncated.
  TSmoothMask mask(nullptr);
  mask.SetQuality(tqHigh);
  Bitmap gray = GrayOf(4, 4, 0);
  gray.Row(0)[0] = 255, gray.Row(3)[3] = 20;
  mask.ReduceFrom(gray, {1, 1});
  EXPECT_EQ(Row(mask, 0)[0], (255 + 20) >> 4);

  // tqNormal: corners (0,2) and (2,0) count half, each halved value truncated.
  mask.SetQuality(tqNormal);
  gray = GrayOf(3, 3, 0);
  gray.Row(0)[2] = 255;
  mask.ReduceFrom(gray, {1, 1});
  EXPECT_EQ(Row(mask, 0)[0], 127 >> 3);
  gray.Row(2)[0] = 3;  // 3 >> 1 = 1
  gray.Row(0)[0] = 255;
  mask.ReduceFrom(gray, {1, 1});
  EXPECT_EQ(Row(mask, 0)[0], (255 + 127 + 1) >> 3);
  gray = GrayOf(3, 3, 0);
  gray.Row(2)[2] = 255;  // the other corners weigh fully
  mask.ReduceFrom(gray, {1, 1});
  EXPECT_EQ(Row(mask, 0)[0], 255 >> 3);

  // tqLow: the mean of four; tqNone: copied.
  mask.SetQuality(tqLow);
  gray = GrayOf(2, 2, 0);
  gray.Row(1)[1] = 255, gray.Row(0)[1] = 2;
  mask.ReduceFrom(gray, {1, 1});
  EXPECT_EQ(Row(mask, 0)[0], (255 + 2) >> 2);
  LoadMask(mask, {{0, 7, 200}});
  EXPECT_EQ(Row(mask, 0), (std::vector<std::uint8_t>{0, 7, 200}));
}

TEST(ReductionTest, CellsComeFromTheirOwnRowsAndColumns) {
  TSmoothMask mask(nullptr);
  mask.SetQuality(tqLow);
  Bitmap gray = GrayOf(7, 5, 0);  // larger than needed, as the working image may be
  for (int x = 2; x < 4; ++x)
    for (int y = 2; y < 4; ++y) gray.Row(y)[x] = 255;
  mask.ReduceFrom(gray, {3, 2});
  EXPECT_EQ(Row(mask, 0), (std::vector<std::uint8_t>{0, 0, 0}));
  EXPECT_EQ(Row(mask, 1), (std::vector<std::uint8_t>{0, 255, 0}));
  EXPECT_THROW(mask.ReduceFrom(gray, {4, 2}), std::invalid_argument);
}

TEST(MaskLayoutTest, RowsAreStoredBottomUpWithPaddedStrides) {
  TSmoothMask mask(nullptr);
  LoadMask(mask, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
  EXPECT_EQ(mask.Width(), 5);
  EXPECT_EQ(mask.Height(), 2);
  EXPECT_EQ(mask.MaskStride(), 8);
  EXPECT_EQ(mask.GrayStride(), 8);
  ASSERT_EQ(mask.Buffer().size(), 16u);
  EXPECT_EQ(mask.Buffer()[8], 1);  // the top row is the last in the buffer
  EXPECT_EQ(mask.Buffer()[0], 6);
  EXPECT_EQ(mask.MaskRow(0), mask.Buffer().data() + 8);

  try {
    mask.MaskRow(-1);
    ADD_FAILURE();
  } catch (const EInvalidLine &error) {
    EXPECT_STREQ(error.what(), "Invalid line!");
  }
  EXPECT_THROW(mask.MaskRow(2), EInvalidLine);
  EXPECT_NO_THROW(mask.MaskRow(1));
}

TEST(MaskLayoutTest, AssignCopiesSizeQualityAndCoverage) {
  TSmoothMask source(nullptr), copy(nullptr);
  LoadMask(source, {{9, 8}, {7, 6}, {5, 4}});
  copy.SetQuality(tqHigh);
  copy.Assign(source);
  EXPECT_EQ(copy.Quality(), tqNone);
  EXPECT_EQ(copy.Scale(), 1);
  EXPECT_EQ(copy.Width(), 2);
  EXPECT_EQ(copy.Height(), 3);
  EXPECT_EQ(copy.MaskStride(), 4);
  EXPECT_EQ(copy.GrayStride(), source.GrayStride());
  EXPECT_EQ(copy.Buffer(), source.Buffer());
  EXPECT_EQ(Row(copy, 2), (std::vector<std::uint8_t>{5, 4}));
}

TEST(BlurTest, StrengthMixesTheEdgeReplicatedBoxAverage) {
  // One row: every neighbour row is the row itself; columns beyond the edge repeat it.
  // Box sums: (0+0+0+0+255)*5, (0+0+0+255+255)*5, (0+0+255+255+255)*5 -> 51, 102, 153.
  TSmoothMask mask(nullptr);
  LoadMask(mask, {{0, 0, 255}});
  mask.BlurMask(100);  // amount 255: the box value itself
  EXPECT_EQ(Row(mask, 0), (std::vector<std::uint8_t>{51, 102, 153}));

  LoadMask(mask, {{0, 0, 255}});
  mask.BlurMask(50);  // amount 128 (127.5 to even): pixel + floor((box - pixel) * 128 / 256)
  EXPECT_EQ(Row(mask, 0), (std::vector<std::uint8_t>{25, 51, 204}));

  LoadMask(mask, {{0, 0, 255}});
  mask.BlurMask(1);  // amount 3; the negative step floors: 255 + floor(-306 / 256)
  EXPECT_EQ(Row(mask, 0), (std::vector<std::uint8_t>{0, 1, 253}));

  LoadMask(mask, {{0, 0, 255}});
  mask.BlurMask(0);
  EXPECT_EQ(Row(mask, 0), (std::vector<std::uint8_t>{0, 0, 255}));
}

TEST(BlurTest, ReadsNeighboursFromTheUnblurredCopyInBothDirections) {
  // 2 x 2 with one inked pixel: every pixel's 5 x 5 window sees it 9, 6, 6 or 4 times.
  TSmoothMask mask(nullptr);
  LoadMask(mask, {{250, 0}, {0, 0}});
  mask.BlurMask(100);
  EXPECT_EQ(Row(mask, 0), (std::vector<std::uint8_t>{90, 60}));  // 250*9/25, 250*6/25
  EXPECT_EQ(Row(mask, 1), (std::vector<std::uint8_t>{60, 40}));

  // The box value rounds to nearest: 13/25 and more goes up.
  LoadMask(mask, {{13}});
  mask.BlurMask(100);
  EXPECT_EQ(Row(mask, 0)[0], 13);
  LoadMask(mask, {{0, 1, 2, 3, 4, 5}});  // column 0 sums 5*(0+0+0+1+2) = 15 -> 1
  mask.BlurMask(100);
  EXPECT_EQ(Row(mask, 0)[0], 1);
  EXPECT_EQ(Row(mask, 0)[5], 4);  // 5*(3+4+5+5+5) = 110 -> 4.4 -> 4

  TSmoothMask empty(nullptr);
  empty.BlurMask(100);
  EXPECT_EQ(empty.Width(), 0);
}

TEST(RotationTest, TurnedBoxesAndTheirOrigins) {
  TSize size;
  TPoint offset;
  const long double degree = 3.14159265358979323846264338327950288L / 180;
  TSmoothMask::RotatedExtent({100, 20}, 90 * degree, size, offset);
  EXPECT_EQ(size, (TSize{20, 100}));
  EXPECT_EQ(offset, (TPoint{0, 100}));  // upward from the bottom left
  TSmoothMask::RotatedExtent({100, 20}, 180 * degree, size, offset);
  EXPECT_EQ(size, (TSize{100, 20}));
  EXPECT_EQ(offset, (TPoint{100, 20}));
  TSmoothMask::RotatedExtent({100, 20}, 270 * degree, size, offset);
  EXPECT_EQ(size, (TSize{20, 100}));
  EXPECT_EQ(offset, (TPoint{20, 0}));
  // 45 degrees: corner coordinates +-(35.36 +- 7.07), rounded to +-42 and +-28; the first
  // corner is (-42, 28).
  TSmoothMask::RotatedExtent({100, 20}, 45 * degree, size, offset);
  EXPECT_EQ(size, (TSize{84, 84}));
  EXPECT_EQ(offset, (TPoint{0, 70}));
}

}  // namespace
}  // namespace iv
