#pragma once
// Parts of an 8-bit text by byte position: positions count from 1 and a Chinese character
// counts 2.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace iv {

// `count` bytes from position `from`; a position below 1 counts as 1. Shorter when the text
// ends first, empty when `from` lies beyond it or `count` is 0 or less.
std::string Substring(std::string_view text, std::int64_t from, std::int64_t count);

// The text without its first `n` bytes.
std::string DropLeading(std::string_view text, std::int64_t n);

// `count` pieces of `width` bytes, one after the other (pieces beyond the end are empty). A
// count of 0 cuts pieces until the text is used up, the last maybe shorter, and sets `count`
// to their number; a width of 0 or less then gives no pieces at all.
std::vector<std::string> CutFixed(std::string_view text, std::int32_t &count, std::int32_t width);

}  // namespace iv
