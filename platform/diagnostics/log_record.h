#pragma once
// The kiosk's error logs share one record shape: a stamp line, the message, 33 hyphens,
// each ended by CR LF. The writer lives beside the diagnostic stream, which repeats each record,
// above the files it writes.
#include <string>
#include <string_view>

namespace iv {

// Writes one record to `path`, appending, or emptying the file first when `startAfresh`.
// Never creates a folder and never throws; false when the record could not be written.
bool WriteLogRecord(const std::string &path, std::string_view stampLine, std::string_view message,
                    bool startAfresh);

}  // namespace iv
