#include "tools/invoice_preview/watch_preview.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "checks/template/template_problems.h"
#include "invoice/invoice_inputs.h"
#include "invoice/page_renderer.h"
#include "platform/display/virtual_keys.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"
#include "platform/ui/application.h"
#include "platform/ui/timer.h"
#include "tools/invoice_preview/watch_editor.h"
#include "tools/invoice_preview/watch_file_changes.h"
#include "tools/invoice_preview/watch_strip.h"
#include "tools/invoice_preview/watch_window.h"

namespace iv {
namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitCannotWatch = 2;
// How often the files are looked at: a save shows well within a fifth of a second.
constexpr std::uint32_t kChangePollMilliseconds = 50;

std::vector<std::string> WatchedFiles(const PageRequest &request) {
  std::vector<std::string> files{request.templatePath};
  for (const std::string &file : {request.headFile, request.detailFile, request.tailFile})
    if (!file.empty()) files.push_back(file);
  return files;
}

class WatchPreview {
 public:
  WatchPreview(const PageRequest &request, const WatchSettings &settings, const Bitmap *background)
      : request_(request),
        settings_(settings),
        background_(background),
        changes_(WatchedFiles(request)),
        window_(request.templatePath) {}

  int Run();

 private:
  // Paints the invoice afresh, as the kiosk's screen does when it opens, and pages on to `page`
  // or to the last page; false, keeping the last picture, when a file cannot be read (an
  // editor may be half-way through a save).
  bool Render(int page);
  void ShowPage();
  void KeyDown(std::uint16_t key);
  void KeyPress(char key);
  void RenderChangedFiles();
  // Prints the text's place in the template and opens the editor there.
  void GoToText(const PageText &text);

  const PageRequest &request_;
  const WatchSettings &settings_;
  const Bitmap *background_;
  FileChangeWatch changes_;
  std::unique_ptr<PageRenderer> renderer_;
  // The template's problems as the files were last read: the set --lint reports.
  std::vector<Problem> problems_;
  WatchWindow window_;
  Timer change_poll_;
};

int WatchPreview::Run() {
  if (Application::Instance().GetDisplay().EndsWhenIdle()) {
    std::cerr << "invoice-render: --watch needs a display for its window; there is none (or "
                 "INVOICEVIEW_DISPLAY=headless)\n";
    return kExitCannotWatch;
  }
  if (!changes_.Watching()) {
    std::cerr << "invoice-render: cannot watch the folders of the template and data files\n";
    return kExitCannotWatch;
  }
  if (!Render(settings_.page)) return kExitCannotWatch;
  window_.OnKeyDown = [this](Control &, std::uint16_t &key, TShiftState) { KeyDown(key); };
  window_.OnKeyPress = [this](Control &, char &key) { KeyPress(key); };
  window_.OnTextClick = [this](const PageText &text) { GoToText(text); };
  change_poll_.SetInterval(kChangePollMilliseconds);
  change_poll_.OnTimer = [this](Timer &) { RenderChangedFiles(); };
  Application::Instance().ShowModal(window_);
  return kExitSuccess;
}

bool WatchPreview::Render(int page) {
  std::string error;
  const std::optional<SectionTables> tables = ReadInvoiceInputs(request_, error);
  if (!tables) {
    std::cerr << "invoice-render: " << error << "\n";
    return false;
  }

  problems_ = FindTemplateProblems(request_, *tables);
  PrintProblems(std::cerr, problems_);
  renderer_ = std::make_unique<PageRenderer>(request_, background_);
  renderer_->SetInvoice(Utf8ToGbk(request_.invoiceName), *tables, request_.showAlways);
  renderer_->Paint();
  while (renderer_->Page() < page && renderer_->PaintNext()) {
  }
  ShowPage();
  return true;
}

void WatchPreview::ShowPage() {
  const int pages = std::max(renderer_->Painter().PageCount(), 1);
  const std::string caption = request_.invoiceName + " - page " + std::to_string(renderer_->Page()) + "/" +
                              std::to_string(pages) + " - " + std::to_string(problems_.size()) +
                              (problems_.size() == 1 ? " problem" : " problems");
  window_.ShowPage(renderer_->Picture(), renderer_->Texts(), problems_, Utf8ToGbk(caption));
}

// The kiosk's screen pages with Up and Down; Page Up and Page Down do the same here.
void WatchPreview::KeyDown(std::uint16_t key) {
  constexpr std::uint16_t kReadAgainKey = VK_F1 + 4;  // F5, as browsers reload
  switch (key) {
    case VK_UP:
    case VK_PRIOR:
      if (renderer_->PaintPrior()) ShowPage();
      break;
    case VK_DOWN:
    case VK_NEXT:
      if (renderer_->PaintNext()) ShowPage();
      break;
    case kReadAgainKey:
      std::cerr << "invoice-render: reading the files again\n";
      Render(renderer_->Page());
      break;
    case VK_ESCAPE: window_.Close(); break;
    default: break;
  }
}

// By character, so the keys work on every keyboard layout and on the keypad.
void WatchPreview::KeyPress(char key) {
  switch (key) {
    case '+': window_.SetZoom(window_.Zoom() + 1); break;
    case '-': window_.SetZoom(window_.Zoom() - 1); break;
    case 'm':
    case 'M': window_.SetMarksShown(!window_.MarksShown()); break;
    case 'q':
    case 'Q': window_.Close(); break;
    default: break;
  }
}

void WatchPreview::RenderChangedFiles() {
  const std::vector<std::string> changed = changes_.TakeChanges();
  if (changed.empty()) return;
  std::string names;
  for (const std::string &file : changed) names += (names.empty() ? "" : ", ") + file;
  std::cerr << "invoice-render: " << names << " changed\n";
  Render(renderer_->Page());
}

void WatchPreview::GoToText(const PageText &text) {
  const std::string place = TemplatePlace(request_.templatePath, text);
  if (place.empty()) return;
  // One line at once: an editor or a script reading the pipe jumps there.
  std::cout << place << std::endl;
  if (!settings_.editor.empty()) OpenInEditor(settings_.editor, request_.templatePath, text.at.line);
}

}  // namespace

int RunWatch(const PageRequest &request, const WatchSettings &settings, const Bitmap *background) {
  return WatchPreview(request, settings, background).Run();
}

}  // namespace iv
