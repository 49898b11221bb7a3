// CDictionary: everything the prediction engine knows about the language
// and about one user.
//
// A sorted word table (words with general and user frequencies, a class and
// their successors) and a sorted sentence table (normalised sentences and
// their successors), the grammatical classes and class pairs. The general
// side comes from the read-only "geral.*" files; the user side comes from,
// and is saved back to, files named after the profile.
//
// Keys are compared byte by byte as unsigned values and case-sensitively:
// callers pass words in lower case; sentence keys are normalised here.
// Handles returned by lookups point into the tables and are valid only until
// the next insertion (Add user word/sentence, a load).
//
// Files are read and written through the FileSystem given at construction.
// File failures are reported through the MessageBoxService given at
// construction and otherwise absorbed: a file that cannot be opened leaves
// its part empty and loading goes on.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "prediction/AbbreviationExpansionSet.h"
#include "prediction/DictionaryRecords.h"
#include "prediction/WordClasses.h"

namespace vorelio {

// The name of the installation's general dictionary files ("geral.pal"...).
inline constexpr std::string_view kGeneralDictionaryName = "geral";

// The eight files of the word and sentence tables, in loading order.
enum class DictionaryFile {
  kGeneralWords,          // "geral.pal": words, frequencies, classes
  kGeneralWordPairs,      // "geral.par"
  kUserWords,             // profile + ".pal"
  kUserWordPairs,         // profile + ".par"
  kGeneralSentences,      // "geral.frs"
  kGeneralSentencePairs,  // "geral.paf"
  kUserSentences,         // profile + ".frs"
  kUserSentencePairs,     // profile + ".paf"
};
inline constexpr std::size_t kDictionaryFileCount = 8;

// The words and their pairs, or the sentences and theirs.
enum class DictionarySide { kWords, kSentences };

// What the dictionary knows of one of its files: the path of its last load,
// the total of the frequencies read from it and added since, and, for a
// user file, whether the table changed since it was loaded or saved.
struct DictionaryFileRecord {
  std::string path;
  int32_t total = 0;
  bool modified = false;
};

class CDictionary {
 public:
  static constexpr int32_t kMaximumWords = 250000;
  static constexpr int32_t kMaximumSentences = 250000;
  // Words of this length or more, and sentences of kLongSentence or more,
  // are never added by the user side.
  static constexpr std::size_t kLongWord = 500;
  static constexpr std::size_t kLongSentence = 1000;

  CDictionary(FileSystem& files, MessageBoxService& messages);
  // Saves the abbreviations when they were modified (a dictionary that was
  // never loaded, or was released, remembers no abbreviation file and
  // writes nothing).
  ~CDictionary();
  CDictionary(const CDictionary&) = delete;
  CDictionary& operator=(const CDictionary&) = delete;

  // Loads, in this order, from folder D (ending in a path separator) and
  // profile P: D+"geral.pal", D+"geral.par", D+"geral.cg", D+"geral.pcg",
  // D+P+".pal", D+P+".par" (then, with user adaptation on and fewer than 3
  // free word slots, forgets the least-used user words once), the
  // abbreviations from D+P+".abr" (a missing file leaves them empty,
  // silently), D+"geral.frs",
  // D+"geral.paf", D+P+".frs", D+P+".paf" (then the same for sentences).
  // The user files just read are not "modified" afterwards.
  void LoadDictionary(const std::string& folder, const std::string& profile,
                      bool userAdaptation);
  // Saves every modified user file and the abbreviations, then clears and
  // returns true. When any of them cannot be written nothing is cleared:
  // the tables, paths and modified flags stay, so what the user taught is
  // not lost and the next release (or, for the abbreviations, the
  // destructor) tries again; false.
  bool ReleaseDictionary();
  // Empties both tables and the classes; every total, count, flag and path
  // becomes 0 or empty. The abbreviations are left as they are.
  void Clear();

  // Loads one file: remembers its path and first sets its total to 0. The
  // general words and general sentences empty their table first; the others
  // add to what is there. A file that cannot be opened is reported (the
  // message of its kind) and leaves its part empty. The modified flags stay
  // as they are.
  void Load(DictionaryFile file, const std::string& path);
  // Reloads the side's general file, general pairs, user file and user pairs
  // from the paths remembered by their last load, discarding every unsaved
  // change of the user side; afterwards its user files are not modified.
  // Classes stay as they are.
  void Reload(DictionarySide side);
  // Both sides: undoes what a simulation run learned.
  void ReloadWordAndSentenceFiles();
  // Class files: a missing file leaves the set empty, silently.
  void LoadClasses(const std::string& path);
  void LoadClassPairs(const std::string& path);

  // Writes a user file (kUserWords, kUserWordPairs, kUserSentences or
  // kUserSentencePairs) to its remembered path through a temporary file and a
  // rename, so the previous file survives a crash or a full disk. On success
  // the modified flag is cleared and true returned; on failure, or for a
  // general file, the flag stays set so the next release tries again.
  bool Save(DictionaryFile file);
  // Saves the side's user pairs when they or the user entries changed (the
  // pairs file leaves out entries the user no longer has), then the user
  // entries when they changed. True when all were written.
  bool SaveModifiedUserFiles(DictionarySide side);

  const DictionaryFileRecord& File(DictionaryFile file) const {
    return fileRecords_[static_cast<std::size_t>(file)];
  }

  // The profile's abbreviations (loaded by LoadDictionary).
  CAbbreviationExpansionSet& Abbreviations() { return abbreviations_; }
  const CAbbreviationExpansionSet& Abbreviations() const { return abbreviations_; }

  // ---- Lookups ----
  // The entry with exactly `word`, or none; `position` (optional) receives
  // the table position at which the word is or would be inserted.
  CDictionaryWord FindWord(std::string_view word, int32_t* position = nullptr) const;
  CDictionarySentence FindSentence(std::string_view sentence,
                                   int32_t* position = nullptr) const;
  // Every entry that begins with the prefix and is longer than it, in table
  // order, up to out.size(). An empty prefix yields 0.
  int32_t WordsWithPrefix(std::string_view prefix, std::span<CDictionaryWord> out) const;
  int32_t SentencesWithPrefix(std::string_view prefix,
                              std::span<CDictionarySentence> out) const;
  // The table positions [first, last) of the entries WordsWithPrefix would
  // return (unbounded); first == last when there are none.
  void WordPrefixRange(std::string_view prefix, int32_t& first, int32_t& last) const;
  void SentencePrefixRange(std::string_view prefix, int32_t& first, int32_t& last) const;

  // The handles of the successors in successor order, at most
  // min(out.size(), 10000); 0 when the word is not in the table.
  int32_t SuccessorsOfWord(std::string_view word, std::span<CDictionaryWord> out) const;
  // Appends one record per successor (the caller empties the set first).
  int32_t SuccessorRecordsOfWord(std::string_view word, CDictionaryNextWordSet& out) const;
  // The same, only the successors whose text begins with `prefix`.
  int32_t SuccessorsOfWordWithPrefix(std::string_view word, std::string_view prefix,
                                     CDictionaryNextWordSet& out) const;
  int32_t SuccessorsOfSentence(std::string_view sentence,
                               std::span<CDictionarySentence> out) const;
  int32_t SuccessorRecordsOfSentence(std::string_view sentence,
                                     CDictionaryNextSentenceSet& out) const;
  int32_t SuccessorsOfSentenceWithPrefix(std::string_view sentence, std::string_view prefix,
                                         CDictionaryNextSentenceSet& out) const;
  // The pair's general / user frequency, or 0.
  int32_t SuccessorFrequency(std::string_view word, std::string_view successor) const;
  int32_t UserSuccessorFrequency(std::string_view word, std::string_view successor) const;

  int32_t ClassFrequency(std::string_view name) const { return classes_.Frequency(name); }
  int32_t ClassPairFrequency(std::string_view first, std::string_view second) const {
    return classPairs_.Frequency(first, second);
  }
  const CWordClassSet& Classes() const { return classes_; }
  const CWordClassPairSet& ClassPairs() const { return classPairs_; }
  // The distinct class names of the word table, indexed by CWord::classId.
  const std::vector<std::string>& WordClassNames() const { return classNames_; }

  // Iteration: First* is 0, or -1 for an empty table; Next* returns the
  // entry at `position` and advances it, to -1 after the last entry.
  int32_t FirstWordPosition() const { return words_.empty() ? -1 : 0; }
  CDictionaryWord NextWord(int32_t& position) const;
  int32_t FirstSentencePosition() const { return sentences_.empty() ? -1 : 0; }
  CDictionarySentence NextSentence(int32_t& position) const;
  const std::vector<CWord>& Words() const { return words_; }
  const std::vector<CSentence>& Sentences() const { return sentences_; }

  int32_t MaximumWords() const { return kMaximumWords; }
  int32_t WordCount() const { return static_cast<int32_t>(words_.size()); }
  int32_t SentenceCount() const { return static_cast<int32_t>(sentences_.size()); }
  // The totals the scores divide by.
  int32_t GeneralWordTotal() const { return File(DictionaryFile::kGeneralWords).total; }
  int32_t GeneralPairTotal() const { return File(DictionaryFile::kGeneralWordPairs).total; }
  int32_t UserWordTotal() const { return File(DictionaryFile::kUserWords).total; }
  int32_t UserPairTotal() const { return File(DictionaryFile::kUserWordPairs).total; }
  int32_t GeneralSentenceTotal() const { return File(DictionaryFile::kGeneralSentences).total; }
  int32_t GeneralSentencePairTotal() const {
    return File(DictionaryFile::kGeneralSentencePairs).total;
  }
  int32_t UserSentenceTotal() const { return File(DictionaryFile::kUserSentences).total; }
  int32_t UserSentencePairTotal() const { return File(DictionaryFile::kUserSentencePairs).total; }
  FileSystem& Files() const { return files_; }

  // ---- Changes of the user side ----
  // Ignored for words of kLongWord characters or more. Sets the modified
  // flag; an existing word's user frequency grows by `amount`, a new word is
  // inserted at its sorted place unless the table is full; in both added
  // cases the user word total grows by `amount`. No lower-casing here.
  void AddUserWord(std::string_view word, int32_t amount);
  // Ignored unless both words are shorter than kLongWord. Sets the modified
  // flag; when both are entries the second becomes or strengthens a
  // successor of the first and the user pair total grows.
  void AddUserWordPair(std::string_view first, std::string_view second, int32_t amount);
  void AddUserSentence(std::string_view sentence, int32_t amount);
  void AddUserSentencePair(std::string_view first, std::string_view second, int32_t amount);
  // False when absent. Otherwise the user total loses the old value and
  // gains the new one, and the modified flag is set; 0 removes the entry
  // from the user's vocabulary (it stays in the table).
  bool SetUserWordFrequency(std::string_view word, int32_t value);
  bool SetUserSentenceFrequency(std::string_view sentence, int32_t value);
  // Every entry whose user frequency is the smallest above 0 gets 0.
  void ForgetLeastUsedUserWords();
  void ForgetLeastUsedUserSentences();

  // ---- Readers of file contents, for the loaders and the fuzzer ----
  void ReadGeneralWords(std::string_view contents);
  void ReadWordPairs(std::string_view contents, bool general);
  void ReadUserWords(std::string_view contents);
  void ReadGeneralSentences(std::string_view contents);
  void ReadSentencePairs(std::string_view contents, bool general);
  void ReadUserSentences(std::string_view contents);

 private:
  int32_t InternClass(const std::string& name);
  DictionaryFileRecord& Record(DictionaryFile file) {
    return fileRecords_[static_cast<std::size_t>(file)];
  }
  // Hands file contents to the reader of its kind.
  void Read(DictionaryFile file, std::string_view contents);

  FileSystem& files_;
  MessageBoxService& messages_;
  // While a user file is merged, insertions leave successor positions to be
  // rebuilt once at the end instead of shifting them at every new entry.
  bool mergingUserFile_ = false;
  bool successorPositionsStale_ = false;

  std::array<DictionaryFileRecord, kDictionaryFileCount> fileRecords_;
  std::vector<CWord> words_;
  CWordClassSet classes_;
  CWordClassPairSet classPairs_;
  std::vector<std::string> classNames_;
  std::unordered_map<std::string, int32_t> classIds_;
  CAbbreviationExpansionSet abbreviations_;

  std::vector<CSentence> sentences_;
};

}  // namespace vorelio
