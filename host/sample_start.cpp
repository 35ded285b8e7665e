#include "host/sample_start.h"

#include "platform/fs/paths.h"

namespace iv::host {

std::optional<Options> SampleStartOptions(const std::string &executableFolder) {
  const std::string kiosk = JoinPath(JoinPath(executableFolder, "examples"), "kiosk");
  const std::string data = JoinPath(kiosk, "transaction-water.txt");
  if (!FileExists(data)) return std::nullopt;
  Options options;
  options.kiosk = kiosk;
  options.dataFile = data;
  options.businessKey = "WATER";
  return options;
}

}  // namespace iv::host
