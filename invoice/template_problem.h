#pragma once
// A problem the invoice painter meets in its template, with where in the file it stands.
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
  // GBK. An error the painter logs has the text of its error log record; other problems say in
  // English what is wrong.
  std::string message;
  // GBK, English: for a logged error, what is wrong and what to do (a checker adds it; the log
  // record never holds it). Empty when the message says it all.
  std::string explanation;
};

}  // namespace iv
