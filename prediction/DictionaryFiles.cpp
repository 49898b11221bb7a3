// The dictionary's files: loading, reading of their contents and saving.
#include <algorithm>
#include <array>
#include <cstdint>

#include "common/Scanner.h"
#include "common/Text.h"
#include "prediction/Dictionary.h"
#include "prediction/DictionaryTable.h"
#include "platform/AtomicFile.h"

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

// How each file is read: the message when it cannot be opened, and whether
// it starts its table anew. In the order of DictionaryFile.
struct FileKind {
  std::string_view openError;
  bool startsTable;
};
constexpr std::array<FileKind, kDictionaryFileCount> kFileKinds = {{
    {"Erro na abertura do ficheiro de palavras geral", true},
    {"Erro na abertura do ficheiro dos pares de palavras geral", false},
    {"Erro na abertura do ficheiro de palavras do utilizador", false},
    {"Erro na abertura do ficheiro de pares de palavras do utilizador.", false},
    {"Erro na abertura do ficheiro de frases", true},
    {"Erro na abertura do ficheiro dos pares de frases geral", false},
    {"Erro na abertura do ficheiro de frases do utilizador", false},
    {"Erro na abertura do ficheiro de pares de frases do utilizador.", false},
}};

// The four files of a side, in loading order: general, general pairs, user,
// user pairs.
constexpr std::array<DictionaryFile, 4> FilesOf(DictionarySide side) {
  if (side == DictionarySide::kWords)
    return {DictionaryFile::kGeneralWords, DictionaryFile::kGeneralWordPairs,
            DictionaryFile::kUserWords, DictionaryFile::kUserWordPairs};
  return {DictionaryFile::kGeneralSentences, DictionaryFile::kGeneralSentencePairs,
          DictionaryFile::kUserSentences, DictionaryFile::kUserSentencePairs};
}

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

// "%s %d\n" for every entry with a user frequency and a text.
template <class Entry>
std::string UserEntriesText(const std::vector<Entry>& table) {
  std::string text;
  for (const Entry& entry : table) {
    // An empty entry (a sentence of blanks) would read back as its number.
    if (entry.userFrequency == 0 || entry.text.empty()) continue;
    text += ToFileText(entry.text);
    text += ' ';
    text += std::to_string(entry.userFrequency);
    text += '\n';
  }
  return text;
}

// "%s %s %d\n" for every user pair whose first entry has a user frequency
// and whose second entry has a positive one, both with a text.
template <class Entry>
std::string UserPairsText(const std::vector<Entry>& table) {
  std::string text;
  for (const Entry& entry : table) {
    if (entry.userFrequency == 0 || entry.text.empty()) continue;
    for (const auto& next : entry.successors) {
      if (next.userFrequency == 0 || next.text.empty()) continue;
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

}  // namespace

void CDictionary::LoadDictionary(const std::string& folder, const std::string& profile,
                                 bool userAdaptation) {
  const std::string general = folder + std::string(kGeneralDictionaryName);
  Load(DictionaryFile::kGeneralWords, general + ".pal");
  Load(DictionaryFile::kGeneralWordPairs, general + ".par");
  LoadClasses(general + ".cg");
  LoadClassPairs(general + ".pcg");
  Load(DictionaryFile::kUserWords, folder + profile + ".pal");
  Load(DictionaryFile::kUserWordPairs, folder + profile + ".par");
  Record(DictionaryFile::kUserWords).modified = false;
  Record(DictionaryFile::kUserWordPairs).modified = false;
  if (kMaximumWords - WordCount() < 3 && userAdaptation) ForgetLeastUsedUserWords();
  abbreviations_.Load(files_, folder + profile + ".abr");
  Load(DictionaryFile::kGeneralSentences, general + ".frs");
  Load(DictionaryFile::kGeneralSentencePairs, general + ".paf");
  Load(DictionaryFile::kUserSentences, folder + profile + ".frs");
  Load(DictionaryFile::kUserSentencePairs, folder + profile + ".paf");
  Record(DictionaryFile::kUserSentences).modified = false;
  Record(DictionaryFile::kUserSentencePairs).modified = false;
  if (kMaximumSentences - SentenceCount() < 3 && userAdaptation) ForgetLeastUsedUserSentences();
}

bool CDictionary::ReleaseDictionary() {
  bool saved = SaveModifiedUserFiles(DictionarySide::kWords);
  saved = SaveModifiedUserFiles(DictionarySide::kSentences) && saved;
  saved = abbreviations_.Save() && saved;
  if (!saved) return false;
  abbreviations_.Clear();
  Clear();
  return true;
}

// ---- Loaders ----

void CDictionary::Load(DictionaryFile file, const std::string& path) {
  DictionaryFileRecord& record = Record(file);
  record.path = path;
  record.total = 0;
  const FileKind& kind = kFileKinds[static_cast<std::size_t>(file)];
  if (file == DictionaryFile::kGeneralWords) {
    words_.clear();
    words_.reserve(kMaximumWords);  // loading never reallocates the table
    classNames_.clear();
    classIds_.clear();
  } else if (file == DictionaryFile::kGeneralSentences) {
    sentences_.clear();
    sentences_.reserve(kMaximumSentences);
  }
  const auto contents = files_.ReadFile(path);
  if (!contents) return messages_.ShowMessage(kind.openError);
  Read(file, *contents);
}

void CDictionary::Read(DictionaryFile file, std::string_view contents) {
  switch (file) {
    case DictionaryFile::kGeneralWords: return ReadGeneralWords(contents);
    case DictionaryFile::kGeneralWordPairs: return ReadWordPairs(contents, true);
    case DictionaryFile::kUserWords: return ReadUserWords(contents);
    case DictionaryFile::kUserWordPairs: return ReadWordPairs(contents, false);
    case DictionaryFile::kGeneralSentences: return ReadGeneralSentences(contents);
    case DictionaryFile::kGeneralSentencePairs: return ReadSentencePairs(contents, true);
    case DictionaryFile::kUserSentences: return ReadUserSentences(contents);
    case DictionaryFile::kUserSentencePairs: return ReadSentencePairs(contents, false);
  }
}

void CDictionary::Reload(DictionarySide side) {
  for (const DictionaryFile file : FilesOf(side)) {
    const std::string path = File(file).path;  // a copy: Load assigns it
    Load(file, path);
  }
  for (const DictionaryFile file : FilesOf(side)) Record(file).modified = false;
}

void CDictionary::ReloadWordAndSentenceFiles() {
  Reload(DictionarySide::kWords);
  Reload(DictionarySide::kSentences);
}

void CDictionary::LoadClasses(const std::string& path) { classes_.Load(files_, path); }
void CDictionary::LoadClassPairs(const std::string& path) {
  classPairs_.Load(files_, path);
}

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
    DictionaryFileRecord& record = Record(DictionaryFile::kGeneralWords);
    record.total = SaturatingAdd(record.total, hasFrequency ? frequency : 1);
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
    DictionaryFileRecord& record = Record(DictionaryFile::kGeneralSentences);
    record.total = SaturatingAdd(record.total, hasFrequency ? frequency : 1);
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
  DictionaryFileRecord& record =
      Record(general ? DictionaryFile::kGeneralWordPairs : DictionaryFile::kUserWordPairs);
  ReadPairStream<CWord, CNextWord>(contents, kWordPairTokenLimit, words_, general, record.total,
                                   WordKey);
}

void CDictionary::ReadSentencePairs(std::string_view contents, bool general) {
  std::string scratch;
  DictionaryFileRecord& record = Record(general ? DictionaryFile::kGeneralSentencePairs
                                                : DictionaryFile::kUserSentencePairs);
  ReadPairStream<CSentence, CNextSentence>(
      contents, kSentencePairTokenLimit, sentences_, general, record.total,
      [&scratch](std::string_view token, std::string& key) { SentenceKey(token, scratch, key); });
}

// ---- Savers ----

bool CDictionary::Save(DictionaryFile file) {
  std::string text;
  switch (file) {
    case DictionaryFile::kUserWords: text = UserEntriesText(words_); break;
    case DictionaryFile::kUserWordPairs: text = UserPairsText(words_); break;
    case DictionaryFile::kUserSentences: text = UserEntriesText(sentences_); break;
    case DictionaryFile::kUserSentencePairs: text = UserPairsText(sentences_); break;
    default: return false;  // the general files are the installation's
  }
  DictionaryFileRecord& record = Record(file);
  if (record.path.empty() || !WriteFileAtomically(files_, record.path, text)) return false;
  record.modified = false;
  return true;
}

bool CDictionary::SaveModifiedUserFiles(DictionarySide side) {
  const auto [general, generalPairs, user, userPairs] = FilesOf(side);
  bool saved = true;
  if (File(userPairs).modified || File(user).modified) saved = Save(userPairs) && saved;
  if (File(user).modified) saved = Save(user) && saved;
  return saved;
}

}  // namespace vorelio
