// predarin as a person uses it: started on a display, writing into another
// X11 application with the suggestions it follows there, one copy per
// session, and its files saved when the session ends it.
#include "tests/program/ProgramFixture.h"

#include <X11/extensions/XTest.h>

#include <cctype>

#include "output/Keyboard.h"
#include "output/x11/X11KeystrokeSink.h"

namespace vorelio {
namespace {

using testing::RecordingWindow;
using testing::RunningProgram;

constexpr uint8_t kF1 = 112;

TEST_F(RunningProgram, WritesTheChosenSuggestionIntoTheApplicationInFront) {
  SetProfileOptions({{"TECLAS_COMPLETAR", "112"},  // F1 to F10 choose the suggestions
                     {"TEMPO_DE_PREDICAO", "200"},
                     {"REGISTAR_EVENTOS", "1"},
                     {"NOME_SINTETIZADOR_FALA", "Nenhum"}});
  RecordingWindow application(server_->Name());
  const pid_t program = StartProgram();
  const DesktopWindow window = WaitForMainWindow(&application);
  ASSERT_NE(window, 0u) << "the main window never showed";
  X11Foreground desktop(server_->Name());
  EXPECT_EQ(desktop.Title(window), "Vorelio V3.0: generico (QwertySimples) (Logging Ligado)");

  // The application in front becomes the target half a second after the
  // focus moved to it.
  application.Focus();
  application.Pump(1200);
  X11KeystrokeSink keys(server_->Name());
  CKeyboard keyboard(keys);
  keyboard.TypeText("obrig");
  application.Pump(1000);  // past the prediction delay
  keys.SendKeyEvent(kF1, true);
  keys.SendKeyEvent(kF1, false);
  application.Pump(1500);

  // The suggestion's missing letters and a space were typed into it; the
  // program kept F1 for itself.
  EXPECT_EQ(application.text.rfind("obrig", 0), 0u) << application.text;
  EXPECT_GT(application.text.size(), std::string("obrig ").size()) << application.text;
  EXPECT_EQ(application.text.back(), ' ') << application.text;
  EXPECT_EQ(application.text.find_first_of("\t\r\n"), std::string::npos);

  EXPECT_EQ(Stop(program), 0);
  const std::string log = EventLogs();
  EXPECT_NE(log.find("PREDICTED_WORD_SELECTION"), std::string::npos);
  const std::string word = application.text.substr(0, application.text.size() - 1);
  EXPECT_NE(log.find("WORD_" + word), std::string::npos) << word;
}

TEST_F(RunningProgram, WritesTheChosenSuggestionIntoItsOwnMessageEditor) {
  SetProfileOptions({{"TECLAS_COMPLETAR", "112"},
                     {"TEMPO_DE_PREDICAO", "200"},
                     {"REGISTAR_EVENTOS", "1"},
                     {"PROCESSADOR_TEXTO_INTERNO", "1"},
                     {"NOME_SINTETIZADOR_FALA", "Nenhum"}});
  const pid_t program = StartProgram();
  const DesktopWindow window = WaitForMainWindow();
  ASSERT_NE(window, 0u) << "the main window never showed";
  // The person clicks into the program's window: its editor takes the keys.
  Display* person = XOpenDisplay(server_->Name());
  XSetInputFocus(person, window, RevertToParent, CurrentTime);
  XSync(person, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(1200));
  X11KeystrokeSink keys(server_->Name());
  CKeyboard keyboard(keys);
  keyboard.TypeText("obrig");
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  keys.SendKeyEvent(kF1, true);
  keys.SendKeyEvent(kF1, false);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  XCloseDisplay(person);

  EXPECT_EQ(Stop(program), 0);
  // The log ends with the editor's text: the completed word and its space.
  const std::string log = EventLogs();
  EXPECT_NE(log.find("WORD_PROCESSOR_CHANGE INTERNAL_WORD_PROCESSOR"), std::string::npos) << log;
  EXPECT_NE(log.find("PREDICTED_WORD_SELECTION"), std::string::npos);
  const std::size_t finalText = log.find("Linha_Texto_Final obrig");
  ASSERT_NE(finalText, std::string::npos) << log.substr(log.size() > 2000 ? log.size() - 2000 : 0);
  const std::string line = log.substr(finalText, log.find('\n', finalText) - finalText);
  EXPECT_GT(line.size(), std::string("Linha_Texto_Final obrig").size()) << line;
  EXPECT_EQ(line.back(), ' ') << line;
}

TEST_F(RunningProgram, AClickOnAKeyTypesIntoTheApplicationAndLeavesItTheFocus) {
  // No message editor: the window never takes the focus.
  SetProfileOptions({{"PROCESSADOR_TEXTO_INTERNO", "0"},
                     {"MOSTRAR_BARRAS_JANELA", "0"},
                     {"REGISTAR_EVENTOS", "1"},
                     {"NOME_SINTETIZADOR_FALA", "Nenhum"}});
  RecordingWindow application(server_->Name());
  const pid_t program = StartProgram();
  const DesktopWindow window = WaitForMainWindow(&application);
  ASSERT_NE(window, 0u) << "the main window never showed";
  application.Focus();
  application.Pump(1200);

  // A letter of QwertySimples: its third line of letters, left of the middle.
  Display* person = XOpenDisplay(server_->Name());
  Window root = 0;
  int x = 0;
  int y = 0;
  unsigned int width = 0;
  unsigned int height = 0;
  unsigned int border = 0;
  unsigned int depth = 0;
  XGetGeometry(person, window, &root, &x, &y, &width, &height, &border, &depth);
  XTestFakeMotionEvent(person, -1, x + static_cast<int>(width * 0.3),
                       y + static_cast<int>(height * 0.55), CurrentTime);
  XTestFakeButtonEvent(person, 1, True, CurrentTime);
  XTestFakeButtonEvent(person, 1, False, CurrentTime);
  XSync(person, False);
  application.Pump(1000);
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(person, &focus, &revert);
  XCloseDisplay(person);

  EXPECT_EQ(focus, application.Id()) << "the click took the focus";
  ASSERT_EQ(application.text.size(), 1u) << application.text;
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(application.text[0]))) << application.text;
  EXPECT_EQ(Stop(program), 0);
  const std::string log = EventLogs();
  EXPECT_NE(log.find("LEFT_MOUSE_DOWN_KEY TEXT_KEY_SELECTION"), std::string::npos);
  EXPECT_NE(log.find("CHAR_" + application.text), std::string::npos);
}

TEST_F(RunningProgram, ASecondCopyEndsAtOnceAndTheFirstGoesOn) {
  const pid_t first = StartProgram();
  ASSERT_NE(WaitForMainWindow(), 0u);
  const pid_t second = StartProgram();
  EXPECT_EQ(testing::ReapProgram(second, 10000), 0);
  Forget(second);
  EXPECT_EQ(kill(first, 0), 0) << "the first copy ended";
  // The first start filled the data folder from the installation folder.
  EXPECT_TRUE(std::filesystem::exists(DataFolder() + "/generico.cfg"));
  EXPECT_TRUE(std::filesystem::exists(DataFolder() + "/QwertySimples.tec"));
  EXPECT_EQ(Stop(first), 0);
}

}  // namespace
}  // namespace vorelio
