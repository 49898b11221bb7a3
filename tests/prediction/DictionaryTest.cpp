#include "prediction/Dictionary.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "PredictionTestDictionary.h"
#include "TestSupport.h"
#include "platform/sim/FaultyFileSystem.h"
#include "platform/sim/MemoryFileSystem.h"

namespace vorelio {
namespace {

using testing::NumberedWords;
using testing::TempFolder;

std::vector<std::string> Texts(std::span<const CDictionaryWord> handles) {
  std::vector<std::string> texts;
  for (const CDictionaryWord& handle : handles) texts.push_back(handle->text);
  return texts;
}

class DictionaryTest : public ::testing::Test {
 protected:
  // Writes the given general files (absent ones are not created) and loads
  // profile "ana" with user adaptation on.
  void Load(const std::map<std::string, std::string>& files, bool adaptation = true) {
    for (const auto& [name, contents] : files) folder.Write(name, contents);
    dictionary.LoadDictionary(folder.Path(), "ana", adaptation);
  }

  TempFolder folder;
  RecordingMessageBox messages;
  CDictionary dictionary{testing::DiskFiles(), messages};
};

TEST_F(DictionaryTest, GeneralWordLinesTakeTheFirstFormThatMatches) {
  // "cão" in Windows-1252; accented letters sort after "z".
  dictionary.ReadGeneralWords("casa 120 nome\ncasa|de|banho 3\nc\xE3o\n\n   \nzebra abc\n");
  ASSERT_EQ(dictionary.WordCount(), 4);
  EXPECT_EQ(dictionary.Words()[0].text, "casa");
  EXPECT_EQ(dictionary.Words()[0].wordClass, "nome");
  EXPECT_EQ(dictionary.Words()[1].text, "casa de banho");
  EXPECT_EQ(dictionary.Words()[1].wordClass, "");
  EXPECT_EQ(dictionary.Words()[2].text, "c\xE3o");  // after "casa...": 0xE3 > 's'
  EXPECT_EQ(dictionary.Words()[3].text, "zebra");   // "%s" alone matched
  // 120 + 3 + 1 (cão alone) + 1 (zebra alone)
  EXPECT_EQ(dictionary.GeneralWordTotal(), 125);
  EXPECT_EQ(dictionary.Words()[0].classId, 0);
  EXPECT_EQ(dictionary.Words()[1].classId, -1);
}

TEST_F(DictionaryTest, BisectionPositions) {
  int32_t position = -5;
  EXPECT_TRUE(dictionary.FindWord("a", &position).IsNone());
  EXPECT_EQ(position, 0);
  dictionary.ReadGeneralWords("b 1\n");
  EXPECT_TRUE(dictionary.FindWord("a", &position).IsNone());
  EXPECT_EQ(position, 0);
  EXPECT_TRUE(dictionary.FindWord("c", &position).IsNone());
  EXPECT_EQ(position, 1);
  EXPECT_FALSE(dictionary.FindWord("b", &position).IsNone());
  EXPECT_EQ(position, 0);
}

TEST_F(DictionaryTest, WordsWithPrefixLeaveOutTheExactMatchAndRespectCapacity) {
  dictionary.ReadGeneralWords("cas 1\ncasa 1\ncasaco 1\ncs 1\n");
  std::vector<CDictionaryWord> out(10);
  const int32_t count = dictionary.WordsWithPrefix("cas", out);
  EXPECT_EQ(Texts(std::span(out).first(count)), (std::vector<std::string>{"casa", "casaco"}));
  EXPECT_EQ(dictionary.WordsWithPrefix("", out), 0);
  EXPECT_EQ(dictionary.WordsWithPrefix("x", out), 0);
  std::vector<CDictionaryWord> one(1);
  EXPECT_EQ(dictionary.WordsWithPrefix("c", one), 1);
  EXPECT_EQ(one[0]->text, "cas");
}

TEST_F(DictionaryTest, PairsNeedBothWordsAndKeepSuccessorsSorted) {
  Load({{"geral.pal", "a 10\nb 20\nc 30\n"},
        // x is not a word: both its pairs are dropped; (a, z) too. The
        // second words of "b" arrive out of order and repeated.
        {"geral.par", "a b 5\na z 7\nx a 1\nx b 1\nb c 2\nb a 3\nb c 4\n"}});
  EXPECT_EQ(Texts([&] {
              std::vector<CDictionaryWord> out(10);
              out.resize(dictionary.SuccessorsOfWord("b", out));
              return out;
            }()),
            (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(dictionary.SuccessorFrequency("a", "b"), 5);
  EXPECT_EQ(dictionary.SuccessorFrequency("b", "c"), 6);  // repeated pair merged
  EXPECT_EQ(dictionary.SuccessorFrequency("a", "z"), 0);
  EXPECT_EQ(dictionary.FindWord("b")->generalSuccessorCount, 2);
  EXPECT_EQ(dictionary.GeneralPairTotal(), 5 + 2 + 3 + 4);
}

TEST_F(DictionaryTest, PairFilesAreStreamsOfTriplesAcrossLineBreaks) {
  dictionary.ReadGeneralWords("a 1\nb 1\nc 1\n");
  // Two triples split over lines, then a malformed one whose line is
  // dropped, then a CRLF line and one with an over-long token.
  const std::string longToken(600, 'q');
  dictionary.ReadWordPairs("a\nb 3 a\nc\n4\nb c oops a b\r\nc a 9\r\n" + longToken + " a 1\nc b 2",
                           true);
  EXPECT_EQ(dictionary.SuccessorFrequency("a", "b"), 3);
  EXPECT_EQ(dictionary.SuccessorFrequency("a", "c"), 4);
  EXPECT_EQ(dictionary.SuccessorFrequency("b", "c"), 0);
  EXPECT_EQ(dictionary.SuccessorFrequency("c", "a"), 9);
  EXPECT_EQ(dictionary.SuccessorFrequency("c", "b"), 2);
  EXPECT_EQ(dictionary.GeneralPairTotal(), 18);
}

// Big pair files are read through a hash index of the table, small ones by
// bisection: both must store the same pairs.
TEST_F(DictionaryTest, PairLookupsAgreeForSmallAndLargeFiles) {
  const std::string words = NumberedWords(300);
  std::string pairs;
  for (int i = 0; i < 40; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "w%06d w%06d %d\nw%06d nope 1\n", i * 7, (i * 13) % 300,
                  i + 1, i);
    pairs += line;
  }
  CDictionary bisecting(testing::DiskFiles(), messages), hashing(testing::DiskFiles(), messages);
  bisecting.ReadGeneralWords(words);
  hashing.ReadGeneralWords(words);
  bisecting.ReadWordPairs(pairs, true);
  hashing.ReadWordPairs(pairs + std::string(4 * 300, '\n'), true);
  EXPECT_EQ(bisecting.GeneralPairTotal(), 40 * 41 / 2);
  EXPECT_EQ(hashing.GeneralPairTotal(), bisecting.GeneralPairTotal());
  for (std::size_t i = 0; i < bisecting.Words().size(); ++i) {
    const auto& a = bisecting.Words()[i].successors;
    const auto& b = hashing.Words()[i].successors;
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
      EXPECT_EQ(a[k].text, b[k].text);
      EXPECT_EQ(a[k].position, b[k].position);
    }
  }
}

TEST_F(DictionaryTest, UserWordsMergeIntoTheGeneralTable) {
  Load({{"geral.pal", "casa 120\n"}, {"ana.pal", "casa 5\nmar|alto\nanel 2\n"}});
  ASSERT_EQ(dictionary.WordCount(), 3);
  const CDictionaryWord casa = dictionary.FindWord("casa");
  EXPECT_EQ(casa->generalFrequency, 120);
  EXPECT_EQ(casa->userFrequency, 5);
  EXPECT_EQ(dictionary.FindWord("mar alto")->userFrequency, 1);
  EXPECT_EQ(dictionary.Words()[0].text, "anel");  // inserted at its place
  EXPECT_EQ(dictionary.UserWordTotal(), 8);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserWords).modified);  // just read, not modified
}

TEST_F(DictionaryTest, MissingFilesAreReportedInLoadOrderAndTheRestStillLoads) {
  Load({{"geral.pal", "a 1\n"}, {"geral.frs", "ol\xE1 2\n"}});
  EXPECT_EQ(messages.messages,
            (std::vector<std::string>{
                "Erro na abertura do ficheiro dos pares de palavras geral",
                "Erro na abertura do ficheiro de palavras do utilizador",
                "Erro na abertura do ficheiro de pares de palavras do utilizador.",
                "Erro na abertura do ficheiro dos pares de frases geral",
                "Erro na abertura do ficheiro de frases do utilizador",
                "Erro na abertura do ficheiro de pares de frases do utilizador.",
            }));
  EXPECT_EQ(dictionary.WordCount(), 1);
  EXPECT_EQ(dictionary.SentenceCount(), 1);
  // The user paths are remembered, so a save creates the files.
  EXPECT_EQ(dictionary.File(DictionaryFile::kUserWords).path, folder.File("ana.pal"));
  dictionary.AddUserWord("b", 1);
  dictionary.ReleaseDictionary();
  EXPECT_EQ(folder.Read("ana.pal"), "b 1\n");
}

TEST_F(DictionaryTest, MissingGeneralFilesAreReported) {
  Load({});
  ASSERT_GE(messages.messages.size(), 3u);
  EXPECT_EQ(messages.messages[0], "Erro na abertura do ficheiro de palavras geral");
  EXPECT_EQ(messages.messages[4], "Erro na abertura do ficheiro de frases");
  EXPECT_EQ(dictionary.WordCount(), 0);
}

TEST_F(DictionaryTest, SavedFilesHoldOnlyTheUserVocabulary) {
  Load({{"geral.pal", "a 10\nb 10\nc 10\n"}, {"ana.pal", ""}, {"ana.par", ""},
        {"ana.frs", ""}, {"ana.paf", ""}});
  dictionary.AddUserWord("a", 2);
  dictionary.AddUserWord("novo termo", 1);
  dictionary.AddUserWordPair("a", "novo termo", 3);
  dictionary.AddUserWordPair("a", "b", 4);  // b has no user frequency: not saved
  dictionary.AddUserWordPair("c", "a", 5);  // c has no user frequency: not saved
  dictionary.AddUserWord("b", 1);
  dictionary.SetUserWordFrequency("b", 0);
  EXPECT_TRUE(dictionary.File(DictionaryFile::kUserWords).modified);
  EXPECT_TRUE(dictionary.File(DictionaryFile::kUserWordPairs).modified);
  dictionary.ReleaseDictionary();
  EXPECT_EQ(folder.Read("ana.pal"), "a 2\nnovo|termo 1\n");
  EXPECT_EQ(folder.Read("ana.par"), "a novo|termo 3\n");
  EXPECT_FALSE(folder.Exists("ana.pal.tmp"));
  EXPECT_EQ(dictionary.WordCount(), 0);

  // What was saved loads back the same.
  dictionary.LoadDictionary(folder.Path(), "ana", true);
  EXPECT_EQ(dictionary.FindWord("novo termo")->userFrequency, 1);
  EXPECT_EQ(dictionary.UserSuccessorFrequency("a", "novo termo"), 3);
  EXPECT_EQ(dictionary.UserWordTotal(), 3);
}

// A sentence of blanks has no text a file line could hold: written, its
// number would come back as a sentence of its own.
TEST_F(DictionaryTest, AnEmptyUserSentenceIsNotWrittenBack) {
  Load({{"geral.pal", "a 10\n"}, {"geral.frs", "ol\xE1 2\n"}, {"ana.frs", "|||\nol\xE1 3\n"},
        {"ana.paf", "||| ol\xE1 1\n"}});
  dictionary.AddUserSentence("ol\xE1", 1);
  dictionary.ReleaseDictionary();
  EXPECT_EQ(folder.Read("ana.frs"), "ol\xE1 4\n");
  EXPECT_EQ(folder.Read("ana.paf"), "");
}

TEST_F(DictionaryTest, UserAdditionsRespectLengthAndCapacityLimits) {
  dictionary.ReadGeneralWords("a 1\n");
  dictionary.AddUserWord(std::string(499, 'x'), 1);
  dictionary.AddUserWord(std::string(500, 'y'), 1);
  EXPECT_EQ(dictionary.WordCount(), 2);
  dictionary.AddUserWordPair("a", std::string(500, 'y'), 1);
  dictionary.AddUserWordPair("a", "missing", 1);
  EXPECT_EQ(dictionary.UserPairTotal(), 0);
  EXPECT_TRUE(dictionary.File(DictionaryFile::kUserWordPairs).modified);  // set even when nothing was added
  dictionary.AddUserSentence(std::string(999, 's'), 1);
  dictionary.AddUserSentence(std::string(1000, 't'), 1);
  EXPECT_EQ(dictionary.SentenceCount(), 1);
}

TEST_F(DictionaryTest, AFullTableForgetsTheLeastUsedUserWordsOnlyWithAdaptation) {
  // Two slots short of capacity after the user words are merged.
  const std::string general = NumberedWords(CDictionary::kMaximumWords - 4);
  const std::string user = "zz1 3\nzz2 1\n";
  Load({{"geral.pal", general}, {"ana.pal", user}}, /*adaptation=*/false);
  EXPECT_EQ(dictionary.FindWord("zz2")->userFrequency, 1);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserWords).modified);

  CDictionary adapting(testing::DiskFiles(), messages);
  adapting.LoadDictionary(folder.Path(), "ana", true);
  EXPECT_EQ(adapting.WordCount(), CDictionary::kMaximumWords - 2);
  EXPECT_EQ(adapting.FindWord("zz2")->userFrequency, 0);
  EXPECT_EQ(adapting.FindWord("zz1")->userFrequency, 3);
  EXPECT_EQ(adapting.UserWordTotal(), 3);
  EXPECT_TRUE(adapting.File(DictionaryFile::kUserWords).modified);

  // A full table takes no new user word, and general words beyond the
  // capacity are ignored.
  adapting.Load(DictionaryFile::kGeneralWords, folder.Write("big.pal", NumberedWords(CDictionary::kMaximumWords + 5)));
  EXPECT_EQ(adapting.WordCount(), CDictionary::kMaximumWords);
  adapting.AddUserWord("zzz", 1);
  EXPECT_TRUE(adapting.FindWord("zzz").IsNone());
}

TEST_F(DictionaryTest, SentencesAreNormalisedForStorageAndLookup) {
  Load({{"geral.pal", "a 1\n"},
        {"geral.frs", "bom|dia 5\nBOM|DIA|SENHOR\nol\xC1||tudo|bem 2\n|||\n___ 1\n"},
        {"geral.paf", "___ Bom|dia 4\nbom|dia ol\xE1|tudo|bem 2\n"}});
  EXPECT_FALSE(dictionary.FindSentence("  Bom   DIA").IsNone());
  EXPECT_FALSE(dictionary.FindSentence("ol\xC1 tudo\tbem").IsNone());
  // The "|||" line is the empty sentence, loaded and counted as a sentence
  // alone.
  EXPECT_EQ(dictionary.SentenceCount(), 5);
  EXPECT_EQ(dictionary.GeneralSentenceTotal(), 5 + 1 + 2 + 1 + 1);
  ASSERT_FALSE(dictionary.FindSentence("").IsNone());
  EXPECT_EQ(dictionary.FindSentence("")->generalFrequency, 0);
  CDictionaryNextSentenceSet records(kSuccessorCapacity);
  EXPECT_EQ(dictionary.SuccessorRecordsOfSentence("___", records), 1);
  EXPECT_EQ(records[0].entry->text, "bom dia");
  EXPECT_EQ(records[0].generalFrequency, 4);
  std::vector<CDictionarySentence> out(10);
  EXPECT_EQ(dictionary.SentencesWithPrefix("BOM  d", out), 2);
  EXPECT_EQ(dictionary.SentencesWithPrefix("bom dia", out), 1);  // not itself
  EXPECT_EQ(out[0]->text, "bom dia senhor");

  dictionary.AddUserSentence("Ol\xE1   TUDO bem", 2);
  EXPECT_EQ(dictionary.FindSentence("ol\xE1 tudo bem")->userFrequency, 2);
}

TEST_F(DictionaryTest, UnsortedGeneralFilesAreSortedSoLookupsStillWork) {
  dictionary.ReadGeneralWords("zebra 1\ncasa 2\nabelha 3\ncasa 9\n");
  ASSERT_EQ(dictionary.WordCount(), 3);
  EXPECT_EQ(dictionary.FindWord("casa")->generalFrequency, 2);  // the first one kept
  EXPECT_FALSE(dictionary.FindWord("abelha").IsNone());
  EXPECT_FALSE(dictionary.FindWord("zebra").IsNone());
}

TEST_F(DictionaryTest, HostileBytesNeverBreakLoading) {
  std::string contents("a 1\r\nb\0c 2\n", 11);
  contents.push_back('\0');
  contents += std::string(2000, 'x') + " 5\n" + "d 99999999999\n" + "e -3 classe\n";
  dictionary.ReadGeneralWords(contents);
  EXPECT_FALSE(dictionary.FindWord("a").IsNone());
  EXPECT_FALSE(dictionary.FindWord("b").IsNone());  // NUL acts as a blank
  EXPECT_TRUE(dictionary.FindWord(std::string(2000, 'x')).IsNone());  // over-long line
  EXPECT_EQ(dictionary.FindWord("d")->generalFrequency, 0);  // out-of-range number
  EXPECT_EQ(dictionary.FindWord("e")->generalFrequency, -3);
  dictionary.ReadWordPairs(std::string("a b 2147483647\na b 2147483647\n\0\0", 32), true);
  EXPECT_EQ(dictionary.GeneralPairTotal(), 2147483647);  // held, not wrapped
}

TEST_F(DictionaryTest, ClassFilesReadSlotsAndPairs) {
  Load({{"geral.pal", "a 1 NOUN\n"},
        {"geral.cg", "NOUN 60\nbad line\nVERB 40\n"},
        {"geral.pcg", "NOUN VERB 7\nNOUN VERB 9\nVERB NOUN 3\nbroken\n"}});
  EXPECT_EQ(dictionary.Classes().Count(), 3);  // the bad line takes a slot
  EXPECT_EQ(dictionary.Classes().Total(), 100);
  EXPECT_EQ(dictionary.ClassFrequency("VERB"), 40);
  EXPECT_EQ(dictionary.ClassFrequency("ADJ"), 0);
  EXPECT_EQ(dictionary.ClassPairFrequency("NOUN", "VERB"), 9);  // last value kept
  EXPECT_EQ(dictionary.ClassPairFrequency("VERB", "VERB"), 0);
  EXPECT_EQ(dictionary.ClassPairs().Total(), 19);
  EXPECT_EQ(dictionary.ClassPairs().Count(), 4);
}

TEST_F(DictionaryTest, IterationVisitsEveryEntryThenStops) {
  EXPECT_EQ(dictionary.FirstWordPosition(), -1);
  dictionary.ReadGeneralWords("a 1\nb 1\n");
  int32_t position = dictionary.FirstWordPosition();
  EXPECT_EQ(dictionary.NextWord(position)->text, "a");
  EXPECT_EQ(dictionary.NextWord(position)->text, "b");
  EXPECT_EQ(position, -1);
}

// Random user additions against a std::map: the table stays sorted, every
// word is found, and the totals agree.
TEST_F(DictionaryTest, RandomUserAdditionsMatchAReferenceMap) {
  std::mt19937 random(7);
  std::map<std::string, int32_t> reference;
  std::map<std::pair<std::string, std::string>, int32_t> pairs;
  int32_t total = 0, pairTotal = 0;
  const std::string letters = "ab\xE7\xE3z";
  auto randomWord = [&] {
    std::string word;
    const int length = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < length; ++i) word += letters[random() % letters.size()];
    return word;
  };
  for (int step = 0; step < 3000; ++step) {
    const std::string word = randomWord();
    const auto amount = static_cast<int32_t>(1 + random() % 3);
    if (random() % 3 != 0) {
      dictionary.AddUserWord(word, amount);
      reference[word] += amount;
      total += amount;
    } else {
      const std::string second = randomWord();
      dictionary.AddUserWordPair(word, second, amount);
      if (reference.count(word) && reference.count(second)) {
        pairs[{word, second}] += amount;
        pairTotal += amount;
      }
    }
  }
  ASSERT_EQ(dictionary.WordCount(), static_cast<int32_t>(reference.size()));
  auto expected = reference.begin();
  for (const CWord& word : dictionary.Words()) {
    EXPECT_EQ(word.text, expected->first);
    EXPECT_EQ(word.userFrequency, expected->second);
    ++expected;
  }
  for (const auto& [pair, frequency] : pairs)
    EXPECT_EQ(dictionary.UserSuccessorFrequency(pair.first, pair.second), frequency);
  EXPECT_EQ(dictionary.UserWordTotal(), total);
  EXPECT_EQ(dictionary.UserPairTotal(), pairTotal);
}

// Successor queries answer from positions kept through every insertion:
// live ones (shifted one by one) and a merged user file (rebuilt at once).
TEST_F(DictionaryTest, SuccessorsStayResolvedThroughInsertions) {
  Load({{"geral.pal", "b 1\nd 1\nf 1\n"}, {"geral.par", "b d 1\nb f 1\nd b 1\nf f 1\n"},
        {"ana.pal", "a 1\nc 1\ne 1\n"}, {"ana.par", "c e 2\na f 1\n"}});
  dictionary.AddUserWord("aa", 1);
  dictionary.AddUserWord("g", 1);
  dictionary.AddUserWordPair("g", "aa", 1);
  dictionary.AddUserWordPair("b", "c", 1);
  std::vector<CDictionaryWord> out(10);
  auto successors = [&](std::string_view word) {
    out.resize(10);
    out.resize(static_cast<std::size_t>(dictionary.SuccessorsOfWord(word, out)));
    return Texts(out);
  };
  EXPECT_EQ(successors("b"), (std::vector<std::string>{"c", "d", "f"}));
  EXPECT_EQ(successors("c"), (std::vector<std::string>{"e"}));
  EXPECT_EQ(successors("a"), (std::vector<std::string>{"f"}));
  EXPECT_EQ(successors("g"), (std::vector<std::string>{"aa"}));
  for (const CWord& word : dictionary.Words())
    for (const CNextWord& next : word.successors)
      EXPECT_EQ(dictionary.Words()[static_cast<std::size_t>(next.position)].text, next.text);
}

// A full disk when the dictionary is released loses nothing: the old file
// stays whole, what the user taught stays in memory, and the next release
// saves it.
TEST(DictionaryRelease, AFailedSaveKeepsTheLearningForTheNextRelease) {
  MemoryFileSystem memory;
  memory.AddFile("/d/geral.pal", "casa 10\nsol 5\n");
  for (const char* name : {"geral.par", "geral.cg", "geral.pcg", "geral.frs", "geral.paf",
                           "ana.par", "ana.frs", "ana.paf", "ana.abr"})
    memory.AddFile(std::string("/d/") + name, "");
  memory.AddFile("/d/ana.pal", "casa 2\n");
  FaultyFileSystem files(memory);
  RecordingMessageBox messages;
  CDictionary dictionary(files, messages);
  dictionary.LoadDictionary("/d/", "ana", true);
  dictionary.AddUserWord("sol", 1);
  ASSERT_TRUE(dictionary.Abbreviations().Set("obg", "obrigado"));

  files.FailNext(FileOperation::kDiskFull, 0, "ana.pal");
  EXPECT_FALSE(dictionary.ReleaseDictionary());
  EXPECT_EQ(memory.ReadFile("/d/ana.pal"), "casa 2\n");
  EXPECT_EQ(dictionary.FindWord("sol")->userFrequency, 1);
  EXPECT_TRUE(dictionary.File(DictionaryFile::kUserWords).modified);

  EXPECT_TRUE(dictionary.ReleaseDictionary());
  EXPECT_EQ(memory.ReadFile("/d/ana.pal"), "casa 2\nsol 1\n");
  EXPECT_EQ(memory.ReadFile("/d/ana.abr"), "obg obrigado\n");
  EXPECT_EQ(dictionary.WordCount(), 0);
}

}  // namespace
}  // namespace vorelio
