#include "tools/dictionary-builder/DictionaryWriter.h"

#include <algorithm>
#include <limits>

namespace vorelio::builder {
namespace {

int64_t Clamp(int64_t frequency) {
  return std::min<int64_t>(frequency, std::numeric_limits<int32_t>::max());
}

bool IsWritable(std::string_view text) {
  return !text.empty() && text.find_first_of("|\t\r\n") == std::string_view::npos;
}

void AppendLine(std::string& out, std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) out += ' ';
    out += field;
    first = false;
  }
  out += '\n';
}

}  // namespace

bool ByteLess::operator()(std::string_view a, std::string_view b) const {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::string EncodeSpaces(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), ' ', '|');
  return out;
}

std::string FormatWordFile(const std::vector<WordEntry>& words) {
  std::map<std::string, WordEntry, ByteLess> sorted;
  for (const WordEntry& word : words) {
    if (!IsWritable(word.text)) continue;
    auto [it, inserted] = sorted.try_emplace(word.text, word);
    if (!inserted) {
      it->second.frequency += word.frequency;
      if (it->second.wordClass.empty()) it->second.wordClass = word.wordClass;
    }
  }
  std::string out;
  for (const auto& [text, word] : sorted) {
    const std::string frequency = std::to_string(Clamp(word.frequency));
    if (word.wordClass.empty() || !IsWritable(word.wordClass) ||
        word.wordClass.find(' ') != std::string::npos) {
      AppendLine(out, {EncodeSpaces(text), frequency});
    } else {
      AppendLine(out, {EncodeSpaces(text), frequency, word.wordClass});
    }
  }
  return out;
}

std::string FormatPairFile(const std::vector<PairEntry>& pairs) {
  struct PairLess {
    bool operator()(const std::pair<std::string, std::string>& a,
                    const std::pair<std::string, std::string>& b) const {
      ByteLess less;
      if (a.first != b.first) return less(a.first, b.first);
      return less(a.second, b.second);
    }
  };
  std::map<std::pair<std::string, std::string>, int64_t, PairLess> sorted;
  for (const PairEntry& pair : pairs) {
    if (!IsWritable(pair.first) || !IsWritable(pair.second)) continue;
    sorted[{pair.first, pair.second}] += pair.frequency;
  }
  std::string out;
  for (const auto& [key, frequency] : sorted) {
    AppendLine(out, {EncodeSpaces(key.first), EncodeSpaces(key.second),
                     std::to_string(Clamp(frequency))});
  }
  return out;
}

std::string FormatSentenceFile(const std::vector<SentenceEntry>& sentences) {
  std::map<std::string, int64_t, ByteLess> sorted;
  for (const SentenceEntry& sentence : sentences) {
    if (!IsWritable(sentence.text)) continue;
    sorted[sentence.text] += sentence.frequency;
  }
  std::string out;
  for (const auto& [text, frequency] : sorted) {
    AppendLine(out, {EncodeSpaces(text), std::to_string(Clamp(frequency))});
  }
  return out;
}

std::string FormatClassFile(const std::map<std::string, int64_t>& classes, std::size_t limit) {
  std::vector<std::pair<std::string, int64_t>> ordered(classes.begin(), classes.end());
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string out;
  std::size_t lines = 0;
  for (const auto& [name, frequency] : ordered) {
    if (lines == limit) break;
    if (!IsWritable(name) || name.find(' ') != std::string::npos) continue;
    AppendLine(out, {name, std::to_string(Clamp(frequency))});
    ++lines;
  }
  return out;
}

std::string FormatClassPairFile(
    const std::map<std::pair<std::string, std::string>, int64_t>& classPairs) {
  std::string out;
  for (const auto& [key, frequency] : classPairs) {
    if (!IsWritable(key.first) || !IsWritable(key.second) ||
        key.first.find(' ') != std::string::npos || key.second.find(' ') != std::string::npos) {
      continue;
    }
    AppendLine(out, {key.first, key.second, std::to_string(Clamp(frequency))});
  }
  return out;
}

}  // namespace vorelio::builder
