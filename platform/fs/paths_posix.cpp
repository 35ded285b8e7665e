#include "platform/fs/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/text/dbcs.h"

namespace iv {

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

std::string ExecutableFolder() {
  std::vector<char> buffer(4096);
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return CurrentDirectory();
  std::string path(buffer.data(), n);
  size_t slash = path.rfind(kPathSeparator);
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool ChangeDirectory(const std::string &path) { return chdir(path.c_str()) == 0; }

bool IsAbsolutePath(std::string_view path) { return path.starts_with('/'); }

bool FileExists(const std::string &path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string &path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// As this process's user: the owner, group and mode bits, and what else the system refuses (a
// read-only mount, an immutable folder).
std::optional<std::string> WhyFolderNotWritable(const std::string &path) {
  if (access(path.c_str(), W_OK | X_OK) == 0) return std::nullopt;
  if (errno == EROFS)
    return std::string("the file system holding it is mounted read-only: mount it read-write (or put the folder on "
                       "a writable file system and link it here)");
  return std::string(std::strerror(errno)) + " for user " + std::to_string(geteuid()) +
         ": let the kiosk's user write to it (chown to that user, or chmod u+w)";
}

std::optional<std::int64_t> FreeSpace(const std::string &path) {
  struct statvfs fs {};
  if (statvfs(path.c_str(), &fs) != 0) return std::nullopt;
  return std::int64_t(fs.f_bavail) * std::int64_t(fs.f_frsize);
}

std::optional<std::int64_t> FileSize(const std::string &path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return st.st_size;
}

std::optional<std::int64_t> ModificationTime(const std::string &path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  return std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
}

namespace {

bool Exists(const std::string &path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

// The entry of `folder` whose name equals `name` without regard to ASCII case. Names are GBK:
// a trail byte that looks like a letter belongs to a Chinese character and must match exactly.
std::optional<std::string> FindEntry(const std::string &folder, const std::string &name) {
  DIR *dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> found;
  while (dirent *entry = readdir(dir)) {
    if (SameTextGbk(entry->d_name, name)) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

std::string ResolvePath(const std::string &path) {
  if (path.empty() || Exists(path)) return path;
  std::string resolved = path.front() == kPathSeparator ? "/" : "";
  size_t pos = resolved.size();
  while (pos <= path.size()) {
    size_t next = path.find(kPathSeparator, pos);
    if (next == std::string::npos) next = path.size();
    std::string component = path.substr(pos, next - pos);
    pos = next + 1;
    if (component.empty()) continue;
    std::string candidate = resolved.empty() || resolved.back() == kPathSeparator
                                ? resolved + component
                                : resolved + kPathSeparator + component;
    if (!Exists(candidate) && component != "." && component != "..") {
      auto entry = FindEntry(resolved, component);
      if (!entry) return candidate + (next < path.size() ? path.substr(next) : "");
      candidate = resolved.empty() || resolved.back() == kPathSeparator
                      ? resolved + *entry
                      : resolved + kPathSeparator + *entry;
    }
    resolved = candidate;
  }
  return resolved;
}

}  // namespace iv
