// Detail layouts and field lines of any bytes: preparing the field values never overruns or
// hangs, and fails only with a number that is not one.
// Input lines: the layout (DataI[43]), the fixed-width data (DataI[44], also every other data
// entry), then one field line each.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/field_values.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::vector<std::string> lines = iv::fuzz::SplitLines(std::string_view(reinterpret_cast<const char *>(data), size));
  lines.resize(std::max<std::size_t>(lines.size(), 2));
  iv::DataArray entries;
  entries.fill(lines[1]);
  entries[43] = lines[0];

  iv::dystring head(100);
  iv::dystring detail;
  try {
    iv::ParseDetailData(entries[43], entries[44], detail);
  } catch (const iv::ConversionError &) {
  }
  try {
    iv::ApplyFieldLines({lines.begin() + 2, lines.end()}, entries, entries, head);
  } catch (const iv::ConversionError &) {
  }
  return 0;
}
