#include "app/PredarinView.h"

#include <climits>
#include <utility>

#include "app/Commands.h"
#include "app/WindowPlacement.h"
#include "app/WindowTitle.h"
#include "common/Text.h"
#include "common/VirtualKeys.h"
#include "keyboards/KeyOutput.h"
#include "keyboards/KeyboardFolder.h"
#include "keyboards/KeyboardPresentation.h"
#include "keyboards/PictogramLabel.h"
#include "keyboards/ProgramKeys.h"
#include "keyboards/ScanMethod.h"
#include "keyboards/WindowsKeyNames.h"
#include "logging/EventCatalogue.h"
#include "platform/MessageNumbers.h"

namespace vorelio {
namespace {

constexpr int32_t kForegroundDelayMs = 500;
constexpr int32_t kWindowFollowPeriodMs = 1000;
constexpr int32_t kCharacterIdlePeriodMs = 1000;
constexpr int32_t kContextAdaptationPeriodMs = 5000;
constexpr int32_t kCooperationPollPeriodMs = 500;
constexpr int kNumericKeypadFirst = 96;
constexpr int kNumericKeypadLast = 111;
constexpr int kNumLock = 144;
constexpr std::string_view kCapsLockKeyName = "CapsLock";

// The pair of keys that unlocks a locked menu: left Ctrl, then left Alt.
// Right Alt, which is AltGr on the Portuguese layout (it types @, € and the
// brackets) and carries the extended-key flag, never unlocks it.
bool IsMenuUnlockPair(int previousKey, std::intptr_t previousFlags, int key, std::intptr_t flags) {
  return previousKey == vk::kControl && (previousFlags & kExtendedKeyFlag) == 0 &&
         key == vk::kMenu && (flags & kExtendedKeyFlag) == 0;
}

// Every key but those of the numeric keypad and Num Lock hides the preview.
bool HidesPreview(int virtualKey) {
  return (virtualKey < kNumericKeypadFirst || virtualKey > kNumericKeypadLast) &&
         virtualKey != kNumLock;
}

LoggingSettings LoggingSettingsOf(const UserProfileOptions& options) {
  return {options.logEvents, options.loggingStartSignals, options.inactivityLimitSeconds,
          options.logControlEvents};
}

// WM_KEY_PRESSED's button: 0 left, 1 right, 2 middle.
MouseButton LoggedButtonOf(std::intptr_t button) {
  if (button == 1) return MouseButton::kRight;
  if (button == 2) return MouseButton::kMiddle;
  return MouseButton::kLeft;
}

std::optional<LoggedScanLevel> LoggedLevelOf(ScanLevel level) {
  switch (level) {
    case ScanLevel::kLines:
      return LoggedScanLevel::kLines;
    case ScanLevel::kGroups:
      return LoggedScanLevel::kGroups;
    case ScanLevel::kKeys:
      return LoggedScanLevel::kKeys;
    case ScanLevel::kIdle:
      break;
  }
  return std::nullopt;
}

// The switch actions behind scanning's steps and selections under a method.
struct ScanCauses {
  SwitchCause advance = SwitchCause::kAutoTimer;
  SwitchCause select = SwitchCause::kSwitch1Down;
};

ScanCauses ScanCausesOf(std::string_view methodWord) {
  const std::optional<ScanMethod> method = ScanMethodFromWord(methodWord);
  if (method == ScanMethod::kInverse) return {SwitchCause::kAutoTimer, SwitchCause::kSwitch1Up};
  if (method == ScanMethod::kStepByStep) {
    return {SwitchCause::kSwitch1Down, SwitchCause::kSwitch2Down};
  }
  return {};
}

// The role keys go to the hook library's table through the current target.
class TargetKeyRegistry final : public SpecialKeyRegistry {
 public:
  explicit TargetKeyRegistry(CWordProcessor* target) : target_(target) {}
  void AddSpecialKey(int virtualKey) override {
    if (target_ != nullptr) target_->AddSpecialKeys(virtualKey, virtualKey);
  }
  void DeleteSpecialKey(int virtualKey) override {
    if (target_ != nullptr) target_->DeleteSpecialKeys(virtualKey, virtualKey);
  }

 private:
  CWordProcessor* target_;
};

}  // namespace

class CPredarinView::KeyboardEvents final : public MessageHandler {
 public:
  explicit KeyboardEvents(CPredarinView& view) : view_(view) {}
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    view_.HandleKeyboardMessage(message, wParam, lParam);
  }

 private:
  CPredarinView& view_;
};

CPredarinView::CPredarinView(const PredarinServices& services)
    : loop_(services.loop),
      files_(services.files),
      messages_(services.messages),
      dataFolder_(services.dataFolder),
      desktop_(services.desktop),
      hooks_(services.hooks),
      foreground_(services.foreground),
      mainWindow_(services.mainWindow),
      preview_(services.preview),
      beeper_(services.beeper),
      window_(services.loop.CreateWindow(*this)),
      keyboardEvents_(std::make_unique<KeyboardEvents>(*this)),
      keyboardWindow_(services.loop.CreateWindow(*keyboardEvents_)),
      profiles_(services.dataFolder, services.files, services.messages),
      logging_(services.files, services.clock, services.messages, &CKeyboard::KeystrokeCost,
               services.startSignal),
      speech_(services.speechEngine, services.files, services.dataFolder),
      keystrokes_(services.keystrokeSink),
      keyActionRunner_(*this, keystrokes_, services.launcher),
      keyActions_(&keyActionRunner_),
      keyboard_(std::make_unique<COnScreenKeyboard>(
          KeyboardEnvironment{keyboardWindow_, services.keyPictures, nullptr,
                              PresentationOf(UserProfileOptions(), services.dataFolder)})),
      scanTimer_(std::make_unique<KeyboardScanTimer>(services.loop, keyboard_->Scanner(),
                                                     services.messages)),
      pictograms_(services.files),
      suggestions_(pictograms_),
      pictogramWriter_(*this),
      selection_(*this, pictogramWriter_, pictograms_, *this),
      abbreviations_(*this) {
  pictograms_.SetDataFolder(dataFolder_);
  suggestions_.ShowOn(keyboard_.get());
}

CPredarinView::~CPredarinView() {
  ReleaseShift();
  DetachTarget();
  logging_.End(InternalEditorText());
  if (internalEditor_ != nullptr) internalEditor_->Detach();
  if (timerId_ >= 0) loop_.KillTimer(window_, timerId_);
  scanTimer_.reset();
  loop_.DestroyWindow(keyboardWindow_);
  loop_.DestroyWindow(window_);
}

// ---- Profiles ----

void CPredarinView::OpenProfile(std::string_view name) {
  logging_.End(InternalEditorText());
  speech_.Release();
  if (profiles_.Count() == 0) {
    profiles_.Load(name);
  } else {
    profiles_.Open(name);
  }
  ApplyProfile();
}

void CPredarinView::ApplyProfile() {
  CUserProfile* profile = profiles_.Current();
  if (profile == nullptr) return;
  const UserProfileOptions& options = profile->Properties().options;
  logging_.Start(LoggingSettingsOf(options), dataFolder_, profile->Name());
  speech_.UseProfileVoice(options.voiceName);
  keyboard_->SetPresentation(PresentationOf(options, dataFolder_));
  LoadKeyboardFile(options.keyboardName);
  suggestions_.Clear();
  preview_.Hide();
  FillProgramKeySet(keystrokes_.Keys());
  DetachTarget();
  RenewInternalEditor(options.internalMessageEditor != 0);
  rememberedForeground_ = 0;
  RegisterRoleKeys();
  CreateTimer();
  // The window in front gets its target as after a focus change: the
  // program's window never takes the focus, so no focus change may come.
  foregroundCountdown_.Start();
  mainWindow_.LayOut();
}

void CPredarinView::RenewInternalEditor(bool wanted) {
  if (internalEditor_ != nullptr) internalEditor_->Detach();
  internalEditor_ = nullptr;
  CWordProcessor* editor = mainWindow_.RenewMessageEditor(wanted);
  // An editor that cannot attach is left out: the program then writes only
  // into other applications.
  if (editor != nullptr && editor->Attach(window_, 0, keystrokes_)) internalEditor_ = editor;
}

void CPredarinView::SetInternalEditor(CWordProcessor* editor) {
  if (target_ != nullptr && target_ == internalEditor_) target_ = nullptr;
  internalEditor_ = editor;
}

// ---- Messages ----

void CPredarinView::HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (message) {
    case WM_TIMER:
      if (static_cast<int>(wParam) == timerId_) OnTimer();
      return;
    case WM_HOOK_KEY_DOWN:
      OnKeyDown(static_cast<int>(wParam), lParam);
      return;
    case WM_HOOK_KEY_UP:
      OnKeyUp(static_cast<int>(wParam));
      return;
    case WM_HOOK_CHAR:
      OnCharacter(static_cast<char>(wParam));
      return;
    case WM_TEXT_WORD_END:
      OnWordEnd();
      return;
    case WM_TEXT_SENTENCE_END:
      OnSentenceEnd();
      return;
    case WM_HOOK_LEFT_BUTTON_DOWN:
      OnRawButtonDown(MouseButton::kLeft);
      return;
    case WM_HOOK_LEFT_BUTTON_UP:
      predictionCountdown_.Start();
      return;
    case WM_HOOK_RIGHT_BUTTON_DOWN:
      OnRawButtonDown(MouseButton::kRight);
      return;
    case WM_HOOK_MIDDLE_BUTTON_DOWN:
      OnRawButtonDown(MouseButton::kMiddle);
      return;
    case WM_LAYOUT_MAIN_WINDOW:
      mainWindow_.LayOut();
      return;
    default:  // the other button ups and the pointer's moves
      return;
  }
}

void CPredarinView::HandleKeyboardMessage(uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
  switch (message) {
    case WM_KEY_PRESSED:
      OnKeyPressed(COnScreenKeyIdentifier::FromPacked(wParam), static_cast<int>(lParam));
      return;
    case WM_KEY_HOVER:
      OnKeyHover(COnScreenKeyIdentifier::FromPacked(wParam));
      return;
    case WM_SCAN_ADVANCED:
    case WM_SCAN_KEY_SELECTED:
    case WM_SCAN_LINES_STARTED:
    case WM_SCAN_GROUPS_STARTED:
    case WM_SCAN_KEYS_STARTED:
    case WM_SCAN_LINE_SELECTED:
    case WM_SCAN_GROUP_SELECTED:
      OnScanning(message, wParam);
      return;
    case WM_LAYOUT_MAIN_WINDOW:
      mainWindow_.LayOut();
      return;
    // A double click edits the key while the keyboard is being edited; the
    // keyboard editor handles it. A key's own WM_HOOK_LEFT_BUTTON_DOWN is
    // not a click in the application (WM_KEY_PRESSED counts the press), and
    // the pointer moving over the keyboard is not writing.
    default:
      return;
  }
}

void CPredarinView::OwnKeyDown(int virtualKey, std::intptr_t keyFlags) {
  Metrics().Clock().UserActed();
  logging_.RecordControl(RawKeyDown(KeyDownEventName(virtualKey, keyFlags)));
  const SwitchKey which = roleKeys_.Switch(virtualKey);
  if (which != SwitchKey::kNone) SwitchEvent(which, true);
  if (IsMenuUnlockPair(previousKey_, previousKeyFlags_, virtualKey, keyFlags)) {
    mainWindow_.UnlockMenu();
  }
  previousKey_ = virtualKey;
  previousKeyFlags_ = keyFlags;
}

void CPredarinView::OwnKeyUp(int virtualKey) {
  const SwitchKey which = roleKeys_.Switch(virtualKey);
  if (which != SwitchKey::kNone) SwitchEvent(which, false);
}

// ---- Keys, characters, words and sentences ----

void CPredarinView::OnKeyDown(int virtualKey, std::intptr_t keyFlags) {
  Metrics().Clock().UserActed();
  predictionCountdown_.Stop();
  if (IsMenuUnlockPair(previousKey_, previousKeyFlags_, virtualKey, keyFlags)) {
    mainWindow_.UnlockMenu();
  }
  const std::string keyDownEvent = KeyDownEventName(virtualKey, keyFlags);
  logging_.RecordControl(RawKeyDown(keyDownEvent));
  if (HidesPreview(virtualKey) && preview_.IsVisible()) preview_.Hide();
  const bool injected = synthesized_ > 0;
  Metrics().KeyPressed(injected);
  if (!DispatchRoleKey(virtualKey, keyDownEvent)) {
    Record(KeyDown(keyDownEvent, injected));
    // The count falls whether or not logging is on: otherwise keys the
    // program typed while logging was off would later pass for the user's
    // as program keys.
    if (injected) --synthesized_;
    lastSelectedKey_.reset();
    predictionCountdown_.Start();
  }
  previousKey_ = virtualKey;
  previousKeyFlags_ = keyFlags;
  RefreshSnapshot();
}

bool CPredarinView::DispatchRoleKey(int virtualKey, const std::string& keyDownEvent) {
  const SwitchKey which = roleKeys_.Switch(virtualKey);
  if (which != SwitchKey::kNone) {
    SwitchEvent(which, true);
    return true;
  }
  if (const std::optional<int> place = roleKeys_.PredictionKeyPlace(virtualKey)) {
    const std::vector<COnScreenKeyIdentifier>& keys = keyboard_->AllSuggestionKeys();
    if (static_cast<std::size_t>(*place) < keys.size()) {
      const COnScreenKeyIdentifier key = keys[static_cast<std::size_t>(*place)];
      const std::optional<KeyType> type = keyboard_->Key(key)->Type();
      if (type == KeyType::kWordSuggestion || type == KeyType::kSentenceSuggestion) {
        const bool sameKey = lastSelectedKey_ == key;
        lastSelectedKey_ = key;
        if (const std::optional<Suggestion> suggestion = suggestions_.On(key)) {
          selection_.SelectSuggestion(
              *suggestion, KeyActivation::PhysicalKey(keyDownEvent, PlaceOf(key)), sameKey);
        }
        return true;
      }
    }
  }
  if (roleKeys_.IsAbbreviationKey(virtualKey)) {
    abbreviations_.Expand(KeyActivation::PhysicalKey(keyDownEvent));
    return true;
  }
  if (roleKeys_.IsSpeakWordKey(virtualKey)) {
    const SpokenWord word = CurrentWord();
    SpeakForKey(keyDownEvent, word,
                word.isPictogram ? KeyAction::kSpeakImage : KeyAction::kSpeakWord);
    return true;
  }
  if (roleKeys_.IsSpeakSentenceKey(virtualKey)) {
    SpeakForKey(keyDownEvent, {CurrentSentence(), false}, KeyAction::kSpeakSentence);
    return true;
  }
  return false;
}

void CPredarinView::SpeakForKey(const std::string& keyDownEvent, const SpokenWord& spoken,
                                KeyAction action) {
  if (spoken.text.empty()) return;
  Record(KeyDownAction(keyDownEvent, action, spoken.text));
  if (Speak(spoken.text).empty()) return;
  switch (action) {
    case KeyAction::kSpeakImage:
      Metrics().Count(WritingEvent::kPictogramSpoken);
      return;
    case KeyAction::kSpeakSentence:
      Metrics().Count(WritingEvent::kSentenceSpoken);
      return;
    default:
      Metrics().Count(WritingEvent::kWordSpoken);
      return;
  }
}

void CPredarinView::OnKeyUp(int virtualKey) {
  if (virtualKey == vk::kBack || virtualKey == vk::kDelete) {
    Metrics().Count(WritingEvent::kCharacterOrPictogramDeleted);
  }
  const SwitchKey which = roleKeys_.Switch(virtualKey);
  if (which != SwitchKey::kNone) {
    // A switch goes up after the scanning selection it made: releasing it
    // must not let go of the Shift that selection may have pressed.
    SwitchEvent(which, false);
    return;
  }
  if (virtualKey == vk::kCapital) {
    const bool on = hooks_.CapsLockOn();
    keyboard_->ForEachKey([on](CColorButton& key) {
      if (Trim(key.Output()) == kCapsLockKeyName) key.SetMarker(on);
    });
  }
  ReleaseShift();
}

void CPredarinView::SwitchEvent(SwitchKey which, bool down) {
  const int number = which == SwitchKey::kSwitch1 ? 1 : 2;
  if (!down) {
    keyboard_->Scanner().SwitchUp(number);
    return;
  }
  Metrics().Count(number == 1 ? WritingEvent::kSwitch1Activated : WritingEvent::kSwitch2Activated);
  keyboard_->Scanner().SwitchDown(number);
}

void CPredarinView::OnCharacter(char character) {
  // Control characters (Backspace, Tab, Enter) are not letters to speak.
  if (Options().speakLetters != 0 && static_cast<unsigned char>(character) >= ' ') {
    Speak(std::string(1, character));
  }
  Metrics().Count(WritingEvent::kCharacterWritten);
  Record(CharacterTyped(character));
}

void CPredarinView::OnWordEnd() {
  const UserProfileOptions& options = Options();
  if (target_ != nullptr && Dictionary() != nullptr) {
    adaptation_.LearnWord(*Dictionary(), options.LearnsFromUser(), target_->GetLastWord(),
                          target_->GetWordBeforeLast());
  }
  predictionCountdown_.Start();
  if (target_ == nullptr) return;
  const std::string word = target_->GetLastWord();
  if (options.speakWords != 0 && !Speak(word).empty()) {
    Metrics().Count(WritingEvent::kWordSpoken);
  }
  Metrics().Count(WritingEvent::kWordWritten);
  Record(NewWord(word));
}

void CPredarinView::OnSentenceEnd() {
  if (target_ == nullptr) return;
  const UserProfileOptions& options = Options();
  const std::string sentence = target_->GetLastSentence();
  if (options.speakSentences != 0 && !Speak(sentence).empty()) {
    Metrics().Count(WritingEvent::kSentenceSpoken);
  }
  if (Dictionary() != nullptr) {
    adaptation_.LearnSentence(*Dictionary(), options.LearnsFromUser(), sentence,
                              target_->GetSentenceBeforeLast());
  }
  if (!Split(sentence, kTerminators).empty()) {
    Metrics().Count(WritingEvent::kSentenceWritten);
    Record(NewSentence(sentence));
  }
}

void CPredarinView::OnRawButtonDown(MouseButton button) {
  logging_.RecordControl(RawMouseButtonDown(button));
  Metrics().Count(WritingEvent::kClick);
}

// ---- On-screen keys and scanning ----

void CPredarinView::OnKeyPressed(const COnScreenKeyIdentifier& key, int button) {
  Metrics().Clock().UserActed();
  logging_.RecordControl(RawMouseButtonDown(LoggedButtonOf(button)));
  Metrics().Count(WritingEvent::kClick);
  Metrics().Count(WritingEvent::kOnScreenKeyPressed);
  preview_.Hide();
  // Only the left button sets off a key's action.
  if (button == static_cast<int>(MouseButton::kLeft)) {
    PerformKey(key, KeyTrigger::LeftMouse());
  }
  RefreshSnapshot();
}

void CPredarinView::PerformKey(const COnScreenKeyIdentifier& key, KeyTrigger trigger) {
  const CColorButton* button = keyboard_->Key(key);
  if (button == nullptr || !button->IsActive() || !button->Type()) return;
  const bool sameKey = lastSelectedKey_ == key;
  lastSelectedKey_ = key;
  const KeyType type = *button->Type();
  const KeyActivation activation = KeyActivation::OnScreenKey(trigger, PlaceOf(key));
  if (SuggestionKindOf(type)) {
    if (const std::optional<Suggestion> suggestion = suggestions_.On(key)) {
      selection_.SelectSuggestion(*suggestion, activation, sameKey);
    }
    return;
  }
  if (type == KeyType::kEmpty) return;
  // Copies: an action may replace the keyboard, and the key with it. A key
  // without an output writes what its label shows.
  const std::string output = button->Output().empty() ? button->Label() : button->Output();
  const std::string description = button->Description();
  const std::string caption = button->Caption();
  const std::string_view expansionKey = Options().abbreviationExpansionKey;
  if (!expansionKey.empty() && Trim(output) == expansionKey) {
    abbreviations_.Expand(activation);
    return;
  }
  const KeyOutput kind = ClassifyKeyOutput(output);
  if (keyActions_ != nullptr && keyActions_->Run(kind, trigger, key)) return;
  switch (kind.kind) {
    case KeyOutputKind::kPictogram:
      selection_.SelectPictogramKey({description, kind.value, caption}, activation, sameKey);
      return;
    case KeyOutputKind::kText:
      selection_.SelectTextKey(kind, activation, sameKey);
      return;
    default:  // an action, with no handler to carry it out
      return;
  }
}

KeyPlace CPredarinView::PlaceOf(const COnScreenKeyIdentifier& key) {
  KeyPlace place{key.Text(), 0, 0};
  if (const CColorButton* button = keyboard_->Key(key)) {
    const ScreenPoint origin = mainWindow_.KeyboardOrigin();
    const KeyRect& rect = button->Rect();
    place.centerX = origin.x + rect.x + rect.width / 2;
    place.centerY = origin.y + rect.y + rect.height / 2;
  }
  return place;
}

void CPredarinView::OnKeyHover(const COnScreenKeyIdentifier& key) {
  const CColorButton* button = keyboard_->Key(key);
  if (button == nullptr) return;
  std::string text;
  if (const std::optional<Suggestion> suggestion = suggestions_.On(key)) {
    const bool pictogram = suggestion->kind == SuggestionKind::kPictogram ||
                           suggestion->kind == SuggestionKind::kPictogramSentence;
    text = pictogram ? PictogramComparisonKey(suggestion->text) : suggestion->text;
  } else if (!button->Type() || !SuggestionKindOf(*button->Type())) {
    // The description is the key's spoken text; a key without one says
    // its label, unless the label is a picture.
    text = !button->Description().empty()    ? button->Description()
           : NamesPictogram(button->Label()) ? std::string()
                                             : button->Label();
  }
  Speak(text);
}

void CPredarinView::OnScanning(uint32_t message, std::uintptr_t position) {
  const ScanCauses causes = ScanCausesOf(Options().scanningMethod);
  switch (message) {
    case WM_SCAN_LINES_STARTED:
      Record(ScanningStarted(LoggedScanLevel::kLines));
      ScanningCue();
      return;
    case WM_SCAN_GROUPS_STARTED:
      Record(ScanningStarted(LoggedScanLevel::kGroups));
      ScanningCue();
      return;
    case WM_SCAN_KEYS_STARTED:
      Record(ScanningStarted(LoggedScanLevel::kKeys));
      ScanningCue();
      return;
    case WM_SCAN_ADVANCED:
      // The level scanned now; scanning may have stopped since it moved.
      if (const std::optional<LoggedScanLevel> level =
              LoggedLevelOf(keyboard_->Scanner().Level())) {
        Record(ScanningAdvanced(causes.advance, *level));
      }
      ScanningCue();
      return;
    case WM_SCAN_LINE_SELECTED:
      Record(
          ScanningLineSelected(causes.select, COnScreenKeyIdentifier::FromPacked(position).line));
      return;
    case WM_SCAN_GROUP_SELECTED:
      Record(ScanningGroupSelected(causes.select,
                                   COnScreenKeyIdentifier::FromPacked(position).GroupText()));
      return;
    case WM_SCAN_KEY_SELECTED: {
      const COnScreenKeyIdentifier key = COnScreenKeyIdentifier::FromPacked(position);
      Metrics().Clock().UserActed();
      preview_.Hide();
      PerformKey(key, KeyTrigger::Scanning(causes.select));
      RefreshSnapshot();
      return;
    }
    default:
      return;
  }
}

void CPredarinView::ScanningCue() {
  const UserProfileOptions& options = Options();
  if (options.scanBeep != 0) beeper_.Beep();
  if (options.scanSpeech != 0) Speak(keyboard_->Scanner().CueText(*keyboard_));
}

void CPredarinView::RefreshSnapshot() {
  if (target_ == nullptr) return;
  snapshot_.Refresh(target_->GetTextBeforeCaret(), target_->GetLastSentence());
  logging_.SetContext(snapshot_.Current());
}

// ---- The timer ----

void CPredarinView::CreateTimer() {
  if (timerId_ >= 0) return;
  for (int id = 0; id < kTimerCount && timerId_ < 0; ++id) {
    if (loop_.SetTimer(window_, id)) timerId_ = id;
  }
  if (timerId_ < 0) {
    messages_.ShowMessage(kNoControllerTimerMessage);
    return;
  }
  windowFollowCountdown_.Start();
  predictionCountdown_.Start();
}

void CPredarinView::OnTimer() {
  if (foregroundCountdown_.Tick(kForegroundDelayMs)) {
    foregroundCountdown_.Stop();
    SelectTarget();
  }
  // The animated character's idle behaviour will run here; its countdown
  // is started by the character, which does not exist yet.
  if (characterCountdown_.Tick(kCharacterIdlePeriodMs)) characterCountdown_.Start();
  if (windowFollowCountdown_.Tick(kWindowFollowPeriodMs)) {
    FollowCaret();
    windowFollowCountdown_.Start();
  }
  if (predictionCountdown_.Tick(Options().predictionDelayMs)) {
    predictionCountdown_.Stop();
    RunPredictionCycle();
  }
  // Context adaptation (while the user is idle) and the polling of a
  // cooperative-communication session will run here; their countdowns stay
  // stopped until those parts exist.
  if (contextCountdown_.Tick(kContextAdaptationPeriodMs)) contextCountdown_.Start();
  if (cooperationCountdown_.Tick(kCooperationPollPeriodMs)) cooperationCountdown_.Start();
  Metrics().Clock().Tick();
}

void CPredarinView::RunPredictionCycle() {
  // A cooperative-communication session is to skip the cycle; it comes
  // with the cooperation endpoint.
  ++predictionCycles_;
  const UserProfileOptions& options = Options();
  CDictionary* dictionary = Dictionary();
  if (target_ == nullptr || dictionary == nullptr) {
    wordSuggestions_.words.clear();
    wordSuggestions_.pictograms.clear();
    sentenceSuggestions_.sentences.clear();
    sentenceSuggestions_.pictogramSentences.clear();
  } else {
    const std::string textBeforeCaret = target_->GetContextTextBeforeCaret();
    RequestWordSuggestions(*dictionary, wordPredictor_, options, target_->GetCurrentWordPrefix(),
                           RequestPreviousWord(target_->GetContextLastWord()), textBeforeCaret,
                           wordSuggestions_);
    RequestSentenceSuggestions(*dictionary, sentencePredictor_, options, textBeforeCaret,
                               target_->GetContextLastSentence(), sentenceSuggestions_);
  }
  suggestions_.Replace(wordSuggestions_, sentenceSuggestions_, options,
                       options.suggestionsInCapitals != 0);
  // The animated character reacts here, once it exists.
  Metrics().Count(WritingEvent::kPrediction);
}

// ---- Targets ----

void CPredarinView::FocusChanged() {
  const DesktopWindow window = foreground_.Foreground().window;
  if (window == rememberedForeground_) return;
  if (window != 0 && rememberedForeground_ != 0) {
    const uint32_t thread = desktop_.ThreadOfWindow(window);
    if (thread != 0 && thread == desktop_.ThreadOfWindow(rememberedForeground_)) return;
  }
  DetachTarget();
  preview_.Hide();
  foregroundCountdown_.Start();
}

void CPredarinView::SelectTarget() {
  const ForegroundWindow foreground = foreground_.Foreground();
  rememberedForeground_ = foreground.window;
  const TargetChoice choice = ChooseTarget(foreground, internalEditor_ != nullptr);
  switch (choice.kind) {
    case TargetKind::kNone:
      return;
    case TargetKind::kInternalEditor:
      Record(WordProcessorChange(WordProcessor::kInternal));
      target_ = internalEditor_;
      break;
    case TargetKind::kGeneric: {
      Record(WordProcessorChange(WordProcessor::kExternal, choice.logName));
      auto target = std::make_unique<CGenericWordProcessor>(loop_, desktop_, hooks_);
      // A target that cannot attach is dropped: no target until the next
      // focus change.
      if (!target->Attach(window_, foreground.window, keystrokes_)) return;
      genericTarget_ = std::move(target);
      target_ = genericTarget_.get();
      break;
    }
  }
  RegisterRoleKeys();
}

void CPredarinView::DetachTarget() {
  if (genericTarget_) {
    genericTarget_->Detach();
    genericTarget_.reset();
  }
  target_ = nullptr;
}

void CPredarinView::RegisterRoleKeys() {
  TargetKeyRegistry registry(target_);
  roleKeys_.Register(Options(), keystrokes_.Keys(), registry);
}

bool CPredarinView::TargetIsInternalEditor() const {
  return target_ != nullptr && target_ == internalEditor_;
}

void CPredarinView::FollowCaret() {
  const UserProfileOptions& options = Options();
  if (options.moveWindowAwayFromCaret == 0 && options.followTextCursor == 0) return;
  if (target_ == nullptr || foreground_.Foreground().ownThread) return;
  const ScreenPoint caret = target_->GetCaretPosition();
  if (caret == ScreenPoint{}) return;
  if (options.moveWindowAwayFromCaret != 0) {
    mainWindow_.MoveTo(PlaceAwayFromCaret(caret, mainWindow_.Desktop(), mainWindow_.Frame(),
                                          options.agentActive != 0));
  } else {
    mainWindow_.MoveTo(PlaceNextToCaret(caret, mainWindow_.Desktop(), mainWindow_.Frame()));
  }
}

// ---- Keyboards ----

bool CPredarinView::LoadKeyboardFile(const std::string& name) {
  const std::string keyboardName = KeyboardNameOf(name);
  keyboard_->Load(files_, KeyboardPath(files_, dataFolder_, keyboardName));
  lastSelectedKey_.reset();  // its place may now hold another key
  const std::string dropped = DroppedRecordsMessage(keyboardName, keyboard_->Dropped());
  if (!dropped.empty()) messages_.ShowMessage(dropped);
  logging_.SetPage(keyboardName);
  suggestions_.ShowOn(keyboard_.get());
  // The keys that switch logging show whether it is on, on every keyboard.
  ShowCommandKeysPressed(ProgramCommand::kToggleLogging, logging_.IsOn());
  if (CUserProfile* profile = profiles_.Current()) {
    profile->Properties().SetKeyboardInUse(keyboardName);
  }
  RefreshTitle();
  mainWindow_.LayOut();
  return !keyboard_->Path().empty();
}

bool CPredarinView::LoadKeyboard(std::string_view name) {
  const std::string keyboardName = KeyboardNameOf(name);
  if (!files_.ReadFile(KeyboardPath(files_, dataFolder_, keyboardName))) {
    // The keyboard in use stays: an empty one would leave the user
    // without keys to go back with.
    messages_.ShowMessage("N\xe3o foi poss\xedvel abrir o teclado " + keyboardName + ".");
    return false;
  }
  return LoadKeyboardFile(keyboardName);
}

bool CPredarinView::OpenKeyboard(std::string_view name) {
  const std::string keyboardName = KeyboardNameOf(name);
  if (!LoadKeyboard(keyboardName)) return false;
  if (CUserProfile* profile = profiles_.Current()) {
    profile->Properties().options.keyboardName = keyboardName;
  }
  Metrics().Count(WritingEvent::kKeyboardChangedThroughKeyboard);
  return true;
}

void CPredarinView::ShowNextSuggestions() {
  Metrics().Count(WritingEvent::kNextPredictionsRequest);
  suggestions_.NextPages();
}

// ---- Speech and the preview ----

SpokenWord CPredarinView::CurrentWord() {
  SpokenWord word;
  if (target_ == nullptr) return word;
  if (TargetIsInternalEditor() && target_->IsCaretAtPictogram()) {
    word.isPictogram = true;
    word.text = target_->GetPictogramWordsAtCaret();
    if (word.text.empty()) word.text = target_->GetPictogramFallbackText();
  } else {
    word.text = target_->GetCurrentWord();
  }
  return word;
}

std::string CPredarinView::CurrentSentence() {
  return target_ == nullptr ? std::string() : target_->GetCurrentSentence();
}

std::string CPredarinView::Speak(std::string_view text) { return speech_.SpeakText(text); }

void CPredarinView::ShowPreview(std::string_view text) {
  std::optional<ScreenPoint> caret;
  if (target_ != nullptr) {
    const ScreenPoint point = target_->GetCaretPosition();
    if (point != ScreenPoint{}) caret = point;
  }
  preview_.Show(text, caret);
}

// ---- Synthesized keys and Shift ----

void CPredarinView::ExpectSynthesizedKeys(int32_t keyDowns) {
  if (keyDowns <= 0) return;
  synthesized_ = synthesized_ > INT32_MAX - keyDowns ? INT32_MAX : synthesized_ + keyDowns;
}

void CPredarinView::Toggle() {
  if (shiftLatched_) {
    ReleaseShift();
    return;
  }
  ExpectSynthesizedKeys(1);
  keystrokes_.PressNamedKey(kShiftKeyName);
  shiftLatched_ = true;
  keyboard_->ForEachKey([](CColorButton& key) {
    if (Trim(key.Output()) == kShiftKeyName) key.SetMarker(true);
  });
}

void CPredarinView::ReleaseShift() {
  if (!shiftLatched_) return;
  shiftLatched_ = false;
  keystrokes_.ReleaseNamedKey(kShiftKeyName);
  keyboard_->ForEachKey([](CColorButton& key) {
    if (Trim(key.Output()) == kShiftKeyName) key.SetMarker(false);
  });
}

const UserProfileOptions& CPredarinView::Options() const {
  static const UserProfileOptions kNewProfile;
  const int32_t current = profiles_.CurrentIndex();
  return current < 0 ? kNewProfile : profiles_.Profile(current).Properties().options;
}

// ---- What the key action runner asks ----

bool CPredarinView::LoggingOptionOn() { return Options().logEvents != 0; }

void CPredarinView::SetLoggingOption(bool on) {
  CUserProfile* profile = profiles_.Current();
  if (profile == nullptr) return;
  // Written back with the other options when the profile is left or the
  // program ends.
  profile->Properties().options.logEvents = on ? 1 : 0;
}

void CPredarinView::StartLogging() {
  const CUserProfile* profile = profiles_.Current();
  if (profile == nullptr) return;
  logging_.Start(LoggingSettingsOf(profile->Properties().options), dataFolder_, profile->Name());
}

void CPredarinView::EndLogging() { logging_.End(InternalEditorText()); }

void CPredarinView::ShowCommandKeysPressed(ProgramCommand command, bool pressed) {
  keyboard_->ForEachKey([command, pressed](CColorButton& key) {
    if (RunsCommand(key.Output(), command)) key.SetMarker(pressed);
  });
}

void CPredarinView::RefreshTitle() {
  const CUserProfile* profile = profiles_.Current();
  if (profile == nullptr) return;
  mainWindow_.SetTitle(MainWindowTitle(profile->Name(), profile->Properties().KeyboardInUse(),
                                       profile->Properties().options.logEvents != 0));
}

std::optional<std::string> CPredarinView::InternalEditorText() {
  if (internalEditor_ == nullptr) return std::nullopt;
  return internalEditor_->GetTextWithPictogramAlternatives();
}

void CPredarinView::ClearInternalEditor() {
  if (internalEditor_ != nullptr) internalEditor_->ClearText();
}

void CPredarinView::AddToMessageHistory(std::string_view message) {
  messageHistory_.emplace_back(message);
}

void CPredarinView::DeleteCurrentWord() {
  if (target_ != nullptr) target_->DeleteCurrentWord();
}

void CPredarinView::DeleteSentenceBeforeCaret() {
  if (target_ != nullptr) target_->DeleteSentenceBeforeCaret();
}

std::string CPredarinView::WholeTargetText() {
  return target_ == nullptr ? std::string() : target_->GetTextWithPictogramWords();
}

std::string CPredarinView::KeyDescription(const COnScreenKeyIdentifier& key) {
  const CColorButton* button = keyboard_->Key(key);
  return button == nullptr ? std::string() : button->Description();
}

void CPredarinView::LearnMessage(std::string_view wholeText) {
  if (Dictionary() == nullptr) return;
  // The whole text has no sentence before it in the target: the target's
  // last sentence is part of the message, which would be learnt as
  // following itself. The message is paired with the start of a text.
  adaptation_.LearnMessage(*Dictionary(), Options().LearnsFromUser(), wholeText, {});
}

void CPredarinView::CloseMainWindow() { mainWindow_.Close(); }

}  // namespace vorelio
