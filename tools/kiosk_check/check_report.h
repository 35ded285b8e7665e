#pragma once
// What kiosk-check prints of the problems its checks found: FILE:LINE: error|warning: MESSAGE in
// UTF-8 (the file relative to the kiosk folder, in the system's path style), and a count per
// business key.
#include <map>
#include <ostream>
#include <string>

#include "checks/problem_list.h"

namespace iv::check {

class CheckReport {
 public:
  explicit CheckReport(std::ostream &out) : out_(out) {}

  // Prints the problems found so far, emptying the list, and counts them.
  void Print(ProblemList &found);
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
