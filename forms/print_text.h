#pragma once
// The receipt text that the invoice screen hands to the host's printing, composed from the
// print lines of print.ini for the business key.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/UPubVar.h"

namespace iv {

// One printed line per print line, each ending in CR LF:
//   text~...             the text before the first "~" (a line with "~" is always plain text)
//   label[Title<...>     the bank name of the system parameters (empty before they exist);
//                        the name written without blanks around it, in any case
//   label[Date<pattern>  the label, then the current local time in the date-time pattern;
//   label[Time<pattern>  the same
//   label[O<n>           the label, then DataO[n], n from 0 to 64
//   label[I<n>           the label, then DataI[n], n from 0 to 64
//   label[H<n>           the label, then headValues entry n
// Other names match without regard to case and blanks around them; n is the argument's
// leading digits. Values end at a NUL. Other items, and n out of range, print no line.
std::string ComposePrintText(const std::vector<std::string> &lines, const dystring &headValues);
// The line one print line prints, without its CR LF; nullopt when it prints none, with the
// reason in words in `why` when given.
std::optional<std::string> ComposePrintLine(std::string_view line, const dystring &headValues,
                                            std::string *why = nullptr);

// Reads the section `businessKey` of print.ini in the settings folder. False, with printData
// untouched, when IsPrint is 0 or missing. Otherwise true, printData being the composed text;
// should composing fail, the host's ReportError is told "GetPrintFile ErrorCode=[<errno>]"
// and printData stays as it was.
bool BuildPrintText(std::string_view businessKey, const dystring &headValues, std::string &printData);

}  // namespace iv
