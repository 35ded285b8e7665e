#include "forms/Func_Lib.h"

#include <algorithm>
#include <cstdint>
#include <exception>

#include "config/UTSysCs.h"
#include "config/error_log.h"
#include "config/settings_file.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"
#include "platform/text/integers.h"
#include "platform/text/substrings.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

constexpr std::int32_t kLayoutWidthDigits = 3;

// A layout starts with its two-digit column count, then one three-digit width per column;
// the captions after them are for the host only.
dystring LayoutWidths(std::string_view layout) {
  std::int32_t columns = StrToIntDef(Substring(layout, 1, 2), 0);
  return CutFixed(DropLeading(layout, 2), columns, kLayoutWidthDigits);
}

dystring Trimmed(const dystring &cells) {
  dystring out;
  out.reserve(cells.size());
  for (const std::string &cell : cells) out.push_back(Trim(cell));
  return out;
}

// Storing cells must never end the preparation: a table too large to hold is left out.
template <typename Store>
void StoreGuarded(Store store) {
  try {
    store();
  } catch (const std::exception &) {
  }
}

// One round of the widths from the start of `text`: cell j the widths[j] bytes after the cells
// before it, stored from `cells` on.
void CutRow(std::string_view text, const std::vector<std::int32_t> &widths, std::string *cells) {
  std::int64_t position = 1;
  for (std::size_t j = 0; j < widths.size(); ++j) {
    cells[j] = Substring(text, position, widths[j]);
    position += widths[j];
  }
}

}  // namespace

std::string SettingsFolder(const TSysCs *parameters) {
  return parameters != nullptr ? parameters->IniDir : JoinPath(CurrentDirectory(), "INI");
}

std::string SettingsFile(std::string_view folder, std::string_view name) {
  return ResolvePath(JoinPath(folder, ToNativeSeparators(name)));
}

IniFile ReadSettingsIni(std::string_view folder, std::string_view name) {
  return IniFile(ReadSettingsFile(SettingsFile(folder, name)).value_or(""));
}

std::int32_t ToNumber(std::string_view text, std::string_view what) {
  if (const auto value = TryStrToInt(text)) return *value;
  throw ConversionError(std::string(what) + " \"" + std::string(text) + "\" is not a number");
}

std::string HeadWidthCut(std::string_view text, const dystring &widths, WidthCut mode) {
  const std::int64_t sum = WidthSum(widths);
  return mode == WidthCut::Take ? Substring(text, 1, sum) : DropLeading(text, sum);
}

dystring CutByWidths(std::string_view text, const dystring &widths) {
  const std::int64_t sum = WidthSum(widths);
  std::vector<std::int32_t> sizes;
  for (const std::string &width : widths) sizes.push_back(StrToIntDef(width, 0));
  dystring cells;
  while (!text.empty()) {
    cells.resize(cells.size() + sizes.size());
    CutRow(text, sizes, cells.data() + cells.size() - sizes.size());
    if (sum <= 0) break;
    text.remove_prefix(std::min<std::size_t>(static_cast<std::size_t>(sum), text.size()));
  }
  return cells;
}

DataLayout ReadDataLayout(std::string_view layout) {
  const std::size_t star = layout.find('*');
  std::string_view detailLayout;
  if (star != std::string_view::npos) {
    detailLayout = layout.substr(star + 1);
    detailLayout = detailLayout.substr(0, detailLayout.find('*'));
  }
  return {star != std::string_view::npos, !detailLayout.empty(), LayoutWidths(layout.substr(0, star)),
          LayoutWidths(detailLayout)};
}

bool DetailWidthsAreNumbers(const DataLayout &layout) {
  return std::all_of(layout.detailWidths.begin(), layout.detailWidths.end(),
                     [](const std::string &width) { return TryStrToInt(width).has_value(); });
}

int ParseDetailData(std::string_view layout, std::string_view data, dystring &target) {
  const DataLayout read = ReadDataLayout(layout);
  const dystring &headWidths = read.headWidths;
  const std::string headRecord = HeadWidthCut(data, headWidths, WidthCut::Take);
  StoreGuarded([&] { target = Trimmed(CutByWidths(headRecord, headWidths)); });
  if (!read.hasDetailLayout) return 1;

  const dystring &detailWidths = read.detailWidths;
  const std::string rowsText = HeadWidthCut(data, headWidths, WidthCut::Drop);
  std::vector<std::int32_t> widths;
  std::int64_t rowWidth = 0;
  for (const std::string &width : detailWidths) rowWidth += widths.emplace_back(ToNumber(width, "detail width"));
  // Widths that sum to 0 or less cut no rows: they could never use the text up.
  const std::int64_t cut = std::min<std::int64_t>(rowWidth, INT32_MAX);
  const std::size_t columns = widths.size();
  const std::size_t rows =
      cut <= 0 ? 0 : (rowsText.size() + static_cast<std::size_t>(cut) - 1) / static_cast<std::size_t>(cut);
  const std::size_t kept = std::min(rows, kMaxDetailCells / std::max<std::size_t>(columns, 1));
  if (kept < rows) {
    WriteErrorLog(Gbk(u8"明细数据有 ") + std::to_string(rows) + Gbk(u8" 行,超过上限 ") + std::to_string(kept) +
                  Gbk(u8" 行(") + std::to_string(kMaxDetailCells) + Gbk(u8" 格),只显示前 ") + std::to_string(kept) +
                  Gbk(u8" 行"));
  }

  // Each row cut into its cells in place, without a copy of the rows.
  StoreGuarded([&] {
    target.assign(columns * kept, std::string());
    for (std::size_t r = 0; r < kept; ++r) {
      std::string *cells = target.data() + r * columns;
      const std::string_view row =
          std::string_view(rowsText).substr(r * static_cast<std::size_t>(cut), static_cast<std::size_t>(cut));
      CutRow(row, widths, cells);
      for (std::size_t j = 0; j < columns; ++j) cells[j] = Trim(cells[j]);
    }
  });
  return 1;
}

// Widths are three digits each, so sums of them never come near the 32-bit limits; 64 bits
// keep any list the helpers are given defined.
std::int64_t WidthSum(const dystring &widths) {
  std::int64_t sum = 0;
  for (const std::string &width : widths) sum += StrToIntDef(width, 0);
  return sum;
}

}  // namespace iv
