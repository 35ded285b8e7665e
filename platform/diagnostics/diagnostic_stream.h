#pragma once
// The opt-in diagnostic stream: INVOICEVIEW_DIAGNOSTICS=stderr, or the name of a file to append
// to. It tells an integrator what the logs leave unsaid: which kiosk folder a call uses, what
// in it the screen lacks, and every log record, readable as UTF-8. The variable is read once;
// unset or empty, nothing is written and no check runs for it, so hosts see no difference.
#include <string>
#include <string_view>
#include <vector>

#include "platform/diagnostics/problem.h"

namespace iv {

bool DiagnosticsWanted();
// Each diagnostic as one line "invoiceview: PLACE: KIND: TEXT", when the stream is wanted.
void Diagnose(const Problem &diagnostic);
void Diagnose(const std::vector<Problem> &diagnostics);
// An existing file that could not be opened, with the system's reason (`error`, an errno value)
// and what the kiosk does without it: the logs call such a file missing, or say nothing.
void DiagnoseUnreadableFile(const std::string &path, int error, std::string_view consequence);

}  // namespace iv
