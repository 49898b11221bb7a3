#include "tools/dictionary-builder/ConlluReader.h"

#include "common/Scanner.h"

#include <charconv>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

bool ParseInt(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool HasNoSpaceAfter(std::string_view misc) {
  return misc.find("SpaceAfter=No") != std::string_view::npos;
}

std::string_view CommentValue(std::string_view line, std::string_view key) {
  // "# key = value"
  if (line.substr(0, 2) != "# ") return {};
  line.remove_prefix(2);
  if (line.substr(0, key.size()) != key) return {};
  line.remove_prefix(key.size());
  const std::size_t equals = line.find_first_not_of(' ');
  if (equals == std::string_view::npos || line[equals] != '=') return {};
  line.remove_prefix(equals + 1);
  if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  return line;
}

}  // namespace

bool IsPunctuationClass(std::string_view wordClass) {
  return wordClass == "PUNCT" || wordClass == "SYM";
}

std::vector<TreebankDocument> ReadConllu(std::string_view contents) {
  std::vector<TreebankDocument> documents;
  TreebankSentence sentence;
  bool inSentence = false;
  int rangeEnd = 0;  // last syntactic word covered by the current range
  TreebankToken* rangeToken = nullptr;

  auto finishSentence = [&] {
    if (inSentence && (!sentence.tokens.empty() || !sentence.text.empty())) {
      if (documents.empty()) documents.emplace_back();
      documents.back().sentences.push_back(std::move(sentence));
    }
    sentence = TreebankSentence();
    inSentence = false;
    rangeEnd = 0;
    rangeToken = nullptr;
  };

  LineReader lines(contents);
  std::string_view rawLine;
  while (lines.Next(rawLine)) {
    const std::string_view line = WithoutCarriageReturn(rawLine);

    if (line.empty()) {
      finishSentence();
      continue;
    }
    if (line.front() == '#') {
      if (const auto id = CommentValue(line, "newdoc_id"); !id.empty()) {
        finishSentence();
        documents.push_back(TreebankDocument{std::string(id), {}});
      } else if (const auto text = CommentValue(line, "text"); !text.empty()) {
        sentence.text = std::string(text);
        inSentence = true;
      } else if (const auto sentId = CommentValue(line, "sent_id"); !sentId.empty()) {
        sentence.id = std::string(sentId);
        inSentence = true;
      }
      continue;
    }

    const auto fields = SplitTabs(line);
    if (fields.size() < 10) continue;
    inSentence = true;
    const std::string_view id = fields[0];
    if (id.find('.') != std::string_view::npos) continue;  // empty node
    if (const std::size_t dash = id.find('-'); dash != std::string_view::npos) {
      int first = 0, last = 0;
      if (!ParseInt(id.substr(0, dash), first) || !ParseInt(id.substr(dash + 1), last)) continue;
      sentence.tokens.push_back({std::string(fields[1]), "", !HasNoSpaceAfter(fields[9])});
      rangeToken = &sentence.tokens.back();
      rangeEnd = last;
      continue;
    }
    int number = 0;
    if (!ParseInt(id, number)) continue;
    if (rangeToken != nullptr && number <= rangeEnd) {
      if (!rangeToken->wordClass.empty()) rangeToken->wordClass += '+';
      rangeToken->wordClass += std::string(fields[3]);
      continue;
    }
    rangeToken = nullptr;
    sentence.tokens.push_back(
        {std::string(fields[1]), std::string(fields[3]), !HasNoSpaceAfter(fields[9])});
  }
  finishSentence();
  return documents;
}

}  // namespace vorelio::builder
