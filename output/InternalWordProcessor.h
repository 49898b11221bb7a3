// CInternalWordProcessor: the program's own message editor as an output
// target. Unlike a foreign application, its text can be read: every query
// is answered from the text box's text and caret (the selection's end), cut
// by the same TextModel queries the generic target uses. A pictogram reads
// as a blank there: it ends the word before it and starts none.
//
// Writing: completions are typed through the keyboard given to Attach into
// the box, which has the focus while the editor is the target; erasures
// select the characters and clear them.
//
// Events: the box's keys, characters, clicks and moves are relayed to the
// owner with the hook library's messages, so that the controller cannot
// tell the editor from a foreign application:
//   key down / up      WM_HOOK_KEY_DOWN / UP (code, key flags); a key of
//                      the box's special-key table never reaches the text
//   character          WM_HOOK_CHAR (character, key flags), then
//                      WM_TEXT_WORD_END and WM_TEXT_SENTENCE_END (0, 0) by
//                      the rule every target follows (TextModel.h)
//   button down / up   WM_HOOK_*_BUTTON_* (the mouse message, 0)
//   mouse move         WM_HOOK_MOUSE_MOVE (the point packed as y << 16 | x,
//                      0), only when the point changed
// Nothing is relayed while detached.
//
// Pictograms: each pictogram of the text keeps the words spoken for it and
// its alternative text by the number it was inserted with, so deleting one
// pictogram leaves every other one with its own words.
//
// The box must outlive the editor; the keyboard given to Attach must outlive
// the attachment.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "output/MessageTextBox.h"
#include "output/TextModel.h"
#include "output/WordProcessor.h"

namespace vorelio {

class CInternalWordProcessor final : public CWordProcessor, private MessageTextBoxListener {
 public:
  explicit CInternalWordProcessor(MessageTextBox& box);
  ~CInternalWordProcessor() override;
  CInternalWordProcessor(const CInternalWordProcessor&) = delete;
  CInternalWordProcessor& operator=(const CInternalWordProcessor&) = delete;

  // Relays to `owner` and types through `keyboard`. The target window is
  // `target`, or the box's window when `target` is 0. False (and detached)
  // when `owner` is not a window.
  bool Attach(WindowHandle owner, DesktopWindow target, CKeyboard& keyboard) override;
  void Detach() override;

  std::string GetCurrentWordPrefix() override;
  std::string GetCurrentWordSuffix() override;
  std::string GetCurrentWord() override;
  std::string GetLastWord() override;
  std::string GetWordBeforeLast() override;
  std::string GetTextBeforeCaret() override;
  std::string GetSentenceBeforeCaret() override;
  std::string GetSentenceAfterCaret() override;
  std::string GetCurrentSentence() override;
  std::string GetLastSentence() override;
  std::string GetSentenceBeforeLast() override;
  std::string GetMissingPart(std::string_view suggestion, std::string_view typed) override;

  // A prefix the suggestion does not start with (ignoring case) is erased
  // first and the whole suggestion typed. Typing needs an attachment.
  void CompleteWord(std::string_view suggestion) override;
  void EraseCurrentWord() override;
  void CompleteSentence(std::string_view suggestion) override;
  void EraseSentenceBeforeCaret() override;

  void AddSpecialKeys(int first, int last) override;
  void DeleteSpecialKeys(int first, int last) override;
  void CaptureMouseButtons() override;
  void ReleaseMouseButtons() override;

  DesktopWindow GetTargetWindow() override;
  ScreenPoint GetCaretPosition() override;
  bool IsMouseOverTarget() override;
  void MoveMouseOutOf(const ScreenRect& area) override;

  // Caps Lock as the box last saw it. The word preview of a suggestion that
  // does not continue the prefix is the suggestion, as CompleteWord writes.
  std::string GetWordPreview(std::string_view suggestion) override;
  std::string AdjustWordCase(std::string_view text) override;
  std::string GetSentencePreview(std::string_view suggestion) override;
  std::string AdjustSentenceCase(std::string_view text) override;

  void SetEditorWidth(int32_t width) override;
  void SetEditorHeight(int32_t height) override;
  int32_t GetEditorWidth() override;
  int32_t GetEditorHeight() override;
  void SetEditorFontSize(int32_t points) override;
  void SetEditorFontName(std::string_view faceName) override;
  void MoveEditor(int32_t x, int32_t y) override;
  // At the end of the text; the pictogram has no words.
  bool InsertPictogram(std::string_view imagePath) override;
  // At the caret (a selection is replaced).
  bool AddPictogram(const PictogramPicture& picture, std::string_view words,
                    std::string_view alternativeText) override;
  // False in an empty editor.
  bool IsCaretTouchingWord() override;
  bool IsCaretAtPictogram() override;
  bool IsCaretAfterPictogram() override;
  // "The pictogram at the caret": the one just before the caret, else the
  // one just after it.
  std::string GetPictogramWordsAtCaret() override;
  // Its alternative text.
  std::string GetPictogramFallbackText() override;
  // The words of the pictograms of the current sentence (op 11's span), in
  // order, joined by single spaces; a pictogram without words gives its
  // alternative text, one with neither nothing.
  std::string GetSentencePictogramTexts() override;
  // Empties the text and forgets every pictogram's words.
  void ClearText() override;


  // A pictogram's words are kept apart from a word written against them by
  // one space, so that two pictograms side by side do not run together.
  std::string GetTextWithPictogramWords() override;
  std::string GetTextWithPictogramAlternatives() override;
  // Both first reduce a selection to the caret. 57 with a pictogram just
  // before the caret deletes that pictogram (it is the word being written);
  // otherwise as 16. 58 as 18 (the pictograms of the sentence go with it).
  void DeleteCurrentWord() override;
  void DeleteSentenceBeforeCaret() override;

 private:
  struct PictogramTexts {
    std::string words;
    std::string alternativeText;
  };

  void KeyDown(int virtualKey, std::intptr_t keyFlags) override;
  void KeyUp(int virtualKey, std::intptr_t keyFlags) override;
  void CharacterTyped(char character, std::intptr_t keyFlags) override;
  void MouseButtonChanged(MouseButton button, bool down, ScreenPoint point) override;
  void MouseMoved(ScreenPoint point) override;
  void Relay(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

  // The box's text and caret, pictograms read as blanks.
  TextModel Model() const;
  int Caret() const { return box_.Selection().end; }
  // The pictogram the caret is at: just before it, else just after it.
  std::optional<PictogramAt> PictogramAtCaret() const;
  const PictogramTexts* TextsOf(int pictogramId) const;
  // Selects the `count` characters before the caret and deletes them.
  void EraseBeforeCaret(int count);
  void CollapseSelectionToCaret();
  // The whole text with each pictogram replaced by the chosen text.
  std::string TextWithPictograms(std::string PictogramTexts::*which) const;
  bool InsertAndRemember(int position, const PictogramPicture* picture, std::string_view path,
                         PictogramTexts texts);

  MessageTextBox& box_;
  WindowHandle owner_ = 0;
  DesktopWindow target_ = 0;
  CKeyboard* keyboard_ = nullptr;  // lent by Attach
  char previousCharacter_ = ' ';
  std::uintptr_t lastMousePoint_ = 0;  // packed as WM_HOOK_MOUSE_MOVE carries it
  int nextPictogramId_ = 1;
  std::map<int, PictogramTexts> pictogramTexts_;  // by pictogram number
};

}  // namespace vorelio
