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
       {{"EquipMent", ParameterForm::Text, Text(&TSysCs::EquipMent)},
        {"UsrNO", ParameterForm::Text, Text(&TSysCs::UsrNO)},
        {"BankNO", ParameterForm::Text, Text(&TSysCs::BankNO)},
        {"DateLen", ParameterForm::WholeNumber, Integer(&TSysCs::DateLen)},
        {"BankName", ParameterForm::Text, Text(&TSysCs::BankName)}}},
      {"ICAbout",
       {{"MaxCzje", ParameterForm::WholeNumber, Amount(&TSysCs::MaxCzje)},
        {"MinCzje", ParameterForm::WholeNumber, Amount(&TSysCs::MinCzje)},
        {"ICMaxJe", ParameterForm::WholeNumber, Amount(&TSysCs::ICMaxJe)},
        {"JfDwCode", ParameterForm::Text, Text(&TSysCs::JfDwCode)},
        {"CzDwCode", ParameterForm::Text, Text(&TSysCs::CzDwCode)},
        {"AreaNo", ParameterForm::Text, Text(&TSysCs::AreaNo)}}},
      {"Debug",
       {{"ReaderDebug", ParameterForm::Boolean, Boolean(&DebugInfo::ReaderDebug)},
        {"PrinterDebug", ParameterForm::Boolean, Boolean(&DebugInfo::PrinterDebug)},
        {"ICCardDebug", ParameterForm::Boolean, Boolean(&DebugInfo::ICCardDebug)},
        {"CommDebug", ParameterForm::Boolean, Boolean(&DebugInfo::CommDebug)},
        {"WriteCommLog", ParameterForm::Boolean, Boolean(&DebugInfo::WriteCommLog)},
        {"LineCheck", ParameterForm::Boolean, Boolean(&DebugInfo::LineCheck)},
        {"ScreenOff", ParameterForm::Boolean, Boolean(&DebugInfo::ScreenOff)},
        {"WritePrtLog", ParameterForm::Boolean, Boolean(&DebugInfo::WritePrtLog)},
        {"ICYHBH", ParameterForm::Text, DebugText(&DebugInfo::ICYHBH)},
        {"Track1", ParameterForm::Text, DebugText(&DebugInfo::Track1)},
        {"Track2", ParameterForm::Text, DebugText(&DebugInfo::Track2)},
        {"Track3", ParameterForm::Text, DebugText(&DebugInfo::Track3)},
        // A serial number keeps the low 32 bits of the host's 64-bit value.
        {"ICCardSN", ParameterForm::HostNumber,
         [](TSysCs &, const std::string &value) {
           SharedDebugInfo.ICCardSN = static_cast<std::uint32_t>(HostInteger(value));
         }},
        {"ICTimes", ParameterForm::WholeNumber,
         [](TSysCs &, const std::string &value) {
           SharedDebugInfo.ICTimes = static_cast<std::int16_t>(StrToIntDef(value, 0));
         }},
        {"ICCardYe", ParameterForm::HostNumber,
         [](TSysCs &, const std::string &value) { SharedDebugInfo.ICCardYe = HostReal(value); }},
        {"ICCardSta", ParameterForm::WholeNumber,
         [](TSysCs &, const std::string &value) {
           SharedDebugInfo.ICCardSta = static_cast<std::int8_t>(StrToIntDef(value, 0));
         }}}},
      {"Connect",
       {{"CommDelay", ParameterForm::WholeNumber, Seconds(&TSysCs::CommDelay)},
        {"CenterIP", ParameterForm::Text, Text(&TSysCs::CenterIP)},
        {"CenterPort", ParameterForm::WholeNumber, Integer(&TSysCs::CenterPort)},
        {"MonitorIP", ParameterForm::Text, Text(&TSysCs::MonitorIP)},
        {"MonitorPort", ParameterForm::WholeNumber, Integer(&TSysCs::MonitorPort)},
        {"BankIP", ParameterForm::Text, Text(&TSysCs::BankIP)},
        {"BankPort", ParameterForm::WholeNumber, Integer(&TSysCs::BankPort)},
        {"DrvSCode", ParameterForm::Text, Text(&TSysCs::DrvSCode)},
        {"DrvBCode", ParameterForm::Text, Text(&TSysCs::DrvBCode)},
        {"CommClose", ParameterForm::WholeNumber, Seconds(&TSysCs::CommClose)}}},
      {"ComParm",
       {{"RemotIP", ParameterForm::Text, Text(RemotIP)}, {"UseName", ParameterForm::Text, Text(UseName)}, {"UsePass", ParameterForm::Text, Text(UsePass)}}},
      {"CardFormVar", {{"BZLX", ParameterForm::Text, Text(&TSysCs::BZLX)}}},
      // TradeXML and InitTrade become paths only once the whole file has been walked.
      {"FilePath",
       {{"LogFilePath", ParameterForm::Text, Path(&TSysCs::LogFilePath)},
        {"ImagePath", ParameterForm::Text, Path(&TSysCs::ImagePath)},
        {"WAV", ParameterForm::Text, Path(&TSysCs::WAV)},
        {"TradeXML", ParameterForm::Text, Text(&TSysCs::TradeXML)},
        {"InitTrade", ParameterForm::Text, Text(&TSysCs::InitTrade)}}},
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
