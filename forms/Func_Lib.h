#pragma once
// The kiosk screens' settings files and the detail layout parser. The layout cuts 8-bit text
// byte by byte: positions count from 1 and a Chinese character counts 2.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "config/UPubVar.h"
#include "platform/ini/ini_file.h"

namespace iv {

// A number the settings or the host's layout must give is not one.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The folder of FormatShow.ini, print.ini and the templates: the system parameters' IniDir,
// or the current directory's INI folder while there are none (null).
std::string SettingsFolder(const TSysCs *parameters);
// A file in the settings folder, its name matched without regard to case when a kiosk folder
// copied from Windows spells it otherwise; names written with '\' work too.
std::string SettingsFile(std::string_view folder, std::string_view name);
// The settings in such a file; a missing, special or oversized one reads as empty.
IniFile ReadSettingsIni(std::string_view folder, std::string_view name);

// A whole number as settings are read; throws ConversionError naming `what` otherwise.
std::int32_t ToNumber(std::string_view text, std::string_view what);

enum class WidthCut { Take, Drop };
// With s the sum of the widths (a width that is not a number counts 0): Take gives the first
// s bytes, Drop the text after them. A sum of 0 or less takes nothing and drops nothing.
std::string HeadWidthCut(std::string_view text, const dystring &widths, WidthCut mode);

// Cells of the given widths, round after round, until the text is used up; each round cuts
// one cell per width (cells beyond the end are empty). A round whose widths sum to 0 or less
// cannot use the text up and is the only one.
dystring CutByWidths(std::string_view text, const dystring &widths);

// The host's layout (DataI[43]) as the parser reads it: the head widths before the first '*',
// the detail widths after it up to a second '*'. Rows are cut only when text follows the '*'.
struct DataLayout {
  bool hasDetailMark = false;
  bool hasDetailLayout = false;
  dystring headWidths;
  dystring detailWidths;
};
DataLayout ReadDataLayout(std::string_view layout);
// Whether every detail width is a number, as ParseDetailData needs (it throws otherwise).
bool DetailWidthsAreNumbers(const DataLayout &layout);
// The bytes a row of these widths takes: a width that is not a number counts 0.
std::int64_t WidthSum(const dystring &widths);

// No customer pages through more detail cells than this; rows beyond it are left out, and the
// library's log says how many.
inline constexpr std::size_t kMaxDetailCells = 1'000'000;

// Replaces `target` by the cells that the host's layout (DataI[43]) cuts from its fixed-width
// data (DataI[44]): the head cells, or with a detail layout the detail cells row after row. Cells
// are trimmed. Detail widths that sum to 0 or less cut no rows; rows beyond kMaxDetailCells cells
// are left out with a record in the library's log. Throws ConversionError when
// a detail width is not a number, the head cells already stored. Returns 1.
int ParseDetailData(std::string_view layout, std::string_view data, dystring &target);

}  // namespace iv
