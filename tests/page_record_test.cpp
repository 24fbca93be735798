// Every page of every program says what its record says (tests/records/): the
// runs of the record walked again, every line at every wait compared. With
// RECORD_PAGES=1 in the environment the test writes the records instead
// (scripts/record_pages.sh).
#include "support/page_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "programs/catalogue.h"

namespace lesson::testing {
namespace {

const std::string kRecordsDir = PAGE_RECORDS_DIR;

std::string recordPath(const std::string& program) {
  return kRecordsDir + "/" + program + ".txt";
}

std::string heading(const std::string& program) {
  std::string title = program;
  title[0] = static_cast<char>(title[0] - 'a' + 'A');
  return "# " + title +
         ": what every page says. At each wait for a key, the lines of text\n"
         "# showing, as the page checks read them (formula signs included).\n"
         "# tests/page_record_test.cpp checks it; after an intended change,\n"
         "# scripts/record_pages.sh writes it again and shows what changed.\n"
         "#\n"
         "# \"== S\": the main menu answered with section S, every wait recorded.\n"
         "# \"== S-I WALK CLOCK\": section S, item I at the clock, recorded from\n"
         "# the first wait after \"S Enter I Enter\" until a menu shows again. The\n"
         "# space walk answers key waits with Space and number prompts with \"1\";\n"
         "# the enter walk answers every wait with Enter, so a random example\n"
         "# repeats, and stops at the third example's prompt. A run that shows\n"
         "# the same as one before it is left out (a page without random\n"
         "# examples reads the same at both clocks).\n"
         "# \"-- N\" lists step N's lines; \"-- N keeps K\" keeps the first K lines\n"
         "# of step N-1 and lists the rest; \"-- N same\" (\"-- N-M same\") shows\n"
         "# what the step before it showed; \"-- N as RUN step M\" what that step\n"
         "# showed; \"-- stops:\" says how a run stopped when not at a menu.\n";
}

void rerecord(const std::string& program) {
  ProgramWalker walker(program);
  std::vector<std::pair<RecordRun, WalkedRun>> kept;
  for (const RecordRun& run : ProgramWalker::allRuns()) {
    WalkedRun walked = walker.walk(run);
    bool again = false;
    for (const auto& before : kept) again |= before.second == walked;
    if (!again) kept.emplace_back(run, std::move(walked));
  }
  std::ofstream out(recordPath(program), std::ios::binary | std::ios::trunc);
  out << writeRecord(heading(program), kept);
  ASSERT_TRUE(out.good()) << "cannot write " << recordPath(program);
}

// The first place where a run differs from its record, or nothing.
std::string firstDifference(const std::string& program, const RecordedRun& recorded,
                            const WalkedRun& actual) {
  const std::string where = program + ", " + recorded.run.description();
  const std::string file = "tests/records/" + program + ".txt:";
  auto quoted = [](const PageState& lines, std::size_t i) {
    return i < lines.size() ? "\"" + lines[i] + "\"" : std::string("(no line)");
  };
  const std::size_t steps = std::min(recorded.steps.size(), actual.steps.size());
  for (std::size_t k = 0; k < steps; ++k) {
    const PageState &want = recorded.steps[k], &got = actual.steps[k];
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
      if (i < want.size() && i < got.size() && want[i] == got[i]) continue;
      const int at = i < want.size() ? recorded.fileLines[k][i] : recorded.stepLines[k];
      std::ostringstream out;
      out << where << ", step " << k + 1 << ", line " << i + 1 << " (" << file << at
          << "):\n  expected " << quoted(want, i) << "\n  actual   " << quoted(got, i);
      return out.str();
    }
  }
  auto stop = [](const std::string& why) { return why.empty() ? "at a menu" : why; };
  if (recorded.steps.size() != actual.steps.size() || recorded.stop != actual.stop) {
    std::ostringstream out;
    out << where << ": recorded " << recorded.steps.size() << " steps, stopping "
        << stop(recorded.stop) << " (" << file << recorded.line << "); the run took "
        << actual.steps.size() << ", stopping " << stop(actual.stop);
    if (actual.steps.size() > steps && !actual.steps[steps].empty())
      out << "; step " << steps + 1 << " starts \"" << actual.steps[steps][0] << "\"";
    return out.str();
  }
  return {};
}

class PageRecordTest : public ::testing::TestWithParam<std::string> {};

TEST_P(PageRecordTest, EveryPageSaysWhatItsRecordSays) {
  const std::string program = GetParam();
  const char* record = std::getenv("RECORD_PAGES");
  if (record && std::string(record) == "1") {
    rerecord(program);
    return;
  }
  std::ifstream in(recordPath(program), std::ios::binary);
  ASSERT_TRUE(in) << "no record " << recordPath(program) << ": run scripts/record_pages.sh";
  std::string error;
  std::optional<std::vector<RecordedRun>> runs = readRecord(in, error);
  ASSERT_TRUE(runs) << recordPath(program) << ", " << error;
  ASSERT_FALSE(runs->empty());
  ProgramWalker walker(program);
  for (const RecordedRun& run : *runs) {
    const std::string difference = firstDifference(program, run, walker.walk(run.run));
    if (!difference.empty()) ADD_FAILURE() << difference;
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, PageRecordTest, ::testing::ValuesIn(programIds()),
                         [](const ::testing::TestParamInfo<std::string>& run) {
                           return run.param;
                         });

}  // namespace
}  // namespace lesson::testing
