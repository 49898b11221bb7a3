// The dictionary's files: loading, reading of their contents and saving.
#include <algorithm>
#include <cstdint>

#include "common/FileIo.h"
#include "common/Scanner.h"
#include "common/Text.h"
#include "prediction/Dictionary.h"
#include "prediction/DictionaryTable.h"

namespace vorelio {

using table::AddGeneralSuccessor;
using table::AddUserSuccessor;
using table::Bisect;
using table::SortIfNeeded;

namespace {

// Longest lines of the line-oriented files, and longest tokens of the pair
// streams. Longer lines are skipped whole; a triple with a longer token is
// dropped.
constexpr std::size_t kWordLineLimit = 999;
constexpr std::size_t kSentenceLineLimit = 1499;
constexpr std::size_t kWordPairTokenLimit = 511;
constexpr std::size_t kSentencePairTokenLimit = 1007;

constexpr std::string_view kGeneralWordsError = "Erro na abertura do ficheiro de palavras geral";
constexpr std::string_view kGeneralWordPairsError =
    "Erro na abertura do ficheiro dos pares de palavras geral";
constexpr std::string_view kUserWordsError =
    "Erro na abertura do ficheiro de palavras do utilizador";
constexpr std::string_view kUserWordPairsError =
    "Erro na abertura do ficheiro de pares de palavras do utilizador.";
constexpr std::string_view kGeneralSentencesError = "Erro na abertura do ficheiro de frases";
constexpr std::string_view kUserSentencesError =
    "Erro na abertura do ficheiro de frases do utilizador";
constexpr std::string_view kGeneralSentencePairsError =
    "Erro na abertura do ficheiro dos pares de frases geral";
constexpr std::string_view kUserSentencePairsError =
    "Erro na abertura do ficheiro de pares de frases do utilizador.";

// File text writes a blank inside an entry as "|".
std::string FromFileText(std::string_view token) {
  std::string text(token);
  std::replace(text.begin(), text.end(), '|', ' ');
  return text;
}

// The key of a word as the tables hold it, built in `out`.
void WordKey(std::string_view token, std::string& out) {
  out.assign(token);
  std::replace(out.begin(), out.end(), '|', ' ');
}

// The key of a sentence: "|" read as a blank, then normalised; `scratch`
// is working storage kept by the caller.
void SentenceKey(std::string_view token, std::string& scratch, std::string& out) {
  WordKey(token, scratch);
  NormalizeSentenceInto(scratch, out);
}

std::string ToFileText(std::string_view text) {
  std::string token(text);
  std::replace(token.begin(), token.end(), ' ', '|');
  return token;
}

// One line matched against "%s %d" and then "%s"; false for a blank or
// over-long line.
bool ScanEntryLine(std::string_view line, std::size_t limit, std::string_view& text,
                   int32_t& frequency, bool& hasFrequency) {
  if (WithoutCarriageReturn(line).size() > limit) return false;
  LineScanner scan(line);
  if (!scan.String(text)) return false;
  hasFrequency = scan.Int(frequency);
  return true;
}

// "%s %d\n" for every entry with a user frequency.
template <class Entry>
std::string UserEntriesText(const std::vector<Entry>& table) {
  std::string text;
  for (const Entry& entry : table) {
    if (entry.userFrequency == 0) continue;
    text += ToFileText(entry.text);
    text += ' ';
    text += std::to_string(entry.userFrequency);
    text += '\n';
  }
  return text;
}

// "%s %s %d\n" for every user pair whose first entry has a user frequency
// and whose second entry has a positive one.
template <class Entry>
std::string UserPairsText(const std::vector<Entry>& table) {
  std::string text;
  for (const Entry& entry : table) {
    if (entry.userFrequency == 0) continue;
    for (const auto& next : entry.successors) {
      if (next.userFrequency == 0) continue;
      int32_t position = 0;
      const Entry* second = Bisect(table, next.text, position);
      if (second == nullptr || second->userFrequency <= 0) continue;
      text += ToFileText(entry.text);
      text += ' ';
      text += ToFileText(next.text);
      text += ' ';
      text += std::to_string(next.userFrequency);
      text += '\n';
    }
  }
  return text;
}

bool SaveText(const std::string& path, const std::string& text, bool& modified) {
  if (path.empty() || !WriteFileAtomically(path, text)) return false;
  modified = false;
  return true;
}

}  // namespace

void CDictionary::LoadDictionary(const std::string& folder, const std::string& profile,
                                 bool userAdaptation) {
  LoadGeneralWords(folder + "geral.pal");
  LoadGeneralWordPairs(folder + "geral.par");
  LoadClasses(folder + "geral.cg");
  LoadClassPairs(folder + "geral.pcg");
  LoadUserWords(folder + profile + ".pal");
  userWordsModified_ = false;
  LoadUserWordPairs(folder + profile + ".par");
  userWordPairsModified_ = false;
  if (kMaximumWords - WordCount() < 3 && userAdaptation) ForgetLeastUsedUserWords();
  abbreviations_.Load(folder + profile + ".abr");
  LoadGeneralSentences(folder + "geral.frs");
  LoadGeneralSentencePairs(folder + "geral.paf");
  LoadUserSentences(folder + profile + ".frs");
  userSentencesModified_ = false;
  LoadUserSentencePairs(folder + profile + ".paf");
  userSentencePairsModified_ = false;
  if (kMaximumSentences - SentenceCount() < 3 && userAdaptation) ForgetLeastUsedUserSentences();
}

void CDictionary::ReleaseDictionary() {
  if (userWordPairsModified_ || userWordsModified_) SaveUserWordPairs();
  if (userWordsModified_) SaveUserWords();
  if (userSentencePairsModified_ || userSentencesModified_) SaveUserSentencePairs();
  if (userSentencesModified_) SaveUserSentences();
  if (abbreviations_.Save()) abbreviations_.Clear();
  Clear();
}

// ---- Loaders ----

void CDictionary::ReloadWordAndSentenceFiles() {
  // Copies: each loader assigns the path it is given to the member.
  const std::string generalWords = generalWordPath_, generalPairs = generalWordPairPath_;
  const std::string userWords = userWordPath_, userPairs = userWordPairPath_;
  const std::string generalSentences = generalSentencePath_;
  const std::string generalSentencePairs = generalSentencePairPath_;
  const std::string userSentences = userSentencePath_, userSentencePairs = userSentencePairPath_;
  LoadGeneralWords(generalWords);
  LoadGeneralWordPairs(generalPairs);
  LoadUserWords(userWords);
  LoadUserWordPairs(userPairs);
  LoadGeneralSentences(generalSentences);
  LoadGeneralSentencePairs(generalSentencePairs);
  LoadUserSentences(userSentences);
  LoadUserSentencePairs(userSentencePairs);
  userWordsModified_ = userWordPairsModified_ = false;
  userSentencesModified_ = userSentencePairsModified_ = false;
}

void CDictionary::LoadGeneralWords(const std::string& path) {
  generalWordPath_ = path;
  generalWordTotal_ = 0;
  words_.clear();
  words_.reserve(kMaximumWords);  // loading never reallocates the table
  classNames_.clear();
  classIds_.clear();
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kGeneralWordsError);
  ReadGeneralWords(*contents);
}

void CDictionary::LoadGeneralWordPairs(const std::string& path) {
  generalWordPairPath_ = path;
  generalPairTotal_ = 0;
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kGeneralWordPairsError);
  ReadWordPairs(*contents, true);
}

void CDictionary::LoadUserWords(const std::string& path) {
  userWordPath_ = path;
  userWordTotal_ = 0;
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kUserWordsError);
  ReadUserWords(*contents);
}

void CDictionary::LoadUserWordPairs(const std::string& path) {
  userWordPairPath_ = path;
  userPairTotal_ = 0;
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kUserWordPairsError);
  ReadWordPairs(*contents, false);
}

void CDictionary::LoadGeneralSentences(const std::string& path) {
  generalSentencePath_ = path;
  generalSentenceTotal_ = 0;
  sentences_.clear();
  sentences_.reserve(kMaximumSentences);
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kGeneralSentencesError);
  ReadGeneralSentences(*contents);
}

void CDictionary::LoadGeneralSentencePairs(const std::string& path) {
  generalSentencePairPath_ = path;
  generalSentencePairTotal_ = 0;
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kGeneralSentencePairsError);
  ReadSentencePairs(*contents, true);
}

void CDictionary::LoadUserSentences(const std::string& path) {
  userSentencePath_ = path;
  userSentenceTotal_ = 0;
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kUserSentencesError);
  ReadUserSentences(*contents);
}

void CDictionary::LoadUserSentencePairs(const std::string& path) {
  userSentencePairPath_ = path;
  userSentencePairTotal_ = 0;
  const auto contents = ReadWholeFile(path);
  if (!contents) return messages_.ShowMessage(kUserSentencePairsError);
  ReadSentencePairs(*contents, false);
}

void CDictionary::LoadClasses(const std::string& path) { classes_.Load(path); }
void CDictionary::LoadClassPairs(const std::string& path) { classPairs_.Load(path); }

// ---- Readers ----

int32_t CDictionary::InternClass(const std::string& name) {
  if (name.empty()) return -1;
  const auto [found, added] =
      classIds_.try_emplace(name, static_cast<int32_t>(classNames_.size()));
  if (added) classNames_.push_back(name);
  return found->second;
}

void CDictionary::ReadGeneralWords(std::string_view contents) {
  const bool hadEntries = !words_.empty();
  LineReader lines(contents);
  std::string_view line;
  while (WordCount() < kMaximumWords && lines.Next(line)) {
    if (WithoutCarriageReturn(line).size() > kWordLineLimit) continue;
    LineScanner scan(line);
    std::string_view word, wordClass;
    int32_t frequency = 0;
    if (!scan.String(word)) continue;
    const bool hasFrequency = scan.Int(frequency);
    if (!hasFrequency || !scan.String(wordClass)) wordClass = {};
    CWord entry;
    entry.text = FromFileText(word);
    entry.generalFrequency = hasFrequency ? frequency : 0;
    entry.wordClass = std::string(wordClass);
    entry.classId = InternClass(entry.wordClass);
    generalWordTotal_ = SaturatingAdd(generalWordTotal_, hasFrequency ? frequency : 1);
    words_.push_back(std::move(entry));
  }
  SortIfNeeded(words_);
  if (hadEntries) table::RebuildSuccessorPositions(words_);
}

void CDictionary::ReadUserWords(std::string_view contents) {
  mergingUserFile_ = true;
  LineReader lines(contents);
  std::string_view line, word;
  while (lines.Next(line)) {
    int32_t frequency = 0;
    bool hasFrequency = false;
    if (!ScanEntryLine(line, kWordLineLimit, word, frequency, hasFrequency)) continue;
    AddUserWord(FromFileText(word), hasFrequency ? frequency : 1);
  }
  mergingUserFile_ = false;
  if (successorPositionsStale_) table::RebuildSuccessorPositions(words_);
  successorPositionsStale_ = false;
}

void CDictionary::ReadGeneralSentences(std::string_view contents) {
  const bool hadEntries = !sentences_.empty();
  LineReader lines(contents);
  std::string_view line, sentence;
  std::string text, scratch;
  while (SentenceCount() < kMaximumSentences && lines.Next(line)) {
    int32_t frequency = 0;
    bool hasFrequency = false;
    if (!ScanEntryLine(line, kSentenceLineLimit, sentence, frequency, hasFrequency)) continue;
    // A line of "|" only normalises to the empty sentence; it is loaded and
    // counted like any other (suggestion requests never offer it).
    SentenceKey(sentence, scratch, text);
    CSentence entry;
    entry.text = text;
    entry.generalFrequency = hasFrequency ? frequency : 0;
    generalSentenceTotal_ = SaturatingAdd(generalSentenceTotal_, hasFrequency ? frequency : 1);
    sentences_.push_back(std::move(entry));
  }
  SortIfNeeded(sentences_);
  if (hadEntries) table::RebuildSuccessorPositions(sentences_);
}

void CDictionary::ReadUserSentences(std::string_view contents) {
  mergingUserFile_ = true;
  LineReader lines(contents);
  std::string_view line, sentence;
  while (lines.Next(line)) {
    int32_t frequency = 0;
    bool hasFrequency = false;
    if (!ScanEntryLine(line, kSentenceLineLimit, sentence, frequency, hasFrequency)) continue;
    AddUserSentence(FromFileText(sentence), hasFrequency ? frequency : 1);
  }
  mergingUserFile_ = false;
  if (successorPositionsStale_) table::RebuildSuccessorPositions(sentences_);
  successorPositionsStale_ = false;
}

namespace {

// Reads "%s %s %d" triples across line breaks and hands each well-formed
// one to `add(first, second, frequency)`. A triple whose number is not a
// number is dropped with the rest of its line; one with an over-long token
// is dropped.
template <class Add>
void ReadTriples(std::string_view contents, std::size_t tokenLimit, Add add) {
  TokenReader tokens(contents);
  std::string_view first, second, number;
  while (tokens.Next(first) && tokens.Next(second) && tokens.Next(number)) {
    int32_t frequency = 0;
    if (!ParseInt32(number, frequency)) {
      tokens.SkipLine();
      continue;
    }
    if (first.size() > tokenLimit || second.size() > tokenLimit) continue;
    add(first, second, frequency);
  }
}

// Finds entries by their text. Pair files are large and their lookups miss
// the cache at almost every step of a bisection, so a big file is read with
// a hash index of the table (open addressing: one probe sequence in a flat
// array, then one comparison with the entry), built once for the file; a
// small one (a user's pairs) bisects.
template <class Entry>
class EntryFinder {
 public:
  EntryFinder(const std::vector<Entry>& table, std::size_t fileSize) : table_(table) {
    if (fileSize < 4 * table.size()) return;
    std::size_t slots = 1;
    while (slots < 2 * table.size()) slots *= 2;
    mask_ = slots - 1;
    slots_.assign(slots, Slot{});
    for (std::size_t i = 0; i < table.size(); ++i) {
      const uint64_t hash = Hash(table[i].text);
      std::size_t at = hash & mask_;
      while (slots_[at].position >= 0) at = (at + 1) & mask_;
      slots_[at] = Slot{static_cast<uint32_t>(hash >> 32), static_cast<int32_t>(i)};
    }
  }
  // The position of the entry with exactly `key`, or -1.
  int32_t Find(std::string_view key) const {
    if (slots_.empty()) {
      int32_t position = 0;
      return table::Bisect(table_, key, position) != nullptr ? position : -1;
    }
    const uint64_t hash = Hash(key);
    const auto tag = static_cast<uint32_t>(hash >> 32);
    for (std::size_t at = hash & mask_; slots_[at].position >= 0; at = (at + 1) & mask_) {
      const Slot& slot = slots_[at];
      if (slot.tag == tag && table_[static_cast<std::size_t>(slot.position)].text == key)
        return slot.position;
    }
    return -1;
  }

 private:
  struct Slot {
    uint32_t tag = 0;
    int32_t position = -1;
  };
  static uint64_t Hash(std::string_view text) {  // FNV-1a, then mixed
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ull;
    return hash ^ (hash >> 32);
  }

  const std::vector<Entry>& table_;
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
};

// Reads a pair stream into the successor lists of `table`; `makeKey` turns a
// token into an entry key. `total` gains every stored pair's frequency.
template <class Entry, class Next, class MakeKey>
void ReadPairStream(std::string_view contents, std::size_t tokenLimit, std::vector<Entry>& table,
                    bool general, int32_t& total, MakeKey makeKey) {
  const EntryFinder<Entry> finder(table, contents.size());
  std::string key;
  std::string_view previousFirst;
  bool haveFirst = false;
  Entry* first = nullptr;
  // Pair files are grouped by first entry: it is looked up only when it
  // changes.
  ReadTriples(contents, tokenLimit,
              [&](std::string_view firstToken, std::string_view secondToken, int32_t frequency) {
                if (!haveFirst || firstToken != previousFirst) {
                  makeKey(firstToken, key);
                  const int32_t position = finder.Find(key);
                  first = position < 0 ? nullptr : &table[static_cast<std::size_t>(position)];
                  previousFirst = firstToken;
                  haveFirst = true;
                }
                if (first == nullptr) return;
                makeKey(secondToken, key);
                const int32_t position = finder.Find(key);
                if (position < 0) return;
                if (general) AddGeneralSuccessor<Entry, Next>(*first, key, position, frequency);
                else AddUserSuccessor<Entry, Next>(*first, key, position, frequency);
                total = SaturatingAdd(total, frequency);
              });
}

}  // namespace

void CDictionary::ReadWordPairs(std::string_view contents, bool general) {
  ReadPairStream<CWord, CNextWord>(contents, kWordPairTokenLimit, words_, general,
                                   general ? generalPairTotal_ : userPairTotal_, WordKey);
}

void CDictionary::ReadSentencePairs(std::string_view contents, bool general) {
  std::string scratch;
  ReadPairStream<CSentence, CNextSentence>(
      contents, kSentencePairTokenLimit, sentences_, general,
      general ? generalSentencePairTotal_ : userSentencePairTotal_,
      [&scratch](std::string_view token, std::string& key) { SentenceKey(token, scratch, key); });
}

// ---- Savers ----

bool CDictionary::SaveUserWords() {
  return SaveText(userWordPath_, UserEntriesText(words_), userWordsModified_);
}

bool CDictionary::SaveUserWordPairs() {
  return SaveText(userWordPairPath_, UserPairsText(words_), userWordPairsModified_);
}

bool CDictionary::SaveUserSentences() {
  return SaveText(userSentencePath_, UserEntriesText(sentences_), userSentencesModified_);
}

bool CDictionary::SaveUserSentencePairs() {
  return SaveText(userSentencePairPath_, UserPairsText(sentences_), userSentencePairsModified_);
}

}  // namespace vorelio
