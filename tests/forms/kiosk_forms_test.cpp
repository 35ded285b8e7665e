// The kiosk forms' own rules, with a recording host: the key lock, the skins at activation and
// deactivation, and what Enter and the paging keys do. Each test runs in a kiosk folder of its
// own made the current directory, as the host runs, with no system parameters loaded: the forms
// read their settings from its INI/.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/UPubVar.h"
#include "forms/FrmView.h"
#include "forms/ICForm.h"
#include "platform/ui/application.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/timer.h"
#include "tests/platform/temp_folder.h"

namespace iv {
namespace {

std::vector<std::string> calls;

class RecordingHost {
 public:
  RecordingHost() {
    vtbl_.LoadSkinImage = [](THostServices *, IvControl *, const char *name) IV_CALL {
      calls.push_back(std::string("skin ") + name);
    };
    vtbl_.FormActivated = [](THostServices *, IvForm *) IV_CALL { calls.push_back("activated"); };
    vtbl_.PrintText = [](THostServices *, const char *text) IV_CALL { calls.push_back(std::string("print ") + text); };
    services_.vtbl = &vtbl_;
    services_.BusinessKey = "PAY";
    HostServices = &services_;
    calls.clear();
  }
  ~RecordingHost() { HostServices = nullptr; }

 private:
  THostServicesVtbl vtbl_{};
  THostServices services_{};
};

// Characters that get past the form's key preview land here.
class CharacterSink : public GraphicControl {
 public:
  explicit CharacterSink(WinControl &parent) : GraphicControl(parent) {}
  bool CanFocus() const override { return true; }
  void KeyPress(char &key) override { received += key; }
  std::string received;
};

class KioskForms : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SysCs, nullptr) << "system parameters would name another settings folder";
    app.SetDisplay(OpenHeadlessDisplay());
  }
  void Type(Form &form, const std::string &text) {
    for (char ch : text) app.Post(form, {.kind = InputEvent::Kind::Char, .ch = ch});
  }
  void Refocus(Form &form) {
    app.Post(form, {.kind = InputEvent::Kind::FocusOut});
    app.Post(form, {.kind = InputEvent::Kind::FocusIn});
  }

  Application &app = Application::Instance();
  testing::CurrentTempFolder kiosk;
  RecordingHost host;
};

TEST_F(KioskForms, TheFirstEscapeLocksOutEveryCharacterUntilTheNextActivation) {
  TICForm form;
  CharacterSink sink(form);
  sink.SetFocus();
  Type(form, "a\x1b\x1b" "b");
  Refocus(form);
  Type(form, "c");
  app.ShowModal(form);
  EXPECT_EQ(sink.received, "a\x1b" "c");
  EXPECT_EQ(calls, (std::vector<std::string>{"activated", "activated"}));
  EXPECT_TRUE(form.ImgBk.Picture().Empty());
}

TEST_F(KioskForms, TheViewFormReloadsItsSkinsAtEachActivationAndPrintsAtEachEnter) {
  kiosk.Write("INI/print.ini", "[PAY]\nIsPrint=1\n0=receipt~\n");
  auto *view = app.CreateForm<TFrmView>();
  ASSERT_TRUE(view->PrintEnabled);
  EXPECT_EQ(view->PrintData, "receipt\r\n");
  EXPECT_EQ(view->HeadValues.size(), 100u);
  EXPECT_EQ(view->TailValues.size(), 100u);
  EXPECT_TRUE(view->DetailValues.empty());
  CharacterSink sink(*view);
  sink.SetFocus();
  app.PostKeyStroke(*view, VK_RETURN);
  Type(*view, "x");  // locked after Enter
  Refocus(*view);
  Type(*view, "y");
  app.PostKeyStroke(*view, VK_RETURN);
  app.PostKeyStroke(*view, VK_ESCAPE);
  app.ShowModal(*view);
  EXPECT_EQ(sink.received, "y");
  EXPECT_EQ(calls, (std::vector<std::string>{"skin MenuBack", "activated", "skin FileDisp", "skin return",
                                             "skin Print", "print receipt\r\n", "activated", "skin FileDisp",
                                             "skin return", "skin Print", "print receipt\r\n"}));
  app.FreeForm(view);
  EXPECT_EQ(FrmView, nullptr);
}

TEST_F(KioskForms, WithoutPrintingEnterPrintsNothingAndAButtonClosesTheFormAsEscape) {
  auto *view = app.CreateForm<TFrmView>();
  EXPECT_FALSE(view->PrintEnabled);
  EXPECT_EQ(view->UImgcancel.Tag(), VK_ESCAPE);
  EXPECT_EQ(view->UImgPrint.Tag(), VK_ESCAPE);
  std::vector<std::string> seen;
  app.OnMessage = [&seen](Form &, const InputEvent &event, bool &) {
    if (event.kind == InputEvent::Kind::KeyDown) seen.push_back("key " + std::to_string(event.vk));
  };
  const TCloseEvent close = view->OnClose;
  view->OnClose = [&seen, close](Control &sender, TCloseAction &action) {
    seen.push_back("close");
    close(sender, action);
  };
  app.PostKeyStroke(*view, VK_RETURN);
  app.PostClick(*view, 617, 488);  // the print button
  app.ShowModal(*view);
  app.OnMessage = nullptr;
  EXPECT_EQ(seen, (std::vector<std::string>{"key 13", "key 27", "close"}));
  EXPECT_EQ(calls, (std::vector<std::string>{"skin MenuBack", "activated", "skin FileDisp", "skin return"}));
  app.FreeForm(view);
}

// The customer's steps, one letter each: w lets 9 s pass without a key, s 1 s, d presses Down,
// c clicks the invoice, m moves the pointer (which is no action).
TEST_F(KioskForms, AnUntouchedScreenClosesAfterItsTimeOutAsEscapeWouldAndOnlyWhenOneIsSet) {
  const std::string closed =
      "FrmView: no key or touch for 10 s, IdleTimeout of [PAY] in FormatShow.ini: the invoice screen closed as "
      "Escape closes it\r\n";
  const struct {
    const char *setting;  // the line in [PAY], or nothing
    const char *steps;
    bool closes;          // by the time-out, before the Enter that follows the steps
  } rows[] = {
      {"IdleTimeout=10", "ws", true},          // 10 s untouched
      {"IdleTimeout=10", "w", false},          // one second short
      {"IdleTimeout=10", "wdwdw", false},      // each key starts the count again
      {"IdleTimeout=10", "wcw", false},        // a touch does too
      {"IdleTimeout=10", "wmws", true},        // a pointer passing by does not
      {"IdleTimeout=0x0A", "ws", true},        // the settings files' hexadecimal
      {"  IdleTimeout = \"10\"  ", "ws", true},  // blanks and quotes as every value
      {"", "wwwwwwwwww", false},                // none set: the screen stays
      {"IdleTimeout=0", "wwwwwwwwww", false},
      {"IdleTimeout=-10", "wwwwwwwwww", false},
      {"IdleTimeout=ten", "wwwwwwwwww", false},
  };
  ManualClock clock;
  TimerScheduler::Instance().SetClock(&clock);
  kiosk.Write("INI/print.ini", "[PAY]\nIsPrint=1\n0=receipt~\n");
  for (const auto &row : rows) {
    SCOPED_TRACE(std::string(row.setting) + ", steps " + row.steps);
    kiosk.Write("INI/FormatShow.ini", std::string("[PAY]\n") + row.setting + "\n");
    kiosk.Write("Log/ErrorLog.txt", "");
    calls.clear();
    auto *view = app.CreateForm<TFrmView>();
    for (const char step : std::string(row.steps)) {
      if (step == 'd') app.PostKeyStroke(*view, VK_DOWN);
      if (step == 'c') app.PostClick(*view, 100, 100);
      if (step != 'd' && step != 'c') app.Post(*view, {.kind = InputEvent::Kind::MouseMove, .x = step});
    }
    app.PostKeyStroke(*view, VK_RETURN);
    app.OnMessage = [&clock](Form &, const InputEvent &event, bool &) {
      if (event.kind != InputEvent::Kind::MouseMove || (event.x != 'w' && event.x != 's')) return;
      clock.Advance(std::chrono::seconds(event.x == 'w' ? 9 : 1));
      TimerScheduler::Instance().TickDue();
    };
    app.ShowModal(*view);
    app.OnMessage = nullptr;
    app.FreeForm(view);
    const std::string log = kiosk.Read("Log/ErrorLog.txt");
    const std::size_t message = log.find("\r\n") + 2;
    EXPECT_EQ(log.empty() ? "" : log.substr(message, log.find("---") - message), row.closes ? closed : "");
    EXPECT_EQ(calls.back() == "print receipt\r\n", !row.closes) << "the Enter after the steps";
  }
  TimerScheduler::Instance().SetClock(nullptr);
}

}  // namespace
}  // namespace iv
