#pragma once
#include <stdexcept>
#include <string>

namespace iv {

// Raised by TXMLControl when the caller walks without a level (no document loaded yet) or
// leaves the document level; the system parameters loader takes it as the end of its walk.
class XmlLevelError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// A file that cannot be read or a text that does not parse as XML: the parser's own message
// and the line it stopped at (0 when there is none).
class XmlLoadError : public std::runtime_error {
 public:
  explicit XmlLoadError(const std::string &message, int line = 0) : std::runtime_error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

}  // namespace iv
