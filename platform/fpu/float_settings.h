#pragma once
// Host programs may run with floating-point exceptions unmasked (those written in Pascal-family
// languages unmask invalid operation and zero divide) or with other rounding. The library
// computes with its own settings from the moment the host calls it, and gives the host its own
// back whenever the host's code runs: in a call into the host and after the library returns.
#include "platform/fpu/float_control.h"

namespace iv {

// While it lives, the library's settings (LibraryFloatControl) are in force on this thread; its
// end puts back the settings it found, whatever ends it.
class LibraryFloatSettings {
 public:
  LibraryFloatSettings();
  ~LibraryFloatSettings();
  LibraryFloatSettings(const LibraryFloatSettings &) = delete;
  LibraryFloatSettings &operator=(const LibraryFloatSettings &) = delete;

 private:
  friend class HostFloatSettings;
  FloatControl caller_;
  FloatControl library_;
  LibraryFloatSettings *outer_;
};

// Around a call into the host: while it lives, the settings the innermost LibraryFloatSettings
// found are back in force; the library's return at its end. Changes nothing on a thread that
// no host called into (the tools and tests that use the library directly).
class HostFloatSettings {
 public:
  HostFloatSettings();
  ~HostFloatSettings();
  HostFloatSettings(const HostFloatSettings &) = delete;
  HostFloatSettings &operator=(const HostFloatSettings &) = delete;

 private:
  const LibraryFloatSettings *library_;
};

}  // namespace iv
