// inotify on each folder, read without blocking.
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>

#include "platform/fs/paths.h"
#include "tools/invoice_preview/watch_file_changes.h"

namespace iv {
namespace {

// A write finishing in place, a file renamed onto the name, a new file of the name.
constexpr std::uint32_t kChangeEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE;

}  // namespace

struct FileChangeWatch::Folders {
  int fd = -1;
  bool complete = false;
  // Watch of a folder → file name in it → path as given.
  std::map<int, std::map<std::string, std::string>> files;
};

FileChangeWatch::FileChangeWatch(const std::vector<std::string> &paths) : folders_(std::make_unique<Folders>()) {
  folders_->fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  folders_->complete = folders_->fd >= 0;
  for (const std::string &path : paths) {
    if (!folders_->complete) break;
    const std::filesystem::path file = std::filesystem::absolute(ResolvePath(path));
    const int watch = inotify_add_watch(folders_->fd, file.parent_path().c_str(), kChangeEvents);
    folders_->complete = watch >= 0;
    if (folders_->complete) folders_->files[watch][file.filename().string()] = path;
  }
}

FileChangeWatch::~FileChangeWatch() {
  if (folders_->fd >= 0) close(folders_->fd);
}

bool FileChangeWatch::Watching() const { return folders_->complete; }

std::vector<std::string> FileChangeWatch::TakeChanges() {
  std::vector<std::string> changed;
  alignas(inotify_event) char buffer[16 * 1024];
  ssize_t length;
  while (folders_->fd >= 0 && (length = read(folders_->fd, buffer, sizeof buffer)) > 0) {
    for (std::size_t at = 0; at < std::size_t(length);) {
      const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
      at += sizeof(inotify_event) + event->len;
      const auto folder = folders_->files.find(event->wd);
      if (event->len == 0 || folder == folders_->files.end()) continue;
      const auto file = folder->second.find(event->name);
      if (file != folder->second.end() && std::find(changed.begin(), changed.end(), file->second) == changed.end())
        changed.push_back(file->second);
    }
  }
  return changed;
}

}  // namespace iv
