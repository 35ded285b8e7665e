// The processor time an idle form costs: a form with two disabled timers (as the kiosk's
// clock label has) shown in a real SDL window, nobody touching it. Reported as the process's
// CPU time over the wall time of the idle stretch; without a display the program re-runs
// itself under a private Xvfb.
#include <benchmark/benchmark.h>
#include <limits.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"

namespace {

using namespace iv;
using WallClock = std::chrono::steady_clock;

constexpr std::uint32_t kSettleMs = 500;  // the window appears and paints first
constexpr std::uint32_t kIdleMs = 3000;

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval &time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void IdleForm(benchmark::State &state) {
  Application &application = Application::Instance();
  std::unique_ptr<Display> display = OpenSdlDisplay();
  if (display == nullptr) {
    state.SkipWithError("SDL video cannot start");
    return;
  }
  application.SetDisplay(std::move(display));

  Form form;
  form.SetBounds(0, 0, 800, 600);
  form.SetCaption("idle form");
  Timer clock, blink;  // disabled, as on the kiosk's label
  clock.SetEnabled(false);
  blink.SetEnabled(false);

  double cpuSeconds = 0, wallSeconds = 0;
  double cpuAtStart = 0;
  WallClock::time_point wallAtStart;
  Timer settle, finish;
  settle.OnTimer = [&](Timer &self) {
    self.SetEnabled(false);
    cpuAtStart = ProcessCpuSeconds();
    wallAtStart = WallClock::now();
    finish.SetEnabled(true);
  };
  finish.OnTimer = [&](Timer &self) {
    self.SetEnabled(false);
    cpuSeconds += ProcessCpuSeconds() - cpuAtStart;
    wallSeconds += std::chrono::duration<double>(WallClock::now() - wallAtStart).count();
    form.Close();
  };
  settle.SetEnabled(false);
  finish.SetEnabled(false);
  settle.SetInterval(kSettleMs);
  finish.SetInterval(kIdleMs);
  for (auto _ : state) {
    settle.SetEnabled(true);
    application.ShowModal(form);
  }
  application.SetDisplay(nullptr);
  state.counters["cpu_percent"] = wallSeconds > 0 ? 100 * cpuSeconds / wallSeconds : 0;
  state.counters["idle_s"] = wallSeconds;
}

BENCHMARK(IdleForm)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// Runs this program again under xvfb-run; returns only when that cannot start.
void RerunUnderXvfb(int argc, char **argv) {
  char self[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return;
  self[length] = '\0';
  std::vector<char *> command{const_cast<char *>("xvfb-run"), const_cast<char *>("-a"),
                              const_cast<char *>("-s"), const_cast<char *>("-nolisten tcp -screen 0 1024x768x24"),
                              self};
  command.insert(command.end(), argv + 1, argv + argc);
  command.push_back(nullptr);
  setenv("IV_BENCH_XVFB", "1", 1);  // a second start without a display gives up
  execvp(command[0], command.data());
}

}  // namespace

int main(int argc, char **argv) {
  if (std::getenv("DISPLAY") == nullptr) {
    if (std::getenv("IV_BENCH_XVFB") == nullptr) RerunUnderXvfb(argc, argv);
    std::printf("bench_idle_form: skipped, no X display and xvfb-run could not start one\n");
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
