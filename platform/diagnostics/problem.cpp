#include "platform/diagnostics/problem.h"

#include "platform/text/gbk.h"

namespace iv {
namespace {

const char *SeverityName(Problem::Severity severity) {
  switch (severity) {
    case Problem::Severity::Error: return "error";
    case Problem::Severity::Warning: return "warning";
    case Problem::Severity::Note: return "note";
    case Problem::Severity::LogRecord: return "log";
  }
  return "note";
}

}  // namespace

std::string ProblemText(const Problem &problem) {
  return problem.fix.empty() ? problem.message : problem.message + Gbk(u8" — ") + problem.fix;
}

std::string FormatProblem(const Problem &problem) {
  std::string line;
  if (!problem.file.empty()) {
    line = GbkToUtf8(problem.file);
    if (problem.line > 0) {
      line += ":" + std::to_string(problem.line);
      if (problem.column > 0) line += ":" + std::to_string(problem.column);
    }
    line += ": ";
  }
  line += SeverityName(problem.severity);
  line += ": ";
  // A record that spans lines (a message holding CR LF), or a field left open that quotes the
  // rest of its file, stays one line.
  return line + OneLineUtf8(ProblemText(problem));
}

ProblemCount PrintProblems(std::ostream &out, const std::vector<Problem> &problems) {
  ProblemCount count;
  for (const Problem &problem : problems) {
    out << FormatProblem(problem) << "\n";
    if (problem.severity == Problem::Severity::Error) ++count.errors;
    if (problem.severity == Problem::Severity::Warning) ++count.warnings;
  }
  return count;
}

std::string OneLineUtf8(std::string_view gbk) {
  std::string line;
  for (const char c : GbkToUtf8(gbk)) {
    if (c == '\r')
      line += "\\r";
    else if (c == '\n')
      line += "\\n";
    else
      line += c;
  }
  return line;
}

}  // namespace iv
