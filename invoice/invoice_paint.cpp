// A paint: the invoice interpreted from its template, or the no-data screen.
#include "invoice/invoice_error_log.h"
#include "invoice/invoice_painter.h"
#include "invoice/jpeg_file.h"
#include "platform/diagnostics/diagnostic_stream.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

namespace iv {

void InvoicePainter::Paint(Canvas &canvas) {
  canvas_ = &canvas;
  canvas.Brush().Style = bsClear;  // texts never paint a background of their own
  smooth_font_->SetCanvas(&canvas);
  line_lock_ = false;
  if (!data_given_ || no_data_) {
    PaintNoDataScreen();
  } else {
    PaintInvoice();
  }
  reader_.reset();
  smooth_font_->SetCanvas(nullptr);
  canvas_ = nullptr;
}

void InvoicePainter::PaintInvoice() {
  if (current_page_ == 0) current_page_ = 1;
  first_cell_ = FirstCellOfPage();
  pen_x_ = left_margin_;
  pen_y_ = up_dist_;
  field_counter_ = 0;
  static_pieces_.clear();
  Canvas &canvas = *canvas_;
  text_color_ = field_color_ = canvas.Font().Color();
  // Every paint starts on an empty line, whatever the previous one left unfinished.
  line_text_.Clear();

  const std::string path = ResolvePath(template_path_);
  if (!FileExists(path)) {
    LogProblem(Gbk(u8"发票文件:") + template_path_ + Gbk(u8" 不存在！"), {});
    return;
  }
  reader_ = std::make_unique<TemplateReader>(path);
  if (!reader_->Opened() || FindInvoice(invoice_name_) != 0) {
    if (!reader_->Opened())
      DiagnoseUnreadableFile(path, reader_->OpenError(),
                             "the screen shows no invoice (the log says it does not exist)");
    LogProblem(Gbk(u8"发票:") + invoice_name_ + Gbk(u8" 不存在！"), {});
    return;
  }
  field_counter_ = 0;
  std::string element;
  while (!reader_->AtEnd()) {
    ReadPlainText();
    const int result = ExecuteMarkup(element);
    if (result == kInvoiceEnd) break;
    if (result == kDetailEnd && !detail_.empty()) DrawFurtherDetailRows();
    if (result == kFormatError) LogProblem(template_path_ + Gbk(u8",文件格式错误:") + element, element_start_);
    if (result == kUnknownCommand) LogProblem(template_path_ + Gbk(u8",不可识别的命令:") + element, element_start_);
  }
}

void InvoicePainter::PaintNoDataScreen() {
  if (FileExists(ResolvePath(picture_path_))) {
    LoadAndDrawPicture(ResolvePath(picture_path_));
  } else if (const std::string path = ResolvePath(template_path_); FileExists(path)) {
    reader_ = std::make_unique<TemplateReader>(path);
    if (reader_->Opened() && FindInvoice(invoice_name_) == 0 && ScanNullDataInfo() == 0 &&
        FileExists(ResolvePath(picture_path_)))
      LoadAndDrawPicture(ResolvePath(picture_path_));
  }
  Canvas &canvas = *canvas_;
  canvas.Font() = font_of_info_;
  DrawText(x_of_info_, y_of_info_, info_, {});
}

void InvoicePainter::LogProblem(const std::string &message, TemplatePosition at) {
  if (writes_error_log_) LogInvoiceError(message);
  if (problem_observer_) problem_observer_({Problem::Severity::Error, "", at.line, at.column, message});
}

void InvoicePainter::Warn(TemplatePosition at, const std::string &message) {
  if (problem_observer_) problem_observer_({Problem::Severity::Warning, "", at.line, at.column, message});
}

void InvoicePainter::LoadAndDrawPicture(const std::string &path) {
  std::optional<Bitmap> image = ReadJpegFile(path);
  if (!image) return;
  if (!picture_) picture_ = std::make_unique<Bitmap>();
  *picture_ = std::move(*image);
  canvas_->Draw(0, 0, *picture_);
}

}  // namespace iv
