#include "output/TextModel.h"

#include <algorithm>

#include "common/Text.h"
#include "common/VirtualKeys.h"
#include "output/Keyboard.h"

namespace vorelio {
namespace {


// The index of the last terminator in text[0, end), or -1.
int LastTerminatorBefore(std::string_view text, int end) {
  for (int i = end - 1; i >= 0; --i) {
    if (IsTerminator(text[i])) return i;
  }
  return -1;
}

// The n-th separator-delimited token counted from the end (0 = the last),
// or empty. Counted backwards so that a long text without terminators still
// gives its true last words.
std::string TokenFromEnd(std::string_view text, int n) {
  int end = static_cast<int>(text.size());
  for (;;) {
    while (end > 0 && IsSeparator(text[end - 1])) --end;
    if (end == 0) return {};
    int begin = end;
    while (begin > 0 && !IsSeparator(text[begin - 1])) --begin;
    if (n == 0) return std::string(text.substr(begin, end - begin));
    --n;
    end = begin;
  }
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

}  // namespace

TextModel::TextModel(std::string text, int caret) : text_(std::move(text)) {
  caret_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
}

void TextModel::Reset() {
  text_.clear();
  caret_ = 0;
}

void TextModel::KeyDown(int virtualKey, bool isProgramKey) {
  const int length = static_cast<int>(text_.size());
  switch (virtualKey) {
    case vk::kBack:
      if (caret_ >= 1 && caret_ <= length) {
        text_.erase(static_cast<std::size_t>(caret_ - 1), 1);
        --caret_;
      }
      break;
    case vk::kLeft:
      if (caret_ >= 1 && caret_ <= length) --caret_;
      break;
    case vk::kRight:
      if (caret_ >= 0 && caret_ < length) ++caret_;
      break;
    case vk::kDelete:
      if (caret_ >= 0 && caret_ < length) text_.erase(static_cast<std::size_t>(caret_), 1);
      break;
    case vk::kUp:
    case vk::kDown:
      Reset();
      break;
    default:
      // A swallowed program key never reached the application.
      if (virtualKey >= vk::kPrior && virtualKey <= vk::kHome && !isProgramKey) Reset();
      break;
  }
}

TypedCharacterEffect TextModel::CharacterTyped(char character) {
  if (character != '\b') {
    text_.insert(text_.begin() + caret_, character);
    ++caret_;
  }
  const TypedCharacterEffect effect = EffectOfTypedCharacter(previousCharacter_, character);
  previousCharacter_ = character;
  return effect;
}

bool TextModel::HasValidText() const {
  return !text_.empty() && caret_ >= 0 && caret_ <= static_cast<int>(text_.size());
}

std::string TextModel::SentenceBeforeCaret() const {
  if (!HasValidText()) return {};
  const int start = LastTerminatorBefore(text_, caret_) + 1;
  return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(caret_ - start));
}

std::string TextModel::SentenceAfterCaret() const {
  if (!HasValidText()) return {};
  const std::size_t from = static_cast<std::size_t>(caret_);
  const std::size_t terminator = text_.find_first_of(kTerminators, from);
  if (terminator == std::string::npos) return text_.substr(from);
  return text_.substr(from, terminator - from + 1);
}

std::string TextModel::CurrentSentence() const {
  return SentenceBeforeCaret() + SentenceAfterCaret();
}

std::string TextModel::LastSentence() const {
  if (!HasValidText()) return {};
  const int last = LastTerminatorBefore(text_, caret_);
  if (last < 0) return {};
  const int start = LastTerminatorBefore(text_, last) + 1;
  return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(last - start + 1));
}

std::string TextModel::SentenceBeforeLast() const {
  if (!HasValidText()) return {};
  const int last = LastTerminatorBefore(text_, caret_);
  if (last < 0) return {};
  const int end = LastTerminatorBefore(text_, last);
  if (end < 0) return {};
  const int start = LastTerminatorBefore(text_, end) + 1;
  return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start + 1));
}

std::string TextModel::CurrentWordPrefix() const {
  const std::string before = SentenceBeforeCaret();
  if (before.empty() || IsSeparator(before.back())) return {};
  return TokenFromEnd(before, 0);
}

std::string TextModel::CurrentWordSuffix() const {
  const std::string after = SentenceAfterCaret();
  if (after.empty() || IsSeparator(after.front())) return {};
  const std::size_t end = after.find_first_of(kSeparators);
  return after.substr(0, end);
}

std::string TextModel::CurrentWord() const { return CurrentWordPrefix() + CurrentWordSuffix(); }

std::string TextModel::RecentText() const { return LastSentence() + SentenceBeforeCaret(); }

// A word still being typed is not completed: it is skipped.
std::string TextModel::LastWord() const {
  const std::string recent = RecentText();
  if (recent.empty()) return {};
  return TokenFromEnd(recent, IsSeparator(recent.back()) ? 0 : 1);
}

std::string TextModel::WordBeforeLast() const {
  const std::string recent = RecentText();
  if (recent.empty()) return {};
  return TokenFromEnd(recent, IsSeparator(recent.back()) ? 1 : 2);
}

std::string TextModel::WordCompletion(std::string_view suggestion) const {
  const std::string prefix = CurrentWordPrefix();
  return prefix.empty() ? std::string(suggestion) : MissingPart(suggestion, prefix);
}

// Only the leading blanks go: a trailing space already typed must count as
// typed, or the completion would type a second one.
std::string TextModel::SentenceCompletion(std::string_view suggestion) const {
  const std::string before = SentenceBeforeCaret();
  const std::string_view typed = WithoutLeadingBlanks(before);
  return typed.empty() ? std::string(suggestion) : MissingPart(suggestion, typed);
}

std::string TextModel::WordPreview(std::string_view suggestion, bool capsLockOn) const {
  return CurrentWordPrefix() + CaseAdjusted(WordCompletion(suggestion), capsLockOn);
}

std::string TextModel::SentencePreview(std::string_view suggestion, bool capsLockOn) const {
  const std::string before = SentenceBeforeCaret();
  return std::string(WithoutLeadingBlanks(before)) +
         CaseAdjusted(SentenceCompletion(suggestion), capsLockOn);
}

TypedCharacterEffect EffectOfTypedCharacter(char previous, char typed) {
  TypedCharacterEffect effect;
  effect.wordEnded = !IsSeparator(previous) && previous != '\b' && IsSeparator(typed);
  effect.sentenceEnded = IsTerminator(typed);
  return effect;
}

std::string MissingPart(std::string_view suggestion, std::string_view typed) {
  const std::string lowerSuggestion = ToLower(suggestion);
  const std::string lowerTyped = ToLower(typed);
  const std::size_t shorter = std::min(lowerSuggestion.size(), lowerTyped.size());
  std::size_t common = 0;
  while (common < shorter && lowerSuggestion[common] == lowerTyped[common]) ++common;
  return lowerSuggestion.substr(common);
}

std::string CaseAdjusted(std::string_view text, bool capsLockOn) {
  std::string adjusted(text);
  if (capsLockOn) CKeyboard::InvertCase(adjusted);
  return adjusted;
}

}  // namespace vorelio
