#pragma once
// A borderless top-level form of fixed client size at a position on the screen. It renders
// itself and its controls into its own bitmap, which its display window presents whole, and
// it routes the input of that window: keys to the form first when it previews them, then to
// its active control; pointer buttons to the topmost visible control under the pointer.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/display/display.h"
#include "platform/ui/win_control.h"

namespace iv {

// What closing does with the form: nothing (it stays open), hide it, or free it as well.
enum class TCloseAction : std::uint8_t { caNone, caHide, caFree };
using TCloseEvent = std::function<void(Control &sender, TCloseAction &action)>;

class Form : public WinControl {
 public:
  Form();
  ~Form() override;

  const std::string &Caption() const { return caption_; }
  // A showing form's window takes the new caption and client size at once.
  void SetCaption(const std::string &caption);
  void SetBounds(int left, int top, int width, int height) override;
  // With key preview on, the form's key events run before the active control sees the key.
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool preview) { key_preview_ = preview; }
  // Frames are always painted off screen and presented whole. Double buffered, each frame
  // starts from a black buffer, so what no handler paints shows black, never the last frame.
  bool DoubleBuffered() const { return double_buffered_; }
  void SetDoubleBuffered(bool buffered) { double_buffered_ = buffered; }

  Control *ActiveControl() const { return active_control_; }
  void SetActiveControl(Control *control);
  bool Active() const { return active_; }
  // Shown on a display (between the start and the end of its modal display).
  bool Showing() const { return window_ != nullptr; }

  // Runs OnClose with the action caHide; unless the handler answers caNone, the form is
  // hidden (which ends its modal display), and with caFree it is released: the application
  // frees it on its next turn unless its owner has freed it by then.
  void Close();

  TNotifyEvent OnCreate;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TNotifyEvent OnDestroy;
  // A key or a pointer button pressed in the form's window, before the form routes it.
  TNotifyEvent OnUserAction;

 private:
  friend class Application;
  // Input from the queue (application.cpp routes it here).
  void HandleInput(const InputEvent &event);
  Control *KeyTarget() const;
  void RouteKey(InputEvent::Kind kind, std::uint16_t vk, TShiftState shift);
  void RouteChar(char ch);
  void RouteMouse(const InputEvent &event);
  Control &ControlAt(int x, int y);
  void ControlRemoved(Control &control) override;
  void EraseBackground() override;

  // Repaints when invalidated and presents the frame.
  void UpdateWindow();
  void PresentFrame();

  std::string caption_;
  bool key_preview_ = false;
  bool double_buffered_ = false;
  bool active_ = false;
  bool modal_ = false;
  Control *active_control_ = nullptr;
  Control *mouse_capture_ = nullptr;
  Control *hovered_ = nullptr;
  std::unique_ptr<DisplayWindow> window_;
};

}  // namespace iv
