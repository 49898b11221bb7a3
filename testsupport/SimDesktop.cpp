#include "testsupport/SimDesktop.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "common/PortugueseKeyboard.h"
#include "platform/MessageNumbers.h"

namespace vorelio::sim {
namespace {

using hook::HookKind;

constexpr uint8_t VK_SHIFT = 0x10;
constexpr uint8_t VK_CONTROL = 0x11;
constexpr uint8_t VK_MENU = 0x12;
constexpr uint8_t VK_CAPITAL = 0x14;
constexpr uint8_t VK_END = 0x23;
constexpr uint8_t VK_HOME = 0x24;
constexpr uint8_t VK_LEFT = 0x25;
constexpr uint8_t VK_RIGHT = 0x27;
constexpr uint8_t VK_DELETE = 0x2E;

// Far from the message layer's handles, so a test never confuses the two.
constexpr WindowHandle kFirstWindow = 0x7000'0000;
constexpr uint32_t kFirstThread = 1001;
constexpr int kRowHeight = 100;
constexpr int kRowWidth = 640;
constexpr int kCharacterWidth = 10;

constexpr std::intptr_t kRepeatOnce = 1;
constexpr std::intptr_t kWasDownBit = 1 << 30;
constexpr std::intptr_t kReleasedBit = std::intptr_t{1} << 31;

std::string KeyName(uint8_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= 0x70 && key <= 0x7B) return "F" + std::to_string(key - 0x6F);
  if (key >= 0x60 && key <= 0x69) return "NUM_" + std::to_string(key - 0x60);
  switch (key) {
    case 0x08: return "BACKSPACE";
    case 0x09: return "TAB";
    case 0x0D: return "ENTER";
    case VK_SHIFT: return "SHIFT";
    case VK_CONTROL: return "CTRL";
    case VK_MENU: return "ALT";
    case VK_CAPITAL: return "CAPS_LOCK";
    case 0x1B: return "ESC";
    case 0x20: return "SPACE";
    case 0x21: return "PAGE_UP";
    case 0x22: return "PAGE_DOWN";
    case VK_END: return "END";
    case VK_HOME: return "HOME";
    case VK_LEFT: return "LEFT";
    case 0x26: return "UP";
    case VK_RIGHT: return "RIGHT";
    case 0x28: return "DOWN";
    case 0x2D: return "INSERT";
    case VK_DELETE: return "DELETE";
    default: break;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  return std::string("0x") + kHex[key >> 4] + kHex[key & 15];
}

std::string CharacterName(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code < 0x20) return "#" + std::to_string(code);
  return std::string(1, c);
}

const char* KindName(HookKind kind) {
  switch (kind) {
    case HookKind::kKeyboard: return "keyboard";
    case HookKind::kMouse: return "mouse";
    case HookKind::kGetMessage: return "get-message";
  }
  return "";
}

const char* ButtonName(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft: return "left";
    case MouseButton::kRight: return "right";
    case MouseButton::kMiddle: return "middle";
  }
  return "";
}

std::uintptr_t ButtonMessage(MouseButton button, bool down) {
  switch (button) {
    case MouseButton::kLeft: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case MouseButton::kRight: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::kMiddle: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
  return 0;
}

std::string PointText(ScreenPoint point) {
  return std::to_string(point.x) + "," + std::to_string(point.y);
}

}  // namespace

SimDesktop::SimDesktop(MessageBoxService& messages) : messages_(messages) {
  hook::UseHookSystem(this, hook::StateSegment::kPrivate);
}

// A private segment again, so that nothing a test does afterwards touches
// the user's.
SimDesktop::~SimDesktop() { hook::UseHookSystem(nullptr, hook::StateSegment::kPrivate); }

WindowHandle SimDesktop::AddApplication(std::string name, std::string processPath,
                                        std::string title) {
  SimApplication app;
  app.name = std::move(name);
  app.processPath = std::move(processPath);
  app.title = std::move(title);
  app.thread = kFirstThread + static_cast<uint32_t>(applications_.size());
  app.window = kFirstWindow + applications_.size();
  applications_.push_back(std::move(app));
  return applications_.back().window;
}

SimApplication* SimDesktop::Find(WindowHandle window) {
  for (SimApplication& app : applications_)
    if (app.window == window) return &app;
  return nullptr;
}

const SimApplication* SimDesktop::Find(WindowHandle window) const {
  return const_cast<SimDesktop*>(this)->Find(window);
}

const SimApplication* SimDesktop::FindThread(uint32_t thread) const {
  for (const SimApplication& app : applications_)
    if (app.thread == thread) return &app;
  return nullptr;
}

const SimApplication& SimDesktop::Application(WindowHandle window) const {
  const SimApplication* app = Find(window);
  if (app == nullptr) throw std::invalid_argument("not a window of the simulated desktop");
  return *app;
}

void SimDesktop::SetTitle(WindowHandle window, std::string title) {
  const_cast<SimApplication&>(Application(window)).title = std::move(title);
}

void SimDesktop::SetText(WindowHandle window, std::string text, std::size_t caret) {
  auto& app = const_cast<SimApplication&>(Application(window));
  app.text = std::move(text);
  app.caret = std::min(caret, app.text.size());
}

void SimDesktop::SetReadsCharactersTwice(WindowHandle window, bool twice) {
  const_cast<SimApplication&>(Application(window)).readsCharactersTwice = twice;
}

void SimDesktop::Focus(WindowHandle window) {
  if (window != 0 && Find(window) == nullptr) return;
  if (window == focused_) return;
  focused_ = window;
  Append(window == 0 ? std::string("focus none") : "focus " + Find(window)->name);
  if (focusListener_) focusListener_(window);
}

void SimDesktop::Append(std::string_view entry) {
  if (!log_.empty()) log_ += "; ";
  log_ += entry;
}

const SimDesktop::InstalledHook* SimDesktop::FindHook(HookKind kind, uint32_t thread) const {
  const auto found = std::find_if(hooks_.begin(), hooks_.end(), [&](const InstalledHook& hook) {
    return hook.kind == kind && hook.thread == thread;
  });
  return found != hooks_.end() ? &*found : nullptr;
}

bool SimDesktop::HookInstalled(HookKind kind, uint32_t thread) const {
  return FindHook(kind, thread) != nullptr;
}

long SimDesktop::RunHook(const SimApplication& app, HookKind kind, int code,
                         std::uintptr_t wParam, std::intptr_t lParam) {
  const InstalledHook* hook = FindHook(kind, app.thread);
  if (hook == nullptr) return 0;
  running_ = &app;
  const long result = hook->procedure(code, wParam, lParam);
  running_ = nullptr;
  return result;
}

long SimDesktop::CallHookProcedure(HookKind kind, int code, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
  const SimApplication* app = Find(focused_);
  return app != nullptr ? RunHook(*app, kind, code, wParam, lParam) : 0;
}

void SimDesktop::FailNextInstall(HookKind kind) { failNextInstall_[static_cast<int>(kind)] = true; }

hook::HookHandle SimDesktop::InstallHook(HookKind kind, hook::HookProcedure procedure,
                                         uint32_t thread) {
  const SimApplication* app = FindThread(thread);
  const std::string what = std::string("install ") + KindName(kind) + " hook " +
                           (app != nullptr ? app->name : "thread " + std::to_string(thread));
  bool& fail = failNextInstall_[static_cast<int>(kind)];
  if (fail || app == nullptr || procedure == nullptr) {
    fail = false;
    Append(what + " failed");
    return 0;
  }
  Append(what);
  hooks_.push_back({nextHook_, kind, thread, procedure});
  return nextHook_++;
}

void SimDesktop::RemoveHook(hook::HookHandle handle) {
  const auto found = std::find_if(hooks_.begin(), hooks_.end(),
                                  [&](const InstalledHook& hook) { return hook.handle == handle; });
  if (found == hooks_.end()) return;
  const SimApplication* app = FindThread(found->thread);
  Append(std::string("remove ") + KindName(found->kind) + " hook " + (app ? app->name : "?"));
  hooks_.erase(found);
}

int16_t SimDesktop::KeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return 0;
  return static_cast<int16_t>((pressed_[virtualKey] ? 0x8000 : 0) | (toggled_[virtualKey] ? 1 : 0));
}

void SimDesktop::ProcessPath(char* path, std::size_t size) {
  if (size == 0) return;
  const SimApplication* app = running_ != nullptr ? running_ : Find(focused_);
  const char* source = app != nullptr ? app->processPath.c_str() : "";
  std::strncpy(path, source, size - 1);
  path[size - 1] = '\0';
}

void SimDesktop::PressKey(uint8_t virtualKey) {
  const bool wasDown = pressed_[virtualKey];
  SimApplication* app = Find(focused_);
  const bool swallowed =
      app != nullptr && RunHook(*app, HookKind::kKeyboard, hook::HC_ACTION, virtualKey,
                                kRepeatOnce | (wasDown ? kWasDownBit : 0)) == 1;
  // The key state changes after the hook has seen the key, as the thread's
  // state does when its message is read.
  pressed_[virtualKey] = true;
  if (!wasDown) toggled_[virtualKey] = !toggled_[virtualKey];
  if (app == nullptr) {
    Append("key down " + KeyName(virtualKey) + " (no focus)");
    return;
  }
  Append(app->name + " key down " + KeyName(virtualKey) + (swallowed ? " swallowed" : ""));
  if (swallowed) return;
  ApplyNavigationKey(*app, virtualKey);
  const KeyModifiers modifiers{pressed_[VK_SHIFT], pressed_[VK_CONTROL], pressed_[VK_MENU],
                               toggled_[VK_CAPITAL]};
  const ProducedCharacters produced = layout_.KeyDown(virtualKey, modifiers);
  for (int i = 0; i < produced.count; ++i) DeliverCharacter(*app, produced.characters[i]);
}

void SimDesktop::ReleaseKey(uint8_t virtualKey) {
  SimApplication* app = Find(focused_);
  const bool swallowed =
      app != nullptr && RunHook(*app, HookKind::kKeyboard, hook::HC_ACTION, virtualKey,
                                kRepeatOnce | kWasDownBit | kReleasedBit) == 1;
  pressed_[virtualKey] = false;
  if (app == nullptr) {
    Append("key up " + KeyName(virtualKey) + " (no focus)");
    return;
  }
  Append(app->name + " key up " + KeyName(virtualKey) + (swallowed ? " swallowed" : ""));
}

void SimDesktop::TapKey(uint8_t virtualKey) {
  PressKey(virtualKey);
  ReleaseKey(virtualKey);
}

void SimDesktop::ApplyNavigationKey(SimApplication& app, uint8_t virtualKey) {
  switch (virtualKey) {
    case VK_LEFT:
      if (app.caret > 0) --app.caret;
      break;
    case VK_RIGHT:
      if (app.caret < app.text.size()) ++app.caret;
      break;
    case VK_HOME: app.caret = 0; break;
    case VK_END: app.caret = app.text.size(); break;
    case VK_DELETE:
      if (app.caret < app.text.size()) app.text.erase(app.caret, 1);
      break;
    default: break;
  }
}

void SimDesktop::DeliverCharacter(SimApplication& app, char character) {
  const hook::HookedMessage message{app.window, WM_CHAR, static_cast<unsigned char>(character),
                                    kRepeatOnce};
  const auto address = reinterpret_cast<std::intptr_t>(&message);
  if (app.readsCharactersTwice) {
    RunHook(app, HookKind::kGetMessage, hook::HC_ACTION, 0 /* PM_NOREMOVE */, address);
  }
  RunHook(app, HookKind::kGetMessage, hook::HC_ACTION, 1 /* PM_REMOVE */, address);
  Append(app.name + " char " + CharacterName(character));
  if (character == '\b') {
    if (app.caret > 0) app.text.erase(--app.caret, 1);
  } else if (character == '\r') {
    app.text.insert(app.caret++, 1, '\n');
  } else if (character == '\t' || static_cast<unsigned char>(character) >= 0x20) {
    app.text.insert(app.caret++, 1, character);
  }
}

void SimDesktop::TypeText(std::string_view text) {
  auto typeDirect = [this](char c) {
    const auto press = PortugueseKeyFor(c);
    if (!press) return;
    // AltGr is Ctrl+Alt on this desktop, as on Windows.
    if (press->altGr) PressKey(VK_CONTROL), PressKey(VK_MENU);
    if (press->shift) PressKey(VK_SHIFT);
    TapKey(press->virtualKey);
    if (press->shift) ReleaseKey(VK_SHIFT);
    if (press->altGr) ReleaseKey(VK_MENU), ReleaseKey(VK_CONTROL);
  };
  for (const char c : text) {
    if (const auto parts = DecomposeAccentedLetter(c)) {
      typeDirect(parts->deadKey);
      typeDirect(parts->baseLetter);
    } else {
      typeDirect(c);
    }
  }
}

ScreenPoint SimDesktop::PointOf(WindowHandle window, std::size_t caret) const {
  const auto row = static_cast<int32_t>(Application(window).window - kFirstWindow);
  return {static_cast<int32_t>(caret) * kCharacterWidth + kCharacterWidth / 2,
          row * kRowHeight + kRowHeight / 2};
}

SimApplication* SimDesktop::ApplicationAt(ScreenPoint point) {
  if (point.x < 0 || point.y < 0 || point.x >= kRowWidth) return nullptr;
  const auto row = static_cast<std::size_t>(point.y / kRowHeight);
  return row < applications_.size() ? &applications_[row] : nullptr;
}

uint32_t SimDesktop::ThreadOfWindow(DesktopWindow window) {
  const SimApplication* app = Find(window);
  return app != nullptr ? app->thread : 0;
}

std::optional<ScreenPoint> SimDesktop::CaretPosition(DesktopWindow window) {
  const SimApplication* app = Find(window);
  if (app == nullptr) return std::nullopt;
  return PointOf(window, app->caret);
}

bool SimDesktop::IsPointerOver(DesktopWindow window) {
  const SimApplication* app = ApplicationAt(pointer_);
  return app != nullptr && app->window == window;
}

std::optional<ScreenRect> SimDesktop::ClientArea(DesktopWindow window) {
  const SimApplication* app = Find(window);
  if (app == nullptr) return std::nullopt;
  const auto top = static_cast<int32_t>(app->window - kFirstWindow) * kRowHeight;
  return ScreenRect{0, top, kRowWidth, top + kRowHeight};
}

void SimDesktop::PressButton(SimApplication& app, MouseButton button, bool down, ScreenPoint point) {
  const hook::MouseHookData data{point.x, point.y, app.window};
  const bool swallowed = RunHook(app, HookKind::kMouse, hook::HC_ACTION, ButtonMessage(button, down),
                                 reinterpret_cast<std::intptr_t>(&data)) == 1;
  Append(app.name + " " + ButtonName(button) + (down ? " down " : " up ") + PointText(point) +
         (swallowed ? " swallowed" : ""));
  if (swallowed || !down || button != MouseButton::kLeft) return;
  Focus(app.window);
  app.caret = std::min(static_cast<std::size_t>(point.x / kCharacterWidth), app.text.size());
}

void SimDesktop::Click(WindowHandle window, std::size_t caret, MouseButton button) {
  SimApplication* app = Find(window);
  if (app == nullptr) return;
  const ScreenPoint point = PointOf(window, caret);
  pointer_ = point;
  PressButton(*app, button, true, point);
  PressButton(*app, button, false, point);
}

void SimDesktop::MoveMouse(ScreenPoint point) {
  pointer_ = point;
  SimApplication* app = ApplicationAt(point);
  if (app == nullptr) return;
  const hook::MouseHookData data{point.x, point.y, app->window};
  RunHook(*app, HookKind::kMouse, hook::HC_ACTION, WM_MOUSEMOVE,
          reinterpret_cast<std::intptr_t>(&data));
  Append(app->name + " mouse move " + PointText(point));
}

}  // namespace vorelio::sim
