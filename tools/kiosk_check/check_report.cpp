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
  if (businessKey.empty() && error) ++kiosk_wide_errors_;
  // The system's own separator in every place, as in the paths the messages name (a folder given
  // as /kiosk under wine is joined with '\\'). A GBK trail byte may be a backslash too: only
  // single-byte ones are separators.
  std::string place = file;
  for (std::size_t i = 0; i < place.size(); i += GbkCharSize(place, i))
    if (place[i] == '\\' || place[i] == '/') place[i] = kPathSeparator;
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
  // An error of the kiosk as a whole (a skin, Sys.xml, a folder) is every key's screen's too.
  const std::string kioskWide = kiosk_wide_errors_ == 0 ? "" : ", " + counted(kiosk_wide_errors_, "kiosk-wide error");
  for (const auto &[key, counts] : keys_)
    out_ << GbkToUtf8(key) << ": " << (counts.errors == 0 && kiosk_wide_errors_ == 0 ? "ok" : "faulty") << ", "
         << counted(counts.errors, "error") << ", " << counted(counts.warnings, "warning") << kioskWide << '\n';
  out_ << "kiosk-check: " << counted(errors_, "error") << ", " << counted(warnings_, "warning") << '\n';
}

}  // namespace iv::check
