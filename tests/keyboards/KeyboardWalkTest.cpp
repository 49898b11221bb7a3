// The walks over lines and groups that hold keys.
#include "keyboards/KeyboardWalk.h"

#include <gtest/gtest.h>

#include "FakeKeyboard.h"

namespace vorelio {
namespace {

using testing::FakeKeyboard;

// Line 0: only an empty group; line 1: keys in groups 1 and 3; line 2: no
// groups; line 3: keys in group 0; line 4: only empty groups.
FakeKeyboard Gappy() { return FakeKeyboard({{0}, {0, 2, 0, 1}, {}, {3}, {0, 0}}); }

// The scanner's tests walk ordinary keyboards; these are the edges: places
// out of range, the only group, and keyboards with no keys at all.
TEST(KeyboardWalkTest, PlacesWithoutKeysAreSteppedOverAndTheWalkWraps) {
  const FakeKeyboard keyboard = Gappy();
  EXPECT_FALSE(LineHasKeys(keyboard, 0));
  EXPECT_FALSE(LineHasKeys(keyboard, 7));
  EXPECT_EQ(LinesWithKeysCount(keyboard), 2);
  EXPECT_EQ(FirstLineWithKeys(keyboard), 1);
  EXPECT_EQ(NextLineWithKeys(keyboard, 2), 3);
  EXPECT_EQ(NextLineWithKeys(keyboard, 3), 1);  // wraps past the empty line 4
  EXPECT_EQ(NextLineWithKeys(keyboard, -1), 1);
  EXPECT_EQ(NextLineWithKeys(keyboard, 99), 1);

  EXPECT_EQ(GroupsWithKeysCount(keyboard, 1), 2);
  EXPECT_EQ(FirstGroupWithKeys(keyboard, 1), 1);
  EXPECT_EQ(NextGroupWithKeys(keyboard, 1, 3), 1);
  EXPECT_EQ(NextGroupWithKeys(keyboard, 1, 0), 1);
  EXPECT_EQ(NextGroupWithKeys(keyboard, 3, 0), 0);  // the only group follows itself
  EXPECT_FALSE(GroupHasKeys(keyboard, 1, 9));
}

TEST(KeyboardWalkTest, NothingIsFoundWhereNoKeysAre) {
  const FakeKeyboard keyboard = Gappy();
  EXPECT_EQ(GroupsWithKeysCount(keyboard, 4), 0);
  EXPECT_FALSE(FirstGroupWithKeys(keyboard, 4));
  EXPECT_FALSE(NextGroupWithKeys(keyboard, 2, -1));
  EXPECT_FALSE(FirstGroupWithKeys(keyboard, -1));
  for (const FakeKeyboard& empty : {FakeKeyboard({}), FakeKeyboard({{0, 0}, {}})}) {
    EXPECT_EQ(LinesWithKeysCount(empty), 0);
    EXPECT_FALSE(FirstLineWithKeys(empty));
    EXPECT_FALSE(NextLineWithKeys(empty, 0));
  }
}

}  // namespace
}  // namespace vorelio
