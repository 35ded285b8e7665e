#include "config/host_link.h"

#include "config/UPubVar.h"
#include "config/host_text.h"
#include "platform/fpu/float_settings.h"

namespace iv {
namespace {

// The host's code runs with the host's own floating-point settings.
template <typename Operation, typename... Arguments>
void CallHost(Operation operation, Arguments... arguments) {
  const HostFloatSettings hostSettings;
  operation(arguments...);
}

}  // namespace

HostLink HostLink::Current() { return HostLink(HostServices); }

const THostServicesVtbl *HostLink::Table() const { return services_ != nullptr ? services_->vtbl : nullptr; }

std::string HostLink::BusinessKey() const {
  return services_ != nullptr && services_->BusinessKey != nullptr ? services_->BusinessKey : "";
}

bool HostLink::ReportError(std::string_view text) const {
  const THostServicesVtbl *table = Table();
  if (table == nullptr || table->ReportError == nullptr) return false;
  CallHost(table->ReportError, services_, HostText(text).c_str());
  return true;
}

bool HostLink::LoadSkinImage(IvControl *control, std::string_view name) const {
  const THostServicesVtbl *table = Table();
  if (table == nullptr || table->LoadSkinImage == nullptr) return false;
  CallHost(table->LoadSkinImage, services_, control, HostText(name).c_str());
  return true;
}

bool HostLink::FormActivated(IvForm *form) const {
  const THostServicesVtbl *table = Table();
  if (table == nullptr || table->FormActivated == nullptr) return false;
  CallHost(table->FormActivated, services_, form);
  return true;
}

bool HostLink::PrintText(std::string_view text) const {
  const THostServicesVtbl *table = Table();
  if (table == nullptr || table->PrintText == nullptr) return false;
  CallHost(table->PrintText, services_, HostText(text).c_str());
  return true;
}

std::optional<HostValue> HostLink::TextToValue(std::string_view text, std::int32_t kind) const {
  const THostServicesVtbl *table = Table();
  if (table == nullptr || table->TextToValue == nullptr) return std::nullopt;
  IvVariant out{};
  CallHost(table->TextToValue, services_, HostText(text).c_str(), kind, &out);
  HostValue value{out.type, out.i, out.d, ""};
  if (out.type == IV_VAR_STRING && out.s != nullptr) value.s = out.s;
  return value;
}

}  // namespace iv
