#pragma once
// Text operations of the template language: the digit filter, the fitting of values to column
// widths and colours from their components. All texts are GBK; lengths are bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/color.h"

namespace iv {

// Blanks and control characters trimmed, then only '0'..'9' kept; an empty result is "0".
std::string KeepDigits(std::string_view text);
// KeepDigits read as a number; never negative, held at the 32-bit maximum.
std::int32_t DigitsValue(std::string_view text);

// The first `width` bytes of a long value; a short one filled up with `pad`, after it when
// `mode` is "-" and before it otherwise. A double-byte character may be cut.
std::string AlignToWidth(std::string_view value, std::int32_t width, std::string_view mode, char pad);

// Colour components keep their low 8 bits: red + 256 green + 65536 blue.
TColor ColorFromComponents(std::int32_t red, std::int32_t green, std::int32_t blue);

}  // namespace iv
