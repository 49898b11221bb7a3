// Key presses on the Portuguese layout and a person's presses on it, with
// Shift and Caps Lock, as the word prediction simulator counts them.
#include <gtest/gtest.h>

#include "common/PortugueseKeyboard.h"
#include "common/Text.h"
#include "common/TypistKeyboard.h"

namespace vorelio {
namespace {

TEST(PortugueseKeyboardTest, KeysOfTheLayout) {
  EXPECT_EQ(PortugueseKeyFor('a'), (KeyPress{'A', false, false}));
  EXPECT_EQ(PortugueseKeyFor('Q'), (KeyPress{'Q', true, false}));
  EXPECT_EQ(PortugueseKeyFor('/'), (KeyPress{'7', true, false}));
  EXPECT_EQ(PortugueseKeyFor('@'), (KeyPress{'2', false, true}));
  EXPECT_EQ(PortugueseKeyFor('\x80'), (KeyPress{'5', false, true}));  // €
  EXPECT_EQ(PortugueseKeyFor('\xE7'), (KeyPress{vk::kCedilla, false, false}));  // ç
  EXPECT_EQ(PortugueseKeyFor('\xAB'), (KeyPress{vk::kGuillemets, false, false}));  // «
  // The dead keys: ´ and ` share a key, ~ and ^ another.
  EXPECT_EQ(PortugueseKeyFor('\xB4'), (KeyPress{vk::kAcuteGrave, false, false}));
  EXPECT_EQ(PortugueseKeyFor('`'), (KeyPress{vk::kAcuteGrave, true, false}));
  EXPECT_EQ(PortugueseKeyFor('~'), (KeyPress{vk::kTildeCircumflex, false, false}));
  // Accented letters need a dead key first; ñ and ß have no key at all.
  EXPECT_FALSE(PortugueseKeyFor('\xE1'));
  EXPECT_FALSE(PortugueseKeyFor('\xF1'));
  EXPECT_FALSE(PortugueseKeyFor('\xDF'));
  EXPECT_FALSE(PortugueseKeyFor('\0'));
}

TEST(PortugueseKeyboardTest, DeadKeyDecompositionAndLetterClasses) {
  const auto acute = DecomposeAccentedLetter('\xC9');  // É
  ASSERT_TRUE(acute);
  EXPECT_EQ(acute->deadKey, '\xB4');
  EXPECT_EQ(acute->baseLetter, 'E');
  EXPECT_EQ(DecomposeAccentedLetter('\xEC')->deadKey, '`');  // ì
  EXPECT_EQ(DecomposeAccentedLetter('\xC3')->deadKey, '~');  // Ã
  EXPECT_FALSE(DecomposeAccentedLetter('\xE7'));  // ç has its own key
  // Synthesis types only the grave, acute, circumflex and tilde letters of
  // Portuguese; a person types the others with the same dead keys and ¨.
  EXPECT_FALSE(DecomposeAccentedLetter('\xF1'));  // ñ
  EXPECT_FALSE(DecomposeAccentedLetter('\xFC'));  // ü
  const auto expectParts = [](char letter, char deadKey, char base) {
    const auto parts = DecomposeAnyAccentedLetter(letter);
    ASSERT_TRUE(parts) << letter;
    EXPECT_EQ(parts->deadKey, deadKey) << letter;
    EXPECT_EQ(parts->baseLetter, base) << letter;
  };
  expectParts('\xFC', '\xA8', 'u');  // ü
  expectParts('\xDC', '\xA8', 'U');  // Ü
  expectParts('\x9F', '\xA8', 'Y');  // Ÿ
  expectParts('\xD1', '~', 'N');      // Ñ
  expectParts('\xFD', '\xB4', 'y');  // ý
  expectParts('\xC9', '\xB4', 'E');  // É, as synthesis has it
  EXPECT_FALSE(DecomposeAnyAccentedLetter('\xE7'));  // ç
  EXPECT_FALSE(DecomposeAnyAccentedLetter('\xC5'));  // Å: no ring dead key
  // Every decomposition keeps the letter's case, its dead key is a key of
  // the layout, and the synthesis table is part of the larger one.
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const auto parts = DecomposeAnyAccentedLetter(c);
    if (const auto synthesized = DecomposeAccentedLetter(c)) {
      ASSERT_TRUE(parts) << b;
      EXPECT_EQ(parts->deadKey, synthesized->deadKey) << b;
    }
    if (!parts) continue;
    EXPECT_EQ(IsUpperCaseCp1252(c), IsUpperCaseCp1252(parts->baseLetter)) << b;
    EXPECT_TRUE(PortugueseKeyFor(parts->deadKey)) << b;
  }
  EXPECT_TRUE(IsUpperCaseLetter('\xC7'));
  EXPECT_FALSE(IsUpperCaseLetter('\xE7'));
  EXPECT_TRUE(IsLetter('\xE7'));
  EXPECT_FALSE(IsLetter('\xD1'));  // Ñ is not a letter of the layout
}

TEST(TypistKeyboardTest, SmallLettersShiftAndAltGr) {
  TypistKeyboard typist;
  EXPECT_EQ(typist.WordCost("casa", ' '), 4);
  EXPECT_EQ(typist.WordCost("Ola", ' '), 4);  // Shift + 3 keys
  EXPECT_EQ(typist.WordCost("C", 'a'), 2);    // a lone capital: Shift
  EXPECT_EQ(typist.WordCost("!", ' '), 2);    // a shifted symbol
  // AltGr is not a press of its own: a third-level character is one key.
  EXPECT_EQ(typist.WordCost("@", ' '), 1);
  EXPECT_EQ(typist.WordCost("\x80{[]}\xA3\xA7", ' '), 7);  // € { [ ] } £ §
  EXPECT_EQ(typist.WordCost("joao@mail", ' '), typist.WordCost("joaoxmail", ' '));
  EXPECT_EQ(typist.WordCost("\xB5", ' '), 0);  // µ: no key, no press
  EXPECT_FALSE(typist.CapsLockOn());
}

TEST(TypistKeyboardTest, CapsLockForARunOfCapitals) {
  TypistKeyboard typist;
  // "ABC " : Caps Lock on once, three keys, and the space leaves it on.
  EXPECT_EQ(typist.WordCost("ABC", ' '), 4);
  EXPECT_TRUE(typist.CapsLockOn());
  EXPECT_EQ(typist.CharacterCost(' ', 'D'), 1);
  EXPECT_EQ(typist.WordCost("DE", ' '), 2);  // still on: no further press
  EXPECT_EQ(typist.WordCost("-?", ' '), 3);  // symbols leave it on
  EXPECT_TRUE(typist.CapsLockOn());
  // The first small letter turns it off.
  EXPECT_EQ(typist.WordCost("ab", ' '), 3);
  EXPECT_FALSE(typist.CapsLockOn());
  // So does a digit.
  typist.WordCost("XY", ' ');
  EXPECT_EQ(typist.WordCost("1", ' '), 2);
  EXPECT_FALSE(typist.CapsLockOn());
  typist.WordCost("XY", ' ');
  typist.Reset();
  EXPECT_FALSE(typist.CapsLockOn());
}

TEST(TypistKeyboardTest, AccentedLettersCostDeadKeyAndBase) {
  TypistKeyboard typist;
  EXPECT_EQ(typist.WordCost("\xE1", ' '), 2);  // á: ´ + a
  EXPECT_EQ(typist.WordCost("\xE0", ' '), 3);  // à: Shift+` + a
  EXPECT_EQ(typist.WordCost("\xE3", ' '), 2);  // ã: ~ + a
  EXPECT_EQ(typist.WordCost("\xEA", ' '), 3);  // ê: Shift+^ + e
  EXPECT_EQ(typist.WordCost("\xC1", 'g'), 3);  // Á: ´ + Shift + A
  EXPECT_EQ(typist.WordCost("\xE7", ' '), 1);  // ç: its own key
  EXPECT_EQ(typist.WordCost("\xC7", 'a'), 2);  // Ç: Shift + ç
  // The diaeresis letters take the dead ¨ (AltGr, not counted) and the
  // base letter; ñ the dead tilde.
  for (const char c : std::string_view("\xE4\xEB\xEF\xF6\xFC\xF1"))  // ä ë ï ö ü ñ
    EXPECT_EQ(typist.WordCost(std::string(1, c), ' '), 2) << c;
  EXPECT_EQ(typist.WordCost("\xD1", ' '), 3);  // Ñ: ~ + Shift + N
  // "ÁGUA": a capital run through an accented capital; the dead key does
  // not turn Caps Lock off.
  EXPECT_EQ(typist.WordCost("\xC1GUA", ' '), 1 + 1 + 1 + 3);
  EXPECT_TRUE(typist.CapsLockOn());
  EXPECT_EQ(typist.WordCost("\xE9", ' '), 1 + 2);  // é turns it off
}

TEST(TypistKeyboardTest, EveryCapitalOfWindows1252IsACapital) {
  TypistKeyboard typist;
  // "MÜLLER": Ü continues the run of capitals, so one Caps Lock press for
  // the word: Caps Lock, m, ¨, u, l, l, e, r.
  EXPECT_EQ(typist.WordCost("M\xDCLLER", ' '), 8);
  EXPECT_TRUE(typist.CapsLockOn());
  typist.Reset();
  EXPECT_EQ(typist.WordCost("M\xFCller", ' '), 2 + 2 + 4);  // Müller
  // Any capital, typable or not, continues a run: "A" before it turns
  // Caps Lock on, and so does it before "B". × is no letter.
  for (const char c : std::string_view("\x8A\x8C\x8E\x9F\xC0\xD0\xDE")) {  // Š Œ Ž Ÿ À Ð Þ
    TypistKeyboard before, after;
    EXPECT_EQ(before.CharacterCost('A', c), 2) << c;
    EXPECT_TRUE(before.CapsLockOn()) << c;
    after.CharacterCost(c, 'B');
    EXPECT_TRUE(after.CapsLockOn()) << c;
  }
  TypistKeyboard times;
  EXPECT_EQ(times.CharacterCost('A', '\xD7'), 2);  // Shift
  EXPECT_FALSE(times.CapsLockOn());
}

}  // namespace
}  // namespace vorelio
