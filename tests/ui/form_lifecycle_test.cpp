// A form's life as a host sees it: created, shown modally, activated, closed by a key,
// deactivated, freed; the close actions; errors that escape handlers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"
#include "platform/ui/keyboard.h"
#include "tests/ui/ui_test_support.h"

namespace iv {
namespace {

class LifecycleForm : public Form {
 public:
  LifecycleForm(std::vector<std::string> &log, TCloseAction action) {
    SetBounds(10, 20, 64, 48);
    OnCreate = [&log](Control &) { log.push_back("create"); };
    OnActivate = [&log](Control &) { log.push_back("activate"); };
    OnDeactivate = [&log](Control &) { log.push_back("deactivate"); };
    OnClose = [&log, action](Control &, TCloseAction &closeAction) {
      log.push_back("close");
      closeAction = action;
    };
    OnDestroy = [&log](Control &) { log.push_back("destroy"); };
    OnKeyDown = [this, &log](Control &, std::uint16_t &key, TShiftState) {
      log.push_back("key " + std::to_string(key));
      if (key == VK_ESCAPE) Close();
    };
  }
};

class FormLifecycle : public ::testing::Test {
 protected:
  void SetUp() override { test::UseHeadlessDisplay(); }
  Application &app = Application::Instance();
  std::vector<std::string> log;
};

TEST_F(FormLifecycle, EventsRunInOrderAndAFreedFormIsDestroyedOnce) {
  auto *form = app.CreateForm<LifecycleForm>(log, TCloseAction::caFree);
  app.PostKeyStroke(*form, VK_DOWN);
  app.PostKeyStroke(*form, VK_ESCAPE);
  app.PostKeyStroke(*form, VK_UP);  // after the close: a hidden form takes no keys
  app.ShowModal(*form);
  EXPECT_EQ(log, (std::vector<std::string>{"create", "activate", "key 40", "key 27", "close", "deactivate"}));
  EXPECT_FALSE(form->Showing());
  EXPECT_EQ(app.ActiveForm(), nullptr);
  app.FreeForm(form);  // the owner frees it before the application's next turn
  app.ProcessMessages();
  EXPECT_EQ(std::count(log.begin(), log.end(), "destroy"), 1);
}

TEST_F(FormLifecycle, AReleasedFormIsFreedOnTheNextTurnWhenItsOwnerDoesNot) {
  auto *form = app.CreateForm<LifecycleForm>(log, TCloseAction::caFree);
  app.PostKeyStroke(*form, VK_ESCAPE);
  app.ShowModal(*form);
  EXPECT_EQ(log.back(), "deactivate");
  app.ProcessMessages();
  EXPECT_EQ(log.back(), "destroy");
}

TEST_F(FormLifecycle, HideKeepsTheFormAndNoneKeepsItOpenUntilTheQueueRunsDry) {
  auto *hidden = app.CreateForm<LifecycleForm>(log, TCloseAction::caHide);
  app.PostKeyStroke(*hidden, VK_ESCAPE);
  app.ShowModal(*hidden);
  app.ProcessMessages();
  EXPECT_EQ(std::count(log.begin(), log.end(), "destroy"), 0);
  // Shown again, the same form runs a second modal display.
  app.PostKeyStroke(*hidden, VK_ESCAPE);
  app.ShowModal(*hidden);
  EXPECT_EQ(std::count(log.begin(), log.end(), "activate"), 2);
  app.FreeForm(hidden);

  log.clear();
  auto *stubborn = app.CreateForm<LifecycleForm>(log, TCloseAction::caNone);
  app.PostKeyStroke(*stubborn, VK_ESCAPE);
  app.PostKeyStroke(*stubborn, VK_DOWN);
  app.ShowModal(*stubborn);
  // Escape's close is refused, so Down still arrives; then the idle display closes it anyway.
  EXPECT_EQ(log, (std::vector<std::string>{"create", "activate", "key 27", "close", "key 40", "close", "deactivate"}));
  app.FreeForm(stubborn);
}

TEST_F(FormLifecycle, ErrorsInHandlersAreReportedAndTheLoopGoesOn) {
  testing::internal::CaptureStderr();
  auto *form = app.CreateForm<LifecycleForm>(log, TCloseAction::caFree);
  form->OnCreate = nullptr;
  struct BrokenForm : Form {
    BrokenForm() {
      OnCreate = [](Control &) { throw std::runtime_error("template missing"); };
    }
  };
  auto *broken = app.CreateForm<BrokenForm>();
  ASSERT_NE(broken, nullptr) << "a creation error still gives the form";
  form->OnKeyUp = [](Control &, std::uint16_t &key, TShiftState) {
    if (key == VK_DOWN) throw std::runtime_error("paging failed");
  };
  app.PostKeyStroke(*form, VK_DOWN);
  app.PostKeyStroke(*form, VK_ESCAPE);
  app.ShowModal(*form);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(errors, "invoiceview: template missing\ninvoiceview: paging failed\n");
  EXPECT_EQ(log.back(), "deactivate") << "Escape after the failing key still closed the form";
  app.FreeForm(form);
  app.FreeForm(broken);
}

TEST_F(FormLifecycle, SnapshotsShowTheFrameAfterTheRepaintsQueuedBeforeThem) {
  const std::string path = testing::TempDir() + "ui_snapshot.png";
  auto *form = app.CreateForm<LifecycleForm>(log, TCloseAction::caFree);
  form->SetColor(clRed);
  form->OnKeyDown = [form](Control &, std::uint16_t &key, TShiftState) {
    if (key == VK_DOWN) form->SetColor(clBlue);
  };
  EXPECT_TRUE(app.PostKeyStroke(*form, VK_DOWN));
  EXPECT_TRUE(app.PostSnapshot(*form, path));
  app.ShowModal(*form);
  const Bitmap snapshot = LoadPicture(path);
  ASSERT_EQ(snapshot.Width(), 64);
  ASSERT_EQ(snapshot.Height(), 48);
  EXPECT_EQ(snapshot.Pixel(0, 0), clBlue);
  EXPECT_EQ(snapshot.Pixel(63, 47), clBlue);
  app.FreeForm(form);
  std::remove(path.c_str());
}

TEST_F(FormLifecycle, ADoubleBufferedFormThatErasesNothingNeverShowsTheLastFrame) {
  Form form;
  form.SetBounds(0, 0, 8, 8);
  form.SetOnEraseBackground([](Canvas &) {});
  struct RedPatch : GraphicControl {
    using GraphicControl::GraphicControl;
    void Paint() override { GetCanvas().Target().Fill(Bounds(0, 0, 4, 4), clRed); }
  } patch(form);
  form.Repaint();
  patch.SetVisible(false);
  form.Repaint();
  EXPECT_EQ(form.Surface().Pixel(1, 1), clRed) << "without double buffering the old frame stays";
  form.SetDoubleBuffered(true);
  form.Repaint();
  EXPECT_EQ(form.Surface().Pixel(1, 1), clBlack);
}

}  // namespace
}  // namespace iv
