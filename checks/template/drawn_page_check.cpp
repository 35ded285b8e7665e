#include "checks/template/drawn_page_check.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "platform/text/dbcs.h"

namespace iv {
namespace {

using Severity = Problem::Severity;

// The part of a text that shows: its box without the blanks at its end.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

Box VisibleBox(const PageText &text) { return {text.x, text.y, text.x + text.visibleWidth, text.y + text.height}; }

std::string Place(TemplatePosition at) { return std::to_string(at.line) + ":" + std::to_string(at.column); }

std::string Quoted(const PageText &text) {
  const std::string shown = text.text.substr(0, text.text.find_last_not_of(' ') + 1);
  std::size_t end = 0;
  while (end < shown.size() && end < 40) end += GbkCharSize(shown, end);
  std::string quoted = "\"";
  // Messages are GBK, as the painter's are; GBK trail bytes are 0x40 and above.
  for (const char c : shown.substr(0, end))
    quoted += c == '\t'                              ? std::string("\\t")
              : static_cast<unsigned char>(c) < 0x20 ? std::string("?")
                                                     : std::string(1, c);
  return quoted + (end < shown.size() ? "...\"" : "\"");
}

// Texts that overlap by more than a sliver: lines of one font touch where a box is a pixel taller
// than the line's advance, and pieces of one line meet where the pen placed them.
bool DrawnOver(const Box &a, const Box &b) {
  const int across = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int down = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return across > 2 && down > std::min(a.bottom - a.top, b.bottom - b.top) / 2;
}

class PageCheck {
 public:
  PageCheck(int width, int height) : width_(width), height_(height) {}

  void Check(const PageText &text) {
    if (text.text.find_first_not_of(' ') == std::string::npos) return;  // blanks show nothing
    ControlCharacters(text);
    const Box box = VisibleBox(text);
    if (box.left >= width_ || box.top >= height_ || box.right <= 0 || box.bottom <= 0) {
      Add(Severity::Error, text.at,
          Quoted(text) + " is drawn at (" + std::to_string(box.left) + "," + std::to_string(box.top) +
              "), outside the " + ScreenSize() + " screen, so the customer never sees it: move it onto the screen");
      return;
    }
    if (box.left < 0 || box.top < 0 || box.right > width_ || box.bottom > height_) {
      Add(Severity::Error, text.at,
          Quoted(text) + " runs past the " + Edge(box) + " edge of the " + ScreenSize() + " screen (it spans x " +
              std::to_string(box.left) + " to " + std::to_string(box.right) + ", y " + std::to_string(box.top) +
              " to " + std::to_string(box.bottom) +
              ") and is cut there, a character possibly halved: shorten it, break the line or move it");
    }
    // A locked line is drawn again over itself as it grows.
    if (!text.redrawsLine) Overlaps(text, box);
  }

  std::vector<Problem> Take() { return std::move(problems_); }

 private:
  // A cell of the grid that finds the texts near a box; on the screen, each box covers a few.
  static constexpr int kCell = 64;

  void Overlaps(const PageText &text, const Box &box) {
    const int firstColumn = std::max(box.left, 0) / kCell, lastColumn = std::min(box.right, width_ - 1) / kCell;
    const int firstRow = std::max(box.top, 0) / kCell, lastRow = std::min(box.bottom, height_ - 1) / kCell;
    const PageText *under = nullptr;
    for (int row = firstRow; row <= lastRow && under == nullptr; ++row)
      for (int column = firstColumn; column <= lastColumn && under == nullptr; ++column)
        for (const PageText *earlier : grid_[{column, row}])
          if (DrawnOver(box, VisibleBox(*earlier))) {
            under = earlier;
            break;
          }
    if (under != nullptr) {
      Add(Severity::Error, text.at,
          Quoted(text) + " is drawn over " + Quoted(*under) + " (from " + Place(under->at) +
              "), so both are hard to read: a position, a line height or a field width puts them on one spot");
      return;  // told once; the texts it covers are found through the first
    }
    for (int row = firstRow; row <= lastRow; ++row)
      for (int column = firstColumn; column <= lastColumn; ++column) grid_[{column, row}].push_back(&text);
  }

  void ControlCharacters(const PageText &text) {
    for (const char c : text.text) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= 0x20 && byte != 0x7F) continue;  // GBK trail bytes are 0x40 and above
      const std::string what = byte == '\t' ? "a tab" : "the control character " + std::to_string(byte);
      Add(Severity::Error, text.at,
          Quoted(text) + " holds " + what +
              ", which is drawn as a blank's width or a box, not to a tab stop, so what follows no longer lines "
              "up: use blanks");
      return;
    }
  }

  std::string ScreenSize() const { return std::to_string(width_) + "x" + std::to_string(height_); }
  std::string Edge(const Box &box) const {
    return box.right > width_ ? "right" : box.bottom > height_ ? "bottom" : box.left < 0 ? "left" : "top";
  }

  void Add(Severity severity, TemplatePosition at, std::string message) {
    problems_.push_back({severity, "", at.line, at.column, std::move(message)});
  }

  int width_;
  int height_;
  std::map<std::pair<int, int>, std::vector<const PageText *>> grid_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> CheckDrawnPage(const std::vector<PageText> &texts, int width, int height) {
  PageCheck check(width, height);
  for (const PageText &text : texts) check.Check(text);
  return check.Take();
}

}  // namespace iv
