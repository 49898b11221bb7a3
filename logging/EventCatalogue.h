// The events the program writes to its event log, by family: each EVENT
// and TYPE word lives once, in EventCatalogue.cpp, and the controller forms
// its events only through the helpers below, so that no name is misspelt.
//
// A detail that follows a name (a word, a sentence, a profile, a key's
// details) has its leading and trailing white space removed and every other
// blank (space, tab, line break) written as "_", so that each field stays
// one token of its line. A
// name ending in "_" takes its detail directly ("WORD_" + "casa"); an
// action without one takes it after a "_" ("TEXT_KEY_SELECTION_2.1.5").
#pragma once

#include <string>
#include <string_view>

#include "logging/EventWords.h"
#include "logging/LogEvent.h"

namespace vorelio {

// The TYPE word of an action, as the table holds it.
std::string_view WordOf(KeyAction action);
// `name` followed by `detail` as the header says.
std::string NameWithDetail(std::string_view name, std::string_view detail);

// The first line of every log, which CLog writes itself.
LogEvent StartOfLogging();

// Physical keys. `keyDownEvent` is the key's "KEY_DOWN_" event name
// (KeyDownEventName of keyboards/WindowsKeyNames.h).
// The raw report of a key, written when control events are logged.
LogEvent RawKeyDown(std::string_view keyDownEvent);
// A key reaching the output target: "AUTO_KEY" while the program still
// expects keystrokes it injected itself, "KEY" otherwise.
LogEvent KeyDown(std::string_view keyDownEvent, bool injectedByProgram);
// A key that drives the program (a switch, a prediction key, a speech
// key...): TYPE is the action it caused, with its detail.
LogEvent KeyDownAction(std::string_view keyDownEvent, KeyAction action,
                       std::string_view detail = {});
// The same for a physical key that acted on an on-screen key.
LogEvent KeyDownAction(std::string_view keyDownEvent, KeyAction action, std::string_view detail,
                       const KeyPlace& key);

// The raw report of a mouse button going down.
LogEvent RawMouseButtonDown(MouseButton button);
// An on-screen key clicked: the action it caused and the key's details.
LogEvent OnScreenKeyClick(KeyAction action, std::string_view keyDetails, const KeyPlace& key);

// Scanning. Scanning starts on switch 1 going down in every method.
LogEvent ScanningStarted(LoggedScanLevel level);
LogEvent ScanningAdvanced(SwitchCause cause, LoggedScanLevel level);
LogEvent ScanningLineSelected(SwitchCause cause, int line);
// `group` is COnScreenKeyIdentifier::GroupText() ("2.1").
LogEvent ScanningGroupSelected(SwitchCause cause, std::string_view group);
LogEvent ScanningKeySelected(SwitchCause cause, KeyAction action, std::string_view keyDetails,
                             const KeyPlace& key);
// An on-screen key's action, clicked (OnScreenKeyClick) or selected by
// scanning (ScanningKeySelected) as `trigger` says.
LogEvent OnScreenKeyAction(KeyTrigger trigger, KeyAction action, std::string_view keyDetails,
                           const KeyPlace& key);

// A character written: OUTPUT is the character, Backspace, Tab and Enter
// (carriage return) as the two characters "\b", "\t" and "\n".
LogEvent CharacterTyped(char c);
LogEvent NewWord(std::string_view word);
LogEvent NewSentence(std::string_view sentence);

LogEvent ContextAdaptation(ContextDecision decision, std::string_view profile);
// A hint of cooperative communication shown: the index of the text in the
// received list and the suggestion it went to, both from 0, then the text.
LogEvent CooperativeHint(HintKind kind, int receivedIndex, int suggestionIndex,
                         std::string_view text);
// A menu choice or dialog; `name` follows the actions that name a keyboard
// or a profile.
LogEvent MenuOption(MenuAction action, std::string_view name = {});
// The output target changed; `externalName` names an external target.
LogEvent WordProcessorChange(WordProcessor target, std::string_view externalName = {});

}  // namespace vorelio
