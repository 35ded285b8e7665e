#include "invoice/template_element.h"

namespace iv {
namespace {

void ReadToCloser(TemplateReader &reader, TemplateElement &element, char closer1, char closer2) {
  char c;
  while (!element.closed && reader.Read(c)) {
    element.text += c;
    element.closed = !reader.InDoubleByte() && (c == closer1 || c == closer2);
  }
}

}  // namespace

TemplateElement ReadElement(TemplateReader &reader, char opener, TemplatePosition at) {
  TemplateElement element{TemplateElement::Kind::Tag, at, std::string(1, opener), false};
  if (opener == '^') {
    char c;
    if (!reader.Read(c)) return element;
    element.text += c;
  }
  if (element.text == "{" || element.text == "^[") {
    element.kind = TemplateElement::Kind::Field;
    ReadToCloser(reader, element, '}', '[');
  } else {
    ReadToCloser(reader, element, '>', ']');
  }
  return element;
}

std::optional<TagParts> SplitTag(const TemplateElement &tag) {
  if (tag.kind != TemplateElement::Kind::Tag || !tag.closed) return std::nullopt;
  const std::string &text = tag.text;
  // '<' ... '>' reads as "^]" ... "^]"; a '<' closed by ']' is the wrong closer.
  const bool caret = text.starts_with("^]");
  if (!caret && !(text.front() == '<' && text.back() == '>')) return std::nullopt;
  const std::size_t body = caret ? 2 : 1;
  const std::size_t paren = text.find('(');
  if (paren == std::string::npos) return std::nullopt;
  return TagParts{text.substr(body, paren - body), text.substr(paren + 1)};
}

}  // namespace iv
