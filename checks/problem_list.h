#pragma once
// The problems kiosk-check's checks find in a kiosk folder, in the order found, each with the
// business key whose screen it spoils (none for the kiosk as a whole). Places are files and
// folders relative to the kiosk folder.
#include <string>
#include <utility>
#include <vector>

#include "platform/diagnostics/problem.h"

namespace iv::check {

struct KeyedProblem {
  Problem problem;
  std::string businessKey;  // GBK; empty for the kiosk as a whole
};

class ProblemList {
 public:
  // `message` is GBK (ASCII English with the kiosk's own names in it); line 0 means the file as
  // a whole.
  void Add(Problem::Severity severity, const std::string &file, int line, const std::string &message,
           const std::string &businessKey = "") {
    found_.push_back({{severity, file, line, 0, message}, businessKey});
  }
  void Error(const std::string &file, int line, const std::string &message, const std::string &businessKey = "") {
    Add(Problem::Severity::Error, file, line, message, businessKey);
  }
  void Warning(const std::string &file, int line, const std::string &message, const std::string &businessKey = "") {
    Add(Problem::Severity::Warning, file, line, message, businessKey);
  }
  // Problems of the library's own checks, their places shown from the kiosk folder (the current
  // directory).
  void Add(const std::vector<Problem> &problems, const std::string &businessKey = "");

  // The problems found since the last Take, which empties the list.
  std::vector<KeyedProblem> Take() { return std::exchange(found_, {}); }

 private:
  std::vector<KeyedProblem> found_;
};

}  // namespace iv::check
