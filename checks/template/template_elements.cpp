#include "checks/template/template_elements.h"

#include "platform/text/dbcs.h"

namespace iv {
namespace {

bool IsEnd(const TemplateElement &element) {
  const std::optional<TagParts> tag = SplitTag(element);
  return tag && UpperCaseGbk(tag->name) == "END";
}

}  // namespace

std::vector<TemplateElement> ReadInvoiceElements(TemplateReader &reader) {
  std::vector<TemplateElement> elements;
  while (!reader.AtEnd()) {
    char c = 0;
    bool opened = false;
    while (!opened && reader.Read(c)) opened = !reader.InDoubleByte() && (c == '<' || c == '^' || c == '{');
    if (!opened) {
      elements.push_back({TemplateElement::Kind::EndOfFile, reader.NextPosition(), "", false});
      break;
    }
    TemplateElement element = ReadElement(reader, c, reader.Position());
    const bool end = IsEnd(element);
    elements.push_back(std::move(element));
    if (end) break;
  }
  return elements;
}

}  // namespace iv
