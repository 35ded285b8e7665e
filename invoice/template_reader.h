#pragma once
// Byte-wise reading of an invoice template file through a buffer: the whole invoice is read
// again at every paint, so a read must cost no more than a buffer step.
#include <compare>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/fs/open_file.h"

namespace iv {

// Where a character stands in a template: line and column from 1, columns counting characters
// (a double-byte character is one column). Line 0 stands for no place in the file.
struct TemplatePosition {
  int line = 0;
  int column = 0;
  auto operator<=>(const TemplatePosition &) const = default;
};

class TemplateReader {
 public:
  // Opens the file for reading; Opened() tells whether that worked.
  explicit TemplateReader(const std::string &path);

  bool Opened() const { return file_ != nullptr; }
  // Why the file did not open (an errno value); 0 when it did.
  int OpenError() const { return open_error_; }
  bool AtEnd();
  // The next byte, or false at the end of the file.
  bool Read(char &c);
  // Whether the byte last read is the second byte of a double-byte character: such a byte is
  // text even when it looks like '<', '^', '{' or a closer.
  bool InDoubleByte() const { return in_double_byte_; }
  // The character of the byte last read.
  TemplatePosition Position() const { return {line_, column_}; }
  // Where the character after it starts (the end of the file once everything is read).
  TemplatePosition NextPosition() const {
    return previous_ == '\n' ? TemplatePosition{line_ + 1, 1} : TemplatePosition{line_, column_ + 1};
  }

 private:
  bool Fill();

  FilePtr file_;
  int open_error_;  // taken as the file is opened, before anything else can change errno
  char buffer_[16384];
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  bool after_lead_byte_ = false;
  bool in_double_byte_ = false;
  char previous_ = 0;
  int line_ = 1;
  int column_ = 0;
};

}  // namespace iv
