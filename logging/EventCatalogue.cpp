#include "logging/EventCatalogue.h"

#include <array>
#include <string>

#include "common/Text.h"

namespace vorelio {
namespace {

// Each EVENT and TYPE word of the log, once.
constexpr std::string_view kSystemInfo = "SYSTEM_INFO";
constexpr std::string_view kStartLogging = "START_LOGGING";
constexpr std::string_view kRawKeyDown = "RAW_KEY_DOWN";
constexpr std::string_view kAutoKey = "AUTO_KEY";
constexpr std::string_view kKey = "KEY";
constexpr std::string_view kLeftMouseDownKey = "LEFT_MOUSE_DOWN_KEY";
constexpr std::string_view kCharPrefix = "CHAR_";
constexpr std::string_view kChar = "CHAR";
constexpr std::string_view kNewWord = "NEW_WORD";
constexpr std::string_view kWordPrefix = "WORD_";
constexpr std::string_view kNewSentence = "NEW_SENTENCE";
constexpr std::string_view kSentencePrefix = "SENTENCE_";
constexpr std::string_view kContextAdaptation = "CONTEXT_ADAPTATION";
constexpr std::string_view kCooperativeSend = "COOPERATIVE_COMMUNICATION_SEND";
constexpr std::string_view kMenuOptionSelection = "MENU_OPTION_SELECTION";
constexpr std::string_view kWordProcessorChange = "WORD_PROCESSOR_CHANGE";
constexpr std::string_view kLineSelection = "LINE_SELECTION";
constexpr std::string_view kGroupSelection = "GROUP_SELECTION";

struct KeyActionWord {
  KeyAction action;
  std::string_view word;
};

using A = KeyAction;
constexpr std::size_t kKeyActionCount = static_cast<std::size_t>(KeyAction::kCount);
constexpr std::array<KeyActionWord, kKeyActionCount> kKeyActionWords = {{
    {A::kTextKeySelection, "TEXT_KEY_SELECTION"},
    {A::kShowTextKeyBeforeSelection, "SHOW_TEXT_KEY_BEFORE_SELECTION"},
    {A::kSpeakTextKeyBeforeSelection, "SYNTHESIZE_TEXT_KEY_BEFORE_SELECTION"},
    {A::kSpeakTextKeyAfterSelection, "SYNTHESIZE_TEXT_KEY_AFTER_SELECTION"},
    {A::kImageKeySelection, "IMAGE_KEY_SELECTION"},
    {A::kImageSentenceKeySelection, "IMAGE_SENTENCE_KEY_SELECTION"},
    {A::kSpeakImageKeyBeforeSelection, "SYNTHESIZE_IMAGE_KEY_BEFORE_SELECTION"},
    {A::kSpeakImageKeyAfterSelection, "SYNTHESIZE_IMAGE_KEY_AFTER_SELECTION"},
    {A::kSpeakImageSentenceKeyBeforeSelection, "SYNTHESIZE_IMAGE_SENTENCE_KEY_BEFORE_SELECTION"},
    {A::kSpeakImageSentenceKeyAfterSelection, "SYNTHESIZE_IMAGE_SENTENCE_KEY_AFTER_SELECTION"},
    {A::kPredictedWordSelection, "PREDICTED_WORD_SELECTION"},
    {A::kShowPredictedWordBeforeCompletion, "SHOW_PREDICTED_WORD_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedWordBeforeCompletion,
     "SYNTHESIZE_PREDICTED_WORD_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedWordAfterCompletion,
     "SYNTHESIZE_PREDICTED_WORD_FROM_LIST_AFTER_COMPLETATION"},
    {A::kPredictedSentenceSelection, "PREDICTED_SENTENCE_SELECTION"},
    {A::kShowPredictedSentenceBeforeCompletion,
     "SHOW_PREDICTED_SENTENCE_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedSentenceBeforeCompletion,
     "SYNTHESIZE_PREDICTED_SENTENCE_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedSentenceAfterCompletion,
     "SYNTHESIZE_PREDICTED_SENTENCE_FROM_LIST_AFTER_COMPLETATION"},
    {A::kPredictedWordSequenceSelection, "PREDICTED_WORD_SEQUENCE_SELECTION"},
    {A::kShowPredictedWordSequenceBeforeCompletion,
     "SHOW_PREDICTED_WORD_SEQUENCE_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedWordSequenceBeforeCompletion,
     "SYNTHESIZE_PREDICTED_WORD_SEQUENCE_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedWordSequenceAfterCompletion,
     "SYNTHESIZE_PREDICTED_WORD_SEQUENCE_FROM_LIST_AFTER_COMPLETATION"},
    {A::kPredictedImageSelection, "PREDICTED_IMAGE_SELECTION"},
    {A::kSpeakPredictedImageBeforeCompletion,
     "SYNTHESIZE_PREDICTED_IMAGE_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedImageAfterCompletion,
     "SYNTHESIZE_PREDICTED_IMAGE_FROM_LIST_AFTER_COMPLETATION"},
    {A::kPredictedImageSentenceSelection, "PREDICTED_IMAGE_SENTENCE_SELECTION"},
    {A::kSpeakPredictedImageSentenceBeforeCompletion,
     "SYNTHESIZE_PREDICTED_IMAGE_SENTENCE_FROM_LIST_BEFORE_COMPLETATION"},
    {A::kSpeakPredictedImageSentenceAfterCompletion,
     "SYNTHESIZE_PREDICTED_IMAGE_SENTENCE_FROM_LIST_AFTER_COMPLETATION"},
    {A::kAbbreviationSelection, "ABBREVIATION_SELECTION"},
    {A::kAbbreviationNotFound, "ABBREVIATION_NOT_FOUND"},
    {A::kShowAbbreviationExpansion, "SHOW_ABBREVIATION_EXPANSION_BEFORE_EXPANSION"},
    {A::kSpeakAbbreviationExpansionBefore, "SYNTHESIZE_ABBREVIATION_EXPANSION_BEFORE_EXPANSION"},
    {A::kSpeakAbbreviationExpansionAfter, "SYNTHESIZE_ABBREVIATION_EXPANSION_AFTER_EXPANSION"},
    {A::kKeySequenceExecution, "KEY_SEQUENCE_EXECUTION"},
    {A::kProgramExecution, "PROGRAM_EXECUTION"},
    {A::kOnScreenKeyboardCall, "ON_SCREEN_KEYBOARD_CALL"},
    {A::kSpeakWord, "SYNTHESIZE_WORD_"},
    {A::kSpeakSentence, "SYNTHESIZE_SENTENCE_"},
    {A::kSpeakImage, "SYNTHESIZE_IMAGE_"},
    {A::kCommandChangeUserProfile, "COMMAND_EXECUTION_CHANGE_USER_PROFILE"},
    {A::kCommandClearInternalWordProcessor, "COMMAND_EXECUTION_CLEAR_INTERNAL_WORD_PROCESSOR"},
    {A::kCommandDeleteSentence, "COMMAND_EXECUTION_DELETE_SENTENCE"},
    {A::kCommandDeleteWord, "COMMAND_EXECUTION_DELETE_WORD"},
    {A::kCommandNextPredictions, "COMMAND_EXECUTION_NEXT_PREDICTIONS"},
    {A::kCommandQuitApplication, "COMMAND_EXECUTION_QUIT_APPLICATION"},
    {A::kCommandSendMessageExternalEditor, "COMMAND_EXECUTION_SEND_MESSAGE_EXTERNAL_EDITOR"},
    {A::kCommandSpeakAll, "COMMAND_EXECUTION_SPEAK_ALL"},
    {A::kCommandSpeakKeyDescription, "COMMAND_EXECUTION_SPEAK_KEY_DESCRIPTION"},
    {A::kCommandSpeakSentence, "COMMAND_EXECUTION_SPEAK_SENTENCE"},
    {A::kCommandSpeakWord, "COMMAND_EXECUTION_SPEAK_WORD"},
    {A::kCommandSwitchLoggingMode, "COMMAND_EXECUTION_SWITCH_LOGGING_MODE"},
    {A::kCommandSpeakAllText, "COMMAND_EXECUTION_SYNTHESIZE_ALL_"},
    {A::kCommandSpeakWordText, "COMMAND_EXECUTION_SYNTHESIZE_WORD_"},
    {A::kCommandSpeakSentenceText, "COMMAND_EXECUTION_SYNTHESIZE_SENTENCE_"},
    {A::kCommandSpeakImageText, "COMMAND_EXECUTION_SYNTHESIZE_IMAGE_"},
}};

// A missing entry leaves a default one behind, which fails the check.
constexpr bool EveryActionInItsPlace() {
  for (std::size_t i = 0; i < kKeyActionWords.size(); ++i)
    if (static_cast<std::size_t>(kKeyActionWords[i].action) != i) return false;
  for (const KeyActionWord& entry : kKeyActionWords)
    if (entry.word.empty()) return false;
  return true;
}
static_assert(EveryActionInItsPlace(), "one word per action, in the order of the enumeration");

// The other choices, in the order of their enumerations.
constexpr std::array<std::string_view, 3> kMouseButtonEvents = {
    "LEFT_MOUSE_BUTTON_DOWN", "RIGHT_MOUSE_BUTTON_DOWN", "MID_MOUSE_BUTTON_DOWN"};
constexpr std::array<std::string_view, 3> kRawMouseButtonTypes = {
    "RAW_LEFT_MOUSE_BUTTON_DOWN", "RAW_RIGHT_MOUSE_BUTTON_DOWN", "RAW_MID_MOUSE_BUTTON_DOWN"};
constexpr std::array<std::string_view, 4> kSwitchCauses = {"SWITCH1_DOWN", "SWITCH1_UP",
                                                          "SWITCH2_DOWN", "AUTO_TIMER"};
constexpr std::array<std::string_view, 3> kScanStarts = {
    "START_SCANNING_LINES", "START_SCANNING_GROUPS", "START_SCANNING_KEYS"};
constexpr std::array<std::string_view, 3> kScanAdvances = {
    "SCANNING_ADVANCE_LINES", "SCANNING_ADVANCE_GROUPS", "SCANNING_ADVANCE_KEYS"};
constexpr std::array<std::string_view, 5> kContextDecisions = {
    "CONTEXT_ADAPTATION_CHANGE_PROFILE_", "CONTEXT_ADAPTATION_KEEP_PROFILE_",
    "TIME_ADAPTATION_CANDIDATE_", "GPS_ADAPTATION_CANDIDATE_", "BLUETOOTH_ADAPTATION_CANDIDATE_"};
constexpr std::array<std::string_view, 4> kHintKinds = {"WORD_HINT_", "SENTENCE_HINT_",
                                                       "IMAGE_HINT_", "MULTIPLE_IMAGE_HINT_"};
constexpr std::array<std::string_view, 9> kMenuActions = {
    "SYSTEM_OPTIONS_DIALOG_OPENED",       "SYSTEM_OPTIONS_DIALOG_CLOSED",
    "USER_PROFILE_OPTIONS_DIALOG_OPENED", "USER_PROFILE_OPTIONS_DIALOG_CLOSED",
    "ON_SCREEN_KEYBOARD_EDITION_START",   "ON_SCREEN_KEYBOARD_EDITION_END",
    "ON_SCREEN_KEYBOARD_LOAD_",           "ON_REMOVE_SCREEN_KEYBOARD",
    "USER_PROFILE_LOAD_"};
constexpr std::array<std::string_view, 2> kWordProcessors = {"INTERNAL_WORD_PROCESSOR",
                                                            "MICROSOFT_WORD_PROCESSOR"};

// Characters written under a name of their own, with the text that stands
// for them in OUTPUT.
struct NamedCharacter {
  char character;
  std::string_view event;
  std::string_view output;
};
constexpr NamedCharacter kNamedCharacters[] = {
    {'\b', "CHAR_RETROCESSO", "\\b"},
    {'\t', "CHAR_TAB", "\\t"},
    {'\r', "CHAR_ENTER", "\\n"},
    {' ', "CHAR_ESPA\xC7O", " "},
};

template <typename Enum, std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& words, Enum choice) {
  return words.at(static_cast<std::size_t>(choice));
}

LogEvent Event(std::string_view event, std::string type) {
  LogEvent logged;
  logged.event = event;
  logged.type = std::move(type);
  return logged;
}

LogEvent AtKey(LogEvent logged, const KeyPlace& key) {
  logged.element = key.element;
  logged.center = std::to_string(key.centerX) + "." + std::to_string(key.centerY);
  return logged;
}

}  // namespace

std::string_view WordOf(KeyAction action) {
  return kKeyActionWords.at(static_cast<std::size_t>(action)).word;
}

std::string NameWithDetail(std::string_view name, std::string_view detail) {
  detail = Trim(detail);
  std::string text(name);
  if (detail.empty()) return text;
  if (!name.empty() && name.back() != '_') text += '_';
  for (const char c : detail) text += IsWhiteSpace(c) ? '_' : c;
  return text;
}

LogEvent StartOfLogging() { return Event(kSystemInfo, std::string(kStartLogging)); }

LogEvent RawKeyDown(std::string_view keyDownEvent) {
  return Event(keyDownEvent, std::string(kRawKeyDown));
}

LogEvent KeyDown(std::string_view keyDownEvent, bool injectedByProgram) {
  return Event(keyDownEvent, std::string(injectedByProgram ? kAutoKey : kKey));
}

LogEvent KeyDownAction(std::string_view keyDownEvent, KeyAction action, std::string_view detail) {
  return Event(keyDownEvent, NameWithDetail(WordOf(action), detail));
}

LogEvent KeyDownAction(std::string_view keyDownEvent, KeyAction action, std::string_view detail,
                       const KeyPlace& key) {
  return AtKey(KeyDownAction(keyDownEvent, action, detail), key);
}

LogEvent RawMouseButtonDown(MouseButton button) {
  return Event(Pick(kMouseButtonEvents, button), std::string(Pick(kRawMouseButtonTypes, button)));
}

LogEvent OnScreenKeyClick(KeyAction action, std::string_view keyDetails, const KeyPlace& key) {
  return AtKey(Event(kLeftMouseDownKey, NameWithDetail(WordOf(action), keyDetails)), key);
}

LogEvent ScanningStarted(ScanLevel level) {
  return Event(Pick(kSwitchCauses, SwitchCause::kSwitch1Down),
               std::string(Pick(kScanStarts, level)));
}

LogEvent ScanningAdvanced(SwitchCause cause, ScanLevel level) {
  return Event(Pick(kSwitchCauses, cause), std::string(Pick(kScanAdvances, level)));
}

LogEvent ScanningLineSelected(SwitchCause cause, int line) {
  LogEvent logged = Event(Pick(kSwitchCauses, cause), std::string(kLineSelection));
  logged.element = std::to_string(line);
  return logged;
}

LogEvent ScanningGroupSelected(SwitchCause cause, std::string_view group) {
  LogEvent logged = Event(Pick(kSwitchCauses, cause), std::string(kGroupSelection));
  logged.element = group;
  return logged;
}

LogEvent ScanningKeySelected(SwitchCause cause, KeyAction action, std::string_view keyDetails,
                             const KeyPlace& key) {
  return AtKey(Event(Pick(kSwitchCauses, cause), NameWithDetail(WordOf(action), keyDetails)),
               key);
}

LogEvent OnScreenKeyAction(KeyTrigger trigger, KeyAction action, std::string_view keyDetails,
                           const KeyPlace& key) {
  if (trigger.leftMouse) return OnScreenKeyClick(action, keyDetails, key);
  return ScanningKeySelected(trigger.cause, action, keyDetails, key);
}

LogEvent CharacterTyped(char c) {
  for (const NamedCharacter& named : kNamedCharacters) {
    if (named.character != c) continue;
    LogEvent logged = Event(named.event, std::string(kChar));
    logged.output = named.output;
    return logged;
  }
  LogEvent logged = Event(std::string(kCharPrefix) + c, std::string(kChar));
  logged.output = std::string(1, c);
  return logged;
}

LogEvent NewWord(std::string_view word) {
  return Event(kNewWord, NameWithDetail(kWordPrefix, word));
}

LogEvent NewSentence(std::string_view sentence) {
  return Event(kNewSentence, NameWithDetail(kSentencePrefix, sentence));
}

LogEvent ContextAdaptation(ContextDecision decision, std::string_view profile) {
  return Event(kContextAdaptation, NameWithDetail(Pick(kContextDecisions, decision), profile));
}

LogEvent CooperativeHint(HintKind kind, int receivedIndex, int suggestionIndex,
                         std::string_view text) {
  const std::string detail = std::to_string(receivedIndex) + "_" +
                             std::to_string(suggestionIndex) + " " + std::string(text);
  return Event(kCooperativeSend, NameWithDetail(Pick(kHintKinds, kind), detail));
}

LogEvent MenuOption(MenuAction action, std::string_view name) {
  return Event(kMenuOptionSelection, NameWithDetail(Pick(kMenuActions, action), name));
}

LogEvent WordProcessorChange(WordProcessor target, std::string_view externalName) {
  const std::string type = target == WordProcessor::kExternal
                               ? NameWithDetail({}, externalName)
                               : std::string(Pick(kWordProcessors, target));
  return Event(kWordProcessorChange, type);
}

}  // namespace vorelio
