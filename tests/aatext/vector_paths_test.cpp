// The vector paths of the reduction and the composition give exactly the bytes of their
// formulas, on random synthetic rows of every length up to several vector steps.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "aatext/SmoothBlendRow.h"
#include "aatext/SmoothReduce.h"

namespace iv {
namespace {

// Random bytes with runs of 0 and of 255, as the edges and the insides of glyphs give.
std::vector<std::uint8_t> RandomRow(std::mt19937 &random, std::size_t size) {
  std::vector<std::uint8_t> row(size);
  std::uniform_int_distribution<int> byte(0, 255), kind(0, 3), run(1, 24);
  for (std::size_t i = 0; i < size;) {
    const int k = kind(random);
    const std::size_t end = std::min(size, i + std::size_t(run(random)));
    for (; i < end; ++i) row[i] = k == 0 ? 0 : k == 1 ? 255 : std::uint8_t(byte(random));
  }
  return row;
}

TEST(VectorPathsTest, ReductionMatchesTheCellFormulaAtEveryScale) {
  std::mt19937 random(19);
  for (int scale = 1; scale <= 4; ++scale)
    for (int cells = 0; cells <= 100; ++cells)
      for (int trial = 0; trial < 4; ++trial) {
        std::vector<std::uint8_t> samples[4];
        const std::uint8_t *rows[4] = {};
        for (int r = 0; r < scale; ++r) {
          samples[r] = RandomRow(random, std::size_t(cells * scale));
          rows[r] = samples[r].data();
        }
        std::vector<std::uint8_t> expected(static_cast<std::size_t>(cells)), actual = expected;
        ReduceRowByCell(rows, scale, cells, expected.data());
        ReduceRow(rows, scale, cells, actual.data());
        ASSERT_EQ(actual, expected) << "scale " << scale << ", " << cells << " cells";
      }
}

TEST(VectorPathsTest, CompositionMatchesThePixelFormula) {
  std::mt19937 random(19);
  std::uniform_int_distribution<int> byte(0, 255), anyFactor(0, 256);
  for (int count = 0; count <= 100; ++count)
    for (int factor : {0, 1, 128, 255, 256, anyFactor(random), anyFactor(random)}) {
      const std::vector<std::uint8_t> coverage = RandomRow(random, std::size_t(count));
      std::vector<std::uint8_t> expected(std::size_t(count) * 3);
      for (std::uint8_t &value : expected) value = std::uint8_t(byte(random));
      std::vector<std::uint8_t> actual = expected;
      const int ink[3] = {byte(random), byte(random), byte(random)};
      BlendRowByPixel(coverage.data(), expected.data(), count, ink, factor);
      BlendRow(coverage.data(), actual.data(), count, ink, factor);
      ASSERT_EQ(actual, expected) << count << " pixels, factor " << factor;
    }
}

}  // namespace
}  // namespace iv
