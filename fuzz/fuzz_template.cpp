// Random templates and data through a full paint and a turn to the next page of the invoice
// painter.
// Input: one byte of settings, the template up to the first NUL, then the data cells, one per
// line, with a 0x01 byte moving on from the head cells to the detail cells to the tail cells.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "invoice/invoice_painter.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace {

std::filesystem::path KioskFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path path = iv::fuzz::ScratchFolder();
    std::filesystem::create_directories(path / "ErrorLog");
    std::filesystem::current_path(path);
    return path;
  }();
  return folder;
}

std::vector<std::vector<std::string>> SplitTables(std::string_view data) {
  std::vector<std::vector<std::string>> tables(3);
  std::size_t table = 0;
  std::string cell;
  for (char c : data) {
    if (c == '\n' || c == '\x01') {
      tables[table].push_back(cell);
      cell.clear();
      if (c == '\x01' && table < 2) ++table;
    } else {
      cell += c;
    }
  }
  if (!cell.empty()) tables[table].push_back(cell);
  return tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0) return 0;
  const std::filesystem::path folder = KioskFolder();
  const std::uint8_t settings = data[0];
  const std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
  const std::size_t end = rest.find('\0');
  const std::string_view text = rest.substr(0, end);
  const std::string_view cells = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  std::ofstream(folder / "fuzz.txt", std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));

  iv::Bitmap page(808, 606);
  iv::Canvas canvas(page);
  canvas.Font().SetName("MS Sans Serif");
  canvas.Font().SetHeight(-11);
  iv::InvoicePainter painter;
  painter.SetLinesPerPage(settings & 0x0F);
  painter.SetQuality(static_cast<iv::TTextQuality>((settings >> 4) & 0x03));
  painter.SetInvoiceFile((folder / "fuzz.txt").string(), "A");
  const std::vector<std::vector<std::string>> tables = SplitTables(cells);
  painter.SetInvoiceData(tables[0], tables[1], tables[2], settings >> 7);

  painter.Paint(canvas);
  if (painter.NextPage()) painter.Paint(canvas);
  return 0;
}
