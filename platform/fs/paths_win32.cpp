#include <windows.h>

#include "platform/fs/paths.h"
#include "platform/fs/system_message.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

// Names are GBK; the wide-character calls read them whatever the system's own code page is.
bool Attributes(const std::string &path, WIN32_FILE_ATTRIBUTE_DATA &data) {
  return GetFileAttributesExW(GbkToWide(path).c_str(), GetFileExInfoStandard, &data) != 0;
}

bool IsFile(const WIN32_FILE_ATTRIBUTE_DATA &data) { return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0; }

// The system's text for an error code, or its number where the system has none.
std::string SystemMessageGbk(DWORD error) {
  const std::wstring message = SystemMessage(error);
  return message.empty() ? "error " + std::to_string(error) : WideToGbk(message);
}

}  // namespace

std::string CurrentDirectory() {
  std::wstring buffer(GetCurrentDirectoryW(0, nullptr), L'\0');
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length >= buffer.size()) return ".";
  buffer.resize(length);
  return WideToGbk(buffer);
}

bool ChangeDirectory(const std::string &path) { return SetCurrentDirectoryW(GbkToWide(path).c_str()) != 0; }

// The host program's folder: the plug-in's own module is not what the kiosk means.
std::string ExecutableFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) == buffer.size()) {
    buffer.resize(buffer.size() * 2);
  }
  if (length == 0) return CurrentDirectory();
  buffer.resize(length);
  const size_t separator = buffer.find_last_of(L"\\/");
  return WideToGbk(separator == std::wstring::npos ? buffer : buffer.substr(0, separator));
}

// With a drive, or rooted on the current drive (which is how wine sees a Unix path).
bool IsAbsolutePath(std::string_view path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
  return drive || path.starts_with('\\') || path.starts_with('/');
}

bool FileExists(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return Attributes(path, data) && IsFile(data);
}

bool FolderExists(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return Attributes(path, data) && !IsFile(data);
}

// Permissions are decided by the system: a file is made there and deleted again as its handle
// closes, so nothing stays behind. Windows itself ignores a folder's read-only attribute, but
// wine, which runs Windows kiosks on Linux, maps it to the Unix mode and refuses; set, it is
// named as a cause.
std::optional<std::string> WhyFolderNotWritable(const std::string &path) {
  const std::wstring probe =
      GbkToWide(JoinPath(path, "invoiceview-write-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                                   std::to_string(GetTickCount()) + ".tmp"));
  const HANDLE file =
      CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return std::nullopt;
  }
  const DWORD error = GetLastError();
  std::string why = SystemMessageGbk(error);
  const DWORD attributes = GetFileAttributesW(GbkToWide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
    why += "; the folder is marked read-only: clear it with attrib -r \"" + ToNativeSeparators(path) + "\"";
  return why + "; let the kiosk's user write to it (the folder's Properties, Security)";
}

std::optional<std::int64_t> FreeSpace(const std::string &path) {
  ULARGE_INTEGER available;
  if (!GetDiskFreeSpaceExW(GbkToWide(path).c_str(), &available, nullptr, nullptr)) return std::nullopt;
  return std::int64_t(available.QuadPart);
}

std::optional<std::int64_t> FileSize(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!Attributes(path, data) || !IsFile(data)) return std::nullopt;
  return (std::int64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::optional<std::int64_t> ModificationTime(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!Attributes(path, data)) return std::nullopt;
  // FILETIME counts 100 ns steps since 1601-01-01.
  constexpr std::int64_t kUnixEpoch = 116444736000000000;
  const std::int64_t ticks =
      (std::int64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
  return (ticks - kUnixEpoch) * 100;
}

std::string ResolvePath(const std::string &path) { return path; }

}  // namespace iv
