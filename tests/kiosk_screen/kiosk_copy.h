#pragma once
// A private copy of the sample kiosk folder and the reference host run on it.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/command.h"
#include "tests/support/program_path.h"

namespace iv::test {

class KioskCopy {
 public:
  explicit KioskCopy(const std::string &name)
      : root_(std::filesystem::temp_directory_path() / ("iv-kiosk-" + std::to_string(::getpid()) + "-" + name)) {
    std::filesystem::remove_all(root_);
    std::filesystem::copy(std::filesystem::path(IV_SOURCE_DIR) / "examples/kiosk", root_,
                          std::filesystem::copy_options::recursive);
    // Logs a demo left in the sample folder are not this kiosk's.
    std::filesystem::remove(root_ / "ErrorLog/Error.txt");
    std::filesystem::remove(root_ / "Log/ErrorLog.txt");
    std::filesystem::create_directories(root_ / "snaps");
  }
  ~KioskCopy() { std::filesystem::remove_all(root_); }

  std::filesystem::path Path(const std::string &relative = "") const { return root_ / relative; }
  std::string Read(const std::string &relative) const {
    std::ifstream file(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
  void Write(const std::string &relative, const std::string &content) const {
    std::ofstream(root_ / relative, std::ios::binary) << content;
  }
  void Remove(const std::string &relative) const { std::filesystem::remove(root_ / relative); }

  // kiosk-host on this kiosk with the transaction of the business key (water or balance),
  // snapshots in snaps/ and the receipt in printed.txt. stderr is kept apart in stderr.txt.
  std::string HostCommand(const std::string &businessKey, const std::string &arguments) const {
    std::string lower = businessKey == "BALANCE" ? "balance" : "water";
    return ProgramPath("IV_TEST_KIOSK_HOST", IV_KIOSK_HOST) + " --plugin " +
           ProgramPath("IV_TEST_PLUGIN", IV_PLUGIN_PATH) + " --kiosk " + root_.string() +
           " --business-key " + businessKey + " --data " + (root_ / ("transaction-" + lower + ".txt")).string() +
           " --snapshot-dir " + (root_ / "snaps").string() + " --print-out " + (root_ / "printed.txt").string() +
           " " + arguments + " 2>" + (root_ / "stderr.txt").string();
  }
  CommandResult Run(const std::string &businessKey, const std::string &arguments) const {
    return RunCommand(HostCommand(businessKey, "--headless " + arguments), false);
  }

 private:
  std::filesystem::path root_;
};

}  // namespace iv::test
