#include "app/KeyActionRunner.h"

#include <array>
#include <cstddef>

#include "app/Commands.h"
#include "logging/EventCatalogue.h"
#include "output/Keyboard.h"
#include "platform/ProgramLauncher.h"

namespace vorelio {

namespace {

// The event of each command, in the order of ProgramCommand.
constexpr std::array<KeyAction, kProgramCommandCount> kCommandEvents = {
    KeyAction::kCommandClearInternalWordProcessor,
    KeyAction::kCommandChangeUserProfile,
    KeyAction::kCommandDeleteWord,
    KeyAction::kCommandDeleteSentence,
    KeyAction::kCommandNextPredictions,
    KeyAction::kCommandSpeakWord,
    KeyAction::kCommandSpeakSentence,
    KeyAction::kCommandSpeakAll,
    KeyAction::kCommandQuitApplication,
    KeyAction::kCommandSpeakKeyDescription,
    KeyAction::kCommandSendMessageExternalEditor,
    KeyAction::kCommandSwitchLoggingMode,
};

KeyAction EventOf(ProgramCommand command) {
  return kCommandEvents.at(static_cast<std::size_t>(command));
}

}  // namespace

KeyActionRunner::KeyActionRunner(CommandHost& host, CKeyboard& keyboard, ProgramLauncher& launcher)
    : host_(host), keyboard_(keyboard), launcher_(launcher) {}

bool KeyActionRunner::Run(const KeyOutput& output, KeyTrigger trigger,
                          const COnScreenKeyIdentifier& key) {
  switch (output.kind) {
    case KeyOutputKind::kKeyboard:
      Record(trigger, KeyAction::kOnScreenKeyboardCall, output.value, host_.PlaceOf(key));
      host_.OpenKeyboard(output.value);
      return true;
    case KeyOutputKind::kProgram:
      Record(trigger, KeyAction::kProgramExecution, output.value, host_.PlaceOf(key));
      launcher_.Launch(output.value);  // a program that cannot start is ignored
      return true;
    case KeyOutputKind::kKeySequence: {
      Record(trigger, KeyAction::kKeySequenceExecution, output.value, host_.PlaceOf(key));
      // Counted first: the hook reports the keys as they are played.
      const int32_t presses = keyboard_.CountSequenceKeystrokes(output.value);
      if (presses > 0) host_.ExpectSynthesizedKeys(presses);
      keyboard_.TypeKeySequence(output.value);
      return true;
    }
    case KeyOutputKind::kCommand:
      RunCommand(output.value, trigger, key);
      return true;
    case KeyOutputKind::kText:
    case KeyOutputKind::kPictogram:
      return false;
  }
  return false;
}

void KeyActionRunner::RunCommand(std::string_view commandLine, KeyTrigger trigger,
                                 const COnScreenKeyIdentifier& key) {
  const std::optional<CommandLine> line = ParseCommandLine(commandLine);
  if (!line) return;
  const KeyPlace place = host_.PlaceOf(key);
  Record(trigger, EventOf(line->command), {}, place);
  // Logs what a speech command speaks, then speaks it; true when it was.
  const auto speak = [&](KeyAction spokenEvent, const std::string& text) {
    if (text.empty()) return false;
    Record(trigger, spokenEvent, text, place);
    return !host_.Speak(text).empty();
  };

  switch (line->command) {
    case ProgramCommand::kClearWorkArea:
      if (const std::optional<std::string> text = host_.InternalEditorText()) {
        if (!text->empty()) host_.AddToMessageHistory(*text);
      }
      if (host_.TargetIsInternalEditor()) host_.ClearInternalEditor();
      host_.RunPredictionCycle();
      break;
    case ProgramCommand::kChangeUserProfile:
      if (!line->argument.empty()) host_.OpenProfile(line->argument);
      break;
    case ProgramCommand::kDeleteWord:
      host_.DeleteCurrentWord();
      host_.RunPredictionCycle();
      break;
    case ProgramCommand::kDeleteSentence:
      host_.DeleteSentenceBeforeCaret();
      host_.RunPredictionCycle();
      break;
    case ProgramCommand::kShowNextSuggestions:
      host_.ShowNextSuggestions();
      break;
    case ProgramCommand::kSpeakWord: {
      const SpokenWord word = host_.CurrentWord();
      if (word.isPictogram) {
        if (speak(KeyAction::kCommandSpeakImageText, word.text)) {
          host_.Metrics().Count(WritingEvent::kPictogramSpoken);
        }
      } else if (speak(KeyAction::kCommandSpeakWordText, word.text)) {
        host_.Metrics().Count(WritingEvent::kWordSpoken);
      }
      break;
    }
    case ProgramCommand::kSpeakSentence:
      if (speak(KeyAction::kCommandSpeakSentenceText, host_.CurrentSentence())) {
        host_.Metrics().Count(WritingEvent::kSentenceSpoken);
      }
      break;
    case ProgramCommand::kSpeakWorkArea: {
      const std::string text = host_.WholeTargetText();
      if (speak(KeyAction::kCommandSpeakAllText, text)) {
        host_.Metrics().MessageSpoken(text);
        host_.LearnMessage(text);
      }
      break;
    }
    case ProgramCommand::kQuit:
      host_.CloseMainWindow();
      break;
    case ProgramCommand::kSpeakKeyDescription: {
      const std::string description = host_.KeyDescription(key);
      if (!description.empty()) host_.Speak(description);
      break;
    }
    case ProgramCommand::kSendToExternalEditor:
      if (const std::optional<std::string> text = host_.InternalEditorText()) {
        const int32_t presses = keyboard_.CountTypedKeystrokes(*text);
        if (presses > 0) host_.ExpectSynthesizedKeys(presses);
        keyboard_.TypeText(*text);
      }
      break;
    case ProgramCommand::kToggleLogging:
      ToggleLogging();
      break;
  }
}

void KeyActionRunner::Record(KeyTrigger trigger, KeyAction action, std::string_view detail,
                             const KeyPlace& place) {
  host_.Record(OnScreenKeyAction(trigger, action, detail, place));
}

void KeyActionRunner::ToggleLogging() {
  if (host_.LoggingOptionOn()) {
    host_.EndLogging();
    host_.SetLoggingOption(false);
    host_.ShowCommandKeysPressed(ProgramCommand::kToggleLogging, false);
  } else {
    // The option first: a period starts only for a profile that logs.
    host_.SetLoggingOption(true);
    host_.StartLogging();
    host_.ShowCommandKeysPressed(ProgramCommand::kToggleLogging, true);
  }
  host_.RefreshTitle();
}

}  // namespace vorelio
