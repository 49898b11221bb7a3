// The key table and the character translator over the Portuguese keymap,
// compiled from xkb-data: no X server needed.
#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <string>

#include "platform/x11/X11CharacterTranslator.h"
#include "platform/x11/X11KeyTable.h"
#include "common/VirtualKeys.h"

namespace vorelio::x11 {
namespace {

class PortugueseKeymap : public ::testing::Test {
 protected:
  void SetUp() override {
    context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", "pt", "", ""};
    keymap_ = xkb_keymap_new_from_names(context_, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap_ == nullptr) GTEST_SKIP() << "the Portuguese keymap of xkb-data is missing";
    table_ = X11KeyTable(keymap_);
  }
  void TearDown() override {
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
  }
  Keycode Key(const char* name) const { return xkb_keymap_key_by_name(keymap_, name); }

  // The characters the translator gives for presses and releases of keys
  // (a name with "+" holds Shift, with "^" holds AltGr, with "!" Ctrl).
  std::string Typed(std::initializer_list<const char*> keys) {
    X11CharacterTranslator translator;
    translator.SetKeymap(keymap_, 0, 0);
    std::string characters;
    for (std::string key : keys) {
      std::string modifier;
      if (key[0] == '+') modifier = "LFSH";
      if (key[0] == '^') modifier = "RALT";
      if (key[0] == '!') modifier = "LCTL";
      if (!modifier.empty()) key.erase(0, 1);
      if (!modifier.empty()) translator.KeyEvent(Key(modifier.c_str()), true, true, characters);
      translator.KeyEvent(Key(key.c_str()), true, true, characters);
      translator.KeyEvent(Key(key.c_str()), false, true, characters);
      if (!modifier.empty()) translator.KeyEvent(Key(modifier.c_str()), false, true, characters);
    }
    return characters;
  }

  xkb_context* context_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  X11KeyTable table_;
};

TEST_F(PortugueseKeymap, VirtualKeysOfLettersDigitsNamedAndPlacedKeys) {
  EXPECT_EQ(table_.VirtualKeyOf(Key("AC01")), 'A');
  EXPECT_EQ(table_.VirtualKeyOf(Key("AE10")), '0');
  EXPECT_EQ(table_.VirtualKeyOf(Key("RTRN")), 0x0D);
  EXPECT_EQ(table_.VirtualKeyOf(Key("FK05")), 0x74);
  EXPECT_EQ(table_.VirtualKeyOf(Key("KP5")), 0x65);
  EXPECT_EQ(table_.VirtualKeyOf(Key("AC10")), 0xC0);  // ç
  EXPECT_EQ(table_.VirtualKeyOf(Key("BKSL")), 0xBF);  // ~ ^
  EXPECT_EQ(table_.VirtualKeyOf(Key("RALT")), vk::kMenu);
  // Both ways: the lowest keycode of a code.
  for (const uint8_t code : {uint8_t{'A'}, uint8_t{'7'}, uint8_t{0x0D}, uint8_t{vk::kShift},
                             uint8_t{vk::kMenu}, uint8_t{0xBA}, uint8_t{0x25}}) {
    EXPECT_EQ(table_.VirtualKeyOf(table_.KeycodeOf(code)), code) << int{code};
  }
  EXPECT_EQ(table_.KeycodeOf(vk::kMenu), Key("LALT"));
  EXPECT_EQ(table_.KeycodeOf(0xFF), 0u);
  EXPECT_EQ(table_.AltGrKeycode(), Key("RALT"));
}

TEST_F(PortugueseKeymap, KeypadKeysReportNavigationCodesWithoutNumLock) {
  const struct {
    const char* key;
    uint8_t withNumLock;
    uint8_t withoutNumLock;
  } keypad[] = {
      {"KP7", 0x67, vk::kHome},  {"KP8", 0x68, vk::kUp},    {"KP9", 0x69, vk::kPrior},
      {"KP4", 0x64, vk::kLeft},  {"KP5", 0x65, 0x0C},       {"KP6", 0x66, vk::kRight},
      {"KP1", 0x61, vk::kEnd},   {"KP2", 0x62, vk::kDown},  {"KP3", 0x63, vk::kNext},
      {"KP0", 0x60, 0x2D},       {"KPDL", 0x6E, vk::kDelete},
  };
  for (const auto& key : keypad) {
    EXPECT_EQ(table_.VirtualKeyOf(Key(key.key), true), key.withNumLock) << key.key;
    EXPECT_EQ(table_.VirtualKeyOf(Key(key.key), false), key.withoutNumLock) << key.key;
    EXPECT_EQ(table_.VirtualKeyOf(Key(key.key)), key.withNumLock) << key.key;
  }
  // Keys off the keypad ignore Num Lock; the operators keep their codes.
  for (const char* name : {"LEFT", "HOME", "DELE", "AC01", "KPAD", "KPEN"}) {
    EXPECT_EQ(table_.VirtualKeyOf(Key(name), false), table_.VirtualKeyOf(Key(name), true)) << name;
  }
  // Synthesized navigation keys are the main block's, never the keypad's.
  EXPECT_EQ(table_.KeycodeOf(vk::kLeft), Key("LEFT"));
  EXPECT_EQ(table_.KeycodeOf(vk::kDelete), Key("DELE"));
}

TEST_F(PortugueseKeymap, KeysThatTypeCharacters) {
  const auto expect = [&](char c, uint8_t code, bool shift, bool altGr) {
    const auto key = table_.KeyFor(c);
    ASSERT_TRUE(key.has_value()) << c;
    EXPECT_EQ(key->virtualKey, code) << c;
    EXPECT_EQ(key->shift, shift) << c;
    EXPECT_EQ(key->altGr, altGr) << c;
  };
  expect('a', 'A', false, false);
  expect('A', 'A', true, false);
  expect('1', '1', false, false);  // the main row, not the keypad
  expect('!', '1', true, false);
  expect('@', '2', false, true);
  expect('\x80', 'E', false, true);  // €
  expect('\xE7', 0xC0, false, false);  // ç
  expect('\xAB', 0xDD, false, false);  // «
  expect('\xB4', 0xBA, false, false);  // ´: the dead acute
  expect('`', 0xBA, true, false);
  expect('~', 0xBF, false, false);
  expect('^', 0xBF, true, false);
  expect('\n', 0x0D, false, false);
  EXPECT_FALSE(table_.KeyFor('\r').has_value());  // "\r\n" is one Return
  EXPECT_FALSE(table_.KeyFor('\xE1').has_value());  // á needs the dead key
  EXPECT_FALSE(table_.KeyFor('\x85').has_value());  // … has no key
  EXPECT_TRUE(table_.HasAltGrLevel(Key("AD03")));   // e €
  EXPECT_FALSE(table_.HasAltGrLevel(Key("RTRN")));
}

TEST_F(PortugueseKeymap, ScanCodesAsWindowsGivesThem) {
  EXPECT_EQ(ScanCodeOf(Key("AC01")), 0x1Eu);
  EXPECT_EQ(ScanCodeOf(Key("ESC")), 0x01u);
  EXPECT_EQ(ScanCodeOf(Key("LEFT")), 0x14Bu);  // extended
  EXPECT_EQ(ScanCodeOf(0), 0u);
}

TEST_F(PortugueseKeymap, TranslatorComposesDeadKeysAndFollowsModifiers) {
  // "ação é já" as a Portuguese typist types it.
  EXPECT_EQ(Typed({"AC01", "AC10", "BKSL", "AC01", "AD09", "SPCE", "AD12", "AD03", "SPCE",
                   "AC07", "AD12", "AC01"}),
            "a\xE7\xE3o \xE9 j\xE1");
  EXPECT_EQ(Typed({"+AC01", "^AD03", "+AE01"}), "A\x80!");
  EXPECT_EQ(Typed({"!AC01"}), "\x01");  // Ctrl+A as WM_CHAR has it
  EXPECT_EQ(Typed({"BKSP", "RTRN", "DELE", "LEFT", "FK05"}), "\b\r");
  EXPECT_EQ(Typed({"AD12"}), "");  // a dead key alone: nothing yet
}

TEST_F(PortugueseKeymap, TheTranslatorFollowsNumLockAndTheKeypadTypesDigitsOnlyWithIt) {
  X11CharacterTranslator translator;
  translator.SetKeymap(keymap_, 0, 0);
  std::string characters;
  translator.KeyEvent(Key("KP4"), true, true, characters);
  EXPECT_EQ(characters, "");
  EXPECT_FALSE(translator.NumLockOn());
  translator.KeyEvent(Key("NMLK"), true, true, characters);
  translator.KeyEvent(Key("NMLK"), false, true, characters);
  EXPECT_TRUE(translator.NumLockOn());
  translator.KeyEvent(Key("KP4"), true, true, characters);
  EXPECT_EQ(characters, "4");
}

TEST_F(PortugueseKeymap, SwallowedKeysTypeNothingButModifiersStillCount) {
  X11CharacterTranslator translator;
  translator.SetKeymap(keymap_, 0, 0);
  std::string characters;
  translator.KeyEvent(Key("AD12"), true, false, characters);  // a swallowed dead key
  translator.KeyEvent(Key("AC01"), true, true, characters);
  EXPECT_EQ(characters, "a");
  translator.KeyEvent(Key("CAPS"), true, false, characters);
  translator.KeyEvent(Key("CAPS"), false, false, characters);
  EXPECT_TRUE(translator.CapsLockOn());
  translator.KeyEvent(Key("AC01"), true, true, characters);
  EXPECT_EQ(characters, "aA");
}

// The server announces a new keymap when the injecting device takes over,
// sometimes between Ctrl's press and the letter: Ctrl must stay held.
TEST_F(PortugueseKeymap, ANewKeymapKeepsTheKeysHeldDown) {
  X11CharacterTranslator translator;
  translator.SetKeymap(keymap_, 0, 0);
  std::string characters;
  translator.KeyEvent(Key("LCTL"), true, true, characters);
  translator.SetKeymap(keymap_, 0, 0);
  translator.KeyEvent(Key("AC01"), true, true, characters);
  EXPECT_EQ(characters, "\x01");
  translator.KeyEvent(Key("AC01"), false, true, characters);
  translator.KeyEvent(Key("LCTL"), false, true, characters);
  translator.SetKeymap(keymap_, 0, 0);
  translator.KeyEvent(Key("AC01"), true, true, characters);
  EXPECT_EQ(characters, "\x01" "a");
}

TEST(X11CharacterTranslatorWithoutKeymap, TranslatesNothing) {
  X11CharacterTranslator translator;
  std::string characters;
  translator.KeyEvent(38, true, true, characters);
  EXPECT_EQ(characters, "");
  EXPECT_FALSE(translator.CapsLockOn());
  EXPECT_EQ(X11KeyTable().KeycodeOf('A'), 0u);
  EXPECT_FALSE(X11KeyTable().KeyFor('a').has_value());
}

}  // namespace
}  // namespace vorelio::x11
