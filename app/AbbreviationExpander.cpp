#include "app/AbbreviationExpander.h"

#include <string>

namespace vorelio {

void AbbreviationExpander::Expand(const KeyActivation& trigger) {
  CWordProcessor* target = host_.Target();
  if (target == nullptr) return;
  // The letters before the caret are what the expansion erases, so they
  // are also what is looked up.
  const std::string abbreviation = target->GetCurrentWordPrefix();
  CDictionary* dictionary = host_.Dictionary();
  const std::string* found =
      dictionary == nullptr ? nullptr : dictionary->Abbreviations().Expansion(abbreviation);
  if (found == nullptr) {
    host_.Record(trigger.Event(KeyAction::kAbbreviationNotFound, abbreviation));
    return;
  }
  const std::string expansion = *found;  // the set may change while speaking
  const UserProfileOptions& options = host_.Options();
  const SelectionSteps steps = memory_.Decide(expansion, true, options.speakBeforeCompletion != 0,
                                              options.showBeforeCompletion != 0);
  if (steps.speakBefore) {
    host_.Record(trigger.Event(KeyAction::kSpeakAbbreviationExpansionBefore, expansion));
    host_.Speak(expansion);
  }
  if (steps.show) {
    host_.Record(trigger.Event(KeyAction::kShowAbbreviationExpansion, expansion));
    host_.ShowPreview(expansion);
    return;
  }
  if (!steps.complete) return;

  host_.Record(trigger.Event(KeyAction::kAbbreviationSelection, expansion));
  if (options.speakAfterCompletion != 0) {
    host_.Record(trigger.Event(KeyAction::kSpeakAbbreviationExpansionAfter, expansion));
    host_.Speak(expansion);
  }
  const std::string typed = expansion + " ";
  CKeyboard& keystrokes = host_.Keystrokes();
  // The generic target erases with one Backspace per letter; the keys of
  // the expansion are synthesized whatever the target.
  int32_t keyDowns = keystrokes.CountTypedKeystrokes(typed);
  if (!host_.TargetIsInternalEditor()) keyDowns += static_cast<int32_t>(abbreviation.size());
  host_.ExpectSynthesizedKeys(keyDowns);
  host_.Metrics().Count(WritingEvent::kAbbreviationExpanded);
  target->EraseCurrentWord();
  keystrokes.TypeText(typed);
  host_.RunPredictionCycle();
  memory_.Forget();
}

}  // namespace vorelio
