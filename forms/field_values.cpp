#include "forms/field_values.h"

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

  FieldLine field{kind.front(), ToNumber(TextBetween(line, '[', '<'), "field line target"), 0,
                  TextBetween(line, '<', '>')};
  if (field.target < 0 || static_cast<std::size_t>(field.target) >= headCount)
    return "its target " + std::to_string(field.target) + " is outside the head values 0 to " +
           std::to_string(headCount - 1);
  field.entry = LeadingDigits(CutAtSeparator(',', field.arguments));
  if (field.entry >= kDataEntries)
    return "its data entry " + std::to_string(field.entry) + " is beyond " + std::to_string(kDataEntries - 1);
  return field;
}

namespace {

void ApplyFieldLine(std::string_view line, const DataArray &in, const DataArray &out, dystring &headValues) {
  std::variant<FieldLine, std::string> read = ReadFieldLine(line, headValues.size());
  FieldLine *field = std::get_if<FieldLine>(&read);
  if (field == nullptr) return;
  std::string &target = headValues[static_cast<std::size_t>(field->target)];
  if (field->kind == 'O') {
    target = out[field->entry];
  } else if (field->kind == 'I') {
    const std::int32_t from = LeadingDigits(CutAtSeparator(',', field->arguments));
    target = Substring(in[field->entry], from, LeadingDigits(field->arguments));
  } else {
    const std::int32_t k = LeadingDigits(CutAtSeparator(',', field->arguments));
    target = NthField(in[field->entry], k, field->arguments);
  }
}

}  // namespace

void ApplyFieldLines(const std::vector<std::string> &lines, const DataArray &in, const DataArray &out,
                     dystring &headValues) {
  for (const std::string &line : lines) ApplyFieldLine(line, in, out, headValues);
}

void LoadFieldValues(const IniFile &settings, std::string_view businessKey, const DataArray &in, const DataArray &out,
                     dystring &headValues, dystring &detailValues) {
  switch (settings.ReadInteger(businessKey, "IsDetail", 0)) {
    case 1:
      headValues.clear();
      ParseDetailData(in[kLayoutIndex], in[kDetailDataIndex], headValues);
      break;
    case 2:
      detailValues.clear();
      ParseDetailData(in[kLayoutIndex], in[kDetailDataIndex], detailValues);
      break;
    default: break;
  }
  ApplyFieldLines(settings.ReadNumberedList(businessKey), in, out, headValues);
}

}  // namespace iv
