// The display without a screen: windows present nowhere and input comes only from the
// application's queue, so a modal display ends as soon as nothing is left to do.
#include "platform/display/display.h"

namespace iv {
namespace {

class HeadlessWindow : public DisplayWindow {
 public:
  void Present(const Bitmap &) override {}
  void SetCaption(const std::string &) override {}
  void Resize(int, int) override {}
};

class HeadlessDisplay : public Display {
 public:
  const char *Name() const override { return "headless"; }
  std::unique_ptr<DisplayWindow> OpenWindow(const WindowPlacement &, InputSink) override {
    return std::make_unique<HeadlessWindow>();
  }
  void WaitForInput(std::optional<std::chrono::milliseconds>) override {}
  bool EndsWhenIdle() const override { return true; }
};

}  // namespace

std::unique_ptr<Display> OpenHeadlessDisplay() { return std::make_unique<HeadlessDisplay>(); }

}  // namespace iv
