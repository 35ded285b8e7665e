#include "checks/settings/text_encoding_check.h"

#include "platform/text/encoding_verdict.h"
#include "platform/text/text_encoding.h"

namespace iv {
namespace {

// What the kiosk makes of a settings file or template in this encoding.
std::string KioskReading(const FoundEncoding &found) {
  switch (found.encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
      return "the kiosk reads this file as GBK and finds none of its text (every other byte is 0)";
    case TextEncoding::Utf8WithBom:
      return "the kiosk reads this file as GBK: the mark's 3 bytes stand before its first line and its Chinese text "
             "reads as other characters";
    case TextEncoding::Utf8WithoutBom:
    case TextEncoding::Gbk: break;
  }
  return "the kiosk reads this file as GBK, so its Chinese text reaches the screen or the receipt as other characters";
}

}  // namespace

std::optional<Problem> FindNotGbkText(std::string_view bytes) {
  const FoundEncoding found = FindTextEncoding(bytes);
  if (found.IsGbk()) return std::nullopt;
  const bool placed = found.line > 0;
  return Problem{Problem::Severity::Error, "", placed ? found.line : 1, placed ? found.column : 1,
                 NotGbkMessage(found, KioskReading(found))};
}

}  // namespace iv
