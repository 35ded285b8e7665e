#pragma once
// The programs an end-to-end test runs: the build's own, unless the environment names others.
// The Windows and arm64 builds run these tests against their programs (wrapped in wine or
// qemu-aarch64) that way.
#include <cstdlib>
#include <string>

namespace iv::test {

// IV_TEST_KIOSK_HOST, IV_TEST_PLUGIN, IV_TEST_INVOICE_RENDER, IV_TEST_KIOSK_CHECK and
// IV_TEST_C_TEST_HOST name the programs to use.
inline std::string ProgramPath(const char *variable, const std::string &built) {
  const char *given = std::getenv(variable);
  return given != nullptr && *given != '\0' ? given : built;
}

}  // namespace iv::test
