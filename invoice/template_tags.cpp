#include "invoice/template_tags.h"

#include <string_view>

#include "platform/text/dbcs.h"

namespace iv {
namespace {

bool ContainsGbk(std::string_view text, std::string_view needle) {
  for (std::size_t i = 0; i < text.size(); i += GbkCharSize(text, i))
    if (text.substr(i, needle.size()) == needle) return true;
  return false;
}

}  // namespace

std::optional<TemplatePosition> SkipToTagOpener(TemplateReader &reader) {
  char c;
  while (reader.Read(c)) {
    if (reader.InDoubleByte()) continue;
    if (c == '<') return reader.Position();
    if (c == '^') {
      const TemplatePosition opener = reader.Position();
      if (!reader.Read(c)) return std::nullopt;
      if (c == ']') return opener;
    }
  }
  return std::nullopt;
}

std::string CollectTag(TemplateReader &reader) {
  std::string tag = "<";
  char c;
  while (reader.Read(c)) {
    tag += c;
    if (!reader.InDoubleByte() && (c == '>' || c == ']')) break;
  }
  if (ContainsGbk(tag, "^]")) tag.replace(tag.size() - 2, 2, ">");
  if (ContainsGbk(tag, "]")) tag.back() = '>';
  return tag;
}

bool SkipToInvoice(TemplateReader &reader, const std::string &name) {
  const std::string wanted = "<NAME(" + UpperCaseGbk(name) + ")>";
  while (SkipToTagOpener(reader))
    if (UpperCaseGbk(CollectTag(reader)) == wanted) return true;
  return false;
}

}  // namespace iv
