// Rendering texts: 100,000 text elements (horizontal, rotated, vertical,
// some with caret codes) at 1600 x 1000, the FitAll view, with the font
// cache and without it.

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/reader.h"
#include "orvik/render/extents.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/scene.h"

#include "split_mix.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

namespace ex = orvik::exchange;

std::string Number(double v) {
  char buf[32];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
  return std::string(buf, r.ptr);
}

// 100,000 texts over 400 x 250 mm, 3 to 5 mm high: at FitAll they are 6 to
// 12 pixels, so every one is drawn as text.
std::string TextDrawing(std::size_t count) {
  static const char *const kTexts[] = {
      "\x97\x6D\x8E\xBA",           // 洋室
      "\x98\x61\x8E\xBA 6\x92\x9F", // 和室 6帖
      "W1800",
      "\x8A\x4B\x92\x69 UP", // 階段 UP
      "12m^u2",
      "\x8E\xFB\x94\x5B",                     // 収納
      "^!\x91\xBE\x8E\x9A^#\x95\x57\x8F\x80", // ^!太字^#標準
      "\x87\x40\x87\x41\x87\x42",             // ①②③
  };
  orvik::bench::Random rng(11);
  std::string f =
      "hcw 2 2.5 3 4 5 6 7 8 9 10\r\nhch 2 2.5 3 4 5 6 7 8 9 "
      "10\r\ncn\"$<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>"
      "\r\n";
  for (std::size_t i = 0; i < count; ++i) {
    f += "cn" + std::to_string(3 + rng.Below(3)) + "\r\n";
    const double x = rng.Unit() * 400, y = rng.Unit() * 250;
    const int kind = static_cast<int>(rng.Below(10));
    const char *key = kind < 2 ? "cv" : "ch";
    double dx = 10, dy = 0;
    if (kind < 2) {
      dx = 0;
      dy = -10;
    } else if (kind < 4) {
      const double a = rng.Unit() * 6.283185307179586;
      dx = 10 * std::cos(a);
      dy = 10 * std::sin(a);
    }
    f += std::string(key) + " " + Number(x) + " " + Number(y) + " " +
         Number(dx) + " " + Number(dy) + " \"" + kTexts[rng.Below(8)] + "\r\n";
  }
  return f;
}

void Render(benchmark::State &state, bool cache_fonts) {
  ex::DrawingModel model;
  ex::ReadExchangeBytes(model, TextDrawing(100'000));
  const orvik::attributes::TgraAttribute pens;
  orvik::geometry::ViewState view;
  orvik::render::FitView(view, orvik::render::ComputeExtents(model, {}), 1600,
                         1000);
  QImage image(1600, 1000, QImage::Format_RGB32);
  for (auto _ : state) {
    orvik::render::ImageCanvas canvas(image, {true, cache_fonts});
    orvik::render::PaintScene(canvas, model, pens, view, {}, nullptr);
  }
  state.counters["texts"] = static_cast<double>(model.Texts.Count());
  state.counters["px_per_mm"] = view.ViewScale();
}

void BM_RenderTexts(benchmark::State &state) { Render(state, true); }
void BM_RenderTextsFontPerRun(benchmark::State &state) { Render(state, false); }

BENCHMARK(BM_RenderTexts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenderTextsFontPerRun)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
