#include "platform/gfx/font.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/text/gbk.h"

namespace iv {

std::string TLogFont::FaceName() const {
  const auto end = std::find(lfFaceName.begin(), lfFaceName.end(), '\0');
  return std::string(lfFaceName.begin(), end);
}

void TLogFont::SetFaceName(const std::string &name) {
  std::size_t length = 0;
  while (length < name.size()) {
    const std::size_t step = IsGbkLeadByte(static_cast<unsigned char>(name[length])) ? 2 : 1;
    if (length + step > lfFaceName.size() - 1) break;
    length += step;
  }
  length = std::min(length, name.size());
  lfFaceName.fill('\0');
  std::copy_n(name.begin(), length, lfFaceName.begin());
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const std::int64_t product = std::int64_t(a) * b;
  const std::int64_t half = std::abs(std::int64_t(c)) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(std::int64_t(c));
  // Windows answers -1 on overflow.
  if (magnitude > std::numeric_limits<std::int32_t>::max()) return -1;
  return std::int32_t(negative ? -magnitude : magnitude);
}

// A new font is the framework's default: MS Sans Serif, 8 points, window-text colour.
TFont::TFont()
    : name_("MS Sans Serif"), height_(-11), color_(clWindowText), charset_(DEFAULT_CHARSET) {}

TFont::TFont(const TFont &other)
    : name_(other.name_),
      height_(other.height_),
      color_(other.color_),
      style_(other.style_),
      charset_(other.charset_),
      extra_(other.extra_) {}

TFont &TFont::operator=(const TFont &other) {
  Assign(other);
  return *this;
}

void TFont::Assign(const TFont &other) {
  if (this == &other) return;
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  style_ = other.style_;
  charset_ = other.charset_;
  extra_ = other.extra_;
  Changed();
}

void TFont::Changed() {
  if (on_change_) on_change_();
}

void TFont::SetName(const std::string &name) {
  name_ = name;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, kPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, kPixelsPerInch, 72)); }

void TFont::SetHeight(int pixels) {
  height_ = pixels;
  Changed();
}

void TFont::SetColor(TColor color) {
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  style_ = style;
  Changed();
}

void TFont::SetCharset(std::uint8_t charset) {
  charset_ = charset;
  Changed();
}

TLogFont TFont::LogFont() const {
  TLogFont record = extra_;
  record.lfHeight = height_;
  // A weight taken from a record survives as long as it agrees with the bold style.
  const bool recordBold = extra_.lfWeight >= FW_SEMIBOLD;
  if (style_.Contains(fsBold) != recordBold)
    record.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  record.lfItalic = style_.Contains(fsItalic);
  record.lfUnderline = style_.Contains(fsUnderline);
  record.lfStrikeOut = style_.Contains(fsStrikeOut);
  record.lfCharSet = charset_;
  record.SetFaceName(name_);
  return record;
}

void TFont::SetLogFont(const TLogFont &record) {
  name_ = record.FaceName();
  height_ = record.lfHeight;
  TFontStyles style;
  if (record.lfWeight >= FW_SEMIBOLD) style.Include(fsBold);
  if (record.lfItalic) style.Include(fsItalic);
  if (record.lfUnderline) style.Include(fsUnderline);
  if (record.lfStrikeOut) style.Include(fsStrikeOut);
  style_ = style;
  charset_ = record.lfCharSet;
  extra_ = record;
  Changed();
}

}  // namespace iv
