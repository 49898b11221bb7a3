// The choices that pick an event log word: one enumerator per word of the
// catalogue (EventCatalogue.cpp holds the words themselves).
#pragma once

#include "common/MouseButton.h"

namespace vorelio {

// What a key, a suggestion or a command did: the TYPE of key events.
// The ones marked "+ text" are followed by the text spoken.
enum class KeyAction {
  // Text keys.
  kTextKeySelection, kShowTextKeyBeforeSelection, kSpeakTextKeyBeforeSelection,
  kSpeakTextKeyAfterSelection,
  // Pictogram keys.
  kImageKeySelection, kImageSentenceKeySelection, kSpeakImageKeyBeforeSelection,
  kSpeakImageKeyAfterSelection, kSpeakImageSentenceKeyBeforeSelection,
  kSpeakImageSentenceKeyAfterSelection,
  // Word, sentence and word-sequence suggestions.
  kPredictedWordSelection, kShowPredictedWordBeforeCompletion, kSpeakPredictedWordBeforeCompletion,
  kSpeakPredictedWordAfterCompletion,
  kPredictedSentenceSelection, kShowPredictedSentenceBeforeCompletion,
  kSpeakPredictedSentenceBeforeCompletion, kSpeakPredictedSentenceAfterCompletion,
  kPredictedWordSequenceSelection, kShowPredictedWordSequenceBeforeCompletion,
  kSpeakPredictedWordSequenceBeforeCompletion, kSpeakPredictedWordSequenceAfterCompletion,
  // Pictogram suggestions.
  kPredictedImageSelection, kSpeakPredictedImageBeforeCompletion,
  kSpeakPredictedImageAfterCompletion, kPredictedImageSentenceSelection,
  kSpeakPredictedImageSentenceBeforeCompletion, kSpeakPredictedImageSentenceAfterCompletion,
  // Abbreviations.
  kAbbreviationSelection, kAbbreviationNotFound, kShowAbbreviationExpansion,
  kSpeakAbbreviationExpansionBefore, kSpeakAbbreviationExpansionAfter,
  // Other keys.
  kKeySequenceExecution, kProgramExecution, kOnScreenKeyboardCall,
  // Speech of the text (+ text).
  kSpeakWord, kSpeakSentence, kSpeakImage,
  // Commands.
  kCommandChangeUserProfile, kCommandClearInternalWordProcessor, kCommandDeleteSentence,
  kCommandDeleteWord, kCommandNextPredictions, kCommandQuitApplication,
  kCommandSendMessageExternalEditor, kCommandSpeakAll, kCommandSpeakKeyDescription,
  kCommandSpeakSentence, kCommandSpeakWord, kCommandSwitchLoggingMode,
  kCommandSpeakAllText, kCommandSpeakWordText, kCommandSpeakSentenceText,
  kCommandSpeakImageText,  // the four "+ text"
  kCount
};

// The switch action behind a scanning event. The one that selects depends
// on the scanning method: switch 1 down with "Regular", switch 1 up with
// "Inverso", switch 2 down with "Passo-a-Passo"; the highlight moves by the
// timer in "Regular" and "Inverso" and by switch 1 in "Passo-a-Passo".
enum class SwitchCause { kSwitch1Down, kSwitch1Up, kSwitch2Down, kAutoTimer };

// What selected an on-screen key, written as the EVENT of the action it
// caused: the left mouse button ("LEFT_MOUSE_DOWN_KEY"), or scanning with
// the switch action that selected the key.
struct KeyTrigger {
  bool leftMouse = true;
  SwitchCause cause = SwitchCause::kSwitch1Down;  // scanning only

  static constexpr KeyTrigger LeftMouse() { return {}; }
  static constexpr KeyTrigger Scanning(SwitchCause cause) { return {false, cause}; }
  bool operator==(const KeyTrigger&) const = default;
};

// The level being scanned.
enum class ScanLevel { kLines, kGroups, kKeys };

// What context adaptation decided, followed by the profile concerned.
enum class ContextDecision {
  kChangeProfile, kKeepProfile, kTimeCandidate, kGpsCandidate, kBluetoothCandidate
};

// A hint of cooperative communication.
enum class HintKind { kWord, kSentence, kImage, kMultipleImage };

// Menu choices and dialogs; the two "load" actions are followed by a name.
enum class MenuAction {
  kSystemOptionsOpened, kSystemOptionsClosed, kUserProfileOptionsOpened,
  kUserProfileOptionsClosed, kKeyboardEditionStart, kKeyboardEditionEnd, kKeyboardLoad,
  kKeyboardRemove, kUserProfileLoad
};

// The kinds of output target.
enum class WordProcessor { kInternal, kMicrosoftWord, kExternal };

}  // namespace vorelio
