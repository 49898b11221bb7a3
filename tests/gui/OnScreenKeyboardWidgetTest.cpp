// The keyboard widget on the offscreen platform: its size, what clicks and
// moves post through the keys, what it repaints, and the press circle.
#include "gui/OnScreenKeyboardWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QThread>

#include <chrono>
#include <functional>
#include <vector>

#include "gui/KeyboardPainter.h"
#include "gui/QtKeyFontMetrics.h"
#include "keyboards/KeySoundPlayer.h"
#include "keyboards/OnScreenKeyboard.h"
#include "keyboards/OnScreenKeyboardLayout.h"
#include "platform/sim/MemoryFileSystem.h"
#include "platform/sim/RecordingAudioOutput.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/keyboards/KeyboardTestSupport.h"
#include "tests/platform/WavBytes.h"

namespace vorelio::testing {
namespace {

constexpr COnScreenKeyIdentifier kA{0, 0, 0};
constexpr COnScreenKeyIdentifier kInactive{0, 0, 1};
constexpr COnScreenKeyIdentifier kC{0, 1, 0};
constexpr COnScreenKeyIdentifier kLink{1, 0, 0};

// Keys with gaps between them; "b" is inactive.
constexpr char kKeyboard[] =
    "LINHA primeira\n"
    "GRUPO um\n"
    "TECLA TECLA_NORMAL a letra;;;a a 1 -1 -1\n"
    "TECLA TECLA_NORMAL b letra;;;b b 0 -1 -1\n"
    "GRUPO dois\n"
    "TECLA TECLA_NORMAL c letra;;;c c 1 -1 -1\n"
    "LINHA segunda\n"
    "GRUPO tres\n"
    "TECLA TECLA_NORMAL Frases teclado;;;de;;;frases Frases.tec 1 -1 -1\n";

// Where the widget's top-left corner is on the (pretended) screen.
const QPoint kScreenOffset(300, 200);

// Records the regions of the paint events a widget receives while `when`
// holds.
class PaintRecorder final : public QObject {
 public:
  explicit PaintRecorder(std::function<bool()> when = [] { return true; })
      : when_(std::move(when)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && when_())
      painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion painted;

 private:
  std::function<bool()> when_;
};

// Runs Qt's events until `done` holds; false when it does not within 10 s.
bool ProcessEventsUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QApplication::processEvents();
    QThread::msleep(5);
  }
  return true;
}

class OnScreenKeyboardWidgetTest : public ::testing::Test {
 protected:
  OnScreenKeyboardWidgetTest() : loop_(clock_) {
    KeyboardEnvironment environment;
    environment.notificationWindow = loop_.CreateWindow(window_);
    environment.presentation = Presentation();
    keyboard_ = std::make_unique<COnScreenKeyboard>(environment);
    keyboard_->LoadContents(kKeyboard);
    widget_ = std::make_unique<OnScreenKeyboardWidget>(*keyboard_, nullptr);
  }

  static KeyboardPresentation Presentation() {
    KeyboardPresentation presentation;
    presentation.keyBackgroundColour = kBlue;
    presentation.keyTextColour = kWhite;
    presentation.fontFace = "Arial";
    presentation.fontSize = 10;
    presentation.keyHeight = 40;
    presentation.pictogramKeyHeight = 50;
    presentation.keyGap = 4;
    presentation.groupGap = 10;
    presentation.lineGap = 6;
    presentation.hoverLimit = 1;
    return presentation;
  }

  QRect RectOf(const COnScreenKeyIdentifier& key) { return ToQRect(keyboard_->Key(key)->Rect()); }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    if (type == QEvent::MouseMove) button = Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(at + kScreenOffset), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(widget_.get(), &event);
  }
  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonPress, at, button);
    Mouse(QEvent::MouseButtonRelease, at, button);
  }
  // What the controller's window received since the last call.
  std::string Posted() {
    loop_.DispatchPending();
    return std::exchange(window_.log, {});
  }
  static std::string Packed(QPoint onWidget) {
    const QPoint screen = onWidget + kScreenOffset;
    return std::to_string(PackPointerPosition({screen.x(), screen.y()}));
  }
  QImage Picture() { return widget_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  ManualLoopClock clock_;
  MessageLoop loop_;
  RecordingWindow window_;
  std::unique_ptr<COnScreenKeyboard> keyboard_;
  std::unique_ptr<OnScreenKeyboardWidget> widget_;
};

TEST_F(OnScreenKeyboardWidgetTest, TakesTheSizeOfTheLayoutAgainOnRelayout) {
  const KeyboardLayout first = LayOutOnScreenKeyboard(*keyboard_, QtKeyFontMetrics("Arial", 10));
  EXPECT_EQ(widget_->size(), QSize(first.width, 6 + 40 + 6 + 40 + 6));
  EXPECT_EQ(widget_->focusPolicy(), Qt::NoFocus);

  KeyboardPresentation presentation = Presentation();
  presentation.fontSize = 20;
  presentation.keyHeight = 60;
  keyboard_->SetPresentation(presentation);
  widget_->Relayout();
  const KeyboardLayout expected =
      LayOutOnScreenKeyboard(*keyboard_, QtKeyFontMetrics("Arial", 20));
  EXPECT_EQ(widget_->size(), QSize(expected.width, expected.height));
  EXPECT_EQ(RectOf(kA).height(), 60);
}

TEST_F(OnScreenKeyboardWidgetTest, PressesAndDoubleClicksPostThroughTheKeyUnderThePointer) {
  const QPoint a = RectOf(kA).center();
  const std::string packed = std::to_string(kA.Packed());
  const std::string left = "pressed " + packed + " 0; left-down " + packed + " " + Packed(a);
  Click(a);
  EXPECT_EQ(Posted(), left);
  EXPECT_EQ(widget_->PressedKey(), kA);
  // The second click of a quick pair presses the key again.
  Mouse(QEvent::MouseButtonDblClick, a);
  EXPECT_EQ(Posted(), left + "; double " + packed + " 0");

  Click(RectOf(kLink).center(), Qt::RightButton);
  Click(RectOf(kLink).center(), Qt::MiddleButton);
  const std::string link = std::to_string(kLink.Packed());
  EXPECT_EQ(Posted(), "pressed " + link + " 1; pressed " + link + " 2");
  EXPECT_EQ(widget_->PressedKey(), kA) << "only a left press gives the feedback";
}

TEST_F(OnScreenKeyboardWidgetTest, GapsAndInactiveKeysPostNothingAndAnInactiveKeyIsBare) {
  const QRect a = RectOf(kA);
  const QRect c = RectOf(kC);
  ASSERT_LT(RectOf(kInactive).right() + 1, c.left()) << "a gap between the groups";
  Click(QPoint(c.left() - 1, c.center().y()));  // the group gap
  Click(QPoint(a.center().x(), a.top() - 1));   // the line gap above
  Click(RectOf(kInactive).center());
  EXPECT_EQ(Posted(), "");
  EXPECT_EQ(widget_->PressedKey(), std::nullopt);

  keyboard_->SetKeyHighlighted(kInactive, true);
  const QImage picture = Picture();
  EXPECT_EQ(CountOtherThan(picture, RectOf(kInactive), Rgb(kBlue)), 0) << "no 'b', not lit";
  EXPECT_GT(CountOtherThan(picture, a, Rgb(kBlue)), 0) << "the active key shows 'a'";
}

TEST_F(OnScreenKeyboardWidgetTest, AChangeOfOneKeyRepaintsThatKeyAlone) {
  PaintRecorder paints;
  widget_->installEventFilter(&paints);
  widget_->show();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !paints.painted.isEmpty(); }));
  paints.painted = QRegion();

  keyboard_->SetKeyHighlighted(kC, true);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !paints.painted.isEmpty(); }));
  EXPECT_EQ(paints.painted, QRegion(RectOf(kC)));

  // A group lights each of its keys; the line's other keys stay as they are.
  paints.painted = QRegion();
  keyboard_->SetGroupHighlighted(0, 0, true);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !paints.painted.isEmpty(); }));
  EXPECT_EQ(paints.painted, QRegion(RectOf(kA)) + QRegion(RectOf(kInactive)));
  widget_->removeEventFilter(&paints);

  const QImage picture = Picture();
  EXPECT_EQ(picture.pixel(RectOf(kC).topLeft()), Rgb(kWhite)) << "lit: the colours swapped";
  EXPECT_EQ(picture.pixel(RectOf(kLink).topLeft()), Rgb(kBlue));
}

TEST_F(OnScreenKeyboardWidgetTest, ThePressCircleShowsOnTheLastPressedKeyAndGoes) {
  // Paints of the widget once the circle is gone.
  PaintRecorder paints([&] { return !widget_->PressedKey(); });
  widget_->installEventFilter(&paints);
  widget_->show();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !paints.painted.isEmpty(); }));

  const QImage before = Picture();
  Click(RectOf(kA).center());
  ASSERT_EQ(widget_->PressedKey(), kA);
  // The circle changes the key, centred, and nothing else.
  const QRect a = RectOf(kA);
  const QRect circle = BoundsOfDifference(before, Picture());
  EXPECT_FALSE(circle.isEmpty());
  EXPECT_TRUE(a.contains(circle));
  EXPECT_LE(std::abs(circle.center().x() - a.center().x()), 1);
  EXPECT_LE(std::abs(circle.center().y() - a.center().y()), 1);

  // Another press moves the circle: only the last pressed key keeps one.
  Click(RectOf(kC).center());
  ASSERT_EQ(widget_->PressedKey(), kC);
  paints.painted = QRegion();
  const QRect moved = BoundsOfDifference(before, Picture());
  EXPECT_FALSE(moved.isEmpty());
  EXPECT_TRUE(RectOf(kC).contains(moved));

  ASSERT_TRUE(ProcessEventsUntil([&] { return paints.painted.contains(RectOf(kC)); }))
      << "the key is drawn again once its circle has gone";
  widget_->removeEventFilter(&paints);
  EXPECT_EQ(Picture(), before);
}

TEST_F(OnScreenKeyboardWidgetTest, ALeftPressSoundsWhenKeySoundsAreOnAndSilencesOtherwise) {
  MemoryFileSystem files;
  files.AddFile("/dados/SomTecla.wav", SilentWav(22050, 1, 441));
  RecordingAudioOutput output;
  KeySoundPlayer sounds(output, files, "/dados", [](std::string_view) {});
  KeyboardPresentation presentation = Presentation();
  presentation.keySounds = true;
  keyboard_->SetPresentation(presentation);
  widget_ = std::make_unique<OnScreenKeyboardWidget>(*keyboard_, &sounds);

  output.Hold();
  Click(RectOf(kA).center());
  ASSERT_TRUE(output.WaitForStarted(1));
  presentation.keySounds = false;
  keyboard_->SetPresentation(presentation);
  Click(RectOf(kC).center());  // cuts the sound of the press before off
  ASSERT_TRUE(output.WaitForEnded(1));
  EXPECT_EQ(output.Plays(), (std::vector<std::string>{"22050 Hz, 1 ch, 441 frames: stopped"}));
  widget_.reset();
}

TEST_F(OnScreenKeyboardWidgetTest, ThePointerHoversOneKeyAtATimeAndRestingReportsIt) {
  const QPoint a = RectOf(kA).center();
  Mouse(QEvent::MouseMove, a);
  EXPECT_TRUE(keyboard_->Key(kA)->IsHovered());
  EXPECT_EQ(Picture().pixel(RectOf(kA).topLeft()), Rgb(kWhite));
  EXPECT_EQ(Posted(), "move " + Packed(a) + " 0");

  // Resting on the key: one hover notification (the limit is 1).
  ASSERT_TRUE(ProcessEventsUntil([&] {
    loop_.DispatchPending();
    return !window_.log.empty();
  }));
  EXPECT_EQ(Posted(), "hover " + std::to_string(kA.Packed()) + " 0");
  Mouse(QEvent::MouseMove, RectOf(kC).center());
  EXPECT_FALSE(keyboard_->Key(kA)->IsHovered());
  EXPECT_TRUE(keyboard_->Key(kC)->IsHovered());
  Mouse(QEvent::MouseMove, QPoint(RectOf(kC).left() - 1, RectOf(kC).center().y()));
  EXPECT_FALSE(keyboard_->Key(kC)->IsHovered()) << "a gap between keys";

  Mouse(QEvent::MouseMove, RectOf(kLink).center());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget_.get(), &leave);
  EXPECT_FALSE(keyboard_->Key(kLink)->IsHovered());
}

}  // namespace
}  // namespace vorelio::testing
