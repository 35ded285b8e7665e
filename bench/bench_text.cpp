// Smooth text output at each quality against SDL_ttf drawing the same runs (blended into a
// surface, then composed onto the canvas), with the ratio ours / SDL_ttf per quality.
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "aatext/SmoothFont.h"
#include "platform/gfx/font_engine.h"
#include "platform/text/gbk.h"

namespace {

using namespace iv;

struct TextRun {
  const char *name;
  const char8_t *text;
  int points;
};

const TextRun kRuns[] = {
    {"ascii8", u8"No.12345", 9},
    {"ascii20", u8"Total amount: 12.50", 16},
    {"ascii60", u8"Account 0012345678, paid 2024-01-31 12:30, fee 0.00, ref 98", 24},
    {"chinese8", u8"销售凭证", 9},
    {"chinese20", u8"户名:张三 合计:12.50", 16},
    {"chinese60", u8"户号:0012345678 户名:张三 地址:北京市海淀区中关村大街1号楼", 24},
};

const std::pair<TTextQuality, const char *> kQualities[] = {
    {tqHigh, "high"}, {tqNormal, "normal"}, {tqLow, "low"}, {tqNone, "none"}};

const std::string kFace = Gbk(u8"宋体");

void SmoothTextOut(benchmark::State &state, TTextQuality quality, const TextRun &run) {
  Bitmap bitmap(800, 600);
  Canvas canvas(bitmap);
  canvas.FillRect({0, 0, 800, 600});
  canvas.Brush().Style = bsClear;
  canvas.Font().SetName(kFace);
  canvas.Font().SetSize(run.points);
  canvas.Font().SetColor(clBlack);
  TSmoothFont font(&canvas);
  font.SetQuality(quality);
  const std::string text = Gbk(run.text);
  for (auto _ : state) {
    font.TextOut(20, 40, text, 100, 0);
    benchmark::ClobberMemory();
  }
}

void SdlTtfTextOut(benchmark::State &state, const TextRun &run) {
  Bitmap bitmap(800, 600);
  Canvas canvas(bitmap);
  canvas.FillRect({0, 0, 800, 600});
  canvas.Font().SetName(kFace);
  canvas.Font().SetSize(run.points);
  const std::string file = FontEngine::Instance().FaceFile(canvas.Font().LogFont());
  TTF_Font *ttf = TTF_OpenFont(file.c_str(), -canvas.Font().Height());
  if (ttf == nullptr) {
    state.SkipWithError(TTF_GetError());
    return;
  }
  SDL_Surface *target = SDL_CreateRGBSurfaceWithFormatFrom(bitmap.Row(0), 800, 600, 24, bitmap.Stride(),
                                                           SDL_PIXELFORMAT_BGR24);
  const std::string utf8(reinterpret_cast<const char *>(run.text));
  for (auto _ : state) {
    SDL_Surface *text = TTF_RenderUTF8_Blended(ttf, utf8.c_str(), SDL_Color{0, 0, 0, 255});
    SDL_Rect at{20, 40, 0, 0};
    SDL_BlitSurface(text, nullptr, target, &at);
    SDL_FreeSurface(text);
    benchmark::ClobberMemory();
  }
  SDL_FreeSurface(target);
  TTF_CloseFont(ttf);
}

// Prints the usual table, then ours / SDL_ttf per quality and run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nTextOut time ours / SDL_ttf (below 1: ours faster)\n%-10s", "run");
    for (const auto &[quality, name] : kQualities) std::printf("%9s", name);
    std::printf("\n");
    for (const TextRun &run : kRuns) {
      std::printf("%-10s", run.name);
      const double peer = times_[std::string("SDL_ttf/") + run.name];
      for (const auto &[quality, name] : kQualities) {
        const double ours = times_[std::string("TextOut/") + name + "/" + run.name];
        std::printf("%9.2f", peer > 0 ? ours / peer : 0.0);
      }
      std::printf("\n");
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char **argv) {
  if (TTF_Init() != 0) return 1;
  for (const TextRun &run : kRuns) {
    for (const auto &[quality, name] : kQualities)
      benchmark::RegisterBenchmark((std::string("TextOut/") + name + "/" + run.name).c_str(),
                                   SmoothTextOut, quality, run);
    benchmark::RegisterBenchmark((std::string("SDL_ttf/") + run.name).c_str(), SdlTtfTextOut, run);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  TTF_Quit();
  return 0;
}
