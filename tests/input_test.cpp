// The number line editor, prompt cells and the error screen, in-process.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/trace.h"
#include "programs/catalogue.h"
#include "support/test_lesson.h"

namespace lesson {
namespace {

using testing::LessonFixture;

// Runs a routine until the headless platform stops it; the stop's status.
template <class F>
int runUntilStop(F&& routine) {
  try {
    routine();
  } catch (const ReplayStop& stop) {
    return stop.status;
  }
  return -1;
}

// Runs one whole read (label, key loop, erase) and the parser on the keys.
struct EditorRun {
  explicit EditorRun(const std::string& keys) : fx(keys) {
    fx.lesson.readNumberInput();
    fx.lesson.parseNumber();
  }
  // The echoed characters (colour 5) in drawing order.
  std::vector<DrawOp> echoes() const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : fx.texts()) {
      if (op.color == 5) out.push_back(op);
    }
    return out;
  }
  LessonFixture fx;
};

TEST(LineEditor, KeysGiveTextValueAndEcho) {
  struct Case {
    const char* keys;
    const char32_t* text;
    float value;
    float textColor;  // 0 when nothing was echoed, 5 once anything was
    const char32_t* echo;
    std::vector<float> echoX;
  } cases[] = {
      {"Enter", U"", 0, 0, U"", {}},
      {"3 / 4 Enter", U"3/4", 0.75f, 5, U"３÷４", {1056, 1072, 1088}},
      {"- 3 / 4 Enter", U"-3/4", -0.75f, 5, U"－３÷４", {1056, 1072, 1088, 1104}},
      {"3 / - 4 Enter", U"3/-4", -0.75f, 5, U"３÷－４", {1056, 1072, 1088, 1104}},
      {"/ 5 Enter", U"/5", 0, 5, U"÷５", {1056, 1072}},
      // A point adds no width: it sits 4 px left of the cell the next digit takes.
      {"3 . 5 Enter", U"3.5", 3.5f, 5, U"３．５", {1056, 1068, 1072}},
      {"12 Enter", U"12", 12, 5, U"１２", {1056, 1072}},
      // The key after the tenth character clears the field, Enter included.
      {"1234567890 Enter Enter",
       U"",
       0,
       5,
       U"１２３４５６７８９０",
       {1056, 1072, 1088, 1104, 1120, 1136, 1152, 1168, 1184, 1200}},
      {"1234567890 7 Enter",
       U"",
       0,
       5,
       U"１２３４５６７８９０",
       {1056, 1072, 1088, 1104, 1120, 1136, 1152, 1168, 1184, 1200}},
      {"1 2 3 Backspace Enter", U"", 0, 5, U"１２３", {1056, 1072, 1088}},
      {"1 2 Clear 3 Enter", U"3", 3, 5, U"１２３", {1056, 1072, 1056}},
      // Keys outside "-" .. "9" are ignored.
      {"1 a Z Space + , Esc Up Tab 2 Enter", U"12", 12, 5, U"１２", {1056, 1072}},
      {"a Enter", U"", 0, 0, U"", {}},
      // A fraction whose denominator reads as 0 counts as an empty entry.
      {"3 / 0 Enter", U"3/0", 0, 5, U"３÷０", {1056, 1072, 1088}},
      {"3 / Enter", U"3/", 0, 5, U"３÷", {1056, 1072}},
      {"/ Enter", U"/", 0, 5, U"÷", {1056}},
      {"- / - Enter", U"-/-", 0, 5, U"－÷－", {1056, 1072, 1088}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    EditorRun run(c.keys);
    const Lesson& l = run.fx.lesson;
    EXPECT_EQ(l.inputText, c.text);
    EXPECT_EQ(l.inputValue, c.value);
    EXPECT_EQ(l.textColor, c.textColor);
    EXPECT_EQ(l.lastKey, Text(1, key::kEnter));
    Text echo;
    std::vector<float> xs;
    for (const DrawOp& op : run.echoes()) {
      echo += op.text;
      xs.push_back(op.x1);
      EXPECT_EQ(op.y1, 648);
    }
    EXPECT_EQ(echo, c.echo);
    EXPECT_EQ(xs, c.echoX);
    // Nothing of the field is left once Enter is taken.
    EXPECT_TRUE(visibleTexts(run.fx.platform.events()).empty());
  }
}

// The field as the pupil sees it while the editor waits for the next key.
TEST(LineEditor, FieldWhileWaiting) {
  struct Case {
    const char* keys;
    const char* shown;  // the visible texts, joined
    float cursorX;
  } cases[] = {
      {"", "入力", 1056},
      {"1 2 3", "入力１２３", 1104},
      {"3 .", "入力３．", 1072},
      {"3 . 5", "入力３．５", 1088},
      {"1 2 Backspace", "入力", 1056},
      {"1 2 Clear", "入力", 1056},
      {"1234567890", "入力１２３４５６７８９０", 1216},
      {"1234567890 5", "入力", 1056},
      {"1 a Space Left", "入力１", 1072},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    LessonFixture fx(c.keys);
    EXPECT_EQ(runUntilStop([&] { fx.lesson.readNumberInput(); }), kReplayWaiting);
    std::string shown;
    for (const DrawOp& op : visibleTexts(fx.platform.events())) shown += toUtf8(op.text);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(fx.lesson.cursorX, c.cursorX);
    // The label stands before the field; the dot is in the next free cell.
    auto texts = fx.texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].x1, 1008);
    EXPECT_EQ(texts[1].x1, 1024);
    auto draws = fx.draws();
    const DrawOp* dot = nullptr;
    for (const DrawOp& op : draws) {
      if (op.kind == DrawOp::Kind::Circle) dot = &op;
    }
    ASSERT_NE(dot, nullptr);
    EXPECT_EQ(dot->x1, c.cursorX + 8);
    EXPECT_EQ(dot->y1, 656);
    EXPECT_EQ(dot->radius, 4);
  }
}

TEST(PromptText, CellsPerCharacter) {
  struct Glyph {
    float dx, dy;
    const char32_t* text;
  };
  struct Case {
    const char32_t* markup;
    std::vector<Glyph> glyphs;
    float advance;
    float superscriptNext;
  } cases[] = {
      {U"番号を入力して下さい。",
       {{0, 0, U"番"},
        {16, 0, U"号"},
        {32, 0, U"を"},
        {48, 0, U"入"},
        {64, 0, U"力"},
        {80, 0, U"し"},
        {96, 0, U"て"},
        {112, 0, U"下"},
        {128, 0, U"さ"},
        {144, 0, U"い"},
        {160, 0, U"。"}},
       176,
       0},
      {U"A", {{0, 0, U"Α"}}, 16, 0},   // the Greek capital alpha
      {U"z", {{0, -4, U"z"}}, 16, 0},  // not in the tables: half-width, raised
      {U"x^2", {{0, 0, U"χ"}, {16, -4, U"2"}}, 32, 0},
      {U"3.5", {{0, 0, U"３"}, {12, 0, U"．"}, {16, 0, U"５"}}, 32, 0},
      {U"/-", {{0, 0, U"÷"}, {16, 0, U"－"}}, 32, 0},
      {U"①y=k例",
       {{0, 0, U"①"}, {16, 0, U"ｙ"}, {32, 0, U"＝"}, {48, 0, U"ｋ"}, {64, 0, U"例"}},
       80,
       0},
      {U"a b", {{0, 0, U"ａ"}, {16, 0, U""}, {32, 0, U"ｂ"}}, 48, 0},  // a blank is an empty cell
      {U"", {}, 0, 0},
      {U"^^", {}, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.markup));
    LessonFixture fx;
    fx.clear();
    Lesson& l = fx.lesson;
    l.textColor = 9;
    l.penX = 100;
    l.penY = 200;
    l.mathText = c.markup;
    l.drawPromptText();
    auto texts = fx.texts();
    ASSERT_EQ(texts.size(), c.glyphs.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].x1, 100 + c.glyphs[i].dx) << i;
      EXPECT_EQ(texts[i].y1, 200 + c.glyphs[i].dy) << i;
      EXPECT_EQ(texts[i].text, c.glyphs[i].text) << i;
      EXPECT_EQ(texts[i].color, 9);
      EXPECT_TRUE(texts[i].bold);
      EXPECT_EQ(texts[i].fx, 1);
      EXPECT_EQ(texts[i].fy, 1);
    }
    EXPECT_EQ(l.penX, 100 + c.advance);
    EXPECT_EQ(l.penY, 200);
    EXPECT_TRUE(l.mathText.empty());
    EXPECT_EQ(l.superscriptNext, c.superscriptNext);
  }
}

// The error screen replaces everything: the line and code each with a blank
// before them, the message, at (288, 432) in colour 13, in the font in force.
TEST(ErrorScreen, FaultAtAWaitShowsTheErrorScreen) {
  struct Case {
    const char* program;
    const char* keys;
    int faultAtIdle;
  } cases[] = {
      {"corbisk", "", 1},            // at the main menu
      {"tessarin", "1 Enter 2", 3},  // at the section-1 sub-menu; the key left is not taken
      {"pollvane", "0 Enter", 2},    // with a key echoed in the field
  };
  const std::regex message(" [0-9]+, 11エラーが発生しました。マウスで×をクリックして下さい。");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    HeadlessPlatform platform(LessonFixture::keys(c.keys));
    auto program = makeProgram(c.program, platform);
    program->injectFaultAtIdle(c.faultAtIdle);
    EXPECT_EQ(runHeadless(*program, platform), kReplayErrorScreen);
    const auto& events = platform.events();
    int keysTaken = 0;
    for (const auto& e : events) keysTaken += e.kind == HeadlessPlatform::Event::Kind::Key;
    EXPECT_EQ(keysTaken, c.faultAtIdle - 1);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2].op.kind, DrawOp::Kind::Cls);
    auto shown = visibleTexts(events);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].x1, 288);
    EXPECT_EQ(shown[0].y1, 432);
    EXPECT_EQ(shown[0].color, 13);
    EXPECT_EQ(shown[0].fx, 1);
    EXPECT_EQ(shown[0].fy, 1);
    EXPECT_TRUE(shown[0].bold);  // the prompt text left bold on; the screen selects no font
    EXPECT_TRUE(std::regex_match(toUtf8(shown[0].text), message)) << toUtf8(shown[0].text);
  }
}

}  // namespace
}  // namespace lesson
