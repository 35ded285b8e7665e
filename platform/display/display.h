#pragma once
// A display back end: one window per form, which presents the form's finished bitmap and
// reports the window's input. Forms, controls, focus, timers and key handling all live above
// this interface, the same on every back end.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/display/input_event.h"
#include "platform/gfx/bitmap.h"

namespace iv {

struct WindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;      // GBK
  std::uintptr_t owner = 0;  // the host's window, when it is one of this display's windows
};

using InputSink = std::function<void(const InputEvent &)>;

class DisplayWindow {
 public:
  virtual ~DisplayWindow() = default;
  // Shows the whole frame at once (a frame is never shown half-painted).
  virtual void Present(const Bitmap &frame) = 0;
  // The caption (GBK) the window system shows for the window.
  virtual void SetCaption(const std::string &caption) = 0;
  // A new client area of width × height; the top left stays. Present the next frame at that size.
  virtual void Resize(int width, int height) = 0;
};

class Display {
 public:
  virtual ~Display() = default;
  virtual const char *Name() const = 0;
  // A borderless window at (left, top) with a client area of width × height, shown and
  // modal to `owner` when that names a window of this display. Its input goes to `sink`.
  virtual std::unique_ptr<DisplayWindow> OpenWindow(const WindowPlacement &placement, InputSink sink) = 0;
  // Hands pending input to the windows' sinks. When none is pending, waits for some up to
  // `timeout` (no timeout: until input arrives) without using the processor.
  virtual void WaitForInput(std::optional<std::chrono::milliseconds> timeout) = 0;
  // A display without an input source of its own: a modal loop on it ends once idle.
  virtual bool EndsWhenIdle() const = 0;
};

std::unique_ptr<Display> OpenHeadlessDisplay();
#ifdef _WIN32
// Native windows, modal to the host's window (an HWND).
std::unique_ptr<Display> OpenWin32Display();
#else
// nullptr when SDL's video cannot start (no display server, no console).
std::unique_ptr<Display> OpenSdlDisplay();
#endif
// INVOICEVIEW_DISPLAY chooses. On Windows: win32 unless it says headless. Elsewhere: sdl or
// headless; unset, SDL when its video starts, else headless.
std::unique_ptr<Display> OpenDisplay();

}  // namespace iv
