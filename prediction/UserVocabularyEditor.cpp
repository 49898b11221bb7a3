#include "prediction/UserVocabularyEditor.h"

#include <algorithm>

#include "common/Text.h"
#include "prediction/AdaptationCommands.h"

namespace vorelio {
namespace {

constexpr std::string_view kEmptyWordMessage = "Palavra vazia!";
constexpr std::string_view kWordWithSpaceMessage =
    "N\xE3o s\xE3o permitidos espa\xE7os na palavra. Utilize um travess\xE3o.";
constexpr std::string_view kWordListedMessage = "J\xE1 existe essa palavra.";
constexpr std::string_view kEmptySentenceMessage = "Frase vazia!";
constexpr std::string_view kSentenceListedMessage = "J\xE1 existe essa frase.";

template <class Table>
std::vector<UserVocabularyEntry> UserEntriesOf(const Table& table) {
  std::vector<UserVocabularyEntry> entries;
  for (const auto& entry : table)
    if (entry.userFrequency != 0) entries.push_back({entry.text, entry.userFrequency});
  return entries;
}

}  // namespace

CUserVocabularyEditor::CUserVocabularyEditor(CDictionary& dictionary, VocabularyKind kind,
                                             MessageBoxService& messages)
    : dictionary_(dictionary), kind_(kind), messages_(messages) {}

bool CUserVocabularyEditor::Begin(bool systemChangesAllowed) {
  if (!systemChangesAllowed) {
    messages_.ShowMessage(kSystemChangesLockedMessage);
    return false;
  }
  filesCurrent_ = dictionary_.SaveModifiedUserFiles(Side());
  return true;
}

std::vector<UserVocabularyEntry> CUserVocabularyEditor::Entries() const {
  return kind_ == VocabularyKind::kWords ? UserEntriesOf(dictionary_.Words())
                                         : UserEntriesOf(dictionary_.Sentences());
}

AddEntryResult CUserVocabularyEditor::Add(std::string_view typed) {
  const bool words = kind_ == VocabularyKind::kWords;
  std::string text(Trim(typed));
  if (words) ToLowerInPlace(text);
  if (text.empty()) {
    messages_.ShowMessage(words ? kEmptyWordMessage : kEmptySentenceMessage);
    return AddEntryResult::kEmpty;
  }
  if (words && std::any_of(text.begin(), text.end(), IsWhiteSpace)) {
    messages_.ShowMessage(kWordWithSpaceMessage);
    return AddEntryResult::kHasSpace;
  }
  if (words) {
    const CDictionaryWord entry = dictionary_.FindWord(text);
    if (!entry.IsNone() && entry->userFrequency != 0) {
      messages_.ShowMessage(kWordListedMessage);
      return AddEntryResult::kAlreadyListed;
    }
    if (!dictionary_.SetUserWordFrequency(text, 1)) dictionary_.AddUserWord(text, 1);
  } else {
    const CDictionarySentence entry = dictionary_.FindSentence(text);
    if (!entry.IsNone() && entry->userFrequency != 0) {
      messages_.ShowMessage(kSentenceListedMessage);
      return AddEntryResult::kAlreadyListed;
    }
    if (!dictionary_.SetUserSentenceFrequency(text, 1)) dictionary_.AddUserSentence(text, 1);
  }
  return AddEntryResult::kAdded;
}

bool CUserVocabularyEditor::SetFrequency(std::string_view text, int32_t value) {
  return kind_ == VocabularyKind::kWords ? dictionary_.SetUserWordFrequency(text, value)
                                         : dictionary_.SetUserSentenceFrequency(text, value);
}

bool CUserVocabularyEditor::Finish(bool accepted) {
  if (accepted) filesCurrent_ = dictionary_.SaveModifiedUserFiles(Side()) && filesCurrent_;
  if (!filesCurrent_) return false;
  dictionary_.Reload(Side());
  return true;
}

DictionarySide CUserVocabularyEditor::Side() const {
  return kind_ == VocabularyKind::kWords ? DictionarySide::kWords : DictionarySide::kSentences;
}

}  // namespace vorelio
