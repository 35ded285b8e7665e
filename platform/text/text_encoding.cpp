#include "platform/text/text_encoding.h"

#include <vector>

#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The length of the well-formed UTF-8 sequence at `pos`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
  const auto byte = [&text](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
  const unsigned lead = byte(pos);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned low = 0x80;  // the range of the first continuation byte, narrower after some leads
  unsigned high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned next = byte(pos + i);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

// Whether GBK reads bytes [pos, end) as whole double-byte characters.
bool ReadsAsGbk(std::string_view bytes, std::size_t pos, std::size_t end) {
  while (pos < end) {
    if (GbkCharSize(bytes, pos) != 2) return false;
    pos += 2;
  }
  return pos == end;
}

// In a file that is all UTF-8, the first multi-byte character GBK reads otherwise, with its
// line and column; nothing for any other file.
std::optional<FoundEncoding> FindUtf8Text(std::string_view bytes) {
  FoundEncoding found{TextEncoding::Utf8WithoutBom, false, 1, 1, ""};
  std::optional<FoundEncoding> first;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, pos);
    if (length == 0) return std::nullopt;
    if (!first && length > 1 && !ReadsAsGbk(bytes, pos, pos + length)) {
      first = found;
      first->character = Utf8ToGbk(bytes.substr(pos, length));
    }
    if (bytes[pos] == '\n') {
      ++found.line;
      found.column = 1;
    } else {
      ++found.column;
    }
    pos += length;
  }
  return first;
}

// UTF-16 without a byte-order mark shows by its first characters being ASCII: every other byte 0.
std::optional<TextEncoding> FindUtf16(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return TextEncoding::Utf16Le;
  if (bytes.starts_with("\xFE\xFF")) return TextEncoding::Utf16Be;
  if (bytes.size() < 4) return std::nullopt;
  if (bytes[0] != '\0' && bytes[1] == '\0' && bytes[2] != '\0' && bytes[3] == '\0') return TextEncoding::Utf16Le;
  if (bytes[0] == '\0' && bytes[1] != '\0' && bytes[2] == '\0' && bytes[3] != '\0') return TextEncoding::Utf16Be;
  return std::nullopt;
}

std::string LinuxConversion(const FoundEncoding &found) {
  switch (found.encoding) {
    case TextEncoding::Utf16Le:
      return found.byteOrderMark ? "iconv -f UTF-16 -t GBK FILE > FILE.gbk"
                                 : "iconv -f UTF-16LE -t GBK FILE > FILE.gbk";
    case TextEncoding::Utf16Be:
      return found.byteOrderMark ? "iconv -f UTF-16 -t GBK FILE > FILE.gbk"
                                 : "iconv -f UTF-16BE -t GBK FILE > FILE.gbk";
    case TextEncoding::Utf8WithBom: return "tail -c +4 FILE | iconv -f UTF-8 -t GBK > FILE.gbk";
    case TextEncoding::Utf8WithoutBom:
    case TextEncoding::Gbk: break;
  }
  return "iconv -f UTF-8 -t GBK FILE > FILE.gbk";
}

}  // namespace

FoundEncoding FindTextEncoding(std::string_view bytes) {
  if (const std::optional<TextEncoding> utf16 = FindUtf16(bytes))
    return {*utf16, bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"), 0, 0, ""};
  if (bytes.starts_with(kUtf8Bom)) return {TextEncoding::Utf8WithBom, true, 0, 0, ""};
  return FindUtf8Text(bytes).value_or(FoundEncoding{});
}

std::string_view EncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le: return "UTF-16 LE";
    case TextEncoding::Utf16Be: return "UTF-16 BE";
    case TextEncoding::Utf8WithBom: return "UTF-8 with BOM";
    case TextEncoding::Utf8WithoutBom: return "UTF-8 without BOM";
    case TextEncoding::Gbk: break;
  }
  return "GBK";
}

std::string SaveAsGbkAdvice(const FoundEncoding &found) {
  return "save it as GBK: on Windows open it in Notepad, File > Save As, Encoding ANSI (GBK on a Chinese Windows); "
         "on Linux " +
         LinuxConversion(found);
}

std::string NotGbkMessage(const FoundEncoding &found, std::string_view reader) {
  std::string saved = "saved as " + std::string(EncodingName(found.encoding));
  if (found.encoding == TextEncoding::Utf8WithoutBom)
    saved += " (\"" + found.character + "\" on line " + std::to_string(found.line) + " is UTF-8 text)";
  return saved + ", but " + std::string(reader) + "; " + SaveAsGbkAdvice(found);
}

std::string KioskReading(const FoundEncoding &found) {
  switch (found.encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
      return "the kiosk reads this file as GBK and finds none of its text (every other byte is 0)";
    case TextEncoding::Utf8WithBom:
      return "the kiosk reads this file as GBK: the mark's 3 bytes stand before its first line and its Chinese text "
             "reads as other characters";
    case TextEncoding::Utf8WithoutBom:
    case TextEncoding::Gbk: break;
  }
  return "the kiosk reads this file as GBK, so its Chinese text reaches the screen or the receipt as other characters";
}

std::optional<std::string> GbkFromDataFile(std::string_view bytes, std::string &why) {
  const FoundEncoding found = FindTextEncoding(bytes);
  if (found.IsGbk()) return std::string(bytes);
  if (found.encoding == TextEncoding::Utf8WithBom) return Utf8ToGbk(bytes.substr(kUtf8Bom.size()));
  why = NotGbkMessage(found,
                      "data files are read as GBK, or as UTF-8 when they start with a byte-order mark, and this "
                      "one would reach the screen as other characters");
  return std::nullopt;
}

}  // namespace iv
