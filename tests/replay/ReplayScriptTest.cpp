// Reading replay scripts: every step, texts kept as typed, and the line of
// the first thing that is not a step.
#include "tools/replay/ReplayScript.h"

#include <gtest/gtest.h>

namespace vorelio {
namespace {

TEST(ReplayScriptTest, EveryStepReadsWithItsArguments) {
  const ReplayScript script = ParseReplayScript(
      "# a session\n"
      "app editor\n"
      "\n"
      "type  bom dia \n"
      "key Enter\r\n"
      "   click 2.1.5 right\n"
      "click 0.0.0\n"
      "word 1\n"
      "sentence 2\n"
      "switch 1 down\n"
      "switch 2 press\n"
      "wait 300\n"
      "show");
  ASSERT_EQ(script.error, "");
  ASSERT_EQ(script.steps.size(), 11u);
  EXPECT_EQ(script.steps[0].action, ReplayAction::kApplication);
  EXPECT_EQ(script.steps[0].text, "editor");
  EXPECT_EQ(script.steps[0].line, 2);
  EXPECT_EQ(script.steps[1].action, ReplayAction::kType);
  EXPECT_EQ(script.steps[1].text, " bom dia ");  // blanks after the first are typed
  EXPECT_EQ(script.steps[2].text, "Enter");
  EXPECT_EQ(script.steps[3].key, (COnScreenKeyIdentifier{2, 1, 5}));
  EXPECT_EQ(script.steps[3].button, MouseButton::kRight);
  EXPECT_EQ(script.steps[4].button, MouseButton::kLeft);
  EXPECT_EQ(script.steps[5].action, ReplayAction::kWordSuggestion);
  EXPECT_EQ(script.steps[6].number, 2);
  EXPECT_EQ(script.steps[7].action, ReplayAction::kSwitchDown);
  EXPECT_EQ(script.steps[8].action, ReplayAction::kSwitchPress);
  EXPECT_EQ(script.steps[8].number, 2);
  EXPECT_EQ(script.steps[9].number, 300);
  EXPECT_EQ(script.steps[10].action, ReplayAction::kShow);
}

TEST(ReplayScriptTest, Utf8TextsBecomeWindows1252) {
  const ReplayScript script = ParseReplayScript("type n\xc3\xa3o \xc3\xa9 p\xc3\xa3o\n");
  ASSERT_EQ(script.steps.size(), 1u);
  EXPECT_EQ(script.steps[0].text, "n\xe3o \xe9 p\xe3o");
}

TEST(ReplayScriptTest, TheFirstLineThatIsNoStepIsNamedAndNothingRuns) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"app a\nfly away\n", "line 2: unknown step 'fly'"},
      {"type\n", "line 1: 'type' needs a text"},
      {"click 1.2\n", "line 1: 'click' takes a key as L.G.K and, optionally, right or middle"},
      {"click 1.2.256\n", "line 1: 'click' takes a key as L.G.K and, optionally, right or middle"},
      {"click 1.2.3 left twice\n", "line 1: 'click' takes a key as L.G.K and, optionally, right or middle"},
      {"click 1.2.3 up\n", "line 1: 'click' takes right or middle after the key, not 'up'"},
      {"word 0\n", "line 1: 'word' takes a number from 1 to 100"},
      {"sentence x\n", "line 1: 'sentence' takes a number from 1 to 100"},
      {"switch 3 down\n", "line 1: 'switch' takes 1 or 2 and down, up or press"},
      {"switch 1\n", "line 1: 'switch' takes 1 or 2 and down, up or press"},
      {"wait -100\n", "line 1: 'wait' takes milliseconds, from 0 to 86400000"},
      {"wait 99999999999\n", "line 1: 'wait' takes milliseconds, from 0 to 86400000"},
      {"key\n", "line 1: 'key' takes one name"},
      {"app two words\n", "line 1: 'app' takes one name"},
      {"show now\n", "line 1: 'show' takes nothing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const ReplayScript script = ParseReplayScript(c.script);
    EXPECT_EQ(script.error, c.error);
    EXPECT_TRUE(script.steps.empty());
  }
}

TEST(ReplayScriptTest, GarbageIsRefusedWithoutHarm) {
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 131 + 7) % 256);
  const ReplayScript script = ParseReplayScript(noise);
  EXPECT_FALSE(script.error.empty());
  EXPECT_TRUE(script.steps.empty());
  EXPECT_TRUE(ParseReplayScript("").error.empty());
  EXPECT_TRUE(ParseReplayScript(std::string("type a\0b\n", 9)).error.empty());
}

}  // namespace
}  // namespace vorelio
