#pragma once
// Templates and settings text files are GBK: the kiosk reads every byte as GBK. One saved as
// UTF-16 or UTF-8 shows other characters than its author sees, or nothing at all.
#include <optional>
#include <string_view>

#include "platform/diagnostics/problem.h"

namespace iv {

// An error naming the encoding found (UTF-16 LE/BE, UTF-8 with or without BOM) with how to save
// the file as GBK, at the first character GBK reads otherwise (UTF-8 without BOM, lines and
// columns as the author's editor counts them) or at the file's start; nothing for a GBK file.
std::optional<Problem> FindNotGbkText(std::string_view bytes);

}  // namespace iv
