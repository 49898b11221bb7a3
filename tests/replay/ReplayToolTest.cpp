// predarin-replay as a person runs it: the example script of the README on
// the shipped data, and the exit codes and messages of what it refuses.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

namespace vorelio::testing {
namespace {

const std::string kTool = VORELIO_REPLAY_TOOL;
const std::string kData = std::string("'") + VORELIO_DATA_DIR + "'";

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST(ReplayToolTest, TheExampleWritesItsSentenceWithTwoCompletions) {
  const ToolRun run = RunTool(
      kTool, "--data " + kData + " '" VORELIO_REPLAY_EXAMPLES "/hoje-quero-comer-sopa.replay'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(Count(run.output, "  editor: \"Hoje quero comer sopa.|\"\n"), 3u) << run.output;
  EXPECT_EQ(Count(run.output, "PREDICTED_WORD_SELECTION_"), 2u);
  EXPECT_EQ(Count(run.output, "LEFT_MOUSE_DOWN_KEY PREDICTED_WORD_SELECTION_quero 0.0.0"), 1u);
  EXPECT_EQ(Count(run.output, "LEFT_MOUSE_DOWN_KEY PREDICTED_WORD_SELECTION_comer 0.0.0"), 1u);
  EXPECT_EQ(Count(run.output, "NEW_SENTENCE SENTENCE_Hoje_quero_comer_sopa."), 1u);
  EXPECT_EQ(Count(run.output, "  Numero_Palavras_Completadas 2\n"), 1u);
}

TEST(ReplayToolTest, AStepThatCannotBeCarriedOutEndsTheRunWithItsLineAndTheSessionSoFar) {
  TempFolder scripts;
  scripts.Write("s", "app editor\ntype bom\nsentence 3\ntype never\n");
  const ToolRun run = RunTool(kTool, "--data " + kData + " " + scripts.File("s"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("line 3: the keyboard QwertySimples has 2 sentence suggestion keys, "
                            "not 3\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("never"), std::string::npos);
  EXPECT_NE(run.output.find("end\n  editor: \"bom|\"\n"), std::string::npos);
  EXPECT_NE(run.output.find("CHAR_b CHAR"), std::string::npos);
}

TEST(ReplayToolTest, WhatCannotBeReplayedIsRefusedWithExitCode2) {
  TempFolder scripts;
  std::string noise;
  for (int i = 0; i < 2048; ++i) noise += static_cast<char>((i * 131 + 7) % 256);
  scripts.Write("noise", noise);
  scripts.Write("bad", "app editor\n\nwait soon\n");
  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"", "--data DIR is required"},
      {"--data " + kData, "SCRIPT is required"},
      {"--data " + kData + " a b", "unknown or incomplete argument: b"},
      {"--data /no/such/folder " + scripts.File("bad"), "data folder not found: /no/such/folder"},
      {"--data " + kData + " --profile ninguem " + scripts.File("bad"), "no profile ninguem in"},
      {"--data " + kData + " --set NADA=1 " + scripts.File("bad"), "unknown option key: NADA"},
      {"--data " + kData + " " + scripts.File("missing"), "cannot read the script"},
      {"--data " + kData + " " + scripts.File("bad"), "line 3: 'wait' takes milliseconds"},
      {"--data " + kData + " - < " + scripts.File("bad"), "line 3: 'wait' takes milliseconds"},
      {"--data " + kData + " - < " + scripts.File("noise"), "line 1: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const ToolRun run = RunTool(kTool, c.arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("replay of profile"), std::string::npos);  // nothing ran
  }
}

}  // namespace
}  // namespace vorelio::testing
