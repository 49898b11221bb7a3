#include "tools/dictionary-builder/DictionaryWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

TEST(DictionaryWriterTest, WordsInUnsignedByteOrderWithBarsForSpaces) {
  const std::string file = FormatWordFile({{W("água"), 5, "NOUN"},
                                           {"zebra", 2, ""},
                                           {"casaco", 3, "NOUN"},
                                           {"casa de banho", 4, ""},
                                           {"___", 9, ""},
                                           {"[casa de banho]", 4, ""},
                                           {"bad|entry", 1, ""},
                                           {"zebra", 1, "NOUN"}});
  // Accented letters after z; "casa de banho" before "casaco" as the program
  // holds them, although "|" sorts after "c".
  EXPECT_EQ(file, W("[casa|de|banho] 4\n"
                    "___ 9\n"
                    "casa|de|banho 4\n"
                    "casaco 3 NOUN\n"
                    "zebra 3 NOUN\n"
                    "água 5 NOUN\n"));
}

TEST(DictionaryWriterTest, PairsAreGroupedByFirstEntryWithSecondsAscending) {
  const std::string file = FormatPairFile({{"casa", W("é"), 1},
                                           {"casa", "de banho", 2},
                                           {"___", "casa", 3},
                                           {"casa", "azul", 4},
                                           {"casa", "azul", 1},
                                           {"a", "casa", 6}});
  EXPECT_EQ(file, W("___ casa 3\n"
                    "a casa 6\n"
                    "casa azul 5\n"
                    "casa de|banho 2\n"
                    "casa é 1\n"));
}

TEST(DictionaryWriterTest, RandomEntriesComeOutSortedAndComplete) {
  std::mt19937 random(7);
  const std::string letters = W("a zçáé_[");
  std::set<std::string, ByteLess> reference;
  std::vector<SentenceEntry> sentences;
  for (int i = 0; i < 2000; ++i) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % 6);
    for (int j = 0; j < length; ++j) text += letters[random() % letters.size()];
    reference.insert(text);
    sentences.push_back({text, 1});
  }
  const std::string file = FormatSentenceFile(sentences);
  std::vector<std::string> read;
  std::size_t start = 0;
  while (start < file.size()) {
    const std::size_t end = file.find('\n', start);
    std::string line = file.substr(start, end - start);
    line.resize(line.rfind(' '));
    std::replace(line.begin(), line.end(), '|', ' ');
    read.push_back(line);
    start = end + 1;
  }
  EXPECT_EQ(read, std::vector<std::string>(reference.begin(), reference.end()));
}

TEST(DictionaryWriterTest, ClassFilesAndClamping) {
  EXPECT_EQ(FormatClassFile({{"NOUN", 5}, {"ADP+DET", 7}, {"ADJ", 5}, {"VERB", 1}}, 3),
            "ADP+DET 7\nADJ 5\nNOUN 5\n");
  EXPECT_EQ(FormatClassPairFile({{{"DET", "NOUN"}, 3}, {{"ADP", "DET"}, 2}}),
            "ADP DET 2\nDET NOUN 3\n");
  EXPECT_EQ(FormatWordFile({{"que", 5'000'000'000LL, ""}}), "que 2147483647\n");
}

}  // namespace
}  // namespace vorelio::builder
