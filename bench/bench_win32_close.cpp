// Closing the invoice screen in the Windows build, under wine on a private Xvfb: from Escape
// pressed through the system's input (keybd_event, as a keyboard does) to ShowForm's return, in
// a host with a full-screen window of its own that owns the screen (tests/windows/own_window_host.c,
// its "escape" action, which times each call itself with QueryPerformanceCounter). One
// iteration is one call; the host process and its wine start are not timed.
//
// Needs the Windows build (build/windows) and the wine prefix its tests set up there (fonts,
// code page 936, wine's own focus handling on a server without a window manager): run the
// Windows stage of ./run test first.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/sample_kiosk.h"
#include "tests/support/xvfb_server.h"

namespace {

constexpr int kCalls = 30;

void EscapeToReturn(benchmark::State &state) {
  const std::filesystem::path build = IV_WINDOWS_BUILD_DIR;
  const std::filesystem::path host = build / "tests/windows/own_window_host.exe";
  const std::filesystem::path dll = build / "plugin/invoiceview.dll";
  if (!std::filesystem::exists(host) || !std::filesystem::exists(build / "wineprefix/system.reg")) {
    state.SkipWithError("no Windows build with its wine prefix in build/windows: run the Windows stage of ./run test");
    return;
  }
  const iv::test::XvfbServer server{"1280x1024x24"};
  const iv::bench::SampleKiosk kiosk;
  const std::string command = "DISPLAY=" + server.Name() + " WINEPREFIX=" + (build / "wineprefix").string() +
                              " WINEARCH=win32 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 wine " + host.string() + " " +
                              dll.string() + " " + kiosk.Folder().string() + " " + kiosk.File("transaction-water.txt") +
                              " owner escape " + std::to_string(kCalls) + " 2>/dev/null";
  FILE *calls = popen(command.c_str(), "r");
  if (calls == nullptr) {
    state.SkipWithError("wine cannot be started");
    return;
  }
  char line[256];
  double slowest = 0;
  for (auto _ : state) {
    long long microseconds = -1;
    while (microseconds < 0 && std::fgets(line, sizeof line, calls) != nullptr)
      std::sscanf(line, "escape to return %lld", &microseconds);
    if (microseconds < 0) {
      state.SkipWithError("the host ended before its calls did");
      break;
    }
    state.SetIterationTime(double(microseconds) / 1e6);
    slowest = std::max(slowest, double(microseconds) / 1e3);
  }
  pclose(calls);
  state.counters["slowest_ms"] = slowest;
}
BENCHMARK(EscapeToReturn)->Iterations(kCalls)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
