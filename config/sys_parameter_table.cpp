#include "config/sys_parameter_table.h"

#include <cstdint>

#include "config/UPubVar.h"
#include "config/UTSysCs.h"
#include "config/combine_path.h"
#include "config/parameter_values.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"

namespace iv {
namespace {

using Store = std::function<void(TSysCs &, const std::string &)>;

Store Text(std::string TSysCs::*member) {
  return [member](TSysCs &cs, const std::string &value) { cs.*member = value; };
}

Store Text(std::string &shared) {
  return [&shared](TSysCs &, const std::string &value) { shared = value; };
}

Store Integer(std::int32_t TSysCs::*member) {
  return [member](TSysCs &cs, const std::string &value) { cs.*member = StrToIntDef(value, 0); };
}

// Amounts are whole numbers held as reals: "12.5" is not a whole number and gives 0.
Store Amount(double TSysCs::*member) {
  return [member](TSysCs &cs, const std::string &value) { cs.*member = StrToIntDef(value, 0); };
}

Store Seconds(std::int32_t TSysCs::*member) {
  return [member](TSysCs &cs, const std::string &value) {
    cs.*member = MillisecondsFromSeconds(value);
  };
}

Store Path(std::string TSysCs::*member) {
  return [member](TSysCs &cs, const std::string &value) {
    cs.*member = CombinePath(cs.WorkDir, value);
  };
}

Store Boolean(bool DebugInfo::*member) {
  return [member](TSysCs &, const std::string &value) {
    SharedDebugInfo.*member = BooleanValue(value);
  };
}

Store DebugText(std::string DebugInfo::*member) {
  return [member](TSysCs &, const std::string &value) { SharedDebugInfo.*member = value; };
}

std::vector<ParameterSection> BuildSections() {
  return {
      {"Computer",
       {{"EquipMent", Text(&TSysCs::EquipMent)},
        {"UsrNO", Text(&TSysCs::UsrNO)},
        {"BankNO", Text(&TSysCs::BankNO)},
        {"DateLen", Integer(&TSysCs::DateLen)},
        {"BankName", Text(&TSysCs::BankName)}}},
      {"ICAbout",
       {{"MaxCzje", Amount(&TSysCs::MaxCzje)},
        {"MinCzje", Amount(&TSysCs::MinCzje)},
        {"ICMaxJe", Amount(&TSysCs::ICMaxJe)},
        {"JfDwCode", Text(&TSysCs::JfDwCode)},
        {"CzDwCode", Text(&TSysCs::CzDwCode)},
        {"AreaNo", Text(&TSysCs::AreaNo)}}},
      {"Debug",
       {{"ReaderDebug", Boolean(&DebugInfo::ReaderDebug)},
        {"PrinterDebug", Boolean(&DebugInfo::PrinterDebug)},
        {"ICCardDebug", Boolean(&DebugInfo::ICCardDebug)},
        {"CommDebug", Boolean(&DebugInfo::CommDebug)},
        {"WriteCommLog", Boolean(&DebugInfo::WriteCommLog)},
        {"LineCheck", Boolean(&DebugInfo::LineCheck)},
        {"ScreenOff", Boolean(&DebugInfo::ScreenOff)},
        {"WritePrtLog", Boolean(&DebugInfo::WritePrtLog)},
        {"ICYHBH", DebugText(&DebugInfo::ICYHBH)},
        {"Track1", DebugText(&DebugInfo::Track1)},
        {"Track2", DebugText(&DebugInfo::Track2)},
        {"Track3", DebugText(&DebugInfo::Track3)},
        // A serial number keeps the low 32 bits of the host's 64-bit value.
        {"ICCardSN",
         [](TSysCs &, const std::string &value) {
           SharedDebugInfo.ICCardSN = static_cast<std::uint32_t>(HostInteger(value));
         }},
        {"ICTimes",
         [](TSysCs &, const std::string &value) {
           SharedDebugInfo.ICTimes = static_cast<std::int16_t>(StrToIntDef(value, 0));
         }},
        {"ICCardYe",
         [](TSysCs &, const std::string &value) { SharedDebugInfo.ICCardYe = HostReal(value); }},
        {"ICCardSta",
         [](TSysCs &, const std::string &value) {
           SharedDebugInfo.ICCardSta = static_cast<std::int8_t>(StrToIntDef(value, 0));
         }}}},
      {"Connect",
       {{"CommDelay", Seconds(&TSysCs::CommDelay)},
        {"CenterIP", Text(&TSysCs::CenterIP)},
        {"CenterPort", Integer(&TSysCs::CenterPort)},
        {"MonitorIP", Text(&TSysCs::MonitorIP)},
        {"MonitorPort", Integer(&TSysCs::MonitorPort)},
        {"BankIP", Text(&TSysCs::BankIP)},
        {"BankPort", Integer(&TSysCs::BankPort)},
        {"DrvSCode", Text(&TSysCs::DrvSCode)},
        {"DrvBCode", Text(&TSysCs::DrvBCode)},
        {"CommClose", Seconds(&TSysCs::CommClose)}}},
      {"ComParm",
       {{"RemotIP", Text(RemotIP)}, {"UseName", Text(UseName)}, {"UsePass", Text(UsePass)}}},
      {"CardFormVar", {{"BZLX", Text(&TSysCs::BZLX)}}},
      // TradeXML and InitTrade become paths only once the whole file has been walked.
      {"FilePath",
       {{"LogFilePath", Path(&TSysCs::LogFilePath)},
        {"ImagePath", Path(&TSysCs::ImagePath)},
        {"WAV", Path(&TSysCs::WAV)},
        {"TradeXML", Text(&TSysCs::TradeXML)},
        {"InitTrade", Text(&TSysCs::InitTrade)}}},
  };
}

}  // namespace

const ParameterKey *ParameterSection::Find(std::string_view name) const {
  for (const ParameterKey &key : keys) {
    if (SameTextGbk(key.name, name)) return &key;
  }
  return nullptr;
}

const std::vector<ParameterSection> &SystemParameterSections() {
  static const std::vector<ParameterSection> sections = BuildSections();
  return sections;
}

}  // namespace iv
