#include "platform/diagnostics/diagnostic_stream.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/fs/open_file.h"
#include "platform/text/dbcs.h"

namespace iv {
namespace {

// Where the lines go: stderr, the named file, or nowhere (null). A file that cannot be opened
// is said once on stderr, and the lines go there instead.
std::FILE *OpenStream() {
  const char *target = std::getenv("INVOICEVIEW_DIAGNOSTICS");
  if (target == nullptr || *target == '\0') return nullptr;
  if (SameTextGbk(target, "stderr")) return stderr;
  // Kept open for the life of the process; every line is flushed.
  if (FilePtr file = OpenFile(target, "ab")) return file.release();
  std::fprintf(stderr, "invoiceview: cannot append to INVOICEVIEW_DIAGNOSTICS file %s: %s; writing to stderr\n", target,
               std::strerror(errno));
  return stderr;
}

std::FILE *Stream() {
  static std::FILE *const stream = OpenStream();
  return stream;
}

}  // namespace

bool DiagnosticsWanted() { return Stream() != nullptr; }

void Diagnose(const Problem &diagnostic) {
  std::FILE *stream = Stream();
  if (stream == nullptr) return;
  const std::string line = "invoiceview: " + FormatProblem(diagnostic) + "\n";
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fflush(stream);
}

void Diagnose(const std::vector<Problem> &diagnostics) {
  for (const Problem &diagnostic : diagnostics) Diagnose(diagnostic);
}

void DiagnoseUnreadableFile(const std::string &path, int error, std::string_view consequence) {
  if (!DiagnosticsWanted()) return;
  Diagnose({Problem::Severity::Error, path, 0, 0,
            "cannot be read (" + std::string(std::strerror(error)) + "): " + std::string(consequence)});
}

}  // namespace iv
