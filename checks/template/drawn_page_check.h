#pragma once
// The page as the customer sees it, judged from the texts the painter drew on it: texts past the
// screen's edge or cut by it, texts drawn over other texts, control characters drawn as text.
// Each problem stands where its text came from in the template.
#include <vector>

#include "invoice/page_text.h"
#include "invoice/template_reader.h"
#include "platform/diagnostics/problem.h"

namespace iv {

// `texts` as drawn on one page of a width x height screen.
std::vector<Problem> CheckDrawnPage(const std::vector<PageText> &texts, int width, int height);

}  // namespace iv
