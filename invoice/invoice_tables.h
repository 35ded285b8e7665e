#pragma once
// The records the invoice painter keeps between and during paints.
#include <cstdint>
#include <string>

#include "invoice/template_reader.h"
#include "platform/gfx/color.h"

namespace iv {

// One data cell; detail cells and column entries also carry the layout of their column.
struct TCellRecord {
  std::string value;            // at most 250 bytes
  std::int32_t width = 0;       // column width in bytes
  std::int32_t x = 0;           // pen x at which the column's field stood
  std::int32_t y = 0;           // pen y at which the column's field stood
  char alignmentMark = 0;       // first character of the width text; '-' aligns left
  std::int32_t dataIndex = -1;  // the cell index the column's field names (column-count mode)
  TemplatePosition at;          // where the column's field stands in the template
};

// A plain-text piece of the detail section with the pen position it was drawn at.
struct TStaticPiece {
  std::string text;  // at most 250 bytes
  std::int32_t x = 0;
  std::int32_t y = 0;
  TemplatePosition at;
};

enum class TInvoiceSection : std::uint8_t { None, Head, Detail, Tail };

struct TSavedFont {
  std::string name;
  int size = 0;
  TColor color = clBlack;
};

// Cell values and static pieces are cut to this many bytes.
constexpr std::size_t kMaxCellBytes = 250;
constexpr std::size_t kMaxStaticPieces = 51;

// Results of executing one markup element.
constexpr int kMarkupDone = 0;
constexpr int kFormatError = -1;
constexpr int kUnknownCommand = -2;
constexpr int kHeadEnd = 996;
constexpr int kDetailEnd = 997;
constexpr int kTailEnd = 998;
constexpr int kInvoiceEnd = 999;

}  // namespace iv
