// ReadDirectoryChangesW on each folder, overlapped, its results taken without waiting.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <utility>

#include "platform/text/gbk.h"
#include "tools/invoice_preview/watch_file_changes.h"

namespace iv {
namespace {

// A file written in place, created, or renamed onto a name.
constexpr DWORD kChangeFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

bool SameName(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), int(a.size()), b.data(), int(b.size()), TRUE) == CSTR_EQUAL;
}

// One watched folder. Its buffer and OVERLAPPED belong to the system while a read is pending, so
// a folder never moves and waits for the cancelled read before it goes.
struct Folder {
  explicit Folder(const std::filesystem::path &folder) : path(folder.native()) {
    handle = CreateFileW(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    listening = handle != INVALID_HANDLE_VALUE && overlapped.hEvent != nullptr && Listen();
  }
  ~Folder() {
    if (listening) {
      CancelIo(handle);
      DWORD bytes;
      GetOverlappedResult(handle, &overlapped, &bytes, TRUE);
    }
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    if (overlapped.hEvent != nullptr) CloseHandle(overlapped.hEvent);
  }
  Folder(const Folder &) = delete;
  Folder &operator=(const Folder &) = delete;

  bool Listen() {
    ResetEvent(overlapped.hEvent);
    return ReadDirectoryChangesW(handle, buffer, sizeof buffer, FALSE, kChangeFilter, nullptr, &overlapped, nullptr);
  }

  // The wanted files the finished read names; all of them when the system's list overflowed.
  void Collect(DWORD bytes, std::vector<std::string> &changed) const {
    auto add = [&changed](const std::string &given) {
      if (std::find(changed.begin(), changed.end(), given) == changed.end()) changed.push_back(given);
    };
    if (bytes == 0) {
      for (const auto &[name, given] : files) add(given);
      return;
    }
    for (DWORD at = 0;;) {
      const auto *record = reinterpret_cast<const FILE_NOTIFY_INFORMATION *>(buffer + at);
      if (record->Action != FILE_ACTION_REMOVED && record->Action != FILE_ACTION_RENAMED_OLD_NAME) {
        const std::wstring_view name(record->FileName, record->FileNameLength / sizeof(WCHAR));
        for (const auto &[wanted, given] : files)
          if (SameName(name, wanted)) add(given);
      }
      if (record->NextEntryOffset == 0) break;
      at += record->NextEntryOffset;
    }
  }

  std::wstring path;
  HANDLE handle = INVALID_HANDLE_VALUE;
  OVERLAPPED overlapped{};
  bool listening = false;
  alignas(DWORD) std::byte buffer[16 * 1024];
  std::vector<std::pair<std::wstring, std::string>> files;  // name in the folder, path as given
};

}  // namespace

struct FileChangeWatch::Folders {
  std::vector<std::unique_ptr<Folder>> folders;
  bool complete = true;
};

FileChangeWatch::FileChangeWatch(const std::vector<std::string> &paths) : folders_(std::make_unique<Folders>()) {
  for (const std::string &path : paths) {
    const std::filesystem::path file = std::filesystem::absolute(GbkToWide(path));
    const std::wstring folderPath = file.parent_path().native();
    auto found = std::find_if(folders_->folders.begin(), folders_->folders.end(),
                              [&](const auto &folder) { return SameName(folder->path, folderPath); });
    if (found == folders_->folders.end()) {
      folders_->folders.push_back(std::make_unique<Folder>(file.parent_path()));
      found = folders_->folders.end() - 1;
    }
    folders_->complete = folders_->complete && (*found)->listening;
    (*found)->files.emplace_back(file.filename().native(), path);
  }
}

FileChangeWatch::~FileChangeWatch() = default;

bool FileChangeWatch::Watching() const { return folders_->complete; }

std::vector<std::string> FileChangeWatch::TakeChanges() {
  std::vector<std::string> changed;
  for (const auto &folder : folders_->folders) {
    DWORD bytes = 0;
    while (folder->listening && GetOverlappedResult(folder->handle, &folder->overlapped, &bytes, FALSE)) {
      folder->Collect(bytes, changed);
      folder->listening = folder->Listen();
    }
  }
  return changed;
}

}  // namespace iv
