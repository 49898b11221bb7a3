#include "platform/x11/X11Windows.h"

// Before Xlibint.h, whose min and max macros break it.
#include <algorithm>
#include <cstdio>

#include <X11/Xatom.h>
#include <X11/Xlibint.h>  // the connection's resource mask
#include <unistd.h>

namespace vorelio::x11 {
namespace {

Window ParentOf(Display* display, Window window, Window& root) {
  Window parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return None;
  if (children != nullptr) XFree(children);
  return parent;
}

// Calls use(data, count) with a window property of the type and format (8 or
// 32 bits), at most `most` 32-bit units of it; false when it is absent or of
// another type or format.
template <class Use>
bool ReadProperty(Display* display, Window window, Atom property, Atom type, int format,
                  long most, Use use) {
  Atom actualType = None;
  int actualFormat = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (property == None ||
      XGetWindowProperty(display, window, property, 0, most, False, type, &actualType,
                         &actualFormat, &count, &remaining, &data) != Success) {
    return false;
  }
  const bool found = data != nullptr && actualType == type && actualFormat == format;
  if (found) use(data, count);
  if (data != nullptr) XFree(data);
  return found;
}

// The 32-bit items (at most `most`) of a window property of the type; false
// when it is absent or of another type.
bool ReadItems(Display* display, Window window, Atom property, Atom type, long most,
               std::vector<unsigned long>& items) {
  return ReadProperty(display, window, property, type, 32, most,
                      [&items](const unsigned char* data, unsigned long count) {
                        const auto* values = reinterpret_cast<const unsigned long*>(data);
                        items.assign(values, values + count);
                      });
}

// The first item of a 32-bit window property; false when absent.
bool ReadCardinal(Display* display, Window window, const char* name, Atom type,
                  unsigned long& value) {
  std::vector<unsigned long> items;
  if (!ReadItems(display, window, XInternAtom(display, name, True), type, 1, items) ||
      items.size() != 1) {
    return false;
  }
  value = items[0];
  return true;
}

std::vector<Window> Children(Display* display, Window window) {
  Window root = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return {};
  std::vector<Window> result(children, children + count);
  if (children != nullptr) XFree(children);
  return result;
}

bool HasProperty(Display* display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const bool read = XGetWindowProperty(display, window, property, 0, 0, False, AnyPropertyType,
                                       &type, &format, &items, &remaining, &data) == Success;
  if (data != nullptr) XFree(data);
  return read && type != None;
}

// Frames deeper than this are not looked into.
constexpr int kFrameDepth = 8;

// The client windows (those with WM_STATE) inside a window manager's frame.
void CollectClientWindows(Display* display, Window frame, Atom wmState, int depth,
                          std::vector<unsigned long>& found) {
  for (const Window child : Children(display, frame)) {
    if (HasProperty(display, child, wmState)) {
      found.push_back(child);
    } else if (depth < kFrameDepth) {
      CollectClientWindows(display, child, wmState, depth + 1, found);
    }
  }
}

}  // namespace

bool ReadTextProperty(Display* display, Window window, Atom property, Atom type,
                      std::string& text) {
  return ReadProperty(display, window, property, type, 8, 1024,
                      [&text](const unsigned char* data, unsigned long count) {
                        text.assign(reinterpret_cast<const char*>(data), count);
                      });
}

std::vector<Window> TopLevelsOfClient(Display* display, uint32_t client) {
  std::vector<Window> windows;
  const auto add = [&](Window window) {
    if (ClientOfWindow(display, window) == client &&
        std::find(windows.begin(), windows.end(), window) == windows.end()) {
      windows.push_back(window);
    }
  };
  const Window root = DefaultRootWindow(display);
  const std::vector<Window> rootChildren = Children(display, root);
  for (const Window window : rootChildren) add(window);
  std::vector<unsigned long> listed;
  if (ReadItems(display, root, XInternAtom(display, "_NET_CLIENT_LIST", True), XA_WINDOW, 65536,
                listed)) {
    for (const unsigned long window : listed) add(window);
    return windows;
  }
  const Atom wmState = XInternAtom(display, "WM_STATE", True);
  if (wmState == None) return windows;  // no window manager ever marked one
  for (const Window window : rootChildren) {
    if (ClientOfWindow(display, window) == client || HasProperty(display, window, wmState)) {
      continue;  // a client's own window, not a frame
    }
    CollectClientWindows(display, window, wmState, 1, listed);
  }
  for (const unsigned long window : listed) add(window);
  return windows;
}

uint32_t ClientOfWindow(Display* display, Window window) {
  if (window == None) return 0;
  return static_cast<uint32_t>(window & ~display->resource_mask);
}

Window ClientTopLevel(Display* display, Window window) {
  if (window == None) return None;
  const uint32_t client = ClientOfWindow(display, window);
  Window root = None;
  for (int depth = 0; depth < 64; ++depth) {  // a tree deeper than this is not followed
    const Window parent = ParentOf(display, window, root);
    if (parent == None || parent == root || ClientOfWindow(display, parent) != client) {
      return window;
    }
    window = parent;
  }
  return window;
}

Window FocusedTopLevel(Display* display) {
  unsigned long active = None;
  if (ReadCardinal(display, DefaultRootWindow(display), "_NET_ACTIVE_WINDOW", XA_WINDOW,
                   active) &&
      active != None) {
    return static_cast<Window>(active);
  }
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  if (focus == None || focus == PointerRoot || focus == DefaultRootWindow(display)) return None;
  return ClientTopLevel(display, focus);
}

Window WindowUnderPointer(Display* display, int& rootX, int& rootY) {
  Window window = DefaultRootWindow(display);
  Window deepest = None;
  for (int depth = 0; depth < 64; ++depth) {
    Window root = None;
    Window child = None;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    if (XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &mask) == 0 ||
        child == None) {
      break;
    }
    deepest = child;
    window = child;
  }
  return deepest;
}

int ProcessOfWindow(Display* display, Window window) {
  unsigned long process = 0;
  if (window == None) return 0;
  if (ReadCardinal(display, window, "_NET_WM_PID", XA_CARDINAL, process)) {
    return static_cast<int>(process);
  }
  const Window topLevel = ClientTopLevel(display, window);
  if (topLevel != window && ReadCardinal(display, topLevel, "_NET_WM_PID", XA_CARDINAL, process)) {
    return static_cast<int>(process);
  }
  return 0;
}

void ExecutablePathOfProcess(int process, char* path, std::size_t size) {
  if (size == 0) return;
  path[0] = '\0';
  if (process <= 0 || size < 2) return;
  char link[32];
  std::snprintf(link, sizeof link, "/proc/%d/exe", process);
  const ssize_t length = readlink(link, path, size - 1);
  path[length > 0 ? length : 0] = '\0';
}

}  // namespace vorelio::x11
