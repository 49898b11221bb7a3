#include "prediction/Dictionary.h"

#include <algorithm>
#include <limits>

#include "common/FileIo.h"
#include "common/Scanner.h"
#include "common/Text.h"

namespace vorelio {

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

std::string ToFileText(std::string_view text) {
  std::string token(text);
  std::replace(token.begin(), token.end(), ' ', '|');
  return token;
}

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
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

// The bisection of the lookups: the entry equal to key, or none, and the
// position at which key is or would be inserted.
template <class Table>
auto Bisect(Table& table, std::string_view key, int32_t& position) -> decltype(&table[0]) {
  const auto n = static_cast<int32_t>(table.size());
  if (n == 0) {
    position = 0;
    return nullptr;
  }
  int32_t low = 0;
  int32_t high = n - 1;
  while (low < high) {
    const int32_t mid = (low + high) / 2;
    if (key <= std::string_view(table[mid].text)) high = mid;
    else low = mid + 1;
  }
  const int comparison = key.compare(table[low].text);
  if (comparison == 0) {
    position = low;
    return &table[low];
  }
  position = comparison < 0 ? low : low + 1;
  return nullptr;
}

template <class Entry>
void PrefixRange(const std::vector<Entry>& table, std::string_view prefix, int32_t& first,
                 int32_t& last) {
  first = last = 0;
  if (prefix.empty()) return;
  int32_t position = 0;
  if (Bisect(table, prefix, position) != nullptr) ++position;
  const auto begin = table.begin() + position;
  const auto end = std::partition_point(begin, table.end(), [prefix](const Entry& entry) {
    return std::string_view(entry.text).starts_with(prefix);
  });
  first = position;
  last = static_cast<int32_t>(end - table.begin());
}

template <class Next>
typename std::vector<Next>::iterator SuccessorPosition(std::vector<Next>& successors,
                                                       std::string_view text) {
  return std::lower_bound(successors.begin(), successors.end(), text,
                          [](const Next& next, std::string_view key) { return next.text < key; });
}

template <class Next>
const Next* FindSuccessor(const std::vector<Next>& successors, std::string_view text) {
  const auto found = std::lower_bound(
      successors.begin(), successors.end(), text,
      [](const Next& next, std::string_view key) { return next.text < key; });
  return found != successors.end() && found->text == text ? &*found : nullptr;
}

// Adds a general pair: appended while the file keeps its second words in
// order, inserted in place (or merged with an equal successor) when it does
// not, so the successor list stays sorted and free of duplicates.
template <class Entry, class Next>
void AddGeneralSuccessor(Entry& first, std::string_view second, int32_t frequency) {
  auto& successors = first.successors;
  if (successors.empty() || std::string_view(successors.back().text) < second) {
    successors.push_back(Next{std::string(second), frequency, 0});
  } else {
    const auto at = SuccessorPosition(successors, second);
    if (at != successors.end() && at->text == second) {
      at->generalFrequency = SaturatingAdd(at->generalFrequency, frequency);
      return;
    }
    successors.insert(at, Next{std::string(second), frequency, 0});
  }
  ++first.generalSuccessorCount;
}

template <class Entry, class Next>
void AddUserSuccessor(Entry& first, std::string_view second, int32_t amount) {
  auto& successors = first.successors;
  const auto at = SuccessorPosition(successors, second);
  if (at != successors.end() && at->text == second) {
    at->userFrequency = SaturatingAdd(at->userFrequency, amount);
  } else {
    successors.insert(at, Next{std::string(second), 0, amount});
  }
}

// The first entry in [from, end) not below key, found by doubling steps from
// `from`: successive keys of a sorted list cost the logarithm of the gap
// between them, not of the whole table.
template <class Iterator>
Iterator GallopTo(Iterator from, Iterator end, std::string_view key) {
  auto below = [](const auto& entry, std::string_view k) { return entry.text < k; };
  std::ptrdiff_t step = 1;
  Iterator low = from;
  while (end - low > step && below(*(low + step), key)) {
    low += step;
    step *= 2;
  }
  const Iterator high = end - low > step ? low + step + 1 : end;
  return std::lower_bound(low, high, key, below);
}

// The handles of a successor list, resolved in one forward sweep: successors
// are sorted, so each search starts where the previous one ended.
template <class Entry>
int32_t ResolveSuccessors(const std::vector<Entry>& table, const Entry& entry,
                          std::span<DictionaryHandle<Entry>> out) {
  int32_t count = 0;
  auto from = table.begin();
  const std::size_t limit = std::min(out.size(), kSuccessorCapacity);
  for (const auto& next : entry.successors) {
    if (static_cast<std::size_t>(count) >= limit) break;
    from = GallopTo(from, table.end(), next.text);
    if (from != table.end() && from->text == next.text)
      out[count++] = DictionaryHandle<Entry>(&*from);
  }
  return count;
}

template <class Entry, class Set>
int32_t ResolveSuccessorRecords(const std::vector<Entry>& table, const Entry& entry,
                                std::string_view prefix, Set& out) {
  int32_t count = 0;
  auto from = table.begin();
  for (const auto& next : entry.successors) {
    if (!std::string_view(next.text).starts_with(prefix)) continue;
    if (out.Full() || static_cast<std::size_t>(count) >= kSuccessorCapacity) break;
    from = GallopTo(from, table.end(), next.text);
    if (from == table.end() || from->text != next.text) continue;
    out.Add({DictionaryHandle<Entry>(&*from), next.generalFrequency, next.userFrequency});
    ++count;
  }
  return count;
}

// General files must be sorted for bisection. A file that is not (or that
// normalisation put out of order) is sorted once after reading, keeping the
// first of any duplicates, instead of leaving lookups silently broken.
template <class Entry>
void SortIfNeeded(std::vector<Entry>& table) {
  const auto unsorted = std::adjacent_find(
      table.begin(), table.end(), [](const Entry& a, const Entry& b) { return !(a.text < b.text); });
  if (unsorted == table.end()) return;
  std::stable_sort(table.begin(), table.end(),
                   [](const Entry& a, const Entry& b) { return a.text < b.text; });
  table.erase(std::unique(table.begin(), table.end(),
                          [](const Entry& a, const Entry& b) { return a.text == b.text; }),
              table.end());
}

template <class Entry>
void ForgetLeastUsed(std::vector<Entry>& table, int32_t& userTotal, bool& modified) {
  int32_t smallest = std::numeric_limits<int32_t>::max();
  bool any = false;
  for (const Entry& entry : table) {
    if (entry.userFrequency > 0 && entry.userFrequency <= smallest) {
      smallest = entry.userFrequency;
      any = true;
    }
  }
  if (!any) return;
  for (Entry& entry : table) {
    if (entry.userFrequency != smallest) continue;
    userTotal = SaturatingReplace(userTotal, entry.userFrequency, 0);
    entry.userFrequency = 0;
    modified = true;
  }
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

CDictionary::CDictionary(MessageBoxService& messages) : messages_(messages) {
  words_.reserve(kMaximumWords);
  sentences_.reserve(kMaximumSentences);
}

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
  Clear();
}

void CDictionary::Clear() {
  words_.clear();
  sentences_.clear();
  classes_.Clear();
  classPairs_.Clear();
  classNames_.clear();
  classIds_.clear();
  generalWordTotal_ = generalPairTotal_ = userWordTotal_ = userPairTotal_ = 0;
  generalSentenceTotal_ = userSentenceTotal_ = 0;
  generalSentencePairTotal_ = userSentencePairTotal_ = 0;
  userWordsModified_ = userWordPairsModified_ = false;
  userSentencesModified_ = userSentencePairsModified_ = false;
  generalWordPath_.clear();
  generalWordPairPath_.clear();
  userWordPath_.clear();
  userWordPairPath_.clear();
  generalSentencePath_.clear();
  userSentencePath_.clear();
  generalSentencePairPath_.clear();
  userSentencePairPath_.clear();
}

// ---- Loaders ----

void CDictionary::LoadGeneralWords(const std::string& path) {
  generalWordPath_ = path;
  generalWordTotal_ = 0;
  words_.clear();
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
}

void CDictionary::ReadUserWords(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line, word;
  while (lines.Next(line)) {
    int32_t frequency = 0;
    bool hasFrequency = false;
    if (!ScanEntryLine(line, kWordLineLimit, word, frequency, hasFrequency)) continue;
    AddUserWord(FromFileText(word), hasFrequency ? frequency : 1);
  }
}

void CDictionary::ReadGeneralSentences(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line, sentence;
  while (SentenceCount() < kMaximumSentences && lines.Next(line)) {
    int32_t frequency = 0;
    bool hasFrequency = false;
    if (!ScanEntryLine(line, kSentenceLineLimit, sentence, frequency, hasFrequency)) continue;
    CSentence entry;
    entry.text = NormalizeSentence(FromFileText(sentence));
    if (entry.text.empty()) continue;  // a line of "|" only: no sentence
    entry.generalFrequency = hasFrequency ? frequency : 0;
    generalSentenceTotal_ = SaturatingAdd(generalSentenceTotal_, hasFrequency ? frequency : 1);
    sentences_.push_back(std::move(entry));
  }
  SortIfNeeded(sentences_);
}

void CDictionary::ReadUserSentences(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line, sentence;
  while (lines.Next(line)) {
    int32_t frequency = 0;
    bool hasFrequency = false;
    if (!ScanEntryLine(line, kSentenceLineLimit, sentence, frequency, hasFrequency)) continue;
    AddUserSentence(FromFileText(sentence), hasFrequency ? frequency : 1);
  }
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

}  // namespace

void CDictionary::ReadWordPairs(std::string_view contents, bool general) {
  // The first word's lookup is skipped while it repeats: pair files are
  // grouped by first word.
  std::string previousFirst;
  CWord* firstEntry = nullptr;
  bool haveFirst = false;
  ReadTriples(contents, kWordPairTokenLimit,
              [&](std::string_view firstToken, std::string_view secondToken, int32_t frequency) {
                const std::string first = FromFileText(firstToken);
                if (!haveFirst || first != previousFirst) {
                  int32_t position = 0;
                  firstEntry = Bisect(words_, first, position);
                  previousFirst = first;
                  haveFirst = true;
                }
                if (firstEntry == nullptr) return;
                const std::string second = FromFileText(secondToken);
                int32_t position = 0;
                if (Bisect(words_, second, position) == nullptr) return;
                if (general) {
                  AddGeneralSuccessor<CWord, CNextWord>(*firstEntry, second, frequency);
                  generalPairTotal_ = SaturatingAdd(generalPairTotal_, frequency);
                } else {
                  AddUserSuccessor<CWord, CNextWord>(*firstEntry, second, frequency);
                  userPairTotal_ = SaturatingAdd(userPairTotal_, frequency);
                }
              });
}

void CDictionary::ReadSentencePairs(std::string_view contents, bool general) {
  std::string previousFirst;
  CSentence* firstEntry = nullptr;
  bool haveFirst = false;
  ReadTriples(contents, kSentencePairTokenLimit,
              [&](std::string_view firstToken, std::string_view secondToken, int32_t frequency) {
                const std::string first = NormalizeSentence(FromFileText(firstToken));
                if (!haveFirst || first != previousFirst) {
                  int32_t position = 0;
                  firstEntry = Bisect(sentences_, first, position);
                  previousFirst = first;
                  haveFirst = true;
                }
                if (firstEntry == nullptr) return;
                const std::string second = NormalizeSentence(FromFileText(secondToken));
                int32_t position = 0;
                if (Bisect(sentences_, second, position) == nullptr) return;
                if (general) {
                  AddGeneralSuccessor<CSentence, CNextSentence>(*firstEntry, second, frequency);
                  generalSentencePairTotal_ = SaturatingAdd(generalSentencePairTotal_, frequency);
                } else {
                  AddUserSuccessor<CSentence, CNextSentence>(*firstEntry, second, frequency);
                  userSentencePairTotal_ = SaturatingAdd(userSentencePairTotal_, frequency);
                }
              });
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

// ---- Lookups ----

CDictionaryWord CDictionary::FindWord(std::string_view word, int32_t* position) const {
  int32_t at = 0;
  const CWord* entry = Bisect(words_, word, at);
  if (position != nullptr) *position = at;
  return CDictionaryWord(entry);
}

CDictionarySentence CDictionary::FindSentence(std::string_view sentence,
                                              int32_t* position) const {
  int32_t at = 0;
  const CSentence* entry = Bisect(sentences_, NormalizeSentence(sentence), at);
  if (position != nullptr) *position = at;
  return CDictionarySentence(entry);
}

void CDictionary::WordPrefixRange(std::string_view prefix, int32_t& first, int32_t& last) const {
  PrefixRange(words_, prefix, first, last);
}

void CDictionary::SentencePrefixRange(std::string_view prefix, int32_t& first,
                                      int32_t& last) const {
  PrefixRange(sentences_, NormalizeSentence(prefix), first, last);
}

int32_t CDictionary::WordsWithPrefix(std::string_view prefix,
                                     std::span<CDictionaryWord> out) const {
  int32_t first = 0, last = 0;
  WordPrefixRange(prefix, first, last);
  const auto count = static_cast<int32_t>(
      std::min<std::size_t>(out.size(), static_cast<std::size_t>(last - first)));
  for (int32_t i = 0; i < count; ++i) out[i] = CDictionaryWord(&words_[first + i]);
  return count;
}

int32_t CDictionary::SentencesWithPrefix(std::string_view prefix,
                                         std::span<CDictionarySentence> out) const {
  int32_t first = 0, last = 0;
  SentencePrefixRange(prefix, first, last);
  const auto count = static_cast<int32_t>(
      std::min<std::size_t>(out.size(), static_cast<std::size_t>(last - first)));
  for (int32_t i = 0; i < count; ++i) out[i] = CDictionarySentence(&sentences_[first + i]);
  return count;
}

int32_t CDictionary::SuccessorsOfWord(std::string_view word,
                                      std::span<CDictionaryWord> out) const {
  const CDictionaryWord entry = FindWord(word);
  return entry.IsNone() ? 0 : ResolveSuccessors(words_, entry.Get(), out);
}

int32_t CDictionary::SuccessorRecordsOfWord(std::string_view word,
                                            CDictionaryNextWordSet& out) const {
  return SuccessorsOfWordWithPrefix(word, {}, out);
}

int32_t CDictionary::SuccessorsOfWordWithPrefix(std::string_view word, std::string_view prefix,
                                                CDictionaryNextWordSet& out) const {
  const CDictionaryWord entry = FindWord(word);
  return entry.IsNone() ? 0 : ResolveSuccessorRecords(words_, entry.Get(), prefix, out);
}

int32_t CDictionary::SuccessorsOfSentence(std::string_view sentence,
                                          std::span<CDictionarySentence> out) const {
  const CDictionarySentence entry = FindSentence(sentence);
  return entry.IsNone() ? 0 : ResolveSuccessors(sentences_, entry.Get(), out);
}

int32_t CDictionary::SuccessorRecordsOfSentence(std::string_view sentence,
                                                CDictionaryNextSentenceSet& out) const {
  return SuccessorsOfSentenceWithPrefix(sentence, {}, out);
}

int32_t CDictionary::SuccessorsOfSentenceWithPrefix(std::string_view sentence,
                                                    std::string_view prefix,
                                                    CDictionaryNextSentenceSet& out) const {
  const CDictionarySentence entry = FindSentence(sentence);
  if (entry.IsNone()) return 0;
  return ResolveSuccessorRecords(sentences_, entry.Get(), NormalizeSentence(prefix), out);
}

int32_t CDictionary::SuccessorFrequency(std::string_view word, std::string_view successor) const {
  const CDictionaryWord entry = FindWord(word);
  if (entry.IsNone()) return 0;
  const CNextWord* next = FindSuccessor(entry->successors, successor);
  return next == nullptr ? 0 : next->generalFrequency;
}

int32_t CDictionary::UserSuccessorFrequency(std::string_view word,
                                            std::string_view successor) const {
  const CDictionaryWord entry = FindWord(word);
  if (entry.IsNone()) return 0;
  const CNextWord* next = FindSuccessor(entry->successors, successor);
  return next == nullptr ? 0 : next->userFrequency;
}

CDictionaryWord CDictionary::NextWord(int32_t& position) const {
  if (position < 0 || position >= WordCount()) {
    position = -1;
    return {};
  }
  const CDictionaryWord entry(&words_[position]);
  position = position + 1 < WordCount() ? position + 1 : -1;
  return entry;
}

CDictionarySentence CDictionary::NextSentence(int32_t& position) const {
  if (position < 0 || position >= SentenceCount()) {
    position = -1;
    return {};
  }
  const CDictionarySentence entry(&sentences_[position]);
  position = position + 1 < SentenceCount() ? position + 1 : -1;
  return entry;
}

// ---- Changes ----

void CDictionary::AddUserWord(std::string_view word, int32_t amount) {
  if (word.size() >= kLongWord) return;
  userWordsModified_ = true;
  int32_t position = 0;
  CWord* entry = Bisect(words_, word, position);
  if (entry != nullptr) {
    entry->userFrequency = SaturatingAdd(entry->userFrequency, amount);
  } else {
    if (WordCount() >= kMaximumWords) return;
    CWord added;
    added.text = std::string(word);
    added.userFrequency = amount;
    words_.insert(words_.begin() + position, std::move(added));
  }
  userWordTotal_ = SaturatingAdd(userWordTotal_, amount);
}

void CDictionary::AddUserWordPair(std::string_view first, std::string_view second,
                                  int32_t amount) {
  if (first.size() >= kLongWord || second.size() >= kLongWord) return;
  userWordPairsModified_ = true;
  int32_t position = 0;
  CWord* firstEntry = Bisect(words_, first, position);
  if (firstEntry == nullptr || Bisect(words_, second, position) == nullptr) return;
  AddUserSuccessor<CWord, CNextWord>(*firstEntry, second, amount);
  userPairTotal_ = SaturatingAdd(userPairTotal_, amount);
}

void CDictionary::AddUserSentence(std::string_view sentence, int32_t amount) {
  if (sentence.size() >= kLongSentence) return;
  const std::string text = NormalizeSentence(sentence);
  userSentencesModified_ = true;
  int32_t position = 0;
  CSentence* entry = Bisect(sentences_, text, position);
  if (entry != nullptr) {
    entry->userFrequency = SaturatingAdd(entry->userFrequency, amount);
  } else {
    if (SentenceCount() >= kMaximumSentences) return;
    CSentence added;
    added.text = text;
    added.userFrequency = amount;
    sentences_.insert(sentences_.begin() + position, std::move(added));
  }
  userSentenceTotal_ = SaturatingAdd(userSentenceTotal_, amount);
}

void CDictionary::AddUserSentencePair(std::string_view first, std::string_view second,
                                      int32_t amount) {
  if (first.size() >= kLongSentence || second.size() >= kLongSentence) return;
  const std::string firstText = NormalizeSentence(first);
  const std::string secondText = NormalizeSentence(second);
  userSentencePairsModified_ = true;
  int32_t position = 0;
  CSentence* firstEntry = Bisect(sentences_, firstText, position);
  if (firstEntry == nullptr || Bisect(sentences_, secondText, position) == nullptr) return;
  AddUserSuccessor<CSentence, CNextSentence>(*firstEntry, secondText, amount);
  userSentencePairTotal_ = SaturatingAdd(userSentencePairTotal_, amount);
}

bool CDictionary::SetUserWordFrequency(std::string_view word, int32_t value) {
  int32_t position = 0;
  CWord* entry = Bisect(words_, word, position);
  if (entry == nullptr) return false;
  userWordTotal_ = SaturatingReplace(userWordTotal_, entry->userFrequency, value);
  entry->userFrequency = value;
  userWordsModified_ = true;
  return true;
}

bool CDictionary::SetUserSentenceFrequency(std::string_view sentence, int32_t value) {
  int32_t position = 0;
  CSentence* entry = Bisect(sentences_, NormalizeSentence(sentence), position);
  if (entry == nullptr) return false;
  userSentenceTotal_ = SaturatingReplace(userSentenceTotal_, entry->userFrequency, value);
  entry->userFrequency = value;
  userSentencesModified_ = true;
  return true;
}

void CDictionary::ForgetLeastUsedUserWords() {
  ForgetLeastUsed(words_, userWordTotal_, userWordsModified_);
}

void CDictionary::ForgetLeastUsedUserSentences() {
  ForgetLeastUsed(sentences_, userSentenceTotal_, userSentencesModified_);
}

}  // namespace vorelio
