#include "app/SuggestionLists.h"

#include <algorithm>

#include "common/Text.h"

namespace vorelio {
namespace {

constexpr std::array<KeyType, kSuggestionKindCount> kKeyTypes = {
    KeyType::kWordSuggestion, KeyType::kSentenceSuggestion, KeyType::kPictogramSuggestion,
    KeyType::kPictogramSentenceSuggestion};

void CopyCut(const std::vector<std::string>& from, int32_t count, std::vector<std::string>& to) {
  const auto kept = std::min(from.size(), static_cast<std::size_t>(UsableSuggestionCount(count)));
  to.assign(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(kept));
}

}  // namespace

std::optional<SuggestionKind> SuggestionKindOf(KeyType type) {
  const auto found = std::find(kKeyTypes.begin(), kKeyTypes.end(), type);
  if (found == kKeyTypes.end()) return std::nullopt;
  return static_cast<SuggestionKind>(found - kKeyTypes.begin());
}

void CSuggestionLists::ShowOn(COnScreenKeyboard* keyboard) {
  keyboard_ = keyboard;
  pages_.fill(0);
  LabelAll();
}

void CSuggestionLists::Replace(const WordSuggestions& words, const SentenceSuggestions& sentences,
                               const PredictionOptions& limits, bool capitals) {
  CopyCut(words.words, limits.maxWordSuggestions, lists_[Index(SuggestionKind::kWord)]);
  CopyCut(sentences.sentences, limits.maxSentenceSuggestions,
          lists_[Index(SuggestionKind::kSentence)]);
  CopyCut(words.pictograms, limits.maxPictogramSuggestions,
          lists_[Index(SuggestionKind::kPictogram)]);
  CopyCut(sentences.pictogramSentences, limits.maxPictogramSentenceSuggestions,
          lists_[Index(SuggestionKind::kPictogramSentence)]);
  capitals_ = capitals;
  pages_.fill(0);
  LabelAll();
}

void CSuggestionLists::Clear() {
  for (auto& list : lists_) list.clear();
  pages_.fill(0);
  LabelAll();
}

void CSuggestionLists::NextPages() {
  for (int k = 0; k < kSuggestionKindCount; ++k) {
    const auto kind = static_cast<SuggestionKind>(k);
    const std::size_t pageSize = KeysOf(kind).size();
    if (pageSize == 0) continue;
    const std::size_t count = lists_[Index(kind)].size();
    const int pageCount =
        static_cast<int>(std::max<std::size_t>(1, (count + pageSize - 1) / pageSize));
    int& page = pages_[Index(kind)];
    page = page + 1 >= pageCount ? 0 : page + 1;
    Label(kind);
  }
}

std::optional<Suggestion> CSuggestionLists::On(const COnScreenKeyIdentifier& key) const {
  if (keyboard_ == nullptr) return std::nullopt;
  const CColorButton* button = keyboard_->Key(key);
  if (button == nullptr || !button->Type()) return std::nullopt;
  const std::optional<SuggestionKind> kind = SuggestionKindOf(*button->Type());
  if (!kind) return std::nullopt;
  const std::vector<COnScreenKeyIdentifier>& keys = KeysOf(*kind);
  const auto place = std::find(keys.begin(), keys.end(), key);
  if (place == keys.end()) return std::nullopt;
  const std::size_t position =
      static_cast<std::size_t>(pages_[Index(*kind)]) * keys.size() + (place - keys.begin());
  const std::vector<std::string>& list = lists_[Index(*kind)];
  if (position >= list.size()) return std::nullopt;
  return Suggestion{*kind, list[position], static_cast<int32_t>(position)};
}

const std::vector<std::string>& CSuggestionLists::List(SuggestionKind kind) const {
  return lists_[Index(kind)];
}

const std::vector<COnScreenKeyIdentifier>& CSuggestionLists::KeysOf(SuggestionKind kind) const {
  static const std::vector<COnScreenKeyIdentifier> kNone;
  return keyboard_ == nullptr ? kNone : keyboard_->SuggestionKeys(kKeyTypes[Index(kind)]);
}

std::string CSuggestionLists::Shown(SuggestionKind kind, const std::string& text) const {
  switch (kind) {
    case SuggestionKind::kWord:
    case SuggestionKind::kSentence:
      return capitals_ ? ToUpper(text) : text;
    case SuggestionKind::kPictogram: {
      std::string reference = pictograms_.ReferenceOf(text);
      return reference.empty() ? text : reference;
    }
    case SuggestionKind::kPictogramSentence: {
      std::string row = pictograms_.RowOf(text);
      return row.empty() ? text : row;
    }
  }
  return text;
}

void CSuggestionLists::Label(SuggestionKind kind) {
  if (keyboard_ == nullptr) return;
  const std::vector<COnScreenKeyIdentifier>& keys = KeysOf(kind);
  const std::vector<std::string>& list = lists_[Index(kind)];
  const std::size_t first = static_cast<std::size_t>(pages_[Index(kind)]) * keys.size();
  for (std::size_t n = 0; n < keys.size(); ++n) {
    CColorButton* button = keyboard_->Key(keys[n]);
    if (button == nullptr) continue;
    const std::size_t position = first + n;
    button->SetSuggestion(position < list.size() ? Shown(kind, list[position]) : std::string());
  }
}

void CSuggestionLists::LabelAll() {
  for (int k = 0; k < kSuggestionKindCount; ++k) Label(static_cast<SuggestionKind>(k));
}

}  // namespace vorelio
