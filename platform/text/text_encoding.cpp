#include "platform/text/text_encoding.h"

#include <vector>

#include "platform/text/dbcs.h"
#include "platform/text/encoding_verdict.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

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

// A character of a data file the screen would not show as written, and its line.
struct CharacterAt {
  int line = 1;
  std::string bytes;  // empty for bytes that are no character at all
};

std::string HexByte(char byte) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  const auto value = static_cast<unsigned char>(byte);
  return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0xF];
}

// "U+1F600" for the well-formed UTF-8 sequence of one character.
std::string CodePointName(std::string_view utf8) {
  const auto lead = static_cast<unsigned char>(utf8.front());
  char32_t value = utf8.size() == 1 ? lead : lead & (0x7F >> utf8.size());
  for (std::size_t i = 1; i < utf8.size(); ++i) value = (value << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  for (; value != 0 || digits.size() < 4; value >>= 4) digits.insert(digits.begin(), kDigits[value & 0xF]);
  return "U+" + digits;
}

// The first byte or pair of GBK text that decodes to no character.
std::optional<CharacterAt> FindNonGbkCharacter(std::string_view bytes) {
  int line = 1;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t size = GbkCharSize(bytes, pos);
    const std::string_view character = bytes.substr(pos, size);
    if (static_cast<unsigned char>(character.front()) >= 0x80 &&
        GbkToCodePoints(character).find(U'\uFFFD') != std::u32string::npos)
      return CharacterAt{line, std::string(character)};
    line += character.front() == '\n';
    pos += size;
  }
  return std::nullopt;
}

// The first character of UTF-8 text that GBK cannot hold (given in UTF-8), or the first bytes
// that are no UTF-8 (given empty).
std::optional<CharacterAt> FindCharacterWithoutGbk(std::string_view text) {
  int line = 1;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) return CharacterAt{line, ""};
    const std::string_view character = text.substr(pos, length);
    if (length > 1 && Utf8ToGbk(character) == "?") return CharacterAt{line, std::string(character)};
    line += character.front() == '\n';
    pos += length;
  }
  return std::nullopt;
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

std::optional<std::string> GbkFromDataFile(std::string_view bytes, std::string &why, int &line) {
  const FoundEncoding found = FindTextEncoding(bytes);
  line = found.line;
  if (found.IsGbk()) {
    if (const std::optional<CharacterAt> stray = FindNonGbkCharacter(bytes)) {
      line = stray->line;
      why = "byte " + HexByte(stray->bytes.front()) + " on line " + std::to_string(line) +
            " is no GBK character (the screen would show a replacement mark for it), so the file is neither GBK "
            "nor UTF-8; " +
            SaveAsGbkAdvice(
                "iconv -f ENCODING -t GBK FILE > FILE.gbk with the encoding it was written in "
                "(LATIN1, BIG5, ...)");
      return std::nullopt;
    }
    return std::string(bytes);
  }
  if (found.encoding == TextEncoding::Utf8WithBom) {
    const std::string_view text = bytes.substr(kUtf8Bom.size());
    if (const std::optional<CharacterAt> stray = FindCharacterWithoutGbk(text)) {
      line = stray->line;
      why = stray->bytes.empty()
                ? "line " + std::to_string(line) +
                      " holds bytes that are no UTF-8 after the file's byte-order mark (the screen would lose them); "
                      "save it as UTF-8 with BOM or as GBK throughout"
                : "character " + CodePointName(stray->bytes) + " on line " + std::to_string(line) +
                      " has no GBK form (the screen would show '?' for it); write it with characters GBK holds";
      return std::nullopt;
    }
    return Utf8ToGbk(text);
  }
  why = NotGbkMessage(found,
                      "data files are read as GBK, or as UTF-8 when they start with a byte-order mark, and this "
                      "one would reach the screen as other characters");
  return std::nullopt;
}

}  // namespace iv
