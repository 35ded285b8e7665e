#include "config/settings_file.h"

#include <cerrno>

#include "config/error_log.h"
#include "platform/diagnostics/diagnostic_stream.h"
#include "platform/fs/file_content.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

namespace iv {

bool SettingsFileTooLarge(const std::string &path) {
  return FileSize(ResolvePath(path)).value_or(0) > std::int64_t{kMaxSettingsFileBytes};
}

std::optional<std::string> ReadSettingsFile(const std::string &path) {
  const std::string resolved = ResolvePath(path);
  std::optional<std::string> bytes = ReadFileContent(resolved, kMaxSettingsFileBytes);
  if (bytes) return bytes;
  const int openError = errno;
  if (const auto size = FileSize(resolved); size && *size > std::int64_t{kMaxSettingsFileBytes}) {
    WriteErrorLog(Gbk(u8"配置文件 ") + path + Gbk(u8" 有 ") + std::to_string(*size) + Gbk(u8" 字节,超过上限 ") +
                  std::to_string(kMaxSettingsFileBytes) + Gbk(u8" 字节,未读取"));
  } else if (FileExists(resolved)) {
    DiagnoseUnreadableFile(resolved, openError, "the kiosk reads it as missing");
  }
  return std::nullopt;
}

}  // namespace iv
