#include "output/InternalWordProcessor.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/Text.h"
#include "keyboards/ColorButton.h"
#include "output/Keyboard.h"
#include "output/PointerPlacement.h"
#include "platform/MessageNumbers.h"

namespace vorelio {
namespace {

// The mouse message a hook procedure receives for the button, which the
// library passes on as the report's wParam.
uint32_t SystemButtonMessage(MouseButton button, bool down) {
  switch (button) {
    case MouseButton::kLeft: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case MouseButton::kRight: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::kMiddle: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
  return 0;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return ToLower(text).starts_with(ToLower(prefix));
}

}  // namespace

CInternalWordProcessor::CInternalWordProcessor(MessageTextBox& box) : box_(box) {
  box_.SetListener(this);
}

CInternalWordProcessor::~CInternalWordProcessor() { box_.SetListener(nullptr); }

bool CInternalWordProcessor::Attach(WindowHandle owner, DesktopWindow target,
                                    CKeyboard& keyboard) {
  Detach();
  if (!IsWindow(owner)) return false;
  owner_ = owner;
  target_ = target;
  keyboard_ = &keyboard;
  previousCharacter_ = ' ';
  lastMousePoint_ = 0;
  return true;
}

void CInternalWordProcessor::Detach() {
  owner_ = 0;
  target_ = 0;
  keyboard_ = nullptr;
}

// ---- Events of the box ----

void CInternalWordProcessor::Relay(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (owner_ != 0) PostMessageTo(owner_, message, wParam, lParam);
}

void CInternalWordProcessor::KeyDown(int virtualKey, std::intptr_t keyFlags) {
  Relay(WM_HOOK_KEY_DOWN, static_cast<std::uintptr_t>(virtualKey), keyFlags);
}

void CInternalWordProcessor::KeyUp(int virtualKey, std::intptr_t keyFlags) {
  Relay(WM_HOOK_KEY_UP, static_cast<std::uintptr_t>(virtualKey), keyFlags);
}

void CInternalWordProcessor::CharacterTyped(char character, std::intptr_t keyFlags) {
  if (owner_ == 0) return;
  Relay(WM_HOOK_CHAR, static_cast<unsigned char>(character), keyFlags);
  const TypedCharacterEffect effect = EffectOfTypedCharacter(previousCharacter_, character);
  previousCharacter_ = character;
  if (effect.wordEnded) Relay(WM_TEXT_WORD_END, 0, 0);
  if (effect.sentenceEnded) Relay(WM_TEXT_SENTENCE_END, 0, 0);
}

void CInternalWordProcessor::MouseButtonChanged(MouseButton button, bool down, ScreenPoint) {
  const uint32_t mouseMessage = SystemButtonMessage(button, down);
  Relay(HookReportForMouseButton(mouseMessage), mouseMessage, 0);
}

void CInternalWordProcessor::MouseMoved(ScreenPoint point) {
  if (owner_ == 0) return;
  const std::uintptr_t packed = PackPointerPosition(PointerPosition{point.x, point.y});
  if (packed == lastMousePoint_) return;
  lastMousePoint_ = packed;
  Relay(WM_HOOK_MOUSE_MOVE, packed, 0);
}

// ---- Text queries ----

TextModel CInternalWordProcessor::Model() const {
  std::string text = box_.Text();
  for (const PictogramAt& pictogram : box_.Pictograms()) {
    const auto position = static_cast<std::size_t>(pictogram.position);
    if (position < text.size()) text[position] = ' ';
  }
  return TextModel(std::move(text), Caret());
}

std::string CInternalWordProcessor::GetCurrentWordPrefix() { return Model().CurrentWordPrefix(); }
std::string CInternalWordProcessor::GetCurrentWordSuffix() { return Model().CurrentWordSuffix(); }
std::string CInternalWordProcessor::GetCurrentWord() { return Model().CurrentWord(); }
std::string CInternalWordProcessor::GetLastWord() { return Model().LastWord(); }
std::string CInternalWordProcessor::GetWordBeforeLast() { return Model().WordBeforeLast(); }
std::string CInternalWordProcessor::GetTextBeforeCaret() { return Model().SentenceBeforeCaret(); }
std::string CInternalWordProcessor::GetSentenceBeforeCaret() {
  return Model().SentenceBeforeCaret();
}
std::string CInternalWordProcessor::GetSentenceAfterCaret() { return Model().SentenceAfterCaret(); }
std::string CInternalWordProcessor::GetCurrentSentence() { return Model().CurrentSentence(); }
std::string CInternalWordProcessor::GetLastSentence() { return Model().LastSentence(); }
std::string CInternalWordProcessor::GetSentenceBeforeLast() {
  return Model().SentenceBeforeLast();
}
std::string CInternalWordProcessor::GetMissingPart(std::string_view suggestion,
                                                   std::string_view typed) {
  return MissingPart(suggestion, typed);
}

// ---- Writing ----

void CInternalWordProcessor::CompleteWord(std::string_view suggestion) {
  if (keyboard_ == nullptr) return;
  const TextModel model = Model();
  const std::string prefix = model.CurrentWordPrefix();
  if (!prefix.empty() && !StartsWithIgnoringCase(suggestion, prefix)) {
    EraseBeforeCaret(static_cast<int>(prefix.size()));
    keyboard_->TypeText(std::string(suggestion) + " ");
    return;
  }
  keyboard_->TypeText(model.WordCompletion(suggestion) + " ");
}

void CInternalWordProcessor::EraseCurrentWord() {
  EraseBeforeCaret(static_cast<int>(GetCurrentWordPrefix().size()));
}

void CInternalWordProcessor::CompleteSentence(std::string_view suggestion) {
  if (keyboard_ == nullptr) return;
  keyboard_->TypeText(Model().SentenceCompletion(suggestion) + " ");
}

void CInternalWordProcessor::EraseSentenceBeforeCaret() {
  EraseBeforeCaret(static_cast<int>(GetSentenceBeforeCaret().size()));
}

void CInternalWordProcessor::EraseBeforeCaret(int count) {
  if (count <= 0) return;
  const int caret = Caret();
  box_.Select(std::max(0, caret - count), caret);
  box_.ClearSelection();
}

void CInternalWordProcessor::AddSpecialKeys(int first, int last) {
  for (int code = first; code <= last; ++code) box_.SpecialKeys().Add(code);
}

void CInternalWordProcessor::DeleteSpecialKeys(int first, int last) {
  for (int code = first; code <= last; ++code) box_.SpecialKeys().Delete(code);
}

void CInternalWordProcessor::CaptureMouseButtons() { box_.SetClicksSwallowed(true); }
void CInternalWordProcessor::ReleaseMouseButtons() { box_.SetClicksSwallowed(false); }

DesktopWindow CInternalWordProcessor::GetTargetWindow() {
  if (owner_ == 0) return 0;
  return target_ != 0 ? target_ : box_.Window();
}

ScreenPoint CInternalWordProcessor::GetCaretPosition() { return box_.CaretPosition(); }

bool CInternalWordProcessor::IsMouseOverTarget() {
  return box_.ScreenArea().Contains(box_.PointerPosition());
}

void CInternalWordProcessor::MoveMouseOutOf(const ScreenRect& area) {
  if (const std::optional<ScreenPoint> point = FirstPointOutside(box_.ScreenArea(), area)) {
    box_.MovePointer(*point);
  }
}

// ---- Previews ----

std::string CInternalWordProcessor::GetWordPreview(std::string_view suggestion) {
  const TextModel model = Model();
  const std::string prefix = model.CurrentWordPrefix();
  if (!prefix.empty() && !StartsWithIgnoringCase(suggestion, prefix)) {
    return CaseAdjusted(suggestion, box_.CapsLockOn());
  }
  return model.WordPreview(suggestion, box_.CapsLockOn());
}

std::string CInternalWordProcessor::AdjustWordCase(std::string_view text) {
  return CaseAdjusted(text, box_.CapsLockOn());
}

std::string CInternalWordProcessor::GetSentencePreview(std::string_view suggestion) {
  return Model().SentencePreview(suggestion, box_.CapsLockOn());
}

std::string CInternalWordProcessor::AdjustSentenceCase(std::string_view text) {
  return CaseAdjusted(text, box_.CapsLockOn());
}

// ---- The editor ----

void CInternalWordProcessor::SetEditorWidth(int32_t width) { box_.SetSize(width, box_.Height()); }
void CInternalWordProcessor::SetEditorHeight(int32_t height) {
  box_.SetSize(box_.Width(), height);
}
int32_t CInternalWordProcessor::GetEditorWidth() { return box_.Width(); }
int32_t CInternalWordProcessor::GetEditorHeight() { return box_.Height(); }
void CInternalWordProcessor::SetEditorFontSize(int32_t points) { box_.SetFontSize(points); }
void CInternalWordProcessor::SetEditorFontName(std::string_view faceName) {
  box_.SetFontFace(faceName);
}
void CInternalWordProcessor::MoveEditor(int32_t x, int32_t y) { box_.Move(x, y); }

bool CInternalWordProcessor::InsertAndRemember(int position, const PictogramPicture* picture,
                                               std::string_view path, PictogramTexts texts) {
  const int id = nextPictogramId_;
  const bool inserted = picture != nullptr ? box_.InsertPicture(position, *picture, id)
                                           : box_.InsertPictureFile(position, path, id);
  if (!inserted) return false;
  ++nextPictogramId_;
  pictogramTexts_.emplace(id, std::move(texts));
  return true;
}

bool CInternalWordProcessor::InsertPictogram(std::string_view imagePath) {
  return InsertAndRemember(box_.Length(), nullptr, imagePath, {});
}

bool CInternalWordProcessor::AddPictogram(const PictogramPicture& picture, std::string_view words,
                                          std::string_view alternativeText) {
  if (picture.width <= 0 || picture.height <= 0) return false;
  const TextSelection selection = box_.Selection();
  if (selection.start != selection.end) box_.ClearSelection();
  return InsertAndRemember(selection.start, &picture, {},
                           {std::string(words), std::string(alternativeText)});
}

bool CInternalWordProcessor::IsCaretTouchingWord() {
  const TextModel model = Model();
  const std::string& text = model.Text();
  const auto caret = static_cast<std::size_t>(model.Caret());
  return (caret > 0 && !IsSeparator(text[caret - 1])) ||
         (caret < text.size() && !IsSeparator(text[caret]));
}

bool CInternalWordProcessor::IsCaretAtPictogram() { return PictogramAtCaret().has_value(); }

bool CInternalWordProcessor::IsCaretAfterPictogram() {
  if (IsCaretAtPictogram()) return true;
  const int caret = Caret();
  std::optional<int> last;
  for (const PictogramAt& pictogram : box_.Pictograms()) {
    if (pictogram.position < caret) last = pictogram.position;
  }
  if (!last) return false;
  const std::string text = box_.Text();
  for (int i = *last + 1; i < caret; ++i) {
    if (!IsSeparator(text[static_cast<std::size_t>(i)])) return false;
  }
  return true;
}

std::optional<PictogramAt> CInternalWordProcessor::PictogramAtCaret() const {
  const int caret = Caret();
  std::optional<PictogramAt> after;
  for (const PictogramAt& pictogram : box_.Pictograms()) {
    if (pictogram.position == caret - 1) return pictogram;
    if (pictogram.position == caret) after = pictogram;
  }
  return after;
}

const CInternalWordProcessor::PictogramTexts* CInternalWordProcessor::TextsOf(
    int pictogramId) const {
  const auto found = pictogramTexts_.find(pictogramId);
  return found == pictogramTexts_.end() ? nullptr : &found->second;
}

std::string CInternalWordProcessor::GetPictogramWordsAtCaret() {
  const std::optional<PictogramAt> pictogram = PictogramAtCaret();
  const PictogramTexts* texts = pictogram ? TextsOf(pictogram->id) : nullptr;
  return texts != nullptr ? texts->words : std::string();
}

std::string CInternalWordProcessor::GetPictogramFallbackText() {
  const std::optional<PictogramAt> pictogram = PictogramAtCaret();
  const PictogramTexts* texts = pictogram ? TextsOf(pictogram->id) : nullptr;
  return texts != nullptr ? texts->alternativeText : std::string();
}

std::string CInternalWordProcessor::GetSentencePictogramTexts() {
  const TextModel model = Model();
  const int caret = model.Caret();
  const int start = caret - static_cast<int>(model.SentenceBeforeCaret().size());
  const int end = caret + static_cast<int>(model.SentenceAfterCaret().size());
  std::string joined;
  for (const PictogramAt& pictogram : box_.Pictograms()) {
    if (pictogram.position < start || pictogram.position >= end) continue;
    const PictogramTexts* texts = TextsOf(pictogram.id);
    if (texts == nullptr) continue;
    const std::string& text = texts->words.empty() ? texts->alternativeText : texts->words;
    if (text.empty()) continue;
    if (!joined.empty()) joined += ' ';
    joined += text;
  }
  return joined;
}

void CInternalWordProcessor::ClearText() {
  box_.Select(0, box_.Length());
  box_.ClearSelection();
  pictogramTexts_.clear();
}

// ---- Whole text and the editor's erasing commands ----

std::string CInternalWordProcessor::TextWithPictograms(std::string PictogramTexts::*which) const {
  const std::string text = box_.Text();
  const std::vector<PictogramAt> pictograms = box_.Pictograms();
  std::string result;
  std::size_t from = 0;
  for (const PictogramAt& pictogram : pictograms) {
    const auto position = static_cast<std::size_t>(pictogram.position);
    if (position < from || position >= text.size()) continue;  // positions rise within the text
    result.append(text, from, position - from);
    from = position + 1;
    const PictogramTexts* texts = TextsOf(pictogram.id);
    if (texts == nullptr || (texts->*which).empty()) continue;
    if (!result.empty() && !IsSeparator(result.back())) result += ' ';
    result += texts->*which;
    if (from < text.size() && !IsSeparator(text[from])) result += ' ';
  }
  result.append(text, from);
  return result;
}

std::string CInternalWordProcessor::GetTextWithPictogramWords() {
  return TextWithPictograms(&PictogramTexts::words);
}

std::string CInternalWordProcessor::GetTextWithPictogramAlternatives() {
  return TextWithPictograms(&PictogramTexts::alternativeText);
}

void CInternalWordProcessor::CollapseSelectionToCaret() {
  const int caret = Caret();
  box_.Select(caret, caret);
}

void CInternalWordProcessor::DeleteCurrentWord() {
  CollapseSelectionToCaret();
  const int caret = Caret();
  for (const PictogramAt& pictogram : box_.Pictograms()) {
    if (pictogram.position == caret - 1) {
      EraseBeforeCaret(1);
      return;
    }
  }
  EraseCurrentWord();
}

void CInternalWordProcessor::DeleteSentenceBeforeCaret() {
  CollapseSelectionToCaret();
  EraseSentenceBeforeCaret();
}

}  // namespace vorelio
