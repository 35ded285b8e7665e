// Reading the system parameters against the number of items in Sys.xml: one walk of each level
// serves every item, so the time grows with the items, not with their square.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/UTSysCs.h"
#include "platform/fs/paths.h"

namespace {

// A kiosk folder whose Sys.xml holds `items` items in its Computer section, the last of them
// one the library reads; the process works in it for the benchmark's length.
class KioskWithItems {
 public:
  explicit KioskWithItems(std::int64_t items)
      : root_(std::filesystem::temp_directory_path() / ("bench-settings-" + std::to_string(::getpid()))),
        previous_(iv::CurrentDirectory()) {
    std::filesystem::create_directories(root_ / "INI");
    std::ofstream file(root_ / "INI/Sys.xml", std::ios::binary);
    file << "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<System><Computer>\n";
    for (std::int64_t i = 1; i < items; ++i)
      file << "<Item Index=\"" << i << "\"><Name>Filler" << i << "</Name><Value>v</Value></Item>\n";
    file << "<Item Index=\"" << items << "\"><Name>UsrNO</Name><Value>100286</Value></Item>\n";
    file << "</Computer></System>\n";
    file.close();
    iv::ChangeDirectory(root_.string());
  }
  ~KioskWithItems() {
    iv::ChangeDirectory(previous_);
    std::filesystem::remove_all(root_);
  }

 private:
  std::filesystem::path root_;
  std::string previous_;
};

void BM_ReadSystemParameters(benchmark::State &state) {
  const KioskWithItems kiosk(state.range(0));
  for (auto _ : state) {
    const iv::TSysCs parameters;
    if (parameters.UsrNO != "100286") state.SkipWithError("the last item was not read");
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadSystemParameters)
    ->ArgName("items")
    ->Arg(2'000)
    ->Arg(16'000)
    ->Arg(65'536)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
