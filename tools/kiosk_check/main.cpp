// kiosk-check: reads a whole kiosk folder with the library's own readers and names every fault
// with its file and line; with a transaction, shows what the screen and the receipt get.
#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "checks/access/access_checks.h"
#include "checks/kiosk/kiosk_checks.h"
#include "checks/settings/settings_checks.h"
#include "forms/Func_Lib.h"
#include "platform/fs/command_line.h"
#include "platform/fs/paths.h"
#include "platform/fs/standard_streams.h"
#include "tools/kiosk_check/check_report.h"
#include "tools/kiosk_check/transaction_preview.h"

namespace iv::check {
namespace {

constexpr int kExitClean = 0;
constexpr int kExitUsage = 2;
constexpr int kExitFaults = 3;

constexpr const char *kUsage =
    "usage: kiosk-check [KIOSK_DIR] [--business-key KEY] [--data FILE] [--skins DIR] [--user NAME]\n"
    "  Checks the kiosk folder (default: the current directory): INI/Sys.xml, FormatShow.ini,\n"
    "  print.ini, the templates and their fonts, Log/ and ErrorLog/; with --skins the skins the\n"
    "  host loads; with --data (kiosk-host's transaction format, needs --business-key) it checks\n"
    "  the transaction's text and detail data (I43, I44) at their lines, judges the template on\n"
    "  its pages and prints the head values, detail cells and receipt the screen would get; with\n"
    "  --user (not on Windows) whether the user NAME may read and write each file the kiosk reads\n"
    "  and writes.\n"
    "  Prints FILE:LINE: error|warning: MESSAGE lines, then one summary line per business key.\n"
    "  Exit status: 0 no error, 3 an error found, 2 bad usage.\n";

struct CheckOptions {
  std::string kiosk = ".";
  std::string businessKey;  // GBK
  std::string dataFile;
  std::string skins;
  std::string user;
};

int UsageError(const std::string &message) {
  std::cerr << "kiosk-check: " << message << "\n" << kUsage;
  return kExitUsage;
}

std::optional<CheckOptions> ParseOptions(const std::vector<std::string> &args, std::string &error) {
  CheckOptions options;
  bool kioskGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    std::string *value = arg == "--business-key" ? &options.businessKey
                         : arg == "--data"       ? &options.dataFile
                         : arg == "--skins"      ? &options.skins
                         : arg == "--user"       ? &options.user
                                                 : nullptr;
    if (value != nullptr) {
      if (i + 1 >= args.size()) return error = arg + " needs a value", std::nullopt;
      *value = NameArgument(args[++i]);
    } else if (arg.starts_with("-")) {
      return error = "unknown option " + arg, std::nullopt;
    } else if (!kioskGiven) {
      options.kiosk = NameArgument(arg);
      kioskGiven = true;
    } else {
      return error = "one kiosk folder only (" + arg + ")", std::nullopt;
    }
  }
  if (!options.dataFile.empty() && options.businessKey.empty())
    return error = "--data needs --business-key", std::nullopt;
  return options;
}

int Check(const CheckOptions &options, const std::optional<UserAccount> &user) {
  const std::string start = CurrentDirectory();
  if (!ChangeDirectory(options.kiosk)) {
    std::cerr << "kiosk-check: " << NameInMessage(options.kiosk) << ": " << std::strerror(errno) << "\n";
    return kExitUsage;
  }
  CheckReport report(std::cout);
  // Each check's problems are printed as soon as it returns.
  ProblemList found;
  // Read once, for the checks and the transaction's preview alike.
  SettingsText formatShow, print;
  std::vector<std::string> keys;
  const bool settingsFolder = CheckFolders(found);
  if (settingsFolder) {
    CheckSystemParameters(found);
    formatShow = ReadSettingsText(found, "INI/FormatShow.ini");
    if (!formatShow.present) found.Error("INI/FormatShow.ini", 0, "missing: every business key shows an empty panel");
    print = ReadSettingsText(found, "INI/print.ini");
    if (!print.present) found.Warning("INI/print.ini", 0, "missing: Enter prints nothing for any business key");
  }
  // The transaction's values: the data its template is judged on, and the preview.
  std::optional<Transaction> transaction;
  if (!options.dataFile.empty())
    transaction = ReadTransaction(found, options.businessKey, PathFrom(start, options.dataFile), formatShow.settings);
  report.Print(found);
  if (settingsFolder) {
    // The business key asked for, or every one either file has a section for.
    std::set<std::string> seen;
    if (!options.businessKey.empty()) keys.push_back(options.businessKey);
    for (const SettingsText *text : {&formatShow, &print})
      for (const IniFile::Section &section : text->settings.Sections())
        if (options.businessKey.empty() && seen.insert(section.name).second) keys.push_back(section.name);
    for (const std::string &key : keys) report.Mention(key);
    // The templates as a call finds them: in the kiosk folder's INI/ (the system parameters,
    // once loaded, name the same folder).
    if (formatShow.present)
      CheckDisplaySettings(found, SettingsFolder(nullptr), formatShow.settings, keys,
                           transaction ? &*transaction : nullptr);
    if (print.present) CheckPrintSettings(found, print.settings, keys);
  }
  const std::string skins = PathFrom(start, options.skins);
  if (!skins.empty()) CheckSkins(found, skins);
  if (user) CheckUserAccess(found, *user, formatShow.settings, keys, skins);
  report.Print(found);
  if (transaction) PreviewTransaction(std::cout, *transaction, print.settings);
  if (!user && PassesEveryModeBit())
    std::cout << "kiosk-check: note: run as root, which reads and writes every file whatever its mode; "
                 "--user NAME checks as the kiosk's user\n";
  report.PrintSummary();
  return report.Errors() > 0 ? kExitFaults : kExitClean;
}

int Main(const std::vector<std::string> &args) {
  for (const std::string &arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return kExitClean;
    }
    if (arg == "--version") {
      std::cout << "kiosk-check " << IV_VERSION << "\n";
      return kExitClean;
    }
  }
  std::string error;
  const std::optional<CheckOptions> options = ParseOptions(args, error);
  if (!options) return UsageError(error);
  std::optional<UserAccount> user;
  if (!options->user.empty() && !(user = FindUserAccount(options->user, error))) return UsageError("--user: " + error);
  return Check(*options, user);
}

}  // namespace
}  // namespace iv::check

int main(int argc, char **argv) {
  iv::SetUpStandardStreams();
  try {
    return iv::check::Main(iv::CommandLineArguments(argc, argv));
  } catch (const std::exception &error) {
    std::cerr << "kiosk-check: " << error.what() << "\n";
    return 1;
  }
}
