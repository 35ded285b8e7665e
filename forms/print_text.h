#pragma once
// The receipt text that the invoice screen hands to the host's printing, composed from the
// print lines of print.ini for the business key.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/UPubVar.h"
#include "config/host_link.h"
#include "platform/ini/ini_file.h"
#include "platform/time/date_time.h"

namespace iv {

// What the print lines print from: the host's data arrays, the head values, the bank's name and
// the clock that Date and Time read, once for each line that names them.
struct ReceiptSources {
  const DataArray &in;   // the host's DataI
  const DataArray &out;  // the host's DataO
  const dystring &headValues;
  std::string_view bankName;
  DateTime (*clock)() = Now;
};

// The bank's name that the receipt's Title prints: the system parameters' BankName, empty while
// there are none (null).
std::string_view BankName(const TSysCs *parameters);

// One printed line per print line, each ending in CR LF:
//   text~...             the text before the first "~" (a line with "~" is always plain text)
//   label[Title<...>     the bank name; the name written without blanks around it, in any case
//   label[Date<pattern>  the label, then the clock's local time in the date-time pattern;
//   label[Time<pattern>  the same
//   label[O<n>           the label, then out[n], n from 0 to 64
//   label[I<n>           the label, then in[n], n from 0 to 64
//   label[H<n>           the label, then headValues entry n
// Other names match without regard to case and blanks around them; n is the argument's
// leading digits. Values end at a NUL. Other items, and n out of range, print no line.
std::string ComposePrintText(const std::vector<std::string> &lines, const ReceiptSources &sources);
// The line one print line prints, without its CR LF; nullopt when it prints none, with the
// reason in words in `why` when given.
std::optional<std::string> ComposePrintLine(std::string_view line, const ReceiptSources &sources,
                                            std::string *why = nullptr);

// Reads the section `businessKey` of the print settings (print.ini). False, with printData
// untouched, when IsPrint is 0 or missing. Otherwise true, printData being the composed text;
// should composing fail, the host's ReportError is told "GetPrintFile ErrorCode=[<errno>]"
// and printData stays as it was.
bool BuildPrintText(const IniFile &settings, std::string_view businessKey, const ReceiptSources &sources,
                    const HostLink &host, std::string &printData);

}  // namespace iv
