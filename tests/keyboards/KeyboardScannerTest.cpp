// Scanning on a manual clock: the keyboard's 100 ms timer is a message-loop
// timer whose window calls Tick(); the notifications go to a controller
// window of the same loop, which writes them down as
// "LINES_STARTED LINE_SELECTED 1 GROUPS_STARTED ...".
#include "keyboards/KeyboardScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FakeKeyboard.h"
#include "platform/MessageNumbers.h"

namespace vorelio {
namespace {

using testing::FakeKeyboard;
using Shape = std::vector<std::vector<int>>;

// Three lines of two groups of two keys.
const Shape kThreeLines = {{2, 2}, {2, 2}, {2, 2}};

KeyboardPresentation Options(std::string method, int latencyMs = 0, int stepMs = 1000,
                             int maxCycles = 0) {
  KeyboardPresentation options;
  options.scanningMethod = std::move(method);
  options.switchLatencyMs = latencyMs;
  options.scanStepMs = stepMs;
  options.maxScanCycles = maxCycles;
  return options;
}

class RecordingController : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t) override {
    const COnScreenKeyIdentifier at = COnScreenKeyIdentifier::FromPacked(wParam);
    std::string entry;
    switch (message) {
      case WM_SCAN_LINES_STARTED: entry = "LINES_STARTED"; break;
      case WM_SCAN_GROUPS_STARTED: entry = "GROUPS_STARTED"; break;
      case WM_SCAN_KEYS_STARTED: entry = "KEYS_STARTED"; break;
      case WM_SCAN_ADVANCED: entry = "ADVANCED"; break;
      case WM_SCAN_LINE_SELECTED: entry = "LINE_SELECTED " + std::to_string(at.line); break;
      case WM_SCAN_GROUP_SELECTED: entry = "GROUP_SELECTED " + at.GroupText(); break;
      case WM_SCAN_KEY_SELECTED: entry = "KEY_SELECTED " + at.Text(); break;
      default: entry = "unexpected " + std::to_string(message); break;
    }
    log += (log.empty() ? "" : " ") + entry;
    params.push_back(wParam);
  }
  std::string log;
  std::vector<std::uintptr_t> params;
};

// A keyboard, its scanner, and the loop that times and receives it.
class ScanRig : public MessageHandler {
 public:
  ScanRig(Shape shape, const KeyboardPresentation& options)
      : keyboard(std::move(shape)),
        loop_(clock_),
        controllerWindow_(loop_.CreateWindow(controller_)),
        timerWindow_(loop_.CreateWindow(*this)),
        scanner(keyboard, keyboard, controllerWindow_, options) {
    loop_.SetTimer(timerWindow_, 0);
  }

  void HandleMessage(uint32_t message, std::uintptr_t, std::intptr_t) override {
    if (message == WM_TIMER) scanner.Tick();
  }

  // Lets `ms` of the clock pass, one timer tick per 100 ms.
  void Wait(int ms) {
    for (int passed = 0; passed < ms; passed += kTimerPeriodMs) {
      clock_.Advance(kTimerPeriodMs);
      loop_.DispatchPending();
    }
  }
  // Down and up with the down taking effect in between (zero latency).
  void Press(int switchNumber) {
    scanner.SwitchDown(switchNumber);
    Wait(100);
    scanner.SwitchUp(switchNumber);
  }
  std::string Posted() { return std::exchange(controller_.log, {}); }
  std::string Lit() { return keyboard.TakeLog(); }
  const std::vector<std::uintptr_t>& Params() const { return controller_.params; }

  FakeKeyboard keyboard;

 private:
  ManualLoopClock clock_;
  MessageLoop loop_;
  RecordingController controller_;
  WindowHandle controllerWindow_;
  WindowHandle timerWindow_;

 public:
  KeyboardScanner scanner;
};

TEST(KeyboardScannerTest, RegularAdvancesEachStepAndStopsAfterTheMaximumCycles) {
  ScanRig rig(kThreeLines, Options("Regular", 0, 1000, 3));
  rig.Press(1);  // the release does nothing in "Regular"
  EXPECT_EQ(rig.Posted(), "LINES_STARTED");
  EXPECT_EQ(rig.Lit(), "L0+");

  // Two passes and most of the third: L1 L2 L0 L1 L2 L0 L1 L2.
  for (int step = 0; step < 8; ++step) {
    rig.Wait(1000);
    EXPECT_EQ(rig.Lit(), "L" + std::to_string(step % 3) + "- L" + std::to_string((step + 1) % 3) + "+");
    EXPECT_EQ(rig.Posted(), "ADVANCED");
  }
  // Back to the first line completes the third pass: scanning stops.
  rig.Wait(1000);
  EXPECT_EQ(rig.Lit(), "L2-");
  EXPECT_EQ(rig.Posted(), "");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);
  EXPECT_EQ(rig.scanner.Highlighted(), (COnScreenKeyIdentifier{-1, -1, -1}));
  rig.Wait(5000);
  EXPECT_EQ(rig.Lit(), "");

  rig.Press(1);  // starts again from the first line
  EXPECT_EQ(rig.Posted(), "LINES_STARTED");
  EXPECT_EQ(rig.Lit(), "L0+");
  EXPECT_EQ(rig.scanner.PressCount(1), 2);
}

TEST(KeyboardScannerTest, RegularSelectsDownTheLevelsWithItsParameters) {
  ScanRig rig({{2}, {2}, {2, 3}}, Options("Regular", 0, 200));
  rig.Press(2);  // counted, but only switch 1 acts in "Regular"
  rig.Wait(1000);
  EXPECT_EQ(rig.Posted(), "");
  rig.Press(1);
  rig.Wait(200);  // L0 -> L1
  rig.Wait(200);  // L1 -> L2
  EXPECT_EQ(rig.Posted(), "LINES_STARTED ADVANCED ADVANCED");
  EXPECT_EQ(rig.Lit(), "L0+ L0- L1+ L1- L2+");
  rig.Press(1);
  EXPECT_EQ(rig.Posted(), "LINE_SELECTED 2 GROUPS_STARTED");
  EXPECT_EQ(rig.Lit(), "L2- G2.0+");
  rig.Wait(200);
  EXPECT_EQ(rig.scanner.Highlighted(), (COnScreenKeyIdentifier{2, 1, -1}));
  rig.Press(1);
  EXPECT_EQ(rig.Posted(), "ADVANCED GROUP_SELECTED 2.1 KEYS_STARTED");
  EXPECT_EQ(rig.Lit(), "G2.0- G2.1+ G2.1- K2.1.0+");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kKeys);
  rig.Wait(400);
  rig.Press(1);
  EXPECT_EQ(rig.Posted(), "ADVANCED ADVANCED KEY_SELECTED 2.1.2");
  EXPECT_EQ(rig.Lit(), "K2.1.0- K2.1.1+ K2.1.1- K2.1.2+ K2.1.2-");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);
  rig.Wait(2000);
  EXPECT_EQ(rig.Posted(), "");  // the step counter stopped with the selection

  // The positions travel packed: line * 65536 + group * 256 + key.
  const std::vector<std::uintptr_t> expected = {0, 0, 0, 2 * 65536, 0, 0,
                                                2 * 65536 + 256, 0, 0, 0,
                                                2 * 65536 + 256 + 2};
  EXPECT_EQ(rig.Params(), expected);
  EXPECT_EQ(rig.scanner.PressCount(1), 4);
  EXPECT_EQ(rig.scanner.PressCount(2), 1);
  EXPECT_EQ(rig.scanner.PressCount(3), 0);
}

TEST(KeyboardScannerTest, LatencyCountsWholeTicksAndOddValuesRoundUp) {
  // {latency, the tick on which the press takes effect}
  const std::vector<std::pair<int, int>> cases = {{0, 1},   {100, 2}, {300, 4}, {250, 4},
                                                  {1, 2},   {301, 5}, {-50, 1}};
  for (const auto& [latency, tick] : cases) {
    ScanRig rig(kThreeLines, Options("Regular", latency));
    rig.scanner.SwitchDown(1);
    rig.Wait((tick - 1) * 100);
    EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle) << latency;
    rig.Wait(100);
    EXPECT_EQ(rig.scanner.Level(), ScanLevel::kLines) << latency;
  }

  // A press released before its latency has passed is not a press at all.
  ScanRig rig(kThreeLines, Options("Regular", 300));
  rig.scanner.SwitchDown(1);
  rig.Wait(200);
  rig.scanner.SwitchUp(1);
  rig.Wait(3000);
  EXPECT_EQ(rig.Posted() + rig.Lit(), "");
  EXPECT_EQ(rig.scanner.PressCount(1), 0);
}

TEST(KeyboardScannerTest, EveryElementStaysTheStepTimeRoundedUpToWholeTicks) {
  // {step time, ticks from the start to the first advance}
  const std::vector<std::pair<int, int>> cases = {{1000, 10}, {1050, 11}, {100, 1}, {0, 1},
                                                  {-200, 1}};
  for (const auto& [step, ticks] : cases) {
    ScanRig rig(kThreeLines, Options("Regular", 0, step));
    rig.scanner.SwitchDown(1);
    rig.Wait(100);
    EXPECT_EQ(rig.Lit(), "L0+") << step;
    rig.Wait((ticks - 1) * 100);
    EXPECT_EQ(rig.Lit(), "") << step;
    rig.Wait(100);
    EXPECT_EQ(rig.Lit(), "L0- L1+") << step;
    // The next element stays as long.
    rig.Wait((ticks - 1) * 100);
    EXPECT_EQ(rig.Lit(), "") << step;
    rig.Wait(100);
    EXPECT_EQ(rig.Lit(), "L1- L2+") << step;
  }
}

TEST(KeyboardScannerTest, SingleElementsAreSelectedAtOnce) {
  // One line: straight to its groups.
  ScanRig oneLine({{2, 2}}, Options("Regular"));
  oneLine.Press(1);
  EXPECT_EQ(oneLine.Posted(), "LINE_SELECTED 0 GROUPS_STARTED");
  EXPECT_EQ(oneLine.Lit(), "G0.0+");

  // A group of one key is pressed as soon as the group is selected.
  ScanRig singleKey({{1, 2}, {2}}, Options("Regular"));
  singleKey.Press(1);
  singleKey.Press(1);
  singleKey.Press(1);
  EXPECT_EQ(singleKey.Posted(),
            "LINES_STARTED LINE_SELECTED 0 GROUPS_STARTED GROUP_SELECTED 0.0 KEY_SELECTED 0.0.0");
  EXPECT_EQ(singleKey.Lit(), "L0+ L0- G0.0+ G0.0-");
  EXPECT_EQ(singleKey.scanner.Level(), ScanLevel::kIdle);

  // One key in all: one press selects it; nothing is ever highlighted.
  ScanRig oneKey({{0}, {0, 1}}, Options("Regular"));
  oneKey.Press(1);
  EXPECT_EQ(oneKey.Posted(), "LINE_SELECTED 1 GROUP_SELECTED 1.1 KEY_SELECTED 1.1.0");
  EXPECT_EQ(oneKey.Lit(), "");
}

TEST(KeyboardScannerTest, LinesAndGroupsWithoutKeysAreNotScanned) {
  ScanRig rig({{0}, {0, 2, 0, 2}, {}, {2}}, Options("Regular", 0, 100));
  rig.Press(1);
  EXPECT_EQ(rig.Lit(), "L1+");
  rig.Wait(100);
  EXPECT_EQ(rig.Lit(), "L1- L3+");
  rig.Wait(100);
  EXPECT_EQ(rig.Lit(), "L3- L1+");
  rig.scanner.SwitchDown(1);
  rig.Wait(100);
  EXPECT_EQ(rig.Lit(), "L1- G1.1+");
  rig.Wait(100);
  EXPECT_EQ(rig.Lit(), "G1.1- G1.3+");
  rig.Wait(100);
  EXPECT_EQ(rig.Lit(), "G1.3- G1.1+");

  // A keyboard without keys has nothing to scan; the press still counts.
  for (const Shape& shape : {Shape{}, Shape{{0, 0}, {}}}) {
    ScanRig empty(shape, Options("Regular", 0, 100));
    empty.Press(1);
    empty.Wait(1000);
    EXPECT_EQ(empty.Posted() + empty.Lit(), "");
    EXPECT_EQ(empty.scanner.Level(), ScanLevel::kIdle);
    EXPECT_EQ(empty.scanner.PressCount(1), 1);
  }
}

TEST(KeyboardScannerTest, SelectingAnInactiveKeyStopsWithoutAKeySelection) {
  ScanRig rig({{2}, {2}}, Options("Regular", 0, 100));
  rig.keyboard.MakeInactive({0, 0, 1});
  rig.keyboard.MakeInactive({1, 0, 0});
  rig.Press(1);  // lines, line 0 highlighted
  rig.Press(1);  // line 0 selected; its only group straight to its keys
  rig.Wait(100);  // key 0.0.1
  rig.Press(1);
  EXPECT_EQ(rig.Posted(),
            "LINES_STARTED LINE_SELECTED 0 GROUP_SELECTED 0.0 KEYS_STARTED ADVANCED");
  EXPECT_EQ(rig.Lit(), "L0+ L0- K0.0.0+ K0.0.0- K0.0.1+ K0.0.1-");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);

  // An inactive single key stands for its group: selecting the group ends it.
  ScanRig single({{1}, {2}}, Options("Regular"));
  single.keyboard.MakeInactive({0, 0, 0});
  single.Press(1);
  single.Press(1);
  EXPECT_EQ(single.Posted(), "LINES_STARTED LINE_SELECTED 0 GROUP_SELECTED 0.0");
  EXPECT_EQ(single.scanner.Level(), ScanLevel::kIdle);
}

TEST(KeyboardScannerTest, MaximumCyclesCountPassesAtEachLevel) {
  // Keys: 0 1 0 (one pass) 1 0 (two passes): stops when the second pass ends.
  ScanRig rig({{3}, {2}}, Options("Regular", 0, 100, 2));
  rig.Press(1);
  rig.Wait(100);  // line 1
  rig.Press(1);   // its single group: keys start at 1.0.0
  rig.Lit();
  rig.Wait(300);
  EXPECT_EQ(rig.Lit(), "K1.0.0- K1.0.1+ K1.0.1- K1.0.0+ K1.0.0- K1.0.1+");
  rig.Wait(100);
  EXPECT_EQ(rig.Lit(), "K1.0.1-");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);

  // A selection starts the count again: two passes over the lines, then
  // two over the groups.
  ScanRig lines({{2, 2}, {2}}, Options("Regular", 0, 100, 2));
  lines.Press(1);
  lines.Wait(200);  // L1, L0 (one pass)
  lines.Press(1);   // line 0 selected at the second pass's start
  EXPECT_EQ(lines.scanner.Level(), ScanLevel::kGroups);
  lines.Wait(300);  // G0.1, G0.0, G0.1
  EXPECT_EQ(lines.scanner.Level(), ScanLevel::kGroups);
  lines.Wait(100);
  EXPECT_EQ(lines.scanner.Level(), ScanLevel::kIdle);

  // No positive maximum: scanning goes on until a selection.
  for (int maxCycles : {0, -1}) {
    ScanRig rig(kThreeLines, Options("Regular", 0, 100, maxCycles));
    rig.Press(1);
    rig.Wait(100 * 100);
    EXPECT_EQ(rig.scanner.Level(), ScanLevel::kLines) << maxCycles;
    EXPECT_EQ(rig.scanner.Highlighted().line, 100 % 3) << maxCycles;
  }
}

TEST(KeyboardScannerTest, StepByStepMovesOnEachPressRepeatsWhileHeldAndSelectsWithSwitchTwo) {
  ScanRig rig(kThreeLines, Options("Passo-a-Passo", 0, 500));
  rig.Press(1);
  EXPECT_EQ(rig.Posted(), "LINES_STARTED");
  rig.Wait(2000);  // released: the highlight stays
  EXPECT_EQ(rig.Lit(), "L0+");
  rig.Press(1);
  rig.Wait(2000);
  EXPECT_EQ(rig.Posted(), "ADVANCED");
  EXPECT_EQ(rig.Lit(), "L0- L1+");

  rig.scanner.SwitchDown(1);  // held: a step at once, then one per step time
  rig.Wait(100);
  EXPECT_EQ(rig.Lit(), "L1- L2+");
  rig.Wait(500);
  EXPECT_EQ(rig.Lit(), "L2- L0+");
  rig.Wait(500);
  EXPECT_EQ(rig.Lit(), "L0- L1+");
  rig.scanner.SwitchUp(1);
  rig.Wait(2000);
  EXPECT_EQ(rig.Lit(), "");
  EXPECT_EQ(rig.Posted(), "ADVANCED ADVANCED ADVANCED");

  rig.Press(2);
  EXPECT_EQ(rig.Posted(), "LINE_SELECTED 1 GROUPS_STARTED");
  rig.Press(2);
  rig.Press(1);
  rig.Press(2);
  EXPECT_EQ(rig.Posted(), "GROUP_SELECTED 1.0 KEYS_STARTED ADVANCED KEY_SELECTED 1.0.1");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);
  EXPECT_EQ(rig.scanner.PressCount(1), 4);
  EXPECT_EQ(rig.scanner.PressCount(2), 3);
}

TEST(KeyboardScannerTest, InverseMovesWhileSwitchOneIsHeldAndSelectsOnRelease) {
  ScanRig rig(kThreeLines, Options("Inverso", 0, 500));
  rig.scanner.SwitchDown(1);
  rig.Wait(100);
  EXPECT_EQ(rig.Posted(), "LINES_STARTED");
  rig.Wait(500);
  EXPECT_EQ(rig.Lit(), "L0+ L0- L1+");
  rig.scanner.SwitchUp(1);
  rig.Wait(100);
  EXPECT_EQ(rig.Posted(), "ADVANCED LINE_SELECTED 1 GROUPS_STARTED");
  rig.Wait(3000);  // released: nothing moves
  EXPECT_EQ(rig.Lit(), "L1- G1.0+");

  rig.scanner.SwitchDown(1);
  rig.Wait(600);
  rig.scanner.SwitchUp(1);
  rig.Wait(100);
  EXPECT_EQ(rig.Posted(), "ADVANCED GROUP_SELECTED 1.1 KEYS_STARTED");
  rig.Press(1);  // released before the step: the first key
  rig.Wait(100);
  EXPECT_EQ(rig.Posted(), "KEY_SELECTED 1.1.0");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);
}

TEST(KeyboardScannerTest, NoneAndUnknownMethodsMakeEverySwitchEventInert) {
  for (const char* method : {"Nenhum", "regular", "", "Passo a Passo"}) {
    ScanRig rig(kThreeLines, Options(method, 0, 100));
    rig.Press(1);
    rig.Press(2);
    rig.Wait(1000);
    EXPECT_EQ(rig.Posted() + rig.Lit(), "") << method;
    EXPECT_EQ(rig.scanner.PressCount(1) + rig.scanner.PressCount(2), 0) << method;
  }
}

// Each switch keeps its own waiting event, so one switch's events never
// cancel the other's.
TEST(KeyboardScannerTest, OneSwitchNeverCancelsTheOthersWaitingEvent) {
  ScanRig rig(kThreeLines, Options("Passo-a-Passo", 300, 500));
  rig.scanner.SwitchDown(1);
  rig.Wait(400);
  EXPECT_EQ(rig.Posted(), "LINES_STARTED");
  // Switch 1 released and switch 2 pressed within the latency: the release
  // still stops the highlight, and the press selects.
  rig.scanner.SwitchUp(1);
  rig.Wait(100);
  rig.scanner.SwitchDown(2);
  rig.Wait(400);
  EXPECT_EQ(rig.Posted(), "LINE_SELECTED 0 GROUPS_STARTED");
  rig.Wait(3000);
  EXPECT_EQ(rig.Posted(), "");  // nobody holds switch 1: the groups stay

  // Switch 2 released while a press of switch 1 waits: the press counts.
  rig.scanner.SwitchDown(1);
  rig.Wait(100);
  rig.scanner.SwitchUp(2);
  rig.Wait(300);
  EXPECT_EQ(rig.Posted(), "ADVANCED");
}

TEST(KeyboardScannerTest, CuesNameTheHighlightedElementOrTheKeyThatStandsForIt) {
  // Line 0: two groups, the first of one key. Line 1: one group of two keys.
  // Line 2: one group of one key.
  ScanRig rig({{1, 2}, {2}, {0, 1}}, Options("Regular", 0, 100));
  const ScanCueWords& words = rig.keyboard;
  EXPECT_EQ(rig.scanner.CueText(words), "");
  rig.Press(1);
  EXPECT_EQ(rig.scanner.CueText(words), "linha 0");
  rig.Wait(100);
  EXPECT_EQ(rig.scanner.CueText(words), "grupo 1.0");
  rig.Wait(100);
  EXPECT_EQ(rig.scanner.CueText(words), "tecla 2.1.0");
  rig.Wait(100);
  rig.scanner.SwitchDown(1);  // line 0 selected: its groups
  rig.Wait(100);
  EXPECT_EQ(rig.scanner.CueText(words), "tecla 0.0.0");
  rig.Wait(100);
  EXPECT_EQ(rig.scanner.CueText(words), "grupo 0.1");
  rig.scanner.SwitchDown(1);
  rig.Wait(100);
  EXPECT_EQ(rig.scanner.CueText(words), "tecla 0.1.0");
}

TEST(KeyboardScannerTest, SuspendingForEditingStopsScanningAndIgnoresTheSwitches) {
  ScanRig rig(kThreeLines, Options("Regular", 100, 100));
  rig.scanner.SwitchDown(1);
  rig.Wait(200);
  rig.scanner.SwitchDown(1);  // waits for its latency
  rig.scanner.SetSuspended(true);
  EXPECT_EQ(rig.Lit(), "L0+ L0-");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);
  rig.scanner.SwitchDown(1);
  rig.Wait(1000);
  EXPECT_EQ(rig.Posted(), "LINES_STARTED");
  EXPECT_EQ(rig.Lit(), "");
  EXPECT_EQ(rig.scanner.PressCount(1), 1);

  rig.scanner.SetSuspended(false);
  rig.Wait(1000);
  EXPECT_EQ(rig.Lit(), "");  // the press made before suspending was forgotten
  rig.scanner.SwitchDown(1);
  rig.Wait(200);
  EXPECT_EQ(rig.Posted(), "LINES_STARTED");
}

TEST(KeyboardScannerTest, ANewMethodStopsScanningNewTimesDoNot) {
  ScanRig rig(kThreeLines, Options("Regular", 0, 1000));
  rig.Press(1);
  rig.scanner.SetOptions(Options("Regular", 0, 200));
  rig.Wait(300);  // the running count meets the new step time
  EXPECT_EQ(rig.Lit(), "L0+ L0- L1+");
  rig.scanner.SetOptions(Options("Inverso", 0, 200));
  EXPECT_EQ(rig.Lit(), "L1-");
  EXPECT_EQ(rig.scanner.Level(), ScanLevel::kIdle);
  rig.scanner.SetOptions(Options("Nenhum"));
  rig.Press(1);
  rig.Wait(500);
  EXPECT_EQ(rig.Lit(), "");
}

}  // namespace
}  // namespace vorelio
