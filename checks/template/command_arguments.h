#pragma once
// The arguments of each command, what each accepts, and the problems of a tag's arguments: a
// missing comma that moves the text on to a later argument, values the command cannot use
// (with the values it accepts), picture files that do not exist and font names that no
// installed face has.
#include <string>
#include <vector>

#include "invoice/template_commands.h"
#include "invoice/template_reader.h"
#include "platform/diagnostics/problem.h"

namespace iv {

// `arguments` is the tag's text after its '(' (GBK); `at` where the tag starts.
std::vector<Problem> CheckCommandArguments(TCommand command, std::string arguments, TemplatePosition at);

}  // namespace iv
