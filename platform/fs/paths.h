#pragma once
// Files and paths of the kiosk folder. Names are byte strings as the kiosk stores them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace iv {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

std::string CurrentDirectory();
bool ChangeDirectory(const std::string &path);
// The folder of the running executable (the host program), without a trailing separator.
std::string ExecutableFolder();

bool IsAbsolutePath(std::string_view path);
// a + separator + b, with exactly one separator between them.
std::string JoinPath(std::string_view a, std::string_view b);
// A path as given, made absolute from `folder` when it is relative; empty stays empty. Tools
// that change into a kiosk folder read their command-line paths from where they started.
std::string PathFrom(std::string_view folder, const std::string &path);
// Names from configuration and templates may be written with '\'.
std::string ToNativeSeparators(std::string_view name);

bool FileExists(const std::string &path);
bool FolderExists(const std::string &path);
// Nothing when this process may create files in the existing folder; otherwise the system's
// reason and what to do about it on this system (GBK).
std::optional<std::string> WhyFolderNotWritable(const std::string &path);
// The bytes this process may still write on the file system holding `path`.
std::optional<std::int64_t> FreeSpace(const std::string &path);
std::optional<std::int64_t> FileSize(const std::string &path);
// Modification time in nanoseconds since the epoch.
std::optional<std::int64_t> ModificationTime(const std::string &path);

// Kiosk folders copied from Windows may differ in letter case: when `path` does not exist,
// each component is looked up without regard to ASCII case in its folder. Components from
// the first one that cannot be found on are kept as given (a file about to be created).
// Windows file names ignore case already: there the path is returned as it is.
std::string ResolvePath(const std::string &path);

}  // namespace iv
