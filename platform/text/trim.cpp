#include "platform/text/trim.h"

namespace iv {
namespace {

constexpr bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view DropLeft(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view DropRight(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string Trim(std::string_view text) { return std::string(DropRight(DropLeft(text))); }
std::string TrimLeft(std::string_view text) { return std::string(DropLeft(text)); }
std::string TrimRight(std::string_view text) { return std::string(DropRight(text)); }

}  // namespace iv
