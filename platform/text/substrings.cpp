#include "platform/text/substrings.h"

#include <algorithm>

namespace iv {

std::string Substring(std::string_view text, std::int64_t from, std::int64_t count) {
  const std::int64_t start = std::max<std::int64_t>(from, 1) - 1;
  if (count <= 0 || start >= static_cast<std::int64_t>(text.size())) return {};
  return std::string(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
}

std::string DropLeading(std::string_view text, std::int64_t n) {
  if (n <= 0) return std::string(text);
  return n >= static_cast<std::int64_t>(text.size()) ? std::string() : std::string(text.substr(n));
}

std::vector<std::string> CutFixed(std::string_view text, std::int32_t &count, std::int32_t width) {
  std::vector<std::string> pieces;
  if (count != 0) {
    for (std::int32_t i = 0; i < count; ++i) pieces.push_back(Substring(text, std::int64_t{i} * width + 1, width));
    return pieces;
  }
  if (width > 0) {
    for (std::size_t at = 0; at < text.size(); at += width) pieces.emplace_back(text.substr(at, width));
  }
  count = static_cast<std::int32_t>(pieces.size());
  return pieces;
}

}  // namespace iv
