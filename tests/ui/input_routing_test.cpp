// How keys and pointer buttons reach the form and its controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/keyboard.h"
#include "tests/ui/ui_test_support.h"

namespace iv {
namespace {

class InputRouting : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseHeadlessDisplay();
    form.SetBounds(0, 0, 200, 100);
    form.OnKeyDown = [this](Control &, std::uint16_t &key, TShiftState) {
      log.push_back("form keydown " + std::to_string(key));
      if (key == 'Z') key = 0;
    };
    form.OnKeyPress = [this](Control &, char &key) {
      log.push_back("form char " + std::to_string(int(key)));
      if (key == 'x') key = '\0';
    };
    form.OnClick = [this](Control &) { log.push_back("form click"); };
  }
  void TearDown() override { Application::Instance().OnMessage = nullptr; }

  Application &app = Application::Instance();
  std::vector<std::string> log;
  Form form;
  test::Probe field{form, "field", log, Bounds(10, 10, 50, 20)};
};

TEST_F(InputRouting, KeyPreviewShowsKeysToTheFormFirstAndLetsItDiscardThem) {
  field.SetFocus();
  form.SetKeyPreview(true);
  for (std::uint16_t vk : {std::uint16_t('X'), std::uint16_t('Y'), std::uint16_t('Z')}) app.PostKeyStroke(form, vk);
  app.ShowModal(form);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "form keydown 88", "field keydown 88", "form char 120",  // 'x' discarded
                     "form keydown 89", "field keydown 89", "form char 121", "field char 121",
                     // a zeroed key goes no further; the character it typed still comes
                     "form keydown 90", "form char 122", "field char 122"}));
}

TEST_F(InputRouting, WithoutPreviewTheFocusedControlAloneGetsKeysAndWithoutFocusTheForm) {
  field.SetFocus();
  app.PostKeyStroke(form, VK_RETURN);
  app.ShowModal(form);
  EXPECT_EQ(log, (std::vector<std::string>{"field keydown 13", "field char 13"}));
  log.clear();
  field.SetVisible(false);  // a hidden control cannot take keys
  app.PostKeyStroke(form, VK_ESCAPE);
  app.ShowModal(form);
  EXPECT_EQ(log, (std::vector<std::string>{"form keydown 27", "form char 27"}));
}

TEST_F(InputRouting, SynthesisedKeysReachTheActiveFormAsDownCharacterUpWithScanCodes) {
  EXPECT_FALSE(keybd_event(VK_ESCAPE, 1, 0)) << "no active form";
  std::vector<std::string> messages;
  app.OnMessage = [&messages](Form &, const InputEvent &event, bool &) {
    if (event.kind == InputEvent::Kind::Char) messages.push_back("char " + std::to_string(int(event.ch)));
    else if (event.kind == InputEvent::Kind::KeyDown || event.kind == InputEvent::Kind::KeyUp)
      messages.push_back(std::string(event.kind == InputEvent::Kind::KeyDown ? "down " : "up ") +
                         std::to_string(event.vk) + " scan " + std::to_string(event.scan));
  };
  form.OnActivate = [](Control &) {
    const auto scan = std::uint8_t(MapVirtualKeyA(VK_ESCAPE, MAPVK_VK_TO_VSC));
    EXPECT_TRUE(keybd_event(VK_ESCAPE, scan, 0));
    EXPECT_TRUE(keybd_event(VK_ESCAPE, scan, KEYEVENTF_KEYUP));
  };
  app.PostKeyStroke(form, VK_DOWN);  // a posted key: same records as a pressed one
  app.ShowModal(form);
  EXPECT_EQ(messages, (std::vector<std::string>{"down 40 scan 80", "up 40 scan 80", "down 27 scan 1", "char 27",
                                                "up 27 scan 1"}));
  EXPECT_EQ(MapVirtualKeyA(1, MAPVK_VSC_TO_VK), VK_ESCAPE);
  EXPECT_EQ(KeyCharacter(VK_TAB, 0), '\t');
  EXPECT_EQ(KeyCharacter('A', 0), 'a');
  EXPECT_EQ(KeyCharacter('A', ssShift), 'A');
  EXPECT_EQ(KeyCharacter(VK_UP, 0), '\0');
}

TEST_F(InputRouting, AFullQueueRefusesInsteadOfGrowingWithoutBound) {
  form.OnActivate = [this](Control &) {
    bool refused = false;
    for (int i = 0; i < 100000 && !refused; ++i) refused = !keybd_event(VK_UP, 0x48, KEYEVENTF_KEYUP);
    EXPECT_TRUE(refused);
    EXPECT_FALSE(app.PostClick(form, 1, 1));
  };
  app.ShowModal(form);
  EXPECT_TRUE(app.PostKeyStroke(form, VK_UP)) << "the queue drained when the display ended";
  app.ProcessMessages();
}

TEST_F(InputRouting, PointerButtonsGoToTheTopmostControlAndAClickNeedsBoth) {
  test::Probe cover(form, "cover", log, Bounds(40, 10, 50, 20));  // overlaps the field's right end
  app.PostClick(form, 15, 12);  // field only
  app.PostClick(form, 45, 15);  // both: the later one is on top
  InputEvent press;
  press.kind = InputEvent::Kind::MouseDown;
  press.x = 20;
  press.y = 20;
  InputEvent release = press;
  release.kind = InputEvent::Kind::MouseUp;
  release.x = 150;  // released away from the field: no click, the release still goes to it
  app.Post(form, press);
  app.Post(form, release);
  app.PostClick(form, 150, 80);  // the form itself
  app.ShowModal(form);
  EXPECT_EQ(log, (std::vector<std::string>{"field enter", "field down 5,2", "field up 5,2", "field click",
                                           "field leave", "cover enter", "cover down 5,5", "cover up 5,5",
                                           "cover click", "field down 10,10", "field up 140,10",
                                           "cover leave", "form click"}));

  // A control's right and bottom edges are the first pixels outside it.
  log.clear();
  app.PostClick(form, 89, 29);
  app.PostClick(form, 90, 30);
  app.ShowModal(form);
  EXPECT_EQ(log, (std::vector<std::string>{"cover enter", "cover down 49,19", "cover up 49,19", "cover click",
                                           "cover leave", "form click"}));
}

TEST_F(InputRouting, AFailingReleaseIsReportedAndTheClickStillHappens) {
  // The probe's release raises the event the form's designer set, which fails.
  struct Releasing : test::Probe {
    using Probe::Probe;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override { Control::MouseUp(button, shift, x, y); }
  } button(form, "button", log, Bounds(100, 10, 20, 20));
  button.OnMouseUp = [](Control &, TMouseButton, TShiftState, int, int) { throw std::runtime_error("picture unreadable"); };
  testing::internal::CaptureStderr();
  app.PostClick(form, 105, 15);
  app.ShowModal(form);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "invoiceview: picture unreadable\n");
  EXPECT_EQ(std::count(log.begin(), log.end(), "button click"), 1);
}

TEST_F(InputRouting, DisabledOrHiddenControlsLetThePointerThrough) {
  test::Probe cover(form, "cover", log, Bounds(0, 0, 200, 100));
  cover.SetEnabled(false);
  app.PostClick(form, 15, 12);
  app.ShowModal(form);
  cover.SetEnabled(true);
  cover.SetVisible(false);
  app.PostClick(form, 15, 12);
  app.ShowModal(form);
  EXPECT_EQ(std::count(log.begin(), log.end(), "field click"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "cover click"), 0);
}

}  // namespace
}  // namespace iv
