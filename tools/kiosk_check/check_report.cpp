#include "tools/kiosk_check/check_report.h"

#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

namespace iv::check {

void CheckReport::Print(ProblemList &found) {
  for (auto &[problem, businessKey] : found.Take()) {
    const bool error = problem.severity == Problem::Severity::Error;
    (error ? errors_ : warnings_)++;
    if (!businessKey.empty()) (error ? keys_[businessKey].errors : keys_[businessKey].warnings)++;
    if (businessKey.empty() && error) ++kiosk_wide_errors_;
    // The system's own separator in every place, as in the paths the messages name (a folder
    // given as /kiosk under wine is joined with '\\'). A GBK trail byte may be a backslash too:
    // only single-byte ones are separators.
    std::string &place = problem.file;
    for (std::size_t i = 0; i < place.size(); i += GbkCharSize(place, i))
      if (place[i] == '\\' || place[i] == '/') place[i] = kPathSeparator;
    out_ << FormatProblem(problem) << '\n';
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
