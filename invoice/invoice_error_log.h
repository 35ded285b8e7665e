#pragma once
#include <string_view>

namespace iv {

// The invoice control's log, <current directory>/ErrorLog/Error.txt, append-only. The folder
// is never created: without it the record is lost. Never throws.
bool LogInvoiceError(std::string_view message);

}  // namespace iv
