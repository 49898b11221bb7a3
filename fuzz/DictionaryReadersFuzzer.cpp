// libFuzzer target for the dictionary file readers.
//
// The first byte chooses what the rest of the input is fed to:
//   0 general words             5 general sentence pairs
//   1 general word pairs        6 user sentence pairs
//   2 user word pairs           7 user sentences
//   3 user words                8 class file  (CWordClassSet::Load)
//   4 general sentences         9 class pair file (CWordClassPairSet::Load)
//  10 every dictionary reader in turn, the input cut into pieces at "\xFF\xFE"
// Pair readers and user readers run over a small realistic base dictionary
// (words, pairs and sentences read first), so that their lookups hit.
//
// After reading, the structure the lookups rely on is checked: both tables
// sorted without duplicates, every successor list sorted without
// duplicates and naming an entry of the table, totals matching what the
// tables hold where they must. A violation aborts, so libFuzzer keeps the
// input. The lookups are then run with prefixes taken from the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/sim/MemoryFileSystem.h"
#include "prediction/Dictionary.h"
#include "prediction/WordClasses.h"

namespace {

using vorelio::CDictionary;

constexpr std::string_view kBaseWords =
    "___ 900\n"
    "[casa] 3\n"
    "[bom|dia] 2\n"
    "a 5000 artigo\n"
    "bom 300 adjectivo\n"
    "casa 120 nome\n"
    "casaco 12 nome\n"
    "casa|de|banho 3\n"
    "de 8000 preposicao\n"
    "dia 400 nome\n"
    "eu 900 pronome\n"
    "quero 200 verbo\n"
    "\xE1gua 80 nome\n"    // água
    "c\xE3o 40 nome\n"     // cão
    "\xE9 2000 verbo\n";   // é

constexpr std::string_view kBasePairs =
    "___ bom 30\n___ eu 90\n___ quero 2\n"
    "bom dia 120\n"
    "casa de 3\ncasa|de|banho \xE9 1\n"
    "eu quero 50\n"
    "quero \xE1gua 9\nquero casa 4\nquero c\xE3o 2\n";

constexpr std::string_view kBaseSentences =
    "___ 50\n"
    "[bom]|[dia] 2\n"
    "bom|dia 30\n"
    "bom|dia|a|todos 4\n"
    "eu|quero|\xE1gua 12\n"
    "eu|quero|ir|\xE0|casa|de|banho 3\n";

constexpr std::string_view kBaseSentencePairs =
    "___ bom|dia 20\n___ eu|quero|\xE1gua 3\n"
    "bom|dia eu|quero|\xE1gua 2\nbom|dia eu|quero|ir|\xE0|casa|de|banho 1\n";

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "dictionary invariant broken: %s\n", what);
  std::abort();
}

template <class Entry>
void CheckTable(const std::vector<Entry>& table, const char* name) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (i > 0 && !(table[i - 1].text < table[i].text)) Fail(name);
    const auto& successors = table[i].successors;
    for (std::size_t j = 0; j < successors.size(); ++j) {
      if (j > 0 && !(successors[j - 1].text < successors[j].text)) Fail("successor order");
      const int32_t position = successors[j].position;
      if (position < 0 || static_cast<std::size_t>(position) >= table.size() ||
          table[static_cast<std::size_t>(position)].text != successors[j].text)
        Fail("successor position");
    }
  }
}

void CheckDictionary(const CDictionary& dictionary) {
  if (dictionary.WordCount() > CDictionary::kMaximumWords) Fail("word capacity");
  if (dictionary.SentenceCount() > CDictionary::kMaximumSentences) Fail("sentence capacity");
  CheckTable(dictionary.Words(), "word table order");
  CheckTable(dictionary.Sentences(), "sentence table order");
  // Every successor is an entry of the table (it was one when added, and
  // nothing is removed from a table once loaded).
  for (const auto& word : dictionary.Words())
    for (const auto& next : word.successors)
      if (dictionary.FindWord(next.text).IsNone()) Fail("word successor not in the table");
  for (const auto& sentence : dictionary.Sentences())
    for (const auto& next : sentence.successors)
      if (dictionary.FindSentence(next.text).IsNone())
        Fail("sentence successor not in the table");
  // Every entry can be found where the bisection looks for it.
  int32_t position = -1;
  for (std::size_t i = 0; i < dictionary.Words().size(); ++i) {
    const auto found = dictionary.FindWord(dictionary.Words()[i].text, &position);
    if (found.IsNone() || position != static_cast<int32_t>(i)) Fail("word bisection");
  }
  for (std::size_t i = 0; i < dictionary.Sentences().size(); ++i) {
    // Stored sentences are normalised, so normalising again must find them.
    const auto found = dictionary.FindSentence(dictionary.Sentences()[i].text, &position);
    if (found.IsNone() || position != static_cast<int32_t>(i)) Fail("sentence bisection");
  }
}

// Runs the lookups the predictors use with a few keys cut from the input.
void ExerciseLookups(const CDictionary& dictionary, std::string_view input) {
  static std::vector<vorelio::CDictionaryWord> words(CDictionary::kMaximumWords);
  static std::vector<vorelio::CDictionarySentence> sentences(CDictionary::kMaximumSentences);
  static vorelio::CDictionaryNextWordSet nextWords(vorelio::kSuccessorCapacity);
  static vorelio::CDictionaryNextSentenceSet nextSentences(vorelio::kSuccessorCapacity);
  const std::string_view keys[] = {input.substr(0, 1), input.substr(0, 3),
                                   input.substr(input.size() / 2, 4), "c", "casa", "___",
                                   "bom dia", "eu quero"};
  for (std::string_view key : keys) {
    const int32_t n = dictionary.WordsWithPrefix(key, words);
    for (int32_t i = 0; i < n; ++i)
      if (!std::string_view(words[i]->text).starts_with(key) || words[i]->text == key)
        Fail("words with prefix");
    dictionary.SentencesWithPrefix(key, sentences);
    dictionary.SuccessorsOfWord(key, words);
    nextWords.Clear();
    dictionary.SuccessorRecordsOfWord(key, nextWords);
    nextWords.Clear();
    dictionary.SuccessorsOfWordWithPrefix("___", key, nextWords);
    dictionary.SuccessorsOfSentence(key, sentences);
    nextSentences.Clear();
    dictionary.SuccessorRecordsOfSentence(key, nextSentences);
    nextSentences.Clear();
    dictionary.SuccessorsOfSentenceWithPrefix("___", key, nextSentences);
    dictionary.SuccessorFrequency("eu", key);
    dictionary.UserSuccessorFrequency("eu", key);
  }
}

void ReadBase(CDictionary& dictionary) {
  dictionary.ReadGeneralWords(kBaseWords);
  dictionary.ReadWordPairs(kBasePairs, true);
  dictionary.ReadGeneralSentences(kBaseSentences);
  dictionary.ReadSentencePairs(kBaseSentencePairs, true);
}

// The class loaders read a path: the input goes to a file of this process's
// own in shared memory (or /tmp when there is none).
// The class files are read through the file system, kept in memory here.
std::string WriteClassFile(vorelio::MemoryFileSystem& files, std::string_view contents) {
  const std::string path = "/fuzz/classes";
  files.AddFile(path, contents);
  return path;
}

std::vector<std::string_view> Pieces(std::string_view input) {
  std::vector<std::string_view> pieces;
  for (;;) {
    const std::size_t cut = input.find("\xFF\xFE");
    pieces.push_back(input.substr(0, cut));
    if (cut == std::string_view::npos) return pieces;
    input.remove_prefix(cut + 2);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

  // One dictionary for the whole run, cleared for every input: a fresh one
  // reserves both tables at full capacity, which would dominate each run.
  static vorelio::RecordingMessageBox messages;
  static vorelio::MemoryFileSystem files;
  static CDictionary dictionary(files, messages);
  dictionary.Clear();

  switch (data[0] % 11) {
    case 0: dictionary.ReadGeneralWords(input); break;
    case 1:
      dictionary.ReadGeneralWords(kBaseWords);
      dictionary.ReadWordPairs(input, true);
      break;
    case 2: ReadBase(dictionary); dictionary.ReadWordPairs(input, false); break;
    case 3: ReadBase(dictionary); dictionary.ReadUserWords(input); break;
    case 4: dictionary.ReadGeneralSentences(input); break;
    case 5:
      dictionary.ReadGeneralSentences(kBaseSentences);
      dictionary.ReadSentencePairs(input, true);
      break;
    case 6: ReadBase(dictionary); dictionary.ReadSentencePairs(input, false); break;
    case 7: ReadBase(dictionary); dictionary.ReadUserSentences(input); break;
    case 8: {
      vorelio::CWordClassSet classes;
      if (!classes.Load(files, WriteClassFile(files, input))) std::abort();
      if (classes.Count() > vorelio::CWordClassSet::kCapacity) Fail("class capacity");
      for (const auto& wordClass : classes.Classes()) classes.Frequency(wordClass.name);
      classes.Frequency(input.substr(0, 8));
      return 0;
    }
    case 9: {
      vorelio::CWordClassPairSet pairs;
      if (!pairs.Load(files, WriteClassFile(files, input))) std::abort();
      pairs.Frequency(input.substr(0, 4), input.substr(std::min<std::size_t>(4, input.size()), 4));
      return 0;
    }
    default: {
      const auto pieces = Pieces(input);
      auto piece = [&](std::size_t i) { return i < pieces.size() ? pieces[i] : std::string_view(); };
      dictionary.ReadGeneralWords(piece(0));
      dictionary.ReadWordPairs(piece(1), true);
      dictionary.ReadUserWords(piece(2));
      dictionary.ReadWordPairs(piece(3), false);
      dictionary.ReadGeneralSentences(piece(4));
      dictionary.ReadSentencePairs(piece(5), true);
      dictionary.ReadUserSentences(piece(6));
      dictionary.ReadSentencePairs(piece(7), false);
      break;
    }
  }
  CheckDictionary(dictionary);
  ExerciseLookups(dictionary, input);
  return 0;
}
