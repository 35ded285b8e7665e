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

namespace {

std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines(1);
  for (char c : bytes) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::vector<std::string> lines = Lines(std::string_view(reinterpret_cast<const char *>(data), size));
  lines.resize(std::max<std::size_t>(lines.size(), 2));
  iv::DataI.fill(lines[1]);
  iv::DataO.fill(lines[1]);
  iv::DataI[43] = lines[0];

  iv::dystring head(100);
  iv::dystring detail;
  try {
    iv::ParseDetailData(detail);
  } catch (const iv::ConversionError &) {
  }
  try {
    iv::ApplyFieldLines({lines.begin() + 2, lines.end()}, head);
  } catch (const iv::ConversionError &) {
  }
  return 0;
}
