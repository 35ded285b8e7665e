#include "forms/print_text.h"

#include <cerrno>
#include <exception>
#include <optional>

#include "config/UTSysCs.h"
#include "platform/ini/ini_file.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"
#include "platform/text/separated_fields.h"
#include "platform/text/trim.h"
#include "platform/time/format_date_time.h"

namespace iv {
namespace {

std::string_view BeforeNul(std::string_view value) { return value.substr(0, value.find('\0')); }

// What an item other than Title shows after its label; nullopt, and why in `why`, when it shows
// no line.
std::optional<std::string> ItemValue(std::string_view item, std::string_view argument, const ReceiptSources &sources,
                                     std::string &why) {
  if (SameTextGbk(item, "Date") || SameTextGbk(item, "Time")) return FormatDateTime(argument, sources.clock());
  const std::size_t n = static_cast<std::size_t>(LeadingDigits(argument));
  const auto entry = [&](const auto &values) -> std::optional<std::string> {
    if (n < values.size()) return std::string(values[n]);
    why = "its index " + std::to_string(n) + " is beyond " + std::to_string(values.size() - 1);
    return std::nullopt;
  };
  if (SameTextGbk(item, "O")) return entry(sources.out);
  if (SameTextGbk(item, "I")) return entry(sources.in);
  if (SameTextGbk(item, "H")) return entry(sources.headValues);
  why = "its item \"" + std::string(item) + "\" is none of Title, Date, Time, O, I and H";
  return std::nullopt;
}

}  // namespace

std::string_view BankName(const TSysCs *parameters) {
  return parameters != nullptr ? std::string_view(parameters->BankName) : std::string_view();
}

std::optional<std::string> ComposePrintLine(std::string_view line, const ReceiptSources &sources, std::string *why) {
  if (const std::size_t tilde = FindCharGbk(line, '~'); tilde != std::string_view::npos) {
    return std::string(line.substr(0, tilde));
  }
  const std::string item = TextBetween(line, '[', '<');
  // Blanks around Title make it no item at all: the one name that is matched as written.
  if (SameTextGbk(item, "Title")) return std::string(BeforeNul(sources.bankName));
  std::string reason;
  const std::optional<std::string> value = ItemValue(Trim(item), TextBetween(line, '<', '>'), sources, reason);
  if (!value) {
    if (why != nullptr) *why = reason;
    return std::nullopt;
  }
  const std::string_view label = line.substr(0, FindCharGbk(line, '['));
  return std::string(label) + std::string(BeforeNul(*value));
}

std::string ComposePrintText(const std::vector<std::string> &lines, const ReceiptSources &sources) {
  std::string text;
  for (const std::string &line : lines) {
    if (const auto printed = ComposePrintLine(line, sources)) text += *printed + "\r\n";
  }
  return text;
}

bool BuildPrintText(const IniFile &settings, std::string_view businessKey, const ReceiptSources &sources,
                    const HostLink &host, std::string &printData) {
  if (settings.ReadInteger(businessKey, "IsPrint", 0) == 0) return false;
  try {
    printData = ComposePrintText(settings.ReadNumberedList(businessKey), sources);
  } catch (const std::exception &) {
    // Printing stays offered, with no text; the host learns why from the last error code.
    const int code = errno;
    host.ReportError("GetPrintFile ErrorCode=[" + std::to_string(code) + "]");
  }
  return true;
}

}  // namespace iv
