// The key names the simulator lists for a text.
#include <gtest/gtest.h>

#include "output/KeyboardSimulator.h"

namespace vorelio {
namespace {

std::string Names(CKeyboardSimulator& simulator, std::string_view text, char next = ' ') {
  std::vector<std::string> names;
  const int32_t count = simulator.AppendKeyNames(text, names, next);
  EXPECT_EQ(count, static_cast<int32_t>(names.size()));
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : " ") + name;
  return joined;
}

TEST(KeyboardSimulatorTest, ShiftCapsLockAndDeadKeys) {
  CKeyboardSimulator simulator;
  EXPECT_EQ(Names(simulator, "Ola"), "Shift o l a");
  EXPECT_EQ(Names(simulator, "ABc"), "CapsLock a b CapsLock c");
  // A run of capitals at the end leaves Caps Lock on for the next call.
  EXPECT_EQ(Names(simulator, "OK", ' '), "CapsLock o k");
  EXPECT_TRUE(simulator.CapsLockOn());
  EXPECT_EQ(Names(simulator, " 1"), "Space CapsLock 1");
  EXPECT_EQ(Names(simulator, "p\xE9"), "p \xB4 e");        // pé
  EXPECT_EQ(Names(simulator, "\xC0s"), "Shift ` Shift a s");  // Às: the grave needs Shift
  EXPECT_EQ(Names(simulator, "\xC7"), "Shift \xE7");      // Ç
  EXPECT_EQ(Names(simulator, "a!@\n"), "a Shift ! @ Enter");
  EXPECT_EQ(Names(simulator, "\xB5"), "");                 // µ: no key
}

TEST(KeyboardSimulatorTest, AltGrIsNoPressAndEveryCapitalCounts) {
  CKeyboardSimulator simulator;
  EXPECT_EQ(Names(simulator, "a@\x80"), "a @ \x80");  // a@€: three names
  EXPECT_EQ(Names(simulator, "M\xDCLLER"), "CapsLock m \xA8 u l l e r");  // MÜLLER
  EXPECT_EQ(Names(simulator, " \xD1"), "Space ~ n");  // Caps Lock is still on for Ñ
  EXPECT_EQ(Names(simulator, "\xF1"), "~ CapsLock n");  // ñ
  EXPECT_EQ(Names(simulator, "\xC4s"), "\xA8 Shift a s");  // Äs
  EXPECT_FALSE(simulator.CapsLockOn());
}

TEST(KeyboardSimulatorTest, AccentedCapitalsInARunKeepCapsLock) {
  CKeyboardSimulator simulator;
  EXPECT_EQ(Names(simulator, "\xC1GUA"), "\xB4 CapsLock a g u a");  // ÁGUA
  simulator.Reset();
  EXPECT_FALSE(simulator.CapsLockOn());
}

}  // namespace
}  // namespace vorelio
