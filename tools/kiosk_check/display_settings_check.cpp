// FormatShow.ini: for each business key the invoice shown, its template and the field lines.
#include <map>
#include <utility>

#include "forms/FrmView.h"
#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"
#include "tools/invoice_render/lint_run.h"
#include "tools/invoice_render/lint_scan.h"
#include "tools/kiosk_check/kiosk_checks.h"

namespace iv::check {
namespace {

constexpr const char *kFile = "INI/FormatShow.ini";

// A value the section must have; its entry, or nothing after an error on the section's line.
const IniFile::Entry *Required(CheckReport &report, const IniFile &settings, const IniFile::Section &section,
                               const char *key, const char *what) {
  const IniFile::Entry *entry = settings.FindEntry(section.name, key);
  if (entry != nullptr && !entry->value.empty()) return entry;
  report.Error(kFile, entry != nullptr ? entry->line : section.line,
               "[" + section.name + "] has no " + key + ": " + what, section.name);
  return nullptr;
}

void CheckTemplate(CheckReport &report, const std::string &key, const IniFile::Entry &nameEntry,
                   const IniFile::Entry &fileEntry) {
  const std::string path = SettingsFile(fileEntry.value);
  const std::string shown = "INI/" + ToNativeSeparators(fileEntry.value);
  if (!FileExists(path)) {
    report.Error(kFile, fileEntry.line,
                 "DisPlayIniFile names " + shown + ", which does not exist: the screen shows an empty panel "
                 "and ErrorLog/Error.txt gets \"" + Gbk(u8"发票文件") + ": ... " + Gbk(u8"不存在") + "\"",
                 key);
    return;
  }
  const TemplateScan scan = ScanTemplate(path);
  std::string names;
  bool found = false;
  for (const ScannedInvoice &invoice : scan.invoices) {
    found = found || UpperCaseGbk(invoice.name) == UpperCaseGbk(nameEntry.value);
    names += (names.empty() ? "" : ", ") + invoice.name;
  }
  if (!found) {
    report.Error(kFile, nameEntry.line,
                 "DisPlayName " + nameEntry.value + " is no invoice of " + shown + " (it holds " +
                     (names.empty() ? std::string("none") : names) + "): the screen shows an empty panel",
                 key);
    return;
  }
  // Keys sharing an invoice share its problems: each is told once.
  static std::map<std::pair<std::string, std::string>, bool> linted;
  if (!linted.try_emplace({UpperCaseGbk(path), UpperCaseGbk(nameEntry.value)}, true).second) return;
  RenderOptions options;
  options.templatePath = path;
  options.invoiceName = GbkToUtf8(nameEntry.value);
  for (const TemplateProblem &problem : FindTemplateProblems(options, SectionTables{})) {
    const std::string message =
        problem.explanation.empty() ? problem.message : problem.message + " (" + problem.explanation + ")";
    report.Add(problem.severity == TemplateProblem::Severity::Error ? Severity::Error : Severity::Warning, shown,
               problem.at.line, message, key);
  }
}

void CheckFieldLines(CheckReport &report, const IniFile &settings, const std::string &key) {
  for (const IniFile::Entry *line : NumberedLines(report, kFile, settings, key)) {
    try {
      const auto read = ReadFieldLine(line->value, kFieldValueCount);
      if (const std::string *skipped = std::get_if<std::string>(&read))
        report.Error(kFile, line->line, "field line " + line->key + "=" + line->value + " is skipped: " + *skipped, key);
    } catch (const ConversionError &) {
      report.Error(kFile, line->line,
                   "field line " + line->key + "=" + line->value +
                       ": its target is not a number, so neither it nor any later field line is applied",
                   key);
      return;
    }
  }
}

}  // namespace

void CheckDisplaySettings(CheckReport &report, const IniFile &settings, const std::vector<std::string> &keys) {
  for (const std::string &key : keys) {
    const IniFile::Section *section = settings.FindSection(key);
    if (section == nullptr) {
      report.Error(kFile, 0, "no section [" + key + "]: the screen for this business key shows an empty panel", key);
      continue;
    }
    const IniFile::Entry *name = Required(report, settings, *section, "DisPlayName", "the invoice to show");
    const IniFile::Entry *file = Required(report, settings, *section, "DisPlayIniFile", "the template file in INI/");
    if (name != nullptr && file != nullptr) CheckTemplate(report, key, *name, *file);
    if (const IniFile::Entry *detail = settings.FindEntry(key, "IsDetail");
        detail != nullptr && detail->value != "0" && detail->value != "1" && detail->value != "2")
      report.Error(kFile, detail->line,
                   "IsDetail=" + detail->value +
                       " is none of 0 (no detail data), 1 (cut into the head values) and 2 (cut into detail rows)",
                   key);
    CheckFieldLines(report, settings, key);
  }
}

}  // namespace iv::check
