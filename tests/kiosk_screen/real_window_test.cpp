// The invoice screen in a real window on a private X server, used as a customer would: keys
// and clicks from xdotool while kiosk-host runs in the background. Every step waits for what
// the customer would see (the window mapped and holding the keyboard, the frame it shows, the
// host gone), never for a guessed time, so a slow machine or window system only takes longer.
// The frames come from the host's own snapshots of the form, so the window is compared with
// what the same build painted, whatever fonts it draws with.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/gfx/picture.h"
#include "platform/text/gbk.h"
#include "tests/kiosk_screen/kiosk_copy.h"
#include "tests/support/eventually.h"
#include "tests/support/xvfb_server.h"
#include "tests/support/xwd_image.h"

namespace iv {
namespace {

using ::testing::EndsWith;
using ::testing::StartsWith;
using test::CountLines;
using test::Eventually;

// The number of pixels in which two pictures differ; more than either has when their sizes
// differ or one is missing.
long Difference(const Bitmap &a, const Bitmap &b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Empty())
    return long(std::max(a.Width(), b.Width())) * std::max(a.Height(), b.Height()) + 1;
  long differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += a.Pixel(x, y) != b.Pixel(x, y);
  return differing;
}

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (test::RunCommand("command -v Xvfb && command -v xdotool && command -v xwd").status != 0)
      GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed";
    ASSERT_TRUE(server.Running()) << "Xvfb did not start";
  }

  test::CommandResult OnDisplay(const std::string &command) {
    return test::RunCommand("unset INVOICEVIEW_DISPLAY; export DISPLAY=" + server.Name() + "; " + command, false);
  }

  // Starts kiosk-host in the background with stdout in stdout.txt and, once it has ended, its
  // exit status in status.txt. It must end by itself: it is stopped after a minute.
  void StartHost(const std::string &arguments) {
    for (const char *left : {"status.txt", "stdout.txt", "snaps/001.png", "snaps/002.png"}) kiosk.Remove(left);
    OnDisplay("(timeout 60 " + kiosk.HostCommand("WATER", arguments) + " > " + kiosk.Path("stdout.txt").string() +
              "; echo $? > " + kiosk.Path("status.txt").string() + ") > /dev/null 2>&1 &");
  }
  // The host's exit status once it has ended; -1 when it has not.
  int HostStatus() {
    std::string status;
    Eventually([&] { return (status = kiosk.Read("status.txt")).ends_with('\n'); });
    return status.empty() ? -1 : std::stoi(status);
  }

  // The form's window once it is on the screen and holds the keyboard focus; empty when none
  // appears.
  std::string FormWindow() {
    const std::string found =
        OnDisplay("timeout 20 xdotool search --sync --onlyvisible --name '^FrmView$' | head -n 1").output;
    const std::string window = found.substr(0, found.find('\n'));
    if (window.empty() || OnDisplay("timeout 20 xdotool windowfocus --sync " + window).status != 0) return {};
    return window;
  }
  test::XwdImage Photograph(const std::string &window) {
    const std::string path = kiosk.Path("window.xwd").string();
    if (OnDisplay("xwd -id " + window + " -silent -out " + path).status != 0) return {};
    return test::ReadXwd(path);
  }
  // Waits until the window shows `frame`; the pixels that differed last.
  long ShowsEventually(const std::string &window, const Bitmap &frame) {
    long differing = 0;
    Eventually([&] { return (differing = Difference(Photograph(window).pixels, frame)) == 0; });
    return differing;
  }
  // A snapshot the host took, once it is completely written.
  Bitmap Snapshot(const std::string &name) {
    Bitmap snapshot;
    Eventually([&] {
      try {
        snapshot = LoadPicture(kiosk.Path("snaps/" + name).string());
      } catch (const std::exception &) {
        // not there yet, or still being written
      }
      return !snapshot.Empty();
    });
    return snapshot;
  }

  test::XvfbServer server{"1024x768x24"};
  test::KioskCopy kiosk{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(RealWindow, TheCustomerPagesPrintsTheReceiptAndLeavesWithEscape) {
  // The host pages by itself first and snapshots both pages, so the window ends up on page 1.
  StartHost("--keys Down,Snap,Up,Snap");
  const std::string window = FormWindow();
  ASSERT_FALSE(window.empty()) << "no form window; stderr: " << kiosk.Read("stderr.txt");
  const Bitmap page2 = Snapshot("001.png"), page1 = Snapshot("002.png");
  ASSERT_EQ(page1.Width(), 808);
  ASSERT_EQ(page1.Height(), 606);
  ASSERT_GT(Difference(page1, page2), 0) << "the invoice has a second page";
  EXPECT_EQ(ShowsEventually(window, page1), 0) << "the window shows the form's frame";

  OnDisplay("xdotool key Down");
  EXPECT_EQ(ShowsEventually(window, page2), 0) << "Down shows page 2";
  const test::XwdImage shot = Photograph(window);
  EXPECT_EQ(shot.left, 77);
  EXPECT_EQ(shot.top, 84);

  OnDisplay("xdotool key Return key Escape");
  ASSERT_EQ(HostStatus(), 0) << kiosk.Read("stdout.txt") << kiosk.Read("stderr.txt");
  const std::string out = kiosk.Read("stdout.txt");
  EXPECT_EQ(CountLines(out, "ShowForm returned 1"), 1) << out;
  EXPECT_EQ(CountLines(out, "FormActivated"), 1) << "the form kept the focus throughout\n" << out;
  EXPECT_EQ(kiosk.Read("stderr.txt"), "");
  // Enter printed one receipt (its lines are checked headless), Escape ended the call.
  const std::string receipt = GbkToUtf8(kiosk.Read("printed.txt"));
  EXPECT_THAT(receipt, StartsWith("中国工商银行郑州金水支行\r\n"));
  EXPECT_THAT(receipt, EndsWith("\r\n请妥善保管此凭条\r\n"));
  EXPECT_EQ(receipt.find("请妥善保管此凭条"), receipt.rfind("请妥善保管此凭条")) << receipt;
}

TEST_F(RealWindow, TabAndEitherButtonEndTheCallToo) {
  // xdotool's arguments; $win is the form's window.
  const std::pair<const char *, const char *> ways[] = {
      {"Tab", "key Tab"},
      {"return button", "mousemove --window $win 716 488 click 1"},
      {"print button", "mousemove --window $win 617 488 click 1"},
  };
  for (const auto &[way, action] : ways) {
    StartHost("--keys Snap");
    const std::string window = FormWindow();
    ASSERT_FALSE(window.empty()) << way << ": no form window; stderr: " << kiosk.Read("stderr.txt");
    EXPECT_EQ(ShowsEventually(window, Snapshot("001.png")), 0) << way;
    OnDisplay("win=" + window + "; xdotool " + action);
    EXPECT_EQ(HostStatus(), 0) << way << kiosk.Read("stderr.txt");
    EXPECT_EQ(CountLines(kiosk.Read("stdout.txt"), "ShowForm returned 1"), 1) << way;
  }
  EXPECT_FALSE(std::filesystem::exists(kiosk.Path("printed.txt"))) << "the print button does not print";
}

// The X server dies while the bill is shown (killed, or ended by its manager): each call ends at
// once with the failure in the library's log, a later call of the same process shows nothing and
// says so, and the host ends by itself as it would after any call; no process stays behind.
TEST_F(RealWindow, AnXServerThatDiesEndsTheCallsAndLeavesTheHostFreeToEnd) {
  for (const int signal : {SIGKILL, SIGTERM}) {
    SCOPED_TRACE(signal);
    test::XvfbServer dying{"1024x768x24"};
    ASSERT_TRUE(dying.Running());
    for (const char *left : {"status.txt", "stdout.txt", "Log/ErrorLog.txt"}) kiosk.Remove(left);
    test::RunCommand("unset INVOICEVIEW_DISPLAY; export DISPLAY=" + dying.Name() + "; (timeout 60 " +
                         kiosk.HostCommand("WATER", "--calls 2") + " > " + kiosk.Path("stdout.txt").string() +
                         "; echo $? > " + kiosk.Path("status.txt").string() + ") > /dev/null 2>&1 &",
                     false);
    ASSERT_TRUE(Eventually([&] { return CountLines(kiosk.Read("stdout.txt"), "FormActivated") == 1; }))
        << kiosk.Read("stderr.txt");
    dying.Stop(signal);
    EXPECT_TRUE(Eventually([&] { return kiosk.Read("status.txt").ends_with('\n'); }, std::chrono::seconds(2)))
        << "the host still runs 2 s after its display died";
    ASSERT_EQ(HostStatus(), 0) << kiosk.Read("stderr.txt");
    const std::string out = kiosk.Read("stdout.txt");
    EXPECT_EQ(CountLines(out, "ShowForm returned 1"), 2) << out;
    const std::string failure =
        "ShowForm: the invoice screen could not be shown: the display server (x11) closed the connection; a later "
        "call shows nothing until the host is restarted";
    EXPECT_EQ(CountLines(kiosk.Read("Log/ErrorLog.txt"), failure + "\r"), 2) << kiosk.Read("Log/ErrorLog.txt");
  }
}

// A customer who walks off: with IdleTimeout set, the screen closes by itself and the call returns
// as after Escape, with the reason in the library's log.
TEST_F(RealWindow, AnUntouchedScreenClosesByItselfAfterItsTimeOut) {
  std::string settings = kiosk.Read("INI/FormatShow.ini");
  settings.insert(settings.find("DisPlayName=WATERBILL"), "IdleTimeout=1\n");
  kiosk.Write("INI/FormatShow.ini", settings);
  kiosk.Remove("Log/ErrorLog.txt");
  StartHost("");
  ASSERT_FALSE(FormWindow().empty()) << kiosk.Read("stderr.txt");
  ASSERT_EQ(HostStatus(), 0) << kiosk.Read("stderr.txt");
  EXPECT_EQ(CountLines(kiosk.Read("stdout.txt"), "ShowForm returned 1"), 1);
  EXPECT_EQ(CountLines(kiosk.Read("Log/ErrorLog.txt"),
                       "FrmView: no key or touch for 1 s, IdleTimeout of [WATER] in FormatShow.ini: the invoice "
                       "screen closed as Escape closes it\r"),
            1)
      << kiosk.Read("Log/ErrorLog.txt");
}

}  // namespace
}  // namespace iv
