#include "tools/dictionary-builder/CliticForms.h"

#include <gtest/gtest.h>

namespace vorelio::builder {
namespace {

TEST(CliticSharesTest, APronounTakesTheShareItHasAfterVerbFormsEndingAlike) {
  CliticShares shares;
  // "-ou" forms: 1,000 occurrences, 100 of them followed by "-se".
  shares.AddVerbForm("sentou", 600);
  shares.AddVerbForm("levantou", 400);
  shares.AddCliticForm("sentou", "se", 100);
  // "-ado" forms: participles, never with a pronoun.
  shares.AddVerbForm("sentado", 900);

  EXPECT_DOUBLE_EQ(shares.ExpectedCount("deitou", 50, "se"), 5.0);
  EXPECT_DOUBLE_EQ(shares.ExpectedCount("levantou", 400, "se"), 40.0);
  // Not seen after this ending, or this pronoun never seen: nothing.
  EXPECT_EQ(shares.ExpectedCount("deitado", 50, "se"), 0.0);
  EXPECT_EQ(shares.ExpectedCount("deitou", 50, "lhe"), 0.0);
  EXPECT_EQ(shares.ExpectedCount("deitou", 0, "se"), 0.0);
}

TEST(CliticSharesTest, EndingsKeepPersonsApart) {
  CliticShares shares;
  // "sentamo-nos" drops the "s": the plain "-mos" forms never take "-nos",
  // so "sentamos-nos" is never proposed, while "-am" forms do take "-nos".
  shares.AddVerbForm("sentamos", 100);
  shares.AddVerbForm("deram", 100);
  shares.AddCliticForm("deram", "nos", 10);
  EXPECT_EQ(shares.ExpectedCount("levantamos", 100, "nos"), 0.0);
  EXPECT_DOUBLE_EQ(shares.ExpectedCount("levaram", 100, "nos"), 10.0);
  // A short form is its own ending.
  shares.AddVerbForm("vi", 100);
  shares.AddCliticForm("vi", "te", 20);
  EXPECT_DOUBLE_EQ(shares.ExpectedCount("vi", 50, "te"), 10.0);
}

}  // namespace
}  // namespace vorelio::builder
