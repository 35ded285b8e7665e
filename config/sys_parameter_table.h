#pragma once
// Where each key of each Sys.xml section goes and how its Value text is converted.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace iv {

class TSysCs;

// What a Value text must be for the conversion to take it as meant.
enum class ParameterForm {
  Text,
  WholeNumber,  // anything else reads as 0
  Boolean,      // True, False or a number; anything else ends the loading
  HostNumber,   // converted by the host's TextToValue
};

struct ParameterKey {
  std::string_view name;
  ParameterForm form;
  // Converts the Value text and stores it; throws ParameterValueError when it cannot.
  std::function<void(TSysCs &, const std::string &)> store;
};

struct ParameterSection {
  std::string_view name;
  std::vector<ParameterKey> keys;

  // The key whose name equals `name` without regard to ASCII letter case, or nullptr.
  const ParameterKey *Find(std::string_view name) const;
};

// The sections in the order they are read.
const std::vector<ParameterSection> &SystemParameterSections();

}  // namespace iv
