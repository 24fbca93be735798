#include "framework/platform/trace.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "framework/basic.h"

namespace lesson {

std::string traceNumber(float x) {
  if (!std::isfinite(x)) return "null";
  char buf[32];
  auto result = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, result.ptr);
}

std::string jsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char ch : utf8) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

namespace {

// Builds one JSON object field by field.
class Object {
 public:
  explicit Object(const char* op) { out_ = std::string("{\"op\":\"") + op + "\""; }
  Object& num(const char* key, float v) { return raw(key, traceNumber(v)); }
  Object& integer(const char* key, int v) { return raw(key, std::to_string(v)); }
  Object& boolean(const char* key, bool v) { return raw(key, v ? "true" : "false"); }
  Object& str(const char* key, const std::string& v) { return raw(key, jsonString(v)); }
  Object& color(const char* key, int v) { return v < 0 ? raw(key, "null") : integer(key, v); }
  Object& raw(const char* key, const std::string& v) {
    out_ += ",\"";
    out_ += key;
    out_ += "\":";
    out_ += v;
    return *this;
  }
  std::string done() { return out_ + "}"; }

 private:
  std::string out_;
};

std::string drawLine(const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Kind::Symbol:
      return Object("text")
          .num("x", op.x1)
          .num("y", op.y1)
          .integer("color", op.color)
          .str("face", toUtf8(op.face))
          .num("size", op.size)
          .boolean("bold", op.bold)
          .boolean("italic", op.italic)
          .num("fx", op.fx)
          .num("fy", op.fy)
          .str("text", toUtf8(op.text))
          .done();
    case DrawOp::Kind::Line:
    case DrawOp::Kind::Box:
      return Object(op.kind == DrawOp::Kind::Line ? "line" : "box")
          .num("x1", op.x1)
          .num("y1", op.y1)
          .num("x2", op.x2)
          .num("y2", op.y2)
          .integer("color", op.color)
          .integer("width", op.width)
          .done();
    case DrawOp::Kind::Fill:
      return Object("fill")
          .num("x1", op.x1)
          .num("y1", op.y1)
          .num("x2", op.x2)
          .num("y2", op.y2)
          .integer("color", op.color)
          .color("fill", op.fill)
          .integer("width", op.width)
          .done();
    case DrawOp::Kind::Circle:
      return Object("circle")
          .num("x", op.x1)
          .num("y", op.y1)
          .num("r", op.radius)
          .integer("color", op.color)
          .integer("width", op.width)
          .num("start", op.arcStart)
          .num("end", op.arcEnd)
          .boolean("filled", op.filled)
          .color("fill", op.filled ? op.fill : -1)
          .done();
    case DrawOp::Kind::Poly: {
      std::string points = "[";
      for (std::size_t i = 0; i < op.points.size(); ++i) {
        if (i > 0) points += ',';
        points += '[' + traceNumber(op.points[i].x) + ',' + traceNumber(op.points[i].y) + ']';
      }
      points += ']';
      return Object("poly")
          .raw("points", points)
          .integer("color", op.color)
          .integer("width", op.width)
          .color("fill", op.fill)
          .done();
    }
    case DrawOp::Kind::Cls:
      return Object("cls").done();
  }
  return Object("unknown").done();
}

}  // namespace

std::string traceLine(const HeadlessPlatform::Event& event) {
  using Kind = HeadlessPlatform::Event::Kind;
  switch (event.kind) {
    case Kind::Draw:
      return drawLine(event.op);
    case Kind::Wait:
      return Object("wait").done();
    case Kind::Key:
      return Object("key").str("key", event.token).done();
    case Kind::Pause:
      return Object("pause").integer("n", event.n).done();
    case Kind::End:
      return Object("end").done();
  }
  return Object("unknown").done();
}

void writeTrace(std::ostream& out, const std::vector<HeadlessPlatform::Event>& events) {
  for (const auto& e : events) out << traceLine(e) << '\n';
}

namespace {

struct Rect {
  float left, top, right, bottom;
  bool holds(const Rect& r) const {
    return left <= r.left && top <= r.top && right >= r.right && bottom >= r.bottom;
  }
};

// The text's cell: a full-width character is size x fx wide, a half-width one half that.
Rect cellOf(const DrawOp& text) {
  float em = text.size * text.fx;
  float width = 0;
  for (char32_t c : text.text) width += byteLength(c) == 2 ? em : em / 2;
  return {text.x1, text.y1, text.x1 + width, text.y1 + text.size * text.fy};
}

bool onlyBlanks(const std::u32string& text) {
  return std::all_of(text.begin(), text.end(), [](char32_t c) { return c == U' '; });
}

}  // namespace

std::vector<DrawOp> visibleTexts(const std::vector<HeadlessPlatform::Event>& events) {
  // Walk backwards: each text meets exactly the fills drawn after it, and a
  // clear hides everything before it.
  std::vector<Rect> laterFills;
  std::vector<DrawOp> shown;
  for (auto it = events.rbegin(); it != events.rend(); ++it) {
    if (it->kind != HeadlessPlatform::Event::Kind::Draw) continue;
    const DrawOp& op = it->op;
    if (coversWholeCanvas(op)) break;
    if (op.kind == DrawOp::Kind::Fill) {
      laterFills.push_back({std::min(op.x1, op.x2), std::min(op.y1, op.y2), std::max(op.x1, op.x2),
                            std::max(op.y1, op.y2)});
    } else if (op.kind == DrawOp::Kind::Symbol) {
      Rect cell = cellOf(op);
      bool covered = std::any_of(laterFills.begin(), laterFills.end(),
                                 [&](const Rect& fill) { return fill.holds(cell); });
      if (!covered) shown.push_back(op);
    }
  }
  std::reverse(shown.begin(), shown.end());
  return shown;
}

std::string visibleTextLine(const DrawOp& text) {
  return traceNumber(text.x1) + ' ' + traceNumber(text.y1) + ' ' + std::to_string(text.color) +
         ' ' + toUtf8(text.text);
}

std::vector<TextLine> textLines(const std::vector<DrawOp>& texts) {
  std::vector<TextLine> lines;
  bool open = false;
  const DrawOp* previous = nullptr;
  for (const DrawOp& op : texts) {
    bool joins = false;
    if (open) {
      const TextLine& line = lines.back();
      const DrawOp& first = line.glyphs.front();
      float step = op.x1 - previous->x1;
      joins = op.color == line.color && step > 0 && step < 2 * previous->size * previous->fx &&
              std::abs(op.y1 - line.y) < first.size * first.fy;
    }
    if (joins) {
      if (!onlyBlanks(op.text)) lines.back().text += toUtf8(op.text);
      lines.back().glyphs.push_back(op);
      previous = &op;
      continue;
    }
    open = !onlyBlanks(op.text);
    previous = open ? &op : nullptr;
    if (open) lines.push_back({op.x1, op.y1, op.color, toUtf8(op.text), {op}});
  }
  return lines;
}

}  // namespace lesson
