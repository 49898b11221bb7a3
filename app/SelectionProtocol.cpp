#include "app/SelectionProtocol.h"

#include <optional>

#include "common/Text.h"
#include "keyboards/PictogramLabel.h"

namespace vorelio {

struct SelectionActions {
  KeyAction speakBefore;
  std::optional<KeyAction> show;  // none: there is nothing to show
  KeyAction selection;
  KeyAction speakAfter;
};

namespace {

using A = KeyAction;

constexpr SelectionActions kWord{A::kSpeakPredictedWordBeforeCompletion,
                                 A::kShowPredictedWordBeforeCompletion, A::kPredictedWordSelection,
                                 A::kSpeakPredictedWordAfterCompletion};
constexpr SelectionActions kSentence{
    A::kSpeakPredictedSentenceBeforeCompletion, A::kShowPredictedSentenceBeforeCompletion,
    A::kPredictedSentenceSelection, A::kSpeakPredictedSentenceAfterCompletion};
constexpr SelectionActions kWordSequence{
    A::kSpeakPredictedWordSequenceBeforeCompletion, A::kShowPredictedWordSequenceBeforeCompletion,
    A::kPredictedWordSequenceSelection, A::kSpeakPredictedWordSequenceAfterCompletion};
constexpr SelectionActions kPictogram{A::kSpeakPredictedImageBeforeCompletion, std::nullopt,
                                      A::kPredictedImageSelection,
                                      A::kSpeakPredictedImageAfterCompletion};
constexpr SelectionActions kPictogramSentence{A::kSpeakPredictedImageSentenceBeforeCompletion,
                                              std::nullopt, A::kPredictedImageSentenceSelection,
                                              A::kSpeakPredictedImageSentenceAfterCompletion};
constexpr SelectionActions kTextKey{A::kSpeakTextKeyBeforeSelection, A::kShowTextKeyBeforeSelection,
                                    A::kTextKeySelection, A::kSpeakTextKeyAfterSelection};
constexpr SelectionActions kPictogramKey{A::kSpeakImageKeyBeforeSelection, std::nullopt,
                                         A::kImageKeySelection, A::kSpeakImageKeyAfterSelection};
constexpr SelectionActions kPictogramRowKey{A::kSpeakImageSentenceKeyBeforeSelection, std::nullopt,
                                            A::kImageSentenceKeySelection,
                                            A::kSpeakImageSentenceKeyAfterSelection};

// An entry of the sentence list: a sentence, a word sequence, or a single
// word, which logs and counts as a word.
const SelectionActions& SentenceListActions(TextShape shape) {
  switch (shape) {
    case TextShape::kSentence:
    case TextShape::kPunctuation:
      return kSentence;
    case TextShape::kWordSequence:
      return kWordSequence;
    case TextShape::kSingleWord:
    case TextShape::kNone:
      break;
  }
  return kWord;
}

CompletedText CompletedTextOf(TextShape shape) {
  switch (shape) {
    case TextShape::kSentence:
    case TextShape::kPunctuation:
      return CompletedText::kSentence;
    case TextShape::kWordSequence:
      return CompletedText::kWordSequence;
    case TextShape::kSingleWord:
    case TextShape::kNone:
      break;
  }
  return CompletedText::kWord;
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

}  // namespace

SelectionProtocol::SelectionProtocol(ControllerHost& host, PictogramWriter& writer,
                                     PictogramFinder& pictograms, ShiftLatch& shift)
    : host_(host), writer_(writer), pictograms_(pictograms), shift_(shift) {}

void SelectionProtocol::SelectSuggestion(const Suggestion& suggestion, const KeyActivation& trigger,
                                         bool sameKey) {
  CWordProcessor* target = host_.Target();
  if (target == nullptr) return;
  const std::string& text = suggestion.text;
  switch (suggestion.kind) {
    case SuggestionKind::kWord:
      if (Proceed(text, text, target->GetWordPreview(text), kWord, trigger, sameKey)) {
        CompleteWord(suggestion);
      }
      return;
    case SuggestionKind::kSentence: {
      const TextShape shape = ShapeOfText(text);
      if (Proceed(text, text, target->GetSentencePreview(text), SentenceListActions(shape), trigger,
                  sameKey)) {
        CompleteSentence(suggestion, shape);
      }
      return;
    }
    case SuggestionKind::kPictogram:
    case SuggestionKind::kPictogramSentence: {
      const bool row = suggestion.kind == SuggestionKind::kPictogramSentence;
      const std::string words = PictogramComparisonKey(text);
      if (!Proceed(text, words, {}, row ? kPictogramSentence : kPictogram, trigger, sameKey)) {
        return;
      }
      host_.Metrics().PredictedPictogramSelected(
          row ? PictogramKind::kCompound : PictogramKind::kSingle, suggestion.listPosition);
      writer_.Write(
          {words, row ? pictograms_.RowOf(text) : pictograms_.ReferenceOf(text), {}, text, row});
      return;
    }
  }
}

void SelectionProtocol::SelectTextKey(const KeyOutput& output, const KeyActivation& trigger,
                                      bool sameKey) {
  if (output.value.empty()) return;
  if (Proceed(output.value, output.value, output.value, kTextKey, trigger, sameKey)) {
    TypeKeyText(output);
  }
}

void SelectionProtocol::SelectPictogramKey(const PictogramKey& key, const KeyActivation& trigger,
                                           bool sameKey) {
  const bool row = PictogramReferences(key.references).size() > 1;
  if (!Proceed(key.description, key.description, {}, row ? kPictogramRowKey : kPictogramKey,
               trigger, sameKey)) {
    return;
  }
  host_.Metrics().Count(row ? WritingEvent::kCompoundPictogramSelected
                            : WritingEvent::kSinglePictogramSelected);
  writer_.Write({key.description, key.references, key.caption, "[" + key.description + "]", row});
}

bool SelectionProtocol::Proceed(const std::string& text, const std::string& spoken,
                                const std::string& preview, const SelectionActions& actions,
                                const KeyActivation& trigger, bool sameKey) {
  const UserProfileOptions& options = host_.Options();
  const SelectionSteps steps =
      memory_.Decide(text, sameKey, options.speakBeforeCompletion != 0,
                     options.showBeforeCompletion != 0, actions.show.has_value());
  if (steps.speakBefore) {
    host_.Record(trigger.Event(actions.speakBefore, text));
    host_.Speak(spoken);
  }
  if (steps.show) {
    host_.Record(trigger.Event(*actions.show, text));
    host_.ShowPreview(preview);
    return false;
  }
  if (!steps.complete) return false;
  host_.Record(trigger.Event(actions.selection, text));
  if (options.speakAfterCompletion != 0) {
    host_.Record(trigger.Event(actions.speakAfter, text));
    host_.Speak(spoken);
  }
  memory_.Forget();
  // During a cooperative-communication session the suggestion keys are to
  // be cleared here (LIMPAR_SUGESTOES_APOS_SELECCAO); that session comes
  // with the cooperation endpoint.
  return true;
}

void SelectionProtocol::CompleteWord(const Suggestion& suggestion) {
  CWordProcessor& target = *host_.Target();
  const std::string prefix = target.GetCurrentWordPrefix();
  const std::string& word = suggestion.text;
  const std::string missing = word.size() > prefix.size() ? word.substr(prefix.size()) : "";
  if (!host_.TargetIsInternalEditor()) {
    host_.ExpectSynthesizedKeys(host_.Keystrokes().CountTypedKeystrokes(missing + " "));
  }
  host_.Metrics().Completed(CompletedText::kWord, CompletionSource::kSuggestionList,
                            suggestion.listPosition, static_cast<int32_t>(prefix.size()));
  target.CompleteWord(word);
  host_.RunPredictionCycle();
}

void SelectionProtocol::CompleteSentence(const Suggestion& suggestion, TextShape shape) {
  CWordProcessor& target = *host_.Target();
  const std::string typed(WithoutLeadingBlanks(target.GetTextBeforeCaret()));
  const std::string missing = target.GetMissingPart(suggestion.text, typed);
  if (!host_.TargetIsInternalEditor()) {
    host_.ExpectSynthesizedKeys(host_.Keystrokes().CountTypedKeystrokes(missing + " "));
  }
  host_.Metrics().Completed(CompletedTextOf(shape), CompletionSource::kSuggestionList,
                            suggestion.listPosition, static_cast<int32_t>(typed.size()));
  target.CompleteSentence(suggestion.text);
  host_.RunPredictionCycle();
}

void SelectionProtocol::TypeKeyText(const KeyOutput& output) {
  CKeyboard& keystrokes = host_.Keystrokes();
  if (!output.isKeyName) {
    host_.ExpectSynthesizedKeys(keystrokes.CountTypedKeystrokes(output.value));
    keystrokes.TypeText(output.value);
    return;
  }
  const std::string name(Trim(output.value));
  if (name == kShiftKeyName) {
    shift_.Toggle();
    return;
  }
  host_.ExpectSynthesizedKeys(1);
  keystrokes.TapNamedKey(name);
}

}  // namespace vorelio
