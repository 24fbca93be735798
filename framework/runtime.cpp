#include "framework/runtime.h"

#include <algorithm>

namespace lesson {

int Runtime::paletteColor(float color, std::source_location where) {
  int c = whole(color, where);
  if (c < 0 || c > 15) raiseError(kErrIllegalCall, where);
  return c;
}

void Runtime::emit(DrawOp op) {
  op.width = drawWidth_;
  if (whollyOutsideCanvas(op)) {
    platform_.step();
    return;
  }
  platform_.draw(op);
}

void Runtime::drawLine(float x1, float y1, float x2, float y2, float color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = paletteColor(color);
  emit(std::move(op));
}

void Runtime::drawBox(float x1, float y1, float x2, float y2, float color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Box;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = paletteColor(color);
  emit(std::move(op));
}

void Runtime::fillBox(float x1, float y1, float x2, float y2, float border, float fill) {
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = paletteColor(border);
  op.fill = paletteColor(fill);
  emit(std::move(op));
}

void Runtime::drawCircle(float x, float y, float r, float color, float arcStart, float arcEnd) {
  DrawOp op;
  op.kind = DrawOp::Kind::Circle;
  op.x1 = x, op.y1 = y;
  op.radius = std::abs(r);
  op.color = paletteColor(color);
  op.arcStart = arcStart, op.arcEnd = arcEnd;
  emit(std::move(op));
}

void Runtime::fillCircle(float x, float y, float r, float color, float fill, float arcStart,
                         float arcEnd) {
  DrawOp op;
  op.kind = DrawOp::Kind::Circle;
  op.x1 = x, op.y1 = y;
  op.radius = std::abs(r);
  op.color = paletteColor(color);
  op.filled = true;
  op.fill = fill < 0 ? op.color : paletteColor(fill);
  op.arcStart = arcStart, op.arcEnd = arcEnd;
  emit(std::move(op));
}

void Runtime::connect(float color, std::initializer_list<PolyPoint> points, float fill) {
  connect(color, std::vector<PolyPoint>(points), fill);
}

void Runtime::connect(float color, const std::vector<PolyPoint>& points, float fill) {
  DrawOp op;
  op.kind = DrawOp::Kind::Poly;
  op.color = paletteColor(color);
  op.fill = fill < 0 ? -1 : paletteColor(fill);
  Point at;
  for (const PolyPoint& p : points) {
    at = p.step ? Point{at.x + p.x, at.y + p.y} : Point{p.x, p.y};
    op.points.push_back(at);
  }
  emit(std::move(op));
}

void Runtime::symbol(float x, float y, float fx, float fy, float color, const Text& text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Symbol;
  op.x1 = x, op.y1 = y;
  op.fx = fx, op.fy = fy;
  op.color = paletteColor(color);
  op.text = text;
  op.face = fontName_;
  op.size = fontSize_;
  op.bold = bold_;
  op.italic = italic_;
  emit(std::move(op));
}

void Runtime::cls() {
  DrawOp op;
  op.kind = DrawOp::Kind::Cls;
  op.color = 15;
  emit(std::move(op));
}

void Runtime::setDrawWidth(float width) {
  drawWidth_ = std::clamp(whole(width), 1, 10);
}

Text Runtime::inkey() {
  auto k = platform_.pollKey();
  if (!k) return {};
  return Text(1, *k);
}

void Runtime::idle(IdleKind kind) {
  ++idles_;
  if (faultAtIdle_ > 0 && idles_ == faultAtIdle_ && kind == IdleKind::KeyWait) {
    raiseError(kErrDivisionByZero);
  }
  platform_.idle(kind);
}

void Runtime::pause(float n) {
  platform_.pause(std::max(0, whole(n)));
}

void Runtime::endProgram(int status) {
  throw ProgramExit{status};
}

Text Runtime::clockText() {
  return fromUtf8(platform_.clockText());
}

}  // namespace lesson
