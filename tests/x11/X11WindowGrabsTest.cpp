// Special keys and captured clicks never reach a window of the hooked client
// that opened after the hook started, nor one that a reparenting window
// manager nests deep in its frames. Skipped when Xvfb cannot start.
#include "tests/x11/X11DesktopFixture.h"

#include <X11/Xatom.h>

#include <chrono>
#include <vector>

#include "output/Keyboard.h"
#include "platform/x11/X11Display.h"

namespace vorelio {
namespace {

using testing::X11Desktop;

// A stand-in for a reparenting window manager: frames of its own nested in
// one another, the client's window in the innermost.
class NestingWindowManager {
 public:
  explicit NestingWindowManager(const char* displayName) : connection_(displayName) {}
  ~NestingWindowManager() {
    XDeleteProperty(connection_.Get(), connection_.Root(), ClientList());
    XSync(connection_.Get(), False);
  }

  // Puts the window `depth` frames deep, the outer frame at (x, y), and
  // marks it as a client window (WM_STATE, NormalState) when asked.
  void Frame(Window client, int depth, int x, int y, bool markState) {
    Display* display = connection_.Get();
    Window parent = connection_.Root();
    for (int level = 0; level < depth; ++level) {
      const Window frame = XCreateSimpleWindow(display, parent, level == 0 ? x : 0,
                                               level == 0 ? y : 0, 300, 200, 0, 0, 0xCCCCCC);
      XMapWindow(display, frame);
      parent = frame;
    }
    XReparentWindow(display, client, parent, 0, 0);
    if (markState) {
      const Atom wmState = XInternAtom(display, "WM_STATE", False);
      long state[2] = {1, None};
      XChangeProperty(display, client, wmState, wmState, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(state), 2);
    }
    XMapWindow(display, client);
    XSync(display, False);
  }
  // Announces the client windows in _NET_CLIENT_LIST, as EWMH managers do.
  void ListClients(std::vector<Window> clients) {
    std::vector<long> list(clients.begin(), clients.end());
    XChangeProperty(connection_.Get(), connection_.Root(), ClientList(), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(list.data()),
                    static_cast<int>(list.size()));
    XSync(connection_.Get(), False);
  }

 private:
  Atom ClientList() { return XInternAtom(connection_.Get(), "_NET_CLIENT_LIST", False); }

  x11::X11Display connection_;
};

class X11WindowGrabs : public X11Desktop {
 protected:
  // Waits (at most 5 s) until the hook follows the window. The hook grabs
  // on a window before it selects the window's structure events, and every
  // client sees the events selected on a window: once they show, the grabs
  // are made.
  void WaitUntilFollowed(Window window) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
      XWindowAttributes attributes;
      if (XGetWindowAttributes(client_->Connection(), window, &attributes) != 0 &&
          (attributes.all_event_masks & StructureNotifyMask) != 0) {
        return;
      }
      client_->Pump(10);
    }
  }

  // With Z special and the buttons captured: the window is focused, clicked
  // at the screen point (x, y) and typed "za" into, in this order, so that
  // the click and the special key are the first things it would get.
  void ExpectSwallowedIn(Window window, int x, int y) {
    client_->Focus(window);
    Click(1, x, y);
    CKeyboard keyboard(*sink_);
    keyboard.TypeText("za");
    Settle();
    const testing::RecordingWindow::Received& received = client_->ReceivedBy(window);
    EXPECT_EQ(received.buttonPresses, 0);
    EXPECT_EQ(received.text, "a");
    EXPECT_EQ(handler_.Count(WM_HOOK_LEFT_BUTTON_DOWN), 1);
    EXPECT_EQ(handler_.KeysDown(), (std::vector<std::uintptr_t>{'Z', 'A'}));
  }
  void SwallowZAndClicks() {
    AddSpecialKey('Z');
    AddMouseButtons();
  }
};

TEST_F(X11WindowGrabs, AWindowTheClientOpensAfterTheHookStartedIsGrabbedAtOnce) {
  Hook();
  SwallowZAndClicks();
  const Window dialog = client_->OpenWindow(320, 0);
  WaitUntilFollowed(dialog);
  ExpectSwallowedIn(dialog, 400, 50);
}

TEST_F(X11WindowGrabs, AWindowFramedThreeDeepAfterTheHookStartedIsGrabbed) {
  NestingWindowManager manager(server_->Name());
  Hook();
  SwallowZAndClicks();
  const Window dialog = client_->OpenWindow(0, 0);
  manager.Frame(dialog, 3, 320, 240, true);
  WaitUntilFollowed(dialog);
  ExpectSwallowedIn(dialog, 400, 290);
}

TEST_F(X11WindowGrabs, AClientWindowThreeFramesDeepIsFoundByItsWmState) {
  NestingWindowManager manager(server_->Name());
  const Window framed = client_->OpenWindow(0, 0);
  manager.Frame(framed, 3, 320, 240, true);
  Hook();
  SwallowZAndClicks();
  ExpectSwallowedIn(framed, 400, 290);
}

TEST_F(X11WindowGrabs, AClientWindowThreeFramesDeepIsFoundInTheClientList) {
  NestingWindowManager manager(server_->Name());
  const Window framed = client_->OpenWindow(0, 0);
  manager.Frame(framed, 3, 320, 240, false);
  manager.ListClients({client_->Id(), framed});
  Hook();
  SwallowZAndClicks();
  ExpectSwallowedIn(framed, 400, 290);
}

TEST_F(X11WindowGrabs, WindowsOfOtherClientsAreNeverGrabbed) {
  Hook();
  SwallowZAndClicks();
  testing::RecordingWindow other(server_->Name());
  const Window window = other.OpenWindow(320, 0);
  other.Focus(window);
  Click(1, 400, 50);
  CKeyboard keyboard(*sink_);
  keyboard.TypeText("za");
  Settle();
  other.Pump(50);
  EXPECT_EQ(other.ReceivedBy(window).buttonPresses, 1);
  EXPECT_EQ(other.ReceivedBy(window).text, "za");
  EXPECT_TRUE(handler_.posted.empty());
}

}  // namespace
}  // namespace vorelio
