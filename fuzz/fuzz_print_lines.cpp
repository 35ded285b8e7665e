// Print lines of any bytes: composing the receipt text never overruns, hangs or throws.
// Input lines: a value for every data entry and head value, then one print line each.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/print_text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::vector<std::string> lines = iv::fuzz::SplitLines(std::string_view(reinterpret_cast<const char *>(data), size));
  iv::DataArray entries;
  entries.fill(lines[0]);
  const iv::dystring headValues(100, lines[0]);
  iv::ComposePrintText({lines.begin() + 1, lines.end()}, {entries, entries, headValues, lines[0]});
  return 0;
}
