#include "platform/text/separated_fields.h"

#include "platform/text/dbcs.h"

namespace iv {

std::string TextBetween(std::string_view text, char open, char close) {
  const std::size_t start = FindCharGbk(text, open);
  const std::size_t end = FindCharGbk(text, close);
  if (start == std::string_view::npos || end == std::string_view::npos || end <= start) return {};
  return std::string(text.substr(start + 1, end - start - 1));
}

std::string CutAtSeparator(char separator, std::string &text) {
  const std::size_t at = FindCharGbk(text, separator);
  if (at == std::string::npos) return {};
  std::string part = text.substr(0, at);
  text.erase(0, at + 1);
  return part;
}

std::string NthField(std::string_view text, std::int32_t k, std::string_view separator) {
  if (k <= 0) return "Err";
  std::size_t start = 0;
  for (std::int32_t field = 1; start < text.size(); ++field) {
    std::size_t end = separator.empty() ? std::string_view::npos : text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    if (field == k) return std::string(text.substr(start, end - start));
    start = end + 1;
  }
  return {};
}

}  // namespace iv
