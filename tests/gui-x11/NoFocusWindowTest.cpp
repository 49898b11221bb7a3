// Under a private Xvfb: the on-screen keyboard widget in a window made with
// KeepFocusAway posts the presses of its keys when clicked while a plain X
// client keeps the input focus, so that what the user types still reaches
// the client. An ordinary Qt window takes the focus, which shows that the
// check can fail.
//
// Without a window manager by default. VORELIO_TEST_WINDOW_MANAGER may name
// one to run on the server first (such as "openbox --sm-disable"): the
// checks hold with it too.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "gui/KeyboardPainter.h"
#include "gui/NoFocusWindow.h"
#include "gui/OnScreenKeyboardWidget.h"
#include "keyboards/KeyboardPresentation.h"
#include "keyboards/OnScreenKeyboard.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"
#include "profiles/UserProfileOptions.h"

// X11 last: Xlib defines None, Bool, Status...
#include "tests/x11/RecordingWindow.h"
#include "tests/x11/XvfbServer.h"

#include <X11/extensions/XTest.h>

namespace vorelio::testing {
namespace {

// The controller's window: the WM_KEY_PRESSED it receives (position, button).
class PressedKeys final : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    if (message == WM_KEY_PRESSED) pressed.emplace_back(wParam, lParam);
  }
  std::vector<std::pair<std::uintptr_t, std::intptr_t>> pressed;
};

class NoFocusWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new XvfbServer();
    if (!server_->IsRunning()) return;
    setenv("DISPLAY", server_->Name(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (const char* manager = getenv("VORELIO_TEST_WINDOW_MANAGER")) StartWindowManager(manager);
    application_ = new QApplication(argc_, argv_);
  }
  static void TearDownTestSuite() {
    delete application_;
    application_ = nullptr;
    if (manager_ > 0) {
      kill(manager_, SIGTERM);
      waitpid(manager_, nullptr, 0);
    }
    delete server_;
    server_ = nullptr;
  }

  // Runs `command` on the server and waits (up to 10 s) until it has
  // announced itself as the window manager.
  static void StartWindowManager(const std::string& command) {
    const std::string line = "exec " + command;
    const char* arguments[] = {"sh", "-c", line.c_str(), nullptr};
    if (posix_spawnp(&manager_, "sh", nullptr, nullptr, const_cast<char* const*>(arguments),
                     environ) != 0) {
      manager_ = -1;
      return;
    }
    Display* display = XOpenDisplay(server_->Name());
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    for (int attempt = 0; attempt < 100; ++attempt) {
      int count = 0;
      Atom* properties = XListProperties(display, DefaultRootWindow(display), &count);
      bool announced = false;
      for (int i = 0; i < count; ++i) announced |= properties[i] == check;
      if (properties != nullptr) XFree(properties);
      if (announced) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    XCloseDisplay(display);
  }

  void SetUp() override {
    if (!server_->IsRunning()) GTEST_SKIP() << "Xvfb could not start: no X11 tests";
    client_ = std::make_unique<RecordingWindow>(server_->Name());
    display_ = XOpenDisplay(server_->Name());
    ASSERT_NE(display_, nullptr);
  }
  void TearDown() override {
    if (display_ != nullptr) XCloseDisplay(display_);
  }

  // Runs Qt's and the client's events until `done` holds; false when it
  // does not within 10 seconds.
  bool RunUntil(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      QApplication::processEvents(QEventLoop::AllEvents, 10);
      client_->Pump(10);
    }
    return true;
  }
  bool Shown(const QWidget& window) {
    return RunUntil(
        [&] { return window.windowHandle() != nullptr && window.windowHandle()->isExposed(); });
  }
  Window FocusedWindow() {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus;
  }
  // A left click at (x, y) of the screen, through XTEST as a user's would come.
  void Click(int x, int y) {
    XTestFakeMotionEvent(display_, 0, x, y, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
  }
  void Type(KeySym symbol) {
    const KeyCode key = XKeysymToKeycode(display_, symbol);
    XTestFakeKeyEvent(display_, key, True, CurrentTime);
    XTestFakeKeyEvent(display_, key, False, CurrentTime);
    XSync(display_, False);
  }

  static inline XvfbServer* server_ = nullptr;
  static inline pid_t manager_ = -1;
  static inline int argc_ = 1;
  static inline char name_[] = "gui_x11_tests";
  static inline char* argv_[] = {name_, nullptr};
  static inline QApplication* application_ = nullptr;
  std::unique_ptr<RecordingWindow> client_;
  Display* display_ = nullptr;
};

TEST_F(NoFocusWindowTest, ClickingAKeyOfTheKeyboardWidgetPostsItAndLeavesTheFocus) {
  SteadyLoopClock clock;
  MessageLoop loop(clock);
  PressedKeys controller;
  KeyboardEnvironment environment;
  environment.notificationWindow = loop.CreateWindow(controller);
  environment.presentation = PresentationOf(UserProfileOptions{}, "");
  COnScreenKeyboard keyboard(environment);
  keyboard.LoadContents(
      "LINHA letras\nGRUPO ab\n"
      "TECLA TECLA_NORMAL a letra;;;a a 1 -1 -1\n"
      "TECLA TECLA_NORMAL b letra;;;b b 1 -1 -1\n");
  QWidget window;
  const auto* widget = new OnScreenKeyboardWidget(keyboard, nullptr, &window);
  KeepFocusAway(window);
  window.setGeometry(400, 100, widget->width(), widget->height());
  window.show();
  ASSERT_EQ(FocusedWindow(), client_->Id());
  ASSERT_TRUE(Shown(window));
  EXPECT_EQ(FocusedWindow(), client_->Id()) << "showing the window took the focus";

  const COnScreenKeyIdentifier b{0, 0, 1};
  const QPoint onScreen = widget->mapToGlobal(ToQRect(keyboard.Key(b)->Rect()).center());
  Click(onScreen.x(), onScreen.y());
  ASSERT_TRUE(RunUntil([&] {
    loop.DispatchPending();
    return !controller.pressed.empty();
  }));
  EXPECT_EQ(controller.pressed,
            (std::vector<std::pair<std::uintptr_t, std::intptr_t>>{{b.Packed(), 0}}));
  EXPECT_EQ(FocusedWindow(), client_->Id());
  EXPECT_EQ(QApplication::focusWindow(), nullptr);
  Type(XK_a);
  EXPECT_TRUE(RunUntil([&] { return client_->text == "a"; })) << client_->text;
}

TEST_F(NoFocusWindowTest, AnOrdinaryWindowTakesTheFocusWhenClicked) {
  QWidget window;
  auto* button = new QPushButton("Tecla", &window);
  button->setGeometry(0, 0, 200, 100);
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
  window.setGeometry(400, 100, 200, 100);
  window.show();
  ASSERT_TRUE(Shown(window));
  client_->Focus();
  ASSERT_EQ(FocusedWindow(), client_->Id());
  Click(500, 150);
  ASSERT_TRUE(RunUntil([&] { return clicks == 1; }));
  EXPECT_TRUE(RunUntil([&] { return FocusedWindow() != client_->Id(); }));
}

}  // namespace
}  // namespace vorelio::testing
