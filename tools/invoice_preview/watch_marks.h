#pragma once
// Which of the template's problems the preview marks on the page shown, and around what: a problem
// is marked on every text drawn from its place in the template; a problem no text of the page
// shows, or one whose texts lie wholly off the page, has no place on it.
#include <cstddef>
#include <vector>

#include "invoice/page_text.h"
#include "platform/diagnostics/problem.h"
#include "platform/gfx/geometry.h"

namespace iv {

// How far a mark's outline stands off the text's box, and its thickness, in window pixels.
constexpr int kMarkMargin = 3;
constexpr int kMarkThickness = 2;

struct PageMarks {
  // For each text of the page (in drawing order), the problems at its place (their indices).
  std::vector<std::vector<std::size_t>> ofText;
  // The problems marked on no text of the page.
  std::vector<std::size_t> unplaced;
};

PageMarks MarkProblems(const std::vector<PageText> &texts, const std::vector<Problem> &problems, int pageWidth,
                       int pageHeight);

// The part of the page a text shows on: its box without the blanks at its end, within the page;
// empty when none of it is on the page.
TRect ShownBox(const PageText &text, int pageWidth, int pageHeight);

// Errors win over warnings.
Problem::Severity MarkSeverity(const std::vector<std::size_t> &marked, const std::vector<Problem> &problems);

}  // namespace iv
