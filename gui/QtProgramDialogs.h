// The Qt side of ProgramDialogs: modal dialogs over the main window, the
// file and folder choosers, the waiting notice and the live event viewer,
// which lives as long as this object.
#pragma once

#include <QPointer>
#include <memory>

#include "app/ProgramDialogs.h"
#include "platform/MessageBox.h"

class QWidget;

namespace vorelio {

class QtEventViewer;
class TextNoticeWindow;

class QtProgramDialogs final : public ProgramDialogs {
 public:
  // The dialogs open over `parent` (the main window, not null), which owns
  // the viewer; `messages` tells what the list dialogs refuse. Take the viewer off the log
  // (MenuCommands does, when destroyed) before `parent` goes.
  QtProgramDialogs(QWidget* parent, MessageBoxService& messages);
  ~QtProgramDialogs() override;

  std::string ChooseProfile(const std::vector<std::string>& names) override;
  std::optional<std::string> AskNewProfileName(const NewProfileNameCheck& check) override;
  std::optional<std::string> ChooseKeyboard(std::string_view title,
                                            const std::vector<std::string>& names) override;
  std::optional<std::string> ChooseTextFile(std::string_view title) override;
  std::optional<std::string> ChooseFolder(std::string_view title) override;
  void ShowText(std::string_view title, const std::vector<std::string>& lines) override;
  void BeginWait(std::string_view text) override;
  void EndWait() override;
  EventViewerOpening OpenEventViewer() override;
  EventLogViewer& EventViewer() override;
  std::optional<ConfiguratorFeedback> AskFeedback() override;
  bool EditUserVocabulary(CUserVocabularyEditor& editor, VocabularyKind kind) override;
  void EditAbbreviations(CAbbreviationExpansionSet& abbreviations) override;
  void ShowSimulator(SimulationSession& session) override;

 private:
  QtEventViewer& Viewer();

  QWidget* parent_;
  MessageBoxService& messages_;
  QPointer<QtEventViewer> viewer_;  // owned by `parent`, made when first needed
  std::unique_ptr<TextNoticeWindow> notice_;
  int waits_ = 0;  // BeginWait calls not yet ended
};

}  // namespace vorelio
