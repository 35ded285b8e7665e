#include "tools/invoice_preview/watch_marks.h"

#include <algorithm>
#include <map>

namespace iv {

TRect ShownBox(const PageText &text, int pageWidth, int pageHeight) {
  const TRect box = Bounds(text.x, text.y, text.visibleWidth, text.height);
  const TRect shown{std::max(box.Left, 0), std::max(box.Top, 0), std::min(box.Right, pageWidth),
                    std::min(box.Bottom, pageHeight)};
  return shown.IsEmpty() ? TRect{} : shown;
}

PageMarks MarkProblems(const std::vector<PageText> &texts, const std::vector<Problem> &problems, int pageWidth,
                       int pageHeight) {
  std::map<TemplatePosition, std::vector<std::size_t>> textsAt;
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (texts[i].at.line > 0 && !ShownBox(texts[i], pageWidth, pageHeight).IsEmpty()) textsAt[texts[i].at].push_back(i);
  PageMarks marks;
  marks.ofText.resize(texts.size());
  for (std::size_t problem = 0; problem < problems.size(); ++problem) {
    const TemplatePosition at{problems[problem].line, problems[problem].column};
    const auto found = at.line > 0 ? textsAt.find(at) : textsAt.end();
    if (found == textsAt.end()) {
      marks.unplaced.push_back(problem);
      continue;
    }
    for (const std::size_t text : found->second) marks.ofText[text].push_back(problem);
  }
  return marks;
}

Problem::Severity MarkSeverity(const std::vector<std::size_t> &marked, const std::vector<Problem> &problems) {
  const bool error = std::any_of(marked.begin(), marked.end(), [&](std::size_t problem) {
    return problems[problem].severity == Problem::Severity::Error;
  });
  return error ? Problem::Severity::Error : Problem::Severity::Warning;
}

}  // namespace iv
