#include "framework/platform/headless_platform.h"

#include <map>
#include <sstream>

#include "framework/basic.h"

namespace lesson {

char32_t halfWidthKey(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFF01 + 0x21;  // full-width ASCII block
  if (c == 0x3000) return U' ';                              // ideographic space
  if (c == 0x2212) return U'-';                              // minus sign
  return c;
}

bool parseKeyScript(const std::string& script, std::vector<ScriptKey>& keys, std::string& error) {
  static const std::map<std::string, char32_t> kNamed{
      {"Enter", key::kEnter}, {"Backspace", key::kBackspace},
      {"Space", U' '},        {"Clear", key::kClear},
      {"Tab", key::kTab},     {"Esc", key::kEsc},
      {"Up", key::kUp},       {"Down", key::kDown},
      {"Left", key::kLeft},   {"Right", key::kRight},
  };
  std::istringstream in(script);
  std::string token;
  while (in >> token) {
    auto named = kNamed.find(token);
    if (named != kNamed.end()) {
      keys.push_back({named->second, token});
      continue;
    }
    Text chars = fromUtf8(token);
    for (char32_t c : chars) {
      if (c == 0xFFFD) {
        error = "key script is not valid UTF-8: " + token;
        return false;
      }
      char32_t k = halfWidthKey(c);
      keys.push_back({k, toUtf8(Text(1, k))});
    }
  }
  return true;
}

HeadlessPlatform::HeadlessPlatform(std::vector<ScriptKey> keys, std::string clock)
    : script_(keys.begin(), keys.end()), clock_(std::move(clock)) {}

void HeadlessPlatform::step() {
  if (++sinceWait_ > hangBound) throw ReplayStop{kReplayHang};
}

void HeadlessPlatform::draw(const DrawOp& op) {
  step();
  canvas_.add(op);
  events_.push_back({Event::Kind::Draw, op, {}, 0});
}

std::optional<char32_t> HeadlessPlatform::pollKey() {
  step();
  if (queue_.empty()) return std::nullopt;
  char32_t k = queue_.front();
  queue_.pop_front();
  return k;
}

void HeadlessPlatform::idle(IdleKind kind) {
  if (!queue_.empty()) {
    // A key is still pending: no wait, as in the window. A loop that idles
    // without ever taking it counts towards a hang.
    step();
    return;
  }
  if (kind == IdleKind::ErrorScreen) throw ReplayStop{kReplayErrorScreen};
  events_.push_back({Event::Kind::Wait, {}, {}, 0});
  sinceWait_ = 0;
  if (script_.empty()) throw ReplayStop{kReplayWaiting};
  ++handedOver_;
  if (onHandOver) onHandOver(handedOver_);
  ScriptKey next = script_.front();
  script_.pop_front();
  queue_.push_back(next.code);
  events_.push_back({Event::Kind::Key, {}, next.token, 0});
}

void HeadlessPlatform::pause(int n) {
  step();
  events_.push_back({Event::Kind::Pause, {}, {}, n});
  if (onPause) onPause(++pauses_);
}

void HeadlessPlatform::pressKey(const ScriptKey& key) {
  queue_.push_back(key.code);
  events_.push_back({Event::Kind::Key, {}, key.token, 0});
}

}  // namespace lesson
