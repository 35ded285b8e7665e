// FormatShow.ini: for each business key the invoice shown, its template and the field lines.
#include <set>
#include <utility>

#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "forms/idle_timeout.h"
#include "forms/invoice_settings_check.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"
#include "tools/invoice_render/lint_run.h"
#include "tools/invoice_render/problem_line.h"
#include "tools/kiosk_check/kiosk_checks.h"

namespace iv::check {
namespace {

constexpr const char *kFile = "INI/FormatShow.ini";

// The template's lint, for an invoice the screen finds, on the pages of the transaction's values
// when there are any. Keys sharing an invoice share its problems: each is told once.
void LintInvoice(CheckReport &report, const std::string &path, const std::string &key, const std::string &file,
                 const std::string &name, const SectionTables &values) {
  static std::set<std::pair<std::string, std::string>> linted;
  if (!linted.insert({UpperCaseGbk(path), UpperCaseGbk(name)}).second) return;
  RenderOptions options;
  options.templatePath = path;
  options.invoiceName = GbkToUtf8(name);
  const std::string shown = "INI/" + ToNativeSeparators(file);
  for (const TemplateProblem &problem : FindTemplateProblems(options, values)) {
    report.Add(problem.severity == TemplateProblem::Severity::Error ? Severity::Error : Severity::Warning, shown,
               problem.at.line, ProblemText(problem), key);
  }
}

void CheckFieldLines(CheckReport &report, const IniFile &settings, const std::string &key) {
  for (const IniFile::Entry *line : NumberedLines(report, kFile, settings, key)) {
    try {
      const auto read = ReadFieldLine(line->value, kFieldValueCount);
      if (const std::string *skipped = std::get_if<std::string>(&read))
        report.Error(kFile, line->line, "field line " + line->key + "=" + line->value + " is skipped: " + *skipped,
                     key);
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

void CheckDisplaySettings(CheckReport &report, const std::string &settingsFolder, const IniFile &settings,
                          const std::vector<std::string> &keys, const Transaction *transaction) {
  for (const std::string &key : keys) {
    // The file, the key's section, the template and the invoice, as the screen finds them.
    const std::vector<Diagnostic> found = CheckInvoiceSettings(settingsFolder, settings, key);
    report.Add(found, key);
    if (settings.FindSection(key) == nullptr) continue;
    const std::string file = settings.ReadString(key, "DisPlayIniFile", "");
    const std::string name = settings.ReadString(key, "DisPlayName", "");
    const std::string path = found.empty() ? SettingsFile(settingsFolder, file) : "";
    const bool data = transaction != nullptr && transaction->businessKey == key;
    if (found.empty()) LintInvoice(report, path, key, file, name, data ? transaction->values : SectionTables{});
    if (data) CheckDetailData(report, *transaction, settings, path, name);
    if (const IniFile::Entry *detail = settings.FindEntry(key, "IsDetail");
        detail != nullptr && detail->value != "0" && detail->value != "1" && detail->value != "2")
      report.Error(kFile, detail->line,
                   "IsDetail=" + detail->value +
                       " is none of 0 (no detail data), 1 (cut into the head values) and 2 (cut into detail rows)",
                   key);
    report.Add(CheckIdleTimeout(kFile, settings, key), key);
    CheckFieldLines(report, settings, key);
  }
}

}  // namespace iv::check
