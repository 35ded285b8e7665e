#pragma once
// One row of coverage bytes from the s rows of supersampled image behind it: every cell of
// s x s samples becomes one byte by the quality's formula (SmoothReduce.cpp).
#include <cstdint>

namespace iv {

// rows[0..scale-1] start the sample rows at the row's first cell; each holds cells * scale
// samples. Scale 1..4; out receives `cells` bytes.
void ReduceRow(const std::uint8_t *const rows[], int scale, int cells, std::uint8_t *out);

// The same bytes one cell at a time: the formula itself, which the vector paths must match.
void ReduceRowByCell(const std::uint8_t *const rows[], int scale, int cells, std::uint8_t *out);

}  // namespace iv
