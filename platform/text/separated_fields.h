#pragma once
// Parts of an 8-bit text marked by separator characters.
#include <cstdint>
#include <string>
#include <string_view>

namespace iv {

// The text between the first `open` and the first `close`; empty when either is missing or
// `close` comes first. A trail byte of a Chinese character is never taken for either.
std::string TextBetween(std::string_view text, char open, char close);

// Returns the part of `text` before the first `separator` and leaves the part after it in
// `text`. Without a separator the result is empty and `text` is unchanged. Separators are
// never matched inside a double-byte character.
std::string CutAtSeparator(char separator, std::string &text);

// Field k (from 1) of the text, fields being ended by `separator`; "Err" for k of 0 or less,
// empty when there are fewer fields. Only one byte after each field is skipped, so a longer
// separator leaves its remainder at the start of the next field. An empty separator is never
// found: the whole text is field 1.
std::string NthField(std::string_view text, std::int32_t k, std::string_view separator);

}  // namespace iv
