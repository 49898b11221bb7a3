// The texts a person hands to the menu's commands: the clipboard's (only a
// text of fewer than kClipboardTextLimit characters) and a file's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Clipboard.h"
#include "platform/MessageBox.h"

namespace vorelio {

inline constexpr std::string_view kClipboardHasNoTextMessage =
    "A \xE1rea de transfer\xEAncia n\xE3o cont\xE9m texto.";

// The message for a text file that cannot be read.
std::string UnreadableTextFileMessage(std::string_view path);

// The message for a clipboard text of kClipboardTextLimit characters or more.
std::string ClipboardTextTooLongMessage();

// The clipboard's text (Windows-1252); nothing, after telling the person
// why, when it holds no text or one too long.
std::optional<std::string> AcceptedClipboardText(ClipboardService& clipboard,
                                                 MessageBoxService& messages);

}  // namespace vorelio
