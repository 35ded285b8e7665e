// The invoice screen in whole kiosk-host processes (the reference host and plug-in as built),
// headless, on a private copy of the sample kiosk. Files are in the page cache after the
// first, untimed run: "cold" means a new process, not a cold disk.
//
//  - ColdStart: from starting kiosk-host (posix_spawn) to reading its first FormActivated line
//    on stdout. The library calls FormActivated right after the first frame of the process's
//    first ShowForm is presented, and kiosk-host flushes each trace line at once, so the time
//    holds the process start, loading the plug-in, the first call's preparation and its first
//    frame. Counter exit_ms: the same run to the process's exit.
//  - DemoPeakMemory: the kiosk-host runs of `./run demo` (the water bill paged, snapshotted
//    and printed; the balance query), each one's peak resident memory from wait4.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/sample_kiosk.h"

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

struct HostRun {
  double toFirstFrame = 0;  // seconds to the first FormActivated line; 0 when none came
  double toExit = 0;
  long peakResidentKb = 0;
};

// Runs kiosk-host with the arguments, its stdout read through a pipe, its stderr dropped.
HostRun RunKioskHost(const std::vector<std::string> &arguments) {
  std::vector<char *> argv{const_cast<char *>(IV_KIOSK_HOST_FILE)};
  for (const std::string &argument : arguments) argv.push_back(const_cast<char *>(argument.c_str()));
  argv.push_back(nullptr);
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

  HostRun run;
  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    throw std::runtime_error("cannot start " IV_KIOSK_HOST_FILE);
  }
  std::string output;
  char buffer[4096];
  ssize_t got = 0;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
    output.append(buffer, std::size_t(got));
    if (run.toFirstFrame == 0 && (output.starts_with("FormActivated\n") ||
                                  output.find("\nFormActivated\n") != std::string::npos))
      run.toFirstFrame = Seconds(Clock::now() - start).count();
  }
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.toExit = Seconds(Clock::now() - start).count();
  run.peakResidentKb = usage.ru_maxrss;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("kiosk-host failed");
  return run;
}

std::vector<std::string> WaterBill(const iv::bench::SampleKiosk &kiosk, const std::string &keys) {
  return {"--plugin", IV_PLUGIN_FILE, "--kiosk", kiosk.Folder().string(), "--headless",
          "--data", kiosk.File("transaction-water.txt"), "--business-key", "WATER", "--keys", keys};
}

void ColdStart(benchmark::State &state) {
  const iv::bench::SampleKiosk kiosk;
  const std::vector<std::string> arguments = WaterBill(kiosk, "Escape");
  RunKioskHost(arguments);  // brings the files into the page cache
  std::vector<double> firstFrames;
  double exitSum = 0;
  for (auto _ : state) {
    const HostRun run = RunKioskHost(arguments);
    if (run.toFirstFrame == 0) {
      state.SkipWithError("kiosk-host never reported FormActivated");
      return;
    }
    firstFrames.push_back(run.toFirstFrame);
    exitSum += run.toExit;
    state.SetIterationTime(run.toFirstFrame);
  }
  std::sort(firstFrames.begin(), firstFrames.end());
  state.counters["median_ms"] = 1e3 * firstFrames[firstFrames.size() / 2];
  state.counters["exit_ms"] = 1e3 * exitSum / double(firstFrames.size());
}

void DemoPeakMemory(benchmark::State &state) {
  const iv::bench::SampleKiosk kiosk;
  const std::string waterShots = kiosk.File("shots"), balanceShots = kiosk.File("shots-balance");
  std::filesystem::create_directories(waterShots);
  std::filesystem::create_directories(balanceShots);
  std::vector<std::string> water = WaterBill(kiosk, "Snap,Down,Snap,Down,Snap,Down,Snap,Enter,Escape");
  water.insert(water.end(), {"--snapshot-dir", waterShots, "--print-out", kiosk.File("printed.txt")});
  const std::vector<std::string> balance = {
      "--plugin", IV_PLUGIN_FILE, "--kiosk", kiosk.Folder().string(), "--headless", "--data",
      kiosk.File("transaction-balance.txt"), "--business-key", "BALANCE", "--keys", "Snap,Enter,Escape",
      "--snapshot-dir", balanceShots};
  for (auto _ : state) {
    const long waterKb = RunKioskHost(water).peakResidentKb;
    const long balanceKb = RunKioskHost(balance).peakResidentKb;
    state.counters["water_peak_MB"] = double(waterKb) / 1024.0;
    state.counters["balance_peak_MB"] = double(balanceKb) / 1024.0;
    state.counters["peak_MB"] = double(std::max(waterKb, balanceKb)) / 1024.0;
  }
}

BENCHMARK(ColdStart)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DemoPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
