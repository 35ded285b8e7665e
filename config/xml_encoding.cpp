#include "config/xml_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/text/encoding_verdict.h"
#include "platform/text/text_encoding.h"

namespace iv {
namespace {


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

// The document's ASCII characters as single bytes, enough to read its XML declaration: a UTF-16
// document's every other byte, without a byte-order mark.
std::string NarrowStart(std::string_view document, TextEncoding encoding) {
  constexpr std::size_t kDeclarationBytes = 512;
  if (encoding == TextEncoding::Utf8WithBom) document.remove_prefix(3);
  if (encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be)
    return std::string(document.substr(0, kDeclarationBytes));
  if (document.starts_with("\xFF\xFE") || document.starts_with("\xFE\xFF")) document.remove_prefix(2);
  std::string narrow;
  for (std::size_t i = encoding == TextEncoding::Utf16Le ? 0 : 1;
       i < document.size() && narrow.size() < kDeclarationBytes; i += 2)
    narrow += document[i];
  return narrow;
}

}  // namespace

std::optional<std::string> XmlEncodingProblem(std::string_view document, const std::optional<std::string> &parseError) {
  const FoundEncoding found = FindTextEncoding(document);
  if (found.IsGbk()) return std::nullopt;
  const std::string declared = DeclaredEncoding(NarrowStart(document, found.encoding));
  if (!IsGbkFamily(declared)) return std::nullopt;
  const std::string reading =
      parseError ? "the library cannot read it (" + *parseError + "), logs a format error and uses none of it"
                 : "the library reads its Chinese text as other characters";
  return NotGbkMessage(found, "it declares encoding=\"" + declared + "\" and " + reading);
}

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
