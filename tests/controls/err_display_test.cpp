// The animated message label on a clock the test moves by hand.
#include "controls/UErrDisplay.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/display/display.h"
#include "platform/text/gbk.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace iv {
namespace {

class ErrDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::Instance().SetDisplay(OpenHeadlessDisplay());
    TimerScheduler::Instance().SetClock(&clock);
    form.SetBounds(0, 0, 400, 100);
  }
  void TearDown() override { TimerScheduler::Instance().SetClock(nullptr); }

  // Moves the clock by one animation period and runs what fell due.
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      clock.Advance(Milliseconds(label.Timer2.Interval()));
      Application::Instance().ProcessMessages();
    }
  }

  ManualClock clock;
  Form form;
  TUErrDisplay label{form};
};

TEST_F(ErrDisplayTest, GrowingOnceStopsOnePointPastTheFinishSize) {
  label.SetUDisplayType(DisplayFormat::FontChange);
  label.SetUTwinkTime(100);
  label.StartDisplay("x");
  Tick(13);
  EXPECT_EQ(label.Font().Size(), 18);
  Tick();
  EXPECT_EQ(label.Font().Size(), 19);
  Tick(5);
  EXPECT_EQ(label.Font().Size(), 19);
}

TEST_F(ErrDisplayTest, CirclingTurnsAtBothEndsAndEndDisplayResets) {
  label.SetUDisplayType(DisplayFormat::FontChange);
  label.SetUCircleOrNot(true);
  label.SetUTwinkTime(100);
  label.SetUDisplayTime(60000);
  label.StartDisplay("x");
  std::vector<int> sizes;
  for (int i = 0; i < 28; ++i) {
    Tick();
    sizes.push_back(label.Font().Size());
  }
  std::vector<int> expected;
  for (int size = 6; size <= 18; ++size) expected.push_back(size);
  for (int size = 17; size >= 5; --size) expected.push_back(size);
  expected.insert(expected.end(), {6, 7});
  EXPECT_EQ(sizes, expected);
  label.EndDisplay();
  EXPECT_EQ(label.Font().Size(), 5);
  EXPECT_EQ(label.Caption(), "");
  EXPECT_FALSE(label.Timer1.Enabled());
  EXPECT_FALSE(label.Timer2.Enabled());
}

TEST_F(ErrDisplayTest, BlinkingEndsByTheDisplayTimerKeepingTheLastVisibility) {
  label.SetUTwinkTime(100);
  label.SetUDisplayTime(350);
  label.StartDisplay("x");
  std::vector<bool> visibility;
  for (int i = 0; i < 3; ++i) {
    Tick();
    visibility.push_back(label.Visible());
  }
  EXPECT_EQ(visibility, (std::vector<bool>{false, true, false}));
  clock.Advance(Milliseconds(50));  // the display time is over
  Application::Instance().ProcessMessages();
  EXPECT_EQ(label.Caption(), "");
  EXPECT_FALSE(label.Timer1.Enabled());
  EXPECT_FALSE(label.Timer2.Enabled());
  Tick(3);
  EXPECT_FALSE(label.Visible());
}

TEST_F(ErrDisplayTest, SetterSideEffects) {
  label.SetUTwinkTime(100);
  label.SetUDisplayType(DisplayFormat::Twink);
  EXPECT_EQ(label.UTwinkTime(), 500);
  EXPECT_EQ(label.Timer2.Interval(), 100u) << "the type stores a period but leaves the timer";
  label.SetUTwinkTime(250);
  EXPECT_EQ(label.Timer2.Interval(), 250u);

  label.SetUStartFontSize(9);  // not animating the font: stored only
  EXPECT_EQ(label.Font().Size(), 18);
  label.SetUDisplayType(DisplayFormat::FontChange);
  EXPECT_EQ(label.Font().Size(), 9);
  EXPECT_EQ(label.UTwinkTime(), 100);
  label.SetUTwinkOrNoneFontSize(12);
  EXPECT_EQ(label.Font().Size(), 9);

  label.SetUDisplayType(DisplayFormat::None);
  EXPECT_EQ(label.UTwinkTime(), 0);
  EXPECT_EQ(label.Font().Size(), 12);
  label.StartDisplay("x");
  Tick(4);
  EXPECT_TRUE(label.Visible());
  EXPECT_EQ(label.Font().Size(), 12);
}

TEST_F(ErrDisplayTest, LoadedAsTheBaseFormStoresItTheTimersAndFontEndAsStored) {
  EXPECT_FALSE(label.Timer1.Enabled() || label.Timer2.Enabled());
  // The base form's values, in the order a form stores them.
  label.SetBounds(304, 553, 50, 7);
  label.SetCaption("ErrDisplay");
  TFont font;
  font.SetName(Gbk(u8"楷体_GB2312"));
  font.SetCharset(GB2312_CHARSET);
  font.SetColor(clRed);
  font.SetHeight(-7);
  font.SetStyle({fsBold});
  label.SetFont(font);
  label.SetTransparent(true);
  label.SetVisible(false);
  label.SetUDisplayTime(5000);
  label.SetUTwinkTime(100);
  label.SetUDisplayType(DisplayFormat::FontChange);
  label.SetUStartFontSize(5);
  label.SetUFinishFontSize(18);
  label.SetUTwinkOrNoneFontSize(16);
  label.SetUCircleOrNot(false);
  EXPECT_EQ(label.Timer1.Interval(), 5000u);
  EXPECT_EQ(label.Timer2.Interval(), 100u);
  EXPECT_EQ(label.Font().Size(), 5);
  EXPECT_EQ(label.UTwinkTime(), 100);
}

}  // namespace
}  // namespace iv
