// Entry fields and drop-down lists fed by keys the way a form delivers them.
#include <gtest/gtest.h>

#include <string>

#include "platform/display/display.h"
#include "platform/display/virtual_keys.h"
#include "platform/ui/application.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"

namespace iv {
namespace {

class EntryControls : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::Instance().SetDisplay(OpenHeadlessDisplay());
    form.SetBounds(0, 0, 100, 60);
  }
  void PostChar(char ch) {
    InputEvent event;
    event.kind = InputEvent::Kind::Char;
    event.ch = ch;
    app.Post(form, event);
  }

  Application &app = Application::Instance();
  Form form;
};

TEST_F(EntryControls, EditAppendsTypedBytesAndBackspaceTakesAWholeCharacter) {
  Edit edit(form);
  edit.SetFocus();
  edit.OnKeyPress = [](Control &, char &key) {
    if (key == '#') key = '\0';
  };
  for (std::uint16_t vk : {std::uint16_t('A'), std::uint16_t('3')}) app.PostKeyStroke(form, vk);
  for (char ch : {'#', '\xD6', '\xD0'}) PostChar(ch);  // '#' is swallowed, then GBK 中
  app.ShowModal(form);
  const std::string typed = edit.Text();
  EXPECT_EQ(typed.substr(typed.size() - 2), "\xD6\xD0");
  EXPECT_EQ(typed.size(), 4u);
  for (std::uint16_t vk : {VK_BACK, VK_RETURN, VK_ESCAPE, VK_TAB}) app.PostKeyStroke(form, vk);
  app.ShowModal(form);
  EXPECT_EQ(edit.Text(), typed.substr(0, 2)) << "Backspace removes both bytes; control keys type nothing";
  edit.SetText("\xD6");  // a cut-off lead byte goes alone
  PostChar('\b');
  app.ShowModal(form);
  EXPECT_EQ(edit.Text(), "");
}

TEST_F(EntryControls, ComboBoxSelectionFollowsArrowKeysAndText) {
  ComboBox combo(form);
  EXPECT_EQ(combo.DropDownCount(), 8);
  combo.SetItems({"one", "two", "three"});
  combo.SetFocus();
  for (int i = 0; i < 4; ++i) app.PostKeyStroke(form, VK_DOWN);  // from none to the first, stops at the last
  app.PostKeyStroke(form, VK_UP);
  app.ShowModal(form);
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(combo.Text(), "two");
  combo.SetText("three");
  EXPECT_EQ(combo.ItemIndex(), 2);
  combo.SetItems({"x", "three"});
  EXPECT_EQ(combo.ItemIndex(), 1);
  combo.SetItemIndex(5);
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Text(), "");
}

TEST_F(EntryControls, BoxesKeepTheirTextInsideTheBorder) {
  form.SetColor(clLime);
  Edit edit(form);
  edit.SetBounds(10, 10, 30, 16);
  edit.SetText(std::string(40, 'W'));
  ComboBox combo(form);
  combo.SetBounds(10, 30, 40, 16);
  form.Repaint();
  const Bitmap &surface = form.Surface();
  EXPECT_EQ(surface.Pixel(10, 10), clBlack);
  EXPECT_EQ(surface.Pixel(39, 25), clBlack);
  EXPECT_EQ(surface.Pixel(11, 11), clWhite);
  for (int y = 10; y < 26; ++y) EXPECT_EQ(surface.Pixel(40, y), clLime) << "text beyond the box at y " << y;
  EXPECT_EQ(surface.Pixel(42, 38), clBlack) << "the arrow";
}

}  // namespace
}  // namespace iv
