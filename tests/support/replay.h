// Running the replay tool as a subprocess and reading what it wrote: the exit
// status, stdout and stderr, and the trace parsed back into events.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform/headless_platform.h"
#include "framework/platform/trace.h"
#include "support/page_checks.h"

namespace lesson::testing {

// A JSON value, enough for the trace.
struct Json {
  enum class Type { Null, Bool, Number, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  std::string text;  // String: the value; Number: its literal
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> fields;

  bool has(const std::string& key) const;
  const Json& operator[](const std::string& key) const;  // throws when absent
  float number() const;                                  // the literal read as a float
  std::vector<std::string> keys() const;
};

// Parses one JSON text; throws std::runtime_error on malformed input.
Json parseJson(const std::string& text);

// Reads a trace back into events; throws std::runtime_error on a bad line.
std::vector<HeadlessPlatform::Event> readTrace(const std::string& path);

// A directory of its own for one run's files, removed afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct ToolRun {
  int status = -1;  // the exit status, or -1 when the tool did not exit normally
  std::string out, err;
};

// Runs the replay tool with these arguments; stdout and stderr are captured.
ToolRun runTool(const std::vector<std::string>& args);

// A run of PROGRAM on KEYS with the trace written and read back.
struct Replay {
  ToolRun tool;
  std::vector<std::string> traceLines;  // the raw JSON lines
  std::vector<HeadlessPlatform::Event> events;
  std::shared_ptr<ScratchDir> dir;

  // What shows at the end as lines the pupil reads, formula signs included.
  std::vector<TextLine> lines() const { return pageLines(events); }
  // The showing lines with exactly this text.
  std::vector<TextLine> linesWith(const std::string& text) const;
  // How many times a text operation was drawn at (x, y) during the run.
  int drawsAt(float x, float y) const;
  bool ended() const;
};

Replay replay(const std::string& program, const std::string& keys,
              const std::vector<std::string>& extra = {});

}  // namespace lesson::testing
