// Role keys, switch recognition and the switch lists of the scanning page.
#include <gtest/gtest.h>

#include <algorithm>

#include "keyboards/ProgramKeys.h"
#include "keyboards/RoleKey.h"
#include "keyboards/SwitchKeyChoice.h"

namespace vorelio {
namespace {

using Names = std::vector<std::string>;

class RecordingRegistry final : public SpecialKeyRegistry {
 public:
  void AddSpecialKey(int virtualKey) override { log += "add " + std::to_string(virtualKey) + "; "; }
  void DeleteSpecialKey(int virtualKey) override { log += "delete " + std::to_string(virtualKey) + "; "; }
  std::string log;
};

CKeySet ProgramKeys() {
  CKeySet keys;
  FillProgramKeySet(keys);
  return keys;
}

TEST(RoleKeyTest, SettingLooksUpReservesAndRegisters) {
  CKeySet keys = ProgramKeys();
  RecordingRegistry registry;
  CRoleKey expansion;
  EXPECT_TRUE(expansion.Set("F11", keys, registry));
  EXPECT_EQ(expansion.Code(), 122);
  EXPECT_TRUE(keys.InUse(122));
  EXPECT_EQ(registry.log, "add 122; ");

  // A new name gives the old key up first; an unknown name leaves no key.
  EXPECT_TRUE(expansion.Set("Num0", keys, registry));
  EXPECT_FALSE(expansion.Set("NoSuchKey", keys, registry));
  EXPECT_FALSE(expansion.Code());
  EXPECT_FALSE(expansion.Matches(96));
  EXPECT_EQ(registry.log, "add 122; delete 122; add 96; delete 96; ");
  expansion.GiveUp(registry);  // nothing left to give up
  EXPECT_EQ(registry.log, "add 122; delete 122; add 96; delete 96; ");
}

TEST(RoleKeyTest, BothSwitchesOnOneKeyActAsSwitchOne) {
  CKeySet keys = ProgramKeys();
  RecordingRegistry registry;
  CRoleKey switch1, switch2;
  switch1.Set("Num5", keys, registry);
  switch2.Set("Num5", keys, registry);
  EXPECT_EQ(RecogniseSwitch(101, switch1, switch2), SwitchKey::kSwitch1);
  EXPECT_EQ(RecogniseSwitch(65, switch1, switch2), SwitchKey::kNone);
  switch2.Set("Num6", keys, registry);
  EXPECT_EQ(RecogniseSwitch(102, switch1, switch2), SwitchKey::kSwitch2);
  CRoleKey none;
  EXPECT_EQ(RecogniseSwitch(101, none, switch1), SwitchKey::kSwitch2);
}

TEST(SwitchKeyChoiceTest, PickingMovesKeysBetweenTheLists) {
  CKeySet keys = ProgramKeys();
  keys.Reserve("F11");
  keys.Reserve("F12");
  CSwitchKeyChoice choice(keys, "F11", "F12");
  EXPECT_EQ(choice.Entries(0).front(), "F11");
  EXPECT_EQ(choice.Entries(0)[1], "Tab");  // then the free names by code
  EXPECT_EQ(std::count(choice.Entries(0).begin(), choice.Entries(0).end(), "F12"), 0);

  choice.Pick(0, "Tab", keys);
  EXPECT_EQ(choice.Selection(0), "Tab");
  EXPECT_TRUE(keys.InUse(9));
  EXPECT_FALSE(keys.InUse(122));
  // Tab left list 1 and F11 joined it.
  const Names& other = choice.Entries(1);
  EXPECT_EQ(std::count(other.begin(), other.end(), "Tab"), 0);
  EXPECT_EQ(std::count(other.begin(), other.end(), "F11"), 1);

  choice.Reactivate(keys);
  EXPECT_EQ(choice.Entries(0).front(), "Tab");
  EXPECT_EQ(choice.Entries(1).front(), "F12");
  EXPECT_EQ(std::count(choice.Entries(1).begin(), choice.Entries(1).end(), "Tab"), 0);
}

TEST(SwitchKeyChoiceTest, SharedDefaultKeyStaysReservedForTheOtherSwitch) {
  CKeySet keys = ProgramKeys();
  keys.Reserve("Num5");
  CSwitchKeyChoice choice(keys, "Num5", "Num5");
  choice.Pick(0, "F11", keys);
  EXPECT_TRUE(keys.InUse(101));  // switch 2 still has Num5
  choice.Pick(1, "F12", keys);
  EXPECT_FALSE(keys.InUse(101));
  choice.Pick(2, "Tab", keys);  // no such list
  EXPECT_FALSE(keys.InUse(9));
}

}  // namespace
}  // namespace vorelio
