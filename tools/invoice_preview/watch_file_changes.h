#pragma once
// Tells which of a few files changed on disk. The folders that hold them are watched, not the
// files: an editor that saves by writing a temporary file and renaming it over the old one is
// seen as well as a write in place, and a file may be missing for a while.
#include <memory>
#include <string>
#include <vector>

namespace iv {

class FileChangeWatch {
 public:
  // `paths` as the tool was given them (relative to the current directory, `\` allowed).
  explicit FileChangeWatch(const std::vector<std::string> &paths);
  ~FileChangeWatch();
  FileChangeWatch(const FileChangeWatch &) = delete;
  FileChangeWatch &operator=(const FileChangeWatch &) = delete;

  // False when the system would not watch every folder.
  bool Watching() const;
  // The paths (as given) written, created or renamed onto since the last call, each once;
  // never waits.
  std::vector<std::string> TakeChanges();

 private:
  struct Folders;  // the system's watch of each folder, with the names wanted there
  std::unique_ptr<Folders> folders_;
};

}  // namespace iv
