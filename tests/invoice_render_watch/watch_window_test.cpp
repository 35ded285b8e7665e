// invoice-render --watch used as a template author would: the preview window shows what the
// kiosk paints, follows edits saved in place and by rename, pages, zooms and quits from the
// keyboard; it marks the problems on the page and tells where a clicked text comes from. Each
// picture the window shows is compared with the tool's own PNG of the same files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "platform/gfx/picture.h"
#include "tests/support/command.h"
#include "tests/support/eventually.h"
#include "tests/support/program_path.h"
#include "tests/support/xvfb_server.h"
#include "tests/support/xwd_image.h"
#include "tools/invoice_preview/watch_window.h"

namespace iv::test {
namespace {

namespace fs = std::filesystem;

// The build's own tool, or another build's (the Windows one under wine) that the environment names.
const std::string kTool = ProgramPath("IV_TEST_INVOICE_RENDER", IV_INVOICE_RENDER);
// The template in the work folder, the data files in a folder of their own: both are watched.
const std::string kArguments =
    "SaleInvoice.txt SALE --head data/sale-head.txt --detail data/sale-detail.txt --tail data/sale-tail.txt";

std::string ReadBytes(const fs::path &path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

void WriteBytes(const fs::path &path, const std::string &bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// The number of pixels in which the page part of `window` (the strip below it aside) differs
// from `page` enlarged `zoom` times; every pixel when the sizes do not match.
long Difference(const Bitmap &window, const Bitmap &page, int zoom = 1) {
  if (window.Width() != page.Width() * zoom || window.Height() <= page.Height() * zoom)
    return long(window.Width()) * window.Height() + 1;
  long differing = 0;
  for (int y = 0; y < page.Height() * zoom; ++y)
    for (int x = 0; x < window.Width(); ++x) differing += window.Pixel(x, y) != page.Pixel(x / zoom, y / zoom);
  return differing;
}

bool IsMarkColour(TColor pixel) {
  return pixel == iv::WatchWindow::kErrorMarkColor || pixel == iv::WatchWindow::kWarningMarkColor;
}

// A text's box on the page as --trace reports it.
struct TracedBox {
  int x = 0, y = 0, w = 0, h = 0;
  // Within `distance` pixels of the box, outside it.
  bool Around(int px, int py, int distance) const {
    const bool near = px >= x - distance && px < x + w + distance && py >= y - distance && py < y + h + distance;
    const bool inside = px >= x && px < x + w && py >= y && py < y + h;
    return near && !inside;
  }
};

// The box of each text the trace lists, by its template line (the last text of a line wins).
std::map<int, TracedBox> BoxesByLine(const std::string &trace) {
  std::map<int, TracedBox> boxes;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    TracedBox box;
    int templateLine = 0;
    const std::size_t boxAt = line.rfind(" w=");
    if (std::sscanf(line.c_str(), "page=%*d x=%d y=%d", &box.x, &box.y) == 2 && boxAt != std::string::npos &&
        std::sscanf(line.c_str() + boxAt, " w=%d h=%d at=%d:", &box.w, &box.h, &templateLine) == 3)
      boxes[templateLine] = box;
  }
  return boxes;
}

class WatchWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (RunCommand("command -v Xvfb && command -v xdotool && command -v xwd").status != 0)
      GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed";
    ASSERT_TRUE(server_.Running()) << "Xvfb did not start";
    folder_ = fs::temp_directory_path() / ("invoice-render-watch-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "data");
    fs::copy(fs::path(IV_SOURCE_DIR) / "examples/kiosk/INI/SaleInvoice.txt", folder_ / "SaleInvoice.txt");
    for (const char *name : {"sale-head.txt", "sale-detail.txt", "sale-tail.txt"})
      fs::copy(fs::path(IV_SOURCE_DIR) / "docs/template-data" / name, folder_ / "data" / name);
  }
  void TearDown() override {
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  CommandResult InFolder(const std::string &command) {
    return RunCommand("cd '" + folder_.string() + "' && " + command);
  }
  CommandResult OnDisplay(const std::string &command) {
    return InFolder("export DISPLAY=" + server_.Name() + " && " + command);
  }

  // The tool's own PNG of page `page` of the files as they are now.
  Bitmap Rendered(int page) {
    const CommandResult result =
        InFolder("'" + kTool + "' " + kArguments + " --page " + std::to_string(page) + " --out ref");
    EXPECT_EQ(result.status, 0) << result.output;
    return LoadPicture((folder_ / ("ref-" + std::to_string(page) + ".png")).string());
  }

  Bitmap Photograph() {
    if (OnDisplay("xwd -id " + window_ + " -silent -out shot.xwd").status != 0) return {};
    return ReadXwd((folder_ / "shot.xwd").string()).pixels;
  }
  std::string Title() {
    std::string name = OnDisplay("xdotool getwindowname " + window_).output;
    if (name.ends_with('\n')) name.pop_back();
    return name;
  }

  // Waits until `done` holds; the tool has 10 s, far more than it ever needs, for each step.
  // Waits for the window to show `page` enlarged `zoom` times; the pixels that differ last.
  long ShowsEventually(const Bitmap &page, int zoom = 1) {
    long differing = 0;
    Eventually([&] { return (differing = Difference(Photograph(), page, zoom)) == 0; });
    return differing;
  }

  XvfbServer server_{"1700x1400x24"};  // the page twice enlarged, and the strip
  fs::path folder_;
  std::string window_;
};

TEST_F(WatchWindow, FollowsEditsPagesZoomsAndQuits) {
  ASSERT_EQ(OnDisplay("(timeout 120 '" + kTool + "' " + kArguments +
                      " --watch > out.txt 2> err.txt; echo $? > status.txt) > /dev/null 2>&1 &")
                .status,
            0);
  const CommandResult search = OnDisplay("timeout 20 xdotool search --sync --name '^SALE - page 1/2 - 0 problems$'");
  ASSERT_EQ(search.status, 0) << "no window; stderr: " << ReadBytes(folder_ / "err.txt");
  window_ = search.output.substr(0, search.output.find('\n'));
  const Bitmap firstPage = Rendered(1);
  EXPECT_EQ(ShowsEventually(firstPage), 0) << "the window shows page 1 as the tool renders it";

  // Saved in place: a text and an unknown command before the end of the invoice.
  const std::string original = ReadBytes(folder_ / "SaleInvoice.txt");
  const std::size_t end = original.find("<END()>");
  ASSERT_NE(end, std::string::npos);
  std::string edited = original;
  edited.insert(end, "<FORCEPOSITION(60,560)>EDITED IN PLACE<BOGUS()>");
  WriteBytes(folder_ / "SaleInvoice.txt", edited);
  const Bitmap inPlace = Rendered(1);
  EXPECT_GT(Difference(inPlace, firstPage), 0);
  EXPECT_EQ(ShowsEventually(inPlace), 0) << "an edit saved in place shows";
  EXPECT_EQ(Title(), "SALE - page 1/2 - 1 problem");
  EXPECT_NE(ReadBytes(folder_ / "err.txt").find("BOGUS"), std::string::npos) << "problems go to stderr";

  ASSERT_EQ(OnDisplay("xdotool windowfocus --sync " + window_ + " key Down").status, 0);
  EXPECT_TRUE(Eventually([&] { return Title() == "SALE - page 2/2 - 1 problem"; })) << Title();
  EXPECT_EQ(ShowsEventually(Rendered(2)), 0) << "Down shows page 2";

  // Saved by rename over the template: the unknown command is gone, page 2 stays.
  edited = original;
  edited.insert(end, "<FORCEPOSITION(60,560)>SAVED BY RENAME");
  WriteBytes(folder_ / "SaleInvoice.txt.new", edited);
  fs::rename(folder_ / "SaleInvoice.txt.new", folder_ / "SaleInvoice.txt");
  EXPECT_EQ(ShowsEventually(Rendered(2)), 0) << "an edit saved by rename shows on the same page";
  EXPECT_EQ(Title(), "SALE - page 2/2 - 0 problems");

  // A template missing while a data file changes: the tool keeps its picture and goes on.
  const Bitmap beforeMissing = Photograph();
  fs::rename(folder_ / "SaleInvoice.txt", folder_ / "SaleInvoice.txt.away");
  std::string head = ReadBytes(folder_ / "data/sale-head.txt");
  const std::size_t customer = head.find("3100228811");
  ASSERT_NE(customer, std::string::npos);
  WriteBytes(folder_ / "data/sale-head.txt", head.replace(customer, 10, "4200339922"));
  EXPECT_TRUE(Eventually([&] {
    return ReadBytes(folder_ / "err.txt").find("cannot read template SaleInvoice.txt") != std::string::npos;
  }));
  const Bitmap whileMissing = Photograph();
  ASSERT_EQ(whileMissing.Height(), beforeMissing.Height());
  long changed = 0;
  for (int y = 0; y < whileMissing.Height(); ++y)
    for (int x = 0; x < whileMissing.Width(); ++x) changed += whileMissing.Pixel(x, y) != beforeMissing.Pixel(x, y);
  EXPECT_EQ(changed, 0) << "the last picture stays, and what the strip says";
  fs::rename(folder_ / "SaleInvoice.txt.away", folder_ / "SaleInvoice.txt");
  const Bitmap newCustomer = Rendered(2);
  EXPECT_GT(Difference(beforeMissing, newCustomer), 0);
  EXPECT_EQ(ShowsEventually(newCustomer), 0) << "the template back and the new data file show";

  ASSERT_EQ(OnDisplay("xdotool windowfocus --sync " + window_ + " key plus").status, 0);
  EXPECT_EQ(ShowsEventually(newCustomer, 2), 0) << "+ doubles every pixel and the window";
  ASSERT_EQ(OnDisplay("xdotool key minus key Up").status, 0);
  EXPECT_EQ(ShowsEventually(Rendered(1)), 0) << "- and Up: page 1 at its real size";

  ASSERT_EQ(OnDisplay("xdotool key Escape").status, 0);
  EXPECT_TRUE(Eventually([&] { return !ReadBytes(folder_ / "status.txt").empty(); }));
  EXPECT_EQ(ReadBytes(folder_ / "status.txt"), "0\n") << ReadBytes(folder_ / "err.txt");
}

TEST_F(WatchWindow, MarksProblemsOnTheLayerAndPrintsAClickedTextsPlace) {
  WriteBytes(folder_ / "t.txt",
             "<NAME(T)><FORCEPOSITION(700,40)>a text that runs past the right edge of the screen\n"  // 1: past
             "\n"
             "<FORCEPOSITION(100,300)>click here\n"  // 3: sound
             "<FORCEPOSITION(100,100)>first text\n"                                         // 4
             "<FORCEPOSITION(104,102)>drawn over the first\n"                               // 5: over line 4
             "<END()>\n");
  // The editor is a script that notes its arguments (a Windows build runs editors through cmd).
  const bool posixTool = kTool == IV_INVOICE_RENDER;
  WriteBytes(folder_ / "editor.sh", "#!/bin/sh\necho \"$@\" > editor.txt\n");
  fs::permissions(folder_ / "editor.sh", fs::perms::owner_all);
  ASSERT_EQ(OnDisplay("(timeout 120 '" + kTool + "' t.txt T --show-always --watch" +
                      (posixTool ? " --editor ./editor.sh" : "") +
                      " > out.txt 2> err.txt; echo $? > status.txt) > /dev/null 2>&1 &")
                .status,
            0);
  const CommandResult search = OnDisplay("timeout 20 xdotool search --sync --name '^T - page 1/1 - 2 problems$'");
  ASSERT_EQ(search.status, 0) << "no window; stderr: " << ReadBytes(folder_ / "err.txt");
  window_ = search.output.substr(0, search.output.find('\n'));

  const CommandResult traced = InFolder("'" + kTool + "' t.txt T --show-always --trace --out ref");
  const std::map<int, TracedBox> boxes = BoxesByLine(traced.output);
  ASSERT_EQ(boxes.size(), 4u) << traced.output;
  const Bitmap page = LoadPicture((folder_ / "ref-1.png").string());
  long markedInPng = 0;
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) markedInPng += IsMarkColour(page.Pixel(x, y));
  EXPECT_EQ(markedInPng, 0) << "the PNG is the page as the kiosk paints it, without marks";

  // The window shows the page with an outline around the texts of lines 1 and 5, nothing else.
  constexpr int kAround = 8;
  Bitmap shot;
  ASSERT_TRUE(Eventually([&] { return Difference(shot = Photograph(), page) > 0; }));
  std::map<int, long> markedAround;
  long strayMarks = 0, otherwiseChanged = 0, warningColoured = 0;
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) {
      if (!IsMarkColour(shot.Pixel(x, y))) {
        otherwiseChanged += shot.Pixel(x, y) != page.Pixel(x, y);
        continue;
      }
      warningColoured += shot.Pixel(x, y) == iv::WatchWindow::kWarningMarkColor;
      bool around = false;
      for (const int line : {1, 5})
        if (boxes.at(line).Around(x, y, kAround)) {
          ++markedAround[line];
          around = true;
        }
      strayMarks += !around;
    }
  EXPECT_GT(markedAround[1], 0) << "the text past the edge is marked, on the file's first line too";
  EXPECT_GT(markedAround[5], 0) << "the text drawn over another is marked";
  EXPECT_EQ(strayMarks, 0) << "no mark away from the texts concerned";
  EXPECT_EQ(warningColoured, 0) << "both are errors: outlined in the error colour";
  EXPECT_EQ(otherwiseChanged, 0) << "the marks leave the rest of the page as painted";

  ASSERT_EQ(OnDisplay("xdotool windowfocus --sync " + window_ + " key m").status, 0);
  EXPECT_EQ(ShowsEventually(page), 0) << "M hides the marks: the page as the kiosk shows it";
  ASSERT_EQ(OnDisplay("xdotool key m").status, 0);
  EXPECT_TRUE(Eventually([&] { return Difference(Photograph(), page) > 0; })) << "M shows them again";

  // The strip below the page tells what the pointer is on.
  const auto strip = [&](const Bitmap &window) {
    std::string pixels;
    for (int y = page.Height(); y < window.Height(); ++y)
      for (int x = 0; x < window.Width(); ++x) pixels += std::to_string(window.Pixel(x, y)) + ",";
    return pixels;
  };
  const std::string idle = strip(Photograph());
  const TracedBox &over = boxes.at(5);
  ASSERT_EQ(OnDisplay("xdotool mousemove --window " + window_ + " " + std::to_string(over.x + over.w / 2) + " " +
                      std::to_string(over.y + over.h / 2))
                .status,
            0);
  EXPECT_TRUE(Eventually([&] { return strip(Photograph()) != idle; }))
      << "the strip tells of the text under the pointer";

  const TracedBox &click = boxes.at(3);
  ASSERT_EQ(OnDisplay("xdotool mousemove --window " + window_ + " " + std::to_string(click.x + click.w / 2) + " " +
                      std::to_string(click.y + click.h / 2) + " click 1")
                .status,
            0);
  EXPECT_TRUE(Eventually([&] { return ReadBytes(folder_ / "out.txt") == "t.txt:3:25\n"; }))
      << "a click prints the text's FILE:LINE:COL: " << ReadBytes(folder_ / "out.txt");
  if (posixTool) {
    EXPECT_TRUE(Eventually([&] { return ReadBytes(folder_ / "editor.txt") == "+3 t.txt\n"; }))
        << "--editor runs CMD +LINE FILE: " << ReadBytes(folder_ / "editor.txt");
  }

  ASSERT_EQ(OnDisplay("xdotool key Escape").status, 0);
  EXPECT_TRUE(Eventually([&] { return !ReadBytes(folder_ / "status.txt").empty(); }));
  EXPECT_EQ(ReadBytes(folder_ / "status.txt"), "0\n") << ReadBytes(folder_ / "err.txt");
}

TEST_F(WatchWindow, WithoutADisplayItSaysSoAndExits2) {
  const std::string watch = "'" + kTool + "' " + kArguments + " --watch";
  for (const char *environment :
       {"env -u DISPLAY -u WAYLAND_DISPLAY -u INVOICEVIEW_DISPLAY", "env INVOICEVIEW_DISPLAY=headless"}) {
    const CommandResult result = OnDisplay(std::string(environment) + " " + watch);
    EXPECT_EQ(result.status, 2) << environment << ": " << result.output;
    EXPECT_NE(result.output.find("--watch needs a display"), std::string::npos) << environment;
  }
}

}  // namespace
}  // namespace iv::test
