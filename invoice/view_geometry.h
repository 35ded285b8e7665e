#pragma once
// The invoice as the view form shows it: the size of the screen the invoice is painted on and
// the detail lines a page holds. invoice-render paints pages of this size by default.
namespace iv {

inline constexpr int kViewWidth = 808;
inline constexpr int kViewHeight = 606;
inline constexpr int kViewLinesPerPage = 8;

}  // namespace iv
