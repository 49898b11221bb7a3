// A stand-in for the program's message editor: its text in a TextModel, the
// pictograms added to it recorded (their words join the text, as the words
// of the editor's pictograms do), and no window.
#pragma once

#include <string>
#include <vector>

#include "output/TextModel.h"
#include "output/WordProcessor.h"

namespace vorelio::testing {

class FakeEditor final : public CWordProcessor {
 public:
  void Type(std::string_view text) {
    for (const char c : text) model.CharacterTyped(c);
  }
  void Erase(std::size_t characters) {
    for (std::size_t i = 0; i < characters; ++i) model.KeyDown(8, false);
  }

  TextModel model;
  std::vector<std::string> pictograms;  // "words | alternative text | width x height"
  bool caretAtPictogram = false;
  std::string pictogramWords;

  int attaches = 0;
  int detaches = 0;
  bool attachable = true;  // what Attach answers

  bool Attach(WindowHandle, DesktopWindow, CKeyboard&) override {
    ++attaches;
    return attachable;
  }
  void Detach() override { ++detaches; }
  std::string GetCurrentWordPrefix() override { return model.CurrentWordPrefix(); }
  std::string GetCurrentWordSuffix() override { return model.CurrentWordSuffix(); }
  std::string GetCurrentWord() override { return model.CurrentWord(); }
  std::string GetLastWord() override { return model.LastWord(); }
  std::string GetWordBeforeLast() override { return model.WordBeforeLast(); }
  std::string GetTextBeforeCaret() override { return model.SentenceBeforeCaret(); }
  std::string GetSentenceBeforeCaret() override { return model.SentenceBeforeCaret(); }
  std::string GetSentenceAfterCaret() override { return model.SentenceAfterCaret(); }
  std::string GetCurrentSentence() override { return model.CurrentSentence(); }
  std::string GetLastSentence() override { return model.LastSentence(); }
  std::string GetSentenceBeforeLast() override { return model.SentenceBeforeLast(); }
  std::string GetMissingPart(std::string_view s, std::string_view t) override {
    return MissingPart(s, t);
  }
  void CompleteWord(std::string_view s) override { Type(model.WordCompletion(s) + " "); }
  void EraseCurrentWord() override { Erase(model.CurrentWordPrefix().size()); }
  void CompleteSentence(std::string_view s) override { Type(model.SentenceCompletion(s) + " "); }
  void EraseSentenceBeforeCaret() override { Erase(model.SentenceBeforeCaret().size()); }
  void AddSpecialKeys(int, int) override {}
  void DeleteSpecialKeys(int, int) override {}
  void CaptureMouseButtons() override {}
  void ReleaseMouseButtons() override {}
  DesktopWindow GetTargetWindow() override { return 0; }
  ScreenPoint GetCaretPosition() override { return {}; }
  bool IsMouseOverTarget() override { return false; }
  void MoveMouseOutOf(const ScreenRect&) override {}
  std::string GetWordPreview(std::string_view s) override { return model.WordPreview(s, false); }
  std::string AdjustWordCase(std::string_view text) override { return std::string(text); }
  std::string GetSentencePreview(std::string_view s) override {
    return model.SentencePreview(s, false);
  }
  std::string AdjustSentenceCase(std::string_view text) override { return std::string(text); }
  void SetEditorWidth(int32_t) override {}
  void SetEditorHeight(int32_t) override {}
  int32_t GetEditorWidth() override { return 0; }
  int32_t GetEditorHeight() override { return 0; }
  void SetEditorFontSize(int32_t) override {}
  void SetEditorFontName(std::string_view) override {}
  void MoveEditor(int32_t, int32_t) override {}
  bool InsertPictogram(std::string_view) override { return false; }
  bool AddPictogram(const PictogramPicture& picture, std::string_view words,
                    std::string_view alternativeText) override {
    pictograms.push_back(std::string(words) + " | " + std::string(alternativeText) + " | " +
                         std::to_string(picture.width) + "x" + std::to_string(picture.height));
    Type(std::string(words) + " ");
    return true;
  }
  bool IsCaretTouchingWord() override { return false; }
  bool IsCaretAtPictogram() override { return caretAtPictogram; }
  bool IsCaretAfterPictogram() override { return caretAtPictogram; }
  std::string GetPictogramWordsAtCaret() override { return pictogramWords; }
  std::string GetPictogramFallbackText() override { return {}; }
  std::string GetSentencePictogramTexts() override { return {}; }
  void ClearText() override { model.Reset(); }
  std::string GetTextWithPictogramWords() override { return model.Text(); }
  std::string GetTextWithPictogramAlternatives() override { return model.Text(); }
  void DeleteCurrentWord() override { EraseCurrentWord(); }
  void DeleteSentenceBeforeCaret() override { EraseSentenceBeforeCaret(); }
};

}  // namespace vorelio::testing
