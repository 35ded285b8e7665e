#include "checks/settings/text_encoding_check.h"

#include "platform/text/text_encoding.h"

namespace iv {

std::optional<Problem> FindNotGbkText(std::string_view bytes) {
  const FoundEncoding found = FindTextEncoding(bytes);
  if (found.IsGbk()) return std::nullopt;
  const bool placed = found.line > 0;
  return Problem{Problem::Severity::Error, "", placed ? found.line : 1, placed ? found.column : 1,
                 NotGbkMessage(found, KioskReading(found))};
}

}  // namespace iv
