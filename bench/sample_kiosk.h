#pragma once
// A private copy of the sample kiosk for one benchmark run, so the library's logs and the
// snapshots of a run never land in the source tree. Removed when the run ends.
#include <unistd.h>

#include <filesystem>
#include <string>

namespace iv::bench {

class SampleKiosk {
 public:
  SampleKiosk()
      : folder_(std::filesystem::temp_directory_path() / ("bench-kiosk-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(folder_);
    std::filesystem::copy(std::filesystem::path(IV_SOURCE_DIR) / "examples" / "kiosk", folder_,
                          std::filesystem::copy_options::recursive);
  }
  ~SampleKiosk() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  SampleKiosk(const SampleKiosk &) = delete;
  SampleKiosk &operator=(const SampleKiosk &) = delete;

  const std::filesystem::path &Folder() const { return folder_; }
  std::string File(const std::string &name) const { return (folder_ / name).string(); }

 private:
  std::filesystem::path folder_;
};

}  // namespace iv::bench
