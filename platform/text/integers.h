#pragma once
// The integer readers of configuration values, template arguments and print lines.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace iv {

// A whole number: spaces before it, an optional sign, then decimal digits or hexadecimal ones
// after "$" or "0x"; nothing may follow. Hexadecimal reads 32 bits (so $FFFFFFFF is -1);
// decimal values outside the 32-bit range are not numbers. Settings files read their integers
// this way too.
std::optional<std::int32_t> TryStrToInt(std::string_view text);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// The decimal digits at the start, after blanks and control characters; none gives 0.
// Values beyond the 32-bit range stay at its maximum.
std::int32_t LeadingDigits(std::string_view text);

// Only the characters '0'..'9', in order.
std::string FilterDigits(std::string_view text);

}  // namespace iv
