#pragma once
// The host's skin images on the kiosk screens: each one's name, the size it is drawn for, what it
// is and what the screen shows without it. The screens load and lay out their pictures by these
// entries, and kiosk-check checks a kiosk's skins against them.
#include "invoice/view_geometry.h"
#include "platform/gfx/geometry.h"

namespace iv {

struct Skin {
  const char *name;
  TSize size;
  bool seeThrough = false;        // shown on a transparent picture: its bottom-left colour is not drawn
  const char *pressed = nullptr;  // a button's picture while it is held down; none for a background
  const char *role;
  const char *without;  // what the screen shows when the host cannot load it
};

// The invoice screen is as large as the invoice's view. Its background is the base screen's
// picture until FileDisp replaces it.
inline constexpr Skin kMenuBackSkin{.name = "MenuBack",
                                    .size = {800, 600},
                                    .seeThrough = true,
                                    .role = "the base screen's background",
                                    .without = "the base screen's background shows black"};
inline constexpr Skin kFileDispSkin{
    .name = "FileDisp",
    .size = {kViewWidth, kViewHeight},
    .seeThrough = true,
    .role = "the invoice screen's background",
    .without = "the invoice screen keeps the base screen's MenuBack skin as its background"};
inline constexpr Skin kReturnSkin{.name = "return",
                                  .size = {84, 80},
                                  .pressed = "returnq",
                                  .role = "the return button",
                                  .without = "the return button is not drawn and the background shows in its place"};
inline constexpr Skin kPrintSkin{.name = "Print",
                                 .size = {89, 80},
                                 .pressed = "Printq",
                                 .role = "the print button",
                                 .without = "the print button is not drawn and the background shows in its place"};

// In the order the host is asked for them.
inline constexpr const Skin *kSkins[] = {&kMenuBackSkin, &kFileDispSkin, &kReturnSkin, &kPrintSkin};

}  // namespace iv
