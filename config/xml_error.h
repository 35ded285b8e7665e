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

// A file that cannot be read or a text that does not parse as XML.
class XmlLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace iv
