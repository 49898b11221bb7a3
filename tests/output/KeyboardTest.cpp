// Keystroke synthesis through a recording sink with the Portuguese layout
// (16 Shift, 17 Ctrl, 18 Alt, 0xBA the ´ ` dead key, 0xBF the ~ ^ one).
#include <gtest/gtest.h>

#include <random>

#include "output/Keyboard.h"
#include "output/RecordingKeystrokeSink.h"

namespace vorelio {
namespace {

class KeyboardTest : public ::testing::Test {
 protected:
  std::string Typed(char c) {
    sink.Clear();
    keyboard.TypeCharacter(c);
    return sink.Events();
  }
  RecordingKeystrokeSink sink;
  CKeyboard keyboard{sink};
};

TEST_F(KeyboardTest, PlainCharactersPressTheirModifiersAround) {
  EXPECT_EQ(Typed('a'), "down 65; up 65");
  EXPECT_EQ(Typed('A'), "down 16; down 65; up 65; up 16");
  EXPECT_EQ(Typed('@'), "down 17; down 18; down 50; up 50; up 18; up 17");  // AltGr+2
  EXPECT_EQ(Typed('\xF1'), "");                                             // ñ: no key
  EXPECT_EQ(Typed('\xE7'), "down 192; up 192");                             // ç has its key
}

TEST_F(KeyboardTest, AccentedLettersGoThroughTheirDeadKey) {
  EXPECT_EQ(Typed('\xE9'), "down 186; up 186; down 69; up 69");  // é: ´ then e
  EXPECT_EQ(Typed('\xCC'),  // Ì: ` (Shift) then I (Shift)
            "down 16; down 186; up 186; up 16; down 16; down 73; up 73; up 16");
  EXPECT_EQ(Typed('\xE3'), "down 191; up 191; down 65; up 65");  // ã: ~ then a
}

TEST_F(KeyboardTest, ALineBreakIsOneEnter) {
  sink.Clear();
  keyboard.TypeText("a\r\nb");
  EXPECT_EQ(sink.Events(), "down 65; up 65; down 13; up 13; down 66; up 66");
  EXPECT_EQ(keyboard.CountTextKeystrokes("a\r\nb"), 3);
}

TEST_F(KeyboardTest, BackspacesAndNamedKeys) {
  keyboard.SendBackspaces(2);
  keyboard.SendBackspaces(-1);
  EXPECT_EQ(sink.Events(), "down 8; up 8; down 8; up 8");

  sink.Clear();
  keyboard.PressNamedKey("  Enter ");
  keyboard.ReleaseNamedKey("Enter");
  keyboard.PressNamedKey("xyz");  // unknown: the key of "x"
  keyboard.PressNamedKey("   ");  // nothing
  keyboard.PressNamedKey("\xF1");  // no key: nothing
  EXPECT_EQ(sink.Events(), "down 13; up 13; down 88");

  sink.Clear();
  keyboard.TapNamedKey("Del");
  keyboard.TapNamedKey("Ok");  // unknown: typed as text
  EXPECT_EQ(sink.Events(), "down 46; up 46; down 16; down 79; up 79; up 16; down 75; up 75");
  EXPECT_EQ(keyboard.GetKeyCode("Pgdown"), 34);
  EXPECT_FALSE(keyboard.GetKeyCode("PgDown"));
}

TEST_F(KeyboardTest, SequencesPressInOrderAndReleaseInReverse) {
  keyboard.TypeKeySequence("Ctrl+c Ctrl+v");
  EXPECT_EQ(sink.Events(), "down 17; down 67; up 67; up 17; down 17; down 86; up 86; up 17");
  sink.Clear();
  keyboard.TypeKeySequence("{Ctrl+Alt+Del}");
  EXPECT_EQ(sink.Events(), "down 17; down 18; down 46; up 46; up 18; up 17");
  EXPECT_EQ(keyboard.CountSequenceKeystrokes("Ctrl+Alt+Del Tab"), 4);
  EXPECT_EQ(keyboard.CountSequenceKeystrokes("Ctrl++\xF1 { }"), 1);  // ñ has no key

  // An over-long sequence plays and counts the first 256 chords only.
  std::string longSequence;
  for (int i = 0; i < 300; ++i) longSequence += "a ";
  sink.Clear();
  keyboard.TypeKeySequence(longSequence);
  EXPECT_EQ(sink.KeyDowns(), 256);
  EXPECT_EQ(keyboard.CountSequenceKeystrokes(longSequence), 256);
}

TEST_F(KeyboardTest, InvertCaseSwapsTheAccentedPairsAndAsciiLetters) {
  std::string text = "A\xE7\xE3o";  // Ação
  CKeyboard::InvertCase(text);
  EXPECT_EQ(text, "a\xE7\xC3O");  // açÃO
  std::string others = "\xC7\xFC\xDC\xD1 1!\xC0\xFB";  // Ç ü Ü Ñ stay; À û swap
  CKeyboard::InvertCase(others);
  EXPECT_EQ(others, "\xC7\xFC\xDC\xD1 1!\xE0\xDB");
}

TEST_F(KeyboardTest, AKeyNameCountsAsItsKeyUnlessTyped) {
  EXPECT_EQ(keyboard.CountTextKeystrokes("Ana"), 4);
  EXPECT_EQ(keyboard.CountTextKeystrokes("Enter"), 1);
  EXPECT_EQ(keyboard.CountTypedKeystrokes("Enter"), 6);
}

// What is counted is what is sent: for random Windows-1252 text, the key
// downs of TypeText equal CountTypedKeystrokes.
TEST_F(KeyboardTest, CountsMatchTheKeysSent) {
  std::mt19937 random(3346);
  for (int round = 0; round < 200; ++round) {
    std::string text;
    for (int i = 0; i < 20; ++i) text += static_cast<char>(random() % 256);
    sink.Clear();
    keyboard.TypeText(text);
    EXPECT_EQ(sink.KeyDowns(), keyboard.CountTypedKeystrokes(text));
  }
}

TEST(KeystrokeCostTest, ShiftCapsLockAndTheCharacterTable) {
  EXPECT_EQ(CKeyboard::KeystrokeCost("Ola"), 4);
  EXPECT_EQ(CKeyboard::KeystrokeCost("OLA a"), 7);
  EXPECT_EQ(CKeyboard::KeystrokeCost(""), 0);
  // Caps Lock looks past blanks to the next letter: "A B" is on, 1, 1, 1.
  EXPECT_EQ(CKeyboard::KeystrokeCost("A B"), 4);
  // Digits do not end Caps Lock; the small letter does.
  EXPECT_EQ(CKeyboard::KeystrokeCost("AB1c"), 1 + 2 + 1 + 1 + 1);
  EXPECT_EQ(CKeyboard::KeystrokeCost("\xC0"), 1 + 3);  // À: Shift, ` and a
  EXPECT_EQ(CKeyboard::KeystrokeCost("\xE3!"), 2 + 2);  // ã !
  EXPECT_EQ(CKeyboard::KeystrokeCost("\xC7\xE7"), 1 + 1 + 1);  // Ç with Shift, ç
  EXPECT_EQ(CKeyboard::KeystrokeCost("<\t"), 0);  // outside the table
}

}  // namespace
}  // namespace vorelio
