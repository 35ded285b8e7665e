#include "platform/text/dbcs.h"

#include "platform/text/gbk.h"

namespace iv {
namespace {

constexpr bool IsGbkTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

constexpr char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }

}  // namespace

std::size_t GbkCharSize(std::string_view text, std::size_t pos) {
  return IsGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
                 IsGbkTrailByte(static_cast<unsigned char>(text[pos + 1]))
             ? 2
             : 1;
}

std::size_t SettledGbkLength(std::string_view text, std::size_t from) {
  const std::string_view rest = text.substr(from);
  // A lead byte at the very end may still pair with the next byte appended.
  std::size_t last = 0;
  for (std::size_t i = 0; i < rest.size(); i += GbkCharSize(rest, i)) last = i;
  const bool openLead =
      !rest.empty() && last == rest.size() - 1 && IsGbkLeadByte(static_cast<unsigned char>(rest.back()));
  const std::string_view body = rest.substr(0, rest.size() - (openLead ? 1 : 0));
  // When all of it decoded, its characters are those GbkCharSize walks.
  if (GbkToCodePoints(body).find(U'\uFFFD') == std::u32string::npos) return from + body.size();
  // A byte that did not decode may have been read alone or with its neighbour; only after an
  // ASCII byte, which never leads a pair, is the reading certain to be at a character's end.
  for (std::size_t i = body.size(); i > 0; --i)
    if (static_cast<unsigned char>(body[i - 1]) < 0x80) return from + i;
  return from;
}

std::size_t FindCharGbk(std::string_view text, char c, std::size_t from) {
  for (std::size_t i = from; i < text.size(); i += GbkCharSize(text, i))
    if (text[i] == c) return i;
  return std::string_view::npos;
}

std::string UpperCaseGbk(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); i += GbkCharSize(out, i)) out[i] = FoldAscii(out[i]);
  return out;
}

int CompareTextGbk(std::string_view a, std::string_view b) {
  // Folding leaves every character's byte count unchanged, so folded bytes compare faithfully.
  const int order = UpperCaseGbk(a).compare(UpperCaseGbk(b));
  return (order > 0) - (order < 0);
}

bool SameTextGbk(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareTextGbk(a, b) == 0; }

}  // namespace iv
