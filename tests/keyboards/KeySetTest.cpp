// The key set's two-way table and flags, and the program's key names.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "keyboards/KeySet.h"
#include "keyboards/ProgramKeys.h"

namespace vorelio {
namespace {

using Names = std::vector<std::string>;

// Taken names and codes are refused by the randomized test below; these are
// the refusals it never draws.
TEST(KeySetTest, AddRefusesNoNameAndCodesOutsideTheFlagsAndReserveIgnoresUnknowns) {
  CKeySet keys;
  EXPECT_TRUE(keys.Add("Enter", 13, true));
  EXPECT_FALSE(keys.Add("", 15));
  EXPECT_FALSE(keys.Add("Big", 256));
  EXPECT_FALSE(keys.Add("Negative", -1));
  EXPECT_EQ(keys.AllNames(), Names{"Enter"});
  EXPECT_FALSE(keys.NameOf(1000));
  EXPECT_FALSE(keys.InUse(999));
  EXPECT_FALSE(keys.CodeOf("enter"));  // names match exactly

  keys.Add("Tab", 9);
  keys.Add("F11", 122);
  keys.Reserve("Tab");
  keys.Reserve("Unknown");   // ignored
  keys.ReserveCode(300);     // ignored
  keys.ReserveCode(200);     // a code without a name: flag set, no name listed
  EXPECT_TRUE(keys.InUse(200));
  EXPECT_EQ(keys.FreeNames(), Names{"F11"});

  CKeySet copy = keys;
  copy.Release("Tab");
  EXPECT_EQ(copy.FreeNames(), (Names{"Tab", "F11"}));
  EXPECT_EQ(keys.FreeNames(), Names{"F11"});  // the original is untouched
}

TEST(KeySetTest, ProgramTableOrdersNamesByCode) {
  CKeySet keys;
  keys.Add("stale", 7);
  FillProgramKeySet(keys);
  EXPECT_FALSE(keys.CodeOf("stale"));  // filled from empty

  // Tab (9) before Pgup (33) before the numeric keypad and F11 (122).
  const Names expectedFree = {"Tab",  "Pgup", "Pgdown", "End",  "Home", "Ins",  "Del",
                              "Num0", "Num1", "Num2",   "Num3", "Num4", "Num5", "Num6",
                              "Num7", "Num8", "Num9",   "F11",  "F12"};
  EXPECT_EQ(keys.FreeNames(), expectedFree);

  // Letters and digits are characters; the others are not.
  EXPECT_EQ(keys.CodeOf("z"), 90);
  EXPECT_FALSE(keys.CodeOf("A"));
  EXPECT_TRUE(keys.IsCharacter(65));
  EXPECT_TRUE(keys.IsCharacter(57));
  EXPECT_FALSE(keys.IsCharacter(13));
}

// Random additions and reservations against a plain reference: a map from
// name to code with first-come ownership of codes.
TEST(KeySetTest, RandomOperationsMatchAReference) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 50; ++round) {
    CKeySet keys;
    std::map<std::string, int> codeByName;
    std::map<int, bool> inUse;
    for (int step = 0; step < 200; ++step) {
      const std::string name(1, static_cast<char>('a' + random() % 20));
      const int code = static_cast<int>(random() % 40);
      switch (random() % 3) {
        case 0: {
          bool codeTaken = false;
          for (const auto& [_, taken] : codeByName) codeTaken |= taken == code;
          const bool expected = !codeByName.contains(name) && !codeTaken;
          const bool inUseFlag = random() % 2;
          EXPECT_EQ(keys.Add(name, code, inUseFlag), expected);
          if (expected) {
            codeByName[name] = code;
            inUse[code] = inUseFlag;
          }
          break;
        }
        case 1:
          keys.Reserve(name);
          if (codeByName.contains(name)) inUse[codeByName[name]] = true;
          break;
        default:
          keys.Release(name);
          if (codeByName.contains(name)) inUse[codeByName[name]] = false;
      }
    }
    std::map<int, std::string> nameByCode;
    for (const auto& [name, code] : codeByName) nameByCode[code] = name;
    Names all, free;
    for (const auto& [code, name] : nameByCode) {
      all.push_back(name);
      if (!inUse[code]) free.push_back(name);
      EXPECT_EQ(keys.CodeOf(name), code);
      EXPECT_EQ(keys.NameOf(code), name);
    }
    EXPECT_EQ(keys.AllNames(), all);
    EXPECT_EQ(keys.FreeNames(), free);
  }
}

}  // namespace
}  // namespace vorelio
