#pragma once
// Forms driven headless: input is posted, ShowModal runs the queue and returns when idle.
#include <memory>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/ui/application.h"
#include "platform/ui/graphic_control.h"

namespace iv::test {

inline void UseHeadlessDisplay() { Application::Instance().SetDisplay(OpenHeadlessDisplay()); }

// A plain rectangle that records what reaches it; it takes the focus when asked.
class Probe : public GraphicControl {
 public:
  Probe(WinControl &parent, std::string name, std::vector<std::string> &log, TRect bounds)
      : GraphicControl(parent), name_(std::move(name)), log_(log) {
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  }
  bool CanFocus() const override { return true; }
  void MouseDown(TMouseButton, TShiftState, int x, int y) override {
    log_.push_back(name_ + " down " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseUp(TMouseButton, TShiftState, int x, int y) override {
    log_.push_back(name_ + " up " + std::to_string(x) + "," + std::to_string(y));
  }
  void Click() override { log_.push_back(name_ + " click"); }
  void MouseEnter(Control &) override { log_.push_back(name_ + " enter"); }
  void MouseLeave(Control &) override { log_.push_back(name_ + " leave"); }
  void KeyDown(std::uint16_t &key, TShiftState) override { log_.push_back(name_ + " keydown " + std::to_string(key)); }
  void KeyPress(char &key) override { log_.push_back(name_ + " char " + std::to_string(int(key))); }

 private:
  std::string name_;
  std::vector<std::string> &log_;
};

}  // namespace iv::test
