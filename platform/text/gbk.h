#pragma once
// GBK (code page 936) is the text of the whole system; Unicode appears only at the edges.
#include <string>
#include <string_view>

namespace iv {

// A GBK lead byte starts a double-byte character; the next byte (0x40..0xFE) is its trail.
constexpr bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Invalid or cut-off sequences become U+FFFD; conversion never fails.
std::string GbkToUtf8(std::string_view gbk);
std::u32string GbkToCodePoints(std::string_view gbk);
// Characters GBK cannot hold become '?'; invalid UTF-8 bytes are dropped.
std::string Utf8ToGbk(std::string_view utf8);

#ifdef _WIN32
// Windows' wide-character calls (file names, window texts) take UTF-16.
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
std::string WideToUtf8(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
#endif

// The system's own messages live in the source as UTF-8 literals and go out in GBK.
inline std::string Gbk(std::u8string_view literal) {
  return Utf8ToGbk({reinterpret_cast<const char *>(literal.data()), literal.size()});
}

}  // namespace iv
