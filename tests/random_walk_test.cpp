// Random keys through each program: whatever is typed, no run ends on the error
// screen or hangs. The keys are weighted towards typed numbers so that menus,
// sections and sub-menus are really entered; when a program ends, a fresh run
// takes the keys that are left.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/headless_platform.h"
#include "programs/catalogue.h"

namespace lesson {
namespace {

std::vector<ScriptKey> randomKeys(unsigned seed, int count) {
  static const std::vector<std::string> kOthers{
      "-", ".",   "/",  "Enter", "Backspace", "Clear", "Space", "a", "Z",
      "q", "Esc", "Up", "Down",  "Left",      "Right", "Tab",   "+", "0"};
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::string script;
  int keys = 0;
  while (keys < count) {
    int roll = pick(100);
    if (roll < 45) {
      // A typed number: mostly one digit 1-9, sometimes a sign, two digits or a fraction.
      std::string number;
      if (pick(10) == 0) number += "-";
      number += static_cast<char>('1' + pick(9));
      if (pick(6) == 0) number += static_cast<char>('0' + pick(10));
      if (pick(10) == 0) number += std::string("/") + static_cast<char>('0' + pick(4));
      script += number + " Enter ";
      keys += static_cast<int>(number.size()) + 1;
    } else if (roll < 65) {
      script += "Enter ";  // also goes on at every key wait
      ++keys;
    } else if (roll < 75) {
      script += static_cast<char>('0' + pick(10));
      script += ' ';
      ++keys;
    } else {
      script += kOthers[static_cast<std::size_t>(pick(static_cast<int>(kOthers.size())))] + " ";
      ++keys;
    }
  }
  std::vector<ScriptKey> out;
  std::string error;
  parseKeyScript(script, out, error);
  return out;
}

TEST(RandomWalk, NoErrorScreenAndNoHang) {
  const char* clocks[] = {"00:00:00", "13:47:29", "23:59:59"};
  for (const std::string& id : programIds()) {
    int walksThatEnded = 0;
    for (unsigned seed : {1u, 2u, 3u}) {
      SCOPED_TRACE(id + " seed " + std::to_string(seed));
      std::vector<ScriptKey> keys =
          randomKeys(seed * 7919u + static_cast<unsigned>(id.size()), 2000);
      int runs = 0;
      long waits = 0, subMenus = 0;
      while (!keys.empty()) {
        HeadlessPlatform platform(keys, clocks[seed % 3]);
        platform.hangBound = 200'000;
        auto program = makeProgram(id, platform);
        int status = runHeadless(*program, platform);
        ASSERT_EQ(status, kReplayWaiting)
            << "after " << keys.size() - platform.keysLeft() << " keys of run " << runs;
        ++runs;
        for (const auto& e : platform.events()) {
          if (e.kind == HeadlessPlatform::Event::Kind::Wait) ++waits;
          if (e.kind == HeadlessPlatform::Event::Kind::Draw && e.op.kind == DrawOp::Kind::Symbol &&
              e.op.x1 == 16 && e.op.y1 == 666)
            ++subMenus;
        }
        bool ended = !platform.events().empty() &&
                     platform.events().back().kind == HeadlessPlatform::Event::Kind::End;
        if (!ended) break;  // waiting with the keys used up
        keys = platform.remainingKeys();
      }
      // The walk went through many reads.
      EXPECT_GT(waits, 1000);
      if (runs > 1) ++walksThatEnded;
      // Sections were entered: their sub-menu lines were drawn.
      EXPECT_GT(subMenus, 10);
    }
    // Some walk reached the quit item and went on in a fresh run.
    EXPECT_GT(walksThatEnded, 0) << id;
  }
}

}  // namespace
}  // namespace lesson
