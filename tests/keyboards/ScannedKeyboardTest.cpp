// A loaded keyboard as the program uses it: scanned on the message loop's
// 100 ms timer, laid out, hit-tested; and the keyboards the program ships.
#include <gtest/gtest.h>

#include <set>

#include "common/NativePath.h"
#include "keyboards/KeyOutput.h"
#include "keyboards/KeyboardFolder.h"
#include "keyboards/KeyboardScanTimer.h"
#include "keyboards/KeyboardTestSupport.h"
#include "keyboards/OnScreenKeyboard.h"
#include "keyboards/OnScreenKeyboardLayout.h"
#include "keyboards/PictogramLabel.h"
#include "platform/AtomicFile.h"
#include "platform/PosixFileSystem.h"
#include "profiles/UserProfileOptions.h"
#include "tests/TestSupport.h"

namespace vorelio {
namespace {

using testing::RecordingWindow;
using testing::RepaintRecorder;

// Three lines of two groups of two keys.
constexpr char kThreeLines[] =
    "LINHA um\nGRUPO a\nTECLA TECLA_NORMAL a a a\nTECLA TECLA_NORMAL b b b\n"
    "GRUPO c\nTECLA TECLA_NORMAL c c c\nTECLA TECLA_NORMAL d d d\n"
    "LINHA dois\nGRUPO e\nTECLA TECLA_NORMAL e e e\nTECLA TECLA_NORMAL f f f\n"
    "GRUPO g\nTECLA TECLA_NORMAL g g g\nTECLA TECLA_NORMAL h h h\n"
    "LINHA tres\nGRUPO i\nTECLA TECLA_NORMAL i i i\nTECLA TECLA_NORMAL j j j\n"
    "GRUPO k\nTECLA TECLA_NORMAL k k k\nTECLA TECLA_NORMAL l l l\n";

class ScannedKeyboardTest : public ::testing::Test {
 protected:
  ScannedKeyboardTest() {
    KeyboardPresentation presentation = PresentationOf(UserProfileOptions{}, "");
    presentation.scanningMethod = "Regular";
    presentation.switchLatencyMs = 100;
    presentation.scanStepMs = 1000;
    presentation.maxScanCycles = 3;
    keyboard_ = std::make_unique<COnScreenKeyboard>(
        KeyboardEnvironment{controller_, nullptr, &repaints_, presentation});
    keyboard_->LoadContents(kThreeLines);
    timer_ = std::make_unique<KeyboardScanTimer>(loop_, keyboard_->Scanner(), messages_);
  }
  ~ScannedKeyboardTest() override {
    timer_.reset();
    loop_.DestroyWindow(controller_);
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      clock_.Advance(kTimerPeriodMs);
      loop_.DispatchPending();
    }
  }

  ManualLoopClock clock_;
  MessageLoop loop_{clock_};
  RecordingWindow window_;
  WindowHandle controller_ = loop_.CreateWindow(window_);
  RepaintRecorder repaints_;
  RecordingMessageBox messages_;
  std::unique_ptr<COnScreenKeyboard> keyboard_;
  std::unique_ptr<KeyboardScanTimer> timer_;
};

TEST_F(ScannedKeyboardTest, TheTimerScansAndRepaintsOnlyWhatChanged) {
  ASSERT_TRUE(timer_->Running());
  EXPECT_TRUE(messages_.messages.empty());
  keyboard_->Scanner().SwitchDown(1);
  Ticks(2);  // the press has stood for the latency of 100 ms
  keyboard_->Scanner().SwitchUp(1);
  EXPECT_EQ(keyboard_->Scanner().Level(), ScanLevel::kLines);
  EXPECT_EQ(repaints_.Take(), "0.0.0 0.0.1 0.1.0 0.1.1");
  EXPECT_TRUE(keyboard_->Key({0, 1, 1})->IsHighlighted());

  Ticks(9);  // the line stays lit for the step time; nothing is redrawn
  EXPECT_EQ(repaints_.Take(), "");
  Ticks(1);
  EXPECT_EQ(repaints_.Take(), "0.0.0 0.0.1 0.1.0 0.1.1 1.0.0 1.0.1 1.1.0 1.1.1");
  EXPECT_EQ(keyboard_->Scanner().CueText(*keyboard_), "dois");
}

TEST_F(ScannedKeyboardTest, LoadingAnotherKeyboardStopsScanningAndEditingSuspendsIt) {
  keyboard_->Scanner().SwitchDown(1);
  Ticks(2);
  ASSERT_EQ(keyboard_->Scanner().Level(), ScanLevel::kLines);
  keyboard_->LoadContents(kThreeLines);
  EXPECT_EQ(keyboard_->Scanner().Level(), ScanLevel::kIdle);
  Ticks(20);
  EXPECT_FALSE(keyboard_->Key({1, 0, 0})->IsHighlighted());

  keyboard_->SetEditMode(true);
  keyboard_->Scanner().SwitchDown(1);
  Ticks(2);
  EXPECT_EQ(keyboard_->Scanner().Level(), ScanLevel::kIdle);
  keyboard_->SetEditMode(false);
  keyboard_->Scanner().SwitchDown(1);
  Ticks(2);
  EXPECT_EQ(keyboard_->Scanner().Level(), ScanLevel::kLines);
}

TEST_F(ScannedKeyboardTest, KeysGetTheirRectanglesAndArePickedByPoint) {
  const testing::FixedFont font;
  const KeyboardLayout layout = LayOutOnScreenKeyboard(*keyboard_, font);
  const CColorButton& b = *keyboard_->Key({0, 0, 1});
  EXPECT_EQ(b.Rect(), layout.lines[0].groups[0].keys[1]);
  EXPECT_EQ(KeyAt(layout, b.Rect().x, b.Rect().y), (COnScreenKeyIdentifier{0, 0, 1}));
  const KeyRect& l = keyboard_->Key({2, 1, 1})->Rect();
  EXPECT_EQ(KeyAt(layout, l.x + l.width - 1, l.y + l.height - 1), (COnScreenKeyIdentifier{2, 1, 1}));
  EXPECT_FALSE(KeyAt(layout, layout.width + 5, 0));
  EXPECT_FALSE(KeyAt(layout, -1, -1));
}

// Every keyboard in data/ reads whole; its links, pictograms and commands
// name what exists.
TEST(ShippedKeyboardsTest, ReadWholeAndLinkToWhatExists) {
  PosixFileSystem files;
  const std::string data = VORELIO_DATA_DIR;
  const std::vector<std::string> names = ListKeyboards(files, data);
  const std::set<std::string> shipped(names.begin(), names.end());
  ASSERT_GE(shipped.size(), 3u);
  EXPECT_TRUE(shipped.count(UserProfileOptions{}.keyboardName)) << "the default keyboard";

  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    COnScreenKeyboard keyboard(KeyboardEnvironment{});
    keyboard.Load(files, KeyboardPath(files, data, name));
    EXPECT_EQ(keyboard.Dropped(), DroppedRecords{});
    ASSERT_GT(keyboard.LineCount(), 0);
    EXPECT_EQ(keyboard.Contents(), *files.ReadFile(keyboard.Path())) << "saved as it is shipped";
    int links = 0;
    keyboard.ForEachKey([&](CColorButton& key) {
      SCOPED_TRACE(key.Position().Text());
      EXPECT_TRUE(key.Type().has_value());
      if (key.Type() != KeyType::kNormal && key.Type() != KeyType::kPictogram) return;
      EXPECT_FALSE(key.Description().empty());
      const KeyOutput output = ClassifyKeyOutput(key.Output());
      if (output.kind == KeyOutputKind::kKeyboard) {
        ++links;
        EXPECT_TRUE(shipped.count(output.value)) << output.value;
      }
      for (const std::string& reference : PictogramReferences(key.Label())) {
        EXPECT_TRUE(PathExists(files, InFolder(data, reference))) << reference;
      }
    });
    EXPECT_GE(links, 1);
  }
}

}  // namespace
}  // namespace vorelio
