// The Windows key names of the event log.
#include <gtest/gtest.h>

#include "keyboards/WindowsKeyNames.h"

namespace vorelio {
namespace {

TEST(WindowsKeyNamesTest, NamesAsWindowsGivesThem) {
  EXPECT_EQ(WindowsKeyName('A'), "A");
  EXPECT_EQ(WindowsKeyName('7'), "7");
  EXPECT_EQ(WindowsKeyName(0x20), "Space");
  EXPECT_EQ(WindowsKeyName(0x08), "Backspace");
  EXPECT_EQ(WindowsKeyName(0x65), "Num 5");
  EXPECT_EQ(WindowsKeyName(0x7B), "F12");
  EXPECT_EQ(WindowsKeyName(0x14), "Caps Lock");
  EXPECT_EQ(WindowsKeyName(0xBB), "+");
  EXPECT_EQ(WindowsKeyName(0xC0), "\xE7");  // ç
  EXPECT_EQ(WindowsKeyName(0x07), "");
  EXPECT_EQ(WindowsKeyName(0xFF), "");
}

TEST(WindowsKeyNamesTest, ExtendedFlagTellsTwinKeysApart) {
  EXPECT_EQ(WindowsKeyName(0x24), "Home");
  EXPECT_EQ(WindowsKeyName(0x24, 0), "Num 7");
  EXPECT_EQ(WindowsKeyName(0x21, kExtendedKeyFlag), "Page Up");
  EXPECT_EQ(WindowsKeyName(0x0D), "Enter");
  EXPECT_EQ(WindowsKeyName(0x0D, kExtendedKeyFlag), "Num Enter");
  EXPECT_EQ(WindowsKeyName(0x11), "Ctrl");
  EXPECT_EQ(WindowsKeyName(0x12, kExtendedKeyFlag), "Right Alt");
}

TEST(WindowsKeyNamesTest, EventNamesAreUpperCaseWithUnderscores) {
  EXPECT_EQ(KeyDownEventName('A', 0), "KEY_DOWN_A");
  EXPECT_EQ(KeyDownEventName(0x20, 0), "KEY_DOWN_SPACE");
  EXPECT_EQ(KeyDownEventName(0x65, 0), "KEY_DOWN_NUM_5");
  EXPECT_EQ(KeyDownEventName(0x22, kExtendedKeyFlag), "KEY_DOWN_PAGE_DOWN");
  EXPECT_EQ(KeyDownEventName(0xC0, 0), "KEY_DOWN_\xC7");  // Ç
}

}  // namespace
}  // namespace vorelio
