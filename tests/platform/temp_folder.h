#pragma once
// A fresh folder in the temporary folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace iv::testing {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    std::filesystem::path folder;
    do {
      folder = std::filesystem::temp_directory_path() / ("iv-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder));
    path_ = folder.string();
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  const std::string &Path() const { return path_; }

  // Writes `bytes` to `name` below the folder (creating its folders) and returns the full path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path file = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }

  std::string Read(std::string_view name) const {
    std::ifstream in(std::filesystem::path(path_) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::string path_;
};

// A fresh folder that is the current directory while this lives, as a kiosk's folder is for the
// host; the previous current directory comes back afterwards.
class CurrentTempFolder : public TempFolder {
 public:
  CurrentTempFolder() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(Path()); }
  ~CurrentTempFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

}  // namespace iv::testing
