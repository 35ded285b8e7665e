#include "config/UTSysCs.h"

#include <exception>

#include "config/XML_R_W.h"
#include "config/sys_parameter_table.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

void ReadSectionItems(TXMLControl &reader, const ParameterSection &section, TSysCs &cs) {
  // Items are read by the numbers 1..n only, so an Index of "01" or above n is never read.
  reader.ForEachNumberedItem("Item", "Index", [&] {
    if (const ParameterKey *key = section.Find(reader.ReadText("Name"))) key->store(cs, reader.ReadText("Value"));
  });
}

}  // namespace

TSysCs::TSysCs() {
  WorkDir = CurrentDirectory();
  IniDir = JoinPath(WorkDir, "INI");
  const std::string systemFile = JoinPath(IniDir, "Sys.xml");
  if (!FileExists(ResolvePath(systemFile))) {
    LoadStatus = 1;
    LoadMessage = Gbk(u8"配置文件(Sys.xml)丢失");
    return;
  }
  LoadSystemFile(systemFile);
  ServiceConfig = std::make_unique<TXMLuse>(JoinPath(IniDir, "SCConf.xml"), "", "/", 0, "");
}

void TSysCs::LoadSystemFile(const std::string &path) {
  TXMLControl reader;
  try {
    const std::string base = CurrentDirectory();
    reader.LoadFile(path);
    // Without a System root the sections are looked for on the document level, where
    // normally nothing matches; the trade paths are still settled.
    reader.EnterChild("System", false);
    const auto &sections = SystemParameterSections();
    for (const ParameterSection &section : sections) {
      if (!reader.EnterChild(std::string(section.name), false)) continue;
      ReadSectionItems(reader, section, *this);
      // The walk ends inside the last section.
      if (&section != &sections.back()) reader.Leave();
    }
    InitTrade = CombinePath(base, InitTrade);
    TradeXML = CombinePath(base, TradeXML);
  } catch (const std::exception &) {
    // A file without levels, a bad Boolean or an unconvertible host value ends the loading;
    // what was stored so far stays.
  }
}

}  // namespace iv
