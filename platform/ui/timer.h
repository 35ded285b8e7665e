#pragma once
// Timers driven by the event loop. Each enabled timer with an interval above 0 ticks once its
// interval has passed since it was enabled or last ticked; ticks that fell due while the loop
// was busy are merged into one. The clock can be replaced, so tests step time by hand.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace iv {

using Milliseconds = std::chrono::milliseconds;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Milliseconds Now() const = 0;
};

// Monotonic time, for the real loop.
class SteadyClock : public Clock {
 public:
  Milliseconds Now() const override;
};

// Time that moves only when told, for tests.
class ManualClock : public Clock {
 public:
  Milliseconds Now() const override { return now_; }
  void Advance(Milliseconds step) { now_ += step; }

 private:
  Milliseconds now_{0};
};

class Timer {
 public:
  Timer();
  ~Timer();
  Timer(const Timer &) = delete;
  Timer &operator=(const Timer &) = delete;

  std::uint32_t Interval() const { return interval_; }
  // A new interval starts the count again.
  void SetInterval(std::uint32_t milliseconds);
  bool Enabled() const { return enabled_; }
  // Enabling starts the count.
  void SetEnabled(bool enabled);

  std::function<void(Timer &sender)> OnTimer;

 private:
  friend class TimerScheduler;
  bool Running() const { return enabled_ && interval_ > 0; }
  void Restart();

  std::uint32_t interval_ = 1000;
  bool enabled_ = true;
  Milliseconds due_{0};
};

// Every timer of the process, in creation order.
class TimerScheduler {
 public:
  static TimerScheduler &Instance();

  // nullptr puts the steady clock back.
  void SetClock(const Clock *clock);
  Milliseconds Now() const;

  // Ticks every timer that is due now, each at most once, in creation order. A timer's
  // handler may create, free, enable or disable timers.
  void TickDue();
  bool AnyDue() const;
  // Time until the next tick of a running timer; none when no timer runs.
  std::optional<Milliseconds> TimeUntilNextTick() const;

 private:
  friend class Timer;
  void Add(Timer *timer) { timers_.push_back(timer); }
  void Remove(Timer *timer);

  SteadyClock steady_;
  const Clock *clock_ = &steady_;
  std::vector<Timer *> timers_;
  bool ticking_ = false;
};

}  // namespace iv
