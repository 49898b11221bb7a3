// The layout rules with a key font of fixed measures: labels 10 pixels a
// character unless given their own width, average character 8, line 15.
#include "keyboards/KeyboardLayout.h"

#include <gtest/gtest.h>

#include "keyboards/KeyboardTestSupport.h"

namespace vorelio {
namespace {

using testing::FixedFont;

constexpr int m = kKeyTextMargin;

KeyLayoutInput OfType(KeyType type) {
  KeyLayoutInput key;
  key.type = type;
  return key;
}
KeyLayoutInput Text(std::string label, std::string output = "x") {
  KeyLayoutInput key = OfType(KeyType::kNormal);
  key.label = std::move(label);
  key.output = std::move(output);
  return key;
}
KeyLayoutInput Picture(int width, int height) {
  KeyLayoutInput key = OfType(KeyType::kPictogram);
  key.label = key.output = "CAT\\p.bmp";
  key.picture = PictureSize{width, height};
  return key;
}

// h = 40, p = 60, no gaps, no stretching.
KeyboardPresentation Plain() {
  KeyboardPresentation presentation;
  presentation.keyHeight = 40;
  presentation.pictogramKeyHeight = 60;
  presentation.wordSuggestionChars = 13;
  presentation.sentenceSuggestionChars = 53;
  presentation.pictogramsPerSentence = 4;
  return presentation;
}

// One line per key, so that no key takes another's height.
KeyboardLayoutInput KeyPerLine(const std::vector<KeyLayoutInput>& keys) {
  KeyboardLayoutInput keyboard;
  for (const KeyLayoutInput& key : keys) keyboard.lines.push_back({{{{key}}}});
  return keyboard;
}

KeyRect KeyAt(const KeyboardLayout& layout, int line, int group, int key) {
  return layout.lines[line].groups[group].keys[key];
}

TEST(KeyboardLayoutTest, NaturalSizesFollowTypeOutputAndLabel) {
  FixedFont font;
  KeyLayoutInput lost = Text("CAT\\x.bmp");
  lost.pictogramNotLoaded = true;
  struct SizeCase {
    KeyLayoutInput key;
    int width;
    int height;
  };
  const std::vector<SizeCase> cases = {
      {Text("<Nenhum>", "Shift"), 40, 40},
      {Text("Cima", "Cima"), 40, 40},
      {Text("<Nenhum>", "Enter"), 80, 40},
      {Text("<Nenhum>", "Space"), 200, 40},
      {Text("<Nenhum>", "[Sintetizar-Fala-Palavra]"), 60, 40},
      {Text("<Nenhum>", "[Enviar-Mensagem-Editor_Externo]"), 80, 40},
      {Text("<Nenhum>", "[Limpar-Area-Trabalho]"), 40, 40},
      {Text("abc", "abc"), 30 + 2 * m, 40},
      {Text("<Nenhum>", "enter"), 80 + 2 * m, 40},  // not a symbol: its label's width
      {lost, 90 + 2 * m, 2 * m},
      {Picture(100, 50), 120, 80},
      {Picture(50, 70), 42, 80},  // 60 * 50 / 70, truncated
      {Picture(0, 0), 20, 20},
      {OfType(KeyType::kPictogram), 20, 20},
      {OfType(KeyType::kEmpty), 16, 16},  // (60 + 40) / 6
      {OfType(KeyType::kWordSuggestion), 8 * 13 + 2 * m, 40},
      {OfType(KeyType::kSentenceSuggestion), 400, 15 * (444 / 400 + 1)},
      {OfType(KeyType::kPictogramSuggestion), 60, 80},
      {OfType(KeyType::kPictogramSentenceSuggestion), 4 * 60 + 2 * m, 80},
  };
  std::vector<KeyLayoutInput> keys;
  for (const SizeCase& c : cases) keys.push_back(c.key);
  const KeyboardLayout layout = LayOutKeyboard(KeyPerLine(keys), Plain(), font);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const KeyRect key = KeyAt(layout, static_cast<int>(i), 0, 0);
    EXPECT_EQ(std::pair(key.width, key.height), std::pair(cases[i].width, cases[i].height)) << i;
  }
}

TEST(KeyboardLayoutTest, SentenceKeysTakeTheSetHeightOrAsManyLinesAsTheyNeedPlusOne) {
  FixedFont font;
  KeyboardPresentation presentation = Plain();
  presentation.sentenceSuggestionChars = 10;  // 100 wide: one line, plus one
  const KeyboardLayoutInput keyboard = KeyPerLine({OfType(KeyType::kSentenceSuggestion)});
  EXPECT_EQ(KeyAt(LayOutKeyboard(keyboard, presentation, font), 0, 0, 0),
            (KeyRect{0, 0, 100, 30}));
  presentation.sentenceSuggestionChars = 150;  // 1220: three lines, plus one
  EXPECT_EQ(KeyAt(LayOutKeyboard(keyboard, presentation, font), 0, 0, 0),
            (KeyRect{0, 0, 400, 60}));
  presentation.sentenceSuggestionKeyHeight = 100;
  EXPECT_EQ(KeyAt(LayOutKeyboard(keyboard, presentation, font), 0, 0, 0).height, 100);
}

TEST(KeyboardLayoutTest, TheKeyboardsOwnHeightsComeBeforeTheProfiles) {
  FixedFont font;
  KeyboardLayoutInput keyboard =
      KeyPerLine({Text("<Nenhum>", "Shift"), OfType(KeyType::kPictogramSuggestion)});
  keyboard.keyHeight = 30;
  keyboard.pictogramKeyHeight = 50;
  const KeyboardLayout layout = LayOutKeyboard(keyboard, Plain(), font);
  EXPECT_EQ(KeyAt(layout, 0, 0, 0), (KeyRect{0, 0, 30, 30}));
  EXPECT_EQ(KeyAt(layout, 1, 0, 0), (KeyRect{0, 30, 50, 70}));
  EXPECT_EQ(EffectiveKeyHeight(0, 40), 40);
  EXPECT_EQ(EffectiveKeyHeight(-3, 40), 40);
}

TEST(KeyboardLayoutTest, KeysAndGroupsArePackedWithTheirGapsAndTakeTheLinesHeight) {
  FixedFont font;
  KeyboardPresentation presentation = Plain();
  presentation.keyGap = 2;
  presentation.groupGap = 7;
  presentation.lineGap = 5;
  // Line 0: group "ab"(40) gap "c"(30); an empty group; group with a picture
  // key (60 x 80) and an empty key (16 x 16).
  const LineLayoutInput line{{{{Text("ab"), Text("c")}},
                              {},
                              {{Picture(60, 60), OfType(KeyType::kEmpty)}}}};
  const KeyboardLayout layout = LayOutKeyboard({{line}}, presentation, font);
  const LineLayout& placed = layout.lines[0];
  EXPECT_EQ(placed.groups[0].rect, (KeyRect{0, 5, 72, 80}));
  EXPECT_EQ(placed.groups[0].keys[0], (KeyRect{0, 5, 40, 80}));  // the line's height
  EXPECT_EQ(placed.groups[0].keys[1], (KeyRect{42, 5, 30, 80}));
  EXPECT_EQ(placed.groups[1].rect, (KeyRect{79, 5, 0, 0}));  // empty: gaps on both sides
  EXPECT_EQ(placed.groups[2].rect, (KeyRect{86, 5, 78, 80}));
  EXPECT_EQ(placed.groups[2].keys[0], (KeyRect{86, 5, 60, 80}));
  EXPECT_EQ(placed.groups[2].keys[1], (KeyRect{148, 5, 16, 16}));  // keeps its square
  EXPECT_EQ(placed.rect, (KeyRect{0, 5, 164, 80}));
  EXPECT_EQ(layout.width, 164);
  EXPECT_EQ(layout.height, 5 + 80 + 5);
}

TEST(KeyboardLayoutTest, StretchingLengthSharesTheExtraWidthWithTheRemainderFirst) {
  FixedFont font;
  font.widths["wide"] = 403 - 2 * m;
  KeyboardPresentation presentation = Plain();
  presentation.stretchLength = true;
  // Line 0: 300 wide in four keys (80 80 | 70 70); line 1: 403; line 2: an
  // empty key, which neither grows nor counts, and a key of 70.
  const LineLayoutInput shortLine{{{{Text("aaaaaa"), Text("bbbbbb")}},
                                   {{Text("ccccc"), Text("ddddd")}}}};
  const LineLayoutInput longLine{{{{Text("wide")}}}};
  const LineLayoutInput withBlank{{{{OfType(KeyType::kEmpty), Text("ccccc")}}}};
  const KeyboardLayout layout =
      LayOutKeyboard({{shortLine, longLine, withBlank}}, presentation, font);
  const LineLayout& line = layout.lines[0];
  EXPECT_EQ(line.groups[0].keys[0], (KeyRect{0, 0, 80 + 25 + 3, 40}));
  EXPECT_EQ(line.groups[0].keys[1], (KeyRect{108, 0, 80 + 25, 40}));
  EXPECT_EQ(line.groups[1].rect, (KeyRect{213, 0, 95 + 95, 40}));
  EXPECT_EQ(line.groups[1].keys[1], (KeyRect{308, 0, 95, 40}));
  EXPECT_EQ(line.rect.width, 403);
  EXPECT_EQ(layout.lines[1].rect.width, 403);
  EXPECT_EQ(KeyAt(layout, 2, 0, 0), (KeyRect{0, 80, 16, 16}));
  EXPECT_EQ(KeyAt(layout, 2, 0, 1), (KeyRect{16, 80, 70 + 317, 40}));
  EXPECT_EQ(layout.width, 403);
}

TEST(KeyboardLayoutTest, AStretchedKeyboardIsNeverNarrowerThan250) {
  FixedFont font;
  KeyboardPresentation presentation = Plain();
  const KeyboardLayoutInput narrow{{{{{{Text("a"), Text("b")}}}}}};
  EXPECT_EQ(LayOutKeyboard(narrow, presentation, font).width, 60);
  presentation.stretchLength = true;
  const KeyboardLayout layout = LayOutKeyboard(narrow, presentation, font);
  EXPECT_EQ(layout.width, 250);
  EXPECT_EQ(KeyAt(layout, 0, 0, 0).width, 30 + 95);
  EXPECT_EQ(KeyAt(layout, 0, 0, 1), (KeyRect{125, 0, 125, 40}));
  // Lines with nothing to stretch stay as they are; the keyboard does not.
  const KeyboardLayoutInput blanks{{{{{{OfType(KeyType::kEmpty)}}}}}};
  const KeyboardLayout blank = LayOutKeyboard(blanks, presentation, font);
  EXPECT_EQ(blank.lines[0].rect.width, 16);
  EXPECT_EQ(blank.width, 250);
  EXPECT_EQ(LayOutKeyboard({}, presentation, font).width, 250);
}

TEST(KeyboardLayoutTest, LinesStackWithGapsAndStretchToTheTallestLine) {
  FixedFont font;
  KeyboardPresentation presentation = Plain();
  presentation.lineGap = 5;
  const LineLayoutInput letters{{{{Text("a"), OfType(KeyType::kEmpty)}}}};
  const LineLayoutInput pictures{{{{Picture(60, 60)}}}};
  const KeyboardLayoutInput keyboard{{letters, pictures, letters}};
  // Three lines: a gap above the first, between them and below the last.
  const KeyboardLayout natural = LayOutKeyboard(keyboard, presentation, font);
  EXPECT_EQ(natural.lines[2].rect, (KeyRect{0, 5 + 40 + 5 + 80 + 5, 46, 40}));
  EXPECT_EQ(natural.height, 40 + 80 + 40 + 4 * 5);
  EXPECT_EQ(LayOutKeyboard({}, presentation, font).height, 5);

  presentation.stretchHeight = true;
  const KeyboardLayout stretched = LayOutKeyboard(keyboard, presentation, font);
  EXPECT_EQ(KeyAt(stretched, 0, 0, 0), (KeyRect{0, 5, 30, 80}));
  EXPECT_EQ(KeyAt(stretched, 0, 0, 1), (KeyRect{30, 5, 16, 16}));  // empty keys stay
  EXPECT_EQ(stretched.lines[1].rect, (KeyRect{0, 90, 60, 80}));
  EXPECT_EQ(KeyAt(stretched, 2, 0, 0), (KeyRect{0, 175, 30, 80}));
  EXPECT_EQ(stretched.height, 3 * 80 + 4 * 5);
}

TEST(PictureRowTest, PartsTakeTheTallestHeightAndWholeMultiplesOfTheirWidth) {
  const PictureRowLayout row =
      LayOutPictureRow({{40, 100}, {30, 50}, {20, 40}, {10, 0}, {25, 100}});
  EXPECT_EQ(row.size, (PictureSize{40 + 60 + 40 + 25, 100}));
  const std::vector<KeyRect> parts = {{0, 0, 40, 100},
                                      {40, 0, 60, 100},   // half as tall: twice as wide
                                      {100, 0, 40, 100},  // 100 / 40 = 2
                                      {140, 0, 0, 0},     // no area, no room
                                      {140, 0, 25, 100}};
  EXPECT_EQ(row.parts, parts);
  EXPECT_EQ(LayOutPictureRow({}).size, (PictureSize{0, 0}));
  EXPECT_EQ(LayOutPictureRow({{0, 30}}).size, (PictureSize{0, 0}));
}

}  // namespace
}  // namespace vorelio
