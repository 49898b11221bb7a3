// Selecting what a key offers: a suggestion (a word, a sentence or word
// sequence, a pictogram, a pictogram sentence), the text of a text key or
// the pictogram of a pictogram key. Every selection follows the protocol
// of BeforeCompletion (speak before, show before, complete), logs each step
// with the trigger of the key, speaks after completion when the profile
// asks for it (OUVIR_DEPOIS_COMPLETAR), and then writes:
//   word            the missing letters and a space (CompleteWord), counted
//                   as a completed word with its list position and the
//                   letters typed before;
//   sentence, word  what the sentence before the caret lacks and a space
//   sequence        (CompleteSentence), counted likewise; a single word of
//                   the sentence list counts and logs as a word;
//   pictograms      pictogram writing (PictogramWriter);
//   text key        the text typed into the application in front, or the
//                   key it names ("Enter", "BkSp"...) pressed; "Shift"
//                   holds Shift for the next key (ShiftLatch).
// Word and sentence completions expect their synthesized keys back as the
// program's, and run a prediction cycle at once. Suggestions need a current
// target: without one their selection does nothing. Text keys type into
// whatever is in front.
#pragma once

#include <string>
#include <string_view>

#include "app/BeforeCompletion.h"
#include "app/ControllerHost.h"
#include "app/KeyActivation.h"
#include "app/PictogramFinder.h"
#include "app/PictogramWriter.h"
#include "app/SuggestionLists.h"
#include "common/Text.h"
#include "keyboards/KeyOutput.h"

namespace vorelio {

// The key name of Shift in the program's key table.
inline constexpr std::string_view kShiftKeyName = "Shift";

// Shift held down by an on-screen "Shift" key until the next key goes up.
class ShiftLatch {
 public:
  virtual ~ShiftLatch() = default;
  // Shift goes down for the next key only (a second press lets it go).
  virtual void Toggle() = 0;
};

// A pictogram key of the on-screen keyboard, as selecting it needs it.
struct PictogramKey {
  std::string description;  // the words it stands for
  std::string references;   // its output: the picture or row of pictures
  std::string caption;
};

// The log's words for the steps of one kind of selection.
struct SelectionActions;

class SelectionProtocol {
 public:
  // Everything passed must outlive the protocol.
  SelectionProtocol(ControllerHost& host, PictogramWriter& writer, PictogramFinder& pictograms,
                    ShiftLatch& shift);

  // `sameKey`: the key is the one of the previous selection, with no other
  // key pressed in between.
  void SelectSuggestion(const Suggestion& suggestion, const KeyActivation& trigger, bool sameKey);
  // `output` is a text output (KeyOutputKind::kText).
  void SelectTextKey(const KeyOutput& output, const KeyActivation& trigger, bool sameKey);
  void SelectPictogramKey(const PictogramKey& key, const KeyActivation& trigger, bool sameKey);

 private:
  // The protocol for `text`; true when it is to be written now (the
  // selection is then logged and spoken after, as the profile says).
  bool Proceed(const std::string& text, const std::string& spoken, const std::string& preview,
               const SelectionActions& actions, const KeyActivation& trigger, bool sameKey);
  void CompleteWord(const Suggestion& suggestion);
  void CompleteSentence(const Suggestion& suggestion, TextShape shape);
  void TypeKeyText(const KeyOutput& output);

  ControllerHost& host_;
  PictogramWriter& writer_;
  PictogramFinder& pictograms_;
  ShiftLatch& shift_;
  BeforeCompletion memory_;
};

}  // namespace vorelio
