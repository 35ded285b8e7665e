#include "tools/kiosk_check/check_report.h"

#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

namespace iv::check {

void CheckReport::Add(Severity severity, const std::string &file, int line, const std::string &message,
                      const std::string &businessKey) {
  const bool error = severity == Severity::Error;
  (error ? errors_ : warnings_)++;
  if (!businessKey.empty()) (error ? keys_[businessKey].errors : keys_[businessKey].warnings)++;
  // One separator on every system, so that editors and scripts read the places alike.
  // A GBK trail byte may be a backslash too: only single-byte ones are separators.
  std::string place = file;
  for (std::size_t i = 0; i < place.size(); i += GbkCharSize(place, i))
    if (place[i] == '\\') place[i] = '/';
  out_ << FormatDiagnostic({error ? Diagnostic::Kind::Error : Diagnostic::Kind::Warning, place, line, message}) << '\n';
}

void CheckReport::Add(const std::vector<Diagnostic> &diagnostics, const std::string &businessKey) {
  const std::string here = JoinPath(CurrentDirectory(), "");
  for (const Diagnostic &diagnostic : diagnostics) {
    std::string place = diagnostic.place;
    if (place.starts_with(here)) place.erase(0, here.size());
    if (place.starts_with(".") && place.size() > 1 && (place[1] == '/' || place[1] == '\\')) place.erase(0, 2);
    Add(diagnostic.kind == Diagnostic::Kind::Error ? Severity::Error : Severity::Warning, place, diagnostic.line,
        diagnostic.text, businessKey);
  }
}

void CheckReport::PrintSummary() {
  const auto counted = [](int n, const char *what) { return std::to_string(n) + ' ' + what + (n == 1 ? "" : "s"); };
  for (const auto &[key, counts] : keys_)
    out_ << GbkToUtf8(key) << ": " << (counts.errors == 0 ? "ok" : "faulty") << ", "
         << counted(counts.errors, "error") << ", " << counted(counts.warnings, "warning") << '\n';
  out_ << "kiosk-check: " << counted(errors_, "error") << ", " << counted(warnings_, "warning") << '\n';
}

}  // namespace iv::check
