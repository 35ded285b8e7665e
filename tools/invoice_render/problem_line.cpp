#include "tools/invoice_render/problem_line.h"

#include "platform/diagnostics/diagnostic.h"
#include "platform/fs/command_line.h"
#include "platform/text/gbk.h"

namespace iv {

std::string ProblemText(const TemplateProblem &problem) {
  return problem.explanation.empty() ? problem.message : problem.message + Gbk(u8" — ") + problem.explanation;
}

std::string FormatProblemLine(const std::string &templatePath, const TemplateProblem &problem) {
  std::string line = NameInMessage(templatePath);
  if (problem.at.line > 0) line += ":" + std::to_string(problem.at.line) + ":" + std::to_string(problem.at.column);
  line += problem.severity == TemplateProblem::Severity::Error ? ": error: " : ": warning: ";
  // A field left open quotes the rest of the file, line ends and all; the problem stays one line.
  return line + OneLineUtf8(ProblemText(problem));
}

}  // namespace iv
