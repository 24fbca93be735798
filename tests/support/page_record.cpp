#include "support/page_record.h"

#include <sstream>
#include <utility>

#include "framework/headless_run.h"
#include "programs/catalogue.h"
#include "support/page_checks.h"
#include "support/test_lesson.h"

namespace lesson::testing {

namespace {

// The space walk: a stretch of key waits answered with Space, then a number
// prompt answered with "1", six times over; the Enter walk: Enter at every wait.
constexpr int kSpaceStretches = 6, kSpacesPerStretch = 12, kEnters = 40;
// The Enter walk stops at this random example's next-step prompt.
constexpr int kExamplesShown = 3;
// The foot line of the screen, where a sub-menu waits.
constexpr float kFootY = 666;

std::string startKeys(const RecordRun& run) {
  std::string keys = std::to_string(run.section) + " Enter";
  if (run.walk != RecordRun::Walk::Menu) keys += " " + std::to_string(run.item) + " Enter";
  return keys;
}

PageState textsOf(const std::vector<TextLine>& lines) {
  PageState state;
  for (const TextLine& line : lines) state.push_back(line.text);
  return state;
}

}  // namespace

std::string RecordRun::name() const {
  if (walk == Walk::Menu) return std::to_string(section);
  return std::to_string(section) + "-" + std::to_string(item) +
         (walk == Walk::Space ? " space " : " enter ") + clock;
}

std::optional<RecordRun> RecordRun::parse(const std::string& name) {
  RecordRun run;
  std::istringstream in(name);
  char dash = 0;
  std::string walkName, rest;
  if (!(in >> run.section)) return std::nullopt;
  if (in >> dash) {
    if (dash != '-' || !(in >> run.item >> walkName >> run.clock) || in >> rest)
      return std::nullopt;
    if (walkName != "space" && walkName != "enter") return std::nullopt;
    run.walk = walkName == "space" ? Walk::Space : Walk::Enter;
  }
  if (run.name() != name) return std::nullopt;
  return run;
}

std::string RecordRun::description() const {
  if (walk == Walk::Menu) return "main menu, section " + std::to_string(section);
  return "section " + std::to_string(section) + ", item " + std::to_string(item) + " (" +
         (walk == Walk::Space ? "space" : "Enter") + " walk at " + clock + ")";
}

std::string RecordRun::keys() const {
  std::string keys = startKeys(*this);
  if (walk == Walk::Space) {
    for (int s = 0; s < kSpaceStretches; ++s) {
      for (int k = 0; k < kSpacesPerStretch; ++k) keys += " Space";
      keys += " 1 Enter";
    }
  } else if (walk == Walk::Enter) {
    for (int k = 0; k < kEnters; ++k) keys += " Enter";
  }
  return keys;
}

namespace {

// One run; with `menuLines` given, the lines on the foot line at its end are
// added to them (a menu run ends on its section's sub-menu).
WalkedRun walkRun(const std::string& program, const RecordRun& run,
                  const std::set<std::string>& stopLines, std::set<std::string>* menuLines) {
  const std::size_t unrecorded =
      run.walk == RecordRun::Walk::Menu ? 0 : LessonFixture::keys(startKeys(run)).size();
  HeadlessPlatform platform(LessonFixture::keys(run.keys()), run.clock);
  std::unique_ptr<Lesson> lesson = makeProgram(program, platform);
  WalkedRun out;
  bool stopped = false, promptBefore = false;
  int prompts = 0;
  platform.onHandOver = [&](int n) {
    if (static_cast<std::size_t>(n) <= unrecorded) return;
    PageState state = textsOf(pageLines(platform.events()));
    if (run.walk != RecordRun::Walk::Menu) {
      bool menu = false, prompt = false;
      for (const std::string& line : state) {
        menu |= stopLines.count(line) > 0;
        prompt |= line == kNextStepText;
      }
      prompts += prompt && !promptBefore;
      promptBefore = prompt;
      stopped = menu || (run.walk == RecordRun::Walk::Enter && prompts == kExamplesShown);
    }
    out.steps.push_back(std::move(state));
    if (stopped) throw ReplayStop{kReplayWaiting};
  };
  const int status = runHeadless(*lesson, platform);
  if (stopped) return out;
  const auto& events = platform.events();
  const bool ended = !events.empty() && events.back().kind == HeadlessPlatform::Event::Kind::End;
  if (status == kReplayHang) {
    out.stop = "no wait for a key came (a hang)";
  } else if (ended) {
    out.stop = "the program ends";
  } else {
    std::vector<TextLine> lines = pageLines(events);
    out.steps.push_back(textsOf(lines));
    out.stop = status == kReplayErrorScreen ? "the error screen shows" : "the keys are used up";
    for (const TextLine& line : lines) {
      if (menuLines && line.y == kFootY && line.text != kKeyWaitText && line.text != kNextStepText)
        menuLines->insert(line.text);
    }
  }
  return out;
}

}  // namespace

ProgramWalker::ProgramWalker(std::string program) : program_(std::move(program)) {
  menuLines_.insert(kMainMenuPrompt);
  std::set<std::string> subMenus;
  for (int section = 1; section <= 9; ++section) {
    RecordRun menu;
    menu.section = section;
    walkRun(program_, menu, {}, &subMenus);
  }
  menuLines_.insert(subMenus.begin(), subMenus.end());
}

WalkedRun ProgramWalker::walk(const RecordRun& run) const {
  return walkRun(program_, run, menuLines_, nullptr);
}

std::vector<RecordRun> ProgramWalker::allRuns() {
  std::vector<RecordRun> runs;
  for (int section = 1; section <= 9; ++section) {
    runs.emplace_back();
    runs.back().section = section;
    for (int item = 1; item <= 9; ++item) {
      for (const std::string& clock : kRecordClocks) {
        for (RecordRun::Walk walk : {RecordRun::Walk::Space, RecordRun::Walk::Enter}) {
          runs.push_back({section, item, walk, clock});
        }
      }
    }
  }
  return runs;
}

std::string writeRecord(const std::string& heading,
                        const std::vector<std::pair<RecordRun, WalkedRun>>& runs) {
  std::ostringstream out;
  out << heading;
  // Each state's first step in the file.
  std::map<PageState, std::pair<std::string, std::size_t>> seen;
  for (const auto& [run, walked] : runs) {
    out << "\n== " << run.name() << "\n";
    const std::vector<PageState>& steps = walked.steps;
    for (std::size_t k = 0; k < steps.size(); ++k) {
      const PageState& state = steps[k];
      if (k > 0 && state == steps[k - 1]) {
        std::size_t last = k;
        while (last + 1 < steps.size() && steps[last + 1] == state) ++last;
        out << "-- " << k + 1;
        if (last > k) out << "-" << last + 1;
        out << " same\n";
        k = last;
        continue;
      }
      auto earlier = seen.find(state);
      if (earlier != seen.end()) {
        out << "-- " << k + 1 << " as " << earlier->second.first << " step "
            << earlier->second.second << "\n";
        continue;
      }
      std::size_t keep = 0;
      if (k > 0) {
        const PageState& before = steps[k - 1];
        while (keep < before.size() && keep < state.size() && before[keep] == state[keep]) ++keep;
      }
      out << "-- " << k + 1;
      if (keep > 0) out << " keeps " << keep;
      out << "\n";
      for (std::size_t i = keep; i < state.size(); ++i) out << "  " << state[i] << "\n";
      seen.emplace(state, std::make_pair(run.name(), k + 1));
    }
    if (!walked.stop.empty()) out << "-- stops: " << walked.stop << "\n";
  }
  return out.str();
}

std::optional<std::vector<RecordedRun>> readRecord(std::istream& in, std::string& error) {
  std::vector<RecordedRun> runs;
  std::map<std::string, std::size_t> byName;
  std::string text;
  int lineNo = 0;
  auto fail = [&](const std::string& why) {
    error = "line " + std::to_string(lineNo) + ": " + why;
    return std::nullopt;
  };
  while (std::getline(in, text)) {
    ++lineNo;
    if (text.empty() || text[0] == '#') continue;
    if (text.rfind("== ", 0) == 0) {
      std::optional<RecordRun> run = RecordRun::parse(text.substr(3));
      if (!run) return fail("not a run: " + text);
      if (!byName.emplace(run->name(), runs.size()).second) return fail("a second " + text);
      runs.emplace_back();
      runs.back().run = *run;
      runs.back().line = lineNo;
      continue;
    }
    if (runs.empty()) return fail("a step outside a run");
    RecordedRun& run = runs.back();
    if (text.rfind("  ", 0) == 0) {
      if (run.steps.empty() || !run.stop.empty()) return fail("a line outside a step");
      run.steps.back().push_back(text.substr(2));
      run.fileLines.back().push_back(lineNo);
      continue;
    }
    if (text.rfind("-- ", 0) != 0) return fail("not a record line: " + text);
    if (!run.stop.empty()) return fail("a step after the run stopped");
    std::string step = text.substr(3);
    if (step.rfind("stops: ", 0) == 0) {
      run.stop = step.substr(7);
      continue;
    }
    std::istringstream words(step);
    std::size_t first = 0, last = 0;
    char dash = 0;
    std::string form;
    if (!(words >> first) || first != run.steps.size() + 1) return fail("steps out of order");
    last = first;
    if (words.peek() == '-' && !(words >> dash >> last)) return fail("a bad stretch of steps");
    words >> form;
    auto add = [&](PageState lines, std::vector<int> from) {
      run.steps.push_back(std::move(lines));
      run.fileLines.push_back(std::move(from));
      run.stepLines.push_back(lineNo);
    };
    if (form.empty() && last == first) {
      add({}, {});
    } else if (form == "keeps" || form == "same") {
      std::size_t keep = 0;
      if (run.steps.empty()) return fail("nothing before to keep");
      if (form == "keeps" && (!(words >> keep) || keep > run.steps.back().size()))
        return fail("keeps more than the step before shows");
      for (std::size_t n = first; n <= last; ++n) {
        PageState before = run.steps.back();
        std::vector<int> from = run.fileLines.back();
        if (form == "keeps") {
          before.resize(keep);
          from.resize(keep);
        }
        add(std::move(before), std::move(from));
      }
    } else if (form == "as" && last == first) {
      std::string rest;
      std::getline(words >> std::ws, rest);
      const std::size_t at = rest.rfind(" step ");
      if (at == std::string::npos) return fail("as what step?");
      auto other = byName.find(rest.substr(0, at));
      const std::size_t n = std::stoul(rest.substr(at + 6));
      if (other == byName.end() || n < 1 || n > runs[other->second].steps.size())
        return fail("no such step before: " + rest);
      const RecordedRun& source = runs[other->second];
      add(source.steps[n - 1], source.fileLines[n - 1]);
    } else {
      return fail("not a step: " + text);
    }
  }
  return runs;
}

}  // namespace lesson::testing
