// CWordProcessor: the text output target, the one place where text is
// written and where the text around the caret is known. The controller
// reads and writes the user's text only through it. Three targets implement
// it: the application in the foreground (CGenericWordProcessor), the
// program's own message editor and Microsoft Word.
//
// A target relays the hook library's keyboard and mouse messages of its
// application to the owner window (the controller) with unchanged numbers
// and parameters, and posts WM_TEXT_WORD_END and WM_TEXT_SENTENCE_END when a
// word or a sentence has ended.
//
// The operations are listed in the order of their slots (the number before
// each); the controller calls them by name. Text is Windows-1252, returned
// by value. A query of a target that knows no text returns an empty string.
// Operations that a target does not support do nothing and answer 0, false
// or an empty string. All are called on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "output/DesktopQueries.h"
#include "platform/Messages.h"

namespace vorelio {

class CKeyboard;

// A picture for the message editor: `width` x `height` pixels, rows from the
// top, colours 0x00BBGGRR.
struct PictogramPicture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

class CWordProcessor {
 public:
  virtual ~CWordProcessor() = default;

  // 1. Starts relaying the events of `target` to `owner` and writing through
  // `keyboard` (lent; it must outlive the attachment). False when the target
  // cannot be attached; the target is then left detached.
  virtual bool Attach(WindowHandle owner, DesktopWindow target, CKeyboard& keyboard) = 0;
  // 2. Stops relaying and removes what Attach installed. Harmless twice.
  virtual void Detach() = 0;

  // 3. The current word up to the caret; empty right after a separator.
  virtual std::string GetCurrentWordPrefix() = 0;
  // 4. The current word from the caret on; empty right before a separator.
  virtual std::string GetCurrentWordSuffix() = 0;
  // 5. Prefix followed by suffix.
  virtual std::string GetCurrentWord() = 0;
  // 6. The last completed word (the word being typed does not count).
  virtual std::string GetLastWord() = 0;
  // 7. The completed word before the last one.
  virtual std::string GetWordBeforeLast() = 0;
  // 8. The text before the caret (the sentence before the caret).
  virtual std::string GetTextBeforeCaret() = 0;
  // 9. From just after the last terminator before the caret up to it.
  virtual std::string GetSentenceBeforeCaret() = 0;
  // 10. From the caret up to and including the next terminator.
  virtual std::string GetSentenceAfterCaret() = 0;
  // 11. 9 followed by 10.
  virtual std::string GetCurrentSentence() = 0;
  // 12. The last completed sentence before the caret, terminator included.
  virtual std::string GetLastSentence() = 0;
  // 13. The completed sentence before the last one.
  virtual std::string GetSentenceBeforeLast() = 0;
  // 14. What of `suggestion` is not yet in `typed` (see TextModel.h's
  // MissingPart), lower-cased.
  virtual std::string GetMissingPart(std::string_view suggestion, std::string_view typed) = 0;

  // 15. Types what the current word lacks of `suggestion`, then one space.
  virtual void CompleteWord(std::string_view suggestion) = 0;
  // 16. Erases the current word's prefix.
  virtual void EraseCurrentWord() = 0;
  // 17. Types what the sentence before the caret lacks of `suggestion`,
  // then one space.
  virtual void CompleteSentence(std::string_view suggestion) = 0;
  // 18. Erases the sentence before the caret.
  virtual void EraseSentenceBeforeCaret() = 0;

  // 19, 20. Adds to / removes from the keys swallowed in the target every
  // virtual-key code from `first` to `last` inclusive.
  virtual void AddSpecialKeys(int first, int last) = 0;
  virtual void DeleteSpecialKeys(int first, int last) = 0;
  // 21, 22. Mouse buttons are swallowed (after being reported) / pass
  // through to the target.
  virtual void CaptureMouseButtons() = 0;
  virtual void ReleaseMouseButtons() = 0;

  // 23. The window written into (0 when detached).
  virtual DesktopWindow GetTargetWindow() = 0;
  // 24. The top-left corner of the target's caret as last known; (0, 0)
  // when unknown.
  virtual ScreenPoint GetCaretPosition() = 0;
  // 25. True when the pointer is over the target window or a descendant.
  virtual bool IsMouseOverTarget() = 0;
  // 26. Moves the pointer to the first point of the target's client area,
  // column by column from the left and top down, that lies outside `area`;
  // nothing when the client area lies wholly inside it.
  virtual void MoveMouseOutOf(const ScreenRect& area) = 0;

  // 27. The current word as CompleteWord(suggestion) would leave it.
  virtual std::string GetWordPreview(std::string_view suggestion) = 0;
  // 28. `text` as typing it would show it: every letter's case inverted
  // while Caps Lock is on.
  virtual std::string AdjustWordCase(std::string_view text) = 0;
  // 29. The sentence as CompleteSentence(suggestion) would leave it.
  virtual std::string GetSentencePreview(std::string_view suggestion) = 0;
  // 30. As 28, for sentences.
  virtual std::string AdjustSentenceCase(std::string_view text) = 0;

  // 31-46: the message editor's own operations.
  virtual void SetEditorWidth(int32_t width) = 0;    // 31. keeps the height
  virtual void SetEditorHeight(int32_t height) = 0;  // 32. keeps the width
  virtual int32_t GetEditorWidth() = 0;              // 33
  virtual int32_t GetEditorHeight() = 0;             // 34
  virtual void SetEditorFontSize(int32_t points) = 0;            // 35. all the text
  virtual void SetEditorFontName(std::string_view faceName) = 0;  // 36. all the text
  virtual void MoveEditor(int32_t x, int32_t y) = 0;  // 37. within the owner
  // 38. Embeds the image file at the end of the text; false when nothing
  // was inserted.
  virtual bool InsertPictogram(std::string_view imagePath) = 0;
  // 39. Embeds the picture at the caret, remembering the words spoken for it
  // and its alternative text; false when nothing was inserted.
  virtual bool AddPictogram(const PictogramPicture& picture, std::string_view words,
                            std::string_view alternativeText) = 0;
  // 40. True when the character before or after the caret is not a
  // separator (the caret touches a word).
  virtual bool IsCaretTouchingWord() = 0;
  // 41. True when the caret is at a pictogram or just after it.
  virtual bool IsCaretAtPictogram() = 0;
  // 42. True at a pictogram (41), or when only separators were typed since
  // the last pictogram before the caret.
  virtual bool IsCaretAfterPictogram() = 0;
  // 43. The words of the pictogram at the caret; empty when none.
  virtual std::string GetPictogramWordsAtCaret() = 0;
  // 44. What is spoken for the pictogram at the caret when 43 is empty.
  virtual std::string GetPictogramFallbackText() = 0;
  // 45. The texts of the pictograms of the current sentence.
  virtual std::string GetSentencePictogramTexts() = 0;
  // 46. Empties the editor.
  virtual void ClearText() = 0;

  // 47-54: the controller's context queries, answered by 9, 10, 11, 8, 12,
  // 13, 6 and 7 in this order for every target.
  std::string GetContextSentenceBeforeCaret() { return GetSentenceBeforeCaret(); }  // 47
  std::string GetContextSentenceAfterCaret() { return GetSentenceAfterCaret(); }    // 48
  std::string GetContextCurrentSentence() { return GetCurrentSentence(); }          // 49
  std::string GetContextTextBeforeCaret() { return GetTextBeforeCaret(); }          // 50
  std::string GetContextLastSentence() { return GetLastSentence(); }                // 51
  std::string GetContextSentenceBeforeLast() { return GetSentenceBeforeLast(); }    // 52
  std::string GetContextLastWord() { return GetLastWord(); }                        // 53
  std::string GetContextWordBeforeLast() { return GetWordBeforeLast(); }            // 54

  // 55, 56. The whole text with each pictogram replaced by its words / by
  // its alternative text.
  virtual std::string GetTextWithPictogramWords() = 0;
  virtual std::string GetTextWithPictogramAlternatives() = 0;
  // 57, 58. The erasing commands of the editor: 16 and 18 after the
  // selection is adjusted for a pictogram at the caret.
  virtual void DeleteCurrentWord() = 0;
  virtual void DeleteSentenceBeforeCaret() = 0;
};

}  // namespace vorelio
