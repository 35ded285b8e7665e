#include "forms/field_values.h"

#include "invoice/field_text.h"
#include "platform/fs/paths.h"
#include "platform/ini/ini_file.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"

namespace iv {
namespace {

void ApplyFieldLine(std::string_view line, dystring &headValues) {
  const std::size_t bracket = FindCharGbk(line, '[');
  if (bracket == std::string_view::npos) return;
  const std::string kind = UpperCaseGbk(line.substr(0, bracket));
  if (kind != "O" && kind != "I" && kind != "S") return;

  const std::int32_t target = ToNumber(TextBetween(line, '[', '<'), "field line target");
  if (target < 0 || static_cast<std::size_t>(target) >= headValues.size()) return;
  std::string arguments = TextBetween(line, '<', '>');
  const std::int32_t n = LeadingDigits(CutAtSeparator(',', arguments));
  if (n >= kDataEntries) return;

  if (kind == "O") {
    headValues[target] = DataO[n];
  } else if (kind == "I") {
    const std::int32_t from = LeadingDigits(CutAtSeparator(',', arguments));
    headValues[target] = Substring(DataI[n], from, LeadingDigits(arguments));
  } else {
    const std::int32_t k = LeadingDigits(CutAtSeparator(',', arguments));
    headValues[target] = NthField(DataI[n], k, arguments);
  }
}

}  // namespace

void ApplyFieldLines(const std::vector<std::string> &lines, dystring &headValues) {
  for (const std::string &line : lines) ApplyFieldLine(line, headValues);
}

void LoadFieldValues(std::string_view businessKey, dystring &headValues, dystring &detailValues) {
  const IniFile settings = ReadSettingsIni("FormatShow.ini");
  switch (settings.ReadInteger(businessKey, "IsDetail", 0)) {
    case 1:
      headValues.clear();
      ParseDetailData(headValues);
      break;
    case 2:
      detailValues.clear();
      ParseDetailData(detailValues);
      break;
    default:
      break;
  }
  ApplyFieldLines(settings.ReadNumberedList(businessKey), headValues);
}

}  // namespace iv
