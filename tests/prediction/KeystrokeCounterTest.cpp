// Key presses on the Portuguese layout and the simulator's Shift and Caps
// Lock counting.
#include <gtest/gtest.h>

#include "common/PortugueseKeyboard.h"
#include "prediction/KeystrokeCounter.h"

namespace vorelio {
namespace {

TEST(PortugueseKeyboardTest, KeysOfTheLayout) {
  EXPECT_EQ(PortugueseKeyFor('a'), (KeyPress{'A', false, false}));
  EXPECT_EQ(PortugueseKeyFor('Q'), (KeyPress{'Q', true, false}));
  EXPECT_EQ(PortugueseKeyFor('7'), (KeyPress{'7', false, false}));
  EXPECT_EQ(PortugueseKeyFor('/'), (KeyPress{'7', true, false}));
  EXPECT_EQ(PortugueseKeyFor('@'), (KeyPress{'2', false, true}));
  EXPECT_EQ(PortugueseKeyFor('\x80'), (KeyPress{'5', false, true}));  // €
  EXPECT_EQ(PortugueseKeyFor('\xE7'), (KeyPress{vk::kCedilla, false, false}));  // ç
  EXPECT_EQ(PortugueseKeyFor('\xC7'), (KeyPress{vk::kCedilla, true, false}));   // Ç
  EXPECT_EQ(PortugueseKeyFor('\xAB'), (KeyPress{vk::kGuillemets, false, false}));  // «
  EXPECT_EQ(PortugueseKeyFor('\xBB'), (KeyPress{vk::kGuillemets, true, false}));   // »
  // The dead keys: ´ and ` share a key, ~ and ^ another.
  EXPECT_EQ(PortugueseKeyFor('\xB4'), (KeyPress{vk::kAcuteGrave, false, false}));
  EXPECT_EQ(PortugueseKeyFor('`'), (KeyPress{vk::kAcuteGrave, true, false}));
  EXPECT_EQ(PortugueseKeyFor('~'), (KeyPress{vk::kTildeCircumflex, false, false}));
  EXPECT_EQ(PortugueseKeyFor('^'), (KeyPress{vk::kTildeCircumflex, true, false}));
  EXPECT_EQ(PortugueseKeyFor('_'), (KeyPress{vk::kMinus, true, false}));
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
  EXPECT_EQ(DecomposeAccentedLetter('\xF4')->baseLetter, 'o');  // ô
  EXPECT_EQ(DecomposeAccentedLetter('\xC3')->deadKey, '~');  // Ã
  EXPECT_FALSE(DecomposeAccentedLetter('\xE7'));  // ç has its own key
  EXPECT_FALSE(DecomposeAccentedLetter('\xF1'));  // ñ: no tilde on n here
  EXPECT_TRUE(IsUpperCaseLetter('\xC7'));
  EXPECT_TRUE(IsUpperCaseLetter('\xDB'));
  EXPECT_FALSE(IsUpperCaseLetter('\xE7'));
  EXPECT_TRUE(IsLetter('\xE7'));
  EXPECT_FALSE(IsLetter('\xD1'));  // Ñ is not a letter of the layout
  EXPECT_FALSE(IsLetter('1'));
}

TEST(KeystrokeCounterTest, SmallLettersAndShift) {
  CKeystrokeCounter counter;
  EXPECT_EQ(counter.WordCost("casa", ' '), 4);
  EXPECT_EQ(counter.WordCost("Ola", ' '), 4);   // Shift + 3 keys
  EXPECT_EQ(counter.WordCost("C", 'a'), 2);     // a lone capital: Shift
  EXPECT_EQ(counter.WordCost("!", ' '), 2);     // a shifted symbol
  EXPECT_EQ(counter.WordCost("@", ' '), 2);     // AltGr counts as Shift does
  EXPECT_EQ(counter.WordCost("\xF1", ' '), 0);  // ñ: no key, no cost
  EXPECT_FALSE(counter.CapsLockOn());
}

TEST(KeystrokeCounterTest, CapsLockForARunOfCapitals) {
  CKeystrokeCounter counter;
  // "ABC " : Caps Lock on once, three keys, and the space leaves it on.
  EXPECT_EQ(counter.WordCost("ABC", ' '), 4);
  EXPECT_TRUE(counter.CapsLockOn());
  EXPECT_EQ(counter.CharacterCost(' ', 'D'), 1);
  EXPECT_EQ(counter.WordCost("DE", ' '), 2);  // still on: no further press
  EXPECT_TRUE(counter.CapsLockOn());
  // The first small letter turns it off.
  EXPECT_EQ(counter.WordCost("ab", ' '), 3);
  EXPECT_FALSE(counter.CapsLockOn());
  counter.WordCost("XY", ' ');
  counter.Reset();
  EXPECT_FALSE(counter.CapsLockOn());
}

TEST(KeystrokeCounterTest, AccentedLettersCostDeadKeyAndBase) {
  CKeystrokeCounter counter;
  EXPECT_EQ(counter.WordCost("\xE1", ' '), 2);    // á: ´ + a
  EXPECT_EQ(counter.WordCost("\xE0", ' '), 3);    // à: Shift+` + a
  EXPECT_EQ(counter.WordCost("\xE3", ' '), 2);    // ã: ~ + a
  EXPECT_EQ(counter.WordCost("\xEA", ' '), 3);    // ê: Shift+^ + e
  EXPECT_EQ(counter.WordCost("\xC1", 'g'), 3);    // Á: ´ + Shift + A
  EXPECT_EQ(counter.WordCost("\xE7", ' '), 1);    // ç: its own key
  EXPECT_EQ(counter.WordCost("\xC7", 'a'), 2);    // Ç: Shift + ç
  // "ÁGUA": a capital run through an accented capital; the dead key does
  // not turn Caps Lock off.
  EXPECT_EQ(counter.WordCost("\xC1GUA", ' '), 1 + 1 + 1 + 3);
  EXPECT_TRUE(counter.CapsLockOn());
  EXPECT_EQ(counter.WordCost("\xE9", ' '), 1 + 2);  // é turns it off first
}

}  // namespace
}  // namespace vorelio
