#include "invoice/field_text.h"

#include <algorithm>

#include "platform/text/integers.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

// Field widths come from template text; a width beyond anything a control can show would only
// cost memory and time.
constexpr std::int32_t kMaxFieldWidth = 4096;

}  // namespace

std::string KeepDigits(std::string_view text) {
  std::string digits = FilterDigits(Trim(text));
  return digits.empty() ? "0" : digits;
}

std::int32_t DigitsValue(std::string_view text) { return LeadingDigits(KeepDigits(text)); }

std::string AlignToWidth(std::string_view value, std::int32_t width, std::string_view mode, char pad) {
  const std::size_t wanted = static_cast<std::size_t>(std::clamp(width, 0, kMaxFieldWidth));
  if (value.size() >= wanted) return std::string(value.substr(0, wanted));
  const std::string filling(wanted - value.size(), pad);
  return mode == "-" ? std::string(value) + filling : filling + std::string(value);
}

TColor ColorFromComponents(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return RGB(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue));
}

}  // namespace iv
