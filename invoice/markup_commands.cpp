// Tags: reading one markup element and running the command it names.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "invoice/field_text.h"
#include "invoice/int32_range.h"
#include "invoice/invoice_painter.h"
#include "invoice/jpeg_file.h"
#include "invoice/kiosk_file.h"
#include "invoice/template_commands.h"
#include "invoice/template_element.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

TRect ClampedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  return {ClampToInt32(left), ClampToInt32(top), ClampToInt32(right), ClampToInt32(bottom)};
}

// CHARCOLOR and DATACOLOR: an empty red changes nothing; a red that is no number reads 255.
template <TCommand kCommand>
void SetColour(const NamedArguments<kCommand> &argument, TColor &colour) {
  const std::string &red = argument.Get("red");
  if (!red.empty())
    colour = ColorFromComponents(StrToIntDef(red, 255), StrToIntDef(argument.Get("green"), 0),
                                 StrToIntDef(argument.Get("blue"), 0));
}

}  // namespace

int InvoicePainter::ExecuteMarkup(std::string &element) {
  const TemplateElement read = ReadElement(*reader_, opener_, element_start_);
  element = read.text;
  if (read.kind == TemplateElement::Kind::Field) return read.closed ? ExecuteDataField(element) : kFormatError;
  if (element == "^") return kFormatError;  // the file ends after the '^'

  const std::optional<TagParts> tag = SplitTag(read);
  if (!tag) {
    element.assign(1, '(').append(std::to_string(pen_x_)).append(1, ',').append(std::to_string(pen_y_)).append(1, ')');
    return kFormatError;
  }
  const int result = RunCommand(UpperCaseGbk(tag->name), tag->arguments);
  if (result == kUnknownCommand) element = tag->name;
  return result;
}

int InvoicePainter::RunCommand(const std::string &name, std::string arguments) {
  const std::optional<TCommand> command = FindCommand(name);
  if (!command) return kUnknownCommand;
  // Each case reads them by the names the command's entry gives them.
  const std::vector<std::string> values = CutCommandArguments(*command, std::move(arguments)).values;
  Canvas &canvas = *canvas_;

  switch (*command) {
    case TCommand::SetFont: {
      if (line_lock_) break;
      const NamedArguments<TCommand::SetFont> argument(values);
      const std::string &fontName = argument.Get("name"), &red = argument.Get("red"), &green = argument.Get("green"),
                        &blue = argument.Get("blue"), &size = argument.Get("size");
      TFont &font = canvas.Font();
      saved_font_ = {font.Name(), font.Size(), font.Color()};
      if (!fontName.empty()) font.SetName(fontName);
      if (!red.empty()) {
        field_color_ = ColorFromComponents(StrToIntDef(red, 0), StrToIntDef(green, 0), StrToIntDef(blue, 0));
        if (!size.empty()) font.SetSize(StrToIntDef(size, font.Size()));
      }
      break;
    }
    case TCommand::RestoreOldFont: {
      TFont &font = canvas.Font();
      font.SetName(saved_font_.name);
      font.SetSize(saved_font_.size);
      font.SetColor(saved_font_.color);
      break;
    }
    case TCommand::Picture: {
      const std::string &file = NamedArguments<TCommand::Picture>(values).Get("file");
      if (!file.empty()) {
        const std::string path = KioskFile(file);
        if (FileExists(path)) LoadAndDrawPicture(path);
      }
      break;
    }
    case TCommand::ForcePosition: {
      const NamedArguments<TCommand::ForcePosition> argument(values);
      const std::string &x = argument.Get("x"), &y = argument.Get("y");
      if (!x.empty()) pen_x_ = StrToIntDef(x, pen_x_);
      if (!y.empty()) pen_y_ = StrToIntDef(y, pen_y_);
      break;
    }
    case TCommand::Position: {
      // An offset that is not a number does not move the pen.
      const NamedArguments<TCommand::Position> argument(values);
      const std::string &dx = argument.Get("dx"), &dy = argument.Get("dy");
      MovePen(dx.empty() ? 0 : StrToIntDef(dx, 0), dy.empty() ? 0 : StrToIntDef(dy, 0));
      break;
    }
    case TCommand::CharColor:
      if (!line_lock_) SetColour(NamedArguments<TCommand::CharColor>(values), text_color_);
      break;
    case TCommand::DataColor:
      if (!line_lock_) SetColour(NamedArguments<TCommand::DataColor>(values), field_color_);
      break;
    case TCommand::LeftDist: left_margin_ = DigitsValue(NamedArguments<TCommand::LeftDist>(values).Get("left")); break;
    case TCommand::Fpt: section_ = TInvoiceSection::Head; break;
    case TCommand::Fpmx:
      section_ = TInvoiceSection::Detail;
      detail_column_count_ = DigitsValue(NamedArguments<TCommand::Fpmx>(values).Get("columns"));
      // A fresh table; entries beyond those already claimed in this paint are made on demand.
      if (detail_column_count_ > 0)
        column_table_.assign(std::min<std::size_t>(detail_column_count_, field_counter_), TCellRecord{});
      break;
    case TCommand::Fpw: section_ = TInvoiceSection::Tail; break;
    case TCommand::FptEnd: return kHeadEnd;
    case TCommand::FpmxEnd: return kDetailEnd;
    case TCommand::FpwEnd: return kTailEnd;
    case TCommand::End: return kInvoiceEnd;
    case TCommand::Image: ShowImage(values); break;
    case TCommand::LinesPerPage:
      lines_per_page_ = DigitsValue(NamedArguments<TCommand::LinesPerPage>(values).Get("lines"));
      break;
    case TCommand::NullDataInfo: break;  // read only by the no-data screen
    case TCommand::PageLeft: page_left_ = DigitsValue(NamedArguments<TCommand::PageLeft>(values).Get("left")); break;
    case TCommand::LockEnd: line_lock_ = false; break;
    case TCommand::Lock: line_lock_ = true; break;
    case TCommand::Quality:
      // A name that is no level changes nothing.
      if (const std::optional<TTextQuality> quality =
              FindQualityLevel(UpperCaseGbk(NamedArguments<TCommand::Quality>(values).Get("level"))))
        SetQuality(*quality);
      break;
  }
  return kMarkupDone;
}

void InvoicePainter::ShowImage(const std::vector<std::string> &values) {
  const NamedArguments<TCommand::Image> argument(values);
  const std::string path = KioskFile(Trim(argument.Get("file")));
  if (!FileExists(path)) return;
  std::optional<Bitmap> image = ReadJpegFile(path);
  if (!image) return;
  std::int64_t w = StrToIntDef(argument.Get("width"), 0);
  std::int64_t h = StrToIntDef(argument.Get("height"), 0);
  if (w == 0 || h == 0) {
    w = image->Width();
    h = image->Height();
  }
  const std::int64_t left = StrToIntDef(argument.Get("x"), 0);
  const std::int64_t top = StrToIntDef(argument.Get("y"), 0);
  canvas_->StretchDraw(ClampedRect(left, top, left + w, top + h), *image);
}

}  // namespace iv
