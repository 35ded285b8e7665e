#pragma once
// What kiosk-check found: problems with the file (relative to the kiosk folder, in the system's
// path style) and line they belong to, printed as FILE:LINE: error|warning: MESSAGE in UTF-8,
// and counted per business key.
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/diagnostics/diagnostic.h"

namespace iv::check {

enum class Severity { Error, Warning };

class CheckReport {
 public:
  explicit CheckReport(std::ostream &out) : out_(out) {}

  // `message` is GBK (ASCII English with the kiosk's own names in it); line 0 means the file as
  // a whole. A business key, when given, counts the problem in that key's summary too.
  void Add(Severity severity, const std::string &file, int line, const std::string &message,
           const std::string &businessKey = "");
  void Error(const std::string &file, int line, const std::string &message, const std::string &businessKey = "") {
    Add(Severity::Error, file, line, message, businessKey);
  }
  void Warning(const std::string &file, int line, const std::string &message, const std::string &businessKey = "") {
    Add(Severity::Warning, file, line, message, businessKey);
  }
  // Diagnostics of the library's own checks, their places shown from the kiosk folder.
  void Add(const std::vector<Diagnostic> &diagnostics, const std::string &businessKey = "");
  // A key with no problem still gets its summary line.
  void Mention(const std::string &businessKey) { keys_[businessKey]; }

  // One line per business key, then the totals. A key is ok without errors of its own and of
  // the kiosk as a whole.
  void PrintSummary();
  int Errors() const { return errors_; }

 private:
  struct Counts {
    int errors = 0;
    int warnings = 0;
  };
  std::ostream &out_;
  std::map<std::string, Counts> keys_;
  int errors_ = 0;
  int warnings_ = 0;
  int kiosk_wide_errors_ = 0;  // those of no business key
};

}  // namespace iv::check
