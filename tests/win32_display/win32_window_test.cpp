// The Win32 back end in a real window: it shows the form's frame pixel for pixel as a popup
// at the form's bounds, keeps the host's window disabled while it is up and hands it the
// activation back, and reports keys synthesised through the system, characters and clicks as
// the other back ends report pressed ones.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/timer.h"
#include "tests/support/window_test.h"

// Last: windows.h makes macros of names the project's headers declare (VK_ESCAPE, TextOut, ...).
#include <windows.h>

#include "platform/gfx/dib_win32.h"

namespace iv {
namespace {

using ::testing::ElementsAre;

constexpr wchar_t kCaption[] = L"invoiceview win32 window test";

// Every pixel differs from its neighbours and each channel from the others, so a swapped
// channel, a wrong stride or a shifted row shows.
void PaintGradient(Canvas &canvas) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      canvas.Target().SetPixel(x, y, RGB(std::uint8_t(x), std::uint8_t(y * 3), std::uint8_t(x ^ y)));
}

// The window's client area as the screen shows it.
Bitmap ReadBack(HWND window, int width, int height) {
  Bitmap pixels(width, height);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  const BITMAPINFO info = TopDownDibInfo(width, height, 24);
  void *bits = nullptr;
  HBITMAP image = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, image);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  for (int y = 0; y < height; ++y)
    std::memcpy(pixels.Row(y), static_cast<const std::uint8_t *>(bits) + std::size_t(y) * pixels.Stride(),
                std::size_t(width) * 3);
  SelectObject(memory, previous);
  DeleteObject(image);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return pixels;
}

void Stroke(std::uint8_t vk) {
  const auto scan = std::uint8_t(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  EXPECT_TRUE(keybd_event(vk, scan, 0));
  EXPECT_TRUE(keybd_event(vk, scan, KEYEVENTF_KEYUP));
}

std::string Describe(const InputEvent &event) {
  const std::string at = " at " + std::to_string(event.x) + "," + std::to_string(event.y);
  switch (event.kind) {
    case InputEvent::Kind::MouseDown: return "MouseDown" + at + " shift " + std::to_string(event.shift);
    case InputEvent::Kind::MouseUp: return "MouseUp" + at + " shift " + std::to_string(event.shift);
    default: return test::DescribeKeyEvent(event);
  }
}

TEST(Win32WindowTest, ShowsTheFrameOverItsDisabledOwnerAndReportsInputAsPressed) {
  Application &application = Application::Instance();
  application.SetDisplay(OpenWin32Display());
  HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  SetForegroundWindow(host);
  application.SetHandle(reinterpret_cast<std::uintptr_t>(host));

  // 317 pixels wide: rows of 951 bytes are padded to 952, so the stride must be honoured.
  Form form;
  form.SetBounds(10, 20, 317, 200);
  form.SetCaption("invoiceview win32 window test");
  form.SetOnEraseBackground(PaintGradient);

  HWND window = nullptr;
  Bitmap screen;
  RECT placed{};
  BOOL hostEnabledWhileUp = TRUE;
  std::vector<std::string> handled, messages;
  form.OnActivate = [&](Control &) {
    if (window != nullptr) return;
    window = FindWindowW(nullptr, kCaption);
    ASSERT_NE(window, nullptr);
    screen = ReadBack(window, form.Width(), form.Height());
    GetWindowRect(window, &placed);
    hostEnabledWhileUp = IsWindowEnabled(host);
    EXPECT_EQ(GetWindow(window, GW_OWNER), host);
    EXPECT_EQ(DWORD(GetWindowLongW(window, GWL_STYLE)) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), DWORD(WS_POPUP));
    Stroke(VK_DOWN);
  };
  // Posted messages come before the system's input, so the character and the click arrive
  // before the Escape stroked after them.
  form.OnKeyUp = [&](Control &, std::uint16_t &key, TShiftState) {
    if (key != VK_DOWN) return;
    PostMessageW(window, WM_CHAR, L'中', 0);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(30, 40));
    PostMessageW(window, WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(30, 40));
    Stroke(VK_ESCAPE);
  };
  form.OnKeyPress = [&](Control &, char &key) {
    handled.push_back("KeyPress " + std::to_string(int(static_cast<unsigned char>(key))));
    if (key == 27) form.Close();
  };
  form.OnClick = [&](Control &) { handled.push_back("Click"); };
  application.OnMessage = [&](Form &, const InputEvent &event, bool &) {
    if (std::string text = Describe(event); !text.empty()) messages.push_back(text);
  };
  const test::CloseWhenStillOpen guard(form, 20000);

  application.ShowModal(form);
  application.OnMessage = nullptr;

  EXPECT_FALSE(guard.Fired()) << "the form was still open after 20 s";
  EXPECT_THAT(messages, ElementsAre("KeyDown 40 scan 80", "KeyUp 40 scan 80", "Char 214", "Char 208",
                                    "MouseDown at 30,40 shift 9", "MouseUp at 30,40 shift 1", "KeyDown 27 scan 1",
                                    "Char 27"));
  EXPECT_THAT(handled, ElementsAre("KeyPress 214", "KeyPress 208", "Click", "KeyPress 27"));

  EXPECT_FALSE(hostEnabledWhileUp);
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_EQ(GetForegroundWindow(), host);
  EXPECT_EQ(FindWindowW(nullptr, kCaption), nullptr);
  EXPECT_EQ(placed.left, 10);
  EXPECT_EQ(placed.top, 20);
  EXPECT_EQ(placed.right, 10 + 317);
  EXPECT_EQ(placed.bottom, 20 + 200);

  const Bitmap &frame = form.Surface();
  ASSERT_EQ(screen.Width(), frame.Width());
  ASSERT_EQ(screen.Height(), frame.Height());
  const test::PixelDifference difference = test::ComparePixels(screen, frame);
  EXPECT_EQ(difference.count, 0) << "first difference at " << difference.first;

  DestroyWindow(host);
  application.SetHandle(0);
  application.SetDisplay(nullptr);
}

// A host's modal loop hands a quit on: the forms are asked to close, and the host's own loop
// still finds the quit once they are gone.
TEST(Win32WindowTest, AQuitPostedWhileAFormIsUpClosesItAndStaysForTheHost) {
  Application &application = Application::Instance();
  application.SetDisplay(OpenWin32Display());
  Form form;
  form.SetBounds(10, 20, 100, 50);
  form.OnActivate = [](Control &) { PostQuitMessage(7); };
  bool closeAsked = false;
  form.OnClose = [&](Control &, TCloseAction &) { closeAsked = true; };
  const test::CloseWhenStillOpen guard(form, 5000);

  application.ShowModal(form);
  EXPECT_TRUE(closeAsked);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
  application.SetDisplay(nullptr);
}

}  // namespace
}  // namespace iv
