#include "platform/ui/timer.h"

#include <algorithm>
#include <exception>

#include "platform/ui/application.h"

namespace iv {

Milliseconds SteadyClock::Now() const {
  return std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

Timer::Timer() {
  TimerScheduler::Instance().Add(this);
  Restart();
}

Timer::~Timer() { TimerScheduler::Instance().Remove(this); }

void Timer::SetInterval(std::uint32_t milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() { due_ = TimerScheduler::Instance().Now() + Milliseconds(interval_); }

TimerScheduler &TimerScheduler::Instance() {
  static TimerScheduler scheduler;
  return scheduler;
}

void TimerScheduler::SetClock(const Clock *clock) {
  clock_ = clock != nullptr ? clock : &steady_;
  // Counts started on the old clock mean nothing on the new one.
  for (Timer *timer : timers_) timer->Restart();
}

Milliseconds TimerScheduler::Now() const { return clock_->Now(); }

void TimerScheduler::Remove(Timer *timer) {
  // Leaves a hole while ticking, so the loop in TickDue keeps its place.
  auto it = std::find(timers_.begin(), timers_.end(), timer);
  if (it == timers_.end()) return;
  if (ticking_) *it = nullptr;
  else timers_.erase(it);
}

void TimerScheduler::TickDue() {
  const Milliseconds now = Now();
  ticking_ = true;
  // Timers created by a handler join the end and wait for the next pass.
  const std::size_t count = timers_.size();
  for (std::size_t i = 0; i < count; ++i) {
    Timer *timer = timers_[i];
    if (timer == nullptr || !timer->Running() || timer->due_ > now) continue;
    // Ticks missed while the loop was busy merge into this one.
    timer->due_ = now + Milliseconds(timer->interval_);
    try {
      if (timer->OnTimer) timer->OnTimer(*timer);
    } catch (const std::exception &error) {
      Application::Instance().HandleException(error);
    }
  }
  ticking_ = false;
  std::erase(timers_, nullptr);
}

bool TimerScheduler::AnyDue() const {
  const Milliseconds now = Now();
  return std::any_of(timers_.begin(), timers_.end(),
                     [now](const Timer *t) { return t != nullptr && t->Running() && t->due_ <= now; });
}

std::optional<Milliseconds> TimerScheduler::TimeUntilNextTick() const {
  std::optional<Milliseconds> next;
  const Milliseconds now = Now();
  for (const Timer *timer : timers_) {
    if (timer == nullptr || !timer->Running()) continue;
    const Milliseconds wait = std::max(timer->due_ - now, Milliseconds(0));
    if (!next || wait < *next) next = wait;
  }
  return next;
}

}  // namespace iv
