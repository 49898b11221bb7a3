#include "prediction/AdaptationCommands.h"

#include "platform/AtomicFile.h"
#include "prediction/TextFileLearner.h"

namespace vorelio {

AdaptationResult AdaptFromTextFile(CDictionary& dictionary, const std::string& path,
                                   bool systemChangesAllowed, MessageBoxService& messages) {
  if (!systemChangesAllowed) {
    messages.ShowMessage(kSystemChangesLockedMessage);
    return AdaptationResult::kLocked;
  }
  if (!LearnFromTextFile(dictionary, path)) return AdaptationResult::kUnreadableFile;
  messages.ShowMessage(kUserVocabularyLearnedMessage);
  return AdaptationResult::kLearned;
}

AdaptationResult AdaptFromClipboard(CDictionary& dictionary, ClipboardService& clipboard,
                                    const std::string& dataFolder, bool systemChangesAllowed,
                                    MessageBoxService& messages) {
  if (!systemChangesAllowed) {
    messages.ShowMessage(kSystemChangesLockedMessage);
    return AdaptationResult::kLocked;
  }
  const std::optional<std::string> text = clipboard.Text();
  if (!text) return AdaptationResult::kNoText;
  // A text too long is neither copied nor learned; the old copy is not
  // learned again in its place.
  if (text->size() >= kClipboardTextLimit) return AdaptationResult::kTextTooLong;
  WriteFileAtomically(dictionary.Files(), dataFolder + std::string(kClipboardFileName), *text);
  LearnFromText(dictionary, *text);
  messages.ShowMessage(kUserVocabularyLearnedMessage);
  return AdaptationResult::kLearned;
}

}  // namespace vorelio
