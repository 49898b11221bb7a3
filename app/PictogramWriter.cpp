#include "app/PictogramWriter.h"

#include "common/Text.h"

namespace vorelio {
namespace {

// Words joined by single spaces, lower-cased: how typed text is compared
// with the words of a pictogram.
std::string NormalisedWords(std::string_view text) {
  std::string joined;
  for (const std::string& word : Split(text, kSeparators)) {
    if (!joined.empty()) joined += ' ';
    joined += word;
  }
  return ToLower(joined);
}

}  // namespace

void PictogramWriter::Write(const PictogramToWrite& pictogram) {
  CWordProcessor* target = host_.Target();
  if (target == nullptr) return;
  const UserProfileOptions& options = host_.Options();
  const bool editor = host_.TargetIsInternalEditor();
  if (!editor && options.pictogramsWriteText == 0) return;

  EraseTypedPart(*target, pictogram.words);
  if (editor) {
    if (pictures_ != nullptr) {
      const std::optional<PictogramPicture> picture =
          pictures_->Make(pictogram.reference, pictogram.caption, options.messageEditorHeight);
      if (picture) target->AddPictogram(*picture, pictogram.words, pictogram.alternativeText);
    }
    if (CDictionary* dictionary = host_.Dictionary()) {
      const TextBeforeCaret caret{target->GetLastWord(), target->GetWordBeforeLast(),
                                  target->GetLastSentence(), target->GetSentenceBeforeLast()};
      host_.Adaptation().LearnAfterKeyOutput(*dictionary, options.LearnsFromUser(), pictogram.words,
                                             caret);
    }
  } else {
    // The typed words come back through the target, which learns them at
    // their word and sentence ends.
    const std::string text = pictogram.words + " ";
    host_.ExpectSynthesizedKeys(host_.Keystrokes().CountTypedKeystrokes(text));
    host_.Keystrokes().TypeText(text);
  }
  host_.Metrics().Count(pictogram.compound ? WritingEvent::kCompoundPictogramWritten
                                           : WritingEvent::kSinglePictogramWritten);
  host_.RunPredictionCycle();
}

void PictogramWriter::EraseTypedPart(CWordProcessor& target, const std::string& words) {
  switch (ShapeOfText(words)) {
    case TextShape::kSingleWord:
      EraseCurrentWord(target);
      return;
    case TextShape::kWordSequence:
    case TextShape::kSentence: {
      const std::string typed = NormalisedWords(target.GetTextBeforeCaret());
      if (!NormalisedWords(words).starts_with(typed)) {
        EraseCurrentWord(target);
        return;
      }
      if (!host_.TargetIsInternalEditor()) {
        host_.ExpectSynthesizedKeys(static_cast<int32_t>(target.GetSentenceBeforeCaret().size()));
      }
      target.EraseSentenceBeforeCaret();
      return;
    }
    case TextShape::kPunctuation:
    case TextShape::kNone:
      return;
  }
}

void PictogramWriter::EraseCurrentWord(CWordProcessor& target) {
  // The generic target erases with one Backspace per letter typed.
  if (!host_.TargetIsInternalEditor()) {
    host_.ExpectSynthesizedKeys(static_cast<int32_t>(target.GetCurrentWordPrefix().size()));
  }
  target.EraseCurrentWord();
}

}  // namespace vorelio
