#include "prediction/Dictionary.h"

#include "common/Scanner.h"
#include "common/Text.h"
#include "prediction/DictionaryTable.h"

namespace vorelio {

using table::AddUserSuccessor;
using table::Bisect;
using table::FindSuccessor;
using table::ForgetLeastUsed;
using table::PrefixRange;
using table::ResolveSuccessorRecords;
using table::ResolveSuccessors;

CDictionary::CDictionary(FileSystem& files, MessageBoxService& messages)
    : files_(files), messages_(messages) {}

CDictionary::~CDictionary() { abbreviations_.Save(); }

void CDictionary::Clear() {
  // A released dictionary gives its memory back: only the profiles in use
  // hold full-size tables.
  std::vector<CWord>().swap(words_);
  std::vector<CSentence>().swap(sentences_);
  classes_.Clear();
  classPairs_.Clear();
  classNames_.clear();
  classIds_.clear();
  fileRecords_ = {};
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
  DictionaryFileRecord& record = Record(DictionaryFile::kUserWords);
  record.modified = true;
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
    if (mergingUserFile_) successorPositionsStale_ = true;
    else table::ShiftSuccessorPositions(words_, position);
  }
  record.total = SaturatingAdd(record.total, amount);
}

void CDictionary::AddUserWordPair(std::string_view first, std::string_view second,
                                  int32_t amount) {
  if (first.size() >= kLongWord || second.size() >= kLongWord) return;
  DictionaryFileRecord& record = Record(DictionaryFile::kUserWordPairs);
  record.modified = true;
  int32_t position = 0;
  CWord* firstEntry = Bisect(words_, first, position);
  if (firstEntry == nullptr || Bisect(words_, second, position) == nullptr) return;
  AddUserSuccessor<CWord, CNextWord>(*firstEntry, second, position, amount);
  record.total = SaturatingAdd(record.total, amount);
}

void CDictionary::AddUserSentence(std::string_view sentence, int32_t amount) {
  if (sentence.size() >= kLongSentence) return;
  const std::string text = NormalizeSentence(sentence);
  DictionaryFileRecord& record = Record(DictionaryFile::kUserSentences);
  record.modified = true;
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
    if (mergingUserFile_) successorPositionsStale_ = true;
    else table::ShiftSuccessorPositions(sentences_, position);
  }
  record.total = SaturatingAdd(record.total, amount);
}

void CDictionary::AddUserSentencePair(std::string_view first, std::string_view second,
                                      int32_t amount) {
  if (first.size() >= kLongSentence || second.size() >= kLongSentence) return;
  const std::string firstText = NormalizeSentence(first);
  const std::string secondText = NormalizeSentence(second);
  DictionaryFileRecord& record = Record(DictionaryFile::kUserSentencePairs);
  record.modified = true;
  int32_t position = 0;
  CSentence* firstEntry = Bisect(sentences_, firstText, position);
  if (firstEntry == nullptr || Bisect(sentences_, secondText, position) == nullptr) return;
  AddUserSuccessor<CSentence, CNextSentence>(*firstEntry, secondText, position, amount);
  record.total = SaturatingAdd(record.total, amount);
}

bool CDictionary::SetUserWordFrequency(std::string_view word, int32_t value) {
  int32_t position = 0;
  CWord* entry = Bisect(words_, word, position);
  if (entry == nullptr) return false;
  DictionaryFileRecord& record = Record(DictionaryFile::kUserWords);
  record.total = SaturatingReplace(record.total, entry->userFrequency, value);
  entry->userFrequency = value;
  record.modified = true;
  return true;
}

bool CDictionary::SetUserSentenceFrequency(std::string_view sentence, int32_t value) {
  int32_t position = 0;
  CSentence* entry = Bisect(sentences_, NormalizeSentence(sentence), position);
  if (entry == nullptr) return false;
  DictionaryFileRecord& record = Record(DictionaryFile::kUserSentences);
  record.total = SaturatingReplace(record.total, entry->userFrequency, value);
  entry->userFrequency = value;
  record.modified = true;
  return true;
}

void CDictionary::ForgetLeastUsedUserWords() {
  DictionaryFileRecord& record = Record(DictionaryFile::kUserWords);
  ForgetLeastUsed(words_, record.total, record.modified);
}

void CDictionary::ForgetLeastUsedUserSentences() {
  DictionaryFileRecord& record = Record(DictionaryFile::kUserSentences);
  ForgetLeastUsed(sentences_, record.total, record.modified);
}

}  // namespace vorelio
