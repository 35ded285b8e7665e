#pragma once
// Letter case of GBK text. Only ASCII letters fold, and never the trail byte of a double-byte
// character: trail bytes 0x40..0x7E include ASCII letters and brackets.
#include <cstddef>
#include <string>
#include <string_view>

namespace iv {

// Bytes taken by the character at `pos`: 2 for a lead byte followed by a valid trail byte,
// otherwise 1 (an invalid or cut-off lead byte stands alone).
std::size_t GbkCharSize(std::string_view text, std::size_t pos);

// The end of the longest part of text[from..] that decodes to the same characters whatever
// bytes are appended later (a lead byte at the end may still pair with the next one). `from`
// must be such an end itself, 0 for instance. Texts measured piece by piece keep what they
// measured up to here.
std::size_t SettledGbkLength(std::string_view text, std::size_t from);

// Position of the single-byte character `c` at or after `from`, skipping double-byte characters;
// npos when absent.
std::size_t FindCharGbk(std::string_view text, char c, std::size_t from = 0);

std::string UpperCaseGbk(std::string_view text);

// Byte order after folding a-z to A-Z: negative, zero or positive.
int CompareTextGbk(std::string_view a, std::string_view b);
bool SameTextGbk(std::string_view a, std::string_view b);

}  // namespace iv
