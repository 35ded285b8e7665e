#include "tools/invoice_render/template_elements.h"

#include "platform/text/dbcs.h"

namespace iv {
namespace {

using Kind = TemplateElement::Kind;

// Reads up to and with the first of the closers that is not the second byte of a double-byte
// character.
void ReadToCloser(TemplateReader &reader, TemplateElement &element, char closer1, char closer2) {
  char c;
  while (!element.closed && reader.Read(c)) {
    element.text += c;
    element.closed = !reader.InDoubleByte() && (c == closer1 || c == closer2);
  }
}

bool IsEnd(const TemplateElement &element) {
  const std::optional<TagParts> tag = SplitTag(element);
  return tag && UpperCaseGbk(tag->name) == "END";
}

}  // namespace

std::optional<TagParts> SplitTag(const TemplateElement &tag) {
  if (tag.kind != Kind::Tag || !tag.closed) return std::nullopt;
  const std::string &text = tag.text;
  // '<' ... '>' reads as "^]" ... "^]"; a '<' closed by ']' is the wrong closer.
  const bool caret = text.starts_with("^]");
  if (!caret && !(text.front() == '<' && text.back() == '>')) return std::nullopt;
  const std::size_t body = caret ? 2 : 1;
  const std::size_t paren = text.find('(');
  if (paren == std::string::npos) return std::nullopt;
  return TagParts{text.substr(body, paren - body), text.substr(paren + 1)};
}

std::vector<TemplateElement> ReadInvoiceElements(TemplateReader &reader) {
  std::vector<TemplateElement> elements;
  while (!reader.AtEnd()) {
    TemplateElement element;
    char c = 0;
    bool opened = false;
    while (!opened && reader.Read(c)) opened = !reader.InDoubleByte() && (c == '<' || c == '^' || c == '{');
    if (!opened) {
      elements.push_back({Kind::EndOfFile, reader.NextPosition(), "", false});
      break;
    }
    element.at = reader.Position();
    element.text.assign(1, c);
    if (c == '^') {
      if (!reader.Read(c)) {
        elements.push_back(std::move(element));
        break;
      }
      element.text += c;
    }
    if (element.text == "{" || element.text == "^[") {
      element.kind = Kind::Field;
      ReadToCloser(reader, element, '}', '[');
    } else {
      ReadToCloser(reader, element, '>', ']');
    }
    const bool end = IsEnd(element);
    elements.push_back(std::move(element));
    if (end) break;
  }
  return elements;
}

}  // namespace iv
