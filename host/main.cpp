// kiosk-host: the reference host. Loads the plug-in, feeds it a transaction and calls
// ShowForm, in a real window or headless, tracing every call the plug-in makes back.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "host/data_file.h"
#include "host/options.h"
#include "host/reference_host.h"
#include "platform/fs/paths.h"

namespace {

std::string DefaultPlugin() {
  std::string folder = iv::ExecutableFolder();
  for (const char *candidate : {"libinvoiceview.so", "../plugin/libinvoiceview.so"}) {
    std::string path = iv::JoinPath(folder, candidate);
    if (iv::FileExists(path)) return path;
  }
  return "libinvoiceview.so";
}

// Relative names given on the command line mean the folder kiosk-host was started in,
// not the kiosk folder it changes to.
std::string Absolute(const std::string &path, const std::string &startFolder) {
  return path.empty() || path.front() == '/' ? path : iv::JoinPath(startFolder, path);
}

}  // namespace

int main(int argc, char **argv) {
  std::string error;
  auto parsed = iv::host::ParseOptions(argc, argv, error);
  if (!parsed) {
    std::fprintf(stderr, "kiosk-host: %s\n%s", error.c_str(), iv::host::kUsage);
    return 2;
  }
  iv::host::Options options = *parsed;
  if (options.version) {
    std::puts("kiosk-host " IV_VERSION);
    return 0;
  }
  if (options.help) {
    std::fputs(iv::host::kUsage, stdout);
    return 0;
  }
  const std::string start = iv::CurrentDirectory();
  options.plugin = options.plugin.empty() ? DefaultPlugin() : Absolute(options.plugin, start);
  for (std::string *path : {&options.dataFile, &options.skins, &options.printOut, &options.snapshotDir})
    *path = Absolute(*path, start);
  if (options.headless) setenv("INVOICEVIEW_DISPLAY", "headless", 1);

  iv::host::TransactionData data;
  try {
    if (!options.dataFile.empty()) data = iv::host::ReadTransactionData(options.dataFile);
  } catch (const std::exception &e) {
    std::fprintf(stderr, "kiosk-host: %s\n", e.what());
    return 1;
  }
  if (!options.kiosk.empty() && chdir(options.kiosk.c_str()) != 0) {
    std::fprintf(stderr, "kiosk-host: cannot enter kiosk folder %s\n", options.kiosk.c_str());
    return 1;
  }
  if (options.skins.empty()) options.skins = iv::JoinPath(iv::CurrentDirectory(), "skins");

  void *library = dlopen(options.plugin.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "kiosk-host: cannot load plug-in: %s\n", dlerror());
    return 1;
  }
  auto showForm = reinterpret_cast<ShowFormFn>(dlsym(library, "ShowForm"));
  if (showForm == nullptr) {
    std::fprintf(stderr, "kiosk-host: the plug-in has no ShowForm\n");
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
    std::printf("ShowForm returned %d\n", result);
    std::fflush(stdout);
  }
  dlclose(library);
  return 0;
}
