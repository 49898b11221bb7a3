#include "tools/dictionary-builder/DictionaryBuilder.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/NativePath.h"
#include "platform/AtomicFile.h"
#include "platform/PosixFileSystem.h"
#include "common/Text.h"
#include "tools/dictionary-builder/AffixExpander.h"
#include "tools/dictionary-builder/BackoffSuccessors.h"
#include "tools/dictionary-builder/CliticForms.h"
#include "tools/dictionary-builder/ConlluReader.h"
#include "tools/dictionary-builder/ConversationReader.h"
#include "tools/dictionary-builder/DictionaryWriter.h"
#include "tools/dictionary-builder/FrequencyEstimate.h"
#include "tools/dictionary-builder/FrequencyListReader.h"
#include "tools/dictionary-builder/HeldOutSplit.h"
#include "tools/dictionary-builder/SpellingNormaliser.h"
#include "tools/dictionary-builder/StemAnalyses.h"
#include "tools/dictionary-builder/StoryReader.h"
#include "tools/dictionary-builder/VocabularyFilter.h"
#include "tools/dictionary-builder/WordClassInference.h"
#include "tools/dictionary-builder/WordTokenizer.h"

namespace vorelio::builder {
namespace {

namespace fs = std::filesystem;

// Weight of one corpus occurrence added to a word's subtitle count: the
// subtitles set the scale (212 million tokens), the small corpora lift the
// words of written and everyday text a little; stories count double.
constexpr int64_t kTreebankWeight = 200;
constexpr int64_t kStoryWeight = 400;
// Conversation messages count most: their 20,000 words are what users
// write, and lift "quero", "preciso", "fome" among the words of a first
// letter. The technical running text (400,000 words) counts only a little.
constexpr int64_t kConversationWordWeight = 1500;
constexpr int64_t kRunningTextWordWeight = 20;
// Words attested only in the small corpora rank below every word of the
// subtitle list (whose smallest count is 93); the running text adds at most
// one step.
constexpr int64_t kCorpusOnlyBase = 30;
constexpr int64_t kCorpusOnlyStep = 10;
constexpr int64_t kCorpusOnlyCeiling = 90;
// How much one occurrence counts in the word pairs, sentences and sentence
// pairs, by source. Conversation messages are what users write, so they
// outweigh the newspaper twelve to one and their sentences come first; the
// stories are everyday text too. The technical running text is the largest
// source and the least like a user's messages: its pairs weigh a twentieth
// of the newspaper's and mostly fill in pairs no other source has, and its
// sentences are not used (their licences do not allow shipping them, and
// they would make poor suggestions). Chosen with predarin-simulate on the
// held-out texts (data/DICTIONARY-SOURCES.md).
struct SourceWeights {
  int64_t pair;
  int64_t sentence;
};
constexpr SourceWeights kTreebankWeights{20, 1};
constexpr SourceWeights kStoryWeights{40, 2};
constexpr SourceWeights kConversationWeights{240, 20};
constexpr SourceWeights kRunningTextWeights{1, 0};
// A pictogram whose words are unknown still gets a modest frequency.
constexpr int64_t kPictogramDefaultFrequency = 100;
// Sentences of this length or more are not added by the program either.
constexpr std::size_t kLongSentence = 1000;

struct Sources {
  std::string treebank;
  std::string europeanFrequencies;
  std::string brazilianFrequencies;
  std::string spellingList;
  std::string spellingPairs;
  std::string varietyPairs;
  std::string offensive;
  std::vector<std::pair<std::string, std::string>> stories;  // file name, contents
  std::string pictograms;
  std::vector<std::pair<std::string, std::string>> conversations;  // file name, contents
  std::vector<std::pair<std::string, std::string>> runningTexts;   // file name, contents
  std::string affixRules;  // Windows-1252
  std::string stemList;    // Windows-1252
};

bool ReadSource(const fs::path& path, std::string& out, std::string& error) {
  PosixFileSystem files;  // holds no state
  auto contents = files.ReadFile(ProgramPath(path.string()));
  if (!contents) {
    error = "cannot read " + path.string();
    return false;
  }
  out = std::move(*contents);
  return true;
}

// The files of a folder with the extension, in byte order of their names.
bool ReadFolder(const fs::path& folder, const std::string& extension,
                std::vector<std::pair<std::string, std::string>>& out, std::string& error) {
  std::error_code failure;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder, failure)) {
    if (entry.path().extension() == extension) files.push_back(entry.path());
  }
  if (failure) {
    error = "cannot read " + folder.string();
    return false;
  }
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    return ByteLess()(a.filename().string(), b.filename().string());
  });
  for (const fs::path& file : files) {
    std::string contents;
    if (!ReadSource(file, contents, error)) return false;
    out.emplace_back(file.filename().string(), std::move(contents));
  }
  return true;
}

bool ReadSources(const BuildOptions& options, Sources& sources, std::string& error) {
  const fs::path root = options.corporaFolder;
  if (!ReadSource(root / "ud-bosque-cp" / "pt_bosque-cp-train-dev.conllu", sources.treebank,
                  error) ||
      !ReadSource(root / "frequencywords" / "pt" / "pt_50k.txt", sources.europeanFrequencies,
                  error) ||
      !ReadSource(root / "frequencywords" / "pt_br" / "pt_br_50k.txt",
                  sources.brazilianFrequencies, error) ||
      !ReadSource(root / "wportuguese" / "portuguese", sources.spellingList, error) ||
      !ReadSource(root / "languagetool-pt" / "pt_45_90.tsv", sources.spellingPairs, error) ||
      !ReadSource(root / "languagetool-pt" / "pt_br.txt", sources.varietyPairs, error) ||
      !ReadSource(root / "languagetool-pt" / "offensive_utf.out", sources.offensive, error)) {
    return false;
  }
  if (!ReadFolder(root / "asp-stories-pt" / "stories", ".md", sources.stories, error)) {
    return false;
  }
  if (!options.projectCorporaFolder.empty()) {
    const fs::path project = options.projectCorporaFolder;
    if (!ReadFolder(project / "conversation", ".txt", sources.conversations, error) ||
        !ReadFolder(project / "debian", ".txt", sources.runningTexts, error)) {
      return false;
    }
  }
  if (!options.pictogramMapping.empty() &&
      !ReadSource(options.pictogramMapping, sources.pictograms, error)) {
    return false;
  }
  const fs::path hunspell = options.hunspellFolder;
  if (!ReadSource(hunspell / "pt_PT.aff", sources.affixRules, error) ||
      !ReadSource(hunspell / "pt_PT.dic", sources.stemList, error)) {
    return false;
  }
  sources.affixRules = Utf8ToCp1252(sources.affixRules, '?');
  sources.stemList = Utf8ToCp1252(sources.stemList, '?');
  return true;
}

// The word a user types for a treebank token, in the current spelling;
// empty for a token that is not one word.
std::string TreebankWord(const std::string& surface, const SpellingNormaliser& normaliser) {
  const std::vector<std::string> words = SplitWords(Utf8ToCp1252(surface, '?'));
  if (words.size() != 1) return {};
  return normaliser.Normalise(words.front());
}

// Everything counted over the text the dictionary is built from.
class CorpusCounts {
 public:
  CorpusCounts(const SpellingNormaliser& normaliser, const VocabularyFilter& filter)
      : normaliser_(normaliser), filter_(filter) {}

  void AddTreebankDocument(const TreebankDocument& document) {
    std::string previousSentence(kStartOfTextWord);
    std::string lastWord;
    for (const TreebankSentence& sentence : document.sentences) {
      std::vector<std::string> words;
      std::string previousClass;
      for (const TreebankToken& token : sentence.tokens) {
        if (IsPunctuationClass(token.wordClass)) continue;
        const std::string word = WordOf(token.surface);
        if (word.empty()) continue;
        words.push_back(word);
        ++treebankWords_[word];
        ++wordClasses_[word][token.wordClass];
        ++classes_[token.wordClass];
        if (!previousClass.empty()) ++classPairs_[{previousClass, token.wordClass}];
        previousClass = token.wordClass;
      }
      AddWordSequence(words, kTreebankWeights.pair, lastWord);
      AddSentenceCp1252(Utf8ToCp1252(sentence.text, 0), previousSentence,
                        kTreebankWeights.sentence);
    }
  }

  void AddStory(const Story& story) {
    std::string previousSentence(kStartOfTextWord);
    for (const std::string& paragraph : story.paragraphs) {
      AddParagraph(paragraph, storyWords_, kStoryWeights, previousSentence);
    }
  }

  // A conversation: word pairs within each message, across its sentences
  // too (its first word after "___"), its sentences chained through the
  // whole conversation, the first one after "___".
  void AddConversation(const Conversation& conversation) {
    std::string previousSentence(kStartOfTextWord);
    for (const std::string& message : conversation) {
      const std::string text = Utf8ToCp1252(message, 0);
      std::vector<std::string> words;
      for (const std::string& raw : SplitWords(text)) {
        words.push_back(normaliser_.Normalise(raw));
        ++conversationWords_[words.back()];
      }
      std::string lastWord;
      AddWordSequence(words, kConversationWeights.pair, lastWord);
      for (const std::string& sentence : SplitSentences(text)) {
        AddSentenceCp1252(sentence, previousSentence, kConversationWeights.sentence);
      }
    }
  }

  // One document of running text, one paragraph per line: words and word
  // pairs only (kRunningTextWeights holds no sentence weight).
  void AddRunningText(const Document& document) {
    std::string previousSentence(kStartOfTextWord);
    for (const std::string& paragraph : document) {
      AddParagraph(paragraph, runningTextWords_, kRunningTextWeights, previousSentence);
    }
  }

  const std::map<std::string, int64_t>& TreebankWords() const { return treebankWords_; }
  const std::map<std::string, int64_t>& StoryWords() const { return storyWords_; }
  const std::map<std::string, int64_t>& ConversationWords() const { return conversationWords_; }
  const std::map<std::string, int64_t>& RunningTextWords() const { return runningTextWords_; }
  const std::map<std::string, std::map<std::string, int64_t>>& WordClasses() const {
    return wordClasses_;
  }
  const std::map<std::string, int64_t>& Classes() const { return classes_; }
  const std::map<std::pair<std::string, std::string>, int64_t>& ClassPairs() const {
    return classPairs_;
  }
  const std::map<std::pair<std::string, std::string>, int64_t>& WordPairs() const {
    return wordPairs_;
  }
  // How often each word was seen first in a pair, whatever the weight.
  const std::map<std::string, int64_t>& FirstOccurrences() const { return firstOccurrences_; }
  const std::map<std::string, int64_t>& Sentences() const { return sentences_; }
  const std::map<std::pair<std::string, std::string>, int64_t>& SentencePairs() const {
    return sentencePairs_;
  }

 private:
  std::string WordOf(const std::string& surface) const {
    return TreebankWord(surface, normaliser_);
  }

  void AddParagraph(const std::string& utf8, std::map<std::string, int64_t>& wordCounts,
                    const SourceWeights& weights, std::string& previousSentence) {
    const std::string text = Utf8ToCp1252(utf8, 0);
    std::string lastWord;
    for (const std::string& sentence : SplitSentences(text)) {
      std::vector<std::string> words;
      for (const std::string& raw : SplitWords(sentence)) {
        words.push_back(normaliser_.Normalise(raw));
        ++wordCounts[words.back()];
      }
      AddWordSequence(words, weights.pair, lastWord);
      if (weights.sentence > 0) AddSentenceCp1252(sentence, previousSentence, weights.sentence);
    }
  }

  // The pairs of one sentence, its first word after "___" and, when a
  // sentence of the same paragraph or document came before, after that
  // sentence's last word as well: the program predicts and learns the first
  // word of a sentence after the last word before it. `lastWord` becomes
  // this sentence's last word.
  void AddWordSequence(const std::vector<std::string>& words, int64_t weight,
                       std::string& lastWord) {
    if (words.empty()) return;
    wordPairs_[{std::string(kStartOfTextWord), words.front()}] += weight;
    if (!lastWord.empty()) {
      wordPairs_[{lastWord, words.front()}] += weight;
      ++firstOccurrences_[lastWord];
    }
    for (std::size_t i = 1; i < words.size(); ++i) {
      wordPairs_[{words[i - 1], words[i]}] += weight;
      ++firstOccurrences_[words[i - 1]];
    }
    lastWord = words.back();
  }

  // Keeps the sentence as a user would write it in the current spelling;
  // sentences with offensive words are left out and break the chain of
  // sentence pairs.
  void AddSentenceCp1252(const std::string& text, std::string& previous, int64_t weight) {
    std::string cleaned = text;
    std::replace(cleaned.begin(), cleaned.end(), '|', '/');
    cleaned = RewriteWords(cleaned, [this](const std::string& word) {
      return normaliser_.Normalise(ToLower(word));
    });
    std::string normalised = NormalizeSentence(Trim(cleaned));
    bool offensive = false;
    for (const std::string& word : SplitWords(normalised)) {
      offensive = offensive || filter_.IsOffensive(word);
    }
    if (normalised.empty() || normalised.size() >= kLongSentence || offensive) {
      previous.clear();
      return;
    }
    sentences_[normalised] += weight;
    if (!previous.empty()) sentencePairs_[{previous, normalised}] += weight;
    previous = normalised;
  }

  const SpellingNormaliser& normaliser_;
  const VocabularyFilter& filter_;
  std::map<std::string, int64_t> treebankWords_;
  std::map<std::string, int64_t> storyWords_;
  std::map<std::string, int64_t> conversationWords_;
  std::map<std::string, int64_t> runningTextWords_;
  std::map<std::string, std::map<std::string, int64_t>> wordClasses_;
  std::map<std::string, int64_t> classes_;
  std::map<std::pair<std::string, std::string>, int64_t> classPairs_;
  std::map<std::pair<std::string, std::string>, int64_t> wordPairs_;
  std::map<std::string, int64_t> firstOccurrences_;
  std::map<std::string, int64_t> sentences_;
  std::map<std::pair<std::string, std::string>, int64_t> sentencePairs_;
};

int64_t CountOf(const std::map<std::string, int64_t>& counts, const std::string& word) {
  const auto found = counts.find(word);
  return found == counts.end() ? 0 : found->second;
}

// The most frequent class of a word, ties to the smaller name. A proper
// name class only when the word has no other: "barriga" is a noun even if a
// headline capitalised it.
std::string MainClass(const std::map<std::string, int64_t>& classes) {
  std::string best;
  int64_t bestCount = 0;
  const bool onlyProper = std::all_of(classes.begin(), classes.end(), [](const auto& entry) {
    return entry.first.find("PROPN") != std::string::npos;
  });
  for (const auto& [name, count] : classes) {
    if (!onlyProper && name.find("PROPN") != std::string::npos) continue;
    if (count > bestCount) {
      best = name;
      bestCount = count;
    }
  }
  return best;
}

// The class with the largest count, ties to the smaller name.
std::string MostFrequent(const std::map<std::string, int64_t>& classes) {
  std::string best;
  int64_t bestCount = 0;
  for (const auto& [name, count] : classes) {
    if (count > bestCount) {
      best = name;
      bestCount = count;
    }
  }
  return best;
}

// "[casa de banho]" -> "banho": the word that decides a name's class.
std::string LastWord(const std::string& pictogram) {
  const std::vector<std::string> words = SplitWords(pictogram);
  return words.empty() ? std::string() : words.back();
}

// Compares the classes with the tags of the held-out documents: the class
// the dictionary gives each word (the inferred one for a word it lacks),
// and, over the words the training documents never tag, the inferred class.
void MeasureClasses(const std::vector<const TreebankDocument*>& documents,
                    const SpellingNormaliser& normaliser, const CorpusCounts& counts,
                    const std::map<std::string, WordEntry>& vocabulary,
                    const ClassInference& inference, BuildSummary& summary) {
  for (const TreebankDocument* document : documents) {
    for (const TreebankSentence& sentence : document->sentences) {
      for (const TreebankToken& token : sentence.tokens) {
        if (IsPunctuationClass(token.wordClass)) continue;
        const std::string word = TreebankWord(token.surface, normaliser);
        if (word.empty()) continue;
        const auto entry = vocabulary.find(word);
        const std::string given =
            entry != vocabulary.end() ? entry->second.wordClass : inference.ClassOf(word);
        ++summary.heldOutTaggedWords;
        if (given == token.wordClass) ++summary.heldOutClassesRight;
        if (counts.WordClasses().count(word) != 0) continue;
        ++summary.heldOutUntaggedWords;
        if (inference.ClassOf(word) == token.wordClass) ++summary.heldOutInferredRight;
      }
    }
  }
}

bool WriteOutput(const fs::path& folder, const std::string& name, const std::string& contents,
                 std::string& error) {
  const fs::path path = folder / name;
  PosixFileSystem files;
  if (!WriteFileAtomically(files, ProgramPath(path.string()), contents)) {
    error = "cannot write " + path.string();
    return false;
  }
  return true;
}

// The engine estimates how likely w is after p as
// (pair frequency / pair total) / (frequency of p / word total). Word
// frequencies come mostly from the large subtitle list, pairs from the small
// treebank and stories, so raw pair counts would make that estimate many
// times too small for frequent words. Each first word's pair counts are
// scaled so that they add up to its word frequency: the estimate then
// becomes count(p, w) / count(p) of the pair corpus, up to one factor shared
// by every pair, which the pair coefficient weighs.
void ScalePairsToWordFrequencies(std::vector<PairEntry>& pairs,
                                 const std::map<std::string, WordEntry>& vocabulary) {
  std::map<std::string, int64_t> firstTotals;
  for (const PairEntry& pair : pairs) firstTotals[pair.first] += pair.frequency;
  for (PairEntry& pair : pairs) {
    const auto word = vocabulary.find(pair.first);
    if (word == vocabulary.end()) continue;
    const double share = static_cast<double>(pair.frequency) /
                         static_cast<double>(firstTotals[pair.first]);
    pair.frequency =
        std::max<int64_t>(1, std::llround(share * static_cast<double>(word->second.frequency)));
  }
}

// Proposes, into `expected`, the attested verb forms of `vocabulary` with
// each plain enclitic pronoun, at the counts CliticShares expects.
void AddCliticForms(const std::map<std::string, WordEntry>& vocabulary,
                    const ClassInference& inference, const VocabularyFilter& filter,
                    std::map<std::string, double>& expected) {
  const auto isVerb = [&inference](const std::string& word, const WordEntry& entry) {
    const std::string wordClass = entry.wordClass.empty() ? inference.ClassOf(word)
                                                          : entry.wordClass;
    return wordClass == "VERB" || wordClass == "AUX";
  };
  CliticShares shares;
  std::vector<const WordEntry*> verbs;
  for (const auto& [word, entry] : vocabulary) {
    if (IsPictogramWord(word)) continue;
    const std::size_t hyphen = word.find('-');
    if (hyphen == std::string::npos) {
      if (!isVerb(word, entry)) continue;
      shares.AddVerbForm(word, entry.frequency);
      verbs.push_back(&entry);
      continue;
    }
    const std::string verb = word.substr(0, hyphen);
    const std::string pronoun = word.substr(hyphen + 1);
    if (vocabulary.count(verb) != 0) shares.AddCliticForm(verb, pronoun, entry.frequency);
  }
  for (const WordEntry* verb : verbs) {
    for (const std::string& pronoun : PlainEnclitics()) {
      const std::string form = verb->text + "-" + pronoun;
      if (vocabulary.count(form) != 0 || filter.IsOffensive(form)) continue;
      const double count = shares.ExpectedCount(verb->text, verb->frequency, pronoun);
      if (count <= 0.0) continue;
      double& best = expected[form];
      best = std::max(best, count);
    }
  }
}

}  // namespace

std::optional<BuildSummary> BuildDictionary(const BuildOptions& options, std::string& error) {
  Sources sources;
  if (!ReadSources(options, sources, error)) return std::nullopt;

  // Spelling and variety.
  WordListFiles spellingList = ReadSpellingList(sources.spellingList);
  const std::set<std::string> validWords = spellingList.lowerCase;
  auto spellingPairs = ReadSpellingPairs(sources.spellingPairs);
  for (auto& pair : AgreementAccentPairs()) spellingPairs.push_back(std::move(pair));
  const SpellingNormaliser normaliser(spellingPairs, validWords);

  VarietyCounts variety;
  std::map<std::string, int64_t> subtitleCounts;  // respelled, well-formed words only
  variety.europeanFloor = 0;
  for (const WordCount& entry : ReadFrequencyList(sources.europeanFrequencies)) {
    const std::string word = normaliser.Normalise(ToLower(Utf8ToCp1252(entry.word, '?')));
    variety.europeanTotal += entry.count;
    variety.european[word] += entry.count;
    if (variety.europeanFloor == 0 || entry.count < variety.europeanFloor) {
      variety.europeanFloor = entry.count;
    }
    if (VocabularyFilter::IsWellFormed(word) ||
        VocabularyFilter::IsListedAcronym(word, spellingList.names)) {
      subtitleCounts[word] += entry.count;
    }
  }
  for (const WordCount& entry : ReadFrequencyList(sources.brazilianFrequencies)) {
    variety.brazilianTotal += entry.count;
    variety.brazilian[ToLower(Utf8ToCp1252(entry.word, '?'))] += entry.count;
  }
  std::set<std::string> brazilianForms, europeanForms;
  ReadVarietyPairs(sources.varietyPairs, brazilianForms, europeanForms);
  const std::set<std::string> spellingNames = spellingList.names;
  const VocabularyFilter filter(std::move(spellingList.lowerCase), std::move(spellingList.names),
                                ReadOffensiveList(sources.offensive), std::move(brazilianForms),
                                std::move(europeanForms), std::move(variety));

  // The corpora, split into the part the dictionary is built from and the
  // held-out part.
  const std::vector<TreebankDocument> documents = ReadConllu(sources.treebank);
  std::vector<Story> stories;
  for (const auto& [name, contents] : sources.stories) stories.push_back(ReadStory(contents));

  BuildSummary summary;
  CorpusCounts counts(normaliser, filter);
  std::vector<const TreebankDocument*> heldOutDocuments;
  std::vector<const Story*> heldOutStories;
  for (std::size_t i = 0; i < documents.size(); ++i) {
    if (IsHeldOutDocument(i)) {
      heldOutDocuments.push_back(&documents[i]);
    } else {
      counts.AddTreebankDocument(documents[i]);
    }
  }
  for (std::size_t i = 0; i < stories.size(); ++i) {
    if (IsHeldOutStory(i)) {
      heldOutStories.push_back(&stories[i]);
    } else {
      counts.AddStory(stories[i]);
    }
  }
  std::vector<Conversation> conversations;
  for (const auto& [name, contents] : sources.conversations) {
    for (Conversation& conversation : ReadConversations(contents)) {
      conversations.push_back(std::move(conversation));
    }
  }
  std::vector<const Conversation*> heldOutConversations;
  for (std::size_t i = 0; i < conversations.size(); ++i) {
    if (IsHeldOutConversation(i)) {
      heldOutConversations.push_back(&conversations[i]);
    } else {
      counts.AddConversation(conversations[i]);
    }
  }
  summary.conversations = conversations.size();
  std::vector<Document> formalDocuments;  // of the held-out file, all kept for the pointers
  std::vector<const Document*> heldOutFormal;
  for (const auto& [name, contents] : sources.runningTexts) {
    std::vector<Document> documents = ReadDocuments(contents);
    summary.runningTextDocuments += documents.size();
    const bool formal = name == kFormalTextFile;
    for (std::size_t i = 0; i < documents.size(); ++i) {
      if (formal && IsHeldOutFormalDocument(i)) continue;
      counts.AddRunningText(documents[i]);
    }
    if (formal) formalDocuments = std::move(documents);
  }
  for (std::size_t i = 0; i < formalDocuments.size(); ++i) {
    if (IsHeldOutFormalDocument(i)) heldOutFormal.push_back(&formalDocuments[i]);
  }

  // The vocabulary: words of the subtitle list and of the corpora that a
  // user in Portugal may be offered.
  std::set<std::string> candidates;
  for (const auto& [word, count] : subtitleCounts) candidates.insert(word);
  for (const auto& [word, count] : counts.TreebankWords()) candidates.insert(word);
  for (const auto& [word, count] : counts.StoryWords()) candidates.insert(word);
  for (const auto& [word, count] : counts.ConversationWords()) candidates.insert(word);
  for (const auto& [word, count] : counts.RunningTextWords()) candidates.insert(word);

  std::map<std::string, WordEntry> vocabulary;
  for (const std::string& word : candidates) {
    const int64_t subtitles = CountOf(subtitleCounts, word);
    const int64_t treebank = CountOf(counts.TreebankWords(), word);
    const int64_t story = CountOf(counts.StoryWords(), word);
    const int64_t conversation = CountOf(counts.ConversationWords(), word);
    const int64_t runningText = CountOf(counts.RunningTextWords(), word);
    // European text: its names and its words are kept even when the
    // subtitles hint at Brazil. The translated technical text is not
    // trusted that far ("arquivo", "você").
    const bool attested = treebank + story + conversation > 0;
    // The phrase set is written in the current European spelling, so its
    // words stand even where the spelling list lacks them ("videochamada").
    const bool spelled = conversation > 0 || filter.IsValidSpelling(word, attested) ||
                         filter.IsListedAcronym(word);
    if (!filter.IsAdmissible(word) || filter.IsOffensive(word) || !spelled ||
        (!attested && filter.IsBrazilianOnly(word))) {
      continue;
    }
    WordEntry entry{word, 0, {}};
    if (subtitles > 0) {
      entry.frequency = subtitles + kTreebankWeight * treebank + kStoryWeight * story +
                        kConversationWordWeight * conversation +
                        kRunningTextWordWeight * runningText;
    } else {
      entry.frequency = std::min(
          kCorpusOnlyCeiling,
          kCorpusOnlyBase + kCorpusOnlyStep * (treebank + 2 * story + 2 * conversation) +
              std::min<int64_t>(runningText, kCorpusOnlyStep));
    }
    if (const auto classes = counts.WordClasses().find(word);
        classes != counts.WordClasses().end()) {
      entry.wordClass = MainClass(classes->second);
    }
    vocabulary.emplace(word, std::move(entry));
  }

  // Pictograms, as frequent as the words they stand for.
  std::set<std::string> pictogramNames;
  const std::vector<std::string> mappingLines = ReadLines(sources.pictograms);
  for (std::size_t i = 1; i < mappingLines.size(); ++i) {
    const std::string& line = mappingLines[i];
    const std::size_t first = line.find('\t');
    if (first == std::string::npos) continue;
    const std::size_t second = line.find('\t', first + 1);
    const std::string name = NormalizeSentence(
        Trim(Utf8ToCp1252(line.substr(first + 1, second - first - 1), 0)));
    const std::string trimmed(Trim(name));
    if (trimmed.empty() || trimmed.find_first_of("[]|") != std::string::npos) continue;
    pictogramNames.insert(trimmed);
  }
  for (const std::string& name : pictogramNames) {
    WordEntry entry{"[" + name + "]", 0, {}};
    if (const auto word = vocabulary.find(name); word != vocabulary.end()) {
      entry.frequency = word->second.frequency;
      entry.wordClass = word->second.wordClass;
    } else {
      for (const std::string& part : SplitWords(name)) {
        const auto found = vocabulary.find(part);
        if (found == vocabulary.end()) continue;
        entry.frequency = entry.frequency == 0 ? found->second.frequency
                                               : std::min(entry.frequency, found->second.frequency);
      }
      if (entry.frequency == 0) entry.frequency = kPictogramDefaultFrequency;
    }
    vocabulary.emplace(entry.text, entry);
    ++summary.pictograms;
  }

  // The forms of the spelling list that no corpus attests, as many as the
  // table's limit leaves room for, with estimated frequencies; the names of
  // the list (places, peoples) too, but not those of the subtitles.
  std::set<std::string> unattested;
  for (const std::set<std::string>* list : {&filter.ValidWords(), &spellingNames}) {
    for (const std::string& word : *list) {
      if (vocabulary.count(word) != 0 || !filter.IsAdmissible(word) ||
          filter.IsOffensive(word) || filter.IsBrazilianOnly(word)) {
        continue;
      }
      unattested.insert(word);
    }
  }
  std::set<std::string> analysed = unattested;
  for (const auto& [word, entry] : vocabulary) analysed.insert(word);
  const StemAnalyses analyses(sources.affixRules, sources.stemList, analysed);
  std::vector<int64_t> stemCounts(analyses.StemCount(), 0);
  for (const auto& [form, stems] : analyses.Forms()) {
    const auto word = vocabulary.find(form);
    if (word == vocabulary.end() || IsPictogramWord(form)) continue;
    for (const uint32_t stem : stems) stemCounts[stem] += word->second.frequency;
  }
  DerivationShares shares;
  std::map<std::string, double> expected;  // the best expectation of each unattested form
  for (const std::string& word : unattested) expected[word] = 0.0;
  analyses.ForEachForm([&](uint32_t stem, const std::string& form, AffixRules::Derivation how) {
    const auto word = vocabulary.find(form);
    shares.AddForm(how, stemCounts[stem], word == vocabulary.end() ? 0 : word->second.frequency);
  });
  analyses.ForEachForm([&](uint32_t stem, const std::string& form, AffixRules::Derivation how) {
    const auto found = expected.find(form);
    if (found == expected.end()) return;
    found->second = std::max(found->second, shares.ExpectedCount(how, stemCounts[stem]));
  });
  SuffixClassModel suffixes;
  for (const auto& [word, classes] : counts.WordClasses()) suffixes.Add(word, MainClass(classes));
  const ClassInference inference(analyses, std::move(suffixes), MostFrequent(counts.Classes()));
  AddCliticForms(vocabulary, inference, filter, expected);
  std::vector<EstimatedForm> estimated;
  for (const auto& [word, count] : expected) {
    const double expectation = count > 0.0 ? count : shares.ExpectedCountWithoutStem();
    estimated.push_back({word, EstimateFrequency(expectation)});
  }
  const std::size_t taken = vocabulary.size() + 1;  // "___" comes with the pairs
  const std::size_t room = options.wordLimit > taken ? options.wordLimit - taken : 0;
  for (EstimatedForm& form : ChooseEstimatedForms(std::move(estimated), room)) {
    vocabulary.emplace(form.text, WordEntry{form.text, form.frequency, {}});
    ++summary.estimatedWords;
  }

  // A class for every word: the treebank's, else the inferred one.
  for (auto& [text, entry] : vocabulary) {
    if (!entry.wordClass.empty() || text == kStartOfTextWord) continue;
    const std::string word = IsPictogramWord(text) ? LastWord(text) : text;
    entry.wordClass = inference.ClassOf(word);
    if (entry.wordClass.empty()) ++summary.wordsWithoutClass;
  }
  MeasureClasses(heldOutDocuments, normaliser, counts, vocabulary, inference, summary);

  // Word pairs between entries, and the start-of-text word.
  std::vector<PairEntry> wordPairs;
  int64_t sentenceStarts = 0;
  for (const auto& [key, count] : counts.WordPairs()) {
    const bool fromStart = key.first == kStartOfTextWord;
    if ((!fromStart && vocabulary.count(key.first) == 0) || vocabulary.count(key.second) == 0) {
      continue;
    }
    if (fromStart) sentenceStarts += count;
    wordPairs.push_back({key.first, key.second, count});
  }
  summary.backoffPairs = AddBackoffSuccessors(wordPairs, counts.FirstOccurrences(), vocabulary);
  vocabulary.emplace(std::string(kStartOfTextWord),
                     WordEntry{std::string(kStartOfTextWord), std::max<int64_t>(sentenceStarts, 1), {}});
  ScalePairsToWordFrequencies(wordPairs, vocabulary);

  // Sentences, with "___" so that the sentence pairs from it load.
  std::vector<SentenceEntry> sentences;
  for (const auto& [text, count] : counts.Sentences()) sentences.push_back({text, count});
  std::vector<PairEntry> sentencePairs;
  int64_t textStarts = 0;
  for (const auto& [key, count] : counts.SentencePairs()) {
    if (key.first == kStartOfTextWord) textStarts += count;
    sentencePairs.push_back({key.first, key.second, count});
  }
  sentences.push_back({std::string(kStartOfTextWord), std::max<int64_t>(textStarts, 1)});

  std::vector<WordEntry> words;
  for (auto& [text, entry] : vocabulary) words.push_back(entry);

  std::error_code failure;
  fs::create_directories(options.outputFolder, failure);
  const fs::path out = options.outputFolder;
  if (!WriteOutput(out, "geral.pal", FormatWordFile(words), error) ||
      !WriteOutput(out, "geral.par", FormatPairFile(wordPairs), error) ||
      !WriteOutput(out, "geral.cg", FormatClassFile(counts.Classes()), error) ||
      !WriteOutput(out, "geral.pcg", FormatClassPairFile(counts.ClassPairs()), error) ||
      !WriteOutput(out, "geral.frs", FormatSentenceFile(sentences), error) ||
      !WriteOutput(out, "geral.paf", FormatPairFile(sentencePairs), error)) {
    return std::nullopt;
  }

  const std::string news = FormatHeldOutNews(heldOutDocuments);
  const std::string storyText = FormatHeldOutStories(heldOutStories);
  const std::string conversationText = FormatHeldOutConversations(heldOutConversations);
  const std::string formalText = FormatHeldOutDocuments(heldOutFormal);
  if (!options.heldOutFolder.empty()) {
    fs::create_directories(options.heldOutFolder, failure);
    const fs::path heldOut = options.heldOutFolder;
    if (!WriteOutput(heldOut, "heldout-news.txt", news, error) ||
        !WriteOutput(heldOut, "heldout-stories.txt", storyText, error) ||
        (!heldOutConversations.empty() &&
         !WriteOutput(heldOut, "heldout-conversation.txt", conversationText, error)) ||
        (!heldOutFormal.empty() && !WriteOutput(heldOut, "heldout-formal.txt", formalText, error))) {
      return std::nullopt;
    }
  }

  summary.words = words.size();
  summary.pairs = wordPairs.size();
  summary.classes = std::min<std::size_t>(counts.Classes().size(), 500);
  summary.classPairs = counts.ClassPairs().size();
  summary.sentences = sentences.size();
  summary.sentencePairs = sentencePairs.size();
  summary.heldOutNewsWords = CountWords(news);
  summary.heldOutStoryWords = CountWords(storyText);
  summary.heldOutDocuments = heldOutDocuments.size();
  summary.heldOutStories = heldOutStories.size();
  summary.heldOutConversations = heldOutConversations.size();
  summary.heldOutConversationWords = CountWords(conversationText);
  summary.heldOutFormalDocuments = heldOutFormal.size();
  summary.heldOutFormalWords = CountWords(formalText);
  return summary;
}

std::optional<std::vector<TextCoverage>> MeasureCoverage(const BuildOptions& options,
                                                         const std::string& wordFile,
                                                         const std::vector<std::string>& texts,
                                                         std::string& error) {
  const fs::path root = options.corporaFolder;
  std::string spellingList, spellingPairs, words;
  if (!ReadSource(root / "wportuguese" / "portuguese", spellingList, error) ||
      !ReadSource(root / "languagetool-pt" / "pt_45_90.tsv", spellingPairs, error) ||
      !ReadSource(wordFile, words, error)) {
    return std::nullopt;
  }
  const std::set<std::string> validWords = ReadSpellingList(spellingList).lowerCase;
  auto pairs = ReadSpellingPairs(spellingPairs);
  for (auto& pair : AgreementAccentPairs()) pairs.push_back(std::move(pair));
  const SpellingNormaliser normaliser(pairs, validWords);
  std::set<std::string> dictionary;
  for (const std::string& line : ReadLines(words)) {
    std::string word = line.substr(0, line.find(' '));
    std::replace(word.begin(), word.end(), '|', ' ');
    dictionary.insert(std::move(word));
  }

  std::vector<TextCoverage> coverage;
  for (const std::string& path : texts) {
    std::string text;
    if (!ReadSource(path, text, error)) return std::nullopt;
    if (IsValidUtf8(text)) text = Utf8ToCp1252(text, '?');
    TextCoverage measured{path, 0, 0, {}};
    for (const std::string& word : SplitWords(text)) {
      if (std::none_of(word.begin(), word.end(), IsLetterCp1252)) continue;
      ++measured.words;
      if (dictionary.count(normaliser.Normalise(word)) != 0) {
        ++measured.found;
      } else {
        ++measured.missing[word];
      }
    }
    coverage.push_back(std::move(measured));
  }
  return coverage;
}

}  // namespace vorelio::builder
