#pragma once
// Conversions of configured Value texts that can fail. A failure ends the loading of the
// system parameters, so it is an exception the loader catches.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace iv {

class ParameterValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "True" or "False" in any letter case, or a number (non-zero is true).
bool BooleanValue(const std::string &text);

// A whole number of seconds as milliseconds; not a number gives 0. Spans beyond the 32-bit
// range of milliseconds stay at its ends rather than wrap.
std::int32_t MillisecondsFromSeconds(const std::string &text);

// The host's TextToValue with kind 2 (a whole number) and kind 1 (a real number), its variant
// converted as a variant's caller would: integers, reals, numeric strings and Booleans
// (true is -1) convert; empty, null, other strings and unknown types are errors.
std::int64_t HostInteger(const std::string &text);
double HostReal(const std::string &text);

}  // namespace iv
