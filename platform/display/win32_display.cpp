// The Win32 back end: one borderless popup window per form, owned by and modal to the host's
// window, presenting the form's bitmap with StretchDIBits; the thread's message queue brings
// the input, which the window procedure translates into input events for the window's sink.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/display/display.h"
#include "platform/text/gbk.h"

// Last: windows.h makes macros of names the project's headers declare (RGB, GetRValue, ...).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>

#include "platform/gfx/dib_win32.h"

namespace iv {
namespace {

constexpr wchar_t kWindowClassName[] = L"InvoiceViewForm";

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

bool Held(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// Modifiers and buttons as the key message being handled found them.
TShiftState KeyboardState() {
  TShiftState shift = 0;
  if (Held(VK_SHIFT)) shift |= ssShift;
  if (Held(VK_CONTROL)) shift |= ssCtrl;
  if (Held(VK_MENU)) shift |= ssAlt;
  if (Held(VK_LBUTTON)) shift |= ssLeft;
  if (Held(VK_RBUTTON)) shift |= ssRight;
  if (Held(VK_MBUTTON)) shift |= ssMiddle;
  return shift;
}

// A mouse message carries its own modifiers and buttons; a press counts its own button as
// held, a release no longer does.
TShiftState MouseState(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (Held(VK_MENU)) shift |= ssAlt;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  return shift;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registered on first use and unregistered when the module unloads, so a host that loads the
// library again registers the class of the new copy's window procedure.
class WindowClass {
 public:
  WindowClass() {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    info.lpfnWndProc = &WindowProcedure;
    info.hInstance = ThisModule();
    info.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    info.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    info.lpszClassName = kWindowClassName;
    if (RegisterClassExW(&info) == 0) throw std::runtime_error("the form window class cannot be registered");
  }
  ~WindowClass() { UnregisterClassW(kWindowClassName, ThisModule()); }
  WindowClass(const WindowClass &) = delete;
  WindowClass &operator=(const WindowClass &) = delete;
};

void RegisterWindowClass() { static const WindowClass windowClass; }

class Win32Display;

class Win32Window final : public DisplayWindow {
 public:
  Win32Window(Win32Display &display, const WindowPlacement &placement, InputSink sink);
  ~Win32Window() override;
  Win32Window(const Win32Window &) = delete;
  Win32Window &operator=(const Win32Window &) = delete;

  void Present(const Bitmap &frame) override {
    // A window destroyed from outside has nothing to show on (GetDC(nullptr) is the whole screen).
    if (window_ == nullptr || frame.Empty() || frame.Format() != PixelFormat::Bgr24) return;
    shown_ = frame;  // kept for WM_PAINT
    if (HDC dc = GetDC(window_)) {
      Paint(dc);
      ReleaseDC(window_, dc);
    }
  }

  void SetCaption(const std::string &caption) override { SetWindowTextW(window_, GbkToWide(caption).c_str()); }

  void Resize(int width, int height) override {
    SetWindowPos(window_, nullptr, 0, 0, std::max(width, 1), std::max(height, 1),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void Send(const InputEvent &event) { sink_(event); }

  // Messages of the window; everything not handled here goes to DefWindowProcW.
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using Kind = InputEvent::Kind;
    switch (message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
      case WM_KEYUP:
      case WM_SYSKEYUP:
        Send({.kind = message == WM_KEYDOWN || message == WM_SYSKEYDOWN ? Kind::KeyDown : Kind::KeyUp,
              .vk = std::uint16_t(wParam),
              .scan = std::uint8_t(lParam >> 16),
              .shift = KeyboardState()});
        // System keys keep their meaning (Alt+F4 asks to close).
        if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) break;
        return 0;
      case WM_CHAR: {
        // The character typed, as the bytes of code page 936.
        const wchar_t unit = wchar_t(wParam);
        for (char ch : WideToGbk(std::wstring_view(&unit, 1))) Send({.kind = Kind::Char, .ch = ch});
        return 0;
      }
      case WM_MOUSEMOVE:
        Send({.kind = Kind::MouseMove, .x = GET_X_LPARAM(lParam), .y = GET_Y_LPARAM(lParam)});
        return 0;
      case WM_LBUTTONDOWN: return Button(window, Kind::MouseDown, mbLeft, wParam, lParam);
      case WM_RBUTTONDOWN: return Button(window, Kind::MouseDown, mbRight, wParam, lParam);
      case WM_MBUTTONDOWN: return Button(window, Kind::MouseDown, mbMiddle, wParam, lParam);
      case WM_LBUTTONUP: return Button(window, Kind::MouseUp, mbLeft, wParam, lParam);
      case WM_RBUTTONUP: return Button(window, Kind::MouseUp, mbRight, wParam, lParam);
      case WM_MBUTTONUP: return Button(window, Kind::MouseUp, mbMiddle, wParam, lParam);
      case WM_ACTIVATE:
        Send({.kind = LOWORD(wParam) == WA_INACTIVE ? Kind::FocusOut : Kind::FocusIn});
        break;  // the default handling gives the window the keyboard focus
      case WM_CLOSE: Send({.kind = Kind::CloseRequest}); return 0;
      case WM_DESTROY: DestroyedFromOutside(); break;
      case WM_ERASEBKGND:
        if (shown_.Empty()) break;
        return 1;  // the frame covers it
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Paint(dc);
        EndPaint(window, &paint);
        return 0;
      }
      default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

 private:
  void DestroyedFromOutside();

  // The pointer stays with the window while a button is down, so the release arrives even
  // outside it.
  LRESULT Button(HWND window, InputEvent::Kind kind, TMouseButton button, WPARAM wParam, LPARAM lParam) {
    if (kind == InputEvent::Kind::MouseDown) SetCapture(window);
    else if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
    Send({.kind = kind, .x = GET_X_LPARAM(lParam), .y = GET_Y_LPARAM(lParam), .button = button,
          .shift = MouseState(wParam)});
    return 0;
  }

  void Paint(HDC dc) const {
    if (shown_.Empty()) return;
    // The bitmap's rows are padded to 4 bytes, as a DIB's rows are.
    const BITMAPINFO info = TopDownDibInfo(shown_.Width(), shown_.Height(), 24);
    StretchDIBits(dc, 0, 0, shown_.Width(), shown_.Height(), 0, 0, shown_.Width(), shown_.Height(),
                  shown_.Row(0), &info, DIB_RGB_COLORS, SRCCOPY);
  }

  Win32Display &display_;
  InputSink sink_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  bool disabled_owner_ = false;  // this window disabled the owner and enables it again
  Bitmap shown_;
};

class Win32Display final : public Display {
 public:
  const char *Name() const override { return "win32"; }

  std::unique_ptr<DisplayWindow> OpenWindow(const WindowPlacement &placement, InputSink sink) override {
    RegisterWindowClass();
    auto window = std::make_unique<Win32Window>(*this, placement, std::move(sink));
    windows_.push_back(window.get());
    return window;
  }

  void WaitForInput(std::optional<std::chrono::milliseconds> timeout) override {
    if (!DispatchPending()) {
      const DWORD wait = timeout ? DWORD(std::clamp<std::int64_t>(timeout->count(), 0, INFINITE - 1)) : INFINITE;
      MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      DispatchPending();
    }
    ThrowWhenLost();
  }

  bool EndsWhenIdle() const override { return false; }

  // A window of this display is gone: the modal loop ends at its next wait for input.
  void Lose(std::string reason) { lost_ = std::move(reason); }

  void Forget(Win32Window &window) {
    std::erase(windows_, &window);
    // A quit the host posted while its forms were up is the host's again.
    if (windows_.empty() && quit_code_) {
      PostQuitMessage(*quit_code_);
      quit_code_.reset();
    }
  }

 private:
  void ThrowWhenLost() {
    if (!lost_) return;
    const std::string reason = std::move(*lost_);
    lost_.reset();
    throw std::runtime_error(reason);
  }

  // Runs the messages of the thread (the host's windows' among them); false when none came.
  bool DispatchPending() {
    MSG message;
    bool any = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      any = true;
      if (message.message == WM_QUIT) {
        // The host is quitting: the forms are asked to close, and the quit waits for them.
        quit_code_ = int(message.wParam);
        const std::vector<Win32Window *> windows = windows_;
        for (Win32Window *window : windows) window->Send({.kind = InputEvent::Kind::CloseRequest});
        break;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
      // One key or button at a time: the form handles it before the next is taken, so what
      // the customer presses after a closing key stays queued for the window active then.
      if (IsUserInput(message.message)) break;
    }
    return any;
  }

  static bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
  }

  std::vector<Win32Window *> windows_;
  std::optional<int> quit_code_;
  std::optional<std::string> lost_;
};

Win32Window::Win32Window(Win32Display &display, const WindowPlacement &placement, InputSink sink)
    : display_(display), sink_(std::move(sink)) {
  const auto owner = reinterpret_cast<HWND>(placement.owner);
  owner_ = owner != nullptr && IsWindow(owner) ? owner : nullptr;
  window_ = CreateWindowExW(0, kWindowClassName, GbkToWide(placement.caption).c_str(), WS_POPUP, placement.left,
                            placement.top, std::max(placement.width, 1), std::max(placement.height, 1), owner_,
                            nullptr, ThisModule(), this);
  if (window_ == nullptr) throw std::runtime_error("the form's window cannot be created");
  // Modal: the host's window takes no input while a form is up.
  if (owner_ != nullptr) disabled_owner_ = EnableWindow(owner_, FALSE) == 0;
  ShowWindow(window_, SW_SHOW);
  // A kiosk may run without a shell to hand the new form the keyboard.
  SetForegroundWindow(window_);
}

Win32Window::~Win32Window() {
  if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);  // a window on its way out reports nothing
  // Enabled before the form goes, so the activation passes back to the owner.
  if (disabled_owner_) EnableWindow(owner_, TRUE);
  if (window_ != nullptr) DestroyWindow(window_);
  if (disabled_owner_) SetForegroundWindow(owner_);
  display_.Forget(*this);
}

// Not by this library: its own windows stop reporting before they go. The owner's destruction
// takes the screen with it, and so does a host that destroys it.
void Win32Window::DestroyedFromOutside() {
  window_ = nullptr;
  display_.Lose("the screen's window was destroyed from outside the library");
}

// No exception may unwind through the system's code: an error of an input handler ends here.
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
  auto *target = reinterpret_cast<Win32Window *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (target == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return target->Handle(window, message, wParam, lParam);
  } catch (const std::exception &error) {
    std::fprintf(stderr, "invoiceview: %s\n", GbkToUtf8(error.what()).c_str());
  } catch (...) {
    std::fprintf(stderr, "invoiceview: unknown error in a window's input\n");
  }
  return 0;
}

}  // namespace

std::unique_ptr<Display> OpenWin32Display() { return std::make_unique<Win32Display>(); }

}  // namespace iv
