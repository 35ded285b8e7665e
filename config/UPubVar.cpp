#include "config/UPubVar.h"

namespace iv {

DataArray DataI;
DataArray DataO;
bool EscPressed = false;
bool EnterPressed = false;
DebugInfo SharedDebugInfo;
std::string RemotIP;
std::string UseName;
std::string UsePass;
THostServices *HostServices = nullptr;
TSysCs *SysCs = nullptr;

}  // namespace iv
