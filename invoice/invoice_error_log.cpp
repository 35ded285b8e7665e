#include "invoice/invoice_error_log.h"

#include "platform/diagnostics/log_record.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"
#include "platform/time/log_stamp.h"

namespace iv {

bool LogInvoiceError(std::string_view message) {
  try {
    const std::string path = ResolvePath(JoinPath(JoinPath(CurrentDirectory(), "ErrorLog"), "Error.txt"));
    static const std::string kStampPrefix = Gbk(u8"时间:");
    return WriteLogRecord(path, kStampPrefix + LogStamp(), message, false);
  } catch (...) {
    return false;
  }
}

}  // namespace iv
