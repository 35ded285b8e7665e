// The SDL back end in a real window on a private X server, driven the way a person drives it:
// xdotool types and clicks, xwd photographs the window, which must show the form's frame.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/graphic_control.h"
#include "platform/ui/timer.h"
#include "tests/support/xvfb_server.h"
#include "tests/support/window_test.h"
#include "tests/support/xwd_image.h"
#include "tests/platform/temp_folder.h"
#include "tests/support/command.h"

namespace iv {
namespace {

using ::testing::ElementsAre;

constexpr char kCaption[] = "invoiceview sdl window test";

// Photographs the window once the form says it is shown, then types, clicks and types Escape.
constexpr char kPersonScript[] = R"(set -e
win=$(xdotool search --sync --name "^$CAPTION\$" | head -n 1)
while [ ! -e "$SHOWN" ]; do sleep 0.05; done
xwd -id "$win" -silent -out "$SHOT"
xdotool windowfocus --sync "$win"
xdotool key Down a
xdotool mousemove --window "$win" "$CLICK_X" "$CLICK_Y" click 1
xdotool key Escape
)";

// A filled rectangle to click on.
class Swatch : public GraphicControl {
 public:
  using GraphicControl::GraphicControl;
  void Paint() override {
    GetCanvas().Brush().Color = RGB(0xC0, 0x30, 0x60);
    GetCanvas().FillRect(BoundsRect());
  }
};

// Every pixel differs from its neighbours and each channel from the others, so a swapped
// channel, a wrong stride or a shifted row shows.
void PaintGradient(Canvas &canvas) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      canvas.Target().SetPixel(x, y, RGB(std::uint8_t(x), std::uint8_t(y * 3), std::uint8_t(x ^ y)));
}

// The script runs in its own process group, so a hung xdotool can be ended with it.
pid_t StartScript(const std::string &logPath) {
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    if (std::freopen(logPath.c_str(), "w", stdout) != nullptr) dup2(fileno(stdout), STDERR_FILENO);
    execl("/bin/sh", "sh", "-c", kPersonScript, nullptr);
    _exit(127);
  }
  return pid;
}

int FinishScript(pid_t pid, bool kill) {
  if (kill) ::kill(-pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SdlWindowTest, ShowsTheFrameExactlyAndReportsKeysAndClicksInOrder) {
  if (test::RunCommand("command -v Xvfb && command -v xdotool && command -v xwd").status != 0)
    GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed";
  test::XvfbServer server;
  ASSERT_TRUE(server.Running()) << "Xvfb did not start";
  setenv("DISPLAY", server.Name().c_str(), 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  Application &application = Application::Instance();
  std::unique_ptr<Display> display = OpenSdlDisplay();
  ASSERT_NE(display, nullptr) << "SDL video did not start on " << server.Name();
  application.SetDisplay(std::move(display));

  // 317 pixels wide: rows of 951 bytes are padded to 952, so the stride must be honoured.
  Form form;
  form.SetBounds(10, 10, 317, 200);
  form.SetCaption(kCaption);
  form.SetOnEraseBackground(PaintGradient);
  Swatch swatch(form);
  swatch.SetBounds(40, 50, 60, 30);

  testing::TempFolder folder;
  const std::string shown = folder.Path() + "/shown", shot = folder.Path() + "/window.xwd";
  std::vector<std::string> handled, messages;
  form.OnActivate = [&](Control &) { folder.Write("shown", ""); };
  form.OnKeyDown = [&](Control &, std::uint16_t &key, TShiftState) {
    handled.push_back("KeyDown " + std::to_string(key));
  };
  // Escape closes on its character, not its key down: a closed form takes no more input, and
  // the character must be seen too.
  form.OnKeyPress = [&](Control &, char &key) {
    handled.push_back("KeyPress " + std::to_string(int(key)));
    if (key == 27) form.Close();
  };
  swatch.OnMouseDown = [&](Control &, TMouseButton button, TShiftState shift, int x, int y) {
    handled.push_back("MouseDown " + std::to_string(button) + " shift " + std::to_string(shift) + " at " +
                      std::to_string(x) + "," + std::to_string(y));
  };
  swatch.OnClick = [&](Control &) { handled.push_back("Click"); };
  application.OnMessage = [&](Form &, const InputEvent &event, bool &) {
    if (std::string text = test::DescribeKeyEvent(event); !text.empty()) messages.push_back(text);
  };
  const test::CloseWhenStillOpen guard(form, 20000);

  setenv("CAPTION", kCaption, 1);
  setenv("SHOWN", shown.c_str(), 1);
  setenv("SHOT", shot.c_str(), 1);
  setenv("CLICK_X", "50", 1);  // the swatch's (10, 12)
  setenv("CLICK_Y", "62", 1);
  const pid_t script = StartScript(folder.Path() + "/script.log");
  ASSERT_GT(script, 0);
  application.ShowModal(form);
  application.OnMessage = nullptr;
  const int scriptStatus = FinishScript(script, guard.Fired());

  EXPECT_FALSE(guard.Fired()) << "the form was still open after 20 s";
  EXPECT_EQ(scriptStatus, 0) << folder.Read("script.log");
  EXPECT_THAT(handled, ElementsAre("KeyDown 40", "KeyDown 65", "KeyPress 97",
                                   "MouseDown 0 shift 8 at 10,12", "Click", "KeyDown 27", "KeyPress 27"));
  // The Escape's key up comes after the form has closed, so the form never sees it.
  EXPECT_THAT(messages, ElementsAre("KeyDown 40 scan 80", "KeyUp 40 scan 80", "KeyDown 65 scan 30",
                                    "Char 97", "KeyUp 65 scan 30", "KeyDown 27 scan 1", "Char 27"));

  ASSERT_TRUE(std::filesystem::exists(shot)) << folder.Read("script.log");
  const test::XwdImage window = test::ReadXwd(shot);
  EXPECT_EQ(window.left, 10);
  EXPECT_EQ(window.top, 10);
  const Bitmap &screen = window.pixels;
  const Bitmap &frame = form.Surface();
  ASSERT_EQ(screen.Width(), frame.Width());
  ASSERT_EQ(screen.Height(), frame.Height());
  const test::PixelDifference difference = test::ComparePixels(screen, frame);
  EXPECT_EQ(difference.count, 0) << "first difference at " << difference.first;

  application.SetDisplay(nullptr);
}

}  // namespace
}  // namespace iv
