#include "tools/invoice_render/render_options.h"

#include <charconv>
#include <map>
#include <set>

#include "platform/fs/command_line.h"
#include "platform/gfx/bitmap.h"

namespace iv {

const char *const kRenderUsage =
    "usage: invoice-render TEMPLATE NAME [--head FILE] [--detail FILE] [--tail FILE] [--show-always]\n"
    "                      [--page N | --all-pages] [--lines-per-page N] [--quality high|normal|low|none]\n"
    "                      [--up-dist N] [--left-dist N] [--size WxH] [--background FILE] [--out PREFIX]\n"
    "                      [--trace] [--fonts] [--strict]\n"
    "       invoice-render TEMPLATE NAME --watch [--editor CMD] [data, page and layout options as above]\n"
    "       invoice-render --lint TEMPLATE [NAME] [data and layout options as above]\n"
    "       invoice-render --version | --help\n";

std::string SizeText(int width, int height) { return std::to_string(width) + "\u00D7" + std::to_string(height); }

namespace {

std::optional<int> ParseInt(const std::string &text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<TTextQuality> ParseQuality(const std::string &text) {
  static const std::map<std::string, TTextQuality> kLevels{
      {"high", tqHigh}, {"normal", tqNormal}, {"low", tqLow}, {"none", tqNone}};
  const auto found = kLevels.find(text);
  if (found == kLevels.end()) return std::nullopt;
  return found->second;
}

bool ParseSize(const std::string &text, int &width, int &height) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  const std::optional<int> w = ParseInt(text.substr(0, x));
  const std::optional<int> h = ParseInt(text.substr(x + 1));
  if (!w || !h || *w <= 0 || *h <= 0) return false;
  width = *w;
  height = *h;
  return true;
}

}  // namespace

std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string> &arguments, std::string &error) {
  static const std::map<std::string, bool RenderOptions::*> kSwitches{{"--show-always", &RenderOptions::showAlways},
                                                                      {"--all-pages", &RenderOptions::allPages},
                                                                      {"--trace", &RenderOptions::trace},
                                                                      {"--strict", &RenderOptions::strict},
                                                                      {"--fonts", &RenderOptions::fonts},
                                                                      {"--watch", &RenderOptions::watch},
                                                                      {"--lint", &RenderOptions::lint},
                                                                      {"--version", &RenderOptions::version}};
  static const std::set<std::string> kValued{"--head",    "--detail",    "--tail",           "--background",
                                             "--out",     "--page",      "--quality",        "--size",
                                             "--up-dist", "--left-dist", "--lines-per-page", "--editor"};
  RenderOptions options;
  std::vector<std::string> positional;
  bool pageGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string &argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      return options;
    }
    if (!argument.starts_with("-") || argument == "-") {
      positional.push_back(argument);
      continue;
    }
    if (const auto found = kSwitches.find(argument); found != kSwitches.end()) {
      options.*(found->second) = true;
      continue;
    }
    if (!kValued.contains(argument)) {
      error = "unknown option " + argument;
      return std::nullopt;
    }
    if (i + 1 >= arguments.size()) {
      error = argument + " needs a value";
      return std::nullopt;
    }
    const std::string &value = arguments[++i];
    bool valid = true;
    if (argument == "--head") {
      options.headFile = NameArgument(value);
    } else if (argument == "--detail") {
      options.detailFile = NameArgument(value);
    } else if (argument == "--tail") {
      options.tailFile = NameArgument(value);
    } else if (argument == "--background") {
      options.background = NameArgument(value);
    } else if (argument == "--out") {
      options.outPrefix = NameArgument(value);
      valid = !value.empty();
    } else if (argument == "--editor") {
      options.editor = value;
      valid = !value.empty();
    } else if (argument == "--page") {
      const std::optional<int> page = ParseInt(value);
      valid = page && *page >= 1;
      options.page = page.value_or(1);
      pageGiven = true;
    } else if (argument == "--lines-per-page") {
      const std::optional<int> lines = ParseInt(value);
      valid = lines && *lines >= 0;
      options.linesPerPage = lines.value_or(0);
    } else if (argument == "--up-dist" || argument == "--left-dist") {
      const std::optional<int> distance = ParseInt(value);
      valid = distance.has_value();
      (argument == "--up-dist" ? options.upDist : options.leftDist) = distance.value_or(0);
    } else if (argument == "--quality") {
      const std::optional<TTextQuality> quality = ParseQuality(value);
      valid = quality.has_value();
      options.quality = quality.value_or(tqNormal);
    } else if (argument == "--size") {
      valid = ParseSize(value, options.width, options.height);
      const int side = Bitmap::MaxSquareSide(PixelFormat::Bgr24);
      if (valid && (options.width > side || options.height > side)) {
        error = "--size: at most " + SizeText(side, side) + " pixels";
        return std::nullopt;
      }
    }
    if (!valid) {
      error = "invalid value for " + argument + ": " + value;
      return std::nullopt;
    }
  }
  if (options.version) return options;
  // A lint without NAME goes through every invoice of the file.
  if (positional.size() != 2 && !(options.lint && positional.size() == 1)) {
    error = options.lint ? "--lint takes TEMPLATE and an optional NAME" : "TEMPLATE and NAME are required";
    return std::nullopt;
  }
  if (pageGiven && options.allPages) {
    error = "--page and --all-pages exclude each other";
    return std::nullopt;
  }
  if (!options.editor.empty() && !options.watch) {
    error = "--editor works with --watch only";
    return std::nullopt;
  }
  if (options.lint && options.watch) {
    error = "--lint and --watch exclude each other";
    return std::nullopt;
  }
  options.templatePath = NameArgument(positional[0]);
  if (positional.size() == 2) options.invoiceName = positional[1];
  return options;
}

}  // namespace iv
