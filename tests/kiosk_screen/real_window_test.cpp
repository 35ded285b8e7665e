// The invoice screen in a real window on a private X server, used as a customer would: keys
// and clicks from xdotool; a screenshot of the window is the frame the form painted.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/picture.h"
#include "tests/kiosk_screen/kiosk_copy.h"
#include "tests/support/xvfb_server.h"
#include "tests/support/xwd_image.h"

namespace iv {
namespace {

using ::testing::HasSubstr;
using test::CountLines;

// Starts kiosk-host in the background, waits for its window, then does `actions` to it
// ($win names the window). The host must end by itself: the script fails after 30 s.
std::string PersonScript(const std::string &hostCommand, const std::string &actions) {
  return "timeout 30 " + hostCommand + " > \"$KIOSK/stdout.txt\" & host=$!\n"
         "win=$(timeout 20 xdotool search --sync --name '^FrmView$' | head -n 1)\n"
         "[ -n \"$win\" ] || { kill $host; exit 3; }\n"
         "xdotool windowfocus --sync \"$win\"\n" +
         actions +
         "\nwait $host\n";
}

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (test::RunCommand("command -v Xvfb && command -v xdotool && command -v xwd").status != 0)
      GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed";
    ASSERT_TRUE(server.Running()) << "Xvfb did not start";
  }
  // Runs the script on the private display; the exit status of the host, 3 without a window.
  int Person(const std::string &businessKey, const std::string &hostArguments, const std::string &actions) {
    const std::string script =
        PersonScript(kiosk.HostCommand(businessKey, hostArguments), actions);
    kiosk.Write("person.sh", script);
    return test::RunCommand("env -u INVOICEVIEW_DISPLAY DISPLAY=" + server.Name() + " KIOSK=" + kiosk.Path().string() +
                            " sh " + kiosk.Path("person.sh").string())
        .status;
  }

  test::XvfbServer server{"1024x768x24"};
  test::KioskCopy kiosk{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(RealWindow, TheCustomerPagesPrintsAndLeavesByTheReturnButton) {
  // The snapshot is posted at activation; once it is written, the window shows the same frame.
  const int status = Person("WATER", "--keys Snap",
                            "while [ ! -s \"$KIOSK/snaps/001.png\" ]; do sleep 0.05; done\n"
                            "xwd -id \"$win\" -silent -out \"$KIOSK/window.xwd\"\n"
                            "xdotool key Down key Return\n"
                            "xdotool mousemove --window \"$win\" 716 488 click 1");
  ASSERT_EQ(status, 0) << kiosk.Read("stdout.txt") << kiosk.Read("stderr.txt");
  const std::string out = kiosk.Read("stdout.txt");
  EXPECT_EQ(CountLines(out, "ShowForm returned 1"), 1) << out;
  EXPECT_EQ(CountLines(out, "FormActivated"), 1) << out;
  EXPECT_THAT(out, HasSubstr("PrintText ")) << "Enter printed";
  EXPECT_EQ(kiosk.Read("stderr.txt"), "");

  const test::XwdImage window = test::ReadXwd(kiosk.Path("window.xwd").string());
  EXPECT_EQ(window.left, 77);
  EXPECT_EQ(window.top, 84);
  const Bitmap snapshot = LoadPicture(kiosk.Path("snaps/001.png").string());
  ASSERT_EQ(window.pixels.Width(), 808);
  ASSERT_EQ(window.pixels.Height(), 606);
  ASSERT_EQ(snapshot.Width(), 808);
  int differing = 0;
  for (int y = 0; y < 606; ++y)
    for (int x = 0; x < 808; ++x) differing += window.pixels.Pixel(x, y) != snapshot.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

TEST_F(RealWindow, EscapeTabAndThePrintButtonEachEndTheCall) {
  const std::pair<const char *, const char *> ways[] = {
      {"Escape", "xdotool key Escape"},
      {"Tab", "xdotool key Tab"},
      {"print button", "xdotool mousemove --window \"$win\" 617 488 click 1"},
  };
  for (const auto &[way, action] : ways) {
    EXPECT_EQ(Person("WATER", "", action), 0) << way << kiosk.Read("stderr.txt");
    EXPECT_EQ(CountLines(kiosk.Read("stdout.txt"), "ShowForm returned 1"), 1) << way;
  }
  EXPECT_FALSE(std::filesystem::exists(kiosk.Path("printed.txt"))) << "the print button does not print";
}

}  // namespace
}  // namespace iv
