#include "app/MenuCommands.h"

#include "app/GivenText.h"
#include "app/SimulationSession.h"
#include "common/Text.h"
#include "keyboards/KeyboardFolder.h"
#include "logging/EventCatalogue.h"
#include "prediction/AdaptationCommands.h"
#include "profiles/CommandGuards.h"
#include "profiles/ProfileName.h"

namespace vorelio {
namespace {

constexpr std::string_view kMetricsTitle = "M\xE9tricas";
constexpr std::string_view kChooseFolderTitle = "Seleccione uma directoria";
constexpr std::string_view kAdaptationFileTitle = "Adaptar ao Utilizador";
constexpr std::string_view kOpenKeyboardTitle = "Abrir Teclado";
constexpr std::string_view kRemoveKeyboardTitle = "Remover Teclado";

constexpr std::string_view kNoKeyboardChosenMessage = "N\xE3o seleccionou nenhum teclado.";
constexpr std::string_view kKeyboardInUseMessage =
    "N\xE3o \xE9 poss\xEDvel remover o teclado seleccionado pois encontra-se em utiliza\xE7\xE3o.";
constexpr std::string_view kKeyboardRemovedMessage = "Teclado removido com  sucesso.";
constexpr std::string_view kKeyboardNotRemovedMessage = "N\xE3o foi poss\xEDvel remover o teclado.";
constexpr std::string_view kViewerAlreadyOpenMessage =
    "O visualizador de eventos j\xE1 se encontra aberto!";
constexpr std::string_view kViewerFailedMessage = "Erro no arranque do visualizador de eventos!";
constexpr std::string_view kAbbreviationsNotSavedMessage =
    "N\xE3o foi poss\xEDvel guardar as abreviaturas.";

// Ends the waiting notice before a message is shown, so that the person
// never reads a message under the wait cursor.
class WaitEndingMessages final : public MessageBoxService {
 public:
  WaitEndingMessages(ProgramDialogs& dialogs, MessageBoxService& messages)
      : dialogs_(dialogs), messages_(messages) {}
  void ShowMessage(std::string_view text) override {
    EndWait();
    messages_.ShowMessage(text);
  }
  bool AskYesNo(std::string_view question) override {
    EndWait();
    return messages_.AskYesNo(question);
  }
  void EndWait() {
    if (waiting_) dialogs_.EndWait();
    waiting_ = false;
  }

 private:
  ProgramDialogs& dialogs_;
  MessageBoxService& messages_;
  bool waiting_ = true;
};

// The waiting notice for as long as the object lives.
class Waiting {
 public:
  Waiting(ProgramDialogs& dialogs, MessageBoxService& messages, std::string_view notice)
      : messages_(dialogs, messages) {
    dialogs.BeginWait(notice);
  }
  ~Waiting() { messages_.EndWait(); }
  Waiting(const Waiting&) = delete;
  Waiting& operator=(const Waiting&) = delete;
  MessageBoxService& Messages() { return messages_; }

 private:
  WaitEndingMessages messages_;
};

}  // namespace

MenuCommands::MenuCommands(const MenuServices& services)
    : view_(services.view),
      system_(services.system),
      records_(services.records),
      dialogs_(services.dialogs),
      optionDialogs_(services.optionDialogs),
      messages_(services.messages),
      files_(services.files),
      clipboard_(services.clipboard),
      clock_(services.clock),
      mainWindow_(services.mainWindow),
      dataFolder_(services.dataFolder) {}

MenuCommands::~MenuCommands() {
  if (CLog* log = view_.Logging().Log()) log->AttachViewer(nullptr);
}

bool MenuCommands::Run(int commandId) {
  records_.RecordMenuCommand(commandId);
  const MenuItem* item = FindMenuItem(commandId);
  if (item == nullptr) return false;
  if (GuardsPass(item->guards)) Execute(item->command);
  return true;
}

bool MenuCommands::GuardsPass(const MenuGuards& guards) {
  if (guards.systemLock && !SystemChangesAllowed(system_, messages_)) return false;
  if (guards.keyboardEditing &&
      !KeyboardNotBeingEdited(view_.Keyboard().IsInEditMode(), messages_)) {
    return false;
  }
  return true;
}

void MenuCommands::Execute(MenuCommand command) {
  using C = MenuCommand;
  switch (command) {
    case C::kQuit: mainWindow_.Close(); return;
    case C::kOpenProfile: OpenProfile(); return;
    case C::kNewProfile: NewProfile(); return;
    case C::kRemoveProfile: RemoveProfile(); return;
    case C::kCopyProfileOptions: CopyProfileOptions(); return;
    case C::kProfileOptions: EditProfileOptions(); return;
    case C::kEditUserWords: EditUserVocabulary(VocabularyKind::kWords); return;
    case C::kEditUserSentences: EditUserVocabulary(VocabularyKind::kSentences); return;
    case C::kEditAbbreviations: EditAbbreviations(); return;
    case C::kAdaptFromTextFile: AdaptFromTextFile(); return;
    case C::kAdaptFromClipboard: AdaptFromClipboard(); return;
    case C::kWordPredictionSimulator: ShowSimulator(); return;
    case C::kOpenKeyboard: OpenKeyboard(); return;
    case C::kRemoveKeyboard: RemoveKeyboard(); return;
    case C::kToggleLogging: view_.ToggleLogging(); return;
    case C::kShowEventViewer: ShowEventViewer(); return;
    case C::kShowMetrics: ShowMetrics(); return;
    case C::kDeleteLogs: DeleteLogs(); return;
    case C::kCopyLogs: CopyLogs(); return;
    case C::kClearConfiguratorRecords: records_.Clear(); return;
    case C::kCopyConfiguratorRecords: CopyConfiguratorRecords(); return;
    case C::kConfiguratorFeedback: RecordFeedback(); return;
    case C::kGeneralOptions: GeneralOptions(); return;
  }
}

void MenuCommands::FollowProfile(bool always) {
  const std::string name = CurrentProfileName();
  if (name.empty() || (!always && name == followedProfile_)) return;
  followedProfile_ = name;
  if (menuBar_ != nullptr) menuBar_->ShowMenuBar(MenuBarStateOf(view_.Options()));
}

std::string MenuCommands::CurrentProfileName() {
  const CUserProfile* profile = view_.Profiles().Current();
  return profile == nullptr ? std::string() : profile->Name();
}

void MenuCommands::ReopenProfile(const std::string& name) {
  {
    Waiting waiting(dialogs_, messages_, kLoadingProfileNotice);
    view_.OpenProfile(name);
  }
  FollowProfile(true);
}

void MenuCommands::RefreshPredictions() { view_.RunPredictionCycle(); }

// ---- Profiles ----

void MenuCommands::OpenProfile() {
  const std::string name = dialogs_.ChooseProfile(view_.Profiles().Names());
  if (name.empty()) return;
  view_.Record(MenuOption(MenuAction::kUserProfileLoad, name));
  ReopenProfile(name);
}

void MenuCommands::NewProfile() {
  CUserProfileSet& profiles = view_.Profiles();
  const std::optional<std::string> name = dialogs_.AskNewProfileName([&](std::string_view typed) {
    return ValidateNewProfileName(typed, profiles.Names(), messages_);
  });
  if (!name || profiles.Create(*name) < 0) return;
  // The set made it current; the controller now leaves the previous
  // profile properly (its logging period ends with the editor's text) and
  // applies the new one.
  ReopenProfile(*name);
}

void MenuCommands::RemoveProfile() {
  view_.Profiles().Remove(dialogs_.ChooseProfile(view_.Profiles().Names()));
}

void MenuCommands::CopyProfileOptions() {
  const std::string chosen = dialogs_.ChooseProfile(view_.Profiles().Names());
  if (chosen.empty()) return;
  if (!view_.Profiles().CopyOptions(chosen)) return;
  ReopenProfile(CurrentProfileName());
}

void MenuCommands::EditProfileOptions() {
  CUserProfile* profile = view_.Profiles().Current();
  if (profile == nullptr) return;
  const ProfileOptionChoices choices{view_.Speech().ListVoices(),
                                     ListKeyboards(files_, dataFolder_), dataFolder_};
  UserProfileOptions options = profile->Properties().options;
  view_.Record(MenuOption(MenuAction::kUserProfileOptionsOpened));
  const bool accepted = optionDialogs_.EditProfileOptions(profile->Name(), options, choices);
  view_.Record(MenuOption(MenuAction::kUserProfileOptionsClosed));
  if (!accepted) return;
  profile->Properties().options = options;
  // Re-opening writes the options to the profile's file and applies them.
  ReopenProfile(std::string(profile->Name()));
}

// ---- Dictionary ----

void MenuCommands::EditUserVocabulary(VocabularyKind kind) {
  CDictionary* dictionary = view_.Dictionary();
  if (dictionary == nullptr) return;
  CUserVocabularyEditor editor(*dictionary, kind, messages_);
  if (!editor.Begin(system_.SystemChangesAllowed())) return;
  const bool accepted = dialogs_.EditUserVocabulary(editor, kind);
  {
    Waiting waiting(dialogs_, messages_, {});
    editor.Finish(accepted);
  }
  RefreshPredictions();
}

void MenuCommands::EditAbbreviations() {
  CDictionary* dictionary = view_.Dictionary();
  if (dictionary == nullptr) return;
  dialogs_.EditAbbreviations(dictionary->Abbreviations());
  if (!dictionary->Abbreviations().Save()) messages_.ShowMessage(kAbbreviationsNotSavedMessage);
}

void MenuCommands::AdaptFromTextFile() {
  CDictionary* dictionary = view_.Dictionary();
  if (dictionary == nullptr) return;
  const std::optional<std::string> path = dialogs_.ChooseTextFile(kAdaptationFileTitle);
  if (!path) return;
  AdaptationResult result;
  {
    Waiting waiting(dialogs_, messages_, {});
    result = vorelio::AdaptFromTextFile(*dictionary, *path, system_.SystemChangesAllowed(),
                                        waiting.Messages());
  }
  // Nothing learned must not read as success.
  if (result == AdaptationResult::kUnreadableFile) {
    messages_.ShowMessage(UnreadableTextFileMessage(*path));
  }
  RefreshPredictions();
}

void MenuCommands::AdaptFromClipboard() {
  CDictionary* dictionary = view_.Dictionary();
  if (dictionary == nullptr) return;
  AdaptationResult result;
  {
    Waiting waiting(dialogs_, messages_, {});
    result = vorelio::AdaptFromClipboard(*dictionary, clipboard_, dataFolder_,
                                         system_.SystemChangesAllowed(), waiting.Messages());
  }
  if (result == AdaptationResult::kNoText) messages_.ShowMessage(kClipboardHasNoTextMessage);
  if (result == AdaptationResult::kTextTooLong) {
    messages_.ShowMessage(ClipboardTextTooLongMessage());
  }
  RefreshPredictions();
}

void MenuCommands::ShowSimulator() {
  CUserProfile* profile = view_.Profiles().Current();
  CDictionary* dictionary = view_.Dictionary();
  if (profile == nullptr || dictionary == nullptr) return;
  SimulationSession session(files_, messages_, clock_, clipboard_, dataFolder_, *profile,
                            *dictionary);
  dialogs_.ShowSimulator(session);
  RefreshPredictions();
}

// ---- Keyboards ----

void MenuCommands::OpenKeyboard() {
  const std::optional<std::string> name =
      dialogs_.ChooseKeyboard(kOpenKeyboardTitle, ListKeyboards(files_, dataFolder_));
  if (!name || name->empty()) return;
  view_.Record(MenuOption(MenuAction::kKeyboardLoad, *name));
  if (!view_.LoadKeyboard(*name)) return;
  // The profile keeps it, as when its options name it.
  if (CUserProfile* profile = view_.Profiles().Current()) {
    profile->Properties().options.keyboardName = *name;
  }
  view_.Metrics().Count(WritingEvent::kKeyboardChangedThroughMenu);
}

void MenuCommands::RemoveKeyboard() {
  const std::optional<std::string> name =
      dialogs_.ChooseKeyboard(kRemoveKeyboardTitle, ListKeyboards(files_, dataFolder_));
  if (!name) return;
  if (name->empty()) {
    messages_.ShowMessage(kNoKeyboardChosenMessage);
    return;
  }
  // Keyboard files may differ in case only from the name in use (a file
  // written on Windows).
  const CUserProfile* profile = view_.Profiles().Current();
  if (profile != nullptr && ToLower(profile->Properties().KeyboardInUse()) == ToLower(*name)) {
    messages_.ShowMessage(kKeyboardInUseMessage);
    return;
  }
  if (!messages_.AskYesNo("Quer mesmo remover o teclado " + *name + "?")) return;
  if (!files_.Remove(KeyboardPath(files_, dataFolder_, *name))) {
    messages_.ShowMessage(kKeyboardNotRemovedMessage);
    return;
  }
  view_.Record(MenuOption(MenuAction::kKeyboardRemove));
  messages_.ShowMessage(kKeyboardRemovedMessage);
}

// ---- Logging ----

void MenuCommands::ShowEventViewer() {
  CLog* log = view_.Logging().Log();
  if (log == nullptr || !log->HasFile()) return;
  switch (dialogs_.OpenEventViewer()) {
    case EventViewerOpening::kOpenButHidden:
      messages_.ShowMessage(kViewerAlreadyOpenMessage);
      return;
    case EventViewerOpening::kFailed: messages_.ShowMessage(kViewerFailedMessage); return;
    case EventViewerOpening::kOpened:
    case EventViewerOpening::kBroughtForward:
      // A logging period started since the viewer opened has a log of its own.
      log->AttachViewer(&dialogs_.EventViewer());
      return;
  }
}

void MenuCommands::ShowMetrics() { dialogs_.ShowText(kMetricsTitle, view_.MetricsLinesNow()); }

void MenuCommands::DeleteLogs() {
  const std::string chosen = dialogs_.ChooseProfile(view_.Profiles().Names());
  if (chosen.empty()) return;
  const CUserProfile* profile = view_.Profiles().Current();
  const std::string keyboard = profile ? profile->Properties().KeyboardInUse() : std::string();
  view_.Profiles().DeleteLogs(chosen);
  // Re-opening starts a new logging period in place of a deleted one.
  ReopenProfile(CurrentProfileName());
  profile = view_.Profiles().Current();
  if (!keyboard.empty() && profile != nullptr &&
      profile->Properties().KeyboardInUse() != keyboard) {
    view_.LoadKeyboard(keyboard);
  }
}

void MenuCommands::CopyLogs() {
  const std::string chosen = dialogs_.ChooseProfile(view_.Profiles().Names());
  if (chosen.empty()) return;
  const std::optional<std::string> folder = dialogs_.ChooseFolder(kChooseFolderTitle);
  if (!folder) return;
  view_.Profiles().CopyLogs(chosen, *folder);
}

// ---- Configurator records ----

void MenuCommands::CopyConfiguratorRecords() {
  const std::optional<std::string> folder = dialogs_.ChooseFolder(kChooseFolderTitle);
  if (folder) records_.CopyTo(*folder);
}

void MenuCommands::RecordFeedback() {
  const std::optional<ConfiguratorFeedback> feedback = dialogs_.AskFeedback();
  if (feedback) records_.RecordFeedback(feedback->difficulty, feedback->suggestion);
}

// ---- Options ----

void MenuCommands::GeneralOptions() {
  if (!system_.SystemChangesAllowed()) {
    const std::optional<std::string> password = optionDialogs_.AskSystemPassword();
    if (!password || !system_.Unlock(*password, messages_)) return;
  }
  view_.Record(MenuOption(MenuAction::kSystemOptionsOpened));
  optionDialogs_.EditSystemOptions(system_, view_.Profiles().Names());
  view_.Record(MenuOption(MenuAction::kSystemOptionsClosed));
  // Written now rather than only at the end, so that an unlock or a choice
  // survives a crash; nothing is written when nothing changed.
  system_.Save();
}

}  // namespace vorelio
