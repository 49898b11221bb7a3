// The menu's commands run on the controller on the simulated desktop, with
// dialogs that answer for the person: what each records, refuses, asks and
// changes.
#include <set>

#include "ControllerFixture.h"
#include "RecordingDialogs.h"
#include "app/MenuCommands.h"
#include "common/SystemLockMessage.h"
#include "logging/UserRecord.h"

namespace vorelio::testing {
namespace {

using Texts = std::vector<std::string>;
using C = MenuCommand;

class RecordingMenuBar final : public MenuBarView {
 public:
  void ShowMenuBar(MenuBarState state) override { states.push_back(state); }
  std::vector<MenuBarState> states;
};

class MenuCommandsTest : public ControllerTest {
 protected:
  MenuCommandsTest() {
    folder.Write("base.cfg", "NOME_TECLADO Teste\nREGISTAR_EVENTOS 0\n");
    AddProfileAna("NOME_TECLADO Frases\nREGISTAR_EVENTOS 1\nSOM_INICIAL_REGISTO_EVENTOS 0\n");
    records.Open(folder.Path());
    system.Load(DiskFiles(), folder.Path(), &records);
  }
  ~MenuCommandsTest() override { commands.reset(); }

  void StartMenus(const std::map<std::string, std::string>& changes = {}) {
    Start(changes);
    commands = std::make_unique<MenuCommands>(
        MenuServices{*view, system, records, dialogs, optionDialogs, messages, DiskFiles(),
                     clipboard, clock, mainWindow, folder.Path()});
    commands->SetMenuBar(&bar);
  }
  void Run(MenuCommand command) { commands->Run(command); }
  void LockSystem() { system.SetSystemChangesAllowed(false); }
  std::string Records() const { return folder.Read("Registos Configurador.xml"); }
  std::string CurrentProfile() { return view->Profiles().Current()->Name(); }
  const std::string& Title() const { return mainWindow.titles.back(); }
  const std::string& LastMessage() const { return messages.messages.back(); }

  CSystemOptions system;
  CUserRecord records{DiskFiles(), messages, clock};
  RecordingProgramDialogs dialogs;
  RecordingOptionDialogs optionDialogs;
  FakeClipboard clipboard;
  RecordingMenuBar bar;
  std::unique_ptr<MenuCommands> commands;
};

// ---- The table ----

TEST(MainMenuTableTest, EveryCommandHasOneUniqueNumberAndALabel) {
  std::set<int> numbers;
  for (const MenuItem* item : AllMenuCommandItems()) {
    EXPECT_TRUE(numbers.insert(static_cast<int>(item->command)).second)
        << "twice: " << static_cast<int>(item->command);
    EXPECT_FALSE(item->label.empty());
    EXPECT_EQ(FindMenuItem(static_cast<int>(item->command)), item);
  }
  EXPECT_EQ(FindMenuItem(999), nullptr);
}

TEST(MainMenuTableTest, TheGuardsFollowWhatEachCommandChanges) {
  const auto guards = [](MenuCommand command) {
    const MenuItem* item = FindMenuItem(static_cast<int>(command));
    return std::pair(item->guards.systemLock, item->guards.keyboardEditing);
  };
  EXPECT_EQ(guards(C::kOpenProfile), std::pair(false, true));
  EXPECT_EQ(guards(C::kNewProfile), std::pair(true, true));
  EXPECT_EQ(guards(C::kRemoveProfile), std::pair(false, false));
  // The commands under the lock are run locked below. The password takes
  // the lock's place; viewing, copying and simulating change nothing of the
  // configuration.
  for (MenuCommand open : {C::kGeneralOptions, C::kCopyLogs, C::kShowEventViewer,
                           C::kWordPredictionSimulator, C::kCopyConfiguratorRecords}) {
    EXPECT_FALSE(guards(open).first) << static_cast<int>(open);
  }
}

// A locked menu and the default bar are followed on the controller below.
TEST(MainMenuTableTest, AProfileWithoutWindowBarsHidesTheMenuBarButLeavesItEnabled) {
  UserProfileOptions options;
  options.showWindowBars = 0;
  EXPECT_EQ(MenuBarStateOf(options), (MenuBarState{false, true}));
}

// ---- Records and guards ----

TEST_F(MenuCommandsTest, EveryLockedCommandIsRecordedThenRefusedWithoutAskingAnything) {
  StartMenus();
  LockSystem();
  for (MenuCommand command : {C::kNewProfile, C::kProfileOptions, C::kEditUserWords,
                              C::kEditUserSentences, C::kEditAbbreviations, C::kAdaptFromTextFile,
                              C::kAdaptFromClipboard, C::kRemoveKeyboard, C::kDeleteLogs,
                              C::kClearConfiguratorRecords}) {
    messages.messages.clear();
    Run(command);
    EXPECT_EQ(messages.messages, Texts{std::string(kSystemChangesLockedMessage)})
        << static_cast<int>(command);
  }
  EXPECT_NE(Records().find("<MENU>\n<ID>202</ID>\n<SELECTION_TIME>"), std::string::npos);
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_TRUE(optionDialogs.asked.empty());
  EXPECT_TRUE(messages.questions.empty());
  EXPECT_EQ(view->Profiles().Names(), (Texts{"generico", "ana"}));
}

TEST_F(MenuCommandsTest, OpeningAProfileWhileAKeyboardIsEditedIsRefused) {
  StartMenus();
  view->Keyboard().SetEditMode(true);
  Run(C::kOpenProfile);
  EXPECT_EQ(LastMessage(),
            "Por favor termine a edi\xE7\xE3o do teclado de ecr\xE3 antes de realizar esta "
            "opera\xE7\xE3o.");
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(MenuCommandsTest, ANumberNotInTheMenuIsRecordedAndDoesNothing) {
  StartMenus();
  EXPECT_FALSE(commands->Run(4242));
  EXPECT_NE(Records().find("<ID>4242</ID>"), std::string::npos);
}

// ---- General options and the password ----

TEST_F(MenuCommandsTest, ACancelledOrWrongPasswordLeavesTheSystemLockedAndTheDialogClosed) {
  StartMenus();
  LockSystem();
  messages.messages.clear();
  Run(C::kGeneralOptions);  // cancelled: nothing said
  EXPECT_TRUE(messages.messages.empty());
  optionDialogs.password = "tolvamex4";
  Run(C::kGeneralOptions);
  EXPECT_EQ(optionDialogs.asked, (Texts{"password", "password"}));
  EXPECT_EQ(messages.messages, Texts{"Senha incorrecta!"});
  EXPECT_FALSE(system.SystemChangesAllowed());
  EXPECT_TRUE(LogLinesWith("SYSTEM_OPTIONS").empty());
}

TEST_F(MenuCommandsTest, TheRightPasswordUnlocksBeforeTheDialogOpens) {
  StartMenus();
  LockSystem();
  optionDialogs.password = "$TolvameX4$";
  Run(C::kGeneralOptions);
  EXPECT_EQ(optionDialogs.asked, (Texts{"password", "system options"}));
  EXPECT_TRUE(optionDialogs.lockSwitchWhenOpened);
  EXPECT_EQ(optionDialogs.offeredProfiles, (Texts{"generico", "ana"}));
  EXPECT_EQ(LogLinesWith("SYSTEM_OPTIONS_DIALOG").size(), 2u);
  EXPECT_NE(folder.Read("configsis").find("ALTERACOES_SISTEMA 1"), std::string::npos);
}

// ---- Profiles ----

TEST_F(MenuCommandsTest, OpeningAProfileLogsItsNameInTheOldLogAndAppliesIt) {
  StartMenus();
  dialogs.profiles = {"ana"};
  Run(C::kOpenProfile);
  EXPECT_EQ(dialogs.offeredProfiles, (Texts{"generico", "ana"}));
  EXPECT_EQ(LogLinesWith("USER_PROFILE_LOAD_ana").size(), 1u);
  EXPECT_EQ(CurrentProfile(), "ana");
  EXPECT_EQ(Title(), "Vorelio V3.0: ana (Frases) (Logging Ligado)");
  EXPECT_EQ(dialogs.notices, Texts{std::string(kLoadingProfileNotice)});
  EXPECT_FALSE(dialogs.waiting);
}

TEST_F(MenuCommandsTest, ANewProfileNameIsAskedAgainUntilItWillDo) {
  StartMenus();
  dialogs.typedNames = {"  ", "o ze", "Ana", " ze "};
  Run(C::kNewProfile);
  EXPECT_EQ(messages.messages,
            (Texts{"Introduza um nome para o novo perfil de utilizador.",
                   "N\xE3o s\xE3o permitidos espa\xE7os no nome do perfil de utilizador. Utilize "
                   "um travess\xE3o para separar as palavras que constituem o nome.",
                   "J\xE1 existe um perfil de utilizador com esse nome."}));
  EXPECT_EQ(CurrentProfile(), "ze");
  EXPECT_EQ(folder.Read("utils"), "ana\nze\n");
  EXPECT_EQ(Title(), "Vorelio V3.0: ze (Teste) (Logging Desligado)");
}

TEST_F(MenuCommandsTest, CopiedOptionsAreAppliedToTheCurrentProfile) {
  StartMenus();
  dialogs.profiles = {"ana"};
  Run(C::kCopyProfileOptions);
  EXPECT_EQ(CurrentProfile(), "generico");
  EXPECT_EQ(Title(), "Vorelio V3.0: generico (Frases) (Logging Ligado)");
  EXPECT_NE(folder.Read("generico.cfg").find("NOME_TECLADO Frases"), std::string::npos);
}

TEST_F(MenuCommandsTest, ProfileOptionsAcceptedAreWrittenAndLoggedAroundTheDialog) {
  StartMenus();
  optionDialogs.profileOptionsAccepted = false;
  Run(C::kProfileOptions);
  EXPECT_EQ(view->Options().predictionDelayMs, 300);
  optionDialogs.profileOptionsAccepted = true;
  Run(C::kProfileOptions);
  EXPECT_EQ(optionDialogs.asked.back(), "profile options generico");
  EXPECT_EQ(optionDialogs.offeredKeyboards, (Texts{"Frases", "Teste"}));
  EXPECT_EQ(view->Options().predictionDelayMs, 700);
  EXPECT_NE(folder.Read("generico.cfg").find("TEMPO_DE_PREDICAO 700"), std::string::npos);
  EXPECT_EQ(LogLinesWith("USER_PROFILE_OPTIONS_DIALOG_OPENED").size(), 2u);
  EXPECT_EQ(LogLinesWith("USER_PROFILE_OPTIONS_DIALOG_CLOSED").size(), 2u);
}

TEST_F(MenuCommandsTest, TheMenuBarFollowsAProfileThatLocksIt) {
  folder.Write("ana.cfg", "NOME_TECLADO Frases\nBLOQUEAR_MENU 1\n");
  StartMenus();
  commands->FollowProfile();
  dialogs.profiles = {"ana"};
  Run(C::kOpenProfile);
  ASSERT_EQ(bar.states.size(), 2u);
  EXPECT_EQ(bar.states[0], (MenuBarState{true, true}));
  EXPECT_EQ(bar.states[1], (MenuBarState{false, false}));
  commands->FollowProfile();  // the same profile: the bar is left as it is
  EXPECT_EQ(bar.states.size(), 2u);
}

// ---- Logging ----

TEST_F(MenuCommandsTest, LoggingSwitchesOffAndOnWithTheTitle) {
  StartMenus();
  Run(C::kToggleLogging);
  EXPECT_EQ(Title(), "Vorelio V3.0: generico (Teste) (Logging Desligado)");
  EXPECT_FALSE(view->Logging().IsOn());
  Run(C::kToggleLogging);
  EXPECT_EQ(Title(), "Vorelio V3.0: generico (Teste) (Logging Ligado)");
  EXPECT_TRUE(view->Logging().IsOn());
}

TEST_F(MenuCommandsTest, TheViewerReceivesNewLinesIsToldWhenHiddenAndNeedsLogging) {
  StartMenus();
  Run(C::kShowEventViewer);
  TypeAndPause("ol");
  ASSERT_FALSE(dialogs.viewer.lines.empty());
  EXPECT_NE(dialogs.viewer.lines.back().find("CHAR_l"), std::string::npos);
  dialogs.viewerOpening = EventViewerOpening::kOpenButHidden;
  Run(C::kShowEventViewer);
  EXPECT_EQ(LastMessage(), "O visualizador de eventos j\xE1 se encontra aberto!");
  Run(C::kToggleLogging);
  dialogs.asked.clear();
  Run(C::kShowEventViewer);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(MenuCommandsTest, TheMetricsAreShownWhileLoggingGoesOn) {
  StartMenus();
  TypeAndPause("ol");
  Run(C::kShowMetrics);
  EXPECT_EQ(dialogs.asked, Texts{"M\xE9tricas"});
  EXPECT_FALSE(dialogs.shownText.empty());
  EXPECT_TRUE(view->Logging().IsOn());
}

TEST_F(MenuCommandsTest, DeletingLogsStartsANewPeriodOnTheKeyboardInUse) {
  StartMenus();
  view->LoadKeyboard("Frases");
  folder.Write("generico Sat Dec 05 10-00-00 2026.log", "old");
  dialogs.profiles = {"generico"};
  Run(C::kDeleteLogs);
  EXPECT_FALSE(folder.Exists("generico Sat Dec 05 10-00-00 2026.log"));
  EXPECT_TRUE(view->Logging().IsOn());
  EXPECT_EQ(view->Profiles().Current()->Properties().KeyboardInUse(), "Frases");
}

TEST_F(MenuCommandsTest, LogsAreCopiedToTheChosenFolder) {
  StartMenus();
  TempFolder destination;
  folder.Write("ana Sat Dec 05 10-00-00 2026.log", "old");
  dialogs.profiles = {"ana"};
  dialogs.folders = {destination.Path()};
  Run(C::kCopyLogs);
  EXPECT_EQ(destination.Read("ana Sat Dec 05 10-00-00 2026.log"), "old");
}

// ---- Keyboards ----

TEST_F(MenuCommandsTest, AKeyboardOpenedFromTheMenuBecomesTheProfilesKeyboard) {
  StartMenus();
  dialogs.keyboards = {"Frases"};
  Run(C::kOpenKeyboard);
  EXPECT_EQ(dialogs.offeredKeyboards, (Texts{"Frases", "Teste"}));
  EXPECT_EQ(view->Options().keyboardName, "Frases");
  EXPECT_EQ(Title(), "Vorelio V3.0: generico (Frases) (Logging Ligado)");
  EXPECT_EQ(LogLinesWith("ON_SCREEN_KEYBOARD_LOAD_Frases").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kKeyboardChangedThroughMenu), 1);
}

TEST_F(MenuCommandsTest, RemovingAKeyboardAsksAndNeverTakesTheOneInUse) {
  StartMenus();
  dialogs.keyboards = {"", "teste", "Frases", "Frases"};
  Run(C::kRemoveKeyboard);
  EXPECT_EQ(LastMessage(), "N\xE3o seleccionou nenhum teclado.");
  Run(C::kRemoveKeyboard);
  EXPECT_EQ(LastMessage(),
            "N\xE3o \xE9 poss\xEDvel remover o teclado seleccionado pois encontra-se em "
            "utiliza\xE7\xE3o.");
  Run(C::kRemoveKeyboard);  // answered No
  EXPECT_TRUE(folder.Exists("Frases.tec"));
  messages.answers = {true};
  Run(C::kRemoveKeyboard);
  EXPECT_EQ(messages.questions.back(), "Quer mesmo remover o teclado Frases?");
  EXPECT_FALSE(folder.Exists("Frases.tec"));
  EXPECT_EQ(LastMessage(), "Teclado removido com  sucesso.");
  EXPECT_EQ(LogLinesWith("ON_REMOVE_SCREEN_KEYBOARD").size(), 1u);
}

// ---- Dictionary ----

TEST_F(MenuCommandsTest, ATextFileIsLearnedAndConfirmedAfterTheWaitAndAnUnreadableOneTold) {
  StartMenus();
  dialogs.files = {folder.File("nada.txt"), folder.Write("texto.txt", "janela aberta\n")};
  Run(C::kAdaptFromTextFile);
  EXPECT_EQ(messages.messages,
            Texts{"N\xE3o foi poss\xEDvel ler o ficheiro " + folder.File("nada.txt") + "."});
  EXPECT_FALSE(dialogs.waiting);
  Run(C::kAdaptFromTextFile);
  EXPECT_EQ(UserWordFrequency("janela"), 1);
  EXPECT_EQ(LastMessage(),
            "As palavras e frases do utilizador foram incorporadas no dicion\xE1rio.");
  EXPECT_EQ(dialogs.waits, 2);
  EXPECT_FALSE(dialogs.waiting);
}

TEST_F(MenuCommandsTest, AClipboardWithoutTextOrWithTooMuchIsTold) {
  StartMenus();
  Run(C::kAdaptFromClipboard);
  EXPECT_EQ(LastMessage(), "A \xE1rea de transfer\xEAncia n\xE3o cont\xE9m texto.");
  clipboard.text = std::string(10000, 'a');
  Run(C::kAdaptFromClipboard);
  EXPECT_EQ(LastMessage(),
            "O texto da \xE1rea de transfer\xEAncia \xE9 demasiado longo: s\xF3 s\xE3o aceites "
            "textos com menos de 10000 caracteres.");
  clipboard.text = "janela";
  Run(C::kAdaptFromClipboard);
  EXPECT_EQ(UserWordFrequency("janela"), 1);
}

TEST_F(MenuCommandsTest, UserWordsAddedInTheDialogReachTheFileOnOkOnly) {
  StartMenus();
  dialogs.vocabularyToAdd = {"Janela"};
  dialogs.vocabularyAccepted = false;
  Run(C::kEditUserWords);
  EXPECT_EQ(UserWordFrequency("janela"), 0);
  dialogs.vocabularyAccepted = true;
  Run(C::kEditUserWords);
  EXPECT_EQ(dialogs.asked, (Texts{"words", "words"}));
  EXPECT_EQ(UserWordFrequency("janela"), 1);
  EXPECT_NE(folder.Read("generico.pal").find("janela"), std::string::npos);
}

TEST_F(MenuCommandsTest, AbbreviationsAreSavedWhenTheDialogCloses) {
  StartMenus();
  dialogs.abbreviationsToSet = {{"bd", "Bom dia"}};
  Run(C::kEditAbbreviations);
  EXPECT_EQ(folder.Read("generico.abr"), "bd Bom dia\nmrd Rua das Flores\n");
}

// ---- Configurator records ----

TEST_F(MenuCommandsTest, RecordsAreClearedCopiedAndTakeFeedback) {
  StartMenus();
  dialogs.feedback = {{3, "mais <simples> & claro"}};
  Run(C::kConfiguratorFeedback);
  EXPECT_NE(Records().find("<USER_SUGGESTION>mais <simples> & claro</USER_SUGGESTION>"),
            std::string::npos);
  TempFolder destination;
  dialogs.folders = {destination.Path()};
  Run(C::kCopyConfiguratorRecords);
  EXPECT_EQ(dialogs.asked.back(), "Seleccione uma directoria");
  EXPECT_EQ(LastMessage(), "Os registos do configurador foram copiados com sucesso.");
  messages.answers = {true};
  Run(C::kClearConfiguratorRecords);
  EXPECT_EQ(Records(), "<CONFIGURATOR_RECORDS>\n");
}

}  // namespace
}  // namespace vorelio::testing
