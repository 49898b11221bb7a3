// The controller on the simulated desktop: a fake application in front, a
// small dictionary, abbreviations and keyboards in a temporary data folder,
// the hook library and the generic target for real, a manual clock for the
// 100 ms timer, and recorders for speech, the windows and started programs.
#pragma once

#include "FakeEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/PredarinView.h"
#include "logging/EventCatalogue.h"
#include "output/HookLibrary.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MessageNumbers.h"
#include "platform/sim/RecordingProgramLauncher.h"
#include "speech/sim/RecordingSpeechEngine.h"
#include "testsupport/SimDesktop.h"

namespace vorelio::testing {

// The desktop's focused application, or the program's own window.
class SimForeground final : public ForegroundWatch {
 public:
  explicit SimForeground(sim::SimDesktop& desktop) : desktop_(desktop) {}
  ForegroundWindow Foreground() override {
    if (programInFront) return {kProgramWindow, true, "Vorelio V3.0"};
    const WindowHandle window = desktop_.Foreground();
    return {window, false, window == 0 ? std::string() : desktop_.Application(window).title};
  }
  static constexpr DesktopWindow kProgramWindow = 0xF00D;
  bool programInFront = false;

 private:
  sim::SimDesktop& desktop_;
};

class RecordingMainWindow final : public MainWindow {
 public:
  void UnlockMenu() override { ++unlocks; }
  void LayOut() override { ++layouts; }
  ScreenRect Frame() override { return frame; }
  ScreenRect Desktop() override { return {0, 0, 1000, 800}; }
  void MoveTo(ScreenPoint topLeft) override {
    moves.push_back(topLeft);
    frame = {topLeft.x, topLeft.y, topLeft.x + 300, topLeft.y + 200};
  }
  ScreenPoint KeyboardOrigin() override { return {10, 20}; }
  void SetTitle(std::string_view title) override { titles.emplace_back(title); }
  CWordProcessor* RenewMessageEditor(bool wanted) override {
    ++editorRenewals;
    return wanted ? editor : nullptr;
  }
  void Close() override { ++closes; }
  CWordProcessor* editor = nullptr;  // what RenewMessageEditor gives when wanted
  int editorRenewals = 0;
  int unlocks = 0;
  int layouts = 0;
  int closes = 0;
  std::vector<std::string> titles;
  std::vector<ScreenPoint> moves;
  ScreenRect frame{0, 0, 300, 200};
};

class RecordingPreview final : public PreviewWindow {
 public:
  void Show(std::string_view text, std::optional<ScreenPoint> caret) override {
    shown.emplace_back(text);
    at = caret;
    visible = true;
  }
  void Hide() override { visible = false; }
  bool IsVisible() const override { return visible; }
  std::vector<std::string> shown;
  std::optional<ScreenPoint> at;
  bool visible = false;
};

class RecordingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// Takes the outputs that are actions, in place of the controller's runner.
class RecordingKeyActions final : public KeyActionHandler {
 public:
  bool Run(const KeyOutput& output, KeyTrigger trigger,
           const COnScreenKeyIdentifier& key) override {
    if (output.kind == KeyOutputKind::kText || output.kind == KeyOutputKind::kPictogram) {
      return false;
    }
    const std::string how = OnScreenKeyAction(trigger, KeyAction::kTextKeySelection, {}, {}).event;
    runs.push_back(output.value + " | " + how + " | " + key.Text());
    return true;
  }
  std::vector<std::string> runs;
};

// Keys of the test keyboard "Teste".
inline const COnScreenKeyIdentifier kWordKey1{0, 0, 0};
inline const COnScreenKeyIdentifier kWordKey2{0, 0, 1};
inline const COnScreenKeyIdentifier kWordKey3{0, 0, 2};
inline const COnScreenKeyIdentifier kSentenceKey1{0, 1, 0};
inline const COnScreenKeyIdentifier kLetterKey{1, 0, 0};
inline const COnScreenKeyIdentifier kShiftKey{1, 0, 1};
inline const COnScreenKeyIdentifier kExpandKey{1, 0, 2};
inline const COnScreenKeyIdentifier kLinkKey{1, 0, 3};
inline const COnScreenKeyIdentifier kSequenceKey{1, 0, 4};
inline const COnScreenKeyIdentifier kInactiveKey{1, 0, 5};
inline const COnScreenKeyIdentifier kBreadKey{1, 0, 6};
inline const COnScreenKeyIdentifier kPictogramKey{2, 0, 0};
inline const COnScreenKeyIdentifier kPictogramSentenceKey{2, 0, 1};

inline constexpr uint8_t kF1 = 112;
inline constexpr uint8_t kF11 = 122;
inline constexpr uint8_t kTab = 9;
inline constexpr uint8_t kNum5 = 101;
inline constexpr uint8_t kBackspace = 8;

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest() {
    // Words by general frequency: com 200, como 100, casa 80, bom 70,
    // dia 60, computador 50, comer 40, olá 30, the pictogram [pão] 20,
    // pão 10; no pairs.
    folder.Write("geral.pal",
                 "[p\xE3o] 20\n___ 10\nbom 70\ncasa 80\ncom 200\ncomer 40\ncomo 100\n"
                 "computador 50\ndia 60\nol\xE1 30\np\xE3o 10\n");
    folder.Write("geral.frs", "[bom]|[dia] 3\nbom|dia. 10\nbom|dia|a|todos 5\n");
    for (const char* name : {"geral.par", "geral.cg", "geral.pcg", "geral.paf", "generico.pal",
                             "generico.par", "generico.frs", "generico.paf"}) {
      folder.Write(name, "");
    }
    folder.Write("generico.abr", "mrd Rua das Flores\n");
    folder.Write(
        "Teste.tec",
        "LINHA Sugestoes\nGRUPO Palavras\nTECLA TECLA_PREDICAO\nTECLA TECLA_PREDICAO\n"
        "TECLA TECLA_PREDICAO\nGRUPO Frases\nTECLA TECLA_PREDICAO_FRASE\n"
        "TECLA TECLA_PREDICAO_FRASE\n"
        "LINHA Teclas\nGRUPO Letras\n"
        "TECLA TECLA_NORMAL a letra;;;a a 1\n"
        "TECLA TECLA_NORMAL Shift mai\xFAsculas Shift 1\n"
        "TECLA TECLA_NORMAL Expandir expandir Tab 1\n"
        "TECLA TECLA_NORMAL Frases outro;;;teclado Frases.TEC 1\n"
        "TECLA TECLA_NORMAL Copiar copiar {Ctrl+c} 1\n"
        "TECLA TECLA_NORMAL Nada nada x 0\n"
        "TECLA TECLA_IMAGEM CAT_IMG_Comida\\p\xE3o.bmp p\xE3o CAT_IMG_Comida\\p\xE3o.bmp 1\n"
        "LINHA Pictogramas\nGRUPO Imagens\nTECLA TECLA_PREDICAO_IMAGEM\n"
        "TECLA TECLA_PREDICAO_FRASE_IMAGENS\n");
    folder.Write("Frases.tec",
                 "LINHA Frases\nGRUPO g\nTECLA TECLA_NORMAL Voltar voltar Teste.tec 1\n");
    std::filesystem::create_directory(folder.File("CAT_IMG_Comida"));
    folder.Write("CAT_IMG_Comida/p\xC3\xA3o.bmp", "");
    desktop.Focus(application);
  }
  ~ControllerTest() override {
    view.reset();
    loop.DispatchPending();
  }

  // Writes the profile "generico" with the fixture's options and `changes`,
  // opens it, and lets the timer choose the application in front.
  void Start(const std::map<std::string, std::string>& changes = {}) {
    std::map<std::string, std::string> options = {
        {"NOME_TECLADO", "Teste"},           {"NOME_SINTETIZADOR_FALA", "Voz"},
        {"TEMPO_DE_PREDICAO", "300"},        {"TECLAS_COMPLETAR", "112"},
        {"ADAPTACAO_UTILIZADOR", "1"},       {"REGISTAR_EVENTOS", "1"},
        {"SOM_INICIAL_REGISTO_EVENTOS", "0"}};
    for (const auto& [key, value] : changes) options[key] = value;
    std::string file;
    for (const auto& [key, value] : options) file += key + " " + value + "\n";
    folder.Write("generico.cfg", file);
    view = std::make_unique<CPredarinView>(
        PredarinServices{loop, DiskFiles(), messages, clock, folder.Path(), speechEngine, desktop,
                         desktop, hooks, foreground, mainWindow, preview, beeper, launcher});
    view->OpenProfile("generico");
    Tick(6);  // the window in front gets its target after 500 ms
    ASSERT_NE(view->Target(), nullptr);
  }

  // Makes `editor` the program's message editor and brings the program's
  // window to the front, so that the editor becomes the target.
  void PutEditorInFront(CWordProcessor& editor) {
    mainWindow.editor = &editor;
    view->SetInternalEditor(&editor);
    foreground.programInFront = true;
    view->FocusChanged();
    Tick(6);
    ASSERT_EQ(view->Target(), &editor);
  }
  // Brings the application back to the front as its target.
  void PutApplicationInFront() {
    foreground.programInFront = false;
    view->FocusChanged();
    Tick(6);
    ASSERT_NE(view->Target(), nullptr);
    ASSERT_EQ(view->Target()->GetTargetWindow(), application);
  }

  // Lists the second profile, "ana", with `options` and empty vocabulary.
  void AddProfileAna(std::string_view options) {
    folder.Write("utils", "ana\n");
    for (const char* name : {"ana.pal", "ana.par", "ana.frs", "ana.paf", "ana.abr"}) {
      folder.Write(name, "");
    }
    folder.Write("ana.cfg", std::string(options));
  }

  // Lets `ticks` periods of the 100 ms timer pass.
  void Tick(int ticks = 1) {
    for (int i = 0; i < ticks; ++i) {
      loopClock.Advance(100);
      loop.DispatchPending();
    }
  }
  void Pump() { loop.DispatchPending(); }
  void Type(std::string_view text) {
    desktop.TypeText(text);
    Pump();
  }
  void TapKey(uint8_t virtualKey) {
    desktop.TapKey(virtualKey);
    Pump();
  }
  // A switch held for one tick of the timer: swallowed in the application,
  // taken by scanning once it has stood for the latency of 0 ms.
  void Press(uint8_t switchKey) {
    desktop.PressKey(switchKey);
    Pump();
    Tick();
    desktop.ReleaseKey(switchKey);
    Pump();
  }
  // A left click on an on-screen key, as the keyboard widget passes it.
  void Click(const COnScreenKeyIdentifier& key) {
    view->Keyboard().Key(key)->Press(MouseButton::kLeft, {});
    Pump();
  }
  // Types and waits for the prediction delay.
  void TypeAndPause(std::string_view text) {
    Type(text);
    Tick(4);
  }

  const std::string& ApplicationText() const { return desktop.Application(application).text; }
  const std::string& Suggestion(const COnScreenKeyIdentifier& key) {
    return view->Keyboard().Key(key)->Suggestion();
  }
  // The texts spoken, without the space a voice says when it is selected.
  std::vector<std::string> Spoken() const {
    std::vector<std::string> texts;
    for (const std::string& line : speechEngine.Spoken()) {
      if (line != "Voz:  ") texts.push_back(line.substr(5));
    }
    return texts;
  }
  // The names of the event logs in the data folder.
  std::vector<std::string> LogFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      if (entry.path().extension() == ".log") names.push_back(entry.path().filename().string());
    }
    return names;
  }
  // The whole text of the event logs.
  std::string LogText() const {
    std::string text;
    for (const std::string& name : LogFiles()) text += folder.Read(name);
    return text;
  }
  // The body of the event log, each line without its time.
  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    for (const std::string& name : LogFiles()) {
      std::istringstream in(folder.Read(name));
      for (std::string line; std::getline(in, line);) {
        if (line.size() > 13 && line[2] == ':' && line[12] == ' ') lines.push_back(line.substr(13));
      }
    }
    return lines;
  }
  // The log lines that hold `part`.
  std::vector<std::string> LogLinesWith(std::string_view part) const {
    std::vector<std::string> found;
    for (const std::string& line : LogLines()) {
      if (line.find(part) != std::string::npos) found.push_back(line);
    }
    return found;
  }
  const WritingCounters& Counters() { return view->Metrics().Counters(); }
  int32_t UserWordFrequency(std::string_view word) {
    const CDictionaryWord entry = view->Dictionary()->FindWord(word);
    return entry.IsNone() ? 0 : entry->userFrequency;
  }

  TempFolder folder;
  ManualLoopClock loopClock;
  MessageLoop loop{loopClock};
  ManualClock clock;
  RecordingMessageBox messages;
  sim::SimDesktop desktop{messages};
  WindowHandle application = desktop.AddApplication("app1", "/usr/bin/editor", "Sem titulo");
  LinkedHookLibrary hooks;
  RecordingSpeechEngine speechEngine{{"Voz"}};
  SimForeground foreground{desktop};
  RecordingMainWindow mainWindow;
  // The message editor a test puts in front: it outlives the controller,
  // which reads its text as it ends.
  FakeEditor editor;
  RecordingPreview preview;
  RecordingBeeper beeper;
  RecordingProgramLauncher launcher;
  std::unique_ptr<CPredarinView> view;
};

}  // namespace vorelio::testing
