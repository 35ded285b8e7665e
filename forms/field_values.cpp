#include "forms/field_values.h"

#include "platform/fs/paths.h"
#include "platform/ini/ini_file.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"
#include "platform/text/separated_fields.h"
#include "platform/text/substrings.h"

namespace iv {

std::variant<FieldLine, std::string> ReadFieldLine(std::string_view line, std::size_t headCount) {
  const std::size_t bracket = FindCharGbk(line, '[');
  if (bracket == std::string_view::npos) return std::string("it has no \"[\" (a field line is KIND[TARGET<ARGUMENTS>)");
  const std::string kind = UpperCaseGbk(line.substr(0, bracket));
  if (kind != "O" && kind != "I" && kind != "S") return "its kind \"" + kind + "\" is none of O, I and S";

  FieldLine field{kind.front(), ToNumber(TextBetween(line, '[', '<'), "field line target"), 0, TextBetween(line, '<', '>')};
  if (field.target < 0 || static_cast<std::size_t>(field.target) >= headCount)
    return "its target " + std::to_string(field.target) + " is outside the head values 0 to " + std::to_string(headCount - 1);
  field.entry = LeadingDigits(CutAtSeparator(',', field.arguments));
  if (field.entry >= kDataEntries)
    return "its data entry " + std::to_string(field.entry) + " is beyond " + std::to_string(kDataEntries - 1);
  return field;
}

namespace {

void ApplyFieldLine(std::string_view line, dystring &headValues) {
  std::variant<FieldLine, std::string> read = ReadFieldLine(line, headValues.size());
  FieldLine *field = std::get_if<FieldLine>(&read);
  if (field == nullptr) return;
  std::string &target = headValues[static_cast<std::size_t>(field->target)];
  if (field->kind == 'O') {
    target = DataO[field->entry];
  } else if (field->kind == 'I') {
    const std::int32_t from = LeadingDigits(CutAtSeparator(',', field->arguments));
    target = Substring(DataI[field->entry], from, LeadingDigits(field->arguments));
  } else {
    const std::int32_t k = LeadingDigits(CutAtSeparator(',', field->arguments));
    target = NthField(DataI[field->entry], k, field->arguments);
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
