// What carrying out a key's action needs of the controller, which
// implements it (tests use a recording one). Everything is called on the
// user-interface thread, while the controller handles an on-screen key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "keyboards/OnScreenKeyIdentifier.h"
#include "keyboards/ProgramCommands.h"
#include "logging/LogEvent.h"
#include "logging/WritingMetrics.h"

namespace vorelio {

// The current word as the speech commands speak it.
struct SpokenWord {
  std::string text;          // the word, or the words of the pictogram
  bool isPictogram = false;  // the caret is at a pictogram of the internal editor
};

class CommandHost {
 public:
  virtual ~CommandHost() = default;

  // The event log. Writes an event with the page and context (nothing while
  // logging is off).
  virtual void Record(const LogEvent& event) = 0;
  // The key's position and the screen point of its centre, as logged.
  virtual KeyPlace PlaceOf(const COnScreenKeyIdentifier& key) = 0;
  // Whether the current profile's REGISTAR_EVENTOS is on (not 0).
  virtual bool LoggingOptionOn() = 0;
  // Sets the current profile's REGISTAR_EVENTOS to 1 or 0, a choice saved
  // with its options.
  virtual void SetLoggingOption(bool on) = 0;
  // Starts / ends a logging period as applying / leaving a profile does
  // (the start signal when the profile asks for it; the internal editor's
  // text in the final text).
  virtual void StartLogging() = 0;
  virtual void EndLogging() = 0;
  // Shows the on-screen keys whose output runs `command` pressed or released.
  virtual void ShowCommandKeysPressed(ProgramCommand command, bool pressed) = 0;
  // The main window's title, which tells whether logging is on.
  virtual void RefreshTitle() = 0;

  // Makes the keyboard `name` (a keyboard file without ".tec") the current
  // profile's keyboard in use and loads it: true. A keyboard that cannot be
  // loaded is reported, and leaves the keyboard and the profile as they
  // were: false.
  virtual bool OpenKeyboard(std::string_view name) = 0;
  // Loads the named profile and applies it.
  virtual void OpenProfile(std::string_view name) = 0;

  // The internal message editor's whole text, each pictogram as its
  // alternative text; nothing when there is no internal editor.
  virtual std::optional<std::string> InternalEditorText() = 0;
  virtual bool TargetIsInternalEditor() const = 0;
  virtual void ClearInternalEditor() = 0;
  // Keeps a message written in the controller's message history.
  virtual void AddToMessageHistory(std::string_view message) = 0;
  // The current target's erasing commands (the internal editor erases, with
  // its pictograms; other targets do nothing); nothing without a target.
  virtual void DeleteCurrentWord() = 0;
  virtual void DeleteSentenceBeforeCaret() = 0;
  // The next page of each suggestion list on the suggestion keys.
  virtual void ShowNextSuggestions() = 0;
  virtual void RunPredictionCycle() = 0;
  // Key presses the program is about to synthesize, so that their reports
  // from the hook count as the program's and not the user's.
  virtual void ExpectSynthesizedKeys(int32_t keyDowns) = 0;

  // What the speech commands speak; empty when there is nothing (no target).
  virtual SpokenWord CurrentWord() = 0;
  virtual std::string CurrentSentence() = 0;
  virtual std::string WholeTargetText() = 0;
  virtual std::string KeyDescription(const COnScreenKeyIdentifier& key) = 0;
  // Speaks with the profile's voice; returns the text spoken, empty when
  // nothing was (an empty text, or no voice).
  virtual std::string Speak(std::string_view text) = 0;
  // The target's whole text was spoken at once: it is learnt as one
  // sentence (when the profile learns from the user).
  virtual void LearnMessage(std::string_view wholeText) = 0;
  // The writing metrics, which count only while logging is on.
  virtual WritingMetrics& Metrics() = 0;

  // Asks the main window to close, as the user closing it does: the program
  // ends once the key's event is handled.
  virtual void CloseMainWindow() = 0;
};

}  // namespace vorelio
