#include "config/error_log.h"

#include "platform/diagnostics/log_record.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"
#include "platform/time/log_stamp.h"

namespace iv {

bool WriteErrorLog(std::string_view message) {
  try {
    static constexpr std::int64_t kRestartSize = 51200;
    const std::string path = ResolvePath(JoinPath(JoinPath(".", "Log"), "ErrorLog.txt"));
    const bool small = FileSize(path).value_or(0) < kRestartSize;
    static const std::string kStampPrefix = Gbk(u8"出错时间:");
    // A missing folder loses the record without notice, and that still counts as done.
    WriteLogRecord(path, kStampPrefix + LogStamp(), message, !small);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace iv
