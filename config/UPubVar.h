#pragma once
// The process-wide state the plug-in entry, the forms and the system parameters share.
// Everything runs on the host's UI thread, so nothing here is guarded.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "invoiceview/host_services.h"

namespace iv {

class TSysCs;

using dystring = std::vector<std::string>;

inline constexpr int kDataEntries = 65;
using DataArray = std::array<std::string, kDataEntries>;

struct DebugInfo {
  bool ReaderDebug = false;
  bool PrinterDebug = false;
  bool ICCardDebug = false;
  bool CommDebug = false;
  bool WriteCommLog = false;
  bool WritePrtLog = false;
  bool LineCheck = false;
  bool ScreenOff = false;
  std::string ICYHBH;
  std::string Track1;
  std::string Track2;
  std::string Track3;
  std::uint32_t ICCardSN = 0;
  double ICCardYe = 0.0;
  std::int16_t ICTimes = 0;
  std::int8_t ICCardSta = 0;
};

extern DataArray DataI;
extern DataArray DataO;
extern bool EscPressed;
extern bool EnterPressed;
extern DebugInfo SharedDebugInfo;
extern std::string RemotIP;
extern std::string UseName;
extern std::string UsePass;
// The host's services object of the current (or last) ShowForm call; not owned.
extern THostServices *HostServices;
// Created by the first ShowForm call and kept, never freed, for the life of the process.
extern TSysCs *SysCs;

}  // namespace iv
