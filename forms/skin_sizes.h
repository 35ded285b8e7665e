#pragma once
// The sizes the kiosk screens' skins are drawn for: the screens lay their pictures out at these
// sizes, and kiosk-check warns about a skin of another size. The invoice screen is as large as
// the invoice's view.
#include "invoice/view_geometry.h"
#include "platform/gfx/geometry.h"

namespace iv {

inline constexpr TSize kBaseScreenSize{800, 600};                 // the base screen: MenuBack
inline constexpr TSize kViewScreenSize{kViewWidth, kViewHeight};  // the invoice screen: FileDisp
inline constexpr TSize kReturnButtonSize{84, 80};                 // return, returnq
inline constexpr TSize kPrintButtonSize{89, 80};                  // Print, Printq
// The invoice screen's buttons stand side by side this far from its top.
inline constexpr int kButtonsTop = 448;

}  // namespace iv
