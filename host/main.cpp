// kiosk-host: the reference host. Loads the plug-in, feeds it a transaction and calls
// ShowForm, in a real window or headless, tracing every call the plug-in makes back.
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "host/data_file.h"
#include "platform/fs/native_path.h"
#include "host/options.h"
#include "host/plugin_library.h"
#include "host/reference_host.h"
#include "host/sample_start.h"
#include "platform/fs/command_line.h"
#include "platform/fs/paths.h"
#include "platform/fs/standard_streams.h"

namespace {

// Creates the snapshot folder when it is missing and enters the kiosk folder; a failure is
// told on stderr with the system's reason.
bool PrepareFolders(const iv::host::Options &options) {
  std::error_code error;
  if (!options.snapshotDir.empty()) {
    std::filesystem::create_directories(iv::NativePath(options.snapshotDir), error);
    if (error) {
      std::cerr << "kiosk-host: cannot create snapshot folder " << iv::NameInMessage(options.snapshotDir) << ": "
                << error.message() << "\n";
      return false;
    }
  }
  if (!options.kiosk.empty()) {
    std::filesystem::current_path(iv::NativePath(options.kiosk), error);
    if (error) {
      std::cerr << "kiosk-host: cannot enter kiosk folder " << iv::NameInMessage(options.kiosk) << ": "
                << error.message() << "\n";
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char **argv) try {
  iv::SetUpStandardStreams();
  std::string error;
  auto parsed = iv::host::ParseOptions(iv::CommandLineArguments(argc, argv), error);
  if (!parsed) {
    std::cerr << "kiosk-host: " << error << "\n" << iv::host::kUsage;
    return 2;
  }
  if (argc == 1) {
    // No arguments (a double-click): the sample bill if it lies beside the program, else the usage.
    parsed = iv::host::SampleStartOptions(iv::ExecutableFolder());
    if (!parsed) {
      std::cerr << iv::host::kUsage;
      return 2;
    }
    std::cout << "kiosk-host: no arguments: the sample water bill of " << iv::NameInMessage(parsed->kiosk)
              << " (Up/Down page, Enter prints, Esc returns); kiosk-host --help lists the options\n";
  }
  iv::host::Options options = *parsed;
  if (options.version) {
    std::cout << "kiosk-host " IV_VERSION "\n";
    return 0;
  }
  if (options.help) {
    std::cout << iv::host::kUsage;
    return 0;
  }
  const std::string start = iv::CurrentDirectory();
  options.plugin = options.plugin.empty() ? iv::host::DefaultPluginPath(iv::ExecutableFolder())
                                          : iv::PathFrom(start, options.plugin);
  for (std::string *path : {&options.dataFile, &options.skins, &options.printOut, &options.snapshotDir})
    *path = iv::PathFrom(start, *path);  // relative names mean where kiosk-host was started
  if (options.headless) {
    static char headless[] = "INVOICEVIEW_DISPLAY=headless";  // putenv keeps the string itself
    putenv(headless);
  }

  iv::host::TransactionData data;
  if (!options.dataFile.empty()) data = iv::host::ReadTransactionData(options.dataFile);
  if (!PrepareFolders(options)) return 1;

  const iv::host::PluginLibrary library(options.plugin);
  const ShowFormFn showForm = library.ShowForm();
  if (showForm == nullptr) {
    std::cerr << "kiosk-host: " << library.Error() << "\n";
    return 1;
  }

  const char *dataI[65];
  const char *dataO[65];
  for (int i = 0; i < 65; ++i) {
    dataI[i] = data.in[i].c_str();
    dataO[i] = data.out[i].c_str();
  }
  iv::host::ReferenceHost host(options);
  for (int call = 0; call < options.calls; ++call) {
    host.BeginCall();
    int32_t result = showForm(host.Services(), dataI, dataO, 0);
    std::cout << "ShowForm returned " << result << "\n" << std::flush;
  }
  return host.FileErrors() == 0 ? 0 : 1;
} catch (const std::exception &e) {
  // Nothing may end the host with an abort: the reason, and the runtime-error exit.
  std::cerr << "kiosk-host: " << e.what() << "\n";
  return 1;
}
