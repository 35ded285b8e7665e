// FormatShow.ini: for each business key the invoice shown, its template and the field lines.
#include <set>
#include <utility>

#include "checks/settings/idle_timeout_check.h"
#include "checks/settings/invoice_settings_check.h"
#include "checks/settings/settings_checks.h"
#include "checks/template/template_problems.h"
#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "platform/diagnostics/problem.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

namespace iv::check {
namespace {

constexpr const char *kFile = "INI/FormatShow.ini";

// The template's lint, for an invoice the screen finds, on the pages of the transaction's values
// when there are any. Keys sharing an invoice share its problems: each is told once.
void LintInvoice(ProblemList &problems, const std::string &path, const std::string &key, const std::string &file,
                 const std::string &name, const SectionTables &values) {
  static std::set<std::pair<std::string, std::string>> linted;
  if (!linted.insert({UpperCaseGbk(path), UpperCaseGbk(name)}).second) return;
  PageRequest request;
  request.templatePath = path;
  request.invoiceName = GbkToUtf8(name);
  const std::string shown = "INI/" + ToNativeSeparators(file);
  for (const Problem &problem : FindTemplateProblems(request, values)) {
    problems.Add(problem.severity, shown, problem.line, ProblemText(problem), key);
  }
}

void CheckFieldLines(ProblemList &problems, const IniFile &settings, const std::string &key) {
  for (const IniFile::Entry *line : NumberedLines(problems, kFile, settings, key)) {
    try {
      const auto read = ReadFieldLine(line->value, kFieldValueCount);
      if (const std::string *skipped = std::get_if<std::string>(&read))
        problems.Error(kFile, line->line, "field line " + line->key + "=" + line->value + " is skipped: " + *skipped,
                       key);
    } catch (const ConversionError &) {
      problems.Error(kFile, line->line,
                     "field line " + line->key + "=" + line->value +
                         ": its target is not a number, so neither it nor any later field line is applied",
                     key);
      return;
    }
  }
}

}  // namespace

void CheckDisplaySettings(ProblemList &problems, const std::string &settingsFolder, const IniFile &settings,
                          const std::vector<std::string> &keys, const Transaction *transaction) {
  for (const std::string &key : keys) {
    // The file, the key's section, the template and the invoice, as the screen finds them.
    const std::vector<Problem> found = CheckInvoiceSettings(settingsFolder, settings, key);
    problems.Add(found, key);
    if (settings.FindSection(key) == nullptr) continue;
    const std::string file = settings.ReadString(key, "DisPlayIniFile", "");
    const std::string name = settings.ReadString(key, "DisPlayName", "");
    const std::string path = found.empty() ? SettingsFile(settingsFolder, file) : "";
    const bool data = transaction != nullptr && transaction->businessKey == key;
    if (found.empty()) LintInvoice(problems, path, key, file, name, data ? transaction->values : SectionTables{});
    if (data) CheckDetailData(problems, *transaction, settings, path, name);
    if (const IniFile::Entry *detail = settings.FindEntry(key, "IsDetail");
        detail != nullptr && detail->value != "0" && detail->value != "1" && detail->value != "2")
      problems.Error(kFile, detail->line,
                     "IsDetail=" + detail->value +
                         " is none of 0 (no detail data), 1 (cut into the head values) and 2 (cut into detail rows)",
                     key);
    problems.Add(CheckIdleTimeout(kFile, settings, key), key);
    CheckFieldLines(problems, settings, key);
  }
}

}  // namespace iv::check
