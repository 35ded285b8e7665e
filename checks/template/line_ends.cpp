#include "checks/template/line_ends.h"

#include <string>

#include "platform/text/dbcs.h"

namespace iv {

std::optional<Problem> FindLoneCarriageReturn(std::string_view bytes) {
  // Lines and columns as the painter counts them: a line feed starts a line, a character a column.
  TemplatePosition at{1, 1};
  for (std::size_t i = 0; i < bytes.size(); i += GbkCharSize(bytes, i)) {
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) {
      return Problem{Problem::Severity::Error, "", at.line, at.column,
                     "a line ends in a carriage return alone (as old Mac editors save): the kiosk starts a "
                     "new line only at a line feed, so this line and the next are drawn as one, on one y: "
                     "save the file with Windows (CR LF) or Unix (LF) line ends"};
    }
    if (bytes[i] == '\n') {
      ++at.line;
      at.column = 1;
    } else {
      ++at.column;
    }
  }
  return std::nullopt;
}

}  // namespace iv
