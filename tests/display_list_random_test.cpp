// The display list against what was drawn, through random but program-like
// sequences of drawing (curves of tiny dots, dots over dots, the blinking
// cursor, erases hugging texts and curves, texts in the faces, sizes and
// magnifications the programs use, and coordinates no page computes): after
// every update the picture kept from the list, the rectangles sent to the
// screen, a fresh render of the list and a plain render of everything drawn
// agree, the margin stays grey, and every figure's extent holds all of its ink,
// at window sizes from 1000x700 to 3840x2160.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework/basic.h"
#include "framework/platform/canvas.h"
#include "framework/platform/canvas_picture.h"
#include "framework/platform/dot_runs.h"
#include "framework/platform/fonts.h"
#include "support/draw_ops.h"
#include "support/image.h"

namespace lesson {
namespace {

using namespace testing::ops;
using testing::Image;

// A window's pixels and where the canvas lies in them, as CanvasPicture
// places it: scaled to fit, centred.
struct Window {
  int width, height;

  double scale() const {
    return std::min(width / double(kCanvasWidth), height / double(kCanvasHeight));
  }
  double left() const { return (width - kCanvasWidth * scale()) / 2; }
  double top() const { return (height - kCanvasHeight * scale()) / 2; }
  double right() const { return left() + kCanvasWidth * scale(); }
  double bottom() const { return top() + kCanvasHeight * scale(); }
  // Pixel (x, y) lies wholly outside the canvas: the margin.
  bool inMargin(int x, int y) const {
    return x + 1 <= left() || x >= right() || y + 1 <= top() || y >= bottom();
  }
  // Pixel (x, y) lies wholly inside the canvas.
  bool inside(int x, int y) const {
    return x >= left() && x + 1 <= right() && y >= top() && y + 1 <= bottom();
  }
};

std::string sizeText(const Window& w) {
  return std::to_string(w.width) + "x" + std::to_string(w.height);
}

// The largest difference of one colour channel.
int levels(std::uint32_t a, std::uint32_t b) {
  int most = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    most = std::max(most, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
  }
  return most;
}

constexpr int kTolerance = 32;  // levels of 255

// True when some pixel of `image` within 1 px of (x, y) is within the tolerance of `value`.
bool nearby(const Image& image, int x, int y, std::uint32_t value) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      int px = x + dx, py = y + dy;
      if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
      if (levels(image.at(px, py), value) <= kTolerance) return true;
    }
  }
  return false;
}

struct Difference {
  long count = 0;
  int x = -1, y = -1, levels = 0;  // the first one
};

// Pixels that differ between two pictures beyond antialiasing: by more than
// the tolerance, with no pixel of the other picture within 1 px that is
// within the tolerance; only those wholly inside the canvas when `inside`.
Difference counted(const Image& a, const Image& b, const Window* inside = nullptr) {
  int left = 0, top = 0, right = a.width(), bottom = a.height();
  if (inside) {
    left = static_cast<int>(std::ceil(inside->left()));
    top = static_cast<int>(std::ceil(inside->top()));
    right = static_cast<int>(std::floor(inside->right()));
    bottom = static_cast<int>(std::floor(inside->bottom()));
  }
  Difference d;
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t *rowA = a.row(y), *rowB = b.row(y);
    if (std::memcmp(rowA + left, rowB + left, static_cast<std::size_t>(right - left) * 4) == 0) {
      continue;
    }
    for (int x = left; x < right; ++x) {
      std::uint32_t pa = rowA[x] & 0xFFFFFFu, pb = rowB[x] & 0xFFFFFFu;
      if (pa == pb) continue;
      int l = levels(pa, pb);
      if (l <= kTolerance || (nearby(b, x, y, pa) && nearby(a, x, y, pb))) continue;
      if (d.count++ == 0) d = {1, x, y, l};
    }
  }
  return d;
}

// The margin's grey, read off a picture whose canvas leaves a margin.
std::uint32_t marginGrey() {
  Image image(1000, 700);
  CanvasPicture picture;
  picture.attach(image.get());
  picture.renderWhole(Canvas{});
  return image.at(0, 0);
}

// How many of the n pixels from p are not `value`; the first one's index in `first`.
long countOther(const std::uint32_t* p, int n, std::uint32_t value, int& first) {
  long count = 0;
  for (int i = 0; i < n; ++i) {
    if ((p[i] & 0xFFFFFFu) == value) continue;
    if (count++ == 0) first = i;
  }
  return count;
}

// Margin pixels of `image` that are not grey: the first one's position.
long strayInMargin(const Image& image, const Window& w, std::uint32_t grey, int& x0, int& y0) {
  int width = image.width(), height = image.height();
  // Pixels wholly outside the canvas: columns before `left` and from `right`,
  // rows before `top` and from `bottom`.
  int left = static_cast<int>(std::floor(w.left())), right = static_cast<int>(std::ceil(w.right()));
  int top = static_cast<int>(std::floor(w.top())), bottom = static_cast<int>(std::ceil(w.bottom()));
  long n = 0;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = image.row(y);
    const struct {
      int from, to;
    } spans[] = {{0, y < top || y >= bottom ? width : left}, {std::max(right, left), width}};
    for (const auto& span : spans) {
      if (span.to <= span.from) continue;
      int first = 0;
      long here = countOther(row + span.from, span.to - span.from, grey, first);
      if (here > 0 && n == 0) x0 = span.from + first, y0 = y;
      n += here;
      if (y < top || y >= bottom) break;
    }
  }
  return n;
}

void fresh(const Canvas& canvas, const Image& into) {
  CanvasPicture picture;
  picture.attach(into.get());
  picture.renderWhole(canvas);
}

// Everything drawn, rendered plainly: the margin, the page's white over the
// canvas and every operation in order, nothing left out, on the pixels wholly
// inside the canvas (cairo draws a glyph a little differently under another
// clip).
void plain(const Canvas& everything, const Window& w, std::uint32_t grey, const Image& into) {
  cairo_t* cr = cairo_create(into.get());
  cairo_set_source_rgb(cr, ((grey >> 16) & 255) / 255.0, ((grey >> 8) & 255) / 255.0,
                       (grey & 255) / 255.0);
  cairo_paint(cr);
  double left = std::ceil(w.left()), top = std::ceil(w.top());
  cairo_rectangle(cr, left, top, std::floor(w.right()) - left, std::floor(w.bottom()) - top);
  cairo_clip(cr);
  cairo_translate(cr, w.left(), w.top());
  cairo_scale(cr, w.scale(), w.scale());
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, 0, 0, kCanvasWidth, kCanvasHeight);
  cairo_fill(cr);
  everything.render(cr);
  cairo_destroy(cr);
  cairo_surface_flush(into.get());
}

// The ink of a figure (a list holding it alone) that lies outside `extent`
// (counted by the pixels' centres, over the pixels wholly inside the canvas,
// since a cover paints the pixels whose centres it holds, to cairo's 1/256 of
// a pixel) or in the margin.
struct Stray {
  long outsideExtent = 0, inMargin = 0;
  int x = -1, y = -1;
};

Stray strayInk(const Canvas& figure, const Extent& extent, const Window& w, const Image& image) {
  // Rendered on white over the pixels of `image` (of the window's size) round
  // the extent (round the figure's rough reach when it has none on the canvas).
  Extent around = extent;
  if (around.empty()) {
    for (const DrawOp& op : figure.ops()) around.add(roughExtent(op));
  }
  Stray stray;
  if (around.empty()) return stray;
  constexpr double kPad = 12;  // canvas units round the reach
  auto pixel = [](double v, int limit) {
    return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(limit)));
  };
  double s = w.scale();
  int x0 = pixel(std::floor(w.left() + (around.left - kPad) * s), w.width);
  int y0 = pixel(std::floor(w.top() + (around.top - kPad) * s), w.height);
  int x1 = pixel(std::ceil(w.left() + (around.right + kPad) * s), w.width);
  int y1 = pixel(std::ceil(w.top() + (around.bottom + kPad) * s), w.height);
  if (x1 <= x0 || y1 <= y0) return stray;
  cairo_t* cr = cairo_create(image.get());
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_translate(cr, w.left(), w.top());
  cairo_scale(cr, s, s);
  figure.render(cr);
  cairo_destroy(cr);
  cairo_surface_flush(image.get());
  for (int y = y0; y < y1; ++y) {
    const std::uint32_t* row = image.row(y);
    int first = 0;
    if (countOther(row + x0, x1 - x0, 0xFFFFFFu, first) == 0) continue;
    for (int x = x0 + first; x < x1; ++x) {
      if ((row[x] & 0xFFFFFFu) == 0xFFFFFFu) continue;
      double cx = (x + 0.5 - w.left()) / s, cy = (y + 0.5 - w.top()) / s;
      double slack = 1 / (256 * s);
      bool margin = w.inMargin(x, y);
      bool outside = !margin && w.inside(x, y) &&
                     (cx < extent.left - slack || cx > extent.right + slack ||
                      cy < extent.top - slack || cy > extent.bottom + slack);
      stray.inMargin += margin;
      stray.outsideExtent += outside;
      if ((margin || outside) && stray.x < 0) stray.x = x, stray.y = y;
    }
  }
  return stray;
}

// A step of a sequence: operations drawn, then maybe the picture brought up to date.
struct Step {
  std::vector<DrawOp> ops;
  bool update = true;
};

// A sequence of steps, and the figures in it whose extents are checked (each
// a single operation, or the dots of one curve).
struct Sequence {
  std::vector<Step> steps;
  std::vector<std::vector<DrawOp>> figures;
};

// The four pictures a run compares, kept for the next run at the same size
// (made afresh, their pages would cost more than the drawing).
struct Pictures {
  explicit Pictures(const Window& w)
      : kept(w.width, w.height),
        screen(w.width, w.height),
        fresh(w.width, w.height),
        plain(w.width, w.height) {}
  Image kept, screen, fresh, plain;
};

class PictureCache {
 public:
  Pictures& at(const Window& w) {
    for (auto& p : pictures_) {
      if (p->kept.width() == w.width && p->kept.height() == w.height) return *p;
    }
    return *pictures_.emplace_back(std::make_unique<Pictures>(w));
  }

 private:
  std::vector<std::unique_ptr<Pictures>> pictures_;
};

// Runs a sequence in a window of the given size; returns what went wrong
// (empty when nothing did), at most a few lines.
std::string check(const Sequence& sequence, const Window& w, PictureCache& cache) {
  static const std::uint32_t grey = marginGrey();
  std::ostringstream out;
  int faults = 0;
  auto fault = [&]() -> std::ostream& {
    ++faults;
    return out << "  at " << sizeText(w) << ": ";
  };
  for (std::size_t f = 0; f < sequence.figures.size() && faults < 3; ++f) {
    Canvas figure(Canvas::Keeping::UnderFills);
    for (const DrawOp& op : sequence.figures[f]) figure.add(op);
    if (figure.ops().size() != 1) continue;
    const DrawOp& op = figure.ops().front();
    // A text's extent is rough (an em round its cells) until a fill meets
    // it, then its measured ink: the rough one holds the measured one, and
    // that the ink.
    const char* name = "extent";
    Extent extent = figure.extent(0);
    if (op.kind == DrawOp::Kind::Symbol) {
      name = "measured ink";
      extent = symbolInk(op).onCanvas();
      if (!figure.extent(0).contains(extent)) {
        fault() << "figure " << f << " (\"" << toUtf8(op.text)
                << "\"): its measured ink runs past its rough extent\n";
      }
    }
    Stray s = strayInk(figure, extent, w, cache.at(w).plain);
    if (s.outsideExtent || s.inMargin) {
      fault() << "figure " << f << " (kind " << int(op.kind) << " \"" << toUtf8(op.text)
              << "\") inks " << s.outsideExtent << " px outside its " << name << " and "
              << s.inMargin << " in the margin, first at " << s.x << "," << s.y << "\n";
    }
  }
  Canvas canvas;
  Canvas everything(Canvas::Keeping::UnderFills);
  Pictures& pictures = cache.at(w);
  const Image &kept = pictures.kept, &screen = pictures.screen;
  const Image &freshly = pictures.fresh, &plainly = pictures.plain;
  CanvasPicture picture;
  picture.attach(kept.get());
  int n = 0;
  for (const Step& step : sequence.steps) {
    ++n;
    for (const DrawOp& op : step.ops) {
      canvas.add(op);
      everything.add(op);
    }
    if (!step.update || faults >= 3) continue;
    PixelRect sent = picture.update(canvas);
    cairo_t* cr = cairo_create(screen.get());
    cairo_set_source_surface(cr, kept.get(), 0, 0);
    cairo_rectangle(cr, sent.x, sent.y, sent.w, sent.h);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(screen.get());
    fresh(canvas, freshly);
    plain(everything, w, grey, plainly);
    // The pixels the canvas covers in part show the nearest whole pixel
    // blended with the margin: everything drawn is compared on the others.
    const struct {
      const char* what;
      const Image& a;
      const Image& b;
      const Window* inside;
    } pairs[] = {{"the kept picture and a fresh render", kept, freshly, nullptr},
                 {"the screen and a fresh render", screen, freshly, nullptr},
                 {"a fresh render and everything drawn", freshly, plainly, &w}};
    for (const auto& pair : pairs) {
      Difference d = counted(pair.a, pair.b, pair.inside);
      if (d.count > 0) {
        fault() << "step " << n << ": " << pair.what << " differ at " << d.count << " px, first at "
                << d.x << "," << d.y << " by " << d.levels << "\n";
      }
    }
    const struct {
      const char* what;
      const Image& image;
    } margins[] = {{"kept picture", kept}, {"fresh render", freshly}};
    for (const auto& m : margins) {
      int x = -1, y = -1;
      if (long stray = strayInMargin(m.image, w, grey, x, y)) {
        fault() << "step " << n << ": the " << m.what << " has " << stray
                << " px of ink in the margin, first at " << x << "," << y << "\n";
      }
    }
  }
  return out.str();
}

constexpr Window kSizes[] = {{1440, 900},  {1000, 700},  {1920, 1080}, {2560, 1440},
                             {2880, 1800}, {3840, 2160}, {1333, 777}};

DrawOp withColor(DrawOp op, int color, int fill) {
  op.color = color;
  op.fill = fill;
  return op;
}

// The sequences that showed each kind of fault.
TEST(DisplayListRandom, TheSequencesThatLostInkKeepIt) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const DrawOp boldParen = text(300, 300, U")", U"ゴシック", 16, 6, 3, true);
  const DrawOp slanted =
      text(1341, 100, U"y=-5x+13 a c 傍き", U"Times New Roman", 16, 1.5f, 1, true, true);
  const DrawOp firstDot = withColor(circle(1249, 59.98f, 1, 11, 2, true), 11, 11);
  const DrawOp secondDot = withColor(circle(1245.3363f, 57.3599f, 1, 12, 2, true), 12, 1);
  const DrawOp overSecond = withColor(secondDot, 0, 1);
  const DrawOp huge = fillBox(-6952355, -4619207, 9617089, 5694485, 13, 12);
  const DrawOp endless = fillBox(-kInf, -kInf, kInf, kInf, 13, 12);
  // Found by the random sequences below: a synthesized bold, slanted glyph
  // beside an erase whose repaint cut the box its metrics give (cairo drew
  // it only inside that box), and glyphs stretched so far that their
  // emboldening inks a spike at some sizes.
  const DrawOp prompt = withColor(text(280.852905f, 119.258308f, U"何かキーを押して下さい。",
                                       U"Times New Roman", 24, 3, 2, true, true),
                                  5, -1);
  const DrawOp plus =
      withColor(text(207.491196f, 198.881165f, U"＋", U"ゴシック", 26, 6, 5, true, true), 5, -1);
  const DrawOp promptErase =
      fillBox(284.0703125f, 117.16796875f, 733.96484375f, 166.37109375f, 15, 15, 2);
  const DrawOp stretched =
      withColor(text(1147.4f, 435.623f, U"一次関数", U"MT Extra", 16, 2, 10, true), 3, -1);
  const struct {
    const char* what;
    Sequence sequence;
  } cases[] = {
      {"a bold Gothic glyph widened more than heightened, erased by its measured ink",
       {{{{boldParen}}, {{fillBox(305.21875f, 298.484497f, 339.046631f, 347.492188f, 15, 15)}}},
        {{boldParen}}}},
      {"slanted glyphs at the canvas's edge, erased",
       {{{{slanted}}, {{fillBox(1200, 60, 1440, 160, 15, 15)}}}, {{slanted}}}},
      {"a dot taking the place of the one beside another",
       {{{{firstDot, secondDot}}, {{overSecond}}}, {{firstDot}, {secondDot}}}},
      {"a fill beyond what cairo draws, over text", {{{{text(100, 100, U"あ")}}, {{huge}}}, {}}},
      {"a fill beyond what cairo draws, first", {{{{huge}}, {{text(100, 100, U"あ")}}}, {}}},
      {"an endless fill, first", {{{{endless}}, {{text(100, 100, U"あ")}}}, {}}},
      {"an endless fill over text", {{{{text(100, 100, U"あ")}}, {{endless}}}, {}}},
      {"a slanted bold glyph beside an erase that drops a text",
       {{{{prompt}}, {{plus, promptErase}}}, {{plus}}}},
      {"glyphs stretched ten times as high as wide",
       {{{{stretched}}, {{fillBox(1140, 410, 1260, 600, 15, 15)}}}, {{stretched}}}},
  };
  PictureCache cache;
  for (const auto& c : cases) {
    for (const Window& w : kSizes) {
      std::string faults = check(c.sequence, w, cache);
      EXPECT_TRUE(faults.empty()) << c.what << "\n" << faults;
    }
  }
}

// A small generator of our own, so that a seed gives the same sequence with
// every standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  // In [0, 1).
  double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }
  float uniform(double from, double to) { return static_cast<float>(from + (to - from) * unit()); }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  bool chance(double p) { return unit() < p; }
  template <class T, std::size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(static_cast<int>(N))];
  }
  template <class T>
  const T& pick(const std::vector<T>& items) {
    return items[below(static_cast<int>(items.size()))];
  }

 private:
  std::uint64_t state_;
};

// Program-like sequences: a page erased, then figures, an update after some
// of them, as the window brings its picture up to date at waits and pauses.
class SequenceMaker {
 public:
  explicit SequenceMaker(std::uint64_t seed) : random_(seed) {}

  Sequence make() {
    Sequence s;
    if (random_.chance(0.5)) s.steps.push_back({{fillBox(0, 54, 1440, 900, 15, 15)}, false});
    if (random_.chance(0.2)) s.steps.push_back({{cls()}, false});
    int figures = 6 + random_.below(20);
    for (int i = 0; i < figures; ++i) addFigure(s);
    s.steps.push_back({{}, true});
    return s;
  }

 private:
  struct Shown {
    DrawOp op;  // a text, or a curve's first dot
    std::vector<Point> dots;
  };

  // A point on the canvas, now and then near or past an edge.
  Point somewhere() {
    if (random_.chance(0.15)) {
      return {random_.uniform(-30, kCanvasWidth + 30), random_.uniform(-30, kCanvasHeight + 30)};
    }
    return {random_.uniform(0, kCanvasWidth), random_.uniform(0, kCanvasHeight)};
  }
  int color() { return random_.below(16); }

  void addFigure(Sequence& s) {
    double kind = random_.unit();
    DrawOp op;
    if (kind < 0.28) {
      op = textFigure();
    } else if (kind < 0.46) {
      curve(s);
      return;
    } else if (kind < 0.54) {
      dotOver(s);
      return;
    } else if (kind < 0.60) {
      cursor(s);
      return;
    } else if (kind < 0.76) {
      op = hugging();
    } else if (kind < 0.94) {
      op = shape();
    } else if (kind < 0.98) {
      op = farAway();
    } else {
      op = cls();
    }
    s.figures.push_back({op});
    s.steps.push_back({{op}, random_.chance(0.5)});
  }

  DrawOp textFigure() {
    static const std::u32string kTexts[] = {
        U")",      U"(",  U"y=-5x+13", U"傍き",     U"答",       U"何かキーを押して下さい。",
        U"x",      U"a",  U"c",        U"l",        U"＜",       U"メ",
        U"(-4,7)", U"3",  U"8分0秒",   U"y=ax+b",   U"ｺﾞｼｯｸ",    U"−",
        U"＋",     U"２", U"cm²",      U"傾きは 3", U"一次関数", U"入力"};
    struct Style {
      const char32_t* face;
      float size, fx, fy;
      bool bold, italic;
    };
    static const Style kStyles[] = {
        {U"ゴシック", 16, 2, 3, true, false},
        {U"ゴシック", 16, 1, 1, true, false},
        {U"ゴシック", 16, 3, 3, true, false},
        {U"ゴシック", 14, 3, 3, true, false},
        {U"Times New Roman", 8, 10, 7, true, true},
        {U"ゴシック", 16, 4, 2, true, false},
        {U"ゴシック", 11, 3, 3, true, false},
        {U"ゴシック", 26, 2, 1, true, false},
        {U"ゴシック", 30, 2, 1, false, false},
        {U"Times New Roman", 20.8f, 3, 2, true, true},
        {U"Times New Roman", 24, 3, 2, true, true},
        {U"Times New Roman", 8, 12, 5, true, true},
        {U"ゴシック", 16, 3, 2, true, false},
        {U"MT Extra", 56, 1, 1, true, false},
        {U"MT Extra", 16, 6, 3, true, false},
        {U"MT Extra", 38, 3, 1, true, false},
        {U"ｺﾞｼｯｸ", 16, 1, 1, false, false},
        {U"ゴシック", 16, 6, 3, true, false},
        {U"Times New Roman", 16, 1.5f, 1, true, true},
        {U"ゴシック", 16, 1.5f, 2.5f, true, true},
    };
    Style style = random_.pick(kStyles);
    if (random_.chance(0.25)) {
      static const float kFactors[] = {1, 1.5f, 2, 3, 4, 5, 6, 7, 10, 12};
      style.fx = random_.pick(kFactors);
      style.fy = random_.pick(kFactors);
      style.bold = random_.chance(0.7);
      style.italic = random_.chance(0.3);
    }
    Point at = somewhere();
    DrawOp op = text(at.x, at.y, random_.pick(kTexts), style.face, style.size, style.fx, style.fy,
                     style.bold, style.italic);
    op.color = color();
    shown_.push_back({op, {}});
    return op;
  }

  // A plotted line or curve: thousands of tiny dots a fraction of a pixel
  // apart, drawn across pauses.
  void curve(Sequence& s) {
    static const float kRadii[] = {1, 1, 1, 0.5f};
    static const int kPens[] = {5, 5, 3, 4, 2};
    DrawOp dot = circle(0, 0, random_.pick(kRadii), color(), random_.pick(kPens), true);
    Point a = somewhere(), b = somewhere();
    float bend = random_.chance(0.4) ? random_.uniform(-0.004, 0.004) : 0;
    float apart = random_.chance(0.8) ? random_.uniform(0.1, 0.3) : random_.uniform(0.5, 4);
    float length = std::hypot(b.x - a.x, b.y - a.y);
    if (random_.chance(0.5)) length = std::min(length, random_.uniform(2, 80));
    int count = std::clamp(static_cast<int>(length / apart), 1, 3000);
    std::vector<DrawOp> dots;
    Shown shown{dot, {}};
    for (int i = 0; i < count; ++i) {
      float t = count > 1 ? float(i) / float(count - 1) : 0;
      float x = a.x + (b.x - a.x) * t;
      float dx = x - (a.x + b.x) / 2;
      dot.x1 = x;
      dot.y1 = a.y + (b.y - a.y) * t + bend * dx * dx;
      dots.push_back(dot);
      shown.dots.push_back({dot.x1, dot.y1});
    }
    shown_.push_back(shown);
    s.figures.push_back(dots);
    // Drawn in one to three pieces, each shown at a pause.
    int pieces = 1 + random_.below(3);
    std::size_t from = 0;
    for (int p = 1; p <= pieces; ++p) {
      std::size_t to = dots.size() * static_cast<std::size_t>(p) / static_cast<std::size_t>(pieces);
      s.steps.push_back({{dots.begin() + static_cast<std::ptrdiff_t>(from),
                          dots.begin() + static_cast<std::ptrdiff_t>(to)},
                         random_.chance(0.7)});
      from = to;
    }
  }

  // A dot drawn exactly over a dot shown before (a curve's, or another),
  // in another colour or the same.
  void dotOver(Sequence& s) {
    std::vector<const Shown*> curves;
    for (const Shown& sh : shown_) {
      if (!sh.dots.empty()) curves.push_back(&sh);
    }
    DrawOp dot = circle(0, 0, 1, color(), 2 + random_.below(4), true);
    if (!curves.empty() && random_.chance(0.7)) {
      const Shown& c = *random_.pick(curves);
      dot = c.op;
      Point at = random_.chance(0.5) ? c.dots.back() : random_.pick(c.dots);
      dot.x1 = at.x, dot.y1 = at.y;
    } else {
      Point at = somewhere();
      dot.x1 = at.x, dot.y1 = at.y;
    }
    int colour = color();
    DrawOp over = withColor(dot, colour, random_.chance(0.7) ? colour : color());
    s.steps.push_back({{over}, random_.chance(0.5)});
    // Now and then a dot beside it, shown, and another taking its place.
    if (random_.chance(0.4)) {
      DrawOp beside = withColor(dot, color(), color());
      beside.x1 += random_.uniform(-4, 4);
      beside.y1 += random_.uniform(-4, 4);
      s.steps.push_back({{beside}, true});
      s.steps.push_back({{withColor(beside, color(), color())}, true});
    }
  }

  // The number field's dot blinking, keys typed against it.
  void cursor(Sequence& s) {
    Point at = somewhere();
    DrawOp on = circle(at.x, at.y, 4, 5, 3, true), off = circle(at.x, at.y, 4, 15, 3, true);
    int blinks = 1 + random_.below(4);
    for (int i = 0; i < blinks; ++i) {
      s.steps.push_back({{on}, true});
      s.steps.push_back({{off}, true});
    }
    if (random_.chance(0.5)) {
      DrawOp digit = text(at.x - 8, at.y - 8, U"7", U"ゴシック", 16, 1, 1, true);
      s.steps.push_back({{off, digit}, true});
    }
  }

  // An erase drawn round something shown: a text's measured ink, a curve's
  // reach or some of its dots, now and then a little inside or outside.
  DrawOp hugging() {
    int fill = random_.chance(0.7) ? 15 : color();
    if (shown_.empty()) return fillBox(100, 100, 200, 200, fill, fill);
    const Shown& sh = random_.pick(shown_);
    Extent e;
    if (sh.dots.empty()) {
      e = symbolInk(sh.op);
    } else {
      std::size_t n = sh.dots.size();
      std::size_t from = random_.chance(0.5) ? 0 : static_cast<std::size_t>(random_.below(int(n)));
      std::size_t to = random_.chance(0.5)
                           ? n
                           : from + static_cast<std::size_t>(random_.below(int(n - from)) + 1);
      for (std::size_t i = from; i < to; ++i) e.add(dotExtent(sh.op, sh.dots[i]));
    }
    if (e.empty()) return fillBox(100, 100, 200, 200, fill, fill);
    if (random_.chance(0.5)) {
      e.left += random_.uniform(-1.5, 1.5);
      e.top += random_.uniform(-1.5, 1.5);
      e.right += random_.uniform(-1.5, 1.5);
      e.bottom += random_.uniform(-1.5, 1.5);
    }
    return fillBox(e.left, e.top, e.right, e.bottom, random_.chance(0.8) ? fill : color(), fill,
                   1 + random_.below(3));
  }

  // Lines, boxes, grounds, polygons, circles and arcs.
  DrawOp shape() {
    Point a = somewhere(), b = somewhere();
    if (random_.chance(0.5)) {
      b = {a.x + random_.uniform(-120, 120), a.y + random_.uniform(-120, 120)};
    }
    switch (random_.below(6)) {
      case 0:
        return line(a.x, a.y, b.x, b.y, color(), 1 + random_.below(10));
      case 1:
        return box(a.x, a.y, b.x, b.y, color(), 1 + random_.below(5));
      case 2:
        return fillBox(a.x, a.y, b.x, b.y, color(), color(), 1 + random_.below(5));
      case 3: {
        DrawOp poly;
        poly.kind = DrawOp::Kind::Poly;
        poly.color = color();
        poly.width = 1 + random_.below(5);
        poly.fill = random_.chance(0.5) ? color() : -1;
        int n = 1 + random_.below(6);
        for (int i = 0; i < n; ++i) {
          poly.points.push_back({a.x + random_.uniform(-80, 80), a.y + random_.uniform(-80, 80)});
        }
        return poly;
      }
      case 4: {
        bool arc = random_.chance(0.4);
        float start = arc ? random_.uniform(0, 1) : 0, end = arc ? random_.uniform(0, 1) : 0;
        DrawOp c = circle(a.x, a.y, random_.uniform(2, 90), color(), 1 + random_.below(6),
                          random_.chance(0.5), start, end);
        if (c.filled) c.fill = color();
        return c;
      }
      default: {
        DrawOp dot =
            circle(a.x, a.y, random_.chance(0.5) ? 4 : 1, color(), 2 + random_.below(4), true);
        return withColor(dot, dot.color, random_.chance(0.7) ? dot.color : color());
      }
    }
  }

  // Coordinates no page computes, as a number typed in might: beyond what
  // cairo draws, or not finite.
  DrawOp farAway() {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    const float kFar[] = {-6952355, 9617089, -1e9f, 3e7f, kInf, -kInf, kNaN, 2e5f, -150000};
    Point a = somewhere();
    float far = random_.pick(kFar);
    switch (random_.below(5)) {
      case 0:
        return fillBox(-std::abs(far), a.y, std::abs(far), a.y + 60, color(), color());
      case 1:
        return fillBox(random_.pick(kFar), random_.pick(kFar), random_.pick(kFar),
                       random_.pick(kFar), color(), color());
      case 2:
        return line(a.x, a.y, far, random_.pick(kFar), color(), 1 + random_.below(6));
      case 3:
        return circle(a.x, a.y, std::abs(far), color(), 3, random_.chance(0.5));
      default: {
        // Far away, or of a size no font draws.
        if (random_.chance(0.5)) return text(far, a.y, U"あ", U"ゴシック", 16, 3, 3, true);
        return text(a.x, a.y, U"あ", U"ゴシック", far, 1, 1, true);
      }
    }
  }

  Random random_;
  std::vector<Shown> shown_;
};

TEST(DisplayListRandom, KeptAndSentPicturesShowWhatWasDrawn) {
  // Most sequences at the common sizes, fewer at the largest (each update
  // there renders and compares pictures of 8 million pixels). The
  // environment's LESSONS_RANDOM_ROUNDS runs that many times as many, each
  // round on new seeds.
  const struct {
    Window window;
    int sequences;
  } plan[] = {{{1440, 900}, 12}, {{1000, 700}, 12}, {{1333, 777}, 8}, {{1920, 1080}, 5},
              {{2560, 1440}, 2}, {{2880, 1800}, 1}, {{3840, 2160}, 1}};
  const char* rounds = std::getenv("LESSONS_RANDOM_ROUNDS");
  int roundCount = rounds ? std::max(1, std::atoi(rounds)) : 1;
  PictureCache cache;
  std::uint64_t seed = 1;
  for (int round = 0; round < roundCount; ++round) {
    for (const auto& p : plan) {
      for (int i = 0; i < p.sequences; ++i, ++seed) {
        Sequence sequence = SequenceMaker(seed).make();
        std::string faults = check(sequence, p.window, cache);
        EXPECT_TRUE(faults.empty()) << "seed " << seed << "\n" << faults;
      }
    }
  }
}

}  // namespace
}  // namespace lesson
