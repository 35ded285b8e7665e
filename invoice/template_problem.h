#pragma once
// A problem the invoice control meets in its template, with where in the file it stands.
#include <cstdint>
#include <string>

#include "invoice/template_reader.h"

namespace iv {

struct TemplateProblem {
  enum class Severity : std::uint8_t { Error, Warning };
  Severity severity = Severity::Error;
  // Where the element concerned starts; line 0 when the problem has no place in the file (a
  // missing file or invoice).
  TemplatePosition at;
  // GBK. An error's message is the text its error log record holds.
  std::string message;
};

}  // namespace iv
