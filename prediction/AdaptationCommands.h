// The menu commands that adapt the dictionary in bulk: from a text file the
// user picked and from the clipboard. Both refuse while system changes are
// locked, and confirm the end through the message box service. Showing the
// file dialog and the wait cursor is the menu's part.
#pragma once

#include <string>
#include <string_view>

#include "common/SystemLockMessage.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"

namespace vorelio {

inline constexpr std::string_view kUserVocabularyLearnedMessage =
    "As palavras e frases do utilizador foram incorporadas no dicion\xE1rio.";

// Clipboard texts of this many characters or more are not learned.
inline constexpr std::size_t kClipboardTextLimit = 10000;
// The copy of the clipboard text kept in the data folder.
inline constexpr std::string_view kClipboardFileName = "ClipboardFile.tmp";

enum class AdaptationResult {
  kLearned,         // learned; the confirmation was shown
  kLocked,          // refused: system changes are locked (message shown)
  kUnreadableFile,  // the text file could not be read: nothing learned, no message
  kNoText,          // the clipboard holds no text: nothing learned, no message
  kTextTooLong,     // the clipboard text has kClipboardTextLimit characters or
                    // more: nothing learned, the clipboard file left as it was
};

// Learns words, word pairs, sentences and sentence pairs from the file at
// `path` (UTF-8 or Windows-1252), then confirms.
AdaptationResult AdaptFromTextFile(CDictionary& dictionary, const std::string& path,
                                   bool systemChangesAllowed, MessageBoxService& messages);

// Writes the clipboard text (Windows-1252) to `dataFolder` +
// "ClipboardFile.tmp", replacing it atomically, learns from the text and
// confirms. The text is learned as the clipboard gave it even when the file
// cannot be written, since the file is only a copy.
AdaptationResult AdaptFromClipboard(CDictionary& dictionary, ClipboardService& clipboard,
                                    const std::string& dataFolder, bool systemChangesAllowed,
                                    MessageBoxService& messages);

}  // namespace vorelio
