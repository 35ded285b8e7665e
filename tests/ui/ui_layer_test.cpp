// The surface the invoice control paints on: repaint order, invalidation and parent fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/graphic_control.h"
#include "platform/ui/label.h"
#include "platform/ui/win_control.h"

namespace iv {
namespace {

class RecordingControl : public GraphicControl {
 public:
  RecordingControl(WinControl &parent, std::string name, std::vector<std::string> &log)
      : GraphicControl(parent), name_(std::move(name)), log_(log) {}
  void Paint() override {
    log_.push_back(name_ + (GetCanvas().Pixel(0, 0) == clRed ? " on red" : ""));
    Invalidate();  // asking for a paint while painting must not loop
  }

 private:
  std::string name_;
  std::vector<std::string> &log_;
};

TEST(UiLayer, RepaintErasesThenPaintsVisibleChildrenInOrder) {
  std::vector<std::string> log;
  WinControl surface;
  surface.SetBounds(0, 0, 10, 10);
  surface.SetColor(clRed);
  RecordingControl first(surface, "first", log);
  RecordingControl hidden(surface, "hidden", log);
  RecordingControl second(surface, "second", log);
  hidden.SetVisible(false);
  surface.Update();
  EXPECT_EQ(log, (std::vector<std::string>{"first on red", "second on red"}));
  EXPECT_FALSE(surface.NeedsRepaint());
  surface.Update();
  EXPECT_EQ(log.size(), 2u) << "nothing is pending";
  second.Invalidate();
  EXPECT_TRUE(surface.NeedsRepaint());
}

TEST(UiLayer, ControlsTakeTheirParentsFontUntilGivenTheirOwn) {
  WinControl surface;
  surface.SetBounds(0, 0, 10, 10);
  TFont font;
  font.SetName("MS Sans Serif");
  font.SetHeight(-11);
  surface.SetFont(font);
  Label label(surface);
  EXPECT_EQ(label.Font().Name(), "MS Sans Serif");
  surface.Font().SetSize(20);
  EXPECT_EQ(label.Font().Size(), 20);
  label.Font().SetSize(9);
  EXPECT_FALSE(label.ParentFont());
  surface.Font().SetSize(30);
  EXPECT_EQ(label.Font().Size(), 9);
}

TEST(UiLayer, ChildrenOutlivingTheirParentAreDetached) {
  std::vector<std::string> log;
  auto surface = std::make_unique<WinControl>();
  RecordingControl child(*surface, "child", log);
  surface.reset();
  EXPECT_EQ(child.Parent(), nullptr);
  child.Invalidate();
}

}  // namespace
}  // namespace iv
