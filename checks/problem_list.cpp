#include "checks/problem_list.h"

#include "platform/fs/paths.h"

namespace iv::check {

void ProblemList::Add(const std::vector<Problem> &problems, const std::string &businessKey) {
  const std::string here = JoinPath(CurrentDirectory(), "");
  for (const Problem &problem : problems) {
    std::string place = problem.file;
    if (place.starts_with(here)) place.erase(0, here.size());
    if (place.starts_with(".") && place.size() > 1 && (place[1] == '/' || place[1] == '\\')) place.erase(0, 2);
    Add(problem.severity == Problem::Severity::Error ? Problem::Severity::Error : Problem::Severity::Warning, place,
        problem.line, problem.message, businessKey);
  }
}

}  // namespace iv::check
