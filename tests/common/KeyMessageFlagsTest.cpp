#include "common/KeyMessageFlags.h"

#include <gtest/gtest.h>

namespace vorelio {
namespace {

TEST(KeyMessageFlagsTest, CarriesTheKeyAsAWindowsKeyMessageDoes) {
  // "A" down: repeat count 1, scan code 0x1E.
  EXPECT_EQ(KeyMessageFlags({.scanCode = 0x1E}), 0x001E0001);
  // Right Alt released: extended, Alt held, previously down, released;
  // negative as the 32-bit value is sign-extended.
  const std::intptr_t flags = KeyMessageFlags({.scanCode = 0x138, .altHeld = true, .released = true});
  EXPECT_EQ(flags, static_cast<std::intptr_t>(static_cast<int32_t>(0xE1380001u)));
  EXPECT_LT(flags, 0);
  EXPECT_EQ(KeyMessageFlags({.extended = true, .wasDown = true}), 0x41000001);
}

}  // namespace
}  // namespace vorelio
