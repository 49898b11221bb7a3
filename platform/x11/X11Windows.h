// Which X client a window belongs to, and the windows the program follows:
// the focused top-level window and the process behind it.
//
// The "thread" of the hook library's InitializeHook is, on X11, the X client
// that owns the target's top-level window: the window identifier's resource
// base (the identifier without the bits the server lets a client choose).
// Every window one connection creates shares it, so it stands for the
// application as Windows' thread identifier does, and two programs in one
// process (two connections) stay apart. 0 is no client.
#pragma once

#include <X11/Xlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorelio::x11 {

// An 8-bit text property of the window (up to 4 KB) as stored; false when
// it is absent or of another type.
bool ReadTextProperty(Display* display, Window window, Atom property, Atom type,
                      std::string& text);
// The client (resource base) of a window; 0 for None.
uint32_t ClientOfWindow(Display* display, Window window);
// The top-most ancestor of `window` created by the same client (a window
// manager's frame belongs to the window manager, so the climb stops below
// it); the window itself when it is top-level; None for None.
Window ClientTopLevel(Display* display, Window window);
// The top-level windows of a client, however deep a reparenting window
// manager nests them in frames: the root's children the client made (no
// window manager, override-redirect windows, windows not framed yet), and
// the client's windows among those a window manager keeps in
// _NET_CLIENT_LIST, or, without that list, among the client windows
// (marked with WM_STATE) found inside the other root children. A round trip
// per window looked into.
std::vector<Window> TopLevelsOfClient(Display* display, uint32_t client);
// The window the user types into: _NET_ACTIVE_WINDOW when a window manager
// sets it, otherwise the input focus climbed to its client's top level.
// None when nothing has the focus.
Window FocusedTopLevel(Display* display);
// The deepest window under the pointer; None when the pointer is on no
// window of this screen.
Window WindowUnderPointer(Display* display, int& rootX, int& rootY);
// _NET_WM_PID of the window or its client top level; 0 when not set.
int ProcessOfWindow(Display* display, Window window);
// The executable of the process (readlink of /proc/PID/exe) into `path`,
// NUL-terminated and cut to `size`; "" when unknown. Allocates nothing.
void ExecutablePathOfProcess(int process, char* path, std::size_t size);

}  // namespace vorelio::x11
