// The number line editor, prompt cells and the error screen, in-process.
#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "framework/headless_run.h"
#include "framework/platform/trace.h"
#include "programs/catalogue.h"
#include "support/fault_hook.h"
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
    // The label stands before the field; the dot is in the next free cell,
    // showing while the editor waits.
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
    EXPECT_EQ(dot->color, 5);
    EXPECT_TRUE(dot->filled);
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
    testing::FaultHook::injectFaultAtIdle(*program, c.faultAtIdle);
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

// Keys pressed while the error screen shows are taken and dropped, so that
// its waits wait: a key left queued makes every wait return at once (in the
// window, a core busy until the window is closed; here, a hang).
TEST(ErrorScreen, KeysPressedAtItAreTakenAndDropped) {
  struct KeysAtErrorScreen : HeadlessPlatform {
    using HeadlessPlatform::HeadlessPlatform;
    int errorWaits = 0;
    std::size_t drawsAtFirstWait = 0;
    void idle(IdleKind kind) override {
      if (kind == IdleKind::ErrorScreen && ++errorWaits == 1) {
        drawsAtFirstWait = canvas().ops().size();
        for (const ScriptKey& k : LessonFixture::keys("5 Enter Esc Clear")) pressKey(k);
        return;
      }
      HeadlessPlatform::idle(kind);
    }
  };
  KeysAtErrorScreen platform(std::vector<ScriptKey>{});
  auto program = makeProgram("corbisk", platform);
  testing::FaultHook::injectFaultAtIdle(*program, 1);
  EXPECT_EQ(runHeadless(*program, platform), kReplayErrorScreen);
  EXPECT_EQ(platform.errorWaits, 2);
  EXPECT_EQ(platform.canvas().ops().size(), platform.drawsAtFirstWait);  // the keys draw nothing
}

// A filled box as the prompts draw it: corners, border, fill and pen width.
struct Box {
  float x1, y1, x2, y2;
  int border, fill, width;
};

std::vector<Box> fills(const std::vector<DrawOp>& ops) {
  std::vector<Box> out;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Fill)
      out.push_back({op.x1, op.y1, op.x2, op.y2, op.color, op.fill, op.width});
  }
  return out;
}

bool operator==(const Box& a, const Box& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.border == b.border &&
         a.fill == b.fill && a.width == b.width;
}

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "(" << b.x1 << "," << b.y1 << ")-(" << b.x2 << "," << b.y2 << ") " << b.border
             << "/" << b.fill << " w" << b.width;
}

// Each asking and waiting routine: its frame, its prompt's cells, what it erases
// (in order, the editor's own erase of the field included), and what it leaves
// in the pen, the colour and the pen width. Every call starts with colour 7 and
// pen width 4.
TEST(Prompts, FramesTextsErasesAndWhatTheyLeave) {
  struct Case {
    const char* routine;
    void (Lesson::*call)();
    const char32_t* given;  // the caller's mathText
    const char* keys;
    std::vector<Box> boxes;
    float textX, textY;
    int textColor;
    const char32_t* text;
    float colorAfter, penXAfter, penYAfter;
    float valueAfter;
  } cases[] = {
      {"askMenuNumber",
       &Lesson::askMenuNumber,
       U"",
       "2 Enter",
       {{1008, 640, 1248, 670, 15, 15, 4}},
       816,
       648,
       0,
       U"番号を入力して下さい。",
       5,
       1056,
       648,
       2},
      {"clearMenuPrompt",
       &Lesson::clearMenuPrompt,
       U"",
       "",
       {{816, 640, 1872, 690, 15, 15, 4}},
       0,
       0,
       0,
       U"",
       7,
       100,
       200,
       -1},
      {"askBottomInput",
       &Lesson::askBottomInput,
       U"①ア　②終了",
       "Enter",
       {{1008, 640, 1248, 670, 15, 15, 4}},
       16,
       666,
       0,
       U"①ア　②終了",
       0,
       1040,
       648,
       0},
      {"clearBottomBar",
       &Lesson::clearBottomBar,
       U"",
       "",
       {{0, 657, 992, 720, 15, 15, 4}},
       0,
       0,
       0,
       U"",
       7,
       100,
       200,
       -1},
      {"askNextStep",
       &Lesson::askNextStep,
       U"",
       "2 / 2 Enter",
       {{96, 639, 400, 675, 13, 12, 2},
        {1008, 640, 1248, 670, 15, 15, 2},
        {1008, 639, 1168, 666, 15, 15, 2},
        {96, 639, 400, 675, 15, 15, 2}},
       128,
       648,
       9,
       U"次のステップは１を入力。",
       5,
       1088,
       648,
       1},
      {"waitKeyPrompt",
       &Lesson::waitKeyPrompt,
       U"",
       "x",
       {{96, 657, 400, 693, 13, 4, 3}, {0, 657, 400, 693, 15, 15, 3}},
       128,
       666,
       9,
       U"何かキーを押して下さい。",
       7,
       320,
       666,
       -1},
      {"showMessageWaitKey",
       &Lesson::showMessageWaitKey,
       U"1を押すと次へ",
       "1",
       {{16, 657, 496, 693, 13, 4, 3}, {0, 657, 992, 720, 15, 15, 3}},
       48,
       666,
       9,
       U"１を押すと次へ",
       7,
       160,
       666,
       -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.routine);
    LessonFixture fx(c.keys);
    Lesson& l = fx.lesson;
    fx.clear();
    l.textColor = 7;
    l.setDrawWidth(4);
    l.penX = 100;
    l.penY = 200;
    l.inputValue = -1;
    l.mathText = c.given;
    (l.*c.call)();
    std::vector<Box> expected = c.boxes;
    EXPECT_EQ(fills(fx.draws()), expected);
    // The prompt: one cell per character from its start, left of the field.
    Text shown;
    float x = c.textX;
    for (const DrawOp& op : fx.texts()) {
      if (op.y1 != c.textY || op.x1 >= l.inputX - 48) continue;
      EXPECT_EQ(op.x1, x);
      EXPECT_EQ(op.color, c.textColor);
      shown += op.text;
      x += 16;
    }
    EXPECT_EQ(shown, c.text);
    EXPECT_TRUE(l.mathText.empty() || *c.text == 0);
    EXPECT_EQ(l.textColor, c.colorAfter);
    EXPECT_EQ(l.getDrawWidth(), 4);
    EXPECT_EQ(l.penX, c.penXAfter);
    EXPECT_EQ(l.penY, c.penYAfter);
    EXPECT_EQ(l.inputValue, c.valueAfter);
    if (*c.keys && c.valueAfter == -1) {
      // A key wait hands the key it took to its caller.
      EXPECT_EQ(l.lastKey, fromUtf8(c.keys));
    }
  }
}

TEST(Prompts, FlushKeysWithNothingPendingReturnsAtOnce) {
  LessonFixture fx;
  fx.lesson.lastKey = U"7";
  fx.lesson.flushKeys();
  EXPECT_TRUE(fx.lesson.lastKey.empty());
}

// Both table pairs, the letter pair first; everything else comes back unchanged.
TEST(PromptText, FullWidthTables) {
  struct Case {
    const char32_t* in;
    const char32_t* out;
  } cases[] = {
      {U"X", U"Ｘ"},
      {U"Y", U"Ｙ"},
      {U"A", U"Α"},
      {U"B", U"Ｂ"},
      {U"W", U"Ｗ"},
      {U"Z", U"Ｚ"},
      {U"0", U"０"},
      {U"9", U"９"},
      {U"*", U"×"},
      {U"/", U"÷"},
      {U"+", U"＋"},
      {U"-", U"－"},
      {U"ﾀ", U"―"},
      {U"=", U"＝"},
      {U".", U"．"},
      {U"?", U"∽"},
      {U"(", U"（"},
      {U")", U"）"},
      {U"!", U"√"},
      {U"$", U"≡"},
      {U"@", U"±"},
      {U"&", U"π"},
      {U"'", U"∠"},
      {U"[", U"≦"},
      {U"]", U"≧"},
      {U"<", U"＜"},
      {U">", U"＞"},
      {U",", U"，"},
      {U"%", U"°"},
      {U"x", U"χ"},
      {U"y", U"ｙ"},
      {U"a", U"ａ"},
      {U"w", U"ｗ"},
      {U"~", U"△"},
      {U":", U"："},
      {U" ", U"　"},
      // Not in the tables.
      {U"z", U"z"},
      {U"\"", U"\""},
      {U"#", U"#"},
      {U";", U";"},
      {U"\\", U"\\"},
      {U"_", U"_"},
      {U"`", U"`"},
      {U"{", U"{"},
      {U"|", U"|"},
      {U"}", U"}"},
      {U"ｱ", U"ｱ"},
      {U"ﾝ", U"ﾝ"},
      {U"あ", U"あ"},
      {U"Ｘ", U"Ｘ"},
      {U"　", U"　"},
      {U"①", U"①"},
  };
  LessonFixture fx;
  for (const Case& c : cases) {
    fx.lesson.glyphChar = c.in;
    fx.lesson.toFullWidth();
    EXPECT_EQ(fx.lesson.glyphChar, c.out) << toUtf8(c.in);
  }
}

TEST(PromptText, RemoveSpacesAndEmptyCells) {
  struct Case {
    const char32_t* in;
    const char32_t* out;
  } cases[] = {
      {U" 3", U"3"}, {U"-2", U"-2"}, {U"1 2 3", U"123"}, {U"　4", U"　4"}, {U"", U""}, {U"  ", U""},
  };
  LessonFixture fx;
  for (const Case& c : cases) {
    fx.lesson.workText = c.in;
    fx.lesson.removeSpaces();
    EXPECT_EQ(fx.lesson.workText, c.out) << toUtf8(c.in);
  }
  // An empty text, or one of blanks only, is still one empty cell.
  for (const char32_t* blank : {U"", U"   "}) {
    fx.lesson.penX = 50;
    fx.lesson.workText = blank;
    fx.lesson.drawFullWidthText();
    EXPECT_EQ(fx.lesson.glyphX, 66);
    EXPECT_EQ(fx.lesson.penX, 50);
  }
  // A longer text drops its blanks: they take no cell.
  fx.lesson.penX = 50;
  fx.lesson.workText = U"1 2";
  fx.lesson.drawFullWidthText();
  EXPECT_EQ(fx.lesson.glyphX, 82);
  EXPECT_EQ(fx.lesson.workText, U"12");
}

// Start-up: the seed is hours + minutes + seconds, the defaults are set.
TEST(StartUp, SeedFromTheClockAndDefaults) {
  struct Case {
    const char* clock;
    float seed;
  } cases[] = {{"01:02:03", 6}, {"03:02:01", 6}, {"23:59:59", 141}, {"00:00:00", 0}};
  std::vector<float> sequenceOf6;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clock);
    HeadlessPlatform platform({}, c.clock);
    testing::BareLesson l(platform, Variant::Tessarin);
    l.startup();
    EXPECT_EQ(l.scratchA, c.seed);
    EXPECT_EQ(l.textColor, 4);
    EXPECT_EQ(l.inputX, 1056);
    EXPECT_EQ(l.inputY, 648);
    EXPECT_EQ(l.programTitle, U"Test");
    EXPECT_EQ(l.fontName(), U"ｺﾞｼｯｸ");
    EXPECT_EQ(l.fontSize(), 16);
    EXPECT_EQ(l.getDrawWidth(), 3);
    std::vector<float> sequence;
    for (int i = 0; i < 5; ++i) sequence.push_back(l.rnd());
    if (c.seed == 6) {
      if (sequenceOf6.empty()) sequenceOf6 = sequence;
      EXPECT_EQ(sequence, sequenceOf6);
    }
    // reseedRandom starts the same sequence again.
    l.reseedRandom();
    EXPECT_EQ(l.scratchA, c.seed);
    EXPECT_EQ(l.rnd(), sequence[0]);
  }
}

// The page area, the band beside the field and the number texts.
TEST(PageArea, ClearsAndNumberTexts) {
  LessonFixture fx;
  Lesson& l = fx.lesson;
  l.textColor = 7;
  l.penX = 5, l.penY = 6;
  fx.clear();
  l.clearPageArea();
  std::vector<Box> page{{0, 54, 1440, 900, 15, 15, 3}};
  EXPECT_EQ(fills(fx.draws()), page);
  EXPECT_EQ(l.penX, 5);
  EXPECT_EQ(l.penY, 6);
  EXPECT_EQ(l.textColor, 7);

  fx.clear();
  l.clearInputBand();
  std::vector<Box> band{{1136, 576, 2576, 666, 15, 15, 3}};
  EXPECT_EQ(fills(fx.draws()), band);
  EXPECT_EQ(l.penX, 1136);
  EXPECT_EQ(l.penY, 576);

  l.numA(0) = 9;
  l.numTextA(0) = U"kept";
  l.numTextB(0) = U"kept";
  l.numA(1) = 3;
  l.numA(2) = -2;
  l.numA(3) = 0.5f;
  l.numTextA(4) = U"a sentence";
  l.numA(80) = 12;
  l.numB(1) = -0.25f;
  l.numB(40) = 7;
  l.numbersToText();
  struct Case {
    Text got;
    const char32_t* want;
  } cases[] = {
      {l.numTextA(1), U"3"},    {l.numTextA(2), U"-2"},  {l.numTextA(3), U".5"},
      {l.numTextA(4), U"0"},    {l.numTextA(80), U"12"}, {l.numTextB(1), U"-.25"},
      {l.numTextB(2), U"0"},    {l.numTextB(40), U"7"},  {l.numTextA(0), U"kept"},
      {l.numTextB(0), U"kept"}, {l.workText, U"7"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

}  // namespace
}  // namespace lesson

namespace lesson {
namespace {

TEST(NextStep, ExampleRepeatsUntilTheValueOne) {
  struct Case {
    const char* keys;
    int examples;
  } cases[] = {
      {"1 Enter", 1},       {"2 Enter 1 Enter", 2},   {"2/2 Enter", 1},
      {"Enter 1 Enter", 2}, {"1/2 Enter 1 Enter", 2}, {"3/0 Enter 1.0 Enter", 2},
  };
  for (const Case& c : cases) {
    testing::LessonFixture fx(c.keys);
    int examples = 0;
    fx.lesson.repeatUntilOne([&] { ++examples; });
    EXPECT_EQ(examples, c.examples) << c.keys;
  }
}

}  // namespace
}  // namespace lesson
