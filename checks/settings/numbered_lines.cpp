#include <algorithm>

#include "checks/settings/settings_checks.h"
#include "platform/text/integers.h"

namespace iv::check {

std::vector<const IniFile::Entry *> NumberedLines(ProblemList &problems, const std::string &file,
                                                  const IniFile &settings, const std::string &key) {
  const std::vector<const IniFile::Entry *> lines = settings.NumberedEntries(key);
  const IniFile::Section *section = settings.FindSection(key);
  if (section == nullptr) return lines;
  for (const IniFile::Entry &entry : section->entries) {
    const bool number = !entry.key.empty() &&
                        std::all_of(entry.key.begin(), entry.key.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (number && entry.key != "0" && entry.key.front() == '0')
      problems.Error(file, entry.line,
                     "line \"" + entry.key + "\" is never read: lines are numbered 0, 1, 2, ... without leading zeros",
                     key);
    else if (number && (entry.key.size() > 9 || StrToIntDef(entry.key, 0) > static_cast<std::int32_t>(lines.size())))
      problems.Error(file, entry.line,
                     "line " + entry.key + " is never read: the numbered lines stop at " +
                         std::to_string(lines.size()) +
                         ", which is missing or empty; number the lines on without a gap",
                     key);
  }
  return lines;
}

}  // namespace iv::check
