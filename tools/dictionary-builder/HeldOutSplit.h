// The part of the corpora kept out of the dictionary, so that prediction can
// be measured on text it was not built from. The choice is fixed by position
// alone, so every build holds out the same text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dictionary-builder/ConlluReader.h"
#include "tools/dictionary-builder/ConversationReader.h"
#include "tools/dictionary-builder/StoryReader.h"

namespace vorelio::builder {

// Every 10th newspaper document in file order (the 10th, 20th, ...).
bool IsHeldOutDocument(std::size_t index);
// Every 5th story in file-name order (the 5th, 10th, ...).
bool IsHeldOutStory(std::size_t index);
// Every 5th conversation, counted over the files in name order.
bool IsHeldOutConversation(std::size_t index);
// The formal running text: every 5th document of this file.
inline constexpr std::string_view kFormalTextFile = "debian-installation-guide.txt";
bool IsHeldOutFormalDocument(std::size_t index);

// Plain UTF-8 text as written: one sentence per line, an empty line between
// documents.
std::string FormatHeldOutNews(const std::vector<const TreebankDocument*>& documents);
// The title and then one paragraph per line, an empty line between stories.
std::string FormatHeldOutStories(const std::vector<const Story*>& stories);
// One message per line, an empty line between conversations.
std::string FormatHeldOutConversations(const std::vector<const Conversation*>& conversations);
// One paragraph per line, an empty line between documents.
std::string FormatHeldOutDocuments(const std::vector<const Document*>& documents);

// Blank-separated tokens holding at least one letter or digit (any non-ASCII
// byte counts as a letter).
std::size_t CountWords(std::string_view text);

}  // namespace vorelio::builder
