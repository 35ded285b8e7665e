// Reading the template: finding the invoice, plain text, and the no-data markers.
#include <optional>

#include "invoice/field_text.h"
#include "invoice/uInvoice.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"

namespace iv {
namespace {

bool ContainsGbk(std::string_view text, std::string_view needle) {
  for (std::size_t i = 0; i < text.size(); i += GbkCharSize(text, i))
    if (text.substr(i, needle.size()) == needle) return true;
  return false;
}

// Text after the first occurrence of `key`, or nothing when it does not occur.
std::optional<std::string> TextAfter(const std::string &text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return std::nullopt;
  return text.substr(at + key.size());
}

// Moves to just after the next tag opener ('<' or "^]"); false at the end of the file. After a
// '^' the character that follows is consumed whatever it is.
bool SkipToTagOpener(TemplateReader &reader) {
  char c;
  while (reader.Read(c)) {
    if (reader.InDoubleByte()) continue;
    if (c == '<') return true;
    if (c == '^') {
      if (!reader.Read(c)) return false;
      if (c == ']') return true;
    }
  }
  return false;
}

}  // namespace

std::string TInvoice::CollectMarker() {
  std::string marker = "<";
  char c;
  while (reader_->Read(c)) {
    marker += c;
    if (!reader_->InDoubleByte() && (c == '>' || c == ']')) break;
  }
  if (ContainsGbk(marker, "^]")) marker.replace(marker.size() - 2, 2, ">");
  if (ContainsGbk(marker, "]")) marker.back() = '>';
  return marker;
}

int TInvoice::FindInvoice(const std::string &name) {
  const std::string wanted = "<NAME(" + UpperCaseGbk(name) + ")>";
  while (SkipToTagOpener(*reader_))
    if (UpperCaseGbk(CollectMarker()) == wanted) return 0;
  return -1;
}

void TInvoice::ReadPlainText() {
  std::string pending;
  char c;
  while (reader_->Read(c)) {
    if (reader_->InDoubleByte()) {
      pending += c;
      continue;
    }
    if (c == '\r') continue;
    if (c == '\n') {
      if (!pending.empty()) {
        AddStaticPiece(pending);
        SetFontColor(text_color_);
        if (line_lock_) {
          line_text_ += pending;
          DrawText(left_margin_, pen_y_, line_text_);
        } else {
          DrawText(pen_x_, pen_y_, pending);
        }
        SetFontColor(field_color_);
      } else if (line_lock_) {
        SetFontColor(text_color_);
        DrawText(left_margin_, pen_y_, line_text_);
      }
      line_text_.clear();
      pending.clear();
      pen_x_ = left_margin_;
      MovePen(0, LineHeight());
      continue;
    }
    if (c == '<' || c == '^' || c == '{') {
      opener_ = c;
      if (!pending.empty()) {
        AddStaticPiece(pending);
        SetFontColor(text_color_);
        line_text_ += pending;
        if (!line_lock_) {
          DrawText(pen_x_, pen_y_, pending);
          SetFontColor(field_color_);
          PlaceAfterLineText();
        }
      }
      return;
    }
    pending += c;
  }
}

int TInvoice::ScanNullDataInfo() {
  while (SkipToTagOpener(*reader_)) {
    const std::string tag = UpperCaseGbk(CollectMarker());
    if (std::optional<std::string> arguments = TextAfter(tag, "<NULLDATAINFO(")) {
      const std::string info = CutAtSeparator(',', *arguments);
      const std::string x = CutAtSeparator(',', *arguments);
      const std::string y = CutAtSeparator(',', *arguments);
      const std::string fontName = CutAtSeparator(',', *arguments);
      const std::string size = CutAtSeparator(',', *arguments);
      const std::string red = CutAtSeparator(',', *arguments);
      const std::string green = CutAtSeparator(',', *arguments);
      const std::string blue = CutAtSeparator(')', *arguments);
      info_ = info;
      x_of_info_ = IntegerOr(x, 0);
      y_of_info_ = IntegerOr(y, 0);
      font_of_info_.SetName(fontName);
      font_of_info_.SetSize(IntegerOr(size, 0));
      font_of_info_.SetColor(ColorFromComponents(IntegerOr(red, 0), IntegerOr(green, 0), IntegerOr(blue, 0)));
    } else if (std::optional<std::string> arguments = TextAfter(tag, "<PICTURE(")) {
      picture_path_ = JoinPath(CurrentDirectory(), ToNativeSeparators(CutAtSeparator(')', *arguments)));
      return 0;
    } else if (tag.find("<END(") != std::string::npos) {
      return -1;
    }
  }
  return -1;
}

}  // namespace iv
