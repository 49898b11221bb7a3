// CPredarinView: the controller, where every input event of the program
// ends. Keys, characters and clicks of the application the user writes in
// reach it from the hook library through the current output target; word
// and sentence ends from the target; presses, hovers and scanning steps
// from the on-screen keyboard; and the ticks of its 100 ms timer. For each
// event it counts, logs, speaks what the profile asks to be spoken, learns
// finished words and sentences, dispatches the keys that drive the program
// (switches, prediction keys, speech keys, the abbreviation key, on-screen
// keys) and schedules the next prediction, which the timer runs once the
// user has paused for the profile's prediction delay (TEMPO_DE_PREDICAO).
//
// It owns, for the whole run, the profile set, the event logging, the
// speech synthesizer, the keystroke synthesizer, the predictors, the
// on-screen keyboard (reloaded with each profile or link), the current
// output target, which it chooses 500 ms after the last focus change, the
// runner of the keys' actions and commands, and the history of the messages
// the work area held. The platform comes in through PredarinServices;
// everything runs on the thread of the message loop.
//
// Two windows of the loop receive its messages: Window() is the owner of
// the output targets (their relayed hook reports, word and sentence ends)
// and of the timer; KeyboardWindow() is where the on-screen keyboard and
// its scanner post. So a press of an on-screen key, which also posts
// WM_HOOK_LEFT_BUTTON_DOWN, is never counted as a click in the application.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/AbbreviationExpander.h"
#include "app/Beeper.h"
#include "app/CommandHost.h"
#include "app/ControllerHost.h"
#include "app/Countdown.h"
#include "app/ForegroundWatch.h"
#include "app/KeyActionHandler.h"
#include "app/KeyActionRunner.h"
#include "app/KeyActivation.h"
#include "app/MainWindow.h"
#include "app/PictogramFinder.h"
#include "app/PictogramWriter.h"
#include "app/PreviewWindow.h"
#include "app/RoleKeys.h"
#include "app/SelectionProtocol.h"
#include "app/SentenceSnapshot.h"
#include "app/SuggestionLists.h"
#include "keyboards/KeyboardScanTimer.h"
#include "keyboards/OnScreenKeyboard.h"
#include "logging/EventLogging.h"
#include "output/GenericWordProcessor.h"
#include "output/HookLibrary.h"
#include "output/Keyboard.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/ProgramLauncher.h"
#include "prediction/SentencePredictor.h"
#include "prediction/Suggestions.h"
#include "prediction/UserAdaptation.h"
#include "prediction/WordPredictor.h"
#include "profiles/UserProfileSet.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechSynthesizer.h"

namespace vorelio {

// Shown when the loop grants none of the timer identifiers 0-19.
inline constexpr std::string_view kNoControllerTimerMessage =
    "Nao existe um timer disponivel. O sistema n\xe3o ir\xe1 funcionar correctamente.";

// Everything the controller is lent; all of it must outlive the controller.
struct PredarinServices {
  MessageLoop& loop;
  FileSystem& files;
  MessageBoxService& messages;
  ClockService& clock;
  std::string dataFolder;  // the per-user data folder, ending in a separator
  SpeechEngine& speechEngine;
  KeystrokeSink& keystrokeSink;
  DesktopQueries& desktop;
  HookLibrary& hooks;
  ForegroundWatch& foreground;
  MainWindow& mainWindow;
  PreviewWindow& preview;
  Beeper& beeper;
  ProgramLauncher& launcher;                  // the programs keys start
  KeyPictureLoader* keyPictures = nullptr;    // null: keys show no pictures
  LoggingStartSignal* startSignal = nullptr;  // null: no start signal
};

class CPredarinView final : public MessageHandler,
                            public ControllerHost,
                            private CommandHost,
                            private ShiftLatch {
 public:
  explicit CPredarinView(const PredarinServices& services);
  // Lets go of a Shift held for an on-screen key, detaches the target, ends
  // the logging period and stops the timer.
  ~CPredarinView() override;
  CPredarinView(const CPredarinView&) = delete;
  CPredarinView& operator=(const CPredarinView&) = delete;

  // ---- Profiles ----
  // Ends the logging period, lets the voice go and makes `name` the current
  // profile (reading the profile set the first time; an unknown name opens
  // "generico" after telling the user), then applies it.
  void OpenProfile(std::string_view name) override;
  // Applies the current profile: its logging, voice, keyboard (with its
  // presentation), empty suggestion lists, a fresh key-name table, a new
  // message editor from the main window when the profile writes into one
  // (PROCESSADOR_TEXTO_INTERNO), no target
  // until the window in front is chosen again 500 ms from now, the role
  // keys, the timer and the window's title. Nothing before a profile is open.
  void ApplyProfile();

  // ---- Seams set after construction ----
  // Where the outputs of on-screen keys are offered first; by default the
  // controller's own KeyActionRunner, which carries out keyboard links,
  // programs, key sequences and commands. Null: such keys do nothing.
  void SetKeyActionHandler(KeyActionHandler* handler) { keyActions_ = handler; }
  // The program's own message editor, the target while the program's
  // window is in front; null: none. Must outlive its use here. (ApplyProfile
  // sets the main window's; tests set their own.)
  void SetInternalEditor(CWordProcessor* editor);
  void SetPictogramPictureMaker(PictogramPictureMaker* maker) {
    pictogramWriter_.SetPictureMaker(maker);
  }

  // ---- Events ----
  WindowHandle Window() const { return window_; }
  WindowHandle KeyboardWindow() const { return keyboardWindow_; }
  // The messages of Window(): the target's relays and the timer.
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  // The messages of KeyboardWindow(): key presses, hovers, scanning.
  void HandleKeyboardMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  // The focus moved on the desktop.
  void FocusChanged();
  // A key went down or up while the program's own window had the focus.
  void OwnKeyDown(int virtualKey, std::intptr_t keyFlags);
  void OwnKeyUp(int virtualKey);

  // ---- Operations for the commands and the menu ----
  // Opens the keyboard NAME (with or without ".tec") of the data folder in
  // place of the current one, keeping the current one when the file cannot
  // be read (the user is told). True when it was opened.
  bool LoadKeyboard(std::string_view name);
  // A key's output named another keyboard: opens it as LoadKeyboard does,
  // makes it the profile's keyboard in use and counts a keyboard change
  // made on the keyboard. (Its executor logs ON_SCREEN_KEYBOARD_CALL.)
  bool OpenKeyboard(std::string_view name) override;
  // The next page of every suggestion list, counted as a request for them.
  void ShowNextSuggestions() override;
  // The word at the caret (the words of the editor's pictogram there) and
  // the current sentence, as the speech keys and commands speak them; empty
  // without a target.
  SpokenWord CurrentWord() override;
  std::string CurrentSentence() override;
  // Where an on-screen key is, for the log: its position and the screen
  // point of its centre.
  KeyPlace PlaceOf(const COnScreenKeyIdentifier& key) override;
  // Logging on or off as the command key switches it: the option, the
  // period, the keys that show it and the title.
  void ToggleLogging() { keyActionRunner_.ToggleLogging(); }
  // The metrics block as it stands now (the internal editor's text in the
  // final text), for the metrics dialog; logging goes on.
  std::vector<std::string> MetricsLinesNow() { return logging_.MetricsLines(InternalEditorText()); }

  // ---- ControllerHost (these serve CommandHost too) ----
  CWordProcessor* Target() override { return target_; }
  bool TargetIsInternalEditor() const override;
  const UserProfileOptions& Options() const override;
  CDictionary* Dictionary() override { return profiles_.CurrentDictionary(); }
  CUserAdaptation& Adaptation() override { return adaptation_; }
  CKeyboard& Keystrokes() override { return keystrokes_; }
  std::string Speak(std::string_view text) override;
  void ShowPreview(std::string_view text) override;
  void Record(const LogEvent& event) override { logging_.Record(event); }
  WritingMetrics& Metrics() override { return logging_.Metrics(); }
  void ExpectSynthesizedKeys(int32_t keyDowns) override;
  void RunPredictionCycle() override;

  // ---- State ----
  CUserProfileSet& Profiles() { return profiles_; }
  EventLogging& Logging() { return logging_; }
  CSpeechSynthesizer& Speech() { return speech_; }
  COnScreenKeyboard& Keyboard() { return *keyboard_; }
  const CSuggestionLists& Suggestions() const { return suggestions_; }
  // Key downs the program synthesized whose hook reports have not come back.
  int32_t SynthesizedKeyCount() const { return synthesized_; }
  const SentenceSnapshot& Snapshot() const { return snapshot_; }
  // Prediction cycles run since the controller was made.
  int64_t PredictionCycles() const { return predictionCycles_; }
  bool ShiftLatched() const { return shiftLatched_; }
  // The messages the internal editor held when the work area was cleared,
  // oldest first, each with its pictograms as their alternative texts.
  const std::vector<std::string>& MessageHistory() const { return messageHistory_; }

 private:
  class KeyboardEvents;

  // Input events.
  void OnKeyDown(int virtualKey, std::intptr_t keyFlags);
  bool DispatchRoleKey(int virtualKey, const std::string& keyDownEvent);
  void OnKeyUp(int virtualKey);
  void SwitchEvent(SwitchKey which, bool down);
  void OnCharacter(char character);
  void OnWordEnd();
  void OnSentenceEnd();
  void OnRawButtonDown(MouseButton button);
  void OnKeyPressed(const COnScreenKeyIdentifier& key, int button);
  void OnScanning(uint32_t message, std::uintptr_t position);
  void OnKeyHover(const COnScreenKeyIdentifier& key);
  void OnTimer();

  // What an on-screen key does when clicked or selected by scanning.
  void PerformKey(const COnScreenKeyIdentifier& key, KeyTrigger trigger);
  // A speech key: speaks, counts and logs what it spoke.
  void SpeakForKey(const std::string& keyDownEvent, const SpokenWord& spoken, KeyAction action);
  void RefreshSnapshot();
  void ScanningCue();

  // Targets.
  void DetachTarget();
  void SelectTarget();
  void RegisterRoleKeys();
  void FollowCaret();

  // ShiftLatch.
  void Toggle() override;
  void ReleaseShift();

  void CreateTimer();
  void RenewInternalEditor(bool wanted);
  bool LoadKeyboardFile(const std::string& name);

  // CommandHost, for the key action runner.
  bool LoggingOptionOn() override;
  void SetLoggingOption(bool on) override;
  void StartLogging() override;
  void EndLogging() override;
  // Shown by the keys' marker, as a held Shift is: scanning's highlight
  // would wipe it out.
  void ShowCommandKeysPressed(ProgramCommand command, bool pressed) override;
  void RefreshTitle() override;
  std::optional<std::string> InternalEditorText() override;
  void ClearInternalEditor() override;
  void AddToMessageHistory(std::string_view message) override;
  void DeleteCurrentWord() override;
  void DeleteSentenceBeforeCaret() override;
  std::string WholeTargetText() override;
  std::string KeyDescription(const COnScreenKeyIdentifier& key) override;
  void LearnMessage(std::string_view wholeText) override;
  void CloseMainWindow() override;

  MessageLoop& loop_;
  FileSystem& files_;
  MessageBoxService& messages_;
  const std::string dataFolder_;
  DesktopQueries& desktop_;
  HookLibrary& hooks_;
  ForegroundWatch& foreground_;
  MainWindow& mainWindow_;
  PreviewWindow& preview_;
  Beeper& beeper_;

  WindowHandle window_ = 0;
  std::unique_ptr<KeyboardEvents> keyboardEvents_;
  WindowHandle keyboardWindow_ = 0;

  CUserProfileSet profiles_;
  EventLogging logging_;
  CSpeechSynthesizer speech_;
  CKeyboard keystrokes_;
  KeyActionRunner keyActionRunner_;
  KeyActionHandler* keyActions_;
  CUserAdaptation adaptation_;
  CWordPredictor wordPredictor_;
  CSentencePredictor sentencePredictor_;
  WordSuggestions wordSuggestions_;
  SentenceSuggestions sentenceSuggestions_;

  std::unique_ptr<COnScreenKeyboard> keyboard_;
  std::unique_ptr<KeyboardScanTimer> scanTimer_;
  PictogramFinder pictograms_;
  CSuggestionLists suggestions_;
  PictogramWriter pictogramWriter_;
  SelectionProtocol selection_;
  AbbreviationExpander abbreviations_;
  RoleKeys roleKeys_;

  CWordProcessor* target_ = nullptr;
  std::unique_ptr<CGenericWordProcessor> genericTarget_;
  CWordProcessor* internalEditor_ = nullptr;
  DesktopWindow rememberedForeground_ = 0;

  int timerId_ = -1;
  Countdown foregroundCountdown_;
  Countdown windowFollowCountdown_;
  Countdown predictionCountdown_;
  // Stopped until their parts exist: the animated character's idle
  // behaviour, context adaptation, cooperative-communication polling. The
  // key-activity marker is the writing clock's own countdown.
  Countdown characterCountdown_;
  Countdown contextCountdown_;
  Countdown cooperationCountdown_;

  int32_t synthesized_ = 0;
  int previousKey_ = -1;
  std::intptr_t previousKeyFlags_ = 0;
  // The on-screen key of the last selection, while no other key came after
  // it: a second selection of it may complete what the first only spoke
  // or showed.
  std::optional<COnScreenKeyIdentifier> lastSelectedKey_;
  bool shiftLatched_ = false;
  SentenceSnapshot snapshot_;
  int64_t predictionCycles_ = 0;
  std::vector<std::string> messageHistory_;
};

}  // namespace vorelio
