#include "support/replay.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "framework/basic.h"

extern char** environ;

namespace lesson::testing {

// ---- JSON -------------------------------------------------------------------

bool Json::has(const std::string& key) const {
  for (const auto& f : fields) {
    if (f.first == key) return true;
  }
  return false;
}

const Json& Json::operator[](const std::string& key) const {
  for (const auto& f : fields) {
    if (f.first == key) return f.second;
  }
  throw std::runtime_error("no field " + key);
}

float Json::number() const {
  if (type != Type::Number) throw std::runtime_error("not a number");
  float v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) {
    throw std::runtime_error("bad number " + text);
  }
  return v;
}

std::vector<std::string> Json::keys() const {
  std::vector<std::string> out;
  for (const auto& f : fields) out.push_back(f.first);
  return out;
}

namespace {

class JsonReader {
 public:
  explicit JsonReader(const std::string& s) : s_(s) {}

  Json document() {
    Json v = value();
    space();
    if (i_ != s_.size()) fail("text after the value");
    return v;
  }

 private:
  [[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("JSON: " + what + " at " + std::to_string(i_) + " in " + s_);
  }
  void space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
      ++i_;
  }
  bool take(char c) {
    space();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  void expect(char c) {
    if (!take(c)) fail(std::string("expected ") + c);
  }
  bool word(const char* w) {
    std::string_view sv(w);
    if (s_.compare(i_, sv.size(), sv) != 0) return false;
    i_ += sv.size();
    return true;
  }

  Json value() {
    space();
    if (i_ >= s_.size()) fail("unexpected end");
    Json v;
    char c = s_[i_];
    if (c == '{') {
      ++i_;
      v.type = Json::Type::Object;
      if (take('}')) return v;
      do {
        space();
        std::string key = string();
        expect(':');
        v.fields.emplace_back(key, value());
      } while (take(','));
      expect('}');
    } else if (c == '[') {
      ++i_;
      v.type = Json::Type::Array;
      if (take(']')) return v;
      do {
        v.items.push_back(value());
      } while (take(','));
      expect(']');
    } else if (c == '"') {
      v.type = Json::Type::String;
      v.text = string();
    } else if (word("true")) {
      v.type = Json::Type::Bool;
      v.boolean = true;
    } else if (word("false")) {
      v.type = Json::Type::Bool;
    } else if (word("null")) {
      v.type = Json::Type::Null;
    } else {
      std::size_t start = i_;
      while (i_ < s_.size() &&
             std::string_view("+-0123456789.eE").find(s_[i_]) != std::string_view::npos) {
        ++i_;
      }
      if (start == i_) fail("unexpected character");
      v.type = Json::Type::Number;
      v.text = s_.substr(start, i_ - start);
    }
    return v;
  }

  unsigned hex4() {
    if (i_ + 4 > s_.size()) fail("short \\u escape");
    unsigned v = 0;
    for (int k = 0; k < 4; ++k) {
      char h = s_[i_++];
      v <<= 4;
      if (h >= '0' && h <= '9')
        v |= static_cast<unsigned>(h - '0');
      else if (h >= 'a' && h <= 'f')
        v |= static_cast<unsigned>(h - 'a' + 10);
      else if (h >= 'A' && h <= 'F')
        v |= static_cast<unsigned>(h - 'A' + 10);
      else
        fail("bad \\u escape");
    }
    return v;
  }

  std::string string() {
    if (i_ >= s_.size() || s_[i_] != '"') fail("expected a string");
    ++i_;
    std::string out;
    while (true) {
      if (i_ >= s_.size()) fail("unterminated string");
      char c = s_[i_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) fail("raw control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i_ >= s_.size()) fail("unterminated escape");
      char e = s_[i_++];
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          char32_t cp = hex4();
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (!word("\\u")) fail("lone surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (hex4() - 0xDC00);
          }
          out += toUtf8(Text(1, cp));
          break;
        }
        default:
          fail("bad escape");
      }
    }
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

int colorOrNone(const Json& v) {
  return v.type == Json::Type::Null ? -1 : static_cast<int>(v.number());
}

DrawOp drawOpOf(const Json& j) {
  DrawOp op;
  const std::string& kind = j["op"].text;
  auto num = [&](const char* key) { return j[key].number(); };
  auto integer = [&](const char* key) { return static_cast<int>(j[key].number()); };
  if (kind == "text") {
    op.kind = DrawOp::Kind::Symbol;
    op.x1 = num("x"), op.y1 = num("y");
    op.color = integer("color");
    op.face = fromUtf8(j["face"].text);
    op.size = num("size");
    op.bold = j["bold"].boolean;
    op.italic = j["italic"].boolean;
    op.fx = num("fx"), op.fy = num("fy");
    op.text = fromUtf8(j["text"].text);
  } else if (kind == "line" || kind == "box" || kind == "fill") {
    op.kind = kind == "line"  ? DrawOp::Kind::Line
              : kind == "box" ? DrawOp::Kind::Box
                              : DrawOp::Kind::Fill;
    op.x1 = num("x1"), op.y1 = num("y1"), op.x2 = num("x2"), op.y2 = num("y2");
    op.color = integer("color");
    op.width = integer("width");
    if (kind == "fill") op.fill = colorOrNone(j["fill"]);
  } else if (kind == "circle") {
    op.kind = DrawOp::Kind::Circle;
    op.x1 = num("x"), op.y1 = num("y");
    op.radius = num("r");
    op.color = integer("color");
    op.width = integer("width");
    op.arcStart = num("start"), op.arcEnd = num("end");
    op.filled = j["filled"].boolean;
    op.fill = colorOrNone(j["fill"]);
  } else if (kind == "poly") {
    op.kind = DrawOp::Kind::Poly;
    for (const Json& p : j["points"].items)
      op.points.push_back({p.items.at(0).number(), p.items.at(1).number()});
    op.color = integer("color");
    op.width = integer("width");
    op.fill = colorOrNone(j["fill"]);
  } else if (kind == "cls") {
    op.kind = DrawOp::Kind::Cls;
    op.color = 15;
  } else {
    throw std::runtime_error("unknown op " + kind);
  }
  return op;
}

}  // namespace

Json parseJson(const std::string& text) {
  return JsonReader(text).document();
}

std::vector<HeadlessPlatform::Event> readTrace(const std::string& path) {
  using Kind = HeadlessPlatform::Event::Kind;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<HeadlessPlatform::Event> events;
  std::string line;
  while (std::getline(in, line)) {
    Json j = parseJson(line);
    const std::string& op = j["op"].text;
    HeadlessPlatform::Event e;
    if (op == "wait") {
      e.kind = Kind::Wait;
    } else if (op == "key") {
      e.kind = Kind::Key;
      e.token = j["key"].text;
    } else if (op == "pause") {
      e.kind = Kind::Pause;
      e.n = static_cast<int>(j["n"].number());
    } else if (op == "end") {
      e.kind = Kind::End;
    } else {
      e.kind = Kind::Draw;
      e.op = drawOpOf(j);
    }
    events.push_back(std::move(e));
  }
  return events;
}

// ---- Running the tool -------------------------------------------------------------

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lesson-replay-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

namespace {

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

ToolRun runTool(const std::vector<std::string>& args) {
  ScratchDir scratch;
  std::string outPath = (scratch.path() / "stdout").string();
  std::string errPath = (scratch.path() / "stderr").string();
  std::vector<std::string> argvStrings{REPLAY_TOOL};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& s : argvStrings) argv.push_back(s.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error(std::string("cannot start ") + REPLAY_TOOL);
  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0) {
  }
  ToolRun run;
  run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  run.out = slurp(outPath);
  run.err = slurp(errPath);
  return run;
}

Replay replay(const std::string& program, const std::string& keys,
              const std::vector<std::string>& extra) {
  Replay r;
  r.dir = std::make_shared<ScratchDir>();
  std::string trace = (r.dir->path() / "trace.jsonl").string();
  std::vector<std::string> args{program, "--keys", keys, "--trace", trace};
  args.insert(args.end(), extra.begin(), extra.end());
  r.tool = runTool(args);
  std::ifstream in(trace, std::ios::binary);
  for (std::string line; std::getline(in, line);) r.traceLines.push_back(line);
  r.events = readTrace(trace);
  return r;
}

std::vector<TextLine> Replay::linesWith(const std::string& text) const {
  std::vector<TextLine> out;
  for (const TextLine& line : lines()) {
    if (line.text == text) out.push_back(line);
  }
  return out;
}

int Replay::drawsAt(float x, float y) const {
  int n = 0;
  for (const auto& e : events) {
    if (e.kind == HeadlessPlatform::Event::Kind::Draw && e.op.kind == DrawOp::Kind::Symbol &&
        e.op.x1 == x && e.op.y1 == y)
      ++n;
  }
  return n;
}

bool Replay::ended() const {
  return !events.empty() && events.back().kind == HeadlessPlatform::Event::Kind::End;
}

}  // namespace lesson::testing
