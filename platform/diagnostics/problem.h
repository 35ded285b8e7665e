#pragma once
// Something wrong, or worth telling, about a kiosk's files, and where it stands: what every check
// returns, what the painter meets in a template and what the diagnostic stream says. Printed in
// the form compilers give theirs, so that editors and scripts can jump to it:
// FILE[:LINE[:COLUMN]]: KIND: MESSAGE[ — FIX].
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace iv {

struct Problem {
  enum class Severity : std::uint8_t { Error, Warning, Note, LogRecord };

  Problem(Severity severity, std::string file, int line, int column, std::string message, std::string fix = {})
      : severity(severity),
        file(std::move(file)),
        line(line),
        column(column),
        message(std::move(message)),
        fix(std::move(fix)) {}

  Severity severity;
  // The file or folder concerned, as messages name it (GBK); empty when it has no place.
  std::string file;
  // From 1; 0 for the file as a whole.
  int line;
  // From 1; 0 when the problem has a line but no column.
  int column;
  // GBK: what is wrong (and what to do, when one sentence says both), or the record a log was
  // given.
  std::string message;
  // GBK: what a terse message (a log record's) means and what to do; empty when the message says
  // it all.
  std::string fix;
};

// The message and, after a dash, the fix when there is one (GBK).
std::string ProblemText(const Problem &problem);

// One UTF-8 line without its end; line breaks within the text read \r and \n.
std::string FormatProblem(const Problem &problem);

struct ProblemCount {
  int errors = 0;
  int warnings = 0;
};

// Writes each problem on a line of its own, as FormatProblem gives it, and counts them.
ProblemCount PrintProblems(std::ostream &out, const std::vector<Problem> &problems);

// GBK text as UTF-8 on one line: CR and LF within it read \r and \n.
std::string OneLineUtf8(std::string_view gbk);

}  // namespace iv
