#include "keyboards/KeyboardScanner.h"

#include <algorithm>

#include "keyboards/KeyboardWalk.h"
#include "platform/MessageNumbers.h"

namespace vorelio {

namespace {

bool IsSwitch(int switchNumber) { return switchNumber == 1 || switchNumber == 2; }

}  // namespace

KeyboardScanner::KeyboardScanner(const KeyboardShape& shape, ScanHighlighter& highlighter,
                                 WindowHandle controller, const KeyboardPresentation& options)
    : shape_(shape), highlighter_(highlighter), controller_(controller) {
  SetOptions(options);
}

void KeyboardScanner::SetOptions(const KeyboardPresentation& options) {
  const std::optional<ScanMethod> method = ScanMethodFromWord(options.scanningMethod);
  if (method != method_) {
    Stop();
    pending_ = {};
  }
  method_ = method;
  // The tick's count only reaches multiples of its period; a setting between
  // two is rounded up, so a latency still holds a press back at least as
  // long as set and an element stays highlighted at least its step time. A
  // step of no time would move the highlight in the tick that showed it.
  stepMs_ = std::max<int64_t>(RoundUpToTick(options.scanStepMs), kTimerPeriodMs);
  latencyMs_ = RoundUpToTick(options.switchLatencyMs);
  // With no positive maximum, scanning goes on until a selection: a limit of
  // 0 would stop it at its first step.
  maxCycles_ = std::max(options.maxScanCycles, 0);
}

void KeyboardScanner::SwitchDown(int switchNumber) { Record(switchNumber, Edge::kDown); }

void KeyboardScanner::SwitchUp(int switchNumber) { Record(switchNumber, Edge::kUp); }

void KeyboardScanner::Record(int switchNumber, Edge edge) {
  if (suspended_ || !IsSwitch(switchNumber)) return;
  if (!method_ || *method_ == ScanMethod::kNone) return;
  // Each switch keeps its own waiting event: switch 2 going up must not
  // swallow a press of switch 1 that is still within its latency.
  pending_[switchNumber - 1] = {edge, 0};
}

void KeyboardScanner::Tick() {
  if (suspended_) return;
  // Down events before up events, switch 1 before switch 2.
  for (const Edge edge : {Edge::kDown, Edge::kUp}) {
    for (int switchNumber = 1; switchNumber <= 2; ++switchNumber) {
      PendingEvent& event = pending_[switchNumber - 1];
      if (event.elapsedMs < 0 || event.edge != edge) continue;
      if (event.elapsedMs < latencyMs_) {
        event.elapsedMs += kTimerPeriodMs;
        continue;
      }
      event.elapsedMs = -1;
      if (edge == Edge::kDown) {
        ProcessDown(switchNumber);
      } else {
        ProcessUp(switchNumber);
      }
    }
  }
  // The tick that lights an element counts as its first 100 ms, whether a
  // switch or the previous step lit it: every element stays the step time.
  if (stepElapsedMs_ >= stepMs_) {
    Advance();
    RestartStepIfHighlighted();
  }
  if (stepElapsedMs_ >= 0) stepElapsedMs_ += kTimerPeriodMs;
}

void KeyboardScanner::ProcessDown(int switchNumber) {
  ++presses_[switchNumber - 1];
  switch (*method_) {
    case ScanMethod::kRegular:
      if (switchNumber != 1) return;
      if (Scanning()) {
        Select();
      } else {
        Start();
      }
      RestartStepIfHighlighted();
      return;
    case ScanMethod::kStepByStep:
      if (switchNumber == 2) return Select();
      if (Scanning()) {
        Advance();
      } else {
        Start();
      }
      RestartStepIfHighlighted();  // holding switch 1 repeats the step
      return;
    case ScanMethod::kInverse:
      if (switchNumber != 1) return;
      if (!Scanning()) Start();
      RestartStepIfHighlighted();  // the highlight moves while switch 1 is held
      return;
    case ScanMethod::kNone:
      return;
  }
}

void KeyboardScanner::ProcessUp(int switchNumber) {
  if (switchNumber != 1) return;
  if (*method_ == ScanMethod::kStepByStep) {
    stepElapsedMs_ = -1;
  } else if (*method_ == ScanMethod::kInverse) {
    stepElapsedMs_ = -1;
    Select();
  }
}

void KeyboardScanner::Start() {
  const int lines = LinesWithKeysCount(shape_);
  if (lines == 0) return Stop();
  line_ = *FirstLineWithKeys(shape_);
  group_ = key_ = -1;
  cycles_ = 0;
  if (lines == 1) return SelectLine();
  Light();
  Post(WM_SCAN_LINES_STARTED);
}

void KeyboardScanner::Advance() {
  switch (Level()) {
    case ScanLevel::kIdle:
      return;
    case ScanLevel::kLines: {
      const std::optional<int> next = NextLineWithKeys(shape_, line_);
      if (!next) return Stop();
      Darken();
      if (next == FirstLineWithKeys(shape_)) ++cycles_;
      line_ = *next;
      break;
    }
    case ScanLevel::kGroups: {
      const std::optional<int> next = NextGroupWithKeys(shape_, line_, group_);
      if (!next) return Stop();
      Darken();
      if (next == FirstGroupWithKeys(shape_, line_)) ++cycles_;
      group_ = *next;
      break;
    }
    case ScanLevel::kKeys: {
      const int keys = shape_.KeyCount(line_, group_);
      if (keys == 0) return Stop();
      Darken();
      key_ = (key_ + 1) % keys;  // empty keys take their turn too
      if (key_ == 0) ++cycles_;
      break;
    }
  }
  if (maxCycles_ > 0 && cycles_ >= maxCycles_) return Stop();
  Light();
  Post(WM_SCAN_ADVANCED);
}

void KeyboardScanner::Select() {
  switch (Level()) {
    case ScanLevel::kIdle:
      return;
    case ScanLevel::kLines:
      return SelectLine();
    case ScanLevel::kGroups:
      return SelectGroup();
    case ScanLevel::kKeys:
      return SelectKey();
  }
}

void KeyboardScanner::SelectLine() {
  Darken();
  Post(WM_SCAN_LINE_SELECTED, COnScreenKeyIdentifier{line_, 0, 0}.Packed());
  cycles_ = 0;
  const int groups = GroupsWithKeysCount(shape_, line_);
  if (groups == 0) return Stop();
  group_ = *FirstGroupWithKeys(shape_, line_);
  if (groups == 1) return SelectGroup();
  Light();
  Post(WM_SCAN_GROUPS_STARTED);
}

void KeyboardScanner::SelectGroup() {
  Darken();
  Post(WM_SCAN_GROUP_SELECTED, COnScreenKeyIdentifier{line_, group_, 0}.Packed());
  cycles_ = 0;
  const int keys = shape_.KeyCount(line_, group_);
  if (keys == 0) return Stop();
  key_ = 0;
  if (keys == 1) return SelectKey();
  Light();
  Post(WM_SCAN_KEYS_STARTED);
}

void KeyboardScanner::SelectKey() {
  const COnScreenKeyIdentifier key{line_, group_, key_};
  // An inactive key is never pressed; scanning just ends.
  if (shape_.KeyIsActive(key)) Post(WM_SCAN_KEY_SELECTED, key.Packed());
  Stop();
}

void KeyboardScanner::Stop() {
  stepElapsedMs_ = -1;
  Darken();
  line_ = group_ = key_ = -1;
  cycles_ = 0;
}

void KeyboardScanner::RestartStepIfHighlighted() { stepElapsedMs_ = Scanning() ? 0 : -1; }

void KeyboardScanner::Light() {
  if (!Scanning()) return;
  Highlight(true);
  lit_ = true;
}

void KeyboardScanner::Darken() {
  if (!lit_) return;
  Highlight(false);
  lit_ = false;
}

void KeyboardScanner::Highlight(bool on) {
  switch (Level()) {
    case ScanLevel::kIdle:
      return;
    case ScanLevel::kLines:
      return highlighter_.HighlightLine(line_, on);
    case ScanLevel::kGroups:
      return highlighter_.HighlightGroup(line_, group_, on);
    case ScanLevel::kKeys:
      return highlighter_.HighlightKey({line_, group_, key_}, on);
  }
}

void KeyboardScanner::Post(uint32_t message, std::uintptr_t position) const {
  if (controller_ != 0) PostMessageTo(controller_, message, position, 0);
}

void KeyboardScanner::SetSuspended(bool suspended) {
  if (suspended && !suspended_) {
    Stop();
    pending_ = {};
  }
  suspended_ = suspended;
}

void KeyboardScanner::Reset() {
  Stop();
  pending_ = {};
}

ScanLevel KeyboardScanner::Level() const {
  if (line_ < 0) return ScanLevel::kIdle;
  if (group_ < 0) return ScanLevel::kLines;
  if (key_ < 0) return ScanLevel::kGroups;
  return ScanLevel::kKeys;
}

std::string KeyboardScanner::CueText(const ScanCueWords& words) const {
  switch (Level()) {
    case ScanLevel::kIdle:
      return {};
    case ScanLevel::kLines: {
      // A line whose single group holds keys stands for that group.
      const int groups = GroupsWithKeysCount(shape_, line_);
      if (groups >= 2) return words.LineName(line_);
      if (groups == 1) return GroupCue(words, line_, *FirstGroupWithKeys(shape_, line_));
      return {};
    }
    case ScanLevel::kGroups:
      return GroupCue(words, line_, group_);
    case ScanLevel::kKeys:
      return words.KeyDescription({line_, group_, key_});
  }
  return {};
}

std::string KeyboardScanner::GroupCue(const ScanCueWords& words, int line, int group) const {
  const int keys = shape_.KeyCount(line, group);
  if (keys >= 2) return words.GroupName(line, group);
  if (keys == 1) return words.KeyDescription({line, group, 0});
  return {};
}

int KeyboardScanner::PressCount(int switchNumber) const {
  return IsSwitch(switchNumber) ? presses_[switchNumber - 1] : 0;
}

}  // namespace vorelio
