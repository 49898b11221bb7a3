// The general dictionary shipped in data/, loaded as the program loads it.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "common/Text.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"
#include "prediction/Suggestions.h"

namespace vorelio {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

class ShippedDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string folder = std::string(VORELIO_DATA_DIR) + "/";
    if (!std::filesystem::exists(folder + "geral.pal")) {
      GTEST_SKIP() << "no general dictionary in " << folder << "; run scripts/build-dictionary.sh";
    }
    dictionary_.Load(DictionaryFile::kGeneralWords, folder + "geral.pal");
    dictionary_.Load(DictionaryFile::kGeneralWordPairs, folder + "geral.par");
    dictionary_.LoadClasses(folder + "geral.cg");
    dictionary_.LoadClassPairs(folder + "geral.pcg");
    dictionary_.Load(DictionaryFile::kGeneralSentences, folder + "geral.frs");
    dictionary_.Load(DictionaryFile::kGeneralSentencePairs, folder + "geral.paf");
  }

  RecordingMessageBox messages_;
  CDictionary dictionary_{testing::DiskFiles(), messages_};
};

TEST_F(ShippedDictionaryTest, LoadsCompletelyAndLeavesRoomForTheUser) {
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_GT(dictionary_.WordCount(), 20000);
  EXPECT_LE(dictionary_.WordCount(), 200000);  // 50,000 slots stay free
  EXPECT_GT(dictionary_.SentenceCount(), 1000);
  EXPECT_GT(dictionary_.GeneralPairTotal(), 0);
  EXPECT_GT(dictionary_.GeneralSentencePairTotal(), 0);
  EXPECT_GT(dictionary_.Classes().Count(), 10);
  EXPECT_GT(dictionary_.ClassPairFrequency("DET", "NOUN"), 0);
  EXPECT_TRUE(std::is_sorted(dictionary_.Words().begin(), dictionary_.Words().end(),
                             [](const CWord& a, const CWord& b) { return a.text < b.text; }));
}

TEST_F(ShippedDictionaryTest, TextsAndSentencesCanStartFromTheStartOfTextWord) {
  CDictionaryNextWordSet successors(kSuccessorCapacity);
  EXPECT_GT(dictionary_.SuccessorRecordsOfWord("___", successors), 100);
  CDictionaryNextSentenceSet sentences(kSuccessorCapacity);
  EXPECT_GT(dictionary_.SuccessorRecordsOfSentence("___", sentences), 100);
}

TEST_F(ShippedDictionaryTest, CurrentEuropeanSpellingWithoutJunk) {
  for (const char* word : {"ação", "ações", "objetivos", "ótimo", "você", "obrigado", "casa",
                           "telemóvel", "autocarro", "facto", "disse-lhe", "[casa de banho]", "tv",
                           "sms", "chamando", "infraestruturas", "realizaram-se"}) {
    EXPECT_FALSE(dictionary_.FindWord(W(word)).IsNone()) << word;
  }
  for (const char* word : {"acção", "acções", "objectivos", "óptimo", "sr.", "sr", "charlie",
                           "the", "garota", "merda", "1ah08", "nao", "hmm", "infra-estruturas",
                           "sentamos-nos", "realizado-se"}) {
    EXPECT_TRUE(dictionary_.FindWord(W(word)).IsNone()) << word;
  }
  EXPECT_EQ(dictionary_.FindWord("do")->wordClass, "ADP+DET");
  EXPECT_GT(dictionary_.SuccessorFrequency("de", "um"), 0);
}

TEST_F(ShippedDictionaryTest, ObrigadCompletesToObrigadoFirst) {
  std::vector<CDictionaryWord> words(100);
  const int32_t count = dictionary_.WordsWithPrefix("obrigad", words);
  ASSERT_GT(count, 0);
  const auto best = std::max_element(
      words.begin(), words.begin() + count, [](const CDictionaryWord& a, const CDictionaryWord& b) {
        return a->generalFrequency < b->generalFrequency;
      });
  EXPECT_EQ((*best)->text, "obrigado");
}

// What a user writing everyday messages expects, asked as the program asks
// (engine defaults, no user words).
class ShippedSuggestionsTest : public ShippedDictionaryTest {
 protected:
  std::vector<std::string> Words(const char* previous, const char* typed) {
    WordSuggestions out;
    const std::string before = std::string(previous) + " " + typed;
    RequestWordSuggestions(dictionary_, words_, PredictionOptions{}, W(typed), W(previous),
                           W(before.c_str()), out);
    out.words.resize(std::min<std::size_t>(out.words.size(), 10));
    return out.words;
  }
  std::vector<std::string> Sentences(const char* typed) {
    SentenceSuggestions out;
    RequestSentenceSuggestions(dictionary_, sentences_, PredictionOptions{}, W(typed), "", out);
    out.sentences.resize(std::min<std::size_t>(out.sentences.size(), 4));
    return out.sentences;
  }
  static bool Holds(const std::vector<std::string>& list, const char* word) {
    return std::find(list.begin(), list.end(), W(word)) != list.end();
  }

  CWordPredictor words_;
  CSentencePredictor sentences_;
};

TEST_F(ShippedSuggestionsTest, EverydayWordsComeFirst) {
  const auto afterBom = Words("bom", "d");
  ASSERT_FALSE(afterBom.empty());
  EXPECT_EQ(afterBom.front(), "dia");
  EXPECT_TRUE(Holds(Words("tenho", "fo"), "fome"));
  EXPECT_TRUE(Holds(Words("boa", "n"), "noite"));
  EXPECT_TRUE(Holds(Words("", "obri"), "obrigado"));
  // Next words after the words messages start with.
  EXPECT_TRUE(Holds(Words("quero", ""), "ir"));
  EXPECT_TRUE(Holds(Words("preciso", ""), "de"));
  EXPECT_TRUE(Holds(Words("obrigado", ""), "por"));
  EXPECT_TRUE(Holds(Words("tenho", ""), "fome") || Holds(Words("tenho", ""), "sede"));
}

TEST_F(ShippedSuggestionsTest, SentencesAreEverydayMessages) {
  // At the start of a text, and after "eu": messages a person writes, not
  // newspaper quotes. Every one is short and ends as a message does.
  for (const char* typed : {"", "eu", "tenho", "quero"}) {
    const auto sentences = Sentences(typed);
    ASSERT_FALSE(sentences.empty()) << typed;
    for (const std::string& sentence : sentences) {
      EXPECT_LE(sentence.size(), 45u) << typed << ": " << sentence;
      EXPECT_NE(std::string(".?!").find(sentence.back()), std::string::npos) << sentence;
      EXPECT_EQ(sentence.compare(0, std::strlen(typed), typed), 0) << sentence;
    }
  }
  EXPECT_TRUE(Holds(Sentences(""), "bom dia!"));
  EXPECT_EQ(Sentences("obri").front(), W("obrigado."));
  EXPECT_FALSE(Holds(Sentences("eu"), "eua apresentam novas propostas comerciais"));
}

}  // namespace
}  // namespace vorelio
