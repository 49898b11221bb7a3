#include "tools/dictionary-builder/ConversationReader.h"

#include "common/Scanner.h"
#include "common/Text.h"

namespace vorelio::builder {

std::vector<std::vector<std::string>> ReadBlocks(std::string_view contents, bool skipComments) {
  std::vector<std::vector<std::string>> blocks;
  std::vector<std::string> current;
  LineReader lines(contents);
  std::string_view rawLine;
  while (lines.Next(rawLine)) {
    const std::string_view line = Trim(WithoutCarriageReturn(rawLine));
    if (skipComments && !line.empty() && line.front() == '#') continue;
    if (line.empty()) {
      if (!current.empty()) blocks.push_back(std::move(current));
      current.clear();
      continue;
    }
    current.emplace_back(line);
  }
  if (!current.empty()) blocks.push_back(std::move(current));
  return blocks;
}

std::vector<Conversation> ReadConversations(std::string_view contents) {
  return ReadBlocks(contents, true);
}

std::vector<Document> ReadDocuments(std::string_view contents) {
  return ReadBlocks(contents, false);
}

}  // namespace vorelio::builder
