#pragma once
// What a logged error means: the kiosk's record says little (a pen position, a bare name), so
// the lint adds what is wrong with the element and what to do.
#include <string>

#include "checks/template/template_elements.h"

namespace iv {

// English (GBK where it quotes the template) for the element at which the control logged an
// error: a format error or an unknown command.
std::string ExplainLoggedError(const TemplateElement &element);

}  // namespace iv
