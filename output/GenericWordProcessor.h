// CGenericWordProcessor: the output target for any foreign application in
// the foreground. It cannot read the application's text: it keeps its own
// TextModel, built from the keys and characters the hook library reports to
// its window, and it writes by synthesized keystrokes (CKeyboard).
//
// Attach creates the target's own window in the message layer (the hook
// library's destination), hooks the application's thread and resets the
// model. From then on every hook message is applied to the model and relayed
// to the owner with its number and parameters unchanged:
//   WM_HOOK_KEY_DOWN      the model follows the caret keys first (a key the
//                         library swallowed moved nothing)
//   WM_HOOK_CHAR          the character joins the model; then, when it ended
//                         one, WM_TEXT_WORD_END and WM_TEXT_SENTENCE_END (0, 0)
//   button downs          reset the model while clicks pass through; a
//                         swallowed left click brings the target to the
//                         foreground instead
//   WM_HOOK_MOUSE_MOVE    only when the packed point changed
//   key and button ups    relayed as they are
// The editor operations (slots 31-46, 55-58) do nothing and answer 0,
// false or empty, except slot 40, which answers true.
//
// The loop, the desktop and the hook library must outlive the target; the
// keyboard given to Attach must outlive the attachment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/DesktopQueries.h"
#include "output/HookLibrary.h"
#include "output/TextModel.h"
#include "output/WordProcessor.h"
#include "platform/Messages.h"

namespace vorelio {

class CGenericWordProcessor final : public CWordProcessor, private MessageHandler {
 public:
  CGenericWordProcessor(MessageLoop& loop, DesktopQueries& desktop, HookLibrary& hooks);
  ~CGenericWordProcessor() override;  // detaches
  CGenericWordProcessor(const CGenericWordProcessor&) = delete;
  CGenericWordProcessor& operator=(const CGenericWordProcessor&) = delete;

  // False, and nothing left installed, when the own window cannot be
  // created or the hook library cannot hook the target's thread.
  bool Attach(WindowHandle owner, DesktopWindow target, CKeyboard& keyboard) override;
  // Removes the hooks and the own window; later hook reports are dropped.
  void Detach() override;

  // The model the text queries read (for the controller's log and tests).
  const TextModel& Model() const { return model_; }
  // The window the hook library reports to; 0 while detached.
  WindowHandle OwnWindow() const { return ownWindow_; }

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

  // The completions and erasures type through the keyboard; the model
  // changes only when the hook reports the keys back. Nothing while detached.
  void CompleteWord(std::string_view suggestion) override;
  void EraseCurrentWord() override;
  void CompleteSentence(std::string_view suggestion) override;
  void EraseSentenceBeforeCaret() override;

  void AddSpecialKeys(int first, int last) override;
  void DeleteSpecialKeys(int first, int last) override;
  void CaptureMouseButtons() override;
  void ReleaseMouseButtons() override;

  DesktopWindow GetTargetWindow() override;
  // Asks the desktop for the caret; keeps the last position it knew.
  ScreenPoint GetCaretPosition() override;
  bool IsMouseOverTarget() override;
  void MoveMouseOutOf(const ScreenRect& area) override;

  // Caps Lock as the hook library last saw it in the application.
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
  bool InsertPictogram(std::string_view imagePath) override;
  bool AddPictogram(const PictogramPicture& picture, std::string_view words,
                    std::string_view alternativeText) override;
  bool IsCaretTouchingWord() override;
  bool IsCaretAtPictogram() override;
  bool IsCaretAfterPictogram() override;
  std::string GetPictogramWordsAtCaret() override;
  std::string GetPictogramFallbackText() override;
  std::string GetSentencePictogramTexts() override;
  void ClearText() override;
  std::string GetTextWithPictogramWords() override;
  std::string GetTextWithPictogramAlternatives() override;
  void DeleteCurrentWord() override;
  void DeleteSentenceBeforeCaret() override;

 private:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void Relay(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  bool IsProgramKey(int virtualKey);

  MessageLoop& loop_;
  DesktopQueries& desktop_;
  HookLibrary& hooks_;

  WindowHandle owner_ = 0;
  WindowHandle ownWindow_ = 0;
  DesktopWindow target_ = 0;
  CKeyboard* keyboard_ = nullptr;  // lent by Attach
  bool hooked_ = false;            // InitializeHook was called and not undone
  TextModel model_;
  ScreenPoint caret_;
  bool clicksPassThrough_ = true;
  std::uintptr_t lastMousePoint_ = 0;  // packed as the hook posts it
};

}  // namespace vorelio
