#include "output/GenericWordProcessor.h"

#include <optional>

#include "output/Keyboard.h"
#include "output/PointerPlacement.h"
#include "platform/MessageNumbers.h"

namespace vorelio {

CGenericWordProcessor::CGenericWordProcessor(MessageLoop& loop, DesktopQueries& desktop,
                                             HookLibrary& hooks)
    : loop_(loop), desktop_(desktop), hooks_(hooks) {}

CGenericWordProcessor::~CGenericWordProcessor() { Detach(); }

bool CGenericWordProcessor::Attach(WindowHandle owner, DesktopWindow target,
                                   CKeyboard& keyboard) {
  Detach();
  owner_ = owner;
  keyboard_ = &keyboard;
  model_ = TextModel();
  clicksPassThrough_ = true;
  lastMousePoint_ = 0;
  // The window the hook library reports to (the "GENERIC" window).
  ownWindow_ = loop_.CreateWindow(*this);
  if (ownWindow_ == 0) {
    Detach();
    return false;
  }
  target_ = target;
  // Set before the call: a failed InitializeHook may leave hooks installed.
  hooked_ = true;
  if (!hooks_.InitializeHook(desktop_.ThreadOfWindow(target), ownWindow_)) {
    Detach();
    return false;
  }
  return true;
}

void CGenericWordProcessor::Detach() {
  if (hooked_) hooks_.TerminateHook();
  hooked_ = false;
  if (ownWindow_ != 0) loop_.DestroyWindow(ownWindow_);
  ownWindow_ = 0;
  target_ = 0;
  keyboard_ = nullptr;
}

// The program's own keys (switches, prediction keys...) are the ones the hook
// library swallows: the application never saw them, so its caret stayed.
bool CGenericWordProcessor::IsProgramKey(int virtualKey) {
  return hooks_.IsSpecialKey(virtualKey);
}

void CGenericWordProcessor::Relay(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  PostMessageTo(owner_, message, wParam, lParam);
}

void CGenericWordProcessor::HandleMessage(uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
  switch (message) {
    case WM_HOOK_KEY_DOWN:
      model_.KeyDown(static_cast<int>(wParam), IsProgramKey(static_cast<int>(wParam)));
      Relay(message, wParam, lParam);
      break;
    case WM_HOOK_CHAR: {
      const auto character = static_cast<char>(static_cast<unsigned char>(wParam));
      const TypedCharacterEffect effect = model_.CharacterTyped(character);
      Relay(message, wParam, lParam);
      if (effect.wordEnded) Relay(WM_TEXT_WORD_END, 0, 0);
      if (effect.sentenceEnded) Relay(WM_TEXT_SENTENCE_END, 0, 0);
      break;
    }
    case WM_HOOK_LEFT_BUTTON_DOWN:
      // A swallowed click never reached the application, so its caret did
      // not move; the click asks for the target to be in front instead.
      if (clicksPassThrough_) {
        model_.Reset();
      } else {
        desktop_.BringToForeground(target_);
      }
      Relay(message, wParam, lParam);
      break;
    case WM_HOOK_RIGHT_BUTTON_DOWN:
    case WM_HOOK_MIDDLE_BUTTON_DOWN:
      if (clicksPassThrough_) model_.Reset();
      Relay(message, wParam, lParam);
      break;
    case WM_HOOK_KEY_UP:
    case WM_HOOK_LEFT_BUTTON_UP:
    case WM_HOOK_RIGHT_BUTTON_UP:
    case WM_HOOK_MIDDLE_BUTTON_UP:
      Relay(message, wParam, lParam);
      break;
    case WM_HOOK_MOUSE_MOVE:
      if (wParam != lastMousePoint_) {
        lastMousePoint_ = wParam;
        Relay(message, wParam, lParam);
      }
      break;
    default:
      break;
  }
}

std::string CGenericWordProcessor::GetCurrentWordPrefix() { return model_.CurrentWordPrefix(); }
std::string CGenericWordProcessor::GetCurrentWordSuffix() { return model_.CurrentWordSuffix(); }
std::string CGenericWordProcessor::GetCurrentWord() { return model_.CurrentWord(); }
std::string CGenericWordProcessor::GetLastWord() { return model_.LastWord(); }
std::string CGenericWordProcessor::GetWordBeforeLast() { return model_.WordBeforeLast(); }
std::string CGenericWordProcessor::GetTextBeforeCaret() { return model_.SentenceBeforeCaret(); }
std::string CGenericWordProcessor::GetSentenceBeforeCaret() { return model_.SentenceBeforeCaret(); }
std::string CGenericWordProcessor::GetSentenceAfterCaret() { return model_.SentenceAfterCaret(); }
std::string CGenericWordProcessor::GetCurrentSentence() { return model_.CurrentSentence(); }
std::string CGenericWordProcessor::GetLastSentence() { return model_.LastSentence(); }
std::string CGenericWordProcessor::GetSentenceBeforeLast() { return model_.SentenceBeforeLast(); }
std::string CGenericWordProcessor::GetMissingPart(std::string_view suggestion,
                                                  std::string_view typed) {
  return MissingPart(suggestion, typed);
}

void CGenericWordProcessor::CompleteWord(std::string_view suggestion) {
  if (keyboard_ == nullptr) return;
  keyboard_->TypeText(model_.WordCompletion(suggestion) + " ");
}

void CGenericWordProcessor::EraseCurrentWord() {
  if (keyboard_ == nullptr) return;
  keyboard_->SendBackspaces(static_cast<int>(model_.CurrentWordPrefix().size()));
}

void CGenericWordProcessor::CompleteSentence(std::string_view suggestion) {
  if (keyboard_ == nullptr) return;
  keyboard_->TypeText(model_.SentenceCompletion(suggestion) + " ");
}

void CGenericWordProcessor::EraseSentenceBeforeCaret() {
  if (keyboard_ == nullptr) return;
  keyboard_->SendBackspaces(static_cast<int>(model_.SentenceBeforeCaret().size()));
}

void CGenericWordProcessor::AddSpecialKeys(int first, int last) {
  for (int code = first; code <= last; ++code) hooks_.AddSpecialKey(code);
}

void CGenericWordProcessor::DeleteSpecialKeys(int first, int last) {
  for (int code = first; code <= last; ++code) hooks_.DeleteSpecialKey(code);
}

void CGenericWordProcessor::CaptureMouseButtons() {
  hooks_.AddMouseButtons();
  clicksPassThrough_ = false;
}

void CGenericWordProcessor::ReleaseMouseButtons() {
  hooks_.DeleteMouseButtons();
  clicksPassThrough_ = true;
}

DesktopWindow CGenericWordProcessor::GetTargetWindow() { return target_; }

ScreenPoint CGenericWordProcessor::GetCaretPosition() {
  if (target_ != 0) {
    if (const std::optional<ScreenPoint> caret = desktop_.CaretPosition(target_)) caret_ = *caret;
  }
  return caret_;
}

bool CGenericWordProcessor::IsMouseOverTarget() {
  return target_ != 0 && desktop_.IsPointerOver(target_);
}

void CGenericWordProcessor::MoveMouseOutOf(const ScreenRect& area) {
  if (target_ == 0) return;
  const std::optional<ScreenRect> client = desktop_.ClientArea(target_);
  if (!client) return;
  if (const std::optional<ScreenPoint> point = FirstPointOutside(*client, area)) {
    desktop_.MovePointer(*point);
  }
}

std::string CGenericWordProcessor::GetWordPreview(std::string_view suggestion) {
  return model_.WordPreview(suggestion, hooks_.CapsLockOn());
}
std::string CGenericWordProcessor::AdjustWordCase(std::string_view text) {
  return CaseAdjusted(text, hooks_.CapsLockOn());
}
std::string CGenericWordProcessor::GetSentencePreview(std::string_view suggestion) {
  return model_.SentencePreview(suggestion, hooks_.CapsLockOn());
}
std::string CGenericWordProcessor::AdjustSentenceCase(std::string_view text) {
  return CaseAdjusted(text, hooks_.CapsLockOn());
}

// The editor operations: a foreign application has no message editor.
void CGenericWordProcessor::SetEditorWidth(int32_t) {}
void CGenericWordProcessor::SetEditorHeight(int32_t) {}
int32_t CGenericWordProcessor::GetEditorWidth() { return 0; }
int32_t CGenericWordProcessor::GetEditorHeight() { return 0; }
void CGenericWordProcessor::SetEditorFontSize(int32_t) {}
void CGenericWordProcessor::SetEditorFontName(std::string_view) {}
void CGenericWordProcessor::MoveEditor(int32_t, int32_t) {}
bool CGenericWordProcessor::InsertPictogram(std::string_view) { return false; }
bool CGenericWordProcessor::AddPictogram(const PictogramPicture&, std::string_view,
                                         std::string_view) {
  return false;
}
// Taken as touching a word: the model cannot tell what lies around the caret.
bool CGenericWordProcessor::IsCaretTouchingWord() { return true; }
bool CGenericWordProcessor::IsCaretAtPictogram() { return false; }
bool CGenericWordProcessor::IsCaretAfterPictogram() { return false; }
std::string CGenericWordProcessor::GetPictogramWordsAtCaret() { return {}; }
std::string CGenericWordProcessor::GetPictogramFallbackText() { return {}; }
std::string CGenericWordProcessor::GetSentencePictogramTexts() { return {}; }
void CGenericWordProcessor::ClearText() {}

std::string CGenericWordProcessor::GetTextWithPictogramWords() { return {}; }
std::string CGenericWordProcessor::GetTextWithPictogramAlternatives() { return {}; }
void CGenericWordProcessor::DeleteCurrentWord() {}
void CGenericWordProcessor::DeleteSentenceBeforeCaret() {}

}  // namespace vorelio
