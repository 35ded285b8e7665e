#pragma once
#include <string>

namespace iv {

// A folder or file name from the configuration (written with '\' or '/') made a path under
// `base`. A name that is part of the base gives the base, a name that contains the base is
// already a path; otherwise one leading "." and then one leading separator are dropped and
// the name is joined to the base. Comparisons are exact.
std::string CombinePath(const std::string &base, const std::string &relative);

}  // namespace iv
