// The model of the text typed into a foreign application.
//
// The generic target cannot read the application's text, so it rebuilds it
// from what the hook library reports: the characters typed and the keys that
// move the caret or delete. The model only knows what was typed since it was
// last reset (a click, vertical or page movement resets it). Text is
// Windows-1252; the caret index lies in 0..length and is where the next
// character goes.
//
// The text queries cut the model at the separators and terminators of
// common/Text.h. Every query of an empty model returns an empty string.
#pragma once

#include <string>
#include <string_view>

namespace vorelio {

// What a typed character ended: the target posts WM_TEXT_WORD_END and
// WM_TEXT_SENTENCE_END (in that order) for them after relaying the character.
struct TypedCharacterEffect {
  bool wordEnded = false;
  bool sentenceEnded = false;
};

// The word- and sentence-end rule of every target: a word ends at the first
// separator after a character that is neither a separator nor Backspace
// (`previous`, a space at the start); every terminator ends a sentence.
TypedCharacterEffect EffectOfTypedCharacter(char previous, char typed);

class TextModel {
 public:
  TextModel() = default;
  // A model that already holds `text` with the caret at `caret` (clamped to
  // 0..length); the previous character is a space, as after Reset.
  TextModel(std::string text, int caret);

  const std::string& Text() const { return text_; }
  int Caret() const { return caret_; }

  // Text empty, caret 0. The previous character is kept: it belongs to the
  // word-end rule, not to the text.
  void Reset();

  // A key went down (virtual-key code). Only codes 8 to 46 change the model:
  // Backspace removes the character before the caret, Delete the one at it,
  // Left and Right move the caret within the text, Up and Down reset it, and
  // Page Up, Page Down, End and Home reset it unless `isProgramKey` (the key
  // is one of the program's own and was swallowed, so nothing moved).
  void KeyDown(int virtualKey, bool isProgramKey);

  // A character was typed: inserted at the caret (Backspace is not inserted:
  // its key already erased). A word ends at the first separator after a
  // character that is neither a separator nor Backspace; every terminator
  // ends a sentence.
  TypedCharacterEffect CharacterTyped(char character);

  // The text queries of the target (the numbers are the target's slots).
  std::string CurrentWordPrefix() const;    // 3: the current word up to the caret
  std::string CurrentWordSuffix() const;    // 4: the current word from the caret
  std::string CurrentWord() const;          // 5: prefix + suffix
  std::string LastWord() const;             // 6: the last completed word
  std::string WordBeforeLast() const;       // 7: the word before it
  std::string SentenceBeforeCaret() const;  // 8, 9: after the last terminator up to the caret
  std::string SentenceAfterCaret() const;   // 10: from the caret up to and including a terminator
  std::string CurrentSentence() const;      // 11: 9 + 10
  std::string LastSentence() const;         // 12: the last completed sentence, terminator included
  std::string SentenceBeforeLast() const;   // 13: the sentence before it

  // What CompleteWord types before its space: the missing part of the
  // suggestion after the word prefix, or the whole suggestion when no
  // prefix has been typed.
  std::string WordCompletion(std::string_view suggestion) const;
  // What CompleteSentence types before its space: the missing part of the
  // suggestion after the sentence before the caret (leading blanks removed),
  // or the whole suggestion when that is empty.
  std::string SentenceCompletion(std::string_view suggestion) const;

  // The previews of the completions (slots 27 and 29): what is already
  // typed followed by what a completion would type, the added part
  // case-inverted when Caps Lock is on (the application will show it so).
  std::string WordPreview(std::string_view suggestion, bool capsLockOn) const;
  std::string SentencePreview(std::string_view suggestion, bool capsLockOn) const;

 private:
  bool HasValidText() const;
  // The text joined from the last sentence and the sentence before the
  // caret, in which the last words are counted.
  std::string RecentText() const;

  std::string text_;
  int caret_ = 0;
  char previousCharacter_ = ' ';
};

// Slot 14: the part of `suggestion` not yet typed. Both are lower-cased;
// k is the length of their common prefix; the result is the lower-cased
// suggestion without its first k characters. ("Lisboa", "lis") gives "boa";
// ("casa", "xyz") gives "casa".
std::string MissingPart(std::string_view suggestion, std::string_view typed);

// Slots 28 and 30: the text with every letter's case inverted when Caps
// Lock is on (the keystroke synthesizer's case rule), else unchanged.
std::string CaseAdjusted(std::string_view text, bool capsLockOn);

}  // namespace vorelio
