// The word prediction simulator dialog ("Simulador de Predição de
// Palavras"): the text's source (the clipboard or a file), the simulation
// type, whether to save the results; "Iniciar Simulação" runs the session
// and the dialog shows each word's figures, the words written and a
// progress bar. While it runs, "Parar" (or closing the dialog) stops it
// after the current word.
#pragma once

#include <QDialog>
#include <vector>

#include "app/SimulationSession.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vorelio {

class QtSimulatorDialog final : public QDialog, public SimulationProgress {
 public:
  QtSimulatorDialog(QWidget* parent, SimulationSession& session);

  // "Iniciar Simulação": runs what the dialog's fields ask.
  void StartSimulation();
  // What the fields ask now.
  SimulationRequest Request() const;

  // SimulationProgress.
  void Started(int64_t totalWords) override;
  void RunStarted(int run, int runs) override;
  bool WordSimulated(std::string_view word, const SimulationFigures& figures) override;

  // Closing while a simulation runs only asks it to stop.
  void reject() override;

  QRadioButton& ClipboardSource() { return *clipboard_; }
  QRadioButton& FileSource() { return *file_; }
  QLineEdit& FileField() { return *path_; }
  QRadioButton& TypeChoice(SimulationType type);
  QCheckBox& SaveResults() { return *save_; }
  QProgressBar& Progress() { return *progress_; }
  QPlainTextEdit& WrittenText() { return *written_; }
  // The value shown beside the figure at `index`, in LabelledFigures order.
  QLabel& FigureValue(std::size_t index) { return *values_.at(index); }

 private:
  void ChooseFile();
  void SetRunning(bool running);

  SimulationSession& session_;
  QRadioButton* clipboard_;
  QRadioButton* file_;
  QLineEdit* path_;
  std::vector<QRadioButton*> types_;  // in SimulationType order
  QCheckBox* save_;
  QPushButton* start_;
  QPushButton* stop_;
  std::vector<QLabel*> values_;
  QPlainTextEdit* written_;
  QProgressBar* progress_;
  bool running_ = false;
  bool stopRequested_ = false;
};

}  // namespace vorelio
