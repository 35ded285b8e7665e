#include <windows.h>

#include "platform/text/gbk.h"

namespace iv {
namespace {

constexpr UINT kCodePageGbk = 936;
constexpr char32_t kReplacement = U'\uFFFD';

// Code page 936 gives the user-defined rows private-use characters; iconv's GBK, and so the
// rest of the system, treats them as invalid.
bool IsPrivateUse(wchar_t c) { return c >= 0xE000 && c <= 0xF8FF; }

// The character of one or two GBK bytes, or nothing when they are not a valid character.
bool DecodeCharacter(const char *bytes, int length, char32_t &out) {
  wchar_t wide[2];
  if (MultiByteToWideChar(kCodePageGbk, MB_ERR_INVALID_CHARS, bytes, length, wide, 2) != 1 || IsPrivateUse(wide[0])) {
    return false;
  }
  out = wide[0];
  return true;
}

constexpr bool IsGbkTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

void AppendUtf8(char32_t c, std::string &out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The GBK bytes of one character, or '?' when GBK has no such character.
void AppendGbk(char32_t c, std::string &out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
  if (surrogate || c > 0xFFFF) {
    out += '?';
    return;
  }
  const wchar_t wide = static_cast<wchar_t>(c);
  char bytes[2];
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kCodePageGbk, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 2, nullptr, &usedDefault);
  if (length <= 0 || usedDefault)
    out += '?';
  else
    out.append(bytes, length);
}

// A well-formed UTF-8 character; a stray or cut-off byte is skipped, a well-formed sequence
// that is no character (overlong, surrogate, beyond U+10FFFF) becomes U+FFFD.
size_t DecodeUtf8(std::string_view rest, char32_t &out) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  const size_t length = lead < 0x80                    ? 1
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                        : lead >= 0xE0 && lead < 0xF0  ? 3
                        : lead >= 0xC2 && lead < 0xE0  ? 2
                                                       : 0;
  if (length == 0 || rest.size() < length) return 0;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto trail = static_cast<unsigned char>(rest[i]);
    if ((trail & 0xC0) != 0x80) return 0;
    c = (c << 6) | (trail & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool character = c >= kSmallest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
  out = character ? c : kReplacement;
  return length;
}

}  // namespace

// Walks the characters itself: code page 936 takes the byte after a lead byte as its trail
// even when that byte is not one, and would swallow the character it starts.
std::u32string GbkToCodePoints(std::string_view gbk) {
  std::u32string out;
  out.reserve(gbk.size());
  size_t pos = 0;
  while (pos < gbk.size()) {
    const auto c = static_cast<unsigned char>(gbk[pos]);
    char32_t decoded = kReplacement;
    if (c < 0x80) {
      decoded = c;
      pos += 1;
    } else if (IsGbkLeadByte(c) && pos + 1 < gbk.size() && IsGbkTrailByte(static_cast<unsigned char>(gbk[pos + 1])) &&
               DecodeCharacter(gbk.data() + pos, 2, decoded)) {
      pos += 2;
    } else {
      if (!IsGbkLeadByte(c) && !DecodeCharacter(gbk.data() + pos, 1, decoded)) decoded = kReplacement;
      pos += 1;
    }
    out += decoded;
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  for (char32_t c : GbkToCodePoints(gbk)) AppendUtf8(c, out);
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = 0;
    const size_t length = DecodeUtf8(utf8.substr(pos), c);
    if (length == 0) {
      pos += 1;
      continue;
    }
    AppendGbk(c, out);
    pos += length;
  }
  return out;
}

std::wstring GbkToWide(std::string_view gbk) {
  std::wstring out;
  for (char32_t c : GbkToCodePoints(gbk)) out += static_cast<wchar_t>(c);
  return out;
}

std::string WideToUtf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(length > 0 ? length : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring Utf8ToWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(length > 0 ? length : 0, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), length);
  return out;
}

std::string WideToGbk(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(kCodePageGbk, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(length > 0 ? length : 0, '\0');
  WideCharToMultiByte(kCodePageGbk, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length, nullptr,
                      nullptr);
  return out;
}

}  // namespace iv
