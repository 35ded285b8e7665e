// ShowForm itself, linked in, on a display that breaks once: the call after the broken one
// must show and print its own customer's bill, never the one prepared for the broken call.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/display/virtual_keys.h"
#include "platform/ui/application.h"
#include "plugin/Invoice.h"
#include "tests/platform/temp_folder.h"

namespace iv {
namespace {

int open_windows = 0;

class CountedWindow : public DisplayWindow {
 public:
  CountedWindow() { ++open_windows; }
  ~CountedWindow() override { --open_windows; }
  void Present(const Bitmap &) override {}
  void SetCaption(const std::string &) override {}
  void Resize(int, int) override {}
};

// Headless, but the first wait for input fails as a lost display connection would, after the
// screen was shown and activated.
class DisplayThatBreaksOnce : public Display {
 public:
  const char *Name() const override { return "breaks once"; }
  std::unique_ptr<DisplayWindow> OpenWindow(const WindowPlacement &, InputSink) override {
    return std::make_unique<CountedWindow>();
  }
  void WaitForInput(std::optional<std::chrono::milliseconds>) override {
    broken_ = true;
    throw std::runtime_error("the display connection was lost");
  }
  bool EndsWhenIdle() const override { return broken_; }

 private:
  bool broken_ = false;
};

struct Customer {
  bool pressesKeys = false;
  std::vector<std::string> printed;
  int activations = 0;
};
Customer *customer = nullptr;

THostServices MakeHost(THostServicesVtbl &table) {
  table.FormActivated = [](THostServices *, IvForm *form) IV_CALL {
    ++customer->activations;
    if (!customer->pressesKeys) return;
    form->ops->PostKey(form, VK_RETURN);
    form->ops->PostKey(form, VK_ESCAPE);
  };
  table.PrintText = [](THostServices *, const char *text) IV_CALL { customer->printed.push_back(text); };
  THostServices host{};
  host.vtbl = &table;
  host.BusinessKey = "PAY";
  return host;
}

TEST(ShowForm, AFailedDisplayIsLoggedAndTheNextCallShowsItsOwnTransaction) {
  testing::CurrentTempFolder kiosk;
  kiosk.Write("INI/print.ini", "[PAY]\nIsPrint=1\n0=account [I<1>\n");
  kiosk.Write("Log/.keep", "");
  Application::Instance().SetDisplay(std::make_unique<DisplayThatBreaksOnce>());
  THostServicesVtbl table{};
  THostServices host = MakeHost(table);

  const char *first[65] = {};
  first[1] = "1001 Wang";
  Customer leaves;  // the display breaks before this customer presses anything
  customer = &leaves;
  EXPECT_EQ(ShowForm(&host, first, first, 0), 1);
  EXPECT_EQ(leaves.activations, 1);
  EXPECT_TRUE(leaves.printed.empty());
  EXPECT_EQ(open_windows, 0) << "the broken call left its window open";
  const std::string log = kiosk.Read("Log/ErrorLog.txt");
  EXPECT_NE(log.find("ShowForm: the invoice screen could not be shown: the display connection was lost"),
            std::string::npos)
      << log;

  const char *second[65] = {};
  second[1] = "2002 Li";
  Customer next;
  next.pressesKeys = true;
  customer = &next;
  EXPECT_EQ(ShowForm(&host, second, second, 0), 1);
  EXPECT_EQ(next.activations, 1);
  EXPECT_EQ(next.printed, (std::vector<std::string>{"account 2002 Li\r\n"}));
  EXPECT_EQ(open_windows, 0);
  customer = nullptr;
  Application::Instance().SetDisplay(OpenHeadlessDisplay());
}

}  // namespace
}  // namespace iv
