// CUserVocabularyEditor: the save-and-reload logic around the dialogs in
// which the user edits the user words or the user sentences.
//
// Begin saves the user files of its kind, so that they hold everything
// learned so far; the dialog then works directly on the dictionary; Finish
// with OK saves the dialog's changes and reloads the four files of its kind
// (general entries, general pairs, user entries, user pairs) from the paths
// the dictionary remembers, and Finish with Cancel only reloads them, which
// discards the changes. If a save failed, the files are not current and a
// reload would lose what was learned: the dictionary is then left as it is,
// its modified flags still set, for the next save to try again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"

namespace vorelio {

enum class VocabularyKind { kWords, kSentences };

struct UserVocabularyEntry {
  std::string text;
  int32_t userFrequency = 0;
  friend bool operator==(const UserVocabularyEntry&, const UserVocabularyEntry&) = default;
};

enum class AddEntryResult { kAdded, kEmpty, kHasSpace, kAlreadyListed };

class CUserVocabularyEditor {
 public:
  CUserVocabularyEditor(CDictionary& dictionary, VocabularyKind kind, MessageBoxService& messages);

  // Refused (false) with the lock message while system changes are locked.
  // Otherwise saves the user pair file (when the pairs or the entries were
  // modified) and the user file (when the entries were modified); true.
  bool Begin(bool systemChangesAllowed);

  // The entries the dialog lists: every entry with a user frequency, in
  // table order.
  std::vector<UserVocabularyEntry> Entries() const;
  // Adds what the user typed, trimmed (and lower-cased for words), with user
  // frequency 1. Refuses, with the message of its kind: an empty text
  // ("Palavra vazia!" / "Frase vazia!"), a word holding white space, and an
  // entry already listed ("J\xE1 existe essa palavra." / "... frase.").
  AddEntryResult Add(std::string_view typed);
  // Gives a listed entry the user frequency `value`; false when absent.
  bool SetFrequency(std::string_view text, int32_t value);

  // OK (`accepted`) saves the changes and reloads; Cancel reloads. Returns
  // false when the files could not be brought up to date and nothing was
  // reloaded.
  bool Finish(bool accepted);

 private:
  DictionarySide Side() const;

  CDictionary& dictionary_;
  VocabularyKind kind_;
  MessageBoxService& messages_;
  bool filesCurrent_ = true;
};

}  // namespace vorelio
