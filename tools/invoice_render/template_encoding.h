#pragma once
// Templates are GBK: the kiosk reads every byte as GBK. A template saved as UTF-8 draws other
// characters than its author sees, so the lint finds where it stops reading as GBK.
#include <optional>
#include <string_view>

#include "invoice/template_problem.h"

namespace iv {

// An error at a UTF-8 byte-order mark, or, in a file that is all UTF-8, at the first multi-byte
// character whose bytes do not read as whole GBK characters; nothing for a GBK file. Lines and
// columns of a UTF-8 file count its UTF-8 characters, as the author's editor does.
std::optional<TemplateProblem> FindUtf8Text(std::string_view bytes);

}  // namespace iv
