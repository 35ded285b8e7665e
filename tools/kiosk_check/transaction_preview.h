#pragma once
// What the screen and the receipt get from one transaction, for the integrator to read.
#include <ostream>

#include "checks/kiosk/kiosk_checks.h"
#include "platform/ini/ini_file.h"

namespace iv::check {

// Prints what the screen and the receipt get from the transaction, with the print.ini the
// check has read.
void PreviewTransaction(std::ostream &out, const Transaction &transaction, const IniFile &print);

}  // namespace iv::check
