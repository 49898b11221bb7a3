// The exceptions file of a voice: which lines are taken, what is written,
// and where the file lies.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>

#include "platform/sim/FaultyFileSystem.h"
#include "platform/sim/MemoryFileSystem.h"
#include "speech/SpeechExceptionSet.h"

namespace vorelio::testing {
namespace {

using Pairs = std::map<std::string, std::string>;

Pairs Read(std::string_view contents) {
  SpeechExceptionSet set;
  set.ReadFrom(contents);
  return {set.begin(), set.end()};
}

TEST(SpeechExceptionSetTest, TakesLinesThatSplitIntoTextAndReplacement) {
  // Each line alone, then what it gives ({} when it is ignored).
  const std::pair<std::string_view, Pairs> cases[] = {
      {"Sr.:Senhor\n", {{"Sr.", "Senhor"}}},
      {"Sr.:Senhor", {{"Sr.", "Senhor"}}},        // no final line end
      {"Sr.:Senhor\r\n", {{"Sr.", "Senhor"}}},    // written on Windows
      {"Sr.:::Senhor\n", {{"Sr.", "Senhor"}}},    // a run of ":" is one separator
      {":Sr.:Senhor\n", {{"Sr.", "Senhor"}}},     // empty pieces are dropped
      {"Sr.: Senhor \n", {{"Sr.", " Senhor "}}},  // blanks are kept
      {"S\xe3o:San\n", {{"S\xe3o", "San"}}},      // Windows-1252 as it is
      {"Sr.:\n", {{"Sr.", ""}}},                  // a new exception, not yet replaced
      {"Sr.:", {{"Sr.", ""}}},                    // the same without the line end
      {"Sr.:\r\n", {{"Sr.", ""}}},
      {"Sr.:Sen:hor\n", {}},  // three pieces
      {"Sr.:Senhor:\n", {}},  // the line end makes a third
      {":Senhor\n", {}},      // one piece
      {"Senhor\n", {}},
      {":\n", {}},
      {"\n", {}},
      {"", {}},
      {std::string_view("Sr.:Sen\0hor:x\n", 14), {{"Sr.", "Sen"}}},  // a NUL ends the line
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(Read(line), expected) << line;
}

TEST(SpeechExceptionSetTest, ReadsEveryLineOfAFileWholeAndKeepsTheLastOfATextTwice) {
  const std::string longReplacement(1500, 'a');  // longer than any line buffer
  const std::string contents =
      "Sr.:Senhor\n"
      "lixo\n"
      "Dr.:Doutor\n"
      "Sr.:Senhorio\n"
      "km:" +
      longReplacement +
      "\n"
      "a:b:c\n";
  EXPECT_EQ(Read(contents),
            (Pairs{{"Dr.", "Doutor"}, {"Sr.", "Senhorio"}, {"km", longReplacement}}));
}

TEST(SpeechExceptionSetTest, WritesOneLinePerExceptionInTheOrderOfTheTexts) {
  SpeechExceptionSet set;
  ASSERT_TRUE(set.Set("Sr.", "Senhor"));
  ASSERT_TRUE(set.Set("Dr.", "Doutor"));
  ASSERT_TRUE(set.Set("km", ""));
  ASSERT_TRUE(set.Set("Sr.", "Senhorio"));
  EXPECT_EQ(set.Text(), "Dr.:Doutor\nSr.:Senhorio\nkm:\n");
  ASSERT_TRUE(set.Remove("Dr."));
  EXPECT_FALSE(set.Remove("Dr."));
  EXPECT_EQ(set.Text(), "Sr.:Senhorio\nkm:\n");
}

TEST(SpeechExceptionSetTest, RefusesWhatTheFileCouldNotGiveBack) {
  const std::pair<std::string_view, std::string_view> refused[] = {
      {"", "nada"},
      {"a:b", "x"},
      {"a", "x:y"},
      {"a\nb", "x"},
      {"a", "x\ny"},
      {"a", "x\r"},
      {std::string_view("a\0b", 3), "x"},
      {"a", std::string_view("x\0", 2)},
  };
  SpeechExceptionSet set;
  for (const auto& [text, replacement] : refused) {
    EXPECT_FALSE(SpeechExceptionSet::CanHold(text, replacement)) << text << " " << replacement;
    EXPECT_FALSE(set.Set(text, replacement)) << text << " " << replacement;
  }
  EXPECT_TRUE(set.Empty());
  EXPECT_TRUE(set.Set("a\r", "x\ry"));  // a carriage return inside is kept
  EXPECT_EQ(Read(set.Text()), (Pairs{{"a\r", "x\ry"}}));
}

// Random exceptions the file can hold read back as they were written,
// against a std::map kept beside the set.
TEST(SpeechExceptionSetTest, RandomExceptionsSurviveTheirFile) {
  std::mt19937 random(7);
  const std::string alphabet("ab :\r\n\xe7\xe3.\0", 10);
  auto randomPart = [&](int longest) {
    std::string part(random() % (longest + 1), ' ');
    for (char& c : part) c = alphabet[random() % alphabet.size()];
    return part;
  };
  for (int round = 0; round < 200; ++round) {
    SpeechExceptionSet set;
    Pairs expected;
    for (int entry = 0; entry < 8; ++entry) {
      const std::string text = randomPart(4);
      const std::string replacement = randomPart(6);
      const bool holdable = SpeechExceptionSet::CanHold(text, replacement);
      ASSERT_EQ(set.Set(text, replacement), holdable);
      if (holdable) expected[text] = replacement;
    }
    ASSERT_EQ(Read(set.Text()), expected) << set.Text();
  }
}

TEST(SpeechExceptionSetTest, LiesInTheDataFolderUnderTheVoiceDescription) {
  EXPECT_EQ(SpeechExceptionsPath("/dados", "Portuguese (Portugal)"),
            "/dados/Portuguese (Portugal)_text_exceptions.txt");
  EXPECT_EQ(SpeechExceptionsPath("/dados/", "Voz a/b\\c"), "/dados/Voz a_b_c_text_exceptions.txt");
}

TEST(SpeechExceptionSetTest, LoadingAMissingFileCreatesItEmpty) {
  MemoryFileSystem files;
  files.AddFolder("/dados");
  SpeechExceptionSet set;
  ASSERT_TRUE(set.Set("velho", "antigo"));
  set.Load(files, "/dados/voz_text_exceptions.txt");
  EXPECT_TRUE(set.Empty());
  EXPECT_EQ(files.ReadFile("/dados/voz_text_exceptions.txt"), "");

  FaultyFileSystem unreadable(files);
  files.AddFile("/dados/outra_text_exceptions.txt", "Sr.:Senhor\n");
  unreadable.FailNext(FileOperation::kRead);
  set.Load(unreadable, "/dados/outra_text_exceptions.txt");
  EXPECT_TRUE(set.Empty());
  EXPECT_EQ(files.ReadFile("/dados/outra_text_exceptions.txt"), "Sr.:Senhor\n");  // untouched
}

TEST(SpeechExceptionSetTest, SavingReplacesTheFileOrLeavesItWhole) {
  MemoryFileSystem files;
  const std::string path = "/dados/voz_text_exceptions.txt";
  files.AddFile(path, "Sr.:Senhor\n");
  SpeechExceptionSet set;
  set.Load(files, path);
  ASSERT_TRUE(set.Set("Dr.", "Doutor"));
  ASSERT_TRUE(set.Save(files, path));
  EXPECT_EQ(files.ReadFile(path), "Dr.:Doutor\nSr.:Senhor\n");

  files.SetPermissions(path, 0444);  // the user made it read-only
  ASSERT_TRUE(set.Set("km", "quil\xf3metros"));
  EXPECT_FALSE(set.Save(files, path));
  EXPECT_EQ(files.ReadFile(path), "Dr.:Doutor\nSr.:Senhor\n");
}

}  // namespace
}  // namespace vorelio::testing
