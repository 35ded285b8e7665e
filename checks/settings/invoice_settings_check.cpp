#include "checks/settings/invoice_settings_check.h"

#include <cerrno>
#include <cstring>

#include "forms/Func_Lib.h"
#include "invoice/template_reader.h"
#include "invoice/template_tags.h"
#include "platform/fs/paths.h"

namespace iv {

std::vector<Problem> CheckInvoiceSettings(const std::string &settingsFolder, const IniFile &settings,
                                          const std::string &businessKey) {
  // Each names a line at most, never a column.
  const auto error = [](const std::string &file, int line, std::string message) {
    return Problem{Problem::Severity::Error, file, line, 0, std::move(message)};
  };
  const std::string settingsPath = SettingsFile(settingsFolder, "FormatShow.ini");
  if (!FileExists(settingsPath))
    return {error(settingsPath, 0,
                  "file missing: no invoice is shown for any business key (this call's is \"" + businessKey + "\")")};
  const IniFile::Section *section = settings.FindSection(businessKey);
  if (section == nullptr)
    return {error(settingsPath, 0,
                  "no section [" + businessKey + "] for the business key \"" + businessKey +
                      "\", so the screen shows no invoice; add the section with DisPlayName and DisPlayIniFile, "
                      "or have the host pass a business key that has one")};

  const std::string heading = "[" + section->name + "]";
  const std::string file = settings.ReadString(businessKey, "DisPlayIniFile", "");
  const std::string name = settings.ReadString(businessKey, "DisPlayName", "");
  std::vector<Problem> problems;
  if (file.empty())
    problems.push_back(error(settingsPath, section->line,
                             heading +
                                 " has no DisPlayIniFile, so the screen shows no invoice; name the template "
                                 "file, which lies in " +
                                 settingsFolder));
  if (name.empty())
    problems.push_back(error(settingsPath, section->line,
                             heading + " has no DisPlayName, so the screen shows no invoice; give the name that "
                                       "follows NAME in the template's <NAME(...)>"));
  if (!problems.empty()) return problems;

  const std::string templatePath = SettingsFile(settingsFolder, file);
  if (!FileExists(templatePath))
    return {error(settingsPath, settings.FindEntry(businessKey, "DisPlayIniFile")->line,
                  heading + " DisPlayIniFile=" + file + ": no such template file: " + templatePath)};
  TemplateReader reader(templatePath);
  if (!reader.Opened())
    return {error(templatePath, 0,
                  "the template of " + heading + " in FormatShow.ini cannot be read: " + std::strerror(errno))};
  if (!SkipToInvoice(reader, name))
    return {error(templatePath, 0,
                  "no invoice <NAME(" + name + ")> in this template, which DisPlayName=" + name + " of " + heading +
                      " (FormatShow.ini line " + std::to_string(settings.FindEntry(businessKey, "DisPlayName")->line) +
                      ") asks for; correct either name")};
  return {};
}

}  // namespace iv
