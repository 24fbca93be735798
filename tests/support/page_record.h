// A record of what every page says: each program walked from its menu into
// every section and sub-menu item, and the lines of text showing at each wait
// for a key as the page checks read them (pageLines: formula signs included).
// The record is text, one file a program (tests/records/PROGRAM.txt), so a
// changed lesson line shows as a one-line difference in review.
#pragma once

#include <istream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lesson::testing {

// The two clocks the page runs start at (they seed the random examples); a
// page whose runs read the same at both is kept at the first only.
inline const std::vector<std::string> kRecordClocks{"00:00:00", "07:31:05"};

// One run of a program. A menu run types its section's number at the main
// menu and records every wait from the first. A page run types its section
// and item ("S Enter I Enter"), records from the first wait after them, and
// walks on: the space walk answers key waits with Space and number prompts
// with "1"; the Enter walk answers every wait with Enter, so a random example
// repeats. A page run stops at the first wait where a menu shows again (the
// page is over) and the Enter walk also at the third random example's
// next-step prompt.
struct RecordRun {
  enum class Walk { Menu, Space, Enter };

  int section = 1;
  int item = 0;  // 0 in a menu run
  Walk walk = Walk::Menu;
  std::string clock = kRecordClocks[0];

  // "S" for a menu run, "S-I space CLOCK" or "S-I enter CLOCK" for a page run.
  std::string name() const;
  static std::optional<RecordRun> parse(const std::string& name);
  // Where the run goes, for messages: "section 3, item 2 (space walk at 00:00:00)".
  std::string description() const;
  std::string keys() const;
};

// The lines of text showing at one wait.
using PageState = std::vector<std::string>;

// What a run showed: its lines at each wait it recorded, and how it stopped
// when it did not stop at a menu or a random example's prompt (the keys used
// up, the program ended, the error screen, a hang), else empty.
struct WalkedRun {
  std::vector<PageState> steps;
  std::string stop;

  bool operator==(const WalkedRun&) const = default;
};

// Walks a program's runs in-process on the headless platform. The menus'
// lines (each section's sub-menu line, the main menu's prompt) are read from
// the menu runs of sections 1 to 9 when the walker is made.
class ProgramWalker {
 public:
  explicit ProgramWalker(std::string program);
  WalkedRun walk(const RecordRun& run) const;
  // Every run the record is made of, in its order: for each section its menu
  // run, then its items 1 to 9 each walked both ways at both clocks.
  static std::vector<RecordRun> allRuns();

 private:
  std::string program_;
  std::set<std::string> menuLines_;
};

// A run as the record keeps it: each step's lines, with the line of the record
// file each came from.
struct RecordedRun {
  RecordRun run;
  std::vector<PageState> steps;
  std::vector<std::vector<int>> fileLines;  // per step, per line
  std::vector<int> stepLines;               // the file line of each step's heading
  std::string stop;
  int line = 0;  // the run's heading
};

// The record file of one program: `heading` opens it (comment lines), then
// each run. A step lists its lines unless it shows what an earlier step did:
//   -- N               step N, its lines follow (each indented two blanks)
//   -- N keeps K       the first K lines of step N-1, then those that follow
//   -- N same          what step N-1 showed ("-- N-M same" for a stretch)
//   -- N as RUN step M what step M of an earlier run showed
//   -- stops: WHY      how the run stopped, when not at a menu or prompt
std::string writeRecord(const std::string& heading,
                        const std::vector<std::pair<RecordRun, WalkedRun>>& runs);
// Reads a record; on a malformed one returns nothing and says why in `error`.
std::optional<std::vector<RecordedRun>> readRecord(std::istream& in, std::string& error);

}  // namespace lesson::testing
