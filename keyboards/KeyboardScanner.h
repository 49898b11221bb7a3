// Scanning: for users who drive the on-screen keyboard with one or two
// switches. The scanner highlights the keyboard's lines one after another,
// then the groups of the chosen line, then the keys of the chosen group;
// a switch action selects the highlighted element, and selecting a key
// posts it to the controller, which performs it as for a mouse press.
//
// Time comes in from outside: whoever owns the 100 ms timer (the keyboard)
// calls Tick(). A switch event takes effect on the first tick at which it
// has stood for the switch latency; the highlight moves on the first tick at
// which it has stood for the step time. Settings that are not multiples of
// 100 ms are rounded up to the next multiple (a step time to at least
// 100 ms), so that the count of ticks reaches them. After the maximum
// number of full passes over one level scanning stops; a maximum of 0 or
// less sets no limit.
//
// Single-threaded: every call on the user-interface thread.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "keyboards/KeyboardPresentation.h"
#include "keyboards/KeyboardShape.h"
#include "keyboards/OnScreenKeyIdentifier.h"
#include "keyboards/ScanMethod.h"
#include "platform/Messages.h"

namespace vorelio {

// Lights and darkens the keys of a line, group or key (the keyboard marks
// them highlighted and redraws them). The scanner switches each element on
// once and off once, and only when something changes.
class ScanHighlighter {
 public:
  virtual ~ScanHighlighter() = default;
  virtual void HighlightLine(int line, bool on) = 0;
  virtual void HighlightGroup(int line, int group, bool on) = 0;
  virtual void HighlightKey(const COnScreenKeyIdentifier& key, bool on) = 0;
};

// The words of the spoken cues (Windows-1252).
class ScanCueWords {
 public:
  virtual ~ScanCueWords() = default;
  virtual std::string LineName(int line) const = 0;
  virtual std::string GroupName(int line, int group) const = 0;
  virtual std::string KeyDescription(const COnScreenKeyIdentifier& key) const = 0;
};

enum class ScanLevel { kIdle, kLines, kGroups, kKeys };

class KeyboardScanner {
 public:
  // `shape` and `highlighter` (the keyboard) must outlive the scanner.
  // Notifications (WM_SCAN_*, with the packed position in wParam) are posted
  // to `controller`; none with 0. The scanning settings come from `options`.
  KeyboardScanner(const KeyboardShape& shape, ScanHighlighter& highlighter,
                  WindowHandle controller, const KeyboardPresentation& options);

  // New settings. A change of method stops scanning and forgets the switch
  // events still waiting for their latency.
  void SetOptions(const KeyboardPresentation& options);

  // Switch 1 or 2 went down or up (any other number is ignored). A down
  // event forgets the same switch's waiting up event and vice versa, so a
  // press released within the latency never takes effect as a press. With
  // the method "Nenhum" or an unknown method, or while suspended, switch
  // events do nothing at all.
  void SwitchDown(int switchNumber);
  void SwitchUp(int switchNumber);

  // The 100 ms tick: switch events whose latency has passed, then the
  // automatic advance. Does nothing while suspended.
  void Tick();

  // While the keyboard is being edited its lines, groups and keys change
  // under the scanner: suspending stops scanning (the highlight goes) and
  // forgets waiting switch events. Scanning starts again, after resuming,
  // with the next switch action that starts it.
  void SetSuspended(bool suspended);
  // The keyboard's keys were replaced: scanning stops and waiting switch
  // events are forgotten; suspension stays as it was.
  void Reset();
  bool Suspended() const { return suspended_; }

  // The level being scanned and the highlighted element (-1 in the parts
  // below that level; all -1 when idle).
  ScanLevel Level() const;
  COnScreenKeyIdentifier Highlighted() const { return {line_, group_, key_}; }
  // What to speak for the highlighted element: a line's or group's name, or
  // the description of the single key that stands for it; a key's
  // description. Empty when idle.
  std::string CueText(const ScanCueWords& words) const;

  // Down events taken of switch 1 or 2 since the scanner was made (0 for
  // any other number); read by the writing metrics.
  int PressCount(int switchNumber) const;

 private:
  enum class Edge { kDown, kUp };
  struct PendingEvent {
    Edge edge = Edge::kDown;
    int64_t elapsedMs = -1;  // -1: none waiting
  };

  bool Scanning() const { return line_ >= 0; }
  void Record(int switchNumber, Edge edge);
  void ProcessDown(int switchNumber);
  void ProcessUp(int switchNumber);
  void Start();
  void Advance();
  void Select();
  void SelectLine();
  void SelectGroup();
  void SelectKey();
  void Stop();
  void RestartStepIfHighlighted();
  // Light and darken the element at the level being scanned.
  void Light();
  void Darken();
  void Highlight(bool on);
  void Post(uint32_t message, std::uintptr_t position = 0) const;
  std::string GroupCue(const ScanCueWords& words, int line, int group) const;

  const KeyboardShape& shape_;
  ScanHighlighter& highlighter_;
  WindowHandle controller_;

  // Settings; no method for an unknown method word.
  std::optional<ScanMethod> method_;
  int64_t stepMs_ = 0;
  int64_t latencyMs_ = 0;
  int maxCycles_ = 0;  // 0: no limit

  int line_ = -1;
  int group_ = -1;
  int key_ = -1;
  bool lit_ = false;  // the element at (line_, group_, key_) is highlighted
  int cycles_ = 0;    // completed passes at the level being scanned
  int64_t stepElapsedMs_ = -1;  // -1: not advancing
  std::array<PendingEvent, 2> pending_{};
  std::array<int, 2> presses_{};
  bool suspended_ = false;
};

}  // namespace vorelio
