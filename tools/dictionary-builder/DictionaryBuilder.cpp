#include "tools/dictionary-builder/DictionaryBuilder.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "common/NativePath.h"
#include "platform/AtomicFile.h"
#include "platform/PosixFileSystem.h"
#include "common/Text.h"
#include "tools/dictionary-builder/ConlluReader.h"
#include "tools/dictionary-builder/DictionaryWriter.h"
#include "tools/dictionary-builder/FrequencyListReader.h"
#include "tools/dictionary-builder/HeldOutSplit.h"
#include "tools/dictionary-builder/SpellingNormaliser.h"
#include "tools/dictionary-builder/StoryReader.h"
#include "tools/dictionary-builder/VocabularyFilter.h"
#include "tools/dictionary-builder/WordTokenizer.h"

namespace vorelio::builder {
namespace {

namespace fs = std::filesystem;

// Weight of one corpus occurrence added to a word's subtitle count: the
// subtitles set the scale (212 million tokens), the small corpora lift the
// words of written and everyday text a little; stories count double.
constexpr int64_t kTreebankWeight = 200;
constexpr int64_t kStoryWeight = 400;
// Words attested only in the small corpora rank below every word of the
// subtitle list (whose smallest count is 93).
constexpr int64_t kCorpusOnlyBase = 30;
constexpr int64_t kCorpusOnlyStep = 10;
constexpr int64_t kCorpusOnlyCeiling = 90;
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
  const fs::path storyFolder = root / "asp-stories-pt" / "stories";
  std::error_code failure;
  std::vector<fs::path> storyFiles;
  for (const auto& entry : fs::directory_iterator(storyFolder, failure)) {
    if (entry.path().extension() == ".md") storyFiles.push_back(entry.path());
  }
  if (failure) {
    error = "cannot read " + storyFolder.string();
    return false;
  }
  std::sort(storyFiles.begin(), storyFiles.end(), [](const fs::path& a, const fs::path& b) {
    return ByteLess()(a.filename().string(), b.filename().string());
  });
  for (const fs::path& file : storyFiles) {
    std::string contents;
    if (!ReadSource(file, contents, error)) return false;
    sources.stories.emplace_back(file.filename().string(), std::move(contents));
  }
  if (!options.pictogramMapping.empty() &&
      !ReadSource(options.pictogramMapping, sources.pictograms, error)) {
    return false;
  }
  return true;
}

// Everything counted over the text the dictionary is built from.
class CorpusCounts {
 public:
  CorpusCounts(const SpellingNormaliser& normaliser, const VocabularyFilter& filter)
      : normaliser_(normaliser), filter_(filter) {}

  void AddTreebankDocument(const TreebankDocument& document) {
    std::string previousSentence(kStartOfTextWord);
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
      AddWordSequence(words);
      AddSentence(sentence.text, previousSentence);
    }
  }

  void AddStory(const Story& story) {
    std::string previousSentence(kStartOfTextWord);
    for (const std::string& paragraph : story.paragraphs) {
      const std::string text = Utf8ToCp1252(paragraph, 0);
      for (const std::string& sentence : SplitSentences(text)) {
        std::vector<std::string> words;
        for (const std::string& raw : SplitWords(sentence)) {
          const std::string word = normaliser_.Normalise(raw);
          words.push_back(word);
          ++storyWords_[word];
        }
        AddWordSequence(words);
        AddSentenceCp1252(sentence, previousSentence);
      }
    }
  }

  const std::map<std::string, int64_t>& TreebankWords() const { return treebankWords_; }
  const std::map<std::string, int64_t>& StoryWords() const { return storyWords_; }
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
  const std::map<std::string, int64_t>& Sentences() const { return sentences_; }
  const std::map<std::pair<std::string, std::string>, int64_t>& SentencePairs() const {
    return sentencePairs_;
  }

 private:
  std::string WordOf(const std::string& surface) const {
    const std::vector<std::string> words = SplitWords(Utf8ToCp1252(surface, '?'));
    if (words.size() != 1) return {};
    return normaliser_.Normalise(words.front());
  }

  void AddWordSequence(const std::vector<std::string>& words) {
    if (words.empty()) return;
    ++wordPairs_[{std::string(kStartOfTextWord), words.front()}];
    for (std::size_t i = 1; i < words.size(); ++i) ++wordPairs_[{words[i - 1], words[i]}];
  }

  void AddSentence(const std::string& utf8, std::string& previous) {
    AddSentenceCp1252(Utf8ToCp1252(utf8, 0), previous);
  }

  // Keeps the sentence as a user would write it in the current spelling;
  // sentences with offensive words are left out and break the chain of
  // sentence pairs.
  void AddSentenceCp1252(const std::string& text, std::string& previous) {
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
    ++sentences_[normalised];
    if (!previous.empty()) ++sentencePairs_[{previous, normalised}];
    previous = normalised;
  }

  const SpellingNormaliser& normaliser_;
  const VocabularyFilter& filter_;
  std::map<std::string, int64_t> treebankWords_;
  std::map<std::string, int64_t> storyWords_;
  std::map<std::string, std::map<std::string, int64_t>> wordClasses_;
  std::map<std::string, int64_t> classes_;
  std::map<std::pair<std::string, std::string>, int64_t> classPairs_;
  std::map<std::pair<std::string, std::string>, int64_t> wordPairs_;
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
    if (VocabularyFilter::IsWellFormed(word)) subtitleCounts[word] += entry.count;
  }
  for (const WordCount& entry : ReadFrequencyList(sources.brazilianFrequencies)) {
    variety.brazilianTotal += entry.count;
    variety.brazilian[ToLower(Utf8ToCp1252(entry.word, '?'))] += entry.count;
  }
  std::set<std::string> brazilianForms, europeanForms;
  ReadVarietyPairs(sources.varietyPairs, brazilianForms, europeanForms);
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

  // The vocabulary: words of the subtitle list and of the corpora that a
  // user in Portugal may be offered.
  std::set<std::string> candidates;
  for (const auto& [word, count] : subtitleCounts) candidates.insert(word);
  for (const auto& [word, count] : counts.TreebankWords()) candidates.insert(word);
  for (const auto& [word, count] : counts.StoryWords()) candidates.insert(word);

  std::map<std::string, WordEntry> vocabulary;
  for (const std::string& word : candidates) {
    const int64_t subtitles = CountOf(subtitleCounts, word);
    const int64_t treebank = CountOf(counts.TreebankWords(), word);
    const int64_t story = CountOf(counts.StoryWords(), word);
    const bool attested = treebank + story > 0;
    if (!VocabularyFilter::IsWellFormed(word) || filter.IsOffensive(word) ||
        !filter.IsValidSpelling(word, attested) || (!attested && filter.IsBrazilianOnly(word))) {
      continue;
    }
    WordEntry entry{word, 0, {}};
    if (subtitles > 0) {
      entry.frequency = subtitles + kTreebankWeight * treebank + kStoryWeight * story;
    } else {
      entry.frequency = std::min(kCorpusOnlyCeiling,
                                 kCorpusOnlyBase + kCorpusOnlyStep * (treebank + 2 * story));
    }
    if (const auto classes = counts.WordClasses().find(word);
        classes != counts.WordClasses().end()) {
      entry.wordClass = MainClass(classes->second);
    }
    vocabulary.emplace(word, std::move(entry));
  }

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
  vocabulary.emplace(std::string(kStartOfTextWord),
                     WordEntry{std::string(kStartOfTextWord), std::max<int64_t>(sentenceStarts, 1), {}});
  ScalePairsToWordFrequencies(wordPairs, vocabulary);

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
  if (!options.heldOutFolder.empty()) {
    fs::create_directories(options.heldOutFolder, failure);
    const fs::path heldOut = options.heldOutFolder;
    if (!WriteOutput(heldOut, "heldout-news.txt", news, error) ||
        !WriteOutput(heldOut, "heldout-stories.txt", storyText, error)) {
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
  return summary;
}

}  // namespace vorelio::builder
