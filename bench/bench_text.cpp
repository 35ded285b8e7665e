// Smooth text output at each quality against SDL_ttf drawing the same texts (blended into a
// surface, then composed onto the canvas), with the ratio ours / SDL_ttf per quality: six
// runs, and every text of a full paint of the sample kiosk's sale receipt. Each of our
// benchmarks also reports where TextOut's time goes, in ns per call: laying the text out and
// measuring it, drawing its glyphs supersampled, reducing them to the coverage mask and
// composing the mask onto the canvas.
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "aatext/SmoothFont.h"
#include "invoice/invoice_painter.h"
#include "platform/gfx/font_engine.h"
#include "platform/text/gbk.h"

namespace {

using namespace iv;

constexpr int kCanvasWidth = 808;
constexpr int kCanvasHeight = 606;

// One text as a paint draws it.
struct Text {
  int x;
  int y;
  std::string gbk;
  TFont font;
  bool newFont = true;  // its font differs from the text's before it
};

// Marks the texts whose font differs from the one before (the last's before the first).
std::vector<Text> MarkFontChanges(std::vector<Text> texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const TFont &before = texts[(i + texts.size() - 1) % texts.size()].font;
    texts[i].newFont = !(texts[i].font.LogFont() == before.LogFont() && texts[i].font.Color() == before.Color());
  }
  return texts;
}

// A run alternates two texts of one length, so that each call reads and lays out its text
// afresh, as the calls of a paint do.
struct TextRun {
  const char *name;
  const char8_t *texts[2];
  int points;
};

const TextRun kRuns[] = {
    {"ascii8", {u8"No.12345", u8"No.67890"}, 9},
    {"ascii20", {u8"Total amount: 12.50", u8"Total amount: 98.07"}, 16},
    {"ascii60",
     {u8"Account 0012345678, paid 2024-01-31 12:30, fee 0.00, ref 98",
      u8"Account 0087654321, paid 2025-12-01 08:45, fee 1.50, ref 07"},
     24},
    {"chinese8", {u8"销售凭证", u8"缴费明细"}, 9},
    {"chinese20", {u8"户名:张三 合计:12.50", u8"户号:李四 欠费:98.07"}, 16},
    {"chinese60",
     {u8"户号:0012345678 户名:张三 地址:北京市海淀区中关村大街1号楼",
      u8"户号:0087654321 户名:李四 地址:郑州市金水区文化路八十八号楼"},
     24},
};

const std::pair<TTextQuality, const char *> kQualities[] = {
    {tqHigh, "high"}, {tqNormal, "normal"}, {tqLow, "low"}, {tqNone, "none"}};

constexpr char kInvoice[] = "invoice";

std::vector<Text> RunTexts(const TextRun &run) {
  TFont font;
  font.SetName(Gbk(u8"宋体"));
  font.SetSize(run.points);
  font.SetColor(clBlack);
  return MarkFontChanges({{20, 40, Gbk(run.texts[0]), font}, {20, 40, Gbk(run.texts[1]), font}});
}

// The sample kiosk's sale receipt with a page of data, at the quality asked for rather than
// the one the template names.
std::string SaleTemplate() {
  std::ifstream in(std::filesystem::path(IV_SOURCE_DIR) / "examples/kiosk/INI/SaleInvoice.txt", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::string text = bytes.str();
  const std::string command = "<QUALITY(HIGH)>";
  if (const std::size_t at = text.find(command); at != std::string::npos) text.erase(at, command.size());
  return text;
}

// Every text one paint of the sale receipt draws, in order.
std::vector<Text> InvoiceTexts(TTextQuality quality) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("bench-text-" + std::to_string(::getpid()) + ".txt");
  std::ofstream(path, std::ios::binary) << SaleTemplate();
  Bitmap page(kCanvasWidth, kCanvasHeight);
  Canvas canvas(page);
  canvas.Font().SetName("MS Sans Serif");
  canvas.Font().SetHeight(-11);
  InvoicePainter invoice;
  invoice.SetQuality(quality);
  invoice.SetInvoiceFile(path.string(), "SALE");
  std::vector<std::string> detail;
  for (const char8_t *row : {u8"矿泉水 550ml|2|1.50|3.00", u8"面包|1|6.80|6.80", u8"牛奶 250ml|3|2.50|7.50",
                             u8"纸巾|1|3.20|3.20", u8"苹果 500g|1|5.90|5.90", u8"口香糖|2|4.50|9.00",
                             u8"电池 AA|4|2.00|8.00", u8"雨伞|1|25.00|25.00"}) {
    std::stringstream cells{std::string(reinterpret_cast<const char *>(row))};
    for (std::string cell; std::getline(cells, cell, '|');)
      detail.push_back(Utf8ToGbk(cell));
  }
  invoice.SetInvoiceData({"0012345678", Gbk(u8"张三"), "2024-01-31 12:30", "000123"}, detail,
                         {"68.40", Gbk(u8"陆拾捌元肆角")}, 0);
  std::vector<Text> texts;
  invoice.SetTextObserver([&texts](const DrawnText &drawn) {
    if (!drawn.text.empty()) texts.push_back({drawn.x, drawn.y, std::string(drawn.text), *drawn.font});
  });
  invoice.Paint(canvas);
  std::filesystem::remove(path);
  return MarkFontChanges(texts);
}

// A white canvas of the kiosk's size that texts are drawn over.
struct WhiteCanvas {
  WhiteCanvas() : bitmap(kCanvasWidth, kCanvasHeight), canvas(bitmap) {
    canvas.FillRect({0, 0, kCanvasWidth, kCanvasHeight});
    canvas.Brush().Style = bsClear;
  }
  Bitmap bitmap;
  Canvas canvas;
};

// Time spent in each stage of TextOut, added up over calls.
struct Stages {
  std::chrono::nanoseconds layout{}, glyphs{}, reduce{}, blend{};
};

// One TextOut(text.x, text.y, text.gbk) as its stages, each timed: the calls TextOut makes
// for a text without blur. Each stage's time includes one reading of the clock (tens of ns).
void TimedStages(TSmoothFont &font, const Text &text, Stages &stages) {
  using Clock = std::chrono::steady_clock;
  TSmoothMask &mask = font.Mask();
  const Clock::time_point begin = Clock::now();
  TPoint start;
  TSize extent;
  mask.MeasureWithOffset(text.gbk, start, extent);
  const TRect box = Bounds(text.x, text.y, extent.cx, extent.cy);
  const TRect visible{std::max(box.Left, 0), std::max(box.Top, 0), std::min(box.Right, kCanvasWidth),
                      std::min(box.Bottom, kCanvasHeight)};
  const TSize size{visible.Width(), visible.Height()};
  const Clock::time_point measured = Clock::now();
  const Bitmap &samples =
      mask.DrawSamples(text.gbk, size, {box.Left - visible.Left + start.X, box.Top - visible.Top + start.Y});
  const Clock::time_point drawn = Clock::now();
  mask.ReduceFrom(samples, size);
  const Clock::time_point reduced = Clock::now();
  font.Blend().BlendMask(visible.Left, visible.Top, text.font.Color(), 100, mask);
  const Clock::time_point blended = Clock::now();
  stages.layout += measured - begin;
  stages.glyphs += drawn - measured;
  stages.reduce += reduced - drawn;
  stages.blend += blended - reduced;
}

void SmoothTextOut(benchmark::State &state, TTextQuality quality, const std::vector<Text> &texts) {
  WhiteCanvas white;
  TSmoothFont font(&white.canvas);
  font.SetQuality(quality);
  white.canvas.Font() = texts.front().font;
  std::size_t next = 0;
  for (auto _ : state) {
    const Text &text = texts[next];
    if (text.newFont) white.canvas.Font() = text.font;
    font.TextOut(text.x, text.y, text.gbk, 100, 0);
    next = next + 1 == texts.size() ? 0 : next + 1;
    benchmark::ClobberMemory();
  }
  // The split comes from a second pass, so that reading the clock does not weigh on the time.
  Stages stages;
  white.canvas.Font() = texts.front().font;
  const std::int64_t calls = std::clamp<std::int64_t>(state.iterations(), 1, 20000);
  for (std::int64_t i = 0; i < calls; ++i) {
    const Text &text = texts[std::size_t(i) % texts.size()];
    if (text.newFont) white.canvas.Font() = text.font;
    TimedStages(font, text, stages);
  }
  const auto perCall = [calls](std::chrono::nanoseconds total) { return double(total.count()) / double(calls); };
  state.counters["layout_ns"] = perCall(stages.layout);
  state.counters["glyphs_ns"] = perCall(stages.glyphs);
  state.counters["reduce_ns"] = perCall(stages.reduce);
  state.counters["blend_ns"] = perCall(stages.blend);
  state.counters["texts"] = double(texts.size());
}

// SDL_ttf fonts for the canvas fonts of the texts, opened once.
class TtfFonts {
 public:
  ~TtfFonts() {
    for (auto &[key, font] : fonts_) TTF_CloseFont(font);
  }
  TTF_Font *For(const TFont &font) {
    const std::string file = FontEngine::Instance().FaceFile(font.LogFont());
    int style = TTF_STYLE_NORMAL;
    if (font.Style().Contains(fsBold)) style |= TTF_STYLE_BOLD;
    if (font.Style().Contains(fsItalic)) style |= TTF_STYLE_ITALIC;
    if (font.Style().Contains(fsUnderline)) style |= TTF_STYLE_UNDERLINE;
    const auto key = std::make_tuple(file, -font.Height(), style);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
      TTF_Font *opened = TTF_OpenFont(file.c_str(), -font.Height());
      if (opened == nullptr) return nullptr;
      TTF_SetFontStyle(opened, style);
      found = fonts_.emplace(key, opened).first;
    }
    return found->second;
  }

 private:
  std::map<std::tuple<std::string, int, int>, TTF_Font *> fonts_;
};

void SdlTtfTextOut(benchmark::State &state, const std::vector<Text> &texts) {
  WhiteCanvas white;
  TtfFonts fonts;
  struct Prepared {
    TTF_Font *font;
    std::string utf8;
    SDL_Color color;
    SDL_Rect at;
  };
  std::vector<Prepared> prepared;
  for (const Text &text : texts) {
    TTF_Font *font = fonts.For(text.font);
    if (font == nullptr) {
      state.SkipWithError(TTF_GetError());
      return;
    }
    const TColor color = ColorToRGB(text.font.Color());
    prepared.push_back({font, GbkToUtf8(text.gbk),
                        SDL_Color{GetRValue(color), GetGValue(color), GetBValue(color), 255},
                        SDL_Rect{text.x, text.y, 0, 0}});
  }
  SDL_Surface *target = SDL_CreateRGBSurfaceWithFormatFrom(white.bitmap.Row(0), kCanvasWidth, kCanvasHeight, 24,
                                                           white.bitmap.Stride(), SDL_PIXELFORMAT_BGR24);
  std::size_t next = 0;
  for (auto _ : state) {
    Prepared &text = prepared[next];
    SDL_Surface *rendered = TTF_RenderUTF8_Blended(text.font, text.utf8.c_str(), text.color);
    SDL_Rect at = text.at;
    SDL_BlitSurface(rendered, nullptr, target, &at);
    SDL_FreeSurface(rendered);
    next = next + 1 == prepared.size() ? 0 : next + 1;
    benchmark::ClobberMemory();
  }
  SDL_FreeSurface(target);
  state.counters["texts"] = double(texts.size());
}

// Prints the usual table, then ours / SDL_ttf per quality and run, and a whole paint's texts.
// They compare CPU time: on a machine shared with builds, the wall clock also counts the turns
// other processes take.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so that a saved run reads as text.
  RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
      times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
      if (const auto texts = run.counters.find("texts"); texts != run.counters.end())
        texts_[run.benchmark_name()] = texts->second.value;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::vector<std::string> rows;
    for (const TextRun &run : kRuns) rows.push_back(run.name);
    rows.push_back(kInvoice);
    std::printf("\nTextOut CPU time ours / SDL_ttf (below 1: ours faster)\n%-10s", "run");
    for (const auto &[quality, name] : kQualities) std::printf("%9s", name);
    std::printf("\n");
    for (const std::string &row : rows) {
      std::printf("%-10s", row.c_str());
      const double peer = times_["SDL_ttf/" + row];
      for (const auto &[quality, name] : kQualities) {
        const double ours = times_[std::string("TextOut/") + name + "/" + row];
        std::printf("%9.2f", peer > 0 ? ours / peer : 0.0);
      }
      std::printf("\n");
    }
    std::printf("\nThe sale receipt's texts, one whole paint (us of CPU time)\n%-10s", "");
    for (const auto &[quality, name] : kQualities) std::printf("%9s", name);
    std::printf("%9s\n%-10s", "SDL_ttf", "paint");
    for (const auto &[quality, name] : kQualities) std::printf("%9.1f", PaintMicroseconds(std::string("TextOut/") + name));
    std::printf("%9.1f\n", PaintMicroseconds("SDL_ttf"));
  }

 private:
  // Per-text time times the paint's texts; benchmarks report nanoseconds here.
  double PaintMicroseconds(const std::string &prefix) {
    const std::string name = prefix + "/" + kInvoice;
    return times_[name] * texts_[name] / 1000;
  }

  std::map<std::string, double> times_;
  std::map<std::string, double> texts_;
};

}  // namespace

int main(int argc, char **argv) {
  if (TTF_Init() != 0) return 1;
  std::vector<std::pair<std::string, std::vector<Text>>> sets;
  for (const TextRun &run : kRuns) sets.emplace_back(run.name, RunTexts(run));
  for (const auto &[name, texts] : sets) {
    for (const auto &[quality, level] : kQualities)
      benchmark::RegisterBenchmark((std::string("TextOut/") + level + "/" + name).c_str(), SmoothTextOut, quality,
                                   texts);
    benchmark::RegisterBenchmark(("SDL_ttf/" + name).c_str(), SdlTtfTextOut, texts);
  }
  // The receipt's texts sit where each quality's measuring put them; SDL_ttf draws the
  // high-quality paint's.
  for (const auto &[quality, level] : kQualities)
    benchmark::RegisterBenchmark((std::string("TextOut/") + level + "/" + kInvoice).c_str(), SmoothTextOut, quality,
                                 InvoiceTexts(quality));
  benchmark::RegisterBenchmark((std::string("SDL_ttf/") + kInvoice).c_str(), SdlTtfTextOut, InvoiceTexts(tqHigh));
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  TTF_Quit();
  return 0;
}
