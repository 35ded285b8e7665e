// Sys.xml and SCConf.xml, read with the library's XML reader and walked as the system parameters
// walk them.
#include <exception>
#include <set>

#include "checks/settings/settings_checks.h"
#include "config/XML_R_W.h"
#include "config/parameter_values.h"
#include "config/settings_file.h"
#include "config/sys_parameter_table.h"
#include "config/xml_document.h"
#include "config/xml_encoding.h"
#include "config/xml_error.h"
#include "platform/fs/file_content.h"
#include "platform/fs/paths.h"
#include "platform/text/integers.h"

namespace iv::check {
namespace {

constexpr const char *kSystemFile = "INI/Sys.xml";

// Whether the file, which exists, parses; libxml2's message and line when it does not.
bool Parses(ProblemList &problems, const std::string &file) {
  const std::string path = ResolvePath(file);
  if (SettingsFileTooLarge(path)) {
    problems.Error(
        file, 0,
        "larger than the " + std::to_string(kMaxSettingsFileBytes >> 20) + " MB the library reads: it is not loaded");
    return false;
  }
  const std::string document = ReadFileContent(path, kMaxSettingsFileBytes).value_or("");
  try {
    ParseXml(document, "");
  } catch (const XmlLoadError &error) {
    if (const auto problem = XmlEncodingProblem(document, error.what()))
      problems.Error(file, 0, *problem);
    else
      problems.Error(file, error.Line(),
                     std::string("not well-formed XML (") + error.what() +
                         "): the library logs \"format error\" and keeps every default");
    return false;
  }
  if (const auto problem = XmlEncodingProblem(document, std::nullopt)) problems.Error(file, 0, *problem);
  return true;
}

// A decimal whole number too large for the 32 bits the library reads it into.
bool IsDecimalBeyondRange(const std::string &value) {
  const std::size_t start = value.find_first_not_of(' ');
  if (start == std::string::npos) return false;
  std::string_view digits(value);
  digits.remove_prefix(start);
  if (digits.starts_with('-') || digits.starts_with('+')) digits.remove_prefix(1);
  return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// Why a Value text is not what its conversion takes, or nothing when it is.
std::optional<std::string> FormProblem(ParameterForm form, const std::string &value) {
  switch (form) {
    case ParameterForm::Text: return std::nullopt;
    case ParameterForm::WholeNumber:
      if (TryStrToInt(value)) return std::nullopt;
      if (IsDecimalBeyondRange(value))
        return "\"" + value + "\" is out of range, at most 2147483647 (at least -2147483648): it reads as 0";
      return "\"" + value + "\" is not a whole number: it reads as 0";
    case ParameterForm::Boolean:
      try {
        BooleanValue(value);
        return std::nullopt;
      } catch (const std::exception &) {
        return "\"" + value +
               "\" is not True, False or a number: reading Sys.xml stops here and the parameters "
               "after it keep their defaults";
      }
    case ParameterForm::HostNumber: {
      // The host converts it; a text that is no number leaves the host nothing to convert.
      const std::string number = value.starts_with('-') || value.starts_with('+') ? value.substr(1) : value;
      if (!number.empty() && number.find_first_not_of("0123456789.") == std::string::npos) return std::nullopt;
      return "\"" + value +
             "\" is not a number: the host's TextToValue cannot convert it and reading Sys.xml stops here";
    }
  }
  return std::nullopt;
}

}  // namespace

void CheckSystemParameters(ProblemList &problems) {
  if (FileExists(ResolvePath("INI/SCConf.xml")))
    Parses(problems, "INI/SCConf.xml");
  else
    problems.Warning("INI/SCConf.xml", 0, "missing: the service configuration kept for the host is empty");
  if (!FileExists(ResolvePath(kSystemFile))) {
    problems.Error(kSystemFile, 0, "missing: every system parameter keeps its default (empty texts, zero numbers)");
    return;
  }
  if (!Parses(problems, kSystemFile)) return;

  TXMLControl reader;
  reader.LoadFile(ResolvePath(kSystemFile));
  if (!reader.EnterChild("System", false)) {
    problems.Error(kSystemFile, 0, "no <System> root element with content: every system parameter keeps its default");
    return;
  }
  for (const ParameterSection &section : SystemParameterSections()) {
    const std::string sectionName(section.name);
    if (!reader.EnterChild(sectionName, false)) {
      problems.Error(kSystemFile, 0, "no <" + sectionName + "> section: its parameters keep their defaults");
      continue;
    }
    const int sectionLine = reader.CurrentLine();
    std::set<std::string> found;
    reader.ForEachNumberedItem("Item", "Index", [&] {
      const std::string name = reader.ReadText("Name");
      const ParameterKey *key = section.Find(name);
      if (key == nullptr) return;
      found.insert(std::string(key->name));
      if (const auto problem = FormProblem(key->form, reader.ReadText("Value")))
        problems.Error(kSystemFile, reader.CurrentLine(), sectionName + "/" + name + ": " + *problem);
    });
    for (const ParameterKey &key : section.keys)
      if (!found.contains(std::string(key.name)))
        problems.Error(kSystemFile, sectionLine,
                       "<" + sectionName + "> has no item for " + std::string(key.name) +
                           ", which the library reads: add <Item Index=\"N\"><Name>" + std::string(key.name) +
                           "</Name><Value>...</Value></Item> with the next number N (items are read by Index 1, 2, "
                           "... up to their count)");
    reader.Leave();
  }
}

}  // namespace iv::check
