#pragma once
// A kiosk whose system parameters point at a fresh settings folder, with empty host data;
// the previous parameters and data come back afterwards.
#include <string>

#include "config/UPubVar.h"
#include "config/UTSysCs.h"
#include "tests/platform/temp_folder.h"

namespace iv::test {

class KioskSettings {
 public:
  KioskSettings() : previous_(SysCs) {
    parameters_.IniDir = folder_.Path() + "/INI";
    SysCs = &parameters_;
    ClearHostData();
  }
  ~KioskSettings() {
    SysCs = previous_;
    ClearHostData();
  }
  KioskSettings(const KioskSettings &) = delete;
  KioskSettings &operator=(const KioskSettings &) = delete;

  void Write(const std::string &name, const std::string &content) const { folder_.Write("INI/" + name, content); }

  TSysCs &Parameters() { return parameters_; }
  const std::string &Root() const { return folder_.Path(); }

 private:
  static void ClearHostData() {
    DataI.fill("");
    DataO.fill("");
  }

  testing::TempFolder folder_;
  TSysCs parameters_;
  TSysCs *previous_;
};

}  // namespace iv::test
