#include "gui/QtProgramDialogs.h"

#include <QApplication>
#include <QFileDialog>

#include "gui/QtAbbreviationsDialog.h"
#include "gui/QtChoiceDialog.h"
#include "gui/QtEventViewer.h"
#include "gui/QtFeedbackDialog.h"
#include "gui/QtNewProfileDialog.h"
#include "gui/QtSimulatorDialog.h"
#include "gui/QtText.h"
#include "gui/QtTextDialog.h"
#include "gui/QtVocabularyDialog.h"
#include "gui/TextNoticeWindow.h"

namespace vorelio {

constexpr std::string_view kChooseProfileTitle = "Seleccionar Perfil de Utilizador";

QtProgramDialogs::QtProgramDialogs(QWidget* parent, MessageBoxService& messages)
    : parent_(parent), messages_(messages) {}

QtProgramDialogs::~QtProgramDialogs() {
  while (waits_ > 0) EndWait();
}

std::string QtProgramDialogs::ChooseProfile(const std::vector<std::string>& names) {
  QtChoiceDialog dialog(parent_, kChooseProfileTitle, names);
  return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : std::string();
}

std::optional<std::string> QtProgramDialogs::AskNewProfileName(const NewProfileNameCheck& check) {
  QtNewProfileDialog dialog(parent_, check);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Name();
}

std::optional<std::string> QtProgramDialogs::ChooseKeyboard(std::string_view title,
                                                            const std::vector<std::string>& names) {
  QtChoiceDialog dialog(parent_, title, names);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

std::optional<std::string> QtProgramDialogs::ChooseTextFile(std::string_view title) {
  const QString path =
      QFileDialog::getOpenFileName(parent_, ToQString(title), QString(),
                                   ToQString("Ficheiros de texto (*.txt);;Todos os ficheiros (*)"));
  if (path.isEmpty()) return std::nullopt;
  return FromQString(path);
}

std::optional<std::string> QtProgramDialogs::ChooseFolder(std::string_view title) {
  const QString folder = QFileDialog::getExistingDirectory(parent_, ToQString(title));
  if (folder.isEmpty()) return std::nullopt;
  std::string path = FromQString(folder);
  if (path.back() != '/') path += '/';
  return path;
}

void QtProgramDialogs::ShowText(std::string_view title, const std::vector<std::string>& lines) {
  QtTextDialog dialog(parent_, title, lines);
  dialog.exec();
}

void QtProgramDialogs::BeginWait(std::string_view text) {
  ++waits_;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (text.empty()) return;
  // Light grey on near black, as the program's other notices.
  NoticeLook look;
  look.textColour = 0xE4E4E4;
  look.backgroundColour = 0x161616;
  notice_ = std::make_unique<TextNoticeWindow>(text, look);
}

void QtProgramDialogs::EndWait() {
  if (waits_ == 0) return;
  --waits_;
  QApplication::restoreOverrideCursor();
  if (waits_ == 0) notice_.reset();
}

QtEventViewer& QtProgramDialogs::Viewer() {
  if (!viewer_) viewer_ = new QtEventViewer(parent_);
  return *viewer_;
}

EventViewerOpening QtProgramDialogs::OpenEventViewer() {
  QtEventViewer& viewer = Viewer();
  if (viewer.isVisible() && viewer.isMinimized()) return EventViewerOpening::kOpenButHidden;
  if (viewer.isVisible()) {
    viewer.raise();
    viewer.activateWindow();
    return EventViewerOpening::kBroughtForward;
  }
  viewer.Clear();
  viewer.show();
  return EventViewerOpening::kOpened;
}

EventLogViewer& QtProgramDialogs::EventViewer() { return Viewer(); }

std::optional<ConfiguratorFeedback> QtProgramDialogs::AskFeedback() {
  QtFeedbackDialog dialog(parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Feedback();
}

bool QtProgramDialogs::EditUserVocabulary(CUserVocabularyEditor& editor, VocabularyKind kind) {
  QtVocabularyDialog dialog(parent_, editor, kind);
  return dialog.exec() == QDialog::Accepted;
}

void QtProgramDialogs::EditAbbreviations(CAbbreviationExpansionSet& abbreviations) {
  QtAbbreviationsDialog dialog(parent_, abbreviations, messages_);
  dialog.exec();
}

void QtProgramDialogs::ShowSimulator(SimulationSession& session) {
  QtSimulatorDialog dialog(parent_, session);
  dialog.exec();
}

}  // namespace vorelio
