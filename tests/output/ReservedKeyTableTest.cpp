#include "output/ReservedKeyTable.h"

#include <gtest/gtest.h>

namespace vorelio {
namespace {

TEST(ReservedKeyTableTest, KeepsTwentyEntriesAsTheHookLibraryDoes) {
  ReservedKeyTable table;
  // A code added twice takes two entries: one deletion leaves it held.
  table.Add(0x70);
  table.Add(0x70);
  table.Delete(0x70);
  EXPECT_TRUE(table.Holds(0x70));
  table.Delete(0x70);
  EXPECT_FALSE(table.Holds(0x70));

  // A full table takes no more codes until an entry is freed.
  for (int code = 1; code <= 20; ++code) table.Add(code);
  table.Add(21);
  EXPECT_FALSE(table.Holds(21));
  EXPECT_TRUE(table.Holds(20));
  table.Delete(5);
  table.Add(21);
  EXPECT_TRUE(table.Holds(21));
  // A free entry is no key.
  EXPECT_FALSE(table.Holds(-1));
  table.Clear();
  EXPECT_FALSE(table.Holds(1));
}

}  // namespace
}  // namespace vorelio
