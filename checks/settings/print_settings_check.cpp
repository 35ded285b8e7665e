// print.ini: for each business key whether Enter prints and what each print line gives.
#include "checks/settings/settings_checks.h"
#include "forms/field_values.h"
#include "forms/print_text.h"
#include "platform/text/integers.h"

namespace iv::check {
namespace {

constexpr const char *kFile = "INI/print.ini";

}  // namespace

void CheckPrintSettings(ProblemList &problems, const IniFile &settings, const std::vector<std::string> &keys) {
  const dystring headValues(kFieldValueCount);
  // Whether a line prints depends on its item and index, not on the values: empty ones do.
  const DataArray noData;
  const ReceiptSources sources{noData, noData, headValues, ""};
  for (const std::string &key : keys) {
    const IniFile::Section *section = settings.FindSection(key);
    if (section == nullptr) {
      problems.Warning(kFile, 0, "no section [" + key + "]: Enter prints nothing for this business key", key);
      continue;
    }
    const IniFile::Entry *isPrint = settings.FindEntry(key, "IsPrint");
    if (isPrint == nullptr || StrToIntDef(isPrint->value, 0) == 0) {
      if (isPrint != nullptr && !TryStrToInt(isPrint->value))
        problems.Error(kFile, isPrint->line, "IsPrint=" + isPrint->value + " is not a number: printing is off", key);
      continue;
    }
    for (const IniFile::Entry *line : NumberedLines(problems, kFile, settings, key)) {
      std::string why;
      if (!ComposePrintLine(line->value, sources, &why))
        problems.Error(kFile, line->line, "print line " + line->key + "=" + line->value + " prints nothing: " + why,
                       key);
    }
  }
}

}  // namespace iv::check
