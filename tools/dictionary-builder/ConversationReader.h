// Reading of the corpora written or gathered for this project, both made of
// blocks of lines: the everyday conversation phrase set
// (corpora/conversation/: one message per line, a blank line between
// conversations, "#" lines as comments) and running text
// (corpora/debian/: one paragraph per line, a blank line between documents).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorelio::builder {

// Blocks of consecutive lines: the lines of one block, in order, trimmed,
// as read (UTF-8). Blank lines (and lines of blanks) end a block. With
// `skipComments`, a line starting with "#" is a comment: it neither adds a
// line nor ends a block.
std::vector<std::vector<std::string>> ReadBlocks(std::string_view contents, bool skipComments);

// The messages of one conversation.
using Conversation = std::vector<std::string>;
// Conversations in file order ("#" lines are comments).
std::vector<Conversation> ReadConversations(std::string_view contents);

// Running text (corpora/debian/): one paragraph per line, an empty line
// between documents.
using Document = std::vector<std::string>;
std::vector<Document> ReadDocuments(std::string_view contents);

}  // namespace vorelio::builder
