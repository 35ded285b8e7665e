#pragma once
// The kiosk's system parameters, read once from INI/Sys.xml under the current directory.
#include <cstdint>
#include <memory>
#include <string>

#include "config/XMLuse.h"
#include "config/combine_path.h"

namespace iv {

class TXMLControl;

class TSysCs {
 public:
  // Settles the folders and loads Sys.xml and SCConf.xml. Never throws for anything found in
  // the files: a problem ends the loading and the remaining parameters keep their defaults.
  // May call the host's TextToValue, so the host services must be stored first.
  TSysCs();
  TSysCs(const TSysCs &) = delete;
  TSysCs &operator=(const TSysCs &) = delete;

  // SCConf.xml, kept for readers outside this library; absent when Sys.xml is missing.
  std::unique_ptr<TXMLuse> ServiceConfig;
  // -1 once Sys.xml was found (however far loading got); 1 when it is missing.
  std::int32_t LoadStatus = -1;
  std::string LoadMessage;
  std::string WorkDir;
  // WorkDir + "/INI": Sys.xml, SCConf.xml, FormatShow.ini, print.ini and the templates.
  std::string IniDir;

  std::string LogFilePath;
  std::string ImagePath;
  std::string WAV;
  std::string InitTrade;
  std::string TradeXML;
  std::string JfDwCode;
  std::string CzDwCode;
  std::string AreaNo;
  double MaxCzje = 0.0;
  double MinCzje = 0.0;
  double ICMaxJe = 0.0;
  std::string EquipMent;
  std::string BankName;
  std::string UsrNO;
  std::string BankNO;
  std::string BZLX;
  std::string CenterIP;
  std::string BankIP;
  std::string MonitorIP;
  std::int32_t CenterPort = 0;
  std::int32_t BankPort = 0;
  std::int32_t MonitorPort = 0;
  // Milliseconds; the file gives seconds.
  std::int32_t CommDelay = 0;
  std::int32_t CommClose = 0;
  std::string DrvSCode;
  std::string DrvBCode;
  std::int32_t DateLen = 0;

 private:
  void LoadSystemFile(const std::string &path);
};

}  // namespace iv
