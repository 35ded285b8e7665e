#include "platform/fpu/float_settings.h"

namespace iv {
namespace {

// The innermost library scope of this thread: a host may call the library's handle operations
// from inside a call into the host, which opens a scope within the scope.
thread_local LibraryFloatSettings *innermost = nullptr;

}  // namespace

LibraryFloatSettings::LibraryFloatSettings()
    : caller_(CurrentFloatControl()), library_(LibraryFloatControl()), outer_(innermost) {
  UseFloatControl(library_);
  innermost = this;
}

LibraryFloatSettings::~LibraryFloatSettings() {
  innermost = outer_;
  UseFloatControl(caller_);
}

HostFloatSettings::HostFloatSettings() : library_(innermost) {
  if (library_ != nullptr) UseFloatControl(library_->caller_);
}

HostFloatSettings::~HostFloatSettings() {
  if (library_ != nullptr) UseFloatControl(library_->library_);
}

}  // namespace iv
