#pragma once
// The programs an end-to-end test runs: the build's own, unless the environment names others.
// The Windows build runs these tests against its .exe files (wrapped in wine) that way.
#include <cstdlib>
#include <string>

namespace iv::test {

// IV_TEST_KIOSK_HOST, IV_TEST_PLUGIN and IV_TEST_INVOICE_RENDER name the programs to use.
inline std::string ProgramPath(const char *variable, const std::string &built) {
  const char *given = std::getenv(variable);
  return given != nullptr && *given != '\0' ? given : built;
}

}  // namespace iv::test
