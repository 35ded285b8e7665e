#include "tools/invoice_render/template_encoding.h"

#include <vector>

#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    if (lead == 0xE0) low = 0xA0;  // no overlong forms
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

// Where each UTF-8 character of a file that is all UTF-8 starts; nothing for any other file.
std::optional<std::vector<std::size_t>> Utf8Characters(std::string_view bytes) {
  std::vector<std::size_t> starts;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, pos);
    if (length == 0) return std::nullopt;
    starts.push_back(pos);
    pos += length;
  }
  return starts;
}

// Whether GBK reads bytes [pos, end) as whole double-byte characters.
bool ReadsAsGbk(std::string_view bytes, std::size_t pos, std::size_t end) {
  while (pos < end) {
    if (GbkCharSize(bytes, pos) != 2) return false;
    pos += 2;
  }
  return pos == end;
}

TemplatePosition PositionOf(std::string_view bytes, const std::vector<std::size_t> &characters, std::size_t index) {
  TemplatePosition at{1, 1};
  for (std::size_t i = 0; i < index; ++i) {
    if (bytes[characters[i]] == '\n') {
      ++at.line;
      at.column = 1;
    } else {
      ++at.column;
    }
  }
  return at;
}

}  // namespace

std::optional<TemplateProblem> FindUtf8Text(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark))
    return TemplateProblem{TemplateProblem::Severity::Error,
                           {1, 1},
                           "the file starts with a UTF-8 byte-order mark, but the kiosk reads templates as GBK: "
                           "save it as GBK (code page 936), for instance with "
                           "tail -c +4 FILE | iconv -f UTF-8 -t GBK > FILE.gbk",
                           {}};
  const std::optional<std::vector<std::size_t>> characters = Utf8Characters(bytes);
  if (!characters) return std::nullopt;
  for (std::size_t i = 0; i < characters->size(); ++i) {
    const std::size_t start = (*characters)[i];
    const std::size_t end = i + 1 < characters->size() ? (*characters)[i + 1] : bytes.size();
    if (end - start == 1 || ReadsAsGbk(bytes, start, end)) continue;
    const std::string character = Utf8ToGbk(bytes.substr(start, end - start));
    return TemplateProblem{TemplateProblem::Severity::Error, PositionOf(bytes, *characters, i),
                           "\"" + character +
                               "\" is UTF-8 text, but the kiosk reads templates as GBK and draws other characters: "
                               "save the file as GBK (code page 936), for instance with "
                               "iconv -f UTF-8 -t GBK FILE > FILE.gbk",
                           {}};
  }
  return std::nullopt;
}

}  // namespace iv
