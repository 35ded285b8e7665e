// Reading the template: finding the invoice, plain text, and the no-data markers.
#include <optional>
#include <string>
#include <vector>

#include "invoice/field_text.h"
#include "invoice/invoice_painter.h"
#include "invoice/template_commands.h"
#include "invoice/template_tags.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"
#include "platform/text/separated_fields.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

// Text after the first occurrence of `key`, or nothing when it does not occur.
std::optional<std::string> TextAfter(const std::string &text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return std::nullopt;
  return text.substr(at + key.size());
}

}  // namespace

int InvoicePainter::FindInvoice(const std::string &name) { return SkipToInvoice(*reader_, name) ? 0 : -1; }

void InvoicePainter::ReadPlainText() {
  std::string pending;
  TemplatePosition pendingStart = reader_->NextPosition();
  char c;
  while (reader_->Read(c)) {
    if (reader_->InDoubleByte()) {
      pending += c;
      continue;
    }
    if (c == '\r') continue;
    if (c == '\n') {
      if (!pending.empty()) {
        AddStaticPiece(pending, pendingStart);
        SetFontColor(text_color_);
        if (line_lock_) {
          line_text_.Append(pending);
          DrawText(left_margin_, pen_y_, line_text_.Text(), pendingStart, true);
        } else {
          DrawText(pen_x_, pen_y_, pending, pendingStart);
        }
        SetFontColor(field_color_);
      } else if (line_lock_) {
        SetFontColor(text_color_);
        DrawText(left_margin_, pen_y_, line_text_.Text(), pendingStart, true);
      }
      line_text_.Clear();
      pending.clear();
      pendingStart = reader_->NextPosition();
      pen_x_ = left_margin_;
      MovePen(0, LineHeight());
      continue;
    }
    if (c == '<' || c == '^' || c == '{') {
      opener_ = c;
      element_start_ = reader_->Position();
      if (!pending.empty()) {
        AddStaticPiece(pending, pendingStart);
        SetFontColor(text_color_);
        line_text_.Append(pending);
        if (!line_lock_) {
          DrawText(pen_x_, pen_y_, pending, pendingStart);
          SetFontColor(field_color_);
          PlaceAfterLineText();
        }
      }
      return;
    }
    pending += c;
  }
  // The end of the file: an element is read there all the same (and found faulty).
  element_start_ = reader_->NextPosition();
  if (!Trim(pending).empty())
    Warn(pendingStart, "text at the end of the file is never drawn: no line feed or markup follows it");
}

int InvoicePainter::ScanNullDataInfo() {
  while (SkipToTagOpener(*reader_)) {
    const std::string tag = UpperCaseGbk(CollectTag(*reader_));
    if (std::optional<std::string> arguments = TextAfter(tag, "<NULLDATAINFO(")) {
      const std::vector<std::string> values = CutCommandArguments(TCommand::NullDataInfo, *arguments).values;
      const NamedArguments<TCommand::NullDataInfo> argument(values);
      const std::string &info = argument.Get("text"), &x = argument.Get("x"), &y = argument.Get("y"),
                        &fontName = argument.Get("font"), &size = argument.Get("size"), &red = argument.Get("red"),
                        &green = argument.Get("green"), &blue = argument.Get("blue");
      info_ = info;
      x_of_info_ = StrToIntDef(x, 0);
      y_of_info_ = StrToIntDef(y, 0);
      font_of_info_.SetName(fontName);
      font_of_info_.SetSize(StrToIntDef(size, 0));
      font_of_info_.SetColor(ColorFromComponents(StrToIntDef(red, 0), StrToIntDef(green, 0), StrToIntDef(blue, 0)));
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
