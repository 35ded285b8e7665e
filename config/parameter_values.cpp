#include "config/parameter_values.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "config/host_link.h"
#include "platform/text/dbcs.h"
#include "platform/text/integers.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

constexpr std::int32_t kHostInteger = 2;
constexpr std::int32_t kHostReal = 1;

// The text of a number with blanks around it removed and a leading '+' dropped; nullopt
// unless one sign at most is followed by a digit (or, for reals, a point). This keeps words
// such as "inf" or "nan" from counting as numbers.
std::optional<std::string> NumberText(std::string_view text, bool real) {
  std::string number = Trim(text);
  size_t first = 0;
  if (number.starts_with('+')) {
    number.erase(0, 1);
  } else if (number.starts_with('-')) {
    first = 1;
  }
  if (first >= number.size()) return std::nullopt;
  const unsigned char c = static_cast<unsigned char>(number[first]);
  if (!(std::isdigit(c) || (real && c == '.'))) return std::nullopt;
  return number;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  const auto number = NumberText(text, std::is_floating_point_v<Number>);
  if (!number) return std::nullopt;
  Number value{};
  const char *end = number->data() + number->size();
  const auto [stop, error] = std::from_chars(number->data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Reals become whole numbers by rounding half to even, as variant conversion does.
std::int64_t RoundToInt64(double value) {
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -kLimit && rounded < kLimit)) {
    throw ParameterValueError("value out of the 64-bit range");
  }
  return static_cast<std::int64_t>(rounded);
}

HostValue AskHost(const std::string &text, std::int32_t kind) {
  std::optional<HostValue> value = HostLink::Current().TextToValue(text, kind);
  if (!value) throw ParameterValueError("no host to convert a value");
  return *std::move(value);
}

[[noreturn]] void Unconvertible() { throw ParameterValueError("host value cannot be converted"); }

}  // namespace

bool BooleanValue(const std::string &text) {
  if (SameTextGbk(text, "True")) return true;
  if (SameTextGbk(text, "False")) return false;
  if (const auto number = ParseNumber<double>(text)) return *number != 0.0;
  throw ParameterValueError("not a Boolean: " + text);
}

std::int32_t MillisecondsFromSeconds(const std::string &text) {
  const std::int64_t milliseconds = std::int64_t{StrToIntDef(text, 0)} * 1000;
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(milliseconds < kMin   ? kMin
                                   : milliseconds > kMax ? kMax
                                                         : milliseconds);
}

std::int64_t HostInteger(const std::string &text) {
  const HostValue value = AskHost(text, kHostInteger);
  switch (value.type) {
    case IV_VAR_INT:
      return value.i;
    case IV_VAR_DOUBLE:
      return RoundToInt64(value.d);
    case IV_VAR_BOOL:
      return value.i != 0 ? -1 : 0;
    case IV_VAR_STRING:
      if (const auto whole = ParseNumber<std::int64_t>(value.s)) return *whole;
      if (const auto real = ParseNumber<double>(value.s)) return RoundToInt64(*real);
      Unconvertible();
    default:
      Unconvertible();
  }
}

double HostReal(const std::string &text) {
  const HostValue value = AskHost(text, kHostReal);
  switch (value.type) {
    case IV_VAR_INT:
      return static_cast<double>(value.i);
    case IV_VAR_DOUBLE:
      return value.d;
    case IV_VAR_BOOL:
      return value.i != 0 ? -1.0 : 0.0;
    case IV_VAR_STRING:
      if (const auto real = ParseNumber<double>(value.s)) return *real;
      Unconvertible();
    default:
      Unconvertible();
  }
}

}  // namespace iv
