// Random documents as Sys.xml: loading, the whole system parameters walk, the second
// document holder, and in-memory editing must survive anything.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/UPubVar.h"
#include "config/UTSysCs.h"
#include "config/XML_R_W.h"
#include "config/XMLuse.h"
#include "fuzz/fuzz_support.h"
#include "platform/fs/paths.h"

namespace {

void TextToValue(THostServices *, const char *text, int32_t kind, IvVariant *out) {
  *out = IvVariant{};
  out->type = kind == 1 ? IV_VAR_STRING : IV_VAR_INT;
  out->i = std::strtoll(text, nullptr, 10);
  out->s = text;
}

THostServices *FuzzHost() {
  static THostServicesVtbl vtbl = [] {
    THostServicesVtbl table{};
    table.TextToValue = &TextToValue;
    return table;
  }();
  static THostServices host{&vtbl, {}, 0, ""};
  return &host;
}

// A kiosk folder of our own (INI and Log in the scratch folder), made once.
const std::string &KioskFolder() {
  static const std::string &folder = [] () -> const std::string & {
    for (const char *sub : {"/INI", "/Log"}) std::filesystem::create_directories(iv::fuzz::ScratchFolder() + sub);
    return iv::fuzz::ScratchFolder();
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  const std::string previous = iv::CurrentDirectory();
  const std::string &kiosk = KioskFolder();
  {
    std::ofstream file(kiosk + "/INI/Sys.xml", std::ios::binary | std::ios::trunc);
    file << bytes;
  }
  if (chdir(kiosk.c_str()) != 0) abort();

  iv::HostServices = FuzzHost();
  delete new iv::TSysCs();

  iv::TXMLuse fromText("!" + bytes, "", "/", 0, "");

  iv::TXMLControl xml;
  xml.LoadFile(kiosk + "/INI/Sys.xml");
  if (xml.Depth() > 0) {
    const std::string name = bytes.substr(0, 8);
    xml.EnterChild(name, true);
    xml.EnterItem("Item", "Index", name, true);
    xml.ReadText(name);
    xml.DeleteChild(name);
    xml.Leave();
  }

  iv::HostServices = nullptr;
  if (chdir(previous.c_str()) != 0) abort();
  return 0;
}
