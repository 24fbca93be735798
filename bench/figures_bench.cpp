// One full page of figures: a 20 x 20 plane with its axis numbers, three curves
// of 5000 steps each and a long formula line with fractions, drawn onto a
// headless platform and rendered at 1440 x 900.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <memory>

#include "framework/lesson.h"
#include "framework/platform/headless_platform.h"

namespace {

using lesson::Lesson;

class BenchLesson : public Lesson {
 public:
  explicit BenchLesson(lesson::Platform& platform)
      : Lesson(platform, "Bench", lesson::Variant::Corbisk) {}

 protected:
  void showUnitMenu() override {}
};

struct Page {
  lesson::HeadlessPlatform platform{{}};
  BenchLesson lesson{platform};
  Page() { lesson.startup(); }
};

void drawFigurePage(Lesson& l) {
  l.clearWholeWindow();
  l.setDrawWidth(3);
  l.graphLeft = 100, l.graphTop = 60, l.gridUnit = 30, l.lineColor = 14;
  l.graphXMin = -10, l.graphXMax = 10, l.graphYMin = -10, l.graphYMax = 10;
  l.noAxisNumbers = 0;
  l.drawGraphPlane();

  struct Curve {
    float kind, a, b, color;
    const char32_t* label;
  } curves[] = {{3, 2, 1, 3, U"y=2x+1"}, {2, 0.5f, 0, 9, U"y=ﾀ1/2ﾀx^2"}, {1, 6, 0, 5, U"y=ﾀ6/xﾀ"}};
  for (const Curve& c : curves) {
    l.curveKind = c.kind, l.coefA = c.a, l.coefB = c.b, l.plotColor = c.color;
    l.graphXMin = -10, l.graphXMax = 10;
    l.pointLabel = c.label;
    l.labelDx = -120;
    l.plotCurve();
  }

  l.textColor = 0;
  l.penX = 40, l.penY = 720;
  l.mathText =
      U"y=ﾀ3/4ﾀx-3 のとき、x=ﾀ8/3ﾀ ならば "
      U"y=ﾀ3/4ﾀ*ﾀ8/3ﾀ-3=2-3=-1、変化の割合=ﾀyの増加量/xの増加量ﾀ=ﾀ3/4ﾀ";
  l.drawMathText();
}

void renderPage(const lesson::Canvas& canvas, cairo_t* cr) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  canvas.render(cr);
}

struct Surface {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, lesson::kCanvasWidth, lesson::kCanvasHeight);
  cairo_t* cr = cairo_create(surface);
  ~Surface() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
};

// Drawing and rendering together: what one page of figures costs.
void BM_FigurePageDrawAndRender(benchmark::State& state) {
  Surface s;
  for (auto _ : state) {
    Page page;
    drawFigurePage(page.lesson);
    renderPage(page.platform.canvas(), s.cr);
    cairo_surface_flush(s.surface);
    benchmark::DoNotOptimize(page.platform.events().size());
  }
}
BENCHMARK(BM_FigurePageDrawAndRender)->Unit(benchmark::kMillisecond);

// The framework routines alone, onto the headless platform.
void BM_FigurePageDraw(benchmark::State& state) {
  for (auto _ : state) {
    Page page;
    drawFigurePage(page.lesson);
    benchmark::DoNotOptimize(page.platform.events().size());
  }
}
BENCHMARK(BM_FigurePageDraw)->Unit(benchmark::kMillisecond);

// Rendering the finished page's display list.
void BM_FigurePageRender(benchmark::State& state) {
  Page page;
  drawFigurePage(page.lesson);
  Surface s;
  for (auto _ : state) {
    renderPage(page.platform.canvas(), s.cr);
    cairo_surface_flush(s.surface);
  }
  state.counters["ops"] = static_cast<double>(page.platform.canvas().ops().size());
}
BENCHMARK(BM_FigurePageRender)->Unit(benchmark::kMillisecond);

}  // namespace

// A busy page kept up: a curve of 4000 dots and a formula line, then a clock
// erased and drawn again 2000 times beside them (the tank's animation). Each
// erase looks through the whole list for what lies under it.
void BM_ErasesOnABusyPage(benchmark::State& state) {
  for (auto _ : state) {
    Page page;
    Lesson& l = page.lesson;
    l.clearWholeWindow();
    l.setDrawWidth(3);
    for (int i = 0; i < 4000; ++i) {
      float t = static_cast<float>(i) * 0.3f;
      l.fillCircle(100 + t, 400 - t * 0.25f, 1, 3);
    }
    l.textColor = 0;
    l.penX = 40, l.penY = 720;
    l.mathText = U"y=ﾀ3/4ﾀx-3 のとき、x=ﾀ8/3ﾀ ならば y=2-3=-1";
    l.drawMathText();
    for (int i = 0; i < 2000; ++i) {
      l.fillBox(1100, 100, 1400, 160, 1, 1);
      l.textColor = 5;
      l.penX = 1110, l.penY = 110;
      l.mathText = i % 2 ? U"8分0秒" : U"8分1秒";
      l.drawMathText();
    }
    benchmark::DoNotOptimize(page.platform.canvas().ops().size());
  }
}
BENCHMARK(BM_ErasesOnABusyPage)->Unit(benchmark::kMillisecond);
