#include "support/text_grounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/basic.h"
#include "framework/platform/palette.h"

namespace lesson::testing {

namespace {

bool onlyBlanks(const std::u32string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char32_t c) { return c == U' ' || c == U'\u3000'; });
}

}  // namespace

int groundUnder(const Picture& picture, const DrawOp& text) {
  float em = text.size * text.fx;
  float width = 0;
  for (char32_t c : text.text) width += byteLength(c) == 2 ? em : em / 2;
  int left = std::max(0, static_cast<int>(std::floor(text.x1)));
  int top = std::max(0, static_cast<int>(std::floor(text.y1)));
  int right = std::min(kCanvasWidth, static_cast<int>(std::ceil(text.x1 + width)));
  int bottom = std::min(kCanvasHeight, static_cast<int>(std::ceil(text.y1 + text.size * text.fy)));

  // Pixels as the picture stores them; a cell is mostly one colour, so the
  // last match is tried first. Plain arrays: this is the test's inner loop.
  std::uint32_t palette[16];
  for (int n = 0; n < 16; ++n) {
    Rgb c = paletteRgb(n);
    palette[n] = std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
  }
  long count[16] = {};
  int last = 15;
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t* row = picture.row(y);
    for (int x = left; x < right; ++x) {
      std::uint32_t pixel = row[x] & 0xFFFFFF;
      if (pixel != palette[last]) {
        int n = 0;
        while (n < 16 && palette[n] != pixel) ++n;
        if (n == 16) continue;
        last = n;
      }
      ++count[last];
    }
  }
  long* most = std::max_element(count, count + 16);
  return *most > 0 ? static_cast<int>(most - count) : -1;
}

void forEachTextOnGround(const std::vector<HeadlessPlatform::Event>& events,
                         const std::function<void(const TextOnGround&)>& seen) {
  // The operations since the last text are rendered together when the next
  // text comes, so that a curve's run of dots is filled as one path.
  Picture grounds;
  Canvas pending;
  int keys = 0;
  for (const HeadlessPlatform::Event& e : events) {
    if (e.kind == HeadlessPlatform::Event::Kind::Key) ++keys;
    if (e.kind != HeadlessPlatform::Event::Kind::Draw) continue;
    const DrawOp& op = e.op;
    if (op.kind != DrawOp::Kind::Symbol) {
      pending.add(op);
    } else if (!onlyBlanks(op.text) && !whollyOutsideCanvas(op)) {
      if (!pending.ops().empty()) {
        grounds.draw(pending);
        pending = Canvas{};
      }
      int ground = groundUnder(grounds, op);
      if (ground >= 0 && ground != op.color) seen({op, ground, keys});
    }
  }
}

}  // namespace lesson::testing
