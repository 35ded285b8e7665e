// Timers on a clock the test moves by hand.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/timer.h"

namespace iv {
namespace {

class Timers : public ::testing::Test {
 protected:
  void SetUp() override { scheduler.SetClock(&clock); }
  void TearDown() override { scheduler.SetClock(nullptr); }
  void Advance(int ms) {
    clock.Advance(Milliseconds(ms));
    Application::Instance().ProcessMessages();
  }

  ManualClock clock;
  TimerScheduler &scheduler = TimerScheduler::Instance();
};

TEST_F(Timers, TickEveryIntervalWhileEnabledAndMergeMissedTicks) {
  int ticks = 0;
  Timer timer;
  timer.SetInterval(100);
  timer.OnTimer = [&ticks](Timer &) { ++ticks; };
  Advance(99);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(scheduler.TimeUntilNextTick(), Milliseconds(1));
  Advance(1);
  EXPECT_EQ(ticks, 1);
  Advance(350);  // three intervals passed while busy: one tick, the next 100 ms later
  EXPECT_EQ(ticks, 2);
  Advance(99);
  EXPECT_EQ(ticks, 2);
  Advance(1);
  EXPECT_EQ(ticks, 3);

  timer.SetEnabled(false);
  EXPECT_EQ(scheduler.TimeUntilNextTick(), std::nullopt) << "no running timer: the loop may sleep until input";
  Advance(1000);
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(true);  // counts from now
  Advance(50);
  timer.SetInterval(80);  // a new interval counts from now too
  Advance(79);
  EXPECT_EQ(ticks, 3);
  Advance(1);
  EXPECT_EQ(ticks, 4);
  timer.SetInterval(0);
  Advance(10000);
  EXPECT_EQ(ticks, 4) << "interval 0 never ticks";
}

TEST_F(Timers, HandlersMayFreeAndCreateTimers) {
  std::vector<int> order;
  auto first = std::make_unique<Timer>();
  auto second = std::make_unique<Timer>();
  std::unique_ptr<Timer> late;
  first->SetInterval(10);
  second->SetInterval(10);
  first->OnTimer = [&](Timer &) {
    order.push_back(1);
    second.reset();
    late = std::make_unique<Timer>();
    late->SetInterval(10);
    late->OnTimer = [&](Timer &) { order.push_back(3); };
  };
  second->OnTimer = [&](Timer &) { order.push_back(2); };
  Advance(10);
  EXPECT_EQ(order, (std::vector<int>{1}));
  first->SetEnabled(false);
  Advance(10);
  EXPECT_EQ(order, (std::vector<int>{1, 3}));
}

TEST_F(Timers, TimersTickInsideAModalDisplayAndCanEndIt) {
  Application &app = Application::Instance();
  app.SetDisplay(OpenHeadlessDisplay());
  Form form;
  form.SetBounds(0, 0, 10, 10);
  Timer closer;
  closer.SetInterval(0);
  int ticks = 0;
  form.OnActivate = [&](Control &) {
    closer.SetInterval(5);
    clock.Advance(Milliseconds(20));  // each pass finds it due again
  };
  // A due timer keeps the headless display alive; the timer stops when the form closes.
  closer.OnTimer = [&](Timer &) {
    clock.Advance(Milliseconds(5));
    if (++ticks == 3) form.Close();
  };
  app.ShowModal(form);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(form.Showing());
}

}  // namespace
}  // namespace iv
