#include "platform/text/integers.h"

#include <algorithm>
#include <limits>

namespace iv {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The magnitude of a run of digits that must use up `digits`; nullopt when a character is not
// a digit of the base or the value passes `limit`.
std::optional<std::uint32_t> ReadMagnitude(std::string_view digits, std::uint32_t base, std::uint32_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = base == 16 ? HexValue(c) : IsDigit(c) ? c - '0' : -1;
    if (digit < 0) return std::nullopt;
    value = value * base + static_cast<std::uint32_t>(digit);
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);

  std::optional<std::uint32_t> magnitude;
  if (text.starts_with('$')) {
    magnitude = ReadMagnitude(text.substr(1), 16, std::numeric_limits<std::uint32_t>::max());
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    magnitude = ReadMagnitude(text.substr(2), 16, std::numeric_limits<std::uint32_t>::max());
  } else {
    const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    magnitude = ReadMagnitude(text, 10, limit);
  }
  if (!magnitude) return std::nullopt;
  // Two's complement wrap-around, as a 32-bit register holds the value.
  const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
  return static_cast<std::int32_t>(bits);
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  return TryStrToInt(text).value_or(fallback);
}

std::int32_t LeadingDigits(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  std::int64_t value = 0;
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  for (; i < text.size() && IsDigit(text[i]); ++i) value = std::min(kMax, value * 10 + (text[i] - '0'));
  return static_cast<std::int32_t>(value);
}

std::string FilterDigits(std::string_view text) {
  std::string out;
  for (char c : text)
    if (IsDigit(c)) out += c;
  return out;
}

}  // namespace iv
