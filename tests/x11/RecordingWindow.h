// A plain X client of the tests: one top-level window, given the input
// focus, that records the text it receives (through the input method of
// Xlib, which composes dead keys with the locale's compose table), the keys
// and the mouse clicks that reach it. It may open more top-level windows;
// what reaches each of them is kept apart too.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <chrono>
#include <clocale>
#include <map>
#include <string>

#include "common/Text.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/X11Windows.h"

namespace vorelio::testing {

class RecordingWindow {
 public:
  explicit RecordingWindow(const char* displayName) : display_(displayName) {
    if (!display_.IsOpen()) return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
    XSetLocaleModifiers("@im=none");
    Display* display = display_.Get();
    window_ = XCreateSimpleWindow(display, display_.Root(), 0, 0, 300, 200, 0, 0, 0xFFFFFF);
    XSelectInput(display, window_,
                 KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                     ExposureMask | FocusChangeMask);
    XMapRaised(display, window_);
    XSync(display, False);
    method_ = XOpenIM(display, nullptr, nullptr, nullptr);
    if (method_ != nullptr) {
      context_ = XCreateIC(method_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                           XNClientWindow, window_, XNFocusWindow, window_, nullptr);
    }
    Focus();
  }
  ~RecordingWindow() {
    if (context_ != nullptr) XDestroyIC(context_);
    if (method_ != nullptr) XCloseIM(method_);
  }

  // What reached one window.
  struct Received {
    std::string text;  // Windows-1252
    int keyPresses = 0;
    int buttonPresses = 0;
  };

  Window Id() const { return window_; }
  uint32_t Client() const { return x11::ClientOfWindow(display_.Get(), window_); }
  Display* Connection() const { return display_.Get(); }
  // Another top-level window of this client, 300 x 200 at (x, y), created
  // and mapped (under a window manager it may be framed later), not
  // focused.
  Window OpenWindow(int x, int y) {
    Display* display = display_.Get();
    const Window window = XCreateSimpleWindow(display, display_.Root(), x, y, 300, 200, 0, 0,
                                              0xFFFFFF);
    XSelectInput(display, window, KeyPressMask | ButtonPressMask | FocusChangeMask);
    XMapRaised(display, window);
    XSync(display, False);
    return window;
  }
  void Focus() { Focus(window_); }
  void Focus(Window window) {
    // Mapping takes effect asynchronously; focus a viewable window only.
    for (int attempt = 0; attempt < 100; ++attempt) {
      XWindowAttributes attributes;
      XGetWindowAttributes(display_.Get(), window, &attributes);
      if (attributes.map_state == IsViewable) break;
      Pump(10);
    }
    XSetInputFocus(display_.Get(), window, RevertToParent, CurrentTime);
    XSync(display_.Get(), False);
  }
  const Received& ReceivedBy(Window window) { return received_[window]; }
  void Destroy() {
    XDestroyWindow(display_.Get(), window_);
    XSync(display_.Get(), False);
  }

  // Reads the events that arrive within `milliseconds`.
  void Pump(int milliseconds) {
    Display* display = display_.Get();
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (display_.IsAlive()) {
      while (XPending(display) > 0) Handle();
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          end - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      pollfd wait{ConnectionNumber(display), POLLIN, 0};
      poll(&wait, 1, static_cast<int>(left.count()));
    }
  }

  // What reached all the windows.
  std::string text;  // Windows-1252
  int keyPresses = 0;
  int buttonPresses = 0;

 private:
  void Handle() {
    XEvent event;
    XNextEvent(display_.Get(), &event);
    if (XFilterEvent(&event, None)) return;  // a dead key, taken by the input method
    Received& window = received_[event.xany.window];
    if (event.type == ButtonPress) {
      ++buttonPresses;
      ++window.buttonPresses;
    }
    if (event.type != KeyPress) return;
    ++keyPresses;
    ++window.keyPresses;
    char buffer[32] = {};
    KeySym symbol = 0;
    int length = 0;
    if (context_ != nullptr && event.xkey.window == window_) {
      Status status = 0;
      length = Xutf8LookupString(context_, &event.xkey, buffer, sizeof buffer - 1, &symbol,
                                 &status);
    } else {
      length = XLookupString(&event.xkey, buffer, sizeof buffer - 1, &symbol, nullptr);
    }
    const std::string typed =
        Utf8ToCp1252(std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0));
    text += typed;
    window.text += typed;
  }

  x11::X11Display display_;
  Window window_ = None;
  XIM method_ = nullptr;
  XIC context_ = nullptr;
  std::map<Window, Received> received_;
};

}  // namespace vorelio::testing
