// Paint of the invoice control: the sample invoice at each quality, the same paint against the
// size of the detail table (a page must cost the page, not the table), and fields all on one
// line against the same fields one a line (a line must cost its pieces, not their square).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "invoice/uInvoice.h"
#include "platform/text/gbk.h"
#include "platform/ui/win_control.h"

namespace {

// The head, a three-column detail line and the tail of the kiosk's sale receipt.
constexpr char8_t kSaleTemplate[] =
    u8"<NAME(SALE)><FPT()>\n"
    u8"<SETFONT(宋体,0,0,255,16)>    销售凭证<RESTOREOLDFONT()>\n"
    u8"户号:{户号(0,12)}  户名:{户名(1,-16)}\n"
    u8"<FPTEND()><FPMX()>{名称(0,-10)} {数量(1,6)} {金额(2,10)}<FPMXEND()>\n"
    u8"<FPW()>合计:{合计(0,10)}  第{页(PAGE,3)}页 共{页(PAGES,3)}页<FPWEND()>\n"
    u8"<END()>\n";

// A template as a file for as long as the object lives.
class TemplateFile {
 public:
  explicit TemplateFile(const std::string &gbk) {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("bench-invoice-" + std::to_string(::getpid()) + "-" + std::to_string(++made) + ".txt");
    std::ofstream(path_, std::ios::binary) << gbk;
  }
  ~TemplateFile() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

std::string SaleTemplatePath() {
  static const TemplateFile file(iv::Gbk(kSaleTemplate));
  return file.Path();
}

std::vector<std::string> DetailCells(std::int64_t count) {
  std::vector<std::string> cells;
  cells.reserve(static_cast<std::size_t>(count));
  const std::string names[3] = {iv::Gbk(u8"矿泉水"), "2", "3.00"};
  for (std::int64_t i = 0; i < count; ++i) cells.push_back(names[i % 3]);
  return cells;
}

// An off-screen form of the kiosk's size holding the control as the invoice view form does.
struct ViewSurface {
  ViewSurface(iv::TTextQuality quality, std::int64_t detailCells, const std::string &templatePath = SaleTemplatePath(),
              const std::string &name = "SALE")
      : invoice(surface) {
    surface.SetBounds(0, 0, 808, 606);
    surface.SetColor(iv::clWhite);
    iv::TFont font;
    font.SetName("MS Sans Serif");
    font.SetHeight(-11);
    font.SetColor(iv::clWindowText);
    surface.SetFont(font);
    invoice.SetBounds(0, 0, 808, 606);
    invoice.SetuLinesPerPage(8);
    invoice.SetuQuality(quality);
    invoice.SetInvoiceFile(templatePath, name);
    invoice.SetInvoiceData({"1001", iv::Gbk(u8"张三")}, DetailCells(detailCells), {"19.50"}, 0);
  }
  iv::WinControl surface;
  iv::TInvoice invoice;
};

// Texts drawn by one paint, reported beside the times so that a paint drawing nothing shows.
void CountTexts(benchmark::State &state, ViewSurface &view) {
  int texts = 0;
  view.invoice.SetTextObserver([&texts](const iv::DrawnText &drawn) { texts += !drawn.text.empty(); });
  view.surface.Repaint();
  view.invoice.SetTextObserver(nullptr);
  state.counters["texts"] = texts;
}

void BM_PaintSampleInvoice(benchmark::State &state) {
  ViewSurface view(static_cast<iv::TTextQuality>(state.range(0)), 24);
  for (auto _ : state) view.surface.Repaint();
  CountTexts(state, view);
}
BENCHMARK(BM_PaintSampleInvoice)
    ->ArgName("quality")
    ->Arg(iv::tqHigh)
    ->Arg(iv::tqNormal)
    ->Arg(iv::tqLow)
    ->Arg(iv::tqNone)
    ->Unit(benchmark::kMillisecond);

void BM_PaintAgainstDetailCells(benchmark::State &state) {
  ViewSurface view(iv::tqHigh, state.range(0));
  for (auto _ : state) view.surface.Repaint();
  CountTexts(state, view);
}
BENCHMARK(BM_PaintAgainstDetailCells)
    ->ArgName("cells")
    ->Arg(100)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// `fields` one-cell fields, all on one line or one a line.
void PaintFields(benchmark::State &state, const char *separator) {
  std::string text = "<NAME(X)><FPT()>\n";
  for (std::int64_t i = 0; i < state.range(0); ++i) (text += "{a(0,1)}") += separator;
  text += "\n<FPTEND()><END()>\n";
  const TemplateFile file(text);
  ViewSurface view(iv::tqNormal, 0, file.Path(), "X");
  view.invoice.SetInvoiceData({"x"}, {}, {}, 1);
  for (auto _ : state) view.surface.Repaint();
  CountTexts(state, view);
  state.SetComplexityN(state.range(0));
}

void BM_PaintFieldsOnOneLine(benchmark::State &state) { PaintFields(state, ""); }
void BM_PaintFieldsOneALine(benchmark::State &state) { PaintFields(state, "\n"); }
BENCHMARK(BM_PaintFieldsOnOneLine)->ArgName("fields")->Arg(8'000)->Arg(125'000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFieldsOneALine)->ArgName("fields")->Arg(8'000)->Arg(125'000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
