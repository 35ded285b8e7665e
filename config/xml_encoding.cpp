#include "config/xml_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace iv {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

// The value of encoding="..." in a leading XML declaration, or "" when there is none.
std::string DeclaredEncoding(std::string_view document) {
  if (!document.starts_with("<?xml")) return "";
  const size_t end = document.find("?>");
  if (end == std::string_view::npos) return "";
  std::string_view declaration = document.substr(0, end);
  const size_t key = declaration.find("encoding");
  if (key == std::string_view::npos) return "";
  size_t pos = key + std::string_view("encoding").size();
  while (pos < declaration.size() && IsXmlBlank(declaration[pos])) ++pos;
  if (pos >= declaration.size() || declaration[pos] != '=') return "";
  ++pos;
  while (pos < declaration.size() && IsXmlBlank(declaration[pos])) ++pos;
  if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\'')) return "";
  const size_t close = declaration.find(declaration[pos], pos + 1);
  if (close == std::string_view::npos) return "";
  return std::string(declaration.substr(pos + 1, close - pos - 1));
}

bool IsGbkFamily(const std::string &encoding) {
  static constexpr std::array<std::string_view, 8> kNames = {
      "GB2312", "GBK", "CP936", "MS936", "WINDOWS-936", "X-GBK", "EUC-CN", "CSGB2312"};
  const std::string upper = UpperAscii(encoding);
  return std::find(kNames.begin(), kNames.end(), upper) != kNames.end();
}

}  // namespace

std::string ParserEncoding(std::string_view document, std::string_view undeclared) {
  if (document.starts_with(kUtf8Bom)) return "";
  const std::string declared = DeclaredEncoding(document);
  if (declared.empty()) {
    // A UTF-16 document announces itself by its first bytes; leave that to the parser.
    const bool looksUtf16 =
        document.size() >= 2 && (document[0] == '\0' || document[1] == '\0' ||
                                 static_cast<unsigned char>(document[0]) >= 0xFE);
    return looksUtf16 ? "" : std::string(undeclared);
  }
  return IsGbkFamily(declared) ? "GBK" : "";
}

}  // namespace iv
