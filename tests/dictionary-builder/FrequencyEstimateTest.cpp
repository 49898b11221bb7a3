#include "tools/dictionary-builder/FrequencyEstimate.h"

#include <gtest/gtest.h>

namespace vorelio::builder {
namespace {

TEST(EstimateFrequencyTest, StaysBetweenOneAndTwentyNineAndFollowsTheExpectation) {
  EXPECT_EQ(EstimateFrequency(0.0), kLowestEstimate + 1);
  EXPECT_EQ(EstimateFrequency(-5.0), EstimateFrequency(0.0));
  EXPECT_EQ(EstimateFrequency(1e300), kHighestEstimate);
  EXPECT_LT(kHighestEstimate, 30);  // below every attested word
  int64_t previous = 0;
  for (double expected = 0.0; expected < 1e9; expected = expected * 1.7 + 0.01) {
    const int64_t frequency = EstimateFrequency(expected);
    EXPECT_GE(frequency, kLowestEstimate);
    EXPECT_LE(frequency, kHighestEstimate);
    EXPECT_GE(frequency, previous) << expected;
    previous = frequency;
  }
  EXPECT_LT(EstimateFrequency(1.0), EstimateFrequency(100.0));
}

TEST(DerivationSharesTest, FormsMadeLikeAttestedOnesAndFromFrequentStemsComeFirst) {
  DerivationShares shares;
  // Derivation 1 ("-ou") is attested on every stem, derivation 2
  // ("-ásseis") never; derivation 0 (the stem itself) half the time.
  for (int stem = 0; stem < 100; ++stem) {
    shares.AddForm(1, 10000, 2000);
    shares.AddForm(2, 10000, 0);
    shares.AddForm(0, 10000, stem % 2 ? 1000 : 0);
  }
  EXPECT_GT(shares.ExpectedCount(1, 1000), shares.ExpectedCount(0, 1000));
  EXPECT_GT(shares.ExpectedCount(0, 1000), shares.ExpectedCount(2, 1000));
  EXPECT_GT(shares.ExpectedCount(1, 100000), shares.ExpectedCount(1, 1000));
  // A stem no corpus attests and an unknown derivation still expect
  // something, however little.
  EXPECT_GT(shares.ExpectedCount(1, 0), 0.0);
  EXPECT_GT(shares.ExpectedCount(77, 0), 0.0);
  EXPECT_GT(shares.ExpectedCountWithoutStem(), 0.0);
  EXPECT_LT(shares.ExpectedCount(77, 0), shares.ExpectedCount(1, 0));
}

TEST(ChooseEstimatedFormsTest, KeepsTheMostExpectedThenTheShorterWithinTheRoom) {
  const std::vector<EstimatedForm> chosen = ChooseEstimatedForms(
      {{"longa", 5}, {"zz", 5}, {"aa", 5}, {"rara", 2}, {"comum", 9}, {"media", 7}}, 4);
  ASSERT_EQ(chosen.size(), 4u);
  EXPECT_EQ(chosen[0].text, "comum");
  EXPECT_EQ(chosen[1].text, "media");
  EXPECT_EQ(chosen[2].text, "aa");
  EXPECT_EQ(chosen[3].text, "zz");
  EXPECT_TRUE(ChooseEstimatedForms({{"a", 1}}, 0).empty());
  EXPECT_EQ(ChooseEstimatedForms({{"a", 1}}, 10).size(), 1u);
}

}  // namespace
}  // namespace vorelio::builder
