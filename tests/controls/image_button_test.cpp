// The kiosk's image button: pictures swapped from the executable's image folder while it is
// pressed, and the related controls a click brings into view.
#include "controls/UImageButton.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/fs/paths.h"
#include "platform/gfx/png_writer.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace iv {
namespace {

namespace fs = std::filesystem;

// Records the pointer notifications that reach the form from its controls.
class RecordingForm : public Form {
 public:
  void MouseEnter(Control &) override { log.push_back("form enter"); }
  void MouseLeave(Control &) override { log.push_back("form leave"); }
  std::vector<std::string> log;
};

class ImageButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::Instance().SetDisplay(OpenHeadlessDisplay());
    form.SetBounds(0, 0, 200, 100);
    button.SetBounds(10, 10, 40, 40);
    button.SetPicture(Bitmap(2, 2));
    button.OnMouseDown = [this](Control &, TMouseButton, TShiftState, int, int) { Record("down"); };
    button.OnMouseUp = [this](Control &, TMouseButton, TShiftState, int, int) { Record("up"); };
    button.OnClick = [this](Control &) { Record("click"); };
  }
  // The event with the picture size the button had when it was raised.
  void Record(const std::string &event) {
    log.push_back(event + " " + std::to_string(button.Picture().Width()) + "x" +
                  std::to_string(button.Picture().Height()));
  }
  std::vector<std::string> ClickButton() {
    log.clear();
    Application::Instance().PostClick(form, 11, 11);
    Application::Instance().ShowModal(form);
    return log;
  }

  RecordingForm form;
  TUImageButton button{form};
  std::vector<std::string> log;
};

TEST_F(ImageButtonTest, PressAndReleaseLoadPicturesFromTheExecutablesImageFolder) {
  // The folder of the running test program stands for the host's.
  const fs::path images = fs::path(ExecutableFolder()) / "image";
  fs::create_directories(images / "Skins");
  WritePng(Bitmap(3, 3), (images / "Down.png").string());
  WritePng(Bitmap(5, 4), (images / "Skins" / "up.PNG").string());
  std::ofstream(images / "returnq") << "no picture extension";

  button.SetAutoSize(true);
  button.SetUDownPicture("  down.png\t");  // trimmed, then found whatever the letter case
  button.SetUUpPicture("skins\\up.png");
  EXPECT_EQ(ClickButton(), (std::vector<std::string>{"down 3x3", "up 5x4", "click 5x4"}));
  EXPECT_EQ(button.BoundsRect(), Bounds(10, 10, 5, 4));

  button.SetUDownPicture("missing.png");
  button.SetUUpPicture("");
  EXPECT_EQ(ClickButton(), (std::vector<std::string>{"down 5x4", "up 5x4", "click 5x4"}));

  // A file the loader cannot read ends the press before its event; the loop reports it.
  button.SetUDownPicture("returnq");
  testing::internal::CaptureStderr();
  EXPECT_EQ(ClickButton(), (std::vector<std::string>{"up 5x4", "click 5x4"}));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Unknown picture file extension (.)"), std::string::npos);

  fs::remove_all(images);
}

TEST_F(ImageButtonTest, PictureNamesAreTrimmedDataTextIsNotAndPointerPassingIsConsumed) {
  button.SetUDownPicture(" a ");
  button.SetUUpPicture("\tb");
  button.SetUMouseMoveInPicture("c  ");
  button.SetUDisEnablePicture(" d\r\n");
  button.SetUDataText(" data ");
  EXPECT_EQ(button.UDownPicture() + button.UUpPicture() + button.UMouseMoveInPicture() + button.UDisEnablePicture(),
            "abcd");
  EXPECT_EQ(button.UDataText(), " data ");

  button.OnMouseEnter = [this](Control &) { log.push_back("button enter"); };
  button.SwitchPictures = false;  // press and release do nothing, not even their events
  EXPECT_EQ(ClickButton(), (std::vector<std::string>{"click 2x2"}));
  InputEvent away;
  away.kind = InputEvent::Kind::MouseMove;
  away.x = 150;
  Application::Instance().Post(form, away);
  Application::Instance().ShowModal(form);
  EXPECT_EQ(log, (std::vector<std::string>{"click 2x2"}));
  EXPECT_TRUE(form.log.empty());
}

class RelatedControls : public ImageButtonTest {
 protected:
  Label label{form};
  Edit edit{form};
  ComboBox combo{form};
  void SetUp() override {
    ImageButtonTest::SetUp();
    edit.SetVisible(false);
    combo.SetVisible(false);
    combo.SetItems({"a", "b", "c"});
    // The click event comes before any related control is touched.
    button.OnClick = [this](Control &) { log.push_back(edit.Visible() || combo.Visible() ? "late" : "click"); };
  }
};

TEST_F(RelatedControls, AnEntryFieldWinsOverADropDownListAndHidesTheLabel) {
  button.SetURelaLabel(&label);
  button.SetURelaEdit(&edit);
  button.SetURelaComboBox(&combo);
  button.Click();
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
  EXPECT_TRUE(edit.Visible());
  EXPECT_TRUE(edit.Focused());
  EXPECT_FALSE(combo.Visible());
  EXPECT_EQ(combo.DropDownCount(), 8);
  EXPECT_FALSE(label.Visible());
}

TEST_F(RelatedControls, ADropDownListShowsAllItsLinesAndALabelAloneStays) {
  button.SetURelaComboBox(&combo);
  button.Click();
  EXPECT_TRUE(combo.Visible());
  EXPECT_TRUE(combo.Focused());
  EXPECT_EQ(combo.DropDownCount(), 3);

  TUImageButton labelOnly(form);
  labelOnly.SetURelaLabel(&label);
  labelOnly.Click();
  EXPECT_TRUE(label.Visible());

  combo.SetVisible(false);
  button.SetURelaEdit(&edit);
  button.SetURelaLabel(&label);
  button.ActivateRelated = false;
  button.Click();
  EXPECT_FALSE(edit.Visible());
  EXPECT_TRUE(label.Visible());
  EXPECT_EQ(log, (std::vector<std::string>{"click", "click"}));
}

}  // namespace
}  // namespace iv
