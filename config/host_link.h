#pragma once
// The one way to the host's services object. Every operation first checks that there is a host,
// that it has an operation table and that the table holds the operation; when any is missing,
// the operation is not made and the host sees nothing. Texts go to the host as HostText.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "invoiceview/host_services.h"

namespace iv {

// A value the host's TextToValue answered, its string copied while it was still valid.
struct HostValue {
  std::int32_t type = IV_VAR_EMPTY;
  std::int64_t i = 0;
  double d = 0.0;
  std::string s;
};

class HostLink {
 public:
  explicit HostLink(THostServices *services) : services_(services) {}
  // The host of the current (or last) ShowForm call.
  static HostLink Current();

  // The host's business key (GBK); empty without a host or a key.
  std::string BusinessKey() const;

  // Each answers whether the host had the operation and was called.
  bool ReportError(std::string_view text) const;
  bool LoadSkinImage(IvControl *control, std::string_view name) const;
  bool FormActivated(IvForm *form) const;
  bool PrintText(std::string_view text) const;
  // nullopt when the host has no TextToValue.
  std::optional<HostValue> TextToValue(std::string_view text, std::int32_t kind) const;

 private:
  // The host's operation table; null when there is no host or no table.
  const THostServicesVtbl *Table() const;

  THostServices *services_;
};

}  // namespace iv
