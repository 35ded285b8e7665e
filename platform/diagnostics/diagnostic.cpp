#include "platform/diagnostics/diagnostic.h"

#include "platform/text/gbk.h"

namespace iv {
namespace {

const char *KindName(Diagnostic::Kind kind) {
  switch (kind) {
    case Diagnostic::Kind::Error: return "error";
    case Diagnostic::Kind::Warning: return "warning";
    case Diagnostic::Kind::Note: return "note";
    case Diagnostic::Kind::LogRecord: return "log";
  }
  return "note";
}

}  // namespace

std::string FormatDiagnostic(const Diagnostic &diagnostic) {
  std::string line;
  if (!diagnostic.place.empty()) {
    line = GbkToUtf8(diagnostic.place);
    if (diagnostic.line > 0) line += ":" + std::to_string(diagnostic.line);
    line += ": ";
  }
  line += KindName(diagnostic.kind);
  line += ": ";
  // A record that spans lines (a message holding CR LF) stays one line.
  return line + OneLineUtf8(diagnostic.text);
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
