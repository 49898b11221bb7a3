#include "prediction/TextFileLearner.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

#include "TestSupport.h"
#include "common/Text.h"
#include "prediction/AdaptationCommands.h"

namespace vorelio {
namespace {

using testing::TempFolder;

// Every user word, user word pair, user sentence and user sentence pair.
struct Learned {
  std::map<std::string, int32_t> words, sentences;
  std::map<std::pair<std::string, std::string>, int32_t> wordPairs, sentencePairs;
};

Learned LearnedBy(const CDictionary& dictionary) {
  Learned learned;
  for (const CWord& word : dictionary.Words()) {
    if (word.userFrequency != 0) learned.words[word.text] = word.userFrequency;
    for (const CNextWord& next : word.successors)
      if (next.userFrequency != 0) learned.wordPairs[{word.text, next.text}] = next.userFrequency;
  }
  for (const CSentence& sentence : dictionary.Sentences()) {
    if (sentence.userFrequency != 0) learned.sentences[sentence.text] = sentence.userFrequency;
    for (const CNextSentence& next : sentence.successors)
      if (next.userFrequency != 0)
        learned.sentencePairs[{sentence.text, next.text}] = next.userFrequency;
  }
  return learned;
}

class TextFileLearnerTest : public ::testing::Test {
 protected:
  TempFolder folder;
  RecordingMessageBox messages;
  CDictionary dictionary{testing::DiskFiles(), messages};
};

TEST_F(TextFileLearnerTest, TwoLineTextGivesItsSentencesAndPairs) {
  // The same text in UTF-8 and in Windows-1252 teaches the same.
  for (const std::string_view text :
       {std::string_view("Ol\xC3\xA1 mundo.\nTudo bem? Sim.\n"),
        std::string_view("Ol\xE1 mundo.\nTudo bem? Sim.\n")}) {
    RecordingMessageBox messages;
    CDictionary dictionary(testing::DiskFiles(), messages);
    ASSERT_TRUE(LearnFromTextFile(dictionary, folder.Write("texto.txt", text)));
    const Learned learned = LearnedBy(dictionary);
    const std::map<std::string, int32_t> words = {
        {"ol\xE1", 1}, {"mundo", 1}, {"tudo", 1}, {"bem", 1}, {"sim", 1}};
    const std::map<std::string, int32_t> sentences = {
        {"ol\xE1 mundo.", 1}, {"tudo bem?", 1}, {"sim.", 1}};
    const std::map<std::pair<std::string, std::string>, int32_t> wordPairs = {
        {{"ol\xE1", "mundo"}, 1}, {{"tudo", "bem"}, 1}, {{"bem", "sim"}, 1}};
    const std::map<std::pair<std::string, std::string>, int32_t> sentencePairs = {
        {{"ol\xE1 mundo.", "tudo bem?"}, 1}, {{"tudo bem?", "sim."}, 1}};
    EXPECT_EQ(learned.words, words);
    EXPECT_EQ(learned.sentences, sentences);
    EXPECT_EQ(learned.wordPairs, wordPairs);  // no (mundo, tudo)
    EXPECT_EQ(learned.sentencePairs, sentencePairs);
  }
}

TEST_F(TextFileLearnerTest, RunsOfTerminatorsEndOneSentence) {
  LearnSentencesFromText(dictionary, "Quem?!  Eu... sim\r\n\r\n");
  LearnSentencePairsFromText(dictionary, "Quem?!  Eu... sim\r\n\r\n");
  const Learned learned = LearnedBy(dictionary);
  const std::map<std::string, int32_t> sentences = {
      {"quem?!", 1}, {"eu...", 1}, {"sim ", 1}};
  EXPECT_EQ(learned.sentences, sentences);
  EXPECT_EQ(learned.sentencePairs.size(), 2u);
  EXPECT_EQ(learned.sentencePairs.count({"___", "quem?!"}), 0u);
}

TEST_F(TextFileLearnerTest, MissingFileTeachesNothing) {
  EXPECT_FALSE(LearnFromTextFile(dictionary, folder.File("nada.txt")));
  EXPECT_EQ(dictionary.WordCount(), 0);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserWords).modified);
  EXPECT_TRUE(messages.messages.empty());
}

// Random texts, long lines included, against a plain word-by-word reading.
TEST_F(TextFileLearnerTest, WordsAndPairsMatchAPlainReading) {
  std::mt19937 random(11);
  const std::string_view pieces[] = {"a", "b", "Cd", "\xC9l", "x", " ", " ", ", ", ".", "\t"};
  for (int round = 0; round < 20; ++round) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % 4000);
    // Lines of several hundred characters: longer than a line piece.
    for (int i = 0; i < length; ++i)
      text += random() % 400 == 0 ? "\n" : pieces[random() % std::size(pieces)];

    std::map<std::string, int32_t> words;
    std::map<std::pair<std::string, std::string>, int32_t> pairs;
    std::string word, previous;
    for (const char c : text + "\n") {
      if (!IsSeparator(c)) {
        word += ToLowerCp1252(c);
        continue;
      }
      if (!word.empty()) {
        ++words[word];
        if (!previous.empty()) ++pairs[{previous, word}];
        previous = word;
        word.clear();
      }
      if (c == '\n') previous.clear();
    }

    RecordingMessageBox messages;
    CDictionary dictionary(testing::DiskFiles(), messages);
    LearnWordsFromText(dictionary, text);
    LearnWordPairsFromText(dictionary, text);
    const Learned learned = LearnedBy(dictionary);
    EXPECT_EQ(learned.words, words) << round;
    EXPECT_EQ(learned.wordPairs, pairs) << round;
  }
}

class AdaptationCommandsTest : public TextFileLearnerTest {
 protected:
  FakeClipboard clipboard;
};

TEST_F(AdaptationCommandsTest, LockedSystemRefusesBothCommands) {
  const std::string path = folder.Write("t.txt", "ol\xE1\n");
  clipboard.text = "ol\xE1";
  EXPECT_EQ(AdaptFromTextFile(dictionary, path, false, messages), AdaptationResult::kLocked);
  EXPECT_EQ(AdaptFromClipboard(dictionary, clipboard, folder.Path(), false, messages),
            AdaptationResult::kLocked);
  EXPECT_EQ(messages.messages,
            std::vector<std::string>(2, std::string(kSystemChangesLockedMessage)));
  EXPECT_EQ(dictionary.WordCount(), 0);
  EXPECT_FALSE(folder.Exists("ClipboardFile.tmp"));
}

TEST_F(AdaptationCommandsTest, ClipboardTextOfTenThousandCharactersDoesNotReachTheDictionary) {
  folder.Write("ClipboardFile.tmp", "anterior");
  std::string text;
  while (text.size() < kClipboardTextLimit) text += "longo ";
  text.resize(kClipboardTextLimit);
  clipboard.text = text;
  EXPECT_EQ(AdaptFromClipboard(dictionary, clipboard, folder.Path(), true, messages),
            AdaptationResult::kTextTooLong);
  EXPECT_EQ(dictionary.WordCount(), 0);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserWords).modified);
  EXPECT_EQ(folder.Read("ClipboardFile.tmp"), "anterior");  // the old copy is not learned
  EXPECT_TRUE(messages.messages.empty());

  clipboard.text = text.substr(0, kClipboardTextLimit - 1);
  EXPECT_EQ(AdaptFromClipboard(dictionary, clipboard, folder.Path(), true, messages),
            AdaptationResult::kLearned);
  EXPECT_EQ(folder.Read("ClipboardFile.tmp"), *clipboard.text);  // learned through its copy
  EXPECT_GT(LearnedBy(dictionary).words["longo"], 1000);
  EXPECT_EQ(messages.messages, std::vector<std::string>{std::string(kUserVocabularyLearnedMessage)});
}

}  // namespace
}  // namespace vorelio
