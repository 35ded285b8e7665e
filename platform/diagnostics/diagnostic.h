#pragma once
// Something worth telling whoever sets a kiosk up, and where it stands, in the form compilers
// give theirs so that editors and scripts can jump to it: PLACE[:LINE]: KIND: TEXT.
#include <cstdint>
#include <string>
#include <string_view>

namespace iv {

struct Diagnostic {
  enum class Kind : std::uint8_t { Error, Warning, Note, LogRecord };
  Kind kind = Kind::Note;
  // The file or folder concerned (GBK); empty when it has no place in the kiosk folder.
  std::string place;
  // From 1; 0 for the place as a whole.
  int line = 0;
  // GBK: what is wrong and what to do, or the record a log was given.
  std::string text;
};

// One UTF-8 line without its end; line breaks within the text read \r and \n.
std::string FormatDiagnostic(const Diagnostic &diagnostic);

// GBK text as UTF-8 on one line: CR and LF within it read \r and \n.
std::string OneLineUtf8(std::string_view gbk);

}  // namespace iv
