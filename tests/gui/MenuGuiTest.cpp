// The menu bar and the menu's dialogs on the offscreen platform: what they
// show and how their answers come back through the interfaces.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "GuiTestSupport.h"
#include "gui/QtAbbreviationsDialog.h"
#include "gui/QtChoiceDialog.h"
#include "gui/QtEventViewer.h"
#include "gui/QtMainMenu.h"
#include "gui/QtNewProfileDialog.h"
#include "gui/QtProgramDialogs.h"
#include "gui/QtSimulatorDialog.h"
#include "gui/QtText.h"
#include "gui/QtVocabularyDialog.h"
#include "platform/Clock.h"
#include "platform/sim/MemoryFileSystem.h"

namespace vorelio::testing {
namespace {

TEST(QtMainMenuTest, TheBarHoldsTheTablesMenusAndItemsRunTheirCommands) {
  QMenuBar bar;
  std::vector<MenuCommand> run;
  QtMainMenu menu(bar, [&run](MenuCommand command) { run.push_back(command); });
  const QList<QAction*> menus = bar.actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(MainMenuTable().size()));
  for (std::size_t i = 0; i < MainMenuTable().size(); ++i) {
    EXPECT_EQ(FromQString(menus[static_cast<qsizetype>(i)]->text()), MainMenuTable()[i].label);
  }
  for (const MenuItem* item : AllMenuCommandItems()) {
    ASSERT_NE(menu.Action(item->command), nullptr) << static_cast<int>(item->command);
  }
  menu.Action(MenuCommand::kAdaptFromClipboard)->trigger();  // in a submenu
  menu.Action(MenuCommand::kOpenProfile)->trigger();
  EXPECT_EQ(run, (std::vector{MenuCommand::kAdaptFromClipboard, MenuCommand::kOpenProfile}));
}

TEST(QtMainMenuTest, ALockedBarIsHiddenAndDisabledUntilUnlocked) {
  QMenuBar bar;
  QtMainMenu menu(bar, [](MenuCommand) {});
  bar.show();
  menu.ShowMenuBar({.visible = false, .enabled = false});
  EXPECT_FALSE(bar.isVisible());
  EXPECT_FALSE(bar.actions().front()->isEnabled());
  menu.Unlock();
  EXPECT_TRUE(bar.isVisible());
  EXPECT_TRUE(bar.actions().back()->isEnabled());
}

class QtProgramDialogsTest : public ::testing::Test {
 protected:
  QWidget window;
  RecordingMessageBox messages;
  QtProgramDialogs dialogs{&window, messages};
};

TEST_F(QtProgramDialogsTest, TheProfileChosenComesBackAndCancelGivesNothing) {
  WhenShown<QtChoiceDialog>([](QtChoiceDialog& dialog) {
    EXPECT_EQ(FromQString(dialog.windowTitle()), "Seleccionar Perfil de Utilizador");
    dialog.List().setCurrentRow(1);
    dialog.accept();
  });
  EXPECT_EQ(dialogs.ChooseProfile({"generico", "jo\xE3o"}), "jo\xE3o");
  WhenShown<QtChoiceDialog>([](QtChoiceDialog& dialog) {
    dialog.List().setCurrentRow(1);
    dialog.reject();
  });
  EXPECT_EQ(dialogs.ChooseProfile({"generico", "ana"}), "");
  // A keyboard confirmed without a choice is an empty name, not a cancel.
  WhenShown<QtChoiceDialog>([](QtChoiceDialog& dialog) { dialog.accept(); });
  EXPECT_EQ(dialogs.ChooseKeyboard("Remover Teclado", {"Frases"}), std::optional<std::string>(""));
}

TEST_F(QtProgramDialogsTest, TheNewProfileDialogStaysOpenUntilTheNameWillDo) {
  std::vector<std::string> checked;
  const NewProfileNameCheck check = [&checked](std::string_view typed) {
    checked.emplace_back(typed);
    return typed == "ze" ? std::optional<std::string>("ze") : std::nullopt;
  };
  WhenShown<QtNewProfileDialog>([](QtNewProfileDialog& dialog) {
    dialog.NameField().setText("o ze");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    dialog.NameField().setText("ze");
    dialog.accept();
  });
  EXPECT_EQ(dialogs.AskNewProfileName(check), std::optional<std::string>("ze"));
  EXPECT_EQ(checked, (std::vector<std::string>{"o ze", "ze"}));
}

TEST_F(QtProgramDialogsTest, TheViewerOpensEmptyComesForwardAndIsToldWhenMinimised) {
  EXPECT_EQ(dialogs.OpenEventViewer(), EventViewerOpening::kOpened);
  auto& viewer = static_cast<QtEventViewer&>(dialogs.EventViewer());
  viewer.AddLine("00:00:01.000 \"a\" CHAR_a CHAR - - Teste \"\"");
  EXPECT_EQ(viewer.Lines().count(), 1);
  EXPECT_EQ(dialogs.OpenEventViewer(), EventViewerOpening::kBroughtForward);
  EXPECT_EQ(viewer.Lines().count(), 1);
  viewer.showMinimized();
  EXPECT_EQ(dialogs.OpenEventViewer(), EventViewerOpening::kOpenButHidden);
  viewer.close();
  EXPECT_EQ(dialogs.OpenEventViewer(), EventViewerOpening::kOpened);
  EXPECT_EQ(viewer.Lines().count(), 0);
}

TEST(QtAbbreviationsDialogTest, PairsAreSetRemovedAndRefusedWithAMessage) {
  CAbbreviationExpansionSet abbreviations;
  abbreviations.Set("mrd", "Rua das Flores");
  RecordingMessageBox messages;
  QtAbbreviationsDialog dialog(nullptr, abbreviations, messages);
  ASSERT_EQ(dialog.Table().rowCount(), 1);
  dialog.AbbreviationField().setText("bd");
  dialog.ExpansionField().setText(ToQString("Bom  dia, Jo\xE3o"));
  dialog.AddTyped();
  ASSERT_NE(abbreviations.Expansion("bd"), nullptr);
  EXPECT_EQ(*abbreviations.Expansion("bd"), "Bom  dia, Jo\xE3o");
  EXPECT_EQ(dialog.Table().rowCount(), 2);
  dialog.AbbreviationField().setText("b d");
  dialog.ExpansionField().setText("x");
  dialog.AddTyped();
  EXPECT_EQ(messages.messages, std::vector<std::string>{std::string(kAbbreviationRefusedMessage)});
  dialog.Table().setCurrentCell(1, 0);  // "mrd", after "bd"
  dialog.RemoveSelected();
  EXPECT_EQ(abbreviations.Expansion("mrd"), nullptr);
  EXPECT_EQ(dialog.Table().rowCount(), 1);
}

TEST(QtVocabularyDialogTest, WordsAreAddedLowerCasedRefusedOnceListedAndTakeAFrequency) {
  MemoryFileSystem files;
  RecordingMessageBox messages;
  CDictionary dictionary{files, messages};
  CUserVocabularyEditor editor(dictionary, VocabularyKind::kWords, messages);
  QtVocabularyDialog dialog(nullptr, editor, VocabularyKind::kWords);
  dialog.EntryField().setText(ToQString("  \xC1gua "));
  dialog.AddTyped();
  ASSERT_EQ(dialog.Table().rowCount(), 1);
  EXPECT_EQ(FromQString(dialog.Table().item(0, 0)->text()), "\xE1gua");
  EXPECT_EQ(dialog.Table().item(0, 1)->text(), "1");
  EXPECT_TRUE(dialog.EntryField().text().isEmpty());
  dialog.Table().clearSelection();
  dialog.EntryField().setText(ToQString("\xE1gua"));
  dialog.AddTyped();
  EXPECT_EQ(messages.messages, std::vector<std::string>{"J\xE1 existe essa palavra."});
  EXPECT_TRUE(dialog.Table().item(0, 0)->isSelected());
  dialog.FrequencyField().setValue(5);
  dialog.SetSelectedFrequency();
  EXPECT_EQ(editor.Entries(), (std::vector<UserVocabularyEntry>{{"\xE1gua", 5}}));
  EXPECT_EQ(dialog.Table().item(0, 1)->text(), "5");
}

class SimulatorDialogTest : public ::testing::Test {
 protected:
  SimulatorDialogTest() { profile.Properties().SetName("generico"); }
  RecordingMessageBox messages;
  ManualClock clock;
  FakeClipboard clipboard;
  MemoryFileSystem files;
  CUserProfile profile{files, messages};
  CDictionary dictionary{files, messages};
  SimulationSession session{files, messages, clock, clipboard, "/data/", profile, dictionary};
  QtSimulatorDialog dialog{nullptr, session};
};

TEST_F(SimulatorDialogTest, TheFieldsMakeTheRequestAndEachWordShowsItsFiguresAndProgress) {
  dialog.ClipboardSource().setChecked(true);
  dialog.TypeChoice(SimulationType::kGradualFactors).setChecked(true);
  dialog.SaveResults().setChecked(true);
  const SimulationRequest request = dialog.Request();
  EXPECT_EQ(std::tuple(request.source, request.type, request.saveResults),
            std::tuple(SimulationSource::kClipboard, SimulationType::kGradualFactors, true));
  dialog.FileSource().setChecked(true);
  dialog.FileField().setText(ToQString("/home/ana/texto \xE0 m\xE3o.txt"));
  EXPECT_EQ(dialog.Request().filePath, "/home/ana/texto \xE0 m\xE3o.txt");

  dialog.Started(4);
  dialog.RunStarted(1, 2);
  SimulationFigures figures;
  figures.characters = 4;
  figures.charactersTyped = 1;
  figures.charactersSavedPercent = 75;
  EXPECT_TRUE(dialog.WordSimulated("bom", figures));
  EXPECT_TRUE(dialog.WordSimulated("dia", figures));
  EXPECT_EQ(dialog.WrittenText().toPlainText(), "bom dia ");
  EXPECT_EQ(dialog.Progress().value(), 2);
  EXPECT_EQ(dialog.FigureValue(0).text(), "4");
  EXPECT_EQ(dialog.FigureValue(2).text(), "75%");
  dialog.RunStarted(2, 2);
  EXPECT_EQ(dialog.WrittenText().toPlainText(), "");
}

}  // namespace
}  // namespace vorelio::testing
