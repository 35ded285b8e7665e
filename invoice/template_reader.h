#pragma once
// Byte-wise reading of an invoice template file through a buffer: the whole invoice is read
// again at every paint, so a read must cost no more than a buffer step.
#include <cstdio>
#include <memory>
#include <string>

namespace iv {

class TemplateReader {
 public:
  // Opens the file for reading; Opened() tells whether that worked.
  explicit TemplateReader(const std::string &path);

  bool Opened() const { return file_ != nullptr; }
  bool AtEnd();
  // The next byte, or false at the end of the file.
  bool Read(char &c);
  // Whether the byte last read is the second byte of a double-byte character: such a byte is
  // text even when it looks like '<', '^', '{' or a closer.
  bool InDoubleByte() const { return in_double_byte_; }

 private:
  bool Fill();

  struct Closer {
    void operator()(std::FILE *file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  char buffer_[16384];
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  bool after_lead_byte_ = false;
  bool in_double_byte_ = false;
  char previous_ = 0;
};

}  // namespace iv
