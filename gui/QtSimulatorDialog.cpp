#include "gui/QtSimulatorDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "gui/QtDialogButtons.h"
#include "gui/QtText.h"

namespace vorelio {
namespace {

// The simulation types in the order of SimulationType.
constexpr std::string_view kTypeLabels[] = {
    "Escrita do Texto Utilizando os Valores Actuais dos Factores de Predi\xE7\xE3o",
    "Escrita Repetida do Texto com a Introdu\xE7\xE3o Autom\xE1tica dos V\xE1rios Factores de "
    "Predi\xE7\xE3o",
    "Escrita Repetida do Texto com a Introdu\xE7\xE3o Gradual de Cada Factor de Predi\xE7\xE3o",
};

}  // namespace

QtSimulatorDialog::QtSimulatorDialog(QWidget* parent, SimulationSession& session)
    : QDialog(parent),
      session_(session),
      clipboard_(new QRadioButton(ToQString("\xC1rea de Transfer\xEAncia"), this)),
      file_(new QRadioButton(ToQString("Ficheiro:"), this)),
      path_(new QLineEdit(this)),
      save_(new QCheckBox(ToQString("Guardar Resultados num Ficheiro"), this)),
      start_(new QPushButton(ToQString("Iniciar Simula\xE7\xE3o"), this)),
      stop_(new QPushButton(ToQString("Parar"), this)),
      written_(new QPlainTextEdit(this)),
      progress_(new QProgressBar(this)) {
  setWindowTitle(ToQString("Simulador de Predi\xE7\xE3o de Palavras"));

  auto* source = new QGroupBox(ToQString("Texto a Simular"), this);
  auto* choose = new QPushButton(ToQString("Seleccionar..."), this);
  connect(choose, &QPushButton::clicked, this, &QtSimulatorDialog::ChooseFile);
  auto* sourceLayout = new QGridLayout(source);
  sourceLayout->addWidget(clipboard_, 0, 0);
  sourceLayout->addWidget(file_, 1, 0);
  sourceLayout->addWidget(path_, 1, 1);
  sourceLayout->addWidget(choose, 1, 2);
  file_->setChecked(true);

  auto* type = new QGroupBox(ToQString("Tipo de Simula\xE7\xE3o"), this);
  auto* typeLayout = new QVBoxLayout(type);
  for (std::string_view label : kTypeLabels) {
    types_.push_back(new QRadioButton(ToQString(label), type));
    typeLayout->addWidget(types_.back());
  }
  types_.front()->setChecked(true);

  auto* figures = new QGridLayout;
  const auto labelled = LabelledFigures(SimulationFigures{});
  for (std::size_t i = 0; i < labelled.size(); ++i) {
    const int row = static_cast<int>(i);
    figures->addWidget(new QLabel(ToQString(labelled[i].first), this), row, 0);
    values_.push_back(new QLabel(ToQString(labelled[i].second), this));
    figures->addWidget(values_.back(), row, 1);
  }
  written_->setReadOnly(true);

  connect(start_, &QPushButton::clicked, this, &QtSimulatorDialog::StartSimulation);
  connect(stop_, &QPushButton::clicked, this, [this] { stopRequested_ = true; });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addStretch();
  buttons->addWidget(start_);
  buttons->addWidget(stop_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(source);
  layout->addWidget(type);
  layout->addLayout(buttons);
  layout->addLayout(figures);
  layout->addWidget(new QLabel(ToQString("Texto Escrito com Predi\xE7\xE3o"), this));
  layout->addWidget(written_);
  layout->addWidget(progress_);
  layout->addWidget(CloseButton(*this));
  SetRunning(false);
}

QRadioButton& QtSimulatorDialog::TypeChoice(SimulationType type) {
  return *types_.at(static_cast<std::size_t>(type) - 1);
}

SimulationRequest QtSimulatorDialog::Request() const {
  SimulationRequest request;
  request.source = clipboard_->isChecked() ? SimulationSource::kClipboard : SimulationSource::kFile;
  request.filePath = FromQString(path_->text());
  for (std::size_t i = 0; i < types_.size(); ++i) {
    if (types_[i]->isChecked()) request.type = static_cast<SimulationType>(i + 1);
  }
  request.saveResults = save_->isChecked();
  return request;
}

void QtSimulatorDialog::ChooseFile() {
  const QString path =
      QFileDialog::getOpenFileName(this, ToQString("Texto a Simular"), QString(),
                                   ToQString("Ficheiros de texto (*.txt);;Todos os ficheiros (*)"));
  if (path.isEmpty()) return;
  path_->setText(path);
  file_->setChecked(true);
}

void QtSimulatorDialog::StartSimulation() {
  if (running_) return;
  SetRunning(true);
  session_.Run(Request(), *this);
  SetRunning(false);
}

void QtSimulatorDialog::SetRunning(bool running) {
  running_ = running;
  stopRequested_ = false;
  start_->setEnabled(!running);
  stop_->setEnabled(running);
}

void QtSimulatorDialog::Started(int64_t totalWords) {
  const int64_t limit = std::numeric_limits<int>::max();
  progress_->setRange(0, static_cast<int>(std::clamp<int64_t>(totalWords, 0, limit)));
  progress_->setValue(0);
}

void QtSimulatorDialog::RunStarted(int run, int runs) {
  written_->clear();
  setWindowTitle(ToQString("Simulador de Predi\xE7\xE3o de Palavras") +
                 QString(" (%1/%2)").arg(run).arg(runs));
}

bool QtSimulatorDialog::WordSimulated(std::string_view word, const SimulationFigures& figures) {
  const auto labelled = LabelledFigures(figures);
  for (std::size_t i = 0; i < labelled.size() && i < values_.size(); ++i) {
    values_[i]->setText(ToQString(labelled[i].second));
  }
  written_->moveCursor(QTextCursor::End);
  written_->insertPlainText(ToQString(word) + " ");
  if (progress_->value() < progress_->maximum()) progress_->setValue(progress_->value() + 1);
  // The runs hold the user-interface thread: let the dialog draw and hear
  // "Parar" between words.
  QCoreApplication::processEvents();
  return !stopRequested_;
}

void QtSimulatorDialog::reject() {
  if (running_) {
    stopRequested_ = true;
    return;
  }
  QDialog::reject();
}

}  // namespace vorelio
