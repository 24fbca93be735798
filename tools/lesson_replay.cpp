// lesson-replay: runs one lesson program headless on scripted keys and writes
// what it drew.
//
//   lesson-replay PROGRAM [--keys "TOKENS"] [--clock HH:MM:SS] [--png FILE]
//                 [--trace FILE] [--frames DIR] [--visible] [--size WxH]
//
// At each wait for a key the next scripted key is handed over (after writing
// DIR/frame-NNNN.png when --frames is given). The run stops when the keys are
// used up at a wait, when the program ends, on the error screen, or when no
// wait comes within a bound (a hang). Exit status: 0 waiting or ended, 2 bad
// arguments, 3 error screen, 4 hang. With --size the pictures are rendered as a
// window of that many pixels shows them (the canvas scaled to fit, centred).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/canvas_picture.h"
#include "framework/platform/headless_platform.h"
#include "framework/platform/trace.h"
#include "programs/catalogue.h"

namespace {

using namespace lesson;

constexpr int kBadArguments = 2;
constexpr int kOutputFailed = 1;

const char kUsage[] =
    "usage: lesson-replay PROGRAM [--keys \"TOKENS\"] [--clock HH:MM:SS] [--png FILE]\n"
    "                     [--trace FILE] [--frames DIR] [--visible] [--size WxH]\n"
    "  PROGRAM  corbisk, pollvane, merrowin or tessarin\n";

struct Options {
  std::string program;
  std::string keys;
  std::string clock = "00:00:00";
  std::optional<std::string> png, trace, frames;
  bool visible = false;
  int width = kCanvasWidth, height = kCanvasHeight;  // of the pictures written
};

// Reads "WxH", each from 1 to 10000 pixels.
bool parseSize(const std::string& s, int& width, int& height) {
  std::size_t x = s.find('x');
  if (x == std::string::npos || x == 0 || x + 1 == s.size()) return false;
  auto number = [](const std::string& digits, int& n) {
    if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos) {
      return false;
    }
    n = std::stoi(digits);
    return n >= 1 && n <= 10000;
  };
  return number(s.substr(0, x), width) && number(s.substr(x + 1), height);
}

bool validClock(const std::string& s) {
  if (s.size() != 8 || s[2] != ':' || s[5] != ':') return false;
  int fields[3];
  for (int i = 0; i < 3; ++i) {
    char a = s[static_cast<std::size_t>(i * 3)], b = s[static_cast<std::size_t>(i * 3 + 1)];
    if (a < '0' || a > '9' || b < '0' || b > '9') return false;
    fields[i] = (a - '0') * 10 + (b - '0');
  }
  return fields[0] <= 23 && fields[1] <= 59 && fields[2] <= 59;
}

// Parses the command line; on failure returns a message.
std::optional<std::string> parseArguments(int argc, char** argv, Options& o) {
  std::map<std::string, std::optional<std::string>*> valued{
      {"--png", &o.png}, {"--trace", &o.trace}, {"--frames", &o.frames}};
  std::optional<std::string> keys, clock, size;
  valued["--keys"] = &keys;
  valued["--clock"] = &clock;
  valued["--size"] = &size;
  bool haveProgram = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--visible") {
      o.visible = true;
      continue;
    }
    auto option = valued.find(arg);
    if (option != valued.end()) {
      if (i + 1 >= argc) return arg + " needs a value";
      if (option->second->has_value()) return arg + " is given more than once";
      *option->second = argv[++i];
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') return "unknown option " + arg;
    if (haveProgram) return "more than one program given: " + o.program + " and " + arg;
    o.program = arg;
    haveProgram = true;
  }
  if (!haveProgram) return "no program given";
  bool known = false;
  for (const std::string& id : programIds()) known = known || id == o.program;
  if (!known) return "unknown program " + o.program;
  if (keys) o.keys = *keys;
  if (clock) {
    if (!validClock(*clock)) return "--clock wants HH:MM:SS (00:00:00 to 23:59:59), not " + *clock;
    o.clock = *clock;
  }
  if (size && !parseSize(*size, o.width, o.height)) {
    return "--size wants WxH (1 to 10000 pixels each), not " + *size;
  }
  return std::nullopt;
}

std::string framePath(const std::string& dir, int n) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%04d.png", n);
  return (std::filesystem::path(dir) / name).string();
}

// Opens (and so creates) every output before the run, so that a path that
// cannot be written is reported as a bad argument before anything runs.
std::optional<std::string> prepareOutputs(const Options& o) {
  for (const auto* file : {&o.png, &o.trace}) {
    if (!*file) continue;
    std::ofstream probe(**file, std::ios::binary | std::ios::trunc);
    if (!probe) return "cannot write " + **file;
  }
  if (o.frames) {
    std::error_code ec;
    std::filesystem::create_directories(*o.frames, ec);
    if (!std::filesystem::is_directory(*o.frames)) return "cannot make directory " + *o.frames;
  }
  return std::nullopt;
}

std::string tokens(const std::vector<ScriptKey>& keys) {
  std::string out;
  for (const ScriptKey& k : keys) out += (out.empty() ? "" : " ") + k.token;
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (auto error = parseArguments(argc, argv, o)) {
    std::cerr << "lesson-replay: " << *error << '\n' << kUsage;
    return kBadArguments;
  }
  std::vector<ScriptKey> keys;
  std::string keyError;
  if (!parseKeyScript(o.keys, keys, keyError)) {
    std::cerr << "lesson-replay: " << keyError << '\n';
    return kBadArguments;
  }
  if (auto error = prepareOutputs(o)) {
    std::cerr << "lesson-replay: " << *error << '\n';
    return kBadArguments;
  }

  HeadlessPlatform platform(keys, o.clock);
  bool outputFailed = false;
  if (o.frames) {
    platform.onHandOver = [&](int n) {
      std::string path = framePath(*o.frames, n);
      if (!CanvasPicture::writePng(platform.canvas(), path, o.width, o.height)) {
        std::cerr << "lesson-replay: cannot write " << path << '\n';
        outputFailed = true;
      }
    };
  }
  auto program = makeProgram(o.program, platform);
  int status = runHeadless(*program, platform);

  bool ended = !platform.events().empty() &&
               platform.events().back().kind == HeadlessPlatform::Event::Kind::End;
  if (ended && platform.keysLeft() > 0) {
    std::cerr << "lesson-replay: the program ended with " << platform.keysLeft()
              << " key(s) left over: " << tokens(platform.remainingKeys()) << '\n';
  }
  if (status == kReplayErrorScreen) std::cerr << "lesson-replay: the error screen shows\n";
  if (status == kReplayHang) std::cerr << "lesson-replay: no wait for a key came: a hang\n";

  if (o.png && !CanvasPicture::writePng(platform.canvas(), *o.png, o.width, o.height)) {
    std::cerr << "lesson-replay: cannot write " << *o.png << '\n';
    outputFailed = true;
  }
  if (o.trace) {
    std::ofstream out(*o.trace, std::ios::binary | std::ios::trunc);
    writeTrace(out, platform.events());
    out.flush();
    if (!out) {
      std::cerr << "lesson-replay: cannot write " << *o.trace << '\n';
      outputFailed = true;
    }
  }
  if (o.visible) {
    for (const DrawOp& text : visibleTexts(platform.events())) {
      std::cout << visibleTextLine(text) << '\n';
    }
    std::cout.flush();
  }
  return outputFailed ? kOutputFailed : status;
}
