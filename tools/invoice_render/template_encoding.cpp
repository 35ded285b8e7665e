#include "tools/invoice_render/template_encoding.h"

#include "platform/text/text_encoding.h"

namespace iv {

std::optional<TemplateProblem> FindNotGbkText(std::string_view bytes) {
  const FoundEncoding found = FindTextEncoding(bytes);
  if (found.IsGbk()) return std::nullopt;
  const TemplatePosition at = found.line > 0 ? TemplatePosition{found.line, found.column} : TemplatePosition{1, 1};
  return TemplateProblem{TemplateProblem::Severity::Error, at, NotGbkMessage(found, KioskReading(found)), {}};
}

}  // namespace iv
