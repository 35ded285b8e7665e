#pragma once
// One row of a coverage mask composed onto 24-bit pixels (blue, green, red) in one ink colour:
// each pixel moves towards the ink by its coverage times factor / 256, in floored steps, and
// takes the ink itself where that product is 255 (SmoothBlendRow.cpp).
#include <cstdint>

namespace iv {

// ink[] is blue, green, red; factor 0..256.
void BlendRow(const std::uint8_t *coverage, std::uint8_t *pixels, int count, const int ink[3], int factor);

// The same pixels one at a time: the formula itself, which the vector path must match.
void BlendRowByPixel(const std::uint8_t *coverage, std::uint8_t *pixels, int count, const int ink[3], int factor);

}  // namespace iv
