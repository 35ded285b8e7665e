// Date-time patterns of any bytes, on moments of any field values.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/time/format_date_time.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  iv::DateTime moment{2024, 3, 5, 14, 7, 9, 45};
  if (size >= sizeof moment) {
    std::memcpy(&moment, data, sizeof moment);
    data += sizeof moment;
    size -= sizeof moment;
  }
  iv::FormatDateTime(std::string_view(reinterpret_cast<const char *>(data), size), moment);
  return 0;
}
