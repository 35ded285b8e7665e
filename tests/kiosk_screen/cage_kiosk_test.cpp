// The Linux kiosk as it is deployed: kiosk-host under the cage Wayland compositor (its headless
// back end, no GPU), as a user other than root, the programs and the kiosk folder copied away
// from the build tree. What the compositor puts on the output (taken with grim) must be what
// the same build paints headless; a page turn, the receipt and the call's return go through
// the host's own key list, since cage offers no way to type into it from outside.
#include <gtest/gtest.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <algorithm>
#include <cctype>
#include <string_view>
#include <string>

#include "platform/gfx/picture.h"
#include "tests/kiosk_screen/kiosk_copy.h"
#include "tests/support/eventually.h"

namespace iv {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;

// The pixels of `part` that differ from `whole`'s at the same place; all of them when `whole`
// is too small to hold it.
long DifferingPixels(const Bitmap &whole, const Bitmap &part) {
  if (whole.Width() < part.Width() || whole.Height() < part.Height() || part.Empty())
    return long(part.Width()) * part.Height() + 1;
  long differing = 0;
  for (int y = 0; y < part.Height(); ++y)
    for (int x = 0; x < part.Width(); ++x) differing += whole.Pixel(x, y) != part.Pixel(x, y);
  return differing;
}

// The receipt with the digits of its time stamps (yyyy-mm-dd hh:nn:ss) blanked out.
std::string WithoutClock(std::string receipt) {
  static constexpr std::string_view kShape = "0000-00-00 00:00:00";
  for (std::size_t at = 0; at + kShape.size() <= receipt.size(); ++at) {
    const bool stamp = std::equal(kShape.begin(), kShape.end(), receipt.begin() + at, [](char shape, char c) {
      return shape == '0' ? c >= '0' && c <= '9' : c == shape;
    });
    if (stamp) std::replace_if(receipt.begin() + at, receipt.begin() + at + kShape.size(), ::isdigit, '#');
  }
  return receipt;
}

class CageKiosk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (RunCommand("command -v cage && command -v grim").status != 0)
      GTEST_SKIP() << "cage or grim is not installed (./run test installs them)";
    // cage refuses to run as root: root runs it as nobody, anyone else as themselves. Its
    // Xwayland refuses an X socket folder that root does not own, which nobody may have made.
    if (::geteuid() == 0) {
      as_user_ = "runuser -u nobody -- ";
      RunCommand("mkdir -p /tmp/.X11-unix && chown root:root /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix");
    }
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    fs::copy_file(test::ProgramPath("IV_TEST_KIOSK_HOST", IV_KIOSK_HOST), root_ / "bin/kiosk-host");
    fs::copy_file(test::ProgramPath("IV_TEST_PLUGIN", IV_PLUGIN_PATH), root_ / "bin/libinvoiceview.so");
    fs::copy(kiosk_.Path(), root_ / "kiosk", fs::copy_options::recursive);
    fs::create_directories(root_ / "runtime");
    ASSERT_EQ(RunCommand("chmod -R a+rwX " + root_.string()).status, 0);
    if (!as_user_.empty()) {
      ASSERT_EQ(RunCommand("chown nobody " + Path("runtime")).status, 0);
    }
    fs::permissions(root_ / "runtime", fs::perms::owner_all);

    // What the same build paints headless: page 2 of the water bill, and its receipt.
    const auto headless = kiosk_.Run("WATER", "--keys Down,Snap,Enter,Escape");
    ASSERT_EQ(headless.status, 0) << headless.output;
    page2_ = LoadPicture(kiosk_.Path("snaps/001.png").string());
    receipt_ = kiosk_.Read("printed.txt");
    ASSERT_FALSE(receipt_.empty());
  }
  void TearDown() override {
    RunCommand("pkill -KILL -f '^" + Path("bin/kiosk-host") + "'");
    fs::remove_all(root_);
  }

  std::string Path(const std::string &relative) const { return (root_ / relative).string(); }
  std::string AsKioskUser(const std::string &command) const {
    // A sanitizer build's leak report would name the system's graphics libraries, and its
    // suppression file may lie where the kiosk user cannot read it.
    return as_user_ + "env -u LSAN_OPTIONS ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" XDG_RUNTIME_DIR=" +
           Path("runtime") + " " + command;
  }

  // Starts cage with kiosk-host on the water bill in the background; status.txt gets cage's
  // exit status once it ends (by itself when kiosk-host ends, or after a minute).
  void StartCage(const std::string &keys) {
    const std::string host = Path("bin/kiosk-host") + " --plugin " + Path("bin/libinvoiceview.so") + " --kiosk " +
                             Path("kiosk") + " --business-key WATER --data " + Path("kiosk/transaction-water.txt") +
                             " --skins " + Path("kiosk/skins") + " --snapshot-dir " + Path("kiosk/snaps") +
                             " --print-out " + Path("kiosk/printed.txt") + " --keys " + keys;
    const std::string cage = AsKioskUser(
        "WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman SDL_VIDEODRIVER=wayland "
        "timeout 60 cage -- " + host);
    RunCommand("(" + cage + " > " + Path("stdout.txt") + " 2> " + Path("stderr.txt") + "; echo $? > " +
               Path("status.txt") + ") > /dev/null 2>&1 &");
  }
  int CageStatus() const {
    std::string status;
    test::Eventually([&] { return (status = Read("status.txt")).ends_with('\n'); }, std::chrono::seconds(70));
    return status.empty() ? -1 : std::stoi(status);
  }
  std::string Read(const std::string &relative) const {
    std::ifstream file(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
  // The compositor's output as grim takes it; empty while there is none yet.
  Bitmap Output() const {
    const std::string shot = Path("output.png");
    fs::remove(shot);
    if (RunCommand(AsKioskUser("WAYLAND_DISPLAY=wayland-0 grim " + shot)).status != 0) return {};
    try {
      return LoadPicture(shot);
    } catch (const std::exception &) {
      return {};
    }
  }

  test::KioskCopy kiosk_{"cage-reference"};
  fs::path root_ = fs::temp_directory_path() / ("iv-cage-" + std::to_string(::getpid()));
  std::string as_user_;
  Bitmap page2_;
  std::string receipt_;
};

TEST_F(CageKiosk, TheOutputShowsThePaintedScreenAndTheKeyListPagesPrintsAndReturns) {
  // Down, then nothing: the customer looks at page 2.
  StartCage("Down");
  Bitmap output;
  long differing = -1;
  test::Eventually([&] {
    output = Output();
    return (differing = DifferingPixels(output, page2_)) == 0 || Read("status.txt").ends_with('\n');
  });
  if (differing != 0 && Read("stdout.txt").empty())
    GTEST_SKIP() << "cage could not start here: " << Read("stderr.txt");
  const bool shown = differing == 0;
  EXPECT_TRUE(shown) << differing << " pixels of the output's top-left corner differ from the painted screen";
  // A larger output shows the screen in its top-left corner, the rest black.
  ASSERT_GT(output.Width(), page2_.Width());
  EXPECT_EQ(output.Pixel(output.Width() - 1, output.Height() - 1), 0u);
  EXPECT_EQ(output.Pixel(page2_.Width(), 0), 0u);
  RunCommand("pkill -TERM -f '^" + Path("bin/kiosk-host") + "'");
  CageStatus();

  // The whole visit through the key list: page 2 painted on the live display, the receipt
  // printed, Escape returns, and cage ends with its client.
  fs::remove_all(root_ / "kiosk/snaps");
  fs::create_directories(root_ / "kiosk/snaps");
  RunCommand("chmod a+rwX " + Path("kiosk/snaps"));
  fs::remove(root_ / "status.txt");
  StartCage("Down,Snap,Enter,Escape");
  EXPECT_EQ(CageStatus(), 0) << Read("stderr.txt");
  const std::string out = Read("stdout.txt");
  EXPECT_NE(out.find("FormActivated\n"), std::string::npos) << out;
  EXPECT_NE(out.find("PrintText "), std::string::npos) << out;
  EXPECT_TRUE(out.ends_with("ShowForm returned 1\n")) << out;
  EXPECT_EQ(DifferingPixels(LoadPicture(Path("kiosk/snaps/001.png")), page2_), 0);
  EXPECT_EQ(WithoutClock(Read("kiosk/printed.txt")), WithoutClock(receipt_));
}

// The compositor ends while the bill is shown (stopped, or killed outright): the call ends at
// once with the failure in the library's log, and the host, which outlives it, goes on.
TEST_F(CageKiosk, ACompositorThatEndsEndsTheCallWithTheFailureLogged) {
  for (const char *signal : {"TERM", "KILL"}) {
    SCOPED_TRACE(signal);
    for (const char *left : {"status.txt", "stdout.txt", "kiosk/Log/ErrorLog.txt"}) fs::remove(root_ / left);
    StartCage("Down");
    const bool shown = test::Eventually([&] {
      return DifferingPixels(Output(), page2_) == 0 || Read("status.txt").ends_with('\n');
    }) && !Read("status.txt").ends_with('\n');
    if (!shown && Read("stdout.txt").empty()) GTEST_SKIP() << "cage could not start here: " << Read("stderr.txt");
    ASSERT_TRUE(shown) << Read("stdout.txt") << Read("stderr.txt");
    RunCommand(std::string("pkill -") + signal + " -f '^cage -- " + Path("bin/kiosk-host") + "'");
    EXPECT_TRUE(test::Eventually([&] { return Read("stdout.txt").ends_with("ShowForm returned 1\n"); },
                                 std::chrono::seconds(2)))
        << "the call still runs 2 s after its compositor ended: " << Read("stdout.txt");
    EXPECT_NE(Read("kiosk/Log/ErrorLog.txt")
                  .find("\r\nShowForm: the invoice screen could not be shown: the display server (wayland) closed the "
                        "connection; a later call shows nothing until the host is restarted\r\n"),
              std::string::npos)
        << Read("kiosk/Log/ErrorLog.txt");
    CageStatus();
  }
}

}  // namespace
}  // namespace iv
