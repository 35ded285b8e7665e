#include "invoice/template_reader.h"

#include <cerrno>

#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

namespace iv {

TemplateReader::TemplateReader(const std::string &path)
    : file_(OpenFile(path, "rb")), open_error_(file_ != nullptr ? 0 : errno) {}

bool TemplateReader::Fill() {
  if (!file_) return false;
  length_ = std::fread(buffer_, 1, sizeof buffer_, file_.get());
  position_ = 0;
  return length_ > 0;
}

bool TemplateReader::AtEnd() { return position_ >= length_ && !Fill(); }

bool TemplateReader::Read(char &c) {
  if (AtEnd()) return false;
  c = buffer_[position_++];
  const char pair[2] = {previous_, c};
  in_double_byte_ = after_lead_byte_ && GbkCharSize(std::string_view(pair, 2), 0) == 2;
  after_lead_byte_ = !in_double_byte_ && IsGbkLeadByte(static_cast<unsigned char>(c));
  if (previous_ == '\n') {
    ++line_;
    column_ = 1;
  } else if (!in_double_byte_) {
    ++column_;
  }
  previous_ = c;
  return true;
}

}  // namespace iv
