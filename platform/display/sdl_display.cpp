// The SDL back end: one borderless SDL window per form, presented through its window surface,
// and SDL's event queue translated into input events for the window they belong to.
#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "platform/display/display.h"
#include "platform/display/sdl_connection.h"
#include "platform/display/sdl_keymap.h"
#include "platform/display/sdl_owner_window.h"
#include "platform/display/virtual_keys.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

// The drivers worth trying: the one the user names, else those whose server announces itself,
// then the bare console. SDL's own last resorts (offscreen, dummy) have no input at all, so
// without a real driver the forms are better shown headless.
std::vector<const char *> CandidateDrivers() {
  if (const char *named = std::getenv("SDL_VIDEODRIVER"); named != nullptr && *named != '\0') return {named};
  std::vector<const char *> drivers;
  if (std::getenv("DISPLAY") != nullptr) drivers.push_back("x11");
  if (std::getenv("WAYLAND_DISPLAY") != nullptr) drivers.push_back("wayland");
  drivers.push_back("KMSDRM");
  return drivers;
}

// Started once and kept: the host calls ShowForm many times in one process.
bool StartVideo() {
  static const bool started = [] {
    // The host owns its signals and its screensaver; SDL would otherwise take both over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    bool running = false;
    for (const char *driver : CandidateDrivers()) {
      SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
      if ((running = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)) break;
    }
    if (!running) return false;
    // X11 presents the window surface through shared memory; a GL texture per window would
    // only add a context and driver threads. An environment setting still wins.
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0)
      SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    return true;
  }();
  return started;
}

// Drivers that draw into memory only: nothing but the application's queue brings input.
bool HasNoInput() {
  const char *driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

TShiftState Modifiers(Uint16 mod) {
  TShiftState shift = 0;
  if (mod & KMOD_SHIFT) shift |= ssShift;
  if (mod & KMOD_CTRL) shift |= ssCtrl;
  if (mod & KMOD_ALT) shift |= ssAlt;
  return shift;
}

bool MouseButton(Uint8 sdlButton, TMouseButton &button, TShiftState &held) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: button = mbLeft; held = ssLeft; return true;
    case SDL_BUTTON_RIGHT: button = mbRight; held = ssRight; return true;
    case SDL_BUTTON_MIDDLE: button = mbMiddle; held = ssMiddle; return true;
    default: return false;
  }
}

// The control characters Windows types for these keys; printable characters arrive as text.
bool TypesControlCharacter(std::uint16_t vk) {
  return vk == VK_ESCAPE || vk == VK_RETURN || vk == VK_TAB || vk == VK_BACK;
}

class SdlDisplay;

class SdlWindow final : public DisplayWindow {
 public:
  SdlWindow(SdlDisplay &display, SDL_Window *window, InputSink sink)
      : display_(display), window_(window), sink_(std::move(sink)) {}
  ~SdlWindow() override;

  void Present(const Bitmap &frame) override {
    if (DisplayConnectionLost()) return;
    SDL_Surface *target = SDL_GetWindowSurface(window_);
    if (target == nullptr || frame.Empty() || frame.Format() != PixelFormat::Bgr24) return;
    SDL_Surface *source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint8_t *>(frame.Row(0)), frame.Width(), frame.Height(), 24,
        frame.Stride(), SDL_PIXELFORMAT_BGR24);
    if (source == nullptr) return;
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(window_);
  }

  void SetCaption(const std::string &caption) override { SDL_SetWindowTitle(window_, GbkToUtf8(caption).c_str()); }

  // The window surface follows the new size at the next Present.
  void Resize(int width, int height) override { SDL_SetWindowSize(window_, std::max(width, 1), std::max(height, 1)); }

  const InputSink &Sink() const { return sink_; }

 private:
  SdlDisplay &display_;
  SDL_Window *window_;
  InputSink sink_;
};

class SdlDisplay final : public Display {
 public:
  ~SdlDisplay() override {
    if (DisplayConnectionLost()) return;
    // Wrappers of foreign windows: SDL leaves the host's window itself alone.
    for (const auto &[handle, wrapper] : owners_)
      if (wrapper != nullptr) SDL_DestroyWindow(wrapper);
  }

  const char *Name() const override { return "sdl"; }

  std::unique_ptr<DisplayWindow> OpenWindow(const WindowPlacement &placement, InputSink sink) override {
    ThrowWhenConnectionLost();
    SDL_Window *window = SDL_CreateWindow(GbkToUtf8(placement.caption).c_str(), placement.left, placement.top,
                                          std::max(placement.width, 1), std::max(placement.height, 1),
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    if (window == nullptr) throw std::runtime_error(SDL_GetError());
    WatchDisplayConnection(window);
    if (SDL_Window *owner = OwnerWindow(placement.owner, window)) SDL_SetWindowModalFor(window, owner);
    // A kiosk may run without a window manager to hand the new form the keyboard.
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
    auto opened = std::make_unique<SdlWindow>(*this, window, std::move(sink));
    windows_[SDL_GetWindowID(window)] = opened.get();
    ThrowWhenConnectionLost();
    return opened;
  }

  void WaitForInput(std::optional<std::chrono::milliseconds> timeout) override {
    if (!DeliverPending()) {
      SDL_Event event;
      if (WaitForXServer(timeout))
        DeliverPending();
      else if (timeout ? SDL_WaitEventTimeout(&event, int(std::clamp<std::int64_t>(timeout->count(), 0, INT_MAX)))
                       : SDL_WaitEvent(&event)) {
        Deliver(event);
        DeliverPending();
      }
    }
    ThrowWhenConnectionLost();
  }

  bool EndsWhenIdle() const override { return HasNoInput(); }

  void Forget(SDL_Window *window) { windows_.erase(SDL_GetWindowID(window)); }

 private:
  // The modal loop ends with this error, and the call with it.
  static void ThrowWhenConnectionLost() {
    if (DisplayConnectionLost())
      throw std::runtime_error(std::string("the display server (") + SDL_GetCurrentVideoDriver() +
                               ") closed the connection; a later call shows nothing until the host is restarted");
  }

  // Wrapped once per host window: ShowForm shows a form over the same host many times.
  SDL_Window *OwnerWindow(std::uintptr_t handle, SDL_Window *ours) {
    if (handle == 0) return nullptr;
    auto found = owners_.find(handle);
    if (found == owners_.end()) found = owners_.emplace(handle, WrapOwnerWindow(handle, ours)).first;
    return found->second;
  }

  // False when nothing was pending.
  bool DeliverPending() {
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return false;
    do Deliver(event);
    while (SDL_PollEvent(&event));
    return true;
  }

  // Events of other windows (the host's among them) are dropped: the form is modal.
  void Deliver(const SDL_Event &event) {
    const auto found = windows_.find(WindowOf(event));
    if (found == windows_.end()) return;
    // A sink may close its own window, so it runs from a copy.
    const InputSink sink = found->second->Sink();
    switch (event.type) {
      case SDL_KEYDOWN:
      case SDL_KEYUP: DeliverKey(event.key, sink); break;
      case SDL_TEXTINPUT:
        for (char ch : Utf8ToGbk(event.text.text)) sink(Char(ch));
        break;
      case SDL_MOUSEMOTION:
        sink({.kind = InputEvent::Kind::MouseMove, .x = event.motion.x, .y = event.motion.y});
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: DeliverButton(event.button, sink); break;
      case SDL_WINDOWEVENT: DeliverWindowEvent(event.window, sink); break;
      default: break;
    }
  }

  static Uint32 WindowOf(const SDL_Event &event) {
    switch (event.type) {
      case SDL_KEYDOWN:
      case SDL_KEYUP: return event.key.windowID;
      case SDL_TEXTINPUT: return event.text.windowID;
      case SDL_MOUSEMOTION: return event.motion.windowID;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: return event.button.windowID;
      case SDL_WINDOWEVENT: return event.window.windowID;
      default: return 0;
    }
  }

  static InputEvent Char(char ch) { return {.kind = InputEvent::Kind::Char, .ch = ch}; }

  void DeliverKey(const SDL_KeyboardEvent &key, const InputSink &sink) {
    const std::uint16_t vk = VirtualKeyOf(key.keysym);
    if (vk == 0) return;
    const bool down = key.type == SDL_KEYDOWN;
    const TShiftState shift = Modifiers(key.keysym.mod) | buttons_;
    sink({.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp,
          .vk = vk,
          .scan = std::uint8_t(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)),
          .shift = shift});
    if (!down || !TypesControlCharacter(vk)) return;
    if (const char ch = KeyCharacter(vk, shift)) sink(Char(ch));
  }

  void DeliverButton(const SDL_MouseButtonEvent &press, const InputSink &sink) {
    TMouseButton button;
    TShiftState held;
    if (!MouseButton(press.button, button, held)) return;
    const bool down = press.type == SDL_MOUSEBUTTONDOWN;
    // A press counts its own button as held, a release no longer does.
    buttons_ = down ? buttons_ | held : buttons_ & ~held;
    sink({.kind = down ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp,
          .x = press.x,
          .y = press.y,
          .button = button,
          .shift = TShiftState(Modifiers(SDL_GetModState()) | buttons_)});
  }

  static void DeliverWindowEvent(const SDL_WindowEvent &change, const InputSink &sink) {
    InputEvent event;
    switch (change.event) {
      case SDL_WINDOWEVENT_FOCUS_GAINED: event.kind = InputEvent::Kind::FocusIn; break;
      case SDL_WINDOWEVENT_FOCUS_LOST: event.kind = InputEvent::Kind::FocusOut; break;
      case SDL_WINDOWEVENT_EXPOSED: event.kind = InputEvent::Kind::Expose; break;
      case SDL_WINDOWEVENT_CLOSE: event.kind = InputEvent::Kind::CloseRequest; break;
      default: return;
    }
    sink(event);
  }

  std::unordered_map<Uint32, SdlWindow *> windows_;
  std::map<std::uintptr_t, SDL_Window *> owners_;  // nullptr: SDL could not wrap it
  TShiftState buttons_ = 0;  // mouse buttons held, as the events so far tell
};

SdlWindow::~SdlWindow() {
  display_.Forget(window_);
  // Without its server, a window has nothing left to take down; SDL would wait on the socket.
  if (!DisplayConnectionLost()) SDL_DestroyWindow(window_);
}

}  // namespace

std::unique_ptr<Display> OpenSdlDisplay() {
  if (!StartVideo()) return nullptr;
  return std::make_unique<SdlDisplay>();
}

}  // namespace iv
