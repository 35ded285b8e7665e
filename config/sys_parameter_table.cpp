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

// What a Value text must be, and where its converted value goes.
struct Conversion {
  ParameterForm form;
  Store store;
};

ParameterKey Key(std::string_view name, Conversion conversion) {
  return {name, conversion.form, std::move(conversion.store)};
}

Conversion Text(std::string TSysCs::*member) {
  return {ParameterForm::Text, [member](TSysCs &cs, const std::string &value) { cs.*member = value; }};
}

Conversion Text(std::string &shared) {
  return {ParameterForm::Text, [&shared](TSysCs &, const std::string &value) { shared = value; }};
}

Conversion Integer(std::int32_t TSysCs::*member) {
  return {ParameterForm::WholeNumber,
          [member](TSysCs &cs, const std::string &value) { cs.*member = StrToIntDef(value, 0); }};
}

// Amounts are whole numbers held as reals: "12.5" is not a whole number and gives 0.
Conversion Amount(double TSysCs::*member) {
  return {ParameterForm::WholeNumber,
          [member](TSysCs &cs, const std::string &value) { cs.*member = StrToIntDef(value, 0); }};
}

Conversion Seconds(std::int32_t TSysCs::*member) {
  return {ParameterForm::WholeNumber,
          [member](TSysCs &cs, const std::string &value) { cs.*member = MillisecondsFromSeconds(value); }};
}

Conversion Path(std::string TSysCs::*member) {
  return {ParameterForm::Text,
          [member](TSysCs &cs, const std::string &value) { cs.*member = CombinePath(cs.WorkDir, value); }};
}

Conversion Boolean(bool DebugInfo::*member) {
  return {ParameterForm::Boolean,
          [member](TSysCs &, const std::string &value) { SharedDebugInfo.*member = BooleanValue(value); }};
}

Conversion DebugText(std::string DebugInfo::*member) {
  return {ParameterForm::Text, [member](TSysCs &, const std::string &value) { SharedDebugInfo.*member = value; }};
}

std::vector<ParameterSection> BuildSections() {
  return {
      {"Computer",
       {Key("EquipMent", Text(&TSysCs::EquipMent)), Key("UsrNO", Text(&TSysCs::UsrNO)),
        Key("BankNO", Text(&TSysCs::BankNO)), Key("DateLen", Integer(&TSysCs::DateLen)),
        Key("BankName", Text(&TSysCs::BankName))}},
      {"ICAbout",
       {Key("MaxCzje", Amount(&TSysCs::MaxCzje)), Key("MinCzje", Amount(&TSysCs::MinCzje)),
        Key("ICMaxJe", Amount(&TSysCs::ICMaxJe)), Key("JfDwCode", Text(&TSysCs::JfDwCode)),
        Key("CzDwCode", Text(&TSysCs::CzDwCode)), Key("AreaNo", Text(&TSysCs::AreaNo))}},
      {"Debug",
       {Key("ReaderDebug", Boolean(&DebugInfo::ReaderDebug)),
        Key("PrinterDebug", Boolean(&DebugInfo::PrinterDebug)),
        Key("ICCardDebug", Boolean(&DebugInfo::ICCardDebug)),
        Key("CommDebug", Boolean(&DebugInfo::CommDebug)),
        Key("WriteCommLog", Boolean(&DebugInfo::WriteCommLog)),
        Key("LineCheck", Boolean(&DebugInfo::LineCheck)),
        Key("ScreenOff", Boolean(&DebugInfo::ScreenOff)),
        Key("WritePrtLog", Boolean(&DebugInfo::WritePrtLog)),
        Key("ICYHBH", DebugText(&DebugInfo::ICYHBH)),
        Key("Track1", DebugText(&DebugInfo::Track1)),
        Key("Track2", DebugText(&DebugInfo::Track2)),
        Key("Track3", DebugText(&DebugInfo::Track3)),
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
       {Key("CommDelay", Seconds(&TSysCs::CommDelay)), Key("CenterIP", Text(&TSysCs::CenterIP)),
        Key("CenterPort", Integer(&TSysCs::CenterPort)), Key("MonitorIP", Text(&TSysCs::MonitorIP)),
        Key("MonitorPort", Integer(&TSysCs::MonitorPort)), Key("BankIP", Text(&TSysCs::BankIP)),
        Key("BankPort", Integer(&TSysCs::BankPort)), Key("DrvSCode", Text(&TSysCs::DrvSCode)),
        Key("DrvBCode", Text(&TSysCs::DrvBCode)), Key("CommClose", Seconds(&TSysCs::CommClose))}},
      {"ComParm", {Key("RemotIP", Text(RemotIP)), Key("UseName", Text(UseName)), Key("UsePass", Text(UsePass))}},
      {"CardFormVar", {Key("BZLX", Text(&TSysCs::BZLX))}},
      // TradeXML and InitTrade become paths only once the whole file has been walked.
      {"FilePath",
       {Key("LogFilePath", Path(&TSysCs::LogFilePath)), Key("ImagePath", Path(&TSysCs::ImagePath)),
        Key("WAV", Path(&TSysCs::WAV)), Key("TradeXML", Text(&TSysCs::TradeXML)),
        Key("InitTrade", Text(&TSysCs::InitTrade))}},
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
