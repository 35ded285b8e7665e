#pragma once
// The command line of invoice-render.
#include <optional>
#include <string>
#include <vector>

#include "invoice/page_request.h"

namespace iv {

// The invoice's page, and what the tool does with it.
struct RenderOptions : PageRequest {
  int page = 1;
  bool allPages = false;
  std::string background;
  std::string outPrefix = "invoice";
  // --watch: run with +LINE FILE when a text of the page is clicked.
  std::string editor;
  bool trace = false;
  bool strict = false;
  bool fonts = false;
  bool watch = false;
  bool lint = false;
  bool version = false;
  bool help = false;
};

// The options, or nothing with the reason in `error`. After --help or -h nothing else is read.
std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string> &arguments, std::string &error);

extern const char *const kRenderUsage;

// A page size as messages write it: 808×606.
std::string SizeText(int width, int height);

}  // namespace iv
