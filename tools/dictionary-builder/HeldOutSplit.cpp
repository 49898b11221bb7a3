#include "tools/dictionary-builder/HeldOutSplit.h"

namespace vorelio::builder {

bool IsHeldOutDocument(std::size_t index) { return index % 10 == 9; }

bool IsHeldOutStory(std::size_t index) { return index % 5 == 4; }

bool IsHeldOutConversation(std::size_t index) { return index % 5 == 4; }

bool IsHeldOutFormalDocument(std::size_t index) { return index % 5 == 4; }

std::string FormatHeldOutNews(const std::vector<const TreebankDocument*>& documents) {
  std::string out;
  for (const TreebankDocument* document : documents) {
    if (!out.empty()) out += '\n';
    for (const TreebankSentence& sentence : document->sentences) {
      if (sentence.text.empty()) continue;
      out += sentence.text;
      out += '\n';
    }
  }
  return out;
}

std::string FormatHeldOutStories(const std::vector<const Story*>& stories) {
  std::string out;
  for (const Story* story : stories) {
    if (!out.empty()) out += '\n';
    if (!story->title.empty()) out += story->title + '\n';
    for (const std::string& paragraph : story->paragraphs) out += paragraph + '\n';
  }
  return out;
}

namespace {

std::string FormatBlocks(const std::vector<const std::vector<std::string>*>& blocks) {
  std::string out;
  for (const std::vector<std::string>* block : blocks) {
    if (!out.empty()) out += '\n';
    for (const std::string& line : *block) out += line + '\n';
  }
  return out;
}

}  // namespace

std::string FormatHeldOutConversations(const std::vector<const Conversation*>& conversations) {
  return FormatBlocks(conversations);
}

std::string FormatHeldOutDocuments(const std::vector<const Document*>& documents) {
  return FormatBlocks(documents);
}

std::size_t CountWords(std::string_view text) {
  std::size_t words = 0;
  bool inToken = false;
  bool hasLetter = false;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
      if (inToken && hasLetter) ++words;
      inToken = hasLetter = false;
      continue;
    }
    inToken = true;
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u >= 0x80) {
      hasLetter = true;
    }
  }
  return words;
}

}  // namespace vorelio::builder
