#pragma once
// The kiosk starts a new template line at a line feed only: a file whose lines end in a carriage
// return alone (as old Mac editors save) draws all its lines as one.
#include <optional>
#include <string_view>

#include "invoice/template_reader.h"
#include "platform/diagnostics/problem.h"

namespace iv {

// An error at the first carriage return that no line feed follows; nothing when there is none.
std::optional<Problem> FindLoneCarriageReturn(std::string_view bytes);

}  // namespace iv
