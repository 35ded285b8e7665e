#pragma once
// The kiosk's text files (settings, templates, transaction data) are GBK. Windows editors also
// save UTF-16 (Notepad's "Unicode") and UTF-8 with or without a byte-order mark, which the kiosk
// reads as other characters or not at all. Every reader and checker finds the encoding here
// (platform/text/encoding_verdict.h tells how to save such a file as GBK).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace iv {

// UTF-8's byte-order mark.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class TextEncoding : std::uint8_t { Gbk, Utf8WithBom, Utf8WithoutBom, Utf16Le, Utf16Be };

struct FoundEncoding {
  TextEncoding encoding = TextEncoding::Gbk;
  bool byteOrderMark = false;  // UTF-16 may come without one (an XML file's "<?xml" tells it)
  // UTF-8 without BOM: where the first character stands that GBK reads as other characters
  // (from 1, columns counting UTF-8 characters as the author's editor does), and that
  // character in GBK. Line 0 otherwise.
  int line = 0;
  int column = 0;
  std::string character;

  bool IsGbk() const { return encoding == TextEncoding::Gbk; }
};

// GBK for a file GBK reads as its author wrote it: plain ASCII, GBK text, and UTF-8 whose
// every character also reads as whole GBK characters. UTF-8 without BOM is found only in a
// file that is all well-formed UTF-8.
FoundEncoding FindTextEncoding(std::string_view bytes);

// "UTF-16 LE", "UTF-16 BE", "UTF-8 with BOM", "UTF-8 without BOM" or "GBK".
std::string_view EncodingName(TextEncoding encoding);

// Transaction data files handed to the tools: GBK, or UTF-8 after a byte-order mark, either way
// returned in GBK. Nothing, with why in `why` and the line in `line` (0: the file as a whole),
// for text that would reach the screen as other characters: UTF-16, UTF-8 without BOM, bytes
// GBK reads as no character, and after a mark bytes that are no UTF-8 or a character GBK
// cannot hold.
std::optional<std::string> GbkFromDataFile(std::string_view bytes, std::string &why, int &line);
inline std::optional<std::string> GbkFromDataFile(std::string_view bytes, std::string &why) {
  int line = 0;
  return GbkFromDataFile(bytes, why, line);
}

}  // namespace iv
