// The invoice screen as a host sees it, inside one process: the plug-in as built, loaded with
// dlopen and called by a minimal host on a private copy of the sample kiosk (the water bill,
// three pages), on the headless display, where presenting a frame shows it nowhere: the times
// are the library's own work up to and including the present.
//
//  - ManyCallsMemory: resident memory after the 100th and after the 10,000th call (each left
//    with Escape). Registered first, so its calls are the process's first.
//  - WarmShowForm: a later call, from entering ShowForm to its first frame presented. The
//    host's FormActivated comes right after that present, so the time ends on entering it.
//  - DownKeyFrame: a Down key posted to the next page's frame presented, taken as the
//    difference of two calls' times from FormActivated to the return of ShowForm: one posts
//    Down and Escape, the other Escape alone. The loop handles a posted key at once and
//    presents its repaint right after it, so the difference is the key's handling (down and
//    up), the repaint of the next page and its present.
// Median and 90th percentile are reported as counters, in milliseconds.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/sample_kiosk.h"
#include "host/data_file.h"
#include "invoiceview/host_services.h"

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int kVkEscape = 27;
constexpr int kVkDown = 40;

// The minimal host's state: the keys of the current call, posted at its first activation,
// and when that activation came.
struct HostState {
  std::vector<int> keys;
  bool activated = false;
  Clock::time_point activatedAt;
  std::string valueText;  // keeps a string variant valid after TextToValue returns
};
HostState host;

void IV_CALL LoadSkinImage(THostServices *, IvControl *control, const char *name) {
  for (const char *extension : {".png", ".jpg", ".bmp"}) {
    const std::string path = std::string("skins/") + name + extension;
    if (std::filesystem::exists(path)) {
      control->ops->LoadPicture(control, path.c_str());
      return;
    }
  }
}

void IV_CALL FormActivated(THostServices *, IvForm *form) {
  if (host.activated) return;
  host.activatedAt = Clock::now();
  host.activated = true;
  for (int vk : host.keys) form->ops->PostKey(form, vk);
}

void IV_CALL TextToValue(THostServices *, const char *text, int32_t kind, IvVariant *out) {
  host.valueText = text;
  *out = IvVariant{};
  if (kind == 1) {
    out->type = IV_VAR_DOUBLE;
    out->d = std::strtod(text, nullptr);
  } else if (kind == 2) {
    out->type = IV_VAR_INT;
    out->i = std::strtoll(text, nullptr, 10);
  } else {
    out->type = IV_VAR_STRING;
    out->s = host.valueText.c_str();
  }
}

struct CallTimes {
  double toFirstFrame;     // ShowForm entered → FormActivated entered
  double afterActivation;  // FormActivated entered → ShowForm returned
};

// The plug-in loaded once for the program, run in the kiosk copy with the water bill's data.
class Screen {
 public:
  static Screen &Instance() {
    static Screen screen;
    return screen;
  }

  CallTimes Call(std::vector<int> keys) {
    host.keys = std::move(keys);
    host.activated = false;
    const Clock::time_point start = Clock::now();
    show_form_(&services_, data_in_.data(), data_out_.data(), 0);
    const Clock::time_point end = Clock::now();
    if (!host.activated) throw std::runtime_error("the invoice screen was never activated");
    return {Seconds(host.activatedAt - start).count(), Seconds(end - host.activatedAt).count()};
  }

 private:
  Screen() : start_folder_(std::filesystem::current_path()) {
    setenv("INVOICEVIEW_DISPLAY", "headless", 1);
    std::filesystem::current_path(kiosk_.Folder());
    data_ = iv::host::ReadTransactionData(kiosk_.File("transaction-water.txt"));
    for (std::size_t i = 0; i < data_.in.size(); ++i) {
      data_in_[i] = data_.in[i].c_str();
      data_out_[i] = data_.out[i].c_str();
    }
    library_ = dlopen(IV_PLUGIN_FILE, RTLD_NOW | RTLD_LOCAL);
    if (library_ == nullptr) throw std::runtime_error(dlerror());
    show_form_ = reinterpret_cast<ShowFormFn>(dlsym(library_, "ShowForm"));
    vtbl_.LoadSkinImage = &LoadSkinImage;
    vtbl_.FormActivated = &FormActivated;
    vtbl_.TextToValue = &TextToValue;
    services_.vtbl = &vtbl_;
    services_.BusinessKey = "WATER";
  }
  ~Screen() {
    dlclose(library_);
    std::filesystem::current_path(start_folder_);
  }

  std::filesystem::path start_folder_;
  iv::bench::SampleKiosk kiosk_;
  iv::host::TransactionData data_;
  std::array<const char *, 65> data_in_{};
  std::array<const char *, 65> data_out_{};
  void *library_ = nullptr;
  ShowFormFn show_form_ = nullptr;
  THostServicesVtbl vtbl_{};
  THostServices services_{};
};

void ReportPercentiles(benchmark::State &run, std::vector<double> seconds) {
  if (seconds.empty()) return;
  std::sort(seconds.begin(), seconds.end());
  run.counters["median_ms"] = 1e3 * seconds[seconds.size() / 2];
  run.counters["p90_ms"] = 1e3 * seconds[seconds.size() * 9 / 10];
}

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void ManyCallsMemory(benchmark::State &run) {
  Screen &screen = Screen::Instance();
  for (auto _ : run) {
    double after100 = 0;
    for (int call = 1; call <= 10000; ++call) {
      screen.Call({kVkEscape});
      if (call == 100) after100 = ResidentMegabytes();
    }
    const double after10000 = ResidentMegabytes();
    run.counters["rss_100th_MB"] = after100;
    run.counters["rss_10000th_MB"] = after10000;
    run.counters["growth_MB"] = after10000 - after100;
  }
}

void WarmShowForm(benchmark::State &run) {
  Screen &screen = Screen::Instance();
  screen.Call({kVkEscape});  // not the process's first call, even when run alone
  std::vector<double> samples;
  for (auto _ : run) {
    samples.push_back(screen.Call({kVkEscape}).toFirstFrame);
    run.SetIterationTime(samples.back());
  }
  ReportPercentiles(run, samples);
}

void DownKeyFrame(benchmark::State &run) {
  Screen &screen = Screen::Instance();
  screen.Call({kVkEscape});
  std::vector<double> samples;
  for (auto _ : run) {
    const double escapeOnly = screen.Call({kVkEscape}).afterActivation;
    const double downThenEscape = screen.Call({kVkDown, kVkEscape}).afterActivation;
    samples.push_back(downThenEscape - escapeOnly);
    run.SetIterationTime(std::max(samples.back(), 0.0));
  }
  ReportPercentiles(run, samples);
}

BENCHMARK(ManyCallsMemory)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(WarmShowForm)->Iterations(300)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DownKeyFrame)->Iterations(300)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
